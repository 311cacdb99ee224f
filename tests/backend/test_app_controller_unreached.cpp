// A node no hand of the acting seat reaches has no frequencies: the node
// tables and the action statistics carry NaN there, which the pages show as
// "—", and a project file keeps it so through a save and a load.
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

#include "app_controller_test_support.h"

using namespace app_controller_test;

namespace {

// The child of the first action whose key starts with one of `keys`.
int childOf(const AppController& c, int node, const QStringList& keys) {
  for (const QVariant& a : c.nodeActions(node)) {
    const QVariantMap m = a.toMap();
    for (const QString& key : keys) {
      if (m.value("actionType").toString().startsWith(key)) return m.value("childIndex").toInt();
    }
  }
  ADD_FAILURE() << "node " << node << " has no " << keys.join('/').toStdString();
  return -1;
}

TEST(UnreachedNodeTest, NoFrequenciesWhereNoHandArrivesEvenAfterALoad) {
  clearSettings();
  AppController c;
  // Every OOP class checks at the root: OOP never faces a raise.
  for (const char* cls : {"AA", "KK", "QQ", "JJ", "AKs", "76s", "54s"}) c.setNodeLock(0, cls, 0, 1.0);
  QVariantMap cfg = riverSpot(30);
  cfg.insert("apply_node_locks", true);
  c.startSolveWithConfig(cfg);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.statusText(), "Done");

  const int facingBet = childOf(c, 0, {"bet"});
  const int facingRaise = childOf(c, facingBet, {"raise", "allin"});
  ASSERT_GT(facingRaise, 0);
  ASSERT_EQ(c.nodeMeta(facingRaise).value("player").toString(), "OOP");
  const auto expectNoFigures = [](const QVariantList& actions, const char* what) {
    ASSERT_FALSE(actions.isEmpty()) << what;
    for (const QVariant& a : actions) EXPECT_TRUE(std::isnan(a.toMap().value("frequency").toDouble())) << what;
  };
  expectNoFigures(c.nodeActions(facingRaise), "tree");
  const QVariantList stats = c.nodeActionStats(facingRaise);
  expectNoFigures(stats, "stats");
  for (const QVariant& a : stats) {
    EXPECT_TRUE(std::isnan(a.toMap().value("ev").toDouble()));
    EXPECT_TRUE(std::isnan(a.toMap().value("equity").toDouble()));
    EXPECT_EQ(a.toMap().value("combos").toDouble(), 0.0);
  }
  // IP's own range still reaches the node after the bet.
  double sum = 0.0;
  for (const QVariant& a : c.nodeActions(facingBet)) sum += a.toMap().value("frequency").toDouble();
  EXPECT_NEAR(sum, 1.0, 1e-5);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath("unreached.velmoraproj");
  ASSERT_TRUE(c.saveProject(QUrl::fromLocalFile(file), QVariantMap{{"boardText", "AhKsQd7c2h"}}));
  const QJsonObject results = QJsonDocument::fromJson(readAll(file)).object().value("results").toObject();
  const QJsonArray table = results.value("treeNodeActions").toArray();
  EXPECT_TRUE(table.at(facingRaise).toArray().at(0).toObject().value("frequency").isNull()) << "written as null";

  AppController loaded;
  const QVariantMap r = loaded.loadProject(QUrl::fromLocalFile(file));
  ASSERT_TRUE(r.value("ok").toBool()) << r.value("error").toString().toStdString();
  expectNoFigures(loaded.nodeActions(facingRaise), "loaded tree");
  expectNoFigures(loaded.nodeActionStats(facingRaise), "loaded stats");
  EXPECT_EQ(canonical(loaded.nodeActions(facingBet)), canonical(c.nodeActions(facingBet)));
}

}  // namespace
