// Developer tool: the memory a solve's result takes after the solve, against
// what the program keeps for it. For each spot it runs the program's own
// window (offscreen) with the real back end in a process of its own, solves
// the spot for a few iterations, looks at nodes of the result as the Results
// page does, saves the project and opens it again over the shown result, and
// prints the growth of the resident memory at each step over what it was
// before the solve, beside the program's "Solve RAM" figure and its parts.
//
//   follow_up_memory_bench [SPOT.json ...] [--iterations N] [--threads N] [--browse N]
//
// Without a spot every bench/spots/*.json under the current directory is
// run. --browse names how many decision nodes are looked at (50 by default),
// nearest the root first. Each spot tells "Solve RAM" over the measured
// peak; a spot where it is below 1 (the figure does not cover the peak) or
// above 1.25 (the gate refuses spots that would fit) ends the bench with
// exit code 1 once the other spots are done.
// Under an address-space limit (ulimit -v) the growth of the address space
// is held against the need with the address space it reserves, as the
// program counts it where that limit binds.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>

#include "backend/platform/memory_limits.h"
#include "backend/results/answer_store.h"
#include "backend/solve_room.h"
#include "bench/controller_bench.h"
#include "bench/window_bench.h"
#include "session/memory_estimate.h"

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

using window_bench::App;
using window_bench::findNamed;
using window_bench::runUntil;
using window_bench::settle;

using controller_bench::statusBytes;

// "Solve RAM" may be at most this much above the peak it covers.
constexpr double kMostOverPeak = 1.25;

long long rss() { return statusBytes("VmRSS"); }
long long highWater() { return statusBytes("VmHWM"); }
bool resetHighWater() { return controller_bench::resetPeak(); }
double mib(long long bytes) { return static_cast<double>(bytes) / 1048576.0; }

QObject* shellOf(QObject* page) {
  auto* item = qobject_cast<QQuickItem*>(page);
  while (item && !item->property("navIndex").isValid()) item = item->parentItem();
  return item;
}

// The first `count` decision nodes of the result, nearest the root first.
QList<int> decisionNodes(AppController& c, int count) {
  QList<int> out;
  QList<int> queue{0};
  for (int i = 0; i < queue.size() && out.size() < count; ++i) {
    const int node = queue[i];
    if (controller_bench::isDecision(c, node)) out.append(node);
    for (const QVariant& a : c.nodeActions(node)) queue.append(a.toMap().value(QStringLiteral("childIndex")).toInt());
  }
  return out;
}

// The bytes of a project file's saved answers ("nodeCaches" up to
// "nodeLocks", which follows it), read a line at a time; 0 without them.
long long answersTextBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  long long from = -1;
  while (!file.atEnd()) {
    const long long at = file.pos();
    const QByteArray line = file.readLine();
    if (from < 0 && line.contains("\"nodeCaches\"")) from = at;
    if (from >= 0 && line.contains("\"nodeLocks\"")) return at - from;
  }
  return 0;
}

