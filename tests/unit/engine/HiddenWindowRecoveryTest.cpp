// The on-disk record of hidden windows: what a run leaves behind, and what the next run takes
// back after the first ended without showing them.
#include <gmock/gmock.h>

#include "EngineFixture.hpp"
#include "common/BesideExecutable.hpp"
#include "engine/HiddenWindowRecovery.hpp"

namespace umbrix::engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class HiddenWindowRecoveryTest : public EngineFixture {
protected:
    const std::string kPath = fileBesideExecutable(machine.system.exePath, kHiddenWindowRecordName);
    HiddenWindowRecovery recovery{machine.files, machine.windows, machine.processes, machine.clock, kPath};
    ProcessId mail = app("C:\\Mail\\mail.exe");
    WindowId inbox = open(mail, "Inbox - Secret project");
    WindowId draft = open(mail, "Draft to the lawyer");

    void hideAll() {
        engine.inventory().refreshInventory();
        engine.actions().hideAllWindows(0);
        ASSERT_EQ(state.hiddenWindows.entries().size(), 2u);
    }
    std::string recordText() { return machine.files.readFile(kPath).value_or("(none)"); }
};

TEST_F(HiddenWindowRecoveryTest, AKilledRunsWindowsComeBackIntoTheListOfTheNextRun) {
    hideAll();
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    // The record names windows by handle and process only: no title reaches the disk.
    EXPECT_THAT(recordText(), Not(HasSubstr("Secret")));
    EXPECT_THAT(recordText(), HasSubstr(text(inbox) + " " + std::to_string(mail.value)));

    // The next run starts with an empty list and takes both windows back, with their titles.
    HiddenWindowList nextRun;
    EXPECT_EQ(recovery.adoptLeftovers(nextRun), 2);
    std::vector<std::string> titles;
    for (const auto& entry : nextRun.entries()) titles.push_back(entry.title);
    EXPECT_THAT(titles, ::testing::UnorderedElementsAre("Inbox - Secret project", "Draft to the lawyer"));
    for (const auto& entry : nextRun.entries()) EXPECT_FALSE(entry.timeText.empty());
    EXPECT_FALSE(isVisible(inbox)) << "taking them back shows nothing: the unhide does";
}

TEST_F(HiddenWindowRecoveryTest, OnlyWindowsStillHiddenByTheSameProcessAreTakenBack) {
    hideAll();
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    machine.windows.destroy(inbox);  // closed meanwhile
    machine.windows.setVisible(draft, true);  // shown by its application
    HiddenWindowList nextRun;
    EXPECT_EQ(recovery.adoptLeftovers(nextRun), 0);

    // A handle now naming another process's window is not ours to show.
    const ProcessId other = app("C:\\Other\\other.exe");
    const WindowId reused = open({"Someone else's", other, false});
    machine.files.putFile(kPath, "Umbrix hidden windows 1\n" + text(reused) + " " + std::to_string(mail.value) + "\n");
    EXPECT_EQ(recovery.adoptLeftovers(nextRun), 0);
    EXPECT_TRUE(nextRun.entries().empty());
}

// Windows reuses process ids: after a restart, or once the recorded program has ended, the
// same id may name another process, even one with a hidden window under the recorded handle.
TEST_F(HiddenWindowRecoveryTest, AProcessIdReusedByAnotherProcessIsNotTakenForTheRecordedOne) {
    hideAll();
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    const std::uint64_t mailStart = *machine.processes.processStartTime(mail);
    machine.windows.destroy(inbox);
    machine.windows.destroy(draft);
    machine.processes.end(mail);
    const ProcessId successor = machine.processes.startReusingId(mail, "C:\\Tools\\helper.exe");
    const WindowId helperWindow = open({"Helper", successor, false});
    const std::uint64_t successorStart = *machine.processes.processStartTime(successor);

    struct Case {
        std::string startTime;
        int adopted;
    } cases[] = {
        {" " + std::to_string(mailStart), 0},  // the recorded process, long gone
        {" " + std::to_string(successorStart), 1},  // the same process after all
        {" -", 1},  // no start time could be read
        {"", 1},  // a record written without start times
    };
    for (const Case& c : cases) {
        machine.files.putFile(kPath, "Umbrix hidden windows 1\n" + text(helperWindow) + " " +
                                         std::to_string(mail.value) + c.startTime + "\n");
        HiddenWindowList nextRun;
        EXPECT_EQ(recovery.adoptLeftovers(nextRun), c.adopted) << c.startTime;
    }
}

TEST_F(HiddenWindowRecoveryTest, AForeignOrDamagedRecordAddsNothingAndAWindowIsNotListedTwice) {
    hideAll();
    const std::string mailId = std::to_string(mail.value);
    for (const std::string& bytes :
         std::vector<std::string>{"", "garbage", "Umbrix hidden windows 1\nnot a line\n12 x\n",
                                  "Umbrix hidden windows 1\n" + text(inbox) + " " + mailId + " soon\n",
                                  "Umbrix hidden windows 1\n" + text(inbox) + " " + mailId + " 12 34\n"}) {
        machine.files.putFile(kPath, bytes);
        HiddenWindowList nextRun;
        EXPECT_EQ(recovery.adoptLeftovers(nextRun), 0) << bytes;
    }
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    EXPECT_EQ(recovery.adoptLeftovers(state.hiddenWindows), 0) << "both are listed already";
}

TEST_F(HiddenWindowRecoveryTest, TheRecordGoesOnceNoWindowIsHiddenAnyMore) {
    hideAll();
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    engine.hiddenWindows().restoreWindows();
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    EXPECT_FALSE(machine.files.fileExists(kPath));
    EXPECT_TRUE(recovery.record(state.hiddenWindows)) << "nothing to delete is no failure";
}

TEST_F(HiddenWindowRecoveryTest, AFailedWriteIsReportedAndLeavesTheEarlierRecord) {
    hideAll();
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    const std::string before = recordText();
    machine.files.failMutation(0);
    EXPECT_FALSE(recovery.record(state.hiddenWindows));
    EXPECT_EQ(recordText(), before);
}

}  // namespace
}  // namespace umbrix::engine::testing
