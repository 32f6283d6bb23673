// The text form of a hotkey, as the settings file keeps it ("HkHide", "hkUnHide"), with the key
// names of the simulated US English keyboard layout.
#include <string>

#include "FuzzTarget.hpp"
#include "hotkeys/HotKeyText.hpp"
#include "sim/SimHotkeys.hpp"
#include "sim/SimText.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace umbrix;
    using namespace umbrix::hotkeys;
    sim::SimHotkeys keys;  // one per input: it counts its calls
    sim::SimText text;
    const HotKeyText hotKeyText(keys, text);

    // A text that names a hotkey has a text form that names the same hotkey.
    const TShortCut parsed = hotKeyText.ParseHotKeyText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (parsed != 0) {
        const std::string formatted = hotKeyText.FormatHotKeyText(parsed);
        FUZZ_CHECK(!formatted.empty());
        FUZZ_CHECK(hotKeyText.ParseHotKeyText(formatted) == parsed);
    }

    // Any code with a text form: the text parses to a code of the same text (keys that share a
    // name, such as the keypad digits, parse to the first of them).
    if (size >= 2) {
        const auto code = static_cast<TShortCut>(data[0] | data[1] << 8);
        const std::string formatted = hotKeyText.FormatHotKeyText(code);
        if (!formatted.empty()) {
            const TShortCut back = hotKeyText.ParseHotKeyText(formatted);
            FUZZ_CHECK(back != 0);
            FUZZ_CHECK(hotKeyText.FormatHotKeyText(back) == formatted);
        }
    }
    return 0;
}
