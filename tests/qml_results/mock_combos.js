.pragma library

.import "mock_tree.js" as MockTree

// Single combos and hand buckets of the mock tree's decision nodes (board
// AhKhQh), and a variant of the tree whose node 2 has three actions.

// [c1, c2, weight, ev, buckets], best EV first. 72o reaches at noise level.
var COMBOS = [
    ["As", "Ks", 1.0, 9.0, ["two pair"]],
    ["Ad", "Kd", 1.0, 8.5, ["two pair"]],
    ["Ac", "Kc", 1.0, 8.0, ["two pair"]],
    ["As", "Kd", 1.0, 7.5, ["two pair"]],
    ["Ac", "Ks", 1.0, 7.0, ["two pair"]],
    ["Jc", "Jd", 0.8, 5.0, ["middle pair"]],
    ["Jc", "Jh", 0.8, 4.9, ["middle pair", "flush draw"]],
    ["Jd", "Js", 0.8, 4.8, ["middle pair"]],
    ["Jd", "Jh", 0.8, 4.7, ["middle pair", "flush draw"]],
    ["Js", "Jh", 0.8, 4.6, ["middle pair", "flush draw"]],
    ["Jc", "Js", 0.8, 4.5, ["middle pair"]],
    ["6s", "5s", 0.5, 1.0, ["air"]],
    ["6h", "5h", 0.5, 0.9, ["flush draw"]],
    ["6d", "5c", 0.5, 0.5, ["air"]],
    ["7c", "2d", 2e-6, 0.2, ["air"]],
    ["7d", "2c", 1e-6, 0.1, ["air"]],
    ["7s", "2h", 1e-9, 0.0, ["air"]]
]

// Per combo: action i's EV is ev - 2 for the first action and ev + i for the
// others; a quarter of the combo takes the first action.
function combosFor(node) {
    if (!node || node.meta.nodeType !== "decision")
        return []
    var count = node.actions.length
    var out = []
    for (var i = 0; i < COMBOS.length; ++i) {
        var e = COMBOS[i]
        var evs = [], probs = []
        for (var a = 0; a < count; ++a) {
            evs.push(a === 0 ? e[3] - 2 : e[3] + a)
            probs.push(count === 1 ? 1 : (a === 0 ? 0.25 : 0.75 / (count - 1)))
        }
        out.push({ c1: e[0], c2: e[1], weight: e[2], ev: e[3], actionEvs: evs, buckets: e[4], actionProbs: probs })
    }
    return out
}

function bucketsFor(node) {
    if (!node || node.meta.nodeType !== "decision")
        return []
    var mix = combosFor(node)[0].actionProbs
    return [{ name: "two pair", displayName: "Two Pair", combos: 5, actionProbs: mix },
            { name: "middle pair", displayName: "Middle Pair", combos: 4.8, actionProbs: mix },
            { name: "flush draw", displayName: "Flush Draw", combos: 2.9, actionProbs: mix },
            { name: "air", displayName: "", combos: NaN, actionProbs: mix }]
}

// Node 2 (IP facing the bet) may also raise.
function threeActionTree() {
    var t = MockTree.defaultTree()
    t[2].actions.push({ name: "Raise 50%", actionType: "raise 50%", frequency: 0.1, childIndex: 4 })
    return t
}
