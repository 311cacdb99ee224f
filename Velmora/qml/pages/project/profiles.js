.pragma library

.import "names.js" as Names
.import "boardtext.js" as BoardText

// Settings profiles: named copies of the game settings and all sizings of
// the Setup page, never the board, the ranges or the thread count.

// Stored key and page property of every snapshot entry, in stored order.
var NUMBER_KEYS = [
    ["starting_pot", "startingPot"],
    ["effective_stack", "effectiveStack"],
    ["rake_percent", "rakePercent"],
    ["rake_cap", "rakeCap"]
]

var SIZE_KEYS = (function() {
    var out = []
    var seats = [["oop", "oop"], ["ip", "ip"]]
    var streets = [["flop", "Flop"], ["turn", "Turn"], ["river", "River"]]
    for (var s = 0; s < seats.length; ++s) {
        var key = seats[s][0], prop = seats[s][1]
        var kinds = [["bet_sizes", "BetSizesText", "text"], ["raise_sizes", "RaiseSizesText", "text"],
                     ["add_all_in", "AddAllIn", "flag"]]
        if (key === "oop")
            kinds.push(["dont_donk", "DontDonk", "flag"])
        for (var k = 0; k < kinds.length; ++k) {
            for (var t = 0; t < streets.length; ++t)
                out.push([key + "_" + streets[t][0] + "_" + kinds[k][0], prop + streets[t][1] + kinds[k][1], kinds[k][2]])
        }
    }
    return out
})()

var JAM_KEYS = [
    ["oop_add_all_in_jam_threshold_enabled", "oopAddAllInIfJamLtEnabled"],
    ["oop_add_all_in_jam_threshold_pct", "oopAddAllInIfJamLtPct"],
    ["ip_add_all_in_jam_threshold_enabled", "ipAddAllInIfJamLtEnabled"],
    ["ip_add_all_in_jam_threshold_pct", "ipAddAllInIfJamLtPct"]
]

function _entries() {
    return NUMBER_KEYS.concat([["target_exploitability_pct", "targetExploitability"],
                               ["max_iterations", "maxIterations"],
                               ["starting_street", "startingStreet"]],
                              SIZE_KEYS, JAM_KEYS)
}

// The 32-key snapshot of the page's current values.
function snapshot(page) {
    var out = {}
    var entries = _entries()
    for (var i = 0; i < entries.length; ++i)
        out[entries[i][0]] = page[entries[i][1]]
    return out
}

function _has(data, key) {
    return Object.prototype.hasOwnProperty.call(data, key) && data[key] !== undefined
}

function _isMap(x) {
    return x !== null && typeof x === "object" && !Array.isArray(x)
}

// The range and kind each number field of the page takes; a stored value
// is clamped into it as the field clamps what is typed, and an integer
// field keeps the integer part. The iteration budget has no field and is
// kept within a 32-bit count. The same ranges as kFields in
// backend/project_file/state_check.cpp, which checks an opened project's fields:
// a change here is made there too.
var LIMITS = {
    startingPot: [1, 100000, true],
    effectiveStack: [1, 100000, true],
    rakePercent: [0, 100, false],
    rakeCap: [0, 1000000, true],
    targetExploitability: [0, 100, false],
    maxIterations: [0, 2147483647, true],
    oopAddAllInIfJamLtPct: [0, 1000, false],
    ipAddAllInIfJamLtPct: [0, 1000, false]
}

var STREETS = ["flop", "turn", "river"]

// The number of a stored value (a number or a text holding one); NaN for
// anything else, so that a damaged profile never reaches a solve.
function _number(x) {
    if (typeof x !== "number" && typeof x !== "string")
        return NaN
    var n = Number(x)
    return isFinite(n) && String(x).trim().length > 0 ? n : NaN
}

// The value a page property takes from a stored number: clamped into its
// field's range; NaN stays NaN.
function fieldValue(prop, n) {
    var limit = LIMITS[prop]
    if (!limit || !isFinite(n))
        return n
    var v = Math.min(limit[1], Math.max(limit[0], n))
    return limit[2] ? Math.trunc(v) : v
}

// A stored size text: a text as it is, a number as its decimal text; any
// other value (missing, false, an object) gives an empty field.
function _sizeText(v) {
    if (typeof v === "string")
        return v
    if (typeof v === "number" && isFinite(v) && v !== 0)
        return String(v)
    return ""
}

// The starting street a profile leaves the page with: the board's once it
// holds a flop (three cards start on the flop, four on the turn, five on
// the river, as the page always derives it); on a board without a flop yet
// the profile's own, when it is one of the three, else none (undefined).
function startingStreet(data, boardText) {
    if (BoardText.usedCards(boardText).length >= 3)
        return BoardText.inferStreet(boardText)
    var saved = _has(data, "starting_street") ? data.starting_street : undefined
    return STREETS.indexOf(saved) >= 0 ? saved : undefined
}

