// The log of dropped errors: its line, its size cap and rotation, its failures, and the lines
// the program as assembled leaves there when it drops an error.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <stdexcept>
#include <string>

#include "app/Application.hpp"
#include "app/DroppedErrorLog.hpp"
#include "app/TrayMenu.hpp"
#include "common/BesideExecutable.hpp"
#include "common/SystemError.hpp"
#include "settings/SettingsFile.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::app {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

TEST(DroppedErrorLogLine, HoldsTheTimeThePlaceTheCodeAndTheMessageOnOneLine) {
    const platform::LocalTime time{2024, 3, 9, 4, 5, 7, 42};
    struct Case {
        std::string place;
        std::string message;
        std::uint32_t code;
        std::string line;
    };
    const std::string longMessage = std::string(299, 'x') + "\xC3\xA9" + "tail";  // "é" across the cut
    const Case cases[] = {
        {"save the settings at close", "Unable to write to C:\\Umbrix\\QZ.ini", 5,
         "2024-03-09 04:05:07.042 [save the settings at close] Win32 error 5: Unable to write to "
         "C:\\Umbrix\\QZ.ini\r\n"},
        {"connect the activation", "the default hotkeys do not exist yet", 0,
         "2024-03-09 04:05:07.042 [connect the activation] the default hotkeys do not exist yet\r\n"},
        // A message can never start a second line.
        {"hotkey", "first\r\nsecond\tthird\x7F", 0x80070005u,
         "2024-03-09 04:05:07.042 [hotkey] Win32 error 2147942405: first  second third \r\n"},
        // A long message is cut at a character's start and says so.
        {"dialog", longMessage, 0, "2024-03-09 04:05:07.042 [dialog] " + std::string(299, 'x') + "...\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DroppedErrorLog::formatLine(time, c.place, c.message, c.code), c.line) << c.place;
}

class DroppedErrorLogTest : public ::testing::Test {
protected:
    std::string logPath() const { return fileBesideExecutable(machine.system.exePath, "Umbrix.log"); }
    std::string log() { return machine.files.readFile(logPath()).value_or(""); }
    std::string olderLog() { return machine.files.readFile(logPath() + ".1").value_or(""); }

    sim::SimMachine machine;
    DroppedErrorLog errors{machine.files, machine.clock, machine.system};
};

TEST_F(DroppedErrorLogTest, EachDroppedErrorAddsItsLineToTheFileAndTheDebuggerOutput) {
    machine.files.makeDirectories("C:\\Program Files\\Umbrix");
    errors.record("save the settings at close", SystemError("Unable to write to QZ.ini", 5));
    machine.clock.now.second = 8;
    errors.record("tray menu", std::logic_error("no window of this program can browse for a file yet"));

    const std::string first =
        "2024-03-09 14:05:07.000 [save the settings at close] Win32 error 5: Unable to write to QZ.ini\r\n";
    const std::string second =
        "2024-03-09 14:05:08.000 [tray menu] no window of this program can browse for a file yet\r\n";
    EXPECT_EQ(log(), first + second);
    EXPECT_THAT(machine.system.debugOutput, ::testing::ElementsAre(first, second));
}

TEST_F(DroppedErrorLogTest, PastItsCapTheLogIsSetAsideReplacingTheOlderOneAndStartsAnew) {
    machine.files.makeDirectories("C:\\Program Files\\Umbrix");
    const std::string message(200, 'm');
    const std::size_t lineSize = DroppedErrorLog::formatLine(machine.clock.now, "hotkey", message, 0).size();
    const std::size_t linesPerFile = kDroppedErrorLogCap / lineSize;

    // Three logs' worth: the log is set aside twice, and the second time replaces the first.
    for (std::size_t i = 0; i < 3 * linesPerFile; ++i) {
        machine.clock.now.milliseconds = static_cast<int>(i % 1000);
        errors.record("hotkey", std::runtime_error(message));
        ASSERT_LE(machine.files.fileSize(logPath()).value_or(0), kDroppedErrorLogCap) << "after line " << i;
    }
    const std::string current = log(), older = olderLog();
    EXPECT_EQ(current.size(), linesPerFile * lineSize);
    EXPECT_EQ(older.size(), linesPerFile * lineSize);
    // Whole lines only, and the older file holds the later of the lines set aside.
    EXPECT_EQ(older.rfind("2024-03-09 14:05:07.", 0), 0u);
    EXPECT_THAT(older, EndsWith("\r\n"));
    const std::size_t firstOfOlder = linesPerFile;  // the second file's first line
    char stamp[8];
    std::snprintf(stamp, sizeof stamp, ".%03zu", firstOfOlder % 1000);
    EXPECT_EQ(older.substr(19, 4), stamp);
    EXPECT_EQ(machine.files.filesIn("C:\\Program Files\\Umbrix"),
              (std::set<std::string>{"Umbrix.log", "Umbrix.log.1"}));
}

TEST_F(DroppedErrorLogTest, ALogThatCannotBeWrittenCostsNothingAndNeverGrowsPastItsCap) {
    // No folder to write in: nothing thrown, the debugger still has the line.
    machine.system.exePath = "D:\\Gone\\Umbrix.exe";
    errors.record("hotkey", std::runtime_error("first"));
    EXPECT_EQ(machine.system.debugOutput.size(), 1u);
    EXPECT_FALSE(machine.files.fileExists(logPath()));
    machine.system.exePath = "C:\\Program Files\\Umbrix\\Umbrix.exe";

    // A full log that another program holds open can be neither set aside nor added to.
    const std::string full(kDroppedErrorLogCap, 'x');
    machine.files.putFile(logPath(), full);
    machine.files.holdOpen(logPath());
    errors.record("hotkey", std::runtime_error("second"));
    machine.files.holdOpen(logPath(), false);
    EXPECT_EQ(log(), full);
    EXPECT_FALSE(machine.files.fileExists(logPath() + ".1"));

    // A refused write is not retried and not thrown.
    machine.files.putFile(logPath(), "");
    machine.files.failMutation(0);
    errors.record("hotkey", std::runtime_error("third"));
    EXPECT_EQ(machine.system.debugOutput.size(), 3u);
}

// The program as Umbrix.exe assembles it: errors it drops without a word to the user leave
// their line beside the settings.
class ProgramDroppedErrors : public DroppedErrorLogTest {
protected:
    int closeProgram() {
        machine.application.postClose();
        return machine.application.runMessageLoop();
    }
    platform::Platform ports = machine.platform();
    Application application{ports, machine.application};
};

TEST_F(ProgramDroppedErrors, ASettingsFileThatCannotBeReplacedAtTheCloseLeavesItsLine) {
    machine.files.makeDirectories(settings::settingsFilePathFor(machine.system.exePath));  // QZ.ini is a folder
    ASSERT_EQ(application.start(), StartOutcome::Running);
    EXPECT_EQ(closeProgram(), 0);

    EXPECT_TRUE(application.terminated());
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty()) << "the close tells the user nothing";
    EXPECT_EQ(log(),
              "2024-03-09 14:05:07.000 [save the settings at close] Win32 error 5: Unable to write to "
              "C:\\Program Files\\Umbrix\\QZ.ini\r\n");
    EXPECT_EQ(machine.system.debugOutput, std::vector<std::string>{log()});
}

TEST_F(ProgramDroppedErrors, ARefusedRunValueLeavesItsLine) {
    machine.registry.administrator = true;
    machine.registry.createKey(platform::RegistryRoot::LocalMachine,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    machine.registry.administrator = false;
    ASSERT_EQ(application.start(), StartOutcome::Running);
    // Without administrator rights the Run value cannot be written.
    machine.application.menuChoices.push_back(static_cast<std::uint32_t>(TrayCommand::StartWithWindows));
    machine.tray.click(1, 0x0205);

    EXPECT_EQ(application.errors().discardedCount(), 1);
    EXPECT_THAT(log(), HasSubstr("[tray menu] Win32 error 5: cannot change the Run value \"Umbrix\"\r\n"));
}

}  // namespace
}  // namespace umbrix::app
