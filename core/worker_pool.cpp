#include "core/worker_pool.h"

#include <immintrin.h>

#include <chrono>
#include <system_error>
#include <utility>

namespace velmora {

namespace {

thread_local bool t_on_worker = false;

// An idle worker polls for new tasks a little before it blocks: the two
// traversals of an iteration follow each other closely, but a pool with no
// work must not keep a core busy (the window, a memory estimate or another
// process need it). Counted in pause instructions: tens of microseconds.
constexpr int kPollRounds = 1024;

}  // namespace

bool WorkerPool::on_worker() { return t_on_worker; }

WorkerPool::WorkerPool(std::size_t n) {
  threads_.reserve(n);
  try {
    for (std::size_t i = 0; i < n; ++i) threads_.emplace_back([this] { worker_loop(); });
  } catch (...) {
    // Workers already running must be stopped before the object is abandoned.
    stop_and_join();
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again),
                            "Failed to start solver worker thread");
  }
}

WorkerPool::~WorkerPool() { stop_and_join(); }

void WorkerPool::stop_and_join() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
    stopping_.store(true, std::memory_order_relaxed);
  }
  cv_.notify_all();
  for (auto& t : threads_) {
    if (t.joinable()) t.join();
  }
  threads_.clear();
}

void WorkerPool::submit(std::function<void()> task) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  queued_.fetch_add(1, std::memory_order_release);
  cv_.notify_one();
}

void WorkerPool::worker_loop() {
  for (;;) {
    std::function<void()> task;
    bool have = false;
    // Poll phase: try_lock only, so a submitting thread never finds a worker
    // asleep on the queue mutex and never pays for waking one.
    for (int round = 0; round < kPollRounds; ++round) {
      if (queued_.load(std::memory_order_acquire) != 0 || stopping_.load(std::memory_order_relaxed)) {
        std::unique_lock<std::mutex> lock(mutex_, std::try_to_lock);
        if (lock.owns_lock()) {
          if (!tasks_.empty()) {
            task = std::move(tasks_.front());
            tasks_.pop_front();
            queued_.fetch_sub(1, std::memory_order_relaxed);
            have = true;
            break;
          }
          if (stop_) return;
        }
      }
      _mm_pause();
    }
    if (!have) {
      bool more = false;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        cv_.wait(lock, [this] { return stop_ || !tasks_.empty(); });
        // Queued work is drained before a stopping pool lets its threads end.
        if (tasks_.empty()) return;
        task = std::move(tasks_.front());
        tasks_.pop_front();
        queued_.fetch_sub(1, std::memory_order_relaxed);
        more = !tasks_.empty();
      }
      if (more) cv_.notify_one();
    }
    const bool saved = t_on_worker;
    t_on_worker = true;
    task();
    t_on_worker = saved;
  }
}

}  // namespace velmora
