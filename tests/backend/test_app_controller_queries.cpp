// Result queries of AppController on a solved river spot: keys, values,
// consistency between the queries, the caches and their emptying.
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTranslator>

#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "backend/project_file/project_file.h"
#include "backend/results/answer_store.h"
#include "backend/results/result_tree.h"
#include "backend/solve_room.h"
#include "session/memory_estimate.h"

using namespace app_controller_test;

namespace {

class ResultQueryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    clearSettings();
    controller = std::make_unique<AppController>();
    controller->startSolveWithConfig(riverSpot(60));
    ASSERT_TRUE(waitFor([] { return solveFinished(*controller); }));
    ASSERT_EQ(controller->statusText(), "Done");
  }
  static void TearDownTestSuite() { controller.reset(); }

  static std::unique_ptr<AppController> controller;
};
std::unique_ptr<AppController> ResultQueryTest::controller;

double sumOf(const QVariantList& list) {
  double s = 0.0;
  for (const QVariant& v : list) s += v.toDouble();
  return s;
}

TEST_F(ResultQueryTest, OutOfRangeNodesGiveEmptyAnswers) {
  AppController& c = *controller;
  const int n = c.treeNodeCount();
  for (int bad : {-1, n, n + 100}) {
    EXPECT_TRUE(c.nodeMeta(bad).isEmpty());
    EXPECT_TRUE(c.nodeActions(bad).isEmpty());
    EXPECT_TRUE(c.nodeActionStats(bad).isEmpty());
    EXPECT_TRUE(c.nodeHandStrategy(bad).isEmpty());
    EXPECT_TRUE(c.nodeHandCombos(bad).isEmpty());
    EXPECT_TRUE(c.nodeHandBuckets(bad).isEmpty());
    EXPECT_TRUE(c.nodeSeatHandCombos(bad, "OOP").isEmpty());
    EXPECT_TRUE(c.nodePocketActionEvs(bad, "OOP", "Ac", "Ad").isEmpty());
    EXPECT_TRUE(c.nodeLocks(bad).isEmpty());
  }
  // A terminal node has no strategy.
  int terminal = -1;
  for (int i = 0; i < n && terminal < 0; ++i) {
    if (c.nodeMeta(i).value("nodeType").toString() == "terminal") terminal = i;
  }
  ASSERT_GE(terminal, 0);
  EXPECT_FALSE(c.nodeMeta(terminal).value("hasChildren").toBool());
  EXPECT_TRUE(c.nodeActionStats(terminal).isEmpty());
  EXPECT_TRUE(c.nodeHandStrategy(terminal).isEmpty());
}

TEST_F(ResultQueryTest, ActionStatsMatchTheNodeAndTheRootEv) {
  AppController& c = *controller;
  const QVariantList stats = c.nodeActionStats(0);
  const QVariantList actions = c.nodeActions(0);
  ASSERT_EQ(stats.size(), actions.size());
  double freq = 0.0;
  double combos = 0.0;
  double weightedEv = 0.0;
  for (int a = 0; a < stats.size(); ++a) {
    const QVariantMap s = stats[a].toMap();
    for (const char* key : {"name", "actionType", "frequency", "combos", "equity", "ev"}) {
      EXPECT_TRUE(s.contains(key)) << key;
    }
    EXPECT_EQ(s.value("name"), actions[a].toMap().value("name"));
    EXPECT_EQ(s.value("actionType"), actions[a].toMap().value("actionType"));
    freq += s.value("frequency").toDouble();
    combos += s.value("combos").toDouble();
    weightedEv += s.value("combos").toDouble() * s.value("ev").toDouble();
    const double equity = s.value("equity").toDouble();
    if (!std::isnan(equity)) {
      EXPECT_GE(equity, 0.0);
      EXPECT_LE(equity, 1.0);
    }
  }
  EXPECT_NEAR(freq, 1.0, 1e-4);
  ASSERT_GT(combos, 0.0);
  // The range-weighted EV of the actions (with OOP's half of the pot) is
  // OOP's EV of the whole spot.
  const double spotEv = c.resultEvOop() + c.resultStartingPot() / 2.0;
  EXPECT_NEAR(weightedEv / combos, spotEv, 0.05 * std::abs(spotEv) + 0.5);

  // A second call is served from the cache: the same list.
  EXPECT_EQ(c.nodeActionStats(0), stats);
}

