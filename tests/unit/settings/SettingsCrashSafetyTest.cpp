#include <gtest/gtest.h>

#include "SettingsTestSupport.hpp"
#include "settings/SettingsKeys.hpp"
#include "settings/SettingsSave.hpp"
#include "settings/SettingsWriteError.hpp"

namespace umbrix::settings {
namespace {

using testing::kSettingsPath;
using testing::SettingsMachine;

// A file from an earlier run: every key differs from what the save below writes, and a comment
// and another section that must survive.
const std::string kOldFile =
    "; kept\r\n[StartUp]\r\nAutoStart=1\r\nAction=3\r\nDecoy=C:\\old.txt\r\n\r\n[Other]\r\nX=1\r\n";

Options newSelections() {
    Options s;
    s.decoyProgram = "C:\\new.txt";
    s.action = 1;
    return s;
}

// The file after 0, 1, ... 33 completed key writes of the full save, each written on its own.
std::vector<std::string> fileAfterEachKey(const std::string& start) {
    SettingsMachine m;
    if (!start.empty()) m.machine.files.putFile(kSettingsPath, start);
    std::vector<std::string> states = {start};
    const Options s = newSelections();
    for (const SettingsKey& entry : settingsKeyTable()) {
        if (!(entry.savedBy & kFullSave)) continue;
        if (auto* b = std::get_if<BoolField>(&entry.field))
            m.file.writeBool(entry.writeSection, entry.key, s.**b);
        else if (auto* i = std::get_if<IntegerField>(&entry.field))
            m.file.writeInteger(entry.writeSection, entry.key, s.**i);
        else
            m.file.writeString(entry.writeSection, entry.key, s.*std::get<StringField>(entry.field));
        states.push_back(*m.machine.files.readFile(kSettingsPath));
    }
    return states;
}

int mutationsOfAFullSave(const std::string& start) {
    SettingsMachine m;
    if (!start.empty()) m.machine.files.putFile(kSettingsPath, start);
    writeOptions(m.file, newSelections());
    return m.machine.files.mutations();
}

enum class Cut { Failure, Crash };

// Cuts the full save at every mutation it makes, on a machine with an earlier file and on a fresh
// install: the settings file is always one of the whole files between key writes, exactly the one
// before the key that was cut, never torn or empty; and the next save repairs everything.
void expectEveryCutLeavesAWholeFile(Cut cut) {
    for (const std::string& start : {kOldFile, std::string()}) {
        const std::vector<std::string> states = fileAfterEachKey(start);
        ASSERT_EQ(states.size(), 34u);
        const int steps = mutationsOfAFullSave(start);
        ASSERT_EQ(steps, 2 * 33) << "every key is one temporary write and one replace";

        for (int step = 0; step < steps; ++step) {
            SCOPED_TRACE(::testing::Message()
                         << "cut at mutation " << step << (start.empty() ? " on a fresh install" : ""));
            SettingsMachine m;
            if (!start.empty()) m.machine.files.putFile(kSettingsPath, start);
            if (cut == Cut::Crash)
                m.machine.files.crashAtMutation(step);
            else
                m.machine.files.failMutation(step);

            bool reported = false;
            try {
                writeOptions(m.file, newSelections());
            } catch (const sim::SimCrash&) {
                reported = cut == Cut::Crash;
            } catch (const SettingsWriteError& error) {
                reported = cut == Cut::Failure;
                EXPECT_EQ(std::string(error.what()), "Unable to write to " + kSettingsPath);
            }
            EXPECT_TRUE(reported) << "the cut reached the caller as what it was";

            const std::optional<std::string> onDisk = m.machine.files.readFile(kSettingsPath);
            const std::string& expected = states[static_cast<std::size_t>(step / 2)];
            if (expected.empty()) {
                EXPECT_FALSE(onDisk.has_value());
            } else {
                ASSERT_TRUE(onDisk.has_value());
                EXPECT_EQ(*onDisk, expected);
            }

            // The next run saves over whatever the cut left behind.
            m.machine.files.clearFaults();
            writeOptions(m.file, newSelections());
            EXPECT_EQ(m.machine.files.readFile(kSettingsPath), states.back());
            EXPECT_EQ(m.machine.files.filesIn(testing::kExeFolder), std::set<std::string>{"QZ.ini"});
        }
    }
}

TEST(SettingsCrashSafety, AFullSaveFailingAtAnyStepStopsThereWithTheFileWhole) {
    expectEveryCutLeavesAWholeFile(Cut::Failure);
}

TEST(SettingsCrashSafety, AFullSaveKilledAtAnyStepLeavesTheFileWhole) { expectEveryCutLeavesAWholeFile(Cut::Crash); }

}  // namespace
}  // namespace umbrix::settings
