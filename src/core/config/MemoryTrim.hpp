#pragma once
// The options record: built-in defaults, never stored. It decides whether the program gives
// memory back to the system at the moments the windows call trimWorkingSet.
#include "platform/SystemPort.hpp"

namespace umbrix::config {

class MemoryTrim {
public:
    // Looks at the available physical memory once, now.
    explicit MemoryTrim(platform::SystemPort& system);
    MemoryTrim(const MemoryTrim&) = delete;
    MemoryTrim& operator=(const MemoryTrim&) = delete;

    // True when less than MemoryThreshold of physical memory was available at creation.
    bool trimsMemory() const { return optimizeMemoryUsage_; }

    // Asks the system to trim the working set when trimsMemory is on; otherwise nothing.
    void trimWorkingSet();

private:
    platform::SystemPort& system_;
    bool optimizeMemoryUsage_;
};

}  // namespace umbrix::config
