#include "win32/Win32Registry.hpp"

#include <windows.h>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::IoResult;
using platform::RegistryRoot;
using platform::RegistryType;
using platform::RegistryValue;

namespace {

HKEY rootKey(RegistryRoot root) { return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

// Key names are written with and without surrounding "\"; the API wants neither.
std::wstring subKey(std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return widen(path);
}

class OpenKey {
public:
    OpenKey(RegistryRoot root, std::string_view path, REGSAM access, bool create) {
        std::wstring name = subKey(path);
        status_ = create ? RegCreateKeyExW(rootKey(root), name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                           nullptr, &key_, nullptr)
                         : RegOpenKeyExW(rootKey(root), name.c_str(), 0, access, &key_);
        if (status_ != ERROR_SUCCESS) key_ = nullptr;
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY get() const { return key_; }
    LONG status() const { return status_; }

private:
    HKEY key_ = nullptr;
    LONG status_ = ERROR_SUCCESS;
};

IoResult fromStatus(LONG status) {
    return status == ERROR_SUCCESS ? IoResult::success() : IoResult::failure(static_cast<std::uint32_t>(status));
}

}  // namespace

IoResult Win32Registry::createKey(RegistryRoot root, std::string_view path) {
    OpenKey key(root, path, KEY_ALL_ACCESS, true);
    return fromStatus(key.status());
}

bool Win32Registry::keyExists(RegistryRoot root, std::string_view path) {
    OpenKey key(root, path, KEY_READ, false);
    return key.get() != nullptr;
}

std::optional<RegistryValue> Win32Registry::readValue(RegistryRoot root, std::string_view path, std::string_view name) {
    OpenKey key(root, path, KEY_READ, false);
    if (!key.get()) return std::nullopt;
    std::wstring valueName = widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string data(size, '\0');
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ: {
            std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
            while (!text.empty() && text.back() == L'\0') text.pop_back();
            return RegistryValue::ofString(narrow(text));
        }
        case REG_DWORD:
            if (data.size() < sizeof(DWORD)) return std::nullopt;
            return RegistryValue::ofDWord(*reinterpret_cast<const DWORD*>(data.data()));
        default: return RegistryValue::ofBinary(std::move(data));
    }
}

IoResult Win32Registry::writeValue(RegistryRoot root, std::string_view path, std::string_view name,
                                   const RegistryValue& value, bool createKey) {
    OpenKey key(root, path, createKey ? KEY_ALL_ACCESS : KEY_READ | KEY_WRITE, createKey);
    if (!key.get()) return fromStatus(key.status());
    std::wstring valueName = widen(name);
    LONG status = ERROR_SUCCESS;
    switch (value.type) {
        case RegistryType::String: {
            std::wstring text = widen(value.text);
            status =
                RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
            break;
        }
        case RegistryType::DWord: {
            DWORD number = value.number;
            status = RegSetValueExW(key.get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                    sizeof number);
            break;
        }
        case RegistryType::Binary:
            status = RegSetValueExW(key.get(), valueName.c_str(), 0, REG_BINARY,
                                    reinterpret_cast<const BYTE*>(value.bytes.data()),
                                    static_cast<DWORD>(value.bytes.size()));
            break;
    }
    if (status == ERROR_SUCCESS) status = RegFlushKey(key.get());
    return fromStatus(status);
}

IoResult Win32Registry::deleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
    OpenKey key(root, path, KEY_READ | KEY_WRITE, false);
    if (!key.get()) return fromStatus(key.status());
    return fromStatus(RegDeleteValueW(key.get(), widen(name).c_str()));
}

IoResult Win32Registry::deleteKey(RegistryRoot root, std::string_view path) {
    return fromStatus(RegDeleteKeyW(rootKey(root), subKey(path).c_str()));
}

IoResult Win32Registry::deleteTree(RegistryRoot root, std::string_view path) {
    std::wstring name = subKey(path);
    if (name.empty()) return IoResult::failure(ERROR_ACCESS_DENIED);  // never a whole hive
    return fromStatus(RegDeleteTreeW(rootKey(root), name.c_str()));
}

std::vector<std::string> Win32Registry::valueNames(RegistryRoot root, std::string_view path) {
    std::vector<std::string> names;
    OpenKey key(root, path, KEY_READ, false);
    if (!key.get()) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD length = static_cast<DWORD>(std::size(name));
        if (RegEnumValueW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(narrow(std::wstring_view(name, length)));
    }
    return names;
}

}  // namespace umbrix::win32
