.pragma library

.import "ResultsActions.js" as Actions

// The Strategy by Hand matrix data of one node: reach per hand class, the
// colour of each class's most likely action, the colour keys of the node's
// actions with the palette colour of each sized bet or raise, and per-class
// action probabilities with node-lock previews.

function _count(list) {
    return (list && list.length !== undefined) ? list.length : 0
}

function _isMap(m) {
    return m !== null && m !== undefined && typeof m === "object"
}

// Probabilities of a locked class: p on the locked action, the rest shared
// evenly by the others; [1.0] at a node with one action.
function lockedProbs(lock, count) {
    var idx = (lock && lock.actionIndex !== undefined && lock.actionIndex !== null) ? Number(lock.actionIndex) : -1
    if (!(idx >= 0 && idx < count) || Math.floor(idx) !== idx)
        return null
    if (count === 1)
        return [1.0]
    var p = (lock.actionProb === undefined || lock.actionProb === null) ? NaN : Number(lock.actionProb)
    p = isFinite(p) ? Math.max(0, Math.min(1, p)) : 1.0
    var out = []
    for (var a = 0; a < count; ++a)
        out.push(a === idx ? p : (1 - p) / (count - 1))
    return out
}

// Index of the first largest finite probability among the first n; 0 when
// none is finite.
function bestActionIndex(probs, n) {
    var best = 0
    var bestValue = -Infinity
    for (var i = 0; i < n; ++i) {
        var v = Number(probs[i])
        if (isFinite(v) && v > bestValue) {
            bestValue = v
            best = i
        }
    }
    return best
}

// strategy: the node's hand strategy map; defs: its action definitions
// (colourised stats or actions); reach: the 169-class fold (optionally for a
// bucket); locks: the node's lock table (class -> {actionIndex, actionProb})
// or null; colorOf(key): the theme's action colour; muted: the fallback.
function compute(strategy, defs, reach, locks, colorOf, muted) {
    var s = _isMap(strategy) ? strategy : {}
    var weights = _isMap(s.weights) ? s.weights : {}
    var dominant = _isMap(s.dominantActionTypes) ? s.dominantActionTypes : {}
    var typeList = s.actionTypeList || []
    var probs = _isMap(s.actionProbs) ? s.actionProbs : {}
    var definitions = defs || []
    if (_isMap(reach)) {
        if (_isMap(reach.weights))
            weights = reach.weights
        if (_isMap(reach.actionProbs))
            probs = reach.actionProbs
    }

    var count = _count(definitions)
    if (count <= 0) {
        for (var firstKey in probs) {
            count = _count(probs[firstKey])
            break
        }
    }
    if (count <= 0)
        count = _count(typeList)

    if (_isMap(locks) && count > 0) {
        var copy = {}
        for (var k in probs)
            copy[k] = probs[k]
        for (var cls in locks) {
            var locked = lockedProbs(locks[cls], count)
            if (locked)
                copy[cls] = locked
        }
        probs = copy
    }

    var colors = {}
    var nDefs = _count(definitions)
    for (var hand in weights) {
        var c = muted
        var p = probs[hand]
        if (p && _count(p) > 0 && nDefs > 0) {
            var d = definitions[bestActionIndex(p, Math.min(_count(p), nDefs))] || {}
            if (d.color !== undefined && d.color !== null && String(d.color) !== "")
                c = d.color
            else
                c = colorOf(d.name !== undefined && d.name !== null && String(d.name) !== "" ? d.name : d.actionType)
        } else if (Object.prototype.hasOwnProperty.call(dominant, hand)) {
            c = colorOf(dominant[hand])
        }
        colors[hand] = c
    }

    // The bands of a sized bet or raise take its palette colour, as its
    // legend swatch and its action bar segment do; the others the key's.
    var keys = []
    var bandColors = []
    for (var i = 0; i < count; ++i) {
        var own = i < nDefs && definitions[i] ? definitions[i].color : undefined
        bandColors.push(own !== undefined && own !== null ? String(own) : "")
        if (i < nDefs)
            keys.push(Actions.colorKey(definitions[i] || {}))
        else if (i < _count(typeList))
            keys.push(String(typeList[i]))
        else
            keys.push("none")
    }
    return { weights: weights, colors: colors, actionTypeList: keys, actionColors: bandColors, actionProbs: probs }
}
