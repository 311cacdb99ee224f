// Reading the values of a project file. A value of the wrong JSON type is
// read with Qt's variant conversions and never makes a load fail; values that
// would mislead a page or a solve are tamed on the way in: counts below 0
// read as 0, probabilities are clamped to [0, 1] (an action frequency written
// as null, at a node no hand reaches, reads as NaN), and figures that are not
// finite or beyond any pot this program can hold read as "no value" (NaN).
#pragma once

#include <QJsonValue>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

namespace project_file {

// Largest magnitude a chip figure may have: far beyond the pot of two
// 32-bit stacks, far below the absurd.
inline constexpr double kFigureLimit = 1e12;

QString text(const QJsonValue& v);
// The number a value stands for under Qt's variant conversions (numbers,
// numeric texts, booleans), or nothing.
std::optional<double> number(const QJsonValue& v);
bool flag(const QJsonValue& v);
// A whole number in int range (rounded as Qt rounds), or `fallback`.
int wholeNumber(const QJsonValue& v, int fallback);
// A whole number from 0 to the largest int; anything else reads as 0.
int count(const QJsonValue& v);
// A chip figure: missing or unreadable reads 0; null (how a figure without
// value is written), non-finite or beyond kFigureLimit reads NaN.
double figure(const QJsonValue& v);
// An action's frequency: a probability in [0, 1] (unreadable reads 0), or
// NaN for null, as a node no hand reaches is written.
double share(const QJsonValue& v);

// One record of each kind the file holds, with every key the pages read
// present and of its type; keys the writer never writes are dropped.
QVariantMap rootAction(const QJsonValue& v);
QVariantMap nodeMeta(const QJsonValue& v);
// The actions of one node; "childIndex" is kept as read, so the caller can
// check it against the tree (0 when missing).
QVariantList nodeActions(const QJsonValue& v);
QVariantMap handStrategy(const QJsonValue& v);
// The cached per-action, per-combo and per-bucket lists; entries that are
// not objects are left out.
QVariantList actionStats(const QJsonValue& v);
QVariantList handCombos(const QJsonValue& v);
QVariantList handBuckets(const QJsonValue& v);
QVariantList seatHandCombos(const QJsonValue& v);

// The last solve configuration map: its counts and amounts made sound (the
// thread count, iterations, pot and stack as counts; rake, target and jam
// thresholds as finite amounts from 0), every other value as stored.
QVariantMap solveConfig(const QJsonValue& v);

}  // namespace project_file
