// Solve control: the solve configuration map turned into a native request,
// the readiness and memory checks, the start, the cancel, and the progress
// reports carried from the solve worker to the GUI thread.
#include <QDebug>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "backend/shown_text.h"
#include "backend/platform/system_info.h"
#include "session/memory_estimate.h"
#include "session/normalizers.h"
#include "session/solve_inputs.h"

using app_controller_detail::fromStd;
using app_controller_detail::toStd;
using velmora_app::same_memory_inputs;

namespace {

bool isRankChar(QChar ch) {
  static const QString ranks = QStringLiteral("AKQJT98765432");
  return ranks.contains(ch.toUpper());
}

// The twelve size keys, in the order the readiness check walks them.
const char* const kSizeKeys[] = {
    "oop_flop_bet_sizes",  "oop_flop_raise_sizes",  "oop_turn_bet_sizes",  "oop_turn_raise_sizes",
    "oop_river_bet_sizes", "oop_river_raise_sizes", "ip_flop_bet_sizes",   "ip_flop_raise_sizes",
    "ip_turn_bet_sizes",   "ip_turn_raise_sizes",   "ip_river_bet_sizes",  "ip_river_raise_sizes",
};

bool hasNonEmptyText(const QVariantMap& cfg, const char* key) {
  return !cfg.value(QString::fromLatin1(key)).toString().trimmed().isEmpty();
}

void readStreetSizing(const QVariantMap& cfg, velmora_app::StreetSizing& sizing, const QString& prefix) {
  sizing.bet_sizes = toStd(cfg.value(prefix + QStringLiteral("_bet_sizes")).toString());
  sizing.raise_sizes = toStd(cfg.value(prefix + QStringLiteral("_raise_sizes")).toString());
  sizing.add_all_in = cfg.value(prefix + QStringLiteral("_add_all_in"), false).toBool();
  sizing.dont_donk = cfg.value(prefix + QStringLiteral("_dont_donk"), false).toBool();
}

// How long a start waits for the previous worker to leave the session.
constexpr std::chrono::seconds kWorkerWait{10};

// Pot and stack in chips. A figure beyond what an int holds keeps its sign
// at the int's limit instead of wrapping, so the session refuses it.
int readChips(const QVariantMap& cfg, const QString& key) {
  const QVariant v = cfg.value(key, 100);
  bool ok = false;
  const double d = v.toDouble(&ok);
  if (ok && std::isnan(d)) return -1;
  if (ok && d >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (ok && d <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return v.toInt();
}

// The iteration budget of a configuration that names none.
constexpr unsigned kDefaultIterations = 2000;

// The iteration budget; 0 (refused) for anything that is not a number of at
// least 1. A budget beyond the largest one is the largest one.
std::uint32_t readIterations(const QVariantMap& cfg) {
  bool ok = false;
  const double d = cfg.value(QStringLiteral("max_iterations"), kDefaultIterations).toDouble(&ok);
  if (!ok || !(d >= 1.0)) return 0;
  if (d >= 4294967295.0) return std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(d);
}

// The thread count within 1 and `maxThreads` (no upper bound when 0).
std::uint64_t readThreads(const QVariantMap& cfg, int maxThreads) {
  bool ok = false;
  const double d = cfg.value(QStringLiteral("thread_count"), 1).toDouble(&ok);
  const double upper = maxThreads > 0 ? static_cast<double>(maxThreads) : 4096.0;
  if (!ok || !(d >= 1.0)) return 1;
  return static_cast<std::uint64_t>(std::min(std::floor(d), upper));
}

std::optional<double> readJamThreshold(const QVariantMap& cfg, const QString& seat) {
  if (!cfg.value(seat + QStringLiteral("_add_all_in_jam_threshold_enabled"), false).toBool()) return std::nullopt;
  return cfg.value(seat + QStringLiteral("_add_all_in_jam_threshold_pct"), 0.0).toDouble();
}

}  // namespace

// ---------------------------------------------------------------------------
// Map -> request

QString AppController::normalizeBoardText(const QString& text) {
  QString compact = text.simplified();
  compact.remove(QLatin1Char(' '));
  QString out;
  if (compact.size() < 2) return out;
  static const QString suits = QStringLiteral("shdc");
  for (qsizetype i = 0; i + 1 < compact.size(); i += 2) {
    const QChar rank = compact.at(i).toUpper();
    const QChar suit = compact.at(i + 1).toLower();
    if (!isRankChar(rank) || !suits.contains(suit)) continue;
    out.append(rank);
    out.append(suit);
  }
  return out;
}

bool AppController::rangeHasHand(const QString& text) const {
  try {
    const auto range = velmora_app::parse_range_or_percent(toStd(text));
    return std::any_of(range.begin(), range.end(), [](float weight) { return weight > 0.0f; });
  } catch (...) {
    return false;  // the solver would refuse the text as well
  }
}

namespace {

bool rangeTooLong(const QString& text) {
  return static_cast<std::size_t>(text.size()) > velmora_app::kMaxRangeTextLength;
}

QString tooLongText() {
  return AppController::tr("This text is too long for a range: a range text holds at most %1 characters")
      .arg(QString::number(velmora_app::kMaxRangeTextLength));
}

// The whole iterations a run reached, as the window counts them.
int reachedIterations(const velmora_app::SolveResult& result) {
  return static_cast<int>(std::min<std::uint32_t>(result.iterations, 0x7fffffffu));
}

}  // namespace

QString AppController::rangeTooLongError(const QString& oopRange, const QString& ipRange) {
  if (rangeTooLong(oopRange)) return tr("OOP range: %1").arg(tooLongText());
  if (rangeTooLong(ipRange)) return tr("IP range: %1").arg(tooLongText());
  return QString();
}

QString AppController::rangeTextError(const QString& text) const {
  if (rangeTooLong(text)) return tooLongText();
  const auto reads = [](const QString& piece) {
    try {
      velmora_app::parse_range_or_percent(toStd(piece));
      return true;
    } catch (...) {
      return false;
    }
  };
  if (reads(text)) return QString();
  // The first piece between commas that does not read alone; the whole text
  // when each piece reads but not all of them together ("AA, 50%").
  QString piece = text.trimmed();
  for (const QString& part : text.split(QLatin1Char(','))) {
    if (!part.trimmed().isEmpty() && !reads(part)) {
      piece = part.trimmed();
      break;
    }
  }
  return tr("'%1' is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%")
      .arg(shown_text::piece(piece));
}

int AppController::graphemeCount(const QString& text) const noexcept {
  return static_cast<int>(std::min<qsizetype>(shown_text::graphemeCount(text), std::numeric_limits<int>::max()));
}

velmora_app::SolveConfig AppController::buildSolveConfigFrom(const QVariantMap& cfg, const NodeLockTable* locks,
                                                          int maxThreads) {
  velmora_app::SolveConfig config;
  config.board = toStd(normalizeBoardText(cfg.value(QStringLiteral("board")).toString()));
  config.starting_pot = readChips(cfg, QStringLiteral("starting_pot"));
  config.effective_stack = readChips(cfg, QStringLiteral("effective_stack"));
  config.rake_percent = cfg.value(QStringLiteral("rake_percent"), 0.0).toDouble();
  config.rake_cap = cfg.value(QStringLiteral("rake_cap"), 0.0).toDouble();
  config.starting_street = toStd(cfg.value(QStringLiteral("starting_street"), QStringLiteral("flop")).toString());
  config.max_iterations = readIterations(cfg);
  config.target_exploitability = static_cast<float>(cfg.value(QStringLiteral("target_exploitability"), 0.1).toDouble());
  config.thread_count = readThreads(cfg, maxThreads);
  config.compress = false;
  config.oop_range = toStd(cfg.value(QStringLiteral("oop_range")).toString());
  config.ip_range = toStd(cfg.value(QStringLiteral("ip_range")).toString());
  readStreetSizing(cfg, config.oop_flop, QStringLiteral("oop_flop"));
  readStreetSizing(cfg, config.oop_turn, QStringLiteral("oop_turn"));
  readStreetSizing(cfg, config.oop_river, QStringLiteral("oop_river"));
  readStreetSizing(cfg, config.ip_flop, QStringLiteral("ip_flop"));
  readStreetSizing(cfg, config.ip_turn, QStringLiteral("ip_turn"));
  readStreetSizing(cfg, config.ip_river, QStringLiteral("ip_river"));
  config.oop_jam_threshold_pct = readJamThreshold(cfg, QStringLiteral("oop"));
  config.ip_jam_threshold_pct = readJamThreshold(cfg, QStringLiteral("ip"));

  if (locks) {
    for (auto node = locks->cbegin(); node != locks->cend(); ++node) {
      if (node.key() < 0) continue;
      for (auto hand = node.value().cbegin(); hand != node.value().cend(); ++hand) {
        if (hand.value().actionIndex < 0) continue;
        velmora_app::NodeLock lock;
        lock.node = node.key();
        lock.hand = hand.key().toStdString();
        lock.action = hand.value().actionIndex;
        lock.probability = static_cast<float>(std::clamp(hand.value().actionProb, 0.0, 1.0));
        config.node_locks.push_back(std::move(lock));
      }
    }
  }
  return config;
}

velmora_app::SolveConfig AppController::buildSolveConfig(const QVariantMap& cfg, bool applyLocks) const {
  return buildSolveConfigFrom(cfg, applyLocks ? &m_nodeLockTable : nullptr, m_systemThreadCount);
}

// ---------------------------------------------------------------------------
// Start and cancel

void AppController::startSolve() { startSolveWithConfig(QVariantMap()); }

void AppController::startSolveWithConfig(const QVariantMap& cfg) {
  // A live run refuses; one that was asked to stop gives way to the new start.
  if (m_running && !m_cancelRequested) return;
  beginSolve(cfg);
  // A start that did not begin was refused: it reached nothing.
  if (!m_running && m_lastRunOutcome == RunOutcome::Running) endRun(RunOutcome::Failed, 0);
}

void AppController::beginSolve(const QVariantMap& cfg) {
  try {
    if (m_running) {
      abandonCurrentRun();
      // Its final report is dropped; the new start follows at once.
      endRun(RunOutcome::Cancelled, 0);
      setRunning(false);
    }
    beginRun();
    setStatus([] { return tr("Starting..."); });

    const bool oopJam = cfg.value(QStringLiteral("oop_add_all_in_jam_threshold_enabled"), false).toBool();
    const bool ipJam = cfg.value(QStringLiteral("ip_add_all_in_jam_threshold_enabled"), false).toBool();
    qInfo().nospace().noquote()
        << "UI startSolveWithConfig: board=" << cfg.value(QStringLiteral("board")).toString()
        << " oop_range.len=" << cfg.value(QStringLiteral("oop_range")).toString().size()
        << " ip_range.len=" << cfg.value(QStringLiteral("ip_range")).toString().size()
        << " pot=" << cfg.value(QStringLiteral("starting_pot"), 100).toInt()
        << " stack=" << cfg.value(QStringLiteral("effective_stack"), 100).toInt()
        << " rake%=" << cfg.value(QStringLiteral("rake_percent"), 0.0).toDouble()
        << " rake_cap=" << cfg.value(QStringLiteral("rake_cap"), 0.0).toDouble()
        << " iters=" << cfg.value(QStringLiteral("max_iterations"), kDefaultIterations).toUInt()
        << " target_expl=" << cfg.value(QStringLiteral("target_exploitability"), 0.1).toDouble()
        << " oop_flop_bets=" << cfg.value(QStringLiteral("oop_flop_bet_sizes")).toString()
        << " oop_flop_raises=" << cfg.value(QStringLiteral("oop_flop_raise_sizes")).toString()
        << " ip_flop_bets=" << cfg.value(QStringLiteral("ip_flop_bet_sizes")).toString()
        << " ip_flop_raises=" << cfg.value(QStringLiteral("ip_flop_raise_sizes")).toString()
        << " oop_jam_thr_en=" << oopJam
        << " oop_jam_thr_pct=" << cfg.value(QStringLiteral("oop_add_all_in_jam_threshold_pct"), 0.0).toDouble()
        << " ip_jam_thr_en=" << ipJam
        << " ip_jam_thr_pct=" << cfg.value(QStringLiteral("ip_add_all_in_jam_threshold_pct"), 0.0).toDouble();

    // Kept before any check, so a refused map is still the one a re-solve repeats.
    m_lastUiCfg = cfg;

    const bool applyLocks = cfg.value(QStringLiteral("apply_node_locks"), false).toBool();
    velmora_app::SolveConfig config = buildSolveConfig(cfg, applyLocks);

    // Every character of the board must be part of a card: "AhKsQd7" is no
    // flop with a stray digit but a mistyped board.
    const std::size_t boardLength = config.board.size();
    const QString typedBoard = cfg.value(QStringLiteral("board")).toString().simplified().remove(QLatin1Char(' '));
    if ((boardLength != 6 && boardLength != 8 && boardLength != 10) ||
        static_cast<std::size_t>(typedBoard.size()) != boardLength) {
      setStatus([] { return tr("Not ready: enter a valid board first"); });
      return;
    }
    const QString oopTyped = cfg.value(QStringLiteral("oop_range")).toString();
    const QString ipTyped = cfg.value(QStringLiteral("ip_range")).toString();
    if (!rangeTooLongError(oopTyped, ipTyped).isEmpty()) {
      // Worded from the lengths alone, so the texts themselves are not kept.
      setStatus([oop = rangeTooLong(oopTyped)] {
        return tr("Error: %1").arg(oop ? tr("OOP range: %1").arg(tooLongText()) : tr("IP range: %1").arg(tooLongText()));
      });
      return;
    }
    if (!rangeHasHand(fromStd(config.oop_range)) || !rangeHasHand(fromStd(config.ip_range))) {
      setStatus([] { return tr("Not ready: select at least one hand in both ranges"); });
      return;
    }
    for (const char* key : kSizeKeys) {
      if (!hasNonEmptyText(cfg, key)) {
        setStatus([] { return tr("Not ready: fill out both OOP and IP sizing"); });
        return;
      }
    }
    if (config.max_iterations == 0) {
      setStatus([] { return tr("Not ready: the iteration count must be at least 1"); });
      return;
    }
    // A size text the solver would refuse (or read as another tree), or a
    // range the board leaves empty, is named here in the user's language
    // before the previous result goes.
    if (const auto fault = velmora_app::first_size_fault(config)) {
      setStatus([fault = *fault] { return tr("Error: %1").arg(sizeTokenErrorText(fault)); });
      return;
    }
    if (const int seat = velmora_app::seat_emptied_by_board(config); seat >= 0) {
      setStatus([seat, range = fromStd(seat == 0 ? config.oop_range : config.ip_range)] {
        return tr("Error: %1").arg(emptiedRangeText(seat, range));
      });
      return;
    }

    keepNodeLocksOfSpot(config);

    // Drop the previous result, hand its memory back to the system and only
    // then compare the estimate with what is free.
    dropStoredResult();
    clearQueryCaches();
    resetResultFigures();
    m_resultsReclaimableMemoryBytes = 0;
    emit resultsChanged();
    emit systemMemoryChanged();
    refreshAvailableMemory();

    // The start is checked against the estimate of this very spot: an older
    // figure still on show may belong to a smaller one. A spot other than
    // the one the memory line was asked for (a re-solve of the last
    // configuration) gets an estimate of its own, which is not shown.
    PendingStart pending;
    pending.config = config;
    pending.since = std::chrono::steady_clock::now();
    if (estimatePublishedFor(config)) {
      pending.need = m_solveNeed;
    } else {
      const quint64 newest = m_memoryEstimateGeneration.load();
      const bool inFlight = newest != 0 && newest != m_publishedEstimateGeneration &&
                            same_memory_inputs(config, m_estimateInputs);
      pending.estimateGeneration = inFlight ? newest : 0;
    }
    m_pendingStart = std::move(pending);
    if (m_pendingStart->estimateGeneration == 0 && !estimatePublishedFor(config)) {
      // Set first: an estimate that cannot even be started answers at once.
      m_pendingStart->estimateGeneration = m_estimateRequestCount + 1;
      requestEstimate(cfg, EstimateFor::Start);
      if (!m_pendingStart) return;
    }
    m_cancelRequested = false;
    setRunning(true);
    continuePendingStart();
  } catch (const std::exception& e) {
    dropPendingStart([what = shown_text::escaped(QString::fromUtf8(e.what()))] { return tr("Error: %1").arg(what); });
  } catch (...) {
    dropPendingStart([] { return tr("Error: %1").arg(QStringLiteral("Unknown error")); });
  }
}

bool AppController::estimatePublishedFor(const velmora_app::SolveConfig& config) const {
  const quint64 newest = m_memoryEstimateGeneration.load();
  return newest != 0 && m_publishedEstimateGeneration == newest && same_memory_inputs(config, m_estimateInputs);
}

bool AppController::memoryFits(const solve_room::Need& need, StatusWording& refusal) {
  // What the result holds once solved is what the next start gives back.
  m_pendingSolveMemoryBytes = need.heldBytes();
  m_pendingAnswerRoomBytes = need.answerRoomBytes != 0 ? need.answerRoomBytes : results::answerRoomBytes(1326, 1326);
  const auto fitsNow = [&] {
    refreshAvailableMemory();
    return solve_room::fits(requiredFigure(need), m_systemAvailableMemoryBytes);
  };
  if (fitsNow()) return true;
  // The previous result may still be on its way back to the system, or
  // freed but still held by the allocator.
  m_release.post([] { velmora_platform::releaseFreedMemory(); });
  m_release.drain();
  if (fitsNow()) return true;

  const quint64 available = m_systemAvailableMemoryBytes;
  const bool forProgram = memoryBoundIsProgramsFor(need);
  solve_room::Need solveAlone;
  solveAlone.solveBytes = need.solveBytes;
  solveAlone.reservedAddressBytes = need.reservedAddressBytes;
  if (!solve_room::fits(requiredFigure(solveAlone), available)) {
    refusal = [forProgram] {
      return forProgram ? tr("Not enough RAM available to this program to solve (after clearing previous results)")
                        : tr("Not enough RAM to solve (after clearing previous results)");
    };
    return false;
  }
  // The solve alone would fit: what follows it does not.
  const auto [needed, offered] = formatMemoryFigures(requiredFigure(need), available);
  refusal = [forProgram, needed, offered] {
    const QString text = forProgram
                             ? tr("Not enough RAM to solve this spot and keep its result: solving it, looking at the "
                                  "result, saving and opening it again needs about %1, %2 available to this program")
                             : tr("Not enough RAM to solve this spot and keep its result: solving it, looking at the "
                                  "result, saving and opening it again needs about %1, %2 available");
    return text.arg(needed, offered);
  };
  return false;
}

void AppController::continuePendingStart() {
  if (!m_pendingStart) return;
  try {
    PendingStart& pending = *m_pendingStart;
    if (pending.estimateGeneration != 0) return;  // deliverMemoryEstimate calls again
    if (!pending.memoryChecked) {
      pending.memoryChecked = true;
      StatusWording refusal;
      if (!memoryFits(pending.need, refusal)) {
        dropPendingStart(std::move(refusal));
        return;
      }
    }
    // The previous worker is letting go of the session (it stops within
    // moments of its cancel): try again shortly rather than wait here.
    if (m_session.is_running()) {
      if (std::chrono::steady_clock::now() - pending.since > kWorkerWait) {
        dropPendingStart([] { return tr("Already running"); });
        return;
      }
      m_pendingStartTimer.start();
      return;
    }
    const velmora_app::SolveConfig config = std::move(pending.config);
    m_pendingStart.reset();
    launchSolve(config);
  } catch (const std::exception& e) {
    dropPendingStart([what = shown_text::escaped(QString::fromUtf8(e.what()))] { return tr("Error: %1").arg(what); });
  } catch (...) {
    dropPendingStart([] { return tr("Error: %1").arg(QStringLiteral("Unknown error")); });
  }
}

void AppController::dropPendingStart(StatusWording status, RunOutcome outcome) {
  m_pendingStart.reset();
  cancelStartEstimate();
  m_pendingStartTimer.stop();
  endRun(outcome, 0);
  setRunning(false);
  setStatus(std::move(status));
}

void AppController::launchSolve(const velmora_app::SolveConfig& config) {
  const std::uint64_t runId = ++m_currentRunId;
  m_cancelRequested = false;
  keepRunSpot(config);
  setRunning(true);
  const bool started = m_session.start(config, [this, runId](const velmora_app::SolveProgress& p) {
    solveProgressCallback(runId, p);
  });
  if (!started) {
    // Another worker still holds the session; this run never began.
    endRun(RunOutcome::Failed, 0);
    setRunning(false);
    setStatus([] { return tr("Already running"); });
  }
}

void AppController::abandonCurrentRun() {
  m_session.cancel();
  // A report still on its way from the abandoned run must not reach the
  // controller, and a start that had not begun never does.
  ++m_currentRunId;
  m_pendingStart.reset();
  cancelStartEstimate();
  m_pendingStartTimer.stop();
  m_cancelRequested = false;
}

void AppController::cancelSolve() {
  m_session.cancel();
  try {
    if (m_pendingStart) {
      // Nothing was started yet: the start is simply dropped.
      dropPendingStart([] { return QStringLiteral("Cancelled"); }, RunOutcome::Cancelled);
      return;
    }
    if (m_running) m_cancelRequested = true;
    setStatus([] { return tr("Cancelling..."); });
  } catch (...) {
    qWarning() << "cancelSolve: status update failed";
  }
}

// ---------------------------------------------------------------------------
// Progress

void AppController::solveProgressCallback(std::uint64_t runId, const velmora_app::SolveProgress& progress) {
  // Solve worker thread: copy the report and post it; never wait here.
  if (progress.result) {
    // Queued after any pending wake-up, so the final report is applied last.
    // The node tables are built here, on the worker thread: for a large tree
    // that takes a while, which the GUI thread must not spend. The copy that
    // crosses over leaves the snapshot's nodes behind.
    try {
      std::shared_ptr<const ResultTree> tree;
      std::shared_ptr<const NodeAnswers> root;
      if (progress.result->success) {
        tree = ResultTree::fromResult(*progress.result);
        tree->prepareLookups();
        // The worker has stored the solved game: the root's answers, which
        // the results page asks for first, are taken here too.
        root = std::make_shared<const NodeAnswers>(nodeAnswers(m_session, 0));
      }
      velmora_app::SolveProgress copy;
      copy.fraction = progress.fraction;
      copy.text = progress.text;
      copy.result.emplace();
      velmora_app::SolveResult& result = *copy.result;
      const velmora_app::SolveResult& from = *progress.result;
      result.success = from.success;
      result.message = from.message;
      result.board = from.board;
      result.starting_pot = from.starting_pot;
      result.effective_stack = from.effective_stack;
      result.rake_percent = from.rake_percent;
      result.rake_cap = from.rake_cap;
      result.iterations = from.iterations;
      result.exploitability = from.exploitability;
      result.ev_oop = from.ev_oop;
      result.ev_ip = from.ev_ip;
      result.root_action_labels = from.root_action_labels;
      result.root_action_keys = from.root_action_keys;
      result.root_action_frequencies = from.root_action_frequencies;
      QMetaObject::invokeMethod(
          this,
          [this, runId, copy = std::move(copy), tree = std::move(tree), root = std::move(root)]() {
            applySolveProgress(runId, copy, tree, root);
          },
          Qt::QueuedConnection);
    } catch (...) {
      // The report could not be copied: the run still has to end, as failed.
      QMetaObject::invokeMethod(this, [this, runId]() { applyLostFinalReport(runId); }, Qt::QueuedConnection);
    }
    return;
  }
  bool post = false;
  {
    std::lock_guard<std::mutex> lock(m_pendingProgress.mutex);
    m_pendingProgress.latest.emplace(runId, progress);
    post = !m_pendingProgress.posted;
    m_pendingProgress.posted = true;
  }
  if (post) QMetaObject::invokeMethod(this, [this]() { applyPendingProgress(); }, Qt::QueuedConnection);
}

void AppController::applyLostFinalReport(std::uint64_t runId) {
  velmora_app::SolveProgress p;
  p.text = "Error: the result could not be handed over";
  p.result.emplace();
  p.result->message = "the result could not be handed over";
  applySolveProgress(runId, p);
}

void AppController::applyPendingProgress() {
  std::optional<std::pair<std::uint64_t, velmora_app::SolveProgress>> latest;
  {
    std::lock_guard<std::mutex> lock(m_pendingProgress.mutex);
    latest.swap(m_pendingProgress.latest);
    m_pendingProgress.posted = false;
  }
  if (latest) applySolveProgress(latest->first, latest->second);
}

void AppController::applySolveProgress(std::uint64_t runId, const velmora_app::SolveProgress& p,
                                       std::shared_ptr<const ResultTree> tree, std::shared_ptr<const NodeAnswers> root) {
  try {
    if (runId != m_currentRunId) {
      qDebug() << "UI dropped a report of an earlier solve run";
      return;
    }
    if (m_progressLog.admit(runId, fromStd(p.text), p.result.has_value())) {
      qInfo().nospace().noquote() << "UI solve progress: p=" << p.fraction << " status=" << fromStd(p.text)
                                  << " has_result=" << p.result.has_value();
    }

    // A run that ends without a result keeps the share it reached.
    if (!p.result || p.result->success) setProgress(p.fraction);
    setStatusText(shown_text::escaped(fromStd(p.text)));

    // An intermediate report never ends the run, even one applied after the
    // worker has already left the session: the run ends with its final
    // report, which is queued behind it and brings the results.
    if (!p.result) return;

    const velmora_app::SolveResult& result = *p.result;
    QString summary;
    clearQueryCaches();
    if (!result.success) {
      summary = tr("Solve failed: %1").arg(shown_text::escaped(fromStd(result.message)));
      resetResultFigures();
    } else {
      summary = tr("Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5")
                    .arg(fromStd(result.board), QString::number(result.iterations),
                         QString::number(static_cast<double>(result.exploitability), 'f', 4),
                         QString::number(static_cast<double>(result.ev_oop), 'f', 3),
                         QString::number(static_cast<double>(result.ev_ip), 'f', 3));
      recordSolveActivity(reachedIterations(result),
                          static_cast<double>(result.exploitability));
      emit solveStatsChanged();
      fillResultTables(result, std::move(tree));
      m_resultNodeLocks = m_runNodeLocks;
      m_resultSpot = m_runSpot;
      m_answers.setRoom(m_pendingAnswerRoomBytes);
      if (root) cacheNodeAnswers(0, *root);
      m_resultsReclaimableMemoryBytes = m_pendingSolveMemoryBytes;
      emit systemMemoryChanged();
    }

    m_resultsSummary = summary;
    qInfo().nospace() << "UI about to emit resultsChanged: root_actions=" << m_rootActions.size()
                      << " summary.len=" << m_resultsSummary.size();
    emit resultsChanged();
    qInfo() << "UI emitted resultsChanged";

    // The final report is the last word of its run: the solve is over, even if
    // the worker has not quite left the session yet. A stopped run's result
    // holds the whole iterations it reached.
    // The solver stops at the target once it measures at or below it;
    // a run that spent its budget first did not reach it.
    if (result.success)
      endRun(RunOutcome::Done, m_resultIterations,
             m_runSpot && result.exploitability <= m_runSpot->target_exploitability);
    else
      endRun(result.message == "Cancelled" ? RunOutcome::Cancelled : RunOutcome::Failed,
             reachedIterations(result));
    setRunning(false);
  } catch (const std::exception& e) {
    qWarning() << "UI failed to apply a solve report:" << e.what();
    if (p.result) {
      endRun(RunOutcome::Failed, reachedIterations(*p.result));
      setRunning(false);
    }
  } catch (...) {
    qWarning() << "UI failed to apply a solve report";
    if (p.result) {
      endRun(RunOutcome::Failed, reachedIterations(*p.result));
      setRunning(false);
    }
  }
}

void AppController::fillResultTables(const velmora_app::SolveResult& result,
                                     std::shared_ptr<const ResultTree> tree) {
  m_resultBoardText = fromStd(result.board);
  m_resultRakePercent = result.rake_percent;
  m_resultRakeCap = result.rake_cap;
  m_resultStartingPot = result.starting_pot;
  m_resultIterations = reachedIterations(result);
  m_resultExploitability = static_cast<double>(result.exploitability);
  // The result's values include each seat's half of the starting pot; the
  // properties are the seats' net winnings.
  const double halfPot = static_cast<double>(result.starting_pot) / 2.0;
  m_resultEvOop = static_cast<double>(result.ev_oop) - halfPot;
  m_resultEvIp = static_cast<double>(result.ev_ip) - halfPot;

  const std::size_t names = result.root_action_labels.size();
  const std::size_t types = result.root_action_keys.size();
  const std::size_t freqs = result.root_action_frequencies.size();
  const std::size_t n = std::min({names, types, freqs});
  if (names != types || names != freqs) {
    qWarning().nospace() << "Result root action arrays have mismatched sizes: names=" << names << " types=" << types
                         << " freqs=" << freqs << " (using n=" << n << ")";
  }
  m_rootActions.clear();
  for (std::size_t i = 0; i < n; ++i) {
    QVariantMap action;
    action.insert(QStringLiteral("name"), fromStd(result.root_action_labels[i]));
    action.insert(QStringLiteral("actionType"), fromStd(result.root_action_keys[i]));
    action.insert(QStringLiteral("frequency"), static_cast<double>(result.root_action_frequencies[i]));
    m_rootActions.append(action);
  }

  // Built on the worker thread from the snapshot's nodes (or an empty tree
  // when there was none).
  m_tree = tree ? std::move(tree) : ResultTree::fromResult(result);
}

void AppController::dropStoredResult() {
  // The solved game of a large tree frees a great many blocks: the last
  // reference goes on the release thread.
  auto stored = m_session.stored_result();
  m_session.clear_result();
  if (!stored.first && !stored.second) return;
  m_release.release(std::move(stored));
  m_release.post([] { velmora_platform::releaseFreedMemory(); });
}
