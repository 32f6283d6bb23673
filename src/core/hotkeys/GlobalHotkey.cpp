#include "hotkeys/GlobalHotkey.hpp"

namespace umbrix::hotkeys {

GlobalHotkey::GlobalHotkey(platform::HotkeyPort& port, HotkeyIdentifiers& identifiers, HotkeyRouter& router,
                           platform::HotkeyWindow owner, KeyCombination hotkey)
    : port_(port), identifiers_(identifiers), router_(router), owner_(owner), hotkey_(hotkey) {}

GlobalHotkey::~GlobalHotkey() {
    if (active_) deactivate();
}

void GlobalHotkey::setActive(bool active) {
    if (active == active_) return;
    if (active) {
        activate();
    } else {
        deactivate();
    }
}

void GlobalHotkey::setHotkey(KeyCombination hotkey) {
    if (hotkey == hotkey_) return;
    const bool wasActive = active_;
    setActive(false);
    hotkey_ = hotkey;
    if (wasActive) setActive(true);
}

void GlobalHotkey::activate() {
    // Code 0 would register "no modifiers, virtual key 0": a hotkey no key can press, reported
    // as active, and one that blocks the next component holding code 0.
    if (hotkey_ == 0) return;
    identifier_ = identifiers_.next();
    for (;;) {
        if (port_.registerHotkey(owner_, identifier_, hotkeyModifiersOf(hotkey_), virtualKeyOf(hotkey_))) {
            router_.hook(*this);
            active_ = true;
            return;
        }
        if (!OnHotkeyRegisterFailed) return;
        KeyCombination offered = hotkey_;
        OnHotkeyRegisterFailed(*this, offered);
        if (offered == hotkey_ || offered == 0) return;
        hotkey_ = offered;
    }
}

void GlobalHotkey::deactivate() {
    // The identifier is never used again, so a failed release cannot collide with anything.
    (void)port_.unregisterHotkey(owner_, identifier_);
    router_.unhook(*this);
    active_ = false;
}

void GlobalHotkey::onHookedHotkey() {
    if (OnHotkey) OnHotkey(*this);
}

}  // namespace umbrix::hotkeys
