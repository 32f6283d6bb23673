// The controller's idle moment records the window the user works in, for the panic button's
// active-window actions, and only then.
#include <gtest/gtest.h>

#include <string>

#include "app/ApplicationIdleHandler.hpp"
#include "activation/ActivationSequence.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::app {
namespace {

using platform::WindowId;

// The panic window as the engine sees it: its handle once it exists.
class PanicWindowStandIn final : public engine::PanicButton {
public:
    WindowId panicWindowHandle() override { return handle; }
    bool isPanicWindowShown() override { return handle && windows.isWindowVisible(handle); }
    void closePanicWindow() override {}
    explicit PanicWindowStandIn(platform::WindowPort& port) : windows(port) {}
    platform::WindowPort& windows;
    WindowId handle;
};

enum class Foreground { UserWindow, PanicWindow, MainWindow, Nothing };

struct Case {
    const char* name;
    bool panicWindowExists;
    bool panicWindowVisible;
    std::int32_t action;
    Foreground foreground;
    bool recorded;  // the user's window becomes LastActiveHandle
};

class IdleTracking : public ::testing::TestWithParam<Case> {
protected:
    IdleTracking() {
        earlier = machine.windows.open({"Earlier - Notepad", platform::ProcessId{30}});
        user = machine.windows.open({"Budget.xlsx - Excel", platform::ProcessId{31}});
        panic = machine.windows.open({"", platform::ProcessId{10}});
        main = machine.windows.open({"Umbrix", platform::ProcessId{10}});
        lastActive.LastActiveHandle = earlier;
    }
    void foreground(Foreground which) {
        switch (which) {
            case Foreground::UserWindow: return machine.windows.setForeground(user);
            case Foreground::PanicWindow: return machine.windows.setForeground(panic);
            case Foreground::MainWindow: return machine.windows.setForeground(main);
            case Foreground::Nothing: return machine.windows.setForeground(WindowId{});
        }
    }

    sim::SimMachine machine;
    WindowId earlier, user, panic, main;
    PanicWindowStandIn panicButton{machine.windows};
    settings::Options selections;
    LastActiveWindow lastActive;
    ApplicationIdleHandler handler{machine.windows, panicButton, [this] { return main; }, selections, lastActive};
};

TEST_P(IdleTracking, TheForegroundWindowIsRecordedOnlyWhileThePanicButtonServesAnActiveWindowAction) {
    const Case& c = GetParam();
    if (c.panicWindowExists) panicButton.handle = panic;
    machine.windows.setVisible(panic, c.panicWindowVisible);
    selections.action = c.action;
    foreground(c.foreground);

    handler.onIdle();
    EXPECT_EQ(lastActive.LastActiveHandle, c.recorded ? user : earlier);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdleTracking,
    ::testing::Values(
        Case{"HideActive", true, true, activation::kHideActiveAction, Foreground::UserWindow, true},
        Case{"CloseActive", true, true, activation::kCloseActiveAction, Foreground::UserWindow, true},
        Case{"HideAll", true, true, activation::kHideAllAction, Foreground::UserWindow, false},
        Case{"CloseAll", true, true, activation::kCloseAllAction, Foreground::UserWindow, false},
        Case{"DoNothing", true, true, activation::kDoNothingAction, Foreground::UserWindow, false},
        Case{"NoActionSelected", true, true, settings::kNoActionSelected, Foreground::UserWindow, false},
        Case{"PanicWindowHidden", true, false, activation::kHideActiveAction, Foreground::UserWindow, false},
        Case{"NoPanicWindow", false, true, activation::kHideActiveAction, Foreground::UserWindow, false},
        Case{"PanicWindowInFront", true, true, activation::kHideActiveAction, Foreground::PanicWindow, false},
        Case{"MainWindowInFront", true, true, activation::kCloseActiveAction, Foreground::MainWindow, false},
        Case{"NoForegroundWindow", true, true, activation::kHideActiveAction, Foreground::Nothing, false}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST_F(IdleTracking, WhileDetachedNothingIsRecorded_AttachedAgainItResumes) {
    panicButton.handle = panic;
    selections.action = activation::kHideActiveAction;
    machine.windows.setForeground(user);

    handler.detachIdleHandler();
    EXPECT_FALSE(handler.attached());
    handler.onIdle();
    EXPECT_EQ(lastActive.LastActiveHandle, earlier);

    handler.attachIdleHandler();
    handler.onIdle();
    EXPECT_EQ(lastActive.LastActiveHandle, user);
}

}  // namespace
}  // namespace umbrix::app
