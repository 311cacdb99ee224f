// The memory offered to a solve and a project open is bounded by the process's control
// group (read from a folder laid out as the control-group file system), the machine's
// available memory (a meminfo file of the test's own) and its address-space limit (set in
// a child process). A solve is let through only with room for what follows it (the result,
// the Results page, a save and an open); what does not fit is refused with its reason.
// Past a group's memory.high the program only runs slower: a solve is not let start there,
// but a save or an open of the user's work is refused only by the hard limits.
#include <QDir>
#include <QSignalSpy>

#include <sys/resource.h>

#include "app_controller_test_support.h"
#include "child_process.h"
#include "backend/platform/memory_limits.h"
#include "backend/platform/system_info.h"
#include "backend/project_file/project_file.h"
#include "backend/solve_room.h"
#include "session/memory_estimate.h"

using namespace app_controller_test;

namespace {

constexpr quint64 kMiB = quint64(1) << 20;
constexpr quint64 kGiB = quint64(1) << 30;
const std::string kSolveRefusedForProgram =
    "Not enough RAM available to this program to solve (after clearing previous results)";

// What the program counts for the spot: the solve and what follows it.
solve_room::Need needOf(const AppController& c, const QVariantMap& spot) {
  const velmora_app::SolveConfig config = AppController::buildSolveConfigFrom(spot, nullptr, c.systemThreadCount());
  const auto estimate = velmora_app::estimate_solve_memory(config);
  return estimate ? solve_room::needOf(*estimate, config.thread_count) : solve_room::Need();
}
std::string followUpRefused(const QString& needed, const QString& available, bool forProgram) {
  const QString text = QStringLiteral("Not enough RAM to solve this spot and keep its result: solving it, looking at "
                                      "the result, saving and opening it again needs about %1, %2 available") +
                       (forProgram ? QStringLiteral(" to this program") : QString());
  return text.arg(needed, available).toStdString();
}

// A file that begins a project, `bytes` long (sparse).
bool writeProjectHead(const QString& path, quint64 bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write("{") == 1 && f.resize(static_cast<qint64>(bytes));
}
std::string openRefusal(quint64 fileBytes, quint64 available) {
  const auto [needed, offered] = AppController::formatMemoryFigures(project_file::memoryToOpen(fileBytes), available);
  return QStringLiteral("Not enough RAM (opening it needs about %1, %2 available)").arg(needed, offered).toStdString();
}
std::string openError(AppController& c, const QString& path) {
  return c.loadProject(QUrl::fromLocalFile(path)).value("error").toString().toStdString();
}
std::string startOutcome(AppController& c, const QVariantMap& spot) {
  c.startSolveWithConfig(spot);
  return waitFor([&] { return !c.running(); }) ? c.statusText().toStdString() : "still running";
}
QByteArray num(quint64 v) { return QByteArray::number(v); }

// Lays the files out under `root` ("@" in a file's text stands for `root`)
// and points the reader at them: "groups" names the process's groups,
// "mountinfo" (when given) is the mount table, "meminfo" (when given) the
// machine's figures.
void layOut(const QString& root, const QList<std::pair<QString, QByteArray>>& files) {
  bool mounts = false;
  bool meminfo = false;
  for (const auto& [path, content] : files) {
    ASSERT_TRUE(QDir(root).mkpath(QFileInfo(path).path())) << path.toStdString();
    // The mount table writes a blank as "\040".
    const QByteArray at = path == "mountinfo" ? root.toUtf8().replace(" ", "\\040") : root.toUtf8();
    ASSERT_TRUE(writeFile(root + '/' + path, QByteArray(content).replace('@', at)));
    mounts = mounts || path == "mountinfo";
    meminfo = meminfo || path == "meminfo";
  }
  velmora_platform::setControlGroupPaths(root.toStdString(), (root + "/groups").toStdString(),
                                         mounts ? (root + "/mountinfo").toStdString() : std::string());
  velmora_platform::setMemInfoPath(meminfo ? (root + "/meminfo").toStdString() : "/proc/meminfo");
}
// Asks for the memory line of `spot` and waits for its estimate (above
// `least` bytes).
bool estimated(AppController& c, const QVariantMap& spot, quint64 least = 0) {
  c.requestSolveMemoryEstimate(spot);
  return waitFor([&] { return c.solveRequiredMemoryBytes() > least; });
}
// Back to no control group, as the tests' main leaves it, and the machine's figures.
void restorePaths() {
  velmora_platform::setControlGroupPaths("/nonexistent", "/nonexistent/groups");
  velmora_platform::setMemInfoPath("/proc/meminfo");
}

TEST(MemoryLimitsTest, TheControlGroupBoundsWhatASolveAndAnOpenAreOffered) {
  clearSettings();
  QTemporaryDir dir;
  AppController c;
  const QVariantMap spot = riverSpot(10);
  ASSERT_TRUE(estimated(c, spot));
  // The limited groups below leave half of what the solve alone needs.
  const quint64 room = needOf(c, spot).solveBytes / 2;
  ASSERT_GT(room, 0u);
  const QString project = dir.filePath("head.velmoraproj");
  ASSERT_TRUE(writeProjectHead(project, room));

  // Each group folder's files and the figure offered (0: the system's); where
  // only memory.high binds, an open is not refused.
  const struct {
    const char* name;
    QList<std::pair<QString, QByteArray>> files;
    quint64 offered;
    bool highOnly = false;
  } cases[] = {
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
      // Past memory.high the group is throttled: it bounds like memory.max.
      {"v2 memory.high below memory.max", {{"groups", "0::/app\n"}, {"app/memory.max", num(4 * kGiB)},
                                           {"app/memory.high", num(kGiB + room)}, {"app/memory.current", num(kGiB)}},
       room, true},
      {"v2 memory.high alone", {{"groups", "0::/app\n"}, {"app/memory.max", "max\n"},
                                {"app/memory.high", num(kGiB + room)}, {"app/memory.current", num(kGiB)}}, room, true},
      {"v2 memory.high above memory.max", {{"groups", "0::/app\n"}, {"app/memory.max", num(kGiB + room)},
                                           {"app/memory.high", num(4 * kGiB)}, {"app/memory.current", num(kGiB)}},
       room},
      // In a container the hierarchy's root is the container's own group.
      {"v1 group outside this view", {{"groups", "12:pids:/x\n4:cpu,memory:/docker/ab12\n0::/\n"},
                                      {"memory/memory.limit_in_bytes", num(kGiB)},
                                      {"memory/memory.usage_in_bytes", num(kGiB - room)}}, room},
      // Controllers mounted together are found through the mount table, not
      // at <root>/memory; a blank in the mount point is escaped there.
      {"v1 cpu,memory mounted together", {{"groups", "5:cpu,memory:/app\n0::/\n"},
                                          {"mountinfo", "30 23 0:26 / @/tmpfs rw - tmpfs tmpfs rw\n"
                                                        "33 30 0:30 / @/cgroup\\040v1/cpu,memory rw,nosuid shared:9 - "
                                                        "cgroup cgroup rw,cpu,memory\n"
                                                        "34 30 0:31 / @/cgroup\\040v1/pids rw - cgroup cgroup rw,pids\n"},
                                          {"cgroup v1/cpu,memory/app/memory.limit_in_bytes", num(kGiB)},
                                          {"cgroup v1/cpu,memory/app/memory.usage_in_bytes", num(kGiB - room)},
                                          {"memory/app/memory.limit_in_bytes", num(8 * kGiB)},
                                          {"memory/app/memory.usage_in_bytes", "0\n"}}, room},
      // A mount whose root is the container's group: the group's path is read below it.
      {"v1 mount of a container's group", {{"groups", "4:memory:/docker/ab12/sub\n"},
                                           {"mountinfo", "40 30 0:33 /docker/ab12 @/mem rw - cgroup cgroup rw,memory\n"},
                                           {"mem/sub/memory.limit_in_bytes", num(2 * kGiB)},
                                           {"mem/sub/memory.usage_in_bytes", num(2 * kGiB - room)}}, room},
      // A mount's source may be empty: its field is left blank between two blanks.
      {"v1 mount with an empty source", {{"groups", "4:memory:/app\n"},
                                         {"mountinfo", "33 30 0:30 / @/mem rw - cgroup  rw,memory\n"},
                                         {"mem/app/memory.limit_in_bytes", num(kGiB)},
                                         {"mem/app/memory.usage_in_bytes", num(kGiB - room)}}, room},
      // Of two mounts of the hierarchy, the one that shows the group's ancestors is read.
      {"v1 hierarchy mounted twice", {{"groups", "4:memory:/app/sub\n"},
                                      {"mountinfo", "40 30 0:33 /app/sub @/sub rw - cgroup cgroup rw,memory\n"
                                                    "41 30 0:33 / @/all rw - cgroup cgroup rw,memory\n"},
                                      {"all/app/memory.limit_in_bytes", num(kGiB)},
                                      {"all/app/memory.usage_in_bytes", num(kGiB - room)}}, room},
      {"v2 max", {{"groups", "0::/app\n"}, {"app/memory.max", "max\n"}, {"app/memory.current", "4096"}}, 0},
      {"v1 unlimited", {{"groups", "4:memory:/\n"}, {"memory/memory.limit_in_bytes", "9223372036854771712\n"},
                        {"memory/memory.usage_in_bytes", num(kGiB)}}, 0},
      {"no groups file", {}, 0},
  };
  for (const auto& k : cases) {
    layOut(dir.filePath(k.name), k.files);
    ASSERT_TRUE(QMetaObject::invokeMethod(&c, "refreshAvailableMemory"));
    const bool limited = k.offered != 0;
    if (limited) EXPECT_EQ(c.systemAvailableMemoryBytes(), k.offered) << k.name;
    else EXPECT_GT(c.systemAvailableMemoryBytes(), 64 * room) << k.name;
    EXPECT_EQ(c.memoryLimitedForProgram(), limited) << k.name;
    EXPECT_EQ(startOutcome(c, spot), limited ? kSolveRefusedForProgram : "Done") << k.name;
    // Where nothing hard limits it, the file is read through and found to be no project.
    EXPECT_EQ(openError(c, project), limited && !k.highOnly ? openRefusal(room, k.offered) : "Invalid JSON") << k.name;
  }
  restorePaths();
}

// A spot whose solve fits but not what follows it is refused with the figures, and one
// that fits with it all is solved.
TEST(MemoryLimitsTest, ASolveIsLetThroughOnlyWithRoomForWhatFollowsIt) {
  clearSettings();
  QTemporaryDir dir;
  AppController c;
  const QVariantMap spot = riverSpot(10);
  ASSERT_TRUE(estimated(c, spot));
  const solve_room::Need need = needOf(c, spot);
  ASSERT_GT(need.totalBytes(), need.solveBytes);

  // Between the solve and all of it, and all of it with a little to spare,
  // in whole kB for the machine's figures.
  const quint64 between = (need.solveBytes + (need.totalBytes() - need.solveBytes) / 2) / 1024 * 1024;
  const quint64 enough = (need.totalBytes() + kMiB) / 1024 * 1024;
  // Short of all of it by less than the figures' rounding in GB: they are told to the megabyte.
  const quint64 justShort = (need.totalBytes() - 2 * kMiB) / 1024 * 1024;
  ASSERT_EQ(AppController::formatMemoryBytes(justShort), AppController::formatMemoryBytes(need.totalBytes()));
  const auto inMB = [](quint64 bytes) { return QString::number((bytes + kMiB / 2) / kMiB) + " MB"; };
  const auto group = [](quint64 room) {
    return QList<std::pair<QString, QByteArray>>{
        {"groups", "0::/app\n"}, {"app/memory.max", num(4 * kGiB)}, {"app/memory.current", num(4 * kGiB - room)}};
  };
  const auto machine = [](quint64 room) {
    return QList<std::pair<QString, QByteArray>>{
        {"groups", ""}, {"meminfo", "MemTotal: 25165824 kB\nMemFree: 1024 kB\nMemAvailable: " + num(room / 1024) + " kB\n"}};
  };
  const auto [total, half] = AppController::formatMemoryFigures(need.totalBytes(), between);
  const struct { const char* name; QList<std::pair<QString, QByteArray>> files; quint64 room; std::string outcome; } cases[] = {
      {"group between", group(between), between, followUpRefused(total, half, true)},
      {"group just short", group(justShort), justShort, followUpRefused(inMB(need.totalBytes()), inMB(justShort), true)},
      {"group enough", group(enough), enough, "Done"},
      {"machine between", machine(between), between, followUpRefused(total, half, false)},
      {"machine enough", machine(enough), enough, "Done"},
  };
  for (const auto& k : cases) {
    layOut(dir.filePath(k.name), k.files);
    ASSERT_TRUE(QMetaObject::invokeMethod(&c, "refreshAvailableMemory"));
    ASSERT_EQ(c.systemAvailableMemoryBytes(), k.room) << k.name;
    EXPECT_EQ(c.memoryLimitedForProgram(), QString(k.name).startsWith("group")) << k.name;
    EXPECT_EQ(startOutcome(c, spot), k.outcome) << k.name;
  }
  restorePaths();
}

// A save and an open keep the user's work: past the group's memory.high (the kernel slows
// the program down, it kills nothing) they go ahead while a solve is not let start; where
// memory.max leaves too little they are refused with what they need and what it leaves.
TEST(MemoryLimitsTest, ASaveOrAnOpenIsRefusedOnlyByTheHardLimits) {
  clearSettings();
  QTemporaryDir dir;
  AppController c;
  const QString project = dir.filePath("head.velmoraproj");
  const quint64 toSave = project_file::memoryToSave();
  // A file whose open needs more than a save.
  const quint64 headBytes = 5 * toSave;
  ASSERT_TRUE(writeProjectHead(project, headBytes));
  ASSERT_GT(project_file::memoryToOpen(headBytes), toSave);
  const auto saveRefusal = [](quint64 needed, quint64 available) {
    const auto mb = [](quint64 bytes) { return QString::number((bytes + kMiB / 2) / kMiB) + QChar(0x00A0) + "MB"; };
    return QStringLiteral("Not enough RAM to save the project (it needs about %1, %2 available)")
        .arg(mb(needed), mb(available))
        .toStdString();
  };
  // A group 50 MiB past memory.high, and memory.max `room` away, on a machine with plenty free.
  const auto group = [](quint64 room) {
    const quint64 used = 2 * kGiB + 50 * kMiB;
    return QList<std::pair<QString, QByteArray>>{
        {"groups", "0::/user.slice/app.scope\n"}, {"meminfo", "MemAvailable: " + num(64 * kGiB / 1024) + " kB\n"},
        {"user.slice/memory.high", num(2 * kGiB)}, {"user.slice/memory.max", num(used + room)},
        {"user.slice/memory.current", num(used)}};
  };
  const struct { const char* name; quint64 room; bool fits; } cases[] = {
      {"memory.max far away", 8 * kGiB, true},
      {"memory.max short of a save", toSave / 2, false},
  };
  for (const auto& k : cases) {
    layOut(dir.filePath(k.name), group(k.room));
    const QUrl saved = QUrl::fromLocalFile(dir.filePath(QString(k.name) + ".velmoraproj"));
    EXPECT_EQ(c.saveProject(saved, QVariantMap{{"boardText", "Ah Ks Qd"}}), k.fits) << k.name;
    EXPECT_EQ(c.projectSaveError().toStdString(), k.fits ? "" : saveRefusal(toSave, k.room)) << k.name;
    EXPECT_EQ(QFileInfo::exists(saved.toLocalFile()), k.fits) << k.name;
    QSignalSpy answered(&c, &AppController::projectSaved);
    c.saveProjectInBackground(saved, QVariantMap{{"boardText", "Ah Ks Qd"}});
    ASSERT_TRUE(waitFor([&] { return answered.count() == 1; })) << k.name;
    EXPECT_EQ(answered.at(0).at(0).toBool(), k.fits) << k.name;
    EXPECT_EQ(answered.at(0).at(2).toString().toStdString(), k.fits ? "" : saveRefusal(toSave, k.room)) << k.name;
    // The file saved opens again; one that needs more than memory.max leaves is refused.
    if (k.fits) {
      EXPECT_TRUE(c.loadProject(saved).value("ok").toBool()) << k.name;
    }
    EXPECT_EQ(openError(c, project), k.fits ? "Invalid JSON" : openRefusal(headBytes, k.room)) << k.name;
    // What the Home page shows and a solve is let start with stays bounded by memory.high.
    EXPECT_EQ(c.systemAvailableMemoryBytes(), 1u) << k.name;
    EXPECT_EQ(startOutcome(c, riverSpot(10)), kSolveRefusedForProgram) << k.name;
  }
  restorePaths();
}

// Leaves `bytes` of address space to this process (the hard limit stays open).
bool leaveAddressSpace(quint64 bytes) {
  std::uint64_t size = 0;
  if (!velmora_platform::readProcField("/proc/self/status", "VmSize", size)) return false;
  const rlimit limit{size + bytes, RLIM_INFINITY};
  return setrlimit(RLIMIT_AS, &limit) == 0;
}

// Runs again in a child process of its own, which sets the limit on itself.
TEST(MemoryLimitsTest, TheAddressSpaceLimitBoundsWhatASolveAndAnOpenAreOffered) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizer shadow memory does not fit under an address-space cap";
#endif
  if (qEnvironmentVariableIsEmpty("VELMORA_MEMORY_LIMITS_CHILD")) {
    EXPECT_TRUE(child_process::passesInChild("VELMORA_MEMORY_LIMITS_CHILD", "MemoryLimitsTest.TheAddressSpace*"));
    return;
  }
  QTemporaryDir dir;
  AppController c;

