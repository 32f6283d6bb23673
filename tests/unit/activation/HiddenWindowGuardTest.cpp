#include <algorithm>
#include <string>
#include <vector>

#include "ActivationFixture.hpp"
#include "engine/HandleText.hpp"
#include "engine/HiddenWindowRecord.hpp"

namespace umbrix::activation::testing {
namespace {

// Chat shows its window again on a new message; Notes is another hidden application.
class HiddenWindowGuardTest : public ActivationFixture {
protected:
    void SetUp() override {
        ActivationFixture::SetUp();
        notes = machine.windows.open({"Notes", machine.processes.start("C:\\Apps\\notes.exe")});
        chat = open("Chat");
        startProgram();
        machine.windows.deliverWindowEvents();  // the windows' first shows, before anything was hidden
    }

    // Chat's program shows its window, and Umbrix handles its messages.
    void chatShowsItself() {
        machine.windows.setVisible(chat, true);
        machine.windows.deliverWindowEvents();
    }
    std::vector<WindowId> recorded() {
        std::vector<WindowId> windows;
        for (const auto& r :
             engine::parseHiddenWindowRecord(machine.files.readFile(hiddenRecordPath()).value_or("")).windows)
            windows.push_back(r.window);
        std::sort(windows.begin(), windows.end());
        return windows;
    }
    std::vector<WindowId> sorted(std::vector<WindowId> windows) {
        std::sort(windows.begin(), windows.end());
        return windows;
    }

    WindowId notes, chat;
};

TEST_F(HiddenWindowGuardTest, AHiddenWindowItsProgramShowsAgainIsHiddenAgainAndComesBackWithTheUnhide) {
    EXPECT_EQ(machine.windows.shownWindowWatchers(), 1u) << "the program watches for shown windows from its start";
    pressDefaultHide();
    ASSERT_FALSE(isVisible(chat));

    for (int message = 0; message < 3; ++message) {
        chatShowsItself();
        EXPECT_FALSE(isVisible(chat)) << "shown again by its program, message " << message;
    }
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Chat", "Notes"}));
    EXPECT_EQ(recorded(), sorted({notes, chat}));

    pressDefaultUnhide();
    EXPECT_TRUE(isVisible(chat));
    EXPECT_TRUE(isVisible(notes));
    EXPECT_TRUE(hiddenTitles().empty());

    // Given back, its window is its program's again.
    machine.windows.setVisible(chat, false);
    chatShowsItself();
    EXPECT_TRUE(isVisible(chat));
}

// The events of the windows an unhide shows arrive while it shows the next ones (Windows hands
// them over whenever the program waits for another thread): none of them is taken back.
TEST_F(HiddenWindowGuardTest, TheUnhidesOwnShowsAreLeftAloneEvenWhileItIsStillShowing) {
    const WindowId mail = open("Mail");
    pressDefaultHide();
    ASSERT_EQ(hiddenTitles().size(), 3u);
    int showsSeen = 0;
    machine.windows.beforeEachCall = [&](std::string_view call, WindowId) {
        if (call == "showWindow" && ++showsSeen > 1) machine.windows.deliverWindowEvents();
    };
    pressDefaultUnhide();
    machine.windows.beforeEachCall = nullptr;
    machine.windows.deliverWindowEvents();
    for (WindowId window : {notes, chat, mail}) EXPECT_TRUE(isVisible(window));
    EXPECT_TRUE(hiddenTitles().empty());
}

// While the unlock prompt waits for the password, the windows stay held; a wrong password or
// Cancel changes nothing.
TEST_F(HiddenWindowGuardTest, WindowsStayHeldWhileTheUnlockPromptWaits) {
    setPassword("Secret");
    pressDefaultHide();
    machine.dialogs.userStep<password::UnlockPrompt>([&](password::UnlockPrompt& prompt) {
        chatShowsItself();  // a message arrives while the prompt is open
        EXPECT_FALSE(isVisible(chat));
        prompt.cancel();
    });
    pressDefaultUnhide();
    EXPECT_FALSE(isVisible(chat));
    chatShowsItself();
    EXPECT_FALSE(isVisible(chat));

    userTypes("Secret");
    pressDefaultUnhide();
    EXPECT_TRUE(isVisible(chat));
    EXPECT_TRUE(hiddenTitles().empty());
}

// The ways back one window at a time and the exit's "show them first" let their windows go and
// keep holding the others.
TEST_F(HiddenWindowGuardTest, AWayBackLetsGoOfTheWindowsItShowsOnly) {
    pressDefaultHide();
    engine().hiddenWindows().showHiddenWindow(notes);  // "Show selected window"
    machine.windows.deliverWindowEvents();
    EXPECT_TRUE(isVisible(notes));
    chatShowsItself();
    EXPECT_FALSE(isVisible(chat));

    ASSERT_TRUE(program().showHiddenWindowsBeforeExit());  // "&Close Umbrix", the list kept
    machine.windows.deliverWindowEvents();
    EXPECT_TRUE(isVisible(chat));
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Chat"}));
    program().recordHiddenWindows();
    EXPECT_FALSE(machine.files.fileExists(hiddenRecordPath())) << "nothing on the screen is left to a later start";
}

// "Close window..." asked its program to close it: the program may show it to ask its user.
TEST_F(HiddenWindowGuardTest, AWindowAskedToCloseMayShowItselfToAskItsUser) {
    pressDefaultHide();
    engine().hiddenWindows().closeHiddenWindow(chat);  // "Close window...", once the user said yes
    chatShowsItself();
    EXPECT_TRUE(isVisible(chat));
}

// An application that does not answer takes its hide late; until then its window is on the
// screen, and the record keeps it for a start after a crash.
TEST_F(HiddenWindowGuardTest, AHungWindowHiddenWithoutWaitingIsRecordedLikeAnyOther) {
    machine.windows.setAnswering(userProcess, false);
    pressDefaultHide();
    EXPECT_TRUE(isVisible(chat)) << "its hide waits for the application";
    EXPECT_EQ(hiddenTitles(), (std::vector<std::string>{"Chat", "Notes"}));
    EXPECT_EQ(recorded(), sorted({notes, chat}));

    machine.windows.setAnswering(userProcess, true);
    EXPECT_FALSE(isVisible(chat));
    pressDefaultUnhide();
    EXPECT_TRUE(isVisible(chat));
    EXPECT_TRUE(hiddenTitles().empty());
}

// A program that ended while its window was hidden: the unhide shows the others, drops it, and
// nothing asks the user anything.
TEST_F(HiddenWindowGuardTest, AWindowWhoseProgramEndedIsDroppedByTheUnhideWithoutAWord) {
    pressDefaultHide();
    const platform::ProcessId notesProcess = *machine.windows.windowProcessId(notes);
    machine.windows.destroy(notes);
    machine.processes.end(notesProcess);
    program().recordHiddenWindows();
    EXPECT_EQ(recorded(), std::vector<WindowId>{chat});

    pressDefaultUnhide();
    EXPECT_TRUE(isVisible(chat));
    EXPECT_TRUE(hiddenTitles().empty());
    EXPECT_TRUE(machine.dialogs.modalsShown.empty());
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_FALSE(machine.files.fileExists(hiddenRecordPath()));
}

}  // namespace
}  // namespace umbrix::activation::testing
