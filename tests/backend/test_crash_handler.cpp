// Crash handlers: a child process (this binary re-run with a mode in its
// environment) crashes in a chosen way; the test checks the "FATAL:" lines
// in both log files and that the child died of the right signal, in time.
// A write past a limit on the size of files is no crash: the program lives on.
#include "backend/crash_handler.h"
#include "backend/log_handler.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <stdexcept>
#include <thread>

#include <sys/resource.h>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "child_process.h"
#include "core/threads.h"
#include "core/worker_pool.h"

namespace {

constexpr char kChildModeVar[] = "VELMORA_CRASH_TEST_CHILD";
constexpr char kChildDirVar[] = "VELMORA_CRASH_TEST_DIR";

void* volatile g_sink = nullptr;
int* volatile g_nullTarget = nullptr;
volatile int g_depthLimit = std::numeric_limits<int>::max();

// A real store through a null pointer, left to the hardware: UBSan's own
// null check would end the process before the signal handler sees it.
__attribute__((no_sanitize("undefined"))) void storeThroughNull() { *g_nullTarget = 42; }

int recurseForever(int depth) {
  volatile char frame[4096];
  if (depth >= g_depthLimit) return depth;
  frame[0] = static_cast<char>(depth);
  frame[sizeof(frame) - 1] = frame[0];
  return recurseForever(depth + 1) + frame[sizeof(frame) - 1];
}

void crashAs(const QByteArray& mode) {
  if (mode == "segv") {
    storeThroughNull();
  } else if (mode == "abort") {
    std::abort();
  } else if (mode == "terminate") {
    std::thread([] { throw std::runtime_error("escaped the thread"); }).join();
  } else if (mode == "oom") {
    g_sink = ::operator new(std::numeric_limits<std::size_t>::max() / 4);
  } else if (mode == "overflow") {
    g_sink = reinterpret_cast<void*>(static_cast<std::intptr_t>(recurseForever(0)));
  } else if (mode == "thread-overflow") {
    // A thread started as the estimate and the solve are.
    velmora::Thread t([] { g_sink = reinterpret_cast<void*>(static_cast<std::intptr_t>(recurseForever(0))); });
    t.join();
  } else if (mode == "pool-overflow") {
    // A solver pool worker; the pool runs its queued task before it stops.
    velmora::WorkerPool pool(2);
    pool.submit([] { g_sink = reinterpret_cast<void*>(static_cast<std::intptr_t>(recurseForever(0))); });
  }
}

// Child mode runs during static initialisation, before the test runner.
int runChildIfRequested() {
  const auto [mode, dir] = child_process::enterChildRun(kChildModeVar, kChildDirVar);
  if (mode.isEmpty()) return 0;
  velmora_crash::installCrashHandlers();
  crashAs(mode);
  std::_Exit(7);  // survived: the parent reports it
}
[[maybe_unused]] const int kChildRan = runChildIfRequested();

using child_process::ChildResult;

class CrashHandlerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  ChildResult runChild(const QString& mode, const QString& timeZone = QString()) {
    started_ = QDateTime::currentDateTimeUtc();
    if (timeZone.isEmpty()) {
      return child_process::runSelf({{kChildModeVar, mode}, {kChildDirVar, dir_.path()}}, QProcess::ForwardedChannels);
    }
    return child_process::runSelf({{kChildModeVar, mode}, {kChildDirVar, dir_.path()}, {"TZ", timeZone}},
                                  QProcess::ForwardedChannels);
  }

  QStringList lines(const QString& name) const {
    QFile f(dir_.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(f.readAll());
    if (text.endsWith('\n')) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split('\n');
  }

  // Both log files hold exactly the expected crash lines, each after the
  // local time of the crash (UTC plus `utcOffset` seconds).
  void expectBothLogs(const QStringList& expected, int utcOffset = QDateTime::currentDateTime().offsetFromUtc()) {
    const QDateTime from = started_.addSecs(utcOffset).addMSecs(-5);
    const QDateTime to = QDateTime::currentDateTimeUtc().addSecs(utcOffset).addMSecs(5);
    for (const QString& name : {QStringLiteral("app.log"), QStringLiteral("temp.log")}) {
      const QStringList got = lines(name);
      ASSERT_EQ(got.size(), expected.size()) << name.toStdString() << ": " << got.join(" | ").toStdString();
      for (int i = 0; i < expected.size(); ++i) {
        const QRegularExpression re(R"(^(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}) )" + expected[i] + "$");
        const auto m = re.match(got[i]);
        ASSERT_TRUE(m.hasMatch()) << name.toStdString() << " line " << i << ": " << got[i].toStdString();
        const QDateTime stamp = QDateTime::fromString(m.captured(1) + "Z", Qt::ISODateWithMs);  // as written
        EXPECT_TRUE(stamp >= from && stamp <= to) << got[i].toStdString();
      }
    }
  }

  QDateTime started_;
  QTemporaryDir dir_;
};

TEST_F(CrashHandlerTest, SegmentationFaultIsLoggedWithAddressAndKillsWithSigsegv) {
  const ChildResult r = runChild("segv");
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.status, QProcess::CrashExit);
  EXPECT_EQ(r.code, SIGSEGV);
  expectBothLogs({QString("FATAL: C signal received sig=%1").arg(SIGSEGV),
                  R"(FATAL: Fault signal code=0x[0-9a-f]+ addr=0)"});
}