  // A small spot: the address space its solve and the window reserve beyond
  // their use counts where the limit binds. With room for the need but not
  // the reservation it is refused; with room for both it is solved, saved
  // and opened again under the limit.
  const QVariantMap small = riverSpot(10);
  ASSERT_TRUE(estimated(c, small));
  const solve_room::Need need = needOf(c, small);
  ASSERT_GT(need.reservedAddressBytes, 4 * need.totalBytes());
  ASSERT_TRUE(leaveAddressSpace(need.totalBytes() + need.reservedAddressBytes / 2));
  EXPECT_EQ(startOutcome(c, small), kSolveRefusedForProgram);
  EXPECT_TRUE(c.memoryLimitedForProgram());
  EXPECT_GT(c.solveRequiredMemoryBytes(), need.totalBytes());  // the reservation is shown in the figure
  // The same where the machine has a little less free than the address space
  // leaves: its reservation is still what does not fit.
  const quint64 machineFree = (velmora_platform::addressSpaceHeadroomBytes().value_or(0) - 64 * kMiB) / 1024;
  layOut(dir.filePath("machine"), {{"groups", ""}, {"meminfo", "MemAvailable: " + num(machineFree) + " kB\n"}});
  EXPECT_EQ(startOutcome(c, small), kSolveRefusedForProgram);
  EXPECT_EQ(c.systemAvailableMemoryBytes(), machineFree * 1024);
  EXPECT_TRUE(c.memoryLimitedForProgram());
  layOut(dir.filePath("none"), {});
  ASSERT_TRUE(leaveAddressSpace(need.totalBytes() + need.reservedAddressBytes + 64 * kMiB));
  EXPECT_EQ(startOutcome(c, small), "Done");
  const QUrl saved = QUrl::fromLocalFile(dir.filePath("small.velmoraproj"));
  EXPECT_TRUE(c.saveProject(saved, QVariantMap{{"boardText", "Ah Ks Qd 7c 2h"}}));
  EXPECT_TRUE(c.loadProject(saved).value("ok").toBool()) << c.loadProject(saved).value("error").toString().toStdString();

