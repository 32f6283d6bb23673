#include "settings/SettingsKeys.hpp"

#include <array>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <variant>

namespace umbrix::settings {

namespace {

constexpr std::string_view S = kSettingsSection;
// "HidePanic" is read and written as "StartUP", "Transparancy" read as "Startup".
constexpr std::string_view kHidePanicSection = "StartUP";
constexpr std::string_view kTransparencyReadSection = "Startup";

constexpr unsigned kEverySave = kFullSave | kMainWindowClose;

using A = Options;

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

// Built on first use, so that an Options made during static initialisation still finds it.
const std::array<SettingsKey, 35>& table() {
    static const std::array<SettingsKey, 35> kTable = {
        key("AutoStart", &A::startWithWindows, false, kFullSave),
        // The tray item "&Start silent" is checked exactly when startSilent is; the start reads "Silent".
        writtenOnly(key("DisSplScreen", &A::startSilent, false, kFullSave)),
        key("DoBin", &A::emptyRecycleBin, false),
        key("TempFiles", &A::clearTemporaryFiles, false),
        key("Recent", &A::clearRecentDocuments, false),
        key("URL", &A::clearInternetHistory, false),
        key("UsePW", &A::requirePassword, false),
        key("UseDecoy", &A::useDecoy, false),
        trueAtReload(
            inSections(key("HidePanic", &A::alwaysHidePanicButton, false), kHidePanicSection, kHidePanicSection)),
        key("Decoy", &A::decoyProgram, std::string_view{}),
        clamped(key("Action", &A::action, std::int32_t{0}), kNoActionSelected, 4),
        key("MuteAudio", &A::muteAudio, true),
        key("cbDisableACT", &A::disableCtrlAltDel, false),
        key("HkHide", &A::hideHotkeyText, std::string_view{"CTRL+SPACE"}),
        key("hkUnHide", &A::unhideHotkeyText, std::string_view{"CTRL+BACKSPACE"}),
        key("Defaults", &A::useDefaultHotkeys, true),
        key("PanicLeft", &A::panicLeft, DesktopEdge::Left),
        key("PanicTop", &A::panicTop, DesktopEdge::Top),
        key("btnPanic", &A::panicButtonLabel, kDefaultPanicLabel),
        trueAtReload(key("Tray", &A::alwaysHideTrayIcon, false)),
        key("Silent", &A::startSilent, false),
        key("HideParent", &A::hideParentWindows, true),
        key("CloseParent", &A::closeParentWindows, false),
        key("PanicHeight", &A::panicHeight, std::int32_t{80}),
        key("PanicWidth", &A::panicWidth, std::int32_t{369}),
        key("Language", &A::language, std::int32_t{1033}),
        key("History", &A::clearInternetHistory, false),
        key("zOrder", &A::keepZOrder, true),
        key("TaskManager", &A::disableTaskManager, false),
        key("Cloaked", &A::ignoreCloakedWindows, true),
        inSections(clamped(key("Transparancy", &A::panicButtonTransparency, std::int32_t{1}), 0, 10),
                   kTransparencyReadSection, S),
        clamped(key("rgExclude", &A::exclusionMode, std::int32_t{0}), 0, 1),
        // Kept as read: whether the index names a theme is decided by the theme list.
        key("Theme", &A::themeIndex, std::int32_t{0}),
        key("IconFile", &A::iconFile, std::string_view{}, kTrayIconChange),
        key("IconIndex", &A::iconIndex, std::int32_t{3}, kTrayIconChange),
    };
    return kTable;
}

}  // namespace

Options::Options() {
    for (const SettingsKey& entry : table()) {
        std::visit(
            [&](auto field) {
                using Value = std::remove_reference_t<decltype(this->*field)>;
                if (const auto* edge = std::get_if<DesktopEdge>(&entry.defaultValue)) {
                    (void)edge;  // the desktop's edge is known only at the load
                } else if constexpr (std::is_same_v<Value, std::string>) {
                    this->*field = std::string(std::get<std::string_view>(entry.defaultValue));
                } else {
                    this->*field = std::get<Value>(entry.defaultValue);
                }
            },
            entry.field);
    }
}

std::span<const SettingsKey> settingsKeyTable() { return table(); }

const SettingsKey& settingsKey(std::string_view name) {
    for (const SettingsKey& entry : table()) {
        if (entry.key == name) return entry;
    }
    throw std::out_of_range("no settings key \"" + std::string(name) + "\"");
}

}  // namespace umbrix::settings
