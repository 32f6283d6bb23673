#include "settings/SettingsKeys.hpp"

#include <array>
#include <stdexcept>
#include <string>

namespace umbrix::settings {

namespace {

constexpr std::string_view S = kSettingsSection;
// "HidePanic" is read and written as "StartUP", "Transparancy" read as "Startup".
constexpr std::string_view kHidePanicSection = "StartUP";
constexpr std::string_view kTransparencyReadSection = "Startup";

constexpr unsigned kEverySave = kFullSave | kMainWindowClose;

using A = AppSelections;

SettingsKey key(std::string_view name, SettingField field, SettingDefault defaultValue, unsigned savedBy = kEverySave) {
    return SettingsKey{name, S, S, field, defaultValue, std::nullopt, std::nullopt, true, savedBy};
}

SettingsKey clamped(SettingsKey entry, std::int32_t min, std::int32_t max) {
    entry.loadRange = IntegerRange{min, max};
    return entry;
}

SettingsKey trueAtReload(SettingsKey entry) {
    entry.reloadDefault = true;
    return entry;
}

SettingsKey inSections(SettingsKey entry, std::string_view read, std::string_view write) {
    entry.readSection = read;
    entry.writeSection = write;
    return entry;
}

SettingsKey writtenOnly(SettingsKey entry) {
    entry.loaded = false;
    return entry;
}

const std::array<SettingsKey, 35> kTable = {
    key("AutoStart", &A::AutoStart, false, kFullSave),
    // The tray item "&Start silent" is checked exactly when cbSilent is; the start reads "Silent".
    writtenOnly(key("DisSplScreen", &A::cbSilent, false, kFullSave)),
    key("DoBin", &A::cbRecycle, false),
    key("TempFiles", &A::cbClearTemp, false),
    key("Recent", &A::cbRecent, false),
    key("URL", &A::cbHistory, false),
    key("UsePW", &A::cbPassword, false),
    key("UseDecoy", &A::UseDecoy, false),
    trueAtReload(inSections(key("HidePanic", &A::HidePanic_f, false), kHidePanicSection, kHidePanicSection)),
    key("Decoy", &A::DecoyApp, std::string_view{}),
    clamped(key("Action", &A::Action, std::int32_t{0}), kNoActionSelected, 4),
    key("MuteAudio", &A::cbMuteAudio, true),
    key("cbDisableACT", &A::cbDisableACT, false),
    key("HkHide", &A::edHide, kDefaultHideHotkeyText),
    key("hkUnHide", &A::edUnHide, kDefaultUnhideHotkeyText),
    key("Defaults", &A::UseDefaultKeys, true),
    key("PanicLeft", &A::PanicLeft, DesktopEdge::Left),
    key("PanicTop", &A::PanicTop, DesktopEdge::Top),
    key("btnPanic", &A::btnPanic, kDefaultPanicLabel),
    trueAtReload(key("Tray", &A::cbHideIcon, false)),
    key("Silent", &A::cbSilent, false),
    key("HideParent", &A::cbHideParent, true),
    key("CloseParent", &A::cbCloseParent, false),
    key("PanicHeight", &A::PanicHeight, std::int32_t{80}),
    key("PanicWidth", &A::PanicWidth, std::int32_t{369}),
    key("Language", &A::DefLanguage, std::int32_t{1033}),
    key("History", &A::cbHistory, false),
    key("zOrder", &A::cbzOrder, true),
    key("TaskManager", &A::cbTaskManager, false),
    key("Cloaked", &A::cbCloaked, true),
    inSections(clamped(key("Transparancy", &A::jvTransparency, std::int32_t{1}), 0, 10), kTransparencyReadSection, S),
    clamped(key("rgExclude", &A::rgExclude, std::int32_t{0}), 0, 1),
    // Kept as read: whether the index names a theme is decided by the theme list.
    key("Theme", &A::ThemeList, std::int32_t{0}),
    key("IconFile", &A::IconFile, std::string_view{}, kTrayIconChange),
    key("IconIndex", &A::IconIndex, std::int32_t{3}, kTrayIconChange),
};

}  // namespace

std::span<const SettingsKey> settingsKeyTable() { return kTable; }

const SettingsKey& settingsKey(std::string_view name) {
    for (const SettingsKey& entry : kTable) {
        if (entry.key == name) return entry;
    }
    throw std::out_of_range("no settings key \"" + std::string(name) + "\"");
}

}  // namespace umbrix::settings
