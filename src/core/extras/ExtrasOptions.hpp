#pragma once
// The check boxes of the main window that choose which extras follow an activation. The main
// window's model holds them; the extras read them at the moment they run.
namespace umbrix::extras {

struct ExtrasOptions {
    bool muteAudio = true;  // "Mute the audio"
    bool disableCtrlAltDel = false;  // "Disable CTRL+ALT+DEL Windows keys (Requires Administrator priviledges)"
    bool emptyRecycleBin = false;  // "Empty the Recycle Bin"
    bool clearTemporaryFiles = false;  // "Clear temporary files": the browser cache and its typed addresses
    bool clearInternetHistory = false;  // "Delete Internet history"
    bool clearRecentDocuments = false;  // "Clear recently accessed documents list"
};

}  // namespace umbrix::extras
