.pragma library
.import "../../components/SolveGating.js" as Gating

// The Setup page's board text: up to five two-character cards written one
// after another, an empty slot that stands before a filled one written "__".
// Every reader drops white space first and reads ranks and suits in either
// letter case, since texts from project files may carry both.

function _compact(s) {
    return (s === undefined || s === null) ? "" : String(s).replace(/\s/g, "")
}

// The valid cards of `s` in board order, rank upper case and suit lower case;
// gaps and other invalid pairs are left out.
function usedCards(s) {
    var norm = Gating.normalizeBoardText(s)
    var out = []
    for (var i = 0; i + 1 < norm.length; i += 2)
        out.push(norm.substr(i, 2))
    return out
}

// "river" for five or more valid cards, "turn" for four, else "flop";
// where they stand does not matter.
function inferStreet(s) {
    var n = usedCards(s).length
    if (n >= 5)
        return "river"
    return n === 4 ? "turn" : "flop"
}

// A complete flop, turn or river: only valid pairs, 6, 8 or 10 characters.
// Repeated cards are the back end's to refuse.
function isValidBoard(s) {
    return Gating.isStrictBoardReady(s)
}

// The five slots of a board text: "" for a gap or a missing card, any other
// pair exactly as written; a lone last character is dropped.
function slots(s) {
    var t = _compact(s)
    var out = []
    for (var i = 0; i + 1 < t.length && out.length < 5; i += 2) {
        var pair = t.substr(i, 2)
        out.push(pair === "__" ? "" : pair)
    }
    while (out.length < 5)
        out.push("")
    return out
}

// The board text of five slots: every slot up to the last filled one, a gap
// written "__"; no slots filled gives "".
function fromSlots(cards) {
    var list = []
    for (var i = 0; i < 5; ++i) {
        var c = (cards && i < cards.length && cards[i] !== undefined && cards[i] !== null)
                ? String(cards[i]) : ""
        list.push(c)
    }
    var last = -1
    for (var j = 4; j >= 0; --j) {
        if (list[j] !== "") {
            last = j
            break
        }
    }
    var out = ""
    for (var k = 0; k <= last; ++k)
        out += list[k] === "" ? "__" : list[k]
    return out
}

function _validIndex(index) {
    return typeof index === "number" && index >= 0 && index <= 4 && Math.floor(index) === index
}

// `s` with slot `index` set to `card`; an index outside 0..4 changes nothing.
function withCardAt(s, index, card) {
    var cards = slots(s)
    if (!_validIndex(index))
        return fromSlots(cards)
    cards[index] = (card === undefined || card === null) ? "" : String(card).replace(/\s/g, "")
    return fromSlots(cards)
}

// `s` with slot `index` and every later slot emptied.
function clearedFrom(s, index) {
    var cards = slots(s)
    if (!_validIndex(index))
        return fromSlots(cards)
    for (var i = index; i < 5; ++i)
        cards[i] = ""
    return fromSlots(cards)
}

// Top-left corner, in window coordinates, of a popup of size w x h that
// should open `gap` below the point (px, py) while keeping `margin` free at
// every window edge; where the window is too small the left and top margins win.
function popupPlacement(px, py, w, h, windowWidth, windowHeight, margin, gap) {
    return {
        x: Math.max(margin, Math.min(px, windowWidth - w - margin)),
        y: Math.max(margin, Math.min(py + gap, windowHeight - h - margin))
    }
}
