#include <gtest/gtest.h>

#include <functional>
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

}  // namespace
}  // namespace umbrix::contract
