.pragma library

// A hand-made flop tree on "AhKhQh" (pot 100, stacks 100) for the results
// page tests, with the answers of the controller's node queries.
//
//   0 OOP: Check -> 1, Bet 33% -> 2      5 turn deal after the call: 7c -> 8
//   1 IP: Check -> 3                     6 OOP on 7c: Check -> 9, Bet 50% -> 9
//   2 IP facing 33: Fold -> 4, Call -> 5 7 OOP on 2c: Check -> 9
//   3 turn deal: 7c -> 6, 2c -> 7        8 OOP on 7c after the call: Check -> 9
//   4 terminal (IP folded)               9 terminal
// Only clubs are listed at the deals: spades, diamonds and clubs are alike.

function _node(type, player, pot, inOop, inIp, deal, actions) {
    var list = []
    for (var i = 0; i < actions.length; ++i) {
        var a = actions[i]
        list.push({ name: a[0], actionType: a[1], frequency: a[2], childIndex: a[3] })
    }
    return { meta: { nodeType: type, chanceDeal: deal, player: player, pot: pot, effectiveStack: 100,
                     investedOop: inOop, investedIp: inIp, hasChildren: list.length > 0 },
             actions: list }
}

function defaultTree() {
    return [
        _node("decision", "OOP", 100, 0, 0, "", [["Check", "check", 0.6, 1], ["Bet 33%", "bet 33%", 0.4, 2]]),
        _node("decision", "IP", 100, 0, 0, "", [["Check", "check", 1.0, 3]]),
        _node("decision", "IP", 133, 33, 0, "", [["Fold", "fold", 0.3, 4], ["Call", "call", 0.7, 5]]),
        _node("chance", "", 100, 0, 0, "turn", [["7c", "chance", 0.5, 6], ["2c", "chance", 0.5, 7]]),
        _node("terminal", "", 133, 33, 0, "", []),
        _node("chance", "", 166, 33, 33, "turn", [["7c", "chance", 1.0, 8]]),
        _node("decision", "OOP", 100, 0, 0, "", [["Check", "check", 0.5, 9], ["Bet 50%", "bet 50%", 0.5, 9]]),
        _node("decision", "OOP", 100, 0, 0, "", [["Check", "check", 1.0, 9]]),
        _node("decision", "OOP", 166, 33, 33, "", [["Check", "check", 1.0, 9]]),
        _node("terminal", "", 100, 0, 0, "", [])
    ]
}

// Statistics of a decision node: its actions with made-up combos, equity and EV.
function statsFor(node) {
    if (node.meta.nodeType !== "decision")
        return []
    return node.actions.map(function(a, i) {
        return { name: a.name, actionType: a.actionType, frequency: a.frequency,
                 combos: 20 * a.frequency, equity: 0.5, ev: 10 + i }
    })
}

// Per-class strategy of a decision node: AA all on the first action, KK split
// evenly over the first two, AKs all on the last, QJo 0.2 / 0.8.
var WEIGHTS = { "AA": 1.0, "KK": 0.5, "AKs": 0.25, "QJo": 0.75 }

function _probs(hand, count) {
    var p = []
    for (var i = 0; i < count; ++i)
        p.push(0)
    if (hand === "AA" || count === 1)
        p[0] = 1
    else if (hand === "AKs")
        p[count - 1] = 1
    else {
        p[0] = hand === "KK" ? 0.5 : 0.2
        p[1] = 1 - p[0]
    }
    return p
}

function strategyFor(node) {
    if (node.meta.nodeType !== "decision")
        return {}
    var types = node.actions.map(function(a) { return a.actionType })
    var s = { weights: {}, dominantActionTypes: {}, actionProbs: {}, actionTypeList: types,
              actionNames: node.actions.map(function(a) { return a.name }) }
    for (var hand in WEIGHTS) {
        s.weights[hand] = WEIGHTS[hand]
        s.actionProbs[hand] = _probs(hand, types.length)
        s.dominantActionTypes[hand] = types[0]
    }
    return s
}

// The 169-class fold: AA reaches at 0.9 instead of 1.0; the bucket "top pair"
// holds only KK.
function reachFor(node, bucketName) {
    var s = strategyFor(node)
    if (!s.weights)
        return s
    var weights = {}, probs = {}
    for (var hand in s.weights) {
        if (bucketName === "" || (bucketName === "top pair" && hand === "KK")) {
            weights[hand] = hand === "AA" ? 0.9 : s.weights[hand]
            probs[hand] = s.actionProbs[hand]
        }
    }
    s.weights = weights
    s.actionProbs = probs
    return s
}
