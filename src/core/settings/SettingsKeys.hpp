#pragma once
// The one table of the settings file's keys: name, section spelling, type, default and the field
// of Options that the key carries. Loading and saving are driven by it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/Options.hpp"

namespace umbrix::settings {

// Every key lives in this section. A few keys spell it differently; all spellings name the same
// section, because section names are matched without regard to letter case.
inline constexpr std::string_view kSettingsSection = "StartUp";

using BoolField = bool Options::*;
using IntegerField = std::int32_t Options::*;
using StringField = std::string Options::*;
using SettingField = std::variant<BoolField, IntegerField, StringField>;

// Defaults that are not constants: an edge of the virtual desktop.
enum class DesktopEdge { Left, Top };
using SettingDefault = std::variant<bool, std::int32_t, std::string_view, DesktopEdge>;

struct IntegerRange {
    std::int32_t min;
    std::int32_t max;
};

// Which saves write a key.
enum SaveSet : unsigned {
    kFullSave = 1u << 0,  // writeOptions, at exit and before a language switch
    kMainWindowClose = 1u << 1,  // the main window's close
    kTrayIconChange = 1u << 2,  // a change of the tray icon
};

struct SettingsKey {
    std::string_view key;
    std::string_view readSection;
    std::string_view writeSection;
    SettingField field;
    SettingDefault defaultValue;
    std::optional<SettingDefault> reloadDefault;  // the default at the reload after a language switch
    std::optional<IntegerRange> loadRange;  // a loaded value is clamped into it
    bool loaded;  // false: written only, never read
    unsigned savedBy;  // SaveSet bits
};

// Every key, in the order of the full save, then the tray icon's two keys.
std::span<const SettingsKey> settingsKeyTable();

// The entry of `key` (exact spelling); throws std::out_of_range for a key not in the table.
const SettingsKey& settingsKey(std::string_view key);

}  // namespace umbrix::settings
