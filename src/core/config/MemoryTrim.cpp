#include "config/MemoryTrim.hpp"

#include "config/BuiltIn.hpp"

namespace umbrix::config {

MemoryTrim::MemoryTrim(platform::SystemPort& system)
    : system_(system), optimizeMemoryUsage_(system.availablePhysicalMemory() < MemoryThreshold) {}

void MemoryTrim::trimWorkingSet() {
    // Trimming is a hint to the memory manager; when it declines, nothing is lost.
    if (optimizeMemoryUsage_) system_.trimWorkingSet();
}

}  // namespace umbrix::config
