#pragma once
#include <windows.h>

#include <map>
#include <memory>

#include "platform/HotkeyPort.hpp"

namespace umbrix::win32 {

// Hotkey windows are message-only windows of the calling (user-interface) thread; every message
// loop of that thread, dialogs' and message boxes' included, dispatches their WM_HOTKEY.
class Win32Hotkeys final : public platform::HotkeyPort {
public:
    Win32Hotkeys();
    ~Win32Hotkeys() override;

    platform::HotkeyWindow createHotkeyWindow() override;
    void destroyHotkeyWindow(platform::HotkeyWindow window) override;
    void setMessageSink(platform::HotkeyMessageSink* sink) override { sink_ = sink; }
    platform::IoResult registerHotkey(platform::HotkeyWindow window, std::int32_t identifier, std::uint32_t modifiers,
                                      std::uint32_t virtualKey) override;
    platform::IoResult unregisterHotkey(platform::HotkeyWindow window, std::int32_t identifier) override;
    std::uint16_t globalAddAtom(std::string_view name) override;
    platform::IoResult globalDeleteAtom(std::uint16_t atom) override;
    std::string keyNameText(std::uint8_t virtualKey) override;

private:
    class MessageWindow;
    void deliver(platform::HotkeyWindow window, WPARAM identifier);
    HWND handleOf(platform::HotkeyWindow window) const;

    std::map<platform::HotkeyWindow, std::unique_ptr<MessageWindow>> windows_;
    std::uint32_t nextWindow_ = 1;
    platform::HotkeyMessageSink* sink_ = nullptr;
};

}  // namespace umbrix::win32
