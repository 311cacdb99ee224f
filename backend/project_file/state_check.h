// A project file's project state checked against what the shell's
// properties and the Setup page's own fields take, so that an opened project
// never shows a value no one could have typed there (a starting pot of -100
// would otherwise be taken as 0), nor keeps the previous project's value for
// one the shell cannot take (a starting pot of "abc", a board as a list).
#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

#include "backend/project_file/fault.h"

namespace project_file {

// The most chips the Setup page's Starting Pot and Effective Stack fields
// take: no spot the program solves for the user has more.
inline constexpr int kMostChips = 100000;
// The largest rake cap its Rake Cap field takes.
inline constexpr int kMostRakeCap = 1000000;

// A number of the project state outside its field's range: the key, the
// value as the file holds it, and the field's bounds.
struct ValueOutOfRange {
  QString key;
  double value = 0.0;
  double minimum = 0.0;
  double maximum = 0.0;
};

// The first number of `project` that its Setup field would not accept, in
// the order of the fields on the page, or nothing. Values are read as the
// shell reads them: JSON numbers and texts in plain decimal notation
// (whole-number fields rounded); any other value is left for the shell,
// which keeps its current value in its place. A starting pot or stack of 0
// is the state of a spot not set up yet and is accepted.
std::optional<ValueOutOfRange> valueOutOfRange(const QJsonObject& project);

// The first key of `project`, in the shell's order of its keys, whose value
// the shell's property does not take as it stands (an empty fault when
// there is none): texts as JSON strings, flags as booleans (or the texts
// "true" and "false"), the street as "flop", "turn" or "river", numbers as
// JSON numbers or texts in plain decimal notation (counts never below 0 and
// within 32 bits), and null only for a real number (how the program writes
// one that is not a number). Missing keys and keys the shell does not know
// are left alone.
Fault projectTypeFault(const QJsonObject& project);

}  // namespace project_file
