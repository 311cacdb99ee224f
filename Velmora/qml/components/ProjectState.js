.pragma library

// The project state of the shell: its 37 keys with their types, the presets
// that fill it, and the checked conversion used when a map (typically read
// from a project file) is applied to the shell.

// Key, type and whether a change of it calls for a new memory estimate.
var KEYS = [
    ["boardText", "string", true],
    ["oopRangeText", "string", true],
    ["ipRangeText", "string", true],
    ["betSizesText", "string", false],
    ["maxIterations", "count", false],
    ["startingPot", "count", true],
    ["effectiveStack", "count", true],
    ["threadCount", "count", true],
    ["startingStreet", "street", true],
    ["targetExploitability", "percent", false],
    ["rakePercent", "percent", true],
    ["rakeCap", "count", true],
    ["oopFlopBetSizesText", "string", true],
    ["oopTurnBetSizesText", "string", true],
    ["oopRiverBetSizesText", "string", true],
    ["oopFlopRaiseSizesText", "string", true],
    ["oopTurnRaiseSizesText", "string", true],
    ["oopRiverRaiseSizesText", "string", true],
    ["oopFlopAddAllIn", "bool", true],
    ["oopTurnAddAllIn", "bool", true],
    ["oopRiverAddAllIn", "bool", true],
    ["oopFlopDontDonk", "bool", true],
    ["oopTurnDontDonk", "bool", true],
    ["oopRiverDontDonk", "bool", true],
    ["ipFlopBetSizesText", "string", true],
    ["ipTurnBetSizesText", "string", true],
    ["ipRiverBetSizesText", "string", true],
    ["ipFlopRaiseSizesText", "string", true],
    ["ipTurnRaiseSizesText", "string", true],
    ["ipRiverRaiseSizesText", "string", true],
    ["ipFlopAddAllIn", "bool", true],
    ["ipTurnAddAllIn", "bool", true],
    ["ipRiverAddAllIn", "bool", true],
    ["oopAddAllInIfJamLtEnabled", "bool", true],
    ["oopAddAllInIfJamLtPct", "amount", true],
    ["ipAddAllInIfJamLtEnabled", "bool", true],
    ["ipAddAllInIfJamLtPct", "amount", true]
]

function keyNames() {
    var out = []
    for (var i = 0; i < KEYS.length; ++i)
        out.push(KEYS[i][0])
    return out
}

// The 36 keys the pages receive by binding: all but the thread count.
function pageKeyNames() {
    return keyNames().filter(function(k) { return k !== "threadCount" })
}

var OOP_DEFAULT_RANGE = "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,65s:0.75,64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45"
var IP_DEFAULT_RANGE = "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s"

// The iteration budget that the shell and the pages hold before a preset,
// a project or a profile gives one; the back end's budget for a
// configuration that names none.
var DEFAULT_MAX_ITERATIONS = 2000

// What a key holds in a blank spot, by its type.
var _BLANK_VALUES = { "string": "", "count": 0, "street": "flop", "percent": 0.0, "bool": false, "amount": 0.0 }

// Every key blank, the given thread count.
function startupBlankPreset(threadCount) {
    var p = {}
    for (var i = 0; i < KEYS.length; ++i)
        p[KEYS[i][0]] = _BLANK_VALUES[KEYS[i][1]]
    p.threadCount = threadCount
    return p
}

// The Quick Solve spot: QsJh2h, pot 180 behind 910, 5 % rake capped at 30,
// the same sizes for both seats; every other key blank.
var _QUICK_SOLVE_SPOT = {
    boardText: "QsJh2h", oopRangeText: OOP_DEFAULT_RANGE, ipRangeText: IP_DEFAULT_RANGE,
    betSizesText: "52",
    maxIterations: 400, startingPot: 180, effectiveStack: 910,
    targetExploitability: 0.5, rakePercent: 5.0, rakeCap: 30
}
var _QUICK_SOLVE_SIZES = {
    FlopBetSizesText: "52", TurnBetSizesText: "55", RiverBetSizesText: "70",
    FlopRaiseSizesText: "45", TurnRaiseSizesText: "45", RiverRaiseSizesText: "45"
}

