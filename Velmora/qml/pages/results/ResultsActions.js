.pragma library

// Action lists of the results page: sizes read from action labels, the bet
// and raise palettes, and EVs made relative to folding.

// Colours by rank of size, smallest first; a sixth size starts again.
var BET_DARK = ["#818CF8", "#A78BFA", "#C084FC", "#E879F9", "#F0ABFC"]
var BET_LIGHT = ["#4F46E5", "#7C3AED", "#9333EA", "#C026D3", "#BE185D"]
var RAISE_DARK = ["#FDBA74", "#FB923C", "#F97316", "#EA580C", "#C2410C"]
var RAISE_LIGHT = ["#F59E0B", "#F97316", "#EA580C", "#C2410C", "#9A3412"]

function _text(t) {
    return (t === undefined || t === null) ? "" : String(t)
}

function _count(list) {
    return (list && list.length !== undefined) ? list.length : 0
}

function copyEntry(entry) {
    var out = {}
    if (entry === null || entry === undefined || typeof entry !== "object")
        return out
    for (var key in entry)
        out[key] = entry[key]
    return out
}

// The kind of an action type: the back end keys sized bets and raises with
// their size ("bet 33%"), so "bet" and "raise" are read as the first word.
function actionKind(type) {
    var t = _text(type).trim().toLowerCase()
    var m = /^(bet|raise)(\s|$)/.exec(t)
    return m ? m[1] : t
}

// Size in percent of the pot read from a label ("Bet 33%" -> 33), NaN without one.
function parsePctFromActionName(name) {
    var m = /(\d+(?:\.\d+)?)\s*%/.exec(_text(name))
    if (!m)
        return NaN
    var n = Number(m[1])
    return isFinite(n) ? n : NaN
}

// A copy of the list in which every sized bet and raise carries `color`,
// ranked by size within its kind.
function colorizeBetRaiseActions(actions, dark) {
    var n = _count(actions)
    var out = []
    var bets = []
    var raises = []
    for (var i = 0; i < n; ++i) {
        var e = copyEntry(actions[i])
        out.push(e)
        var type = actionKind(e.actionType)
        if (type !== "bet" && type !== "raise")
            continue
        var pct = parsePctFromActionName(e.name)
        if (!isFinite(pct))
            continue
        (type === "bet" ? bets : raises).push({ pos: i, pct: pct })
    }
    var byPct = function(a, b) { return a.pct !== b.pct ? a.pct - b.pct : a.pos - b.pos }
    bets.sort(byPct)
    raises.sort(byPct)
    var betPalette = dark ? BET_DARK : BET_LIGHT
    var raisePalette = dark ? RAISE_DARK : RAISE_LIGHT
    for (var b = 0; b < bets.length; ++b)
        out[bets[b].pos].color = betPalette[b % betPalette.length]
    for (var r = 0; r < raises.length; ++r)
        out[raises[r].pos].color = raisePalette[r % raisePalette.length]
    return out
}

function isFoldEntry(entry) {
    if (!entry)
        return false
    if (_text(entry.actionType).trim().toLowerCase() === "fold")
        return true
    return _text(entry.name).trim().toLowerCase().indexOf("fold") >= 0
}

// A copy of the list with every finite EV taken relative to the first fold
// entry's; unchanged when that fold has no finite EV or there is none.
function normalizeActionEvsAroundFold(actions) {
    var n = _count(actions)
    var out = []
    var foldIndex = -1
    for (var i = 0; i < n; ++i) {
        out.push(copyEntry(actions[i]))
        if (foldIndex < 0 && isFoldEntry(out[i]))
            foldIndex = i
    }
    if (foldIndex < 0)
        return out
    var ref = Number(out[foldIndex].ev)
    if (out[foldIndex].ev === null || out[foldIndex].ev === undefined || !isFinite(ref))
        return out
    for (var j = 0; j < n; ++j) {
        var v = out[j].ev
        if (v === null || v === undefined || !isFinite(Number(v)))
            continue
        out[j].ev = j === foldIndex ? 0.0 : Number(v) - ref
    }
    return out
}

// Action bar entries for one list of probabilities, named and coloured after
// the node's display actions.
function handActionsForProbs(displayActions, probs) {
    if (!displayActions || !probs)
        return []
    var n = Math.min(_count(displayActions), _count(probs))
    var out = []
    for (var i = 0; i < n; ++i) {
        var a = displayActions[i] || {}
        var e = { name: _text(a.name), actionType: _text(a.actionType), frequency: Number(probs[i]) }
        if (a.color !== undefined && a.color !== null && _text(a.color) !== "")
            e.color = a.color
        out.push(e)
    }
    return out
}

// The colour key of an action: a sized bet or raise by its label (each size
// its own shade), anything else by its type.
function colorKey(entry) {
    var type = _text(entry.actionType)
    var kind = actionKind(type)
    var name = _text(entry.name)
    if ((kind === "bet" || kind === "raise") && name.indexOf("%") >= 0)
        return name
    return type !== "" ? type : name
}