TEST_F(ResultQueryTest, HandStrategyCoversTheGridWithNormalisedRows) {
  AppController& c = *controller;
  const QVariantMap strategy = c.nodeHandStrategy(0);
  const QVariantMap weights = strategy.value("weights").toMap();
  const QVariantMap dominant = strategy.value("dominantActionTypes").toMap();
  const QVariantMap probs = strategy.value("actionProbs").toMap();
  EXPECT_EQ(weights.size(), 169);
  EXPECT_EQ(dominant.size(), 169);
  EXPECT_EQ(probs.size(), 169);
  const QVariantList actions = c.nodeActions(0);
  const QVariantList names = strategy.value("actionNames").toList();
  const QVariantList types = strategy.value("actionTypeList").toList();
  ASSERT_EQ(names.size(), actions.size());
  ASSERT_EQ(types.size(), actions.size());
  for (int a = 0; a < actions.size(); ++a) {
    EXPECT_EQ(names[a], actions[a].toMap().value("name"));
    EXPECT_EQ(types[a], actions[a].toMap().value("actionType"));
  }
  // OOP holds AA (minus board blockers) but not T9o.
  EXPECT_GT(weights.value("AA").toDouble(), 0.0);
  EXPECT_EQ(weights.value("T9o").toDouble(), 0.0);
  EXPECT_EQ(dominant.value("T9o").toString(), "");
  for (const QString& held : {QStringLiteral("AA"), QStringLiteral("KK"), QStringLiteral("76s")}) {
    const QVariantList row = probs.value(held).toList();
    ASSERT_EQ(row.size(), actions.size()) << held.toStdString();
    EXPECT_NEAR(sumOf(row), 1.0, 1e-4) << held.toStdString();
    EXPECT_TRUE(types.contains(dominant.value(held)));
  }
}

TEST_F(ResultQueryTest, CombosAreSortedAndTheirEvsAgree) {
  AppController& c = *controller;
  const QVariantList combos = c.nodeHandCombos(0);
  const int actionCount = static_cast<int>(c.nodeActions(0).size());
  ASSERT_FALSE(combos.isEmpty());
  double previous = 1e300;
  QSet<QString> seen;
  for (const QVariant& item : combos) {
    const QVariantMap combo = item.toMap();
    const QString c1 = combo.value("c1").toString();
    const QString c2 = combo.value("c2").toString();
    EXPECT_FALSE(seen.contains(c1 + c2));
    seen.insert(c1 + c2);
    // No combo holds a board card.
    for (const QString& card : {c1, c2}) {
      EXPECT_FALSE(QStringList({"Ah", "Ks", "Qd", "7c", "2h"}).contains(card)) << card.toStdString();
    }
    const double ev = combo.value("ev").toDouble();
    EXPECT_LE(ev, previous + 1e-9);
    previous = ev;
    const QVariantList probs = combo.value("actionProbs").toList();
    const QVariantList evs = combo.value("actionEvs").toList();
    ASSERT_EQ(probs.size(), actionCount);
    ASSERT_EQ(evs.size(), actionCount);
    EXPECT_NEAR(sumOf(probs), 1.0, 1e-4);
    // A combo's value is its strategy's mix of its action values.
    double mixed = 0.0;
    for (int a = 0; a < actionCount; ++a) mixed += probs[a].toDouble() * evs[a].toDouble();
    EXPECT_NEAR(mixed, ev, 0.02 * std::abs(ev) + 0.05) << (c1 + c2).toStdString();
    EXPECT_FALSE(combo.value("buckets").toList().isEmpty());

    // The pocket query gives the same action values, in either card order.
    const QVariantList pocket = c.nodePocketActionEvs(0, "oop", c2, c1);
    ASSERT_EQ(pocket.size(), actionCount);
    for (int a = 0; a < actionCount; ++a) EXPECT_NEAR(pocket[a].toDouble(), evs[a].toDouble(), 1e-6);
  }
  // Bad cards give empty answers, never an exception.
  EXPECT_TRUE(c.nodePocketActionEvs(0, "OOP", "Zz", "Ad").isEmpty());
  EXPECT_TRUE(c.nodePocketActionEvs(0, "OOP", "A", "").isEmpty());
  // The seat that does not act here is answered from the node's combos.
  const QVariantMap first = combos[0].toMap();
  const QVariantList other =
      c.nodePocketActionEvs(0, "IP", first.value("c1").toString(), first.value("c2").toString());
  EXPECT_EQ(other, first.value("actionEvs").toList());
  EXPECT_FALSE(other.isEmpty());
}

