// Long-lived worker threads of one solver.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace velmora {

class WorkerPool {
 public:
  explicit WorkerPool(std::size_t n);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  void submit(std::function<void()> task);
  std::size_t size() const { return threads_.size(); }

  // True on a pool worker while it runs a task.
  static bool on_worker();

 private:
  void worker_loop();
  void stop_and_join();

  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<std::function<void()>> tasks_;
  bool stop_ = false;
};

}  // namespace velmora
