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

SettingsKeySpec key(std::string_view name, SettingField field, SettingDefault defaultValue, unsigned savedBy = kEverySave) {
    return SettingsKeySpec{name, S, S, field, defaultValue, std::nullopt, std::nullopt, true, savedBy};
}

SettingsKeySpec clamped(SettingsKeySpec spec, std::int32_t min, std::int32_t max) {
    spec.loadRange = IntegerRange{min, max};
    return spec;
}

SettingsKeySpec trueAtReload(SettingsKeySpec spec) {
    spec.reloadDefault = true;
    return spec;
}

SettingsKeySpec inSections(SettingsKeySpec spec, std::string_view read, std::string_view write) {
    spec.readSection = read;
    spec.writeSection = write;
    return spec;
}

SettingsKeySpec writtenOnly(SettingsKeySpec spec) {
    spec.loaded = false;
    return spec;
}

const std::array<SettingsKeySpec, 35> kTable = {
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

std::span<const SettingsKeySpec> settingsKeyTable() { return kTable; }

const SettingsKeySpec& settingsKey(std::string_view name) {
    for (const SettingsKeySpec& spec : kTable) {
        if (spec.key == name) return spec;
    }
    throw std::out_of_range("no settings key \"" + std::string(name) + "\"");
}

}  // namespace umbrix::settings
