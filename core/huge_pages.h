// Large buffers that are filled at once (the tree's node records, the
// solver's matrices) are offered transparent huge pages on Linux: one page
// fault per 2 MiB instead of 512 of them when they are first written, which
// on a virtual machine is most of the cost of writing them.
#pragma once
#include <cstddef>
#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace velmora {

inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Advises the whole 2 MiB pages inside [p, p + bytes); a smaller buffer is
// left alone. Only advice: the buffer works the same either way.
inline void advise_huge_pages(const void* p, std::size_t bytes) {
#ifdef __linux__
  const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(p);
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(std::uintptr_t{kHugePage} - 1);
  const std::uintptr_t last = (begin + bytes) & ~(std::uintptr_t{kHugePage} - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  static_cast<void>(p);
  static_cast<void>(bytes);
#endif
}

}  // namespace velmora
