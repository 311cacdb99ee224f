// The saved answers of "nodeCaches", read straight into the Results page's
// typed tables and checked row by row on the way.
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <limits>
#include <optional>

#include "backend/project_file/reader.h"
#include "session/action_labels.h"

namespace project_file {
namespace {

using Expected = Fault::Expected;
using Problem = Fault::Problem;

// The combos of one seat's range before the board takes any.
constexpr double kAllCombos = 1326.0;
constexpr double kFigure = std::numeric_limits<double>::max();

QString indexed(QAnyStringView key, const QString& index) {
  return key.toString() + QLatin1Char('[') + index + QLatin1Char(']');
}

// A value the record must hold: a missing one is a fault, not a zero.
bool present(Record& r, const char* key) {
  if (r.has(key)) return true;
  noteMissing(r.fault, QLatin1StringView(key));
  return false;
}

void noteCount(Fault& fault, QAnyStringView key, qsizetype found, int expected) {
  if (fault) return;
  fault.problem = Problem::CountDiffers;
  fault.key = key.toString();
  fault.value = QString::number(found);
  fault.count = expected;
}

// The array under `key`, which the record must hold; null (a fault) when it
// holds anything else.
std::optional<QJsonArray> listAt(Record& r, const char* key) {
  if (!present(r, key)) return std::nullopt;
  const QJsonValue v = r.value(key);
  if (!v.isArray()) {
    noteType(r.fault, QLatin1StringView(key), v, Expected::List);
    return std::nullopt;
  }
  return v.toArray();
}

// The numbers of `items` (named `key`), each from `minimum` to `maximum`,
// appended to `out`; `count` of them, or as many as the list holds when
// `count` is below 0, which it then becomes.
template <class T>
void appendNumbers(const QJsonArray& items, QAnyStringView key, double minimum, double maximum, bool nullable,
                   int& count, std::vector<T>& out, Fault& fault) {
  if (fault) return;
  if (count < 0) count = static_cast<int>(items.size());
  if (items.size() != count) return noteCount(fault, key, items.size(), count);
  for (qsizetype i = 0; i < items.size(); ++i) {
    const double d = checkedNumber(items.at(i), QAnyStringView(), minimum, maximum, nullable, fault);
    if (fault) {
      fault.key = indexed(key, QString::number(i)) + fault.key;
      return;
    }
    out.push_back(static_cast<T>(d));
  }
}

// One row's probabilities (the last `count` of `p`): they add up to 1, or
// are all 0 where no hand of the row reaches the node.
void checkSum(const float* p, int count, QAnyStringView key, Fault& fault) {
  if (fault) return;
  double sum = 0.0;
  for (int a = 0; a < count; ++a) sum += p[a];
  if (sum == 0.0 || std::abs(sum - 1.0) <= kSumRounding) return;
  fault.problem = Problem::SumNotOne;
  fault.key = key.toString();
  fault.value = QString::number(sum, 'g', 6);
}

// The probabilities of a row under `key`: `count` of them, adding up to 1.
void probabilities(Record& r, const char* key, int& count, std::vector<float>& out) {
  const std::optional<QJsonArray> items = listAt(r, key);
  if (!items) return;
  const std::size_t first = out.size();
  appendNumbers(*items, QLatin1StringView(key), 0.0, 1.0, false, count, out, r.fault);
  checkSum(out.data() + first, count, QLatin1StringView(key), r.fault);
}

// The two cards of a combo row: each a card, the two different, the combo
// not listed before in its answer.
results::ComboCards comboCards(Record& r, std::bitset<52 * 52>& seen) {
  results::ComboCards codes{};
  QString texts[2];
  const char* keys[2] = {"c1", "c2"};
  for (int i = 0; i < 2; ++i) {
    texts[i] = r.text(keys[i], true);
    const int code = cardCode(texts[i]);
    if (!r.fault && code < 0) noteType(r.fault, QLatin1StringView(keys[i]), r.value(keys[i]), Expected::Card);
    if (r.fault) return codes;
    codes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(code);
  }
  if (codes[0] == codes[1]) {
    r.fault.problem = Problem::Repeated;
    r.fault.key = QStringLiteral("c2");
    r.fault.value = texts[1];
    return codes;
  }
  const std::size_t combo = std::min(codes[0], codes[1]) * 52u + std::max(codes[0], codes[1]);
  if (seen[combo]) {
    r.fault.problem = Problem::RepeatedCombo;
    r.fault.value = texts[0] + texts[1];
  }
  seen.set(combo);
  return codes;
}

// A list of row records, each read by `read(record, row)`; the row of the
// first fault goes to `fault.entry`.
template <class Read>
void rows(const QJsonValue& v, Fault& fault, Read read) {
  if (!v.isArray()) return noteType(fault, QStringLiteral("data"), v, Expected::List);
  const QJsonArray items = v.toArray();
  for (qsizetype i = 0; i < items.size(); ++i) {
    Record r(items.at(i), fault);
    read(r, static_cast<int>(i));
    if (fault) {
      fault.entry = static_cast<int>(i);
      return;
    }
  }
}

// The texts of the list under `key`.
QStringList textList(Record& r, const char* key) {
  QStringList out;
  const std::optional<QJsonArray> items = listAt(r, key);
  if (!items) return out;
  for (qsizetype i = 0; i < items->size() && !r.fault; ++i) {
    out.append(checkedText(items->at(i), QAnyStringView(), r.fault));
    if (r.fault) r.fault.key = indexed(QLatin1StringView(key), QString::number(i)) + r.fault.key;
  }
  return out;
}

// The object under `key`, a map from hand class to a value read by
// `read(position, combos, value, keyOfValue)`.
template <class Read>
void classMap(Record& r, const char* key, Read read) {
  if (r.fault || !present(r, key)) return;
  const QJsonValue v = r.value(key);
  if (!v.isObject()) return noteType(r.fault, QLatin1StringView(key), v, Expected::Object);
  const QJsonObject map = v.toObject();
  for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
    const int combos = handClassCombos(it.key());
    if (combos == 0) return noteType(r.fault, QLatin1StringView(key), QJsonValue(it.key()), Expected::HandClass);
    const QString k = indexed(QLatin1StringView(key), it.key());
    read(velmora_app::hand_class_index(it.key().toStdString()), combos, it.value(), k);
    if (r.fault) return;
  }
}

template <class Table>
std::shared_ptr<const Table> unlessFaulty(std::shared_ptr<Table> table, const Fault& fault) {
  return fault ? nullptr : std::shared_ptr<const Table>(std::move(table));
}

}  // namespace

