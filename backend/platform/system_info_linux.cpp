// Linux implementation of the system figures: /proc/meminfo with sysinfo()
// as fallback, and the scheduler's affinity mask for the processor count.
#include "backend/platform/system_info.h"

#include <sched.h>
#include <sys/sysinfo.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <mutex>

namespace velmora_platform {

bool readProcField(const char* path, const char* name, std::uint64_t& bytes) {
  std::FILE* f = std::fopen(path, "r");
  if (!f) return false;
  char line[256];
  const std::size_t nameLen = std::strlen(name);
  bool found = false;
  while (std::fgets(line, sizeof line, f)) {
    if (std::strncmp(line, name, nameLen) != 0 || line[nameLen] != ':') continue;
    unsigned long long value = 0;
    char unit[16] = {0};
    const int n = std::sscanf(line + nameLen + 1, "%llu %15s", &value, unit);
    if (n >= 1) {
      std::uint64_t scale = 1;
      if (n == 2 && (unit[0] == 'k' || unit[0] == 'K')) scale = 1024;
      if (value <= UINT64_MAX / scale) {
        bytes = static_cast<std::uint64_t>(value) * scale;
        found = true;
      }
    }
    break;
  }
  std::fclose(f);
  return found;
}

namespace {

std::mutex& memInfoMutex() {
  static std::mutex m;
  return m;
}
std::string& memInfoFile() {
  static std::string file = "/proc/meminfo";
  return file;
}
std::string memInfoPath() {
  std::lock_guard<std::mutex> lock(memInfoMutex());
  return memInfoFile();
}

bool readSysinfo(bool total, std::uint64_t& bytes) {
  struct sysinfo info {};
  if (sysinfo(&info) != 0) return false;
  const std::uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
  const std::uint64_t count = total ? info.totalram : info.freeram + info.bufferram;
  bytes = count * unit;
  return true;
}

}  // namespace

void setMemInfoPath(const std::string& path) {
  std::lock_guard<std::mutex> lock(memInfoMutex());
  memInfoFile() = path;
}

std::uint64_t totalPhysicalMemoryBytes() {
  std::uint64_t bytes = 0;
  if (readProcField(memInfoPath().c_str(), "MemTotal", bytes)) return bytes;
  if (readSysinfo(true, bytes)) return bytes;
  return 0;
}

std::uint64_t availablePhysicalMemoryBytes() {
  std::uint64_t bytes = 0;
  if (readProcField(memInfoPath().c_str(), "MemAvailable", bytes)) return bytes;
  if (readSysinfo(false, bytes)) return bytes;
  return 0;
}

int activeProcessorCount() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) {
    const int count = CPU_COUNT(&set);
    if (count > 0) return count;
  }
  return 0;
}

void releaseFreedMemory() {
  malloc_trim(0);
}

}  // namespace velmora_platform
