// Usage statistics kept in the per-user settings: play-against-the-solution
// training counters (all time and per day) and solve activity per day. Each
// record is written through at once; one that does not reach the file is
// told through settingsWriteFailed.
#include <QDebug>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <exception>

#include "backend/app_controller.h"
#include "backend/settings_store.h"

namespace {

const QString kTrainingTotalPrefix = QStringLiteral("playVsSolution/total/");

}  // namespace

QString AppController::playVsSolutionDayPrefix(const QDate& date) {
  return QStringLiteral("playVsSolution/%1/").arg(date.toString(Qt::ISODate));
}

QString AppController::solveActivityDayPrefix(const QDate& date) {
  return QStringLiteral("solveActivity/%1/").arg(date.toString(Qt::ISODate));
}

// ---------------------------------------------------------------------------
// Training

void AppController::addPlayVsSolutionHand(const QSettings& settings, const QString& prefix, bool isMistake,
                                          double evLoss, QVariantMap& values) {
  const int hands = settings.value(prefix + QStringLiteral("hands"), 0).toInt();
  const int mistakes = settings.value(prefix + QStringLiteral("mistakes"), 0).toInt();
  const double evLossSum = settings.value(prefix + QStringLiteral("evLossSum"), 0.0).toDouble();
  values.insert(prefix + QStringLiteral("hands"), hands + 1);
  values.insert(prefix + QStringLiteral("mistakes"), isMistake ? mistakes + 1 : mistakes);
  values.insert(prefix + QStringLiteral("evLossSum"), evLossSum + evLoss);
}

QVariantMap AppController::readPlayVsSolutionStats(const QString& prefix) {
  QSettings settings;
  const int hands = settings.value(prefix + QStringLiteral("hands"), 0).toInt();
  const int mistakes = settings.value(prefix + QStringLiteral("mistakes"), 0).toInt();
  const double evLossSum = settings.value(prefix + QStringLiteral("evLossSum"), 0.0).toDouble();
  QVariantMap out;
  out.insert(QStringLiteral("hands"), hands);
  out.insert(QStringLiteral("mistakes"), mistakes);
  out.insert(QStringLiteral("accuracyPct"),
             hands > 0 ? static_cast<double>(std::max(0, hands - mistakes)) / hands * 100.0 : 0.0);
  out.insert(QStringLiteral("avgEvLoss"), hands >= 1 ? evLossSum / hands : 0.0);
  return out;
}

void AppController::recordPlayVsSolutionHand(bool isMistake, double evLoss) {
  try {
    const double loss = (std::isfinite(evLoss) && evLoss > 0.0) ? evLoss : 0.0;
    const bool mistake = isMistake || loss > 0.0;
    QVariantMap values;
    {
      const QSettings settings;
      addPlayVsSolutionHand(settings, kTrainingTotalPrefix, mistake, loss, values);
      addPlayVsSolutionHand(settings, playVsSolutionDayPrefix(QDate::currentDate()), mistake, loss, values);
    }
    const QVariantMap status = settings_store::writeStatus(values, QStringLiteral("trainingStats"));
    emit playVsSolutionStatsChanged();
    if (!settings_store::isOk(status)) emit settingsWriteFailed(status);
  } catch (const std::exception& e) {
    qWarning() << "recordPlayVsSolutionHand failed:" << e.what();
  } catch (...) {
    qWarning() << "recordPlayVsSolutionHand failed";
  }
}

QVariantMap AppController::playVsSolutionStats() const {
  QVariantMap out;
  try {
    const QVariantMap total = readPlayVsSolutionStats(kTrainingTotalPrefix);
    const QVariantMap day = readPlayVsSolutionStats(playVsSolutionDayPrefix(QDate::currentDate()));
    out.insert(QStringLiteral("totalHands"), total.value(QStringLiteral("hands")));
    out.insert(QStringLiteral("totalMistakes"), total.value(QStringLiteral("mistakes")));
    out.insert(QStringLiteral("totalAccuracyPct"), total.value(QStringLiteral("accuracyPct")));
    out.insert(QStringLiteral("totalAvgEvLoss"), total.value(QStringLiteral("avgEvLoss")));
    out.insert(QStringLiteral("todayHands"), day.value(QStringLiteral("hands")));
    out.insert(QStringLiteral("todayMistakes"), day.value(QStringLiteral("mistakes")));
    out.insert(QStringLiteral("todayAccuracyPct"), day.value(QStringLiteral("accuracyPct")));
    out.insert(QStringLiteral("todayAvgEvLoss"), day.value(QStringLiteral("avgEvLoss")));
  } catch (...) {
    qWarning() << "playVsSolutionStats failed";
  }
  return out;
}

