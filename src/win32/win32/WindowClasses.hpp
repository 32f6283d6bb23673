#pragma once
// Class names of the program's hidden windows; the end-to-end tests find the windows by them.
namespace umbrix::win32 {

inline constexpr wchar_t kApplicationWindowClass[] = L"UmbrixApplication";
inline constexpr wchar_t kControllerWindowClass[] = L"UmbrixController";

}  // namespace umbrix::win32
