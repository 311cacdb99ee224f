// Memory estimate: each request runs on a thread of its own; only the newest
// request may publish its answer.
#include <QDebug>

#include <exception>
#include <string>
#include <thread>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "session/memory_estimate.h"

using app_controller_detail::emDash;
using app_controller_detail::fromStd;

void AppController::requestSolveMemoryEstimate(const QVariantMap& cfg) {
  try {
    const quint64 generation = ++m_memoryEstimateGeneration;
    std::shared_ptr<EstimateGate> gate = m_estimateGate;
    {
      std::lock_guard<std::mutex> lock(gate->mutex);
      ++gate->active;
    }
    try {
      std::thread(&AppController::runSolveMemoryEstimate, gate, generation, cfg).detach();
    } catch (const std::exception& e) {
      // The request is lost; the last published estimate stays.
      {
        std::lock_guard<std::mutex> lock(gate->mutex);
        --gate->active;
      }
      gate->idle.notify_all();
      qWarning() << "requestSolveMemoryEstimate: could not start the estimate thread:" << e.what();
    }
  } catch (const std::exception& e) {
    qWarning() << "requestSolveMemoryEstimate failed:" << e.what();
  } catch (...) {
    qWarning() << "requestSolveMemoryEstimate failed";
  }
}

void AppController::runSolveMemoryEstimate(std::shared_ptr<EstimateGate> gate, quint64 generation, QVariantMap cfg) {
  quint64 bytes = 0;
  QString text = emDash();
  try {
    // No locks: the lock table belongs to the GUI thread.
    const velmora_app::SolveConfig config = buildSolveConfigFrom(cfg, nullptr);
    std::string error;
    const std::optional<velmora_app::SolveMemoryEstimate> estimate = velmora_app::estimate_solve_memory(config, &error);
    if (estimate && estimate->total_bytes != 0) {
      bytes = estimate->total_bytes;
      text = formatMemoryBytes(bytes);
    } else if (!error.empty()) {
      text = fromStd(error);
    }
  } catch (...) {
    bytes = 0;
    text = emDash();
  }

  std::lock_guard<std::mutex> lock(gate->mutex);
  if (AppController* target = gate->target) {
    QMetaObject::invokeMethod(
        target, [target, generation, bytes, text]() { target->deliverMemoryEstimate(generation, bytes, text); },
        Qt::QueuedConnection);
  }
  --gate->active;
  gate->idle.notify_all();
}

void AppController::deliverMemoryEstimate(quint64 generation, quint64 bytes, const QString& text) {
  if (generation != m_memoryEstimateGeneration.load()) return;
  if (bytes == m_solveRequiredMemoryBytes && text == m_solveRequiredMemoryText) return;
  m_solveRequiredMemoryBytes = bytes;
  m_solveRequiredMemoryText = text;
  emit solveRequiredMemoryChanged();
}
