#pragma once
// Saving Options to the settings file: one key at a time, in the key table's order. A save
// stops at the first key the system refuses (SettingsWriteError): the keys before it are on disk,
// and the file is always a whole file.
#include <functional>
#include <string>
#include <string_view>

#include "settings/Options.hpp"
#include "settings/SettingsFile.hpp"

namespace umbrix::settings {

// Writes the exclusion file ("Exclude.ini", beside the settings file); throws on failure.
using SaveExcludeFunction = std::function<void()>;

struct FullSaveResult {
    bool exclusionFileSaved = false;  // false also when there was no exclusion file writer
    std::string exclusionFileError;  // why the exclusion file was not saved, when it failed
};

// The full save: the 33 keys "AutoStart" .. "Theme", then the exclusion file under a guard of its
// own, whose failure neither stops nor undoes anything and is only reported in the result.
FullSaveResult writeOptions(SettingsFile& file, const Options& selections, const SaveExcludeFunction& saveExclude = {});

// The main window's close: the same keys without "AutoStart" and "DisSplScreen", no exclusion file.
void writeMainWindowSelections(SettingsFile& file, const Options& selections);

// A change of the tray icon: "IconFile" and "IconIndex".
void writeTrayIconSelection(SettingsFile& file, std::string_view iconFile, std::int32_t iconIndex);

}  // namespace umbrix::settings
