#include <gtest/gtest.h>

#include <set>

#include "ExtrasContractSupport.hpp"

namespace umbrix::contract {
namespace {

std::set<std::string> walkAll(platform::InternetCachePort& cache, platform::UrlCacheStep& last) {
    std::set<std::string> urls;
    auto walk = cache.walkContentCache();
    for (last = walk->next(); last.sourceUrl; last = walk->next()) urls.insert(*last.sourceUrl);
    return urls;
}

TEST(InternetCachePortContract, AWalkSeesEveryCachedPageAndEntriesGoOneByOne) {
    auto env = makeEnvironment();
    platform::InternetCachePort& cache = env->platform().internetCache;
    const std::string base = "http://umbrix-contract.test/cache/";
    std::set<std::string> seeded;
    for (const char* page : {"index.html", "style.css", "a-rather-long-name-so-the-entry-needs-a-larger-buffer.html"}) {
        extras::addCachedPage(*env, base + page);
        seeded.insert(base + page);
    }

    platform::UrlCacheStep last;
    std::set<std::string> found = walkAll(cache, last);
    EXPECT_TRUE(last.atEnd()) << last.error;
    for (const auto& url : seeded) EXPECT_TRUE(found.count(url)) << url;

    // Deleting while a walk goes on is what the clean-up does.
    auto walk = cache.walkContentCache();
    for (auto step = walk->next(); step.sourceUrl; step = walk->next()) {
        if (seeded.count(*step.sourceUrl)) {
            EXPECT_TRUE(cache.deleteEntry(*step.sourceUrl)) << *step.sourceUrl;
        }
    }
    found = walkAll(cache, last);
    EXPECT_TRUE(last.atEnd());
    for (const auto& url : seeded) EXPECT_FALSE(found.count(url)) << url;

    EXPECT_EQ(cache.deleteEntry(base + "index.html").error, platform::errors::kFileNotFound);
}

}  // namespace
}  // namespace umbrix::contract
