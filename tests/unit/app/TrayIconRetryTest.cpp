// A busy shell: tray requests that time out or fail without a reason are tried again once a
// second, up to 31 times, while the program goes on; an add or remove that took effect after
// all is found by a modify request and not repeated.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <string>

#include "app/Application.hpp"
#include "app/TrayIconPresence.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::app {
namespace {

using platform::errors::kAccessDenied;
using platform::errors::kNoErrorCode;
using platform::errors::kTimeout;
using sim::TrayRequest;
using ::testing::ElementsAre;

// Hands the retry timer to the icon, as the controller does.
class RetryOnTimer final : public platform::TrayEventSink {
public:
    explicit RetryOnTimer(TrayIconPresence& icon) : icon_(icon) {}
    void onTrayMouseMessage(std::uint32_t, std::uint32_t) override {}
    void onTaskbarCreated() override {}
    void onTrayRetryTimer() override { icon_.retryPendingRequest(); }

private:
    TrayIconPresence& icon_;
};

enum class Kind { Add, Modify, Delete };

struct Case {
    const char* name;
    Kind kind;
    std::uint32_t error;
    int busyAnswers;  // how many times the shell answers so before it acts
};

class TrayIconRetry : public ::testing::TestWithParam<Case> {
protected:
    TrayIconRetry() { tray.setEventSink(&sink); }
    ~TrayIconRetry() override { tray.setEventSink(nullptr); }

    static TrayRequest requestOf(Kind kind) {
        return kind == Kind::Add ? TrayRequest::Add : kind == Kind::Modify ? TrayRequest::Modify : TrayRequest::Delete;
    }
    // Brings the icon to where the request starts from; the request log starts afresh.
    void prepare(Kind kind) {
        if (kind != Kind::Add) {
            ASSERT_TRUE(icon.activate());
        }
        tray.requestLog.clear();
    }
    platform::IoResult make(Kind kind) {
        switch (kind) {
            case Kind::Add: return icon.activate();
            case Kind::Modify: return icon.changeImage(chosen);
            case Kind::Delete: return icon.remove();
        }
        return {};
    }
    // Where the request leaves the shell once it has been carried out.
    bool done(Kind kind) const {
        switch (kind) {
            case Kind::Add: return tray.shows(1);
            case Kind::Modify: return tray.shows(1) && tray.icons.at(1).image == chosen;
            case Kind::Delete: return !tray.shows(1);
        }
        return false;
    }
    void seconds(int count) {
        for (int i = 0; i < count; ++i) tray.letTimePass(1000);
    }
    long requestsOf(Kind kind) const {
        long count = 0;
        for (TrayRequest request : tray.requestLog) count += request == requestOf(kind);
        return count;
    }

