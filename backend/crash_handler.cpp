#include "backend/crash_handler.h"

#include "backend/log_handler.h"
#include "session/threads.h"

#include <signal.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <new>

namespace velmora_crash {
namespace {

// Everything below may run inside a signal handler: no allocation, no locks,
// no stdio, only stack buffers and async-signal-safe system calls.

constexpr int kCrashSignals[] = {SIGABRT, SIGSEGV, SIGILL, SIGFPE, SIGBUS};

// Room for the handler of a stack overflow: it cannot run on the stack that
// just ran out. The main thread's is static; every thread the program
// starts gets one of its own (installThreadAltStack).
constexpr std::size_t kAltStackSize = 64 * 1024;
alignas(16) char g_altStack[kAltStackSize];

// A thread's own alternate stack, released when the thread ends (after it
// is switched off: the kernel must never deliver a signal onto freed memory).
struct ThreadAltStack {
  void* memory = nullptr;
  ~ThreadAltStack() {
    if (memory == nullptr) return;
    stack_t off{};
    off.ss_flags = SS_DISABLE;
    sigaltstack(&off, nullptr);
    std::free(memory);
  }
};
thread_local ThreadAltStack t_altStack;

// A small fixed-capacity line builder on the stack; a line begins with the
// local time, as the message lines do.
struct LineBuffer {
  char data[160];
  std::size_t len = 0;

  LineBuffer() {
    len = velmora_log::formatRawTimestamp(data, sizeof(data));
    if (len > 0) data[len++] = ' ';
  }

  void append(const char* text) {
    while (*text != '\0' && len < sizeof(data)) data[len++] = *text++;
  }
  void appendUnsigned(std::uint64_t value, unsigned base) {
    char digits[24];
    std::size_t n = 0;
    do {
      const unsigned d = static_cast<unsigned>(value % base);
      digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + (d - 10));
      value /= base;
    } while (value != 0 && n < sizeof(digits));
    while (n > 0 && len < sizeof(data)) data[len++] = digits[--n];
  }
  void appendSigned(std::int64_t value) {
    if (value < 0) {
      append("-");
      appendUnsigned(static_cast<std::uint64_t>(-(value + 1)) + 1u, 10);
    } else {
      appendUnsigned(static_cast<std::uint64_t>(value), 10);
    }
  }
  void flushToLogs() const { velmora_log::logToBothFilesRaw(data, len); }
};

void writeFixedLine(const char* text) {
  LineBuffer line;
  line.append(text);
  line.flushToLogs();
}

bool carriesFaultAddress(int sig) {
  return sig == SIGSEGV || sig == SIGBUS || sig == SIGILL || sig == SIGFPE;
}

void signalHandler(int sig, siginfo_t* info, void* /*context*/) {
  LineBuffer line;
  line.append("FATAL: C signal received sig=");
  line.appendSigned(sig);
  line.flushToLogs();

  // A fault address exists only for a fault the kernel raised (si_code > 0),
  // not for a signal sent with kill() or raise().
  if (info != nullptr && info->si_code > 0 && carriesFaultAddress(sig)) {
    LineBuffer fault;
    fault.append("FATAL: Fault signal code=0x");
    fault.appendUnsigned(static_cast<std::uint32_t>(info->si_code), 16);
    fault.append(" addr=");
    fault.appendUnsigned(reinterpret_cast<std::uintptr_t>(info->si_addr), 16);
    fault.flushToLogs();
  }

  // End the process through the signal's own default action, so the exit
  // status names the real cause. The signal is blocked while this handler
  // runs; it is delivered with the default action as soon as we return (a
  // hardware fault simply happens again).
  struct sigaction dfl {};
  dfl.sa_handler = SIG_DFL;
  sigemptyset(&dfl.sa_mask);
  sigaction(sig, &dfl, nullptr);
  raise(sig);
}

void installAltStack() {
  stack_t current{};
  if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_ONSTACK) != 0) return;
  stack_t ss{};
  ss.ss_sp = g_altStack;
  ss.ss_size = kAltStackSize;
  ss.ss_flags = 0;
  sigaltstack(&ss, nullptr);
}

// The thread-start hook of every thread the program starts (estimate, solve,
// solver pool, card context and tree builder threads): a thread does not
// inherit the main thread's alternate stack, and without one a stack
// overflow there would end the process before the handler could log it.
void installThreadAltStack() {
  stack_t current{};
  if (sigaltstack(nullptr, &current) != 0 || (current.ss_flags & SS_DISABLE) == 0) return;
  void* memory = std::malloc(kAltStackSize);
  if (memory == nullptr) return;
  stack_t ss{};
  ss.ss_sp = memory;
  ss.ss_size = kAltStackSize;
  ss.ss_flags = 0;
  if (sigaltstack(&ss, nullptr) != 0) {
    std::free(memory);
    return;
  }
  t_altStack.memory = memory;
}

[[noreturn]] void abortWithDefaultAction() {
  std::abort();  // the SIGABRT handler logs once more and re-raises with the default action
}

}  // namespace

void terminateHandler() {
  writeFixedLine("FATAL: std::terminate() called");
  abortWithDefaultAction();
}

void outOfMemoryHandler() {
  writeFixedLine("FATAL: std::new_handler invoked (out of memory)");
  abortWithDefaultAction();
}

void installCrashHandlers() {
  velmora_log::noteLocalTimeOffset();
  std::set_terminate(terminateHandler);
  std::set_new_handler(outOfMemoryHandler);

  installAltStack();
  velmora_app::set_thread_start_hook(&installThreadAltStack);

  struct sigaction action {};
  action.sa_sigaction = signalHandler;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  // While one crash signal is handled, the others stay blocked on that
  // thread: a fault inside the handler ends the process instead of
  // re-entering it.
  sigemptyset(&action.sa_mask);
  for (int sig : kCrashSignals) sigaddset(&action.sa_mask, sig);
  for (int sig : kCrashSignals) sigaction(sig, &action, nullptr);

  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, nullptr);
}

}  // namespace velmora_crash
