import QtQuick

// A solved tree for the play tests, answering the controller's node queries
// from plain data: `nodes` holds per node {meta, actions, stats, combos,
// seats: {OOP, IP}, pockets: {"AsKs": [evs]}}. Records the statistics calls.
QtObject {
    id: mock

    property var nodes: []
    property int resultIterations: 1
    property bool running: false
    property var recorded: []
    property var showdown: ({})
    property int pocketQueries: 0

    signal resultsChanged()

    function _node(i) {
        return i >= 0 && i < nodes.length ? nodes[i] : null
    }
    function treeNodeCount() { return nodes.length }
    function nodeMeta(i) { var n = _node(i); return n ? n.meta : {} }
    function nodeActions(i) { var n = _node(i); return n && n.actions ? n.actions : [] }
    function nodeActionStats(i) { var n = _node(i); return n && n.stats ? n.stats : [] }
    function nodeHandCombos(i) { var n = _node(i); return n && n.combos ? n.combos : [] }
    function nodeSeatHandCombos(i, player) {
        var n = _node(i)
        return n && n.seats ? (n.seats[player === "IP" ? "IP" : "OOP"] || []) : []
    }
    function nodePocketActionEvs(i, player, c1, c2) {
        ++pocketQueries
        var n = _node(i)
        return n && n.pockets ? (n.pockets[c1 + c2] || n.pockets[c2 + c1] || []) : []
    }
    function showdownWinner(board, oop, ip) {
        var w = showdown[board + "|" + oop + "|" + ip]
        return { winner: w ? w : "UNKNOWN" }
    }
    function recordPlayVsSolutionHand(isMistake, evLoss) {
        var r = recorded.slice()
        r.push({ isMistake: isMistake, evLoss: evLoss })
        recorded = r
    }
}
