#pragma once
// An in-memory registry: keys and values by case-insensitive path, with access rights (the
// local machine hive is writable only for an administrator) and keys a test can lock.
#include <map>
#include <set>

#include "platform/RegistryPort.hpp"

namespace umbrix::sim {

class SimRegistry final : public platform::RegistryPort {
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

    // Rights: without them the local machine hive is read-only, as for a standard user.
    bool administrator = false;
    // Writes to this key (and its subkeys) are refused with access denied, whatever the rights.
    void lockKey(platform::RegistryRoot root, std::string_view path) { locked_.insert(keyOf(root, path)); }
    int writes() const { return writes_; }

private:
    struct Key {
        std::map<std::string, std::pair<std::string, platform::RegistryValue>> values;  // by upper name
    };
    static std::string keyOf(platform::RegistryRoot root, std::string_view path);
    bool mayWrite(const std::string& key) const;
    void createWithParents(const std::string& key);
    bool hasSubkeys(const std::string& key) const;

    std::map<std::string, Key> keys_;
    std::set<std::string> locked_;
    int writes_ = 0;
};

}  // namespace umbrix::sim
