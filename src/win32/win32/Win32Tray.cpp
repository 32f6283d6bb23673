#include "win32/Win32Tray.hpp"

#include <shellapi.h>

#include <algorithm>

#include "win32/FileIcon.hpp"
#include "win32/Utf16.hpp"
#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

using platform::IoResult;

namespace {

constexpr wchar_t kWindowClass[] = L"UmbrixTrayWindow";
constexpr UINT_PTR kRetryTimer = 1;

// Shell_NotifyIconW sets no error code for most refusals; the core must tell those apart from
// a real code.
IoResult refused() {
    DWORD code = GetLastError();
    return IoResult::failure(code == ERROR_SUCCESS ? platform::errors::kNoErrorCode : code);
}

}  // namespace

// The tray's hidden window: never shown, and a tool window, so it has no task bar button even if
// it were.
class Win32Tray::MessageWindow final : public WindowBase {
public:
    explicit MessageWindow(Win32Tray& tray) : tray_(tray) {}
    bool open() { return tryCreate(GetModuleHandleW(nullptr), kWindowClass, WS_EX_TOOLWINDOW, WS_POPUP, L"", nullptr); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept override {
        if (tray_.handleTrayMessage(message, wParam, lParam)) return 0;
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    Win32Tray& tray_;
};

Win32Tray::Win32Tray() = default;

Win32Tray::~Win32Tray() {
    HWND hwnd = window_ ? window_->hwnd() : nullptr;
    for (const auto& [id, picture] : icons_) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = hwnd;
        data.uID = id;
        Shell_NotifyIconW(NIM_DELETE, &data);
        if (picture) DestroyIcon(picture);
    }
    if (hwnd) KillTimer(hwnd, kRetryTimer);
}

bool Win32Tray::handleTrayMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!sink_) return false;
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        sink_->onTaskbarCreated();
        return true;
    }
    if (message == WM_TIMER && wParam == kRetryTimer) {
        sink_->onTrayRetryTimer();
        return true;
    }
    const auto id = static_cast<std::uint32_t>(wParam);
    auto callback = callbackMessages_.find(id);
    if (callback != callbackMessages_.end() && callback->second == message) {
        sink_->onTrayMouseMessage(id, static_cast<std::uint32_t>(lParam));
        return true;
    }
    return false;
}

HWND Win32Tray::window() {
    if (window_ && window_->exists()) return window_->hwnd();
    // A window that could not be made is tried again at the next call; until then every
    // request names no window and the shell refuses it.
    window_ = std::make_unique<MessageWindow>(*this);
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    return window_->open() ? window_->hwnd() : nullptr;
}

void Win32Tray::setEventSink(platform::TrayEventSink* sink) {
    sink_ = sink;
    if (sink_) window();  // "TaskbarCreated" reaches only a window that exists
}

void Win32Tray::startRetryTimer(std::uint32_t milliseconds) {
    if (HWND hwnd = window()) SetTimer(hwnd, kRetryTimer, milliseconds, nullptr);
}

void Win32Tray::stopRetryTimer() {
    if (window_ && window_->exists()) KillTimer(window_->hwnd(), kRetryTimer);
}

HICON Win32Tray::iconFor(const platform::IconLocation& image) {
    if (!image.file.empty()) {
        if (HICON icon = extractFileIcon(widen(image.file), image.index)) return icon;
    }
    // The program's own icon: the first one in its executable, or the system's application icon.
    wchar_t exe[MAX_PATH];
    if (GetModuleFileNameW(nullptr, exe, MAX_PATH) > 0) {
        if (HICON icon = extractFileIcon(exe, 0)) return icon;
    }
    return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
}

IoResult Win32Tray::request(DWORD action, const platform::TrayIconData& icon, HICON picture) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window();
    data.uID = icon.id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = icon.callbackMessage;
    data.hIcon = picture;
    std::wstring tip = widen(icon.tip);
    tip.resize(std::min<std::size_t>(tip.size(), std::size(data.szTip) - 1));
    std::copy(tip.begin(), tip.end(), data.szTip);
    SetLastError(ERROR_SUCCESS);
    if (Shell_NotifyIconW(action, &data)) return IoResult::success();
    return refused();
}

IoResult Win32Tray::addIcon(const platform::TrayIconData& icon) { return placeIcon(NIM_ADD, icon); }

IoResult Win32Tray::modifyIcon(const platform::TrayIconData& icon) { return placeIcon(NIM_MODIFY, icon); }

// Adding and modifying both hand the shell a new picture, which it copies: the previous picture
// is freed once the shell has taken the new one, the new one at once when it refuses.
IoResult Win32Tray::placeIcon(DWORD action, const platform::TrayIconData& icon) {
    HICON picture = iconFor(icon.image);
    IoResult result = request(action, icon, picture);
    if (!result) {
        if (picture) DestroyIcon(picture);
        return result;
    }
    if (HICON old = icons_[icon.id]) DestroyIcon(old);
    icons_[icon.id] = picture;
    callbackMessages_[icon.id] = icon.callbackMessage;
    return result;
}

IoResult Win32Tray::deleteIcon(std::uint32_t id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window();
    data.uID = id;
    SetLastError(ERROR_SUCCESS);
    if (!Shell_NotifyIconW(NIM_DELETE, &data)) return refused();
    if (auto it = icons_.find(id); it != icons_.end()) {
        if (it->second) DestroyIcon(it->second);
        icons_.erase(it);
    }
    callbackMessages_.erase(id);
    return IoResult::success();
}

}  // namespace umbrix::win32