// The assignments a snapshot makes, as [property, value] pairs in the order
// they are made. `currentPot` is the page's pot before any of them and
// `boardText` its board, which decides the street. A stored number that is
// not finite is left out, so the property keeps its value; one outside its
// field's range is clamped into it.
function assignments(data, currentPot, boardText) {
    var out = []
    if (!_isMap(data))
        return out
    var pot = Number(currentPot)
    function push(prop, n) {
        var v = fieldValue(prop, n)
        if (isFinite(v))
            out.push([prop, v])
    }
    function number(key, prop) {
        if (!_has(data, key))
            return
        var n = fieldValue(prop, _number(data[key]))
        if (isFinite(n)) {
            out.push([prop, n])
            if (prop === "startingPot")
                pot = n
        }
    }
    for (var i = 0; i < NUMBER_KEYS.length; ++i)
        number(NUMBER_KEYS[i][0], NUMBER_KEYS[i][1])

    if (_has(data, "target_exploitability_pct")) {
        number("target_exploitability_pct", "targetExploitability")
    } else if (_has(data, "target_exploitability")) {
        // Older profiles keep the target in chips: a percent of the pot
        // the profile has just set (or the page's own).
        var chips = _number(data.target_exploitability)
        if (isFinite(chips))
            push("targetExploitability", isFinite(pot) && pot > 0 ? chips * 100 / pot : chips)
    }

    number("max_iterations", "maxIterations")
    var street = startingStreet(data, boardText)
    if (street !== undefined)
        out.push(["startingStreet", street])

    for (var s = 0; s < SIZE_KEYS.length; ++s) {
        var v = data[SIZE_KEYS[s][0]]
        if (SIZE_KEYS[s][2] === "text")
            out.push([SIZE_KEYS[s][1], _sizeText(v)])
        else
            out.push([SIZE_KEYS[s][1], !!v])
    }

    // Older profiles hold one threshold for both seats.
    if (_has(data, "add_all_in_jam_threshold_enabled")) {
        out.push(["oopAddAllInIfJamLtEnabled", !!data.add_all_in_jam_threshold_enabled])
        out.push(["ipAddAllInIfJamLtEnabled", !!data.add_all_in_jam_threshold_enabled])
    } else {
        out.push(["oopAddAllInIfJamLtEnabled", !!data.oop_add_all_in_jam_threshold_enabled])
        out.push(["ipAddAllInIfJamLtEnabled", !!data.ip_add_all_in_jam_threshold_enabled])
    }
    if (_has(data, "add_all_in_jam_threshold_pct")) {
        var both = _number(data.add_all_in_jam_threshold_pct)
        push("oopAddAllInIfJamLtPct", both)
        push("ipAddAllInIfJamLtPct", both)
    } else {
        number("oop_add_all_in_jam_threshold_pct", "oopAddAllInIfJamLtPct")
        number("ip_add_all_in_jam_threshold_pct", "ipAddAllInIfJamLtPct")
    }
    return out
}

// True when the record is already clean: exactly an id that is not blank,
// a trimmed name, a text createdAt and a map as data, in that order.
function _isClean(e, name) {
    var keys = Object.keys(e)
    return keys.length === 4 && keys[0] === "id" && keys[1] === "name" && keys[2] === "createdAt" && keys[3] === "data"
            && typeof e.id === "string" && e.id.trim().length > 0 && e.name === name
            && typeof e.createdAt === "string" && _isMap(e.data)
}

// Clean records {id, name, createdAt, data}: entries without a name are
// dropped, a blank id is replaced by `newId()`, data that is not a map
// becomes an empty one. A record that is clean already is kept itself, not
// copied: records are never changed in place, and lists share them.
function sanitize(list, newId) {
    var out = []
    if (!Array.isArray(list))
        return out
    for (var i = 0; i < list.length; ++i) {
        var e = list[i]
        if (e === null || e === undefined || typeof e !== "object")
            continue
        var name = Names.trimmed(e.name)
        if (name.length === 0)
            continue
        if (_isClean(e, name)) {
            out.push(e)
            continue
        }
        var id = Names.text(e.id)
        out.push({
            id: id.trim().length > 0 ? id : newId(),
            name: name,
            createdAt: Names.text(e.createdAt),
            data: _isMap(e.data) ? e.data : {}
        })
    }
    return out
}

// True when the stored value is a list of profile records in the form this
// page writes: each an object with a text name that is not blank and
// besides at most a text id, a text createdAt and a map (or null) as data.
// Sanitising such a list only trims names and fills in missing ids and
// dates; any other value would lose entries or values.
function isStoreForm(value) {
    if (!Array.isArray(value))
        return false
    var allowed = ["id", "name", "createdAt", "data"]
    for (var i = 0; i < value.length; ++i) {
        var e = value[i]
        if (!_isMap(e) || typeof e.name !== "string" || e.name.trim().length === 0)
            return false
        var keys = Object.keys(e)
        for (var k = 0; k < keys.length; ++k) {
            if (allowed.indexOf(keys[k]) < 0)
                return false
        }
        if ((_has(e, "id") && typeof e.id !== "string") || (_has(e, "createdAt") && typeof e.createdAt !== "string")
                || (_has(e, "data") && e.data !== null && !_isMap(e.data)))
            return false
    }
    return true
}

// The profile with that id (compared as text), or null.
function findById(list, id) {
    var wanted = Names.text(id)
    var l = list || []
    for (var i = 0; i < l.length; ++i) {
        if (l[i] && Names.text(l[i].id) === wanted)
            return l[i]
    }
    return null
}

// The list without every profile of that id (compared as text).
function withoutId(list, id) {
    var wanted = Names.text(id)
    var out = []
    var l = list || []
    for (var i = 0; i < l.length; ++i) {
        if (!l[i] || Names.text(l[i].id) !== wanted)
            out.push(l[i])
    }
    return out
}

// A copy of the list with a new profile of the current values appended
// under a name unique among the list's.
function withNewProfile(list, name, data, newId) {
    var out = (list || []).slice()
    out.push({ id: newId(), name: Names.uniqueName(Names.namesOf(out), name),
               createdAt: Names.isoNow(), data: data })
    return out
}
