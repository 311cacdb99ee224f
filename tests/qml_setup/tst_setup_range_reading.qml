import QtQuick
import QtTest
import Velmora
import SetupTestSupport

// A range card draws its text as the solver reads it: each cell filled to
// the mean weight of its class's combos in the solver's own reading (held
// against it combo by combo), nothing for a text the solver refuses; and
// a painted cell edits the pieces the solver reads.
Item {
    id: host
    width: 1540
    height: 1300

    SetupPageCase {
        name: "SetupRangeReading"

        readonly property string ranks: "AKQJT98765432"

        // Per class, the mean weight of its combos as the solve reads the
        // text; null for a text the solver refuses.
        function solverClasses(text) {
            var combos = SolverRange.combos(text)
            if (combos === undefined || combos === null)
                return null
            var out = ({})
            for (var cards in combos) {
                var first = ranks.indexOf(cards[0]) <= ranks.indexOf(cards[2])
                var label = first ? cards[0] + cards[2] : cards[2] + cards[0]
                if (cards[0] !== cards[2])
                    label += cards[1] === cards[3] ? "s" : "o"
                out[label] = (out[label] || 0) + combos[cards]
            }
            for (var c in out)
                out[c] /= c.length === 2 ? 6 : c[2] === "s" ? 4 : 12
            return out
        }

        // The OOP matrix as drawn: each filled cell and the share of the
        // cell's width its fill takes.
        function drawn() {
            var matrix = findChild(page, "oopMatrix"), out = ({})
            for (var i = 0; i < 169; ++i) {
                var cell = findChild(matrix, "cell_" + matrix.handAt(Math.floor(i / 13), i % 13))
                var fill = findChild(cell, "weightFill")
                if (fill.visible)
                    out[cell.hand] = fill.width / cell.width
            }
            return out
        }

        function sortedKeys(map) { return Object.keys(map).sort() }

        function test_matrix_draws_the_solvers_reading_data() {
            return textRows([
                // spans and plus forms
                { text: "T9s+", lit: ["AKs", "JTs", "KQs", "QJs", "T9s"] },
                { text: "QJo+", lit: ["AKo", "KQo", "QJo"] },
                { text: "87s+", lit: ["87s", "98s", "AKs", "JTs", "KQs", "QJs", "T9s"] },
                { text: "K9s+", lit: ["K9s", "KJs", "KQs", "KTs"] },
                { text: "A2+", count: 24 },
                { text: "22+", count: 13 },
                { text: "JJ+" },
                { text: "AK+", lit: ["AKo", "AKs"] },
                { text: "T9s-54s", lit: ["54s", "65s", "76s", "87s", "98s", "T9s"] },
                { text: "AK-AT", lit: ["AJo", "AJs", "AKo", "AKs", "AQo", "AQs", "ATo", "ATs"] },
                { text: "99-22", count: 8 },
                { text: "22-99", count: 8 },
                { text: "A5s-A2s", lit: ["A2s", "A3s", "A4s", "A5s"] },
                { text: "KQs-K9s", lit: ["K9s", "KJs", "KQs", "KTs"] },
                { text: "AKs-QJs", lit: ["AKs", "KQs", "QJs"] },
                { text: "A5s-K2s", count: 8 },
                { text: "A5s - A2s", lit: ["A2s", "A3s", "A4s", "A5s"] },
                { text: "ak, tt", lit: ["AKo", "AKs", "TT"] },
                // weights, blanks around them, later pieces over earlier ones
                { text: "AA, KK: 0.5", lit: ["AA", "KK"], weights: { "AA": 1, "KK": 0.5 } },
                { text: "AA, KK :0.5", weights: { "AA": 1, "KK": 0.5 } },
                { text: "AA , QQ : .25", weights: { "AA": 1, "QQ": 0.25 } },
                { text: "AA:0x1p-1", weights: { "AA": 0.5 } },
                { text: "AKs:0.25, QQ, T9s+", weights: { "AKs": 1, "QQ": 1, "T9s": 1 } },
                { text: "T9s+, AKs:0.25", weights: { "AKs": 0.25, "KQs": 1 } },
                { text: "AA, AA:0.3", weights: { "AA": 0.3 } },
                { text: "QQ+:0.5, KK", weights: { "AA": 0.5, "KK": 1, "QQ": 0.5 } },
                { text: "AK, AKo:0", lit: ["AKs"] },
                // exact combos: a class partly in range at the share it holds
                { text: "AhKh", weights: { "AKs": 0.25 } },
                { text: "AhKh, AsKs", weights: { "AKs": 0.5 } },
                { text: "AsAh, KdKc:0.5", weights: { "AA": 1 / 6, "KK": 0.5 / 6 } },
                { text: "AKs:0.5, AhKh", weights: { "AKs": 0.625 } },
                { text: "AhKh, AKs:0.5", weights: { "AKs": 0.5 } },
                { text: "AhKd, QQ", weights: { "AKo": 1 / 12, "QQ": 1 } },
                // shares of every hand
                { text: "50%", count: 169 },
                { text: " 50% ", count: 169 },
                { text: "12.5%", count: 169 },
                { text: "0%", count: 0 },
                // refused: nothing drawn, the field says why
                { text: "AA KK", refused: true },
                { text: "12.5 %", refused: true },
                { text: "150%", refused: true },
                { text: "AKs-AQo", refused: true },
                { text: "9Ks+", refused: true },
                { text: "AA:7", refused: true },
                { text: "AA:abc", refused: true }
            ])
        }

        // Rows named by their text.
        function textRows(rows) {
            return rows.map(function(row) { row.tag = "'" + row.text + "'"; return row })
        }

        function test_matrix_draws_the_solvers_reading(data) {
            page.oopRangeText = data.text
            var solver = solverClasses(data.text), shown = drawn()
            var error = findChild(page, "oopRangeError")
            compare(error.visible, !!data.refused, error.text)
            if (data.refused) {
                compare(solver, null, "the solver refuses it too")
                compare(shown, {})
                return
            }
            compare(sortedKeys(shown), sortedKeys(solver))
            for (var label in solver)
                fuzzyCompare(shown[label], solver[label], 1e-6, label)
            if (data.lit)
                compare(sortedKeys(shown), data.lit)
            if (data.count !== undefined)
                compare(sortedKeys(shown).length, data.count)
            for (var w in data.weights || {})
                fuzzyCompare(shown[w], data.weights[w], 1e-6, w)
        }

        function clickCell(hand) {
            var matrix = findChild(page, "oopMatrix")
            var cell = findChild(matrix, "cell_" + hand)
            mouseClick(cell)
        }

        // A lit cell loses every piece that sets any of its combos, as the
        // solver reads the pieces; an unlit one gets the hand appended at the
        // click weight. Pieces keep their text, parted by ", ".
        function test_painting_edits_the_pieces_the_solver_reads_data() {
            return [
                { tag: "a plus span goes whole", text: "T9s+", hand: "AKs", result: "" },
                { tag: "other pieces stay", text: "T9s+, 22", hand: "JTs", result: "22" },
                { tag: "an exact combo covers its class", text: "AhKh, QQ", hand: "AKs", result: "QQ" },
                { tag: "a span of both kinds", text: "AK-AT, 99", hand: "AQo", result: "99" },
                { tag: "weight after a blank", text: "AA, KK :0.5", hand: "KK", result: "AA" },
                { tag: "pieces keep their text", text: "AA, KK: 0.5,QQ", hand: "QQ", result: "AA, KK: 0.5" },
                { tag: "whole plus token", text: "QQ+, AKs", hand: "KK", result: "AKs" },
                { tag: "whole span", text: "A5s-A2s:0.5, KK", hand: "A3s", result: "KK" },
                { tag: "both pieces over a class", text: "AKs:0.5, AK, 22", hand: "AKs", result: "22" },
                { tag: "a lit share clears", text: " 25% ", hand: "72o", result: "" },
                { tag: "an unlit share is replaced", text: "0%", hand: "AKs", result: "AKs" },
                { tag: "added beside an exact combo", text: "AhKh", hand: "AKo", result: "AhKh, AKo" },
                { tag: "a class held at 0", text: "AKs:0", hand: "AKs", result: "AKs:0, AKs" },
                { tag: "added with the click weight", text: "AA", hand: "KK", weight: 50, result: "AA, KK:0.5" },
                { tag: "almost whole", text: "AA", hand: "KK", weight: 99.95, result: "AA, KK" },
                { tag: "three decimals", text: "AA", hand: "KK", weight: 33.33, result: "AA, KK:0.333" },
                { tag: "weight zero", text: "", hand: "AKs", weight: 0, result: "AKs:0" },
                { tag: "a refused text stays as typed", text: "AA KK", hand: "QQ", result: "AA KK, QQ" }
            ]
        }

        function test_painting_edits_the_pieces_the_solver_reads(data) {
            page.oopClickWeightPct = data.weight !== undefined ? data.weight : 100
            page.oopRangeText = data.text
            clickCell(data.hand)
            compare(page.oopRangeText, data.result)
        }
    }
}
