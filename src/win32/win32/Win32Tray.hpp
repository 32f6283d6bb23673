#pragma once
#include <windows.h>

#include <map>
#include <memory>

#include "platform/TrayPort.hpp"

namespace umbrix::win32 {

// The icons live on a hidden top-level window of the adapter: it takes their callback messages
// and the shell's "TaskbarCreated" broadcast, which message-only windows never receive.
class Win32Tray final : public platform::TrayPort {
public:
    Win32Tray();
    ~Win32Tray() override;

    platform::IoResult addIcon(const platform::TrayIconData& icon) override;
    platform::IoResult modifyIcon(const platform::TrayIconData& icon) override;
    platform::IoResult deleteIcon(std::uint32_t id) override;
    void setEventSink(platform::TrayEventSink* sink) override;
    void startRetryTimer(std::uint32_t milliseconds) override;
    void stopRetryTimer() override;

private:
    class MessageWindow;
    // A message of the hidden window: true when it was the tray's (and went to the sink).
    bool handleTrayMessage(UINT message, WPARAM wParam, LPARAM lParam);
    HWND window();
    HICON iconFor(const platform::IconLocation& image);
    platform::IoResult request(DWORD action, const platform::TrayIconData& icon, HICON picture);
    platform::IoResult placeIcon(DWORD action, const platform::TrayIconData& icon);

    std::unique_ptr<MessageWindow> window_;
    UINT taskbarCreated_ = 0;
    std::map<std::uint32_t, HICON> icons_;  // each icon's picture, owned
    std::map<std::uint32_t, UINT> callbackMessages_;
    platform::TrayEventSink* sink_ = nullptr;
};

}  // namespace umbrix::win32
