#include "win32/Win32Hotkeys.hpp"

#include "win32/Utf16.hpp"
#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

using platform::HotkeyWindow;
using platform::IoResult;

namespace {

constexpr wchar_t kWindowClass[] = L"UmbrixHotkeyWindow";

IoResult lastError() { return IoResult::failure(GetLastError()); }

}  // namespace

// A message-only window whose WM_HOTKEY goes to the message sink under its window's name.
class Win32Hotkeys::MessageWindow final : public WindowBase {
public:
    MessageWindow(Win32Hotkeys& owner, HotkeyWindow name) : owner_(owner), name_(name) {}
    bool open() { return tryCreate(GetModuleHandleW(nullptr), kWindowClass, 0, 0, L"", HWND_MESSAGE); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept override {
        if (message != WM_HOTKEY) return WindowBase::handleMessage(message, wParam, lParam);
        // The sink may destroy this window: nothing of it is touched after.
        owner_.deliver(name_, wParam);
        return 0;
    }

    Win32Hotkeys& owner_;
    HotkeyWindow name_;
};

Win32Hotkeys::Win32Hotkeys() = default;
Win32Hotkeys::~Win32Hotkeys() = default;

void Win32Hotkeys::deliver(HotkeyWindow window, WPARAM identifier) {
    // The sink is the program's router: it hands errors to the program's handler.
    if (sink_) sink_->onHotkeyMessage(window, static_cast<std::int32_t>(identifier));
}

HotkeyWindow Win32Hotkeys::createHotkeyWindow() {
    HotkeyWindow window{nextWindow_++};
    auto messageWindow = std::make_unique<MessageWindow>(*this, window);
    // Without a window every registration on it reports ERROR_INVALID_WINDOW_HANDLE.
    if (messageWindow->open()) windows_[window] = std::move(messageWindow);
    return window;
}

void Win32Hotkeys::destroyHotkeyWindow(HotkeyWindow window) { windows_.erase(window); }

HWND Win32Hotkeys::handleOf(HotkeyWindow window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second->hwnd();
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
