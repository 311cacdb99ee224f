import QtQuick

// The controller as the Solve page sees it, driven by the tests: a start
// is accepted (running turns on) unless `refuseStarts` holds a reason. Each
// start is under way ("running") until it ends as "done", "cancelled" or
// "failed" with the iterations it reached.
QtObject {
    property bool running: false
    property real progress: 0
    property string statusText: ""
    property int resultIterations: 0
    property real resultExploitability: 0
    property int systemThreadCount: 16
    property string refuseStarts: ""
    property var starts: []
    property int cancels: 0
    property string lastRunOutcome: ""
    property int lastRunIterations: 0
    property int _iterationSeen: 0

    signal resultsChanged()

    function _endRun(outcome, iterations) { lastRunIterations = iterations; lastRunOutcome = outcome }

    function startSolveWithConfig(cfg) {
        if (running)
            return
        starts = starts.concat([cfg])
        _iterationSeen = 0
        progress = 0
        _endRun("running", 0)
        statusText = "Starting..."
        if (refuseStarts !== "") {
            statusText = refuseStarts
            _endRun("failed", 0)
            return
        }
        resultIterations = 0
        resultsChanged()
        running = true
    }
    function cancelSolve() {
        cancels += 1
        statusText = "Cancelling..."
    }
    // One progress report of the running solve.
    function report(text, fraction) {
        progress = fraction
        statusText = text
        _iterationSeen = Math.max(_iterationSeen, Number((/^Iter (\d+)/.exec(text) || [0, 0])[1]))
    }
    // The end of a run: a result (iterations > 0) or none, then `running` off.
    function finish(text, iterations, exploitability) {
        statusText = text
        resultIterations = iterations
        resultExploitability = exploitability
        resultsChanged()
        progress = iterations > 0 ? 1 : progress
        _endRun(iterations > 0 ? "done" : text === "Cancelled" ? "cancelled" : "failed", iterations || _iterationSeen)
        running = false
    }
}
