#include "app/TrayIconChange.hpp"

#include "settings/SettingsSave.hpp"

namespace umbrix::app {

TrayIconChange::TrayIconChange(platform::IconPort& icons, TrayIconPresence& trayIcon)
    : icons_(icons), trayIcon_(trayIcon) {}

platform::IconLocation TrayIconChange::changeTrayIcon(settings::SettingsFile& settings) {
    if (std::optional<platform::IconLocation> chosen = icons_.pickIcon(trayIconLocation_)) {
        trayIconLocation_ = *chosen;
        extractIntoTray(*chosen);
    }
    // A cancel before any choice must not store the extractor's initial shell32 icon, which the
    // user never saw on the tray: the next start would show it.
    platform::IconLocation stored{iconChosen_ ? chosenIcon_.file : std::string(), chosenIcon_.index};
    settings::writeTrayIconSelection(settings, stored.file, stored.index);
    return stored;
}

void TrayIconChange::useStoredIcon(const std::string& file, int index) { extractIntoTray({file, index}); }

void TrayIconChange::extractIntoTray(const platform::IconLocation& icon) {
    iconChosen_ = true;
    chosenIcon_.file = icon.file;
    chosenIcon_.index = icon.index;
    chosenIcon_.iconCount = icons_.iconCount(icon.file);
    chosenIcon_.extracted = icons_.extractIcon(icon.file, icon.index);
    // The shell refusing the new picture is the tray icon's affair; it retries a busy shell.
    if (chosenIcon_.extracted) (void)trayIcon_.changeImage(icon);
}

}  // namespace umbrix::app
