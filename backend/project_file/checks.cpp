#include "backend/project_file/checks.h"

#include <QAnyStringView>
#include <QDebug>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "backend/project_file/reader.h"

namespace project_file {
namespace {

using Problem = Fault::Problem;
using Part = Fault::Part;

constexpr double kSameFrequency = 1e-6;
// A saved action figure's frequency is the solver's own reading of the
// node's strategy, the tree's its snapshot's: they agree to float rounding.
constexpr double kSameStatsFrequency = 1e-4;
constexpr int kDeckCards = 52;
// The cards out when the turn is dealt, when the river is, and at a showdown.
constexpr int kFlopCards = 3;
constexpr int kTurnCards = 4;
constexpr int kRiverCards = 5;
// A text the tree does not hold: no id is ever this one.
constexpr std::uint32_t kNoText = std::numeric_limits<std::uint32_t>::max();

// What the result's spot allows.
struct Spot {
  std::uint64_t board = 0;  // the board's cards, one bit a card
  double money = std::numeric_limits<double>::infinity();  // the pot and both stacks
  double slack = 0.0;                                      // rounding of chip figures
};

Fault fault(Problem problem, Part part, int node, int entry, const QString& key, const QString& value) {
  Fault f;
  f.problem = problem;
  f.part = part;
  f.node = node;
  f.entry = entry;
  f.key = key;
  f.value = value;
  return f;
}

Fault outOfRange(Part part, int node, int entry, const QString& key, double value, double minimum, double maximum) {
  Fault f = fault(Problem::OutOfRange, part, node, entry, key, Fault::jsonText(QJsonValue(value)));
  f.minimum = minimum;
  f.maximum = maximum;
  return f;
}

// The cards of a board text ("AhKsQd", blanks anywhere, as the program reads
// a board): 3 to 5 distinct cards, or nothing.
std::optional<std::uint64_t> boardCards(const QString& typed) {
  QString text = typed.simplified();
  text.remove(QLatin1Char(' '));
  if (text.size() % 2 != 0 || text.size() < 6 || text.size() > 10) return std::nullopt;
  std::uint64_t cards = 0;
  for (qsizetype i = 0; i < text.size(); i += 2) {
    const int code = cardCode(text.mid(i, 2));
    if (code < 0 || (cards >> code & 1u) != 0) return std::nullopt;
    cards |= std::uint64_t{1} << code;
  }
  return cards;
}

double rangeCombos(std::uint64_t dead) {
  const double live = kDeckCards - std::popcount(dead);
  return live * (live - 1.0) / 2.0;
}

// A chip figure of the spot: NaN (no value) or within [-money, money].
bool chipsFit(double v, const Spot& spot) { return std::isnan(v) || std::abs(v) <= spot.money + spot.slack; }

class Checker {
 public:
  explicit Checker(LoadedProject& loaded) : m_loaded(loaded), m_tree(loaded.tree.get()) {}

  Fault run() {
    if (m_loaded.hasResults && m_tree) {
      if (Fault f = readSpot()) return f;
      if (Fault f = checkFigures()) return f;
      if (Fault f = checkTree()) return f;
      if (Fault f = checkRootActions()) return f;
      if (Fault f = checkCaches()) return f;
    }
    return checkLocks();
  }

 private:
  // The spot of the result: its board, its starting pot and its effective
  // stack, both within what the Setup page takes (the reader bounds the pot).
  // A file written before the result kept its own board has that of the last
  // start in its place, which the program then shows (unless it is found not
  // to be the result's, see checkLoadedProject). Without either, the tree
  // tells the cards out.
  Fault readSpot() {
    const bool ownBoard = !m_loaded.resultBoard.isEmpty();
    const QString text = ownBoard                           ? m_loaded.resultBoard
                         : m_loaded.lastBoardNotTheResults ? QString()
                                                           : m_loaded.lastUiCfg.value(QStringLiteral("board")).toString();
    if (!text.trimmed().isEmpty()) {
      const std::optional<std::uint64_t> cards = boardCards(text);
      if (!cards) {
        Fault f = fault(Problem::WrongType, ownBoard ? Part::Results : Part::File, -1, -1,
                        ownBoard ? QStringLiteral("resultBoard") : QStringLiteral("lastUiCfg.board"),
                        Fault::jsonText(QJsonValue(text)));
        f.expected = Fault::Expected::Board;
        return f;
      }
      m_spot.board = *cards;
      m_boardCards = std::popcount(*cards);
    }
    const ResultTree::Meta& root = *m_tree->metaAt(0);  // one meta record per node, read so
    if (root.effectiveStack > kMostChips) {
      return outOfRange(Part::NodeMeta, 0, -1, QStringLiteral("effectiveStack"), root.effectiveStack, 0.0, kMostChips);
    }
    m_stack = root.effectiveStack;
    m_spot.money = static_cast<double>(m_loaded.resultStartingPot) + 2.0 * m_stack;
    m_spot.slack = 1e-4 * m_spot.money + 1e-3;
    return Fault();
  }

