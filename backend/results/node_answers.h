// The Results page's answers for one node, held as compact typed tables: a
// few bytes a figure, each figure kept at the precision the solver's answer
// gives it (frequencies and probabilities as 32-bit floats, chip figures and
// weights as doubles). The QVariant forms QML reads are built from them only
// when a node is asked for; a project file writes and reads them directly.
//
// A table never changes once it is shared: the GUI thread, a save's thread
// and the release thread may hold the same one.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "session/node_records.h"

namespace results {

inline constexpr int kClassCount = 169;

// The hand-category tags a combo row carries: every bucket's name and
// "pair" (a pair class no bucket takes), in the order a row lists them
// (ascending, as the solver sorts them); bit t of a row's tag set is the
// tag at position t.
inline constexpr int kTagCount = 22;
QLatin1StringView tagName(int position);
// The tag's bit position, or -1 for a text that is no tag.
int tagIndex(QStringView text);

// The hand-category buckets in the session's fixed order: a bucket's name,
// and the position of a name (exactly as the session writes it) or -1.
inline constexpr int kBucketCount = 21;
QLatin1StringView bucketName(int position);
int bucketPosition(QStringView name);

// The text of a card code ("Ah").
QString cardText(std::uint8_t code);

// The 169 classes of the grid, by position ("AA" is 0, "22" is 168), and the
// positions in the order a JSON object keeps its keys ("22", "32o", ...).
const QString& classLabel(int position);
const std::array<std::uint8_t, kClassCount>& classesInKeyOrder();

// "nodeHandStrategy": the per-class strategy. A class sits in each of the
// three class maps ("weights", "dominantActionTypes", "actionProbs") when
// its bit is set; a solved node sets all of them.
struct StrategyTable {
  int actions = 0;
  QStringList actionNames;
  QStringList actionTypes;    // "actionTypeList"
  QStringList dominantTexts;  // the distinct dominant action types
  std::bitset<kClassCount> weighted, dominated, probed;
  std::array<float, kClassCount> weights{};
  std::array<std::uint8_t, kClassCount> dominant{};  // index into dominantTexts
  std::vector<float> probabilities;                  // kClassCount x actions, class-major

  const float* row(int position) const { return probabilities.data() + position * actions; }
};

// "nodeActionStats": one row per action.
struct ActionStatsRow {
  QString name;
  QString actionType;
  float frequency = 0.0f;
  double combos = 0.0;
  double equity = 0.0;
  double ev = 0.0;
};
struct ActionStatsTable {
  std::vector<ActionStatsRow> rows;
};

// A combo: its two cards, as the row lists them.
using ComboCards = std::array<std::uint8_t, 2>;

// "nodeHandCombos": one row per combo of the acting seat, columns of
// `actions` figures per row.
struct CombosTable {
  int actions = 0;
  std::vector<ComboCards> cards;
  std::vector<double> weights;
  std::vector<double> evs;
  std::vector<double> actionEvs;    // rows x actions
  std::vector<float> actionProbs;   // rows x actions
  std::vector<std::uint32_t> tags;  // bits of the tags' positions

  int rows() const { return static_cast<int>(cards.size()); }
};

// "nodeHandBuckets": the buckets with combos, in the session's fixed order.
struct BucketsTable {
  int actions = 0;
  std::vector<std::uint8_t> names;  // positions in the session's bucket list
  std::vector<double> combos;
  std::vector<float> actionProbs;   // rows x actions

  int rows() const { return static_cast<int>(names.size()); }
};

// "nodeSeatHandCombos" of one seat.
struct SeatCombosTable {
  std::vector<ComboCards> cards;
  std::vector<double> weights;

  int rows() const { return static_cast<int>(cards.size()); }
};

// Every answer known for one node; a missing one is null.
struct NodeAnswerTables {
  std::shared_ptr<const StrategyTable> strategy;
  std::shared_ptr<const ActionStatsTable> stats;
  std::shared_ptr<const CombosTable> combos;
  std::shared_ptr<const BucketsTable> buckets;
  std::array<std::shared_ptr<const SeatCombosTable>, 2> seats;  // OOP, IP

  bool empty() const { return !strategy && !stats && !combos && !buckets && !seats[0] && !seats[1]; }
  // Takes every answer `other` holds, keeping those it lacks.
  void merge(const NodeAnswerTables& other);
  // What the tables take in memory.
  std::size_t bytes() const;
};

// The answers a project file holds, or a save writes, by node.
using SavedAnswers = std::map<int, NodeAnswerTables>;

// --- from the solver's records ---
// Each is null for a record that holds no answer (not `ok`). `actionTypes`
// is "actionTypeList" as the node table gives it.
std::shared_ptr<const StrategyTable> strategyTable(const velmora_app::NodeHandStrategy& s,
                                                   const QStringList& actionTypes);
std::shared_ptr<const ActionStatsTable> actionStatsTable(const velmora_app::NodeActionStats& s);
std::shared_ptr<const CombosTable> combosTable(const velmora_app::NodeHandCombos& c);
std::shared_ptr<const BucketsTable> bucketsTable(const velmora_app::NodeHandBuckets& b);
std::shared_ptr<const SeatCombosTable> seatCombosTable(const velmora_app::NodeHandCombos& c);

// --- the forms QML reads ---
QVariantMap toVariant(const StrategyTable& t);
QVariantList toVariant(const ActionStatsTable& t);
QVariantList toVariant(const CombosTable& t);
// Without "displayName", which follows the language of the moment.
QVariantList toVariant(const BucketsTable& t);
QVariantList toVariant(const SeatCombosTable& t);

// The tag texts of one row's tag set, in order.
QStringList tagTexts(std::uint32_t tags);

}  // namespace results