TEST_F(ResultQueryTest, BucketsFollowTheFixedOrderAndCarryADisplayName) {
  AppController& c = *controller;
  const QStringList order = {"straight flush", "quads", "full house", "flush", "straight", "set", "trips",
                             "two pair", "top pair", "overpair", "middle pair", "bottom pair", "dry pair",
                             "flush draw", "missed FD", "open ended straight draw", "missed OESD", "gutter",
                             "missed gutter", "back door flush draw", "air"};
  const QVariantList buckets = c.nodeHandBuckets(0);
  ASSERT_FALSE(buckets.isEmpty());
  int last = -1;
  for (const QVariant& item : buckets) {
    const QVariantMap b = item.toMap();
    const int pos = static_cast<int>(order.indexOf(b.value("name").toString()));
    ASSERT_GE(pos, 0) << b.value("name").toString().toStdString();
    EXPECT_GT(pos, last);
    last = pos;
    EXPECT_EQ(b.value("displayName").toString(), b.value("name").toString());  // English
    EXPECT_GT(b.value("combos").toDouble(), 0.0);
    EXPECT_NEAR(sumOf(b.value("actionProbs").toList()), 1.0, 1e-4);
  }
  // OOP's AA on this board is a set.
  QStringList names;
  for (const QVariant& item : buckets) names << item.toMap().value("name").toString();
  EXPECT_TRUE(names.contains("set"));

  // In German the display names follow the catalogue; the names stay.
  QTranslator german;
  ASSERT_TRUE(german.load(":/Velmora/i18n/velmora_de.qm"));
  QCoreApplication::installTranslator(&german);
  const QVariantList translated = c.nodeHandBuckets(0);
  QCoreApplication::removeTranslator(&german);
  ASSERT_EQ(translated.size(), buckets.size());
  for (int i = 0; i < translated.size(); ++i) {
    const QVariantMap b = translated[i].toMap();
    EXPECT_EQ(b.value("name"), buckets[i].toMap().value("name"));
    EXPECT_EQ(b.value("displayName").toString(),
              german.translate("HandBuckets", b.value("name").toString().toUtf8().constData()));
    if (b.value("name").toString() == "set") {
      EXPECT_EQ(b.value("displayName").toString(), "Set");
    }
  }
}

TEST_F(ResultQueryTest, SeatCombosReadTheChosenSeat) {
  AppController& c = *controller;
  const QVariantList ip = c.nodeSeatHandCombos(0, " ip ");
  const QVariantList oop = c.nodeSeatHandCombos(0, "");
  EXPECT_EQ(c.nodeSeatHandCombos(0, "IP"), ip);
  EXPECT_EQ(c.nodeSeatHandCombos(0, "OOP"), oop);
  ASSERT_FALSE(ip.isEmpty());
  ASSERT_FALSE(oop.isEmpty());
  // IP holds TT, OOP does not.
  const auto holdsTens = [](const QVariantList& list) {
    for (const QVariant& item : list) {
      const QVariantMap m = item.toMap();
      if (m.value("c1").toString().startsWith('T') && m.value("c2").toString().startsWith('T')) return true;
    }
    return false;
  };
  EXPECT_TRUE(holdsTens(ip));
  EXPECT_FALSE(holdsTens(oop));
  for (const QVariant& item : ip) EXPECT_GT(item.toMap().value("weight").toDouble(), 0.0);
}