  Fault checkFigures() const {
    const double money = m_spot.money;
    const auto figure = [&](const char* key, double v, double minimum) -> Fault {
      if (std::isnan(v) || (v >= minimum - m_spot.slack && v <= money + m_spot.slack)) return Fault();
      return outOfRange(Part::Results, -1, -1, QLatin1String(key), v, minimum, money);
    };
    if (Fault f = figure("resultExploitability", m_loaded.resultExploitability, 0.0)) return f;
    if (Fault f = figure("resultEvOop", m_loaded.resultEvOop, -money)) return f;
    return figure("resultEvIp", m_loaded.resultEvIp, -money);
  }

  // The id of a text of the tree, or kNoText.
  std::uint32_t idOf(const char* text) const {
    for (std::uint32_t id = 0; id < m_tree->textCount(); ++id) {
      if (m_tree->textAt(id) == QLatin1String(text)) return id;
    }
    return kNoText;
  }

  // The cards out at a node `dealt` cards below the root: a board not known
  // counts as a flop.
  int cardsOut(int dealt) const { return (m_boardCards < 0 ? kFlopCards : m_boardCards) + dealt; }
  // Whether `needed` cards are out `dealt` cards below the root; a board not
  // known is taken to be what the first such node needs.
  bool cardsOutAre(int dealt, int needed) {
    const int board = needed - dealt;
    if (m_boardCards < 0 && board >= kFlopCards && board <= kRiverCards) m_boardCards = board;
    return cardsOut(dealt) == needed;
  }

  // A node's figures against the spot: the stack of the root, the chips
  // each seat has put in (none at the root), the pot the starting pot plus
  // those chips; and its flag of children against its actions.
  Fault checkNode(int node, const ResultTree::Meta& m, int actions) const {
    if (node > 0 && m.effectiveStack != m_stack) {
      Fault f = fault(Problem::NotAsAtRoot, Part::NodeMeta, node, -1, QStringLiteral("effectiveStack"),
                      QString::number(m.effectiveStack));
      f.count = m_stack;
      return f;
    }
    if (m.pot > m_spot.money + m_spot.slack) {
      return outOfRange(Part::NodeMeta, node, -1, QStringLiteral("pot"), m.pot, 0.0, m_spot.money);
    }
    const int most = node == 0 ? 0 : m_stack;
    if (m.investedOop > most) {
      return outOfRange(Part::NodeMeta, node, -1, QStringLiteral("investedOop"), m.investedOop, 0.0, most);
    }
    if (m.investedIp > most) {
      return outOfRange(Part::NodeMeta, node, -1, QStringLiteral("investedIp"), m.investedIp, 0.0, most);
    }
    const double pot = static_cast<double>(m_loaded.resultStartingPot) + m.investedOop + m.investedIp;
    if (m.pot != pot) {
      Fault f = fault(Problem::NotTheSum, Part::NodeMeta, node, -1, QStringLiteral("pot"), QString::number(m.pot));
      f.maximum = pot;
      return f;
    }
    if (m.hasChildren != (actions > 0)) {
      Fault f = fault(Problem::ChildrenDiffer, Part::NodeMeta, node, -1, QStringLiteral("hasChildren"),
                      m.hasChildren ? QStringLiteral("true") : QStringLiteral("false"));
      f.count = actions;
      return f;
    }
    return Fault();
  }

