// Physical memory and processor figures of the machine the program runs on.
#pragma once
#include <cstdint>
#include <string>

namespace velmora_platform {

// Total physical memory in bytes; 0 when it cannot be read.
std::uint64_t totalPhysicalMemoryBytes();

// Physical memory available to new allocations in bytes; 0 when it cannot be read.
std::uint64_t availablePhysicalMemoryBytes();

// Where the two figures above are read (normally "/proc/meminfo"). Tests
// point it at a file of their own.
void setMemInfoPath(const std::string& path);

// Reads one "Name:   12345 kB" line of a file such as /proc/meminfo or
// /proc/self/status as bytes (a value without unit as it stands); false
// when the file or the line is missing.
bool readProcField(const char* path, const char* name, std::uint64_t& bytes);

// Logical processors this process may run on; 0 when the system does not say.
int activeProcessorCount();

// Hands memory freed by the allocator back to the operating system, so that
// the available figure read afterwards counts it.
void releaseFreedMemory();

}  // namespace velmora_platform
