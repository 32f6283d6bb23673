#pragma once
// The check boxes of the main window that choose which extras follow an activation. The main
// window's model holds them; the extras read them at the moment they run.
namespace umbrix::extras {

struct ExtrasOptions {
    bool cbMuteAudio = true;  // "Mute the audio"
    bool cbDisableACT = false;  // "Disable CTRL+ALT+DEL Windows keys (Requires Administrator priviledges)"
    bool cbRecycle = false;  // "Empty the Recycle Bin"
    bool cbClearTemp = false;  // "Clear temporary files": the browser cache and its typed addresses
    bool cbHistory = false;  // "Delete Internet history"
    bool cbRecent = false;  // "Clear recently accessed documents list"
};

}  // namespace umbrix::extras
