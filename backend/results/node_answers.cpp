// The solver's headers come before Qt's, whose "slots" keyword they use as a name.
#include "session/hand_categories.h"

#include "backend/results/node_answers.h"

#include <algorithm>
#include <numeric>

#include "session/action_labels.h"

namespace results {
namespace {

QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

template <class T>
std::size_t vectorBytes(const std::vector<T>& v) {
  return v.capacity() * sizeof(T);
}

std::size_t textBytes(const QStringList& texts) {
  std::size_t bytes = static_cast<std::size_t>(texts.capacity()) * sizeof(QString);
  for (const QString& t : texts) bytes += 32 + static_cast<std::size_t>(t.capacity()) * 2;
  return bytes;
}

// What one shared table costs beside its contents: the control block and
// the allocator's bookkeeping.
constexpr std::size_t kTableOverhead = 64;

template <class T>
std::size_t tableBytes(const std::shared_ptr<const T>& t, std::size_t contents) {
  return t ? kTableOverhead + sizeof(T) + contents : 0;
}

QVariantList floats(const float* values, int count) {
  QVariantList out;
  out.reserve(count);
  for (int i = 0; i < count; ++i) out.append(QVariant::fromValue(values[i]));
  return out;
}

QVariantList doubles(const double* values, int count) {
  QVariantList out;
  out.reserve(count);
  for (int i = 0; i < count; ++i) out.append(values[i]);
  return out;
}

QVariantList texts(const QStringList& values) {
  QVariantList out;
  out.reserve(values.size());
  for (const QString& v : values) out.append(v);
  return out;
}

QVariantMap cardsAndWeight(const ComboCards& cards, double weight) {
  static const QString c1 = QStringLiteral("c1"), c2 = QStringLiteral("c2"), w = QStringLiteral("weight");
  QVariantMap entry;
  entry.insert(c1, cardText(cards[0]));
  entry.insert(c2, cardText(cards[1]));
  entry.insert(w, weight);
  return entry;
}

// A solver row's cards; false for a text that is no card.
bool cardsOf(const velmora_app::HandComboRow& row, ComboCards& out) {
  const int a = velmora_app::card_code(row.card1);
  const int b = velmora_app::card_code(row.card2);
  if (a < 0 || b < 0) return false;
  out = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)};
  return true;
}

// `values` as exactly `count` entries: cut or padded with zeros.
template <class To, class From>
void appendFixed(std::vector<To>& out, const std::vector<From>& values, int count) {
  for (int i = 0; i < count; ++i) out.push_back(i < static_cast<int>(values.size()) ? static_cast<To>(values[i]) : To());
}

// The tags in ascending order, as a row lists them.
constexpr std::array<std::string_view, kTagCount> kComboTags = [] {
  std::array<std::string_view, kTagCount> out{};
  std::copy(velmora_app::kHandBuckets.begin(), velmora_app::kHandBuckets.end(), out.begin());
  out.back() = "pair";
  std::sort(out.begin(), out.end());
  return out;
}();
static_assert(kTagCount == velmora_app::kBucketCount + 1);
static_assert(std::adjacent_find(kComboTags.begin(), kComboTags.end()) == kComboTags.end());

