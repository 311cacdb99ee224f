#include "backend/results/answer_store.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace results {
namespace {

// A hash entry of the store beside the tables it holds.
constexpr std::size_t kEntryBytes = 96;
// The rows of the bucket table at most.
constexpr std::size_t kBuckets = 21;

std::uint64_t clampedHands(std::uint64_t hands) { return std::min<std::uint64_t>(hands, 1326); }

}  // namespace

std::uint64_t nodeAnswerBytes(std::uint64_t oopHands, std::uint64_t ipHands) {
  // Tables of the sizes a node of the spot gives, measured as the store
  // measures them: the acting seat's combos (the larger seat's), both seats'
  // combos, a strategy and figures of kActionsCounted actions, every bucket.
  const std::size_t acting = static_cast<std::size_t>(std::max(clampedHands(oopHands), clampedHands(ipHands)));
  const std::size_t actions = kActionsCounted;
  NodeAnswerTables t;
  auto strategy = std::make_shared<StrategyTable>();
  strategy->actions = kActionsCounted;
  for (int a = 0; a < kActionsCounted; ++a) {
    strategy->actionNames.append(QStringLiteral("Raise 100%"));
    strategy->actionTypes.append(QStringLiteral("raise 100%"));
    strategy->dominantTexts.append(QStringLiteral("raise 100%"));
  }
  strategy->probabilities.resize(kClassCount * actions);
  t.strategy = strategy;
  auto stats = std::make_shared<ActionStatsTable>();
  stats->rows.resize(actions, ActionStatsRow{QStringLiteral("Raise 100%"), QStringLiteral("raise 100%")});
  t.stats = stats;
  auto combos = std::make_shared<CombosTable>();
  combos->cards.resize(acting);
  combos->weights.resize(acting);
  combos->evs.resize(acting);
  combos->tags.resize(acting);
  combos->actionEvs.resize(acting * actions);
  combos->actionProbs.resize(acting * actions);
  t.combos = combos;
  auto buckets = std::make_shared<BucketsTable>();
  buckets->names.resize(kBuckets);
  buckets->combos.resize(kBuckets);
  buckets->actionProbs.resize(kBuckets * actions);
  t.buckets = buckets;
  for (int seat = 0; seat < 2; ++seat) {
    auto rows = std::make_shared<SeatCombosTable>();
    const auto hands = static_cast<std::size_t>(clampedHands(seat == 0 ? oopHands : ipHands));
    rows->cards.resize(hands);
    rows->weights.resize(hands);
    t.seats[static_cast<std::size_t>(seat)] = rows;
  }
  return t.bytes() + kEntryBytes;
}

std::uint64_t answerRoomBytes(std::uint64_t oopHands, std::uint64_t ipHands, std::uint64_t decisionNodes) {
  // The root's answers are kept in any room.
  return std::clamp<std::uint64_t>(decisionNodes, 1, kNodesLookedAt) * nodeAnswerBytes(oopHands, ipHands);
}

const NodeAnswerTables* AnswerStore::find(int node) {
  const auto it = m_entries.find(node);
  if (it == m_entries.end()) return nullptr;
  it->second.lastLook = ++m_looks;
  return &it->second.tables;
}

const NodeAnswerTables* AnswerStore::peek(int node) const {
  const auto it = m_entries.find(node);
  return it == m_entries.end() ? nullptr : &it->second.tables;
}

void AnswerStore::add(int node, const NodeAnswerTables& answers) {
  Entry& entry = m_entries[node];
  m_bytes -= entry.bytes;
  entry.tables.merge(answers);
  entry.bytes = entry.tables.bytes() + kEntryBytes;
  entry.lastLook = ++m_looks;
  m_bytes += entry.bytes;
  fitRoom(node);
}

void AnswerStore::adoptFile(SavedAnswers answers) {
  for (auto& [node, tables] : answers) {
    Entry& entry = m_entries[node];
    m_bytes -= entry.bytes;
    entry.tables.merge(tables);
    entry.bytes = entry.tables.bytes() + kEntryBytes;
    entry.fromFile = true;
    m_bytes += entry.bytes;
  }
}

SavedAnswers AnswerStore::snapshot() const {
  SavedAnswers out;
  for (const auto& [node, entry] : m_entries) out.emplace(node, entry.tables);
  return out;
}

void AnswerStore::setRoom(std::uint64_t bytes) {
  m_room = bytes;
  fitRoom(-1);
}

AnswerStore::Entries AnswerStore::take() {
  m_bytes = 0;
  return std::exchange(m_entries, {});
}

void AnswerStore::fitRoom(int keep) {
  while (m_bytes > m_room) {
    // The least recently looked at of the answers that may go.
    auto oldest = m_entries.end();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
      if (it->first == keep || it->first == 0 || it->second.fromFile) continue;
      if (oldest == m_entries.end() || it->second.lastLook < oldest->second.lastLook) oldest = it;
    }
    if (oldest == m_entries.end()) return;
    m_bytes -= oldest->second.bytes;
    m_entries.erase(oldest);
  }
}

}  // namespace results
