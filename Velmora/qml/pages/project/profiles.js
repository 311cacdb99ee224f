.pragma library

.import "names.js" as Names

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

// The number of a stored value; NaN for one that is not finite, so that a
// damaged profile never reaches a solve.
function _number(x) {
    var n = Number(x)
    return isFinite(n) ? n : NaN
}

// The assignments a snapshot makes, as [property, value] pairs in the order
// they are made. `currentPot` is the page's pot before any of them. A stored
// number that is not finite is left out, so the property keeps its value.
function assignments(data, currentPot) {
    var out = []
    if (!_isMap(data))
        return out
    var pot = Number(currentPot)
    function number(key, prop) {
        if (!_has(data, key))
            return
        var n = _number(data[key])
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
            out.push(["targetExploitability", isFinite(pot) && pot > 0 ? chips * 100 / pot : chips])
    }

    number("max_iterations", "maxIterations")
    if (_has(data, "starting_street"))
        out.push(["startingStreet", Names.text(data.starting_street)])

    for (var s = 0; s < SIZE_KEYS.length; ++s) {
        var v = data[SIZE_KEYS[s][0]]
        if (SIZE_KEYS[s][2] === "text")
            out.push([SIZE_KEYS[s][1], v ? String(v) : ""])
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
        if (isFinite(both)) {
            out.push(["oopAddAllInIfJamLtPct", both])
            out.push(["ipAddAllInIfJamLtPct", both])
        }
    } else {
        number("oop_add_all_in_jam_threshold_pct", "oopAddAllInIfJamLtPct")
        number("ip_add_all_in_jam_threshold_pct", "ipAddAllInIfJamLtPct")
    }
    return out
}

// Clean records {id, name, createdAt, data}: entries without a name are
// dropped, a blank id is replaced by `newId()`, data that is not a map
// becomes an empty one.
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

// The stored text read back: {readable, list}. A blank text is an empty,
// readable store; text that is not JSON or not a list is unreadable.
function parseStore(text, newId) {
    var t = Names.text(text)
    if (t.trim().length === 0)
        return { readable: true, list: [] }
    var parsed
    try {
        parsed = JSON.parse(t)
    } catch (e) {
        return { readable: false, list: [] }
    }
    if (!Array.isArray(parsed))
        return { readable: false, list: [] }
    return { readable: true, list: sanitize(parsed, newId) }
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
