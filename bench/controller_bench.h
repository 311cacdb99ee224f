// Shared pieces of the benches that drive the program's own controller: the
// spot file read into the solve configuration map the Setup page hands over,
// the usual command-line options, the node queries the Results page makes
// for a node it shows, the event loop run until something holds, and the
// process's own memory figures.
#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>

#include "backend/app_controller.h"
#include "backend/platform/system_info.h"

namespace controller_bench {

// Runs the event loop until `done` holds; false after `timeoutMs`.
inline bool runUntil(const std::function<bool()>& done, qint64 timeoutMs) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

inline void settle(qint64 ms) {
  QElapsedTimer t;
  t.start();
  runUntil([&] { return t.elapsed() >= ms; }, ms + 1000);
}

// A field of /proc/self/status ("VmRSS", "VmHWM", "VmSize", "VmPeak") in
// bytes; 0 where it cannot be read.
inline long long statusBytes(const char* field) {
  std::uint64_t bytes = 0;
  velmora_platform::readProcField("/proc/self/status", field, bytes);
  return static_cast<long long>(bytes);
}

// Resets the high-water mark (VmHWM) to the resident size of the moment;
// false where the kernel does not allow it.
inline bool resetPeak() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
  return static_cast<bool>(out.flush());
}

// The "iterations" and "threads" options with their defaults, and "project".
inline void addRunOptions(QCommandLineParser& parser, const char* iterations, const char* threads) {
  parser.addOption({QStringLiteral("iterations"), QStringLiteral("iteration budget"), QStringLiteral("N"),
                    QString::fromLatin1(iterations)});
  parser.addOption({QStringLiteral("threads"), QStringLiteral("solver threads"), QStringLiteral("N"),
                    QString::fromLatin1(threads)});
}

inline void addProjectOption(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("project"), QStringLiteral("project file to write and read"),
                    QStringLiteral("PATH")});
}

// The spot file at `path` as a solve configuration map, run for
// `iterations` on `threads` threads with no target; nothing (with a line on
// standard error) when it cannot be read.
inline std::optional<QVariantMap> readSpot(const QString& path, int iterations, int threads) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    return std::nullopt;
  }
  QVariantMap spot = QJsonDocument::fromJson(file.readAll()).object().toVariantMap();
  spot.insert(QStringLiteral("max_iterations"), iterations);
  spot.insert(QStringLiteral("target_exploitability"), 0.0);
  spot.insert(QStringLiteral("thread_count"), threads);
  return spot;
}

// What the Results page asks of a node it shows: its strategy, action
// figures, combos, buckets and both seats' combos.
inline void lookAt(AppController& c, int node) {
  c.nodeHandStrategy(node);
  c.nodeActionStats(node);
  c.nodeHandCombos(node);
  c.nodeHandBuckets(node);
  c.nodeSeatHandCombos(node, QStringLiteral("OOP"));
  c.nodeSeatHandCombos(node, QStringLiteral("IP"));
}

inline bool isDecision(AppController& c, int node) {
  return c.nodeMeta(node).value(QStringLiteral("nodeType")).toString() == QLatin1String("decision");
}

}  // namespace controller_bench
