#include <gtest/gtest.h>

#include "SettingsTestSupport.hpp"
#include "settings/SettingsLoad.hpp"
#include "settings/SettingsSave.hpp"

namespace umbrix::settings {
namespace {

using testing::SettingsMachine;

constexpr platform::ScreenPoint kDesktopOrigin{-1920, -200};  // a monitor left of and above the primary one

AppSelections loadAll(SettingsFile& file, AppSelections selections = {}) {
    loadMainWindowSelections(file, selections);
    loadPanicWindowSelections(file, selections, kDesktopOrigin);
    return selections;
}

// Every value other than its default.
AppSelections everythingChanged() {
    AppSelections s;
    s.AutoStart = s.cbRecycle = s.cbClearTemp = s.cbRecent = s.cbHistory = s.cbPassword = true;
    s.cbMuteAudio = false;
    s.cbDisableACT = s.HidePanic_f = s.cbHideIcon = s.cbSilent = true;
    s.cbCloaked = false;
    s.jvTransparency = 7;
    s.ThemeList = 5;
    s.Action = 3;
    s.cbHideParent = false;
    s.cbCloseParent = true;
    s.cbzOrder = false;
    s.cbTaskManager = true;
    s.edHide = "ALT+H";
    s.edUnHide = "SHIFT+ALT+U";
    s.UseDecoy = true;
    s.DecoyApp = "C:\\Users\\Jos\xC3\xA9\\notes.txt";
    s.rgExclude = 1;
    s.UseDefaultKeys = false;
    s.DefLanguage = 1036;
    s.IconFile = "C:\\Windows\\System32\\shell32.dll";
    s.IconIndex = 41;
    s.PanicLeft = -1500;
    s.PanicTop = 20;
    s.PanicHeight = 120;
    s.PanicWidth = 400;
    s.btnPanic = "Boss!";
    return s;
}

TEST(SettingsLoad, FirstStartWithoutAFileShowsTheTableDefaults) {
    SettingsMachine m;
    AppSelections loaded = loadAll(m.file, everythingChanged());
    AppSelections expected;  // the design defaults are the table's defaults ...
    expected.PanicLeft = kDesktopOrigin.x;  // ... but the panic window starts at the desktop's corner
    expected.PanicTop = kDesktopOrigin.y;
    EXPECT_EQ(loaded, expected);
    EXPECT_FALSE(m.exists()) << "loading creates nothing";
}

TEST(SettingsLoad, EverySavedValueLoadsBackEvenUnderAHandWrittenHeaderInCapitals) {
    SettingsMachine m;
    const AppSelections saved = everythingChanged();
    WriteAppSelections(m.file, saved);
    writeTrayIconSelection(m.file, saved.IconFile, saved.IconIndex);
    std::string text = m.text();
    ASSERT_EQ(text.rfind("[StartUp]\r\n", 0), 0u);
    m.putText("[STARTUP]" + text.substr(9));
    EXPECT_EQ(loadAll(m.file), saved);
}

struct LoadCase {
    const char* what;
    const char* lines;  // of section "StartUp"
    std::function<bool(const AppSelections&)> holds;
};

TEST(SettingsLoad, ValuesAreReadClampedAndDefaultedKeyByKey) {
    const LoadCase cases[] = {
        {"History decides over URL", "URL=1\r\nHistory=0", [](auto& s) { return !s.cbHistory; }},
        {"History decides over URL, the other way", "URL=0\r\nHistory=1", [](auto& s) { return s.cbHistory; }},
        {"Transparancy above the slider", "Transparancy=25", [](auto& s) { return s.jvTransparency == 10; }},
        {"Transparancy below the slider", "Transparancy=-4", [](auto& s) { return s.jvTransparency == 0; }},
        {"Action above the group", "Action=7", [](auto& s) { return s.Action == 4; }},
        {"Action below the group selects nothing", "Action=-3", [](auto& s) { return s.Action == kNoActionSelected; }},
        {"rgExclude above its range", "rgExclude=5", [](auto& s) { return s.rgExclude == 1; }},
        {"Theme as a name", "Theme=Glow", [](auto& s) { return s.ThemeList == 0; }},
        {"Theme outside the list is kept", "Theme=99", [](auto& s) { return s.ThemeList == 99; }},
        {"MuteAudio not an integer", "MuteAudio=yes", [](auto& s) { return s.cbMuteAudio; }},
        {"MuteAudio in hexadecimal", "MuteAudio=0x0", [](auto& s) { return !s.cbMuteAudio; }},
        {"Decoy in quotes", "Decoy=\"C:\\My Games\\x.exe\"",
         [](auto& s) { return s.DecoyApp == "C:\\My Games\\x.exe"; }},
        {"btnPanic loses its blanks", "btnPanic=   Hello there   ",
         [](auto& s) { return s.btnPanic == "Hello there"; }},
        {"a hotkey text", "HkHide=CTRL+ALT+H", [](auto& s) { return s.edHide == "CTRL+ALT+H"; }},
        {"Language carried", "Language=2052", [](auto& s) { return s.DefLanguage == 2052; }},
        {"PanicLeft stored", "PanicLeft=-100",
         [](auto& s) { return s.PanicLeft == -100 && s.PanicTop == kDesktopOrigin.y; }},
        {"DisSplScreen is never read", "DisSplScreen=1", [](auto& s) { return !s.cbSilent; }},
        {"Silent", "Silent=1", [](auto& s) { return s.cbSilent; }},
    };
    for (const LoadCase& c : cases) {
        SettingsMachine m;
        m.putText(std::string("[StartUp]\r\n") + c.lines + "\r\n");
        EXPECT_TRUE(c.holds(loadAll(m.file))) << c.what;
    }
}

TEST(SettingsLoad, TheReloadAfterALanguageSwitchHidesPanicButtonAndTrayIconByDefault) {
    SettingsMachine m;
    AppSelections reloaded;
    ReadAppSelections(m.file, reloaded);
    EXPECT_TRUE(reloaded.HidePanic_f);
    EXPECT_TRUE(reloaded.cbHideIcon);
    AppSelections created;
    loadMainWindowSelections(m.file, created);
    EXPECT_FALSE(created.HidePanic_f);
    EXPECT_FALSE(created.cbHideIcon);

    m.putText("[StartUp]\r\nHidePanic=0\r\nTray=0\r\n");
    ReadAppSelections(m.file, reloaded);
    EXPECT_FALSE(reloaded.HidePanic_f);
    EXPECT_FALSE(reloaded.cbHideIcon);
}

TEST(SettingsLoad, TheReloadLeavesSliderThemeAndPanicWindowAlone) {
    SettingsMachine m;
    m.putText("[StartUp]\r\nTransparancy=2\r\nTheme=3\r\nPanicLeft=5\r\nbtnPanic=x\r\nAction=2\r\n");
    AppSelections selections = everythingChanged();
    const AppSelections before = selections;
    ReadAppSelections(m.file, selections);
    EXPECT_EQ(selections.jvTransparency, before.jvTransparency);
    EXPECT_EQ(selections.ThemeList, before.ThemeList);
    EXPECT_EQ(selections.PanicLeft, before.PanicLeft);
    EXPECT_EQ(selections.btnPanic, before.btnPanic);
    EXPECT_EQ(selections.Action, 2);
}

struct Recorder : SettingsLoadListener {
    std::vector<std::string> keys;
    std::vector<std::string> changed;
    std::vector<std::string> decoyWhenUseDecoyLoaded;
    const AppSelections* selections = nullptr;
    void settingLoaded(const SettingsKey& key, bool didChange) override {
        keys.emplace_back(key.key);
        if (didChange) changed.emplace_back(key.key);
        if (key.key == "UseDecoy") decoyWhenUseDecoyLoaded.push_back(selections->DecoyApp);
    }
};

TEST(SettingsLoad, KeysArriveOneByOneInTheWindowsOrderTellingWhatChanged) {
    SettingsMachine m;
    m.putText("[StartUp]\r\nUseDecoy=0\r\nDecoy=C:\\decoy.txt\r\nAction=2\r\nHidePanic=1\r\n");
    AppSelections selections;
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
