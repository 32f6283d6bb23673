#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AppWorld.hpp"

namespace umbrix::contract {
namespace {

// Records the controller's messages and reacts as told.
struct RecordingEvents final : platform::ControllerEvents {
    void onClose() override {
        ++closes;
        order.push_back("close");
        if (onCloseDo) onCloseDo();
    }
    bool onQueryEndSession() override {
        ++queries;
        return allowEnd;
    }
    void onEndSession(bool ends) override { endSessions.push_back(ends); }
    void onIdle() override {
        order.push_back("idle");
        if (onIdleDo) onIdleDo();
    }

    int closes = 0;
    int queries = 0;
    bool allowEnd = true;
    std::vector<bool> endSessions;
    std::function<void()> onCloseDo;
    std::function<void()> onIdleDo;
    std::vector<std::string> order;  // "close" and "idle", as they came
};

class ApplicationPortContract : public ::testing::Test {
protected:
    void SetUp() override {
        app.createApplicationWindow("Umbrix contract");
        app.makeApplicationWindowToolWindow();
        app.createControllerWindow(events);
    }
    void TearDown() override { app.destroyWindows(); }

    std::unique_ptr<AppWorld> world = makeAppWorld();
    platform::ApplicationPort& app = world->application();
    RecordingEvents events;
};

TEST_F(ApplicationPortContract, TheApplicationWindowIsAHiddenToolWindow) {
    EXPECT_TRUE(world->applicationWindowExists());
    EXPECT_TRUE(world->applicationWindowIsToolWindow());
    EXPECT_TRUE(world->controllerWindowExists());
}

TEST_F(ApplicationPortContract, APostedCloseReachesTheControllerAndTheLoopEndsWithTheQuitCode) {
    events.onCloseDo = [&] {
        app.destroyWindows();
        app.quitMessageLoop(7);
    };
    world->postCloseToController();
    EXPECT_EQ(app.runMessageLoop(), 7);
    EXPECT_EQ(events.closes, 1);
    EXPECT_FALSE(world->controllerWindowExists());
    EXPECT_FALSE(world->applicationWindowExists());
}

TEST_F(ApplicationPortContract, TheLoopHasItsIdleMomentWhenTheQueueRunsEmpty) {
    // The first idle moment posts the close; the loop wakes for it and ends without idling again.
    events.onIdleDo = [&] {
        if (events.closes == 0) world->postCloseToController();
    };
    events.onCloseDo = [&] {
        app.destroyWindows();
        app.quitMessageLoop(0);
    };
    EXPECT_EQ(app.runMessageLoop(), 0);
    EXPECT_EQ(events.order, (std::vector<std::string>{"idle", "close"}));
}

TEST_F(ApplicationPortContract, MessagesPostedBeforeTheQuitAreHandledFirst) {
    world->postCloseToController();
    app.quitMessageLoop(3);
    EXPECT_EQ(app.runMessageLoop(), 3);
    EXPECT_EQ(events.closes, 1);
}

TEST_F(ApplicationPortContract, TheEndOfTheSessionAsksThenTellsTheOutcome) {
    struct Case {
        bool allow;
        bool anotherRefuses;
        bool ends;
    } cases[] = {{true, false, true}, {true, true, false}, {false, false, false}};
    for (const auto& c : cases) {
        events = RecordingEvents{};
        events.allowEnd = c.allow;
        EXPECT_EQ(world->endSession(c.anotherRefuses), c.ends);
        EXPECT_EQ(events.queries, 1);
        EXPECT_EQ(events.endSessions, std::vector<bool>{c.ends});
    }
}

// A modeless window of the program: built hidden, shown and hidden, placed, closed, opened again.
TEST_F(ApplicationPortContract, AModelessWindowIsBuiltHiddenShowsHidesIsPlacedAndCloses) {
    ContractWindow window;
    app.openWindow(window);
    ASSERT_TRUE(window.isOpen());
    EXPECT_TRUE(world->windowExists(window));
    EXPECT_FALSE(world->windowVisible(window));

    app.showWindow(window, platform::WindowShow::NoActivate);
    EXPECT_TRUE(world->windowVisible(window));
    const platform::WindowBounds place{40, 30, 320, 200};
    app.placeWindow(window, place);
    EXPECT_EQ(world->windowBounds(window), place);  // 96 dots per inch here: no scaling
    app.hideWindow(window);
    EXPECT_FALSE(world->windowVisible(window));

    app.closeWindow(window);
    EXPECT_FALSE(window.isOpen());
    EXPECT_FALSE(world->windowExists(window));
    // Calls for a closed window do nothing; it may be opened again.
    app.showWindow(window, platform::WindowShow::NoActivate);
    app.openWindow(window);
    EXPECT_TRUE(world->windowExists(window));
    EXPECT_FALSE(world->windowVisible(window));
}

TEST_F(ApplicationPortContract, AModelessWindowsCloseRequestGoesToItsModelWhichHidesItByDefault) {
    ContractWindow window;
    app.openWindow(window);
    app.showWindow(window, platform::WindowShow::NoActivate);

    window.hideOnClose = false;
    world->sendClose(window);
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_TRUE(world->windowVisible(window)) << "the model decides; the window is not destroyed behind its back";

    window.hideOnClose = true;
    world->sendClose(window);
    EXPECT_EQ(window.closeRequests, 2);
    EXPECT_TRUE(world->windowExists(window));
    EXPECT_FALSE(world->windowVisible(window));
}

// A reaction that fails goes to the program's last-resort handler; the window takes its next
// message as before.
TEST_F(ApplicationPortContract, AnErrorEscapingAWindowsReactionGoesToTheHandlerAndTheWindowGoesOn) {
    std::vector<std::string> errors;
    app.setReactionErrorHandler([&errors](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            errors.emplace_back(e.what());
        }
    });
    ContractWindow window;
    app.openWindow(window);
    app.showWindow(window, platform::WindowShow::NoActivate);

