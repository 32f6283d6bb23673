#include <gtest/gtest.h>

#include "ExtrasContractSupport.hpp"
#include "extras/ActivationExtras.hpp"
#include "extras/TraceCleanup.hpp"

namespace umbrix::contract {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

const std::string kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

class TraceCleanupContract : public ::testing::Test {
protected:
    umbrix::extras::TraceCleanup cleanup() {
        return umbrix::extras::TraceCleanup(platform.shell, platform.internetCache, platform.urlHistory,
                                            platform.registry, platform.system, platform.cursor);
    }

    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform platform = env->platform();
};

TEST_F(TraceCleanupContract, AFolderIsEmptiedIntoTheRecycleBin) {
    std::string folder = env->scratchFolder();
    ASSERT_TRUE(platform.files.writeFileThrough(folder + "\\plan.docx.lnk", "link"));
    ASSERT_TRUE(platform.files.createDirectory(folder + "\\AutomaticDestinations"));
    ASSERT_TRUE(platform.files.writeFileThrough(folder + "\\AutomaticDestinations\\x.automaticDestinations-ms", "j"));
    std::int64_t before = extras::recycleBinItems(*env);

    cleanup().deleteFolderContents(folder);

    EXPECT_TRUE(platform.files.directoryExists(folder));
    EXPECT_FALSE(platform.files.fileExists(folder + "\\plan.docx.lnk"));
    EXPECT_FALSE(platform.files.directoryExists(folder + "\\AutomaticDestinations"));
    EXPECT_EQ(extras::recycleBinItems(*env), before + 2);
}

TEST_F(TraceCleanupContract, TheRecentFolderResolvesToAnExistingFolder) {
    auto recent = cleanup().recentFolder();
    ASSERT_TRUE(recent);
    EXPECT_TRUE(platform.files.directoryExists(*recent)) << *recent;
}

TEST_F(TraceCleanupContract, TheRecentDocumentsStepEmptiesTheUsersRecentFolder) {
    if (!extras::mayChangeTheUsersState(*env)) GTEST_SKIP() << "would empty this user's Recent folder";
    auto recent = cleanup().recentFolder();
    ASSERT_TRUE(recent);
    ASSERT_TRUE(platform.files.writeFileThrough(*recent + "\\umbrix-contract.txt.lnk", "link"));
    std::int64_t before = extras::recycleBinItems(*env);

    settings::Options options;
    options.muteAudio = false;
    options.clearRecentDocuments = true;
    umbrix::extras::ActivationExtras(platform).runExtras(options);

    EXPECT_FALSE(platform.files.fileExists(*recent + "\\umbrix-contract.txt.lnk"));
    EXPECT_GE(extras::recycleBinItems(*env), before + 1);
}

TEST_F(TraceCleanupContract, TypedAddressesAndCachedPagesAreGone) {
    if (!extras::mayChangeTheUsersState(*env)) GTEST_SKIP() << "would clear this user's browser traces";
    ASSERT_TRUE(platform.registry.writeValue(RegistryRoot::CurrentUser, kTypedUrls, "url1",
                                             RegistryValue::ofString("http://secret.test/")));
    extras::addCachedPage(*env, "http://secret.test/page.html");

    cleanup().clearTypedUrls();
    EXPECT_EQ(cleanup().clearInternetCache(), 1);

    EXPECT_TRUE(platform.registry.keyExists(RegistryRoot::CurrentUser, kTypedUrls));
    EXPECT_TRUE(platform.registry.valueNames(RegistryRoot::CurrentUser, kTypedUrls).empty());
    auto walk = platform.internetCache.walkContentCache();
    for (auto step = walk->next(); step.sourceUrl; step = walk->next()) {
        EXPECT_NE(*step.sourceUrl, "http://secret.test/page.html");
    }
}

}  // namespace
}  // namespace umbrix::contract
