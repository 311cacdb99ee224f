.pragma library

// A small solved tree on the flop 2c3d4h: IP acts first (Check or Bet),
// OOP answers, a turn card is dealt (As, the OOP hole card, or 7c), and
// hands end at terminal nodes. OOP holds AsKs, IP QhQd.
function decision(player, pot, invOop, invIp, actions, extra) {
    var n = { meta: { nodeType: "decision", player: player, pot: pot, effectiveStack: 100,
                      investedOop: invOop, investedIp: invIp, hasChildren: true },
              actions: actions }
    for (var k in (extra || {}))
        n[k] = extra[k]
    return n
}
function act(name, type, freq, child) {
    return { name: name, actionType: type, frequency: freq, childIndex: child }
}
function terminal(pot, invOop, invIp) {
    return { meta: { nodeType: "terminal", pot: pot, effectiveStack: 100, investedOop: invOop,
                     investedIp: invIp, hasChildren: false }, actions: [] }
}
function pocket(c1, c2, evs) {
    return { c1: c1, c2: c2, weight: 1, ev: evs[0], actionEvs: evs, buckets: [], actionProbs: [] }
}

function flopTree() {
    var seats = { OOP: [{ c1: "As", c2: "Ks", weight: 1 }], IP: [{ c1: "Qh", c2: "Qd", weight: 1 }] }
    return [
        /* 0 */ decision("IP", 100, 50, 50, [act("Check", "check", 0.6, 1), act("Bet 50%", "bet", 0.4, 2)],
                         { seats: seats, combos: [pocket("Qh", "Qd", [1, 0.5])] }),
        /* 1 */ decision("OOP", 100, 50, 50, [act("Check", "check", 0.5, 3), act("Bet 50%", "bet", 0.5, 4)],
                         { seats: seats, combos: [pocket("As", "Ks", [10, 9.5])] }),
        /* 2 */ decision("OOP", 150, 50, 100, [act("Fold", "fold", 0.3, 5), act("Call", "call", 0.7, 6)],
                         { seats: seats, combos: [pocket("As", "Ks", [4.2, 3.9])] }),
        /* 3 */ { meta: { nodeType: "chance", chanceDeal: "turn", pot: 100, effectiveStack: 100,
                          investedOop: 50, investedIp: 50, hasChildren: true },
                  actions: [act("As", "chance", 0.5, 7), act("7c", "chance", 0.5, 8)], seats: seats },
        /* 4 */ decision("IP", 150, 100, 50, [act("Fold", "fold", 0.5, 5), act("Call", "call", 0.5, 6)],
                         { seats: seats }),
        /* 5 */ terminal(150, 50, 100),
        /* 6 */ terminal(200, 100, 100),
        /* 7 */ decision("OOP", 100, 50, 50, [act("Check", "check", 1, 9)], { seats: seats }),
        /* 8 */ decision("OOP", 100, 50, 50, [act("Check", "check", 1, 9)], { seats: seats }),
        /* 9 */ terminal(100, 50, 50)
    ]
}
