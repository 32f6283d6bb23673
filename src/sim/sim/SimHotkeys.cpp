#include "sim/SimHotkeys.hpp"

#include <algorithm>
#include <cctype>

namespace umbrix::sim {

using platform::HotkeyWindow;
using platform::IoResult;
namespace errors = platform::errors;

namespace {

// GetKeyNameTextW of the scan code MapVirtualKeyW gives, on US English Windows. Keys absent
// here have no scan code, or no name.
std::map<std::uint8_t, std::string> usEnglishKeyNames() {
    std::map<std::uint8_t, std::string> names = {
        {0x08, "Backspace"},   {0x09, "Tab"},     {0x0C, "Num 5"}, {0x0D, "Enter"},       {0x10, "Shift"},
        {0x11, "Ctrl"},        {0x12, "Alt"},     {0x13, "Pause"}, {0x14, "Caps Lock"},   {0x1B, "Esc"},
        {0x20, "Space"},       {0x21, "Num 9"},   {0x22, "Num 3"}, {0x23, "Num 1"},       {0x24, "Num 7"},
        {0x25, "Num 4"},       {0x26, "Num 8"},   {0x27, "Num 6"}, {0x28, "Num 2"},       {0x2C, "Sys Req"},
        {0x2D, "Num 0"},       {0x2E, "Num Del"}, {0x6A, "Num *"}, {0x6B, "Num +"},       {0x6D, "Num -"},
        {0x6E, "Num Del"},     {0x6F, "/"},       {0x90, "Pause"}, {0x91, "Scroll Lock"}, {0xA0, "Shift"},
        {0xA1, "Right Shift"}, {0xA2, "Ctrl"},    {0xA3, "Ctrl"},  {0xA4, "Alt"},         {0xA5, "Alt"},
        {0xBA, ";"},           {0xBB, "="},       {0xBC, ","},     {0xBD, "-"},           {0xBE, "."},
        {0xBF, "/"},           {0xC0, "`"},       {0xDB, "["},     {0xDC, "\\"},          {0xDD, "]"},
        {0xDE, "'"},           {0xE2, "\\"},
    };
    for (int key = '0'; key <= '9'; ++key)
        names[static_cast<std::uint8_t>(key)] = std::string(1, static_cast<char>(key));
    for (int key = 'A'; key <= 'Z'; ++key)
        names[static_cast<std::uint8_t>(key)] = std::string(1, static_cast<char>(key));
    const char* keypad[] = {"Num 0", "Num 1", "Num 2", "Num 3", "Num 4", "Num 5", "Num 6", "Num 7", "Num 8", "Num 9"};
    for (int digit = 0; digit < 10; ++digit) names[static_cast<std::uint8_t>(0x60 + digit)] = keypad[digit];
    for (int key = 0; key < 24; ++key) names[static_cast<std::uint8_t>(0x70 + key)] = "F" + std::to_string(key + 1);
    return names;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// "#123" names the integer atom 123 (1 to 0xBFFF), as GlobalAddAtomW reads it.
std::optional<std::uint16_t> integerAtom(std::string_view name) {
    if (name.size() < 2 || name.front() != '#') return std::nullopt;
    unsigned value = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0xFFFF) return std::nullopt;
    }
    if (value == 0 || value >= 0xC000) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

SimHotkeys::SimHotkeys() : keyNames(usEnglishKeyNames()) {}

std::uint32_t SimHotkeys::combination(std::uint32_t modifiers, std::uint32_t virtualKey) {
    // MOD_NOREPEAT and other flags do not make a combination different.
    return ((modifiers & 0xF) << 8) | (virtualKey & 0xFF);
}

HotkeyWindow SimHotkeys::createHotkeyWindow() {
    HotkeyWindow window{nextWindow_++};
    windows_.insert(window);
    return window;
}

void SimHotkeys::destroyHotkeyWindow(HotkeyWindow window) {
    windows_.erase(window);
    std::erase_if(registrations_, [&](const Registration& r) { return r.window == window; });
}

IoResult SimHotkeys::registerHotkey(HotkeyWindow window, std::int32_t identifier, std::uint32_t modifiers,
                                    std::uint32_t virtualKey) {
    ++registerCalls;
    if (!windows_.count(window)) return IoResult::failure(errors::kInvalidWindowHandle);
    const std::uint32_t wanted = combination(modifiers, virtualKey);
    if (heldElsewhere_.count(wanted)) return IoResult::failure(errors::kHotkeyAlreadyRegistered);
    for (const auto& r : registrations_) {
        if (combination(r.modifiers, r.virtualKey) == wanted && !(r.window == window && r.identifier == identifier))
            return IoResult::failure(errors::kHotkeyAlreadyRegistered);
    }
    // The same window and identifier again replaces the earlier combination.
    std::erase_if(registrations_,
                  [&](const Registration& r) { return r.window == window && r.identifier == identifier; });
    registrations_.push_back({window, identifier, modifiers & 0xF, virtualKey & 0xFF});
    return IoResult::success();
}

IoResult SimHotkeys::unregisterHotkey(HotkeyWindow window, std::int32_t identifier) {
    ++unregisterCalls;
    if (!windows_.count(window)) return IoResult::failure(errors::kInvalidWindowHandle);
    auto removed = std::erase_if(
        registrations_, [&](const Registration& r) { return r.window == window && r.identifier == identifier; });
    return removed ? IoResult::success() : IoResult::failure(errors::kHotkeyNotRegistered);
}

std::uint16_t SimHotkeys::globalAddAtom(std::string_view name) {
    if (auto value = integerAtom(name)) return *value;
    if (name.empty() || name.size() > 255) return 0;
    auto [it, added] = atoms_.try_emplace(upper(name), Atom{0, 0});
    if (added) {
        if (nextAtom < 0xC000) {
            atoms_.erase(it);
            return 0;  // the table is full
        }
        it->second.value = nextAtom++;
    }
    ++it->second.references;
    return it->second.value;
}

IoResult SimHotkeys::globalDeleteAtom(std::uint16_t atom) {
    if (atom != 0 && atom < 0xC000) return IoResult::success();  // integer atoms are not counted
    for (auto it = atoms_.begin(); it != atoms_.end(); ++it) {
        if (it->second.value != atom) continue;
        if (--it->second.references == 0) atoms_.erase(it);
        return IoResult::success();
    }
    return IoResult::failure(errors::kInvalidHandle);
}

std::optional<std::uint16_t> SimHotkeys::findAtom(std::string_view name) const {
    if (auto value = integerAtom(name)) return value;
    auto it = atoms_.find(upper(name));
    if (it == atoms_.end()) return std::nullopt;
    return it->second.value;
}

std::string SimHotkeys::keyNameText(std::uint8_t virtualKey) {
    ++keyNameCalls;
    auto it = keyNames.find(virtualKey);
    return it == keyNames.end() ? std::string() : it->second;
}

void SimHotkeys::holdInOtherProgram(std::uint32_t modifiers, std::uint32_t virtualKey) {
    heldElsewhere_.insert(combination(modifiers, virtualKey));
}

void SimHotkeys::releaseInOtherProgram(std::uint32_t modifiers, std::uint32_t virtualKey) {
    heldElsewhere_.erase(combination(modifiers, virtualKey));
}

bool SimHotkeys::programHolds(std::uint32_t modifiers, std::uint32_t virtualKey) const {
    const std::uint32_t wanted = combination(modifiers, virtualKey);
    return std::any_of(registrations_.begin(), registrations_.end(),
                       [&](const Registration& r) { return combination(r.modifiers, r.virtualKey) == wanted; });
}

SimHotkeys::PressOutcome SimHotkeys::press(std::uint32_t modifiers, std::uint32_t virtualKey) {
    const std::uint32_t pressed = combination(modifiers, virtualKey);
    if (heldElsewhere_.count(pressed)) return PressOutcome::OtherProgram;
    auto it = std::find_if(registrations_.begin(), registrations_.end(),
                           [&](const Registration& r) { return combination(r.modifiers, r.virtualKey) == pressed; });
    if (it == registrations_.end()) return PressOutcome::Nobody;
    const Registration target = *it;  // the sink may change the registrations
    if (sink_) {
        sink_->onHotkeyMessage(target.window, target.identifier);
    } else {
        ++undeliveredMessages;
    }
    return PressOutcome::Program;
}

}  // namespace umbrix::sim
