import QtQuick
import "NodeLockMath.js" as LockMath

// Node locking on the results page: the mode, the chosen action and weight,
// the page's own table of the locks it set (for the matrix preview), and the
// operations that record and drop locks and re-solve with them. The page
// publishes the state under its own names.
QtObject {
    id: locks

    property var page: null
    readonly property var controller: page ? page.controller : null

    property bool nodeLockMode: false
    property int nodeLockSelectedActionIndex: -1
    property string nodeLockWeightText: "1.0"
    // Why the weight text cannot be locked with ("empty", "notNumber",
    // "outOfRange"), or "" when it reads as a probability.
    readonly property var _weight: LockMath.readLockWeight(nodeLockWeightText)
    readonly property string weightProblem: _weight.problem
    // Node index as text -> hand class -> {actionIndex, actionProb}.
    property var nodeLocksByNode: ({})
    // Bumped after every lock sent to or dropped in the back end: bindings
    // that read the back end's locks read it too.
    property int heldRevision: 0

    // The node's actions in the solver's order (the order a lock's action
    // index refers to); the display list when the node has none.
    readonly property var nodeLockActionList: {
        if (!page)
            return []
        void page._resultsRevision
        var list = page._actionsForNode(page.currentNodeIndex)
        return list && list.length > 0 ? list : page.currentActions
    }
    readonly property bool currentNodeIsLockable: page !== null && page.currentMeta.nodeType === "decision"

    // A re-solve asked for here that brought no result: "refused" when it
    // could not start, "ended" when it started but stopped without one, ""
    // otherwise. The controller's status says why; the next solve or new
    // results put it back to "".
    property string reSolveOutcome: ""
    property bool _reSolveRunning: false

    function _can(method) {
        return controller !== null && controller !== undefined && typeof controller[method] === "function"
    }

    // Locks one hand class of the current node to the chosen action; a
    // refused weight locks nothing (the field says why).
    function applyNodeLockToHand(nodeIndex, hand) {
        if (!nodeLockMode || !currentNodeIsLockable || nodeLockSelectedActionIndex < 0 || weightProblem !== "")
            return
        var p = _weight.value
        var action = nodeLockSelectedActionIndex
        nodeLocksByNode = LockMath.withLock(nodeLocksByNode, nodeIndex, hand, action, p)
        if (_can("setNodeLock"))
            controller.setNodeLock(nodeIndex, hand, action, p)
        ++heldRevision
        page.refreshHandMatrix()
    }

    // Drops every lock of one node, here and in the back end.
    function resetNodeLockEdits(nodeIndex) {
        nodeLocksByNode = LockMath.withoutNode(nodeLocksByNode, nodeIndex)
        nodeLockSelectedActionIndex = -1
        nodeLockWeightText = "1.0"
        if (_can("clearNodeLocks"))
            controller.clearNodeLocks(nodeIndex)
        ++heldRevision
        page.refreshHandMatrix()
    }

    // "Standard mode" clears the current node's locks on every click.
    function chooseStandardMode() {
        nodeLockMode = false
        resetNodeLockEdits(page.currentNodeIndex)
        nodeLockSelectedActionIndex = -1
    }

    function chooseNodeLockMode() {
        nodeLockMode = true
        nodeLockSelectedActionIndex = -1
    }

    // A new or opened project: the panel starts empty, in standard mode,
    // with no action chosen and the weight at 1. (The locks themselves go
    // with the results, see forgetLocksNoLongerHeld.)
    function startOver() {
        nodeLockMode = false
        nodeLockSelectedActionIndex = -1
        nodeLockWeightText = "1.0"
        reSolveOutcome = ""
        _reSolveRunning = false
    }

    function reSolve() {
        if (!_can("reSolveWithNodeLocks"))
            return
        reSolveOutcome = ""
        _reSolveRunning = true
        controller.reSolveWithNodeLocks()
        if (controller.running !== true) {
            _reSolveRunning = false
            reSolveOutcome = "refused"
        }
    }

    function runningChanged(running) {
        if (running) {
            reSolveOutcome = ""
            return
        }
        // A start that waited for its memory estimate can still be refused,
        // after the previous result has gone.
        if (_reSolveRunning && !page._hasTree())
            reSolveOutcome = "ended"
        _reSolveRunning = false
    }

    function resultsArrived() {
        if (page._hasTree())
            reSolveOutcome = ""
    }

    // The hand classes locked at a node, in the matrix's order: those the
    // result on show was solved with ("applied"), those set since that a
    // re-solve would apply ("pending"), and those of an opened project's
    // result, which cannot tell ("unknown").
    function lockMarksAt(nodeIndex) {
        var out = { applied: [], pending: [], unknown: [] }
        if (!_can("nodeLockMarks"))
            return out
        var marks = controller.nodeLockMarks(nodeIndex) || {}
        for (var kind in out) {
            var hands = marks[kind] || []
            for (var i = 0; i < hands.length; ++i)
                out[kind].push(String(hands[i]))
            out[kind].sort(LockMath.byMatrixOrder)
        }
        return out
    }

    // New results: the preview keeps only the locks the back end still holds
    // (a new project drops them all there; a re-solve keeps them).
    function forgetLocksNoLongerHeld() {
        if (!_can("nodeLocks"))
            return
        nodeLocksByNode = LockMath.keepHeld(nodeLocksByNode, function(node) { return locks.controller.nodeLocks(node) })
    }
}
