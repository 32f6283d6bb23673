#pragma once
// The program's icons in the notification area (Shell_NotifyIconW), and what the shell reports
// about them.
#include <cstdint>
#include <string>

#include "platform/IconLocation.hpp"
#include "platform/IoResult.hpp"

namespace umbrix::platform {

// NOTIFYICONDATAW as the program fills it.
struct TrayIconData {
    std::uint32_t id = 1;  // uID
    std::uint32_t callbackMessage = 0x0401;  // uCallbackMessage: WM_USER + 1
    std::string tip;  // szTip; empty: no tooltip
    IconLocation image;  // hIcon: ExtractIconW(file, index); the program's own icon when the file is empty
    friend bool operator==(const TrayIconData&, const TrayIconData&) = default;
};

namespace errors {
inline constexpr std::uint32_t kTimeout = 1460;  // ERROR_TIMEOUT: the shell did not answer in time
// Shell_NotifyIconW answered FALSE and GetLastError() said nothing: the shell was too busy to
// give a reason, or refused without one (Wine, asked to modify an icon that is not there). Not
// a Win32 error code.
inline constexpr std::uint32_t kNoErrorCode = 0xFFFFFFFFu;
}  // namespace errors

// What the shell tells the program: mouse messages on an icon (the callback message's lParam,
// e.g. WM_RBUTTONUP 0x0205, WM_LBUTTONDBLCLK 0x0203) and a re-created task bar; and the
// adapter's retry timer.
class TrayEventSink {
public:
    virtual void onTrayMouseMessage(std::uint32_t id, std::uint32_t mouseMessage) = 0;
    virtual void onTaskbarCreated() = 0;  // the registered message "TaskbarCreated"
    virtual void onTrayRetryTimer() = 0;  // WM_TIMER of the retry timer

protected:
    ~TrayEventSink() = default;
};

class TrayPort {
public:
    TrayPort() = default;
    TrayPort(const TrayPort&) = delete;
    TrayPort& operator=(const TrayPort&) = delete;
    virtual ~TrayPort() = default;

    // Shell_NotifyIconW(NIM_ADD), on a hidden window of the adapter that receives the callbacks.
    virtual IoResult addIcon(const TrayIconData& icon) = 0;
    // Shell_NotifyIconW(NIM_MODIFY).
    virtual IoResult modifyIcon(const TrayIconData& icon) = 0;
    // Shell_NotifyIconW(NIM_DELETE).
    virtual IoResult deleteIcon(std::uint32_t id) = 0;
    // The receiver of the shell's reports; nullptr stops them.
    virtual void setEventSink(TrayEventSink* sink) = 0;
    // SetTimer on the adapter's window: onTrayRetryTimer every `milliseconds` until stopped, from
    // the message loop, so the user-interface thread goes on while a busy shell is waited for.
    // Starting it again restarts the interval.
    virtual void startRetryTimer(std::uint32_t milliseconds) = 0;
    // KillTimer.
    virtual void stopRetryTimer() = 0;
};

}  // namespace umbrix::platform
