#include <gtest/gtest.h>

#include "SettingsTestSupport.hpp"
#include "settings/SettingsLoad.hpp"
#include "settings/SettingsSave.hpp"

namespace umbrix::settings {
namespace {

using testing::SettingsMachine;

constexpr platform::ScreenPoint kDesktopOrigin{-1920, -200};  // a monitor left of and above the primary one

Options loadAll(SettingsFile& file, Options selections = {}) {
    loadMainWindowSelections(file, selections);
    loadPanicWindowSelections(file, selections, kDesktopOrigin);
    return selections;
}

// Every value other than its default.
Options everythingChanged() {
    Options s;
    s.startWithWindows = s.emptyRecycleBin = s.clearTemporaryFiles = s.clearRecentDocuments = s.clearInternetHistory =
        s.requirePassword = true;
    s.muteAudio = false;
    s.disableCtrlAltDel = s.alwaysHidePanicButton = s.alwaysHideTrayIcon = s.startSilent = true;
    s.ignoreCloakedWindows = false;
    s.panicButtonTransparency = 7;
    s.themeIndex = 5;
    s.action = 3;
    s.hideParentWindows = false;
    s.closeParentWindows = true;
    s.keepZOrder = false;
    s.disableTaskManager = true;
    s.hideHotkeyText = "ALT+H";
    s.unhideHotkeyText = "SHIFT+ALT+U";
    s.useDecoy = true;
    s.decoyProgram = "C:\\Users\\Jos\xC3\xA9\\notes.txt";
    s.exclusionMode = 1;
    s.useDefaultHotkeys = false;
    s.language = 1036;
    s.iconFile = "C:\\Windows\\System32\\shell32.dll";
    s.iconIndex = 41;
    s.panicLeft = -1500;
    s.panicTop = 20;
    s.panicHeight = 120;
    s.panicWidth = 400;
    s.panicButtonLabel = "Boss!";
    return s;
}

TEST(SettingsLoad, FirstStartWithoutAFileShowsTheTableDefaults) {
    SettingsMachine m;
    Options loaded = loadAll(m.file, everythingChanged());
    Options expected;  // the design defaults are the table's defaults ...
    expected.panicLeft = kDesktopOrigin.x;  // ... but the panic window starts at the desktop's corner
    expected.panicTop = kDesktopOrigin.y;
    EXPECT_EQ(loaded, expected);
    EXPECT_FALSE(m.exists()) << "loading creates nothing";
}

TEST(SettingsLoad, EverySavedValueLoadsBackEvenUnderAHandWrittenHeaderInCapitals) {
    SettingsMachine m;
    const Options saved = everythingChanged();
    writeOptions(m.file, saved);
    writeTrayIconSelection(m.file, saved.iconFile, saved.iconIndex);
    std::string text = m.text();
    ASSERT_EQ(text.rfind("[StartUp]\r\n", 0), 0u);
    m.putText("[STARTUP]" + text.substr(9));
    EXPECT_EQ(loadAll(m.file), saved);
}

struct LoadCase {
    const char* what;
    const char* lines;  // of section "StartUp"
    std::function<bool(const Options&)> holds;
};

TEST(SettingsLoad, ValuesAreReadClampedAndDefaultedKeyByKey) {
    const LoadCase cases[] = {
        {"History decides over URL", "URL=1\r\nHistory=0", [](auto& s) { return !s.clearInternetHistory; }},
        {"History decides over URL, the other way", "URL=0\r\nHistory=1",
         [](auto& s) { return s.clearInternetHistory; }},
        {"Transparancy above the slider", "Transparancy=25", [](auto& s) { return s.panicButtonTransparency == 10; }},
        {"Transparancy below the slider", "Transparancy=-4", [](auto& s) { return s.panicButtonTransparency == 0; }},
        {"Action above the group", "Action=7", [](auto& s) { return s.action == 4; }},
        {"Action below the group selects nothing", "Action=-3", [](auto& s) { return s.action == kNoActionSelected; }},
        {"rgExclude above its range", "rgExclude=5", [](auto& s) { return s.exclusionMode == 1; }},
        {"Theme as a name", "Theme=Glow", [](auto& s) { return s.themeIndex == 0; }},
        {"Theme outside the list is kept", "Theme=99", [](auto& s) { return s.themeIndex == 99; }},
        {"MuteAudio not an integer", "MuteAudio=yes", [](auto& s) { return s.muteAudio; }},
        {"MuteAudio in hexadecimal", "MuteAudio=0x0", [](auto& s) { return !s.muteAudio; }},
        {"Decoy in quotes", "Decoy=\"C:\\My Games\\x.exe\"",
         [](auto& s) { return s.decoyProgram == "C:\\My Games\\x.exe"; }},
        {"btnPanic loses its blanks", "btnPanic=   Hello there   ",
         [](auto& s) { return s.panicButtonLabel == "Hello there"; }},
        {"a hotkey text", "HkHide=CTRL+ALT+H", [](auto& s) { return s.hideHotkeyText == "CTRL+ALT+H"; }},
        {"Language carried", "Language=2052", [](auto& s) { return s.language == 2052; }},
        {"PanicLeft stored", "PanicLeft=-100",
         [](auto& s) { return s.panicLeft == -100 && s.panicTop == kDesktopOrigin.y; }},
        {"DisSplScreen is never read", "DisSplScreen=1", [](auto& s) { return !s.startSilent; }},
        {"Silent", "Silent=1", [](auto& s) { return s.startSilent; }},
    };
    for (const LoadCase& c : cases) {
        SettingsMachine m;
        m.putText(std::string("[StartUp]\r\n") + c.lines + "\r\n");
        EXPECT_TRUE(c.holds(loadAll(m.file))) << c.what;
    }
}

TEST(SettingsLoad, TheReloadAfterALanguageSwitchHidesPanicButtonAndTrayIconByDefault) {
    SettingsMachine m;
    Options reloaded;
    readOptions(m.file, reloaded);
    EXPECT_TRUE(reloaded.alwaysHidePanicButton);
    EXPECT_TRUE(reloaded.alwaysHideTrayIcon);
    Options created;
    loadMainWindowSelections(m.file, created);
    EXPECT_FALSE(created.alwaysHidePanicButton);
    EXPECT_FALSE(created.alwaysHideTrayIcon);

    m.putText("[StartUp]\r\nHidePanic=0\r\nTray=0\r\n");
    readOptions(m.file, reloaded);
    EXPECT_FALSE(reloaded.alwaysHidePanicButton);
    EXPECT_FALSE(reloaded.alwaysHideTrayIcon);
}

TEST(SettingsLoad, TheReloadLeavesSliderThemeAndPanicWindowAlone) {
    SettingsMachine m;
    m.putText("[StartUp]\r\nTransparancy=2\r\nTheme=3\r\nPanicLeft=5\r\nbtnPanic=x\r\nAction=2\r\n");
    Options selections = everythingChanged();
    const Options before = selections;
    readOptions(m.file, selections);
    EXPECT_EQ(selections.panicButtonTransparency, before.panicButtonTransparency);
    EXPECT_EQ(selections.themeIndex, before.themeIndex);
    EXPECT_EQ(selections.panicLeft, before.panicLeft);
    EXPECT_EQ(selections.panicButtonLabel, before.panicButtonLabel);
    EXPECT_EQ(selections.action, 2);
}

struct Recorder : SettingsLoadListener {
    std::vector<std::string> keys;
    std::vector<std::string> changed;
    std::vector<std::string> decoyWhenUseDecoyLoaded;
    const Options* selections = nullptr;
    void settingLoaded(const SettingsKey& key, bool didChange) override {
        keys.emplace_back(key.key);
        if (didChange) changed.emplace_back(key.key);
        if (key.key == "UseDecoy") decoyWhenUseDecoyLoaded.push_back(selections->decoyProgram);
    }
};

TEST(SettingsLoad, KeysArriveOneByOneInTheWindowsOrderTellingWhatChanged) {
    SettingsMachine m;
    m.putText("[StartUp]\r\nUseDecoy=0\r\nDecoy=C:\\decoy.txt\r\nAction=2\r\nHidePanic=1\r\n");
    Options selections;
    Recorder recorder;
    recorder.selections = &selections;
    loadMainWindowSelections(m.file, selections, &recorder);
    EXPECT_EQ(recorder.keys, std::vector<std::string>(mainWindowLoadOrder().begin(), mainWindowLoadOrder().end()));
    EXPECT_EQ(recorder.changed, (std::vector<std::string>{"Decoy", "Action", "HidePanic"}));
    // "UseDecoy" is applied before "Decoy", so a window can let a loaded path enable it.
    EXPECT_EQ(recorder.decoyWhenUseDecoyLoaded, std::vector<std::string>{""});

    Recorder again;
    again.selections = &selections;
    loadMainWindowSelections(m.file, selections, &again);
    EXPECT_TRUE(again.changed.empty()) << "a control set to the state it has runs nothing";

    Recorder panic;
    loadPanicWindowSelections(m.file, selections, kDesktopOrigin, &panic);
    EXPECT_EQ(panic.keys, (std::vector<std::string>{"PanicLeft", "PanicTop", "PanicHeight", "PanicWidth", "btnPanic"}));
}

TEST(SettingsLoad, TheSplashReadsSilentThroughABindingOfItsOwn) {
    SettingsMachine m;
    EXPECT_FALSE(readSplashSilent(m.machine.platform()));
    m.putText("[startup]\r\nSilent = 1\r\n");
    EXPECT_TRUE(readSplashSilent(m.machine.platform()));
    m.putText("[StartUp]\r\nSilent=maybe\r\n");
    EXPECT_FALSE(readSplashSilent(m.machine.platform()));
    EXPECT_EQ(m.machine.files.mutations(), 0);
}

}  // namespace
}  // namespace umbrix::settings
