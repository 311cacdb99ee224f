// Project files, continued: a file the program writes, from spots of every kind, opens as it
// was saved, and one it would not have written (a value of the wrong type or missing, a figure
// beyond what the spot allows or the Setup page takes, a card repeated or on the board, links
// that do not make a tree, a node unlike any of its type, streets that do not fit the board, a
// lock the lock field could not have set) is refused naming the value, with nothing changed; so, before it is read, is a
// file that cannot be a project or would not fit in memory; cached answers for nodes the tree
// does not have are dropped; opening and saving in the background give what the direct calls
// give while the GUI thread stays free.
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <functional>
#include <variant>
#include <vector>

#include "app_controller_test_support.h"
#include "backend/project_file/project_file.h"

using namespace app_controller_test;

namespace {

class ProjectLoadTest : public SolvedProjectSuite {
 protected:
  static void SetUpTestSuite() {
    SolvedProjectSuite::SetUpTestSuite();
    solved->nodeSeatHandCombos(0, "OOP");
    turn = std::make_unique<AppController>();
    turn->startSolveWithConfig(smallTurnSpot());
    ASSERT_TRUE(waitFor([] { return solveFinished(*turn); }));
    ASSERT_EQ(turn->statusText(), "Done");
    // Answers of every kind for the root, its first child and the first
    // decision after a river card; locks at two nodes.
    const int n = turn->treeNodeCount();
    for (int node = 1; node < n && chance < 0; ++node) {
      if (turn->nodeMeta(node).value("nodeType") == "chance") chance = node;
    }
    ASSERT_GE(chance, 0);
    dealt = turn->nodeActions(chance)[0].toMap().value("childIndex").toInt();
    inner = turn->nodeActions(0)[0].toMap().value("childIndex").toInt();
    ASSERT_EQ(turn->nodeMeta(dealt).value("nodeType"), "decision");
    ASSERT_EQ(turn->nodeMeta(inner).value("nodeType"), "decision");
    for (int node : {0, inner, dealt}) {
      turn->nodeHandStrategy(node);
      turn->nodeActionStats(node);
      turn->nodeHandCombos(node);
      turn->nodeHandBuckets(node);
      turn->nodeSeatHandCombos(node, "OOP");
      turn->nodeSeatHandCombos(node, "IP");
    }
    turn->setNodeLock(0, "AA", 1, 0.25);
    turn->setNodeLock(dealt, "KK", 0, 1.0);
    turn->setNodeLock(dealt, "76s", 1, 0.0);
    // The action chosen at a node of more actions: never applied, not saved.
    turn->setNodeLock(dealt, "QQ", 4, 0.5);
  }
  static void TearDownTestSuite() {
    turn.reset();
    SolvedProjectSuite::TearDownTestSuite();
  }

  QJsonObject saveSolved(const QString& name) {
    return saveSolvedWith(name, QVariantMap{{"boardText", "AhKsQd7c2h"}});
  }
  QJsonObject saveTurn(const QString& name) {
    EXPECT_TRUE(turn->saveProject(url(path(name)), QVariantMap{{"boardText", "AhKsQd7c"}, {"startingPot", 100}}));
    return QJsonDocument::fromJson(readAll(path(name))).object();
  }

  // Opens `root` as the open dialog does and returns the answer.
  QVariantMap open(AppController& c, const QJsonObject& root) {
    EXPECT_TRUE(writeFile(path("open.velmoraproj"), QJsonDocument(root).toJson()));
    QSignalSpy opened(&c, &AppController::projectOpened);
    c.openProject(url(path("open.velmoraproj")));
    EXPECT_TRUE(waitFor([&] { return !opened.isEmpty(); }, 20000));
    return opened.isEmpty() ? QVariantMap() : opened.takeFirst().at(0).toMap();
  }

