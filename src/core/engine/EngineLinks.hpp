#pragma once
// What the window engine asks of the rest of the program: its own windows, the panic button,
// the tray icon, the lockdown and mute extras, the foreground tracking and the dialogs. Each
// subsystem implements its interface. The calls are best effort: an implementation handles
// its own failures and throws only for the unexpected.
#include <optional>
#include <string>
#include <vector>

#include "engine/HiddenWindowEntry.hpp"
#include "platform/DialogPort.hpp"
#include "platform/WindowId.hpp"

namespace umbrix::engine {

// The main window, the unlock prompt and the about window.
class OwnWindows {
public:
    virtual ~OwnWindows() = default;
    // The main window's caption as it is now (it follows the interface language).
    virtual std::string mainWindowCaption() = 0;
    virtual bool isMainWindowVisible() = 0;
    // Closes (hides) the main window; its close handler saves the settings.
    virtual void closeMainWindow() = 0;
    // The unlock prompt exists and is visible.
    virtual bool isPasswordPromptShown() = 0;
    virtual void closeAndDestroyPasswordPrompt() = 0;
    // The about window exists and is visible.
    virtual bool isAboutWindowShown() = 0;
    virtual void closeAboutWindow() = 0;
};

class PanicButton {
public:
    virtual ~PanicButton() = default;
    // `MyHandle`: the panic button window's handle as last recorded; WindowId{} before that.
    virtual platform::WindowId panicWindowHandle() = 0;
    // The panic window is on the screen.
    virtual bool isPanicWindowShown() = 0;
    virtual void closePanicWindow() = 0;
};

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual void removeTrayIcon() = 0;
    virtual void showTrayIcon() = 0;
};

// The Task Manager and Ctrl+Alt+Del policies.
class Lockdown {
public:
    virtual ~Lockdown() = default;
    virtual bool hasAdministratorRights() = 0;
    virtual void setTaskManagerDisabled(bool disabled) = 0;
    virtual void liftCtrlAltDelRestrictions() = 0;
};

class AudioMute {
public:
    virtual ~AudioMute() = default;
    virtual void switchMuteOff() = 0;
};

// The controller's record of the window the user last worked in (`LastActiveHandle`).
class ForegroundHistory {
public:
    virtual ~ForegroundHistory() = default;
    virtual platform::WindowId lastActiveHandle() = 0;
};

// The file dialog the main window browses with.
using FileDialogRequest = platform::FileOpenRequest;

class EngineDialogs {
public:
    virtual ~EngineDialogs() = default;
    // A task-modal Yes/No message box owned by the main window; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
    // The chosen file's full name; nullopt when the user cancels.
    virtual std::optional<std::string> browseForFile(const FileDialogRequest& request) = 0;
    // The hourglass while the program works without answering, the arrow after.
    virtual void setWaitCursor(bool waiting) = 0;
};

// The on-disk record of the hidden windows. Told, before a hide action takes the first window
// away, the entries it is about to add, with the hidden-window list as it stands: should the
// program die half-way through the hide, the windows it had already hidden can still be found.
// The activation has it record the list again after every dispatch.
class HideJournal {
public:
    virtual ~HideJournal() = default;
    virtual void aboutToHide(const HiddenWindowList& hidden, const std::vector<HiddenWindowEntry>& toHide) = 0;
    // The record as the list now stands; throws when it cannot be written.
    virtual void record(const HiddenWindowList& hidden) = 0;
};

struct EngineLinks {
    OwnWindows& ownWindows;
    PanicButton& panicButton;
    TrayIcon& trayIcon;
    Lockdown& lockdown;
    AudioMute& audioMute;
    ForegroundHistory& foregroundHistory;
    EngineDialogs& dialogs;
    HideJournal& hideJournal;
};

}  // namespace umbrix::engine
