#include <gtest/gtest.h>

#include "ExtrasMachine.hpp"
#include "extras/ExtrasError.hpp"
#include "extras/TraceCleanup.hpp"

namespace umbrix::extras::testing {
namespace {

class TraceCleanupTest : public ::testing::Test {
protected:
    TraceCleanup cleanupOf(ExtrasMachine& machine) {
        return TraceCleanup(machine.sim.shell, machine.sim.internetCache, machine.sim.urlHistory, machine.registry,
                            machine.sim.system, machine.sim.cursor);
    }

    ExtrasMachine m;
    TraceCleanup cleanup = cleanupOf(m);
};

TEST_F(TraceCleanupTest, EmptyingTheRecycleBinFailsOnlyWithoutTheShellLibrary) {
    struct Case {
        bool libraryLoads;
        bool hasEntryPoint;
        bool result;
        bool emptied;
    };
    for (Case c : {Case{true, true, true, true}, Case{true, false, true, false}, Case{false, true, false, false}}) {
        SCOPED_TRACE(::testing::Message() << "library " << c.libraryLoads << ", entry point " << c.hasEntryPoint);
        m.sim.shell.recycleBin = {"C:\\old.txt"};
        m.sim.shell.shellLibraryLoads = c.libraryLoads;
        m.sim.shell.hasEmptyRecycleBinEntry = c.hasEntryPoint;
        EXPECT_EQ(cleanup.emptyRecycleBin(), c.result);
        EXPECT_EQ(m.sim.shell.recycleBin.empty(), c.emptied);
    }
}

TEST_F(TraceCleanupTest, TheCacheLosesEveryPageButNotCookiesNorWhatABrowserHoldsOpen) {
    m.sim.internetCache.content = {"http://a.test/", "http://a.test/app.js", "http://b.test/video.mp4",
                                   "http://c.test/"};
    m.sim.internetCache.inUse = {"http://b.test/video.mp4"};
    m.sim.internetCache.cookies = {"Cookie:user@a.test/"};

    EXPECT_EQ(cleanup.clearInternetCache(), 1);
    EXPECT_EQ(m.sim.internetCache.content, std::set<std::string>{"http://b.test/video.mp4"});
    EXPECT_EQ(m.sim.internetCache.cookies.size(), 1u);

    // An empty cache is no failure.
    m.sim.internetCache.content.clear();
    EXPECT_EQ(cleanup.clearInternetCache(), 1);
}

TEST_F(TraceCleanupTest, AFetchThatFailsEndsTheWalkAndSaysSo) {
    m.sim.internetCache.content = {"http://a.test/1", "http://a.test/2", "http://a.test/3"};
    m.sim.internetCache.failFetch(1, 8);  // ERROR_NOT_ENOUGH_MEMORY on the second entry
    EXPECT_EQ(cleanup.clearInternetCache(), 0);
    EXPECT_EQ(m.sim.internetCache.content, (std::set<std::string>{"http://a.test/2", "http://a.test/3"}));
}

TEST_F(TraceCleanupTest, TypedAddressesAreClearedUnderTheCurrentUserFirstAndTheMachineSecond) {
    struct Case {
        const char* name;
        bool inCurrentUser;
        bool inLocalMachine;
        bool administrator;
        bool currentUserAfter;  // the key exists, empty
        bool localMachineEmptyAfter;  // the key exists and is empty (false: untouched or absent)
    };
    const Case cases[] = {
        {"both roots: only the current user's key", true, true, true, true, false},
        {"only the machine's, as administrator", false, true, true, false, true},
        {"only the machine's, as a standard user", false, true, false, false, false},
        {"neither: nothing is created", false, false, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExtrasMachine machine;
        machine.sim.registry.administrator = true;
        const auto url = RegistryValue::ofString("http://secret.test/");
        for (auto [present, root] : {std::pair{c.inCurrentUser, RegistryRoot::CurrentUser},
                                     std::pair{c.inLocalMachine, RegistryRoot::LocalMachine}}) {
            if (present) {
                ASSERT_TRUE(machine.sim.registry.writeValue(root, kTypedUrls, "url1", url));
            }
        }
        machine.sim.registry.administrator = c.administrator;

        cleanupOf(machine).clearTypedUrls();

        auto& registry = machine.sim.registry;
        EXPECT_EQ(registry.keyExists(RegistryRoot::CurrentUser, kTypedUrls), c.currentUserAfter);
        EXPECT_TRUE(registry.valueNames(RegistryRoot::CurrentUser, kTypedUrls).empty());
        EXPECT_EQ(registry.keyExists(RegistryRoot::LocalMachine, kTypedUrls), c.inLocalMachine);
        EXPECT_EQ(registry.valueNames(RegistryRoot::LocalMachine, kTypedUrls).empty(),
                  !c.inLocalMachine || c.localMachineEmptyAfter);
    }
}

TEST_F(TraceCleanupTest, TheTypedAddressesKeyGoesWithEverythingBelowIt) {
    ASSERT_TRUE(m.sim.registry.writeValue(RegistryRoot::CurrentUser, kTypedUrls + "\\Extra", "url9",
                                          RegistryValue::ofString("http://secret.test/")));
    ASSERT_TRUE(m.sim.registry.writeValue(RegistryRoot::CurrentUser, kTypedUrls, "url1",
                                          RegistryValue::ofString("http://secret.test/")));
    cleanup.clearTypedUrls();
    EXPECT_TRUE(m.sim.registry.keyExists(RegistryRoot::CurrentUser, kTypedUrls));
    EXPECT_TRUE(m.sim.registry.valueNames(RegistryRoot::CurrentUser, kTypedUrls).empty());
    EXPECT_FALSE(m.sim.registry.keyExists(RegistryRoot::CurrentUser, kTypedUrls + "\\Extra"));
}

TEST_F(TraceCleanupTest, AKeyThatCannotBeCreatedAgainIsAnError) {
    ASSERT_TRUE(m.sim.registry.writeValue(RegistryRoot::CurrentUser, kTypedUrls, "url1", RegistryValue::ofString("x")));
    m.registry.refuseToCreate(kTypedUrls);
    EXPECT_THROW(cleanup.clearTypedUrls(), ExtrasError);
    EXPECT_FALSE(m.sim.registry.keyExists(RegistryRoot::CurrentUser, kTypedUrls));
}

TEST_F(TraceCleanupTest, TheHistoryIsClearedUnderTheHourglassWhichAlwaysGoesAway) {
    m.sim.urlHistory.visited = {"http://secret.test/"};
    cleanup.clearInternetHistory();
    EXPECT_TRUE(m.sim.urlHistory.visited.empty());
    EXPECT_TRUE(m.sim.urlHistory.cursorBusyDuringClear);
    EXPECT_FALSE(m.sim.cursor.busy);
    EXPECT_EQ(m.sim.urlHistory.openStores, 0);

    // A store that cannot clear: passed over, and the cursor still comes back.
    m.sim.urlHistory.visited = {"http://secret.test/"};
    m.sim.urlHistory.clearError = sim::SimUrlHistory::kNotImplemented;
    EXPECT_NO_THROW(cleanup.clearInternetHistory());
    EXPECT_EQ(m.sim.urlHistory.visited.size(), 1u);
    EXPECT_FALSE(m.sim.cursor.busy);

    // No store at all: an error, and the cursor was never changed.
    int cursorChanges = m.sim.cursor.changes;
    m.sim.urlHistory.storeAvailable = false;
    EXPECT_THROW(cleanup.clearInternetHistory(), ExtrasError);
    EXPECT_EQ(m.sim.cursor.changes, cursorChanges);
    EXPECT_FALSE(m.sim.cursor.busy);
}

TEST_F(TraceCleanupTest, EmptyingAFolderMovesFilesAndSubfoldersToTheRecycleBin) {
    const std::string folder = m.recentFolder();
    m.sim.files.putFile(folder + "\\plan.docx.lnk", "l");
    m.sim.files.putFile(folder + "\\no extension", "l");
    m.sim.files.putFile(folder + "\\CustomDestinations\\a\\b.customDestinations-ms", "j");
    cleanup.deleteFolderContents(folder);

    EXPECT_TRUE(m.sim.files.filesIn(folder).empty());
    EXPECT_TRUE(m.sim.files.foldersIn(folder).empty());
    EXPECT_TRUE(m.sim.files.directoryExists(folder));
    EXPECT_EQ(m.sim.shell.recycleBin.size(), 3u);
}

TEST_F(TraceCleanupTest, AFolderPathThatWouldAddressAWholeDriveIsRefused) {
    for (const char* folder : {"", "C:", "C:\\", "\\"}) {
        SCOPED_TRACE(folder);
        cleanup.deleteFolderContents(folder);
    }
    EXPECT_TRUE(m.sim.journal.empty());
}

TEST_F(TraceCleanupTest, TheRecentFolderComesFromTheShellAndAnEmptyAnswerIsNone) {
    EXPECT_EQ(cleanup.recentFolder(), m.recentFolder());
    m.sim.system.specialFolders[platform::SpecialFolder::Recent] = "";
    EXPECT_EQ(cleanup.recentFolder(), std::nullopt);
    m.sim.system.specialFolders.erase(platform::SpecialFolder::Recent);
    EXPECT_EQ(cleanup.recentFolder(), std::nullopt);
}

}  // namespace
}  // namespace umbrix::extras::testing
