// The memory offered to a solve and a project open is bounded by the process's control
// group (read from a folder laid out as the control-group file system) and its address-space
// limit (set in a child process); what does not fit is refused with the "Not enough RAM" reasons.
#include <QDir>
#include <QProcess>

#include <sys/resource.h>

#include "app_controller_test_support.h"
#include "backend/platform/memory_limits.h"
#include "backend/project_file_loader.h"
#include "backend/platform/system_info.h"

using namespace app_controller_test;

namespace {

constexpr quint64 kGiB = quint64(1) << 30;
const std::string kSolveRefused = "Not enough RAM to solve (after clearing previous results)";

// A file that begins a project, `bytes` long (sparse).
bool writeProjectHead(const QString& path, quint64 bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write("{") == 1 && f.resize(static_cast<qint64>(bytes));
}
std::string openRefusal(quint64 fileBytes, quint64 available) {
  return QStringLiteral("Not enough RAM (opening it needs about %1, %2 available)")
      .arg(AppController::formatMemoryBytes(project_file::memoryToOpen(fileBytes)),
           AppController::formatMemoryBytes(available))
      .toStdString();
}
std::string openError(AppController& c, const QString& path) {
  return c.loadProject(QUrl::fromLocalFile(path)).value("error").toString().toStdString();
}
std::string startOutcome(AppController& c, const QVariantMap& spot) {
  c.startSolveWithConfig(spot);
  return waitFor([&] { return !c.running(); }) ? c.statusText().toStdString() : "still running";
}
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
  ASSERT_TRUE(writeProjectHead(project, room));

  // Each group folder's files ("groups" names the process's) and the figure offered (0: the system's).
  const struct { const char* name; QList<std::pair<QString, QByteArray>> files; quint64 offered; } cases[] = {
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
  for (const auto& k : cases) {
    const QString root = dir.filePath(k.name);
    for (const auto& [path, content] : k.files)
      ASSERT_TRUE(QDir(root).mkpath(QFileInfo(path).path()) && writeFile(root + '/' + path, content)) << k.name;
    velmora_platform::setControlGroupPaths(root.toStdString(), (root + "/groups").toStdString());
    ASSERT_TRUE(QMetaObject::invokeMethod(&c, "refreshAvailableMemory"));
    const bool limited = k.offered != 0;
    if (limited) EXPECT_EQ(c.systemAvailableMemoryBytes(), k.offered) << k.name;
    else EXPECT_GT(c.systemAvailableMemoryBytes(), 64 * room) << k.name;
    EXPECT_EQ(startOutcome(c, spot), limited ? kSolveRefused : "Done") << k.name;
    // Where nothing limits it, the file is read through and found to be no project.
    EXPECT_EQ(openError(c, project), limited ? openRefusal(room, k.offered) : "Invalid JSON") << k.name;
  }
  velmora_platform::setControlGroupPaths("/sys/fs/cgroup", "/proc/self/cgroup");
}

// Runs again in a child process of its own, which sets the limit on itself.
TEST(MemoryLimitsTest, TheAddressSpaceLimitBoundsWhatASolveAndAnOpenAreOffered) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizer shadow memory does not fit under an address-space cap";
#endif
  if (qEnvironmentVariableIsEmpty("VELMORA_MEMORY_LIMITS_CHILD")) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    qputenv("VELMORA_MEMORY_LIMITS_CHILD", "1");  // while the child starts
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=MemoryLimitsTest.TheAddressSpace*"});
    qunsetenv("VELMORA_MEMORY_LIMITS_CHILD");
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_TRUE(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0);
    return;
  }
  // A flop spot of more than a gigabyte, and a project file as large as its estimate.
  const QString range = "22+, A2s+, K9s+, Q9s+, J9s+, T8s+, 98s, 87s, A9o+, KTo+";
  QVariantMap spot = riverSpot(10);
  spot.insert(QVariantMap{{"board", "Qs 8s 3d"}, {"starting_street", "flop"}, {"effective_stack", 910},
                          {"oop_range", range}, {"ip_range", range}});
  for (auto it = spot.begin(); it != spot.end(); ++it) {
    if (it.key().endsWith("_sizes")) it.value() = "50%";
    if (it.key().endsWith("_add_all_in")) it.value() = true;
  }
  QTemporaryDir dir;
  AppController c;
  c.requestSolveMemoryEstimate(spot);
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  const quint64 estimate = c.solveRequiredMemoryBytes();
  ASSERT_GT(estimate, kGiB);
  const QString project = dir.filePath("big.velmoraproj");
  ASSERT_TRUE(writeProjectHead(project, estimate));
  // A limit that leaves 1 GiB.
  std::uint64_t size = 0;
  ASSERT_TRUE(velmora_platform::readProcField("/proc/self/status", "VmSize", size));
  const rlimit limit{size + kGiB, size + kGiB};
  ASSERT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
  EXPECT_EQ(startOutcome(c, spot), kSolveRefused);
  const std::string opened = openError(c, project);
  const quint64 offered = c.systemAvailableMemoryBytes();
  EXPECT_GT(offered, 0u);
  EXPECT_LE(offered, kGiB);  // what the limit leaves, less what the process took since
  EXPECT_EQ(opened, openRefusal(estimate, offered));
}

}  // namespace
