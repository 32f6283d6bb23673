#pragma once
// "&Change Icon...": the shell's icon picker chooses the tray icon, and the settings file keeps
// the choice for the next start ("StartUp"/"IconFile" and "IconIndex").
#include <optional>
#include <string>

#include "app/TrayIconPresence.hpp"
#include "platform/IconPort.hpp"
#include "settings/SettingsFile.hpp"

namespace umbrix::app {

inline constexpr const char* kSystemIconFile = "%SystemRoot%\\SYSTEM32\\shell32.dll";

// The icon extractor: the source of the tray icon as last chosen, whether or not its icon could
// be extracted.
struct IconExtractor {
    std::string file = kSystemIconFile;
    int index = 3;
    int iconCount = 0;  // the icons the file holds
    std::optional<platform::IconSize> extracted;  // the extracted icon; nullopt when it could not be
};

class TrayIconChange {
public:
    TrayIconChange(platform::IconPort& icons, TrayIconPresence& trayIcon);

    // changeTrayIcon: the picker opens at its last choice. A confirmed icon that can be
    // extracted becomes the tray icon; one that cannot leaves the tray icon as it is, without a
    // message. Confirmed or not, the extractor's file and index are written to `settings`;
    // while no icon was ever chosen the file is written empty, which keeps the program's own
    // icon at the next start. Returns what was written.
    platform::IconLocation changeTrayIcon(settings::SettingsFile& settings);

    // The main window's load: the icon stored by an earlier change becomes the tray icon.
    void useStoredIcon(const std::string& file, int index);

    const IconExtractor& chosenIcon() const { return chosenIcon_; }
    const platform::IconLocation& trayIconLocation() const { return trayIconLocation_; }

private:
    // The extractor takes the icon's source, counts the icons of the file and extracts it; an
    // extracted icon becomes the tray icon.
    void extractIntoTray(const platform::IconLocation& icon);

    platform::IconPort& icons_;
    TrayIconPresence& trayIcon_;
    IconExtractor chosenIcon_;
    bool iconChosen_ = false;  // the extractor holds a choice, of this run or a stored one
    platform::IconLocation trayIconLocation_{kSystemIconFile, 0};  // the picker keeps the last choice
};

}  // namespace umbrix::app
