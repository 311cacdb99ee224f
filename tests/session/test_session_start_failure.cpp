// A solve whose worker thread cannot be started must not leave the session
// running forever, nor throw at the caller.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "session/solve_session.h"
#include "session_test_support.h"

namespace velmora_app {
namespace {

// Current address-space size of this process in bytes, from /proc.
unsigned long long vm_size_bytes() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("VmSize:", 0) == 0) return std::stoull(line.substr(7)) * 1024ull;
  }
  return 0;
}

// Runs in a child process: caps the address space just above its current
// size, so no thread stack can be mapped, and checks the session's answer.
// Exit code 0 means every expectation held.
int start_without_threads() {
  SolveSession session;
  auto rec = std::make_shared<testing::Recorder>();
  const ProgressCallback cb = rec->callback(rec);
  const unsigned long long size = vm_size_bytes();
  if (size == 0) return 10;
  rlimit saved{};
  if (getrlimit(RLIMIT_AS, &saved) != 0) return 11;
  rlimit limit{size + (1ull << 20), saved.rlim_max};
  if (setrlimit(RLIMIT_AS, &limit) != 0) return 11;

  bool accepted = false;
  try {
    accepted = session.start(testing::river_config(), cb);
  } catch (...) {
    return 12;  // must not escape to the caller
  }
  if (!accepted) return 13;
  if (session.is_running()) return 14;
  const auto reports = rec->reports();
  if (reports.size() != 1) return 15;
  const SolveProgress& p = reports.front();
  if (p.text.rfind("Error: ", 0) != 0 || p.text.size() <= 7) return 16;
  if (!p.result || p.result->success || p.result->message != p.text.substr(7)) return 17;
  if (p.result->board != testing::river_config().board) return 18;
  // The session is usable again once threads can be made.
  if (setrlimit(RLIMIT_AS, &saved) != 0) return 20;
  const auto again = testing::run_to_end(session, testing::river_config());
  if (again.empty() || again.back().text != "Done") return 19;
  return 0;
}

TEST(SolveSessionStartFailureDeathTest, ThreadThatCannotStartGivesOneErrorReportAndIdles) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizer shadow memory does not fit under an address-space cap";
#endif
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::_Exit(start_without_threads()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace velmora_app
