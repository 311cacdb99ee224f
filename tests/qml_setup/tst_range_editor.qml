import QtQuick
import QtTest
import Velmora
import SetupTestSupport

// Range editor with the real back end: its range read as the solver reads
// it, a click that takes one class out and leaves every other combo as it
// was, a second click that puts it back, presets, typing and the hand
// count; without a back end it draws nothing.
Item {
    id: host
    width: 700
    height: 700

    Theme { id: theme }

    Component { id: editorComp; RangeEditor {} }
    SignalSpy { id: spy; signalName: "rangeChanged" }

    TestCase {
        name: "RangeEditor"
        when: windowShown

        function init() {
            spy.clear()
        }

        function make(text, writeBack, controller) {
            var e = createTemporaryObject(editorComp, host, {
                theme: theme, rangeText: text, controller: controller === undefined ? appController : controller })
            spy.target = e
            if (writeBack)
                e.rangeChanged.connect(function(t) { e.rangeText = t })
            return e
        }

        function keys(map) {
            var out = []
            for (var k in map)
                if (map[k] > 0) out.push(k)
            return out.sort()
        }

        function sameWeights(a, b) {
            var ka = keys(a), kb = keys(b)
            compare(ka, kb)
            for (var i = 0; i < ka.length; ++i)
                fuzzyCompare(a[ka[i]], b[ka[i]], 1e-6, ka[i])
        }

        function lastText() {
            return spy.signalArguments[spy.count - 1][0]
        }

        function test_reads_as_the_solver_does_data() {
            return [
                { tag: "empty", text: "", expect: {} },
                { tag: "pair and weight", text: "AA, KK:0.5", expect: { "AA": 1, "KK": 0.5 } },
                { tag: "suited plus", text: "T9s+", expect: { "AKs": 1, "KQs": 1, "QJs": 1, "JTs": 1, "T9s": 1 } },
                { tag: "later wins", text: "AA:0.3, AA:0.6", expect: { "AA": 0.6 } },
                { tag: "exact combo", text: "AhKh", expect: { "AKs": 0.25 } },
                { tag: "blank before percent", text: " 50%", count: 169 },
                { tag: "blanks in a list", text: "AA KK", expect: {} },
                { tag: "bad weight", text: "AA:x, KK", expect: {} }
            ]
        }

        function test_reads_as_the_solver_does(data) {
            var e = make(data.text, false)
            if (data.count !== undefined)
                compare(keys(e.weights).length, data.count)
            else
                sameWeights(e.weights, data.expect)
            compare(findChild(e, "handCount").text, keys(e.weights).length + " hands")
            compare(findChild(findChild(e, "rangeMatrix"), "cell_AA").weight, e.weights["AA"] || 0)
        }

        // A click on a lit class takes out that class alone: the emitted
        // text reads as before without it.
        function test_click_takes_out_only_the_clicked_class_data() {
            return [
                { tag: "a piece of its own", text: "AA, KK:0.5, AKs, QJo:0.25", hand: "AKs", result: "AA, KK:0.5, QJo:0.25" },
                { tag: "a weighted piece", text: "AA, KK:0.5, AKs, QJo:0.25", hand: "KK", result: "AA, AKs, QJo:0.25" },
                { tag: "a plus span", text: "T9s+", hand: "AKs", result: "KQs, QJs, JTs, T9s" },
                { tag: "both kinds", text: "AK:0.5, 22", hand: "AKs", result: "AKo:0.5, 22" },
                { tag: "weight after blanks", text: "QQ+ : .5", hand: "KK", result: "AA:.5, QQ:.5" },
                { tag: "exact combos", text: "AhKh, AsKs, QQ", hand: "AKs", result: "QQ" },
                { tag: "a share", text: "50%", hand: "AA" },
                { tag: "a share in thirds", text: "33.3%", hand: "72o" }
            ]
        }

        function test_click_takes_out_only_the_clicked_class(data) {
            var e = make(data.text, false)
            var expected = e.parseRangeText(data.text)
            delete expected[data.hand]
            e.handleMatrixClick(data.hand, e.weights[data.hand])
            compare(spy.count, 1)
            if (data.result !== undefined)
                compare(lastText(), data.result)
            sameWeights(e.parseRangeText(lastText()), expected)
            compare(e.rangeText, data.text, "the editor never changes its own range")
        }

        // Clicking a class out and in again gives back the range the solver
        // read before, combo by combo.
        function test_toggle_twice_restores_the_range_data() {
            return [
                { tag: "weights", text: "AA, KK:0.5, 76s:0.25", hand: "KK" },
                { tag: "a span", text: "T9s+:0.5, AhKh, 22", hand: "AKs" },
                { tag: "combos over a class", text: "AhKh, AKs:0.5, AsKs", hand: "AKs" },
                { tag: "a share", text: "0.3%", hand: "QQ" }
            ]
        }

        function test_toggle_twice_restores_the_range(data) {
            var e = make(data.text, true)
            var before = SolverRange.combos(data.text)
            e.handleMatrixClick(data.hand, e.weights[data.hand])
            verify(!(e.weights[data.hand] > 0))
            e.handleMatrixClick(data.hand, 0)
            compare(SolverRange.combos(e.rangeText), before, e.rangeText)
        }

        function test_new_class_comes_in_at_full_weight() {
            var e = make("AA, 76s:0.25", true)
            e.handleMatrixClick("QQ", 0)
            compare(e.rangeText, "AA, 76s:0.25, QQ")
            // After a preset the remembered pieces are gone.
            e.handleMatrixClick("76s", 0.25)
            e.applyPreset("AA")
            e.handleMatrixClick("76s", 0)
            compare(e.rangeText, "AA, 76s")
            // An unlit share holds every class at 0: the class replaces it.
            e.applyPreset("0%")
            e.handleMatrixClick("KK", 0)
            compare(e.rangeText, "KK")
        }

        function test_paint_reports() {
            var e = make("AA", false)
            var matrix = findChild(e, "rangeMatrix")
            matrix.handPainted("AA", true, 1)
            matrix.handPainted("KK", false, 0)
            compare(spy.count, 0, "reports that change nothing emit nothing")
            matrix.handPainted("KK", true, 0)
            compare(spy.count, 1)
            compare(lastText(), "AA, KK")
        }

        function test_paint_stroke_across_the_matrix() {
            var e = make("AA, KK:0.5", true)
            var matrix = findChild(e, "rangeMatrix")
            tryVerify(function() { return matrix.width > 0 })
            var step = matrix.cellSize + matrix.cellSpacing
            var half = matrix.cellSize / 2
            // Press on QQ (out of the range), drag along row 2 over QJs and QTs.
            mousePress(matrix, 2 * step + half, 2 * step + half)
            mouseMove(matrix, 3 * step + half, 2 * step + half, -1, Qt.LeftButton)
            mouseMove(matrix, 4 * step + half, 2 * step + half, -1, Qt.LeftButton)
            mouseRelease(matrix, 4 * step + half, 2 * step + half)
            compare(spy.count, 3)
            sameWeights(e.weights, { "AA": 1, "KK": 0.5, "QQ": 1, "QJs": 1, "QTs": 1 })
            compare(findChild(e, "handCount").text, "5 hands")
            compare(findChild(e, "rangeInput").text, e.rangeText)
        }

        function test_preset_buttons() {
            var e = make("AA", false)
            var names = ["100%", "50%", "25%", ""]
            for (var i = 0; i < names.length; ++i) {
                var button = findChild(e, "preset_" + names[i])
                verify(button !== null)
                mouseClick(button)
                compare(lastText(), names[i])
            }
            compare(findChild(e, "preset_").text, "Clear")
            compare(spy.count, 4)
        }

        function test_typing_emits_the_whole_text() {
            var e = make("", true)
            var field = findChild(e, "rangeInput")
            mouseClick(field)
            verify(field.activeFocus)
            keyClick("A")
            keyClick("A")
            keyClick(Qt.Key_Comma)
            keyClick(Qt.Key_Space)
            keyClick("K")
            keyClick("K")
            compare(lastText(), "AA, KK")
            compare(e.rangeText, "AA, KK")
            compare(field.text, "AA, KK")
            compare(keys(e.weights), ["AA", "KK"])
            // The field follows the range the owner writes back.
            e.rangeText = "QQ+"
            compare(field.text, "QQ+")
            compare(findChild(e, "handCount").text, "3 hands")
        }

        // Without a back end nothing is read: the matrix draws nothing and
        // a click only adds.
        function test_without_a_back_end_nothing_is_drawn() {
            var e = make("AA, KK", false, null)
            compare([keys(e.weights), findChild(e, "handCount").text], [[], "0 hands"])
            e.handleMatrixClick("QQ", 0)
            compare(lastText(), "AA, KK, QQ")
        }
    }
}
