// The latest start as the Solve page tells it: under way, or how it ended
// and how far it got. A start that is refused, fails or is cancelled ends
// with the share and the iterations it reached, so nothing of an earlier
// run (or of a result still on show) reads as this one's.
#include "backend/app_controller.h"

#include <QDebug>

#include "session/memory_estimate.h"

QString AppController::lastRunOutcome() const {
  switch (m_lastRunOutcome) {
    case RunOutcome::None: break;
    case RunOutcome::Running: return QStringLiteral("running");
    case RunOutcome::Done: return QStringLiteral("done");
    case RunOutcome::Cancelled: return QStringLiteral("cancelled");
    case RunOutcome::Failed: return QStringLiteral("failed");
  }
  return QString();
}

void AppController::beginRun() {
  setProgress(0.0);
  m_lastRunIterations = 0;
  m_lastRunTarget = 0.0;
  m_lastRunReachedTarget = false;
  m_lastRunOutcome = RunOutcome::Running;
  emit lastRunOutcomeChanged();
}

void AppController::endRun(RunOutcome outcome, int iterations, bool reachedTarget) {
  const bool done = outcome == RunOutcome::Done;
  const double target = done && m_runSpot ? static_cast<double>(m_runSpot->target_exploitability) : 0.0;
  reachedTarget = done && reachedTarget;
  if (outcome == m_lastRunOutcome && iterations == m_lastRunIterations && target == m_lastRunTarget &&
      reachedTarget == m_lastRunReachedTarget)
    return;
  m_lastRunOutcome = outcome;
  m_lastRunIterations = outcome == RunOutcome::Running ? 0 : iterations;
  m_lastRunTarget = target;
  m_lastRunReachedTarget = reachedTarget;
  emit lastRunOutcomeChanged();
}

void AppController::keepRunSpot(const velmora_app::SolveConfig& config) {
  m_runSpot = config;
  m_runSpot->node_locks.clear();
}

void AppController::keepLoadedResultSpot() {
  // The file keeps the configuration of its last start, which a start
  // refused after the solve may have replaced: it is the result's only
  // where it names the board, pot and rake the result itself was solved with.
  m_resultSpot.reset();
  if (m_resultIterations <= 0 || m_lastUiCfg.isEmpty()) return;
  velmora_app::SolveConfig spot = buildSolveConfigFrom(m_lastUiCfg, nullptr);
  const double rakeCap = spot.rake_cap > 0.0 ? spot.rake_cap : 0.0;
  const double rakePercent = spot.rake_percent > 0.0 ? spot.rake_percent : 0.0;
  if (QString::fromStdString(spot.board) != m_resultBoardText || spot.starting_pot != m_resultStartingPot ||
      rakePercent != m_resultRakePercent || rakeCap != m_resultRakeCap)
    return;
  m_resultSpot = std::move(spot);
}

QString AppController::resultSolvedFor(const QVariantMap& cfg) const {
  try {
    if (!m_resultSpot || m_resultIterations <= 0) return QString();
    const velmora_app::SolveConfig asked = buildSolveConfigFrom(cfg, nullptr);
    const bool same = velmora_app::same_memory_inputs(*m_resultSpot, asked) &&
                      m_resultSpot->target_exploitability == asked.target_exploitability;
    return same ? QStringLiteral("same") : QStringLiteral("other");
  } catch (...) {
    qWarning() << "resultSolvedFor failed";
    return QString();
  }
}
