// The threads the back end starts (estimates, project files, releases) are
// the solver's own kind: a stack that holds the deepest tree the builder
// accepts, and the process's thread-start hook (the crash handler's signal
// stack) run before their work.
#pragma once

#include "core/threads.h"

namespace velmora_app {

using velmora::kThreadStackBytes;
using velmora::set_thread_start_hook;
using velmora::Thread;
using velmora::ThreadStartHook;

// The most threads a solve's set-up runs at once: the card context's
// workers or the tree builder's, whichever are more.
unsigned set_up_workers();

}  // namespace velmora_app
