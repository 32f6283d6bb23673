// The text form of a hotkey, as the settings file keeps it ("HkHide", "hkUnHide"), with the key
// names of the simulated US English keyboard layout.
#include <string>

#include "FuzzTarget.hpp"
#include "hotkeys/HotkeyText.hpp"
#include "sim/SimHotkeys.hpp"
#include "sim/SimText.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace umbrix;
    using namespace umbrix::hotkeys;
    sim::SimHotkeys keys;  // one per input: it counts its calls
    sim::SimText text;
    const HotkeyText hotkeyText(keys, text);

    // A text that names a hotkey has a text form that names the same hotkey.
    const KeyCombination parsed =
        hotkeyText.parseHotkeyText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (parsed != 0) {
        const std::string formatted = hotkeyText.formatHotkeyText(parsed);
        FUZZ_CHECK(!formatted.empty());
        FUZZ_CHECK(hotkeyText.parseHotkeyText(formatted) == parsed);
    }

    // Any code with a text form: the text parses to a code of the same text (keys that share a
    // name, such as the keypad digits, parse to the first of them).
    if (size >= 2) {
        const auto code = static_cast<KeyCombination>(data[0] | data[1] << 8);
        const std::string formatted = hotkeyText.formatHotkeyText(code);
        if (!formatted.empty()) {
            const KeyCombination back = hotkeyText.parseHotkeyText(formatted);
            FUZZ_CHECK(back != 0);
            FUZZ_CHECK(hotkeyText.formatHotkeyText(back) == formatted);
        }
    }
    return 0;
}
