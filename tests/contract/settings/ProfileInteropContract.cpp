// Windows' own profile functions and our settings file read each other's files the same way.
#include <windows.h>

#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "TestFolder.hpp"
#include "win32/UniqueHandle.hpp"
#include "win32/Utf16.hpp"
#include "settings/SettingsFile.hpp"
#include "settings/SettingsSave.hpp"
#include "settings/SettingsWriteError.hpp"

namespace umbrix::contract {
namespace {

using settings::SettingsFile;
using win32::narrow;
using win32::widen;

// What both sides give for a missing key, so that missing and empty can be told apart.
const std::string kMissing = "<missing>";

const char* const kSections[] = {"StartUp", "STARTUP", "Other"};
const char* const kKeys[] = {"Action", "Decoy", "btnPanic", "A", "Missing"};

class ProfileInteropContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform ports = env->platform();
    std::string path = folderOfThisTest(*env, ports.files) + "\\QZ.ini";
    SettingsFile ours{ports.files, ports.text, path};

    // Drops the profile functions' cached copy, so that they read what is on disk now.
    void forgetCachedFile() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, widen(path).c_str()); }

    std::string windowsRead(std::string_view section, std::string_view key) {
        forgetCachedFile();
        std::wstring buffer(2048, L'\0');
        DWORD n = GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(kMissing).c_str(),
                                           buffer.data(), static_cast<DWORD>(buffer.size()), widen(path).c_str());
        buffer.resize(n);
        return narrow(buffer);
    }

    int windowsReadInteger(std::string_view section, std::string_view key, int defaultValue) {
        forgetCachedFile();
        return static_cast<int>(
            GetPrivateProfileIntW(widen(section).c_str(), widen(key).c_str(), defaultValue, widen(path).c_str()));
    }

    void windowsWrite(std::string_view section, std::string_view key, std::string_view value) {
        forgetCachedFile();
        ASSERT_TRUE(WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(value).c_str(),
                                               widen(path).c_str()))
            << key;
        forgetCachedFile();
    }

    void putBytes(std::string_view bytes) {
        forgetCachedFile();
        ASSERT_TRUE(ports.files.writeFileThrough(path, bytes));
    }

    // Every section and key of the query lists reads the same through both.
    void expectBothReadAlike(const std::string& what) {
        for (const char* section : kSections) {
            for (const char* key : kKeys) {
                EXPECT_EQ(ours.readString(section, key, kMissing), windowsRead(section, key))
                    << what << ": " << section << "/" << key << "\nfile:\n"
                    << ports.files.readFile(path).value_or("(none)");
            }
        }
    }
};

struct TrickyFile {
    const char* what;
    std::string bytes;  // as stored: the code page unless a byte-order mark says otherwise
};

std::vector<TrickyFile> trickyFiles() {
    return {
        {"none", ""},
        {"blanks around names, = and values", "[StartUp]\r\n  Action  =  3  \r\nDecoy =\t C:\\x y.txt \t\r\n"},
        {"blanks inside the brackets", "  [ StartUp ]  \r\nAction=6\r\n"},
        {"text after the bracket", "[StartUp] trailing\r\nAction=7\r\n"},
        {"quotes", "[StartUp]\r\nDecoy=\"C:\\My Files\\a.txt\"\r\nbtnPanic='Hi'\r\nA=\"x'\r\nAction=\"\"\r\n"},
        {"more quotes", "[StartUp]\r\nDecoy=\"\"x\"\"\r\nbtnPanic=\"\r\nA=x\"\r\n"},
        {"letter case", "[startup]\r\nACTION=2\r\ndecoy=z\r\n"},
        {"comments", "; comment\r\n[StartUp]\r\n;Action=9\r\nAction=1\r\n#A=2\r\n; A=3\r\n"},
        {"missing section", "[Other]\r\nAction=3\r\n"},
        {"key before the first section", "Action=5\r\n[StartUp]\r\nDecoy=d\r\n"},
        {"duplicate sections and keys",
         "[StartUp]\r\nAction=1\r\nAction=2\r\n[Other]\r\nA=1\r\n[StartUp]\r\nDecoy=late\r\n"},
        {"key lines without =", "[StartUp]\r\nAction\r\nAction=3\r\nDecoy\r\n"},
        {"invalid header", "[StartUp\r\nAction=8\r\n[Other]\r\nA=o\r\n"},
        {"lone CR line ends", "[StartUp]\rAction=4\rDecoy=cr\r[Other]\rA=5"},
        {"LF line ends", "[StartUp]\nAction=4\nDecoy=lf\n\n[Other]\nA=5\n"},
        {"blank lines", "\r\n\r\n[StartUp]\r\n\r\n\r\nAction=4\r\n\r\n"},
        {"empty values and = in a value", "[StartUp]\r\nDecoy=\r\nAction=\r\nbtnPanic=a=b\r\n"},
        {"Western characters", "[StartUp]\r\nDecoy=C:\\D\xE9\x80\x63oy\\na\xEFve.txt\r\nbtnPanic=\xC0 bient\xF4t\r\n"},
        {"DOS end-of-file mark", "[StartUp]\r\nAction=3\x1A"},
        {"a value longer than 2047", "[StartUp]\r\nDecoy=" + std::string(3000, 'v') + "\r\n"},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF[StartUp]\r\nDecoy=C:\\\xE4\xB8\xAD.txt\r\n"},
        {"UTF-16 with a byte-order mark",
         std::string("\xFF\xFE[\0S\0t\0a\0r\0t\0U\0p\0]\0\r\0\n\0A\0=\0\x2D\x4E\r\0\n\0", 34)},
    };
}

