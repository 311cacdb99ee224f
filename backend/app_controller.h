// AppController: the back end's bridge to QML. It starts, watches and cancels
// solves, publishes the system figures that gate a solve, answers the result
// queries of the results page, reads and writes project files and text files,
// and keeps the usage statistics in the per-user settings.
//
// Every invokable runs on the GUI thread and never lets an exception escape;
// failures come back in the documented form (an "ok"/"error" map, a false
// flag, an empty list or map, or the status text).
#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "backend/background_release.h"
#include "backend/progress_log.h"
#include "backend/results/result_tree.h"
#include "backend/results/answer_store.h"
#include "backend/settings_store_file.h"
#include "backend/solve_room.h"
#include "session/solve_session.h"
#include "session/solve_types.h"

class QSettings;

namespace project_file {
struct LoadedProject;
struct ProjectSnapshot;
}  // namespace project_file
namespace velmora_app {
struct SizeTokenFault;
}

class AppController : public QObject {
  Q_OBJECT

  Q_PROPERTY(QString appDir READ appDir CONSTANT)
  Q_PROPERTY(bool useTbb READ useTbb CONSTANT)
  Q_PROPERTY(int systemThreadCount READ systemThreadCount CONSTANT)
  Q_PROPERTY(QString systemMemoryText READ systemMemoryText CONSTANT)
  Q_PROPERTY(QString systemAvailableMemoryText READ systemAvailableMemoryText NOTIFY systemMemoryChanged)
  Q_PROPERTY(quint64 systemMemoryBytes READ systemMemoryBytes CONSTANT)
  Q_PROPERTY(quint64 systemAvailableMemoryBytes READ systemAvailableMemoryBytes NOTIFY systemMemoryChanged)
  Q_PROPERTY(QString effectiveAvailableMemoryText READ effectiveAvailableMemoryText NOTIFY systemMemoryChanged)
  Q_PROPERTY(quint64 effectiveAvailableMemoryBytes READ effectiveAvailableMemoryBytes NOTIFY systemMemoryChanged)
  // What bounds the shown spot's need is this program's own limit (its
  // control group's, or its address space's), not what the machine has free.
  Q_PROPERTY(bool memoryLimitedForProgram READ memoryLimitedForProgram NOTIFY systemMemoryChanged)
  Q_PROPERTY(QString solveRequiredMemoryText READ solveRequiredMemoryText NOTIFY solveRequiredMemoryChanged)
  Q_PROPERTY(quint64 solveRequiredMemoryBytes READ solveRequiredMemoryBytes NOTIFY solveRequiredMemoryChanged)
  Q_PROPERTY(bool running READ running NOTIFY runningChanged)
  Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
  Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
  // How the latest start went: "" before any (and after results are
  // cleared or a project opened), "running" while it is under way (also a
  // start being checked), then "done", "cancelled" or "failed" (refused, or
  // stopped by an error). `progress` then holds the share it reached, and
  // `lastRunIterations` its iterations (0 while it runs).
  Q_PROPERTY(QString lastRunOutcome READ lastRunOutcome NOTIFY lastRunOutcomeChanged)
  Q_PROPERTY(int lastRunIterations READ lastRunIterations NOTIFY lastRunOutcomeChanged)
  // Of a run that ended "done": its target in chips, and whether its
  // exploitability came down to it (false for a run that stopped at its
  // iteration budget above it, and for any other outcome).
  Q_PROPERTY(double lastRunTarget READ lastRunTarget NOTIFY lastRunOutcomeChanged)
  Q_PROPERTY(bool lastRunReachedTarget READ lastRunReachedTarget NOTIFY lastRunOutcomeChanged)
  Q_PROPERTY(QString resultsSummary READ resultsSummary NOTIFY resultsChanged)
  Q_PROPERTY(int resultStartingPot READ resultStartingPot NOTIFY resultsChanged)
  // The board the stored result was solved on ("QsJh2h7c"), "" without one.
  Q_PROPERTY(QString resultBoardText READ resultBoardText NOTIFY resultsChanged)
  Q_PROPERTY(double resultRakePercent READ resultRakePercent NOTIFY resultsChanged)
  Q_PROPERTY(double resultRakeCap READ resultRakeCap NOTIFY resultsChanged)
  Q_PROPERTY(int resultIterations READ resultIterations NOTIFY resultsChanged)
  Q_PROPERTY(double resultExploitability READ resultExploitability NOTIFY resultsChanged)
  Q_PROPERTY(double resultEvOop READ resultEvOop NOTIFY resultsChanged)
  Q_PROPERTY(double resultEvIp READ resultEvIp NOTIFY resultsChanged)
  Q_PROPERTY(QVariantList rootActions READ rootActions NOTIFY resultsChanged)
  Q_PROPERTY(quint64 resultsReclaimableMemoryBytes READ resultsReclaimableMemoryBytes NOTIFY resultsChanged)
  Q_PROPERTY(bool developerMode READ developerMode CONSTANT)
  // A project file being opened or saved in the background: its share done
  // (0 to 1) and what is being done ("Opening project..." or "Saving
  // project...", translated).
  Q_PROPERTY(bool projectFileBusy READ projectFileBusy NOTIFY projectFileBusyChanged)
  Q_PROPERTY(double projectFileProgress READ projectFileProgress NOTIFY projectFileProgressChanged)
  Q_PROPERTY(QString projectFileActivity READ projectFileActivity NOTIFY projectFileBusyChanged)
  // The per-user settings file as the Setup page's stores change it.
  Q_PROPERTY(SettingsStoreFile* storeFile READ storeFile CONSTANT)