QLatin1StringView latin1(std::string_view text) { return QLatin1StringView(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

static_assert(kBucketCount == velmora_app::kBucketCount);

QLatin1StringView bucketName(int position) { return latin1(velmora_app::kHandBuckets[static_cast<std::size_t>(position)]); }

QLatin1StringView tagName(int position) { return latin1(kComboTags[static_cast<std::size_t>(position)]); }

int bucketPosition(QStringView name) {
  for (int b = 0; b < kBucketCount; ++b) {
    if (name == bucketName(b)) return b;
  }
  return -1;
}

int tagIndex(QStringView text) {
  for (int t = 0; t < kTagCount; ++t) {
    if (text == tagName(t)) return t;
  }
  return -1;
}

QStringList tagTexts(std::uint32_t tags) {
  QStringList out;
  for (int t = 0; t < kTagCount; ++t) {
    if ((tags >> t & 1u) != 0) out.append(tagName(t));
  }
  return out;
}

QString cardText(std::uint8_t code) {
  static const std::array<QString, 52> texts = [] {
    std::array<QString, 52> out;
    for (int c = 0; c < 52; ++c) {
      const char text[2] = {"23456789TJQKA"[c / 4], "cdhs"[c % 4]};
      out[static_cast<std::size_t>(c)] = QString::fromLatin1(text, 2);
    }
    return out;
  }();
  return code < 52 ? texts[code] : QString();
}

const QString& classLabel(int position) {
  static const std::vector<QString> labels = [] {
    std::vector<QString> out;
    for (const std::string& name : velmora_app::hand_class_names()) out.push_back(fromStd(name));
    return out;
  }();
  return labels[static_cast<std::size_t>(position)];
}

const std::array<std::uint8_t, kClassCount>& classesInKeyOrder() {
  static const std::array<std::uint8_t, kClassCount> order = [] {
    std::array<std::uint8_t, kClassCount> out{};
    std::iota(out.begin(), out.end(), std::uint8_t{0});
    std::sort(out.begin(), out.end(), [](std::uint8_t a, std::uint8_t b) { return classLabel(a) < classLabel(b); });
    return out;
  }();
  return order;
}

void NodeAnswerTables::merge(const NodeAnswerTables& other) {
  if (other.strategy) strategy = other.strategy;
  if (other.stats) stats = other.stats;
  if (other.combos) combos = other.combos;
  if (other.buckets) buckets = other.buckets;
  for (std::size_t s = 0; s < seats.size(); ++s) {
    if (other.seats[s]) seats[s] = other.seats[s];
  }
}

std::size_t NodeAnswerTables::bytes() const {
  std::size_t b = 0;
  if (strategy) {
    b += tableBytes(strategy, textBytes(strategy->actionNames) + textBytes(strategy->actionTypes) +
                                  textBytes(strategy->dominantTexts) + vectorBytes(strategy->probabilities));
  }
  if (stats) {
    std::size_t rows = vectorBytes(stats->rows);
    for (const ActionStatsRow& r : stats->rows) rows += 64 + 2 * static_cast<std::size_t>(r.name.capacity() + r.actionType.capacity());
    b += tableBytes(stats, rows);
  }
  if (combos) {
    b += tableBytes(combos, vectorBytes(combos->cards) + vectorBytes(combos->weights) + vectorBytes(combos->evs) +
                                vectorBytes(combos->actionEvs) + vectorBytes(combos->actionProbs) +
                                vectorBytes(combos->tags));
  }
  if (buckets) {
    b += tableBytes(buckets, vectorBytes(buckets->names) + vectorBytes(buckets->combos) +
                                 vectorBytes(buckets->actionProbs));
  }
  for (const auto& seat : seats) {
    if (seat) b += tableBytes(seat, vectorBytes(seat->cards) + vectorBytes(seat->weights));
  }
  return b;
}

// ---------------------------------------------------------------------------
// From the solver's records

std::shared_ptr<const StrategyTable> strategyTable(const velmora_app::NodeHandStrategy& s,
                                                   const QStringList& actionTypes) {
  if (!s.ok) return nullptr;
  auto t = std::make_shared<StrategyTable>();
  for (const std::string& label : s.action_labels) t->actionNames.append(fromStd(label));
  t->actions = static_cast<int>(t->actionNames.size());
  t->actionTypes = actionTypes;
  const std::size_t classes = std::min({s.class_names.size(), s.class_weights.size(), s.dominant_keys.size()});
  for (std::size_t i = 0; i < classes; ++i) {
    const int c = velmora_app::hand_class_index(s.class_names[i]);
    if (c < 0) continue;
    t->weighted.set(static_cast<std::size_t>(c));
    t->weights[static_cast<std::size_t>(c)] = s.class_weights[i];
    const QString key = fromStd(s.dominant_keys[i]);
    qsizetype text = t->dominantTexts.indexOf(key);
    if (text < 0) {
      text = t->dominantTexts.size();
      t->dominantTexts.append(key);
    }
    t->dominated.set(static_cast<std::size_t>(c));
    t->dominant[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(text);
  }
  const std::size_t hands = s.class_names.size();
  const std::size_t actions = static_cast<std::size_t>(t->actions);
  t->probabilities.assign(static_cast<std::size_t>(kClassCount) * actions, 0.0f);
  if (actions > 0 && hands > 0 && s.probabilities.size() == actions * hands) {
    for (std::size_t h = 0; h < hands; ++h) {
      const int c = velmora_app::hand_class_index(s.class_names[h]);
      if (c < 0) continue;
      t->probed.set(static_cast<std::size_t>(c));
      std::copy_n(s.probabilities.begin() + static_cast<std::ptrdiff_t>(h * actions), actions,
                  t->probabilities.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(c) * actions));
    }
  }
  return t;
}

std::shared_ptr<const ActionStatsTable> actionStatsTable(const velmora_app::NodeActionStats& s) {
  if (!s.ok) return nullptr;
  auto t = std::make_shared<ActionStatsTable>();
  const std::size_t n =
      std::min({s.labels.size(), s.keys.size(), s.frequencies.size(), s.combos.size(), s.equities.size(), s.evs.size()});
  t->rows.reserve(n);
  for (std::size_t a = 0; a < n; ++a) {
    t->rows.push_back({fromStd(s.labels[a]), fromStd(s.keys[a]), s.frequencies[a], s.combos[a], s.equities[a], s.evs[a]});
  }
  return t;
}

std::shared_ptr<const CombosTable> combosTable(const velmora_app::NodeHandCombos& c) {
  if (!c.ok) return nullptr;
  auto t = std::make_shared<CombosTable>();
  t->actions = c.rows.empty() ? 0 : static_cast<int>(c.rows.front().action_probabilities.size());
  const std::size_t n = c.rows.size();
  const std::size_t perRow = n * static_cast<std::size_t>(t->actions);
  t->cards.reserve(n);
  t->weights.reserve(n);
  t->evs.reserve(n);
  t->tags.reserve(n);
  t->actionEvs.reserve(perRow);
  t->actionProbs.reserve(perRow);
  for (const velmora_app::HandComboRow& row : c.rows) {
    ComboCards cards{};
    if (!cardsOf(row, cards)) continue;
    t->cards.push_back(cards);
    t->weights.push_back(row.weight);
    t->evs.push_back(row.ev);
    appendFixed(t->actionEvs, row.action_evs, t->actions);
    appendFixed(t->actionProbs, row.action_probabilities, t->actions);
    std::uint32_t tags = 0;
    for (const std::string& tag : row.tags) {
      const int bit = tagIndex(fromStd(tag));
      if (bit >= 0) tags |= 1u << bit;
    }
    t->tags.push_back(tags);
  }
  return t;
}

std::shared_ptr<const BucketsTable> bucketsTable(const velmora_app::NodeHandBuckets& b) {
  if (!b.ok) return nullptr;
  auto t = std::make_shared<BucketsTable>();
  t->actions = b.rows.empty() ? 0 : static_cast<int>(b.rows.front().action_probabilities.size());
  for (const velmora_app::HandBucketRow& row : b.rows) {
    const int name = bucketPosition(fromStd(row.name));
    if (name < 0) continue;
    t->names.push_back(static_cast<std::uint8_t>(name));
    t->combos.push_back(row.combos);
    appendFixed(t->actionProbs, row.action_probabilities, t->actions);
  }
  return t;
}

std::shared_ptr<const SeatCombosTable> seatCombosTable(const velmora_app::NodeHandCombos& c) {
  if (!c.ok) return nullptr;
  auto t = std::make_shared<SeatCombosTable>();
  t->cards.reserve(c.rows.size());
  t->weights.reserve(c.rows.size());
  for (const velmora_app::HandComboRow& row : c.rows) {
    ComboCards cards{};
    if (!cardsOf(row, cards)) continue;
    t->cards.push_back(cards);
    t->weights.push_back(row.weight);
  }
  return t;
}

// ---------------------------------------------------------------------------
// The forms QML reads

QVariantMap toVariant(const StrategyTable& t) {
  QVariantMap weights;
  QVariantMap dominant;
  QVariantMap probs;
  for (int c = 0; c < kClassCount; ++c) {
    const auto bit = static_cast<std::size_t>(c);
    if (t.weighted[bit]) weights.insert(classLabel(c), QVariant::fromValue(t.weights[bit]));
    if (t.dominated[bit]) dominant.insert(classLabel(c), t.dominantTexts.value(t.dominant[bit]));
    if (t.probed[bit]) probs.insert(classLabel(c), floats(t.row(c), t.actions));
  }
  QVariantMap out;
  out.insert(QStringLiteral("weights"), weights);
  out.insert(QStringLiteral("dominantActionTypes"), dominant);
  out.insert(QStringLiteral("actionNames"), texts(t.actionNames));
  out.insert(QStringLiteral("actionTypeList"), texts(t.actionTypes));
  out.insert(QStringLiteral("actionProbs"), probs);
  return out;
}

QVariantList toVariant(const ActionStatsTable& t) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(t.rows.size()));
  for (const ActionStatsRow& r : t.rows) {
    QVariantMap entry;
    entry.insert(QStringLiteral("name"), r.name);
    entry.insert(QStringLiteral("actionType"), r.actionType);
    entry.insert(QStringLiteral("frequency"), QVariant::fromValue(r.frequency));
    entry.insert(QStringLiteral("combos"), r.combos);
    entry.insert(QStringLiteral("equity"), r.equity);
    entry.insert(QStringLiteral("ev"), r.ev);
    out.append(entry);
  }
  return out;
}

