.pragma library
.import "../../components/Ranks.js" as Ranks

// The Setup page's reading and writing of range text: which matrix cells a
// token covers, the weight map a text shows, the edit one painted cell makes,
// and the clean-up of imported text. Every function is pure.

var RANKS = Ranks.LIST
var PERCENT_FORM = /^(\d+(?:\.\d+)?)\s*%$/
var RANK_PAIR = Ranks.PAIR
// C0 controls (carriage return included), DEL and C1 controls.
var CONTROL_CHARACTERS = /[\u0000-\u001F\u007F-\u009F]/g

function _rankIndex(ch) {
    return RANKS.indexOf(String(ch).toUpperCase())
}

function _isPair(text) {
    return text.length === 2 && text[0].toUpperCase() === text[1].toUpperCase()
}

// The longest range text the page takes (the solver reads no longer one).
// Every combo written out with a weight takes about 16,000 characters.
var MAX_TEXT_LENGTH = 50000

function isTooLong(text) {
    return text !== undefined && text !== null && String(text).length > MAX_TEXT_LENGTH
}

// Why the range field refuses a text, in the UI language, or "" when it
// takes it: the back end's reader, the solver's own. The library saves,
// imports and overrides only what the field takes, for the same reason.
// Without a back end (a page on its own) every text is taken.
function refusal(controller, text) {
    if (!controller || typeof controller.rangeTextError !== "function")
        return ""
    return String(controller.rangeTextError(text === undefined || text === null ? "" : String(text)))
}

// A comma or a white-space character (those of a regular expression's \s).
function _isSeparator(c) {
    return c === 44 || c === 32 || (c >= 9 && c <= 13) || c === 0xA0 || c === 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c === 0x2028 || c === 0x2029 || c === 0x202F
           || c === 0x205F || c === 0x3000 || c === 0xFEFF
}

// The pieces of a text between runs of commas and white space. Walked by
// hand: the script engine fails on a regular-expression split into some
// hundred thousand pieces.
function tokens(text) {
    var s = String(text)
    var out = []
    var start = -1
    for (var i = 0; i < s.length; ++i) {
        if (_isSeparator(s.charCodeAt(i))) {
            if (start >= 0)
                out.push(s.slice(start, i))
            start = -1
        } else if (start < 0) {
            start = i
        }
    }
    if (start >= 0)
        out.push(s.slice(start))
    return out
}

function _baseOf(token) {
    var colon = token.indexOf(":")
    return colon < 0 ? token : token.slice(0, colon)
}

// The label of matrix row i and column j (both in rank order).
function labelAt(i, j) {
    if (i === j)
        return RANKS[i] + RANKS[j]
    return i < j ? RANKS[i] + RANKS[j] + "s" : RANKS[j] + RANKS[i] + "o"
}

// A weight in [0, 1]; not a finite number counts as 1.
function clampWeight(w) {
    var n = Number(w)
    if (!isFinite(n))
        return 1.0
    return Math.max(0, Math.min(1, n))
}

// ":" and the weight with three decimals, trailing zeros and point dropped;
// nothing for a weight of 0.999 and more.
function weightSuffix(w) {
    var c = clampWeight(w)
    if (c >= 0.999)
        return ""
    return ":" + c.toFixed(3).replace(/\.?0+$/, "")
}

function isPercentForm(text) {
    return PERCENT_FORM.test(String(text))
}

// One share of every hand written as the solver reads it ("50%", no blank).
function isUniformShare(text) {
    return /^[0-9.]+%$/.test(String(text))
}

function _pairSpan(a, b) {
    var ia = _rankIndex(a[0])
    var ib = _rankIndex(b[0])
    if (ia < 0 || ib < 0)
        return [a]
    var out = []
    var step = ib >= ia ? 1 : -1
    for (var i = ia; ; i += step) {
        out.push(RANKS[i] + RANKS[i])
        if (i === ib)
            break
    }
    return out
}

function _classSpan(a, b) {
    if (a[0].toUpperCase() !== b[0].toUpperCase() || a[2].toLowerCase() !== b[2].toLowerCase())
        return [a]
    var ia = _rankIndex(a[1])
    var ib = _rankIndex(b[1])
    if (ia < 0 || ib < 0)
        return [a]
    var first = a[0].toUpperCase()
    var suffix = a[2].toLowerCase()
    var out = []
    var step = ib >= ia ? 1 : -1
    for (var i = ia; ; i += step) {
        out.push(first + RANKS[i] + suffix)
        if (i === ib)
            break
    }
    return out
}

