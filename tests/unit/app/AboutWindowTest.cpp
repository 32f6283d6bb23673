// The about window from the tray menu: shown modally, freed when it closes, and closed by the
// preparation of a hide action that runs while it is open (a hotkey in its modal loop).
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>

#include "app/Application.hpp"
#include "app/TrayMenu.hpp"
#include "sim/SimMachine.hpp"
#include "ui/AboutWindow.hpp"

namespace umbrix::app {
namespace {

using ::testing::ElementsAre;

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(application.start(), StartOutcome::Running); }

    // The user right-clicks the tray icon and chooses "&About".
    void chooseAbout() {
        machine.application.menuChoices.push_back(static_cast<std::uint32_t>(TrayCommand::About));
        machine.tray.click(1, 0x0205);  // WM_RBUTTONUP
    }
    AboutWindowSlot& slot() { return application.controller()->aboutWindow(); }
    ProgramEngineLinks& links() { return application.program()->engineLinks(); }
    int openAboutWindows() const {
        return static_cast<int>(std::count_if(
            machine.dialogs.openModals.begin(), machine.dialogs.openModals.end(),
            [](const platform::ModalWindow* window) { return window->caption() == "About" && !window->isClosed(); }));
    }

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    Application application{ports, machine.application};
};

TEST_F(AboutWindow, OpensFromTheTrayMenuAfterTheWaitCursorAndIsFreedWhenClosed) {
    machine.dialogs.userStep<ui::AboutWindow>([&](ui::AboutWindow& about) {
        EXPECT_EQ(about.ProductName, "Umbrix");
        EXPECT_FALSE(machine.cursor.busy) << "the normal cursor is back before the window shows";
        EXPECT_TRUE(links().isAboutWindowShown());
        EXPECT_EQ(slot().shownWindow(), &about);
        about.closeChosen();
    });
    const int busyBefore = machine.cursor.busyShows;
    chooseAbout();

    EXPECT_THAT(machine.dialogs.modalsShown, ElementsAre("About"));
    EXPECT_EQ(machine.cursor.busyShows, busyBefore + 1);
    EXPECT_EQ(slot().shownWindow(), nullptr);
    EXPECT_FALSE(links().isAboutWindowShown());
    EXPECT_EQ(links().aboutWindow, nullptr);
    EXPECT_TRUE(machine.dialogs.scriptDone());
    EXPECT_EQ(application.errors().discardedCount(), 0);
}

TEST_F(AboutWindow, ChosenAgainWhileOpenLeavesOneAboutWindow_TheNewerOne) {
    ui::AboutWindow* first = nullptr;
    machine.dialogs.userStep<ui::AboutWindow>([&](ui::AboutWindow& about) {
        first = &about;
        chooseAbout();  // the tray icon answers during the modal loop
    });
    machine.dialogs.userStep<ui::AboutWindow>([&](ui::AboutWindow& newer) {
        EXPECT_NE(&newer, first);
        EXPECT_TRUE(first->isClosed()) << "the older window was closed when the newer one came";
        EXPECT_EQ(openAboutWindows(), 1);
        EXPECT_EQ(slot().shownWindow(), &newer);
        EXPECT_EQ(links().aboutWindow, &newer) << "a hide action would close the one on screen";
        newer.closeChosen();
    });
    chooseAbout();

    EXPECT_THAT(machine.dialogs.modalsShown, ElementsAre("About", "About"));
    EXPECT_EQ(slot().shownWindow(), nullptr);
    EXPECT_FALSE(links().isAboutWindowShown());
    EXPECT_TRUE(machine.dialogs.scriptDone());

    // Once closed, the next choice starts afresh.
    machine.dialogs.userStep<ui::AboutWindow>([](ui::AboutWindow& about) { about.closeChosen(); });
    chooseAbout();
    EXPECT_EQ(machine.dialogs.modalsShown.size(), 3u);
    EXPECT_EQ(slot().shownWindow(), nullptr);
    EXPECT_EQ(application.errors().discardedCount(), 0) << application.errors().lastDiscarded();
}

TEST_F(AboutWindow, AHideActionWhileItIsOpenClosesItAndHidesTheOtherWindows) {
    const platform::WindowId report = machine.windows.open({"Report.docx - Word", platform::ProcessId{77}});
    machine.dialogs.userStep<ui::AboutWindow>([&](ui::AboutWindow&) {
        // The hide hotkey (Ctrl+Space), delivered by the about window's modal loop.
        machine.hotkeys.press(platform::hotkey_modifiers::kControl, 0x20);
    });
    chooseAbout();

    EXPECT_THAT(machine.dialogs.modalsShown, ElementsAre("About"));
    EXPECT_FALSE(machine.windows.isWindowVisible(report));
    EXPECT_TRUE(application.program()->hasHiddenWindows());
    EXPECT_EQ(slot().shownWindow(), nullptr);
    EXPECT_FALSE(links().isAboutWindowShown());
    EXPECT_TRUE(machine.dialogs.scriptDone());
    EXPECT_EQ(application.errors().discardedCount(), 0) << application.errors().lastDiscarded();
}

}  // namespace
}  // namespace umbrix::app
