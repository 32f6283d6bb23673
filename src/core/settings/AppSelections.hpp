#pragma once
// The user's choices that the settings file keeps: the live state of the main window's controls,
// the panic window's place, size and label, and a few fields of the main window and the tray.
// Each member is named after the control or field that carries it; the initial values are the
// controls' design defaults, which equal the key table's defaults (SettingsKeys.hpp).
#include <cstdint>
#include <string>
#include <string_view>

namespace umbrix::settings {

inline constexpr std::string_view kDefaultPanicLabel =
    "Hi, I'm the \"Panic Button\". You can move me, change me, rename me.";
inline constexpr std::string_view kDefaultHideHotkeyText = "CTRL+SPACE";
inline constexpr std::string_view kDefaultUnhideHotkeyText = "CTRL+BACKSPACE";

// The action radio group's items; a loaded "Action" of -1 leaves none selected.
inline constexpr std::int32_t kNoActionSelected = -1;

struct AppSelections {
    // Tray menu: "Start with &Windows". ("&Start silent" follows startSilent.)
    bool startWithWindows = false;

    // Options page.
    bool emptyRecycleBin = false;  // "Empty the Recycle Bin"
    bool clearTemporaryFiles = false;  // "Clear temporary files"
    bool clearRecentDocuments = false;  // "Clear recently accessed documents list"
    bool clearInternetHistory = false;  // "Delete Internet history"
    bool requirePassword = false;  // "Require passwords to unhide windows"
    bool muteAudio = true;  // "Mute the audio"
    bool disableCtrlAltDel = false;  // "Disable CTRL+ALT+DEL Windows keys ..."
    bool alwaysHidePanicButton = false;  // "Always hide the Panic Button"
    bool alwaysHideTrayIcon = false;  // "Always hide the Umbrix System Tray icon"
    bool startSilent = false;  // "Start silent ..."
    bool ignoreCloakedWindows = true;  // "Disregard cloaked windows (Windows 10)"
    std::int32_t panicButtonTransparency = 1;  // panic button transparency slider, 0..10
    std::int32_t themeIndex = 0;  // selected index of the theme list, as stored (may lie outside it)

    // Setup page.
    std::int32_t action = 0;  // action radio group: 0..4, or kNoActionSelected
    bool hideParentWindows = true;
    bool closeParentWindows = false;
    bool keepZOrder = true;
    bool disableTaskManager = false;
    std::string hideHotkeyText{kDefaultHideHotkeyText};
    std::string unhideHotkeyText{kDefaultUnhideHotkeyText};
    bool useDecoy = false;
    std::string decoyProgram;

    // Visible windows page: the exclusion mode, 0 by window, 1 by application.
    std::int32_t exclusionMode = 0;

    // Fields of the main window.
    bool useDefaultHotkeys = true;
    std::int32_t language = 1033;
    std::string iconFile;  // the tray icon's file; empty: the built-in icon
    std::int32_t iconIndex = 3;

    // The panic window: outer rectangle in screen pixels and the button's label.
    std::int32_t panicLeft = 0;
    std::int32_t panicTop = 0;
    std::int32_t panicHeight = 80;
    std::int32_t panicWidth = 369;
    std::string panicButtonLabel{kDefaultPanicLabel};

    bool operator==(const AppSelections&) const = default;
};

}  // namespace umbrix::settings