// The Quick Solve spot over the blank state.
function defaultPreset(threadCount) {
    var p = startupBlankPreset(threadCount)
    for (var key in _QUICK_SOLVE_SPOT)
        p[key] = _QUICK_SOLVE_SPOT[key]
    var seats = ["oop", "ip"]
    for (var s = 0; s < seats.length; ++s) {
        for (var size in _QUICK_SOLVE_SIZES)
            p[seats[s] + size] = _QUICK_SOLVE_SIZES[size]
    }
    return p
}

// Blank spot, game settings of the Quick Solve spot.
function newProjectPreset(threadCount) {
    var p = startupBlankPreset(threadCount)
    var d = defaultPreset(threadCount)
    var game = ["maxIterations", "startingPot", "effectiveStack", "threadCount",
                "startingStreet", "targetExploitability", "rakePercent", "rakeCap"]
    for (var i = 0; i < game.length; ++i)
        p[game[i]] = d[game[i]]
    return p
}

function _splitTokens(text) {
    return String(text).split(",").map(function(t) { return t.trim() })
                       .filter(function(t) { return t.length > 0 })
}

function _joinTokens(tokens) {
    return tokens.map(function(t) { return String(t).trim() })
                 .filter(function(t) { return t.length > 0 }).join(",")
}

// String.replace with a string pattern touches the first occurrence only.
function customerOopRange(base) {
    var text = String(base).replace("A5s-A2s:0.5", "A5s,A4s,A3s-A2s:0.5")
                           .replace("ATo:0.75", "ATo")
    var tokens = _splitTokens(text)
    tokens.push("A9o:0.5", "K8s:0.5", "Q8s:0.5", "77:0.5", "66:0.5", "55:0.25")
    var dropped = ["42s", "52s", "63s", "74s"]
    tokens = tokens.filter(function(t) {
        for (var i = 0; i < dropped.length; ++i) {
            if (t === dropped[i] || t.indexOf(dropped[i] + ":") === 0)
                return false
        }
        return true
    })
    return _joinTokens(tokens)
}

function customerIpRange(base) {
    var text = String(base).replace("AQo-A8o", "AQo-A7o")
                           .replace("AJs-A2s", "AJs-A6s,A5s-A4s:0.5,A3s-A2s")
                           .replace("Q2s+", "Q4s+,Q3s-Q2s:0.5")
    var tokens = _splitTokens(text)
    tokens.push("QQ:0.25", "JJ:0.25", "TT:0.5", "A5o:0.5", "A4o:0.5", "J5s:0.5", "T5s:0.5")
    return _joinTokens(tokens)
}

function customerQuickSolvePreset(threadCount) {
    var p = defaultPreset(threadCount)
    p.oopRangeText = customerOopRange(p.oopRangeText)
    p.ipRangeText = customerIpRange(p.ipRangeText)
    return p
}

// Largest percentage of the pot a threshold may name.
var AMOUNT_LIMIT = 1000000

// Plain decimal notation with a point, whatever the language: "5,5" is not a
// number here.
var _NUMBER_TEXT = /^[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?$/

function _toNumber(v) {
    if (typeof v === "number")
        return isFinite(v) ? v : undefined
    if (typeof v === "string") {
        var t = v.trim()
        if (!_NUMBER_TEXT.test(t))
            return undefined
        var n = Number(t)
        return isFinite(n) ? n : undefined
    }
    return undefined
}

// The value to store for a key of the given type, or undefined when the value
// cannot stand for that type (a mistyped entry keeps the current value).
function convert(type, v) {
    if (v === undefined || v === null)
        return undefined
    switch (type) {
    case "string":
        return typeof v === "string" ? v : undefined
    case "street":
        return (v === "flop" || v === "turn" || v === "river") ? v : undefined
    case "bool":
        if (typeof v === "boolean")
            return v
        if (v === "true")
            return true
        if (v === "false")
            return false
        return undefined
    case "int": {
        var n = _toNumber(v)
        if (n === undefined || Math.abs(n) > 2147483647)
            return undefined
        return Math.round(n)
    }
    case "count": {
        // Chips, iterations and threads: a count below 0 reads as 0.
        var c = convert("int", v)
        return c === undefined ? undefined : Math.max(0, c)
    }
    case "percent": {
        var p = _toNumber(v)
        return p === undefined ? undefined : Math.min(100, Math.max(0, p))
    }
    case "amount": {
        var a = _toNumber(v)
        return a === undefined ? undefined : Math.min(AMOUNT_LIMIT, Math.max(0, a))
    }
    case "real":
        return _toNumber(v)
    }
    return undefined
}
