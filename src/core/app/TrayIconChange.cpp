#include "app/TrayIconChange.hpp"

#include "settings/SettingsSave.hpp"

namespace umbrix::app {

TrayIconChange::TrayIconChange(platform::IconFilePort& iconFiles, TrayIconPresence& trayIcon)
    : iconFiles_(iconFiles), trayIcon_(trayIcon) {}

platform::IconLocation TrayIconChange::ChangeIcon1Click(settings::SettingsFile& settings) {
    if (std::optional<platform::IconLocation> chosen = iconFiles_.pickIcon(jvIcon_)) {
        jvIcon_ = *chosen;
        extractIntoTray(*chosen);
    }
    // A cancel before any choice must not store the extractor's initial shell32 icon, which the
    // user never saw on the tray: the next start would show it.
    platform::IconLocation stored{iconChosen_ ? IconEx1_.FileName : std::string(), IconEx1_.IconIndex};
    settings::writeTrayIconSelection(settings, stored.file, stored.index);
    return stored;
}

void TrayIconChange::useStoredIcon(const std::string& file, int index) { extractIntoTray({file, index}); }

void TrayIconChange::extractIntoTray(const platform::IconLocation& icon) {
    iconChosen_ = true;
    IconEx1_.FileName = icon.file;
    IconEx1_.IconIndex = icon.index;
    IconEx1_.NumberOfIcons = iconFiles_.iconCount(icon.file);
    IconEx1_.Icon = iconFiles_.extractIcon(icon.file, icon.index);
    // The shell refusing the new picture is the tray icon's affair; it retries a busy shell.
    if (IconEx1_.Icon) (void)trayIcon_.changeImage(platform::TrayIconImage{icon.file, icon.index});
}

}  // namespace umbrix::app
