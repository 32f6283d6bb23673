#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "app/AppTexts.hpp"
#include "app/Application.hpp"
#include "sim/SimMachine.hpp"
#include "settings/SettingsFile.hpp"
#include "ui/SplashWindow.hpp"

namespace umbrix::app {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

// Another process of the program on the same simulated machine: its own instance handle,
// message boxes, windows and record of calls.
struct OtherProcess {
    explicit OtherProcess(sim::SimMachine& machine, int processId)
        : instance(machine.kernel, journal, processId),
          dialogs(journal),
          windows(journal),
          ports(machine.platformWith(instance, dialogs)),
          application(ports, windows) {}

    sim::SimJournal journal;
    sim::SimInstance instance;
    sim::SimDialogs dialogs;
    sim::SimApplication windows;
    platform::Platform ports;
    Application application;
};

class Startup : public ::testing::Test {
protected:
    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    Application application{ports, machine.application};
};

TEST_F(Startup, ClaimsTheInstanceBuildsTheHiddenWindowsThenReleasesTheMutex) {
    ASSERT_EQ(application.start(), StartOutcome::Running);

    EXPECT_THAT(
        machine.journal.entries(),
        ElementsAre("CreateMutexW QZ -> owned", "CreateWindowExW application window",
                    "SetWindowLongW application tool window", "CreateWindowExW splash window",
                    "ShowWindow splash window shown", "CreateWindowExW controller window",
                    "CreateWindowExW main window", "CreateWindowExW explanation window", "CreateWindowExW panic button",
                    "SetWindowPos panic button", "ShowWindow panic button shown", "ShowWindow splash window shown",
                    "SetWindowLongW application tool window", "ReleaseMutex QZ", "DestroyWindow splash window",
                    "ShowWindow main window shown"));
    // No task bar button: the application window is a hidden tool window, the controller hidden.
    const auto& appWindow = machine.application.applicationWindow;
    EXPECT_TRUE(appWindow.exists && appWindow.toolWindow && !appWindow.appWindow && !appWindow.visible);
    EXPECT_EQ(appWindow.title, "Umbrix");
    EXPECT_TRUE(machine.application.controllerWindow.exists);
    EXPECT_FALSE(machine.application.controllerWindow.visible);
    // Unowned but present while running: the name marks the running instance.
    EXPECT_EQ(machine.kernel.openHandles("QZ"), 1);
    EXPECT_EQ(machine.kernel.mutexOwner("QZ"), std::nullopt);
    EXPECT_TRUE(application.errors().installed());
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(Startup, TheSplashShowsTheNameWhileTheWindowsAreCreatedAndIsGoneAfterwards) {
    ASSERT_EQ(application.start(), StartOutcome::Running);
    const auto* splash = machine.application.hostedWindow("splash window");
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->caption, "Umbrix 7.1");
    EXPECT_EQ(splash->shows, 2) << "shown before the windows and again after them";
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ(application.splash(), nullptr);
}

// What the splash shows, and that it shows without taking the focus from what the user is doing.
TEST_F(Startup, TheSplashShowsNameAndStatusWithoutTakingTheFocus) {
    SplashScreen splash(machine.application, settings::SettingsFile::besideExecutable(ports));
    splash.showAndPaint();
    const auto* shown = machine.application.hostedWindow("splash window");
    ASSERT_TRUE(shown && shown->isOpen());
    const auto& window = dynamic_cast<const ui::SplashWindow&>(*shown->model);
    EXPECT_EQ(window.title(), "Umbrix 7.1");
    EXPECT_EQ(window.status(), "Loading...");
    EXPECT_TRUE(shown->visible);
    EXPECT_FALSE(shown->focused);
    splash.close();
    EXPECT_FALSE(shown->isOpen());
}

TEST_F(Startup, ASilentStartShowsNoSplash) {
    machine.files.putFile(settings::settingsFilePathFor(machine.system.exePath), "[StartUp]\r\nSilent=1\r\n");
    ASSERT_EQ(application.start(), StartOutcome::Running);
    EXPECT_EQ(machine.application.hostedWindow("splash window"), nullptr);
    for (const auto& call : machine.journal.entries())
        EXPECT_THAT(call, ::testing::Not(::testing::HasSubstr("splash")));
}

TEST_F(Startup, ASplashThatCannotBeCreatedDoesNotKeepTheProgramFromStarting) {
    machine.application.windowsThatCannotBeCreated.insert("splash window");
    ASSERT_EQ(application.start(), StartOutcome::Running);
    EXPECT_TRUE(machine.application.controllerWindow.exists);
    EXPECT_EQ(machine.kernel.mutexOwner("QZ"), std::nullopt);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(Startup, ASecondInstanceShowsTheAlreadyRunningBoxAndDoesNothingElse) {
    ASSERT_EQ(application.start(), StartOutcome::Running);
    const auto firstCalls = machine.journal.entries().size();
    const int reads = machine.files.reads(), writes = machine.files.mutations();

    OtherProcess second(machine, 2);
    EXPECT_EQ(second.application.run(), 0);

    EXPECT_THAT(second.journal.entries(), ElementsAre("CreateMutexW QZ -> already exists", "MessageBoxW Umbrix"));
    platform::MessageBoxRequest expected{
        "Umbrix is already running, to open the main window right click the icon in the system tray and "
        "select \"Open main window\"",
        "Umbrix", platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Information};
    ASSERT_EQ(second.dialogs.messageBoxes.size(), 1u);
    EXPECT_EQ(second.dialogs.messageBoxes[0].request, expected);
    EXPECT_FALSE(second.windows.applicationWindow.exists || second.windows.controllerWindow.exists);
    EXPECT_EQ(second.application.controller(), nullptr);
    EXPECT_EQ(machine.files.reads(), reads) << "the settings are not touched";
    EXPECT_EQ(machine.files.mutations(), writes);

    // The first instance is not signalled and goes on as before.
    EXPECT_TRUE(machine.journal.since(firstCalls).empty());
    EXPECT_FALSE(application.controller()->closing());
    EXPECT_EQ(machine.kernel.openHandles("QZ"), 1);
}

TEST_F(Startup, AfterTheFirstInstanceHasEndedANewStartSucceeds) {
    {
        OtherProcess first(machine, 2);
        ASSERT_EQ(first.application.start(), StartOutcome::Running);
        first.windows.postClose();
        EXPECT_EQ(first.windows.runMessageLoop(), 0);
        // The process exits here and its handle closes with it.
    }
    EXPECT_FALSE(machine.kernel.exists("QZ"));
    EXPECT_EQ(application.start(), StartOutcome::Running);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
}

TEST_F(Startup, AnInstanceThatEndedWithoutReleasingItsMutexDoesNotBlockTheNextStart) {
    {
        OtherProcess crashed(machine, 2);
        sim::SimInstance& instance = crashed.instance;
        ASSERT_EQ(instance.claimInstance("QZ"), platform::InstanceClaim::Owned);
        // Killed during start-up, still owning the mutex.
    }
    EXPECT_EQ(application.start(), StartOutcome::Running);
}

TEST_F(Startup, ANameTakenByAnotherKindOfObjectStillLetsTheProgramStart) {
    machine.kernel.createForeignEvent("QZ");
    EXPECT_EQ(application.start(), StartOutcome::Running);
    EXPECT_TRUE(machine.dialogs.messageBoxes.empty());
    EXPECT_TRUE(machine.application.controllerWindow.exists);
    EXPECT_THAT(machine.journal.entries(), ::testing::Not(::testing::Contains(StartsWith("ReleaseMutex"))));
}

TEST_F(Startup, WindowsThatCannotBeCreatedEndTheStartWithAnErrorBox) {
    machine.application.failWindowCreation = true;
    EXPECT_EQ(application.run(), 1);

    ASSERT_EQ(machine.dialogs.messageBoxes.size(), 1u);
    const auto& box = machine.dialogs.messageBoxes[0].request;
    EXPECT_THAT(box.text, StartsWith("Umbrix could not start.\n\n"));
    EXPECT_THAT(box.text, ::testing::HasSubstr("application window"));
    EXPECT_EQ(box.caption, "Umbrix");
    EXPECT_EQ(box.icon, platform::MessageBoxIcon::Error);
    EXPECT_THAT(machine.journal.entries(), ::testing::Not(::testing::Contains("message loop")));
}

}  // namespace
}  // namespace umbrix::app
