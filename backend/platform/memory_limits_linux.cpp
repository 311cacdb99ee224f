// Linux implementation of the process's memory bounds: the control groups
// named in /proc/self/cgroup, read where /proc/self/mountinfo mounts their
// hierarchies (else under /sys/fs/cgroup), and RLIMIT_AS against the VmSize
// line of /proc/self/status.
#include "backend/platform/memory_limits.h"

#include <malloc.h>
#include <sys/resource.h>

#include <atomic>
#include <vector>

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
std::string& mountInfoFile() {
  static std::string file = "/proc/self/mountinfo";
  return file;
}

std::atomic<int> g_arenaLimit{0};

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
  const char* softerLimit;  // a second limit the lower of which holds, or null
  const char* usage;
  const char* reclaimableCache;  // key of memory.stat
};
// Past memory.high the kernel throttles the group's allocations and reclaims
// hard: a solve sized beyond it crawls as if hung, so it bounds like memory.max.
constexpr GroupFiles kV2Files{"memory.max", "memory.high", "memory.current", "inactive_file"};
// memory.max alone: the limit past which the group's allocations fail.
constexpr GroupFiles kV2HardFiles{"memory.max", nullptr, "memory.current", "inactive_file"};
constexpr GroupFiles kV1Files{"memory.limit_in_bytes", nullptr, "memory.usage_in_bytes", "total_inactive_file"};

// The lower of the group's limits; empty when it has none.
std::optional<std::uint64_t> groupLimit(const std::string& dir, const GroupFiles& files) {
  std::optional<std::uint64_t> limit = readValueFile(dir + files.limit);
  if (files.softerLimit != nullptr) {
    if (const std::optional<std::uint64_t> softer = readValueFile(dir + files.softerLimit)) {
      limit = limit ? std::min(*limit, *softer) : *softer;
    }
  }
  return limit;
}

// The least room left under the limits of `group` and its ancestors, read
// in the hierarchy mounted at `base`. A folder that is missing (a group
// outside this process's view of the hierarchy) is passed over.
std::optional<std::uint64_t> headroomUnder(const std::string& base, std::string group, const GroupFiles& files) {
  while (!group.empty() && group.back() == '/') group.pop_back();
  std::optional<std::uint64_t> least;
  while (true) {
    const std::string dir = base + group + '/';
    const std::optional<std::uint64_t> limit = groupLimit(dir, files);
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

// One control-group mount of the mount table: the group its folder is
// (its root in the hierarchy) and where it is mounted.
struct GroupMount {
  std::string root;
  std::string point;
};

// A field of the mount table with its escapes ("\040" for a blank) undone.
std::string unescapeMountField(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3' &&
        field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
      out.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
      i += 3;
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

// The blank-separated fields of a mount-table line, an empty one kept (a
// mount's source may be empty: "cgroup  rw,memory").
std::vector<std::string> mountFields(const std::string& text) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (true) {
    const std::size_t blank = text.find(' ', from);
    out.push_back(text.substr(from, blank == std::string::npos ? std::string::npos : blank - from));
    if (blank == std::string::npos) return out;
    from = blank + 1;
  }
}

// The control-group mounts of the mount table: "cgroup2" ones (`unified`)
// and v1 ones ("cgroup") whose super options name the memory controller
// (`memory`). Each line: id, parent, device, root, mount point, options,
// optional fields, "-", file-system type, source, super options.
struct GroupMounts {
  std::vector<GroupMount> unified;
  std::vector<GroupMount> memory;
};
GroupMounts groupMounts(const std::string& mountInfo) {
  GroupMounts out;
  if (mountInfo.empty()) return out;
  std::ifstream in(mountInfo);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t dash = line.find(" - ");
    if (dash == std::string::npos) continue;
    const std::vector<std::string> head = mountFields(line.substr(0, dash));
    const std::vector<std::string> tail = mountFields(line.substr(dash + 3));
    if (head.size() < 5 || tail.size() < 3) continue;
    const std::string& type = tail[0];
    std::vector<GroupMount>* list = type == "cgroup2"                                       ? &out.unified
                                    : type == "cgroup" && listsController(tail[2], "memory") ? &out.memory
                                                                                            : nullptr;
    if (list != nullptr) list->push_back({unescapeMountField(head[3]), unescapeMountField(head[4])});
  }
  return out;
}

// The folder and the group path below it where `group` is read: under the
// mount whose root holds the group, the shallowest (it shows the most of
// the group's ancestors), else under the first mount, the group's walk then
// passing over the folders it cannot see. Empty without a mount.
std::optional<std::pair<std::string, std::string>> mountedGroup(const std::vector<GroupMount>& mounts,
                                                                const std::string& group) {
  std::optional<std::pair<std::string, std::string>> best;
  std::size_t bestRoot = 0;
  for (const GroupMount& m : mounts) {
    const std::string root = m.root == "/" ? std::string() : m.root;
    const bool holds = group.compare(0, root.size(), root) == 0 &&
                       (group.size() == root.size() || group[root.size()] == '/');
    if (holds && (!best || root.size() < bestRoot)) {
      best = std::make_pair(m.point, group.substr(root.size()));
      bestRoot = root.size();
    }
  }
  if (!best && !mounts.empty()) best = std::make_pair(mounts.front().point, group);
  return best;
}

}  // namespace

