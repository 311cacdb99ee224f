import QtQuick

// The controller as the Solve page sees it, driven by the tests: a start
// is accepted (running turns on) unless `refuseStarts` holds a reason.
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

    signal resultsChanged()

    function startSolveWithConfig(cfg) {
        if (running)
            return
        starts = starts.concat([cfg])
        statusText = "Starting..."
        if (refuseStarts !== "") {
            statusText = refuseStarts
            return
        }
        resultIterations = 0
        resultsChanged()
        progress = 0
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
    }
    // The end of a run: a result (iterations > 0) or none, then `running` off.
    function finish(text, iterations, exploitability) {
        statusText = text
        resultIterations = iterations
        resultExploitability = exploitability
        resultsChanged()
        running = false
    }
}