function _plusSpan(base) {
    if (_isPair(base)) {
        var r = _rankIndex(base[0])
        if (r < 0)
            return [base]
        var pairs = []
        for (var i = 0; i <= r; ++i)
            pairs.push(RANKS[i] + RANKS[i])
        return pairs
    }
    if (base.length === 3) {
        var r1 = _rankIndex(base[0])
        var r2 = _rankIndex(base[1])
        if (r1 < 0 || r2 < 0)
            return [base]
        var suffix = base[2].toLowerCase()
        var out = []
        for (var k = r2; k > r1; --k)
            out.push(RANKS[r1] + RANKS[k] + suffix)
        return out
    }
    return [base]
}

// The hand class labels one token base covers.
function expandHand(hand) {
    var h = (hand === undefined || hand === null) ? "" : String(hand)
    if (h.indexOf("-") >= 0) {
        var parts = h.split("-")
        if (parts.length === 2) {
            var a = parts[0]
            var b = parts[1]
            if (a.length === 2 && b.length === 2 && _isPair(a) && _isPair(b))
                return _pairSpan(a, b)
            if (a.length === 3 && b.length === 3)
                return _classSpan(a, b)
        }
    }
    if (h.length > 0 && h[h.length - 1] === "+")
        return _plusSpan(h.slice(0, -1))
    if (h.length === 2) {
        var hi = h[0].toUpperCase()
        var lo = h[1].toUpperCase()
        if (hi === lo)
            return [hi + lo]
        return [hi + lo + "s", hi + lo + "o"]
    }
    if (h.length === 3)
        return [h.slice(0, 2).toUpperCase() + h[2].toLowerCase()]
    return [h]
}

// Label -> weight of a range text, as the hand matrix shows it.
function parseRangeWeights(text) {
    var map = ({})
    if (text === undefined || text === null)
        return map
    var s = String(text)
    if (s.trim().length === 0)
        return map
    var percent = PERCENT_FORM.exec(s)
    if (percent) {
        var uniform = Number(percent[1]) / 100
        for (var i = 0; i < 13; ++i) {
            for (var j = 0; j < 13; ++j)
                map[labelAt(i, j)] = uniform
        }
        return map
    }
    var toks = tokens(s)
    for (var t = 0; t < toks.length; ++t) {
        var token = toks[t].trim()
        if (token.length < 2)
            continue
        var weight = 1.0
        var parts = token.split(":")
        if (parts.length >= 2) {
            var n = parseFloat(parts[1])
            if (isFinite(n))
                weight = n
        }
        weight = Math.max(0, Math.min(1, weight))
        var labels = expandHand(parts[0])
        for (var k = 0; k < labels.length; ++k)
            map[labels[k]] = weight
    }
    return map
}

function _shares(a, b) {
    for (var i = 0; i < a.length; ++i) {
        if (b.indexOf(a[i]) >= 0)
            return true
    }
    return false
}

// The range text after one painted cell: a lit cell (currentWeight above 0)
// loses every token that covers it, an unlit one is appended with addWeight.
function toggleHand(rangeText, hand, currentWeight, addWeight) {
    var text = (rangeText === undefined || rangeText === null) ? "" : String(rangeText)
    var lit = Number(currentWeight) > 0
    var added = String(hand) + weightSuffix(addWeight)
    if (isPercentForm(text))
        return lit ? "" : added
    var toks = tokens(text)
    if (lit) {
        var target = expandHand(hand)
        var kept = []
        for (var i = 0; i < toks.length; ++i) {
            if (!_shares(expandHand(_baseOf(toks[i])), target))
                kept.push(toks[i])
        }
        toks = kept
    } else {
        toks.push(added)
    }
    return toks.join(", ")
}

// Text of a file with its control characters as line breaks: they part
// hands like white space, so none reaches a range.
function _withoutControls(rawText) {
    var s = (rawText === undefined || rawText === null) ? "" : String(rawText)
    return s.replace(CONTROL_CHARACTERS, "\n")
}

// A weight written as a plain decimal number, read alike here and by the
// solver ("0.5", ".25", "1", "5e-1").
var PLAIN_WEIGHT = /^\+?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/i

function _noRefusal() { return "" }

