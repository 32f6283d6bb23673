#pragma once
// What the extras' contract cases need from each adapter beyond the ports: seeing into the
// Recycle Bin, seeding the browser cache, ending a started program, and
// knowing whether the machine is one the cases may change for good.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "ContractEnvironment.hpp"

namespace umbrix::contract::extras {

// True on the sim and in a Wine prefix made for the run; false on somebody's own Windows,
// where a case must not empty the Recycle Bin, clear the browser cache, mute the speakers or
// write the Task Manager policy.
bool mayChangeTheUsersState(ContractEnvironment& env);

// SHQueryRecycleBinW: how many items the Recycle Bins of all drives hold.
std::int64_t recycleBinItems(ContractEnvironment& env);

// CreateUrlCacheEntryW + CommitUrlCacheEntryW: a page in the content cache.
void addCachedPage(ContractEnvironment& env, const std::string& url);

// TerminateProcess; false when the process could not be ended.
bool endProcess(ContractEnvironment& env, std::uint32_t processId);
// The same for the process that owns `window` (GetWindowThreadProcessId).
bool endProcessOfWindow(ContractEnvironment& env, std::uint64_t window);

// COM on this thread, as the program's user-interface thread has it (a single-threaded
// apartment), for the length of a scope.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_ = false;
};

// Polls until `done` holds or `seconds` pass; a started program needs a moment for its window.
inline bool waitUntil(const std::function<bool()>& done, int seconds = 10) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

}  // namespace umbrix::contract::extras
