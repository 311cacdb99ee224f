// Project files: a solved spot saved and opened in a fresh controller answers
// the same queries without a solved game; damaged files are refused and
// change nothing; failed saves report failure and keep the old file.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <cmath>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"

using namespace app_controller_test;

namespace {

QVariantMap projectState() {
  QVariantMap p;
  p.insert("boardText", "AhKsQd7c2h");
  p.insert("startingPot", 100);
  p.insert("oopRangeText", "AA, KK");
  p.insert("rakePercent", 2.5);
  return p;
}

class ProjectFileTest : public SolvedProjectSuite {
 protected:
  QJsonObject saveSolved(const QString& name) { return saveSolvedWith(name, projectState()); }
};

TEST_F(ProjectFileTest, SaveBeforeAnySolveWritesNoResults) {
  AppController c;
  ASSERT_TRUE(c.saveProject(url(path("empty.velmoraproj")), projectState()));
  const QJsonObject root = QJsonDocument::fromJson(readAll(path("empty.velmoraproj"))).object();
  EXPECT_EQ(root.value("format").toString(), "velmora_project");
  EXPECT_EQ(root.value("version").toInt(), 1);
  EXPECT_FALSE(root.value("hasResults").toBool(true));
  EXPECT_FALSE(root.contains("results"));
  EXPECT_FALSE(root.contains("nodeCaches"));
  EXPECT_TRUE(root.value("nodeLocks").isArray());
  EXPECT_TRUE(root.value("nodeLocks").toArray().isEmpty());
  EXPECT_TRUE(root.value("lastUiCfg").isObject());
  EXPECT_EQ(root.value("project").toObject().toVariantMap(), projectState());
}

TEST_F(ProjectFileTest, SavedProjectAnswersTheSameQueriesWithoutASolvedGame) {
  AppController& s = *solved;
  s.setNodeLock(0, "AA", 1, 0.4);
  s.setNodeLock(s.treeNodeCount() + 3, "KK", 0, 1.0);  // beyond the tree: not saved
  s.nodeSeatHandCombos(0, "IP");
  const QJsonObject root = saveSolved("solved.velmoraproj");
  s.clearNodeLocks(0);
  s.clearNodeLocks(s.treeNodeCount() + 3);

  ASSERT_TRUE(root.value("hasResults").toBool());
  const QJsonObject caches = root.value("nodeCaches").toObject();
  for (const char* key : {"handStrategyByNode", "actionStatsByNode", "handCombosByNode", "handBucketsByNode",
                          "seatHandCombosByNode"}) {
    EXPECT_FALSE(caches.value(key).toArray().isEmpty()) << key;
  }
  for (const QJsonValue& entry : caches.value("handBucketsByNode").toArray()) {
    for (const QJsonValue& bucket : entry.toObject().value("data").toArray()) {
      EXPECT_FALSE(bucket.toObject().contains("displayName"));
    }
  }
  const QJsonArray locks = root.value("nodeLocks").toArray();
  ASSERT_EQ(locks.size(), 1);
  EXPECT_EQ(locks[0].toObject().value("nodeIndex").toInt(), 0);
  EXPECT_EQ(locks[0].toObject().value("hand").toString(), "AA");
  EXPECT_EQ(root.value("results").toObject().value("treeNodeActions").toArray().size(), s.treeNodeCount());

  AppController fresh;
  QSignalSpy resultsSpy(&fresh, &AppController::resultsChanged);
  const QVariantMap loaded = fresh.loadProject(url(path("solved.velmoraproj")));
  ASSERT_TRUE(loaded.value("ok").toBool()) << loaded.value("error").toString().toStdString();
  EXPECT_EQ(loaded.value("error").toString(), "");
  EXPECT_TRUE(loaded.value("hasResults").toBool());
  EXPECT_EQ(loaded.value("project").toMap(), projectState());
  EXPECT_EQ(resultsSpy.count(), 1);
  EXPECT_EQ(fresh.statusText(), "Loaded project (1 strategy nodes, 1 combo nodes)");
  EXPECT_FALSE(fresh.running());

  EXPECT_EQ(fresh.resultIterations(), s.resultIterations());
  EXPECT_EQ(fresh.resultStartingPot(), s.resultStartingPot());
  EXPECT_DOUBLE_EQ(fresh.resultEvOop(), s.resultEvOop());
  EXPECT_EQ(fresh.resultsSummary(), s.resultsSummary());
  EXPECT_EQ(canonical(fresh.rootActions()), canonical(s.rootActions()));
  ASSERT_EQ(fresh.treeNodeCount(), s.treeNodeCount());
  for (int i = 0; i < s.treeNodeCount(); ++i) {
    EXPECT_EQ(canonical(fresh.nodeMeta(i)), canonical(s.nodeMeta(i))) << i;
    EXPECT_EQ(canonical(fresh.nodeActions(i)), canonical(s.nodeActions(i))) << i;
  }
  EXPECT_EQ(canonical(fresh.nodeHandStrategy(0)), canonical(s.nodeHandStrategy(0)));
  EXPECT_EQ(canonical(fresh.nodeActionStats(0)), canonical(s.nodeActionStats(0)));
  EXPECT_EQ(canonical(fresh.nodeHandCombos(0)), canonical(s.nodeHandCombos(0)));
  EXPECT_EQ(canonical(fresh.nodeHandBuckets(0)), canonical(s.nodeHandBuckets(0)));
  EXPECT_EQ(canonical(fresh.nodeSeatHandCombos(0, "IP")), canonical(s.nodeSeatHandCombos(0, "IP")));
  EXPECT_EQ(canonical(fresh.nodeHandStrategyReach169(0, "")), canonical(s.nodeHandStrategyReach169(0, "")));
  // Nodes that were never looked at have nothing to answer with.
  const int child = s.nodeActions(0)[0].toMap().value("childIndex").toInt();
  EXPECT_TRUE(fresh.nodeHandCombos(child).isEmpty());

  // The pocket fallback finds a cached combo in either order and any case.
  const QVariantMap combo = s.nodeHandCombos(0)[0].toMap();
  const QString c1 = combo.value("c1").toString();
  const QString c2 = combo.value("c2").toString();
  EXPECT_EQ(canonical(fresh.nodePocketActionEvs(0, "OOP", " " + c2.toLower(), c1.toUpper())),
            canonical(combo.value("actionEvs")));
  // The cached combos answer whichever seat is asked for.
  EXPECT_EQ(canonical(fresh.nodePocketActionEvs(0, "IP", c1, c2)), canonical(combo.value("actionEvs")));

  const QVariantList freshLocks = fresh.nodeLocks(0);
  ASSERT_EQ(freshLocks.size(), 1);
  EXPECT_EQ(freshLocks[0].toMap().value("hand").toString(), "AA");
  EXPECT_EQ(freshLocks[0].toMap().value("actionIndex").toInt(), 1);
  EXPECT_DOUBLE_EQ(freshLocks[0].toMap().value("actionProb").toDouble(), 0.4);

  // The loaded project re-solves with its configuration and lock.
  fresh.reSolveWithNodeLocks();
  ASSERT_TRUE(fresh.running());
  ASSERT_TRUE(waitFor([&] { return solveFinished(fresh); }));
  ASSERT_EQ(fresh.statusText(), "Done");
  const QVariantList aa = fresh.nodeHandStrategy(0).value("actionProbs").toMap().value("AA").toList();
  ASSERT_EQ(aa.size(), 2);
  EXPECT_NEAR(aa[1].toDouble(), 0.4, 1e-3);
}

// A loaded project names the decision nodes whose hand details were not
// saved with it, detail by detail; a solved game answers every node, and
// chance and terminal nodes have no details to miss.
TEST_F(ProjectFileTest, LoadedProjectNamesTheDetailsItDoesNotHold) {
  const auto missing = [](const AppController& c, int node) {
    const QVariantMap m = c.nodeDetailsMissing(node);
    return std::make_tuple(m.value("matrix").toBool(), m.value("buckets").toBool(), m.value("combos").toBool());
  };
  const auto none = std::make_tuple(false, false, false);
  const auto all = std::make_tuple(true, true, true);

  AppController s;
  EXPECT_EQ(missing(s, 0), none) << "no result, no tree";
  s.startSolveWithConfig(riverSpot(20));
  ASSERT_TRUE(waitFor([&] { return solveFinished(s); }));
  ASSERT_EQ(s.statusText(), "Done");
  // Root: check (to IP's decision) and bet (IP facing a bet). The first
  // child is looked at in part before saving, the second not at all.
  const int seen = s.nodeActions(0)[0].toMap().value("childIndex").toInt();
  const int unseen = s.nodeActions(0)[1].toMap().value("childIndex").toInt();
  ASSERT_EQ(s.nodeMeta(seen).value("nodeType").toString(), "decision");
  ASSERT_EQ(s.nodeMeta(unseen).value("nodeType").toString(), "decision");
  int terminal = -1;
  for (int i = 0; i < s.treeNodeCount() && terminal < 0; ++i) {
    if (s.nodeMeta(i).value("nodeType").toString() == "terminal") terminal = i;
  }
  ASSERT_GE(terminal, 0);
  for (int node : {0, seen, unseen, terminal}) EXPECT_EQ(missing(s, node), none) << "solved, node " << node;

  s.nodeHandStrategy(seen);
  s.nodeHandBuckets(seen);
  ASSERT_TRUE(s.saveProject(url(path("partly-viewed.velmoraproj")), projectState()));

  AppController fresh;
  ASSERT_TRUE(fresh.loadProject(url(path("partly-viewed.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(missing(fresh, 0), none) << "the root is always saved";
  EXPECT_EQ(missing(fresh, seen), std::make_tuple(false, false, true)) << "strategy and buckets saved, combos not";
  EXPECT_EQ(missing(fresh, unseen), all);
  EXPECT_EQ(missing(fresh, terminal), none);
  EXPECT_EQ(missing(fresh, -1), none);
  EXPECT_EQ(missing(fresh, fresh.treeNodeCount()), none);
  // Asking an unsaved node leaves it unsaved.
  EXPECT_TRUE(fresh.nodeHandCombos(unseen).isEmpty());
  EXPECT_TRUE(fresh.nodeHandBuckets(unseen).isEmpty());
  EXPECT_EQ(missing(fresh, unseen), all);

  // A re-solve brings every node's details back.
  fresh.reSolveWithNodeLocks();
  ASSERT_TRUE(waitFor([&] { return solveFinished(fresh); }));
  ASSERT_EQ(fresh.statusText(), "Done");
  EXPECT_EQ(missing(fresh, unseen), none);
  EXPECT_FALSE(fresh.nodeHandCombos(unseen).isEmpty());
}

// The result keeps the board and rake it was solved with, whatever the
// project state holds by then; a file without them falls back to the last
// start's; a stored rake figure without value (null) reads as no rake.
TEST_F(ProjectFileTest, TheResultKeepsItsSolvedBoardAndRake) {
  EXPECT_EQ(solved->resultBoardText(), "AhKsQd7c2h");
  EXPECT_EQ(solved->resultRakePercent(), 0.0);
  QVariantMap state = projectState();
  state.insert("boardText", "2c3c4c");  // its rake (2.5 %) is not the solved one either
  ASSERT_TRUE(solved->saveProject(url(path("board.velmoraproj")), state));
  AppController fresh;
  ASSERT_TRUE(fresh.loadProject(url(path("board.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(fresh.resultBoardText(), "AhKsQd7c2h");
  EXPECT_EQ(fresh.resultRakePercent(), 0.0);
  EXPECT_EQ(fresh.resultRakeCap(), 0.0);

  QJsonObject root = QJsonDocument::fromJson(readAll(path("board.velmoraproj"))).object();
  QJsonObject results = root.value("results").toObject();
  results.insert("resultRakePercent", 5);
  results.insert("resultRakeCap", QJsonValue::Null);
  root.insert("results", results);
  ASSERT_TRUE(writeFile(path("rake.velmoraproj"), QJsonDocument(root).toJson()));
  AppController raked;
  ASSERT_TRUE(raked.loadProject(url(path("rake.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(raked.resultRakePercent(), 5.0);
  EXPECT_EQ(raked.resultRakeCap(), 0.0);

  results.remove("resultBoard");
  results.remove("resultRakePercent");
  results.remove("resultRakeCap");
  root.insert("results", results);
  QJsonObject last = root.value("lastUiCfg").toObject();
  last.insert("rake_percent", 4.5);
  last.insert("rake_cap", 3);
  root.insert("lastUiCfg", last);
  ASSERT_TRUE(writeFile(path("older.velmoraproj"), QJsonDocument(root).toJson()));
  AppController older;
  ASSERT_TRUE(older.loadProject(url(path("older.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(older.resultBoardText(), "AhKsQd7c2h");
  EXPECT_EQ(older.resultRakePercent(), 4.5);
  EXPECT_EQ(older.resultRakeCap(), 3.0);
  older.clearResults();
  EXPECT_EQ(older.resultBoardText(), "");
  EXPECT_EQ(older.resultRakePercent(), 0.0);
}

TEST_F(ProjectFileTest, FiguresWithoutValueSurviveSaveAndLoad) {
  QJsonObject root = saveSolved("nan.velmoraproj");
  QJsonObject results = root.value("results").toObject();
  results.insert("resultEvOop", QJsonValue::Null);
  root.insert("results", results);
  QJsonObject caches = root.value("nodeCaches").toObject();
  QJsonArray stats = caches.value("actionStatsByNode").toArray();
  QJsonObject entry = stats[0].toObject();
  QJsonArray data = entry.value("data").toArray();
  QJsonObject first = data[0].toObject();
  first.insert("equity", QJsonValue::Null);
  data[0] = first;
  entry.insert("data", data);
  stats[0] = entry;
  caches.insert("actionStatsByNode", stats);
  root.insert("nodeCaches", caches);
  ASSERT_TRUE(writeFile(path("nan.velmoraproj"), QJsonDocument(root).toJson()));

  AppController c;
  ASSERT_TRUE(c.loadProject(url(path("nan.velmoraproj"))).value("ok").toBool());
  EXPECT_TRUE(std::isnan(c.resultEvOop()));
  const int node = entry.value("nodeIndex").toInt();
  EXPECT_TRUE(std::isnan(c.nodeActionStats(node)[0].toMap().value("equity").toDouble()));

  // Saved again, the missing values stay missing (null), and the file loads.
  QVariantMap state = projectState();
  state.insert("rakePercent", std::nan(""));
  ASSERT_TRUE(c.saveProject(url(path("nan2.velmoraproj")), state));
  const QJsonObject again = QJsonDocument::fromJson(readAll(path("nan2.velmoraproj"))).object();
  EXPECT_TRUE(again.value("results").toObject().value("resultEvOop").isNull());
  AppController d;
  ASSERT_TRUE(d.loadProject(url(path("nan2.velmoraproj"))).value("ok").toBool());
  EXPECT_TRUE(std::isnan(d.resultEvOop()));
  EXPECT_DOUBLE_EQ(d.resultEvIp(), solved->resultEvIp());
}

TEST_F(ProjectFileTest, DamagedFilesAreRefusedAndChangeNothing) {
  solved->nodeSeatHandCombos(0, "IP");  // the variations below edit this cache
  const QJsonObject good = saveSolved("good.velmoraproj");
  const QByteArray goodText = readAll(path("good.velmoraproj"));

  AppController c;
  ASSERT_TRUE(c.loadProject(url(path("good.velmoraproj"))).value("ok").toBool());
  c.setNodeLock(0, "KK", 0, 0.5);
  const int nodes = c.treeNodeCount();
  const QString status = c.statusText();
  const QByteArray strategy = canonical(c.nodeHandStrategy(0));

  const auto withRoot = [&](const std::function<void(QJsonObject&)>& edit) {
    QJsonObject root = good;
    edit(root);
    return QJsonDocument(root).toJson();
  };
  struct Case {
    const char* name;
    QByteArray text;
    QString error;
  };
  const Case cases[] = {
      {"truncated", goodText.left(goodText.size() / 2), "Invalid JSON"},
      {"empty", QByteArray(), "Invalid JSON"},
      {"not json", "hello, world", "Invalid JSON"},
      {"nan literal", QByteArray(goodText).replace("\"resultEvIp\": ", "\"resultEvIp\": NaN, \"x\": "),
       "Invalid JSON"},
      {"array", "[1, 2, 3]", "Unrecognized project format"},
      {"format in capitals", withRoot([](QJsonObject& r) { r.insert("format", "VELMORA_PROJECT"); }),
       "Unrecognized project format"},
      {"no format", withRoot([](QJsonObject& r) { r.remove("format"); }), "Unrecognized project format"},
      {"version 2", withRoot([](QJsonObject& r) { r.insert("version", 2); }), "Unsupported project version"},
      {"version 0.6", withRoot([](QJsonObject& r) { r.insert("version", 0.6); }), "Unsupported project version"},
      {"range past the longest", withRoot([](QJsonObject& r) {
         r.insert("project", QJsonObject{{"ipRangeText", QString("AA,").repeated(20000)}});
       }),
       "IP range: This text is too long for a range: a range text holds at most 50000 characters"},
  };
  for (const Case& bad : cases) {
    ASSERT_TRUE(writeFile(path("bad.velmoraproj"), bad.text));
    const QVariantMap r = c.loadProject(url(path("bad.velmoraproj")));
    EXPECT_FALSE(r.value("ok").toBool()) << bad.name;
    EXPECT_EQ(r.value("error").toString(), bad.error) << bad.name;
    EXPECT_TRUE(r.value("project").toMap().isEmpty()) << bad.name;
    EXPECT_FALSE(r.value("hasResults").toBool()) << bad.name;
    EXPECT_EQ(c.treeNodeCount(), nodes) << bad.name;
    EXPECT_EQ(c.statusText(), status) << bad.name;
    EXPECT_EQ(canonical(c.nodeHandStrategy(0)), strategy) << bad.name;
    EXPECT_EQ(c.nodeLocks(0).size(), 1) << bad.name;
  }

  EXPECT_EQ(c.loadProject(QUrl("https://example.com/p.velmoraproj")).value("error").toString(),
            "Invalid/non-local file URL");
  EXPECT_EQ(c.loadProject(url(path("missing.velmoraproj"))).value("error").toString(), "Failed to open file");
  EXPECT_EQ(c.loadProject(url(dir.path())).value("error").toString(), "Failed to open file");
  EXPECT_EQ(c.loadProject(url("/dev/zero")).value("error").toString(), "Failed to open file");
  EXPECT_EQ(c.treeNodeCount(), nodes);

  // Accepted variations: version as text and caches without results (in a
  // file that says it holds none, so without locks: a lock needs a node of
  // the tree, and one clamped or dropped is refused now, see
  // ProjectLoadTest.MalformedPartsAreRefusedAndChangeNothing).
  ASSERT_TRUE(writeFile(path("v.velmoraproj"), withRoot([](QJsonObject& r) {
              r.insert("version", "1");
              r.insert("hasResults", false);
              r.remove("results");
              r.insert("nodeLocks", QJsonArray());
              QJsonObject caches = r.value("nodeCaches").toObject();
              QJsonArray seats = caches.value("seatHandCombosByNode").toArray();
              if (seats.isEmpty()) return;  // reported by the expectations below
              QJsonObject lower = seats[0].toObject();
              lower.insert("seat", " ip ");
              lower.insert("nodeIndex", 5);
              QJsonObject both = seats[0].toObject();
              both.insert("seat", "BOTH");
              both.insert("nodeIndex", 6);
              seats.append(lower);
              seats.append(both);
              caches.insert("seatHandCombosByNode", seats);
              r.insert("nodeCaches", caches);
            })));
  const QVariantMap r = c.loadProject(url(path("v.velmoraproj")));
  ASSERT_TRUE(r.value("ok").toBool()) << r.value("error").toString().toStdString();
  EXPECT_EQ(c.treeNodeCount(), 0);
  EXPECT_EQ(c.resultIterations(), 0);
  EXPECT_FALSE(c.nodeHandStrategy(0).isEmpty());  // restored from the caches
  EXPECT_FALSE(c.nodeSeatHandCombos(5, "IP").isEmpty());
  EXPECT_TRUE(c.nodeSeatHandCombos(6, "IP").isEmpty());
  EXPECT_TRUE(c.nodeSeatHandCombos(6, "OOP").isEmpty());
  EXPECT_TRUE(c.nodeLocks(0).isEmpty());  // the previous project's locks are gone
}

// The last solve configuration is the one part read with conversions: a
// re-solve of it goes through the checks of any start, so a thread count of
// -5 never reaches the solver and the re-solve runs. (Values of the wrong
// type elsewhere are refused:
// ProjectLoadTest.MalformedPartsAreRefusedAndChangeNothing.)
TEST_F(ProjectFileTest, TheLastConfigurationIsTamedForAReSolve) {
  QJsonObject root = saveSolved("typed.velmoraproj");
  QJsonObject last = root.value("lastUiCfg").toObject();
  last.insert("thread_count", -5);
  root.insert("lastUiCfg", last);
  root.insert("hasResults", false);
  root.remove("results");
  root.insert("nodeCaches", QJsonObject());
  root.insert("nodeLocks", QJsonArray());
  ASSERT_TRUE(writeFile(path("typed.velmoraproj"), QJsonDocument(root).toJson()));
  AppController c;
  const QVariantMap r = c.loadProject(url(path("typed.velmoraproj")));
  ASSERT_TRUE(r.value("ok").toBool()) << r.value("error").toString().toStdString();
  EXPECT_EQ(c.treeNodeCount(), 0);
  EXPECT_TRUE(c.nodeHandCombos(0).isEmpty());
  c.reSolveWithNodeLocks();
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(c.statusText(), "Done");
}

TEST_F(ProjectFileTest, LoadingDuringASolveStopsItAndKeepsTheLoadedResult) {
  saveSolved("during.velmoraproj");
  AppController c;
  c.startSolveWithConfig(riverSpot(100000000));
  ASSERT_TRUE(waitFor([&] { return c.statusText().startsWith("Iter "); }));
  QStringList statuses;
  QObject::connect(&c, &AppController::statusTextChanged, [&] { statuses << c.statusText(); });

  const QVariantMap r = c.loadProject(url(path("during.velmoraproj")));
  ASSERT_TRUE(r.value("ok").toBool());
  EXPECT_FALSE(c.running());
  const QString loadedStatus = c.statusText();
  EXPECT_TRUE(loadedStatus.startsWith("Loaded project ("));

  // The stopped run's last reports must not replace what was loaded.
  pumpEvents(300);
  EXPECT_EQ(c.statusText(), loadedStatus);
  EXPECT_FALSE(statuses.contains("Cancelled"));
  EXPECT_EQ(c.treeNodeCount(), solved->treeNodeCount());
  EXPECT_EQ(c.resultIterations(), solved->resultIterations());
  EXPECT_FALSE(c.nodeHandStrategy(0).isEmpty());

  // A start made right after a load that stopped a run begins once the
  // stopped worker lets go.
  c.startSolveWithConfig(riverSpot(100000000));
  ASSERT_TRUE(waitFor([&] { return c.statusText().startsWith("Iter "); }));
  ASSERT_TRUE(c.loadProject(url(path("during.velmoraproj"))).value("ok").toBool());
  c.startSolveWithConfig(riverSpot(10));
  EXPECT_TRUE(c.running());
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(c.statusText(), "Done");
  EXPECT_FALSE(statuses.contains("Already running"));
}

TEST_F(ProjectFileTest, FailedSavesReportFailureAndKeepTheOldFile) {
  AppController& s = *solved;
  EXPECT_FALSE(s.saveProject(QUrl("https://example.com/x.velmoraproj"), projectState()));
  EXPECT_FALSE(s.saveProject(QUrl(), projectState()));
  EXPECT_EQ(s.projectSaveError(), "");  // no system call was made
  EXPECT_FALSE(s.saveProject(url(path("no/such/dir/x.velmoraproj")), projectState()));
  EXPECT_EQ(s.projectSaveError(), "No such file or directory");

  // The target's folder is a file: nothing can be written beside it, not
  // even by root (to whom a read-only folder is writable). The failure says
  // why, as the system words it; in the background, with the signal.
  ASSERT_TRUE(writeFile(path("plain"), "x"));
  EXPECT_FALSE(s.saveProject(url(path("plain/x.velmoraproj")), projectState()));
  EXPECT_EQ(s.projectSaveError(), "Not a directory");
  QSignalSpy saved(&s, &AppController::projectSaved);
  s.saveProjectInBackground(url(path("plain/y.velmoraproj")), projectState());
  ASSERT_TRUE(waitFor([&] { return saved.count() == 1; }, 20000));
  EXPECT_EQ(saved.at(0), (QVariantList{false, url(path("plain/y.velmoraproj")), "Not a directory"}));

  // A directory in the way of the target is not replaced.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
  EXPECT_FALSE(s.saveProject(url(path("taken")), projectState()));
  EXPECT_TRUE(QFileInfo(path("taken")).isDir());
  EXPECT_FALSE(s.projectSaveError().isEmpty());

  // Saving twice replaces the file whole.
  ASSERT_TRUE(s.saveProject(url(path("twice.velmoraproj")), projectState()));
  QVariantMap other = projectState();
  other.insert("boardText", "2c3d4h");
  ASSERT_TRUE(s.saveProject(url(path("twice.velmoraproj")), other));
  EXPECT_EQ(s.projectSaveError(), "");
  const QJsonObject root = QJsonDocument::fromJson(readAll(path("twice.velmoraproj"))).object();
  EXPECT_EQ(root.value("project").toObject().value("boardText").toString(), "2c3d4h");
}

}  // namespace
