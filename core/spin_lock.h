// A lock for critical sections of a few instructions that many threads may
// reach at once (the end of a parallel region): waiters spin instead of
// sleeping in the kernel, whose wake-up takes longer than the whole section.
#pragma once
#include <immintrin.h>

#include <atomic>

namespace velmora {

class SpinLock {
 public:
  void lock() {
    for (;;) {
      if (!locked_.exchange(true, std::memory_order_acquire)) return;
      while (locked_.load(std::memory_order_relaxed)) _mm_pause();
    }
  }
  bool try_lock() {
    return !locked_.load(std::memory_order_relaxed) && !locked_.exchange(true, std::memory_order_acquire);
  }
  void unlock() { locked_.store(false, std::memory_order_release); }

 private:
  std::atomic<bool> locked_{false};
};

}  // namespace velmora
