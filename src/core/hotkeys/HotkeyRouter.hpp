#pragma once
// The way of a WM_HOTKEY through the program. Every WM_HOTKEY the program receives, whichever
// of its hotkey windows it was registered on and whichever message loop runs at the time (the
// main loop or the modal loop of a dialog or message box), first passes the application-wide
// hook, which hands its identifier to dispatchDefaultHotkey; then the hooks of the components registered
// on that window see it, and the one with that identifier calls its OnHotkey.
//
// Dispatchers run modal windows, so a WM_HOTKEY can arrive while an earlier one is still being
// handled: the router delivers it at once, and each dispatcher decides what a re-entered call
// does. An error escaping a hook goes to the program's one error handler; the other hooks still
// see the message.
#include <cstdint>
#include <exception>
#include <functional>
#include <vector>

#include "hotkeys/ActivationDispatch.hpp"
#include "platform/HotkeyPort.hpp"

namespace umbrix::hotkeys {

// A component's hook on its owner window.
class HotkeyHook {
public:
    virtual platform::HotkeyWindow hookWindow() const = 0;
    virtual std::int32_t hookIdentifier() const = 0;
    virtual void onHookedHotkey() = 0;

protected:
    ~HotkeyHook() = default;
};

class HotkeyRouter final : public platform::HotkeyMessageSink {
public:
    using ErrorHandler = std::function<void(std::exception_ptr)>;

    // Becomes the port's message sink for as long as it lives. Outlives every component.
    HotkeyRouter(platform::HotkeyPort& port, ErrorHandler onError);
    HotkeyRouter(const HotkeyRouter&) = delete;
    HotkeyRouter& operator=(const HotkeyRouter&) = delete;
    ~HotkeyRouter();

    // The application-wide hook of every WM_HOTKEY; nullptr removes it.
    void setApplicationHook(DefaultHotkeyDispatcher* dispatcher) { applicationHook_ = dispatcher; }
    // Runs once a WM_HOTKEY has been handled (not after the nested ones), under the error
    // handler: what shows the program's lists redraws them.
    void setAfterHotkey(std::function<void()> afterHotkey) { afterHotkey_ = std::move(afterHotkey); }

    void hook(HotkeyHook& hook);
    void unhook(HotkeyHook& hook);
    bool isHooked(const HotkeyHook& hook) const;

    void onHotkeyMessage(platform::HotkeyWindow window, std::int32_t identifier) override;

    // How many WM_HOTKEY messages are being handled right now, nested ones included.
    int depth() const { return depth_; }

private:
    template <class Action>
    void guarded(Action&& action);

    platform::HotkeyPort& port_;
    ErrorHandler onError_;
    DefaultHotkeyDispatcher* applicationHook_ = nullptr;
    std::function<void()> afterHotkey_;
    std::vector<HotkeyHook*> hooks_;
    int depth_ = 0;
};

}  // namespace umbrix::hotkeys