    window.closeFails = true;
    world->sendClose(window);
    EXPECT_EQ(errors, std::vector<std::string>{"the close of the contract window failed"});
    EXPECT_TRUE(world->windowExists(window));
    EXPECT_TRUE(world->windowVisible(window));

    window.closeFails = false;
    world->sendClose(window);
    EXPECT_EQ(window.closeRequests, 2);
    EXPECT_FALSE(world->windowVisible(window));
    EXPECT_EQ(errors.size(), 1u);
    app.setReactionErrorHandler(nullptr);
}

TEST_F(ApplicationPortContract, AModelessWindowTakesTheBoundsOfANewMonitorAndTellsItsModel) {
    ContractWindow window;
    app.openWindow(window);
    app.showWindow(window, platform::WindowShow::NoActivate);
    const platform::WindowBounds suggested{100, 80, 480, 300};
    world->changeDpi(window, 144, suggested);
    EXPECT_EQ(window.dpis, std::vector<int>{144});
    EXPECT_EQ(world->windowBounds(window), suggested);
}

// What the panic button asks of its window: its handle for the window port, a layered opacity
// down to fully transparent (still shown), a sizing border that leaves the outer rectangle where
// it is, and a place in screen pixels that a new monitor's scale does not move.
TEST_F(ApplicationPortContract, AModelessWindowHasAHandleAnOpacityASizingBorderAndMayKeepItsScreenPlace) {
    ContractWindow window, other;
    EXPECT_FALSE(app.windowHandle(window)) << "no handle before it is open";
    window.screenPixels = true;
    app.openWindow(window);
    app.openWindow(other);
    const platform::WindowId handle = app.windowHandle(window);
    EXPECT_TRUE(handle);
    EXPECT_NE(handle, app.windowHandle(other));
    app.showWindow(window, platform::WindowShow::NoActivate);
    const platform::WindowBounds place{60, 50, 369, 80};
    app.placeWindow(window, place);

    for (const std::uint8_t alpha : {std::uint8_t{230}, std::uint8_t{0}, std::uint8_t{255}}) {
        app.setWindowOpacity(window, alpha);
        EXPECT_EQ(world->windowOpacity(window), alpha);
        EXPECT_TRUE(world->windowVisible(window));
    }

    app.setSizingBorder(window, true);
    EXPECT_TRUE(world->hasSizingBorder(window));
    EXPECT_EQ(world->windowBounds(window), place);
    app.setSizingBorder(window, false);
    EXPECT_FALSE(world->hasSizingBorder(window));
    EXPECT_EQ(world->windowBounds(window), place);

    world->changeDpi(window, 144, {90, 75, 554, 120});
    EXPECT_EQ(window.dpis, std::vector<int>{144});
    EXPECT_EQ(world->windowBounds(window), place) << "a window in screen pixels stays where it was";

    app.closeWindow(window);
    EXPECT_FALSE(app.windowHandle(window));
}

TEST_F(ApplicationPortContract, TheEndOfTheWindowsClosesEveryOpenModelessWindowAndItsModelKnows) {
    ContractWindow first, second;
    app.openWindow(first);
    app.openWindow(second);
    app.showWindow(second, platform::WindowShow::NoActivate);
    app.destroyWindows();
    EXPECT_FALSE(first.isOpen() || second.isOpen());
    EXPECT_FALSE(world->windowExists(first) || world->windowExists(second));
    EXPECT_EQ(second.focusLosses, 0) << "a closing window says nothing more to its model";
}

TEST_F(ApplicationPortContract, AModelThatGoesWhileOpenTakesItsWindowWithIt) {
    ContractWindow stays;
    app.openWindow(stays);
    auto goes = std::make_unique<ContractWindow>();
    app.openWindow(*goes);
    app.showWindow(*goes, platform::WindowShow::NoActivate);
    EXPECT_EQ(world->openWindowCount(), 2);
    goes.reset();
    EXPECT_EQ(world->openWindowCount(), 1);
    EXPECT_TRUE(world->windowExists(stays));
}

}  // namespace
}  // namespace umbrix::contract
