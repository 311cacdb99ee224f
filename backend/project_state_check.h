// The numbers of a project file's project state checked against what the
// Setup page's own fields accept, so that an opened project never shows a
// value no one could have typed there (a starting pot of -100 would
// otherwise be taken as 0).
#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace project_file {

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

}  // namespace project_file
