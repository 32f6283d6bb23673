#pragma once
// HWND <-> WindowId: the handle's value, unchanged.
#include <windows.h>

#include <cstdint>

#include "platform/WindowId.hpp"

namespace umbrix::win32 {

inline HWND toHwnd(platform::WindowId window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window.value));
}

inline platform::WindowId toWindowId(HWND window) {
    return platform::WindowId{static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window))};
}

}  // namespace umbrix::win32
