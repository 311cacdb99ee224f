// The latest start as the Solve page tells it: under way, or how it ended
// and how far it got. A start that is refused, fails or is cancelled ends
// with the share and the iterations it reached, so nothing of an earlier
// run (or of a result still on show) reads as this one's.
#include "backend/app_controller.h"

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
  m_lastRunOutcome = RunOutcome::Running;
  emit lastRunOutcomeChanged();
}

void AppController::endRun(RunOutcome outcome, int iterations) {
  if (outcome == m_lastRunOutcome && iterations == m_lastRunIterations) return;
  m_lastRunOutcome = outcome;
  m_lastRunIterations = outcome == RunOutcome::Running ? 0 : iterations;
  emit lastRunOutcomeChanged();
}
