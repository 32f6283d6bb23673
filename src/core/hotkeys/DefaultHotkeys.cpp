#include "hotkeys/DefaultHotkeys.hpp"

#include "hotkeys/KeyCombination.hpp"

namespace umbrix::hotkeys {

DefaultHotkeys::DefaultHotkeys(platform::HotkeyPort& port, platform::HotkeyWindow applicationWindow)
    : port_(port), window_(applicationWindow) {}

DefaultHotkeys::~DefaultHotkeys() { deleteAtoms(); }

bool DefaultHotkeys::registerOne(std::size_t slot, const char* atomName, std::uint32_t virtualKey) {
    if (n_Atom[slot] == 0) n_Atom[slot] = port_.globalAddAtom(atomName);
    // Without an atom there is no identifier to register under: registering under 0 would take
    // the identifier the first hotkey component uses.
    if (n_Atom[slot] == 0) return false;
    return port_.registerHotkey(window_, n_Atom[slot], platform::hotkey_modifiers::kControl, virtualKey).ok();
}

DefaultHotkeyRegistration DefaultHotkeys::registerHotkeys() {
    if (!registered_.hide) registered_.hide = registerOne(0, kHideAtomName, kDefaultHideVirtualKey);
    if (!registered_.unhide) registered_.unhide = registerOne(1, kUnhideAtomName, kDefaultUnhideVirtualKey);
    return registered_;
}

void DefaultHotkeys::releaseRegistrations() {
    // A failed release leaves nothing to undo: the window goes away with the program.
    if (registered_.hide) (void)port_.unregisterHotkey(window_, n_Atom[0]);
    if (registered_.unhide) (void)port_.unregisterHotkey(window_, n_Atom[1]);
    registered_ = {};
}

void DefaultHotkeys::deleteAtoms() {
    releaseRegistrations();  // a registration must not outlive the atom that identifies it
    for (auto& atom : n_Atom) {
        if (atom != 0) (void)port_.globalDeleteAtom(atom);
        atom = 0;
    }
}

void DefaultHotkeys::unregisterHotkeys() { deleteAtoms(); }

}  // namespace umbrix::hotkeys