 public:
  explicit AppController(QObject* parent = nullptr);
  ~AppController() override;

  // --- property readers ---
  QString appDir() const;
  bool useTbb() const { return false; }
  int systemThreadCount() const { return m_systemThreadCount; }
  QString systemMemoryText() const { return m_systemMemoryText; }
  QString systemAvailableMemoryText() const { return m_systemAvailableMemoryText; }
  quint64 systemMemoryBytes() const { return m_systemMemoryBytes; }
  quint64 systemAvailableMemoryBytes() const { return m_systemAvailableMemoryBytes; }
  QString effectiveAvailableMemoryText() const;
  quint64 effectiveAvailableMemoryBytes() const;
  bool memoryLimitedForProgram() const { return m_memoryLimitedForProgram; }
  QString solveRequiredMemoryText() const { return m_solveRequiredMemoryText; }
  quint64 solveRequiredMemoryBytes() const { return m_solveRequiredMemoryBytes; }
  bool running() const { return m_running; }
  double progress() const { return m_progress; }
  QString statusText() const { return m_statusText; }
  QString lastRunOutcome() const;
  int lastRunIterations() const { return m_lastRunIterations; }
  double lastRunTarget() const { return m_lastRunTarget; }
  bool lastRunReachedTarget() const { return m_lastRunReachedTarget; }
  QString resultsSummary() const { return m_resultsSummary; }
  int resultStartingPot() const { return m_resultStartingPot; }
  QString resultBoardText() const { return m_resultBoardText; }
  double resultRakePercent() const { return m_resultRakePercent; }
  double resultRakeCap() const { return m_resultRakeCap; }
  int resultIterations() const { return m_resultIterations; }
  double resultExploitability() const { return m_resultExploitability; }
  double resultEvOop() const { return m_resultEvOop; }
  double resultEvIp() const { return m_resultEvIp; }
  QVariantList rootActions() const { return m_rootActions; }
  quint64 resultsReclaimableMemoryBytes() const { return m_resultsReclaimableMemoryBytes; }
  bool developerMode() const { return m_developerMode; }
  bool projectFileBusy() const { return m_projectJob != ProjectJob::None; }
  double projectFileProgress() const { return m_projectFileProgress; }
  QString projectFileActivity() const;
  SettingsStoreFile* storeFile() const { return m_storeFile; }

