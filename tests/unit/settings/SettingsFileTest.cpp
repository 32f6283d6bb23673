#include <gtest/gtest.h>

#include "SettingsTestSupport.hpp"
#include "settings/SettingsWriteError.hpp"

namespace umbrix::settings {
namespace {

using testing::kSettingsPath;
using testing::SettingsMachine;

TEST(SettingsFile, LivesBesideTheExecutableAndBindingTouchesNothing) {
    EXPECT_EQ(settingsFilePathFor("C:\\Program Files\\Umbrix\\Umbrix.exe"), "C:\\Program Files\\Umbrix\\QZ.ini");
    EXPECT_EQ(settingsFilePathFor("D:\\Umbrix.exe"), "D:\\QZ.ini");
    EXPECT_EQ(settingsFilePathFor("\\\\server\\share\\u\\Umbrix.exe"), "\\\\server\\share\\u\\QZ.ini");

    SettingsMachine m;
    EXPECT_EQ(m.file.path(), kSettingsPath);
    EXPECT_EQ(m.machine.files.reads(), 0);
    EXPECT_EQ(m.machine.files.mutations(), 0);
    EXPECT_FALSE(m.exists());
}

TEST(SettingsFile, MissingFileSectionOrKeyGiveTheDefault) {
    SettingsMachine m;
    EXPECT_EQ(m.file.readString("StartUp", "Decoy", "none"), "none");
    EXPECT_EQ(m.file.readInteger("StartUp", "Action", 2), 2);
    EXPECT_TRUE(m.file.readBool("StartUp", "MuteAudio", true));
    m.putText("[Other]\r\nAction=3\r\n");
    EXPECT_EQ(m.file.readInteger("StartUp", "Action", 2), 2);
    m.putText("[StartUp]\r\nTheme=3\r\n");
    EXPECT_EQ(m.file.readInteger("StartUp", "Action", 2), 2);
    EXPECT_EQ(m.machine.files.mutations(), 0) << "reads never write";
}

TEST(SettingsFile, EveryReadSeesTheFileAsItIsNow) {
    SettingsMachine m;
    m.file.writeInteger("StartUp", "Action", 3);
    EXPECT_EQ(m.file.readInteger("StartUp", "Action", 0), 3);
    m.putText("[StartUp]\r\nAction=1\r\n");  // changed behind the binding's back
    EXPECT_EQ(m.file.readInteger("StartUp", "Action", 0), 1);
}

TEST(SettingsFile, WritesTheCodePageAndReadsItBack) {
    SettingsMachine m;
    m.file.writeString("StartUp", "Decoy", "C:\\D\xC3\xA9\x63oy \xE2\x82\xAC\\\xE4\xB8\xAD.txt");  // é, €, 中
    m.file.writeBool("StartUp", "UseDecoy", true);
    m.file.writeInteger("StartUp", "PanicLeft", -1280);
    EXPECT_EQ(m.machine.files.readFile(kSettingsPath),
              "[StartUp]\r\nDecoy=C:\\D\xE9\x63oy \x80\\?.txt\r\nUseDecoy=1\r\nPanicLeft=-1280\r\n");
    EXPECT_EQ(m.file.readString("StartUp", "Decoy", ""), "C:\\D\xC3\xA9\x63oy \xE2\x82\xAC\\?.txt");
    EXPECT_TRUE(m.file.readBool("StartUp", "UseDecoy", false));
    EXPECT_EQ(m.file.readInteger("StartUp", "PanicLeft", 0), -1280);
    EXPECT_EQ(m.machine.files.filesIn(testing::kExeFolder), std::set<std::string>{"QZ.ini"}) << "no temporary left";
}

TEST(SettingsFile, AValueTheFileAlreadyHoldsIsNotWrittenAgain) {
    SettingsMachine m;
    m.file.writeInteger("StartUp", "Action", 3);
    const int mutations = m.machine.files.mutations();
    m.file.writeInteger("StartUp", "Action", 3);
    EXPECT_EQ(m.machine.files.mutations(), mutations);
    m.file.writeInteger("StartUp", "Action", 4);
    EXPECT_GT(m.machine.files.mutations(), mutations);
}

TEST(SettingsFile, ARefusedWriteRaisesTheErrorAndKeepsTheFile) {
    SettingsMachine m;
    m.putText("[StartUp]\r\nAction=1\r\n");
    m.machine.files.setReadOnly(testing::kExeFolder);
    try {
        m.file.writeInteger("StartUp", "Action", 2);
        FAIL() << "the write was refused";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to C:\\Program Files\\Umbrix\\QZ.ini");
        EXPECT_EQ(error.path(), kSettingsPath);
        EXPECT_EQ(error.code(), platform::errors::kAccessDenied);
    }
    EXPECT_EQ(m.text(), "[StartUp]\r\nAction=1\r\n");

    m.machine.files.setReadOnly(testing::kExeFolder, false);
    m.machine.files.failMutation(0, platform::errors::kDiskFull);
    try {
        m.file.writeInteger("StartUp", "Action", 2);
        FAIL() << "the disk was full";
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(error.code(), platform::errors::kDiskFull);
    }
    EXPECT_EQ(m.text(), "[StartUp]\r\nAction=1\r\n");
}

TEST(SettingsFile, UnicodeFilesStayUnicode) {
    SettingsMachine m;
    // Saved as "Unicode" by an editor: UTF-16 with a byte-order mark.
    m.machine.files.putFile(kSettingsPath, std::string("\xFF\xFE[\0S\0]\0\r\0\n\0", 12));
    m.file.writeString("S", "Decoy", "\xE4\xB8\xAD");  // 中 survives in a Unicode file
    EXPECT_EQ(m.machine.files.readFile(kSettingsPath),
              std::string("\xFF\xFE[\0S\0]\0\r\0\n\0D\0e\0c\0o\0y\0=\0\x2D\x4E\r\0\n\0", 30));
    EXPECT_EQ(m.file.readString("s", "DECOY", ""), "\xE4\xB8\xAD");
}

TEST(SettingsFile, IllFormedUtf8InAUnicodeFileNeverBecomesALineBreak) {
    SettingsMachine m;
    // C0 8D C0 8A is an overlong CR LF: four ill-formed bytes inside the "Decoy" value, not a
    // line break before "Action=4".
    const std::string bytes =
        "\xEF\xBB\xBF[StartUp]\r\nDecoy=C:\\a\xC0\x8D\xC0\x8A"
        "Action=4\r\n";
    m.machine.files.putFile(kSettingsPath, bytes);
    const std::string replaced = "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD";
    EXPECT_EQ(m.file.readInteger("StartUp", "Action", 0), 0);
    EXPECT_EQ(m.file.readString("StartUp", "Decoy", ""), "C:\\a" + replaced + "Action=4");

    // The next save writes the value back on its own line and adds no line "Action=4".
    m.file.writeBool("StartUp", "UsePW", true);
    EXPECT_EQ(m.machine.files.readFile(kSettingsPath),
              "\xEF\xBB\xBF[StartUp]\r\nDecoy=C:\\a" + replaced + "Action=4\r\nUsePW=1\r\n");
    EXPECT_EQ(m.file.readInteger("StartUp", "Action", 0), 0);
}

}  // namespace
}  // namespace umbrix::settings
