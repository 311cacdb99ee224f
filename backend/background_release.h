// Frees large data away from the GUI thread. Dropping the last reference to
// a big result (node tables, saved query caches, a solved game) can take a
// noticeable while on the thread that does it; handed here, the data is
// dropped on a thread of its own, in the order given. The destructor lets
// the thread finish what it holds and joins it.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <type_traits>

#include "session/threads.h"

class BackgroundRelease {
 public:
  BackgroundRelease() = default;
  ~BackgroundRelease();
  BackgroundRelease(const BackgroundRelease&) = delete;
  BackgroundRelease& operator=(const BackgroundRelease&) = delete;

  // Takes `data` (moved in) and drops it on the release thread. When that
  // thread cannot be started the data is dropped here.
  template <typename T>
  void release(T&& data) {
    using Held = std::decay_t<T>;
    post([held = Held(std::move(data))]() mutable { [[maybe_unused]] const Held gone = std::move(held); });
  }

  // Runs `job` on the release thread after what was handed over before it.
  void post(std::function<void()> job);

  // Waits until everything handed over so far has been dropped.
  void drain();

 private:
  void run();

  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::condition_variable m_idle;
  std::deque<std::function<void()>> m_jobs;
  bool m_busy = false;
  bool m_stop = false;
  velmora_app::Thread m_thread;
};
