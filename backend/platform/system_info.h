// Physical memory and processor figures of the machine the program runs on.
#pragma once
#include <cstdint>

namespace velmora_platform {

// Total physical memory in bytes; 0 when it cannot be read.
std::uint64_t totalPhysicalMemoryBytes();

// Physical memory available to new allocations in bytes; 0 when it cannot be read.
std::uint64_t availablePhysicalMemoryBytes();

// Logical processors this process may run on; 0 when the system does not say.
int activeProcessorCount();

// Hands memory freed by the allocator back to the operating system, so that
// the available figure read afterwards counts it.
void releaseFreedMemory();

}  // namespace velmora_platform
