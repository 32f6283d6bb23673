#pragma once
// Our names for a window and a process: the HWND and the process id as plain numbers, so the
// core never sees a Windows type.
#include <compare>
#include <cstdint>

namespace umbrix::platform {

struct WindowId {
    std::uint64_t value = 0;  // the HWND as an unsigned number; 0 names no window

    explicit operator bool() const { return value != 0; }
    friend auto operator<=>(const WindowId&, const WindowId&) = default;
};

struct ProcessId {
    std::uint32_t value = 0;  // 0 is the System Idle Process, a real process id

    friend auto operator<=>(const ProcessId&, const ProcessId&) = default;
};

}  // namespace umbrix::platform