  inline static std::unique_ptr<AppController> turn;
  inline static int chance = -1;  // the turn tree's first chance node
  inline static int dealt = -1;   // the decision after its first river card
  inline static int inner = -1;   // the root's first child
};

// A file's object with its lists in one order: the saved answers by node and
// seat, the locks by node and hand (both follow hash orders).
QJsonObject ordered(QJsonObject root) {
  const auto sorted = [](const QJsonArray& list) {
    std::vector<QJsonValue> items(list.begin(), list.end());
    std::sort(items.begin(), items.end(), [](const QJsonValue& a, const QJsonValue& b) {
      const QJsonObject x = a.toObject(), y = b.toObject();
      return std::make_tuple(x["nodeIndex"].toInt(), x["seat"].toString(), x["hand"].toString()) <
             std::make_tuple(y["nodeIndex"].toInt(), y["seat"].toString(), y["hand"].toString());
    });
    QJsonArray out;
    for (const QJsonValue& v : items) out.append(v);
    return out;
  };
  QJsonObject caches = root.value("nodeCaches").toObject();
  for (const QString& key : caches.keys()) caches.insert(key, sorted(caches.value(key).toArray()));
  root.insert("nodeCaches", caches);
  root.insert("nodeLocks", sorted(root.value("nodeLocks").toArray()));
  return root;
}

// One step of a path into a file: a key or a list index.
using Step = std::variant<const char*, int>;
struct Edit {
  std::vector<Step> path;
  QJsonValue value;  // undefined removes the key
};

QJsonValue edited(const QJsonValue& at, const Step* step, const Step* end, const QJsonValue& value) {
  if (step == end) return value;
  if (const int* index = std::get_if<int>(step)) {
    QJsonArray list = at.toArray();
    list[*index] = edited(list.at(*index), step + 1, end, value);
    return list;
  }
  QJsonObject object = at.toObject();
  const QString key = QString::fromLatin1(std::get<const char*>(*step));
  const QJsonValue inner = edited(object.value(key), step + 1, end, value);
  inner.isUndefined() ? (void)object.remove(key) : (void)object.insert(key, inner);
  return object;
}

QJsonObject withEdits(QJsonObject root, const std::vector<Edit>& edits) {
  for (const Edit& e : edits) root = edited(root, e.path.data(), e.path.data() + e.path.size(), e.value).toObject();
  return root;
}

// The index of the entry of a saved-answer list (`key` of "nodeCaches") for `node` and `seat`.
int cacheEntry(const QJsonObject& root, const char* key, int node, const QString& seat = QString()) {
  const QJsonArray list = root["nodeCaches"][key].toArray();
  for (int i = 0; i < list.size(); ++i) {
    if (list[i]["nodeIndex"].toInt() == node && list[i]["seat"].toString() == seat) return i;
  }
  return -1;
}

// The text of a file's saved answers, as written.
QByteArray answersText(const QByteArray& file) {
  const qsizetype from = file.indexOf("\"nodeCaches\"");
  return file.mid(from, file.indexOf("\"nodeLocks\"") - from);
}

TEST_F(ProjectLoadTest, FilesTheProgramWritesOpenUnchanged) {
  const QJsonObject saved = saveTurn("turn.velmoraproj");
  AppController c;
  const QVariantMap r = open(c, saved);
  ASSERT_TRUE(r.value("ok").toBool()) << r.value("error").toString().toStdString();
  ASSERT_EQ(c.treeNodeCount(), turn->treeNodeCount());
  EXPECT_EQ(canonical(c.nodeActions(chance)), canonical(turn->nodeActions(chance)));
  for (int node : {0, inner, dealt}) {
    EXPECT_EQ(canonical(c.nodeActions(node)), canonical(turn->nodeActions(node))) << node;
    EXPECT_EQ(canonical(c.nodeHandStrategy(node)), canonical(turn->nodeHandStrategy(node))) << node;
    EXPECT_EQ(canonical(c.nodeActionStats(node)), canonical(turn->nodeActionStats(node))) << node;
    EXPECT_EQ(canonical(c.nodeHandBuckets(node)), canonical(turn->nodeHandBuckets(node))) << node;
    EXPECT_EQ(canonical(c.nodeHandCombos(node)), canonical(turn->nodeHandCombos(node))) << node;
    EXPECT_EQ(canonical(c.nodeSeatHandCombos(node, "IP")), canonical(turn->nodeSeatHandCombos(node, "IP"))) << node;
  }
  EXPECT_EQ(canonical(c.nodeLocks(0)), canonical(turn->nodeLocks(0)));
  EXPECT_EQ(c.nodeLocks(dealt).size(), 2);  // KK and 76s; not QQ of action 4 (of 2)
  EXPECT_EQ(turn->nodeLocks(dealt).size(), 3);
  // Saved again, the opened project writes the file it was opened from.
  ASSERT_TRUE(c.saveProject(url(path("again.velmoraproj")), r.value("project").toMap()));
  EXPECT_EQ(ordered(QJsonDocument::fromJson(readAll(path("again.velmoraproj"))).object()), ordered(saved));
  // Its answers, to the byte.
  const QByteArray answers = answersText(readAll(path("turn.velmoraproj")));
  EXPECT_GT(answers.size(), 1000);
  EXPECT_EQ(answersText(readAll(path("again.velmoraproj"))), answers);
  for (const char* key : {"handStrategyByNode", "actionStatsByNode", "handCombosByNode", "handBucketsByNode"}) {
    EXPECT_EQ(saved["nodeCaches"][key].toArray().size(), 3) << key;
  }
  EXPECT_EQ(saved["nodeCaches"]["seatHandCombosByNode"].toArray().size(), 6);
  EXPECT_EQ(saved["nodeLocks"].toArray().size(), 3);
}

// Files written from spots of every kind open, and save again as they were:
// flop, turn and river trees, all-in runouts from the flop, all-in and jam
// thresholds, rake, and the smallest and largest pot and stack the Setup page
// gives.
TEST_F(ProjectLoadTest, FilesOfEverySpotKindOpen) {
  QVariantMap allIn;
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      allIn.insert(QStringLiteral("%1_%2_add_all_in").arg(seat, street), true);
    }
  }
  const auto spot = [](const char* board, const char* street, const QVariantMap& changes,
                       const QVariantMap& more = {}) {
    QVariantMap m = riverSpot(3);
    m.insert("board", board);
    m.insert("starting_street", street);
    m.insert("oop_range", "AA, KK, 76s");
    m.insert("ip_range", "QQ, JJ, AKs");
    m.insert(changes);
    m.insert(more);
    return m;
  };
  const struct {
    const char* name;
    QVariantMap spot;
  } kinds[] = {
      // A bet of half the pot is all the stack: calls on the flop and turn run out.
      {"flop, all-in runouts, rake", spot("Qs 8s 3d", "flop", allIn,
                                              {{"effective_stack", 50}, {"rake_percent", 5.0}, {"rake_cap", 3}})},
      {"turn, jam thresholds", spot("Qs 8s 3d Th", "turn",
                                    {{"effective_stack", 400},
                                     {"oop_add_all_in_jam_threshold_enabled", true},
                                     {"oop_add_all_in_jam_threshold_pct", 300.0},
                                     {"ip_add_all_in_jam_threshold_enabled", true},
                                     {"ip_add_all_in_jam_threshold_pct", 1000.0}})},
      {"river board, flop sizes", spot("Qs 8s 3d Th 2c", "flop", allIn)},
      {"largest pot and stack",
       spot("Qs 8s 3d Th 2c", "river", {{"starting_pot", 100000}, {"effective_stack", 100000}})},
      {"no pot, no stack", spot("Qs 8s 3d Th 2c", "river", {{"starting_pot", 0}, {"effective_stack", 0}})},
  };
  for (const auto& kind : kinds) {
    AppController s;
    s.startSolveWithConfig(kind.spot);
    ASSERT_TRUE(waitFor([&] { return solveFinished(s); })) << kind.name;
    ASSERT_EQ(s.statusText(), "Done") << kind.name;
    ASSERT_TRUE(s.saveProject(url(path("kind.velmoraproj")), QVariantMap{{"boardText", kind.spot.value("board")}}));
    const QJsonObject saved = QJsonDocument::fromJson(readAll(path("kind.velmoraproj"))).object();
    AppController c;
    const QVariantMap r = open(c, saved);
    ASSERT_TRUE(r.value("ok").toBool()) << kind.name << ": " << r.value("error").toString().toStdString();
    EXPECT_EQ(c.treeNodeCount(), s.treeNodeCount()) << kind.name;
    ASSERT_TRUE(c.saveProject(url(path("again.velmoraproj")), r.value("project").toMap()));
    EXPECT_EQ(ordered(QJsonDocument::fromJson(readAll(path("again.velmoraproj"))).object()), ordered(saved))
        << kind.name;
  }
}

