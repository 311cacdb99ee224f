// The memory the controller offers a solve and a project open is bounded by
// the process's own limits as well as by the system's free memory: its
// control group (read here from a folder laid out as the control-group file
// system) and its address-space limit (set in a child process). A start or
// an open that does not fit is refused with the "Not enough RAM" reasons.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdlib>
#include <string>

#include "app_controller_test_support.h"
#include "backend/platform/memory_limits.h"
#include "backend/platform/system_info.h"
#include "child_process.h"

using namespace app_controller_test;

namespace {

constexpr quint64 kMiB = quint64(1) << 20;
constexpr quint64 kGiB = quint64(1) << 30;
const char* const kSolveRefused = "Not enough RAM to solve (after clearing previous results)";

// A file that begins a project and is `bytes` long (sparse: never written out).
bool writeProjectHead(const QString& path, qint64 bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write("{") == 1 && f.resize(bytes);
}

std::string openRefusal(quint64 fileBytes, quint64 availableBytes) {
  return QStringLiteral("Not enough RAM (opening it needs about %1, %2 available)")
      .arg(AppController::formatMemoryBytes(fileBytes * 5), AppController::formatMemoryBytes(availableBytes))
      .toStdString();
}

std::string openError(AppController& c, const QString& path) {
  return c.loadProject(QUrl::fromLocalFile(path)).value("error").toString().toStdString();
}

// Starts a solve and waits until it ended or was refused.
std::string startOutcome(AppController& c, const QVariantMap& spot) {
  c.startSolveWithConfig(spot);
  if (!waitFor([&] { return !c.running(); })) return "still running";
  return c.statusText().toStdString();
}

// A flop spot of about a gigabyte.
QVariantMap flopSpot() {
  QVariantMap m = riverSpot(10);
  m.insert("board", "Qs 8s 3d");
  m.insert("starting_street", "flop");
  m.insert("starting_pot", 180);
  m.insert("effective_stack", 910);
  const QString range = "22+, A2s+, K9s+, Q9s+, J9s+, T8s+, 98s, 87s, 76s, 65s, 54s, A9o+, KTo+, QTo+, JTo";
  m.insert("oop_range", range);
  m.insert("ip_range", range);
  for (auto it = m.begin(); it != m.end(); ++it) {
    if (it.key().endsWith("_bet_sizes")) it.value() = "52%";
    if (it.key().endsWith("_raise_sizes")) it.value() = "45%";
    if (it.key().endsWith("_add_all_in")) it.value() = true;
  }
  return m;
}

// --- the child: an address-space limit set by the process on itself --------

const char* const kChildModeVar = "VELMORA_MEMORY_LIMITS_CHILD";
const char* const kChildDirVar = "VELMORA_MEMORY_LIMITS_DIR";

// With the limit leaving half of the flop spot's estimate, starts the spot
// and opens a project file of the estimate's size; writes what it saw to
// result.txt, one line each: the estimate, the figure offered, the start's
// status and the open's error.
int runChildIfRequested() {
  const auto [mode, dir] = child_process::enterChildRun(kChildModeVar, kChildDirVar);
  if (mode.isEmpty()) return 0;
  int argc = 1;
  char name[] = "memory_limits_child";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
  QStringList lines;
  {
    AppController c;
    c.requestSolveMemoryEstimate(flopSpot());
    waitFor([&] { return c.solveRequiredMemoryBytes() > 0; });
    const quint64 estimate = c.solveRequiredMemoryBytes();
    const QString project = QDir(dir).filePath("big.velmoraproj");
    writeProjectHead(project, static_cast<qint64>(estimate));

    std::uint64_t size = 0;
    velmora_platform::readProcField("/proc/self/status", "VmSize", size);
    const rlimit limit{size + estimate / 2, size + estimate / 2};
    setrlimit(RLIMIT_AS, &limit);

    const QString status = QString::fromStdString(startOutcome(c, flopSpot()));
    const QString opened = QString::fromStdString(openError(c, project));
    lines << QString::number(estimate) << QString::number(c.systemAvailableMemoryBytes()) << status << opened;
  }
  QFile out(QDir(dir).filePath("result.txt"));
  if (out.open(QIODevice::WriteOnly)) out.write(lines.join('\n').toUtf8());
  out.close();
  std::_Exit(0);
}
[[maybe_unused]] const int kChildRan = runChildIfRequested();

// --- control groups --------------------------------------------------------

class MemoryLimitsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearSettings();
    ASSERT_TRUE(dir.isValid());
  }
  // Back to the machine's own control groups for the tests after this one.
  void TearDown() override { velmora_platform::setControlGroupPaths("/sys/fs/cgroup", "/proc/self/cgroup"); }

  // Lays out a control-group folder (files relative to its root, "groups"
  // the file naming this process's groups) and points the program at it.
  void useControlGroups(const QString& name, const QList<std::pair<QString, QByteArray>>& files) {
    const QString root = dir.filePath(name);
    for (const auto& [path, content] : files) {
      const QString file = root + '/' + path;
      ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
      ASSERT_TRUE(writeFile(file, content));
    }
    velmora_platform::setControlGroupPaths(root.toStdString(), (root + "/groups").toStdString());
  }

  QTemporaryDir dir;
};

