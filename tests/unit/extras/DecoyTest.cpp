#include <gtest/gtest.h>

#include "extras/Decoy.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::extras {
namespace {

const std::string kReport = "C:\\Users\\user\\Documents\\report.txt";
const std::string kCalculator = "C:\\Windows\\System32\\calc.exe";

using platform::ProcessId;
using platform::WindowId;

class DecoyTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim.files.putFile(kReport, "Quarterly figures");
        sim.files.putFile(kCalculator, "MZ");
    }
    DecoyOptions decoyOf(const std::string& path) { return DecoyOptions{true, path}; }
    std::vector<ProcessId> notepads() const { return sim.processes.runningProcessesOf(sim.notepadPath()); }
    const sim::SimWindows::Window& onDesktop(std::uint64_t handle) const { return *sim.windows.find(WindowId{handle}); }
    std::uint64_t foreground() const { return sim.windows.foreground().value; }
    std::uint64_t open(ProcessId process, std::string title) {
        return sim.windows.open({std::move(title), process}).value;
    }
    // The user turns to another program, whose window takes the top and the foreground.
    void userTurnsAway() { open(sim.processes.start("C:\\Program Files\\Mail\\mail.exe"), "Mail"); }

    sim::SimMachine sim;
    Decoy decoy{sim.shell};
};

TEST_F(DecoyTest, RecordsTheShellsAnswerAndShowsNothing) {
    sim.files.putFile("C:\\Users\\user\\Documents\\figures.xyz", "?");
    struct Case {
        DecoyOptions options;
        std::uint32_t handle;
        bool launched;
    };
    const Case cases[] = {
        {{true, kCalculator}, 42, true},
        {{true, kReport}, 42, true},
        {{true, "C:\\Users\\user\\Documents\\gone.txt"}, 2, true},  // file not found
        {{true, "C:\\Nowhere\\gone.txt"}, 2, true},  // in a missing folder: the same
        {{true, "C:\\Users\\user\\Documents\\figures.xyz"}, 31, true},  // no program for the type
        {{false, kCalculator}, 0, false},
        {{true, ""}, 0, false},  // only a hand-edited settings file can ask for this
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.decoyProgram + (c.options.useDecoy ? "" : " (option off)"));
        Decoy fresh{sim.shell};
        int executions = sim.shell.executions;
        fresh.launchDecoy(c.options);
        EXPECT_EQ(fresh.decoyAppHandle(), c.handle);
        EXPECT_EQ(fresh.decoyActive(), c.launched);
        EXPECT_EQ(sim.shell.executions - executions, c.launched ? 1 : 0);
    }
}

TEST_F(DecoyTest, ADocumentOpensInTheProgramOfItsTypeInFront) {
    decoy.launchDecoy(decoyOf(kReport));
    ASSERT_EQ(notepads().size(), 1u);
    EXPECT_EQ(sim.shell.documents.at(notepads()[0].value), kReport);
    auto window = decoy.decoyWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(onDesktop(*window).title, "report.txt - notepad");
    EXPECT_EQ(foreground(), *window);
}

// Every activation opens the decoy anew, and the latest one is followed; a different decoy
// chosen meanwhile is the one opened.
TEST_F(DecoyTest, TwoLaunchesOpenTwoDecoysAndTheLatestIsFollowed) {
    decoy.launchDecoy(decoyOf(kReport));
    auto first = decoy.decoyWindow();
    ASSERT_TRUE(first);
    userTurnsAway();

    decoy.launchDecoy(decoyOf(kReport));
    EXPECT_EQ(notepads().size(), 2u);
    auto second = decoy.decoyWindow();
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(foreground(), *second);
    EXPECT_TRUE(onDesktop(*first).visible) << "the earlier decoy is left as it is";

    decoy.launchDecoy(decoyOf(kCalculator));
    EXPECT_EQ(sim.processes.runningProcessesOf(kCalculator).size(), 1u);
    EXPECT_EQ(onDesktop(foreground()).title, "calc");
    EXPECT_EQ(decoy.decoyWindow(), foreground());
}

TEST_F(DecoyTest, OnlyTheDecoysOwnWindowIsKeptOutOfTheNextHide) {
    decoy.launchDecoy(decoyOf(kReport));
    auto window = decoy.decoyWindow();
    ASSERT_TRUE(window);
    ProcessId notepad = notepads()[0];
    open(notepad, "secret.txt - notepad");  // on top of the decoy, in the same program
    EXPECT_EQ(decoy.decoyWindow(), window);

    // Once the decoy's window is closed, no other window of the program stands in for it.
    sim.windows.destroy(WindowId{*window});
    EXPECT_EQ(decoy.decoyWindow(), std::nullopt);
}

TEST_F(DecoyTest, ADecoyThatShowsItsWindowLateIsFoundWhenItDoes) {
    sim.shell.programs["C:\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE"].opensWindowAtStart = false;

    decoy.launchDecoy(decoyOf(kReport));
    EXPECT_EQ(decoy.decoyWindow(), std::nullopt);
    ProcessId notepad = notepads()[0];
    open(notepad, "");  // an untitled helper window is not it
    EXPECT_EQ(decoy.decoyWindow(), std::nullopt);
    sim.windows.open({"Find", notepad, true, platform::ShowState::Normal, 0u, false, true});  // nor a dialog it owns
    EXPECT_EQ(decoy.decoyWindow(), std::nullopt);
    std::uint64_t window = open(notepad, "report.txt - notepad");
    EXPECT_EQ(decoy.decoyWindow(), window);
}

TEST_F(DecoyTest, ADecoyHandedToARunningProgramIsNotFollowed) {
    sim.shell.programs["C:\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE"].handsOff = true;
    decoy.launchDecoy(decoyOf(kReport));
    EXPECT_EQ(decoy.decoyAppHandle(), 42u);
    EXPECT_EQ(decoy.decoyWindow(), std::nullopt);
    decoy.launchDecoy(decoyOf(kReport));
    EXPECT_EQ(sim.shell.executions, 2);
}

}  // namespace
}  // namespace umbrix::extras
