#pragma once
// The hide and close actions, the per-window show/hide primitive and the preparation step run
// before every action. Hiding records a window in the hidden-window list before it is taken
// off the screen, so the list holds every window the program really hid, whatever fails next.
// Closing asks a window to close, exactly like its close box; no process is ever ended.
#include <string>
#include <string_view>
#include <vector>

#include "engine/ActionSender.hpp"
#include "engine/EngineLinks.hpp"
#include "engine/EngineState.hpp"
#include "engine/HiddenWindowGuard.hpp"
#include "engine/WindowInventory.hpp"
#include "platform/Platform.hpp"

namespace umbrix::engine {

class WindowActions {
public:
    WindowActions(platform::Platform ports, EngineLinks links, EngineState& state, WindowInventory& inventory,
                  HiddenWindowGuard& guard);

    // Removes the tray icon if so configured, applies the Task Manager policy when the program
    // has administrator rights, and closes the program's own open windows.
    void closeApplicationWindows();

    // Each action answers false when an unexpected failure stopped it; what it had already done
    // and recorded stays.
    bool hideAllWindows(int dlAction);
    bool hideActiveApplication(ActionSender Sender, int dlAction);
    bool closeAllWindows(int dlAction);
    bool closeActiveWindow(ActionSender Sender, int dlAction);

    // Hides (show flag 0) or shows the window named by the handle text. Hiding answers whether
    // the window was visible before, and refuses the panic button window. Showing also switches
    // the mute off and lifts the Ctrl+Alt+Del restrictions when those options are set.
    bool showHideWindow(ActionSender Sender, int showFlag, std::string_view handleText);
    // Shows the windows named by the handle texts as showHideWindow does one, all in one batch
    // (each program shows its own as fast as it can), with the extras once after them. Should
    // the batch fail, each window is shown on its own with its own recovery.
    void showWindowsTogether(const std::vector<std::string>& handleTexts);

    bool isSameProcess(platform::WindowId handle, platform::ProcessId pid);

    // Hides one window of the visible-window list, recording the time alone, and takes its
    // entry off. A window that is not listed, or that is never hidden, stays as it is.
    void hideListedWindow(platform::WindowId window);

private:
    ExclusionMode exclusionMode() const { return static_cast<ExclusionMode>(state_.options.exclusionMode); }

    platform::WindowId activeTarget(ActionSender Sender);
    // Titles no hide action takes away: the main window's, the desktop's, and "Cache Manager",
    // whose windows a restore would never show again.
    bool isNeverHidden(std::string_view title);
    bool isMainCaptionOrDesktop(std::string_view title);
    // Notes where the windows stand and which one is active, and tells the journal, before
    // the first of them goes.
    void prepareHide(std::vector<HiddenWindowEntry>& toHide, platform::WindowId active);
    void hideAndRecord(ActionSender Sender, int dlAction, HiddenWindowEntry entry);
    void hideAndRecordTogether(std::vector<HiddenWindowEntry> toHide);
    void closeMainWindowIfVisible();

    platform::Platform ports_;
    EngineLinks links_;
    EngineState& state_;
    WindowInventory& inventory_;
    HiddenWindowGuard& guard_;
};

}  // namespace umbrix::engine
