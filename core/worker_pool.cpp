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

constexpr std::uint64_t kIndexBits = 12;
constexpr std::uint64_t kIndexMask = (std::uint64_t{1} << kIndexBits) - 1;

std::uint64_t offer_index(std::uint64_t word) { return word & kIndexMask; }
std::uint64_t offer_count(std::uint64_t word) { return (word >> kIndexBits) & kIndexMask; }
bool offer_has_chunk(std::uint64_t word) { return offer_index(word) < offer_count(word); }

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

bool WorkerPool::offer(std::size_t n, ChunkFn run, void* context) {
  if (n == 0 || n > kIndexMask || offer_open_.exchange(true, std::memory_order_acquire)) return false;
  offer_run_ = run;
  offer_context_ = context;
  const std::uint64_t generation = (offer_.load(std::memory_order_relaxed) >> (2 * kIndexBits)) + 1;
  offer_.store((generation << (2 * kIndexBits)) | (std::uint64_t{n} << kIndexBits), std::memory_order_seq_cst);
  // A worker that went to sleep before seeing the offer is woken; one that
  // goes to sleep after this look has counted itself first and sees it.
  if (sleepers_.load(std::memory_order_seq_cst) > 0) {
    { std::lock_guard<std::mutex> lock(mutex_); }
    cv_.notify_all();
  }
  return true;
}

bool WorkerPool::run_offered_chunk() {
  std::uint64_t word = offer_.load(std::memory_order_acquire);
  while (offer_has_chunk(word)) {
    if (offer_.compare_exchange_weak(word, word + 1, std::memory_order_acquire, std::memory_order_acquire)) {
      offer_run_(offer_context_, static_cast<std::size_t>(offer_index(word)));
      return true;
    }
  }
  return false;
}

void WorkerPool::claim() {
  while (run_offered_chunk()) {
  }
}

void WorkerPool::finish_offer() { offer_open_.store(false, std::memory_order_release); }

void WorkerPool::worker_loop(int index) {
  t_worker_index = index;
  for (;;) {
    std::function<void()> task;
    bool have = false;
    // Poll phase: try_lock only, so a submitting thread never finds a worker
    // asleep on the queue mutex and never pays for waking one.
    auto start = std::chrono::steady_clock::now();
    SpinWait wait;
    for (int round = 0;; ++round) {
      if (offer_has_chunk(offer_.load(std::memory_order_relaxed))) {
        const bool saved = t_on_worker;
        t_on_worker = true;
        const bool ran = run_offered_chunk();
        t_on_worker = saved;
        if (ran) {
          start = std::chrono::steady_clock::now();
          wait = SpinWait();
          round = -1;
          continue;
        }
      }
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
        sleepers_.fetch_add(1, std::memory_order_seq_cst);
        cv_.wait(lock, [this] {
          return stop_ || !tasks_.empty() || offer_has_chunk(offer_.load(std::memory_order_seq_cst));
        });
        sleepers_.fetch_sub(1, std::memory_order_relaxed);
        if (tasks_.empty()) {
          if (!stop_) continue;  // woken for an offer: claim it while polling
          // Queued work is drained before a stopping pool lets its threads end.
          return;
        }
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
