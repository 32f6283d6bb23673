#include "hotkeys/ApplicationHotKey.hpp"

namespace umbrix::hotkeys {

TApplicationHotKey::TApplicationHotKey(platform::HotkeyPort& port, HotKeyIdentifiers& identifiers, HotKeyRouter& router,
                                       platform::HotkeyWindow owner, TShortCut hotKey)
    : port_(port), identifiers_(identifiers), router_(router), owner_(owner), hotKey_(hotKey) {}

TApplicationHotKey::~TApplicationHotKey() {
    if (active_) deactivate();
}

void TApplicationHotKey::SetActive(bool active) {
    if (active == active_) return;
    if (active) {
        activate();
    } else {
        deactivate();
    }
}

void TApplicationHotKey::SetHotKey(TShortCut hotKey) {
    if (hotKey == hotKey_) return;
    const bool wasActive = active_;
    SetActive(false);
    hotKey_ = hotKey;
    if (wasActive) SetActive(true);
}

void TApplicationHotKey::activate() {
    // Code 0 would register "no modifiers, virtual key 0": a hotkey no key can press, reported
    // as active, and one that blocks the next component holding code 0.
    if (hotKey_ == 0) return;
    identifier_ = identifiers_.next();
    for (;;) {
        if (port_.registerHotKey(owner_, identifier_, hotKeyModifiersOf(hotKey_), virtualKeyOf(hotKey_))) {
            router_.hook(*this);
            active_ = true;
            return;
        }
        if (!OnHotKeyRegisterFailed) return;
        TShortCut offered = hotKey_;
        OnHotKeyRegisterFailed(*this, offered);
        if (offered == hotKey_ || offered == 0) return;
        hotKey_ = offered;
    }
}

void TApplicationHotKey::deactivate() {
    // The identifier is never used again, so a failed release cannot collide with anything.
    (void)port_.unregisterHotKey(owner_, identifier_);
    router_.unhook(*this);
    active_ = false;
}

void TApplicationHotKey::onHookedHotKey() {
    if (OnHotKey) OnHotKey(*this);
}

}  // namespace umbrix::hotkeys
