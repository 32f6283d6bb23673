#pragma once
// A registry that fails chosen operations on chosen value names, in front of the sim's hive:
// for faults that strike between two steps of one operation.
#include <set>
#include <string>

#include "platform/RegistryPort.hpp"

namespace umbrix::password {

class FaultyRegistry final : public platform::RegistryPort {
public:
    explicit FaultyRegistry(platform::RegistryPort& real) : real_(real) {}

    std::set<std::string> refuseWrites;  // writes of these values fail
    std::set<std::string> refuseDeletes;  // deletes of these values fail
    std::set<std::string> garbleWrites;  // these values are stored damaged, yet reported written
    int writes = 0;

    platform::IoResult createKey(platform::RegistryRoot root, std::string_view path) override {
        return real_.createKey(root, path);
    }
    bool keyExists(platform::RegistryRoot root, std::string_view path) override { return real_.keyExists(root, path); }
    std::optional<platform::RegistryValue> readValue(platform::RegistryRoot root, std::string_view path,
                                                     std::string_view name) override {
        return real_.readValue(root, path, name);
    }
    platform::IoResult writeValue(platform::RegistryRoot root, std::string_view path, std::string_view name,
                                  const platform::RegistryValue& value, bool createKey) override {
        ++writes;
        if (refuseWrites.count(std::string(name))) return platform::IoResult::failure(platform::errors::kAccessDenied);
        if (garbleWrites.count(std::string(name))) {
            platform::RegistryValue damaged = value;
            damaged.text = damaged.text.substr(0, damaged.text.size() / 2);
            return real_.writeValue(root, path, name, damaged, createKey);
        }
        return real_.writeValue(root, path, name, value, createKey);
    }
    platform::IoResult deleteValue(platform::RegistryRoot root, std::string_view path, std::string_view name) override {
        if (refuseDeletes.count(std::string(name))) return platform::IoResult::failure(platform::errors::kAccessDenied);
        return real_.deleteValue(root, path, name);
    }
    platform::IoResult deleteKey(platform::RegistryRoot root, std::string_view path) override {
        return real_.deleteKey(root, path);
    }
    platform::IoResult deleteTree(platform::RegistryRoot root, std::string_view path) override {
        return real_.deleteTree(root, path);
    }
    std::vector<std::string> valueNames(platform::RegistryRoot root, std::string_view path) override {
        return real_.valueNames(root, path);
    }

private:
    platform::RegistryPort& real_;
};

}  // namespace umbrix::password
