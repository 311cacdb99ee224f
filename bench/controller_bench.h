// Shared pieces of the benches that drive the program's own controller: the
// spot file read into the solve configuration map the Setup page hands over,
// the usual command-line options, and the node queries the Results page
// makes for a node it shows.
#pragma once

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <cstdio>
#include <optional>

#include "backend/app_controller.h"

namespace controller_bench {

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
