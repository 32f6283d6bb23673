#pragma once
// System-wide hotkeys, global atoms and the keyboard layout's key names.
//
// Hotkeys are registered on hotkey windows: hidden windows of the program (message-only windows
// on Windows) that take WM_HOTKEY from whichever message loop runs at the time, the modal loops
// of dialogs and message boxes included, and hand it to the program's one message sink.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/IoResult.hpp"

namespace umbrix::platform {

// One hotkey window of the program; 0 is never a window.
enum class HotkeyWindow : std::uint32_t {};

// RegisterHotKey modifier flags.
namespace hotkey_modifiers {
inline constexpr std::uint32_t kAlt = 0x0001;  // MOD_ALT
inline constexpr std::uint32_t kControl = 0x0002;  // MOD_CONTROL
inline constexpr std::uint32_t kShift = 0x0004;  // MOD_SHIFT
inline constexpr std::uint32_t kWin = 0x0008;  // MOD_WIN
}  // namespace hotkey_modifiers

namespace errors {
inline constexpr std::uint32_t kInvalidHandle = 6;  // ERROR_INVALID_HANDLE
inline constexpr std::uint32_t kHotkeyAlreadyRegistered = 1409;  // ERROR_HOTKEY_ALREADY_REGISTERED
inline constexpr std::uint32_t kHotkeyNotRegistered = 1419;  // ERROR_HOTKEY_NOT_REGISTERED
inline constexpr std::uint32_t kInvalidWindowHandle = 1400;  // ERROR_INVALID_WINDOW_HANDLE
}  // namespace errors

// Where WM_HOTKEY goes: the window it was registered on and its identifier (wParam).
class HotkeyMessageSink {
public:
    virtual void onHotkeyMessage(HotkeyWindow window, std::int32_t identifier) = 0;

protected:
    ~HotkeyMessageSink() = default;
};

class HotkeyPort {
public:
    HotkeyPort() = default;
    HotkeyPort(const HotkeyPort&) = delete;
    HotkeyPort& operator=(const HotkeyPort&) = delete;
    virtual ~HotkeyPort() = default;

    // CreateWindowExW(HWND_MESSAGE) of a window whose WM_HOTKEY goes to the sink.
    virtual HotkeyWindow createHotkeyWindow() = 0;
    // DestroyWindow: the window's hotkeys are released with it.
    virtual void destroyHotkeyWindow(HotkeyWindow window) = 0;
    // The program's one receiver of WM_HOTKEY; nullptr stops delivery.
    virtual void setMessageSink(HotkeyMessageSink* sink) = 0;

    // RegisterHotKey(window, identifier, modifiers, virtualKey). A combination that any window
    // of any process holds already gives kHotkeyAlreadyRegistered.
    virtual IoResult registerHotkey(HotkeyWindow window, std::int32_t identifier, std::uint32_t modifiers,
                                    std::uint32_t virtualKey) = 0;
    // UnregisterHotKey(window, identifier); kHotkeyNotRegistered when there is none.
    virtual IoResult unregisterHotkey(HotkeyWindow window, std::int32_t identifier) = 0;

    // GlobalAddAtomW: the atom of the name, its reference count raised; 0 on failure. Values
    // depend on the session: never assume one.
    virtual std::uint16_t globalAddAtom(std::string_view name) = 0;
    // GlobalDeleteAtom: lowers the reference count; the atom goes at zero. Fails for an atom
    // that does not exist.
    virtual IoResult globalDeleteAtom(std::uint16_t atom) = 0;

    // MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) and GetKeyNameTextW(scan code << 16): the
    // keyboard layout's name for the key; empty when it has no scan code or no name.
    virtual std::string keyNameText(std::uint8_t virtualKey) = 0;
};

}  // namespace umbrix::platform
