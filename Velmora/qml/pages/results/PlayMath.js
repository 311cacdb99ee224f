.pragma library
.import "ResultsCards.js" as Cards

// Pure helpers of the play-against-the-solution mode: card texts, weighted
// draws, EV pricing and the mistake tolerance, the action line of a hand and
// the details of a logged hand (streets, winner, amount won, rake). No QML
// state: the play engine and the tests call these directly.

// Separator of the steps of a hand's action line: a blank, an arrow, a blank.
var STEP_SEPARATOR = " \u2192 "

// A number read from a back-end value; missing, empty, boolean and other
// non-numeric values give NaN.
function toNumber(v) {
    if (typeof v === "number")
        return v
    if (typeof v === "string" && v.trim() !== "")
        return Number(v)
    return NaN
}

function isFiniteNumber(v) {
    return typeof v === "number" && isFinite(v)
}

// Marks every card of the list in the used-card map (card text -> true).
function markUsed(used, cards) {
    for (var i = 0; i < cards.length; ++i) {
        var c = Cards.normalizeCardText(cards[i])
        if (c !== "")
            used[c] = true
    }
    return used
}

// Index drawn from a list of positive weights: r = random × total, the
// first index after whose subtraction r <= 0, else the last (rounding).
// An empty list or a total that is not above 0 gives -1.
function pickWeightedIndex(weights, random) {
    var total = 0
    for (var i = 0; i < weights.length; ++i)
        total += weights[i]
    if (weights.length === 0 || !(total > 0))
        return -1
    var r = toNumber(random()) * total
    for (var k = 0; k < weights.length; ++k) {
        r -= weights[k]
        if (r <= 0)
            return k
    }
    return weights.length - 1
}

// The combos of a seat that can still be dealt: both cards valid, distinct
// and unused, and a finite weight above 0; {c1, c2, weight} in list order.
function eligibleCombosForDeal(comboList, used) {
    var out = []
    if (!comboList)
        return out
    var u = used || {}
    for (var i = 0; i < comboList.length; ++i) {
        var e = comboList[i]
        if (!e)
            continue
        var c1 = Cards.normalizeCardText(e.c1)
        var c2 = Cards.normalizeCardText(e.c2)
        if (c1 === "" || c2 === "" || c1 === c2 || u[c1] === true || u[c2] === true)
            continue
        var w = toNumber(e.weight)
        if (!(isFinite(w) && w > 0))
            continue
        out.push({ c1: c1, c2: c2, weight: w })
    }
    return out
}

// One combo of the pool drawn by weight, or null when the pool is empty.
function pickWeightedCombo(combos, random) {
    if (!combos)
        return null
    var weights = []
    for (var i = 0; i < combos.length; ++i)
        weights.push(combos[i].weight)
    var k = pickWeightedIndex(weights, random)
    return k < 0 ? null : combos[k]
}

// Index of an action drawn by its solution frequency. With a used-card map,
// a card action (a two-character name) whose card is in the map is skipped.
// -1 when no action has a frequency above 0.
function pickWeightedActionIndex(actions, usedCardMap, random) {
    if (!actions)
        return -1
    var indices = []
    var weights = []
    for (var i = 0; i < actions.length; ++i) {
        var a = actions[i]
        if (!a)
            continue
        var f = toNumber(a.frequency)
        if (!(isFinite(f) && f > 0))
            continue
        var name = a.name === undefined || a.name === null ? "" : String(a.name)
        if (usedCardMap && name.length === 2 && usedCardMap[Cards.normalizeCardText(name)] === true)
            continue
        indices.push(i)
        weights.push(f)
    }
    var k = pickWeightedIndex(weights, random)
    return k < 0 ? -1 : indices[k]
}

