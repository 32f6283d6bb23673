#pragma once
// The two dispatchers of an activation, as the hotkey routing and the panic button call them.
#include <cstdint>

namespace umbrix::hotkeys {

// Who starts an activation: nothing (a default hotkey through the application-wide hook), the
// panic button window, or one of the three hotkey components of the hotkey setup dialog.
enum class ActivationSender { None, PanicWindow, CustomHide, CustomUnhide, ExitStealth };

// dispatchDefaultHotkey: serves the default set. `messageSent` is the hotkey identifier of the
// WM_HOTKEY (the hide or unhide atom for the default set), or the hide atom from the panic button.
class DefaultHotkeyDispatcher {
public:
    virtual void dispatchDefaultHotkey(ActivationSender sender, std::int32_t messageSent) = 0;

protected:
    ~DefaultHotkeyDispatcher() = default;
};

// dispatchComponentHotkey: serves the custom set, the exit-stealth hotkey and the panic button.
class HotkeyComponentDispatcher {
public:
    virtual void dispatchComponentHotkey(ActivationSender sender) = 0;

protected:
    ~HotkeyComponentDispatcher() = default;
};

}  // namespace umbrix::hotkeys
