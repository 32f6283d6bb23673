#pragma once
// The straightforward way, for comparison: the same filter chain and actions, but every window's
// process path from a snapshot of its own, with every process of that snapshot opened, and an
// icon added to the image list for every entry of every refresh.
#include "engine/EngineState.hpp"
#include "platform/Platform.hpp"

namespace umbrix::bench {

class NaiveWalk {
public:
    NaiveWalk(platform::Platform ports, engine::EngineState& state, std::string caption)
        : ports_(ports), state_(state), caption_(std::move(caption)) {}

    void refresh();
    void hideAll();

private:
    std::string processPath(platform::WindowId window);

    platform::Platform ports_;
    engine::EngineState& state_;
    std::string caption_;
};

}  // namespace umbrix::bench
