// The memory this process may still take: the system's available memory is
// only one bound; the process's control group and its address-space limit
// (ulimit -v) can leave far less.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace velmora_platform {

// Which bound leaves the least room.
enum class MemoryBound {
  Unknown,       // none could be read
  System,        // the machine's available memory
  ControlGroup,  // what this process's control group still allows
  AddressSpace,  // what its address-space limit leaves
};

struct MemoryRoom {
  // The least of the bounds; 0 when none can be read, 1 when a known bound
  // is used up (so that 0 keeps meaning "not known").
  std::uint64_t bytes = 0;
  MemoryBound bound = MemoryBound::Unknown;
  // What the address-space limit leaves; empty without a limit.
  std::optional<std::uint64_t> addressSpaceBytes;
};

// The bounds as they stand now. Past a control group's memory.high the
// kernel slows the group down and reclaims hard: it bounds what a solve is
// let start with, as memory.max does.
MemoryRoom memoryRoom();

// The bounds past which memory cannot be had at all (an allocation fails or
// the process is killed): the machine's available memory, memory.max (v1:
// memory.limit_in_bytes) and the address space. memory.high is left out:
// past it the program only runs slower, so a save or an open that keeps the
// user's work still goes ahead.
MemoryRoom hardMemoryRoom();

// memoryRoom().bytes.
std::uint64_t availableMemoryBytes();

// What the control groups of this process still allow, in bytes: the least,
// over its group and the group's ancestors, of the limit less the usage
// (less the file cache the group could reclaim at once). Control groups v2
// (the lower of memory.max and memory.high, or memory.max alone where
// `countHigh` is false, against memory.current) and v1
// (memory.limit_in_bytes, memory.usage_in_bytes) are read; "max" and limits
// too large to mean anything are no limit. Each hierarchy is found where
// the mount table mounts it (v1 controllers may share a mount, "cpu,memory"),
// or else at the control-group root ("<root>/memory" for v1). Empty when no
// group sets one.
std::optional<std::uint64_t> controlGroupHeadroomBytes(bool countHigh = true);

// What the address-space limit leaves: the limit less the process's current
// virtual size. Empty without a limit.
std::optional<std::uint64_t> addressSpaceHeadroomBytes();

// Where the control groups are read: the control-group file system's root
// (normally "/sys/fs/cgroup"), the file that names this process's groups
// (normally "/proc/self/cgroup") and the mount table ("/proc/self/mountinfo";
// empty: none, the hierarchies are looked for under the root). Tests point
// them at files of their own.
void setControlGroupPaths(const std::string& root, const std::string& selfGroups,
                          const std::string& mountInfo = std::string());

// Under an address-space limit every thread that allocates may get an
// allocator arena of its own, each reserving 64 MiB of address space the
// process mostly never uses. Called first thing in main, before any thread
// starts: with a limit set, the arenas are bounded (allocatorArenaLimit()
// tells how many); without one nothing changes.
void boundAllocatorArenasUnderAddressLimit();

// The arenas the allocator may make: 0 when not bounded by the call above.
int allocatorArenaLimit();

// The address space one allocator arena may hold reserved beyond its use.
inline constexpr std::uint64_t kArenaReserveBytes = std::uint64_t(64) << 20;

}  // namespace velmora_platform
