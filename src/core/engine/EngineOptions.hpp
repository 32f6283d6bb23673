#pragma once
// The main window's options that the window engine reads at the moment of an action. The main
// window's check boxes are their live copy; the settings file loads and saves them.
namespace umbrix::engine {

struct EngineOptions {
    bool cbCloaked = true;  // "Disregard cloaked windows (Windows 10)"
    bool cbHideParent = true;  // "When Hiding the Active window, hide all application windows "
    bool cbCloseParent = false;  // "When Closing the Active window, close all application windows "
    bool cbzOrder = true;  // "Make next window in the Z Order active automatically"
    bool fHidePanicBtn = false;  // "Always hide the Panic Button"
    bool cbMuteAudio = true;  // "Mute the audio"
    bool cbDisableACT = false;  // "Disable CTRL+ALT+DEL Windows keys (Requires Administrator priviledges)"
    bool cbHideIcon = false;  // "Always hide the Umbrix System Tray icon"
    bool cbTaskManager = false;  // "Disable Task Manager (Requires Administrative priviledge)"
};

}  // namespace umbrix::engine
