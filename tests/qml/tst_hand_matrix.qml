import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"
import "../../Velmora/qml/components/Ranks.js" as Ranks

// Hand matrix: the 169 classes in their cells, weight and strategy fills,
// hit testing, and the click, hover and paint signals.
Item {
    id: host
    width: 600
    height: 600

    Theme { id: theme }

    Component { id: matrixComp; HandMatrix {} }
    SignalSpy { id: paintSpy; signalName: "handPainted" }
    SignalSpy { id: hoverSpy; signalName: "handHovered" }
    SignalSpy { id: clickSpy; signalName: "handClicked" }

    TestCase {
        name: "HandMatrix"
        when: windowShown

        readonly property string order: Ranks.ORDER

        function init() {
            theme.dark = true
            paintSpy.clear()
            hoverSpy.clear()
            clickSpy.clear()
        }

        function make(props) {
            var m = createTemporaryObject(matrixComp, host, props)
            paintSpy.target = m
            hoverSpy.target = m
            clickSpy.target = m
            return m
        }

        function cellOf(m, hand) {
            var c = findChild(m, "cell_" + hand)
            verify(c !== null, "cell " + hand)
            return c
        }

        function centre(m, row, col) {
            var step = m.cellSize + m.cellSpacing
            return { x: col * step + m.cellSize / 2, y: row * step + m.cellSize / 2 }
        }

        function test_all169ClassesInTheirCells() {
            var m = make({ theme: theme })
            var seen = {}
            var pairs = 0, suited = 0, offsuit = 0
            var step = m.cellSize + m.cellSpacing
            for (var r = 0; r < 13; ++r) {
                for (var c = 0; c < 13; ++c) {
                    var hand = m.handAt(r, c)
                    verify(!seen[hand], hand + " appears once")
                    seen[hand] = true
                    var hi = order.charAt(Math.min(r, c))
                    var lo = order.charAt(Math.max(r, c))
                    if (r === c) {
                        compare(hand, hi + lo, "pair on the diagonal")
                        ++pairs
                    } else if (r < c) {
                        compare(hand, hi + lo + "s", "suited above the diagonal")
                        ++suited
                    } else {
                        compare(hand, hi + lo + "o", "offsuit below the diagonal")
                        ++offsuit
                    }
                    var cell = cellOf(m, hand)
                    compare(cell.x, c * step)
                    compare(cell.y, r * step)
                    var p = centre(m, r, c)
                    compare(m.indexAt(p.x, p.y), r * 13 + c)
                }
            }
            compare(pairs, 13)
            compare(suited, 78)
            compare(offsuit, 78)
            compare(m.handAt(0, 1), "AKs")
            compare(m.handAt(1, 0), "AKo")
            compare(m.handAt(0, 12), "A2s")
            compare(m.handAt(12, 0), "A2o")
            compare(m.handAt(12, 12), "22")
            compare(m.implicitWidth, 440)
            compare(m.implicitHeight, 440)
            m.cellSize = 36
            compare(m.implicitWidth, 492)
        }

        function test_strategyMapColoursSegments() {
            var m = make({
                theme: theme,
                weights: { "AKs": 1.0, "KQo": 0.5, "AA": 1.0, "72o": 1.0 },
                actionTypes: ["check", "Bet 33%", "bet"],
                actionProbs: { "AKs": [0.2, 0.3, 0.5], "KQo": [0.5, 0.5, 0], "AA": [0, 1] }
            })
            var cs = m.cellSize
            var ak = cellOf(m, "AKs")
            verify(findChild(ak, "mixedFill").visible)
            verify(!findChild(ak, "weightFill").visible)
            var expected = [[0, 0.2], [0.2, 0.3], [0.5, 0.5]]
            for (var i = 0; i < 3; ++i) {
                var seg = findChild(ak, "segment" + i)
                fuzzyCompare(seg.x, expected[i][0] * cs, 1e-9)
                fuzzyCompare(seg.width, expected[i][1] * cs, 1e-9)
                compare(seg.height, cs)
                verify(Qt.colorEqual(seg.color, theme.actionColor(m.actionTypes[i])), "segment " + i)
            }
            // Sized bets get their own graded colour, apart from the plain bet.
            verify(!Qt.colorEqual(findChild(ak, "segment1").color, findChild(ak, "segment2").color))

            // Horizontal span: a half weight halves the width the segments share.
            var kq = cellOf(m, "KQo")
            fuzzyCompare(findChild(kq, "mixedFill").width, cs / 2, 1e-9)
            fuzzyCompare(findChild(kq, "segment1").width, cs / 4, 1e-9)

            // A list whose length differs from the action types shows the plain fill.
            var aa = cellOf(m, "AA")
            verify(!findChild(aa, "mixedFill").visible)
            verify(findChild(aa, "weightFill").visible)
            var c = findChild(aa, "weightFill").color
            verify(Qt.colorEqual(Qt.rgba(c.r, c.g, c.b, 1), theme.accent))
            fuzzyCompare(c.a, 0.8, 0.01)

            // A hand without probabilities (72o) uses its colours entry when it has one.
            m.colors = { "72o": "#123456" }
            verify(Qt.colorEqual(findChild(cellOf(m, "72o"), "weightFill").color, "#123456"))

            // Under-full and negative probabilities: the last action takes the rest.
            m.actionTypes = ["check", "bet"]
            m.actionProbs = { "AKs": [0.2, 0.3], "AA": [-0.5, 1.0] }
            fuzzyCompare(findChild(ak, "segment0").width, 0.2 * cs, 1e-9)
            fuzzyCompare(findChild(ak, "segment1").x, 0.2 * cs, 1e-9)
            fuzzyCompare(findChild(ak, "segment1").width, 0.8 * cs, 1e-9)
            compare(findChild(aa, "segment0").width, 0)
            compare(findChild(aa, "segment1").x, 0)
            compare(findChild(aa, "segment1").width, cs)
        }

        function test_verticalFillAndClamping() {
            var m = make({ theme: theme, weights: { "AA": 0.25, "KK": 1.5, "QQ": -0.2, "JJ": "x" } })
            var aaFill = findChild(cellOf(m, "AA"), "weightFill")
            fuzzyCompare(aaFill.width, 0.25 * m.cellSize, 1e-9)
            compare(aaFill.height, m.cellSize)
            m.weightDisplayMode = "verticalFill"
            compare(aaFill.width, m.cellSize)
            fuzzyCompare(aaFill.height, 0.25 * m.cellSize, 1e-9)
            fuzzyCompare(aaFill.y, 0.75 * m.cellSize, 1e-9)
            m.weightDisplayMode = "somethingElse"
            fuzzyCompare(aaFill.width, 0.25 * m.cellSize, 1e-9)
            compare(findChild(cellOf(m, "KK"), "weightFill").width, m.cellSize)
            verify(!findChild(cellOf(m, "QQ"), "weightFill").visible)
            verify(!findChild(cellOf(m, "JJ"), "weightFill").visible)
            compare(m.clamp01("x"), 0)
            compare(m.clamp01(Infinity), 0)
            compare(m.cumProb([0.2, "x", -1, 0.3], 4), 0.5)
            compare(m.cumProb(undefined, 2), 0)

            // Hovering reports the weight as stored, not clamped.
            var p = centre(m, 1, 1)
            mouseMove(m, p.x, p.y)
            compare(hoverSpy.count, 1)
            compare(hoverSpy.signalArguments[0][0], "KK")
            compare(hoverSpy.signalArguments[0][1], 1.5)
            p = centre(m, 2, 2)
            mouseMove(m, p.x, p.y)
            compare(hoverSpy.signalArguments[1][1], -0.2)
        }

        // Labels keep the theme's text colour unless the fill behind them
        // makes it hard to read; then they take the inverse colour.
        function test_labelsReadableOnAnyFill() {
            function label(m, hand) { return findChild(cellOf(m, hand), "cellLabel").color }
            theme.dark = false
            var m = make({
                theme: theme, weightDisplayMode: "verticalFill", cellSize: 28,
                weights: { "AA": 1, "KK": 1, "QQ": 0.1, "AKs": 1, "AKo": 0.85 },
                colors: { "AKs": "#4F46E5" },
                actionTypes: ["check", "Bet 75%"],
                actionProbs: { "AA": [0, 1], "KK": [1, 0], "QQ": [0, 1], "AKo": [0.1, 0.9] }
            })
            verify(Qt.colorEqual(label(m, "AA"), theme.textInverse), "a purple band in the light palette")
            verify(Qt.colorEqual(label(m, "AKo"), theme.textInverse), "a fill reaching over the label")
            verify(Qt.colorEqual(label(m, "AKs"), theme.textInverse), "a dark single colour")
            verify(Qt.colorEqual(label(m, "KK"), theme.text), "dark text reads on the green band")
            verify(Qt.colorEqual(label(m, "QQ"), theme.text), "a low fill stays below the label")
            verify(Qt.colorEqual(label(m, "JJ"), theme.text), "no fill")

            theme.dark = true
            verify(Qt.colorEqual(label(m, "KK"), theme.textInverse), "a bright green band in the dark palette")
            verify(Qt.colorEqual(label(m, "AA"), theme.text), "light text still reads on the purple band")

            // Sideways fills cover the label from the left.
            theme.dark = false
            m.weightDisplayMode = "horizontalSpan"
            verify(Qt.colorEqual(label(m, "AA"), theme.textInverse))
            m.weights = { "AA": 0.2 }
            verify(Qt.colorEqual(label(m, "AA"), theme.text))
        }

        function test_hitTestingGaps() {
            var m = make({ theme: theme })
            compare(m.indexAt(32, 10), 0, "the cell's own edge still belongs to it")
            compare(m.indexAt(33, 10), -1, "the gap after column 0")
            compare(m.indexAt(34, 10), 1)
            compare(m.indexAt(-1, 10), -1)
            compare(m.indexAt(10, NaN), -1)
            compare(m.indexAt(13 * 34 + 5, 10), -1, "beyond the last column")

            mouseMove(m, 10, 10)
            compare(hoverSpy.count, 1)
            compare(m._hoverIndex, 0)
            mouseMove(m, 33, 10)
            compare(m._hoverIndex, -1, "the gap clears the hover mark")
            compare(hoverSpy.count, 1, "no signal for a gap")
            mouseMove(m, 40, 10)
            compare(hoverSpy.count, 2)
            compare(hoverSpy.signalArguments[1][0], "AKs")
            mouseMove(m, 45, 12)
            compare(hoverSpy.count, 2, "once per cell entered")
            compare(cellOf(m, "AKs").border.width, 2)
            verify(Qt.colorEqual(cellOf(m, "AKs").border.color, theme.strokeFocus))
        }

        function test_paintStroke() {
            var m = make({ theme: theme, editable: true, weights: { "AA": 1, "AKs": 0.5 } })
            // Caller: applies every paint report at once, as the range views do.
            var apply = function(hand, on) {
                var w = {}
                for (var k in m.weights) w[k] = m.weights[k]
                if (on) w[hand] = 1; else delete w[hand]
                m.weights = w
            }
            var aa = centre(m, 0, 0), aks = centre(m, 0, 1), aqs = centre(m, 0, 2)
            mousePress(m, aa.x, aa.y)
            mouseMove(m, aks.x, aks.y, -1, Qt.LeftButton)
            mouseMove(m, aks.x + 16.5, aks.y, -1, Qt.LeftButton)   // the gap: ignored
            mouseMove(m, aqs.x, aqs.y, -1, Qt.LeftButton)
            mouseRelease(m, aqs.x, aqs.y)
            compare(paintSpy.count, 2)
            compare(paintSpy.signalArguments[0][0], "AA")
            compare(paintSpy.signalArguments[0][1], false)
            compare(paintSpy.signalArguments[0][2], 1)
            compare(paintSpy.signalArguments[1][0], "AKs")
            compare(paintSpy.signalArguments[1][1], false)
            compare(paintSpy.signalArguments[1][2], 0.5)
            compare(clickSpy.count, 0, "an editable matrix never reports clicks")
            verify(!m._dragActive)

            // A stroke that paints on, with the caller applying each step: going
            // back over a cell already switched on emits nothing.
            paintSpy.clear()
            m.weights = { "AA": 1 }
            paintSpy.target = null
            var conn = function(hand, desiredOn) { apply(hand, desiredOn) }
            m.handPainted.connect(conn)
            paintSpy.target = m
            var kk = centre(m, 1, 1)
            mousePress(m, aqs.x, aqs.y)
            mouseMove(m, aks.x, aks.y, -1, Qt.LeftButton)
            mouseMove(m, aqs.x, aqs.y, -1, Qt.LeftButton)
            mouseMove(m, kk.x, kk.y, -1, Qt.LeftButton)
            mouseRelease(m, kk.x, kk.y)
            m.handPainted.disconnect(conn)
            compare(paintSpy.count, 3)
            compare(paintSpy.signalArguments[0][0], "AQs")
            compare(paintSpy.signalArguments[1][0], "AKs")
            compare(paintSpy.signalArguments[2][0], "KK")
            for (var i = 0; i < 3; ++i)
                compare(paintSpy.signalArguments[i][1], true)
            verify(m.weights["AQs"] === 1 && m.weights["AKs"] === 1 && m.weights["KK"] === 1)
        }

        function test_clickModes() {
            var m = make({ theme: theme, weights: { "AKo": 0.7 }, selectable: true })
            var p = centre(m, 1, 0)
            mouseClick(m, p.x, p.y)
            compare(clickSpy.count, 1)
            compare(clickSpy.signalArguments[0][0], "AKo")
            fuzzyCompare(clickSpy.signalArguments[0][1], 0.7, 1e-6)
            mouseClick(m, 33, 10)
            compare(clickSpy.count, 1, "a click in a gap is nobody's")
            compare(paintSpy.count, 0)

            m.selectable = false
            hoverSpy.clear()
            // (The first synthetic move after a click only re-enters the area.)
            mouseMove(m, 40, 40)
            mouseMove(m, 5, 5)
            mouseClick(m, 5, 5)
            compare(clickSpy.count, 1, "neither editable nor selectable: no clicks")
            compare(paintSpy.count, 0)
            verify(hoverSpy.count >= 1, "hover still reported")
            compare(findChild(m, "matrixPointerArea").cursorShape, Qt.ArrowCursor)

            m.editable = true
            mouseClick(m, p.x, p.y)
            compare(clickSpy.count, 1)
            compare(paintSpy.count, 1, "the click is a one-cell stroke")
            compare(paintSpy.signalArguments[0][1], false)
        }
    }
}
