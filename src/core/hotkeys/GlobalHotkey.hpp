#pragma once
// GlobalHotkey: one system-wide hotkey registered on its owner window. Activating it takes
// a fresh identifier from the program's counter and registers the combination; when that fails,
// OnHotkeyRegisterFailed may offer another code, which is then tried in turn.
#include <cstdint>
#include <functional>

#include "hotkeys/HotkeyIdentifiers.hpp"
#include "hotkeys/HotkeyRouter.hpp"
#include "hotkeys/KeyCombination.hpp"
#include "platform/HotkeyPort.hpp"

namespace umbrix::hotkeys {

class GlobalHotkey final : private HotkeyHook {
public:
    GlobalHotkey(platform::HotkeyPort& port, HotkeyIdentifiers& identifiers, HotkeyRouter& router,
                 platform::HotkeyWindow owner, KeyCombination hotkey);
    GlobalHotkey(const GlobalHotkey&) = delete;
    GlobalHotkey& operator=(const GlobalHotkey&) = delete;
    ~GlobalHotkey();

    // true: register (nothing changes while active). Code 0 names no key and is never
    // registered: the component stays inactive without a failure report. false: release.
    void setActive(bool active);
    // A different code: deactivate, store it, and activate again if it was active (with a new
    // identifier).
    void setHotkey(KeyCombination hotkey);

    bool active() const { return active_; }
    KeyCombination hotkey() const { return hotkey_; }
    // The identifier of the last activation; -1 before the first.
    std::int32_t identifier() const { return identifier_; }
    platform::HotkeyWindow window() const { return owner_; }

    // Called with the component for each WM_HOTKEY of its registration.
    std::function<void(GlobalHotkey& sender)> OnHotkey;
    // Called when a registration fails, with the code; changing the code asks for another try,
    // leaving it unchanged gives up.
    std::function<void(GlobalHotkey& sender, KeyCombination& hotkey)> OnHotkeyRegisterFailed;

private:
    void activate();
    void deactivate();
    platform::HotkeyWindow hookWindow() const override { return owner_; }
    std::int32_t hookIdentifier() const override { return identifier_; }
    void onHookedHotkey() override;

    platform::HotkeyPort& port_;
    HotkeyIdentifiers& identifiers_;
    HotkeyRouter& router_;
    platform::HotkeyWindow owner_;
    KeyCombination hotkey_;
    bool active_ = false;
    std::int32_t identifier_ = -1;
};

}  // namespace umbrix::hotkeys
