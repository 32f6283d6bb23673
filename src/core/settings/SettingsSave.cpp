#include "settings/SettingsSave.hpp"

#include <exception>

#include "settings/SettingsKeys.hpp"

namespace umbrix::settings {

namespace {

void writeKey(SettingsFile& file, const Options& selections, const SettingsKey& entry) {
    if (const auto* field = std::get_if<BoolField>(&entry.field))
        file.writeBool(entry.writeSection, entry.key, selections.**field);
    else if (const auto* field = std::get_if<IntegerField>(&entry.field))
        file.writeInteger(entry.writeSection, entry.key, selections.**field);
    else
        file.writeString(entry.writeSection, entry.key, selections.*std::get<StringField>(entry.field));
}

void writeKeysOf(SettingsFile& file, const Options& selections, SaveSet save) {
    for (const SettingsKey& entry : settingsKeyTable()) {
        if (entry.savedBy & save) writeKey(file, selections, entry);
    }
}

}  // namespace

FullSaveResult writeOptions(SettingsFile& file, const Options& selections, const SaveExcludeFunction& saveExclude) {
    writeKeysOf(file, selections, kFullSave);
    FullSaveResult result;
    if (!saveExclude) return result;
    // The exclusion file is saved under a guard of its own: the settings are already on disk and
    // stay there whatever happens to it.
    try {
        saveExclude();
        result.exclusionFileSaved = true;
    } catch (const std::exception& error) {
        result.exclusionFileError = error.what();
    }
    return result;
}

void writeMainWindowSelections(SettingsFile& file, const Options& selections) {
    writeKeysOf(file, selections, kMainWindowClose);
}

void writeTrayIconSelection(SettingsFile& file, std::string_view iconFile, std::int32_t iconIndex) {
    Options icon;
    icon.iconFile = std::string(iconFile);
    icon.iconIndex = iconIndex;
    writeKeysOf(file, icon, kTrayIconChange);
}

}  // namespace umbrix::settings
