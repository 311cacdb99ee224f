// Developer tool: how long the GUI thread stops answering at the heavy
// moments of a large spot. It runs the program's own window (Main, offscreen
// by default) with the real back end, solves the spot, opens the Results
// page, saves the project and opens it again, and prints for each moment the
// longest time the GUI thread went without running its event loop.
//
//   gui_stall_bench [SPOT.json] [--iterations N] [--threads N] [--project PATH]
//   gui_stall_bench [SPOT.json] --close-after MS [--threads N]
//
// With --close-after the bench instead starts a solve of the spot, closes
// the window MS milliseconds later, as the window's close button does, and
// prints how long the program took to end its event loop and to let go of
// its objects.
//
// SPOT.json holds the solve configuration map (bench/spots/flop.json by
// default); --project names the project file written and read (a file in a
// temporary folder by default, removed at the end).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <functional>

#include "bench/controller_bench.h"
#include "bench/window_bench.h"

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

using window_bench::App;
using window_bench::findNamed;
using window_bench::runUntil;
using window_bench::settle;

// Longest pause between two turns of the event loop, measured by a timer
// that wants to run every millisecond.
class StallMonitor : public QObject {
 public:
  StallMonitor() {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    m_clock.start();
    m_last = m_clock.nsecsElapsed();
    m_timer.start();
  }
  void reset() {
    tick();
    m_longest = 0;
  }
  double longestMs() {
    tick();
    return static_cast<double>(m_longest) / 1e6;
  }

 private:
  void tick() {
    const qint64 now = m_clock.nsecsElapsed();
    m_longest = std::max(m_longest, now - m_last);
    m_last = now;
  }
  QTimer m_timer;
  QElapsedTimer m_clock;
  qint64 m_last = 0;
  qint64 m_longest = 0;
};

QObject* shellOf(QObject* page) {
  auto* item = qobject_cast<QQuickItem*>(page);
  while (item && !item->property("navIndex").isValid()) item = item->parentItem();
  return item;
}

void report(const char* moment, double longestMs, const QString& note = QString()) {
  std::printf("%-34s longest GUI stall %8.1f ms%s%s\n", moment, longestMs, note.isEmpty() ? "" : "  ",
              note.toUtf8().constData());
  std::fflush(stdout);
}

