// The memory offered to a solve and a project open is bounded by the
// process's control group (read from a folder laid out as the control-group
// file system) and its address-space limit (set in a child process); what
// does not fit is refused with the "Not enough RAM" reasons.
#include <QDir>
#include <QStandardPaths>

#include "app_controller_test_support.h"
#include "backend/platform/memory_limits.h"
#include "backend/platform/system_info.h"
#include "child_process.h"

using namespace app_controller_test;

namespace {

constexpr quint64 kGiB = quint64(1) << 30;
const std::string kSolveRefused = "Not enough RAM to solve (after clearing previous results)";

// A file that begins a project, `bytes` long (sparse).
bool writeProjectHead(const QString& path, qint64 bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write("{") == 1 && f.resize(bytes);
}
std::string openRefusal(quint64 fileBytes, quint64 available) {
  return QStringLiteral("Not enough RAM (opening it needs about %1, %2 available)")
      .arg(AppController::formatMemoryBytes(fileBytes * 5), AppController::formatMemoryBytes(available))
      .toStdString();
}
std::string openError(AppController& c, const QString& path) {
  return c.loadProject(QUrl::fromLocalFile(path)).value("error").toString().toStdString();
}
std::string startOutcome(AppController& c, const QVariantMap& spot) {
  c.startSolveWithConfig(spot);
  return waitFor([&] { return !c.running(); }) ? c.statusText().toStdString() : "still running";
}

// A flop spot of more than a gigabyte.
QVariantMap flopSpot() {
  QVariantMap m = riverSpot(10);
  m.insert("board", "Qs 8s 3d");
  m.insert("starting_street", "flop");
  m.insert("effective_stack", 910);
  for (const char* seat : {"oop_range", "ip_range"}) m.insert(seat, "22+, A2s+, K9s+, Q9s+, J9s+, T8s+, 98s, 87s, A9o+, KTo+");
  for (auto it = m.begin(); it != m.end(); ++it) {
    if (it.key().endsWith("_sizes")) it.value() = "50%";
    if (it.key().endsWith("_add_all_in")) it.value() = true;
  }
  return m;
}

// The child: under an address-space limit that leaves 1 GiB, starts the flop
// spot and opens a project as large as its estimate; writes the estimate,
// the figure offered, the start's status and the open's error to result.txt.
int runChildIfRequested() {
  const auto [mode, dir] = child_process::enterChildRun("VELMORA_MEMORY_LIMITS_CHILD", "VELMORA_MEMORY_LIMITS_DIR");
  if (mode.isEmpty()) return 0;
  int argc = 1;
  char name[] = "child";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
  QStringList seen;
  {
    AppController c;
    c.requestSolveMemoryEstimate(flopSpot());
    waitFor([&] { return c.solveRequiredMemoryBytes() > 0; });
    const QString project = QDir(dir).filePath("big.velmoraproj");
    writeProjectHead(project, static_cast<qint64>(c.solveRequiredMemoryBytes()));
    std::uint64_t size = 0;
    velmora_platform::readProcField("/proc/self/status", "VmSize", size);
    const rlimit limit{size + kGiB, size + kGiB};
    setrlimit(RLIMIT_AS, &limit);
    const std::string status = startOutcome(c, flopSpot());
    const std::string opened = openError(c, project);
    seen << QString::number(c.solveRequiredMemoryBytes()) << QString::number(c.systemAvailableMemoryBytes())
         << QString::fromStdString(status) << QString::fromStdString(opened);
  }
  writeFile(QDir(dir).filePath("result.txt"), seen.join('\n').toUtf8());
  std::_Exit(0);
}
[[maybe_unused]] const int kChildRan = runChildIfRequested();

QByteArray num(quint64 v) { return QByteArray::number(v); }

TEST(MemoryLimitsTest, TheControlGroupBoundsWhatASolveAndAnOpenAreOffered) {
  clearSettings();
  QTemporaryDir dir;
  AppController c;
  const QVariantMap spot = riverSpot(10);
  c.requestSolveMemoryEstimate(spot);
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  // The limited groups below leave half of what the spot needs.
  const quint64 room = c.solveRequiredMemoryBytes() / 2;
  const QString project = dir.filePath("head.velmoraproj");
  ASSERT_TRUE(writeProjectHead(project, static_cast<qint64>(room)));

  struct Case {
    const char* name;
    QList<std::pair<QString, QByteArray>> files;  // "groups" names the process's groups
    quint64 offered;                              // 0: no limit, the system's figure
  };
  const Case cases[] = {
      {"v2 group", {{"groups", "0::/user.slice/app.scope\n"}, {"user.slice/app.scope/memory.max", num(4 * kGiB)},
                    {"user.slice/app.scope/memory.current", num(4 * kGiB - room)}}, room},
      {"v2 parent's limit", {{"groups", "0::/user.slice/app.scope\n"}, {"user.slice/memory.max", num(kGiB)},
                             {"user.slice/memory.current", num(kGiB - room)},
                             {"user.slice/app.scope/memory.max", "max\n"}}, room},
      {"v2 file cache it can drop", {{"groups", "0::/app\n"}, {"app/memory.max", num(kGiB)},
                                     {"app/memory.current", num(kGiB)},
                                     {"app/memory.stat", "anon 1000\ninactive_file " + num(room) + "\n"}}, room},
      {"v2 over its limit", {{"groups", "0::/app\n"}, {"app/memory.max", num(kGiB)},
                             {"app/memory.current", num(2 * kGiB)}}, 1},
      // In a container the hierarchy's root is the container's own group.
      {"v1 group outside this view", {{"groups", "12:pids:/x\n4:cpu,memory:/docker/ab12\n0::/\n"},
                                      {"memory/memory.limit_in_bytes", num(kGiB)},
                                      {"memory/memory.usage_in_bytes", num(kGiB - room)}}, room},
      {"v2 max", {{"groups", "0::/app\n"}, {"app/memory.max", "max\n"}, {"app/memory.current", "4096"}}, 0},
      {"v1 unlimited", {{"groups", "4:memory:/\n"}, {"memory/memory.limit_in_bytes", "9223372036854771712\n"},
                        {"memory/memory.usage_in_bytes", num(kGiB)}}, 0},
      {"no groups file", {}, 0},
  };
  for (const Case& k : cases) {
    const QString root = dir.filePath(k.name);
    for (const auto& [path, content] : k.files) {
      ASSERT_TRUE(QDir().mkpath(QFileInfo(root + '/' + path).absolutePath()));
      ASSERT_TRUE(writeFile(root + '/' + path, content));
    }
    velmora_platform::setControlGroupPaths(root.toStdString(), (root + "/groups").toStdString());
    ASSERT_TRUE(QMetaObject::invokeMethod(&c, "refreshAvailableMemory"));
    if (k.offered != 0) {
      EXPECT_EQ(c.systemAvailableMemoryBytes(), k.offered) << k.name;
      EXPECT_EQ(startOutcome(c, spot), kSolveRefused) << k.name;
      EXPECT_EQ(openError(c, project), openRefusal(room, k.offered)) << k.name;
    } else {
      EXPECT_GT(c.systemAvailableMemoryBytes(), 64 * room) << k.name;
      EXPECT_EQ(startOutcome(c, spot), "Done") << k.name;
      EXPECT_EQ(openError(c, project), "Invalid JSON") << k.name;  // read through: no project
    }
  }
  velmora_platform::setControlGroupPaths("/sys/fs/cgroup", "/proc/self/cgroup");
}

TEST(MemoryLimitsTest, TheAddressSpaceLimitBoundsWhatASolveAndAnOpenAreOffered) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizer shadow memory does not fit under an address-space cap";
#endif
  QTemporaryDir dir;
  const child_process::ChildResult r = child_process::runSelf(
      {{"VELMORA_MEMORY_LIMITS_CHILD", "1"}, {"VELMORA_MEMORY_LIMITS_DIR", dir.path()}}, QProcess::ForwardedErrorChannel);
  ASSERT_TRUE(r.finished && r.status == QProcess::NormalExit);
  const QStringList seen = QString::fromUtf8(readAll(dir.filePath("result.txt"))).split('\n');
  ASSERT_EQ(seen.size(), 4) << seen.join(" | ").toStdString();
  const quint64 estimate = seen[0].toULongLong();
  const quint64 offered = seen[1].toULongLong();
  ASSERT_GT(estimate, kGiB);
  EXPECT_GT(offered, 0u);
  EXPECT_LE(offered, kGiB);  // what the limit leaves, less what the process took since
  EXPECT_EQ(seen[2].toStdString(), kSolveRefused);
  EXPECT_EQ(seen[3].toStdString(), openRefusal(estimate, offered));
}

}  // namespace
