// Long-lived worker threads of one solver.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "core/threads.h"

namespace velmora {

class WorkerPool {
 public:
  explicit WorkerPool(std::size_t n);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // Tasks must not throw; parallel_for wraps its chunks accordingly.
  void submit(std::function<void()> task);
  // Queues make(0) .. make(n-1) under one lock and wakes the workers.
  template <class Make>
  void submit_n(std::size_t n, Make&& make) {
    if (n == 0) return;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      for (std::size_t i = 0; i < n; ++i) tasks_.emplace_back(make(i));
    }
    queued_.fetch_add(n, std::memory_order_release);
    // Sleeping workers are woken all at once rather than one by the other:
    // a chain of wake-ups would delay the last chunk by all of them.
    if (n > 1) {
      cv_.notify_all();
    } else {
      cv_.notify_one();
    }
  }
  std::size_t size() const { return threads_.size(); }

  // Offers chunks 0 .. n-1 of `run(context, i)` to the workers without the
  // queue: polling workers claim them from one shared counter, so they all
  // start together. Returns false (nothing offered) when another offer is
  // still open or n does not fit; otherwise the caller must call
  // `finish_offer` once every chunk has run, and may run unclaimed chunks
  // itself through `claim`.
  using ChunkFn = void (*)(void* context, std::size_t chunk);
  bool offer(std::size_t n, ChunkFn run, void* context);
  // Claims and runs the offer's chunks until none is left unclaimed.
  void claim();
  void finish_offer();

  // True on a pool worker while it runs a task.
  static bool on_worker();
  // The calling worker's number in its pool (0 .. size-1), or -1 on a
  // thread that is not a pool worker.
  static int worker_index();

 private:
  void worker_loop(int index);
  // Claims one chunk of the open offer; false when none is left.
  bool run_offered_chunk();
  void stop_and_join();

  std::vector<Thread> threads_;
  std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<std::function<void()>> tasks_;
  bool stop_ = false;
  // Mirrors of the queue length and the stop flag that idle workers poll
  // for a short while before they block: waking a blocked thread costs far
  // more than the short chunks of a traversal.
  // On a cache line of their own, so polling never slows the queue itself.
  // `queued_` is a hint (raised after the push, lowered at the pop); the
  // queue under the mutex is what counts.
  alignas(64) std::atomic<std::size_t> queued_{0};
  std::atomic<bool> stopping_{false};
  // The open offer: generation (high 40 bits, so a claim held up for any
  // length of time never matches a later offer), chunk count (next 12) and
  // next unclaimed chunk (low 12), claimed by compare-and-swap. The function
  // and context are written before the word that publishes them and are
  // read only by a thread that claimed a chunk of that generation, which
  // the offer cannot outlive.
  alignas(64) std::atomic<std::uint64_t> offer_{0};
  ChunkFn offer_run_ = nullptr;
  void* offer_context_ = nullptr;
  std::atomic<bool> offer_open_{false};
  std::atomic<int> sleepers_{0};
};

}  // namespace velmora
