// Project files, continued: parts of the wrong kind and links that do not lead to a later
// node are refused with nothing changed, and so, before it is read, is a file that cannot be
// a project or would not fit in memory; cached answers for nodes the tree does not have are
// dropped; opening and saving in the background give what the direct calls give while the
// GUI thread stays free.
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTranslator>

#include <functional>

#include "app_controller_test_support.h"
#include "backend/project_file_loader.h"

using namespace app_controller_test;

namespace {

class ProjectLoadTest : public SolvedProjectSuite {
 protected:
  static void SetUpTestSuite() {
    SolvedProjectSuite::SetUpTestSuite();
    solved->nodeSeatHandCombos(0, "OOP");
  }

  QJsonObject saveSolved(const QString& name) {
    return saveSolvedWith(name, QVariantMap{{"boardText", "AhKsQd7c2h"}});
  }
};

// The saved file with the first action of `node` leading to `child`.
QJsonObject withChild(QJsonObject root, int node, const QJsonValue& child) {
  QJsonObject results = root.value("results").toObject();
  QJsonArray tables = results.value("treeNodeActions").toArray();
  QJsonArray actions = tables[node].toArray();
  QJsonObject first = actions[0].toObject();
  first.insert("childIndex", child);
  actions[0] = first;
  tables[node] = actions;
  results.insert("treeNodeActions", tables);
  root.insert("results", results);
  return root;
}

TEST_F(ProjectLoadTest, MalformedPartsAreRefusedAndChangeNothing) {
  const QJsonObject good = saveSolved("good.velmoraproj");
  const int nodes = solved->treeNodeCount();
  int inner = 1;
  while (inner < nodes && solved->nodeActions(inner).isEmpty()) ++inner;
  ASSERT_LT(inner, nodes);

  AppController c;
  ASSERT_TRUE(c.loadProject(url(path("good.velmoraproj"))).value("ok").toBool());
  c.setNodeLock(0, "KK", 0, 0.5);
  const QString status = c.statusText();
  const QByteArray strategy = canonical(c.nodeHandStrategy(0));
  const QByteArray rootActions = canonical(c.rootActions());
  QSignalSpy resultsSpy(&c, &AppController::resultsChanged);

  const auto edited = [&](const std::function<void(QJsonObject&)>& edit) {
    QJsonObject root = good;
    edit(root);
    return root;
  };
  struct Case {
    const char* name;
    QJsonObject root;
  };
  const Case cases[] = {
      // The file of the report: a list for the project, a text for the results.
      {"project list, results text", edited([](QJsonObject& r) {
         r.insert("project", QJsonArray{1, 2});
         r.insert("results", "x");
         r.insert("hasResults", true);
       })},
      {"project list", edited([](QJsonObject& r) { r.insert("project", QJsonArray{"boardText"}); })},
      {"project null", edited([](QJsonObject& r) { r.insert("project", QJsonValue::Null); })},
      {"results text", edited([](QJsonObject& r) { r.insert("results", "x"); })},
      {"results number", edited([](QJsonObject& r) { r.insert("results", 7); })},
      {"child just past the tree", withChild(good, inner, nodes)},
      {"negative child", withChild(good, inner, -7)},
      {"huge child", withChild(good, 0, 1e20)},
      {"child as text", withChild(good, inner, QString::number(nodes + 3))},
      // Every link leads to a later node: not back up, to itself or to no number.
      {"root leads to itself", withChild(good, 0, 0)}, {"child back to the root", withChild(good, inner, 0)},
      {"child leads to itself", withChild(good, inner, inner)}, {"child NaN", withChild(good, 0, "NaN")},
      {"child 1e999", withChild(good, 0, "1e999")}, {"child missing", withChild(good, inner, QJsonValue::Undefined)},
  };
  for (const Case& bad : cases) {
    ASSERT_TRUE(writeFile(path("bad.velmoraproj"), QJsonDocument(bad.root).toJson()));
    const QVariantMap r = c.loadProject(url(path("bad.velmoraproj")));
    EXPECT_FALSE(r.value("ok").toBool()) << bad.name;
    EXPECT_EQ(r.value("error").toString(), "The project file is damaged") << bad.name;
    EXPECT_TRUE(r.value("project").toMap().isEmpty()) << bad.name;
    EXPECT_FALSE(r.value("hasResults").toBool()) << bad.name;
    EXPECT_EQ(c.treeNodeCount(), nodes) << bad.name;
    EXPECT_EQ(c.statusText(), status) << bad.name;
    EXPECT_EQ(canonical(c.nodeHandStrategy(0)), strategy) << bad.name;
    EXPECT_EQ(canonical(c.rootActions()), rootActions) << bad.name;
    EXPECT_EQ(c.nodeLocks(0).size(), 1) << bad.name;
  }
  EXPECT_EQ(resultsSpy.count(), 0);

  // Missing parts still read as empty; results of the wrong kind are not
  // looked at when the file says it has none.
  const Case accepted[] = {
      {"no project", edited([](QJsonObject& r) { r.remove("project"); })},
      {"results text without results", edited([](QJsonObject& r) {
         r.insert("results", "x");
         r.insert("hasResults", false);
       })},
      {"child as a numeric text", withChild(good, 0, solved->nodeActions(0)[0].toMap().value("childIndex").toString())},
  };
  for (const Case& fine : accepted) {
    ASSERT_TRUE(writeFile(path("fine.velmoraproj"), QJsonDocument(fine.root).toJson()));
    const QVariantMap r = c.loadProject(url(path("fine.velmoraproj")));
    EXPECT_TRUE(r.value("ok").toBool()) << fine.name << " " << r.value("error").toString().toStdString();
  }
  EXPECT_EQ(c.treeNodeCount(), nodes);
  EXPECT_EQ(canonical(c.nodeActions(0)), canonical(solved->nodeActions(0)));
}

// A result the file claims but does not hold whole, and a number of the
// project that its Setup field would not take, are refused with the reason,
// opened as the window opens them; the project shown stays. Whole files,
// the blank spot's zeros among them, open as before.
TEST_F(ProjectLoadTest, ClaimedResultsMustFitAndNumbersMustBeWhatTheFieldsTake) {
  const QJsonObject good = saveSolved("good.velmoraproj");
  AppController c;
  QSignalSpy opened(&c, &AppController::projectOpened);
  // The good file with `key` of `section` ("" the top level) set to `value` (undefined removes it).
  const auto open = [&](const char* section, const char* key, const QJsonValue& value) {
    QJsonObject root = good, part = good.value(section).toObject();
    part.insert(key, value);
    *section ? root.insert(section, part) : root.insert(key, value);
    EXPECT_TRUE(writeFile(path("p.velmoraproj"), QJsonDocument(root).toJson()));
    c.openProject(url(path("p.velmoraproj")));
    EXPECT_TRUE(waitFor([&] { return !opened.isEmpty(); }, 20000));
    return opened.isEmpty() ? QVariantMap() : opened.takeFirst().at(0).toMap();
  };
  QJsonArray shortMeta = good.value("results")["treeNodeMeta"].toArray();
  shortMeta.removeLast();
  const QString damaged = "The project file is damaged: ";
  const struct { const char *section, *key; QJsonValue value; QString error; } cases[] = {
      {"", "results", QJsonValue::Undefined, damaged + "it says it holds a solve result, but the result is missing"},
      {"", "results", QJsonObject(), damaged + "its solve result holds no game tree"},
      {"results", "treeNodeMeta", shortMeta, damaged + "the node tables of its solve result do not fit together"},
      {"results", "rootActions", QJsonArray(),
       damaged + "the root actions of its solve result are not those of its game tree"},
      {"project", "startingPot", -100, "Starting Pot: -100 is outside the range 1 to 100000"},
      {"project", "effectiveStack", "100001", "Effective Stack: 100001 is outside the range 1 to 100000"},
      {"project", "rakePercent", 100.5, "Rake (%): 100.5 is outside the range 0 to 100"},
      {"project", "rakeCap", -1, "Rake Cap: -1 is outside the range 0 to 1000000"},
      {"project", "targetExploitability", 1e308, "Target Exploitability (%): 1e+308 is outside the range 0 to 100"},
      {"project", "oopAddAllInIfJamLtPct", 1000.5,
       "Add all-in if jam less than (OOP, % pot): 1000.5 is outside the range 0 to 1000"},
      {"project", "ipAddAllInIfJamLtPct", " -0.25 ",
       "Add all-in if jam less than (IP, % pot): -0.25 is outside the range 0 to 1000"},
  };
  ASSERT_TRUE(open("", "hasResults", true).value("ok").toBool());
  c.setNodeLock(0, "KK", 0, 0.5);
  const auto shown = [&] { return canonical(QVariantList{c.statusText(), c.nodeHandStrategy(0), c.nodeLocks(0)}); };
  const QByteArray before = shown();
  QSignalSpy results(&c, &AppController::resultsChanged);
  for (const auto& bad : cases) {
    const QVariantMap r = open(bad.section, bad.key, bad.value);
    EXPECT_FALSE(r.value("ok").toBool()) << bad.key;
    EXPECT_EQ(r.value("error").toString().toStdString(), bad.error.toStdString()) << bad.key;
    EXPECT_TRUE(r.value("project").toMap().isEmpty()) << bad.key;
  }
  EXPECT_EQ(results.count(), 0);
  EXPECT_EQ(shown(), before);  // the status, the strategy and the lock set before
  QTranslator german;  // in the user's language
  ASSERT_TRUE(german.load("velmora_de", ":/Velmora/i18n") && QCoreApplication::installTranslator(&german));
  EXPECT_EQ(open("project", "startingPot", -100).value("error").toString().toStdString(),
            "Startpot: -100 liegt außerhalb des Bereichs 1 bis 100000");
  QCoreApplication::removeTranslator(&german);

  // The blank spot's zeros, the fields' bounds, numbers as texts or rounding into range, and
  // values that are no number (left to the shell) open.
  for (const QJsonObject& project :
       {QJsonObject{{"startingPot", 0}, {"effectiveStack", 0}, {"rakeCap", true}, {"rakePercent", "lots"}},
        QJsonObject{{"startingPot", 100000.4}, {"effectiveStack", "1"}, {"rakePercent", 100}, {"rakeCap", 1000000},
                    {"targetExploitability", 0}, {"oopAddAllInIfJamLtPct", 1000}, {"ipAddAllInIfJamLtPct", 0}}}) {
    const QVariantMap r = open("", "project", project);
    EXPECT_TRUE(r.value("ok").toBool()) << r.value("error").toString().toStdString();
    EXPECT_EQ(r.value("project").toMap(), project.toVariantMap());
  }
}

// What cannot be a project, or would need more memory than there is, is
// refused at once: the file (sparse, 256 GiB long) is never read.
TEST_F(ProjectLoadTest, FilesThatCannotBeOpenedAreRefusedBeforeTheyAreRead) {
  const qint64 huge = qint64(256) << 30;
  const auto refusal = [&](AppController& c, const QString& name, const QByteArray& head) {
    QFile f(path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(head) == head.size() && f.resize(huge));
    return c.loadProject(url(path(name))).value("error").toString();
  };
  AppController c;
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(refusal(c, "zeros.velmoraproj", QByteArray()), "Invalid JSON");
  EXPECT_EQ(refusal(c, "array.velmoraproj", " \r\n\t["), "Unrecognized project format");
  EXPECT_EQ(refusal(c, "object.velmoraproj", "\xEF\xBB\xBF\n{"),
            QString("Not enough RAM (opening it needs about %1, %2 available)")
                .arg(AppController::formatMemoryBytes(project_file::memoryToOpen(huge)), c.systemAvailableMemoryText()));
  // The same from the open dialog's background read.
  QSignalSpy opened(&c, &AppController::projectOpened);
  c.openProject(url(path("object.velmoraproj")));
  ASSERT_TRUE(waitFor([&] { return opened.count() == 1; }, 20000));
  EXPECT_TRUE(opened.at(0).at(0).toMap().value("error").toString().startsWith("Not enough RAM (opening it needs about "));
  EXPECT_LT(timer.elapsed(), 5000);
  EXPECT_EQ(c.treeNodeCount(), 0);
}

TEST_F(ProjectLoadTest, CachedAnswersOutsideTheTreeAreDroppedOnLoad) {
  QJsonObject root = saveSolved("caches.velmoraproj");
  const int nodes = solved->treeNodeCount();
  QJsonObject caches = root.value("nodeCaches").toObject();
  const int strategyInTree = caches.value("handStrategyByNode").toArray().size();
  const int combosInTree = caches.value("handCombosByNode").toArray().size();
  ASSERT_GT(strategyInTree, 0);
  const QJsonObject someCombos = caches.value("handCombosByNode").toArray()[0].toObject();
  // Each list gains 50 copies of its first entry, for nodes past the tree.
  for (const char* key : {"handStrategyByNode", "handCombosByNode", "seatHandCombosByNode"}) {
    QJsonArray list = caches.value(key).toArray();
    for (int i = 0; i < 50; ++i) {
      QJsonObject entry = list[0].toObject();
      entry.insert("nodeIndex", nodes + i);
      list.append(entry);
    }
    caches.insert(key, list);
  }
  root.insert("nodeCaches", caches);
  ASSERT_TRUE(writeFile(path("caches.velmoraproj"), QJsonDocument(root).toJson()));

  AppController c;
  ASSERT_TRUE(c.loadProject(url(path("caches.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(c.statusText(),
            QString("Loaded project (%1 strategy nodes, %2 combo nodes)").arg(strategyInTree).arg(combosInTree));
  EXPECT_TRUE(c.nodeHandStrategy(nodes).isEmpty());
  EXPECT_TRUE(c.nodeHandCombos(nodes + 49).isEmpty());
  EXPECT_TRUE(c.nodeSeatHandCombos(nodes + 7, "OOP").isEmpty());
  EXPECT_TRUE(c.nodePocketActionEvs(nodes + 3, "OOP", someCombos.value("data")[0]["c1"].toString(),
                                    someCombos.value("data")[0]["c2"].toString())
                  .isEmpty());
  EXPECT_FALSE(c.nodeHandStrategy(0).isEmpty());

  // Saved again, the file holds only the nodes of its tree.
  ASSERT_TRUE(c.saveProject(url(path("again.velmoraproj")), QVariantMap()));
  const QJsonObject again = QJsonDocument::fromJson(readAll(path("again.velmoraproj"))).object();
  for (const char* key : {"handStrategyByNode", "handCombosByNode", "seatHandCombosByNode"}) {
    const QJsonArray list = again.value("nodeCaches").toObject().value(key).toArray();
    EXPECT_FALSE(list.isEmpty()) << key;
    for (const QJsonValue& entry : list) EXPECT_LT(entry.toObject().value("nodeIndex").toInt(), nodes) << key;
  }
}

TEST_F(ProjectLoadTest, BackgroundOpenAndSaveMatchTheDirectCalls) {
  saveSolved("direct.velmoraproj");
  AppController direct;
  const QVariantMap expected = direct.loadProject(url(path("direct.velmoraproj")));
  ASSERT_TRUE(expected.value("ok").toBool());

  AppController c;
  QSignalSpy opened(&c, &AppController::projectOpened);
  QSignalSpy busy(&c, &AppController::projectFileBusyChanged);
  QSignalSpy results(&c, &AppController::resultsChanged);
  c.openProject(url(path("direct.velmoraproj")));
  EXPECT_TRUE(c.projectFileBusy());
  EXPECT_EQ(c.projectFileActivity(), "Opening project...");
  EXPECT_EQ(c.treeNodeCount(), 0);  // nothing is swapped in before the file is read
  // A second file operation while one runs is answered at once, refused.
  QSignalSpy saved(&c, &AppController::projectSaved);
  c.saveProjectInBackground(url(path("second.velmoraproj")), QVariantMap());
  ASSERT_TRUE(waitFor([&] { return opened.count() == 1 && saved.count() == 1; }, 20000));
  EXPECT_FALSE(saved.at(0).at(0).toBool());
  EXPECT_FALSE(QFile::exists(path("second.velmoraproj")));
  const QVariantMap r = opened.at(0).at(0).toMap();
  EXPECT_EQ(canonical(r), canonical(expected));
  EXPECT_FALSE(c.projectFileBusy());
  EXPECT_DOUBLE_EQ(c.projectFileProgress(), 1.0);
  EXPECT_GE(busy.count(), 2);
  EXPECT_EQ(results.count(), 1);
  EXPECT_EQ(c.treeNodeCount(), direct.treeNodeCount());
  EXPECT_EQ(c.statusText(), direct.statusText());
  for (int node = 0; node < c.treeNodeCount(); ++node) {
    EXPECT_EQ(canonical(c.nodeMeta(node)), canonical(direct.nodeMeta(node))) << node;
    EXPECT_EQ(canonical(c.nodeActions(node)), canonical(direct.nodeActions(node))) << node;
  }
  EXPECT_EQ(canonical(c.nodeHandCombos(0)), canonical(direct.nodeHandCombos(0)));

  // Saved in the background, the file reads back as the directly saved one.
  QVariantMap project;
  project.insert("boardText", "AhKsQd7c2h");
  c.saveProjectInBackground(url(path("background.velmoraproj")), project);
  EXPECT_TRUE(c.projectFileBusy());
  EXPECT_EQ(c.projectFileActivity(), "Saving project...");
  ASSERT_TRUE(waitFor([&] { return saved.count() == 2; }, 20000));
  EXPECT_TRUE(saved.at(1).at(0).toBool());
  EXPECT_EQ(saved.at(1).at(1).toUrl(), url(path("background.velmoraproj")));
  ASSERT_TRUE(c.saveProject(url(path("direct-again.velmoraproj")), project));
  EXPECT_EQ(QJsonDocument::fromJson(readAll(path("background.velmoraproj"))).object(),
            QJsonDocument::fromJson(readAll(path("direct-again.velmoraproj"))).object());

  // Failures come through the same signals, and change nothing.
  QFile::resize(path("direct.velmoraproj"), 100);
  const QString status = c.statusText();
  c.openProject(url(path("direct.velmoraproj")));
  c.openProject(QUrl("https://example.com/p.velmoraproj"));  // refused at once: a file is being read
  ASSERT_TRUE(waitFor([&] { return opened.count() == 3; }, 20000));
  const QStringList errors = {opened.at(1).at(0).toMap().value("error").toString(),
                              opened.at(2).at(0).toMap().value("error").toString()};
  EXPECT_TRUE(errors.contains("Another project file is being opened or saved")) << errors.join("; ").toStdString();
  EXPECT_TRUE(errors.contains("Invalid JSON")) << errors.join("; ").toStdString();
  c.openProject(QUrl("https://example.com/p.velmoraproj"));
  ASSERT_TRUE(waitFor([&] { return opened.count() == 4; }, 20000));
  EXPECT_EQ(opened.at(3).at(0).toMap().value("error").toString(), "Invalid/non-local file URL");
  EXPECT_EQ(c.statusText(), status);
  EXPECT_EQ(c.treeNodeCount(), direct.treeNodeCount());
  c.saveProjectInBackground(QUrl("https://example.com/p.velmoraproj"), project);
  ASSERT_TRUE(waitFor([&] { return saved.count() == 3; }, 20000));
  EXPECT_FALSE(saved.at(2).at(0).toBool());
}

// Closing the program while a project opens or saves: the open is left
// behind, the save is finished, and neither reaches a destroyed controller.
TEST_F(ProjectLoadTest, DestroyingTheControllerDuringFileWorkIsSafe) {
  saveSolved("closing.velmoraproj");
  for (int round = 0; round < 5; ++round) {
    auto c = std::make_unique<AppController>();
    c->openProject(url(path("closing.velmoraproj")));
    c.reset();
  }
  auto c = std::make_unique<AppController>();
  ASSERT_TRUE(c->loadProject(url(path("closing.velmoraproj"))).value("ok").toBool());
  c->saveProjectInBackground(url(path("closing-saved.velmoraproj")), QVariantMap());
  c.reset();
  pumpEvents(100);
  AppController check;
  EXPECT_TRUE(check.loadProject(url(path("closing-saved.velmoraproj"))).value("ok").toBool());
  EXPECT_EQ(check.treeNodeCount(), solved->treeNodeCount());
}

}  // namespace
