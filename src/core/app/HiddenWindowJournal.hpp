#pragma once
// Keeps the on-disk record of hidden windows in step with the activation: once just before a
// hide takes its first window, and again when a dispatch ends. A record that cannot be written
// is an error of its own; it never holds up the hide it describes.
#include <string>
#include <vector>

#include "app/ErrorHook.hpp"
#include "engine/EngineLinks.hpp"
#include "engine/HiddenWindowRecovery.hpp"

namespace umbrix::app {

class HiddenWindowJournal final : public engine::HideJournal {
public:
    HiddenWindowJournal(engine::HiddenWindowRecovery& recovery, ErrorHook& errors);

    // Before the hide: a failed write goes to the error hook and the hide carries on.
    void aboutToHide(const engine::HiddenWindowList& hidden,
                     const std::vector<engine::HiddenWindowEntry>& toHide) override;

    // The record as the list now stands; throws when it cannot be written.
    void record(const engine::HiddenWindowList& hidden) override;

private:
    void check(const platform::IoResult& written) const;

    engine::HiddenWindowRecovery& recovery_;
    ErrorHook& errors_;
};

}  // namespace umbrix::app