TEST_F(CrashHandlerTest, StackOverflowIsStillReportedFromTheAlternateStack) {
  const ChildResult r = runChild("overflow");
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.status, QProcess::CrashExit);
  EXPECT_EQ(r.code, SIGSEGV);
  expectBothLogs({QString("FATAL: C signal received sig=%1").arg(SIGSEGV),
                  R"(FATAL: Fault signal code=0x[0-9a-f]+ addr=[0-9a-f]+)"});
}

TEST_F(CrashHandlerTest, StackOverflowOnAStartedThreadIsReportedToo) {
  // Every thread the program starts has an alternate stack of its own: the
  // main thread's cannot serve another thread's overflow.
  for (const char* mode : {"thread-overflow", "pool-overflow"}) {
    SCOPED_TRACE(mode);
    ASSERT_TRUE(QFile::remove(dir_.filePath("app.log")) || !QFile::exists(dir_.filePath("app.log")));
    ASSERT_TRUE(QFile::remove(dir_.filePath("temp.log")) || !QFile::exists(dir_.filePath("temp.log")));
    const ChildResult r = runChild(mode);
    ASSERT_TRUE(r.finished) << "child hung";
    EXPECT_EQ(r.status, QProcess::CrashExit);
    EXPECT_EQ(r.code, SIGSEGV);
    expectBothLogs({QString("FATAL: C signal received sig=%1").arg(SIGSEGV),
                    R"(FATAL: Fault signal code=0x[0-9a-f]+ addr=[0-9a-f]+)"});
  }
}

TEST_F(CrashHandlerTest, AbortIsLoggedOnceAndEndsWithSigabrt) {
  const ChildResult r = runChild("abort");
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.status, QProcess::CrashExit);
  EXPECT_EQ(r.code, SIGABRT);
  expectBothLogs({QString("FATAL: C signal received sig=%1").arg(SIGABRT)});
}

TEST_F(CrashHandlerTest, CrashLinesCarryTheLocalTimeOfTheirTimeZone) {
  // A zone far from UTC, written as a rule: no time zone files needed.
  const ChildResult r = runChild("abort", "XYZ-5:30");
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.code, SIGABRT);
  expectBothLogs({QString("FATAL: C signal received sig=%1").arg(SIGABRT)}, 5 * 3600 + 30 * 60);
}

TEST_F(CrashHandlerTest, UncaughtExceptionGoesThroughTheTerminateHandler) {
  const ChildResult r = runChild("terminate");
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.status, QProcess::CrashExit);
  EXPECT_EQ(r.code, SIGABRT);
  expectBothLogs({R"(FATAL: std::terminate\(\) called)", QString("FATAL: C signal received sig=%1").arg(SIGABRT)});
}

TEST_F(CrashHandlerTest, FailedAllocationGoesThroughTheNewHandler) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizer's allocator reports an impossible allocation itself, before any new handler";
#endif
  const ChildResult r = runChild("oom");
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.status, QProcess::CrashExit);
  EXPECT_EQ(r.code, SIGABRT);
  expectBothLogs({R"(FATAL: std::new_handler invoked \(out of memory\))",
                  QString("FATAL: C signal received sig=%1").arg(SIGABRT)});
}

TEST_F(CrashHandlerTest, CrashLinesDoNotFollowAPlantedLink) {
  const QString victim = dir_.filePath("victim.txt");
  {
    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::WriteOnly));
    v.write("keep");
  }
  ASSERT_TRUE(QFile::link(victim, dir_.filePath("temp.log")));
  const ChildResult r = runChild("abort");
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.code, SIGABRT);
  QFile v(victim);
  ASSERT_TRUE(v.open(QIODevice::ReadOnly));
  EXPECT_EQ(v.readAll(), QByteArray("keep"));
  const QStringList got = lines("app.log");
  ASSERT_EQ(got.size(), 1);
  EXPECT_TRUE(got[0].endsWith(QString(" FATAL: C signal received sig=%1").arg(SIGABRT))) << got[0].toStdString();
}

// A project saved, as the window saves it, past the limit on the size of files
// (ulimit -f) the program runs under, with the handlers installed as at start:
// the save fails and says so, the older file stays as it was, and the program
// lives on (the signal such a write raises would end it). Runs again in a
// child process, which sets the limit.
TEST(FileSizeLimitTest, AProjectSavePastTheLimitFailsAndTheProgramLivesOn) {
  if (qEnvironmentVariableIsEmpty("VELMORA_FILE_SIZE_CHILD")) {
    EXPECT_TRUE(child_process::passesInChild("VELMORA_FILE_SIZE_CHILD", "FileSizeLimitTest.*"));
    return;
  }
  // The signal's default action, whatever this run was started with.
  ASSERT_NE(std::signal(SIGXFSZ, SIG_DFL), SIG_ERR);
  velmora_crash::installCrashHandlers();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  AppController c;
  const QUrl file = QUrl::fromLocalFile(dir.filePath("spot.velmoraproj"));
  ASSERT_TRUE(c.saveProject(file, {{"boardText", "AsKsQs"}}));
  const QByteArray older = app_controller_test::readAll(file.toLocalFile());
  const rlimit limit{rlim_t(older.size() + 16 * 1024), RLIM_INFINITY};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  QSignalSpy saved(&c, &AppController::projectSaved);
  c.saveProjectInBackground(file, {{"boardText", "AsKsQs"}, {"oopRangeText", QString(200000, QLatin1Char('A'))}});
  ASSERT_TRUE(saved.wait(20000));
  EXPECT_FALSE(saved[0][0].toBool());
  EXPECT_FALSE(saved[0][2].toString().isEmpty());
  EXPECT_EQ(app_controller_test::readAll(file.toLocalFile()), older);
}

}  // namespace