  // Node by node, in the order of the file (a node's parent comes before
  // it): whether an action leads to it, its figures, the cards out where it
  // deals one, the types of its actions, its frequencies, then each action's
  // link, card and what it leads to (a showdown needs the river out).
  Fault checkTree() {
    const int n = m_tree->nodeCount();
    std::vector<std::uint8_t> reached(static_cast<std::size_t>(n), 0);
    m_dead.assign(static_cast<std::size_t>(n), 0);
    m_dead[0] = m_spot.board;
    const int board = std::popcount(m_spot.board);
    const std::uint32_t decision = idOf("decision"), chance = idOf("chance"), terminal = idOf("terminal");
    const std::uint32_t turn = idOf("turn"), fold = idOf("fold");
    for (int node = 0; node < n; ++node) {
      // Every action leads to a later node: an action leading here has come already.
      if (node > 0 && reached[static_cast<std::size_t>(node)] == 0) {
        return fault(Problem::Unreached, Part::File, node, -1, {}, {});
      }
      const ResultTree::Meta& m = *m_tree->metaAt(node);
      const int count = m_tree->actionCount(node);
      const ResultTree::Action* actions = m_tree->actionsOf(node);
      if (Fault f = checkNode(node, m, count)) return f;
      const int dealt = std::popcount(m_dead[static_cast<std::size_t>(node)]) - board;
      if (m.nodeType == chance && !cardsOutAre(dealt, m.chanceDeal == turn ? kFlopCards : kTurnCards)) {
        Fault f = fault(Problem::CardsOut, Part::NodeMeta, node, -1, QStringLiteral("chanceDeal"),
                        Fault::jsonText(QJsonValue(m_tree->textAt(m.chanceDeal))));
        f.count = cardsOut(dealt);
        return f;
      }
      // A decision node deals no card; a chance node and an all-in's runout
      // (a terminal node with actions) only deal.
      for (int a = 0; a < count; ++a) {
        if ((actions[a].actionType == chance) == (m.nodeType == decision)) {
          Fault f = fault(Problem::NotAtNode, Part::NodeAction, node, a, QStringLiteral("actionType"),
                          Fault::jsonText(QJsonValue(m_tree->textAt(actions[a].actionType))));
          f.choices = m_tree->textAt(m.nodeType);
          return f;
        }
      }
      if (Fault f = checkFrequencies(node, actions, count)) return f;
      std::uint64_t dealtHere = 0;
      for (int a = 0; a < count; ++a) {
        const int child = actions[a].childIndex;  // a later node of the tree (read so)
        if (reached[static_cast<std::size_t>(child)]++ != 0) {
          return fault(Problem::ReachedTwice, Part::File, child, -1, QString(), QString());
        }
        std::uint64_t dead = m_dead[static_cast<std::size_t>(node)];
        const bool deals = actions[a].actionType == chance;
        if (deals) {
          if (cardsOut(dealt) >= kRiverCards) {
            Fault f = fault(Problem::CardsOut, Part::NodeAction, node, a, QStringLiteral("actionType"),
                            Fault::jsonText(QJsonValue(m_tree->textAt(actions[a].actionType))));
            f.count = cardsOut(dealt);
            return f;
          }
          // Read as a card already; it must be one that is still in the deck.
          const QString& name = m_tree->textAt(actions[a].name);
          const std::uint64_t bit = std::uint64_t{1} << std::max(0, cardCode(name));
          if ((dead & bit) != 0) return fault(Problem::OnBoard, Part::NodeAction, node, a, QStringLiteral("name"), name);
          if ((dealtHere & bit) != 0) {
            return fault(Problem::Repeated, Part::NodeAction, node, a, QStringLiteral("name"), name);
          }
          dealtHere |= bit;
          dead |= bit;
        }
        m_dead[static_cast<std::size_t>(child)] = dead;
        // A hand that ends other than by a fold ends in a showdown, with the river out.
        const ResultTree::Meta& next = *m_tree->metaAt(child);
        if (next.nodeType == terminal && m_tree->actionCount(child) == 0 && actions[a].actionType != fold &&
            !cardsOutAre(dealt + (deals ? 1 : 0), kRiverCards)) {
          Fault f = fault(Problem::ShortShowdown, Part::File, child, -1, QString(), QString());
          f.count = cardsOut(dealt + (deals ? 1 : 0));
          return f;
        }
      }
    }
    return Fault();
  }