// Pricing from one list of per-action EVs: {ok, chosenEv, bestEv, evLoss,
// bestIndex}, the first of equal maxima being the best; null when the chosen
// entry is missing or not finite.
function evInfoFromList(evs, actionIndex) {
    if (!evs || !(actionIndex >= 0) || actionIndex >= evs.length)
        return null
    var chosen = toNumber(evs[actionIndex])
    if (!isFinite(chosen))
        return null
    var best = -1e100
    var bestIndex = -1
    for (var i = 0; i < evs.length; ++i) {
        var v = toNumber(evs[i])
        if (isFinite(v) && v > best) {
            best = v
            bestIndex = i
        }
    }
    if (bestIndex < 0)
        return null
    return { ok: true, chosenEv: chosen, bestEv: best, evLoss: Math.max(0, best - chosen), bestIndex: bestIndex }
}

// Pricing from the action EVs of the hand itself: null when the list has no
// entry for the action (the source does not know the hand); {ok: false,
// noEv: true} when it has one but no figure, the hand meeting no opponent
// hand at the node, so that it cannot be graded; else as evInfoFromList.
function pocketEvInfo(evs, actionIndex) {
    if (!evs || !(actionIndex >= 0) || actionIndex >= evs.length)
        return null
    var info = evInfoFromList(evs, actionIndex)
    return info ? info : { ok: false, noEv: true }
}

// Per-combo action EVs of a node keyed by pocket text in both card orders.
function comboEvMap(combos) {
    var map = {}
    if (!combos)
        return map
    for (var i = 0; i < combos.length; ++i) {
        var e = combos[i]
        if (!e)
            continue
        var c1 = Cards.normalizeCardText(e.c1)
        var c2 = Cards.normalizeCardText(e.c2)
        if (c1 === "" || c2 === "")
            continue
        map[c1 + c2] = e.actionEvs
        map[c2 + c1] = e.actionEvs
    }
    return map
}

// EV tolerance of a choice: the larger of the absolute tolerance and the
// relative one times the EV scale; negative or non-finite settings count 0.
function mistakeTolerance(epsilon, relativeTol, bestEv, chosenEv) {
    var abs = isFinite(epsilon) ? Math.max(0, epsilon) : 0
    var frac = isFinite(relativeTol) ? Math.max(0, relativeTol) : 0
    var scale = Math.max(Math.abs(bestEv), Math.abs(chosenEv), 1e-9)
    return Math.max(abs, frac * scale)
}

// A priced choice is a mistake when its EV loss is strictly above the
// tolerance; a choice that could not be priced never is.
function isMistake(info, epsilon, relativeTol) {
    if (!info || info.ok !== true || !isFiniteNumber(info.evLoss))
        return false
    return info.evLoss > mistakeTolerance(epsilon, relativeTol, info.bestEv, info.chosenEv)
}

// One step of the action line: "Actor: action", or the action alone.
function actionStep(actor, actionName) {
    var a = actor === undefined || actor === null ? "" : String(actor)
    var n = actionName === undefined || actionName === null ? "" : String(actionName)
    return a !== "" ? a + ": " + n : n
}

function appendStep(line, actor, actionName) {
    var step = actionStep(actor, actionName)
    return (line === undefined || line === null || line === "") ? step : line + STEP_SEPARATOR + step
}

// The action line of a tree path (rows {nodeIndex, selectedActionIndex}):
// the action chosen at each level by its deciding seat, or "Chance" with the
// card shown for that chance node (`overrides`: node index as text -> card).
function lineFromPath(rows, actionsOf, metaOf, overrides) {
    var line = ""
    for (var i = 0; rows && i < rows.length; ++i) {
        var row = rows[i]
        if (!row || !(row.selectedActionIndex >= 0))
            continue
        var actions = actionsOf(row.nodeIndex) || []
        var action = actions[row.selectedActionIndex]
        if (!action)
            continue
        var name = action.name === undefined || action.name === null ? "" : String(action.name)
        var meta = metaOf(row.nodeIndex) || {}
        var actor = ""
        if (meta.nodeType === "decision") {
            actor = meta.player ? String(meta.player) : ""
        } else if (meta.nodeType === "chance") {
            actor = "Chance"
            var shown = overrides ? overrides[String(row.nodeIndex)] : undefined
            if (shown !== undefined && shown !== null && String(shown).length === 2)
                name = String(shown)
            if (name.length === 2)
                name = Cards.normalizeCardText(name)
        }
        line = appendStep(line, actor, name)
    }
    return line
}

