#pragma once
// Fixed texts the window engine matches or shows.
namespace umbrix::engine {

// The desktop's own window: never listed, hidden or closed.
inline constexpr const char* kProgramManager = "Program Manager";
// A window restore never shows again; the hide actions therefore never take one away.
inline constexpr const char* kCacheManager = "Cache Manager";
// Windows of this executable are never listed (compared on the upper-cased path).
inline constexpr const char* kBdsExecutable = "BIN\\BDS.EXE";
// What the inventory calls process 0.
inline constexpr const char* kSystemIdleProcess = "System Idle Process";

inline constexpr const char* kCloseHiddenWindowQuestion = "This window is hidden. Are your sure you want to close it?";
inline constexpr const char* kConfirmCaption = "Confirm";

inline constexpr const char* kBrowseDialogTitle = "Browse for Umbrix Decoy";
inline constexpr const char* kBrowseDialogFilter = "All files|*.*|Applications|*.exe";
inline constexpr const char* kBrowseDialogDefaultExtension = "*.*";

}  // namespace umbrix::engine
