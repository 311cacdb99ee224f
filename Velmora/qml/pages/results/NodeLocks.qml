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
    // Node index as text -> hand class -> {actionIndex, actionProb}.
    property var nodeLocksByNode: ({})

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

    function _can(method) {
        return controller !== null && controller !== undefined && typeof controller[method] === "function"
    }

    function parseLockWeight() {
        return LockMath.parseLockWeight(nodeLockWeightText)
    }

    // Locks one hand class of the current node to the chosen action.
    function applyNodeLockToHand(nodeIndex, hand) {
        if (!nodeLockMode || !currentNodeIsLockable || nodeLockSelectedActionIndex < 0)
            return
        var p = parseLockWeight()
        var action = nodeLockSelectedActionIndex
        nodeLocksByNode = LockMath.withLock(nodeLocksByNode, nodeIndex, hand, action, p)
        if (_can("setNodeLock"))
            controller.setNodeLock(nodeIndex, hand, action, p)
        page.refreshHandMatrix()
    }

    // Drops every lock of one node, here and in the back end.
    function resetNodeLockEdits(nodeIndex) {
        nodeLocksByNode = LockMath.withoutNode(nodeLocksByNode, nodeIndex)
        nodeLockSelectedActionIndex = -1
        nodeLockWeightText = "1.0"
        if (_can("clearNodeLocks"))
            controller.clearNodeLocks(nodeIndex)
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

    function reSolve() {
        if (_can("reSolveWithNodeLocks"))
            controller.reSolveWithNodeLocks()
    }

    // New results: the preview keeps only the locks the back end still holds
    // (a new project drops them all there; a re-solve keeps them).
    function forgetLocksNoLongerHeld() {
        if (!_can("nodeLocks"))
            return
        nodeLocksByNode = LockMath.keepHeld(nodeLocksByNode, function(node) { return locks.controller.nodeLocks(node) })
    }
}