// The steps of an action line, trimmed, empty ones dropped.
function splitSteps(line) {
    var out = []
    var s = line === undefined || line === null ? "" : String(line)
    if (s === "")
        return out
    var parts = s.split(STEP_SEPARATOR)
    for (var i = 0; i < parts.length; ++i) {
        var t = parts[i].trim()
        if (t !== "")
            out.push(t)
    }
    return out
}

function _stepActor(step) {
    var colon = step.indexOf(":")
    return colon < 0 ? "" : step.substring(0, colon).trim()
}

// The decisions of an action line by street: the line starts on
// `firstStreet` (0 flop, 1 turn, 2 river; flop when missing) and every
// "Chance" step moves the street on and is not listed itself.
function splitStreets(line, firstStreet) {
    var streets = [[], [], []]
    var street = isFiniteNumber(firstStreet) ? Math.max(0, Math.min(2, Math.floor(firstStreet))) : 0
    var steps = splitSteps(line)
    for (var i = 0; i < steps.length; ++i) {
        var step = steps[i]
        var colon = step.indexOf(":")
        var actor = colon < 0 ? "" : step.substring(0, colon).trim()
        var action = colon < 0 ? step : step.substring(colon + 1).trim()
        if (actor === "Chance") {
            street = Math.min(2, street + 1)
            continue
        }
        streets[street].push(actor !== "" && action !== "" ? actor + ": " + action : step)
    }
    return { flop: streets[0], turn: streets[1], river: streets[2] }
}

// The action name of the last step `actor` took on the street the line
// ends on (after its last "Chance" step); "" when it took none there.
function lastStreetAction(line, actor) {
    var steps = splitSteps(line)
    for (var i = steps.length - 1; i >= 0; --i) {
        var who = _stepActor(steps[i])
        if (who === "Chance")
            return ""
        if (who !== "" && who === actor)
            return steps[i].substring(steps[i].indexOf(":") + 1).trim()
    }
    return ""
}

// Winner by the last fold of the line: the seat that did not fold; "" when
// no step folds or the folding step names no seat.
function foldWinner(line) {
    var steps = splitSteps(line)
    for (var i = steps.length - 1; i >= 0; --i) {
        if (steps[i].indexOf("Fold") < 0)
            continue
        var actor = _stepActor(steps[i])
        if (actor === "OOP")
            return "IP"
        if (actor === "IP")
            return "OOP"
        return ""
    }
    return ""
}

// Net chips the winner takes from the pot of the node where the hand ended.
function wonAmount(winner, pot, investedOop, investedIp) {
    if (!isFiniteNumber(pot) || !isFiniteNumber(investedOop) || !isFiniteNumber(investedIp))
        return NaN
    if (winner === "OOP")
        return pot - investedOop
    if (winner === "IP")
        return pot - investedIp
    if (winner === "TIE")
        return 0
    return NaN
}

// The pot the solver rakes at the end of a hand: the pot without the part of
// a bet nobody called, which goes back to the bettor (the pot both seats
// matched). NaN when a figure is missing.
function rakedPot(pot, investedOop, investedIp) {
    if (!isFiniteNumber(pot) || !isFiniteNumber(investedOop) || !isFiniteNumber(investedIp))
        return NaN
    return pot - Math.abs(investedOop - investedIp)
}

// Rake as the solver's payoffs take it: min(cap, pot × percent / 100), to
// the last digit. Without a positive rate or a positive cap the solved game
// took no rake.
function rakeFor(pot, rakePercent, rakeCap) {
    if (!isFiniteNumber(pot) || !(pot > 0) || !isFiniteNumber(rakePercent) || !(rakePercent > 0))
        return 0
    if (!isFiniteNumber(rakeCap) || !(rakeCap > 0))
        return 0
    return Math.min(rakeCap, pot * (rakePercent / 100))
}

// A chip figure of the hand details: whole chips as they are, others to two
// decimals at most; "—" for none.
function chipsText(v) {
    var n = toNumber(v)
    if (!isFinite(n))
        return "\u2014"
    var t = String(Number(n.toFixed(2)))
    return t === "-0" ? "0" : t
}

