import QtQuick
import "mock_tree.js" as MockTree

// A stand-in for the application controller over a small hand-made game tree
// (mock_tree.js). Every query is recorded in `calls`; the maps `statsOverride`,
// `actionsOverride` and `strategyOverride` (node index as text -> answer)
// replace one node's answer.
QtObject {
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

    signal resultsChanged()

    // Appends in place: a notifying write would make every binding that
    // calls a query depend on its own call.
    function _record(name, args) { calls.push({ name: name, args: args }) }
    function callsNamed(name) { return calls.filter(function(c) { return c.name === name }) }
    function _node(i) { return (i >= 0 && i < nodes.length) ? nodes[i] : null }
    function _answer(name, args, override, make, empty) {
        _record(name, args)
        var key = String(args[0])
        if (override.hasOwnProperty(key))
            return override[key]
        var n = _node(args[0])
        return n ? make(n) : empty
    }

    // Reports new results, as a finished solve does (optionally on a new tree).
    function finishSolve(newNodes) {
        if (newNodes !== undefined)
            nodes = newNodes
        statsOverride = {}
        actionsOverride = {}
        strategyOverride = {}
        resultIterations = resultIterations + 1
        resultsChanged()
    }

    function treeNodeCount() { _record("treeNodeCount", []); return nodes.length }
    function nodeMeta(i) { return _answer("nodeMeta", [i], {}, function(n) { return n.meta }, {}) }
    function nodeActions(i) { return _answer("nodeActions", [i], actionsOverride, function(n) { return n.actions }, []) }
    function nodeActionStats(i) { return _answer("nodeActionStats", [i], statsOverride, MockTree.statsFor, []) }
    function nodeHandStrategy(i) { return _answer("nodeHandStrategy", [i], strategyOverride, MockTree.strategyFor, {}) }
    function nodeHandStrategyReach169(i, bucketName) {
        return _answer("nodeHandStrategyReach169", [i, bucketName], {},
                       function(n) { return MockTree.reachFor(n, bucketName) }, {})
    }
}