// One table of files the program would not have written, each the saved file with one
// value changed: each is refused naming that value, with the project and the result
// shown before still shown.
TEST_F(ProjectLoadTest, MalformedPartsAreRefusedAndChangeNothing) {
  const QJsonObject good = saveTurn("good.velmoraproj");
  const int nodes = turn->treeNodeCount();
  const QJsonArray actions = good["results"]["treeNodeActions"].toArray();
  int terminal = -1;
  for (int i = 0; i < nodes && terminal < 0; ++i) {
    if (good["results"]["treeNodeMeta"][i]["nodeType"] == "terminal") terminal = i;
  }
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(actions[0].toArray().size(), 2);  // check, bet
  ASSERT_EQ(actions[inner].toArray().size(), 2);
  const int innerChild = actions[inner][1]["childIndex"].toInt();  // the subtree of the second action
  // The root's bet, IP to act facing it (fold, call, raise): OOP has put in 50.
  const int bet = actions[0][1]["childIndex"].toInt();
  ASSERT_EQ(good["results"]["treeNodeMeta"][bet]["investedOop"].toInt(), 50);
  ASSERT_EQ(actions[bet][0]["actionType"].toString(), "fold");
  const int folded = actions[bet][0]["childIndex"].toInt();
  const QString river = actions[chance][0]["name"].toString();
  const int strategy = cacheEntry(good, "handStrategyByNode", 0);
  const int strategyInner = cacheEntry(good, "handStrategyByNode", inner);
  const int strategyDealt = cacheEntry(good, "handStrategyByNode", dealt);
  const int stats = cacheEntry(good, "actionStatsByNode", 0);
  const int combos = cacheEntry(good, "handCombosByNode", dealt);
  const int buckets = cacheEntry(good, "handBucketsByNode", 0);
  const int seatIp = cacheEntry(good, "seatHandCombosByNode", dealt, "IP");
  ASSERT_TRUE(strategy >= 0 && strategyInner >= 0 && strategyDealt >= 0 && stats >= 0 && combos >= 0 && buckets >= 0 && seatIp >= 0);
  const QJsonValue comboRow = good["nodeCaches"]["handCombosByNode"][combos]["data"][0];
  const QString combo1 = comboRow["c1"].toString();
  const QString comboText = combo1 + comboRow["c2"].toString();
  const QJsonValue seatRow = good["nodeCaches"]["seatHandCombosByNode"][seatIp]["data"][0];
  ASSERT_EQ(actions[dealt].toArray().size(), 2);
  QJsonArray manyCombos;  // more rows than the river leaves combos
  for (int i = 0; i < 3000; ++i) manyCombos.append(comboRow);
  const auto lock = [](const QJsonValue& node, const QJsonValue& hand, const QJsonValue& action,
                       const QJsonValue& prob) {
    QJsonObject l{{"nodeIndex", node}, {"hand", hand}, {"actionIndex", action}, {"actionProb", prob}};
    for (const QString& key : l.keys()) {
      if (l.value(key).isUndefined()) l.remove(key);
    }
    return Edit{{"nodeLocks"}, QJsonArray{l}};
  };
  const auto cache = [](const char* key, int entry, std::vector<Step> rest) {
    std::vector<Step> path{"nodeCaches", key, entry, "data"};
    path.insert(path.end(), rest.begin(), rest.end());
    return path;
  };
  // A saved strategy whose class AA holds the probability of one action only.
  const auto oneOfTwo = [&](int entry) {
    return Edit{cache("handStrategyByNode", entry, {"actionProbs", "AA"}), QJsonArray{1}};
  };
  const QJsonValue none(QJsonValue::Undefined);
  const auto at = [](int v) { return QString::number(v); };
  struct Case {
    const char* name;
    std::vector<Edit> edits;
    QString reason;
  };
  const std::vector<Case> cases = {
      // The parts of the file.
      {"project list, results text", {{{"project"}, QJsonArray{1, 2}}, {{"results"}, "x"}},
       "\"project\" holds [1,2], not an object"},
      {"project list", {{{"project"}, QJsonArray{"boardText"}}}, "\"project\" holds [\"boardText\"], not an object"},
      {"project null", {{{"project"}, QJsonValue::Null}}, "\"project\" holds null, not an object"},
      {"results text", {{{"results"}, "x"}}, "\"results\" holds \"x\", not an object"},
      {"results number", {{{"results"}, 7}}, "\"results\" holds 7, not an object"},
      {"results flag as text", {{{"hasResults"}, "true"}}, "\"hasResults\" holds \"true\", not true or false"},
      {"caches of the wrong kind", {{{"nodeCaches"}, QJsonArray()}}, "\"nodeCaches\" holds [], not an object"},
      {"locks of the wrong kind", {{{"nodeLocks"}, QJsonObject()}}, "\"nodeLocks\" holds {}, not a list"},
      {"configuration of the wrong kind", {{{"lastUiCfg"}, QJsonArray{1}}}, "\"lastUiCfg\" holds [1], not an object"},
      // Project values the shell's properties do not take.
      {"pot as a word", {{{"project", "startingPot"}, "abc"}}, "\"startingPot\" holds \"abc\", not a number"},
      {"board as a list", {{{"project", "boardText"}, QJsonArray{"Ah", "Ks"}}},
       "\"boardText\" holds [\"Ah\",\"Ks\"], not a text"},
      {"range as an object", {{{"project", "ipRangeText"}, QJsonObject{{"AA", 1}}}},
       "\"ipRangeText\" holds {\"AA\":1}, not a text"},
      {"flag as a number", {{{"project", "oopFlopAddAllIn"}, 1}}, "\"oopFlopAddAllIn\" holds 1, not true or false"},
      {"unknown street", {{{"project", "startingStreet"}, "preflop"}},
       "\"startingStreet\" holds \"preflop\", not one of \"flop\", \"turn\", \"river\""},
      {"negative iterations", {{{"project", "maxIterations"}, -5}},
       "\"maxIterations\" is -5, outside the range 0 to 2147483647"},
      {"threads as null", {{{"project", "threadCount"}, QJsonValue::Null}}, "\"threadCount\" holds null, not a number"},
      // Result figures.
      {"iterations as text", {{{"results", "resultIterations"}, "200"}},
       "\"resultIterations\" holds \"200\", not a whole number"},
      {"negative iterations run", {{{"results", "resultIterations"}, -5}},
       "\"resultIterations\" is -5, outside the range 0 to 2147483647"},
      {"exploitability beyond the spot", {{{"results", "resultExploitability"}, 1e308}},
       "\"resultExploitability\" is 1e+308, outside the range 0 to 300"},
      {"EV as a list", {{{"results", "resultEvOop"}, QJsonArray{1}}}, "\"resultEvOop\" holds [1], not a number"},
      {"negative exploitability", {{{"results", "resultExploitability"}, -5.0}},
       "\"resultExploitability\" is -5, outside the range 0 to 300"},
      {"EV beyond the pot and stacks", {{{"results", "resultEvIp"}, 100000000050.0}},
       "\"resultEvIp\" is 100000000050, outside the range -300 to 300"},
      {"board no card", {{{"results", "resultBoard"}, "AhKsZz"}},
       "\"resultBoard\" holds \"AhKsZz\", not a board of 3 to 5 different cards"},
      {"rake above 100", {{{"results", "resultRakePercent"}, 101}},
       "\"resultRakePercent\" is 101, outside the range 0 to 100"},
      {"root action frequency as text", {{{"results", "rootActions", 1, "frequency"}, "0.85"}},
       "\"frequency\" of root action 2 holds \"0.85\", not a number"},
      {"root action frequency 7",
       {{{"results", "rootActions", 0}, QJsonObject{{"name", "Check"}, {"actionType", "check"}, {"frequency", 7}}}},
       "\"frequency\" of root action 1 is 7, outside the range 0 to 1"},
      // The tree.
      {"frequencies 1 and 1",
       {{{"results", "treeNodeActions", 0, 0, "frequency"}, 1.0},
        {{"results", "treeNodeActions", 0, 1, "frequency"}, 1.0},
        {{"results", "rootActions", 0, "frequency"}, 1.0},
        {{"results", "rootActions", 1, "frequency"}, 1.0}},
       "the action frequencies of node 0 add up to 2, not 1"},
      {"root actions not the root's", {{{"results", "rootActions", 0, "frequency"}, 0.15},
                                       {{"results", "rootActions", 1, "frequency"}, 0.85}},
       "the root actions of its solve result are not those of its game tree"},
      {"frequency above 1", {{{"results", "treeNodeActions", inner, 1, "frequency"}, 1.5}},
       "\"frequency\" of action 2 of node " + at(inner) + " is 1.5, outside the range 0 to 1"},
      {"one frequency null", {{{"results", "treeNodeActions", inner, 1, "frequency"}, QJsonValue::Null}},
       "\"frequency\" of action 2 of node " + at(inner) + " holds null, not a number"},
      {"both root actions to one node", {{{"results", "treeNodeActions", 0, 1, "childIndex"}, inner}},
       "node " + at(inner) + " is reached by more than one action"},
      {"a subtree no action leads to",
       {{{"results", "treeNodeActions", inner}, QJsonArray{actions[inner][0]}},
        {{"results", "treeNodeActions", inner, 0, "frequency"}, 1.0}},
       "node " + at(innerChild) + " is reached by no action"},
      {"child just past the tree", {{{"results", "treeNodeActions", inner, 0, "childIndex"}, nodes}},
       "\"childIndex\" of action 1 of node " + at(inner) + " is " + at(nodes) + ", outside the range " +
           at(inner + 1) + " to " + at(nodes - 1)},
      {"child back to the root", {{{"results", "treeNodeActions", inner, 0, "childIndex"}, 0}},
       "\"childIndex\" of action 1 of node " + at(inner) + " is 0, outside the range " + at(inner + 1) + " to " +
           at(nodes - 1)},
      {"negative child", {{{"results", "treeNodeActions", inner, 0, "childIndex"}, -7}},
       "\"childIndex\" of action 1 of node " + at(inner) + " is -7, outside the range " + at(inner + 1) + " to " +
           at(nodes - 1)},
      {"huge child", {{{"results", "treeNodeActions", 0, 0, "childIndex"}, 1e20}},
       "\"childIndex\" of action 1 of node 0 is 1e+20, outside the range -2147483648 to 2147483647"},
      {"root leads to itself", {{{"results", "treeNodeActions", 0, 0, "childIndex"}, 0}},
       "\"childIndex\" of action 1 of node 0 is 0, outside the range 1 to " + at(nodes - 1)},
      {"child leads to itself", {{{"results", "treeNodeActions", inner, 0, "childIndex"}, inner}},
       "\"childIndex\" of action 1 of node " + at(inner) + " is " + at(inner) + ", outside the range " +
           at(inner + 1) + " to " + at(nodes - 1)},
      {"child of the last node",
       {{{"results", "treeNodeActions", nodes - 1}, QJsonArray{actions[0][0]}},
        {{"results", "treeNodeActions", nodes - 1, 0, "childIndex"}, 3}},
       "\"childIndex\" of action 1 of node " + at(nodes - 1) + " is 3, but node " + at(nodes - 1) +
           " is the last node of the game tree"},
      {"child as text", {{{"results", "treeNodeActions", inner, 0, "childIndex"}, at(nodes + 3)}},
       "\"childIndex\" of action 1 of node " + at(inner) + " holds \"" + at(nodes + 3) + "\", not a whole number"},
      {"child NaN", {{{"results", "treeNodeActions", 0, 0, "childIndex"}, "NaN"}},
       "\"childIndex\" of action 1 of node 0 holds \"NaN\", not a whole number"},
      {"child 1e999", {{{"results", "treeNodeActions", 0, 0, "childIndex"}, "1e999"}},
       "\"childIndex\" of action 1 of node 0 holds \"1e999\", not a whole number"},
      {"child as a numeric text", {{{"results", "treeNodeActions", 0, 0, "childIndex"}, at(inner)}},
       "\"childIndex\" of action 1 of node 0 holds \"" + at(inner) + "\", not a whole number"},
      {"child missing", {{{"results", "treeNodeActions", inner, 0, "childIndex"}, none}},
       "\"childIndex\" of action 1 of node " + at(inner) + " is missing"},
      {"node type unknown", {{{"results", "treeNodeMeta", inner, "nodeType"}, "action"}},
       "\"nodeType\" of node " + at(inner) + " holds \"action\", not one of \"decision\", \"chance\", \"terminal\""},
      {"pot beyond the spot", {{{"results", "treeNodeMeta", inner, "pot"}, 301}},
       "\"pot\" of node " + at(inner) + " is 301, outside the range 0 to 300"},
      {"river card no card", {{{"results", "treeNodeActions", chance, 0, "name"}, "Zz"}},
       "\"name\" of action 1 of node " + at(chance) + " holds \"Zz\", not a card"},
      {"river card on the board", {{{"results", "treeNodeActions", chance, 0, "name"}, "Qd"}},
       "\"name\" of action 1 of node " + at(chance) + " is Qd, a card already on the board"},
      {"river card twice", {{{"results", "treeNodeActions", chance, 1, "name"}, river}},
       "\"name\" of action 2 of node " + at(chance) + " repeats the card " + river},
      // The result's spot: its figures within what the Setup page takes, every
      // node's figures those of that spot.
      {"starting pot beyond any the Setup takes", {{{"results", "resultStartingPot"}, 2e9}},
       "\"resultStartingPot\" is 2000000000, outside the range 0 to 100000"},
      {"rake cap beyond any the Setup takes", {{{"results", "resultRakeCap"}, 1e12}},
       "\"resultRakeCap\" is 1000000000000, outside the range 0 to 1000000"},
      {"starting pot missing", {{{"results", "resultStartingPot"}, none}}, "\"resultStartingPot\" is missing"},
      {"EV missing", {{{"results", "resultEvOop"}, none}}, "\"resultEvOop\" is missing"},
      {"starting pot not the root's", {{{"results", "resultStartingPot"}, 100000}},
       "\"pot\" of node 0 is 100, not the starting pot plus what both players put in (100000)"},
      {"stack beyond any the Setup takes", {{{"results", "treeNodeMeta", 0, "effectiveStack"}, 200000}},
       "\"effectiveStack\" of node 0 is 200000, outside the range 0 to 100000"},
      {"stack not the root's", {{{"results", "treeNodeMeta", inner, "effectiveStack"}, 120}},
       "\"effectiveStack\" of node " + at(inner) + " is 120, not 100 as at node 0"},
      {"chips put in before the root", {{{"results", "treeNodeMeta", 0, "investedIp"}, 10}},
       "\"investedIp\" of node 0 is 10, outside the range 0 to 0"},
      {"chips put in beyond the stack", {{{"results", "treeNodeMeta", dealt, "investedOop"}, 150}},
       "\"investedOop\" of node " + at(dealt) + " is 150, outside the range 0 to 100"},
      {"chips put in missing", {{{"results", "treeNodeMeta", bet, "investedOop"}, none}},
       "\"investedOop\" of node " + at(bet) + " is missing"},
      {"pot not the chips put in", {{{"results", "treeNodeMeta", bet, "pot"}, 160}},
       "\"pot\" of node " + at(bet) + " is 160, not the starting pot plus what both players put in (150)"},
      // Nodes of a type, and actions, the solver never gives.
      {"node without a type", {{{"results", "treeNodeMeta", inner, "nodeType"}, none}},
       "\"nodeType\" of node " + at(inner) + " is missing"},
      {"decision without a seat", {{{"results", "treeNodeMeta", inner, "player"}, ""}},
       "\"player\" of node " + at(inner) + " holds \"\", not one of \"OOP\", \"IP\""},
      {"decision dealing a card", {{{"results", "treeNodeMeta", inner, "chanceDeal"}, "river"}},
       "\"chanceDeal\" of node " + at(inner) + " holds \"river\", which a \"decision\" node does not have"},
      {"chance node dealing nothing", {{{"results", "treeNodeMeta", chance, "chanceDeal"}, ""}},
       "\"chanceDeal\" of node " + at(chance) + " holds \"\", not one of \"turn\", \"river\""},
      {"seat at a chance node", {{{"results", "treeNodeMeta", chance, "player"}, "OOP"}},
       "\"player\" of node " + at(chance) + " holds \"OOP\", which a \"chance\" node does not have"},
      {"actions without children", {{{"results", "treeNodeMeta", inner, "hasChildren"}, false}},
       "\"hasChildren\" of node " + at(inner) + " is false, but node " + at(inner) + " has actions"},
      {"children without actions", {{{"results", "treeNodeMeta", terminal, "hasChildren"}, true}},
       "\"hasChildren\" of node " + at(terminal) + " is true, but node " + at(terminal) + " has no actions"},
      {"a card dealt at a decision",
       {{{"results", "treeNodeActions", inner, 0, "actionType"}, "chance"},
        {{"results", "treeNodeActions", inner, 0, "name"}, "3c"}},
       "\"actionType\" of action 1 of node " + at(inner) +
           " holds \"chance\", which a \"decision\" node does not have"},
      {"a check at a chance node", {{{"results", "treeNodeActions", chance, 0, "actionType"}, "check"}},
       "\"actionType\" of action 1 of node " + at(chance) + " holds \"check\", which a \"chance\" node does not have"},
      {"action type unknown", {{{"results", "treeNodeActions", inner, 1, "actionType"}, "jam"}},
       "\"actionType\" of action 2 of node " + at(inner) + " holds \"jam\", not an action type"},
      {"bet size without its unit", {{{"results", "treeNodeActions", inner, 1, "actionType"}, "bet 50"}},
       "\"actionType\" of action 2 of node " + at(inner) + " holds \"bet 50\", not an action type"},
      {"frequency missing", {{{"results", "treeNodeActions", inner, 1, "frequency"}, none}},
       "\"frequency\" of action 2 of node " + at(inner) + " is missing"},
      // Streets against the board and the cards dealt.
      {"turn result on a flop", {{{"results", "resultBoard"}, "AhKsQd"}},
       "\"chanceDeal\" of node " + at(chance) + " is \"river\", but the board holds 3 cards there"},
      {"turn result on a river", {{{"results", "resultBoard"}, "AhKsQd7c2s"}},
       "\"chanceDeal\" of node " + at(chance) + " is \"river\", but the board holds 5 cards there"},
      {"a showdown on the turn", {{{"results", "treeNodeActions", bet, 0, "actionType"}, "check"}},
       "node " + at(folded) + " ends in a showdown with 4 cards on the board"},
      {"an older file whose last board is not the result's, and another fault",
       {{{"results", "resultBoard"}, none}, {{"lastUiCfg", "board"}, "Ah Ks Qd"},
        {{"results", "treeNodeActions", inner, 1, "actionType"}, "jam"}},
       "\"actionType\" of action 2 of node " + at(inner) + " holds \"jam\", not an action type"},
      {"a river Unicode reads as a card", {{{"results", "resultBoard"}, QString::fromUtf8("AhKsQd7c2\xc5\xbf")}},
       "\"resultBoard\" holds \"AhKsQd7c2\u017f\", not a board of 3 to 5 different cards"},
      // Saved answers.
      {"strategy of a class that is none", {{cache("handStrategyByNode", strategy, {"weights", "Infinity"}), 1}},
       "\"weights\" in the saved strategy of node 0 holds \"Infinity\", not a hand class"},
      {"strategy for one action of two", {oneOfTwo(strategy)},
       "\"actionProbs[AA]\" in the saved strategy of node 0: 1 entries for 2 actions"},
      {"the first of three such strategies", {oneOfTwo(strategyDealt), oneOfTwo(strategyInner), oneOfTwo(strategy)},
       "\"actionProbs[AA]\" in the saved strategy of node 0: 1 entries for 2 actions"},
      {"combos beyond any range", {{cache("actionStatsByNode", stats, {0, "combos"}), 1e12}},
       "\"combos\" of row 1 in the saved action figures of node 0 is 1000000000000, outside the range 0 to 1326"},
      {"combos beyond the range beside the board", {{cache("actionStatsByNode", stats, {0, "combos"}), 1200}},
       "\"combos\" of row 1 in the saved action figures of node 0 is 1200, outside the range 0 to 1128"},
      {"equity 700 %", {{cache("actionStatsByNode", stats, {1, "equity"}), 7}},
       "\"equity\" of row 2 in the saved action figures of node 0 is 7, outside the range 0 to 1"},
      {"stats data of the wrong kind", {{cache("actionStatsByNode", stats, {}), "x"}},
       "\"data\" in the saved action figures of node 0 holds \"x\", not a list"},
      {"hand EV beyond the spot", {{cache("handCombosByNode", combos, {0, "actionEvs", 1}), 100000000050.0}},
       "\"actionEvs[1]\" of row 1 in the saved combos of node " + at(dealt) +
           " is 100000000050, outside the range -300 to 300"},
      {"the same card twice", {{cache("handCombosByNode", combos, {0, "c2"}), combo1}},
       "\"c2\" of row 1 in the saved combos of node " + at(dealt) + " repeats the card " + combo1},
      {"a card of the board", {{cache("handCombosByNode", combos, {0, "c1"}), "Qd"}},
       "\"c1\" of row 1 in the saved combos of node " + at(dealt) + " is Qd, a card already on the board"},
      {"the river card", {{cache("handCombosByNode", combos, {0, "c1"}), river}},
       "\"c1\" of row 1 in the saved combos of node " + at(dealt) + " is " + river + ", a card already on the board"},
      {"a card that is none", {{cache("handCombosByNode", combos, {0, "c2"}), "Zz"}},
       "\"c2\" of row 1 in the saved combos of node " + at(dealt) + " holds \"Zz\", not a card"},
      {"a suit only Unicode reads as one",
       {{cache("handCombosByNode", combos, {0, "c2"}), QString::fromUtf8("2\xc5\xbf")}},
       "\"c2\" of row 1 in the saved combos of node " + at(dealt) + " holds \"2\u017f\", not a card"},
      {"bucket probability 2", {{cache("handBucketsByNode", buckets, {0, "actionProbs", 0}), 2}},
       "\"actionProbs[0]\" of row 1 in the saved buckets of node 0 is 2, outside the range 0 to 1"},
      {"a node index as text", {{{"nodeCaches", "handStrategyByNode", strategy, "nodeIndex"}, "0"}},
       "\"handStrategyByNode[" + at(strategy) + "].nodeIndex\" holds \"0\", not a whole number"},
      {"seat combo on the board", {{cache("seatHandCombosByNode", seatIp, {0, "c1"}), "7c"}},
       "\"c1\" of row 1 in the saved IP combos of node " + at(dealt) + " is 7c, a card already on the board"},
      // Saved answers that are no reading of a solved game.
      {"combo probabilities adding up to 1.4", {{cache("handCombosByNode", combos, {0, "actionProbs"}), QJsonArray{0.7, 0.7}}},
       "\"actionProbs\" of row 1 in the saved combos of node " + at(dealt) + " adds up to 1.4, not 1"},
      {"class probabilities adding up to 2", {{cache("handStrategyByNode", strategy, {"actionProbs", "AA"}), QJsonArray{1, 1}}},
       "\"actionProbs[AA]\" in the saved strategy of node 0 adds up to 2, not 1"},
      {"bucket probabilities adding up to 1.4",
       {{cache("handBucketsByNode", buckets, {0, "actionProbs"}), QJsonArray{0.9, 0.5}}},
       "\"actionProbs\" of row 1 in the saved buckets of node 0 adds up to 1.4, not 1"},
      {"QQ at weight 6 on a board with a queen", {{cache("handStrategyByNode", strategy, {"weights", "QQ"}), 6}},
       "\"weights[QQ]\" in the saved strategy of node 0 is 6, outside the range 0 to 3"},
      {"a class weight beyond its combos", {{cache("handStrategyByNode", strategy, {"weights", "AKs"}), 4.5}},
       "\"weights[AKs]\" in the saved strategy of node 0 is 4.5, outside the range 0 to 4"},
      {"action figures of another action", {{cache("actionStatsByNode", stats, {0, "name"}), actions[0][1]["name"]}},
       "\"name\" of row 1 in the saved action figures of node 0 is \"" + actions[0][1]["name"].toString() +
           "\", where the game tree has \"" + actions[0][0]["name"].toString() + "\""},
      {"action figures of another kind", {{cache("actionStatsByNode", stats, {1, "actionType"}), "check"}},
       "\"actionType\" of row 2 in the saved action figures of node 0 is \"check\", where the game tree has \"" +
           actions[0][1]["actionType"].toString() + "\""},
      {"action frequencies other than the tree's",
       {{{"results", "treeNodeActions", 0, 0, "frequency"}, 0.25},
        {{"results", "treeNodeActions", 0, 1, "frequency"}, 0.75},
        {{"results", "rootActions", 0, "frequency"}, 0.25},
        {{"results", "rootActions", 1, "frequency"}, 0.75},
        {cache("actionStatsByNode", stats, {0, "frequency"}), 0.5},
        {cache("actionStatsByNode", stats, {1, "frequency"}), 0.5}},
       "\"frequency\" of row 1 in the saved action figures of node 0 is 0.5, where the game tree has 0.25"},
      {"a combo listed twice", {{cache("handCombosByNode", combos, {1}), comboRow}},
       "row 2 in the saved combos of node " + at(dealt) + " repeats the combo " + comboText},
      {"3000 combos where 1081 are left", {{cache("handCombosByNode", combos, {}), manyCombos}},
       "row 2 in the saved combos of node " + at(dealt) + " repeats the combo " + comboText},
      {"a combo listed again in the other card order",
       {{cache("handCombosByNode", combos, {1, "c1"}), comboRow["c2"]},
        {cache("handCombosByNode", combos, {1, "c2"}), comboRow["c1"]}},
       "row 2 in the saved combos of node " + at(dealt) + " repeats the combo " + comboRow["c2"].toString() + combo1},
      {"a seat combo listed twice", {{cache("seatHandCombosByNode", seatIp, {1}), seatRow}},
       "row 2 in the saved IP combos of node " + at(dealt) + " repeats the combo " + seatRow["c1"].toString() +
           seatRow["c2"].toString()},
      {"a combo without its EV", {{cache("handCombosByNode", combos, {0, "ev"}), none}},
       "\"ev\" of row 1 in the saved combos of node " + at(dealt) + " is missing"},
      {"a combo without its action EVs", {{cache("handCombosByNode", combos, {0, "actionEvs"}), none}},
       "\"actionEvs\" of row 1 in the saved combos of node " + at(dealt) + " is missing"},
      {"action figures without an equity", {{cache("actionStatsByNode", stats, {1, "equity"}), none}},
       "\"equity\" of row 2 in the saved action figures of node 0 is missing"},
      {"a strategy without weights", {{cache("handStrategyByNode", strategy, {"weights"}), none}},
       "\"weights\" in the saved strategy of node 0 is missing"},
      {"a bucket without its combos", {{cache("handBucketsByNode", buckets, {0, "combos"}), none}},
       "\"combos\" of row 1 in the saved buckets of node 0 is missing"},
      {"a seat combo without its weight", {{cache("seatHandCombosByNode", seatIp, {0, "weight"}), none}},
       "\"weight\" of row 1 in the saved IP combos of node " + at(dealt) + " is missing"},
      {"a tag that is none", {{cache("handCombosByNode", combos, {0, "buckets", 0}), "pairs"}},
       "\"buckets[0]\" of row 1 in the saved combos of node " + at(dealt) + " holds \"pairs\", not a hand category"},
      {"a bucket that is none", {{cache("handBucketsByNode", buckets, {0, "name"}), "Set"}},
       "\"name\" of row 1 in the saved buckets of node 0 holds \"Set\", not a hand category"},
      // Locks, by the lock field's rules.
      {"lock weight a word", {lock(0, "AA", 0, "abc")}, "\"actionProb\" of node lock 1 holds \"abc\", not a number"},
      {"lock weight with a comma", {lock(0, "AA", 0, "0,5")},
       "\"actionProb\" of node lock 1 holds \"0,5\", not a number"},
      {"lock weight above 1", {lock(0, "AA", 0, 1.5)}, "\"actionProb\" of node lock 1 is 1.5, outside the range 0 to 1"},
      {"lock weight below 0", {lock(0, "AA", 0, -1)}, "\"actionProb\" of node lock 1 is -1, outside the range 0 to 1"},
      {"lock weight null", {lock(0, "AA", 0, QJsonValue::Null)},
       "\"actionProb\" of node lock 1 holds null, not a number"},
      {"lock of no hand class", {lock(0, "Infinity", 0, 0.5)},
       "\"hand\" of node lock 1 holds \"Infinity\", not a hand class"},
      {"lock of a combo", {lock(0, "AhAs", 0, 0.5)}, "\"hand\" of node lock 1 holds \"AhAs\", not a hand class"},
      {"lock without a hand", {lock(0, none, 0, 0.5)}, "\"hand\" of node lock 1 is missing"},
      {"lock of action -1", {lock(0, "AA", -1, 0.5)}, "\"actionIndex\" of node lock 1 is -1, not an action of its node"},
      {"lock of node past the tree", {lock(nodes, "AA", 0, 0.5)},
       "\"nodeIndex\" of node lock 1 is " + at(nodes) + ", not a node of the game tree"},
      {"lock of a chance node", {lock(chance, "AA", 0, 0.5)},
       "\"nodeIndex\" of node lock 1 is " + at(chance) + ", a node where no player acts"},
      {"lock of a terminal node", {lock(terminal, "AA", 0, 0.5)},
       "\"nodeIndex\" of node lock 1 is " + at(terminal) + ", a node where no player acts"},
      {"lock index as text", {lock(0, "AA", "1", 0.5)},
       "\"actionIndex\" of node lock 1 holds \"1\", not a whole number"},
      {"lock without a result", {{{"hasResults"}, false}, {{"results"}, none}, lock(0, "AA", 0, 0.5)},
       "\"nodeIndex\" of node lock 1 is 0, not a node of the game tree"},
  };

  AppController c;
  ASSERT_TRUE(open(c, good).value("ok").toBool());
  c.setNodeLock(0, "KK", 0, 0.5);
  const auto shown = [&] {
    QVariantList state{c.statusText(), c.treeNodeCount(), c.rootActions(), c.resultIterations(),
                       c.resultExploitability(), c.nodeLocks(0)};
    for (int node : {0, dealt}) state << c.nodeHandStrategy(node) << c.nodeHandCombos(node) << c.nodeActions(node);
    return canonical(state);
  };
  const QByteArray before = shown();
  QSignalSpy results(&c, &AppController::resultsChanged);
  for (const Case& bad : cases) {
    const QVariantMap r = open(c, withEdits(good, bad.edits));
    EXPECT_FALSE(r.value("ok").toBool()) << bad.name;
    EXPECT_EQ(r.value("error").toString().toStdString(), ("The project file is damaged: " + bad.reason).toStdString())
        << bad.name;
    EXPECT_TRUE(r.value("project").toMap().isEmpty()) << bad.name;
    EXPECT_FALSE(r.value("hasResults").toBool()) << bad.name;
  }
  EXPECT_EQ(results.count(), 0);
  EXPECT_EQ(shown(), before);

  // In the user's language.
  QTranslator german;
  ASSERT_TRUE(german.load("velmora_de", ":/Velmora/i18n") && QCoreApplication::installTranslator(&german));
  const std::vector<Case> inGerman = {
      {"lock weight 1.5", {lock(0, "AA", 0, 1.5)},
       "\"actionProb\" von Knotensperre 1 ist 1.5, außerhalb des Bereichs 0 bis 1"},
      {"a showdown on the turn", {{{"results", "treeNodeActions", bet, 0, "actionType"}, "check"}},
       "Knoten " + at(folded) + " endet im Showdown mit 4 Karten auf dem Board"},
      {"bucket probabilities adding up to 1.4",
       {{cache("handBucketsByNode", buckets, {0, "actionProbs"}), QJsonArray{0.9, 0.5}}},
       "\"actionProbs\" von Zeile 1 in den gespeicherten Kategorien von Knoten 0 ergibt zusammen 1.4, nicht 1"},
  };
  for (const Case& bad : inGerman) {
    EXPECT_EQ(open(c, withEdits(good, bad.edits)).value("error").toString().toStdString(),
              ("Die Projektdatei ist beschädigt: " + bad.reason).toStdString())
        << bad.name;
  }
  QCoreApplication::removeTranslator(&german);

  // Forms the program writes or wrote open: a node no hand reaches (null
  // frequencies), a lock without a weight (1.0), a lock of an action its
  // node lacks (dropped: no solve applies it), a file without a project, a
  // file written before results kept their board, without a last start.
  const auto opens = [&](const char* name, const std::vector<Edit>& edits) {
    const QVariantMap r = open(c, withEdits(good, edits));
    EXPECT_TRUE(r.value("ok").toBool()) << name << " " << r.value("error").toString().toStdString();
  };
  const int statsInner = cacheEntry(good, "actionStatsByNode", inner);
  opens("node no hand reaches", {{{"results", "treeNodeActions", inner, 0, "frequency"}, QJsonValue::Null},
                                 {{"results", "treeNodeActions", inner, 1, "frequency"}, QJsonValue::Null},
                                 {cache("actionStatsByNode", statsInner, {0, "frequency"}), QJsonValue::Null},
                                 {cache("actionStatsByNode", statsInner, {1, "frequency"}), QJsonValue::Null}});
  EXPECT_TRUE(std::isnan(c.nodeActions(inner)[1].toMap().value("frequency").toDouble()));
  opens("lock without a weight", {lock(dealt, "QQ", 1, none)});
  ASSERT_EQ(c.nodeLocks(dealt).size(), 1);
  EXPECT_EQ(c.nodeLocks(dealt)[0].toMap().value("actionProb").toDouble(), 1.0);
  opens("lock of an action the node lacks", {lock(dealt, "QQ", 2, 0.5)});
  EXPECT_TRUE(c.nodeLocks(dealt).isEmpty());
  opens("no project", {{{"project"}, none}});
  // A class no hand holds has every probability 0; cards in either case are
  // the cards the program writes.
  opens("a class no hand holds", {{cache("handStrategyByNode", strategy, {"actionProbs", "AA"}), QJsonArray{0, 0}}});
  opens("cards in lower case", {{cache("handCombosByNode", combos, {0, "c1"}), combo1.toLower()}});
  EXPECT_EQ(c.nodeHandCombos(dealt)[0].toMap().value("c1").toString(), combo1);
  opens("an older file without a board", {{{"results", "resultBoard"}, none}, {{"lastUiCfg", "board"}, none}});
  // Its last start's board stands in for the result's, unless it is not the
  // result's: one that reads as no board, or as a flop where the tree deals
  // the river, is not shown.
  for (const QString& last : {QString::fromUtf8("Ah Ks Qd 7\xc5\xbf"), QStringLiteral("Ah Ks Qd")}) {
    opens("an older file whose last board is not the result's",
          {{{"results", "resultBoard"}, none}, {{"lastUiCfg", "board"}, last}});
    EXPECT_EQ(c.resultBoardText(), QString()) << last.toStdString();
  }
  opens("an older file with its last board", {{{"results", "resultBoard"}, none}, {{"lastUiCfg", "board"}, "AhKsQd7c"}});
  EXPECT_EQ(c.resultBoardText(), QStringLiteral("AhKsQd7c"));
  opens("results text without results", {{{"results"}, "x"}, {{"hasResults"}, false}, {{"nodeLocks"}, QJsonArray()}});
}

