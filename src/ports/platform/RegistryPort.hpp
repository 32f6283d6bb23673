#pragma once
// The registry, addressed by root and key path. Each call opens the key, does its one thing
// and closes the key again (RegCreateKeyExW / RegOpenKeyExW ... RegCloseKey), so every change
// is flushed when the call returns. Paths are relative to the root; leading and trailing "\"
// are ignored, as the program's key names are written both ways.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IoResult.hpp"

namespace umbrix::platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

enum class RegistryType : std::uint32_t {
    String = 1,  // REG_SZ
    Binary = 3,  // REG_BINARY
    DWord = 4,  // REG_DWORD
};

struct RegistryValue {
    RegistryType type = RegistryType::String;
    std::string text;  // REG_SZ, UTF-8
    std::uint32_t number = 0;  // REG_DWORD
    std::string bytes;  // REG_BINARY

    static RegistryValue ofString(std::string value) { return {RegistryType::String, std::move(value), 0, {}}; }
    static RegistryValue ofDWord(std::uint32_t value) { return {RegistryType::DWord, {}, value, {}}; }
    static RegistryValue ofBinary(std::string value) { return {RegistryType::Binary, {}, 0, std::move(value)}; }
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

class RegistryPort {
public:
    RegistryPort() = default;
    RegistryPort(const RegistryPort&) = delete;
    RegistryPort& operator=(const RegistryPort&) = delete;
    virtual ~RegistryPort() = default;

    // RegCreateKeyExW(KEY_ALL_ACCESS) + RegCloseKey: the key exists afterwards.
    virtual IoResult createKey(RegistryRoot root, std::string_view path) = 0;

    // RegOpenKeyExW(KEY_READ) succeeds.
    virtual bool keyExists(RegistryRoot root, std::string_view path) = 0;

    // RegQueryValueExW; nullopt when the key or the value is missing or unreadable.
    virtual std::optional<RegistryValue> readValue(RegistryRoot root, std::string_view path, std::string_view name) = 0;

    // RegCreateKeyExW(KEY_ALL_ACCESS) when `createKey`, otherwise RegOpenKeyExW(KEY_READ |
    // KEY_WRITE); then RegSetValueExW.
    virtual IoResult writeValue(RegistryRoot root, std::string_view path, std::string_view name,
                                const RegistryValue& value, bool createKey = true) = 0;

    // RegOpenKeyExW(KEY_READ | KEY_WRITE) + RegDeleteValueW. A missing value gives kFileNotFound.
    virtual IoResult deleteValue(RegistryRoot root, std::string_view path, std::string_view name) = 0;

    // RegDeleteKeyW of a key without subkeys. A missing key gives kFileNotFound.
    virtual IoResult deleteKey(RegistryRoot root, std::string_view path) = 0;

    // RegDeleteTreeW: the key with all its subkeys and values. A missing key gives kFileNotFound.
    virtual IoResult deleteTree(RegistryRoot root, std::string_view path) = 0;

    // RegEnumValueW: the names of the key's values; empty when the key is missing.
    virtual std::vector<std::string> valueNames(RegistryRoot root, std::string_view path) = 0;
};

}  // namespace umbrix::platform
