.pragma library

// Range texts of the population template, the library the page builds when
// the shipped population table lacks a top folder. Hand-written, coarse
// ranges without weights.

var PASSIVE_LEAVES_OOP = [
    { name: "UTG/HJ/CO", leaves: ["Limp", "Limp-call", "Limp-3b", "RFI", "Call 3b", "4b"] },
    { name: "SB", leaves: ["Limp", "Limp-3b", "RFI", "3b", "4b", "Call 3b", "Call 4b"] },
    { name: "BB", leaves: ["Check back", "Call raise", "3b", "Call 4b"] }
]
var PASSIVE_LEAVES_IP = [
    { name: "UTG/HJ/CO", leaves: ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"] },
    { name: "BU", leaves: ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"] },
    { name: "BB", leaves: ["Call raise", "3b", "Call 4b"] }
]
var AGGRESSIVE_LEAVES_OOP = [
    { name: "UTG/HJ/CO", leaves: ["RFI", "Call 3b", "4b"] },
    { name: "SB", leaves: ["RFI", "3b", "4b", "Call 3b", "Call 4b"] },
    { name: "BB", leaves: ["Call raise", "3b", "Call 4b"] }
]
var AGGRESSIVE_LEAVES_IP = [
    { name: "UTG/HJ/CO", leaves: ["RFI", "3b", "Call 3b", "4b", "Call 4b"] },
    { name: "BU", leaves: ["RFI", "3b", "Call 3b", "4b", "Call 4b"] },
    { name: "BB", leaves: ["Call", "3b"] }
]
var NIT_LEAVES_OOP = [
    { name: "UTG/HJ/CO", leaves: ["RFI", "Call 3b", "4b"] },
    { name: "SB", leaves: ["RFI", "3b", "4b", "Call 3b", "Call 4b"] },
    { name: "BB", leaves: ["Check back", "Call raise", "3b", "Call 4b"] }
]
var NIT_LEAVES_IP = [
    { name: "UTG/HJ/CO", leaves: ["RFI", "3b", "Call 3b", "4b", "Call 4b"] },
    { name: "BU", leaves: ["RFI", "3b", "Call 3b", "4b", "Call 4b"] },
    { name: "BB", leaves: ["Call raise", "3b", "Call 4b"] }
]

// Passive players by level, seat row and range name.
var PASSIVE = {
    tight: {
        "UTG/HJ/CO": {
            "Limp": "22-66, A2s-A5s, 54s-98s, T9s, JTs, QJs, KQs",
            "Limp-call": "22-66, A5s, T9s, JTs, QJs, KQs",
            "Limp-3b": "AA, KK",
            "RFI": "22+, AJs+, KQs, AQo+, AKo",
            "3b": "QQ+, AKs",
            "Call 3b": "TT-QQ, AQs+, AKo",
            "4b": "KK+",
            "Call 4b": "QQ, AKs"
        },
        "SB": {
            "Limp": "22-77, A2s-A9s, KTs+, QTs+, JTs, T9s, 98s, ATo+, KJo+",
            "Limp-3b": "AA, KK",
            "RFI": "88+, ATs+, KQs, AJo+",
            "3b": "QQ+, AKs, AKo",
            "4b": "KK+",
            "Call 3b": "99-QQ, AJs+, AQo+",
            "Call 4b": "QQ, AKs"
        },
        "BB": {
            "Check back": "22-99, A2s-AJs, K2s+, Q6s+, J7s+, T7s+, 97s+, 86s+, 75s+, 65s, 54s, A2o-AJo, K8o+, Q9o+, J9o+, T9o",
            "Call raise": "22-JJ, A2s-AQs, K9s+, QTs+, JTs, T9s, 98s, ATo+, KJo+",
            "Call": "22-JJ, A2s-AQs, K9s+, QTs+, JTs, T9s, 98s, ATo+, KJo+",
            "3b": "QQ+, AKs, AKo",
            "Call 4b": "QQ, AKs"
        },
        "3b cold call": "99-JJ, AQs, KQs"
    },
    neutral: {
        "UTG/HJ/CO": {
            "Limp": "22-77, A2s-A9s, K9s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 76s, 65s, ATo, KJo, QJo",
            "Limp-call": "22-77, A2s-A9s, KTs+, QTs+, JTs, T9s, 98s, 87s, 76s",
            "Limp-3b": "AA, KK, AKs",
            "RFI": "88+, ATs+, KQs, AJo+",
            "3b": "QQ+, AKs, AKo",
            "Call 3b": "99-QQ, AJs+, KQs, AQo+",
            "4b": "KK+, AKs",
            "Call 4b": "QQ, JJ, AKs, AKo"
        },
        "SB": {
            "Limp": "22-88, A2s-ATs, K7s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, A2o-ATo, K9o+, QTo+, JTo",
            "Limp-3b": "AA, KK, AKs",
            "RFI": "99+, AJs+, KQs, AQo+",
            "3b": "JJ+, AQs+, AKo",
            "4b": "KK+, AKs",
            "Call 3b": "88-QQ, ATs+, KJs+, AJo+",
            "Call 4b": "JJ, QQ, AKs, AKo"
        },
        "BB": {
            "Check back": "22-99, A2s-AJs, K2s+, Q2s+, J5s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-AJo, K5o+, Q8o+, J8o+, T8o+, 98o",
            "Call raise": "22-JJ, A2s-AQs, K7s+, Q9s+, J9s+, T8s+, 98s, 87s, 76s, 65s, A8o+, KTo+, QTo+, JTo",
            "Call": "22-JJ, A2s-AQs, K7s+, Q9s+, J9s+, T8s+, 98s, 87s, 76s, 65s, A8o+, KTo+, QTo+, JTo",
            "3b": "QQ+, AKs, AKo",
            "Call 4b": "QQ, JJ, AKs, AKo"
        },
        "3b cold call": "88-JJ, AJs-AQs, KQs"
    },
    loose: {
        "UTG/HJ/CO": {
            "Limp": "22-88, A2s-ATs, K5s+, Q7s+, J7s+, T7s+, 96s+, 85s+, 75s+, 64s+, 54s, A2o-ATo, K9o+, QTo+, JTo",
            "Limp-call": "22-88, A2s-ATs, K8s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 76s, 65s, A8o+, KTo+, QJo",
            "Limp-3b": "AA, KK, QQ, AKs",
            "RFI": "99+, AJs+, KQs, AQo+",
            "3b": "JJ+, AQs+, AKo",
            "Call 3b": "77-QQ, ATs+, KJs+, AJo+, KQo",
            "4b": "QQ+, AKs",
            "Call 4b": "TT-QQ, AQs+, AKo"
        },
        "SB": {
            "Limp": "22-99, A2s-AJs, K2s+, Q5s+, J6s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-AJo, K7o+, Q9o+, J9o+, T9o",
            "Limp-3b": "AA, KK, QQ, AKs",
            "RFI": "TT+, AQs+, AKo",
            "3b": "JJ+, AQs+, AQo+",
            "4b": "QQ+, AKs",
            "Call 3b": "77-QQ, ATs+, KTs+, QJs, AJo+, KQo",
            "Call 4b": "TT-QQ, AQs+, AKo"
        },
        "BB": {
            "Check back": "22-TT, A2s-AQs, K2s+, Q2s+, J2s+, T4s+, 95s+, 84s+, 73s+, 62s+, 52s+, 42s+, 32s, A2o-AQo, K2o+, Q5o+, J7o+, T7o+, 97o+, 87o, 76o",
            "Call raise": "22-JJ, A2s-AQs, K4s+, Q7s+, J7s+, T7s+, 96s+, 85s+, 75s+, 64s+, 54s, A5o+, K9o+, Q9o+, J9o+, T9o",
            "Call": "22-JJ, A2s-AQs, K4s+, Q7s+, J7s+, T7s+, 96s+, 85s+, 75s+, 64s+, 54s, A5o+, K9o+, Q9o+, J9o+, T9o",
            "3b": "JJ+, AQs+, AKo",
            "Call 4b": "TT-QQ, AQs+, AKo"
        },
        "3b cold call": "77-JJ, ATs-AQs, KJs+, QJs, AQo"
    },
    extreme: {
        "UTG/HJ/CO": {
            "Limp": "22-99, A2s-AJs, K2s+, Q4s+, J6s+, T6s+, 95s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-AJo, K7o+, Q8o+, J8o+, T8o+, 98o",
            "Limp-call": "22-99, A2s-AJs, K5s+, Q7s+, J7s+, T7s+, 96s+, 85s+, 75s+, 64s+, 54s, A5o+, K9o+, Q9o+, J9o+",
            "Limp-3b": "AA, KK, QQ, AKs, AKo",
            "RFI": "TT+, AQs+, AKo",
            "3b": "QQ+, AKs",
            "Call 3b": "55-JJ, A8s+, KTs+, QTs+, JTs, ATo+, KJo+",
            "4b": "KK+",
            "Call 4b": "TT-QQ, AJs+, AQo+"
        },
        "SB": {
            "Limp": "22-TT, A2s-AQs, K2s+, Q2s+, J4s+, T5s+, 95s+, 84s+, 73s+, 63s+, 52s+, 42s+, 32s, A2o-AQo, K4o+, Q7o+, J8o+, T8o+, 97o+, 87o",
            "Limp-3b": "AA, KK, QQ, AKs, AKo",
            "RFI": "JJ+, AKs, AKo",
            "3b": "QQ+, AKs",
            "4b": "KK+",
            "Call 3b": "55-JJ, A8s+, KTs+, QTs+, JTs, ATo+, KJo+",
            "Call 4b": "TT-QQ, AJs+, AQo+"
        },
        "BB": {
            "Check back": "100%",
            "Call raise": "22-JJ, A2s-AQs, K2s+, Q4s+, J6s+, T6s+, 96s+, 85s+, 74s+, 64s+, 53s+, 43s, A2o-AQo, K8o+, Q9o+, J9o+, T8o+, 98o",
            "Call": "22-JJ, A2s-AQs, K2s+, Q4s+, J6s+, T6s+, 96s+, 85s+, 74s+, 64s+, 53s+, 43s, A2o-AQo, K8o+, Q9o+, J9o+, T8o+, 98o",
            "3b": "QQ+, AKs",
            "Call 4b": "TT-QQ, AJs+, AQo+"
        },
        "3b cold call": "55-JJ, A9s-AQs, KTs+, QTs+, JTs, AJo+, KQo"
    }
}

// Loose aggressive players by style, seat row and range name.
var AGGRESSIVE = {
    standard: {
        "UTG/HJ/CO": {
            "RFI": "22+, A2s+, K8s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 75s+, 65s, 54s, A9o+, KTo+, QTo+, JTo",
            "3b": "TT+, AJs+, KQs, AQo+, A5s-A2s, K9s, QTs, JTs",
            "Call 3b": "66-JJ, ATs-AQs, KTs+, QTs+, JTs, T9s, 98s, AJo-AQo, KQo",
            "4b": "QQ+, AKs, AKo, A5s-A4s",
            "Call 4b": "JJ-QQ, AQs, AKo"
        },
        "SB": {
            "RFI": "22+, A2s+, K5s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, A7o+, K9o+, QTo+, JTo",
            "3b": "99+, ATs+, KJs+, QJs, AJo+, KQo, A5s-A2s, K8s-K5s, T9s, 98s",
            "4b": "QQ+, AKs, AKo, A5s-A3s",
            "Call 3b": "55-JJ, A9s-AQs, KTs+, QTs+, JTs, T9s, 98s, ATo-AQo, KQo",
            "Call 4b": "TT-QQ, AQs, AKo"
        },
        "BB": {
            "Call raise": "22-TT, A2s-AJs, K6s+, Q8s+, J8s+, T7s+, 97s+, 86s+, 75s+, 64s+, 54s, A8o+, KTo+, QTo+, JTo",
            "Call": "22-TT, A2s-AJs, K6s+, Q8s+, J8s+, T7s+, 97s+, 86s+, 75s+, 64s+, 54s, A8o+, KTo+, QTo+, JTo",
            "3b": "TT+, AJs+, KQs, AQo+, A5s-A2s, K9s-K6s, T9s, 87s",
            "Call 4b": "JJ-QQ, AQs, AKo"
        }
    },
    maniac: {
        "UTG/HJ/CO": {
            "RFI": "22+, A2s+, K2s+, Q5s+, J7s+, T7s+, 96s+, 85s+, 74s+, 64s+, 53s+, 43s, A2o+, K8o+, Q9o+, J9o+, T9o",
            "3b": "88+, A8s+, KTs+, QTs+, ATo+, KJo+, A5s-A2s, K9s-K5s, Q9s, J9s, T8s+, 97s+, 87s, 76s",
            "Call 3b": "22-TT, A2s-AJs, K9s+, Q9s+, J9s+, T9s, 98s, 87s, A9o-AJo, KTo+",
            "4b": "TT+, AJs+, AQo+, AKo, A5s-A2s, K9s-K7s",
            "Call 4b": "88-QQ, ATs+, KQs, AJo+"
        },
        "SB": {
            "RFI": "22+, A2s+, K2s+, Q2s+, J5s+, T6s+, 95s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+, K5o+, Q8o+, J8o+, T8o+, 98o",
            "3b": "77+, A2s+, K8s+, Q9s+, J9s+, T8s+, 97s+, 87s, 76s, 65s, A9o+, KTo+, QJo",
            "4b": "TT+, AJs+, AQo+, AKo, A5s-A2s",
            "Call 3b": "22-TT, A2s-AJs, K9s+, Q9s+, J9s+, T9s, 98s, A9o-AJo, KTo+",
            "Call 4b": "88-QQ, ATs+, KQs, AJo+"
        },
        "BB": {
            "Call raise": "22-99, A2s-ATs, K2s+, Q5s+, J7s+, T7s+, 96s+, 85s+, 74s+, 64s+, 53s+, 43s, A2o+, K8o+, Q9o+, J9o+, T9o",
            "Call": "22-99, A2s-ATs, K2s+, Q5s+, J7s+, T7s+, 96s+, 85s+, 74s+, 64s+, 53s+, 43s, A2o+, K8o+, Q9o+, J9o+, T9o",
            "3b": "88+, A8s+, KTs+, QTs+, ATo+, KJo+, A5s-A2s, K9s-K5s, T8s+, 97s+, 86s+, 76s, 65s",
            "Call 4b": "88-QQ, ATs+, KQs, AJo+"
        }
    }
}

// Level of a passive archetype from its name.
function passiveLevel(name) {
    var n = String(name).toLowerCase()
    if (n.indexOf("passive tight") >= 0)
        return "tight"
    if (n.indexOf("passive neutral") >= 0)
        return "neutral"
    if (n.indexOf("passive loose") >= 0)
        return "loose"
    if (n.indexOf("extreme loose") >= 0)
        return "extreme"
    return "neutral"
}

function aggressiveStyle(name) {
    return String(name).toLowerCase().indexOf("maniac") >= 0 ? "maniac" : "standard"
}

// The button plays the rows of the early seats.
function _row(table, seatName) {
    return table[seatName === "BU" ? "UTG/HJ/CO" : seatName]
}

function _seats(layout, table) {
    var out = []
    for (var s = 0; s < layout.length; ++s) {
        var row = table ? _row(table, layout[s].name) : null
        var leaves = []
        for (var l = 0; l < layout[s].leaves.length; ++l) {
            var leaf = layout[s].leaves[l]
            leaves.push({ name: leaf, value: row ? row[leaf] : "" })
        }
        out.push({ name: layout[s].name, leaves: leaves })
    }
    return out
}

// The two archetype groups of a seat ("oop" or "ip"): each archetype with its
// seat folders of {name, value} leaves and, for passive ones, the cold call.
function archetypeGroups(seat) {
    var oop = seat === "oop"
    var passiveNames = ["Passive tight (VPIP 18\u201325)", "Passive neutral (VPIP 25\u201335)",
                        "Passive loose (VPIP 35\u201345)", "Extreme loose (VPIP 45\u201365)"]
    var aggressiveNames = ["Standard LAG (VPIP 28\u201340)", "Maniac (VPIP 45\u201370)"]
    var passive = []
    for (var p = 0; p < passiveNames.length; ++p) {
        var level = PASSIVE[passiveLevel(passiveNames[p])]
        passive.push({ name: passiveNames[p], seats: _seats(oop ? PASSIVE_LEAVES_OOP : PASSIVE_LEAVES_IP, level),
                       coldCall: level["3b cold call"] })
    }
    var aggressive = []
    for (var a = 0; a < aggressiveNames.length; ++a) {
        aggressive.push({ name: aggressiveNames[a],
                          seats: _seats(oop ? AGGRESSIVE_LEAVES_OOP : AGGRESSIVE_LEAVES_IP,
                                        AGGRESSIVE[aggressiveStyle(aggressiveNames[a])]) })
    }
    return [{ name: "Passive (VPIP 18\u201365)", archetypes: passive },
            { name: "Loose aggressive (VPIP 28\u201370)", archetypes: aggressive }]
}

// The nit's seat folders; its ranges are left empty.
function nitSeats(seat) {
    return _seats(seat === "oop" ? NIT_LEAVES_OOP : NIT_LEAVES_IP, null)
}
