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
    // Tray menu: "Start with &Windows". ("&Start silent" follows cbSilent.)
    bool AutoStart = false;

    // Options page.
    bool cbRecycle = false;  // "Empty the Recycle Bin"
    bool cbClearTemp = false;  // "Clear temporary files"
    bool cbRecent = false;  // "Clear recently accessed documents list"
    bool cbHistory = false;  // "Delete Internet history"
    bool cbPassword = false;  // "Require passwords to unhide windows"
    bool cbMuteAudio = true;  // "Mute the audio"
    bool cbDisableACT = false;  // "Disable CTRL+ALT+DEL Windows keys ..."
    bool HidePanic_f = false;  // "Always hide the Panic Button"
    bool cbHideIcon = false;  // "Always hide the Umbrix System Tray icon"
    bool cbSilent = false;  // "Start silent ..."
    bool cbCloaked = true;  // "Disregard cloaked windows (Windows 10)"
    std::int32_t jvTransparency = 1;  // panic button transparency slider, 0..10
    std::int32_t ThemeList = 0;  // selected index of the theme list, as stored (may lie outside it)

    // Setup page.
    std::int32_t Action = 0;  // action radio group: 0..4, or kNoActionSelected
    bool cbHideParent = true;
    bool cbCloseParent = false;
    bool cbzOrder = true;
    bool cbTaskManager = false;
    std::string edHide{kDefaultHideHotkeyText};
    std::string edUnHide{kDefaultUnhideHotkeyText};
    bool UseDecoy = false;
    std::string DecoyApp;

    // Visible windows page: the exclusion mode, 0 by window, 1 by application.
    std::int32_t rgExclude = 0;

    // Fields of the main window.
    bool UseDefaultKeys = true;
    std::int32_t DefLanguage = 1033;
    std::string IconFile;  // the tray icon's file; empty: the built-in icon
    std::int32_t IconIndex = 3;

    // The panic window: outer rectangle in screen pixels and the button's label.
    std::int32_t PanicLeft = 0;
    std::int32_t PanicTop = 0;
    std::int32_t PanicHeight = 80;
    std::int32_t PanicWidth = 369;
    std::string btnPanic{kDefaultPanicLabel};

    bool operator==(const AppSelections&) const = default;
};

}  // namespace umbrix::settings