TEST_F(ResultQueryTest, Reach169FoldsCombosIntoClasses) {
  AppController& c = *controller;
  const QVariantMap all = c.nodeHandStrategyReach169(0, "");
  const QVariantMap weights = all.value("weights").toMap();
  const QVariantMap probs = all.value("actionProbs").toMap();
  ASSERT_FALSE(weights.isEmpty());
  EXPECT_FALSE(weights.contains("T9o"));  // classes without combos are absent
  for (auto it = weights.cbegin(); it != weights.cend(); ++it) {
    EXPECT_GT(it.value().toDouble(), 0.0);
    EXPECT_LE(it.value().toDouble(), 1.0);
  }
  for (auto it = probs.cbegin(); it != probs.cend(); ++it) {
    EXPECT_NEAR(sumOf(it.value().toList()), 1.0, 1e-6) << it.key().toStdString();
  }
  // The other keys are those of the per-class strategy.
  EXPECT_EQ(all.value("actionNames"), c.nodeHandStrategy(0).value("actionNames"));

  // Each class over its combos the board leaves: three aces (Ah is out)
  // and two AKs (AhKh and AsKs are), every one of them reaching the root.
  EXPECT_DOUBLE_EQ(weights.value("AA").toDouble(), 1.0);
  EXPECT_DOUBLE_EQ(weights.value("AKs").toDouble(), 1.0);

  const QVariantMap sets = c.nodeHandStrategyReach169(0, "  SET ");
  EXPECT_EQ(c.nodeHandStrategyReach169(0, "set"), sets);
  const QVariantMap setWeights = sets.value("weights").toMap();
  EXPECT_TRUE(setWeights.contains("AA"));
  EXPECT_FALSE(setWeights.contains("JJ"));

  const QVariantMap none = c.nodeHandStrategyReach169(0, "quads");
  EXPECT_TRUE(none.value("weights").toMap().isEmpty());
  EXPECT_TRUE(none.value("actionProbs").toMap().isEmpty());
  EXPECT_FALSE(none.value("actionTypeList").toList().isEmpty());

  // Only the latest folds are kept: after every bucket at two nodes, each
  // fold asked again is the one first given.
  const QList<int> nodes{0, c.nodeActions(0)[0].toMap().value("childIndex").toInt()};
  QMap<QString, QByteArray> first;
  for (int round = 0; round < 2; ++round) {
    for (int node : nodes) {
      for (const QString& bucket : QStringList{"", "set", "air", "top pair", "overpair", "two pair", "flush draw"}) {
        const QString key = QString::number(node) + '|' + bucket;
        const QByteArray fold = canonical(c.nodeHandStrategyReach169(node, bucket));
        if (round == 0) first.insert(key, fold);
        else EXPECT_EQ(fold, first.value(key)) << key.toStdString();
      }
    }
  }
}

// 0 decides: Check -> 1; 1 deals 7c -> 2 or 2c -> 3; 2 decides: Check -> 4;
// 4 deals Td -> 5.
TEST(ResultTreeTest, DealtCardsFollowThePathFromTheRoot) {
  ResultTree t;
  for (const auto& [type, actions] : std::vector<std::pair<const char*, std::vector<std::pair<const char*, int>>>>{
           {"decision", {{"Check", 1}}}, {"chance", {{"7c", 2}, {"2c", 3}}}, {"decision", {{"Check", 4}}},
           {"decision", {}}, {"chance", {{"Td", 5}}}, {"decision", {}}}) {
    t.appendMeta(ResultTree::Meta{t.text(type)});
    t.beginNode();
    for (const auto& [name, child] : actions) t.appendAction(ResultTree::Action{t.text(name), 0, child});
  }
  EXPECT_EQ(t.dealtCards(5), QStringList({"7c", "Td"}));
  EXPECT_EQ(t.dealtCards(3), QStringList({"2c"}));
  EXPECT_TRUE(t.dealtCards(0).isEmpty() && t.dealtCards(6).isEmpty());
}

// What the Results page holds stays within its room: the answers looked at
// least recently go first, never the root's nor those a project file brought
// (nothing can compute them again); a look makes a node the most recent.
TEST(AnswerStoreTest, TheAnswersLookedAtLeastRecentlyGoFirst) {
  velmora_app::NodeHandCombos rows;
  rows.ok = true;
  for (int i = 0; i < 100; ++i) rows.rows.push_back({"Ah", "Kd", 1.0, 0.0, {1.0f}, {0.0}, {"air"}});
  results::NodeAnswerTables answers;
  answers.combos = results::combosTable(rows);
  results::AnswerStore store(std::numeric_limits<std::uint64_t>::max());
  store.add(0, answers);
  const std::uint64_t node = store.bytes();  // one node's answers
  store.adoptFile({{7, answers}});
  store.add(1, answers);
  store.add(2, answers);
  store.setRoom(4 * node);
  ASSERT_NE(store.find(1), nullptr);
  const auto held = [&store] {
    QList<int> out;
    for (int n = 0; n < 8; ++n) {
      if (store.peek(n)) out << n;
    }
    return out;
  };
  store.add(3, answers);
  EXPECT_EQ(held(), (QList<int>{0, 1, 3, 7}));
  store.add(4, answers);
  EXPECT_EQ(held(), (QList<int>{0, 3, 4, 7}));
  EXPECT_LE(store.bytes(), store.room());
  // A room too small for anything: what cannot be computed again stays.
  store.setRoom(0);
  EXPECT_EQ(held(), (QList<int>{0, 7}));
  EXPECT_EQ(store.snapshot().size(), 2u);
}

