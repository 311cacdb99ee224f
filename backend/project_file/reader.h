// Reading the values of a project file, record by record. Every value is
// read as this program writes it: texts as JSON strings, flags as JSON
// booleans, numbers as JSON numbers (whole where the program writes whole
// numbers), probabilities from 0 to 1, and null only where the program
// writes a figure without value (read as NaN). A missing key reads as its
// empty value unless the record cannot do without it (`required`): a value
// every writer of the program has written is never read as 0 or "". The
// first value that breaks its rule is noted in the `Fault` the reader is
// given, with its key (and the row of a list) and what it holds; the record
// then reads as far as it can and the caller refuses the file, adding the
// part and the node.
//
// Each record reader takes one record as a QJsonValue, so that whatever
// reads the file's text hands it the records one at a time.
#pragma once

#include <QAnyStringView>
#include <QJsonObject>
#include <QLatin1StringView>
#include <QJsonValue>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <array>
#include <initializer_list>
#include <memory>
#include <span>

#include "backend/project_file/fault.h"
#include "backend/results/node_answers.h"
#include "backend/results/result_tree.h"

namespace project_file {

// The code (0..51) of a card text such as "Ah" (either case), or -1.
int cardCode(const QString& text);
// The combos of a hand class ("AA" 6, "AKs" 4, "AKo" 12), or 0 for a text
// that is no hand class label.
int handClassCombos(const QString& label);

// Single values: `v` read as its kind, or the first fault noted under `key`
// (a number from `minimum` to `maximum` to within float rounding, null as
// NaN where `nullable`).
void noteType(Fault& fault, QAnyStringView key, const QJsonValue& v, Fault::Expected expected);
void noteMissing(Fault& fault, QAnyStringView key);
double checkedNumber(const QJsonValue& v, QAnyStringView key, double minimum, double maximum, bool nullable,
                     Fault& fault);
QString checkedText(const QJsonValue& v, QAnyStringView key, Fault& fault);

// A part of the file's top level ("project", "nodeLocks", ...) that is
// there but not of its kind (an object, a list, a flag), or an empty fault.
Fault wrongKindOfPart(const char* key, const QJsonValue& v, Fault::Expected kind);

// One record (a JSON object) read key by key. A record that is not an object
// is noted as such and reads as empty.
class Record {
 public:
  Record(const QJsonValue& record, Fault& fault);
  // An object whose members a stream has picked out already: `values[i]` is
  // the member `keys[i]` (undefined where missing); no other member is read.
  Record(std::span<const QLatin1StringView> keys, std::span<const QJsonValue> values, Fault& fault);

  bool has(const char* key) const { return !value(key).isUndefined(); }
  QJsonValue value(const char* key) const;

  QString text(const char* key, bool required = false);
  // One of `choices`; an empty text when missing.
  QString choice(const char* key, std::initializer_list<const char*> choices, bool required = false);
  bool flag(const char* key, bool required = false);
  // A whole number from `minimum` to `maximum`; `fallback` when missing
  // (with `required`, a missing value is a fault).
  int whole(const char* key, int minimum, int maximum, int fallback, bool required = false);
  // A finite number from `minimum` to `maximum` (to within float rounding),
  // `fallback` when missing; with `nullable`, null reads as NaN.
  double number(const char* key, double minimum, double maximum, double fallback, bool nullable,
                bool required = false);
  // A probability; null (a frequency no hand reaches) reads as NaN.
  double share(const char* key, bool required = false) { return number(key, 0.0, 1.0, 0.0, true, required); }
  // A chip figure: any finite number, or null (NaN).
  double figure(const char* key, bool required = false);

  Fault& fault;

 private:
  QJsonObject m_record;
  std::span<const QLatin1StringView> m_keys;
  std::span<const QJsonValue> m_values;
};

// --- the records of "results" ---
// Every key of these records is required: every writer wrote them all.
QVariantMap rootAction(const QJsonValue& v, Fault& fault);
// The keys of a node's meta record and of one of its actions.
// A row of probabilities is 32-bit floats the solver scaled to add up to 1:
// a saved row adds up to 1 within this.
inline constexpr double kSumRounding = 1e-4;

inline constexpr std::array<QLatin1StringView, 8> kNodeMetaKeys = {
    QLatin1StringView("nodeType"),    QLatin1StringView("chanceDeal"),     QLatin1StringView("player"),
    QLatin1StringView("pot"),         QLatin1StringView("effectiveStack"), QLatin1StringView("investedOop"),
    QLatin1StringView("investedIp"),  QLatin1StringView("hasChildren")};
inline constexpr std::array<QLatin1StringView, 4> kNodeActionKeys = {
    QLatin1StringView("name"), QLatin1StringView("actionType"), QLatin1StringView("frequency"),
    QLatin1StringView("childIndex")};
// A node's meta record as the tree keeps it: a decision node has a seat and
// deals no card, a chance node deals the turn or the river and has no seat,
// a terminal node has neither.
ResultTree::Meta nodeMeta(Record& record, ResultTree& tree);
// One action of a node, of a type the solver gives ("fold", "check", "call",
// "bet", "raise", "allin", "chance", or a bet or raise with its size as
// "bet 50%"). Its child index is a whole number as written; the caller
// checks that it leads to a later node of the tree. An action of type
// "chance" is named after the card it deals.
ResultTree::Action nodeAction(Record& record, ResultTree& tree);

// --- the saved answers of "nodeCaches" (each the "data" of one entry) ---
// Each is read into its typed table and checked row by row as it is read:
// every value present and of its kind, the probabilities of a row adding up
// to 1 (or all 0, for a class or bucket no hand reaches), one entry per
// action in every row, each combo two different cards and listed once. What
// needs the game tree (the board, the node's actions) is checked with it
// (checks.h). The lists name the faulty row in `fault.entry`; a faulty
// answer reads as null.
std::shared_ptr<const results::StrategyTable> handStrategy(const QJsonValue& v, Fault& fault);
std::shared_ptr<const results::ActionStatsTable> actionStats(const QJsonValue& v, Fault& fault);
std::shared_ptr<const results::CombosTable> handCombos(const QJsonValue& v, Fault& fault);
std::shared_ptr<const results::BucketsTable> handBuckets(const QJsonValue& v, Fault& fault);
std::shared_ptr<const results::SeatCombosTable> seatHandCombos(const QJsonValue& v, Fault& fault);

// One entry of "nodeLocks" as the lock field sets it: {"nodeIndex",
// "hand" (a hand class), "actionIndex", "actionProb" (a number from 0 to 1;
// 1.0 when missing)}. Whether the node and the action exist is for the
// caller, who knows the tree (the indices are read as whole numbers).
QVariantMap nodeLock(const QJsonValue& v, Fault& fault);

// The last solve configuration map: its counts and amounts made sound (the
// thread count, iterations, pot and stack as counts; rake, target and jam
// thresholds as finite amounts from 0), every other value as stored: a
// re-solve of it goes through the checks of any start. A "lastUiCfg" that is
// not an object is a fault.
QVariantMap solveConfig(const QJsonValue& v, Fault& fault);

}  // namespace project_file
