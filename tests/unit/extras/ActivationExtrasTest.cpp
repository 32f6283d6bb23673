#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ExtrasMachine.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/ExtrasError.hpp"

namespace umbrix::extras::testing {
namespace {

// The six extras' check boxes, all on or all off.
settings::Options extrasChecked(bool checked) {
    settings::Options options;
    options.muteAudio = options.disableCtrlAltDel = options.emptyRecycleBin = checked;
    options.clearTemporaryFiles = options.clearInternetHistory = options.clearRecentDocuments = checked;
    return options;
}
settings::Options everything() { return extrasChecked(true); }
settings::Options nothing() { return extrasChecked(false); }

// A desktop with a trace of every kind the extras remove.
class DoOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m.sim.shell.recycleBin = oldBin;
        m.sim.internetCache.content = {"http://example.test/", "http://example.test/logo.png"};
        m.sim.internetCache.cookies = {"Cookie:user@example.test/"};
        ASSERT_TRUE(m.sim.registry.writeValue(RegistryRoot::CurrentUser, kTypedUrls, "url1",
                                              RegistryValue::ofString("http://example.test/")));
        m.sim.urlHistory.visited = {"http://example.test/"};
        m.sim.files.putFile(m.recentFolder() + "\\salaries.xlsx.lnk", "link");
        m.sim.files.putFile(m.recentFolder() + "\\AutomaticDestinations\\1b4dd67f.automaticDestinations-ms", "jump");
        m.sim.shell.recentDocuments = {"salaries.xlsx"};
        m.sim.journal.clear();
    }

    bool journalHas(const std::string& call) const {
        return std::find(m.sim.journal.begin(), m.sim.journal.end(), call) != m.sim.journal.end();
    }

    ExtrasMachine m;
    std::vector<std::string> oldBin = {"C:\\Users\\user\\Documents\\old draft.docx"};
    ActivationExtras extras{m.platform()};
};

TEST_F(DoOptionsTest, RunsTheCheckedStepsInTheirFixedOrder) {
    extras.runExtras(everything());

    const std::vector<std::string> expected = {
        "audio.acquireEndpointVolume",
        "audio.setEndpointMute on",
        "registry.createKey System",
        "registry.write DisableTaskMgr",
        "registry.createKey Explorer",
        "shell.emptyRecycleBin",
        "cache.walk",
        "registry.deleteTree TypedURLs",
        "registry.createKey TypedURLs",
        "history.open",
        "history.clear",
        "shell.recycle " + m.recentFolder() + "\\*.*",
        "shell.clearRecentDocuments",
    };
    // The marker kept beside the policy is bookkeeping, not a step of its own.
    std::vector<std::string> steps;
    std::copy_if(m.sim.journal.begin(), m.sim.journal.end(), std::back_inserter(steps),
                 [](const std::string& call) { return call.find("TaskManagerRestricted") == std::string::npos; });
    EXPECT_EQ(steps, expected);

    EXPECT_TRUE(m.sim.audio.endpointMuted);
    EXPECT_EQ(m.policyValue(), RegistryValue::ofDWord(1));
    EXPECT_TRUE(m.sim.internetCache.content.empty());
    EXPECT_EQ(m.sim.internetCache.cookies.size(), 1u);
    EXPECT_TRUE(m.sim.registry.keyExists(RegistryRoot::CurrentUser, kTypedUrls));
    EXPECT_TRUE(m.sim.registry.valueNames(RegistryRoot::CurrentUser, kTypedUrls).empty());
    EXPECT_TRUE(m.sim.urlHistory.visited.empty());
    EXPECT_TRUE(m.sim.files.filesIn(m.recentFolder()).empty());
    EXPECT_TRUE(m.sim.files.foldersIn(m.recentFolder()).empty());
    EXPECT_TRUE(m.sim.shell.recentDocuments.empty());
}

TEST_F(DoOptionsTest, WithEveryBoxClearedChangesNothing) {
    int registryWrites = m.sim.registry.writes();
    extras.runExtras(nothing());

    EXPECT_TRUE(m.sim.journal.empty());
    EXPECT_EQ(m.sim.registry.writes(), registryWrites);
    EXPECT_FALSE(m.sim.audio.endpointMuted);
    EXPECT_EQ(m.sim.shell.recycleBin, oldBin);
    EXPECT_EQ(m.sim.internetCache.content.size(), 2u);
    EXPECT_EQ(m.sim.files.filesIn(m.recentFolder()).size(), 1u);
}