QByteArray num(quint64 v) { return QByteArray::number(v); }

TEST_F(MemoryLimitsTest, TheControlGroupBoundsWhatASolveAndAnOpenAreOffered) {
  AppController c;
  const QVariantMap spot = riverSpot(10);
  c.requestSolveMemoryEstimate(spot);
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  // The groups below leave half of what the spot needs.
  const quint64 room = c.solveRequiredMemoryBytes() / 2;
  const QString project = dir.filePath("head.velmoraproj");
  ASSERT_TRUE(writeProjectHead(project, static_cast<qint64>(room)));

  struct Case {
    const char* name;
    QList<std::pair<QString, QByteArray>> files;
    quint64 offered;  // 0: no limit, the system's figure
  };
  const Case cases[] = {
      {"v2 group", {{"groups", "0::/user.slice/app.scope\n"},
                    {"user.slice/app.scope/memory.max", num(4 * kGiB) + "\n"},
                    {"user.slice/app.scope/memory.current", num(4 * kGiB - room) + "\n"}}, room},
      {"v2 parent's limit under an unlimited group",
       {{"groups", "0::/user.slice/app.scope\n"},
        {"user.slice/memory.max", num(kGiB)}, {"user.slice/memory.current", num(kGiB - room)},
        {"user.slice/app.scope/memory.max", "max\n"}, {"user.slice/app.scope/memory.current", "4096\n"}}, room},
      {"v2 full group whose file cache can go",
       {{"groups", "0::/app\n"}, {"app/memory.max", num(kGiB)}, {"app/memory.current", num(kGiB)},
        {"app/memory.stat", "anon 1000\nfile 99999999\nactive_file 5\ninactive_file " + num(room) + "\n"}}, room},
      {"v2 group over its limit", {{"groups", "0::/app\n"}, {"app/memory.max", num(kGiB)},
                                   {"app/memory.current", num(2 * kGiB)}}, 1},
      {"v1 memory controller", {{"groups", "12:pids:/x\n4:memory:/docker/ab12\n0::/\n"},
                                {"memory/docker/ab12/memory.limit_in_bytes", num(2 * kGiB)},
                                {"memory/docker/ab12/memory.usage_in_bytes", num(2 * kGiB - room)}}, room},
      // In a container the hierarchy's root is the container's own group.
      {"v1 group outside this view", {{"groups", "4:cpu,memory:/docker/ab12\n"},
                                      {"memory/memory.limit_in_bytes", num(kGiB)},
                                      {"memory/memory.usage_in_bytes", num(kGiB - room)}}, room},
      {"v2 max", {{"groups", "0::/app\n"}, {"app/memory.max", "max\n"}, {"app/memory.current", "4096"}}, 0},
      {"v1 unlimited", {{"groups", "4:memory:/\n"}, {"memory/memory.limit_in_bytes", "9223372036854771712\n"},
                        {"memory/memory.usage_in_bytes", num(kGiB)}}, 0},
      {"absurd v2 limit", {{"groups", "0::/app\n"}, {"app/memory.max", num(quint64(1) << 62)},
                           {"app/memory.current", "4096"}}, 0},
      {"no groups file", {}, 0},
  };
  for (const Case& k : cases) {
    useControlGroups(k.name, k.files);
    ASSERT_TRUE(QMetaObject::invokeMethod(&c, "refreshAvailableMemory"));
    if (k.offered != 0) {
      EXPECT_EQ(c.systemAvailableMemoryBytes(), k.offered) << k.name;
      EXPECT_EQ(startOutcome(c, spot), kSolveRefused) << k.name;
      EXPECT_EQ(openError(c, project), openRefusal(room, k.offered)) << k.name;
    } else {
      // The system's own figure, far above the room the limits above leave.
      EXPECT_GT(c.systemAvailableMemoryBytes(), 64 * kMiB) << k.name;
      EXPECT_EQ(startOutcome(c, spot), "Done") << k.name;
      // Read through, and found to be no project.
      EXPECT_EQ(openError(c, project), "Invalid JSON") << k.name;
    }
  }
}

TEST_F(MemoryLimitsTest, TheAddressSpaceLimitBoundsWhatASolveAndAnOpenAreOffered) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizer shadow memory does not fit under an address-space cap";
#endif
  const child_process::ChildResult r =
      child_process::runSelf({{kChildModeVar, "1"}, {kChildDirVar, dir.path()}}, QProcess::ForwardedErrorChannel);
  ASSERT_TRUE(r.finished);
  ASSERT_EQ(r.status, QProcess::NormalExit);
  const QStringList seen = QString::fromUtf8(readAll(dir.filePath("result.txt"))).split('\n');
  ASSERT_EQ(seen.size(), 4) << seen.join(" | ").toStdString();
  const quint64 estimate = seen[0].toULongLong();
  const quint64 offered = seen[1].toULongLong();
  ASSERT_GT(estimate, 256 * kMiB);
  // What the limit leaves (half the estimate, less what the process took since).
  EXPECT_GT(offered, 0u);
  EXPECT_LE(offered, estimate / 2);
  EXPECT_EQ(seen[2].toStdString(), kSolveRefused);
  EXPECT_EQ(seen[3].toStdString(), openRefusal(estimate, offered));
}

}  // namespace