// The window closed while a solve of `spot` is being set up or run.
int closeDuringSolve(const QVariantMap& spot, int delayMs) {
  QString statusAtClose;
  QElapsedTimer sinceClose;
  double loopEndedMs = -1.0;
  {
    App app;
    AppController& controller = app.controller;
    auto* window = qobject_cast<QWindow*>(app.root());
    if (!window) {
      std::fprintf(stderr, "the window did not load\n");
      return 1;
    }
    settle(1000);
    QMetaObject::invokeMethod(&controller, "startSolveWithConfig", Q_ARG(QVariantMap, spot));
    QTimer::singleShot(delayMs, window, [&] {
      statusAtClose = controller.statusText();
      sinceClose.start();
      window->close();
    });
    // As the program's main does.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &controller, [&controller] { controller.beginShutdown(); });
    QGuiApplication::exec();
    loopEndedMs = static_cast<double>(sinceClose.nsecsElapsed()) / 1e6;
    if (!controller.finishShutdown(std::chrono::milliseconds(1000))) {
      std::printf("the solve did not stop within a second: the program would end without it (%.1f ms)\n",
                  static_cast<double>(sinceClose.nsecsElapsed()) / 1e6);
      std::fflush(stdout);
      std::_Exit(0);
    }
  }
  const double goneMs = static_cast<double>(sinceClose.nsecsElapsed()) / 1e6;
  std::printf("window closed %d ms after Start (status \"%s\"): event loop ended %.1f ms and objects gone "
              "%.1f ms after the close\n",
              delayMs, qPrintable(statusAtClose), loopEndedMs, goneMs);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  window_bench::beforeApp();
  QGuiApplication app(argc, argv);
  window_bench::nameApp("gui_stall_bench");

  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("spot"), QStringLiteral("spot file (solve configuration map)"));
  controller_bench::addRunOptions(parser, "10", "6");
  controller_bench::addProjectOption(parser);
  parser.addOption({QStringLiteral("close-after"), QStringLiteral("close the window MS after Start"),
                    QStringLiteral("MS")});
  parser.process(app);

  const QString spotPath =
      parser.positionalArguments().value(0, QStringLiteral(VELMORA_SOURCE_DIR "/bench/spots/flop.json"));
  const std::optional<QVariantMap> read = controller_bench::readSpot(
      spotPath, parser.value(QStringLiteral("iterations")).toInt(), parser.value(QStringLiteral("threads")).toInt());
  if (!read) return 2;
  QVariantMap spot = *read;

  if (parser.isSet(QStringLiteral("close-after"))) {
    spot.insert(QStringLiteral("max_iterations"), 100000);
    return closeDuringSolve(spot, parser.value(QStringLiteral("close-after")).toInt());
  }

  QTemporaryDir tmp;
  const QString projectPath = parser.isSet(QStringLiteral("project"))
                                  ? parser.value(QStringLiteral("project"))
                                  : tmp.filePath(QStringLiteral("stall.velmoraproj"));

  App window;
  AppController& controller = window.controller;
  if (!window.root()) {
    std::fprintf(stderr, "the window did not load\n");
    return 1;
  }
  QObject* home = findNamed(window.root(), "homePage");
  QObject* shell = shellOf(home);
  if (!home || !shell) {
    std::fprintf(stderr, "the shell was not found\n");
    return 1;
  }
  settle(1500);

  StallMonitor monitor;
  std::printf("spot %s, %d iterations, %d threads\n", qPrintable(QFileInfo(spotPath).fileName()),
              spot.value(QStringLiteral("max_iterations")).toInt(), spot.value(QStringLiteral("thread_count")).toInt());

  // 1. Start, as the Solve page's button does, until the first iteration.
  shell->setProperty("navIndex", 2);
  settle(300);
  monitor.reset();
  QElapsedTimer t;
  t.start();
  QMetaObject::invokeMethod(&controller, "startSolveWithConfig", Q_ARG(QVariantMap, spot));
  const double callMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
  if (!runUntil([&] { return controller.statusText().startsWith(QStringLiteral("Iter ")) || !controller.running(); },
                600000)) {
    std::fprintf(stderr, "the solve did not start\n");
    return 1;
  }
  report("solve start (to the first iteration)", monitor.longestMs(),
         QStringLiteral("(the start call itself %1 ms; set-up %2 ms)")
             .arg(callMs, 0, 'f', 1)
             .arg(static_cast<double>(t.elapsed()), 0, 'f', 0));

  // 2. The result arriving, until the pages have settled.
  runUntil([&] { return controller.statusText().startsWith(QStringLiteral("Finalizing")) || !controller.running(); },
           3600000);
  monitor.reset();
  runUntil([&] { return !controller.running(); }, 3600000);
  settle(1500);
  report("result arrival", monitor.longestMs(),
         QStringLiteral("(%1, %2 nodes)").arg(controller.statusText()).arg(controller.treeNodeCount()));
  if (controller.resultIterations() <= 0) return 1;

  // 3. "View Results": the Results page at the root.
  monitor.reset();
  shell->setProperty("navIndex", 3);
  settle(2000);
  report("opening Results", monitor.longestMs());

  // 4. Saving the project from Home, as its save dialog does.
  shell->setProperty("navIndex", 0);
  settle(500);
  monitor.reset();
  t.restart();
  const QUrl url = QUrl::fromLocalFile(projectPath);
  QMetaObject::invokeMethod(home, "_saveFromDialog", Q_ARG(QVariant, QVariant(url)));
  runUntil([&] { return !controller.projectFileBusy(); }, 3600000);
  const double saveMs = static_cast<double>(t.elapsed());
  settle(500);
  report("saving the project", monitor.longestMs(),
         QStringLiteral("(%1 MB written in %2 ms)")
             .arg(static_cast<double>(QFileInfo(projectPath).size()) / 1048576.0, 0, 'f', 1)
             .arg(saveMs, 0, 'f', 0));

  // 5. Opening it again from Home, as its open dialog does, until the
  // Results page has settled.
  controller.clearResults();
  settle(500);
  monitor.reset();
  t.restart();
  QMetaObject::invokeMethod(home, "_openFromDialog", Q_ARG(QVariant, QVariant(url)));
  if (!runUntil([&] { return shell->property("navIndex").toInt() == 3; }, 3600000)) {
    std::fprintf(stderr, "the project did not open: %s\n", qPrintable(home->property("projectError").toString()));
    return 1;
  }
  const double loadMs = static_cast<double>(t.elapsed());
  settle(2000);
  report("opening the project", monitor.longestMs(),
         QStringLiteral("(opened in %1 ms, %2 nodes)").arg(loadMs, 0, 'f', 0).arg(controller.treeNodeCount()));

  // 6. A new start while a result is shown: the old result goes first.
  shell->setProperty("navIndex", 2);
  settle(300);
  monitor.reset();
  t.restart();
  QMetaObject::invokeMethod(&controller, "startSolveWithConfig", Q_ARG(QVariantMap, spot));
  const double againMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
  runUntil([&] { return controller.statusText().startsWith(QStringLiteral("Iter ")) || !controller.running(); },
           600000);
  report("solve start over a result", monitor.longestMs(),
         QStringLiteral("(the start call itself %1 ms)").arg(againMs, 0, 'f', 1));
  controller.cancelSolve();
  runUntil([&] { return !controller.running(); }, 600000);
  return 0;
}
