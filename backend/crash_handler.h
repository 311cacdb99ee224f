// Last-words handlers for a dying process: fatal signals, std::terminate and
// a failed allocation each append one "FATAL: ..." line, after the local
// time, to the crash-log paths (see log_handler.h) before the process ends.
#pragma once

namespace velmora_crash {

// Installs, in this order: the terminate handler, the new handler, then the
// signal handler for SIGABRT, SIGSEGV, SIGILL, SIGFPE and SIGBUS on an
// alternate signal stack (so a stack overflow on the main thread is still
// reported), and the thread-start hook (core/threads.h) that gives every
// thread the program starts an alternate stack of its own, so an overflow
// there is reported too. Safe to call more than once.
// It also ignores SIGXFSZ: a write past a limit on the size of files (ulimit
// -f) then fails with EFBIG, which the writer reports (a project or settings
// save, the log), rather than ending the program with everything unsaved.
void installCrashHandlers();

// The handlers themselves; none of them returns.
[[noreturn]] void terminateHandler();
[[noreturn]] void outOfMemoryHandler();

}  // namespace velmora_crash