// The decision nodes of a result, nearest the root first.
QList<int> decisionNodes(const AppController& c) {
  QList<int> out;
  QList<int> queue{0};
  for (int i = 0; i < queue.size(); ++i) {
    if (c.nodeMeta(queue[i]).value("nodeType") == "decision") out.append(queue[i]);
    for (const QVariant& a : c.nodeActions(queue[i])) queue.append(a.toMap().value("childIndex").toInt());
  }
  return out;
}

// Every answer the Results page asks of a node.
QByteArray answersOf(const AppController& c, int node) {
  return canonical(QVariantList{c.nodeHandStrategy(node), c.nodeActionStats(node), c.nodeHandCombos(node),
                                c.nodeHandBuckets(node), c.nodeSeatHandCombos(node, "OOP"),
                                c.nodeSeatHandCombos(node, "IP")});
}

// More nodes looked at than the room the memory gate keeps for their
// answers: what is held stays within it, the root's answers and the latest
// stay, one dropped is computed again as it was, and a save writes what is
// held, in a file no larger than the gate counts on, which opens with all
// of it.
TEST(ResultAnswerRoomTest, AnswersStayWithinTheRoomTheGateKeeps) {
  clearSettings();
  AppController c;
  const QVariantMap spot = smallTurnSpot();
  c.startSolveWithConfig(spot);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.statusText(), "Done");
  const auto estimate = velmora_app::estimate_solve_memory(AppController::buildSolveConfigFrom(spot, nullptr));
  ASSERT_TRUE(estimate);
  const solve_room::Need need = solve_room::needOf(*estimate, 2);

  const QList<int> nodes = decisionNodes(c);
  const QByteArray first = answersOf(c, nodes[1]);
  for (int node : nodes) answersOf(c, node);
  const results::AnswerStore& held = c.resultAnswers();
  EXPECT_EQ(held.room(), need.answerRoomBytes);
  EXPECT_LE(held.bytes(), held.room());
  EXPECT_NE(held.peek(0), nullptr);
  EXPECT_NE(held.peek(nodes.last()), nullptr);
  EXPECT_EQ(held.peek(nodes[1]), nullptr);
  EXPECT_EQ(answersOf(c, nodes[1]), first);

  QTemporaryDir dir;
  const QString path = dir.filePath("room.velmoraproj");
  ASSERT_TRUE(c.saveProject(QUrl::fromLocalFile(path), QVariantMap()));
  const int strategies = held.countHolding(&results::NodeAnswerTables::strategy);
  const QJsonObject saved = QJsonDocument::fromJson(readAll(path)).object();
  EXPECT_EQ(saved["nodeCaches"]["handStrategyByNode"].toArray().size(), strategies);
  EXPECT_LE(static_cast<quint64>(QFileInfo(path).size()), need.projectFileBytes);
  EXPECT_LE(project_file::memoryToOpen(static_cast<quint64>(QFileInfo(path).size())), need.openBytes);

  AppController opened;
  ASSERT_TRUE(opened.loadProject(QUrl::fromLocalFile(path)).value("ok").toBool());
  EXPECT_EQ(opened.resultAnswers().countHolding(&results::NodeAnswerTables::strategy), strategies);
  for (const QJsonValue& entry : saved["nodeCaches"]["handStrategyByNode"].toArray()) {
    const int node = entry["nodeIndex"].toInt();
    EXPECT_EQ(answersOf(opened, node), answersOf(c, node)) << node;
  }
}

TEST(UnsolvedQueryTest, EveryQueryIsEmptyBeforeAnySolve) {
  AppController c;
  EXPECT_EQ(c.treeNodeCount(), 0);
  EXPECT_TRUE(c.nodeMeta(0).isEmpty());
  EXPECT_TRUE(c.nodeActions(0).isEmpty());
  EXPECT_TRUE(c.nodeActionStats(0).isEmpty());
  EXPECT_TRUE(c.nodeHandStrategy(0).isEmpty());
  EXPECT_TRUE(c.nodeHandCombos(0).isEmpty());
  EXPECT_TRUE(c.nodeHandBuckets(0).isEmpty());
  EXPECT_TRUE(c.nodeSeatHandCombos(0, "IP").isEmpty());
  EXPECT_TRUE(c.nodePocketActionEvs(0, "OOP", "Ah", "Kh").isEmpty());
  EXPECT_TRUE(c.nodeHandStrategyReach169(0, "").isEmpty());
}

}  // namespace
