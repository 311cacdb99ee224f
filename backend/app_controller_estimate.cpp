// Memory estimate: each request runs on a thread of its own; a newer request
// cancels the older one, and only the newest request may publish its answer.
// The figure published is what the spot needs in all: the solve, and what
// follows it here (solve_room.h).
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>

#include <exception>
#include <limits>
#include <string>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "backend/shown_text.h"
#include "session/memory_estimate.h"
#include "session/normalizers.h"
#include "session/solve_inputs.h"
#include "session/threads.h"

using app_controller_detail::emDash;
using app_controller_detail::fromStd;

namespace {

// Counting stops past the machine's whole memory (or a terabyte when that is
// unknown): such a spot can never be solved here.
constexpr quint64 kUnknownMemoryLimit = quint64(1) << 40;

// The card context's refusal of a range the board leaves without a pocket.
constexpr char kRangeEmptiedByBoard[] = "Player range empty after filtering board cards";

}  // namespace

// What an estimate found, kept in parts so that the line can be worded again
// in a newly chosen language.
struct AppController::MemoryLine {
  bool exceedsLimit = false;
  std::optional<velmora_app::SizeTokenFault> sizeFault;
  int emptiedSeat = -1;  // a seat whose range the board leaves empty
  QString rangeText;     // that seat's range as typed
  QString fixedText;     // any other answer, shown as it is (in the solver's words)
};

QString AppController::emptiedRangeText(int seat, const QString& rangeText) {
  const QString text = seat == 0 ? tr("OOP range: no hand of '%1' is left once the board's cards are removed")
                                 : tr("IP range: no hand of '%1' is left once the board's cards are removed");
  return text.arg(shown_text::piece(rangeText));
}

QString AppController::memoryLineText(quint64 bytes, const MemoryLine* line) {
  if (line == nullptr) return bytes != 0 ? formatMemoryBytes(bytes) : emDash();
  if (!line->fixedText.isEmpty()) return line->fixedText;
  if (bytes != 0) {
    const QString figure = formatMemoryBytes(bytes);
    return line->exceedsLimit ? tr("More than %1").arg(figure) : figure;
  }
  if (line->sizeFault) return sizeTokenErrorText(*line->sizeFault);
  if (line->emptiedSeat >= 0) return emptiedRangeText(line->emptiedSeat, line->rangeText);
  return emDash();
}

bool AppController::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance()) {
    if (m_statusWording) showStatusText(m_statusWording());
    showRequiredFigure();
  }
  return QObject::eventFilter(watched, event);
}

QString AppController::sizeTokenErrorText(const velmora_app::SizeTokenFault& fault) {
  const QString token = shown_text::piece(fromStd(fault.token));
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
    requestEstimate(cfg, EstimateFor::Line);
  } catch (const std::exception& e) {
    qWarning() << "requestSolveMemoryEstimate failed:" << e.what();
  } catch (...) {
    qWarning() << "requestSolveMemoryEstimate failed";
  }
}

