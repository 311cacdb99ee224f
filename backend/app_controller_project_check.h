// Type check of a project file's JSON before anything of it is applied.
#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace project_check {

// The path of the first value whose JSON type does not fit the project file
// layout ("results.treeNodeMeta[3]"), or nothing when every present value
// fits. Missing values are fine: they read as empty or zero.
std::optional<QString> findTypeError(const QJsonObject& root);

}  // namespace project_check
