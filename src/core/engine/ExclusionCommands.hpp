#pragma once
// The commands that edit the exclusion lists.
#include "engine/EngineLinks.hpp"
#include "engine/EngineState.hpp"
#include "engine/MouseButton.hpp"
#include "platform/TextPort.hpp"

namespace umbrix::engine {

class ExclusionCommands {
public:
    ExclusionCommands(platform::TextPort& text, EngineLinks links, EngineState& state);

    // ">>": moves the selected visible window into the window exclusions and adds its
    // executable to the application exclusions unless it is there already.
    void excludeSelectedWindow();
    // "<<": gives the selected window exclusion back to the end of the visible-window list and
    // drops the first application exclusion of its executable.
    void removeSelectedWindowExclusion();
    // "Clear all": removes every window exclusion; the application exclusions stay.
    void clearWindowExclusions();
    // "Add application" > "Browse...": adds the executable chosen in the file dialog.
    void addApplicationExclusionFromFile();
    // "Remove selected": removes the selected application exclusion.
    void removeSelectedApplicationExclusion();

    // The shared context menu enables the application commands over the application list.
    void onApplicationListMouseDown(MouseButton button);
    void onApplicationListMouseEnter();

    // The exclusion mode changed: the page of its list comes to the front.
    void onExclusionModeChanged();

private:
    void enableApplicationCommands();

    platform::TextPort& text_;
    EngineLinks links_;
    EngineState& state_;
};

}  // namespace umbrix::engine
