// The threads the solver core and the session start: each gets a stack
// large enough for the deepest walk of the deepest tree the builder accepts
// (see kMaxPlanDepth), whatever the platform's default, and runs the
// process's thread-start hook before its work.
#pragma once
#include <cstddef>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <type_traits>
#include <utility>

#include <pthread.h>

namespace velmora {

// Every walk of a tree (the builder, the counter, the solver's traversals)
// takes well under 1 KiB of stack a level in a release build, and a few
// times that under the sanitizers; the chance nodes' frames (about 9 KiB)
// occur a few times a line. 16 KiB a level of the deepest tree allowed.
inline constexpr std::size_t kThreadStackBytes = std::size_t{16} << 20;

// Runs first on every thread started through Thread (the back end installs
// its crash handler's signal stack there). Set it once, before any such
// thread starts; null clears it.
using ThreadStartHook = void (*)();
void set_thread_start_hook(ThreadStartHook hook);
ThreadStartHook thread_start_hook();

// A thread with a kThreadStackBytes stack that runs the hook, then `body`.
// Used like std::thread: join or detach it before it is destroyed; an
// exception that leaves `body` ends the process (std::terminate). A thread
// that cannot be started throws std::system_error.
class Thread {
 public:
  Thread() noexcept = default;
  explicit Thread(std::function<void()> body);
  Thread(Thread&& other) noexcept;
  Thread& operator=(Thread&& other) noexcept;
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;
  ~Thread();

  bool joinable() const noexcept { return joinable_; }
  void join();
  void detach();

 private:
  pthread_t handle_{};
  bool joinable_ = false;
};

// The result of `fn` run on a Thread of its own, like
// std::async(std::launch::async, fn): get() waits for it (and the thread)
// and rethrows what `fn` threw. Destroying it waits too.
template <class T>
class AsyncTask {
 public:
  AsyncTask() = default;
  template <class Fn>
  explicit AsyncTask(Fn&& fn) {
    auto task = std::make_shared<std::packaged_task<T()>>(std::forward<Fn>(fn));
    result_ = task->get_future();
    thread_ = Thread([task] { (*task)(); });
  }
  AsyncTask(AsyncTask&&) noexcept = default;
  AsyncTask& operator=(AsyncTask&& other) noexcept {
    wait();
    result_ = std::move(other.result_);
    thread_ = std::move(other.thread_);
    return *this;
  }
  ~AsyncTask() { wait(); }

  bool valid() const { return result_.valid(); }
  T get() {
    wait();
    return result_.get();
  }

 private:
  void wait() noexcept {
    if (thread_.joinable()) thread_.join();
  }

  std::future<T> result_;
  Thread thread_;
};

template <class Fn>
AsyncTask<std::invoke_result_t<std::decay_t<Fn>>> run_async(Fn&& fn) {
  return AsyncTask<std::invoke_result_t<std::decay_t<Fn>>>(std::forward<Fn>(fn));
}

}  // namespace velmora
