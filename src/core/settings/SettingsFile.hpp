#pragma once
// The settings file "QZ.ini" beside the executable. Nothing is cached: every read reads the file,
// and every write has replaced the file on disk, whole, before it returns.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.hpp"

namespace umbrix::settings {

inline constexpr std::string_view kSettingsFileName = "QZ.ini";

// The folder of the executable's full path, with its trailing separator, followed by "QZ.ini".
std::string settingsFilePathFor(std::string_view executablePath);

class SettingsFile {
public:
    // Binds `path`; the disk is not touched until the first read or write.
    SettingsFile(platform::FilePort& files, platform::TextPort& text, std::string path);

    // Binds the settings file beside the running executable.
    static SettingsFile besideExecutable(const platform::Platform& platform);

    const std::string& path() const { return path_; }

    // Reads give `defaultValue` for a missing file, section or key, and integers and booleans
    // also for a value that is not an integer (see ProfileValue.hpp).
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue);
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue);
    bool readBool(std::string_view section, std::string_view key, bool defaultValue);
    // The file is there but cannot be read (locked, no permission): every read gives its default.
    bool unreadable();

    // Writes throw SettingsWriteError ("Unable to write to <path>") when the system refuses the
    // new file; the previous file is then still there, whole. A value that the file already holds
    // as written is not written again.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    std::optional<std::string> readValue(std::string_view section, std::string_view key);

    platform::FilePort& files_;
    platform::TextPort& text_;
    std::string path_;
};

}  // namespace umbrix::settings