  // A flop spot of more than a gigabyte, and a project file whose open needs as much.
  const QString range = "22+, A2s+, K9s+, Q9s+, J9s+, T8s+, 98s, 87s, A9o+, KTo+";
  QVariantMap spot = riverSpot(10);
  spot.insert(QVariantMap{{"board", "Qs 8s 3d"}, {"starting_street", "flop"}, {"effective_stack", 910},
                          {"oop_range", range}, {"ip_range", range}});
  for (auto it = spot.begin(); it != spot.end(); ++it) {
    if (it.key().endsWith("_sizes")) it.value() = "50%";
    if (it.key().endsWith("_add_all_in")) it.value() = true;
  }
  ASSERT_TRUE(leaveAddressSpace(8 * kGiB));
  ASSERT_TRUE(estimated(c, spot, kGiB));
  const quint64 estimate = c.solveRequiredMemoryBytes();
  const QString project = dir.filePath("big.velmoraproj");
  quint64 fileBytes = estimate;
  while (project_file::memoryToOpen(fileBytes) < estimate) fileBytes += estimate;
  ASSERT_TRUE(writeProjectHead(project, fileBytes));
  // A limit that leaves 1 GiB.
  ASSERT_TRUE(leaveAddressSpace(kGiB));
  EXPECT_EQ(startOutcome(c, spot), kSolveRefusedForProgram);
  const std::string opened = openError(c, project);
  const quint64 offered = c.systemAvailableMemoryBytes();
  EXPECT_GT(offered, 0u);
  // What the limit leaves, less what the process took since (or more by the
  // stacks of threads that ended since).
  EXPECT_LE(offered, kGiB + 128 * kMiB);
  EXPECT_EQ(opened, openRefusal(fileBytes, offered));
}

}  // namespace
