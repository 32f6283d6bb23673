#include "sim/SimRegistry.hpp"

#include <cctype>

namespace umbrix::sim {

using platform::IoResult;
using platform::RegistryRoot;
namespace errors = platform::errors;

namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

std::string SimRegistry::keyOf(RegistryRoot root, std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    std::string key = root == RegistryRoot::CurrentUser ? "HKCU" : "HKLM";
    if (!path.empty()) key += "\\" + upper(path);
    return key;
}

bool SimRegistry::mayWrite(const std::string& key) const {
    if (key.rfind("HKLM", 0) == 0 && !administrator) return false;
    for (const auto& lockedKey : locked_) {
        if (key == lockedKey || key.rfind(lockedKey + "\\", 0) == 0) return false;
    }
    return true;
}

void SimRegistry::createWithParents(const std::string& key) {
    for (std::size_t pos = key.find('\\'); pos != std::string::npos; pos = key.find('\\', pos + 1)) {
        keys_[key.substr(0, pos)];
    }
    keys_[key];
}

IoResult SimRegistry::createKey(RegistryRoot root, std::string_view path) {
    std::string key = keyOf(root, path);
    if (keys_.count(key)) return IoResult::success();
    if (!mayWrite(key)) return IoResult::failure(errors::kAccessDenied);
    createWithParents(key);
    return IoResult::success();
}

bool SimRegistry::keyExists(RegistryRoot root, std::string_view path) { return keys_.count(keyOf(root, path)) != 0; }

std::optional<platform::RegistryValue> SimRegistry::readValue(RegistryRoot root, std::string_view path,
                                                              std::string_view name) {
    auto key = keys_.find(keyOf(root, path));
    if (key == keys_.end()) return std::nullopt;
    auto value = key->second.values.find(upper(name));
    if (value == key->second.values.end()) return std::nullopt;
    return value->second.second;
}

IoResult SimRegistry::writeValue(RegistryRoot root, std::string_view path, std::string_view name,
                                 const platform::RegistryValue& value, bool createKey) {
    std::string key = keyOf(root, path);
    if (!keys_.count(key) && !createKey) return IoResult::failure(errors::kFileNotFound);
    if (!mayWrite(key)) return IoResult::failure(errors::kAccessDenied);
    createWithParents(key);
    auto& slot = keys_[key].values[upper(name)];
    if (slot.first.empty()) slot.first = std::string(name);
    slot.second = value;
    ++writes_;
    return IoResult::success();
}

IoResult SimRegistry::deleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
    std::string key = keyOf(root, path);
    auto it = keys_.find(key);
    if (it == keys_.end()) return IoResult::failure(errors::kFileNotFound);
    if (!mayWrite(key)) return IoResult::failure(errors::kAccessDenied);
    if (it->second.values.erase(upper(name)) == 0) return IoResult::failure(errors::kFileNotFound);
    ++writes_;
    return IoResult::success();
}

IoResult SimRegistry::deleteKey(RegistryRoot root, std::string_view path) {
    std::string key = keyOf(root, path);
    auto it = keys_.find(key);
    if (it == keys_.end()) return IoResult::failure(errors::kFileNotFound);
    if (!mayWrite(key)) return IoResult::failure(errors::kAccessDenied);
    if (hasSubkeys(key)) return IoResult::failure(errors::kAccessDenied);
    keys_.erase(it);
    ++writes_;
    return IoResult::success();
}

// A sibling such as "KEY 2" sorts between "KEY" and "KEY\\SUB", so look for the children's
// own prefix rather than at the next key.
bool SimRegistry::hasSubkeys(const std::string& key) const {
    std::string prefix = key + "\\";
    auto child = keys_.lower_bound(prefix);
    return child != keys_.end() && child->first.rfind(prefix, 0) == 0;
}

IoResult SimRegistry::deleteTree(RegistryRoot root, std::string_view path) {
    std::string key = keyOf(root, path);
    auto it = keys_.find(key);
    if (it == keys_.end()) return IoResult::failure(errors::kFileNotFound);
    if (!mayWrite(key)) return IoResult::failure(errors::kAccessDenied);
    std::string prefix = key + "\\";
    for (auto child = keys_.lower_bound(prefix); child != keys_.end() && child->first.rfind(prefix, 0) == 0;) {
        child = keys_.erase(child);
    }
    keys_.erase(key);
    ++writes_;
    return IoResult::success();
}

std::vector<std::string> SimRegistry::valueNames(RegistryRoot root, std::string_view path) {
    std::vector<std::string> names;
    auto key = keys_.find(keyOf(root, path));
    if (key == keys_.end()) return names;
    for (const auto& [upperName, value] : key->second.values) names.push_back(value.first);
    return names;
}

}  // namespace umbrix::sim
