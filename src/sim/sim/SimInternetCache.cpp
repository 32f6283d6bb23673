#include "sim/SimInternetCache.hpp"

#include <utility>

namespace umbrix::sim {

using platform::IoResult;
namespace errors = platform::errors;

// Walks in address order from the last entry it gave, so entries deleted meanwhile are simply
// no longer there, as in the real cache.
class SimInternetCache::Walk final : public platform::UrlCacheWalk {
public:
    Walk(SimInternetCache& cache, std::map<int, std::uint32_t> failures)
        : cache_(cache), failures_(std::move(failures)) {}

    platform::UrlCacheStep next() override {
        ++cache_.fetches;
        if (auto failure = failures_.find(index_++); failure != failures_.end()) return {std::nullopt, failure->second};
        auto it = last_ ? cache_.content.upper_bound(*last_) : cache_.content.begin();
        if (it == cache_.content.end()) return {std::nullopt, errors::kNoMoreItems};
        last_ = *it;
        return {*it, 0};
    }

private:
    SimInternetCache& cache_;
    std::map<int, std::uint32_t> failures_;
    std::optional<std::string> last_;
    int index_ = 0;
};

std::unique_ptr<platform::UrlCacheWalk> SimInternetCache::walkContentCache() {
    if (journal) journal->add("cache.walk");
    ++walks;
    return std::make_unique<Walk>(*this, std::exchange(nextWalkFailures_, {}));
}

IoResult SimInternetCache::deleteEntry(std::string_view sourceUrl) {
    std::string url(sourceUrl);
    if (inUse.count(url)) return IoResult::failure(errors::kAccessDenied);
    if (content.erase(url) == 0) return IoResult::failure(errors::kFileNotFound);
    ++deletions;
    return IoResult::success();
}

void SimInternetCache::failFetch(int index, std::uint32_t error) { nextWalkFailures_[index] = error; }

}  // namespace umbrix::sim
