#include <gtest/gtest.h>

#include "hotkeys/HotkeyText.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::hotkeys {
namespace {

class HotkeyTextTest : public ::testing::Test {
protected:
    sim::SimMachine machine;
    HotkeyText text{machine.hotkeys, machine.text};
};

struct NamedKey {
    KeyCombination code;
    const char* text;
};

TEST_F(HotkeyTextTest, EveryNamedKeyFormatsAndParsesBack) {
    std::vector<NamedKey> keys = {
        {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
        {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
        {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},  {0x2E, "Del"},
    };
    for (char c = '0'; c <= '9'; ++c) keys.push_back({static_cast<KeyCombination>(c), nullptr});
    for (char c = 'A'; c <= 'Z'; ++c) keys.push_back({static_cast<KeyCombination>(c), nullptr});
    for (int f = 1; f <= 24; ++f) keys.push_back({static_cast<KeyCombination>(0x70 + f - 1), nullptr});
    for (const auto& key : keys) {
        std::string expected = key.text           ? key.text
                               : key.code >= 0x70 ? "F" + std::to_string(key.code - 0x70 + 1)
                                                  : std::string(1, static_cast<char>(key.code));
        SCOPED_TRACE(expected);
        EXPECT_EQ(text.formatHotkeyText(key.code), expected);
        EXPECT_EQ(text.parseHotkeyText(expected), key.code);
    }
}

TEST_F(HotkeyTextTest, ModifiersComeInTheOrderShiftCtrlAlt) {
    const NamedKey cases[] = {
        {0x4048, "Ctrl+H"},      {0xA008, "Shift+Alt+BkSp"}, {0xE041, "Shift+Ctrl+Alt+A"},
        {0x2020, "Shift+Space"}, {0x8070, "Alt+F1"},         {0xC02E, "Ctrl+Alt+Del"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text.formatHotkeyText(c.code), c.text);
        EXPECT_EQ(text.parseHotkeyText(c.text), c.code) << c.text;
    }
}

TEST_F(HotkeyTextTest, KeypadDigitsReadLikeTheMainRowAndParseToIt) {
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string name(1, static_cast<char>('0' + digit));
        EXPECT_EQ(text.formatHotkeyText(static_cast<KeyCombination>(0x60 + digit)), name);
        EXPECT_EQ(text.formatHotkeyText(static_cast<KeyCombination>(kCtrlBit | (0x60 + digit))), "Ctrl+" + name);
        EXPECT_EQ(text.parseHotkeyText(name), 0x30 + digit);
    }
}

TEST_F(HotkeyTextTest, ParsingIgnoresLetterCaseAndTakesModifiersInAnyOrderAndNumber) {
    const std::pair<const char*, KeyCombination> cases[] = {
        {"ctrl+h", 0x4048},         {"^H", 0x4048},          {"^h", 0x4048},
        {"ALT+shift+bksp", 0xA008}, {"Ctrl+Ctrl+H", 0x4048}, {"^Ctrl+H", 0x4048},
        {"CTRL+SPACE", 0x4020},     {"alt+f12", 0x807B},     {"H", 0x0048},
    };
    for (const auto& [input, code] : cases) EXPECT_EQ(text.parseHotkeyText(input), code) << input;
}

TEST_F(HotkeyTextTest, TextsThatNameNoKeyParseToZero) {
    // "CTRL+BACKSPACE" is how the settings write the default unhide key; Backspace is "BkSp".
    for (const char* input : {"CTRL+BACKSPACE", "", "Ctrl+", "Shift+Alt+", "^", "Hyper+H", " H", "H ", "Ctrl H",
                              "Win+H", "F25", "Ctrl+HH"}) {
        EXPECT_EQ(text.parseHotkeyText(input), 0) << '"' << input << '"';
    }
}

TEST_F(HotkeyTextTest, OtherKeysTakeTheKeyboardLayoutsName) {
    EXPECT_EQ(text.formatHotkeyText(0xBA), ";");
    EXPECT_EQ(text.formatHotkeyText(kCtrlBit | 0xBA), "Ctrl+;");
    EXPECT_EQ(text.parseHotkeyText("ctrl+;"), kCtrlBit | 0xBA);

    // Another layout names the same key differently, in letters only its locale upper-cases.
    machine.hotkeys.keyNames[0xBA] = "\xC3\x96";  // Ö
    EXPECT_EQ(text.formatHotkeyText(kAltBit | 0xBA), "Alt+\xC3\x96");
    EXPECT_EQ(text.parseHotkeyText("alt+\xC3\xB6"), kAltBit | 0xBA);  // ö
}

TEST_F(HotkeyTextTest, AKeyWithoutANameHasNoTextAtAllModifiersIncluded) {
    EXPECT_EQ(text.formatHotkeyText(0), "");
    EXPECT_EQ(text.formatHotkeyText(0xE000), "");
    EXPECT_EQ(text.formatHotkeyText(kCtrlBit | 0x07), "");  // no scan code
    machine.hotkeys.keyNames.erase(0xBA);
    EXPECT_EQ(text.formatHotkeyText(kShiftBit | 0xBA), "");
}

TEST_F(HotkeyTextTest, ParsingTakesTheFirstKeyWhoseNameMatches) {
    // The layout gives a key above the table a name the table already uses for a lower key.
    machine.hotkeys.keyNames[0xDF] = "Tab";
    EXPECT_EQ(text.parseHotkeyText("Tab"), 0x09);
    machine.hotkeys.keyNames[0xDF] = "Oem";
    machine.hotkeys.keyNames[0xE9] = "Oem";
    EXPECT_EQ(text.parseHotkeyText("oem"), 0xDF);
}

}  // namespace
}  // namespace umbrix::hotkeys
