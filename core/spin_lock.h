// Waiting by spinning, for the short waits of a parallel traversal: waking a
// sleeping thread takes longer than most of them. A spinning thread must not
// keep a thread that has work from running, though (more threads than free
// cores: the window, a memory estimate or another program take some), so
// after a short spin every wait yields its core at each poll.
#pragma once
#include <immintrin.h>

#include <atomic>
#include <thread>

namespace velmora {

// One pause between two polls of a waiting loop: `pauses` pause
// instructions for the first `spin_polls` polls, then a yield of the core.
class SpinWait {
 public:
  explicit SpinWait(int pauses = 1, int spin_polls = 2048) : pauses_(pauses), spin_polls_(spin_polls) {}
  void pause() {
    if (polls_ < spin_polls_) {
      ++polls_;
      for (int i = 0; i < pauses_; ++i) _mm_pause();
    } else {
      std::this_thread::yield();
    }
  }

 private:
  int pauses_;
  int spin_polls_;
  int polls_ = 0;
};

// A lock for critical sections of a few instructions that many threads may
// reach at once (the end of a parallel region): waiters spin instead of
// sleeping in the kernel, whose wake-up takes longer than the whole section.
class SpinLock {
 public:
  void lock() {
    SpinWait wait;
    for (;;) {
      if (!locked_.exchange(true, std::memory_order_acquire)) return;
      while (locked_.load(std::memory_order_relaxed)) wait.pause();
    }
  }
  void unlock() { locked_.store(false, std::memory_order_release); }

 private:
  std::atomic<bool> locked_{false};
};

}  // namespace velmora