// The clean-up of other programs' exports: a weight token applies to every
// hand written since the previous one; entries without two rank characters
// in a row (headers, words, exact combos) are dropped. `refusalOf(text)` is
// the range field's reason for refusing a text: a weight it refuses, put on
// a hand, refuses the whole text with the reason for the token as written
// ({text: "", refused}). Without a reason to give, weights are clamped into
// [0, 1] and one that is no number counts as 1.
function _cleanImported(s, refusalOf) {
    var toks = tokens(s)
    var pending = []
    var out = []
    function hands() {
        var list = []
        for (var p = 0; p < pending.length; ++p) {
            var entry = pending[p].trim()
            if (entry.length > 0 && RANK_PAIR.test(entry))
                list.push(entry)
        }
        pending = []
        return list
    }
    for (var i = 0; i < toks.length; ++i) {
        var token = toks[i].trim()
        if (token.length === 0)
            continue
        var colon = token.indexOf(":")
        if (colon < 0) {
            pending.push(token)
            continue
        }
        var base = token.slice(0, colon).trim()
        var written = token.slice(colon + 1).trim()
        if (base.length > 0)
            pending.push(base)
        var weighted = hands()
        if (weighted.length === 0)
            continue
        var bad = refusalOf("AA:" + written)
        if (bad !== "")
            return { text: "", refused: refusalOf(token) || bad }
        var suffix
        if (refusalOf === _noRefusal || PLAIN_WEIGHT.test(written)) {
            var n = parseFloat(written)
            suffix = weightSuffix(isFinite(n) ? n : 1.0)
        } else {
            suffix = ":" + written  // another form the solver reads ("0x1p-1")
        }
        for (var w = 0; w < weighted.length; ++w)
            out.push(weighted[w] + suffix)
    }
    out = out.concat(hands())
    return { text: out.join(", "), refused: "" }
}

// Range text from the text of an imported file, as other programs export
// it (see _cleanImported): "AA KK:0.5 QQ" gives "AA:0.5, KK:0.5, QQ".
function normalizeImportedRangeText(rawText) {
    return _cleanImported(_withoutControls(rawText), _noRefusal).text
}

// True when the text is in the range field's own form, the form the page,
// the library and an export write: hands parted by commas, with no blank or
// line inside a piece ("77:0.3, 66:0.5, 55"). "AA KK:0.5" or "KK :0.25" is
// not.
function isFieldForm(text) {
    var pieces = String(text).split(",")
    for (var i = 0; i < pieces.length; ++i) {
        if (tokens(pieces[i]).length > 1)
            return false
    }
    return true
}

// The range an imported file's text stands for: {text, refused}, with
// `refusalOf(text)` the range field's reason for refusing a text ("" when
// it takes it). A text in the field's own form comes in as the field reads
// it, its pieces parted by ", "; any other text is cleaned first. A piece or
// weight the field refuses refuses the import with the field's reason
// (text ""); nothing is clamped or dropped. A text of the field's form that
// holds nothing like a hand gives text "" and no refusal.
function importedRange(rawText, refusalOf) {
    var s = _withoutControls(rawText)
    var reason = typeof refusalOf === "function" ? refusalOf : _noRefusal
    var got
    if (isFieldForm(s)) {
        var pieces = []
        var split = s.split(",")
        for (var i = 0; i < split.length; ++i) {
            var piece = split[i].trim()
            if (piece.length > 0)
                pieces.push(piece)
        }
        got = { text: pieces.join(", "), refused: "" }
        if (got.text.length > 0 && !RANK_PAIR.test(got.text) && !isUniformShare(got.text)
                && reason(got.text) !== "")
            return { text: "", refused: "" }
    } else {
        got = _cleanImported(s, reason)
        if (got.refused !== "")
            return got
    }
    if (got.text.length > 0)
        got.refused = reason(got.text)
    if (got.refused !== "")
        got.text = ""
    return got
}

// The tokens of a range text without their ":" weights.
function stripWeightsText(text) {
    if (text === undefined || text === null || String(text).trim().length === 0)
        return ""
    var toks = tokens(text)
    var out = []
    for (var i = 0; i < toks.length; ++i) {
        var t = toks[i].trim().replace(/:[0-9]*\.?[0-9]+$/i, "")
        if (t.length > 0)
            out.push(t)
    }
    return out.join(", ")
}
