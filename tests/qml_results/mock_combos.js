.pragma library

.import "mock_tree.js" as MockTree

// Combos and buckets of the mock tree's decision nodes (board AhKhQh):
// [cards, weight, ev, buckets], best EV first; the 72o combos reach at noise
// level. Action a's EV is ev - 2 for a = 0, else ev + a.
var COMBOS = [
    ["AsKs", 1, 9, ["two pair"]], ["AdKd", 1, 8.5, ["two pair"]], ["AcKc", 1, 8, ["two pair"]],
    ["AsKd", 1, 7.5, ["two pair"]], ["AcKs", 1, 7, ["two pair"]],
    ["JcJd", 0.8, 5, ["middle pair"]], ["JcJh", 0.8, 4.9, ["middle pair", "flush draw"]],
    ["JdJs", 0.8, 4.8, ["middle pair"]], ["JsJh", 0.8, 4.6, ["middle pair", "flush draw"]],
    ["6s5s", 0.5, 1, ["air"]], ["6h5h", 0.5, 0.9, ["flush draw"]], ["6d5c", 0.5, 0.5, ["air"]],
    ["7c2d", 2e-6, 0.2, ["air"]], ["7d2c", 1e-6, 0.1, ["air"]], ["7s2h", 1e-9, 0, ["air"]]
]

function combosFor(node) {
    var out = []
    var n = node && node.meta.nodeType === "decision" ? node.actions.length : 0
    for (var i = 0; n > 0 && i < COMBOS.length; ++i) {
        var e = COMBOS[i], evs = [], probs = []
        for (var a = 0; a < n; ++a) {
            evs.push(a === 0 ? e[2] - 2 : e[2] + a)
            probs.push(1 / n)
        }
        out.push({ c1: e[0].substring(0, 2), c2: e[0].substring(2), weight: e[1], ev: e[2], actionEvs: evs,
                   buckets: e[3], actionProbs: probs })
    }
    return out
}

function bucketsFor(node) {
    var c = combosFor(node)
    var names = [["two pair", "Two Pair", 5], ["middle pair", "Middle Pair", 3.2], ["flush draw", "Flush Draw", 2.1],
                 ["air", "", NaN]]
    var out = []
    for (var i = 0; c.length > 0 && i < names.length; ++i)
        out.push({ name: names[i][0], displayName: names[i][1], combos: names[i][2], actionProbs: c[0].actionProbs })
    return out
}

// Node 2 (IP facing the bet) may also raise.
function threeActionTree() {
    var t = MockTree.defaultTree()
    t[2].actions.push({ name: "Raise 50%", actionType: "raise 50%", frequency: 0.1, childIndex: 4 })
    return t
}