TEST_F(ProfileInteropContract, TrickyFilesReadTheSameThroughBoth) {
    for (const TrickyFile& file : trickyFiles()) {
        if (file.bytes.empty())
            ports.files.deleteFile(path);
        else
            putBytes(file.bytes);
        expectBothReadAlike(file.what);
    }
}

TEST_F(ProfileInteropContract, FilesWrittenByWindowsReadTheSameThroughOurs) {
    const std::pair<const char*, std::string> values[] = {
        {"Decoy", "  padded  "}, {"btnPanic", "\"quoted\""}, {"A", "C:\\D\xC3\xA9\x63oy \xE2\x82\xAC.txt"},
        {"Action", ""},          {"Decoy", "a=b"},           {"Missing", std::string(2500, 'm')},
    };
    for (const TrickyFile& file : trickyFiles()) {
        if (file.bytes.empty())
            ports.files.deleteFile(path);
        else
            putBytes(file.bytes);
        for (const auto& [key, value] : values) windowsWrite("StartUp", key, value);
        windowsWrite("STARTUP", "A", "again");
        expectBothReadAlike(std::string("Windows wrote over: ") + file.what);
        expectBothReadAlike(file.what);
        EXPECT_EQ(ours.readString("StartUp", "Missing", ""), std::string(2047, 'm'));
    }
}

TEST_F(ProfileInteropContract, FilesWrittenByUsReadTheSameThroughWindows) {
    for (const TrickyFile& file : trickyFiles()) {
        if (file.bytes.empty())
            ports.files.deleteFile(path);
        else
            putBytes(file.bytes);
        ours.writeInteger("StartUp", "Action", -12);
        ours.writeString("StartUp", "Decoy", "  C:\\D\xC3\xA9\x63oy \xE2\x82\xAC.txt ");
        ours.writeString("STARTUP", "btnPanic", "'Hi, I'm \"Panic\"'");
        ours.writeBool("StartUp", "A", true);
        ours.writeString("Other", "A", "other");
        expectBothReadAlike(std::string("we wrote over: ") + file.what);
        EXPECT_EQ(windowsReadInteger("StartUp", "Action", 99), -12) << file.what;
        EXPECT_EQ(windowsReadInteger("StartUp", "A", 99), 1) << file.what;
        EXPECT_EQ(windowsRead("StartUp", "btnPanic"), "Hi, I'm \"Panic\"") << file.what;
    }
}

TEST_F(ProfileInteropContract, TakingTurnsKeepsEveryKey) {
    ours.writeInteger("StartUp", "Action", 1);
    windowsWrite("StartUp", "Decoy", "from Windows");
    ours.writeString("StartUp", "btnPanic", "from us");
    windowsWrite("Other", "A", "x");
    ours.writeInteger("StartUp", "Action", 2);
    EXPECT_EQ(windowsReadInteger("StartUp", "Action", 0), 2);
    EXPECT_EQ(ours.readString("StartUp", "Decoy", ""), "from Windows");
    EXPECT_EQ(windowsRead("StartUp", "btnPanic"), "from us");
    expectBothReadAlike("taking turns");
}

TEST_F(ProfileInteropContract, AFullSaveReadsBackThroughWindows) {
    settings::Options saved;
    saved.action = 4;
    saved.panicLeft = -1920;
    saved.decoyProgram = "C:\\x.txt";
    settings::writeOptions(ours, saved);
    EXPECT_EQ(windowsReadInteger("StartUp", "Action", 0), 4);
    EXPECT_EQ(windowsReadInteger("StartUp", "PanicLeft", 0), -1920);
    EXPECT_EQ(windowsReadInteger("StartUP", "HidePanic", 7), 0);
    EXPECT_EQ(windowsReadInteger("Startup", "Transparancy", 7), 1);
    EXPECT_EQ(windowsReadInteger("StartUp", "MuteAudio", 7), 1);
    EXPECT_EQ(windowsRead("StartUp", "HkHide"), "CTRL+SPACE");
    EXPECT_EQ(windowsRead("StartUp", "btnPanic"), std::string(settings::kDefaultPanicLabel));
}

TEST_F(ProfileInteropContract, AFileThatCannotBeReadIsNotReplaced) {
    ours.writeInteger("StartUp", "Action", 1);
    {
        // Another program holds the file open without sharing it.
        win32::UniqueHandle lock(
            CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(lock);
        EXPECT_EQ(ours.readInteger("StartUp", "Action", 9), 9);
        EXPECT_THROW(ours.writeInteger("StartUp", "Action", 2), settings::SettingsWriteError);
    }
    EXPECT_EQ(ours.readInteger("StartUp", "Action", 9), 1);
}

}  // namespace
}  // namespace umbrix::contract
