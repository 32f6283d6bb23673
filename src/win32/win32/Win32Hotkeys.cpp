#include "win32/Win32Hotkeys.hpp"

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::HotkeyWindow;
using platform::IoResult;

namespace {

constexpr wchar_t kWindowClass[] = L"UmbrixHotkeyWindow";

void registerWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;  // a failed registration shows as a failed CreateWindowExW
}

IoResult lastError() { return IoResult::failure(GetLastError()); }

}  // namespace

Win32Hotkeys::~Win32Hotkeys() {
    for (auto& [id, hwnd] : windows_) DestroyWindow(hwnd);
}

LRESULT CALLBACK Win32Hotkeys::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_HOTKEY) {
        auto* self = reinterpret_cast<Win32Hotkeys*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self || !self->sink_) return 0;
        for (const auto& [window, handle] : self->windows_) {
            if (handle != hwnd) continue;
            // The sink is the program's router: it hands errors to the program's handler, and
            // may change the windows, so the search ends here.
            const HotkeyWindow target = window;
            self->sink_->onHotkeyMessage(target, static_cast<std::int32_t>(wParam));
            break;
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HotkeyWindow Win32Hotkeys::createHotkeyWindow() {
    registerWindowClass(&Win32Hotkeys::windowProc);
    HWND hwnd =
        CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    HotkeyWindow window{nextWindow_++};
    if (hwnd) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        windows_[window] = hwnd;
    }
    // Without a window every registration on it reports ERROR_INVALID_WINDOW_HANDLE.
    return window;
}

void Win32Hotkeys::destroyHotkeyWindow(HotkeyWindow window) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return;
    DestroyWindow(it->second);
    windows_.erase(it);
}

HWND Win32Hotkeys::handleOf(HotkeyWindow window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second;
}

IoResult Win32Hotkeys::registerHotkey(HotkeyWindow window, std::int32_t identifier, std::uint32_t modifiers,
                                      std::uint32_t virtualKey) {
    HWND hwnd = handleOf(window);
    if (!hwnd) return IoResult::failure(platform::errors::kInvalidWindowHandle);
    return RegisterHotKey(hwnd, identifier, modifiers, virtualKey) ? IoResult::success() : lastError();
}

IoResult Win32Hotkeys::unregisterHotkey(HotkeyWindow window, std::int32_t identifier) {
    HWND hwnd = handleOf(window);
    if (!hwnd) return IoResult::failure(platform::errors::kInvalidWindowHandle);
    return UnregisterHotKey(hwnd, identifier) ? IoResult::success() : lastError();
}

std::uint16_t Win32Hotkeys::globalAddAtom(std::string_view name) { return GlobalAddAtomW(widen(name).c_str()); }

IoResult Win32Hotkeys::globalDeleteAtom(std::uint16_t atom) {
    SetLastError(ERROR_SUCCESS);
    if (GlobalDeleteAtom(atom) == 0) return IoResult::success();
    // The call gives the atom back on failure; the error code is not always set.
    DWORD error = GetLastError();
    return IoResult::failure(error != ERROR_SUCCESS ? error : platform::errors::kInvalidHandle);
}

std::string Win32Hotkeys::keyNameText(std::uint8_t virtualKey) {
    UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    if (scanCode == 0) return {};
    wchar_t name[256];
    int length = GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, static_cast<int>(std::size(name)));
    return length > 0 ? narrow(std::wstring_view(name, static_cast<std::size_t>(length))) : std::string();
}

}  // namespace umbrix::win32
