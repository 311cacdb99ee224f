import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../components"
import "../components/ProjectState.js" as ProjectState
import "../components/SolveGating.js" as Gating
import "../components/SolveProgress.js" as Progress
import "solve"
import "solve/SolveFormat.js" as Fmt

// Solve page (index 2): what will be solved, the thread choice, the start and
// cancel of a solve, its live progress and the runs started here. Every live
// figure is derived from the controller; the page keeps only the last parsed
// iteration, the run's clock and the run history. The progress card tells
// the latest start: once it has ended, its own share, iterations and
// figures, whatever result is still on show from an earlier run.
Item {
    id: root

    property var theme: null
    property var type: null
    property var controller: null
    property bool canSolve: true

    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: ProjectState.DEFAULT_MAX_ITERATIONS
    property int startingPot: 100
    property int effectiveStack: 100
    property int threadCount: Fmt.maxThreads(controller ? controller.systemThreadCount : 0)
    property string startingStreet: "flop"
    property real targetExploitability: 0.10
    property real rakePercent: 0.0
    property int rakeCap: 0
    property string oopFlopBetSizesText: ""
    property string oopTurnBetSizesText: ""
    property string oopRiverBetSizesText: ""
    property string oopFlopRaiseSizesText: ""
    property string oopTurnRaiseSizesText: ""
    property string oopRiverRaiseSizesText: ""
    property bool oopFlopAddAllIn: false
    property bool oopTurnAddAllIn: false
    property bool oopRiverAddAllIn: false
    property bool oopFlopDontDonk: false
    property bool oopTurnDontDonk: false
    property bool oopRiverDontDonk: false
    property string ipFlopBetSizesText: ""
    property string ipTurnBetSizesText: ""
    property string ipRiverBetSizesText: ""
    property string ipFlopRaiseSizesText: ""
    property string ipTurnRaiseSizesText: ""
    property string ipRiverRaiseSizesText: ""
    property bool ipFlopAddAllIn: false
    property bool ipTurnAddAllIn: false
    property bool ipRiverAddAllIn: false
    property bool oopAddAllInIfJamLtEnabled: false
    property real oopAddAllInIfJamLtPct: 0.0
    property bool ipAddAllInIfJamLtEnabled: false
    property real ipAddAllInIfJamLtPct: 0.0

    signal goToResults()

    // ---- live values, all from the controller ----
    readonly property bool _hasController: controller !== null && controller !== undefined
    readonly property bool _running: _hasController && controller.running === true
    readonly property string _statusText: _hasController ? Fmt.asText(controller.statusText) : ""
    readonly property int _resultIterations: _hasController ? Fmt.finiteOr(controller.resultIterations, 0) : 0
    // How the latest start went ("" when none was made since the result on
    // show came): "running", "done", "cancelled" or "failed".
    readonly property string _lastRunOutcome: _hasController && controller.lastRunOutcome ? String(controller.lastRunOutcome) : ""
    // The latest start ended (or was refused) without a result: the card
    // shows what it reached, not the result an earlier run left.
    readonly property bool _endedWithoutResult: !_running && _lastRunOutcome !== "" && _lastRunOutcome !== "done"
    readonly property bool runFailed: !_running && _lastRunOutcome === "failed"
    readonly property bool runCancelled: !_running && _lastRunOutcome === "cancelled"
    // The latest run is done but stopped at its iteration budget with its
    // exploitability above its target (the controller's verdict).
    readonly property bool runMissedTarget: !_running && _lastRunOutcome === "done"
                                            && controller.lastRunReachedTarget === false
    // The result the card shows was solved for another setup than the one
    // summarised beside it, by the controller's comparison of the two. Asked
    // only while the page is shown: an opened project changes every field
    // of the setup at once, and each change would ask again.
    readonly property bool resultOfAnotherSetup: {
        if (!visible || !runComplete || _endedWithoutResult || typeof controller.resultSolvedFor !== "function")
            return false
        return controller.resultSolvedFor(solveConfigMap()) === "other"
    }

    readonly property bool isFinalizing: _running && Fmt.isFinalizingText(_statusText)
    property int _lastIterFromStatusText: 0
    readonly property int currentIteration: Fmt.currentIteration({
        hasController: _hasController, running: _running, finalizing: isFinalizing,
        lastIteration: _lastIterFromStatusText, statusText: _statusText,
        progress: _hasController ? controller.progress : 0, maxIterations: maxIterations,
        resultIterations: _endedWithoutResult ? Fmt.finiteOr(controller.lastRunIterations, 0) : _resultIterations })
    // The share of the run that is done, shown by the ring and the bar alike
    // (and by the top bar's chip).
    readonly property real progressWheelValue: Progress.shownFraction({
        hasController: _hasController, running: _running, complete: runComplete,
        progress: _hasController ? controller.progress : 0, iteration: currentIteration,
        maxIterations: maxIterations, outcome: _lastRunOutcome })
    readonly property bool runComplete: _hasController && !_running && _resultIterations > 0
    readonly property real currentExploitabilityValue: {
        if (!_hasController || _endedWithoutResult)
            return NaN
        if (_running) {
            // The solver reports 0 until it has first measured the figure.
            var e = Fmt.parseExploitability(_statusText)
            return e > 0 ? e : NaN
        }
        // A result's figure as the Results page shows it, 0 included.
        return _resultIterations > 0 ? Fmt.finiteOr(controller.resultExploitability, NaN) : NaN
    }
    property string elapsedTime: "00:00"
    property real iterationsPerSec: 0
    property string estimatedRemaining: "--:--"

    // Bumped after a language change, so texts built in functions follow it.
    property int _i18nRev: 0

    // "Done: target not reached, 0.2250 against 0.10": the exploitability as
    // the Exploitability card writes it, the target in chips as every text.
    function _targetMissedText() {
        return qsTr("Done: target not reached, %1 against %2")
            .arg(Progress.exploitabilityText(controller.resultExploitability))
            .arg(Fmt.targetChips(controller.lastRunTarget))
    }

    readonly property string statusLineText: {
        _i18nRev
        if (runMissedTarget && _statusText === "Done")
            return _targetMissedText()
        var line = Fmt.statusLine({ hasController: _hasController, running: _running, finalizing: isFinalizing,
                                    statusText: _statusText, iteration: currentIteration,
                                    exploitability: currentExploitabilityValue })
        if (line.kind === "ready")
            return qsTr("Ready to solve")
        if (line.kind === "finalizing")
            return qsTr("Finalizing…")
        if (line.kind === "iteration")
            return qsTr("Iteration %1 | exploitability=%2").arg(line.iteration).arg(line.exploitability)
        return _shownStatus(line.text)
    }

    // The solver reports its stages in fixed English texts, which this page
    // parses; they are translated only where they are shown. An error keeps
    // its detail as it came.
    function _shownStatus(text) {
        switch (text) {
        case "Done": return qsTr("Done")
        case "Cancelled": return qsTr("Cancelled")
        case "Init: building game object...": return qsTr("Init: building game object...")
        case "Init: building game tree structures...": return qsTr("Init: building game tree structures...")
        case "Init: starting solver...": return qsTr("Init: starting solver...")
        case "Finalizing: computing results...": return qsTr("Finalizing: computing results...")
        case "Finalizing: building result snapshot...": return qsTr("Finalizing: building result snapshot...")
        }
        if (text.indexOf("Error: ") === 0)
            return qsTr("Error: %1").arg(text.substring(7))
        return text
    }

    readonly property string badgeText: {
        _i18nRev
        if (_running)
            return isFinalizing ? qsTr("Finalizing") : qsTr("Running")
        return runFailed ? qsTr("Failed") : qsTr("Ready")
    }
    readonly property color badgeColor: _running
        ? (isFinalizing ? (theme ? theme.warn : "#F0883E") : (theme ? theme.success : "#3FB950"))
        : (runFailed ? (theme ? theme.danger : "#F85149") : (theme ? theme.textMuted : "#8B949E"))

    // ---- thread choice ----
    readonly property int maxThreadCount: Fmt.maxThreads(_hasController ? controller.systemThreadCount : 0)
    property var _threadChoiceModel: []

    function _rebuildThreadChoiceModel() {
        _threadChoiceModel = Fmt.threadChoices(maxThreadCount)
        var clamped = Fmt.clampThreadCount(threadCount, maxThreadCount)
        if (clamped !== threadCount)
            threadCount = clamped
    }
    onMaxThreadCountChanged: _rebuildThreadChoiceModel()

    // ---- run history ----
    property int _nextRunId: 1
    property int _activeRunId: -1
    readonly property int _maxRuns: 10

    property alias runHistoryModel: historyModel
    ListModel {
        id: historyModel
        objectName: "runHistoryModel"
    }

    function _timeStamp() { return Fmt.timeStamp(new Date()) }

    function _findRunIndexById(runId) {
        for (var i = 0; i < historyModel.count; ++i) {
            if (historyModel.get(i).runId === runId)
                return i
        }
        return -1
    }

    function _setRunStatus(runId, status) {
        var i = _findRunIndexById(runId)
        if (i >= 0)
            historyModel.setProperty(i, "status", status)
    }

    // Moves a run still marked "Running" to its final status; a status set
    // earlier (a cancel from this page) stays. A run done short of its
    // target keeps the exploitability it reached and its target.
    function _finishRun(runId, status) {
        var i = _findRunIndexById(runId)
        if (i < 0 || historyModel.get(i).status !== "Running")
            return
        if (status === "Not reached") {
            historyModel.setProperty(i, "reached", Progress.exploitabilityText(controller.resultExploitability))
            historyModel.setProperty(i, "missedTarget", Fmt.targetChips(controller.lastRunTarget))
        }
        historyModel.setProperty(i, "status", status)
        _refreshRunSummary(i)
    }

    // Records a run with the settings it is started with; its iterations
    // follow the solve and end at the result's count.
    function _appendRun() {
        var id = _nextRunId
        _nextRunId = id + 1
        _activeRunId = id
        historyModel.insert(0, { runId: id, startedAt: _timeStamp(), status: "Running", summary: "",
                                 iterationsRun: 0, maxIterations: maxIterations,
                                 target: Fmt.plainNumber(targetExploitability),
                                 targetAmount: Fmt.targetChips(targetExploitabilityAmount()),
                                 threads: threadCount, reached: "", missedTarget: "" })
        _refreshRunSummary(0)
        while (historyModel.count > _maxRuns)
            historyModel.remove(historyModel.count - 1)
        return id
    }

    function _setRunIterations(runId, iterations) {
        var i = _findRunIndexById(runId)
        if (i < 0 || !(iterations > 0) || historyModel.get(i).iterationsRun === iterations)
            return
        historyModel.setProperty(i, "iterationsRun", iterations)
        _refreshRunSummary(i)
    }

    function _refreshRunSummary(i) {
        historyModel.setProperty(i, "summary", _runSummary(historyModel.get(i)))
    }

    // The run still going stays listed: its end is still to be recorded.
    readonly property bool _hasClearableRuns: historyModel.count > (_findRunIndexById(_activeRunId) >= 0 ? 1 : 0)

    function _clearRuns() {
        for (var i = historyModel.count - 1; i >= 0; --i) {
            if (historyModel.get(i).runId !== _activeRunId)
                historyModel.remove(i)
        }
    }

    // A start begins the clock afresh; its end stops it and settles the
    // active run with the iterations it reached. A run cancelled from outside
    // this page (the shell's Escape) reads as cancelled too, and one whose
    // result was replaced before it ended (a project opened) as well.
    function _onLastRunChanged() {
        // Read at the source: the page's own bindings may not have caught up.
        var outcome = String(controller.lastRunOutcome || "")
        if (outcome === "running") {
            _beginClock()
            return
        }
        _endClock()
        // A new or opened project: no figure of an earlier run stays.
        if (outcome === "")
            _clearClock()
        if (_activeRunId < 0)
            return
        var id = _activeRunId
        _activeRunId = -1
        _setRunIterations(id, Fmt.finiteOr(controller.lastRunIterations, 0))
        var done = controller.lastRunReachedTarget === false ? "Not reached" : "Completed"
        _finishRun(id, outcome === "done" ? done : (outcome === "failed" ? "Failed" : "Cancelled"))
    }

    function _statusWord(status) {
        _i18nRev
        if (status === "Running")
            return qsTr("Running")
        if (status === "Completed")
            return qsTr("Completed")
        if (status === "Cancelled")
            return qsTr("Cancelled")
        if (status === "Failed")
            return qsTr("Failed")
        if (status === "Not reached")
            return qsTr("Not reached")
        return String(status)
    }

    // ---- configuration summary ----
    function targetExploitabilityAmount() {
        return Gating.targetAmount(startingPot, targetExploitability)
    }

    function _enabledOptionLines() {
        _i18nRev
        var out = []
        if (oopFlopDontDonk) out.push(qsTr("OOP: don't donk on flop"))
        if (oopTurnDontDonk) out.push(qsTr("OOP: don't donk on turn"))
        if (oopRiverDontDonk) out.push(qsTr("OOP: don't donk on river"))
        if (oopFlopAddAllIn) out.push(qsTr("OOP: add all-in on flop"))
        if (oopTurnAddAllIn) out.push(qsTr("OOP: add all-in on turn"))
        if (oopRiverAddAllIn) out.push(qsTr("OOP: add all-in on river"))
        if (ipFlopAddAllIn) out.push(qsTr("IP: add all-in on flop"))
        if (ipTurnAddAllIn) out.push(qsTr("IP: add all-in on turn"))
        if (ipRiverAddAllIn) out.push(qsTr("IP: add all-in on river"))
        if (oopAddAllInIfJamLtEnabled)
            out.push(qsTr("OOP: add all-in if jam < %1% pot").arg(Fmt.plainNumber(oopAddAllInIfJamLtPct)))
        if (ipAddAllInIfJamLtEnabled)
            out.push(qsTr("IP: add all-in if jam < %1% pot").arg(Fmt.plainNumber(ipAddAllInIfJamLtPct)))
        return out
    }

    readonly property string targetSummaryText: qsTr("%1% (= %2)").arg(Fmt.plainNumber(targetExploitability))
                                                                  .arg(Fmt.targetChips(targetExploitabilityAmount()))
    readonly property string rakeSummaryText: qsTr("%1% (cap %2)").arg(Fmt.plainNumber(rakePercent))
                                                                  .arg(Fmt.plainNumber(rakeCap))
    readonly property string betSizesSummaryText: qsTr("F %1/%2 • T %3/%4 • R %5/%6")
        .arg(Fmt.sizeOrDash(oopFlopBetSizesText)).arg(Fmt.sizeOrDash(ipFlopBetSizesText))
        .arg(Fmt.sizeOrDash(oopTurnBetSizesText)).arg(Fmt.sizeOrDash(ipTurnBetSizesText))
        .arg(Fmt.sizeOrDash(oopRiverBetSizesText)).arg(Fmt.sizeOrDash(ipRiverBetSizesText))

    // One run's line: the iterations run beside the budget (a run stops
    // early at its target or a cancel), then its target and threads; a run
    // done short of its target says so first, with what it reached.
    function _runSummary(run) {
        if (run.status === "Not reached") {
            return qsTr("Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5")
                .arg(run.reached)
                .arg(run.missedTarget)
                .arg(Number(run.iterationsRun).toLocaleString(Qt.locale(), "f", 0))
                .arg(Number(run.maxIterations).toLocaleString(Qt.locale(), "f", 0))
                .arg(String(run.threads))
        }
        return qsTr("Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5")
            .arg(Number(run.iterationsRun).toLocaleString(Qt.locale(), "f", 0))
            .arg(Number(run.maxIterations).toLocaleString(Qt.locale(), "f", 0))
            .arg(run.target)
            .arg(run.targetAmount)
            .arg(String(run.threads))
    }
    function _retranslateRuns() {
        for (var i = 0; i < historyModel.count; ++i)
            _refreshRunSummary(i)
    }

    // ---- run control ----
    function solveConfigMap() {
        return Gating.solveConfigMap(root)
    }

    function startSolve() {
        if (!canSolve || !_hasController || _running)
            return
        var cfg = solveConfigMap()
        _appendRun()
        try {
            if (typeof controller.startSolveWithConfig === "function")
                controller.startSolveWithConfig(cfg)
            else if (typeof controller.startSolve === "function")
                controller.startSolve()
        } catch (e) {
            console.warn("Solve start failed:", e)
        }
    }

    function cancelSolve() {
        if (_activeRunId >= 0)
            _setRunStatus(_activeRunId, "Cancelled")
        if (_hasController && typeof controller.cancelSolve === "function")
            controller.cancelSolve()
    }

    function viewResults() {
        if (runComplete)
            goToResults()
    }

    // ---- clock ----
    // When the run under way began (ms since the epoch); 0 between runs.
    property real _runStartedMs: 0

    function _clockSeconds() {
        return Math.max(0, (Date.now() - _runStartedMs) / 1000)
    }
    function _beginClock() {
        _clearClock()
        _runStartedMs = Date.now()
    }
    // Each second of a run: the time so far and, once an iteration is known,
    // the pace and the time left at it.
    function _advanceClock() {
        if (_runStartedMs <= 0)
            return
        var tick = Fmt.clockTick(_clockSeconds(), currentIteration, maxIterations)
        elapsedTime = tick.elapsed
        if (tick.perSecond !== undefined) {
            iterationsPerSec = tick.perSecond
            estimatedRemaining = tick.remaining
        }
    }
    // Back to the figures of a page on which nothing was run.
    function _clearClock() {
        _runStartedMs = 0
        elapsedTime = Fmt.formatClock(0)
        iterationsPerSec = 0
        estimatedRemaining = "--:--"
    }
    // The run's own figures at its end, however short it was.
    function _endClock() {
        if (_runStartedMs <= 0)
            return
        var secs = _clockSeconds()
        var iterations = Fmt.finiteOr(controller.lastRunIterations, 0)
        _runStartedMs = 0
        elapsedTime = Fmt.formatClock(secs)
        iterationsPerSec = iterations > 0 && secs > 0 ? iterations / secs : 0
        estimatedRemaining = Fmt.formatClock(0)
    }

    Timer {
        id: elapsedTimer
        objectName: "elapsedTimer"
        interval: 1000
        repeat: true
        running: root._running
        onTriggered: root._advanceClock()
    }

    // ---- controller signals ----
    Connections {
        target: root.controller
        ignoreUnknownSignals: true
        function onStatusTextChanged() {
            var it = Fmt.parseIteration(root._hasController ? root.controller.statusText : "")
            if (isFinite(it) && it > 0)
                root._lastIterFromStatusText = Math.floor(it)
        }
        function onRunningChanged() {
            if (!root._hasController || root.controller.running !== true)
                root._lastIterFromStatusText = 0
        }
    }

    Connections {
        target: root.controller
        ignoreUnknownSignals: true
        function onStatusTextChanged() {
            if (root._activeRunId >= 0 && root._running)
                root._setRunIterations(root._activeRunId, Fmt.parseIteration(root.controller.statusText))
        }
        function onRunningChanged() {
            // A solve this page did not start (a re-solve from the Results
            // page) is a run like any other.
            if (root._hasController && root.controller.running === true && root._activeRunId < 0)
                root._appendRun()
        }
        function onLastRunOutcomeChanged() {
            root._onLastRunChanged()
        }
    }

    Connections {
        target: typeof languageManager !== "undefined" ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() {
            root._i18nRev += 1
            root._retranslateRuns()
        }
    }

    Component.onCompleted: _rebuildThreadChoiceModel()

    // ---- layout ----
    ScrollView {
        id: scroll
        anchors.fill: parent
        clip: true
        contentWidth: availableWidth
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

        ColumnLayout {
            id: pageColumn
            width: scroll.availableWidth
            spacing: 20

            readonly property int _gap: 20
            readonly property int _leftWidth: Math.floor((width - 48 - _gap) * 0.4)

            Item { Layout.preferredHeight: 4 }

            SectionHeader {
                objectName: "solveHeader"
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                theme: root.theme
                title: qsTr("Solve")
                subtitle: qsTr("Run the CFR solver and monitor progress in real-time.")
                badge: root.badgeText
                badgeColor: root.badgeColor
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                Layout.bottomMargin: 24
                spacing: pageColumn._gap

                ColumnLayout {
                    Layout.preferredWidth: pageColumn._leftWidth
                    Layout.maximumWidth: pageColumn._leftWidth
                    Layout.alignment: Qt.AlignTop
                    spacing: 20

                    SolveConfigCard {
                        Layout.fillWidth: true
                        page: root
                        theme: root.theme
                    }
                    SolveComputeCard {
                        Layout.fillWidth: true
                        page: root
                        theme: root.theme
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    spacing: 20

                    SolveProgressCard {
                        Layout.fillWidth: true
                        page: root
                        theme: root.theme
                    }
                    SolveRunsCard {
                        Layout.fillWidth: true
                        page: root
                        theme: root.theme
                    }
                }
            }
        }
    }
}