// One spot in this process; 0 when the figure kept covered the peak.
int runOne(const QString& spotPath, int iterations, int threads, int browse) {
  const std::optional<QVariantMap> read = controller_bench::readSpot(spotPath, iterations, threads);
  if (!read) return 2;
  QVariantMap spot = *read;

  QTemporaryDir tmp;
  const QString projectPath = tmp.filePath(QStringLiteral("follow_up.velmoraproj"));
  App window;
  AppController& controller = window.controller;
  QObject* home = window.root() ? findNamed(window.root(), "homePage") : nullptr;
  QObject* shell = home ? shellOf(home) : nullptr;
  if (!shell) {
    std::fprintf(stderr, "the window did not load\n");
    return 2;
  }
  settle(1500);

  controller.requestSolveMemoryEstimate(spot);
  if (!runUntil([&] { return controller.solveRequiredMemoryBytes() > 0; }, 600000)) {
    std::fprintf(stderr, "no estimate: %s\n", qPrintable(controller.solveRequiredMemoryText()));
    return 2;
  }
  const auto estimate = velmora_app::estimate_solve_memory(AppController::buildSolveConfigFrom(spot, nullptr));
  if (!estimate) return 2;
  std::printf("== %s: %llu nodes, hands %llu / %llu, %d threads\n",
              qPrintable(QFileInfo(spotPath).fileName()), static_cast<unsigned long long>(estimate->node_count),
              static_cast<unsigned long long>(estimate->oop_hand_count),
              static_cast<unsigned long long>(estimate->ip_hand_count), threads);
  const solve_room::Need need = solve_room::needOf(*estimate, static_cast<std::uint64_t>(threads));
  std::printf("   Solve RAM %.1f MiB = solve %.1f + result tables %.1f + Results page %.1f (answers' room %.1f) + the "
              "larger of the snapshot %.1f and an open %.1f of the file (%.1f MiB)\n",
              mib(static_cast<long long>(need.totalBytes())),
              mib(static_cast<long long>(need.solveBytes)), mib(static_cast<long long>(need.resultTableBytes)),
              mib(static_cast<long long>(need.resultsPageBytes)), mib(static_cast<long long>(need.answerRoomBytes)),
              mib(static_cast<long long>(need.snapshotBytes)), mib(static_cast<long long>(need.openBytes)),
              mib(static_cast<long long>(need.projectFileBytes)));
  if (controller.solveRequiredMemoryBytes() != need.totalBytes()) {
    std::printf("   shown as %.1f MiB with the address space it reserves\n",
                mib(static_cast<long long>(controller.solveRequiredMemoryBytes())));
  }
  // What the start-up left as garbage is collected first, so that the steps
  // below do not count on (or pay for) the script heap's leftovers, whose
  // size changes with any change to the pages.
  window.engine.collectGarbage();
  settle(300);
  malloc_trim(0);
  const long long base = rss();
  const long long baseSpace = statusBytes("VmSize");
  resetHighWater();
  long long peak = 0;
  const auto phase = [&](const char* name, const std::function<bool()>& work) {
    resetHighWater();
    const long long before = rss();
    const bool ok = work();
    const long long top = highWater();
    peak = std::max(peak, top - base);
    std::printf("   %-28s peak +%8.1f MiB (step +%7.1f), then held +%8.1f MiB; address space +%8.1f MiB "
                "(peak +%.1f)%s\n",
                name, mib(top - base), mib(top - before), mib(rss() - base),
                mib(statusBytes("VmSize") - baseSpace), mib(statusBytes("VmPeak") - baseSpace), ok ? "" : "  FAILED");
    std::fflush(stdout);
    return ok;
  };

  shell->setProperty("navIndex", 2);
  settle(300);
  if (!phase("solve and its result", [&] {
        QMetaObject::invokeMethod(&controller, "startSolveWithConfig", Q_ARG(QVariantMap, spot));
        return runUntil([&] { return !controller.running(); }, 3600000) && controller.resultIterations() > 0 &&
               (settle(1500), true);
      })) {
    std::fprintf(stderr, "the solve ended: %s\n", qPrintable(controller.statusText()));
    return 2;
  }
  phase("Results page", [&] {
    shell->setProperty("navIndex", 3);
    settle(1500);
    const QList<int> nodes = decisionNodes(controller, browse);
    for (int node : nodes) controller_bench::lookAt(controller, node);
    const results::AnswerStore& answers = controller.resultAnswers();
    std::printf("   (%lld nodes looked at; the answers held take %.2f MiB of their room of %.2f MiB)\n",
                static_cast<long long>(nodes.size()), mib(static_cast<long long>(answers.bytes())),
                mib(static_cast<long long>(answers.room())));
    settle(500);
    return true;
  });
  shell->setProperty("navIndex", 0);
  settle(300);
  const QUrl url = QUrl::fromLocalFile(projectPath);
  const bool saved = phase("save", [&] {
    QMetaObject::invokeMethod(home, "_saveFromDialog", Q_ARG(QVariant, QVariant(url)));
    runUntil([&] { return !controller.projectFileBusy(); }, 3600000);
    settle(300);
    return QFileInfo(projectPath).size() > 0 && home->property("projectError").toString().isEmpty();
  });
  const long long fileBytes = QFileInfo(projectPath).size();
  if (saved) {
    const long long text = answersTextBytes(projectPath);
    const long long tables = static_cast<long long>(controller.resultAnswers().bytes());
    if (text > 0 && tables > 0) {
      std::printf("   the file's answers: %.2f MiB of text for %.2f MiB of tables (%.1f bytes a byte)\n", mib(text),
                  mib(tables), static_cast<double>(text) / static_cast<double>(tables));
    }
    phase("open over the result", [&] {
      QMetaObject::invokeMethod(home, "_openFromDialog", Q_ARG(QVariant, QVariant(url)));
      const bool opened = runUntil([&] { return shell->property("navIndex").toInt() == 3; }, 3600000) ||
                          !home->property("projectError").toString().isEmpty();
      settle(1000);
      return opened && home->property("projectError").toString().isEmpty();
    });
  }
  // Under an address-space limit the figure shown adds the address space
  // the solve reserves, which is held against the address space below.
  const long long kept = static_cast<long long>(need.totalBytes());
  const double ratio = peak > 0 ? static_cast<double>(kept) / static_cast<double>(peak) : 0.0;
  bool covered = ratio >= 1.0 && ratio <= kMostOverPeak;
  std::printf("   file %.1f MiB (counted %.1f); peak +%.1f MiB against Solve RAM %.1f MiB: Solve RAM / peak %.2f, %s\n",
              mib(fileBytes), mib(static_cast<long long>(need.projectFileBytes)), mib(peak), mib(kept), ratio,
              ratio < 1.0 ? "NOT COVERED" : ratio > kMostOverPeak ? "OVERSTATED (above 1.25)" : "covered");
  if (velmora_platform::addressSpaceHeadroomBytes()) {
    const long long spacePeak = statusBytes("VmPeak") - baseSpace;
    const long long spaceKept = static_cast<long long>(need.totalBytes() + need.reservedAddressBytes);
    std::printf("   address space peak +%.1f MiB against the need with what it reserves %.1f MiB (%d arenas): %s\n",
                mib(spacePeak), mib(spaceKept), velmora_platform::allocatorArenaLimit(),
                spacePeak <= spaceKept ? "covered" : "NOT COVERED");
    covered = covered && spacePeak <= spaceKept;
  }
  std::fflush(stdout);
  return covered ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  // As the program does, before any thread starts.
  velmora_platform::boundAllocatorArenasUnderAddressLimit();
  // The program's own log lines would bury the figures.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  window_bench::beforeApp();
  QGuiApplication app(argc, argv);
  window_bench::nameApp("follow_up_memory_bench");

  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("spots"), QStringLiteral("spot files (solve configuration maps)"));
  controller_bench::addRunOptions(parser, "2", "4");
  parser.addOption({QStringLiteral("browse"), QStringLiteral("decision nodes looked at"), QStringLiteral("N"),
                    QStringLiteral("50")});
  parser.addOption({QStringLiteral("one"), QStringLiteral("run one spot in this process")});
  parser.process(app);
  const int iterations = parser.value(QStringLiteral("iterations")).toInt();
  const int threads = parser.value(QStringLiteral("threads")).toInt();
  const int browse = parser.value(QStringLiteral("browse")).toInt();

  QStringList spots = parser.positionalArguments();
  if (parser.isSet(QStringLiteral("one"))) {
    return spots.size() == 1 ? runOne(spots.first(), iterations, threads, browse) : 2;
  }
  if (spots.isEmpty()) {
    const QDir dir(QStringLiteral("bench/spots"));
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
      spots.append(dir.filePath(name));
  }
  if (spots.isEmpty()) {
    std::fprintf(stderr, "no spot given and no bench/spots/*.json under the current directory\n");
    return 2;
  }
  int status = 0;
  for (const QString& spot : spots) {
    // Each spot in a process of its own: memory one spot freed cannot hide
    // the growth of the next.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--one"), QStringLiteral("--iterations"), QString::number(iterations),
                 QStringLiteral("--threads"), QString::number(threads), QStringLiteral("--browse"),
                 QString::number(browse), spot});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) status = 1;
  }
  return status;
}
