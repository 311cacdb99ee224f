.pragma library
.import "Ranks.js" as Ranks

// Readiness tests of a spot and the solve configuration map sent to the back
// end. The back end repeats its own checks when a solve starts; these only
// decide what the interface offers.

var RANKS = Ranks.ORDER
var SUITS = "shdc"

// The recognised cards of `s`, blanks removed, each as rank (upper case) and
// suit (lower case); unrecognised pairs and a lone last character are dropped.
function normalizeBoardText(s) {
    var raw = (s === undefined || s === null) ? "" : String(s)
    raw = raw.replace(/\s/g, "")
    var out = ""
    for (var i = 0; i + 1 < raw.length; i += 2) {
        var r = raw.charAt(i).toUpperCase()
        var u = raw.charAt(i + 1).toLowerCase()
        if (RANKS.indexOf(r) >= 0 && SUITS.indexOf(u) >= 0)
            out += r + u
    }
    return out
}

// A flop, turn or river of valid card pairs and nothing else.
function isStrictBoardReady(boardText) {
    var raw = ((boardText === undefined || boardText === null) ? "" : String(boardText)).replace(/\s/g, "")
    var norm = normalizeBoardText(raw)
    if (norm.length < raw.length)
        return false
    return norm.length === 6 || norm.length === 8 || norm.length === 10
}

// The starting street's card is on the board: a turn start needs a turn, a
// river start a river (an earlier street than the board's is moved up).
function streetFitsBoard(boardText, street) {
    var cards = normalizeBoardText(boardText).length / 2
    if (street === "river")
        return cards >= 5
    if (street === "turn")
        return cards >= 4
    return true
}

// At least one hand, for a shell without the back end's range parser: a
// uniform range above 0% ("50%", "100%"), or two rank letters in a row, any
// case ("AA", "ak", "98").
function hasAnyHand(rangeText) {
    var t = ((rangeText === undefined || rangeText === null) ? "" : String(rangeText)).trim()
    if (t.length === 0)
        return false
    var percent = /^[0-9.]*%$/.test(t) && t.length >= 2 ? parseFloat(t) : NaN
    if (!isNaN(percent))
        return percent > 0 && percent <= 100
    return Ranks.PAIR.test(t)
}

// The twelve size texts in the order they are checked: the key, the seat,
// the street and whether it holds the raise sizes.
var SIZE_FIELDS = (function() {
    var out = []
    var seats = ["oop", "ip"]
    var streets = ["flop", "turn", "river"]
    for (var s = 0; s < seats.length; ++s) {
        for (var t = 0; t < streets.length; ++t) {
            var street = streets[t].charAt(0).toUpperCase() + streets[t].slice(1)
            out.push([seats[s] + street + "BetSizesText", seats[s], streets[t], false])
            out.push([seats[s] + street + "RaiseSizesText", seats[s], streets[t], true])
        }
    }
    return out
})()

function _blank(v) {
    return v === undefined || v === null || String(v).trim().length === 0
}

// The first reason a project state `s` cannot be solved before any memory
// estimate, or null: a Setup field being typed in that holds no value
// ({kind "field", text: `fieldRefusal`, its reason}), an empty size text
// ({kind "size", seat, street, raise}), a range without a hand by
// `rangeHasHand` ({kind "range", seat, text}), a board that is no flop, turn
// or river ({kind "board", gap: whether a slot before a card is empty, as a
// river without a turn}), a starting street whose card the board lacks
// ({kind "street", street}).
function setupBlock(s, rangeHasHand, fieldRefusal) {
    if (fieldRefusal)
        return { kind: "field", text: String(fieldRefusal) }
    for (var i = 0; i < SIZE_FIELDS.length; ++i) {
        var f = SIZE_FIELDS[i]
        if (_blank(s[f[0]]))
            return { kind: "size", seat: f[1], street: f[2], raise: f[3] }
    }
    var seats = ["oop", "ip"]
    for (var k = 0; k < seats.length; ++k) {
        var text = s[seats[k] + "RangeText"]
        if (!rangeHasHand(text))
            return { kind: "range", seat: seats[k], text: text === undefined || text === null ? "" : String(text) }
    }
    if (!isStrictBoardReady(s.boardText))
        return { kind: "board", gap: String(s.boardText).indexOf("_") >= 0 }
    if (!streetFitsBoard(s.boardText, s.startingStreet))
        return { kind: "street", street: s.startingStreet }
    return null
}

