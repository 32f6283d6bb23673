#include <gtest/gtest.h>

#include <functional>

#include "AppWorld.hpp"

namespace umbrix::contract {
namespace {

// Records the controller's messages and reacts as told.
struct RecordingEvents final : platform::ControllerEvents {
    void onClose() override {
        ++closes;
        if (onCloseDo) onCloseDo();
    }
    bool onQueryEndSession() override {
        ++queries;
        return allowEnd;
    }
    void onEndSession(bool ends) override { endSessions.push_back(ends); }

    int closes = 0;
    int queries = 0;
    bool allowEnd = true;
    std::vector<bool> endSessions;
    std::function<void()> onCloseDo;
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
