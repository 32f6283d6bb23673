#include "app/TrayIconChange.hpp"

#include "settings/SettingsSave.hpp"

namespace umbrix::app {

TrayIconChange::TrayIconChange(platform::IconFilePort& iconFiles, TrayIconPresence& trayIcon)
    : iconFiles_(iconFiles), trayIcon_(trayIcon) {}

platform::IconLocation TrayIconChange::changeTrayIcon(settings::SettingsFile& settings) {
    if (std::optional<platform::IconLocation> chosen = iconFiles_.pickIcon(trayIconLocation_)) {
        trayIconLocation_ = *chosen;
        extractIntoTray(*chosen);
    }
    // A cancel before any choice must not store the extractor's initial shell32 icon, which the
    // user never saw on the tray: the next start would show it.
    platform::IconLocation stored{iconChosen_ ? chosenIcon_.FileName : std::string(), chosenIcon_.iconIndex};
    settings::writeTrayIconSelection(settings, stored.file, stored.index);
    return stored;
}

void TrayIconChange::useStoredIcon(const std::string& file, int index) { extractIntoTray({file, index}); }

void TrayIconChange::extractIntoTray(const platform::IconLocation& icon) {
    iconChosen_ = true;
    chosenIcon_.FileName = icon.file;
    chosenIcon_.iconIndex = icon.index;
    chosenIcon_.NumberOfIcons = iconFiles_.iconCount(icon.file);
    chosenIcon_.Icon = iconFiles_.extractIcon(icon.file, icon.index);
    // The shell refusing the new picture is the tray icon's affair; it retries a busy shell.
    if (chosenIcon_.Icon) (void)trayIcon_.changeImage(platform::TrayIconImage{icon.file, icon.index});
}

}  // namespace umbrix::app
