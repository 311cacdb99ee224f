import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"

// Range editor: reading range text, writing it back after matrix edits
// without losing weights, presets, typing and the hand count.
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

        function make(text, writeBack) {
            var e = createTemporaryObject(editorComp, host, { theme: theme, rangeText: text })
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
                fuzzyCompare(a[ka[i]], b[ka[i]], 1e-3, ka[i])
        }

        function lastText() {
            return spy.signalArguments[spy.count - 1][0]
        }

        function test_parse_data() {
            return [
                { tag: "empty", text: "", expect: {} },
                { tag: "blank", text: "   ", expect: {} },
                { tag: "pair and weight", text: "AA, KK:0.5", expect: { "AA": 1, "KK": 0.5 } },
                { tag: "two ranks", text: "AK", expect: { "AKs": 1, "AKo": 1 } },
                { tag: "pair plus", text: "QQ+", expect: { "AA": 1, "KK": 1, "QQ": 1 } },
                { tag: "lower case", text: "tt aks", expect: { "TT": 1, "AKs": 1 } },
                { tag: "one char ignored", text: "A, KK", expect: { "KK": 1 } },
                { tag: "bad weight", text: "AA:x, KK", expect: { "KK": 1 } },
                { tag: "later wins", text: "AA:0.3 AA:0.6", expect: { "AA": 0.6 } },
                { tag: "exact combo", text: "AhKh", expect: { "AhKh": 1 } },
                { tag: "blank before percent", text: " 50%", expect: { "50%": 1 } }
            ]
        }

        function test_parse(data) {
            var e = make("", false)
            sameWeights(e.parseRangeText(data.text), data.expect)
        }

        function test_percentForm() {
            var e = make("100%", false)
            compare(keys(e.weights).length, 169)
            compare(e.weights["72o"], 1)
            compare(findChild(e, "handCount").text, "169 hands")
            e.rangeText = "50%"
            compare(e.weights["AA"], 0.5)
            compare(e.weights["32s"], 0.5)
            e.rangeText = "12.5 %"
            compare(e.weights["KQo"], 0.125)
            e.rangeText = "150%"
            compare(e.weights["AA"], 1.5)
            e.rangeText = ""
            compare(keys(e.weights).length, 0)
            compare(findChild(e, "handCount").text, "0 hands")
        }

        function test_expandHand() {
            var e = make("", false)
            compare(e.expandHand("tt"), ["TT"])
            compare(e.expandHand("AK"), ["AKs", "AKo"])
            compare(e.expandHand("KA"), ["KAs", "KAo"])
            compare(e.expandHand("JJ+"), ["AA", "KK", "QQ", "JJ"])
            compare(e.expandHand("22+").length, 13)
            compare(e.expandHand("aks"), ["AKs"])
            compare(e.expandHand("A5s+"), ["A5s+"])
        }

        function test_weightsToTextKeepsWeights() {
            var e = make("", false)
            compare(e.weightsToText({ "AA": 1, "KK": 0.5, "AKs": 0.125, "QQ": 0, "JJ": NaN }),
                    "AA, KK:0.5, AKs:0.125")
            compare(e.weightsToText({ "AA": 0.9995, "KK": 0.3333 }), "AA, KK:0.333")
            // Text written by the editor reads back to the same weights.
            var w = { "AA": 1, "KK": 0.5, "AQs": 0.75, "76s": 0.25, "AhKh": 1, "99": 0.4 }
            sameWeights(e.parseRangeText(e.weightsToText(w)), w)
        }

        function test_clickRemovesOnlyTheClickedHand() {
            var e = make("AA, KK:0.5, AKs, QJo:0.25", false)
            e.handleMatrixClick("AKs", 1)
            compare(spy.count, 1)
            sameWeights(e.parseRangeText(lastText()), { "AA": 1, "KK": 0.5, "QJo": 0.25 })
            compare(e.rangeText, "AA, KK:0.5, AKs, QJo:0.25", "the editor never changes its own range")

            e.handleMatrixClick("KK", 0.5)
            sameWeights(e.parseRangeText(lastText()), { "AA": 1, "AKs": 1, "QJo": 0.25 })
        }

        function test_clickInPercentRangeKeepsOtherWeights() {
            var e = make("50%", false)
            e.handleMatrixClick("AA", 0.5)
            var back = e.parseRangeText(lastText())
            compare(keys(back).length, 168)
            verify(!(back["AA"] > 0))
            compare(back["KK"], 0.5)
            compare(back["72o"], 0.5)
        }

        function test_toggleTwiceRestoresTheRange() {
            var e = make("AA, KK:0.5, 76s:0.25", true)
            var before = e.weights
            e.handleMatrixClick("KK", 0.5)
            verify(!(e.weights["KK"] > 0))
            e.handleMatrixClick("KK", 0)
            sameWeights(e.weights, before)
            // A hand that was never in the range comes in at full weight.
            e.handleMatrixClick("QQ", 0)
            compare(e.weights["QQ"], 1)
            // After a preset the remembered weights are gone.
            e.handleMatrixClick("76s", 0.25)
            e.applyPreset("AA")
            e.handleMatrixClick("76s", 0)
            compare(e.weights["76s"], 1)
        }

        function test_paintReports() {
            var e = make("AA", false)
            var matrix = findChild(e, "rangeMatrix")
            matrix.handPainted("AA", true, 1)
            matrix.handPainted("KK", false, 0)
            compare(spy.count, 0, "reports that change nothing emit nothing")
            matrix.handPainted("KK", true, 0)
            compare(spy.count, 1)
            sameWeights(e.parseRangeText(lastText()), { "AA": 1, "KK": 1 })
        }

        function test_paintStrokeAcrossTheMatrix() {
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

        function test_presetButtons() {
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

        function test_typingEmitsTheWholeText() {
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
    }
}
