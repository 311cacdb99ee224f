// Helpers shared by the AppController tests: solve configuration maps for
// small spots, waiting on the event loop, and a clean settings scope.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QThread>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

#include "backend/app_controller.h"

namespace app_controller_test {

// The 36 keys the shell sends, for a river spot small enough to solve in
// milliseconds: two actions at the root (check, bet 50%).
inline QVariantMap riverSpot(int iterations = 40) {
  QVariantMap m;
  m.insert("board", "Ah Ks Qd 7c 2h");
  m.insert("oop_range", "AA, KK, QQ, JJ, AKs, 76s, 54s");
  m.insert("ip_range", "AA, JJ, TT, AQs, KQs, 98s");
  m.insert("max_iterations", iterations);
  m.insert("target_exploitability", 0.0);
  m.insert("starting_pot", 100);
  m.insert("effective_stack", 100);
  m.insert("rake_percent", 0.0);
  m.insert("rake_cap", 0);
  m.insert("starting_street", "river");
  m.insert("thread_count", 2);
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      const QString prefix = QStringLiteral("%1_%2").arg(seat, street);
      m.insert(prefix + "_bet_sizes", "50");
      m.insert(prefix + "_raise_sizes", "2.5x");
      m.insert(prefix + "_add_all_in", false);
      if (QString(seat) == "oop") m.insert(prefix + "_dont_donk", false);
    }
  }
  m.insert("oop_add_all_in_jam_threshold_enabled", false);
  m.insert("oop_add_all_in_jam_threshold_pct", 0.0);
  m.insert("ip_add_all_in_jam_threshold_enabled", false);
  m.insert("ip_add_all_in_jam_threshold_pct", 0.0);
  return m;
}

// A turn spot as small as the river one: river cards are dealt in its tree.
inline QVariantMap smallTurnSpot(int iterations = 30) {
  QVariantMap m = riverSpot(iterations);
  m.insert("board", "Ah Ks Qd 7c");
  m.insert("starting_street", "turn");
  return m;
}

// A turn spot whose card context and tree take a while to build.
inline QVariantMap turnSpot(int iterations = 200) {
  QVariantMap m = riverSpot(iterations);
  m.insert("board", "Ah Ks Qd 7c");
  m.insert("starting_street", "turn");
  m.insert("oop_range", "22+, A2s+, K2s+, Q2s+, J7s+, T7s+, 97s+, 86s+, 75s+, 64s+, A2o+, K8o+, Q9o+, J9o+, T9o");
  m.insert("ip_range", "22+, A2s+, K2s+, Q2s+, J7s+, T7s+, 97s+, 86s+, 75s+, 64s+, A2o+, K8o+, Q9o+, J9o+, T9o");
  m.insert("oop_turn_bet_sizes", "33, 75");
  m.insert("ip_turn_bet_sizes", "33, 75");
  m.insert("oop_river_bet_sizes", "33, 75");
  m.insert("ip_river_bet_sizes", "33, 75");
  return m;
}

// Runs the event loop until `done` holds or the time runs out.
template <class Pred>
bool waitFor(Pred done, int timeoutMs = 60000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}

// Processes events for a while (lets late queued calls arrive).
inline void pumpEvents(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
}

inline bool solveFinished(const AppController& c) {
  return !c.running() && (c.statusText() == "Done" || c.statusText() == "Cancelled" ||
                          c.statusText().startsWith("Error: "));
}

inline void clearSettings() {
  QSettings settings;
  settings.clear();
  settings.sync();
}

// A value as compact JSON, for comparing answers.
inline QByteArray canonical(const QVariant& v) { return QJsonDocument::fromVariant(v).toJson(QJsonDocument::Compact); }

// A file's bytes; empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

// Writes `data` over the file; false when it cannot.
inline bool writeFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

// A suite whose tests share one solved river spot and write their project
// files into a folder of their own.
class SolvedProjectSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    clearSettings();
    solved = std::make_unique<AppController>();
    solved->startSolveWithConfig(riverSpot(40));
    ASSERT_TRUE(waitFor([] { return solveFinished(*solved); }));
    ASSERT_EQ(solved->statusText(), "Done");
  }
  static void TearDownTestSuite() { solved.reset(); }

  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path(const QString& name) const { return dir.filePath(name); }
  static QUrl url(const QString& p) { return QUrl::fromLocalFile(p); }

  // Saves the solved controller's project and returns the file's JSON object.
  QJsonObject saveSolvedWith(const QString& name, const QVariantMap& project) {
    EXPECT_TRUE(solved->saveProject(url(path(name)), project));
    return QJsonDocument::fromJson(readAll(path(name))).object();
  }

  inline static std::unique_ptr<AppController> solved;
  QTemporaryDir dir;
};

}  // namespace app_controller_test
