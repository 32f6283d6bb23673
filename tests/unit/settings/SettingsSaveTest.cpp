#include <gtest/gtest.h>

#include "SettingsTestSupport.hpp"
#include "settings/SettingsKeys.hpp"
#include "settings/SettingsSave.hpp"
#include "settings/SettingsWriteError.hpp"

namespace umbrix::settings {
namespace {

using testing::keysInOrder;
using testing::SettingsMachine;

std::vector<std::string> fullSaveKeys() {
    std::vector<std::string> keys;
    for (const SettingsKey& entry : settingsKeyTable()) {
        if (entry.savedBy & kFullSave) keys.emplace_back(entry.key);
    }
    return keys;
}

TEST(SettingsSave, AFullSaveOnAFreshInstallCreatesTheSectionWithThe33Keys) {
    SettingsMachine m;
    Options selections;
    selections.panicLeft = -1920;
    FullSaveResult result = writeOptions(m.file, selections);
    EXPECT_FALSE(result.exclusionFileSaved);
    EXPECT_EQ(
        m.text(),
        "[StartUp]\r\nAutoStart=0\r\nDisSplScreen=0\r\nDoBin=0\r\nTempFiles=0\r\nRecent=0\r\nURL=0\r\nUsePW=0\r\n"
        "UseDecoy=0\r\nHidePanic=0\r\nDecoy=\r\nAction=0\r\nMuteAudio=1\r\ncbDisableACT=0\r\nHkHide=CTRL+SPACE\r\n"
        "hkUnHide=CTRL+BACKSPACE\r\nDefaults=1\r\nPanicLeft=-1920\r\nPanicTop=0\r\n"
        "btnPanic=Hi, I'm the \"Panic Button\". You can move me, change me, rename me.\r\nTray=0\r\nSilent=0\r\n"
        "HideParent=1\r\nCloseParent=0\r\nPanicHeight=80\r\nPanicWidth=369\r\nLanguage=1033\r\nHistory=0\r\n"
        "zOrder=1\r\nTaskManager=0\r\nCloaked=1\r\nTransparancy=1\r\nrgExclude=0\r\nTheme=0\r\n");
    EXPECT_EQ(keysInOrder(m.text()), fullSaveKeys());
}

TEST(SettingsSave, TheStartSilentMenuMarkIsSavedFromTheCheckBox) {
    SettingsMachine m;
    Options selections;
    selections.startSilent = true;
    writeOptions(m.file, selections);
    EXPECT_NE(m.text().find("DisSplScreen=1\r\n"), std::string::npos);
    EXPECT_NE(m.text().find("Silent=1\r\n"), std::string::npos);
}

TEST(SettingsSave, AFullSaveAfterAMainWindowCloseAppendsTheTwoMissingKeysAtTheSectionsEnd) {
    SettingsMachine m;
    m.putText("; Umbrix\r\n[StartUp]\r\n\r\n[Other]\r\nX=1\r\n");
    Options selections;
    selections.action = 2;
    writeMainWindowSelections(m.file, selections);
    std::vector<std::string> expected = fullSaveKeys();
    expected.erase(expected.begin(), expected.begin() + 2);
    EXPECT_EQ(keysInOrder(m.text()), expected);
    EXPECT_EQ(expected.size(), 31u);

    selections.startWithWindows = true;
    writeOptions(m.file, selections);
    expected.push_back("AutoStart");
    expected.push_back("DisSplScreen");
    EXPECT_EQ(keysInOrder(m.text()), expected);
    const std::string text = m.text();
    EXPECT_NE(text.find("Theme=0\r\nAutoStart=1\r\nDisSplScreen=0\r\n\r\n[Other]\r\nX=1\r\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.rfind("; Umbrix\r\n[StartUp]\r\nDoBin=0\r\n", 0), 0u) << text;
}

TEST(SettingsSave, OnlyTheTrayIconChangeWritesTheIconKeys) {
    SettingsMachine m;
    writeTrayIconSelection(m.file, "%SystemRoot%\\SYSTEM32\\shell32.dll", 3);
    EXPECT_EQ(m.text(), "[StartUp]\r\nIconFile=%SystemRoot%\\SYSTEM32\\shell32.dll\r\nIconIndex=3\r\n");
    Options selections;  // holds no icon
    writeOptions(m.file, selections);
    writeMainWindowSelections(m.file, selections);
    EXPECT_EQ(m.file.readString("StartUp", "IconFile", ""), "%SystemRoot%\\SYSTEM32\\shell32.dll");
    EXPECT_EQ(keysInOrder(m.text()).size(), 35u);
}

TEST(SettingsSave, TheExclusionFileComesLastUnderAGuardOfItsOwn) {
    SettingsMachine m;
    Options selections;
    selections.themeIndex = 4;
    bool themeWasOnDisk = false;
    FullSaveResult saved =
        writeOptions(m.file, selections, [&] { themeWasOnDisk = m.file.readInteger("StartUp", "Theme", 0) == 4; });
    EXPECT_TRUE(themeWasOnDisk);
    EXPECT_TRUE(saved.exclusionFileSaved);

    selections.themeIndex = 5;
    FullSaveResult failed;
    EXPECT_NO_THROW(failed = writeOptions(m.file, selections, [] { throw std::runtime_error("disk full"); }));
    EXPECT_FALSE(failed.exclusionFileSaved);
    EXPECT_EQ(failed.exclusionFileError, "disk full");
    EXPECT_EQ(m.file.readInteger("StartUp", "Theme", 0), 5) << "the settings stay written";
}

TEST(SettingsSave, AReadOnlyFolderWritesNothingAndReportsTheError) {
    SettingsMachine m;
    m.machine.files.setReadOnly(testing::kExeFolder);
    bool exclusionFileWritten = false;
    EXPECT_THROW(writeOptions(m.file, Options{}, [&] { exclusionFileWritten = true; }), SettingsWriteError);
    EXPECT_FALSE(m.exists());
    EXPECT_FALSE(exclusionFileWritten);
    EXPECT_EQ(m.machine.files.mutations(), 1) << "the save stops at the first key";
    EXPECT_TRUE(m.machine.files.filesIn(testing::kExeFolder).empty());
}

}  // namespace
}  // namespace umbrix::settings
