#pragma once
// The main window's options that the window engine reads at the moment of an action. The main
// window's check boxes are their live copy; the settings file loads and saves them.
namespace umbrix::engine {

struct EngineOptions {
    bool ignoreCloakedWindows = true;  // "Disregard cloaked windows (Windows 10)"
    bool hideParentWindows = true;  // "When Hiding the Active window, hide all application windows "
    bool closeParentWindows = false;  // "When Closing the Active window, close all application windows "
    bool keepZOrder = true;  // "Make next window in the Z Order active automatically"
    bool alwaysHidePanicButton = false;  // "Always hide the Panic Button"
    bool muteAudio = true;  // "Mute the audio"
    bool disableCtrlAltDel = false;  // "Disable CTRL+ALT+DEL Windows keys (Requires Administrator priviledges)"
    bool alwaysHideTrayIcon = false;  // "Always hide the Umbrix System Tray icon"
    bool disableTaskManager = false;  // "Disable Task Manager (Requires Administrative priviledge)"
};

}  // namespace umbrix::engine