function hasSizingFilled(texts) {
    for (var i = 0; i < texts.length; ++i) {
        var t = (texts[i] === undefined || texts[i] === null) ? "" : String(texts[i])
        if (t.trim().length === 0)
            return false
    }
    return true
}

function _num(v) {
    if (v === undefined || v === null)
        return 0
    return Number(v)
}

// The estimate must be known and strictly below the free memory, counting
// what clearing the current result gives back.
function hasEnoughRam(required, available, reclaimable) {
    var req = _num(required)
    var avail = _num(available)
    var reclaim = _num(reclaimable)
    if (!isFinite(req) || !isFinite(avail))
        return false
    if (req <= 0 || avail <= 0)
        return false
    var effective = avail + ((isFinite(reclaim) && reclaim > 0) ? reclaim : 0)
    return effective > req
}

// The estimate is known and does not fit: the spot needs more memory than
// the machine has free (with what clearing the stored result would free).
function needsMoreRam(required, available, reclaimable) {
    var req = _num(required)
    var avail = _num(available)
    return isFinite(req) && isFinite(avail) && req > 0 && avail > 0 && !hasEnoughRam(req, avail, reclaimable)
}

// Target exploitability in chips from a percentage of the starting pot.
function targetAmount(pot, pct) {
    var p = Number(pot)
    var t = Number(pct)
    if (!isFinite(p) || !isFinite(t) || p <= 0)
        return 0.0
    return p * t / 100
}

// The 36-key solve configuration map of a project state (any object with the
// project-state property names); values go as they stand, the target in chips.
function solveConfigMap(s) {
    return {
        "board": s.boardText,
        "oop_range": s.oopRangeText,
        "ip_range": s.ipRangeText,
        "max_iterations": s.maxIterations,
        "target_exploitability": targetAmount(s.startingPot, s.targetExploitability),
        "starting_pot": s.startingPot,
        "effective_stack": s.effectiveStack,
        "rake_percent": s.rakePercent,
        "rake_cap": s.rakeCap,
        "starting_street": s.startingStreet,
        "thread_count": s.threadCount,
        "oop_flop_bet_sizes": s.oopFlopBetSizesText,
        "oop_turn_bet_sizes": s.oopTurnBetSizesText,
        "oop_river_bet_sizes": s.oopRiverBetSizesText,
        "oop_flop_raise_sizes": s.oopFlopRaiseSizesText,
        "oop_turn_raise_sizes": s.oopTurnRaiseSizesText,
        "oop_river_raise_sizes": s.oopRiverRaiseSizesText,
        "oop_flop_add_all_in": s.oopFlopAddAllIn,
        "oop_turn_add_all_in": s.oopTurnAddAllIn,
        "oop_river_add_all_in": s.oopRiverAddAllIn,
        "oop_flop_dont_donk": s.oopFlopDontDonk,
        "oop_turn_dont_donk": s.oopTurnDontDonk,
        "oop_river_dont_donk": s.oopRiverDontDonk,
        "ip_flop_bet_sizes": s.ipFlopBetSizesText,
        "ip_turn_bet_sizes": s.ipTurnBetSizesText,
        "ip_river_bet_sizes": s.ipRiverBetSizesText,
        "ip_flop_raise_sizes": s.ipFlopRaiseSizesText,
        "ip_turn_raise_sizes": s.ipTurnRaiseSizesText,
        "ip_river_raise_sizes": s.ipRiverRaiseSizesText,
        "ip_flop_add_all_in": s.ipFlopAddAllIn,
        "ip_turn_add_all_in": s.ipTurnAddAllIn,
        "ip_river_add_all_in": s.ipRiverAddAllIn,
        "oop_add_all_in_jam_threshold_enabled": s.oopAddAllInIfJamLtEnabled,
        "oop_add_all_in_jam_threshold_pct": s.oopAddAllInIfJamLtPct,
        "ip_add_all_in_jam_threshold_enabled": s.ipAddAllInIfJamLtEnabled,
        "ip_add_all_in_jam_threshold_pct": s.ipAddAllInIfJamLtPct
    }
}