  // A node's frequencies: all null (no hand reaches it) or numbers adding up to 1.
  static Fault checkFrequencies(int node, const ResultTree::Action* actions, int count) {
    if (count == 0) return Fault();
    const bool none = std::isnan(actions[0].frequency);
    double sum = 0.0;
    for (int a = 0; a < count; ++a) {
      if (std::isnan(actions[a].frequency) != none) {
        // Some frequencies but not all: the first null is out of place.
        int null = 0;
        while (!std::isnan(actions[null].frequency)) ++null;
        Fault f = fault(Problem::WrongType, Part::NodeAction, node, null, QStringLiteral("frequency"),
                        QStringLiteral("null"));
        f.expected = Fault::Expected::Number;
        return f;
      }
      sum += actions[a].frequency;
    }
    if (none || std::abs(sum - 1.0) <= kSumRounding) return Fault();
    return fault(Problem::NotOne, Part::File, node, -1, QString(), QString::number(sum, 'g', 6));
  }

  Fault checkRootActions() const {
    const QVariantList root = m_tree->actions(0);
    for (qsizetype a = 0; a < m_loaded.rootActions.size() && a < root.size(); ++a) {
      const QVariantMap mine = m_loaded.rootActions.at(a).toMap();
      const QVariantMap tree = root.at(a).toMap();
      const double f1 = mine.value(QStringLiteral("frequency")).toDouble();
      const double f2 = tree.value(QStringLiteral("frequency")).toDouble();
      const bool sameFrequency = std::isnan(f1) ? std::isnan(f2) : std::abs(f1 - f2) <= kSameFrequency;
      if (mine.value(QStringLiteral("name")) != tree.value(QStringLiteral("name")) ||
          mine.value(QStringLiteral("actionType")) != tree.value(QStringLiteral("actionType")) || !sameFrequency) {
        return fault(Problem::NotTheRoots, Part::RootAction, -1, static_cast<int>(a), QString(), QString());
      }
    }
    return Fault();
  }

  // --- saved answers ---

  // A per-action list of a saved answer: one entry per action of the node.
  static Fault perAction(Part part, int node, int row, const QString& key, qsizetype size, int actions) {
    if (size == actions) return Fault();
    Fault f = fault(Problem::CountDiffers, part, node, row, key, QString::number(size));
    f.count = actions;
    return f;
  }

  Fault cards(Part part, int node, int row, const results::ComboCards& combo) const {
    const std::uint64_t dead = m_dead[static_cast<std::size_t>(node)];
    for (std::size_t i = 0; i < combo.size(); ++i) {
      if ((dead >> combo[i] & 1u) != 0) {
        return fault(Problem::OnBoard, part, node, row, i == 0 ? QStringLiteral("c1") : QStringLiteral("c2"),
                     results::cardText(combo[i]));
      }
    }
    return Fault();
  }

  Fault chips(Part part, int node, int row, const QString& key, double d) const {
    return chipsFit(d, m_spot) ? Fault() : outOfRange(part, node, row, key, d, -m_spot.money, m_spot.money);
  }

  Fault combos(Part part, int node, int row, double d) const {
    const double most = rangeCombos(m_dead[static_cast<std::size_t>(node)]);
    return d <= most * (1.0 + 1e-6) ? Fault() : outOfRange(part, node, row, QStringLiteral("combos"), d, 0.0, most);
  }

  // The combos of the class at grid position `c` that hold no card of
  // `dead`: a pair's ranks are its row's, a suited class lies above the
  // diagonal, an offsuit one below it.
  static double liveClassCombos(int c, std::uint64_t dead) {
    const int hi = 12 - std::min(c / 13, c % 13);  // card ranks: 0 is a deuce
    const int lo = 12 - std::max(c / 13, c % 13);
    const auto live = [dead](int rank, int suit) { return (dead >> (rank * 4 + suit) & 1u) == 0; };
    int n = 0;
    for (int s1 = 0; s1 < 4; ++s1) {
      for (int s2 = 0; s2 < 4; ++s2) {
        const bool fits = hi == lo ? s1 < s2 : (c / 13 < c % 13) == (s1 == s2);
        n += fits && live(hi, s1) && live(lo, s2) ? 1 : 0;
      }
    }
    return n;
  }

