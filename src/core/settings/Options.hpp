#pragma once
// The one model of the user's choices: what the settings file keeps (the options and setup pages
// of the main window, the hotkey fields, the panic window's place, size and label, the tray
// icon). The engine, the activation, the extras and the windows read this one object; the
// settings file loads and saves it through the key table (SettingsKeys.hpp), which is also the
// only place a default is written: a new Options holds every key's default.
#include <cstdint>
#include <string>
#include <string_view>

namespace umbrix::settings {

inline constexpr std::string_view kDefaultPanicLabel =
    "Hi, I'm the \"Panic Button\". You can move me, change me, rename me.";

// The action radio group's items; a loaded "Action" of -1 leaves none selected.
inline constexpr std::int32_t kNoActionSelected = -1;

struct Options {
    // Every field at its key's default; the panic window's place at 0 until the load resolves it
    // against the virtual desktop.
    Options();

    // Tray menu: "Start with &Windows". ("&Start silent" follows startSilent.)
    bool startWithWindows{};

    // Options page.
    bool emptyRecycleBin{};  // "Empty the Recycle Bin"
    bool clearTemporaryFiles{};  // "Clear temporary files"
    bool clearRecentDocuments{};  // "Clear recently accessed documents list"
    bool clearInternetHistory{};  // "Delete Internet history"
    bool requirePassword{};  // "Require passwords to unhide windows"
    bool muteAudio{};  // "Mute the audio"
    bool disableCtrlAltDel{};  // "Disable CTRL+ALT+DEL Windows keys ..."
    bool alwaysHidePanicButton{};  // "Always hide the Panic Button"
    bool alwaysHideTrayIcon{};  // "Always hide the Umbrix System Tray icon"
    bool startSilent{};  // "Start silent ..."
    bool ignoreCloakedWindows{};  // "Disregard cloaked windows (Windows 10)"
    std::int32_t panicButtonTransparency{};  // the panic button's transparency slider, 0..10
    std::int32_t themeIndex{};  // selected index of the theme list, as stored (may lie outside it)

    // Setup page.
    std::int32_t action{};  // action radio group: 0..4, or kNoActionSelected
    bool hideParentWindows{};  // "When Hiding the Active window, hide all application windows "
    bool closeParentWindows{};  // "When Closing the Active window, close all application windows "
    bool keepZOrder{};  // "Make next window in the Z Order active automatically"
    bool disableTaskManager{};  // "Disable Task Manager ..."
    std::string hideHotkeyText;  // the hide hotkey as the user typed it
    std::string unhideHotkeyText;
    bool useDecoy{};  // "Launch an application or open a document"
    std::string decoyProgram;  // the program or document, exactly as entered

    // Visible windows page: the exclusion mode, 0 by window, 1 by application.
    std::int32_t exclusionMode{};

    // Fields of the main window.
    bool useDefaultHotkeys{};
    std::int32_t language{};
    std::string iconFile;  // the tray icon's file; empty: the built-in icon
    std::int32_t iconIndex{};

    // The panic window: outer rectangle in screen pixels and the button's label.
    std::int32_t panicLeft{};
    std::int32_t panicTop{};
    std::int32_t panicHeight{};
    std::int32_t panicWidth{};
    std::string panicButtonLabel;

    bool operator==(const Options&) const = default;
};

}  // namespace umbrix::settings
