#include <gtest/gtest.h>

#include <set>

#include "settings/ProfileText.hpp"
#include "settings/SettingsKeys.hpp"
#include "settings/SettingsLoad.hpp"

namespace umbrix::settings {
namespace {

std::vector<std::string_view> keysSavedBy(SaveSet save) {
    std::vector<std::string_view> keys;
    for (const SettingsKey& entry : settingsKeyTable()) {
        if (entry.savedBy & save) keys.push_back(entry.key);
    }
    return keys;
}

TEST(SettingsKeys, EachSaveWritesItsKeysInTableOrder) {
    const std::vector<std::string_view> full = {
        "AutoStart",   "DisSplScreen", "DoBin",        "TempFiles",  "Recent",    "URL",          "UsePW",
        "UseDecoy",    "HidePanic",    "Decoy",        "Action",     "MuteAudio", "cbDisableACT", "HkHide",
        "hkUnHide",    "Defaults",     "PanicLeft",    "PanicTop",   "btnPanic",  "Tray",         "Silent",
        "HideParent",  "CloseParent",  "PanicHeight",  "PanicWidth", "Language",  "History",      "zOrder",
        "TaskManager", "Cloaked",      "Transparancy", "rgExclude",  "Theme"};
    EXPECT_EQ(keysSavedBy(kFullSave), full);
    std::vector<std::string_view> close(full.begin() + 2, full.end());
    EXPECT_EQ(keysSavedBy(kMainWindowClose), close);
    EXPECT_EQ(keysSavedBy(kTrayIconChange), (std::vector<std::string_view>{"IconFile", "IconIndex"}));
}

TEST(SettingsKeys, EveryEntryIsConsistent) {
    std::set<std::string_view> names;
    for (const SettingsKey& entry : settingsKeyTable()) {
        EXPECT_TRUE(names.insert(entry.key).second) << entry.key << " twice";
        // The default has the field's type (an edge of the desktop is an integer).
        const bool typeMatches = std::visit(
            [&](const auto& field) {
                using Field = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<Field, BoolField>)
                    return std::holds_alternative<bool>(entry.defaultValue);
                else if constexpr (std::is_same_v<Field, StringField>)
                    return std::holds_alternative<std::string_view>(entry.defaultValue);
                else
                    return std::holds_alternative<std::int32_t>(entry.defaultValue) ||
                           std::holds_alternative<DesktopEdge>(entry.defaultValue);
            },
            entry.field);
        EXPECT_TRUE(typeMatches) << entry.key;
        EXPECT_EQ(entry.loadRange.has_value(),
                  entry.key == "Transparancy" || entry.key == "Action" || entry.key == "rgExclude")
            << entry.key;
        // Every section spelling names the one section.
        for (std::string_view section : {entry.readSection, entry.writeSection})
            EXPECT_TRUE(asciiNamesEqual(section, kSettingsSection)) << entry.key;
    }
}

// A new Options takes its values from the table alone: these are the choices of a first start.
TEST(SettingsKeys, ANewOptionsHoldsTheFirstStartChoices) {
    const Options options;
    EXPECT_TRUE(options.muteAudio);
    EXPECT_TRUE(options.ignoreCloakedWindows);
    EXPECT_TRUE(options.hideParentWindows);
    EXPECT_TRUE(options.keepZOrder);
    EXPECT_TRUE(options.useDefaultHotkeys);
    EXPECT_FALSE(options.requirePassword);
    EXPECT_FALSE(options.startWithWindows || options.startSilent || options.alwaysHideTrayIcon);
    EXPECT_EQ(options.hideHotkeyText, "CTRL+SPACE");
    EXPECT_EQ(options.unhideHotkeyText, "CTRL+BACKSPACE");
    EXPECT_EQ(options.action, 0);
    EXPECT_EQ(options.panicButtonTransparency, 1);
    EXPECT_EQ(options.language, 1033);
    EXPECT_EQ(options.iconIndex, 3);
    EXPECT_EQ(options.panicHeight, 80);
    EXPECT_EQ(options.panicWidth, 369);
    EXPECT_EQ(options.panicButtonLabel, kDefaultPanicLabel);
}

TEST(SettingsKeys, LoadOrdersNameKeysThatAreRead) {
    EXPECT_EQ(mainWindowLoadOrder().size(), 29u);
    EXPECT_EQ(mainWindowLoadOrder()[0], "Transparancy");
    EXPECT_EQ(mainWindowLoadOrder()[1], "Theme");
    EXPECT_TRUE(
        std::equal(languageReloadOrder().begin(), languageReloadOrder().end(), mainWindowLoadOrder().begin() + 2));
    for (auto order : {mainWindowLoadOrder(), panicWindowLoadOrder()}) {
        for (std::string_view name : order) EXPECT_TRUE(settingsKey(name).loaded) << name;
    }
    // Every key that is read is read by one of the windows, and only "DisSplScreen" is never read.
    std::set<std::string_view> loaded(mainWindowLoadOrder().begin(), mainWindowLoadOrder().end());
    loaded.insert(panicWindowLoadOrder().begin(), panicWindowLoadOrder().end());
    for (const SettingsKey& entry : settingsKeyTable())
        EXPECT_EQ(loaded.count(entry.key) == 1, entry.key != "DisSplScreen") << entry.key;
    EXPECT_THROW(settingsKey("Nonexistent"), std::out_of_range);
}

}  // namespace
}  // namespace umbrix::settings
