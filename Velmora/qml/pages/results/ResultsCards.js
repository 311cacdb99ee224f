.pragma library
.import "../../components/Ranks.js" as Ranks

// Card text helpers of the results page: card and board texts, hand classes,
// and which listed chance card stands for a clicked card.

var RANK_ORDER = Ranks.ORDER
var SUIT_SEARCH_ORDER = ["s", "h", "d", "c"]

function _text(t) {
    return (t === undefined || t === null) ? "" : String(t)
}

// "ah" -> "Ah"; fewer than two characters give ""; anything after the second
// character is dropped.
function normalizeCardText(t) {
    var s = _text(t)
    if (s.length < 2)
        return ""
    return s.charAt(0).toUpperCase() + s.charAt(1).toLowerCase()
}

function stripWhitespace(t) {
    return _text(t).replace(/\s/g, "")
}

// The cards of a board text, normalised; a trailing single character is ignored.
function parseBoardCardsNormalized(boardText) {
    var s = stripWhitespace(boardText)
    var out = []
    for (var i = 0; i + 1 < s.length; i += 2)
        out.push(normalizeCardText(s.substr(i, 2)))
    return out
}

function cardRank(t) {
    var s = _text(t)
    return s.length > 0 ? s.charAt(0) : ""
}

function cardSuit(t) {
    var s = _text(t)
    return s.length >= 2 ? s.charAt(1) : ""
}

// Hand class label of two cards ("AKs", "JJ", "T9o"); "" when a rank is
// missing. A rank outside the rank order makes the second card the higher.
function handClassFromCards(c1, c2) {
    var r1 = cardRank(c1)
    var r2 = cardRank(c2)
    if (r1 === "" || r2 === "")
        return ""
    if (r1 === r2)
        return r1 + r2
    var i1 = RANK_ORDER.indexOf(r1)
    var i2 = RANK_ORDER.indexOf(r2)
    var firstHigher = i1 >= 0 && i2 >= 0 && i1 < i2
    var hi = firstHigher ? r1 : r2
    var lo = firstHigher ? r2 : r1
    return hi + lo + (cardSuit(c1) === cardSuit(c2) ? "s" : "o")
}

function suitSymbol(suit) {
    switch (_text(suit).toLowerCase()) {
    case "s": return "♠"
    case "h": return "♥"
    case "d": return "♦"
    case "c": return "♣"
    }
    return ""
}

// The cards of a board text as a set: normalised card text -> true.
function boardCardSet(boardText) {
    var cards = parseBoardCardsNormalized(boardText)
    var out = {}
    for (var i = 0; i < cards.length; ++i)
        out[cards[i]] = true
    return out
}

// Suit maps: suit letter -> suit letter, a permutation of the four suits.
// A missing or partial map leaves the suits it does not name as they are.
function mapCardSuit(card, suits) {
    var c = normalizeCardText(card)
    if (c === "" || !suits)
        return c
    var to = suits[c.charAt(1)]
    return to === undefined ? c : c.charAt(0) + to
}

function mapBoardSuits(boardText, suits) {
    return parseBoardCardsNormalized(boardText).map(function(c) { return mapCardSuit(c, suits) }).join("")
}

function inverseSuits(suits) {
    var out = {}
    for (var k in suits)
        out[suits[k]] = k
    return out
}

// Combos ({c1, c2, ...}) with their cards in other suits (`suits`: from ->
// to); the list itself when no suit moves.
function combosInSuits(combos, suits) {
    var moved = false
    for (var k in (suits || {}))
        moved = moved || suits[k] !== k
    if (!moved || !combos)
        return combos
    return combos.map(function(c) {
        if (!c)
            return c
        var copy = Object.assign({}, c)
        copy.c1 = mapCardSuit(c.c1, suits)
        copy.c2 = mapCardSuit(c.c2, suits)
        return copy
    })
}

// Action index of the listed chance card that `cardText` stands for: the card
// itself when listed, else a listed card of the same rank in another suit that
// is, like the card's own suit, absent from `boardText` (the solver lists one
// card for suits that are interchangeable on the board). -1 when none.
// A card on `boardText` is never available.
// Cards in `blocked` (card text -> true; the hole cards of a hand in play)
// are neither available nor mapped to. `toSolver` (optional) maps the suits
// of the shown cards to the solver's, once a clicked card was shown in place
// of a listed one earlier on the path: the clicked card, the board and the
// blocked cards are read in the solver's suits.
function chanceCardIndexForSelection(cardText, indexByCard, boardText, blocked, toSolver) {
    var map = indexByCard || {}
    var taken = {}
    for (var b in (blocked || {})) {
        if (blocked[b] === true)
            taken[mapCardSuit(b, toSolver)] = true
    }
    var text = toSolver ? mapCardSuit(cardText, toSolver) : _text(cardText)
    boardText = toSolver ? mapBoardSuits(boardText, toSolver) : boardText
    if (taken[normalizeCardText(text)] === true || boardCardSet(boardText)[normalizeCardText(text)] === true)
        return -1
    if (Object.prototype.hasOwnProperty.call(map, text))
        return map[text]
    if (text.length !== 2)
        return -1
    var rank = text.charAt(0).toUpperCase()
    var suit = text.charAt(1).toLowerCase()
    var board = stripWhitespace(boardText)
    var present = {}
    for (var i = 1; i < board.length; i += 2)
        present[board.charAt(i).toLowerCase()] = true
    var absent = []
    for (var k = 0; k < SUIT_SEARCH_ORDER.length; ++k) {
        if (!present[SUIT_SEARCH_ORDER[k]])
            absent.push(SUIT_SEARCH_ORDER[k])
    }
    if (absent.length < 2 || present[suit])
        return -1
    for (var j = 0; j < absent.length; ++j) {
        var other = rank + absent[j]
        if (absent[j] !== suit && Object.prototype.hasOwnProperty.call(map, other) && taken[other] !== true)
            return map[other]
    }
    return -1
}
