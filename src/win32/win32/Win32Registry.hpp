#pragma once
#include "platform/RegistryPort.hpp"

namespace umbrix::win32 {

class Win32Registry final : public platform::RegistryPort {
public:
    platform::IoResult createKey(platform::RegistryRoot root, std::string_view path) override;
    bool keyExists(platform::RegistryRoot root, std::string_view path) override;
    std::optional<platform::RegistryValue> readValue(platform::RegistryRoot root, std::string_view path,
                                                     std::string_view name) override;
    platform::IoResult writeValue(platform::RegistryRoot root, std::string_view path, std::string_view name,
                                  const platform::RegistryValue& value, bool createKey = true) override;
    platform::IoResult deleteValue(platform::RegistryRoot root, std::string_view path, std::string_view name) override;
    platform::IoResult deleteKey(platform::RegistryRoot root, std::string_view path) override;
    platform::IoResult deleteTree(platform::RegistryRoot root, std::string_view path) override;
    std::vector<std::string> valueNames(platform::RegistryRoot root, std::string_view path) override;
};

}  // namespace umbrix::win32
