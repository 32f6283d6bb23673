#pragma once
// A failed Win32 call as an exception whose text names what failed and the system's code.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace umbrix::win32 {

[[noreturn]] inline void throwLastError(const std::string& what) {
    DWORD code = GetLastError();
    throw std::runtime_error(what + " (Windows error " + std::to_string(code) + ")");
}

}  // namespace umbrix::win32
