// Developer tool: the peak memory and the time of a solve, of a solve
// followed by a save of its project, and of opening that project again, all
// through the program's own controller, as the Solve page and the Home
// page's save and open dialogs drive it.
//
//   project_file_bench [SPOT.json] [--iterations N] [--threads N] [--project PATH] [--viewed N]
//
// SPOT.json holds the solve configuration map (bench/spots/quick_solve_flop.json,
// the flop spot of Quick Solve's defaults, by default); it is solved for 2
// iterations unless told otherwise. --project names the file written and
// read (a file in a temporary folder by default, removed at the end).
// --viewed N looks at the hand details of the first N decision nodes before
// the save, as a user going through the Results page does, so that the file
// holds their per-combo caches too.
//
// Each of the three runs is a process of its own, so that what one leaves
// behind does not hide the growth of the next. The peak is the resident
// high-water mark (VmHWM) of the process; within the save run the mark is
// reset before the save, so the save's own peak is told apart from the
// solve's, and the resident size once the save is done shows what it gave
// back.
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <clocale>
#include <cstdint>
#include <cstdio>

#include "backend/app_controller.h"
#include "bench/controller_bench.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

using controller_bench::resetPeak;
using controller_bench::runUntil;
using controller_bench::settle;

double rssMiB() { return static_cast<double>(controller_bench::statusBytes("VmRSS")) / kMiB; }
double peakMiB() { return static_cast<double>(controller_bench::statusBytes("VmHWM")) / kMiB; }

// Solves the spot; the wall time in ms, or -1 when it did not finish.
double solve(AppController& c, const QVariantMap& spot) {
  QElapsedTimer t;
  t.start();
  c.startSolveWithConfig(spot);
  // Until a result arrives or the start ends without one (refused, failed).
  const auto ended = [&] {
    const QString outcome = c.lastRunOutcome();
    return !c.running() && (c.resultIterations() > 0 || outcome == QLatin1String("failed") ||
                            outcome == QLatin1String("cancelled"));
  };
  if (!runUntil(ended, 3600000) || c.resultIterations() <= 0) return -1.0;
  return static_cast<double>(t.elapsed());
}

// Saves the project in the background as the Home page does and waits for
// the answer; the wall time in ms, or -1 (with the reason on standard
// error) when the save failed.
double save(AppController& c, const QString& path, const QVariantMap& projectState) {
  bool done = false, ok = false;
  QString reason;
  const QMetaObject::Connection answered =
      QObject::connect(&c, &AppController::projectSaved, [&](bool saved, const QUrl&, const QString& why) {
        done = true;
        ok = saved;
        reason = why;
      });
  QElapsedTimer t;
  t.start();
  c.saveProjectInBackground(QUrl::fromLocalFile(path), projectState);
  runUntil([&] { return done; }, 3600000);
  const double ms = static_cast<double>(t.elapsed());
  QObject::disconnect(answered);
  if (ok) return ms;
  std::fprintf(stderr, "the save failed: %s\n", qPrintable(reason));
  return -1.0;
}

int solvePhase(const QVariantMap& spot) {
  AppController c;
  const double before = rssMiB();
  const double ms = solve(c, spot);
  if (ms < 0) {
    std::fprintf(stderr, "the solve did not finish: %s\n", qPrintable(c.statusText()));
    return 1;
  }
  std::printf("solve            peak %8.1f MiB  (%.1f MiB before)  %8.0f ms  %d nodes\n", peakMiB(), before, ms,
              c.treeNodeCount());
  return 0;
}

// The hand details of the first `count` decision nodes, as the Results page
// asks for them.
void viewNodes(AppController& c, int count) {
  for (int node = 0; node < c.treeNodeCount() && count > 0; ++node) {
    if (!controller_bench::isDecision(c, node)) continue;
    controller_bench::lookAt(c, node);
    --count;
  }
}

int savePhase(const QVariantMap& spot, const QString& path, int viewed) {
  AppController c;
  const double ms = solve(c, spot);
  if (ms < 0) {
    std::fprintf(stderr, "the solve did not finish: %s\n", qPrintable(c.statusText()));
    return 1;
  }
  viewNodes(c, viewed);
  settle(500);
  const double solvePeak = peakMiB();
  const double beforeSave = rssMiB();
  const bool ownPeak = resetPeak();
  const double saveMs = save(c, path, spot);
  if (saveMs < 0) return 1;
  const double savePeak = peakMiB();
  settle(1000);
  const double fileMiB = static_cast<double>(QFileInfo(path).size()) / kMiB;
  std::printf("solve + save     peak %8.1f MiB  (solve %.1f, then %.1f before the save)  %8.0f ms solve\n",
              ownPeak ? std::max(solvePeak, savePeak) : savePeak, solvePeak, beforeSave, ms);
  if (ownPeak) {
    std::printf("save             peak %8.1f MiB  (%+.1f MiB over the solved result, %.2f x the file)\n", savePeak,
                savePeak - beforeSave, (savePeak - beforeSave) / fileMiB);
  }
  std::printf("save             file %8.1f MiB  written in %.0f ms; resident %.1f MiB a second later (%+.1f MiB)\n",
              fileMiB, saveMs, rssMiB(), rssMiB() - beforeSave);
  return 0;
}

