#pragma once
// Hotkeys of the whole simulated session: the program's hotkey windows and registrations, the
// combinations other programs hold, the global atom table and the keyboard layout's key names.
// A test presses a combination; WM_HOTKEY goes to whoever holds it.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/HotkeyPort.hpp"

namespace umbrix::sim {

class SimHotkeys final : public platform::HotkeyPort {
public:
    SimHotkeys();

    platform::HotkeyWindow createHotkeyWindow() override;
    void destroyHotkeyWindow(platform::HotkeyWindow window) override;
    void setMessageSink(platform::HotkeyMessageSink* sink) override { sink_ = sink; }
    platform::IoResult registerHotkey(platform::HotkeyWindow window, std::int32_t identifier, std::uint32_t modifiers,
                                      std::uint32_t virtualKey) override;
    platform::IoResult unregisterHotkey(platform::HotkeyWindow window, std::int32_t identifier) override;
    std::uint16_t globalAddAtom(std::string_view name) override;
    platform::IoResult globalDeleteAtom(std::uint16_t atom) override;
    std::string keyNameText(std::uint8_t virtualKey) override;

    // Other programs of the session.
    void holdInOtherProgram(std::uint32_t modifiers, std::uint32_t virtualKey);
    void releaseInOtherProgram(std::uint32_t modifiers, std::uint32_t virtualKey);

    // The user presses a combination.
    enum class PressOutcome { Program, OtherProgram, Nobody };
    PressOutcome press(std::uint32_t modifiers, std::uint32_t virtualKey);

    struct Registration {
        platform::HotkeyWindow window;
        std::int32_t identifier;
        std::uint32_t modifiers;
        std::uint32_t virtualKey;
        friend bool operator==(const Registration&, const Registration&) = default;
    };
    // The program's registrations, oldest first.
    const std::vector<Registration>& registrations() const { return registrations_; }
    bool programHolds(std::uint32_t modifiers, std::uint32_t virtualKey) const;
    bool windowExists(platform::HotkeyWindow window) const { return windows_.count(window) != 0; }
    // GlobalFindAtomW, for tests: the atom of a name, if it exists.
    std::optional<std::uint16_t> findAtom(std::string_view name) const;

    // The keyboard layout: the name of each key that has one (US English by default).
    std::map<std::uint8_t, std::string> keyNames;
    // Where the session's string atoms go on: a test must take atoms from globalAddAtom.
    std::uint16_t nextAtom = 0xC1A7;

    int registerCalls = 0;
    int unregisterCalls = 0;
    int keyNameCalls = 0;
    int undeliveredMessages = 0;  // WM_HOTKEY with no sink to take it

private:
    struct Atom {
        std::uint16_t value;
        int references;
    };
    static std::uint32_t combination(std::uint32_t modifiers, std::uint32_t virtualKey);

    platform::HotkeyMessageSink* sink_ = nullptr;
    std::uint32_t nextWindow_ = 1;
    std::set<platform::HotkeyWindow> windows_;
    std::vector<Registration> registrations_;
    std::set<std::uint32_t> heldElsewhere_;
    std::map<std::string, Atom> atoms_;  // by upper-case name
};

}  // namespace umbrix::sim