  // The row of the node's action `a` as the game tree has it differs from
  // a saved action figure: its name, its key or its frequency.
  Fault actionAsTheTree(int node, int a, const results::ActionStatsRow& row) const {
    const ResultTree::Action& action = m_tree->actionsOf(node)[a];
    const auto differs = [&](const char* key, const QJsonValue& saved, const QJsonValue& tree) {
      Fault f = fault(Problem::NotTheTrees, Part::ActionStats, node, a, QLatin1String(key), Fault::jsonText(saved));
      f.treeValue = Fault::jsonText(tree);
      return f;
    };
    if (row.name != m_tree->textAt(action.name)) return differs("name", row.name, m_tree->textAt(action.name));
    if (row.actionType != m_tree->textAt(action.actionType)) {
      return differs("actionType", row.actionType, m_tree->textAt(action.actionType));
    }
    const double saved = row.frequency;
    const double tree = m_tree->frequencyOf(action);
    const bool same = std::isnan(saved) ? std::isnan(tree) : std::abs(saved - tree) <= kSameStatsFrequency;
    return same ? Fault() : differs("frequency", saved, tree);
  }

  // Runs `check(node, actions, table)` over the answers `get(tables)` gives
  // for the nodes of the tree, node by node.
  template <class Get, class Check>
  Fault eachAnswer(Get get, Check check) const {
    for (const auto& [node, tables] : m_loaded.answers) {
      if (node >= m_tree->nodeCount()) break;
      const auto* table = get(tables);
      if (!table) continue;
      if (Fault f = check(node, m_tree->actionCount(node), *table)) return f;
    }
    return Fault();
  }

  Fault checkCaches() const {
    using Tables = results::NodeAnswerTables;
    const auto strategy = [&](int node, int actions, const results::StrategyTable& s) -> Fault {
      if (Fault f = perAction(Part::Strategy, node, -1, QStringLiteral("actionNames"), s.actionNames.size(), actions)) return f;
      if (Fault f = perAction(Part::Strategy, node, -1, QStringLiteral("actionTypeList"), s.actionTypes.size(), actions)) {
        return f;
      }
      const std::uint64_t dead = m_dead[static_cast<std::size_t>(node)];
      for (const std::uint8_t c : results::classesInKeyOrder()) {
        if (!s.weighted[c]) continue;
        const double most = liveClassCombos(c, dead);
        if (s.weights[c] > most + 1e-6 * std::max(1.0, most)) {
          return outOfRange(Part::Strategy, node, -1, QStringLiteral("weights[%1]").arg(results::classLabel(c)),
                            s.weights[c], 0.0, most);
        }
      }
      return Fault();
    };
    const auto stats = [&](int node, int actions, const results::ActionStatsTable& t) -> Fault {
      if (Fault f = perAction(Part::ActionStats, node, -1, QStringLiteral("data"), t.rows.size(), actions)) return f;
      for (int a = 0; a < actions; ++a) {
        const results::ActionStatsRow& row = t.rows[static_cast<std::size_t>(a)];
        if (Fault f = actionAsTheTree(node, a, row)) return f;
        if (Fault f = combos(Part::ActionStats, node, a, row.combos)) return f;
        if (Fault f = chips(Part::ActionStats, node, a, QStringLiteral("ev"), row.ev)) return f;
      }
      return Fault();
    };
    const auto handCombos = [&](int node, int actions, const results::CombosTable& t) -> Fault {
      if (t.rows() > 0) {
        if (Fault f = perAction(Part::Combos, node, 0, QStringLiteral("actionProbs"), t.actions, actions)) return f;
      }
      for (int r = 0; r < t.rows(); ++r) {
        const auto row = static_cast<std::size_t>(r);
        if (Fault f = cards(Part::Combos, node, r, t.cards[row])) return f;
        if (Fault f = chips(Part::Combos, node, r, QStringLiteral("ev"), t.evs[row])) return f;
        for (int a = 0; a < t.actions; ++a) {
          const double ev = t.actionEvs[row * static_cast<std::size_t>(t.actions) + static_cast<std::size_t>(a)];
          if (Fault f = chips(Part::Combos, node, r, QStringLiteral("actionEvs[%1]").arg(a), ev)) return f;
        }
      }
      return Fault();
    };
    const auto buckets = [&](int node, int actions, const results::BucketsTable& t) -> Fault {
      if (t.rows() > 0) {
        if (Fault f = perAction(Part::Buckets, node, 0, QStringLiteral("actionProbs"), t.actions, actions)) return f;
      }
      for (int r = 0; r < t.rows(); ++r) {
        if (Fault f = combos(Part::Buckets, node, r, t.combos[static_cast<std::size_t>(r)])) return f;
      }
      return Fault();
    };
    const auto seat = [&](Part part) {
      return [this, part](int node, int, const results::SeatCombosTable& t) -> Fault {
        for (int r = 0; r < t.rows(); ++r) {
          if (Fault f = cards(part, node, r, t.cards[static_cast<std::size_t>(r)])) return f;
        }
        return Fault();
      };
    };
    if (Fault f = eachAnswer([](const Tables& t) { return t.strategy.get(); }, strategy)) return f;
    if (Fault f = eachAnswer([](const Tables& t) { return t.stats.get(); }, stats)) return f;
    if (Fault f = eachAnswer([](const Tables& t) { return t.combos.get(); }, handCombos)) return f;
    if (Fault f = eachAnswer([](const Tables& t) { return t.buckets.get(); }, buckets)) return f;
    if (Fault f = eachAnswer([](const Tables& t) { return t.seats[0].get(); }, seat(Part::OopCombos))) return f;
    return eachAnswer([](const Tables& t) { return t.seats[1].get(); }, seat(Part::IpCombos));
  }