  // --- solve control ---
  Q_INVOKABLE void startSolve();
  Q_INVOKABLE void startSolveWithConfig(const QVariantMap& cfg);
  Q_INVOKABLE void reSolveWithNodeLocks();
  Q_INVOKABLE void cancelSolve();
  Q_INVOKABLE void clearResults();
  Q_INVOKABLE void requestSolveMemoryEstimate(const QVariantMap& cfg);
  // True when the solver's range parser reads at least one hand with a
  // weight above 0 from the text ("AA", "k9s", "50%", "100%"); false for a
  // text it refuses or reads as empty ("", "0%", "AA:1.5", "hello"). The
  // readiness check of a start and of the interface.
  Q_INVOKABLE bool rangeHasHand(const QString& text) const;

  // --- statistics ---
  Q_INVOKABLE QVariantList solveActivityGridLastYear() const;
  Q_INVOKABLE int solvesToday() const;
  Q_INVOKABLE void recordPlayVsSolutionHand(bool isMistake, double evLoss);
  Q_INVOKABLE QVariantMap playVsSolutionStats() const;
  Q_INVOKABLE void clearPlayVsSolutionStats();

  // --- per-user settings ---
  // The settings file as it reads now, in the form of settings_store.h
  // ("what" is "startup"): the shell asks at start.
  Q_INVOKABLE QVariantMap settingsStatus() const;
  // Writes the appearance keys of the settings page ("darkMode",
  // "accentHex") under "ui" and tells whether they reached the file.
  Q_INVOKABLE QVariantMap saveUiSettings(const QVariantMap& values);

  // --- resources, notices, files ---
  // Open the notices' folder or file with the desktop's program for it:
  // {ok, problem ("missing" or "noProgram" when not ok), path (native)}.
  Q_INVOKABLE QVariantMap openLicensesFolder() const;
  Q_INVOKABLE QVariantMap openThirdPartyNotices() const;
  Q_INVOKABLE QString readTextResource(const QString& path) const;
  Q_INVOKABLE bool saveProject(const QUrl& fileUrl, const QVariantMap& projectState) const;
  // The system's reason why the last `saveProject` failed ("Permission
  // denied"); empty after a success or when no reason was given.
  Q_INVOKABLE QString projectSaveError() const { return m_projectSaveError; }
  Q_INVOKABLE QVariantMap loadProject(const QUrl& fileUrl);
  // The same two operations with the file read, parsed and written on a
  // worker thread, so the window stays live for a large project. Each ends
  // with its signal (`projectOpened` with the map `loadProject` returns,
  // `projectSaved` with the flag `saveProject` returns and the system's
  // reason of a failure), also when it could not begin; while one runs
  // `projectFileBusy` is true and a second one is refused at once through
  // its signal.
  Q_INVOKABLE void openProject(const QUrl& fileUrl);
  Q_INVOKABLE void saveProjectInBackground(const QUrl& fileUrl, const QVariantMap& projectState);
  Q_INVOKABLE QVariantMap saveTextFile(const QUrl& fileUrl, const QString& text) const;
  Q_INVOKABLE QVariantMap readTextFile(const QUrl& fileUrl) const;

