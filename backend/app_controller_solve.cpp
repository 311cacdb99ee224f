// Solve control: the solve configuration map turned into a native request,
// the readiness and memory checks, the start, the cancel, and the progress
// reports carried from the solve worker to the GUI thread.
#include <QDebug>

#include <algorithm>
#include <chrono>
#include <exception>
#include <optional>
#include <thread>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "backend/platform/system_info.h"

using app_controller_detail::fromStd;
using app_controller_detail::toStd;

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

bool AppController::rangeHasHand(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return false;
  for (qsizetype i = 0; i + 1 < trimmed.size(); ++i) {
    if (isRankChar(trimmed.at(i)) && isRankChar(trimmed.at(i + 1))) return true;
  }
  return false;
}

velmora_app::SolveConfig AppController::buildSolveConfigFrom(const QVariantMap& cfg, const NodeLockTable* locks) {
  velmora_app::SolveConfig config;
  config.board = toStd(normalizeBoardText(cfg.value(QStringLiteral("board")).toString()));
  config.starting_pot = cfg.value(QStringLiteral("starting_pot"), 100).toInt();
  config.effective_stack = cfg.value(QStringLiteral("effective_stack"), 100).toInt();
  config.rake_percent = cfg.value(QStringLiteral("rake_percent"), 0.0).toDouble();
  config.rake_cap = cfg.value(QStringLiteral("rake_cap"), 0.0).toDouble();
  config.starting_street = toStd(cfg.value(QStringLiteral("starting_street"), QStringLiteral("flop")).toString());
  config.max_iterations = cfg.value(QStringLiteral("max_iterations"), 2000u).toUInt();
  config.target_exploitability = static_cast<float>(cfg.value(QStringLiteral("target_exploitability"), 0.1).toDouble());
  config.thread_count = cfg.value(QStringLiteral("thread_count"), 1u).toUInt();
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
  return buildSolveConfigFrom(cfg, applyLocks ? &m_nodeLockTable : nullptr);
}

// ---------------------------------------------------------------------------
// Start and cancel

void AppController::startSolve() { startSolveWithConfig(QVariantMap()); }

