.pragma library
.import "../../components/Ranks.js" as Ranks
.import "../../components/RangeReading.js" as Reading

// The Setup page's reading and writing of range text, on the solver's own
// reading (asked of the back end, `controller`): the weight map a text
// shows, the edit one painted cell makes, and the clean-up of imported text.

var RANK_PAIR = Ranks.PAIR
// C0 controls (carriage return included), DEL and C1 controls.
var CONTROL_CHARACTERS = /[\u0000-\u001F\u007F-\u009F]/g

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

// Label -> weight the hand matrix shows: the mean weight of the class's
// combos as the solver reads the text; nothing for a text it refuses.
function classWeights(controller, text) {
    return Reading.classWeights(controller, text)
}

// The range text after one painted cell: a lit cell (currentWeight above 0)
// loses every piece that sets any of its combos, an unlit one is appended
// with addWeight (in place of a share of every hand, which holds it at 0).
// The pieces keep their text and are parted by ", ".
function toggleHand(controller, rangeText, hand, currentWeight, addWeight) {
    var text = (rangeText === undefined || rangeText === null) ? "" : String(rangeText)
    var lit = Number(currentWeight) > 0
    var read = Reading.reading(controller, text)
    var kept = []
    if (!read) {
        kept = Reading.typedPieces(text)
    } else if (lit || !read.share) {
        for (var i = 0; i < read.pieces.length; ++i) {
            if (!lit || !Reading.covers(read.pieces[i], String(hand)))
                kept.push(read.pieces[i].text)
        }
    }
    if (!lit)
        kept.push(String(hand) + weightSuffix(addWeight))
    return kept.join(", ")
}

// Text of a file with its control characters as line breaks: they part
// hands like white space, so none reaches a range.
function _withoutControls(rawText) {
    var s = (rawText === undefined || rawText === null) ? "" : String(rawText)
    return s.replace(CONTROL_CHARACTERS, "\n")
}

// One share of every hand written as the solver reads it ("50%", no blank).
function isUniformShare(text) {
    return /^[0-9.]+%$/.test(String(text))
}

// An entry of an export that the solver reads as hands ("AA", "AhKh",
// "T9s+"); a share of every hand is none.
function _readsAsHands(controller, entry) {
    return !!controller && refusal(controller, entry) === "" && !isUniformShare(entry)
}

// An entry written as a hand or a range: two ranks in a row ("AKx", "jack"),
// hands the solver reads, or a share. One the solver refuses is refused
// with its reason rather than left out.
function _looksLikeRange(controller, entry) {
    return RANK_PAIR.test(entry) || isUniformShare(entry) || _readsAsHands(controller, entry)
}

// The clean-up of other programs' exports: a weight token applies to every
// hand written since the previous one. Entries that are neither hands nor
// written like them (headers, words, a share among hands) are left out and
// listed in `leftOut`, as written; a weight the solver refuses, put on a
// hand, refuses the whole text with the reason for the token as written
// ({text: "", refused}). Weights are kept as written.
function _cleanImported(s, controller) {
    var toks = tokens(s)
    var pending = []
    var out = []
    var leftOut = []
    function hands() {
        var list = []
        for (var p = 0; p < pending.length; ++p) {
            if (RANK_PAIR.test(pending[p]) || _readsAsHands(controller, pending[p]))
                list.push(pending[p])
            else
                leftOut.push(pending[p])
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
        if (weighted.length === 0) {
            if (base.length === 0)
                leftOut.push(token)  // a weight with no hand to weigh
            continue
        }
        var bad = refusal(controller, "AA:" + written)
        if (bad !== "")
            return { text: "", refused: refusal(controller, token) || bad, leftOut: [] }
        for (var w = 0; w < weighted.length; ++w)
            out.push(weighted[w] + ":" + written)
    }
    out = out.concat(hands())
    return { text: out.join(", "), refused: "", leftOut: leftOut }
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

// The range an imported file's text stands for: {text, refused, leftOut},
// with `controller` the back end that reads range text as the solver does.
// A text the solver reads as it stands comes in as it reads it, its pieces
// without blanks parted by ", ". A text in the field's own form that it
// refuses is refused with the field's reason, or gives text "" and no
// refusal when nothing in it is written like a hand. Any other text is
// cleaned first (_cleanImported); what the cleaned text holds that the
// solver refuses refuses the import. `leftOut` lists the entries the
// clean-up did not take; the text never holds what the file did not say.
function importedRange(rawText, controller) {
    var s = _withoutControls(rawText)
    var read = Reading.reading(controller, s)
    if (read) {
        var pieces = []
        for (var i = 0; i < read.pieces.length; ++i)
            pieces.push(String(read.pieces[i].text).replace(/[ \t\n\v\f\r]/g, ""))
        return { text: pieces.join(", "), refused: "", leftOut: [] }
    }
    if (isFieldForm(s)) {
        var typed = Reading.typedPieces(s)
        var written = typed.some(function(piece) { return _looksLikeRange(controller, piece) })
        return { text: "", refused: written ? refusal(controller, typed.join(", ")) : "", leftOut: [] }
    }
    var got = _cleanImported(s, controller)
    if (got.refused === "" && got.text.length > 0)
        got.refused = refusal(controller, got.text)
    if (got.refused !== "") {
        got.text = ""
        got.leftOut = []
    }
    return got
}

// The hands of a range text without their ":" weights, parted by ", ". A
// weight goes whole in every form the solver reads ("KK: 0.5", "AA:5e-1",
// "AA:0x1p-1"), and a span keeps its hands together ("A5s - A2s").
function stripWeightsText(text) {
    if (text === undefined || text === null || String(text).trim().length === 0)
        return ""
    var bare = String(text).replace(/\s*:\s*[^\s,]*/g, "").replace(/\s*-\s*/g, "-")
    return tokens(bare).join(", ")
}
