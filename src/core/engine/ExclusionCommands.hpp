#pragma once
// The commands that edit the exclusion lists.
#include "engine/EngineState.hpp"
#include <cstddef>
#include <string>

#include "platform/WindowId.hpp"
#include "platform/TextPort.hpp"

namespace umbrix::engine {

class ExclusionCommands {
public:
    ExclusionCommands(platform::TextPort& text, EngineState& state);

    // Moves a window of the visible-window list into the window exclusions and adds its
    // executable to the application exclusions unless it is there already. A window that is
    // not listed, or whose handle is excluded already, stays in the list.
    void excludeWindow(platform::WindowId window);
    // Gives the window exclusion at `index` back to the end of the visible-window list and
    // drops the first application exclusion of its executable.
    void removeWindowExclusion(std::size_t index);
    // Removes every window exclusion; the application exclusions stay.
    void clearWindowExclusions();
    // Adds an executable to the application exclusions unless it is there already, in any
    // letter case.
    void addApplicationExclusion(const std::string& applicationPath);
    // Removes the application exclusion at `index`.
    void removeApplicationExclusion(std::size_t index);

private:
    platform::TextPort& text_;
    EngineState& state_;
};

}  // namespace umbrix::engine