  // --- node locks and result queries ---
  Q_INVOKABLE void setNodeLock(int nodeIndex, const QString& handLabel169, int actionIndex, double actionProb);
  Q_INVOKABLE void clearNodeLocks(int nodeIndex);
  Q_INVOKABLE QVariantList nodeLocks(int nodeIndex) const;
  // The hand classes locked at a node, told apart by the result on show:
  // {"applied": the locks it was solved with, "pending": locks set that it
  // was not solved with (a re-solve applies them), "unknown": locks of a
  // result opened from a project file, which cannot tell}. Locks of an
  // action the node lacks are left out; empty lists without a result.
  Q_INVOKABLE QVariantMap nodeLockMarks(int nodeIndex) const;
  // Whether the result on show was solved for the setup of a solve
  // configuration map: "same" when the map builds the same tree over the
  // same hands (what keeps node locks, see keepNodeLocksOfSpot) with the
  // same target, "other" when it does not, "" without a result or when a
  // result opened from a file cannot tell.
  Q_INVOKABLE QString resultSolvedFor(const QVariantMap& cfg) const;
  Q_INVOKABLE int treeNodeCount() const;
  Q_INVOKABLE QVariantMap nodeMeta(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodeActions(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodeActionStats(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodePocketActionEvs(int nodeIndex, const QString& player, const QString& c1,
                                               const QString& c2) const;
  Q_INVOKABLE QVariantMap showdownWinner(const QString& boardText, const QString& oopText,
                                         const QString& ipText) const;
  Q_INVOKABLE QVariantMap nodeHandStrategy(int nodeIndex) const;
  Q_INVOKABLE QVariantMap nodeHandStrategyReach169(int nodeIndex, const QString& bucketName) const;
  Q_INVOKABLE QVariantList nodeHandCombos(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodeSeatHandCombos(int nodeIndex, const QString& player) const;
  Q_INVOKABLE QVariantList nodeHandBuckets(int nodeIndex) const;
  // Which hand details of a decision node a loaded project cannot show
  // because they were not saved with it: {matrix, buckets, combos}, each
  // true when missing. All false with a solved game in memory, at chance
  // and terminal nodes, and outside the tree. Beside them {oopHands,
  // ipHands}: the hands a seat holds at the node (what play deals from),
  // at a node of any kind.
  Q_INVOKABLE QVariantMap nodeDetailsMissing(int nodeIndex) const;

  // --- closing ---
  // The event loop is about to end: every worker (a solve, memory
  // estimates, a project being opened) is told to stop at once.
  void beginShutdown();
  // Waits up to `budget` for the solve worker and the estimate threads to be
  // gone; false when one of them is still busy then. A project being saved
  // is waited for to the end: its file is the user's work.
  bool finishShutdown(std::chrono::milliseconds budget);

  // --- helpers shared with the tests ---
  // The answers the Results page holds (of the nodes looked at) and their room.
  const results::AnswerStore& resultAnswers() const { return m_answers; }
  // "%1 GB" in units of 2^30 (one decimal below 10, none from 10), "—" for 0.
  static QString formatMemoryBytes(quint64 bytes);
  // What a refusal needs and what is available, as formatMemoryBytes words
  // them, or to the megabyte ("1444 MB") where that words both alike.
  static std::pair<QString, QString> formatMemoryFigures(quint64 needed, quint64 available);
  // Reads an environment flag; `present` tells whether the variable is set and non-empty.
  static bool envFlag(const char* name, bool& present);
  // Board text with blanks removed and invalid card pairs skipped ("ah ks qd" -> "AhKsQd").
  static QString normalizeBoardText(const QString& text);
  // The memory line's text for an unreadable size token, in the UI language:
  // "OOP flop bet sizes: '3x3' is not a valid size".
  static QString sizeTokenErrorText(const velmora_app::SizeTokenFault& fault);
  // The refusal of a range text in the UI language, naming the first piece
  // the solver cannot read; empty when the solver reads the whole text. A
  // text past the longest range is refused for its length, unread.
  Q_INVOKABLE QString rangeTextError(const QString& text) const;
  // The solver's reading of a range text on the grid of hand classes: each
  // class ("AKs") that holds a combo, mapped to the mean weight of its
  // combos. Empty for a text the solver refuses.
  Q_INVOKABLE QVariantMap rangeClassWeights(const QString& text) const;
  // The pieces of a range text between commas as the solver reads them:
  // {"share": the text is one share of every hand ("50%"), "pieces": a list
  // of {"text": the piece without the blanks around it, "classes": the
  // classes whose combos it sets, "weight": its weight as written, "" for
  // none}}. Empty for a text the solver refuses.
  Q_INVOKABLE QVariantMap rangeTextPieces(const QString& text) const;
  // The characters a user sees in a text (grapheme clusters): what the
  // bound on a name counts.
  Q_INVOKABLE int graphemeCount(const QString& text) const noexcept;
  // A seat's range text past the longest range the solver reads, named with
  // the seat ("OOP range: ..."); empty when both are within it.
  static QString rangeTooLongError(const QString& oopRange, const QString& ipRange);

 signals:
  void runningChanged();
  void progressChanged();
  void lastRunOutcomeChanged();
  void statusTextChanged();
  void resultsChanged();
  void solveStatsChanged();
  void playVsSolutionStatsChanged();
  void systemMemoryChanged();
  void solveRequiredMemoryChanged();
  void projectFileBusyChanged();
  void projectFileProgressChanged();
  void projectOpened(const QVariantMap& result);
  void projectSaved(bool ok, const QUrl& fileUrl, const QString& reason);
  // A statistics record did not reach the settings file (the map of
  // settings_store.h, "what" being "trainingStats" or "solveActivity").
  void settingsWriteFailed(const QVariantMap& status);

 private slots:
  void refreshAvailableMemory();
  // Publishes an estimate whose line reads `text` in every language.
  void deliverMemoryEstimate(quint64 generation, quint64 bytes, const QString& text);

 public:
  // Lock entry of one hand class at one node.
  struct LockEntry {
    int actionIndex = -1;
    double actionProb = 1.0;
  };
  using NodeLockTable = QHash<int, QHash<QByteArray, LockEntry>>;

  // Builds the native request from a solve configuration map; locks come from
  // `locks` when it is given. The thread count is kept within 1 and
  // `maxThreads` (no upper bound when it is 0); an iteration budget that is
  // not a number of at least 1 becomes 0, and a pot or stack that is not a
  // whole number a 32-bit integer holds becomes -1, which the session
  // refuses. Touches no controller state, so it is safe on any thread.
  static velmora_app::SolveConfig buildSolveConfigFrom(const QVariantMap& cfg, const NodeLockTable* locks,
                                                       int maxThreads = 0);

 private:
  struct EstimateGate;  // shared with running estimate threads
  struct ProjectJobGate;  // shared with project file threads
  struct NodeAnswers;     // native answers of one node (query helpers below)
  struct EstimateRequest;  // what one estimate thread works on
  struct MemoryLine;       // what an estimate found, worded on the GUI thread

  // A change of language words the memory line and the status again.
  bool eventFilter(QObject* watched, QEvent* event) override;
  static QString memoryLineText(quint64 bytes, const MemoryLine* line);
  // The words that say a seat's range keeps no hand on the board, naming the
  // range as typed.
  static QString emptiedRangeText(int seat, const QString& rangeText);
  // Publishes an estimate unless a newer request was made since it was asked for.
  void deliverMemoryLine(quint64 generation, const solve_room::Need& need, std::shared_ptr<const MemoryLine> line);
  // The figure a need is compared with the available memory by: its total,
  // and the address space it reserves where the address-space limit binds.
  quint64 requiredFigure(const solve_room::Need& need) const;
  // Shows the published need again against the memory figures as they stand.
  void showRequiredFigure();
  // Whether what bounds `need` is this program's own limit: the least bound
  // is its control group's or its address space's, or the address space
  // leaves too little for what the need reserves.
  bool memoryBoundIsProgramsFor(const solve_room::Need& need) const;

  // The status line, kept in parts: `wording` gives it in the language of
  // the moment and words it again whenever the language changes.
  using StatusWording = std::function<QString()>;
  void setStatus(StatusWording wording);
  // A status that reads the same in every language (the solver's own words).
  void setStatusText(const QString& text);
  void showStatusText(const QString& text);
  void setRunning(bool running);
  void setProgress(double progress);
  // The latest start: a new one begins from nothing, and ends with its
  // outcome and the iterations it reached.
  enum class RunOutcome { None, Running, Done, Cancelled, Failed };
  void beginRun();
  void endRun(RunOutcome outcome, int iterations, bool reachedTarget = false);
  // The spot and target of the run being launched, and of the result on
  // show once it arrives (an opened project's, when its file tells).
  void keepRunSpot(const velmora_app::SolveConfig& config);
  void keepLoadedResultSpot();
  velmora_app::SolveConfig buildSolveConfig(const QVariantMap& cfg, bool applyLocks) const;
  void solveProgressCallback(std::uint64_t runId, const velmora_app::SolveProgress& progress);
  // `tree` holds the node tables of a successful final report, built on
  // the worker thread.
  void applySolveProgress(std::uint64_t runId, const velmora_app::SolveProgress& p,
                          std::shared_ptr<const ResultTree> tree = nullptr,
                          std::shared_ptr<const NodeAnswers> root = nullptr);
  // Ends a run whose final report was lost on its way (as a failed run).
  void applyLostFinalReport(std::uint64_t runId);
  static void runSolveMemoryEstimate(std::shared_ptr<EstimateGate> gate, std::shared_ptr<EstimateRequest> request);
  // Whom an estimate is for: the memory line, which tells of the spot the
  // window shows, or a start of a spot the line was not asked for (a
  // re-solve of the last configuration), whose figure serves that start
  // alone and is never shown on the line.
  enum class EstimateFor { Line, Start };
  quint64 requestEstimate(const QVariantMap& cfg, EstimateFor use);
  // A start's own estimate that no start waits for any more stops.
  void cancelStartEstimate();

  // Starting: a start waits (without blocking the GUI thread) for the
  // estimate of the spot it starts and for the previous worker to let go.
  bool estimatePublishedFor(const velmora_app::SolveConfig& config) const;
  void continuePendingStart();
  // The checks and the start proper of `startSolveWithConfig`.
  void beginSolve(const QVariantMap& cfg);
  void launchSolve(const velmora_app::SolveConfig& config);
  // Gives a start that has not begun up, with the status saying why.
  void dropPendingStart(StatusWording status, RunOutcome outcome = RunOutcome::Failed);
  // False with the refusal's words when the need does not fit.
  bool memoryFits(const solve_room::Need& need, StatusWording& refusal);
  // Leaves the current run and any pending start behind: their reports and
  // their start no longer reach the controller.
  void abandonCurrentRun();

  // Result state helpers.
  void resetResultFigures();
  void clearQueryCaches() const;
  void fillResultTables(const velmora_app::SolveResult& result, std::shared_ptr<const ResultTree> tree);
  // Drops the stored solved game, on the release thread.
  void dropStoredResult();

  // Statistics helpers (the settings keys live in app_controller_stats.cpp).
  void recordSolveActivity(int iterations, double exploitability);
  static QVariantMap readPlayVsSolutionStats(const QString& prefix);
  // Puts the figures of `prefix` with one more hand into `values`.
  static void addPlayVsSolutionHand(const QSettings& settings, const QString& prefix, bool isMistake, double evLoss,
                                    QVariantMap& values);
  static QString playVsSolutionDayPrefix(const QDate& date);
  static QString solveActivityDayPrefix(const QDate& date);

  // Project helpers.
  bool hasResultsToSave() const;
  project_file::ProjectSnapshot projectSnapshot(const QVariantMap& projectState) const;
  QVariantList nodeLocksSnapshot() const;
  // A start that is about to run `config`: locks set on the tree of another
  // spot are dropped (from the table and from `config`), and the locks from
  // now on belong to the spot of `config`.
  void keepNodeLocksOfSpot(velmora_app::SolveConfig& config);
  static NodeLockTable parseNodeLocks(const QVariantList& list);
  // The "ok"/"error" map of a load; `applyLoadedProject` swaps a file read
  // by `project_file::readProjectFile` in.
  QVariantMap loadFailure(const project_file::LoadedProject& loaded, const QString& path) const;
  QVariantMap applyLoadedProject(project_file::LoadedProject&& loaded, const QString& path);
  enum class ProjectJob { None, Opening, Saving };
  void setProjectJob(ProjectJob job);
  void setProjectFileProgress(double progress);

  // Query helpers: each answer's table, from the store or else computed
  // from the solved game and kept; null when there is none.
  std::shared_ptr<const results::StrategyTable> strategyAt(int nodeIndex) const;
  std::shared_ptr<const results::ActionStatsTable> statsAt(int nodeIndex) const;
  std::shared_ptr<const results::CombosTable> combosAt(int nodeIndex) const;
  std::shared_ptr<const results::BucketsTable> bucketsAt(int nodeIndex) const;
  // "actionTypeList" of a node's strategy of `count` actions.
  QStringList strategyActionTypes(int nodeIndex, std::size_t count) const;
  // The native answers of one node that the results page asks for first,
  // taken on any thread and cached on the GUI thread: for the root of a
  // large tree they walk the whole tree, which the GUI thread must not do.
  struct NodeAnswers {
    velmora_app::NodeHandStrategy strategy;
    velmora_app::NodeActionStats stats;
    velmora_app::NodeHandCombos combos;
    velmora_app::NodeHandBuckets buckets;
  };
  static NodeAnswers nodeAnswers(const velmora_app::SolveSession& session, int nodeIndex);
  void cacheNodeAnswers(int nodeIndex, const NodeAnswers& answers) const;
  // The QML form of one answer, kept while the table it was made from is:
  // the page asks for the node it shows whenever a binding is evaluated
  // again.
  struct ShownAnswer {
    std::shared_ptr<const void> table;
    QVariant form;
  };
  enum ShownKind { ShownStrategy, ShownStats, ShownCombos, ShownBuckets, ShownOopSeat, ShownIpSeat, ShownKinds };
  template <class Table, class Make>
  QVariant shownForm(ShownKind kind, const std::shared_ptr<const Table>& table, Make make) const;

  // --- members ---
  bool m_running = false;
  double m_progress = 0.0;
  QString m_statusText;
  StatusWording m_statusWording;  // empty for a fixed status text
  RunOutcome m_lastRunOutcome = RunOutcome::None;
  int m_lastRunIterations = 0;
  double m_lastRunTarget = 0.0;
  bool m_lastRunReachedTarget = false;
  std::optional<velmora_app::SolveConfig> m_runSpot;
  std::optional<velmora_app::SolveConfig> m_resultSpot;
  QString m_resultsSummary;
  int m_resultStartingPot = 0;
  QString m_resultBoardText;
  double m_resultRakePercent = 0.0;
  double m_resultRakeCap = 0.0;
  int m_resultIterations = 0;
  double m_resultExploitability = 0.0;
  double m_resultEvOop = 0.0;
  double m_resultEvIp = 0.0;
  QVariantList m_rootActions;
  // The per-node meta and action tables (empty without a result).
  std::shared_ptr<const ResultTree> m_tree;
  QVariantMap m_lastUiCfg;
  NodeLockTable m_nodeLockTable;
  // The locks the run under way was started with, and those the result on
  // show was solved with; a result opened from a file cannot tell its own,
  // and keeps the file's locks, which it may or may not use.
  NodeLockTable m_runNodeLocks;
  NodeLockTable m_resultNodeLocks;
  bool m_resultNodeLocksKnown = true;
  // The spot whose tree the lock table's node indices refer to; none before
  // the first start.
  std::optional<velmora_app::SolveConfig> m_lockSpot;

  // The answers of the nodes looked at, within the room the memory gate
  // keeps for them; written from const queries, emptied by clearQueryCaches.
  mutable results::AnswerStore m_answers;
  // The room of the answers of the solve under way.
  quint64 m_pendingAnswerRoomBytes = results::answerRoomBytes(1326, 1326);
  mutable std::array<ShownAnswer, ShownKinds> m_shown;
  // The latest matrix folds by node and bucket filter, newest first: the
  // page moves between a few filters at the node it shows.
  static constexpr std::size_t kReach169Kept = 8;
  mutable std::vector<std::pair<QByteArray, QVariantMap>> m_reach169Cache;

  int m_systemThreadCount = 1;
  QString m_systemMemoryText;
  QString m_systemAvailableMemoryText;
  quint64 m_systemMemoryBytes = 0;
  quint64 m_systemAvailableMemoryBytes = 0;
  std::optional<quint64> m_addressSpaceRoomBytes;  // what the address-space limit leaves; none without one
  bool m_memoryBoundIsProgram = false;     // the least bound is the control group's or the address space's
  bool m_memoryLimitedForProgram = false;  // memoryBoundIsProgramsFor(m_solveNeed)
  QTimer m_memoryRefreshTimer;
  QString m_solveRequiredMemoryText;
  quint64 m_solveRequiredMemoryBytes = 0;  // requiredFigure(m_solveNeed)
  solve_room::Need m_solveNeed;            // the published estimate's need
  std::shared_ptr<const MemoryLine> m_memoryLine;
  quint64 m_resultsReclaimableMemoryBytes = 0;
  quint64 m_pendingSolveMemoryBytes = 0;  // what the running solve's result will hold
  // Every estimate request gets the next number; the newest request for the
  // memory line is the one whose answer may be published.
  quint64 m_estimateRequestCount = 0;
  std::atomic<quint64> m_memoryEstimateGeneration{0};
  bool m_developerMode = false;

  // Every run gets a number; reports of any other run are stale and dropped,
  // so a late report never overwrites a result loaded or cleared since.
  std::uint64_t m_currentRunId = 0;
  // The current run was asked to stop: a new start may replace it at once.
  bool m_cancelRequested = false;

  // A start accepted before it could run: it waits for the estimate of its
  // own spot (generation `estimateGeneration`; 0 once `need` holds it) and
  // then for the previous worker to leave the session.
  struct PendingStart {
    velmora_app::SolveConfig config;
    quint64 estimateGeneration = 0;
    solve_room::Need need;
    bool memoryChecked = false;
    std::chrono::steady_clock::time_point since;
  };
  std::optional<PendingStart> m_pendingStart;
  QTimer m_pendingStartTimer;

  // The inputs of the newest estimate request for the memory line, and the
  // generation whose answer is published (the figures above are for that
  // request).
  velmora_app::SolveConfig m_estimateInputs;
  quint64 m_publishedEstimateGeneration = 0;

  // The newest intermediate report not yet applied on the GUI thread. A fast
  // solve reports far more often than the GUI repaints, so intermediate
  // reports are coalesced into this slot with at most one queued wake-up;
  // final reports are always queued on their own.
  struct PendingProgress {
    std::mutex mutex;
    std::optional<std::pair<std::uint64_t, velmora_app::SolveProgress>> latest;
    bool posted = false;
  };
  PendingProgress m_pendingProgress;
  void applyPendingProgress();
  // Which of the applied reports reach the log.
  ProgressLogFilter m_progressLog;

  std::shared_ptr<EstimateGate> m_estimateGate;
  SettingsStoreFile* m_storeFile = new SettingsStoreFile(this);

  ProjectJob m_projectJob = ProjectJob::None;
  mutable QString m_projectSaveError;  // of the last saveProject
  double m_projectFileProgress = 0.0;
  std::shared_ptr<ProjectJobGate> m_projectJobGate;

  // Old results are dropped here, off the GUI thread.
  mutable BackgroundRelease m_release;
  velmora_app::SolveSession m_session;  // last member: its worker is gone before the rest goes
};