  // --- locks ---

  Fault checkLocks() {
    const int n = m_tree && m_loaded.hasResults ? m_tree->nodeCount() : 0;
    QVariantList kept;
    for (qsizetype i = 0; i < m_loaded.nodeLocks.size(); ++i) {
      const QVariantMap lock = m_loaded.nodeLocks.at(i).toMap();
      const int entry = static_cast<int>(i);
      const int node = lock.value(QStringLiteral("nodeIndex")).toInt();
      const int action = lock.value(QStringLiteral("actionIndex")).toInt();
      if (node < 0 || node >= n) {
        return fault(Problem::NoSuchNode, Part::Lock, -1, entry, QStringLiteral("nodeIndex"), QString::number(node));
      }
      const ResultTree::Meta* meta = m_tree->metaAt(node);
      if (!meta || m_tree->textAt(meta->nodeType) != QLatin1String("decision")) {
        return fault(Problem::NotDecision, Part::Lock, -1, entry, QStringLiteral("nodeIndex"), QString::number(node));
      }
      if (action < 0) {
        return fault(Problem::NoSuchAction, Part::Lock, -1, entry, QStringLiteral("actionIndex"),
                     QString::number(action));
      }
      if (action >= m_tree->actionCount(node)) {
        qInfo().nospace() << "loadProject: node lock " << entry << " (node " << node << ", "
                          << lock.value(QStringLiteral("hand")).toString() << ") names action " << action
                          << " of a node of " << m_tree->actionCount(node) << " actions; it is dropped";
        continue;
      }
      kept.append(lock);
    }
    m_loaded.nodeLocks = kept;
    return Fault();
  }

  LoadedProject& m_loaded;
  const ResultTree* m_tree;
  Spot m_spot;
  int m_stack = 0;        // the effective stack of the result
  int m_boardCards = -1;  // the cards of its board; -1 while not known
  // Per node, the board's cards and the cards dealt on the way to it.
  std::vector<std::uint64_t> m_dead;
};

}  // namespace

Fault checkLoadedProject(LoadedProject& loaded) {
  Fault f = Checker(loaded).run();
  // The last start's board stands in for the result's in older files; a
  // start refused for its board (a typo, another street) could leave one
  // that is not the result's. Such a file opens without a board rather than
  // with the wrong one, as long as nothing else is amiss.
  if (f && loaded.hasResults && loaded.resultBoard.isEmpty() &&
      !loaded.lastUiCfg.value(QStringLiteral("board")).toString().trimmed().isEmpty()) {
    loaded.lastBoardNotTheResults = true;
    f = Checker(loaded).run();
    if (f) loaded.lastBoardNotTheResults = false;
  }
  return f;
}

}  // namespace project_file