std::shared_ptr<const results::StrategyTable> handStrategy(const QJsonValue& v, Fault& fault) {
  if (!v.isObject()) {
    noteType(fault, QStringLiteral("data"), v, Expected::Object);
    return nullptr;
  }
  Record r(v, fault);
  auto t = std::make_shared<results::StrategyTable>();
  t->actionNames = textList(r, "actionNames");
  t->actions = static_cast<int>(t->actionNames.size());
  t->probabilities.assign(static_cast<std::size_t>(results::kClassCount * t->actions), 0.0f);
  classMap(r, "actionProbs", [&](int c, int, const QJsonValue& row, const QString& key) {
    if (!row.isArray()) return noteType(fault, key, row, Expected::List);
    std::vector<float> p;
    int count = t->actions;
    appendNumbers(row.toArray(), key, 0.0, 1.0, false, count, p, fault);
    checkSum(p.data(), count, key, fault);
    if (fault) return;
    std::copy(p.begin(), p.end(), t->probabilities.begin() + c * t->actions);
    t->probed.set(static_cast<std::size_t>(c));
  });
  t->actionTypes = textList(r, "actionTypeList");
  classMap(r, "dominantActionTypes", [&](int c, int, const QJsonValue& text, const QString& key) {
    const QString type = checkedText(text, key, fault);
    qsizetype index = t->dominantTexts.indexOf(type);
    if (index < 0) {
      index = t->dominantTexts.size();
      t->dominantTexts.append(type);
    }
    t->dominant[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(index);
    t->dominated.set(static_cast<std::size_t>(c));
  });
  classMap(r, "weights", [&](int c, int combos, const QJsonValue& weight, const QString& key) {
    t->weights[static_cast<std::size_t>(c)] = static_cast<float>(checkedNumber(weight, key, 0.0, combos, false, fault));
    t->weighted.set(static_cast<std::size_t>(c));
  });
  return unlessFaulty(std::move(t), fault);
}

std::shared_ptr<const results::ActionStatsTable> actionStats(const QJsonValue& v, Fault& fault) {
  auto t = std::make_shared<results::ActionStatsTable>();
  rows(v, fault, [&](Record& r, int) {
    results::ActionStatsRow row;
    row.actionType = r.text("actionType", true);
    row.combos = r.number("combos", 0.0, kAllCombos, 0.0, false, true);
    row.equity = r.number("equity", 0.0, 1.0, 0.0, true, true);
    row.ev = r.figure("ev", true);
    row.frequency = static_cast<float>(r.share("frequency", true));
    row.name = r.text("name", true);
    t->rows.push_back(std::move(row));
  });
  return unlessFaulty(std::move(t), fault);
}

std::shared_ptr<const results::CombosTable> handCombos(const QJsonValue& v, Fault& fault) {
  auto t = std::make_shared<results::CombosTable>();
  int actions = -1;  // the first row's
  std::bitset<52 * 52> seen;
  rows(v, fault, [&](Record& r, int) {
    const results::ComboCards cards = comboCards(r, seen);
    const double weight = r.number("weight", 0.0, 1.0, 0.0, false, true);
    const double ev = r.figure("ev", true);
    probabilities(r, "actionProbs", actions, t->actionProbs);
    if (const std::optional<QJsonArray> evs = listAt(r, "actionEvs"); evs && !r.fault) {
      appendNumbers(*evs, QStringLiteral("actionEvs"), -kFigure, kFigure, true, actions, t->actionEvs, fault);
    }
    std::uint32_t tags = 0;
    const QStringList texts = textList(r, "buckets");
    for (qsizetype i = 0; i < texts.size() && !fault; ++i) {
      const int tag = results::tagIndex(texts.at(i));
      if (tag < 0) {
        noteType(fault, indexed(QStringLiteral("buckets"), QString::number(i)), QJsonValue(texts.at(i)),
                 Expected::HandCategory);
      }
      tags |= 1u << std::max(tag, 0);
    }
    if (fault) return;
    t->cards.push_back(cards);
    t->weights.push_back(weight);
    t->evs.push_back(ev);
    t->tags.push_back(tags);
  });
  t->actions = std::max(actions, 0);
  return unlessFaulty(std::move(t), fault);
}

std::shared_ptr<const results::BucketsTable> handBuckets(const QJsonValue& v, Fault& fault) {
  auto t = std::make_shared<results::BucketsTable>();
  int actions = -1;
  rows(v, fault, [&](Record& r, int) {
    const double combos = r.number("combos", 0.0, kAllCombos, 0.0, false, true);
    // The solver's own names, as it writes them.
    const int bucket = results::bucketPosition(r.text("name", true));
    if (!fault && bucket < 0) noteType(fault, QStringLiteral("name"), r.value("name"), Expected::HandCategory);
    probabilities(r, "actionProbs", actions, t->actionProbs);
    if (fault) return;
    t->names.push_back(static_cast<std::uint8_t>(bucket));
    t->combos.push_back(combos);
  });
  t->actions = std::max(actions, 0);
  return unlessFaulty(std::move(t), fault);
}

std::shared_ptr<const results::SeatCombosTable> seatHandCombos(const QJsonValue& v, Fault& fault) {
  auto t = std::make_shared<results::SeatCombosTable>();
  std::bitset<52 * 52> seen;
  rows(v, fault, [&](Record& r, int) {
    const results::ComboCards cards = comboCards(r, seen);
    const double weight = r.number("weight", 0.0, 1.0, 0.0, false, true);
    if (fault) return;
    t->cards.push_back(cards);
    t->weights.push_back(weight);
  });
  return unlessFaulty(std::move(t), fault);
}

}  // namespace project_file
