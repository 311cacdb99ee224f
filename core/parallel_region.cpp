#include "core/parallel_region.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <latch>
#include <mutex>

namespace velmora {

namespace {

// Set while the calling thread runs its own share of a parallel_for.
thread_local bool t_in_parallel_for = false;

}  // namespace

void parallel_for(WorkerPool* pool, std::size_t threads, std::size_t count,
                  const std::function<void(std::size_t, std::size_t)>& body) {
  // Nested calls run inline, on a pool worker and on a calling thread busy
  // with its own share alike: the workers are occupied by the outer call, so
  // queued inner chunks would only leave the caller waiting for them.
  if (!pool || threads < 2 || count < 2 || WorkerPool::on_worker() || t_in_parallel_for) {
    body(0, count);
    return;
  }
  const std::size_t k = std::min(threads, count);
  const std::size_t chunk = std::max<std::size_t>(1, (count + k - 1) / k);
  const std::size_t n = (count + chunk - 1) / chunk;

  // Lives on this stack frame. A chunk's last access to it is its count-down
  // of `left` (a failing chunk records its exception under the mutex first),
  // and this thread returns only once `left` is zero, so no chunk can still
  // be using it afterwards. Neither side takes a lock on the usual path: a
  // caller blocked on a mutex the last chunk still holds would sleep through
  // a wake-up that costs more than a short region.
  struct Completion {
    const std::function<void(std::size_t, std::size_t)>* body;
    std::size_t chunk;
    std::size_t count;
    std::latch left;
    std::mutex mutex;
    std::exception_ptr error;  // under the mutex
    explicit Completion(std::ptrdiff_t chunks) : left(chunks) {}
    void run(std::size_t i) {
      std::exception_ptr failure;
      try {
        (*body)(i * chunk, std::min((i + 1) * chunk, count));
      } catch (...) {
        failure = std::current_exception();
      }
      if (failure) {
        std::lock_guard<std::mutex> lock(mutex);
        if (!error) error = std::move(failure);
      }
      left.count_down();
    }
  };
  Completion done(static_cast<std::ptrdiff_t>(n - 1));
  done.body = &body;
  done.chunk = chunk;
  done.count = count;
  Completion* state = &done;
  // Idle workers poll for an offer and all start at once; the queue is for
  // when another thread's offer is still open.
  const bool offered =
      pool->offer(n - 1, [](void* context, std::size_t i) { static_cast<Completion*>(context)->run(i); }, state);
  if (!offered) {
    pool->submit_n(n - 1, [state](std::size_t i) { return std::function<void()>([state, i] { state->run(i); }); });
  }

  std::exception_ptr own_failure;
  t_in_parallel_for = true;
  try {
    body((n - 1) * chunk, count);
  } catch (...) {
    own_failure = std::current_exception();
  }
  // Chunks no worker has taken yet are run here.
  if (offered) pool->claim();
  t_in_parallel_for = false;
  // Chunks are short: poll briefly before blocking.
  const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(200);
  SpinWait wait;
  while (!done.left.try_wait() && std::chrono::steady_clock::now() < until) wait.pause();
  done.left.wait();
  if (offered) pool->finish_offer();
  if (own_failure) std::rethrow_exception(own_failure);
  if (done.error) std::rethrow_exception(done.error);
}

namespace cfr_detail {

void help_until_done(Region& region, ScratchStack& scratch) {
  t_helping = true;
  region.idle.fetch_add(1, std::memory_order_relaxed);
  // Also when a child throws (an abandoned iteration): the thread helps no
  // region any more, and this one counts it idle no longer.
  struct Leave {
    Region& region;
    ~Leave() {
      region.idle.fetch_sub(1, std::memory_order_relaxed);
      t_helping = false;
    }
  } leave{region};
  SpinWait wait;
  while (region.unfinished.load(std::memory_order_acquire) != 0 && !region.failed.load(std::memory_order_relaxed)) {
    HelpTask* task = nullptr;
    if (region.open_count.load(std::memory_order_acquire) > 0) {
      std::lock_guard<SpinLock> lock(region.mutex);
      for (HelpTask* t : region.open) {
        if (t->next.load(std::memory_order_relaxed) < t->count) {
          task = t;
          task->active.fetch_add(1, std::memory_order_relaxed);
          break;
        }
      }
    }
    if (task == nullptr) {
      wait.pause();
      continue;
    }
    // Releases the task on every path; the release is the helper's last
    // access to it.
    struct Hold {
      HelpTask* task;
      ~Hold() { task->active.fetch_sub(1, std::memory_order_acq_rel); }
    } hold{task};
    for (std::size_t c = task->next.fetch_add(1); c < task->count; c = task->next.fetch_add(1)) (*task->run)(c, scratch);
  }
}

void run_with_helpers(Region& region, std::size_t count,
                      const std::function<void(std::size_t, ScratchStack&)>& run,
                      ScratchStack& scratch) {
  HelpTask task;
  task.count = count;
  task.run = &run;
  {
    std::lock_guard<SpinLock> lock(region.mutex);
    region.open.push_back(&task);
    region.open_count.fetch_add(1, std::memory_order_release);
  }
  // Withdraws the task and waits for the helpers still on it, on every path:
  // after that nobody refers to it or to the buffers its children write.
  struct Withdraw {
    Region& region;
    HelpTask& task;
    ~Withdraw() {
      {
        std::lock_guard<SpinLock> lock(region.mutex);
        region.open.erase(std::find(region.open.begin(), region.open.end(), &task));
        region.open_count.fetch_sub(1, std::memory_order_relaxed);
      }
      SpinWait wait;
      while (task.active.load(std::memory_order_acquire) != 0) wait.pause();
    }
  } withdraw{region, task};
  for (std::size_t c = task.next.fetch_add(1); c < count; c = task.next.fetch_add(1)) run(c, scratch);
}

}  // namespace cfr_detail
}  // namespace velmora
