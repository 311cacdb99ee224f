.pragma library

// Node locks as the results page keeps them for its preview: an outer map
// from node index (as text) to an inner map from hand class to
// {actionIndex, actionProb}. Every function returns new maps, so bindings
// on the page's table see each change.

function nodeKey(nodeIndex) {
    return String(nodeIndex)
}

// The weight field's text read as a probability: {value, problem}. Blanks
// around the number are ignored and a decimal comma reads as the point, so
// "0,5" is one half; the rest must be plain digits with at most one decimal
// mark. A text that is empty, not such a number, or outside [0, 1] is
// refused: value NaN and problem "empty", "notNumber" or "outOfRange";
// otherwise problem is "".
function readLockWeight(text) {
    var t = (text === undefined || text === null) ? "" : String(text).trim()
    if (t.length === 0)
        return { value: NaN, problem: "empty" }
    t = t.replace(",", ".")
    if (!/^[+-]?(\d+\.?\d*|\.\d+)$/.test(t))
        return { value: NaN, problem: "notNumber" }
    var v = Number(t)
    if (!(v >= 0 && v <= 1))
        return { value: NaN, problem: "outOfRange" }
    return { value: v === 0 ? 0 : v, problem: "" }
}

function _copy(map) {
    var out = {}
    if (map && typeof map === "object") {
        for (var k in map)
            out[k] = map[k]
    }
    return out
}

// The table with one hand of one node locked (replacing an earlier lock of
// that hand at that node).
function withLock(table, nodeIndex, hand, actionIndex, actionProb) {
    var outer = _copy(table)
    var key = nodeKey(nodeIndex)
    var inner = _copy(outer[key])
    inner[hand] = { actionIndex: actionIndex, actionProb: actionProb }
    outer[key] = inner
    return outer
}

// The table with every lock of one node dropped.
function withoutNode(table, nodeIndex) {
    var outer = _copy(table)
    outer[nodeKey(nodeIndex)] = {}
    return outer
}

// The table without the locks the back end no longer holds as recorded
// here (a new project drops them all, an opened one brings the file's own);
// `heldLocks(nodeIndex)` gives the back end's list of {hand, actionIndex,
// actionProb} of a node.
function keepHeld(table, heldLocks) {
    var out = {}
    if (!table || typeof table !== "object")
        return out
    for (var key in table) {
        var held = {}
        var list = heldLocks(Number(key)) || []
        for (var i = 0; i < list.length; ++i) {
            if (list[i])
                held[String(list[i].hand)] = list[i]
        }
        var inner = {}
        for (var hand in table[key]) {
            var mine = table[key][hand], theirs = held[hand]
            if (theirs && Number(theirs.actionIndex) === mine.actionIndex
                    && Number(theirs.actionProb) === mine.actionProb)
                inner[hand] = mine
        }
        out[key] = inner
    }
    return out
}

// Orders hand classes as the matrix shows them: by the first rank, then the
// second, a suited class before the offsuit one.
function byMatrixOrder(a, b) {
    var ranks = "AKQJT98765432"
    var x = String(a), y = String(b)
    for (var i = 0; i < 2; ++i) {
        var d = ranks.indexOf(x.charAt(i)) - ranks.indexOf(y.charAt(i))
        if (d !== 0)
            return d
    }
    return x.charAt(2) === y.charAt(2) ? 0 : (x.charAt(2) === "s" ? -1 : 1)
}
