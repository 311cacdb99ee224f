// Memory estimate: each request runs on a thread of its own; a newer request
// cancels the older one, and only the newest request may publish its answer.
#include <QCoreApplication>
#include <QDebug>

#include <exception>
#include <limits>
#include <string>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "session/threads.h"
#include "session/memory_estimate.h"

using app_controller_detail::emDash;
using app_controller_detail::fromStd;

namespace {

// Counting stops past the machine's whole memory (or a terabyte when that is
// unknown): such a spot can never be solved here.
constexpr quint64 kUnknownMemoryLimit = quint64(1) << 40;

// A token longer than this is cut in the memory line (a pasted text can be
// any length).
constexpr qsizetype kShownTokenLength = 24;

}  // namespace

QString AppController::sizeTokenErrorText(const velmora_app::SizeTokenFault& fault) {
  QString token = fromStd(fault.token);
  if (token.size() > kShownTokenLength) {
    qsizetype cut = kShownTokenLength - 1;
    if (token.at(cut - 1).isHighSurrogate()) --cut;
    token = token.left(cut) + QChar(0x2026);
  }
  const QString seat = fault.seat == 0 ? QStringLiteral("OOP") : QStringLiteral("IP");
  QString text;
  if (fault.street == "turn") {
    text = fault.raise ? tr("%1 turn raise sizes: '%2' is not a valid size")
                       : tr("%1 turn bet sizes: '%2' is not a valid size");
  } else if (fault.street == "river") {
    text = fault.raise ? tr("%1 river raise sizes: '%2' is not a valid size")
                       : tr("%1 river bet sizes: '%2' is not a valid size");
  } else {
    text = fault.raise ? tr("%1 flop raise sizes: '%2' is not a valid size")
                       : tr("%1 flop bet sizes: '%2' is not a valid size");
  }
  // One pass, so a "%1" typed in the token stays as typed.
  return text.arg(seat, token);
}

void AppController::requestSolveMemoryEstimate(const QVariantMap& cfg) {
  try {
    requestEstimate(cfg);
  } catch (const std::exception& e) {
    qWarning() << "requestSolveMemoryEstimate failed:" << e.what();
  } catch (...) {
    qWarning() << "requestSolveMemoryEstimate failed";
  }
}

quint64 AppController::requestEstimate(const QVariantMap& cfg) {
  const quint64 generation = ++m_memoryEstimateGeneration;
  m_estimateInputs = buildSolveConfigFrom(cfg, nullptr, m_systemThreadCount);

  auto request = std::make_shared<EstimateRequest>();
  request->generation = generation;
  request->cfg = cfg;
  request->limitBytes = m_systemMemoryBytes != 0 ? m_systemMemoryBytes : kUnknownMemoryLimit;

  std::shared_ptr<EstimateGate> gate = m_estimateGate;
  {
    std::lock_guard<std::mutex> lock(gate->mutex);
    // A superseded request stops, unless a start waits for its figure.
    const quint64 awaited = m_pendingStart ? m_pendingStart->estimateGeneration : 0;
    if (gate->newest && gate->newest->generation != awaited) gate->newest->cancel.store(true);
    gate->newest = request;
    ++gate->active;
  }
  try {
    velmora_app::Thread([gate, request] { runSolveMemoryEstimate(gate, request); }).detach();
  } catch (const std::exception& e) {
    {
      std::lock_guard<std::mutex> lock(gate->mutex);
      --gate->active;
    }
    gate->idle.notify_all();
    qWarning() << "requestSolveMemoryEstimate: could not start the estimate thread:" << e.what();
    // No figure will come: publish "unknown", so a start waiting for it goes on.
    deliverMemoryEstimate(generation, 0, emDash());
  }
  return generation;
}

void AppController::runSolveMemoryEstimate(std::shared_ptr<EstimateGate> gate, std::shared_ptr<EstimateRequest> request) {
  quint64 bytes = 0;
  QString text = emDash();
  try {
    // No locks: the lock table belongs to the GUI thread.
    const velmora_app::SolveConfig config = buildSolveConfigFrom(request->cfg, nullptr);
    velmora_app::EstimateOptions options;
    options.cancel = &request->cancel;
    options.limit_bytes = request->limitBytes;
    std::optional<velmora_app::SizeTokenFault> sizeFault;
    options.size_fault = &sizeFault;
    std::string error;
    const std::optional<velmora_app::SolveMemoryEstimate> estimate =
        velmora_app::estimate_solve_memory(config, &error, options);
    if (estimate && estimate->total_bytes != 0) {
      bytes = estimate->total_bytes;
      text = formatMemoryBytes(bytes);
      if (estimate->exceeds_limit) text = QCoreApplication::translate("AppController", "More than %1").arg(text);
    } else if (sizeFault) {
      // The parser's own text may be an internal dump: the line names the
      // field and the token instead.
      text = sizeTokenErrorText(*sizeFault);
    } else if (!error.empty()) {
      text = fromStd(error);
    }
  } catch (...) {
    bytes = 0;
    text = emDash();
  }

  std::lock_guard<std::mutex> lock(gate->mutex);
  // A cancelled request has nothing to tell.
  if (AppController* target = gate->target; target != nullptr && !request->cancel.load()) {
    const quint64 generation = request->generation;
    QMetaObject::invokeMethod(
        target, [target, generation, bytes, text]() { target->deliverMemoryEstimate(generation, bytes, text); },
        Qt::QueuedConnection);
  }
  if (gate->newest == request) gate->newest.reset();
  --gate->active;
  gate->idle.notify_all();
}

void AppController::deliverMemoryEstimate(quint64 generation, quint64 bytes, const QString& text) {
  // A start waiting for this figure takes it even when a newer request
  // (an edit made meanwhile) keeps it from being published.
  const bool awaited = m_pendingStart && m_pendingStart->estimateGeneration == generation;
  if (awaited) {
    m_pendingStart->requiredBytes = bytes;
    m_pendingStart->estimateGeneration = 0;
  }
  if (generation == m_memoryEstimateGeneration.load()) {
    m_publishedEstimateGeneration = generation;
    if (bytes != m_solveRequiredMemoryBytes || text != m_solveRequiredMemoryText) {
      m_solveRequiredMemoryBytes = bytes;
      m_solveRequiredMemoryText = text;
      emit solveRequiredMemoryChanged();
    }
  }
  if (awaited) continuePendingStart();
}
