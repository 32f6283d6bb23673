#pragma once
// One icon out of a file, as the icon port and the tray both take it.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "win32/EnvironmentPath.hpp"

namespace umbrix::win32 {

// ExtractIconW(file with its environment variables expanded, index): the icon, to be destroyed
// by the caller; null when the file has no icon at that index or is no icon source (ExtractIconW
// answers 1 for that).
inline HICON extractFileIcon(const std::wstring& file, int index) {
    HICON icon = ExtractIconW(GetModuleHandleW(nullptr), expandEnvironment(file).c_str(), static_cast<UINT>(index));
    return reinterpret_cast<ULONG_PTR>(icon) > 1 ? icon : nullptr;
}

}  // namespace umbrix::win32
