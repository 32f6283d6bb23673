#pragma once
// The browser's URL cache (WinINet): the downloaded pages and files it keeps.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/IoResult.hpp"

namespace umbrix::platform {

namespace errors {
inline constexpr std::uint32_t kNoMoreItems = 259;  // ERROR_NO_MORE_ITEMS
}

// One step of a walk through the cache.
struct UrlCacheStep {
    std::optional<std::string> sourceUrl;  // the entry's lpszSourceUrlName; nullopt when none came
    std::uint32_t error = 0;  // without an entry: kNoMoreItems at the end, else a failure

    bool atEnd() const { return !sourceUrl && error == errors::kNoMoreItems; }
};

// A walk through the content cache, in the cache's own order. Entries may be deleted while
// the walk goes on. FindCloseUrlCache when it ends.
class UrlCacheWalk {
public:
    UrlCacheWalk() = default;
    UrlCacheWalk(const UrlCacheWalk&) = delete;
    UrlCacheWalk& operator=(const UrlCacheWalk&) = delete;
    virtual ~UrlCacheWalk() = default;

    // FindFirstUrlCacheEntryW(NULL pattern) on the first call, FindNextUrlCacheEntryW after.
    // Each entry is fetched the way the API sizes it: asked with no buffer for the size the
    // entry needs, then with a buffer of that size (again, larger, if it grew meanwhile).
    virtual UrlCacheStep next() = 0;
};

class InternetCachePort {
public:
    InternetCachePort() = default;
    InternetCachePort(const InternetCachePort&) = delete;
    InternetCachePort& operator=(const InternetCachePort&) = delete;
    virtual ~InternetCachePort() = default;

    // A walk without a search pattern, which yields the content cache only: the downloaded
    // pages and files, not cookies and not the history.
    virtual std::unique_ptr<UrlCacheWalk> walkContentCache() = 0;

    // DeleteUrlCacheEntryW: removes the entry with that source address. An entry that a
    // browser holds open is refused.
    virtual IoResult deleteEntry(std::string_view sourceUrl) = 0;
};

}  // namespace umbrix::platform
