#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "app/Application.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::app {
namespace {

using ::testing::ElementsAre;

class Controller : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(application.start(), StartOutcome::Running);
        started = machine.journal.entries().size();
    }
    std::vector<std::string> callsSinceStart() const { return machine.journal.since(started); }

    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    Application application{ports, machine.application};
    std::size_t started = 0;
};

TEST_F(Controller, CloseEndsTheProgramAndTheMessageLoop) {
    ASSERT_TRUE(machine.application.postClose());
    EXPECT_EQ(machine.application.runMessageLoop(), 0);

    EXPECT_THAT(callsSinceStart(),
                ElementsAre("message loop", "DestroyWindow panic button", "DestroyWindow explanation window",
                            "DestroyWindow main window", "DestroyWindow controller window",
                            "DestroyWindow application window", "PostQuitMessage 0"));
    EXPECT_TRUE(application.terminated());
    EXPECT_FALSE(machine.application.controllerWindow.exists || machine.application.applicationWindow.exists);
}

TEST_F(Controller, TheEndOfTheSessionEndsTheProgramBeforeTheMessageReturns) {
    EXPECT_TRUE(machine.application.endSession());
    // Windows may end the process right after WM_ENDSESSION: the work is done by then.
    EXPECT_TRUE(application.terminated());
    EXPECT_THAT(callsSinceStart(), ElementsAre("DestroyWindow panic button", "DestroyWindow explanation window",
                                               "DestroyWindow main window", "DestroyWindow controller window",
                                               "DestroyWindow application window", "PostQuitMessage 0"));
    EXPECT_EQ(machine.application.runMessageLoop(), 0);
}

TEST_F(Controller, AnEndOfSessionThatAnotherProgramCancelsKeepsTheProgramRunning) {
    EXPECT_FALSE(machine.application.endSession(/*anotherProgramRefuses=*/true));
    EXPECT_FALSE(application.terminated());
    EXPECT_TRUE(callsSinceStart().empty());
    EXPECT_FALSE(application.controller()->closing());

    // And it still closes normally afterwards.
    machine.application.postClose();
    EXPECT_EQ(machine.application.runMessageLoop(), 0);
    EXPECT_TRUE(application.terminated());
}

TEST_F(Controller, RepeatedEndRequestsEndTheProgramOnce) {
    machine.application.postClose();
    machine.application.postClose();
    auto& controller = *application.controller();
    EXPECT_EQ(machine.application.runMessageLoop(), 0);
    // Late messages reach a program that has already ended its work.
    controller.onClose();
    controller.onEndSession(true);
    EXPECT_THAT(callsSinceStart(),
                ElementsAre("message loop", "DestroyWindow panic button", "DestroyWindow explanation window",
                            "DestroyWindow main window", "DestroyWindow controller window",
                            "DestroyWindow application window", "PostQuitMessage 0"));
}

TEST_F(Controller, TheProgramNeverVetoesTheEndOfTheSession) {
    EXPECT_TRUE(application.controller()->onQueryEndSession());
    EXPECT_FALSE(application.terminated()) << "the query alone ends nothing: another program may still refuse";
}

}  // namespace
}  // namespace umbrix::app