    sim::SimTray tray;
    TrayIconPresence icon{tray, {}};
    RetryOnTimer sink{icon};
    const platform::IconLocation chosen{"C:\\Windows\\system32\\shell32.dll", 12};
};

TEST_P(TrayIconRetry, ABusyShellIsAskedAgainEverySecondUntilItActs) {
    const Case& c = GetParam();
    prepare(c.kind);
    tray.failNext(requestOf(c.kind), c.error, c.busyAnswers);

    EXPECT_EQ(make(c.kind).error, c.error);
    EXPECT_TRUE(icon.retrying());
    EXPECT_EQ(tray.retryTimer, 1000u) << "retries come from the timer; the call itself returned at once";
    seconds(c.busyAnswers - 1);
    EXPECT_FALSE(done(c.kind)) << "one attempt a second, no more";
    seconds(1);
    EXPECT_TRUE(done(c.kind));
    EXPECT_FALSE(icon.retrying());
    EXPECT_FALSE(tray.retryTimer);
    EXPECT_EQ(icon.active(), c.kind != Kind::Delete);
    EXPECT_EQ(requestsOf(c.kind), c.busyAnswers + 1);
}

TEST_P(TrayIconRetry, AfterThirtyOneRetriesTheProgramGivesUp) {
    const Case& c = GetParam();
    prepare(c.kind);
    tray.failNext(requestOf(c.kind), c.error, 100);

    (void)make(c.kind);
    seconds(60);
    EXPECT_EQ(requestsOf(c.kind), 1 + 31);
    EXPECT_FALSE(icon.retrying());
    EXPECT_FALSE(tray.retryTimer);
    EXPECT_FALSE(done(c.kind));
    EXPECT_EQ(icon.active(), c.kind != Kind::Add) << "the icon is where the shell left it";
}

TEST_P(TrayIconRetry, AnyOtherErrorIsFinal) {
    const Case& c = GetParam();
    prepare(c.kind);
    tray.failNext(requestOf(c.kind), kAccessDenied, 1);

    EXPECT_EQ(make(c.kind).error, kAccessDenied);
    EXPECT_FALSE(icon.retrying());
    EXPECT_FALSE(tray.retryTimer);
    seconds(5);
    EXPECT_EQ(tray.requestLog.size(), 1u);
    EXPECT_FALSE(done(c.kind));
}

INSTANTIATE_TEST_SUITE_P(EachRequest, TrayIconRetry,
                         ::testing::Values(Case{"AddTimedOutOnce", Kind::Add, kTimeout, 1},
                                           Case{"AddTimedOut5", Kind::Add, kTimeout, 5},
                                           Case{"AddWithoutCode31", Kind::Add, kNoErrorCode, 31},
                                           Case{"ModifyTimedOut3", Kind::Modify, kTimeout, 3},
                                           Case{"ModifyWithoutCode2", Kind::Modify, kNoErrorCode, 2},
                                           Case{"DeleteTimedOut4", Kind::Delete, kTimeout, 4},
                                           Case{"DeleteTimedOut31", Kind::Delete, kTimeout, 31}),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

class TrayIconTookEffect : public TrayIconRetry {};

TEST_F(TrayIconTookEffect, AnAddThatTookEffectAfterAllIsNotMadeTwice) {
    tray.failNext(TrayRequest::Add, kTimeout, 1, /*actsAnyway=*/true);
    EXPECT_EQ(icon.activate().error, kTimeout);
    seconds(3);
    EXPECT_THAT(tray.requestLog, ElementsAre(TrayRequest::Add, TrayRequest::Modify));
    EXPECT_TRUE(icon.active());
    EXPECT_TRUE(tray.shows(1));
    EXPECT_FALSE(tray.retryTimer);
}

TEST_F(TrayIconTookEffect, ARemovalThatTookEffectAfterAllIsNotMadeAgain) {
    ASSERT_TRUE(icon.activate());
    tray.requestLog.clear();
    tray.failNext(TrayRequest::Delete, kTimeout, 1, /*actsAnyway=*/true);
    EXPECT_EQ(icon.remove().error, kTimeout);
    seconds(3);
    EXPECT_THAT(tray.requestLog, ElementsAre(TrayRequest::Delete, TrayRequest::Modify));
    EXPECT_FALSE(icon.active());
    EXPECT_FALSE(tray.shows(1));
}

TEST_F(TrayIconTookEffect, AnIconStillThereIsRemovedAgain_AnIconNotYetThereIsAddedAgain) {
    ASSERT_TRUE(icon.activate());
    tray.requestLog.clear();
    tray.failNext(TrayRequest::Delete, kTimeout);
    (void)icon.remove();
    seconds(1);
    EXPECT_THAT(tray.requestLog, ElementsAre(TrayRequest::Delete, TrayRequest::Modify, TrayRequest::Delete));
    EXPECT_FALSE(tray.shows(1));

    tray.requestLog.clear();
    tray.failNext(TrayRequest::Add, kNoErrorCode);
    (void)icon.activate();
    seconds(1);
    EXPECT_THAT(tray.requestLog, ElementsAre(TrayRequest::Add, TrayRequest::Modify, TrayRequest::Add));
    EXPECT_TRUE(tray.shows(1));
}

TEST_F(TrayIconTookEffect, TheLatestRequestReplacesOneBeingRetried) {
    // Stealth mode is entered while the shell has not yet taken the icon.
    tray.failNext(TrayRequest::Add, kTimeout);
    (void)icon.activate();
    (void)icon.remove();
    seconds(10);
    EXPECT_FALSE(tray.shows(1));
    EXPECT_FALSE(icon.active());

    // A new picture reaches an add that is still being retried.
    tray.failNext(TrayRequest::Add, kTimeout, 1);
    (void)icon.activate();
    EXPECT_TRUE(icon.changeImage(chosen));
    seconds(1);
    ASSERT_TRUE(tray.shows(1));
    EXPECT_EQ(tray.icons.at(1).image, chosen);

    // A task bar re-created while the icon is on its way out does not bring it back.
    tray.failNext(TrayRequest::Delete, kTimeout, 5);
    (void)icon.remove();
    tray.recreateTaskbar();
    (void)icon.addAgainAfterTaskbarCreated();
    seconds(10);
    EXPECT_FALSE(tray.shows(1));
    EXPECT_FALSE(icon.active());
}

TEST(TrayIconRetryInTheProgram, AProgramStartedBeforeTheShellIsReadyGetsItsIconOnceTheShellAnswers) {
    sim::SimMachine machine;
    platform::Platform ports = machine.platform();
    Application application{ports, machine.application};
    machine.tray.failNext(TrayRequest::Add, kTimeout, 4);

    ASSERT_EQ(application.start(), StartOutcome::Running);
    EXPECT_FALSE(machine.tray.shows(1));
    machine.tray.letTimePass(3000);
    EXPECT_FALSE(machine.tray.shows(1));
    machine.tray.letTimePass(1000);
    EXPECT_TRUE(machine.tray.shows(1));
    EXPECT_EQ(application.errors().discardedCount(), 0);
}

}  // namespace
}  // namespace umbrix::app