// A result the file claims but does not hold whole, and a number of the
// project that its Setup field would not take, are refused with the reason,
// opened as the window opens them; the project shown stays. Whole files,
// the blank spot's zeros among them, open as before.
TEST_F(ProjectLoadTest, ClaimedResultsMustFitAndNumbersMustBeWhatTheFieldsTake) {
  const QJsonObject good = saveSolved("good.velmoraproj");
  AppController c;
  QJsonArray shortMeta = good.value("results")["treeNodeMeta"].toArray();
  shortMeta.removeLast();
  const QString damaged = "The project file is damaged: ";
  const struct { Edit edit; QString error; } cases[] = {
      {{{"results"}, QJsonValue::Undefined}, damaged + "it says it holds a solve result, but the result is missing"},
      {{{"results"}, QJsonObject()}, damaged + "its solve result holds no game tree"},
      {{{"results", "treeNodeMeta"}, shortMeta}, damaged + "the node tables of its solve result do not fit together"},
      {{{"results", "rootActions"}, QJsonArray()},
       damaged + "the root actions of its solve result are not those of its game tree"},
      {{{"project", "startingPot"}, -100}, "Starting Pot: -100 is outside the range 1 to 100000"},
      {{{"project", "effectiveStack"}, "100001"}, "Effective Stack: 100001 is outside the range 1 to 100000"},
      {{{"project", "rakePercent"}, 100.5}, "Rake (%): 100.5 is outside the range 0 to 100"},
      {{{"project", "rakeCap"}, -1}, "Rake Cap: -1 is outside the range 0 to 1000000"},
      {{{"project", "targetExploitability"}, 1e308},
       "Target Exploitability (%): 1e+308 is outside the range 0 to 100"},
      {{{"project", "oopAddAllInIfJamLtPct"}, 1000.5},
       "Add all-in if jam less than (OOP, % pot): 1000.5 is outside the range 0 to 1000"},
      {{{"project", "ipAddAllInIfJamLtPct"}, " -0.25 "},
       "Add all-in if jam less than (IP, % pot): -0.25 is outside the range 0 to 1000"},
  };
  ASSERT_TRUE(open(c, good).value("ok").toBool());
  c.setNodeLock(0, "KK", 0, 0.5);
  const auto shown = [&] { return canonical(QVariantList{c.statusText(), c.nodeHandStrategy(0), c.nodeLocks(0)}); };
  const QByteArray before = shown();
  QSignalSpy results(&c, &AppController::resultsChanged);
  for (const auto& bad : cases) {
    const QVariantMap r = open(c, withEdits(good, {bad.edit}));
    EXPECT_FALSE(r.value("ok").toBool()) << bad.error.toStdString();
    EXPECT_EQ(r.value("error").toString().toStdString(), bad.error.toStdString());
    EXPECT_TRUE(r.value("project").toMap().isEmpty()) << bad.error.toStdString();
  }
  EXPECT_EQ(results.count(), 0);
  EXPECT_EQ(shown(), before);  // the status, the strategy and the lock set before
  QTranslator german;  // in the user's language
  ASSERT_TRUE(german.load("velmora_de", ":/Velmora/i18n") && QCoreApplication::installTranslator(&german));
  EXPECT_EQ(open(c, withEdits(good, {cases[4].edit})).value("error").toString().toStdString(),
            "Startpot: -100 liegt außerhalb des Bereichs 1 bis 100000");
  QCoreApplication::removeTranslator(&german);

  // The blank spot's zeros, the fields' bounds and numbers as texts or rounding into range
  // open (values that are no number are refused: MalformedPartsAreRefusedAndChangeNothing).
  for (const QJsonObject& project :
       {QJsonObject{{"startingPot", 0}, {"effectiveStack", 0}, {"rakeCap", 0}, {"rakePercent", 0}},
        QJsonObject{{"startingPot", 100000.4}, {"effectiveStack", "1"}, {"rakePercent", 100}, {"rakeCap", 1000000},
                    {"targetExploitability", 0}, {"oopAddAllInIfJamLtPct", 1000}, {"ipAddAllInIfJamLtPct", 0}}}) {
    const QVariantMap r = open(c, withEdits(good, {{{"project"}, project}}));
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
