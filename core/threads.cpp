#include "core/threads.h"

#include <atomic>
#include <cerrno>
#include <system_error>

namespace velmora {

namespace {

std::atomic<ThreadStartHook> g_start_hook{nullptr};

void* run_thread(void* arg) {
  std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(arg));
  // An exception must not leave the thread's start routine.
  [&]() noexcept {
    if (const ThreadStartHook hook = thread_start_hook()) hook();
    (*body)();
  }();
  return nullptr;
}

[[noreturn]] void throw_thread_error(int code) {
  throw std::system_error(code == EAGAIN ? std::make_error_code(std::errc::resource_unavailable_try_again)
                                         : std::error_code(code, std::generic_category()),
                          "Failed to start a thread");
}

}  // namespace

void set_thread_start_hook(ThreadStartHook hook) { g_start_hook.store(hook, std::memory_order_release); }

ThreadStartHook thread_start_hook() { return g_start_hook.load(std::memory_order_acquire); }

Thread::Thread(std::function<void()> body) {
  auto owned = std::make_unique<std::function<void()>>(std::move(body));
  pthread_attr_t attr;
  int rc = pthread_attr_init(&attr);
  if (rc != 0) throw_thread_error(rc);
  rc = pthread_attr_setstacksize(&attr, kThreadStackBytes);
  if (rc == 0) rc = pthread_create(&handle_, &attr, &run_thread, owned.get());
  pthread_attr_destroy(&attr);
  if (rc != 0) throw_thread_error(rc);
  owned.release();  // the thread owns it now
  joinable_ = true;
}

Thread::Thread(Thread&& other) noexcept : handle_(other.handle_), joinable_(other.joinable_) {
  other.joinable_ = false;
}

Thread& Thread::operator=(Thread&& other) noexcept {
  if (joinable_) std::terminate();  // as std::thread: a running thread must be joined or detached first
  handle_ = other.handle_;
  joinable_ = other.joinable_;
  other.joinable_ = false;
  return *this;
}

Thread::~Thread() {
  if (joinable_) std::terminate();
}

void Thread::join() {
  if (!joinable_) throw std::system_error(std::make_error_code(std::errc::invalid_argument), "Thread not joinable");
  const int rc = pthread_join(handle_, nullptr);
  if (rc != 0) throw std::system_error(std::error_code(rc, std::generic_category()), "Failed to join a thread");
  joinable_ = false;
}

void Thread::detach() {
  if (!joinable_) throw std::system_error(std::make_error_code(std::errc::invalid_argument), "Thread not joinable");
  const int rc = pthread_detach(handle_);
  if (rc != 0) throw std::system_error(std::error_code(rc, std::generic_category()), "Failed to detach a thread");
  joinable_ = false;
}

}  // namespace velmora