int openPhase(const QString& path) {
  AppController c;
  const double before = rssMiB();
  QVariantMap result;
  bool done = false;
  QObject::connect(&c, &AppController::projectOpened, [&](const QVariantMap& r) {
    done = true;
    result = r;
  });
  QElapsedTimer t;
  t.start();
  c.openProject(QUrl::fromLocalFile(path));
  runUntil([&] { return done; }, 3600000);
  const double ms = static_cast<double>(t.elapsed());
  if (!result.value(QStringLiteral("ok")).toBool()) {
    std::fprintf(stderr, "the open failed: %s\n", qPrintable(result.value(QStringLiteral("error")).toString()));
    return 1;
  }
  const double peak = peakMiB();
  const double fileMiB = static_cast<double>(QFileInfo(path).size()) / kMiB;
  settle(1000);
  const double opened = rssMiB();
  std::printf("open             peak %8.1f MiB  (%+.1f MiB, %.2f x the file)  %8.0f ms  %d nodes; resident %.1f MiB "
              "a second later\n",
              peak, peak - before, (peak - before) / fileMiB, ms, c.treeNodeCount(), opened);

  // The opened project saved again, as a user who changes nothing and saves.
  resetPeak();
  const double againMs = save(c, path + QStringLiteral(".again"), result.value("project").toMap());
  const double againPeak = peakMiB();
  settle(1000);
  QFile::remove(path + QStringLiteral(".again"));
  if (againMs < 0) return 1;
  std::printf("open, then save  peak %8.1f MiB  (%+.1f MiB)  %8.0f ms; resident %.1f MiB a second later (%+.1f MiB)\n",
              againPeak, againPeak - opened, againMs, rssMiB(), rssMiB() - opened);
  return 0;
}

}  // namespace

// The controller's own log lines (every solve report, each file saved)
// would bury the figures; warnings still show.
void quietLog(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char* argv[]) {
  qInstallMessageHandler(quietLog);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QCoreApplication::setOrganizationName(QStringLiteral("CaldiruneBench"));
  QCoreApplication::setApplicationName(QStringLiteral("project_file_bench"));

  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("spot"), QStringLiteral("spot file (solve configuration map)"));
  controller_bench::addRunOptions(parser, "2", "4");
  controller_bench::addProjectOption(parser);
  parser.addOption({QStringLiteral("viewed"), QStringLiteral("decision nodes whose hand details are looked at"),
                    QStringLiteral("N"), QStringLiteral("0")});
  parser.addOption({QStringLiteral("phase"), QStringLiteral("(internal) the run of this process"),
                    QStringLiteral("solve|save|open")});
  parser.process(app);

  const QString spotPath = parser.positionalArguments().value(
      0, QStringLiteral(VELMORA_SOURCE_DIR "/bench/spots/quick_solve_flop.json"));
  const std::optional<QVariantMap> read = controller_bench::readSpot(
      spotPath, parser.value(QStringLiteral("iterations")).toInt(), parser.value(QStringLiteral("threads")).toInt());
  if (!read) return 2;
  QVariantMap spot = *read;

  QTemporaryDir tmp;
  const QString project = parser.isSet(QStringLiteral("project"))
                              ? parser.value(QStringLiteral("project"))
                              : tmp.filePath(QStringLiteral("bench.velmoraproj"));
  const QString phase = parser.value(QStringLiteral("phase"));
  if (phase == QLatin1String("solve")) return solvePhase(spot);
  if (phase == QLatin1String("save")) return savePhase(spot, project, parser.value(QStringLiteral("viewed")).toInt());
  if (phase == QLatin1String("open")) return openPhase(project);

  std::printf("spot %s, %d iterations, %d threads, %d nodes viewed\n", qPrintable(QFileInfo(spotPath).fileName()),
              spot.value(QStringLiteral("max_iterations")).toInt(), spot.value(QStringLiteral("thread_count")).toInt(),
              parser.value(QStringLiteral("viewed")).toInt());
  std::fflush(stdout);
  for (const char* run : {"solve", "save", "open"}) {
    QStringList args = QCoreApplication::arguments().mid(1);
    args << QStringLiteral("--phase") << QString::fromLatin1(run) << QStringLiteral("--project") << project;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
      std::fprintf(stderr, "the %s run failed\n", run);
      return 1;
    }
  }
  return 0;
}
