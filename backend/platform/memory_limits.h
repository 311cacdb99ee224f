// The memory this process may still take: the system's available memory is
// only one bound; the process's control group and its address-space limit
// (ulimit -v) can leave far less.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace velmora_platform {

// The least of the system's available memory, what this process's control
// group still allows and what its address-space limit leaves, in bytes; 0
// when none of them can be read. A bound that is known but used up gives 1,
// so that 0 keeps meaning "not known".
std::uint64_t availableMemoryBytes();

// What the control groups of this process still allow, in bytes: the least,
// over its group and the group's ancestors, of the limit less the usage
// (less the file cache the group could reclaim at once). Control groups v2
// (memory.max, memory.current) and v1 (memory.limit_in_bytes,
// memory.usage_in_bytes) are read; "max" and limits too large to mean
// anything are no limit. Empty when no group sets one.
std::optional<std::uint64_t> controlGroupHeadroomBytes();

// What the address-space limit leaves: the limit less the process's current
// virtual size. Empty without a limit.
std::optional<std::uint64_t> addressSpaceHeadroomBytes();

// Where the control groups are read: the control-group file system's root
// (normally "/sys/fs/cgroup") and the file that names this process's groups
// (normally "/proc/self/cgroup"). Tests point them at folders of their own.
void setControlGroupPaths(const std::string& root, const std::string& selfGroups);

}  // namespace velmora_platform
