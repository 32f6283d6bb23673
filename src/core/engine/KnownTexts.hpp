#pragma once
// Fixed texts the window engine matches.
namespace umbrix::engine {

// The desktop's own window: never listed, hidden or closed.
inline constexpr const char* kProgramManager = "Program Manager";
// A window restore never shows again; the hide actions therefore never take one away.
inline constexpr const char* kCacheManager = "Cache Manager";
// Windows of this executable are never listed (compared on the upper-cased path).
inline constexpr const char* kBdsExecutable = "BIN\\BDS.EXE";
// What the inventory calls process 0.
inline constexpr const char* kSystemIdleProcess = "System Idle Process";

}  // namespace umbrix::engine
