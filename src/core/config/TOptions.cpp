#include "config/TOptions.hpp"

#include "config/BuiltIn.hpp"

namespace umbrix::config {

TOptions::TOptions(platform::SystemPort& system)
    : system_(system), optimizeMemoryUsage_(system.availablePhysicalMemory() < MemoryThreshold) {}

void TOptions::TrimWorkingSet() {
    // Trimming is a hint to the memory manager; when it declines, nothing is lost.
    if (optimizeMemoryUsage_) system_.trimWorkingSet();
}

}  // namespace umbrix::config
