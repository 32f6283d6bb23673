#include "settings/SettingsLoad.hpp"

#include <algorithm>
#include <array>

namespace umbrix::settings {

namespace {

// "URL" comes before "History": both carry clearInternetHistory, and "History" decides.
constexpr std::array<std::string_view, 29> kMainWindowOrder = {
    "Transparancy", "Theme",     "DoBin",     "TempFiles",    "Recent",     "URL",         "UsePW",     "UseDecoy",
    "Decoy",        "Action",    "MuteAudio", "cbDisableACT", "HkHide",     "hkUnHide",    "Defaults",  "AutoStart",
    "IconFile",     "HidePanic", "Tray",      "Silent",       "HideParent", "CloseParent", "IconIndex", "Language",
    "rgExclude",    "History",   "zOrder",    "TaskManager",  "Cloaked",
};

constexpr std::array<std::string_view, 5> kPanicWindowOrder = {"PanicLeft", "PanicTop", "PanicHeight", "PanicWidth",
                                                               "btnPanic"};

struct LoadContext {
    platform::ScreenPoint desktopOrigin;
    bool languageReload = false;
};

template <typename T>
bool store(Options& selections, T Options::*field, T value) {
    bool changed = !(selections.*field == value);
    selections.*field = std::move(value);
    return changed;
}

std::int32_t integerDefault(const SettingDefault& value, const LoadContext& context) {
    if (const auto* edge = std::get_if<DesktopEdge>(&value))
        return *edge == DesktopEdge::Left ? context.desktopOrigin.x : context.desktopOrigin.y;
    return std::get<std::int32_t>(value);
}

bool loadKey(SettingsFile& file, Options& selections, const SettingsKey& entry, const LoadContext& context) {
    const SettingDefault& defaultValue =
        context.languageReload && entry.reloadDefault ? *entry.reloadDefault : entry.defaultValue;
    const std::string_view section = entry.readSection;
    if (const auto* field = std::get_if<BoolField>(&entry.field))
        return store(selections, *field, file.readBool(section, entry.key, std::get<bool>(defaultValue)));
    if (const auto* field = std::get_if<StringField>(&entry.field))
        return store(selections, *field, file.readString(section, entry.key, std::get<std::string_view>(defaultValue)));
    std::int32_t value = file.readInteger(section, entry.key, integerDefault(defaultValue, context));
    if (entry.loadRange) value = std::clamp(value, entry.loadRange->min, entry.loadRange->max);
    return store(selections, std::get<IntegerField>(entry.field), value);
}

void loadInOrder(SettingsFile& file, Options& selections, std::span<const std::string_view> order,
                 const LoadContext& context, SettingsLoadListener* listener) {
    for (std::string_view name : order) {
        const SettingsKey& entry = settingsKey(name);
        bool changed = loadKey(file, selections, entry, context);
        if (listener) listener->settingLoaded(entry, changed);
    }
}

}  // namespace

std::span<const std::string_view> mainWindowLoadOrder() { return kMainWindowOrder; }

std::span<const std::string_view> languageReloadOrder() {
    return std::span<const std::string_view>(kMainWindowOrder).subspan(2);  // from "DoBin"
}

std::span<const std::string_view> panicWindowLoadOrder() { return kPanicWindowOrder; }

void loadMainWindowSelections(SettingsFile& file, Options& selections, SettingsLoadListener* listener) {
    loadInOrder(file, selections, mainWindowLoadOrder(), LoadContext{}, listener);
}

void readOptions(SettingsFile& file, Options& selections, SettingsLoadListener* listener) {
    loadInOrder(file, selections, languageReloadOrder(), LoadContext{{}, true}, listener);
}

void loadPanicWindowSelections(SettingsFile& file, Options& selections, platform::ScreenPoint virtualDesktopOrigin,
                               SettingsLoadListener* listener) {
    loadInOrder(file, selections, panicWindowLoadOrder(), LoadContext{virtualDesktopOrigin, false}, listener);
}

bool readSplashSilent(const platform::Platform& platform) {
    SettingsFile ownBinding = SettingsFile::besideExecutable(platform);
    const SettingsKey& silent = settingsKey("Silent");
    return ownBinding.readBool(silent.readSection, silent.key, std::get<bool>(silent.defaultValue));
}

}  // namespace umbrix::settings
