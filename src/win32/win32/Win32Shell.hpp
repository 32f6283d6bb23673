#pragma once
#include <windows.h>

#include "platform/ShellPort.hpp"

namespace umbrix::win32 {

class Win32Shell final : public platform::ShellPort {
public:
    platform::RecycleBinEmptying emptyRecycleBin() override;
    platform::IoResult recycle(std::string_view pattern) override;
    void clearRecentDocuments() override;
    platform::ShellExecution execute(std::string_view file) override;

private:
    HMODULE shellLibrary_ = nullptr;  // loaded by name once, kept for the program's life
};

}  // namespace umbrix::win32
