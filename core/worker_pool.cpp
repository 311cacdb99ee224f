#include "core/worker_pool.h"

#include <chrono>
#include <system_error>
#include <utility>

#include "core/spin_lock.h"

namespace velmora {

namespace {

thread_local bool t_on_worker = false;
thread_local int t_worker_index = -1;

// An idle worker polls for new tasks a little before it blocks: the
// parallel regions of a traversal follow each other within a fraction of a
// millisecond, and waking a blocked thread costs tens of microseconds per
// region; but a pool with no work must not keep a core busy (the window, a
// memory estimate or another process need it), so it blocks soon after.
constexpr auto kPoll = std::chrono::microseconds(500);

}  // namespace

bool WorkerPool::on_worker() { return t_on_worker; }

int WorkerPool::worker_index() { return t_worker_index; }

WorkerPool::WorkerPool(std::size_t n) {
  threads_.reserve(n);
  try {
    for (std::size_t i = 0; i < n; ++i) threads_.emplace_back([this, i] { worker_loop(static_cast<int>(i)); });
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

void WorkerPool::worker_loop(int index) {
  t_worker_index = index;
  for (;;) {
    std::function<void()> task;
    bool have = false;
    // Poll phase: try_lock only, so a submitting thread never finds a worker
    // asleep on the queue mutex and never pays for waking one.
    const auto start = std::chrono::steady_clock::now();
    SpinWait wait(1, 2048);
    for (int round = 0;; ++round) {
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
      wait.pause();
      if ((round & 63) == 63 && std::chrono::steady_clock::now() - start > kPoll) break;
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
