#include "settings/SettingsFile.hpp"

#include "common/AtomicFile.hpp"
#include "common/BesideExecutable.hpp"
#include "common/TextCompare.hpp"
#include "settings/ProfileEncoding.hpp"
#include "settings/ProfileText.hpp"
#include "settings/ProfileValue.hpp"
#include "settings/SettingsWriteError.hpp"

namespace umbrix::settings {

std::string settingsFilePathFor(std::string_view executablePath) {
    return fileBesideExecutable(executablePath, kSettingsFileName);
}

SettingsFile::SettingsFile(platform::FilePort& files, platform::TextPort& text, std::string path)
    : files_(files), text_(text), path_(std::move(path)) {}

SettingsFile SettingsFile::besideExecutable(const platform::Platform& platform) {
    return SettingsFile(platform.files, platform.text, settingsFilePathFor(platform.system.executablePath()));
}

std::optional<std::string> SettingsFile::readValue(std::string_view section, std::string_view key) {
    std::optional<std::string> bytes = files_.readFile(path_);
    if (!bytes) return std::nullopt;
    ProfileFileText file = decodeProfileFile(*bytes, text_);
    return readProfileValue(file.text, section, key,
                            [this](std::string_view a, std::string_view b) { return sameText(text_, a, b); });
}

std::string SettingsFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) {
    std::optional<std::string> value = readValue(section, key);
    return value ? *value : std::string(defaultValue);
}

std::int32_t SettingsFile::readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) {
    return decodeProfileInteger(readValue(section, key), defaultValue);
}

bool SettingsFile::readBool(std::string_view section, std::string_view key, bool defaultValue) {
    return decodeProfileBool(readValue(section, key), defaultValue);
}

bool SettingsFile::unreadable() { return !files_.readFile(path_) && files_.fileExists(path_); }

void SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::optional<std::string> bytes = files_.readFile(path_);
    // A file that is there but cannot be read (locked, no permission) must not be replaced by a
    // file holding this one key.
    if (!bytes && files_.fileExists(path_)) throw SettingsWriteError(path_, platform::errors::kAccessDenied);
    ProfileFileText file = decodeProfileFile(bytes.value_or(std::string()), text_);
    std::string changed =
        writeProfileValue(file.text, section, key, value,
                          [this](std::string_view a, std::string_view b) { return sameText(text_, a, b); });
    if (bytes && changed == file.text) return;
    platform::IoResult result = writeFileAtomically(files_, path_, encodeProfileFile(changed, file.encoding, text_));
    if (!result) throw SettingsWriteError(path_, result.error);
}

void SettingsFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeString(section, key, encodeProfileInteger(value));
}

void SettingsFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, encodeProfileBool(value));
}

}  // namespace umbrix::settings
