#pragma once
// TApplicationHotKey: one system-wide hotkey registered on its owner window. Activating it takes
// a fresh identifier from the program's counter and registers the combination; when that fails,
// OnHotKeyRegisterFailed may offer another code, which is then tried in turn.
#include <cstdint>
#include <functional>

#include "hotkeys/HotKeyIdentifiers.hpp"
#include "hotkeys/HotKeyRouter.hpp"
#include "hotkeys/ShortCut.hpp"
#include "platform/HotkeyPort.hpp"

namespace umbrix::hotkeys {

class TApplicationHotKey final : private HotKeyHook {
public:
    TApplicationHotKey(platform::HotkeyPort& port, HotKeyIdentifiers& identifiers, HotKeyRouter& router,
                       platform::HotkeyWindow owner, TShortCut hotKey);
    TApplicationHotKey(const TApplicationHotKey&) = delete;
    TApplicationHotKey& operator=(const TApplicationHotKey&) = delete;
    ~TApplicationHotKey();

    // true: register (nothing changes while active). Code 0 names no key and is never
    // registered: the component stays inactive without a failure report. false: release.
    void SetActive(bool active);
    // A different code: deactivate, store it, and activate again if it was active (with a new
    // identifier).
    void SetHotKey(TShortCut hotKey);

    bool Active() const { return active_; }
    TShortCut HotKey() const { return hotKey_; }
    // The identifier of the last activation; -1 before the first.
    std::int32_t Identifier() const { return identifier_; }
    platform::HotkeyWindow Window() const { return owner_; }

    // Called with the component for each WM_HOTKEY of its registration.
    std::function<void(TApplicationHotKey& sender)> OnHotKey;
    // Called when a registration fails, with the code; changing the code asks for another try,
    // leaving it unchanged gives up.
    std::function<void(TApplicationHotKey& sender, TShortCut& hotKey)> OnHotKeyRegisterFailed;

private:
    void activate();
    void deactivate();
    platform::HotkeyWindow hookWindow() const override { return owner_; }
    std::int32_t hookIdentifier() const override { return identifier_; }
    void onHookedHotKey() override;

    platform::HotkeyPort& port_;
    HotKeyIdentifiers& identifiers_;
    HotKeyRouter& router_;
    platform::HotkeyWindow owner_;
    TShortCut hotKey_;
    bool active_ = false;
    std::int32_t identifier_ = -1;
};

}  // namespace umbrix::hotkeys
