#include "app/TrayMenu.hpp"

namespace umbrix::app {

namespace {
std::uint32_t id(TrayCommand command) { return static_cast<std::uint32_t>(command); }
}  // namespace

std::vector<platform::MenuEntry> trayMenuEntries(const TrayMenuState& state) {
    platform::MenuEntry startSilent{id(TrayCommand::StartSilent), "&Start silent (disables splash screen)"};
    startSilent.checked = state.startSilent;

    // A radio group with "Normal operation" marked; neither command moves the mark.
    platform::MenuEntry normal{id(TrayCommand::NormalOperation), "Normal operation"};
    normal.checked = normal.radio = true;
    platform::MenuEntry stealth{id(TrayCommand::StealthMode), "Switch to stealth mode"};
    stealth.radio = true;
    stealth.enabled = state.stealthAvailable;
    platform::MenuEntry mode{0, "Mode of operation"};
    mode.submenu = {normal, stealth};

    platform::MenuEntry autoStart{id(TrayCommand::AutoStart), "Start with &Windows"};
    autoStart.checked = state.autoStart;

    return {startSilent, mode, autoStart, platform::MenuEntry{}, {id(TrayCommand::Close), "&Close Umbrix"}};
}

}  // namespace umbrix::app
