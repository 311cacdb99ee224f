import QtQuick
import "mock_tree.js" as MockTree
import "mock_combos.js" as MockCombos

// A stand-in for the application controller over a small hand-made game tree
// (mock_tree.js). Every query is recorded in `calls`; `statsOverride`,
// `actionsOverride` and `strategyOverride` replace one node's answer.
QtObject {
    id: mock

    property bool running: false
    property int resultIterations: 100
    property real resultExploitability: 0.1234
    property int resultStartingPot: 100
    property real resultEvOop: -12.25
    property real resultEvIp: 12.25
    property var nodes: MockTree.defaultTree()
    property var statsOverride: ({})
    property var actionsOverride: ({})
    property var strategyOverride: ({})
    property var calls: []
    // Node locks as the back end holds them: node -> hand -> {actionIndex, actionProb}.
    property var locks: ({})

    signal resultsChanged()

    // Appends in place: a notifying write would make every binding that
    // calls a query depend on its own call.
    function _record(name, args) {
        calls.push({ name: name, args: args, at: Date.now() })
    }

    function callsNamed(name) {
        var out = []
        for (var i = 0; i < calls.length; ++i) {
            if (calls[i].name === name)
                out.push(calls[i])
        }
        return out
    }

    function _node(i) {
        return (i >= 0 && i < nodes.length) ? nodes[i] : null
    }

    function _key(i) { return String(i) }

    // Replaces the tree (or keeps it) and reports new results, as a solve does.
    function finishSolve(newNodes) {
        if (newNodes !== undefined)
            nodes = newNodes
        statsOverride = {}
        actionsOverride = {}
        strategyOverride = {}
        resultIterations = resultIterations + 1
        resultsChanged()
    }

    function treeNodeCount() {
        _record("treeNodeCount", [])
        return nodes.length
    }

    function nodeMeta(i) {
        _record("nodeMeta", [i])
        var n = _node(i)
        return n ? n.meta : {}
    }

    function nodeActions(i) {
        _record("nodeActions", [i])
        if (actionsOverride.hasOwnProperty(_key(i)))
            return actionsOverride[_key(i)]
        var n = _node(i)
        return n ? n.actions : []
    }

    function nodeActionStats(i) {
        _record("nodeActionStats", [i])
        if (statsOverride.hasOwnProperty(_key(i)))
            return statsOverride[_key(i)]
        var n = _node(i)
        return n ? MockTree.statsFor(n) : []
    }

    function nodeHandStrategy(i) {
        _record("nodeHandStrategy", [i])
        if (strategyOverride.hasOwnProperty(_key(i)))
            return strategyOverride[_key(i)]
        var n = _node(i)
        return n ? MockTree.strategyFor(n) : {}
    }

    function nodeHandStrategyReach169(i, bucketName) {
        _record("nodeHandStrategyReach169", [i, bucketName])
        var n = _node(i)
        return n ? MockTree.reachFor(n, bucketName) : {}
    }

    function nodeHandCombos(i) {
        _record("nodeHandCombos", [i])
        return MockCombos.combosFor(_node(i))
    }
    function nodeHandBuckets(i) {
        _record("nodeHandBuckets", [i])
        return MockCombos.bucketsFor(_node(i))
    }
    function setNodeLock(node, hand, actionIndex, actionProb) {
        _record("setNodeLock", [node, hand, actionIndex, actionProb])
        locks[_key(node)] = Object.assign({}, locks[_key(node)])
        locks[_key(node)][hand] = { actionIndex: actionIndex, actionProb: actionProb }
    }
    function clearNodeLocks(node) {
        _record("clearNodeLocks", [node])
        delete locks[_key(node)]
    }
    function nodeLocks(node) {
        var out = []
        for (var hand in locks[_key(node)])
            out.push({ hand: hand, actionIndex: locks[_key(node)][hand].actionIndex,
                       actionProb: locks[_key(node)][hand].actionProb })
        return out
    }
    // Every lock held reads as set and not yet solved with.
    function nodeLockMarks(node) { return { applied: [], pending: Object.keys(locks[_key(node)] || {}), unknown: [] } }
    function reSolveWithNodeLocks() { _record("reSolveWithNodeLocks", []) }
    // A new project: no results and no locks.
    function clearResults() {
        locks = {}
        finishSolve([])
    }
}
