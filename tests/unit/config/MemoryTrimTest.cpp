#include <gtest/gtest.h>

#include "config/MemoryTrim.hpp"
#include "sim/SimSystem.hpp"

namespace umbrix::config {
namespace {

TEST(MemoryTrim, TrimsTheWorkingSetOnlyWhenMemoryWasShortAtCreation) {
    struct Case {
        const char* name;
        std::uint64_t available;
        bool optimize;
    } cases[] = {
        {"256 MiB free", 256ull << 20, true},        {"one byte below 512 MiB", (512ull << 20) - 1, true},
        {"exactly 512 MiB", 512ull << 20, false},    {"1 GiB free", 1ull << 30, false},
        {"more than 4 GiB free", 6ull << 30, false}, {"nothing free", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimSystem system;
        system.availPhys = c.available;
        MemoryTrim options(system);
        EXPECT_EQ(options.trimsMemory(), c.optimize);

        // Decided once: what memory does later changes nothing.
        system.availPhys = c.optimize ? 8ull << 30 : 0;
        options.trimWorkingSet();
        options.trimWorkingSet();
        EXPECT_EQ(system.workingSetTrims, c.optimize ? 2 : 0);
    }
}

}  // namespace
}  // namespace umbrix::config
