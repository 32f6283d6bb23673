#pragma once
// The simulated WinINet cache: downloaded pages and files in the content container, cookies in
// a container of their own, entries a browser holds open, and fetches that can be made to fail.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sim/SimJournal.hpp"
#include "platform/InternetCachePort.hpp"

namespace umbrix::sim {

class SimInternetCache final : public platform::InternetCachePort {
public:
    std::unique_ptr<platform::UrlCacheWalk> walkContentCache() override;
    platform::IoResult deleteEntry(std::string_view sourceUrl) override;

    // The `index`-th fetch of the next walk (0 = its first entry) fails with `error`.
    void failFetch(int index, std::uint32_t error);

    // State a test sets or reads.
    std::set<std::string> content;  // source addresses of the cached pages and files
    std::set<std::string> cookies;  // never shown by a walk of the content cache
    std::set<std::string> inUse;  // held open by a browser: deletion is refused

    // What happened so far.
    int walks = 0;
    int fetches = 0;
    int deletions = 0;
    SimJournal* journal = nullptr;  // the process's call journal, when one is attached

private:
    class Walk;
    std::map<int, std::uint32_t> nextWalkFailures_;
};

}  // namespace umbrix::sim