void setControlGroupPaths(const std::string& root, const std::string& selfGroups, const std::string& mountInfo) {
  std::lock_guard<std::mutex> lock(pathsMutex());
  cgroupRoot() = root;
  selfGroupsFile() = selfGroups;
  mountInfoFile() = mountInfo;
}

std::optional<std::uint64_t> controlGroupHeadroomBytes(bool countHigh) {
  const GroupFiles& v2Files = countHigh ? kV2Files : kV2HardFiles;
  std::string root;
  std::string self;
  std::string mountInfo;
  {
    std::lock_guard<std::mutex> lock(pathsMutex());
    root = cgroupRoot();
    self = selfGroupsFile();
    mountInfo = mountInfoFile();
  }
  const GroupMounts mounts = groupMounts(mountInfo);
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
      const auto mounted = mountedGroup(mounts.unified, group);
      room = mounted ? headroomUnder(mounted->first, mounted->second, v2Files) : headroomUnder(root, group, v2Files);
    } else if (listsController(controllers, "memory")) {
      const auto mounted = mountedGroup(mounts.memory, group);
      room = mounted ? headroomUnder(mounted->first, mounted->second, kV1Files)
                     : headroomUnder(root + "/memory", group, kV1Files);
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

namespace {

MemoryRoom roomUnder(bool countHigh) {
  MemoryRoom room;
  std::optional<std::uint64_t> least;
  const auto take = [&](std::optional<std::uint64_t> bytes, MemoryBound bound) {
    if (!bytes || (least && *least <= *bytes)) return;
    least = *bytes;
    room.bound = bound;
  };
  if (const std::uint64_t system = availablePhysicalMemoryBytes(); system != 0) take(system, MemoryBound::System);
  take(controlGroupHeadroomBytes(countHigh), MemoryBound::ControlGroup);
  room.addressSpaceBytes = addressSpaceHeadroomBytes();
  take(room.addressSpaceBytes, MemoryBound::AddressSpace);
  if (least) room.bytes = std::max<std::uint64_t>(*least, 1);
  return room;
}

}  // namespace

MemoryRoom memoryRoom() { return roomUnder(true); }

MemoryRoom hardMemoryRoom() { return roomUnder(false); }

std::uint64_t availableMemoryBytes() { return memoryRoom().bytes; }

void boundAllocatorArenasUnderAddressLimit() {
  struct rlimit limit {};
  if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return;
  // Four arenas keep a solve's set-up as quick as with the default (one per
  // thread up to eight times the cores); fewer slow it down.
  constexpr int kArenas = 4;
  if (mallopt(M_ARENA_MAX, kArenas) == 1) g_arenaLimit.store(kArenas);
}

int allocatorArenaLimit() { return g_arenaLimit.load(); }

}  // namespace velmora_platform
