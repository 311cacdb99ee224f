import QtQuick
import QtTest
import "../../Velmora/qml/pages/results/PlayMath.js" as PlayMath
import "../../Velmora/qml/pages/results/ResultsCards.js" as Cards

// The pure rules of play mode: weighted draws, dealing pools, pricing and
// the mistake tolerance, action lines split into streets, winner, amount
// won and rake.
TestCase {
    name: "PlayMath"

    function seq(values) {
        return function () { return values.length ? values.shift() : 0 }
    }

    function test_weightedDrawsWalkTheWeightsInOrder() {
        compare(PlayMath.pickWeightedIndex([1, 3], seq([0.2])), 0)   // r = 0.8
        compare(PlayMath.pickWeightedIndex([1, 3], seq([0.25])), 0)  // r = 1: r <= 0 after the first
        compare(PlayMath.pickWeightedIndex([1, 3], seq([0.26])), 1)
        compare(PlayMath.pickWeightedIndex([0.1, 0.2], seq([0.9999999999999999])), 1)
        compare(PlayMath.pickWeightedIndex([], seq([0.5])), -1)
        compare(PlayMath.pickWeightedIndex([0, 0], seq([0.5])), -1)

        var actions = [{ name: "As", frequency: 0.7 }, { name: "7c", frequency: 0 },
                       { name: "8c", frequency: NaN }, { name: "9c", frequency: 0.3 }]
        compare(PlayMath.pickWeightedActionIndex(actions, null, seq([0])), 0)
        // A used card is skipped; only cards (two-character names) are.
        compare(PlayMath.pickWeightedActionIndex(actions, { "As": true }, seq([0])), 3)
        compare(PlayMath.pickWeightedActionIndex([{ name: "As", frequency: 1 }], { "As": true }, seq([0])), -1)
        compare(PlayMath.pickWeightedActionIndex([{ name: "Check", frequency: 1 }], { "Check": true }, seq([0])), 0)
    }

    function test_dealPoolDropsBlockedAndInvalidCombos() {
        var list = [{ c1: "as", c2: "KS", weight: 0.5 }, { c1: "Ah", c2: "Ah", weight: 1 },
                    { c1: "Qh", c2: "2c", weight: 1 }, { c1: "Jh", c2: "Jd", weight: 0 },
                    { c1: "T", c2: "Td", weight: 1 }, { c1: "9h", c2: "9d", weight: NaN },
                    { c1: "8h", c2: "8d", weight: 2 }]
        var pool = PlayMath.eligibleCombosForDeal(list, { "2c": true })
        compare(pool.length, 2)
        compare(pool[0].c1 + pool[0].c2, "AsKs")
        compare(pool[1].c1 + pool[1].c2, "8h8d")
        compare(PlayMath.pickWeightedCombo(pool, seq([0.3])).c1, "8h") // r = 0.75 > 0.5
        compare(PlayMath.pickWeightedCombo([], seq([0.3])), null)
        // Hole cards in play are neither offered nor stand-ins for a click.
        compare(Cards.chanceCardIndexForSelection("7d", { "7c": 1 }, "AhKhQh", {}), 1)
        compare(Cards.chanceCardIndexForSelection("7d", { "7c": 1 }, "AhKhQh", { "7c": true }), -1)
        compare(Cards.chanceCardIndexForSelection("7c", { "7c": 1 }, "AhKhQh", { "7c": true }), -1)
    }

    function test_pricingAndTolerance() {
        var info = PlayMath.evInfoFromList([NaN, 10, 10, 9.95], 3)
        compare(info.bestIndex, 1)  // the first of equal maxima
        compare(info.bestEv, 10)
        fuzzyCompare(info.evLoss, 0.05, 1e-12)
        compare(PlayMath.evInfoFromList([10, NaN], 1), null)
        compare(PlayMath.evInfoFromList([10], 1), null)
        compare(PlayMath.evInfoFromList([10, 9], 1).evLoss, 1)

        function mistake(best, chosen) {
            return PlayMath.isMistake(PlayMath.evInfoFromList([best, chosen], 1), 1e-6, 0.01)
        }
        verify(!mistake(10, 9.95))
        verify(mistake(10, 9.5))
        verify(!mistake(0, -0.0000005))
        verify(mistake(0, -0.000002))
        verify(!mistake(0.3, 0.298))
        verify(mistake(0.3, 0.296))
        verify(!mistake(10, 10))
        verify(!PlayMath.isMistake({ ok: false }, 1e-6, 0.01))
        verify(!PlayMath.isMistake({ ok: true, evLoss: NaN, bestEv: 1, chosenEv: 0 }, 1e-6, 0.01))
        // Negative or non-finite tolerances count as 0.
        compare(PlayMath.mistakeTolerance(-1, NaN, 5, 1), 0)
        compare(PlayMath.mistakeTolerance(NaN, 0.1, -20, 1), 2)
    }

    function test_actionLineStreetsAndWinner() {
        var line = ""
        line = PlayMath.appendStep(line, "OOP", "Check")
        line = PlayMath.appendStep(line, "IP", "Bet 50%")
        line = PlayMath.appendStep(line, "OOP", "Call")
        line = PlayMath.appendStep(line, "Chance", "7c")
        line = PlayMath.appendStep(line, "OOP", "Check")
        line = PlayMath.appendStep(line, "Chance", "2d")
        line = PlayMath.appendStep(line, "", "odd")
        compare(line, "OOP: Check \u2192 IP: Bet 50% \u2192 OOP: Call \u2192 Chance: 7c \u2192 OOP: Check"
                      + " \u2192 Chance: 2d \u2192 odd")
        var streets = PlayMath.splitStreets(line)
        compare(streets.flop, ["OOP: Check", "IP: Bet 50%", "OOP: Call"])
        compare(streets.turn, ["OOP: Check"])
        compare(streets.river, ["odd"])
        compare(PlayMath.splitStreets("").flop, [])
        compare(PlayMath.splitStreets("OOP: Check \u2192 Chance: 2d \u2192 IP: Check", 1).river, ["IP: Check"])

        compare(PlayMath.foldWinner("OOP: Check \u2192 IP: Bet 50% \u2192 OOP: Fold"), "IP")
        compare(PlayMath.foldWinner("OOP: Bet 50% \u2192 IP: Fold"), "OOP")
        compare(PlayMath.foldWinner("OOP: Check \u2192 IP: Check"), "")
        // The last fold decides; a fold without a seat decides nothing.
        compare(PlayMath.foldWinner("IP: Fold \u2192 Fold"), "")
    }

    function test_handDetailsWinnerWonAndRake() {
        var entry = PlayMath.makeLogEntry({ board: "2c3d4h", oop: "AsKs", ip: "QhQd", pot: 150,
                                            investedOop: 50, investedIp: 100,
                                            line: "OOP: Check \u2192 IP: Bet 50% \u2192 OOP: Fold" }, {})
        verify(!entry.isMistake)
        verify(isNaN(entry.evLoss))
        compare(entry.chosenActionIndex, -1)
        var d = PlayMath.buildHandDetails(entry, null, 0, 0)
        compare(d.winner, "IP")
        compare(d.wonAmount, 50)  // pot − investedIp
        compare(d.flopBoard, "2c3d4h")
        compare(d.turnCard, "")
        compare(d.rakeTaken, 0)

        // No fold: the showdown decides on a river board only.
        var calls = []
        function showdown(b, o, i) { calls.push(b); return b === "2c3d4h7c8s" ? "TIE" : "UNKNOWN" }
        entry.line = "OOP: Check \u2192 IP: Check"
        entry.board = "2c3d4h7c"
        d = PlayMath.buildHandDetails(entry, showdown, 5, 30)
        compare(calls.length, 0)
        compare(d.winner, "\u2014")
        verify(isNaN(d.wonAmount))
        compare(d.turnCard, "7c")
        compare(d.riverBoard, "2c3d4h7c")
        entry.board = "2c3d4h7c8s"
        compare(PlayMath.buildHandDetails(entry, showdown, 5, 30).winner, "TIE")
        compare(PlayMath.buildHandDetails(entry, showdown, 5, 30).wonAmount, 0)
        entry.ip = ""
        compare(PlayMath.buildHandDetails(entry, showdown, 5, 30).winner, "\u2014")

        compare(PlayMath.rakeFor(180, 5, 30), 9)
        compare(PlayMath.rakeFor(1000, 5, 30), 30)
        compare(PlayMath.rakeFor(1000, 5, 0), 0)  // the solved game took no rake
        compare(PlayMath.rakeFor(0, 5, 30), 0)
        compare(PlayMath.rakeFor(1000, 0, 30), 0)

        // A spot solved from the turn lists its first decisions on the turn.
        entry.line = "OOP: Bet 50% \u2192 IP: Call \u2192 Chance: 8s \u2192 OOP: Check"
        d = PlayMath.buildHandDetails(entry, null, 0, 0)
        compare(d.flopActions, [])
        compare(d.turnActions, ["OOP: Bet 50%", "IP: Call"])
        compare(d.riverActions, ["OOP: Check"])

        var mistake = PlayMath.makeLogEntry({}, { evLoss: 0.5, endedReason: "suboptimal" })
        verify(mistake.isMistake)
        verify(!PlayMath.makeLogEntry({}, { evLoss: 0 }).isMistake)
    }

    // A cap of 2.5 chips and chip figures (the rake of the pot both seats
    // matched is checked against a real solve in tst_play_backend). A hand
    // stopped at a mistake has no result, though the showdown would name a
    // winner, only where it stopped.
    function test_rakeCapChipsAndStoppedHands() {
        compare(PlayMath.rakeFor(1000, 5, 2.5), 2.5)
        compare([PlayMath.chipsText(8.75), PlayMath.chipsText(9), PlayMath.chipsText(NaN)], ["8.75", "9", "\u2014"])
        var stopped = PlayMath.makeLogEntry({ board: "2c3d4h7c9s", oop: "8hTh", ip: "5c5s", pot: 180, investedOop: 40,
            investedIp: 40, line: "OOP: Check \u2192 IP: Check \u2192 Chance: 9s \u2192 OOP: Bet 50%" },
            { endedReason: "suboptimal", evLoss: 2 })
        var d = PlayMath.buildHandDetails(stopped, function () { return "OOP" }, 5, 30)
        compare([d.stopped, d.winner, d.stopStreet, d.stopStep, d.riverActions],
                [true, "\u2014", 2, "OOP: Bet 50%", ["OOP: Bet 50%"]])
        verify(isNaN(d.wonAmount) && isNaN(d.rakeTaken))
    }
}
