#include "backend/project_state_check.h"

#include <QJsonValue>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace project_file {
namespace {

struct FieldRange {
  const char* key;
  double minimum;
  double maximum;
  bool whole;        // an integer field: the value is rounded first
  bool blankAllowed; // 0 stands for a spot not set up yet
};

// The Game Settings card, then the jam thresholds of the two sizing cards.
// The same ranges as LIMITS in Velmora/qml/pages/project/profiles.js, which
// clamps what the page restores: a change here is made there too.
constexpr FieldRange kFields[] = {
    {"startingPot", 1, 100000, true, true},
    {"effectiveStack", 1, 100000, true, true},
    {"rakePercent", 0, 100, false, false},
    {"rakeCap", 0, 1000000, true, false},
    {"targetExploitability", 0, 100, false, false},
    {"oopAddAllInIfJamLtPct", 0, 1000, false, false},
    {"ipAddAllInIfJamLtPct", 0, 1000, false, false},
};

// A JSON number, or a text in plain decimal notation with a point.
std::optional<double> numberOf(const QJsonValue& v) {
  if (v.isDouble()) return v.toDouble();
  if (!v.isString()) return std::nullopt;
  static const QRegularExpression plain(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
  const QString text = v.toString().trimmed();
  if (!plain.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double d = text.toDouble(&ok);
  // A text too large for a double is out of every range.
  if (!ok) return text.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::infinity()
                                                    : std::numeric_limits<double>::infinity();
  return d;
}

}  // namespace

std::optional<ValueOutOfRange> valueOutOfRange(const QJsonObject& project) {
  for (const FieldRange& field : kFields) {
    const QString key = QString::fromLatin1(field.key);
    const std::optional<double> read = numberOf(project.value(key));
    if (!read) continue;
    const double v = field.whole && std::isfinite(*read) ? std::round(*read) : *read;
    if (field.blankAllowed && v == 0.0) continue;
    if (!(v >= field.minimum && v <= field.maximum)) {
      return ValueOutOfRange{key, *read, field.minimum, field.maximum};
    }
  }
  return std::nullopt;
}

}  // namespace project_file
