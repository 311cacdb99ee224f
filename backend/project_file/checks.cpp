#include "backend/project_file/checks.h"

#include <QAnyStringView>
#include <QDebug>
#include <QRegularExpression>

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

// A node's frequencies come from 32-bit floats normalised to 1.
constexpr double kSumRounding = 1e-4;
constexpr double kSameFrequency = 1e-6;
constexpr int kDeckCards = 52;

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

// The cards of a board text ("AhKsQd", blanks anywhere): 3 to 5 distinct
// cards, or nothing.
std::optional<std::uint64_t> boardCards(QString text) {
  text.remove(QRegularExpression(QStringLiteral("\\s")));
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
  Fault readSpot() {
    const bool ownBoard = !m_loaded.resultBoard.isEmpty();
    const QString text = ownBoard ? m_loaded.resultBoard : m_loaded.lastUiCfg.value(QStringLiteral("board")).toString();
    const std::optional<std::uint64_t> cards = boardCards(text);
    if (cards) {
      m_spot.board = *cards;
    } else if (ownBoard) {
      Fault f = fault(Problem::WrongType, Part::Results, -1, -1, QStringLiteral("resultBoard"),
                      Fault::jsonText(QJsonValue(text)));
      f.expected = Fault::Expected::Board;
      return f;
    }
    const ResultTree::Meta* root = m_tree->metaAt(0);
    if (root) {
      const double pot = std::max<double>(m_loaded.resultStartingPot, root->pot);
      m_spot.money = pot + 2.0 * root->effectiveStack;
      m_spot.slack = 1e-4 * m_spot.money + 1e-3;
    }
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

  Fault checkTree() {
    const int n = m_tree->nodeCount();
    std::vector<std::uint8_t> reached(static_cast<std::size_t>(n), 0);
    m_dead.assign(static_cast<std::size_t>(n), 0);
    m_dead[0] = m_spot.board;
    for (int node = 0; node < n; ++node) {
      if (const ResultTree::Meta* m = m_tree->metaAt(node)) {
        const auto chips = [&](const char* key, double v) -> Fault {
          if (v <= m_spot.money + m_spot.slack) return Fault();
          return outOfRange(Part::NodeMeta, node, -1, QLatin1String(key), v, 0.0, m_spot.money);
        };
        if (Fault f = chips("pot", m->pot)) return f;
        if (Fault f = chips("investedOop", m->investedOop)) return f;
        if (Fault f = chips("investedIp", m->investedIp)) return f;
      }
      const int count = m_tree->actionCount(node);
      const ResultTree::Action* actions = m_tree->actionsOf(node);
      if (Fault f = checkFrequencies(node, actions, count)) return f;
      std::uint64_t dealt = 0;
      for (int a = 0; a < count; ++a) {
        const int child = actions[a].childIndex;  // a later node of the tree (read so)
        if (reached[static_cast<std::size_t>(child)]++ != 0) {
          return fault(Problem::ReachedTwice, Part::File, child, -1, QString(), QString());
        }
        std::uint64_t dead = m_dead[static_cast<std::size_t>(node)];
        if (m_tree->textAt(actions[a].actionType) == QLatin1String("chance")) {
          // Read as a card already; it must be one that is still in the deck.
          const QString& name = m_tree->textAt(actions[a].name);
          const std::uint64_t bit = std::uint64_t{1} << std::max(0, cardCode(name));
          if ((dead & bit) != 0) return fault(Problem::OnBoard, Part::NodeAction, node, a, QStringLiteral("name"), name);
          if ((dealt & bit) != 0) return fault(Problem::Repeated, Part::NodeAction, node, a, QStringLiteral("name"), name);
          dealt |= bit;
          dead |= bit;
        }
        m_dead[static_cast<std::size_t>(child)] = dead;
      }
    }
    for (int node = 1; node < n; ++node) {
      if (reached[static_cast<std::size_t>(node)] == 0) return fault(Problem::Unreached, Part::File, node, -1, {}, {});
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
  // (The keys are views, made texts only for a fault: the checks run over
  // millions of rows.)
  static Fault perAction(Part part, int node, int row, QAnyStringView key, const QVariant& list, int actions) {
    const qsizetype size = list.toList().size();
    if (size == actions) return Fault();
    Fault f = fault(Problem::CountDiffers, part, node, row, key.toString(), QString::number(size));
    f.count = actions;
    return f;
  }

  Fault cards(Part part, int node, int row, const QVariantMap& combo) const {
    const std::uint64_t dead = m_dead[static_cast<std::size_t>(node)];
    for (const QString& key : {QStringLiteral("c1"), QStringLiteral("c2")}) {
      const QString card = combo.value(key).toString();
      if ((dead >> cardCode(card) & 1u) != 0) return fault(Problem::OnBoard, part, node, row, key, card);
    }
    return Fault();
  }

  Fault chips(Part part, int node, int row, QAnyStringView key, const QVariant& v) const {
    const double d = v.toDouble();
    return chipsFit(d, m_spot) ? Fault() : outOfRange(part, node, row, key.toString(), d, -m_spot.money, m_spot.money);
  }

  Fault combos(Part part, int node, int row, const QVariant& v) const {
    const double d = v.toDouble();
    const double most = rangeCombos(m_dead[static_cast<std::size_t>(node)]);
    return d <= most * (1.0 + 1e-6) ? Fault() : outOfRange(part, node, row, QStringLiteral("combos"), d, 0.0, most);
  }

  // Runs `check(node, answer)` over one cache's entries of nodes in the
  // tree, node by node: a file with more than one fault is refused for the
  // same one every time (a hash's order differs from run to run).
  template <class Cache, class Check>
  Fault eachEntry(const Cache& cache, Check check) const {
    std::vector<int> nodes;
    nodes.reserve(static_cast<std::size_t>(cache.size()));
    for (auto it = cache.cbegin(); it != cache.cend(); ++it) {
      if (it.key() >= 0 && it.key() < m_tree->nodeCount()) nodes.push_back(it.key());
    }
    std::sort(nodes.begin(), nodes.end());
    for (const int node : nodes) {
      if (Fault f = check(node, m_tree->actionCount(node), *cache.constFind(node))) return f;
    }
    return Fault();
  }

  Fault checkCaches() const {
    const SavedQueryCaches& caches = m_loaded.caches;
    const auto strategy = [&](int node, int actions, const QVariantMap& s) -> Fault {
      for (const QString& key : {QStringLiteral("actionNames"), QStringLiteral("actionTypeList")}) {
        if (Fault f = perAction(Part::Strategy, node, -1, key, s.value(key), actions)) return f;
      }
      const QVariantMap probs = s.value(QStringLiteral("actionProbs")).toMap();
      for (auto it = probs.cbegin(); it != probs.cend(); ++it) {
        if (Fault f = perAction(Part::Strategy, node, -1, QStringLiteral("actionProbs[%1]").arg(it.key()), it.value(),
                                actions)) {
          return f;
        }
      }
      return Fault();
    };
    const auto stats = [&](int node, int actions, const QVariantList& rows) -> Fault {
      if (Fault f = perAction(Part::ActionStats, node, -1, QStringLiteral("data"), rows, actions)) return f;
      for (qsizetype i = 0; i < rows.size(); ++i) {
        const QVariantMap row = rows.at(i).toMap();
        const int r = static_cast<int>(i);
        if (Fault f = combos(Part::ActionStats, node, r, row.value(QStringLiteral("combos")))) return f;
        if (Fault f = chips(Part::ActionStats, node, r, QStringLiteral("ev"), row.value(QStringLiteral("ev")))) return f;
      }
      return Fault();
    };
    const auto handCombos = [&](int node, int actions, const QVariantList& rows) -> Fault {
      for (qsizetype i = 0; i < rows.size(); ++i) {
        const QVariantMap row = rows.at(i).toMap();
        const int r = static_cast<int>(i);
        if (Fault f = cards(Part::Combos, node, r, row)) return f;
        if (Fault f = chips(Part::Combos, node, r, QStringLiteral("ev"), row.value(QStringLiteral("ev")))) return f;
        for (const QString& key : {QStringLiteral("actionProbs"), QStringLiteral("actionEvs")}) {
          if (Fault f = perAction(Part::Combos, node, r, key, row.value(key), actions)) return f;
        }
        const QVariantList evs = row.value(QStringLiteral("actionEvs")).toList();
        for (qsizetype a = 0; a < evs.size(); ++a) {
          if (chipsFit(evs.at(a).toDouble(), m_spot)) continue;
          return chips(Part::Combos, node, r, QStringLiteral("actionEvs[%1]").arg(a), evs.at(a));
        }
      }
      return Fault();
    };
    const auto buckets = [&](int node, int actions, const QVariantList& rows) -> Fault {
      for (qsizetype i = 0; i < rows.size(); ++i) {
        const QVariantMap row = rows.at(i).toMap();
        const int r = static_cast<int>(i);
        if (Fault f = combos(Part::Buckets, node, r, row.value(QStringLiteral("combos")))) return f;
        if (Fault f = perAction(Part::Buckets, node, r, QStringLiteral("actionProbs"),
                                row.value(QStringLiteral("actionProbs")), actions)) {
          return f;
        }
      }
      return Fault();
    };
    const auto seat = [&](Part part) {
      return [this, part](int node, int, const QVariantList& rows) -> Fault {
        for (qsizetype i = 0; i < rows.size(); ++i) {
          if (Fault f = cards(part, node, static_cast<int>(i), rows.at(i).toMap())) return f;
        }
        return Fault();
      };
    };
    if (Fault f = eachEntry(caches.handStrategy, strategy)) return f;
    if (Fault f = eachEntry(caches.actionStats, stats)) return f;
    if (Fault f = eachEntry(caches.handCombos, handCombos)) return f;
    if (Fault f = eachEntry(caches.handBuckets, buckets)) return f;
    if (Fault f = eachEntry(caches.seatHandCombosOop, seat(Part::OopCombos))) return f;
    return eachEntry(caches.seatHandCombosIp, seat(Part::IpCombos));
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
  // Per node, the board's cards and the cards dealt on the way to it.
  std::vector<std::uint64_t> m_dead;
};

}  // namespace

Fault checkLoadedProject(LoadedProject& loaded) { return Checker(loaded).run(); }

}  // namespace project_file
