import QtQuick
import "play_tree.js" as PlayTree

// The mock controller over the play tree of play_tree.js, with the queries
// play mode adds: seat and acting combos, one pocket's EVs, the showdown, and
// the training statistics (recorded in `recorded`).
MockController {
    id: mock

    nodes: PlayTree.flopTree()
    property var recorded: []
    property var showdown: ({})

    function nodeHandCombos(i) {
        var n = _node(i)
        return n && n.combos ? n.combos : []
    }
    function nodeSeatHandCombos(i, player) {
        var n = _node(i)
        return n && n.seats ? (n.seats[player === "IP" ? "IP" : "OOP"] || []) : []
    }
    function nodePocketActionEvs(i, player, c1, c2) {
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
