#pragma once
// Class names of the program's windows; the end-to-end tests find the windows by them.
namespace umbrix::win32 {

inline constexpr wchar_t kApplicationWindowClass[] = L"UmbrixApplication";
inline constexpr wchar_t kControllerWindowClass[] = L"UmbrixController";
inline constexpr wchar_t kExplanationWindowClass[] = L"UmbrixExplanation";
inline constexpr wchar_t kSplashWindowClass[] = L"UmbrixSplash";

}  // namespace umbrix::win32
