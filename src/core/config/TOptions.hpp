#pragma once
// The options record: built-in defaults, never stored. It decides whether the program gives
// memory back to the system at the moments the windows call TrimWorkingSet.
#include "platform/SystemPort.hpp"

namespace umbrix::config {

class TOptions {
public:
    // Looks at the available physical memory once, now.
    explicit TOptions(platform::SystemPort& system);
    TOptions(const TOptions&) = delete;
    TOptions& operator=(const TOptions&) = delete;

    // True when less than MemoryThreshold of physical memory was available at creation.
    bool OptimizeMemoryUsage() const { return optimizeMemoryUsage_; }

    // Asks the system to trim the working set when OptimizeMemoryUsage is on; otherwise nothing.
    void TrimWorkingSet();

private:
    platform::SystemPort& system_;
    bool optimizeMemoryUsage_;
};

}  // namespace umbrix::config
