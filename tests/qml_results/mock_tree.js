.pragma library

// A hand-made flop tree on "AhKhQh" (pot 100, stacks 100) for the results
// page tests, with the answers of the controller's node queries.
//
//   0 OOP: Check -> 1, Bet 33% -> 2
//   1 IP: Check -> 3
//   2 IP facing 33: Fold -> 4, Call -> 5
//   3 turn deal: 7c -> 6, 2c -> 7       (only clubs listed: s, d, c are alike)
//   4 terminal (IP folded)
//   5 turn deal after the call: 7c -> 8
//   6 OOP on 7c: Check -> 9, Bet 50% -> 9
//   7 OOP on 2c: Check -> 9
//   8 OOP on 7c after the call: Check -> 9
//   9 terminal

function _meta(type, player, pot, inOop, inIp, deal, hasChildren) {
    return { nodeType: type, chanceDeal: deal || "", player: player, pot: pot, effectiveStack: 100,
             investedOop: inOop, investedIp: inIp, hasChildren: hasChildren }
}

function _act(name, type, freq, child) {
    return { name: name, actionType: type, frequency: freq, childIndex: child }
}

function defaultTree() {
    return [
        { meta: _meta("decision", "OOP", 100, 0, 0, "", true),
          actions: [_act("Check", "check", 0.6, 1), _act("Bet 33%", "bet 33%", 0.4, 2)] },
        { meta: _meta("decision", "IP", 100, 0, 0, "", true),
          actions: [_act("Check", "check", 1.0, 3)] },
        { meta: _meta("decision", "IP", 133, 33, 0, "", true),
          actions: [_act("Fold", "fold", 0.3, 4), _act("Call", "call", 0.7, 5)] },
        { meta: _meta("chance", "", 100, 0, 0, "turn", true),
          actions: [_act("7c", "chance", 0.5, 6), _act("2c", "chance", 0.5, 7)] },
        { meta: _meta("terminal", "", 133, 33, 0, "", false), actions: [] },
        { meta: _meta("chance", "", 166, 33, 33, "turn", true),
          actions: [_act("7c", "chance", 1.0, 8)] },
        { meta: _meta("decision", "OOP", 100, 0, 0, "", true),
          actions: [_act("Check", "check", 0.5, 9), _act("Bet 50%", "bet 50%", 0.5, 9)] },
        { meta: _meta("decision", "OOP", 100, 0, 0, "", true),
          actions: [_act("Check", "check", 1.0, 9)] },
        { meta: _meta("decision", "OOP", 166, 33, 33, "", true),
          actions: [_act("Check", "check", 1.0, 9)] },
        { meta: _meta("terminal", "", 100, 0, 0, "", false), actions: [] }
    ]
}

// Statistics of a decision node: the actions with made-up combos, equity and EV.
function statsFor(node) {
    if (node.meta.nodeType !== "decision")
        return []
    var out = []
    for (var i = 0; i < node.actions.length; ++i) {
        var a = node.actions[i]
        out.push({ name: a.name, actionType: a.actionType, frequency: a.frequency,
                   combos: 20 * a.frequency, equity: 0.5, ev: 10 + i })
    }
    return out
}

// Per-class strategy of a decision node with A actions: AA all on the first
// action, KK split evenly over the first two, AKs all on the last, QJo 0.2 on
// the first and the rest on the second.
function _probs(hand, count) {
    var p = []
    for (var i = 0; i < count; ++i)
        p.push(0)
    if (count === 0)
        return p
    if (hand === "AA")
        p[0] = 1
    else if (hand === "AKs")
        p[count - 1] = 1
    else if (count === 1)
        p[0] = 1
    else if (hand === "KK")
        p[0] = p[1] = 0.5
    else {
        p[0] = 0.2
        p[1] = 0.8
    }
    return p
}

var STRATEGY_WEIGHTS = { "AA": 1.0, "KK": 0.5, "AKs": 0.25, "QJo": 0.75 }

function strategyFor(node) {
    if (node.meta.nodeType !== "decision")
        return {}
    var count = node.actions.length
    var weights = {}, dominant = {}, probs = {}, names = [], types = []
    for (var a = 0; a < count; ++a) {
        names.push(node.actions[a].name)
        types.push(node.actions[a].actionType)
    }
    for (var hand in STRATEGY_WEIGHTS) {
        weights[hand] = STRATEGY_WEIGHTS[hand]
        probs[hand] = _probs(hand, count)
        dominant[hand] = types[0]
    }
    return { weights: weights, dominantActionTypes: dominant, actionNames: names,
             actionTypeList: types, actionProbs: probs }
}

// The 169-class fold: AA reaches at 0.9 instead of the strategy's 1.0; the
// bucket "top pair" holds only KK.
function reachFor(node, bucketName) {
    var base = strategyFor(node)
    if (!base.weights)
        return base
    var weights = {}, probs = {}
    for (var hand in base.weights) {
        if (bucketName !== "" && !(bucketName === "top pair" && hand === "KK"))
            continue
        weights[hand] = hand === "AA" ? 0.9 : base.weights[hand]
        probs[hand] = base.actionProbs[hand]
    }
    return { weights: weights, dominantActionTypes: base.dominantActionTypes, actionNames: base.actionNames,
             actionTypeList: base.actionTypeList, actionProbs: probs }
}