quint64 AppController::requestEstimate(const QVariantMap& cfg, EstimateFor use) {
  const quint64 generation = ++m_estimateRequestCount;
  if (use == EstimateFor::Line) {
    m_memoryEstimateGeneration = generation;
    m_estimateInputs = buildSolveConfigFrom(cfg, nullptr, m_systemThreadCount);
  }

  auto request = std::make_shared<EstimateRequest>();
  request->generation = generation;
  request->cfg = cfg;
  request->limitBytes = m_systemMemoryBytes != 0 ? m_systemMemoryBytes : kUnknownMemoryLimit;
  request->maxThreads = m_systemThreadCount;

  std::shared_ptr<EstimateGate> gate = m_estimateGate;
  {
    std::lock_guard<std::mutex> lock(gate->mutex);
    std::shared_ptr<EstimateRequest>& replaced = use == EstimateFor::Line ? gate->newest : gate->forStart;
    // A superseded request stops, unless a start waits for its figure.
    const quint64 awaited = m_pendingStart ? m_pendingStart->estimateGeneration : 0;
    if (replaced && replaced->generation != awaited) replaced->cancel.store(true);
    replaced = request;
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
  solve_room::Need need;  // no figure: nothing needed that is known
  std::shared_ptr<MemoryLine> line;  // none: the line shows no figure
  try {
    line = std::make_shared<MemoryLine>();
    // No locks: the lock table belongs to the GUI thread.
    const velmora_app::SolveConfig config = buildSolveConfigFrom(request->cfg, nullptr, request->maxThreads);
    velmora_app::EstimateOptions options;
    options.cancel = &request->cancel;
    options.limit_bytes = request->limitBytes;
    std::optional<velmora_app::SizeTokenFault> sizeFault;
    options.size_fault = &sizeFault;
    std::string error;
    const std::optional<velmora_app::SolveMemoryEstimate> estimate =
        velmora_app::estimate_solve_memory(config, &error, options);
    if (estimate && estimate->total_bytes != 0) {
      need = solve_room::needOf(*estimate, config.thread_count);
      // What follows the solve may take the figure past the limit too.
      line->exceedsLimit = estimate->exceeds_limit || need.totalBytes() > request->limitBytes;
      if (line->exceedsLimit) need = solve_room::Need{request->limitBytes};
    } else if (sizeFault) {
      // The parser's own text may be an internal dump: the line names the
      // field and the token instead.
      line->sizeFault = std::move(sizeFault);
    } else if (error == kRangeEmptiedByBoard &&
               (line->emptiedSeat = velmora_app::seat_emptied_by_board(config)) >= 0) {
      line->rangeText = fromStd(line->emptiedSeat == 0 ? config.oop_range : config.ip_range);
    } else if (!error.empty()) {
      line->fixedText = shown_text::escaped(fromStd(error));
    }
  } catch (...) {
    need = solve_room::Need();
    line.reset();
  }

  std::lock_guard<std::mutex> lock(gate->mutex);
  // A cancelled request has nothing to tell.
  if (AppController* target = gate->target; target != nullptr && !request->cancel.load()) {
    const quint64 generation = request->generation;
    QMetaObject::invokeMethod(
        target, [target, generation, need, line]() { target->deliverMemoryLine(generation, need, line); },
        Qt::QueuedConnection);
  }
  if (gate->newest == request) gate->newest.reset();
  if (gate->forStart == request) gate->forStart.reset();
  --gate->active;
  gate->idle.notify_all();
}

void AppController::cancelStartEstimate() {
  std::lock_guard<std::mutex> lock(m_estimateGate->mutex);
  if (m_estimateGate->forStart) m_estimateGate->forStart->cancel.store(true);
}

void AppController::deliverMemoryEstimate(quint64 generation, quint64 bytes, const QString& text) {
  auto line = std::make_shared<MemoryLine>();
  line->fixedText = text;
  solve_room::Need need;
  need.solveBytes = bytes;
  deliverMemoryLine(generation, need, std::move(line));
}

quint64 AppController::requiredFigure(const solve_room::Need& need) const {
  return solve_room::requiredBytes(need, m_systemAvailableMemoryBytes, m_addressSpaceRoomBytes);
}

void AppController::showRequiredFigure() {
  if (const bool forProgram = memoryBoundIsProgramsFor(m_solveNeed); forProgram != m_memoryLimitedForProgram) {
    m_memoryLimitedForProgram = forProgram;
    emit systemMemoryChanged();
  }
  const quint64 bytes = requiredFigure(m_solveNeed);
  const QString text = memoryLineText(bytes, m_memoryLine.get());
  if (bytes == m_solveRequiredMemoryBytes && text == m_solveRequiredMemoryText) return;
  m_solveRequiredMemoryBytes = bytes;
  m_solveRequiredMemoryText = text;
  emit solveRequiredMemoryChanged();
}

void AppController::deliverMemoryLine(quint64 generation, const solve_room::Need& need,
                                      std::shared_ptr<const MemoryLine> line) {
  // A start waiting for this figure takes it even when a newer request
  // (an edit made meanwhile) keeps it from being published. Only the newest
  // request for the memory line is published: a start's own estimate of
  // another spot never replaces what the line tells of the spot shown.
  const bool awaited = m_pendingStart && m_pendingStart->estimateGeneration == generation;
  if (awaited) {
    m_pendingStart->need = need;
    m_pendingStart->estimateGeneration = 0;
  }
  if (generation == m_memoryEstimateGeneration.load()) {
    m_publishedEstimateGeneration = generation;
    m_solveNeed = need;
    m_memoryLine = std::move(line);
    showRequiredFigure();
  }
  if (awaited) continuePendingStart();
}
