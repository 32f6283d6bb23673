#include "app/TrayIconChange.hpp"

#include "settings/SettingsSave.hpp"

namespace umbrix::app {

TrayIconChange::TrayIconChange(platform::IconFilePort& iconFiles, TrayIconPresence& trayIcon)
    : iconFiles_(iconFiles), trayIcon_(trayIcon) {}

void TrayIconChange::ChangeIcon1Click(settings::SettingsFile& settings) {
    if (std::optional<platform::IconLocation> chosen = iconFiles_.pickIcon(jvIcon_)) {
        jvIcon_ = *chosen;
        extractIntoTray(*chosen);
    }
    settings::writeTrayIconSelection(settings, IconEx1_.FileName, IconEx1_.IconIndex);
}

void TrayIconChange::useStoredIcon(const std::string& file, int index) { extractIntoTray({file, index}); }

void TrayIconChange::extractIntoTray(const platform::IconLocation& icon) {
    IconEx1_.FileName = icon.file;
    IconEx1_.IconIndex = icon.index;
    IconEx1_.NumberOfIcons = iconFiles_.iconCount(icon.file);
    IconEx1_.Icon = iconFiles_.extractIcon(icon.file, icon.index);
    // The shell refusing the new picture is the tray icon's affair; it retries a busy shell.
    if (IconEx1_.Icon) (void)trayIcon_.changeImage(platform::TrayIconImage{icon.file, icon.index});
}

}  // namespace umbrix::app