TEST_F(DoOptionsTest, TheRecycleBinEndsHoldingExactlyWhatLeftTheRecentFolder) {
    settings::Options options = nothing();
    options.emptyRecycleBin = options.clearRecentDocuments = true;
    extras.runExtras(options);

    std::vector<std::string> bin = m.sim.shell.recycleBin;
    std::sort(bin.begin(), bin.end());
    EXPECT_EQ(bin, (std::vector<std::string>{m.recentFolder() + "\\AUTOMATICDESTINATIONS",
                                             m.recentFolder() + "\\salaries.xlsx.lnk"}));

    // The next run empties the bin and finds nothing left to move.
    extras.runExtras(options);
    EXPECT_TRUE(m.sim.shell.recycleBin.empty());
}

TEST_F(DoOptionsTest, AnUnresolvedRecentFolderSkipsOnlyTheFolderStep) {
    for (std::optional<std::string> unresolved : {std::optional<std::string>(), std::optional<std::string>("")}) {
        SCOPED_TRACE(unresolved ? "empty path" : "no path");
        if (unresolved)
            m.sim.system.specialFolders[platform::SpecialFolder::Recent] = *unresolved;
        else
            m.sim.system.specialFolders.erase(platform::SpecialFolder::Recent);
        m.sim.shell.recentDocuments = {"salaries.xlsx"};
        m.sim.journal.clear();

        settings::Options options = nothing();
        options.clearRecentDocuments = true;
        extras.runExtras(options);

        EXPECT_EQ(m.sim.journal.entries(), std::vector<std::string>{"shell.clearRecentDocuments"});
        EXPECT_TRUE(m.sim.shell.recentDocuments.empty());
    }
}

// Which failures end a run, and which the step absorbs so that the later steps still happen.
struct FailureCase {
    const char* name;
    std::function<void(ExtrasMachine&)> inject;
    bool endsTheRun;
    const char* lastStepRun;  // the last of the six steps that still ran
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class DoOptionsFailureTest : public DoOptionsTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(DoOptionsFailureTest, EndsTheRunOrGoesOnAsTheFailingStepDecides) {
    GetParam().inject(m);
    if (GetParam().endsTheRun) {
        EXPECT_THROW(extras.runExtras(everything()), ExtrasError);
    } else {
        EXPECT_NO_THROW(extras.runExtras(everything()));
    }

    // Each step is seen by its first call.
    const std::vector<std::pair<std::string, bool>> stepsRun = {
        {"mute", journalHas("audio.acquireEndpointVolume")},
        {"policy", journalHas("registry.createKey System")},
        {"recycle bin", journalHas("shell.emptyRecycleBin")},
        {"temporary files", journalHas("cache.walk")},
        {"history", journalHas("history.open")},
        {"recent", journalHas("shell.clearRecentDocuments")},
    };
    bool reachedLast = false;
    for (const auto& [step, ran] : stepsRun) {
        EXPECT_EQ(ran, !reachedLast) << step;
        if (step == GetParam().lastStepRun) reachedLast = true;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DoOptionsFailureTest,
    ::testing::Values(
        FailureCase{"NoPlaybackDevice", [](ExtrasMachine& m) { m.sim.audio.hasDefaultEndpoint = false; }, false,
                    "recent"},
        FailureCase{"PolicyValueRefused",
                    [](ExtrasMachine& m) {
                        ASSERT_TRUE(m.sim.registry.createKey(RegistryRoot::CurrentUser, kSystemPolicies));
                        m.sim.registry.lockKey(RegistryRoot::CurrentUser, kSystemPolicies);
                    },
                    true, "policy"},
        FailureCase{"PolicyKeyCannotBeOpened",
                    [](ExtrasMachine& m) {
                        m.sim.registry.lockKey(RegistryRoot::CurrentUser,
                                               "Software\\Microsoft\\Windows\\CurrentVersion\\Policies");
                    },
                    false, "recent"},
        FailureCase{"NoShellLibrary", [](ExtrasMachine& m) { m.sim.shell.shellLibraryLoads = false; }, false, "recent"},
        FailureCase{"CacheFetchFails", [](ExtrasMachine& m) { m.sim.internetCache.failFetch(1, 8); }, false, "recent"},
        FailureCase{"TypedUrlsCannotBeCreatedAgain", [](ExtrasMachine& m) { m.registry.refuseToCreate(kTypedUrls); },
                    true, "temporary files"},
        FailureCase{"NoHistoryStore", [](ExtrasMachine& m) { m.sim.urlHistory.storeAvailable = false; }, true,
                    "history"},
        FailureCase{"HistoryCannotBeCleared",
                    [](ExtrasMachine& m) { m.sim.urlHistory.clearError = sim::SimUrlHistory::kNotImplemented; }, false,
                    "recent"},
        FailureCase{"RecentFolderReadOnly", [](ExtrasMachine& m) { m.sim.files.setReadOnly(m.recentFolder()); }, false,
                    "recent"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace umbrix::extras::testing
