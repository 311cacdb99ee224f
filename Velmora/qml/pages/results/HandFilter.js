.pragma library

.import "ResultsCards.js" as Cards
.import "ResultsActions.js" as Actions

// The hand details list of the results page: the search grammar, the
// filters over a node's combos, the noise cutoff on turn and river boards,
// and the per-action EV lines of one combo. Lists from the back end are
// walked with index loops only.

var RANKS = Cards.RANK_ORDER

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

// Tokens of a search text: commas count as blanks.
function parseSearchTokens(text) {
    var parts = _text(text).replace(/,/g, " ").split(/\s+/)
    var out = []
    for (var i = 0; i < parts.length; ++i) {
        var p = parts[i].trim()
        if (p !== "")
            out.push(p)
    }
    return out
}

function _ordered(a, b) {
    return RANKS.indexOf(a) <= RANKS.indexOf(b) ? a + b : b + a
}

// Whether one search token matches the combo c1 c2: an exact combo in
// either order ("JcJd"), a pair of ranks in either order ("JJ", "KA"), or
// ranks with suitedness ("56s", "AKo").
function matchSearchToken(token, c1, c2) {
    var t = _text(token).trim()
    if (t.length === 0)
        return true
    if (t.length === 4) {
        var a = Cards.normalizeCardText(t.substring(0, 2)), b = Cards.normalizeCardText(t.substring(2, 4))
        var x = Cards.normalizeCardText(c1), y = Cards.normalizeCardText(c2)
        return (a === x && b === y) || (a === y && b === x)
    }
    var cls = Cards.handClassFromCards(Cards.normalizeCardText(c1), Cards.normalizeCardText(c2))
    if (t.length === 2) {
        var r1 = t.charAt(0).toUpperCase(), r2 = t.charAt(1).toUpperCase()
        if (RANKS.indexOf(r1) < 0 || RANKS.indexOf(r2) < 0)
            return false
        if (r1 === r2)
            return cls === r1 + r2
        var pair = _ordered(r1, r2)
        return cls === pair + "s" || cls === pair + "o"
    }
    if (t.length === 3) {
        var q1 = t.charAt(0).toUpperCase(), q2 = t.charAt(1).toUpperCase(), kind = t.charAt(2).toLowerCase()
        if (RANKS.indexOf(q1) < 0 || RANKS.indexOf(q2) < 0 || (kind !== "s" && kind !== "o") || q1 === q2)
            return false
        return cls === _ordered(q1, q2) + kind
    }
    return false
}

function _finite(v) {
    if (v === undefined || v === null || v === "")
        return NaN
    var n = Number(v)
    return isFinite(n) ? n : NaN
}

// The weight at or below which a combo counts as noise: 0 on a flop board
// (a combo that does not reach the node is never listed), on a turn or river
// board a millionth of the largest weight. Only the first 96 combos are
// sampled.
function noiseCutoff(combos, boardCardCount) {
    if (!(boardCardCount >= 4))
        return 0
    var maxW = 0
    var n = combos && combos.length > 0 ? Math.min(combos.length, 96) : 0
    for (var i = 0; i < n; ++i) {
        var w = combos[i] ? _finite(combos[i].weight) : NaN
        if (w === w && w > maxW)
            maxW = w
    }
    return Math.max(1e-10, maxW * 1e-6)
}

function _listHas(list, text) {
    if (!list)
        return false
    for (var i = 0; i < list.length; ++i) {
        if (_text(list[i]) === text)
            return true
    }
    return false
}

// The hand-category buckets; a combo's tags may also hold texts without one
// ("pair": a pair of a low board rank).
var BUCKETS = ["straight flush", "quads", "full house", "flush", "straight", "set", "trips", "two pair",
               "top pair", "overpair", "middle pair", "bottom pair", "dry pair", "flush draw", "missed FD",
               "open ended straight draw", "missed OESD", "gutter", "missed gutter", "back door flush draw", "air"]

// Whether the buckets count the combo with these tags under `bucket`: a tag
// names it, or it is "air" and no tag names a bucket.
function creditedTo(tags, bucket) {
    if (_listHas(tags, bucket))
        return true
    if (bucket !== "air" || !tags || tags.length === 0)
        return false
    for (var i = 0; i < tags.length; ++i) {
        if (BUCKETS.indexOf(_text(tags[i])) >= 0)
            return false
    }
    return true
}

// The combos that pass every filter in force, in source order; the source
// itself when none is. `f`: {handClass, bucket, tokens, cutoff (-1: none;
// a combo at or below it is left out)}.
function visibleCombos(source, f) {
    if (!source)
        return []
    var tokens = f.tokens || []
    var handClass = _text(f.handClass), bucket = _text(f.bucket)
    var cutoff = f.cutoff >= 0 ? f.cutoff : -1
    if (tokens.length === 0 && handClass === "" && bucket === "" && cutoff < 0)
        return source
    var out = []
    for (var i = 0; i < source.length; ++i) {
        var c = source[i]
        if (!c)
            continue
        if (cutoff >= 0) {
            var w = _finite(c.weight)
            if (!(w > cutoff))
                continue
        }
        if (handClass !== "" && Cards.handClassFromCards(c.c1, c.c2) !== handClass)
            continue
        if (bucket !== "" && !creditedTo(c.buckets, bucket))
            continue
        if (tokens.length > 0) {
            var hit = false
            for (var t = 0; t < tokens.length && !hit; ++t)
                hit = matchSearchToken(tokens[t], c.c1, c.c2)
            if (!hit)
                continue
        }
        out.push(c)
    }
    return out
}

// Two decimals; a value that rounds to zero reads 0.00, never -0.00.
function _fixed2(v) {
    if (v !== v)
        return "\u2014"
    var shown = v.toFixed(2)
    return Number(shown) === 0 ? "0.00" : shown
}

// The EV column of one combo: one line per action ({text, colorKey, def}),
// relative to the first fold when its EV is finite; without per-action EVs a
// single line with the combo's EV.
function evLines(combo, defs) {
    var evs = combo && combo.actionEvs ? combo.actionEvs : []
    var d = defs || []
    var n = Math.min(evs.length || 0, d.length || 0)
    if (n === 0)
        return [{ text: _fixed2(_finite(combo ? combo.ev : NaN)), colorKey: "", def: null }]
    var fold = -1
    for (var i = 0; i < n && fold < 0; ++i) {
        if (Actions.isFoldEntry(d[i]))
            fold = i
    }
    var foldEv = fold >= 0 ? _finite(evs[fold]) : NaN
    var out = []
    for (var k = 0; k < n; ++k) {
        var ev = _finite(evs[k])
        var text
        if (ev !== ev)
            text = "\u2014"
        else if (k === fold)
            text = "0.00"
        else
            text = _fixed2(foldEv === foldEv ? ev - foldEv : ev)
        out.push({ text: text, colorKey: Actions.colorKey(d[k] || {}), def: d[k] })
    }
    return out
}

// "12.5" for a bucket's weighted count (the page words it as "12.5
// combos" in the UI language); empty when not finite.
function combosFigure(v) {
    var n = _finite(v)
    return n === n ? n.toFixed(1) : ""
}