QVariantList toVariant(const CombosTable& t) {
  static const QString ev = QStringLiteral("ev"), actionEvs = QStringLiteral("actionEvs"),
                       buckets = QStringLiteral("buckets"), actionProbs = QStringLiteral("actionProbs");
  QVariantList out;
  out.reserve(t.rows());
  for (int r = 0; r < t.rows(); ++r) {
    const auto row = static_cast<std::size_t>(r);
    QVariantMap entry = cardsAndWeight(t.cards[row], t.weights[row]);
    entry.insert(ev, t.evs[row]);
    entry.insert(actionEvs, doubles(t.actionEvs.data() + r * t.actions, t.actions));
    entry.insert(buckets, texts(tagTexts(t.tags[row])));
    entry.insert(actionProbs, floats(t.actionProbs.data() + r * t.actions, t.actions));
    out.append(entry);
  }
  return out;
}

QVariantList toVariant(const BucketsTable& t) {
  QVariantList out;
  for (int r = 0; r < t.rows(); ++r) {
    const auto row = static_cast<std::size_t>(r);
    QVariantMap entry;
    entry.insert(QStringLiteral("name"), QString(bucketName(t.names[row])));
    entry.insert(QStringLiteral("combos"), t.combos[row]);
    entry.insert(QStringLiteral("actionProbs"), floats(t.actionProbs.data() + r * t.actions, t.actions));
    out.append(entry);
  }
  return out;
}

QVariantList toVariant(const SeatCombosTable& t) {
  QVariantList out;
  out.reserve(t.rows());
  for (int r = 0; r < t.rows(); ++r) {
    out.append(cardsAndWeight(t.cards[static_cast<std::size_t>(r)], t.weights[static_cast<std::size_t>(r)]));
  }
  return out;
}

}  // namespace results
