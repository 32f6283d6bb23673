#include <windows.h>

#include "HeldFile.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::contract {

namespace {

class Win32HeldFile final : public HeldFile {
public:
    explicit Win32HeldFile(const std::string& path)
        : handle_(CreateFileW(win32::widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~Win32HeldFile() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }

private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<HeldFile> holdOpen(ContractEnvironment&, const std::string& path) {
    return std::make_unique<Win32HeldFile>(path);
}

}  // namespace umbrix::contract