// A log entry with every field present: the hand's own fields, the defaults
// of a hand without a mistake, then `extra` over them; `isMistake` follows
// the resulting EV loss.
function makeLogEntry(hand, extra) {
    var e = {
        time: "", board: "", role: "", oop: "", ip: "", line: "",
        endedReason: "", mistakeActor: "", mistakeAction: "", correctAction: "",
        chosenActionIndex: -1, correctActionIndex: -1,
        evLoss: NaN, bestEv: NaN, chosenEv: NaN,
        pot: 0, investedOop: 0, investedIp: 0, isMistake: false
    }
    var k
    for (k in hand)
        e[k] = hand[k]
    for (k in (extra || {}))
        e[k] = extra[k]
    e.evLoss = toNumber(e.evLoss)
    e.isMistake = isFinite(e.evLoss) && e.evLoss > 0
    return e
}

// Whether a logged entry counts as a mistake in the log's colouring.
function entryIsMistake(entry) {
    if (!entry)
        return false
    var loss = toNumber(entry.evLoss)
    return entry.isMistake === true || (isFinite(loss) && loss > 0)
}

// The details of a logged hand: boards by street, the decisions by street,
// the winner (last fold, else the showdown on a river board), the amount won
// and the rake. `showdown` is (board, oop, ip) -> winner text or "".
function buildHandDetails(entry, showdown, rakePercent, rakeCap) {
    var board = Cards.stripWhitespace(entry && entry.board ? entry.board : "")
    var d = {}
    d.oopText = String(entry && entry.oop ? entry.oop : "")
    d.ipText = String(entry && entry.ip ? entry.ip : "")
    d.flopBoard = board.length >= 6 ? board.substr(0, 6) : board
    d.turnBoard = board.length >= 8 ? board.substr(0, 8) : d.flopBoard
    d.riverBoard = board.length >= 10 ? board.substr(0, 10) : d.turnBoard
    d.turnCard = board.length >= 8 ? board.substr(6, 2) : ""
    d.riverCard = board.length >= 10 ? board.substr(8, 2) : ""
    var line = entry && entry.line ? entry.line : ""
    // A spot solved from the turn or the river starts its line there: the
    // board held that many cards before the hand's own chance cards.
    var steps = splitSteps(line)
    var dealt = 0
    for (var i = 0; i < steps.length; ++i) {
        if (_stepActor(steps[i]) === "Chance")
            ++dealt
    }
    var firstStreet = Math.floor(board.length / 2) - 3 - dealt
    var streets = splitStreets(line, firstStreet)
    d.flopActions = streets.flop
    d.turnActions = streets.turn
    d.riverActions = streets.river

    // A hand stopped at a mistake was never played out: no winner, no
    // amount and no rake, only where it stopped (the street, 0 flop to 2
    // river, and the mistaken step, the last of the line).
    d.stopped = !!entry && entry.endedReason === "suboptimal"
    d.stopStreet = Math.max(0, Math.min(2, firstStreet + dealt))
    d.stopStep = d.stopped && steps.length > 0 ? steps[steps.length - 1] : ""
    if (d.stopped) {
        d.winner = "\u2014"
        d.wonAmount = NaN
        d.rakeTaken = NaN
        return d
    }

    var winner = foldWinner(line)
    if (winner === "" && showdown && d.riverBoard.length >= 10 && d.oopText.length >= 4 && d.ipText.length >= 4) {
        var w = showdown(d.riverBoard, d.oopText, d.ipText)
        if (w === "OOP" || w === "IP" || w === "TIE")
            winner = w
    }
    d.winner = winner === "" ? "\u2014" : winner
    var pot = toNumber(entry ? entry.pot : NaN)
    d.wonAmount = wonAmount(winner, pot, toNumber(entry ? entry.investedOop : NaN),
                            toNumber(entry ? entry.investedIp : NaN))
    d.rakeTaken = rakeFor(rakedPot(pot, toNumber(entry ? entry.investedOop : NaN),
                                   toNumber(entry ? entry.investedIp : NaN)), rakePercent, rakeCap)
    return d
}
