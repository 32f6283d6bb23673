#pragma once
// Loading the settings file into Options, in the orders in which the windows load it.
// Values are applied one key at a time, in that order, so that a window model can run a control's
// reaction when the control's state changes (the listener).
#include <span>
#include <string_view>

#include "platform/Platform.hpp"
#include "settings/Options.hpp"
#include "settings/SettingsFile.hpp"
#include "settings/SettingsKeys.hpp"

namespace umbrix::settings {

class SettingsLoadListener {
public:
    virtual ~SettingsLoadListener() = default;
    // `key`'s value is now in its field; `changed` tells whether the field held another value.
    // This is where a window runs a control's reaction, or applies the theme when "Theme" arrives.
    virtual void settingLoaded(const SettingsKey& key, bool changed) = 0;
};

// The main window's creation: "Transparancy", "Theme", then "DoBin" .. "Cloaked".
std::span<const std::string_view> mainWindowLoadOrder();
// The reload after a language switch: "DoBin" .. "Cloaked".
std::span<const std::string_view> languageReloadOrder();
// The panic window's creation: "PanicLeft", "PanicTop", "PanicHeight", "PanicWidth", "btnPanic".
std::span<const std::string_view> panicWindowLoadOrder();

void loadMainWindowSelections(SettingsFile& file, Options& selections, SettingsLoadListener* listener = nullptr);

// The reload after a language switch; here "HidePanic" and "Tray" default to true.
void readOptions(SettingsFile& file, Options& selections, SettingsLoadListener* listener = nullptr);

// `virtualDesktopOrigin` gives the defaults of "PanicLeft" and "PanicTop".
void loadPanicWindowSelections(SettingsFile& file, Options& selections, platform::ScreenPoint virtualDesktopOrigin,
                               SettingsLoadListener* listener = nullptr);

// The splash window's one read of "Silent" (default false), through a binding of its own that
// ends with the call.
bool readSplashSilent(const platform::Platform& platform);

}  // namespace umbrix::settings
