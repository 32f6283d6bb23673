#include "win32/EnvironmentPath.hpp"

#include <windows.h>

namespace umbrix::win32 {

std::wstring expandEnvironment(const std::wstring& path) {
    DWORD size = ExpandEnvironmentStringsW(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring out(size, L'\0');
    DWORD written = ExpandEnvironmentStringsW(path.c_str(), out.data(), size);
    if (written == 0 || written > size) return path;
    out.resize(written - 1);
    return out;
}

}  // namespace umbrix::win32