void AppController::clearPlayVsSolutionStats() {
  try {
    // An invalid value removes the key and everything below it.
    const QVariantMap status =
        settings_store::writeStatus({{QStringLiteral("playVsSolution"), QVariant()}}, QStringLiteral("trainingStats"));
    emit playVsSolutionStatsChanged();
    if (!settings_store::isOk(status)) emit settingsWriteFailed(status);
  } catch (...) {
    qWarning() << "clearPlayVsSolutionStats failed";
  }
}

// ---------------------------------------------------------------------------
// Solve activity

void AppController::recordSolveActivity(int iterations, double exploitability) {
  QVariantMap values;
  {
    const QSettings settings;
    const QString prefix = solveActivityDayPrefix(QDate::currentDate());
    const int solves = settings.value(prefix + QStringLiteral("solves"), 0).toInt();
    const qint64 iterationsSum = settings.value(prefix + QStringLiteral("iterationsSum"), 0).toLongLong();
    const double exploitabilitySum = settings.value(prefix + QStringLiteral("exploitabilitySum"), 0.0).toDouble();
    values.insert(prefix + QStringLiteral("solves"), solves + 1);
    values.insert(prefix + QStringLiteral("iterationsSum"), iterationsSum + (iterations < 1 ? 0 : iterations));
    // A non-finite figure would turn the day's sum into NaN for good; it adds nothing.
    values.insert(prefix + QStringLiteral("exploitabilitySum"),
                  exploitabilitySum + (std::isfinite(exploitability) ? exploitability : 0.0));
  }
  const QVariantMap status = settings_store::writeStatus(values, QStringLiteral("solveActivity"));
  if (!settings_store::isOk(status)) emit settingsWriteFailed(status);
}

int AppController::solvesToday() const {
  try {
    QSettings settings;
    return settings.value(solveActivityDayPrefix(QDate::currentDate()) + QStringLiteral("solves"), 0).toInt();
  } catch (...) {
    return 0;
  }
}

QVariantList AppController::solveActivityGridLastYear() const {
  QVariantList cells;
  try {
    const QDate now = QDate::currentDate();
    const QDate last = now.addDays((7 - now.dayOfWeek()) % 7);  // Sunday on or after today
    const QDate first = last.addDays(-363);                      // a Monday, 52 weeks earlier

    for (int i = 1; i < first.dayOfWeek(); ++i) {
      QVariantMap pad;
      pad.insert(QStringLiteral("isPadding"), true);
      cells.append(pad);
    }
    QSettings settings;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
      const QString prefix = solveActivityDayPrefix(day);
      const int solves = settings.value(prefix + QStringLiteral("solves"), 0).toInt();
      const qint64 iterationsSum = settings.value(prefix + QStringLiteral("iterationsSum"), 0).toLongLong();
      const double exploitabilitySum = settings.value(prefix + QStringLiteral("exploitabilitySum"), 0.0).toDouble();
      QVariantMap cell;
      cell.insert(QStringLiteral("isPadding"), false);
      cell.insert(QStringLiteral("date"), day.toString(Qt::ISODate));
      cell.insert(QStringLiteral("isFuture"), day > now);
      cell.insert(QStringLiteral("solves"), solves);
      cell.insert(QStringLiteral("avgIterations"), solves > 0 ? static_cast<double>(iterationsSum) / solves : 0.0);
      cell.insert(QStringLiteral("avgExploitability"), solves > 0 ? exploitabilitySum / solves : 0.0);
      cells.append(cell);
    }
    const int trailing = (7 - (cells.size() % 7)) % 7;
    for (int i = 0; i < trailing; ++i) {
      QVariantMap pad;
      pad.insert(QStringLiteral("isPadding"), true);
      cells.append(pad);
    }
  } catch (...) {
    qWarning() << "solveActivityGridLastYear failed";
    cells.clear();
  }
  return cells;
}
