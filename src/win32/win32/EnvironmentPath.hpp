#pragma once
// File names that hold environment variables ("%SystemRoot%\SYSTEM32\shell32.dll").
#include <string>

namespace umbrix::win32 {

// ExpandEnvironmentStringsW; the name as it was when it cannot be expanded.
std::wstring expandEnvironment(const std::wstring& path);

}  // namespace umbrix::win32
