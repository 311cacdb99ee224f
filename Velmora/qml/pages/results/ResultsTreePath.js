.pragma library

.import "ResultsCards.js" as Cards

// The path through the game tree as rows {nodeIndex, selectedActionIndex}:
// the board it deals and what it says about each seat. `actionsOf(node)` and
// `metaOf(node)` are the page's node queries.

function _chosenAction(row, actionsOf) {
    if (!row || !(row.selectedActionIndex >= 0))
        return null
    var actions = actionsOf(row.nodeIndex)
    var i = row.selectedActionIndex
    if (!actions || i >= actions.length)
        return null
    return actions[i] || null
}

// The card the board shows for the listed card `name` chosen at node
// `nodeIndex`: at a chance node the card the user clicked in its place
// (`overrides`: node index as text -> card text), else the listed card;
// normalised, "" when `name` is not a card.
function shownCard(name, nodeIndex, metaOf, overrides) {
    var listed = name === undefined || name === null ? "" : String(name)
    if (listed.length !== 2)
        return ""
    var key = String(nodeIndex)
    if (overrides && Object.prototype.hasOwnProperty.call(overrides, key)
            && String(overrides[key]).length === 2 && metaOf(nodeIndex).nodeType === "chance")
        return Cards.normalizeCardText(overrides[key])
    return Cards.normalizeCardText(listed)
}

// `baseBoard` without whitespace plus the card shown for the choice at every
// chance level of the first `limit` rows.
function boardFromSelections(baseBoard, rows, limit, actionsOf, metaOf, overrides) {
    var board = Cards.stripWhitespace(baseBoard)
    var n = Math.max(0, Math.min(limit, rows.length))
    for (var i = 0; i < n; ++i) {
        var action = _chosenAction(rows[i], actionsOf)
        if (action)
            board += shownCard(action.name, rows[i].nodeIndex, metaOf, overrides)
    }
    return board
}

// The suits of the shown board mapped to the solver's along the first
// `limit` rows: where a clicked card was shown in place of the listed one of
// the same rank (its suit interchangeable with the listed card's on the
// board so far), the two suits trade places for everything dealt later.
function shownToSolverSuits(rows, limit, actionsOf, metaOf, overrides) {
    var suits = { c: "c", d: "d", h: "h", s: "s" }
    var n = Math.max(0, Math.min(limit, rows.length))
    for (var i = 0; i < n; ++i) {
        var key = String(rows[i].nodeIndex)
        if (!overrides || !Object.prototype.hasOwnProperty.call(overrides, key))
            continue
        var action = _chosenAction(rows[i], actionsOf)
        if (!action || metaOf(rows[i].nodeIndex).nodeType !== "chance")
            continue
        var listed = Cards.normalizeCardText(action.name)
        var shown = Cards.mapCardSuit(overrides[key], suits)
        if (listed === "" || shown === "" || shown === listed || shown.charAt(0) !== listed.charAt(0))
            continue
        var a = shown.charAt(1), b = listed.charAt(1)
        for (var k in suits) {
            if (suits[k] === a)
                suits[k] = b
            else if (suits[k] === b)
                suits[k] = a
        }
    }
    return suits
}

// The last non-empty action name chosen by `actor` at a decision node of the path.
function lastSelectedActionNameForActor(rows, actor, actionsOf, metaOf) {
    var last = ""
    for (var i = 0; i < rows.length; ++i) {
        var action = _chosenAction(rows[i], actionsOf)
        if (!action)
            continue
        var meta = metaOf(rows[i].nodeIndex)
        if (meta.nodeType !== "decision" || meta.player !== actor)
            continue
        var name = action.name === undefined || action.name === null ? "" : String(action.name)
        if (name !== "")
            last = name
    }
    return last
}

// Index of the first row at a chance node dealing `deal` ("turn" or "river"), or -1.
function findChanceLevel(rows, deal, metaOf) {
    for (var i = 0; i < rows.length; ++i) {
        var meta = metaOf(rows[i].nodeIndex)
        if (meta.nodeType === "chance" && meta.chanceDeal === deal)
            return i
    }
    return -1
}
