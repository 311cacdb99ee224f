// Linux implementation of the process's memory bounds: the control groups
// named in /proc/self/cgroup, read under /sys/fs/cgroup, and RLIMIT_AS
// against the VmSize line of /proc/self/status.
#include "backend/platform/memory_limits.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>
#include <utility>

#include "backend/platform/system_info.h"

namespace velmora_platform {
namespace {

// A limit from here on (1 EiB) stands for none: control groups v1 write
// their "unlimited" as a number near 2^63.
constexpr std::uint64_t kNoLimit = std::uint64_t(1) << 60;

std::mutex& pathsMutex() {
  static std::mutex m;
  return m;
}
std::string& cgroupRoot() {
  static std::string root = "/sys/fs/cgroup";
  return root;
}
std::string& selfGroupsFile() {
  static std::string file = "/proc/self/cgroup";
  return file;
}

// The first word of a control-group file: a number, or "max" (read as
// kNoLimit); empty when the file is missing or holds neither.
std::optional<std::uint64_t> readValueFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return std::nullopt;
  char word[64] = {0};
  const int n = std::fscanf(f, "%63s", word);
  std::fclose(f);
  if (n != 1) return std::nullopt;
  if (std::strcmp(word, "max") == 0) return kNoLimit;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(word, &end, 10);
  if (end == word || *end != '\0') return std::nullopt;
  return static_cast<std::uint64_t>(value);
}

// One "key value" line of a memory.stat file; 0 when missing.
std::uint64_t readStatValue(const std::string& path, const char* key) {
  std::ifstream in(path);
  std::string name;
  unsigned long long value = 0;
  while (in >> name >> value) {
    if (name == key) return static_cast<std::uint64_t>(value);
  }
  return 0;
}

struct GroupFiles {
  const char* limit;
  const char* usage;
  const char* reclaimableCache;  // key of memory.stat
};
constexpr GroupFiles kV2Files{"memory.max", "memory.current", "inactive_file"};
constexpr GroupFiles kV1Files{"memory.limit_in_bytes", "memory.usage_in_bytes", "total_inactive_file"};

// The least room left under the limits of `group` and its ancestors, read
// in the hierarchy mounted at `base`. A folder that is missing (a group
// outside this process's view of the hierarchy) is passed over.
std::optional<std::uint64_t> headroomUnder(const std::string& base, std::string group, const GroupFiles& files) {
  while (!group.empty() && group.back() == '/') group.pop_back();
  std::optional<std::uint64_t> least;
  while (true) {
    const std::string dir = base + group + '/';
    const std::optional<std::uint64_t> limit = readValueFile(dir + files.limit);
    if (limit && *limit < kNoLimit) {
      std::uint64_t used = readValueFile(dir + files.usage).value_or(0);
      used -= std::min(used, readStatValue(dir + "memory.stat", files.reclaimableCache));
      const std::uint64_t room = *limit > used ? *limit - used : 0;
      least = least ? std::min(*least, room) : room;
    }
    if (group.empty()) break;
    group.erase(group.rfind('/'));
  }
  return least;
}

// True when the comma-separated controller list names `controller`.
bool listsController(const std::string& list, const char* controller) {
  std::stringstream items(list);
  std::string item;
  while (std::getline(items, item, ',')) {
    if (item == controller) return true;
  }
  return false;
}

}  // namespace

void setControlGroupPaths(const std::string& root, const std::string& selfGroups) {
  std::lock_guard<std::mutex> lock(pathsMutex());
  cgroupRoot() = root;
  selfGroupsFile() = selfGroups;
}

std::optional<std::uint64_t> controlGroupHeadroomBytes() {
  std::string root;
  std::string self;
  {
    std::lock_guard<std::mutex> lock(pathsMutex());
    root = cgroupRoot();
    self = selfGroupsFile();
  }
  std::ifstream in(self);
  std::optional<std::uint64_t> least;
  std::string line;
  // Each line: hierarchy id, controllers, the group's path ("0::/user.slice"
  // for the unified hierarchy, "4:memory:/docker/ab12" for a v1 one).
  while (std::getline(in, line)) {
    const std::size_t first = line.find(':');
    const std::size_t second = first == std::string::npos ? first : line.find(':', first + 1);
    if (second == std::string::npos) continue;
    const std::string id = line.substr(0, first);
    const std::string controllers = line.substr(first + 1, second - first - 1);
    const std::string group = line.substr(second + 1);
    if (group.empty() || group.front() != '/') continue;
    std::optional<std::uint64_t> room;
    if (id == "0" && controllers.empty()) {
      room = headroomUnder(root, group, kV2Files);
    } else if (listsController(controllers, "memory")) {
      room = headroomUnder(root + "/memory", group, kV1Files);
    }
    if (room) least = least ? std::min(*least, *room) : *room;
  }
  return least;
}

std::optional<std::uint64_t> addressSpaceHeadroomBytes() {
  struct rlimit limit {};
  if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  const std::uint64_t cap = static_cast<std::uint64_t>(limit.rlim_cur);
  if (cap >= kNoLimit) return std::nullopt;
  std::uint64_t size = 0;
  if (!readProcField("/proc/self/status", "VmSize", size)) return cap;
  return cap > size ? cap - size : 0;
}

std::uint64_t availableMemoryBytes() {
  std::optional<std::uint64_t> least;
  const auto take = [&least](std::optional<std::uint64_t> bytes) {
    if (bytes) least = least ? std::min(*least, *bytes) : *bytes;
  };
  if (const std::uint64_t system = availablePhysicalMemoryBytes(); system != 0) take(system);
  take(controlGroupHeadroomBytes());
  take(addressSpaceHeadroomBytes());
  if (!least) return 0;
  return std::max<std::uint64_t>(*least, 1);
}

}  // namespace velmora_platform
