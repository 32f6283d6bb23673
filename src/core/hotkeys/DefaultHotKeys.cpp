#include "hotkeys/DefaultHotKeys.hpp"

#include "hotkeys/ShortCut.hpp"

namespace umbrix::hotkeys {

DefaultHotKeys::DefaultHotKeys(platform::HotkeyPort& port, platform::HotkeyWindow applicationWindow)
    : port_(port), window_(applicationWindow) {}

DefaultHotKeys::~DefaultHotKeys() { DeleteAtoms(); }

bool DefaultHotKeys::registerOne(std::size_t slot, const char* atomName, std::uint32_t virtualKey) {
    if (n_Atom[slot] == 0) n_Atom[slot] = port_.globalAddAtom(atomName);
    // Without an atom there is no identifier to register under: registering under 0 would take
    // the identifier the first hotkey component uses.
    if (n_Atom[slot] == 0) return false;
    return port_.registerHotKey(window_, n_Atom[slot], platform::hotkey_modifiers::kControl, virtualKey).ok();
}

DefaultHotKeyRegistration DefaultHotKeys::RegisterHotKeys() {
    if (!registered_.hide) registered_.hide = registerOne(0, kHideAtomName, kDefaultHideVirtualKey);
    if (!registered_.unhide) registered_.unhide = registerOne(1, kUnhideAtomName, kDefaultUnhideVirtualKey);
    return registered_;
}

void DefaultHotKeys::ReleaseRegistrations() {
    // A failed release leaves nothing to undo: the window goes away with the program.
    if (registered_.hide) (void)port_.unregisterHotKey(window_, n_Atom[0]);
    if (registered_.unhide) (void)port_.unregisterHotKey(window_, n_Atom[1]);
    registered_ = {};
}

void DefaultHotKeys::DeleteAtoms() {
    ReleaseRegistrations();  // a registration must not outlive the atom that identifies it
    for (auto& atom : n_Atom) {
        if (atom != 0) (void)port_.globalDeleteAtom(atom);
        atom = 0;
    }
}

void DefaultHotKeys::UnregisterHotKeys() { DeleteAtoms(); }

}  // namespace umbrix::hotkeys