void AppController::startSolveWithConfig(const QVariantMap& cfg) {
  if (m_running) return;
  try {
    setStatusText(tr("Starting..."));

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
        << " iters=" << cfg.value(QStringLiteral("max_iterations"), 2000u).toUInt()
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
    const velmora_app::SolveConfig config = buildSolveConfig(cfg, applyLocks);

    const std::size_t boardLength = config.board.size();
    if (boardLength != 6 && boardLength != 8 && boardLength != 10) {
      setStatusText(tr("Not ready: enter a valid board first"));
      return;
    }
    if (!rangeHasHand(fromStd(config.oop_range)) || !rangeHasHand(fromStd(config.ip_range))) {
      setStatusText(tr("Not ready: select at least one hand in both ranges"));
      return;
    }
    for (const char* key : kSizeKeys) {
      if (!hasNonEmptyText(cfg, key)) {
        setStatusText(tr("Not ready: fill out both OOP and IP sizing"));
        return;
      }
    }

    // Drop the previous result, hand its memory back to the system and only
    // then compare the estimate with what is free.
    m_session.clear_result();
    clearQueryCaches();
    resetResultFigures();
    m_resultsReclaimableMemoryBytes = 0;
    emit resultsChanged();
    emit systemMemoryChanged();
    velmora_platform::releaseFreedMemory();
    refreshAvailableMemory();

    m_pendingSolveMemoryBytes = m_solveRequiredMemoryBytes;
    if (m_solveRequiredMemoryBytes != 0 && m_systemAvailableMemoryBytes != 0 &&
        m_systemAvailableMemoryBytes <= m_solveRequiredMemoryBytes) {
      setStatusText(tr("Not enough RAM to solve (after clearing previous results)"));
      return;
    }

    // The last run's final report has been handled, but its worker clears the
    // session's running flag only after that report returned: wait for that
    // moment rather than refuse. (A run abandoned by clearResults or a project
    // load may still be stopping; the session then refuses below.)
    if (m_lastRunReported) {
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
      while (m_session.is_running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }

    const std::uint64_t runId = ++m_currentRunId;
    m_lastRunReported = false;
    setRunning(true);
    const bool started = m_session.start(config, [this, runId](const velmora_app::SolveProgress& p) {
      solveProgressCallback(runId, p);
    });
    if (!started) {
      // Another worker still holds the session; this run never began.
      setRunning(false);
      setStatusText(tr("Already running"));
    }
  } catch (const std::exception& e) {
    setRunning(false);
    setStatusText(tr("Error: %1").arg(QString::fromUtf8(e.what())));
  } catch (...) {
    setRunning(false);
    setStatusText(tr("Error: %1").arg(QStringLiteral("Unknown error")));
  }
}

void AppController::cancelSolve() {
  m_session.cancel();
  try {
    setStatusText(tr("Cancelling..."));
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
    QMetaObject::invokeMethod(
        this, [this, runId, copy = progress]() { applySolveProgress(runId, copy); }, Qt::QueuedConnection);
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

void AppController::applyPendingProgress() {
  std::optional<std::pair<std::uint64_t, velmora_app::SolveProgress>> latest;
  {
    std::lock_guard<std::mutex> lock(m_pendingProgress.mutex);
    latest.swap(m_pendingProgress.latest);
    m_pendingProgress.posted = false;
  }
  if (latest) applySolveProgress(latest->first, latest->second);
}

void AppController::applySolveProgress(std::uint64_t runId, const velmora_app::SolveProgress& p) {
  try {
    if (runId != m_currentRunId) {
      qDebug() << "UI dropped a report of an earlier solve run";
      return;
    }
    qInfo().nospace().noquote() << "UI solve progress: p=" << p.fraction << " status=" << fromStd(p.text)
                                << " has_result=" << p.result.has_value();

    setProgress(p.fraction);
    setStatusText(fromStd(p.text));

    if (!p.result) {
      if (!m_session.is_running()) setRunning(false);
      return;
    }

    m_lastRunReported = true;
    const velmora_app::SolveResult& result = *p.result;
    QString summary;
    clearQueryCaches();
    if (!result.success) {
      summary = tr("Solve failed: %1").arg(fromStd(result.message));
      resetResultFigures();
    } else {
      summary = tr("Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5")
                    .arg(fromStd(result.board), QString::number(result.iterations),
                         QString::number(static_cast<double>(result.exploitability), 'f', 4),
                         QString::number(static_cast<double>(result.ev_oop), 'f', 3),
                         QString::number(static_cast<double>(result.ev_ip), 'f', 3));
      recordSolveActivity(static_cast<int>(std::min<std::uint32_t>(result.iterations, 0x7fffffffu)),
                          static_cast<double>(result.exploitability));
      emit solveStatsChanged();
      fillResultTables(result);
      m_resultsReclaimableMemoryBytes = m_pendingSolveMemoryBytes;
      emit systemMemoryChanged();
    }

    m_resultsSummary = summary;
    qInfo().nospace() << "UI about to emit resultsChanged: root_actions=" << m_rootActions.size()
                      << " summary.len=" << m_resultsSummary.size();
    emit resultsChanged();
    qInfo() << "UI emitted resultsChanged";

    // The final report is the last word of its run: the solve is over, even if
    // the worker has not quite left the session yet.
    setRunning(false);
  } catch (const std::exception& e) {
    qWarning() << "UI failed to apply a solve report:" << e.what();
    if (p.result) setRunning(false);
  } catch (...) {
    qWarning() << "UI failed to apply a solve report";
    if (p.result) setRunning(false);
  }
}

void AppController::fillResultTables(const velmora_app::SolveResult& result) {
  m_resultStartingPot = result.starting_pot;
  m_resultIterations = static_cast<int>(std::min<std::uint32_t>(result.iterations, 0x7fffffffu));
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

  m_nodeMetaTable.clear();
  m_nodeActionTable.clear();
  m_nodeMetaTable.reserve(static_cast<qsizetype>(result.nodes.size()));
  m_nodeActionTable.reserve(static_cast<qsizetype>(result.nodes.size()));
  for (const velmora_app::ResultNode& node : result.nodes) {
    QVariantMap meta;
    meta.insert(QStringLiteral("nodeType"), fromStd(node.kind));
    meta.insert(QStringLiteral("chanceDeal"), fromStd(node.chance_deal));
    meta.insert(QStringLiteral("player"), fromStd(node.seat));
    meta.insert(QStringLiteral("pot"), node.pot);
    meta.insert(QStringLiteral("effectiveStack"), result.effective_stack);
    meta.insert(QStringLiteral("investedOop"), node.invested_oop);
    meta.insert(QStringLiteral("investedIp"), node.invested_ip);
    meta.insert(QStringLiteral("hasChildren"), !node.children.empty());
    m_nodeMetaTable.append(meta);

    QVariantList actions;
    for (const velmora_app::ResultChild& child : node.children) {
      QVariantMap a;
      a.insert(QStringLiteral("name"), fromStd(child.label));
      a.insert(QStringLiteral("actionType"), fromStd(child.key));
      a.insert(QStringLiteral("frequency"), QVariant::fromValue(child.frequency));
      a.insert(QStringLiteral("childIndex"), child.child_index);
      actions.append(a);
    }
    m_nodeActionTable.append(actions);
  }
}
