#pragma once
// The default set of TrayController: Ctrl+Space hides, Ctrl+Backspace unhides, registered on the
// application window under the global atoms of "321" and "432" for the whole run, whichever set
// acts. A combination another program holds stays unregistered; the result says so, for the
// caller to report once it can.
#include <array>
#include <cstdint>

#include "platform/HotkeyPort.hpp"

namespace umbrix::hotkeys {

inline constexpr const char* kHideAtomName = "321";
inline constexpr const char* kUnhideAtomName = "432";

struct DefaultHotkeyRegistration {
    bool hide = false;
    bool unhide = false;
    bool complete() const { return hide && unhide; }
};

class DefaultHotkeys {
public:
    DefaultHotkeys(platform::HotkeyPort& port, platform::HotkeyWindow applicationWindow);
    DefaultHotkeys(const DefaultHotkeys&) = delete;
    DefaultHotkeys& operator=(const DefaultHotkeys&) = delete;
    ~DefaultHotkeys();  // releases whatever is still held

    // GlobalAddAtomW("321") and RegisterHotKey(Ctrl+Space), then "432" and Ctrl+Backspace.
    DefaultHotkeyRegistration registerHotkeys();
    // The controller closing: both UnregisterHotKey.
    void releaseRegistrations();
    // The controller destroyed: both GlobalDeleteAtom.
    void deleteAtoms();
    // A theme change: all four steps, before registerHotkeys again.
    void unregisterHotkeys();

    // The identifiers of a WM_HOTKEY of the default set; 0 stands for no atom and matches nothing.
    std::uint16_t hideAtom() const { return n_Atom[0]; }
    std::uint16_t unhideAtom() const { return n_Atom[1]; }
    bool isHideAtom(std::int32_t identifier) const { return n_Atom[0] != 0 && identifier == n_Atom[0]; }
    bool isUnhideAtom(std::int32_t identifier) const { return n_Atom[1] != 0 && identifier == n_Atom[1]; }
    const DefaultHotkeyRegistration& registration() const { return registered_; }

    std::array<std::uint16_t, 2> n_Atom{};  // hide atom, unhide atom

private:
    bool registerOne(std::size_t slot, const char* atomName, std::uint32_t virtualKey);

    platform::HotkeyPort& port_;
    platform::HotkeyWindow window_;
    DefaultHotkeyRegistration registered_;
};

}  // namespace umbrix::hotkeys
