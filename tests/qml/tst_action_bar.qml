import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"

// Action bar: segment proportions from the frequencies (checked on the
// painted pixels), label texts, and the hover and click reports.
Item {
    id: host
    width: 700
    height: 300

    Theme { id: theme }

    Component { id: barComp; ActionBar {} }
    SignalSpy { id: hoverSpy; signalName: "actionHovered" }
    SignalSpy { id: clickSpy; signalName: "actionClicked" }

    TestCase {
        name: "ActionBar"
        when: windowShown

        function init() {
            theme.dark = true
            hoverSpy.clear()
            clickSpy.clear()
        }

        function make(props) {
            var bar = createTemporaryObject(barComp, host, props)
            bar.width = props.width || 300
            hoverSpy.target = bar
            clickSpy.target = bar
            return bar
        }

        function distance(c, expected) {
            var e = Qt.lighter(expected, 1.0)
            return Math.abs(c.r - e.r) + Math.abs(c.g - e.g) + Math.abs(c.b - e.b)
        }

        // Colour painted at a fraction of the bar's width, on a line just below
        // the middle (away from the percentage label).
        function pixelAt(bar, fraction) {
            var canvas = findChild(bar, "actionBarCanvas")
            var image = grabImage(canvas)
            var x = Math.min(canvas.width - 1, Math.floor(fraction * canvas.width))
            return image.pixel(x, Math.floor(canvas.height * 0.85))
        }

        // The canvas paints on a later frame, so the check is retried a while.
        function expectPixel(bar, fraction, expected, what) {
            var last
            tryVerify(function() {
                last = pixelAt(bar, fraction)
                return distance(last, expected) < 0.06
            }, 2000, what + " at " + fraction + ": expected " + expected)
        }

        function blockText(bar, i, name) {
            return findChild(findChild(bar, "actionLabel" + i), name).text
        }

        function test_shareLabelsAndProportions_data() {
            return [
                { tag: "equal halves", freqs: [2, 2], labels: ["50%", "50%"], samples: [[0.25, 0], [0.75, 1]] },
                { tag: "thirds", freqs: [0.2, 0.3, 0.5], labels: ["20%", "30%", "50%"],
                  samples: [[0.1, 0], [0.35, 1], [0.9, 2]] },
                { tag: "negative counts as zero", freqs: [-1, 0.5], labels: ["0%", "100%"],
                  samples: [[0.05, 1], [0.5, 1], [0.95, 1]] },
                { tag: "not normalised input", freqs: [3, 1], labels: ["75%", "25%"],
                  samples: [[0.7, 0], [0.8, 1]] },
                { tag: "non-finite counts as zero", freqs: [NaN, 1, Infinity], labels: ["0%", "100%", "0%"],
                  samples: [[0.5, 1]] }
            ]
        }

        function test_shareLabelsAndProportions(data) {
            var kinds = ["fold", "call", "raise"]
            var actions = []
            for (var i = 0; i < data.freqs.length; ++i)
                actions.push({ name: "A" + i, actionType: kinds[i], frequency: data.freqs[i] })
            var bar = make({ theme: theme, actions: actions })
            for (var j = 0; j < data.labels.length; ++j)
                compare(blockText(bar, j, "share"), data.labels[j])
            for (var k = 0; k < data.samples.length; ++k) {
                var s = data.samples[k]
                expectPixel(bar, s[0], theme.actionColor(kinds[s[1]]), "at " + s[0])
            }
        }

        function test_allZeroDrawsNothing() {
            var bar = make({ theme: theme, actions: [{ name: "Check", frequency: 0 }, { name: "Bet", frequency: 0 }] })
            compare(blockText(bar, 0, "share"), "0%")
            compare(blockText(bar, 1, "share"), "0%")
            expectPixel(bar, 0.5, theme.surface2, "background only")
            mouseMove(findChild(bar, "actionBarArea"), 20, 10)
            mouseMove(findChild(bar, "actionBarArea"), 30, 10)
            verify(hoverSpy.count > 0)
            compare(hoverSpy.signalArguments[0][0], 1, "the last action catches every position")
            compare(hoverSpy.signalArguments[0][1], "Bet")
            compare(hoverSpy.signalArguments[0][2], 0)
        }

        // A node no hand reaches: every frequency NaN, no split to show.
        function test_noSplitReadsDash() {
            var bar = make({ theme: theme, actions: [
                { name: "Fold", actionType: "fold", frequency: NaN, combos: 0, equity: NaN, ev: NaN },
                { name: "Call", actionType: "call", frequency: NaN, combos: 0, equity: NaN, ev: NaN }
            ] })
            for (var i = 0; i < 2; ++i) {
                compare(["share", "combos", "equity", "ev"].map(function(k) { return blockText(bar, i, k) }),
                        ["—", "0 combos", "—", "—"])
            }
            expectPixel(bar, 0.5, theme.surface2, "nothing drawn")
            // One record with a number is a split again, its NaN partner 0%.
            bar.actions = [{ name: "Fold", frequency: NaN }, { name: "Call", frequency: 0.4 }]
            compare(blockText(bar, 0, "share"), "0%")
            compare(blockText(bar, 1, "share"), "100%")
            bar.actions = [{ name: "Fold" }, { name: "Call", frequency: NaN }]
            compare(blockText(bar, 0, "share"), "0%", "a record without a frequency is not a missing split")
        }

        function test_labelNumbers() {
            var bar = make({ theme: theme, actions: [
                { name: "Check", actionType: "check", frequency: 1, combos: 12, equity: 0.5234, ev: -1.5 },
                { name: "Bet 33%", actionType: "bet", frequency: 1, combos: 12.0000004, equity: 1, ev: 2 },
                { name: "Call", frequency: 1, combos: 12.4, equity: "x" },
                { frequency: 1, combos: NaN }
            ] })
            compare(blockText(bar, 0, "name"), "Check")
            compare(blockText(bar, 0, "combos"), "12 combos")
            compare(blockText(bar, 0, "equity"), "52.3% equity")
            compare(blockText(bar, 0, "ev"), "-1.50 EV")
            compare(blockText(bar, 1, "combos"), "12 combos")
            compare(blockText(bar, 1, "equity"), "100.0% equity")
            compare(blockText(bar, 1, "ev"), "2.00 EV")
            compare(blockText(bar, 2, "combos"), "12.4 combos")
            compare(blockText(bar, 2, "equity"), "—")
            compare(blockText(bar, 2, "ev"), "—")
            compare(blockText(bar, 3, "combos"), "—")
            compare(blockText(bar, 3, "name"), "")

            // An EV that rounds to zero reads 0.00, never -0.00.
            var nearZero = make({ theme: theme, actions: [{ name: "Check", frequency: 1, ev: -0.004 },
                                                          { name: "Call", frequency: 1, ev: -0.006 }] })
            compare([blockText(nearZero, 0, "ev"), blockText(nearZero, 1, "ev")], ["0.00 EV", "-0.01 EV"])
        }

        function test_colours() {
            var bar = make({ theme: theme, actions: [
                { name: "Check", actionType: "check", frequency: 1, color: "#ff00ff" },
                { name: "Bet 75%", actionType: "", frequency: 1 },
                { name: "whatever", actionType: "call", frequency: 1 }
            ] })
            var sw0 = findChild(findChild(bar, "actionLabel0"), "swatch")
            var sw1 = findChild(findChild(bar, "actionLabel1"), "swatch")
            var sw2 = findChild(findChild(bar, "actionLabel2"), "swatch")
            verify(Qt.colorEqual(sw0.color, "#ff00ff"))
            verify(Qt.colorEqual(sw1.color, theme.actionColor("Bet 75%")), "empty kind: colour by name")
            verify(Qt.colorEqual(sw2.color, theme.actionCall))
            expectPixel(bar, 1 / 6, "#ff00ff", "own colour on the bar")
            expectPixel(bar, 0.5, theme.textMuted, "an empty kind key colours the bar segment")
            expectPixel(bar, 5 / 6, theme.actionCall, "call")
        }

        function test_themeSwitchRepaints() {
            var bar = make({ theme: theme, actions: [{ name: "Check", actionType: "check", frequency: 1 }] })
            expectPixel(bar, 0.5, "#3FB950", "dark accent")
            theme.dark = false
            expectPixel(bar, 0.5, "#16A34A", "light accent after the switch")
            theme.useAccentOverride = true
            theme.accentOverride = "#ff0000"
            expectPixel(bar, 0.5, "#ff0000", "user accent")
            theme.useAccentOverride = false
        }

        function test_sliverKeepsTheRoundedEndOnTheMainAction() {
            var bar = make({ theme: theme, width: 300, actions: [
                { name: "Check", actionType: "check", frequency: 0.999 },
                { name: "Fold", actionType: "fold", frequency: 0.001 }
            ] })
            var canvas = findChild(bar, "actionBarCanvas")
            // Wait for the bar to be painted at all.
            expectPixel(bar, 0.5, theme.actionCheck, "check")
            var image = grabImage(canvas)
            // Top-right corner: rounded on the check segment, so the corner pixel
            // shows the background rather than the sliver's square corner.
            var corner = image.pixel(canvas.width - 1, 0)
            verify(!(corner.r > 0.8 && corner.g < 0.5), "no square fold corner: " + corner)
            compare(blockText(bar, 0, "share"), "100%")
            compare(blockText(bar, 1, "share"), "0%")
        }

        function test_hoverAndClick() {
            var bar = make({ theme: theme, width: 300, actions: [
                { name: "Check", frequency: 0.5 }, { name: "Bet", frequency: 0.25 }, { name: "Raise", frequency: 0.25 }
            ] })
            var area = findChild(bar, "actionBarArea")
            mouseMove(area, 10, 10)
            mouseMove(area, 200, 10)
            compare(hoverSpy.signalArguments[hoverSpy.count - 1][0], 1)
            compare(hoverSpy.signalArguments[hoverSpy.count - 1][1], "Bet")
            compare(hoverSpy.signalArguments[hoverSpy.count - 1][2], 0.25)
            mouseClick(area, 200, 10)
            compare(clickSpy.count, 0, "not interactive: no clicks")
            compare(area.cursorShape, Qt.ArrowCursor)
            bar.interactive = true
            mouseClick(area, 260, 10)
            compare(clickSpy.count, 1)
            compare(clickSpy.signalArguments[0][0], 2)
            compare(clickSpy.signalArguments[0][1], "Raise")
            mouseClick(area, 100, 10)
            compare(clickSpy.signalArguments[1][0], 0)
            compare(area.cursorShape, Qt.PointingHandCursor)
        }

        function test_wrappedLabelsGrowTheBar() {
            var actions = []
            for (var i = 0; i < 4; ++i)
                actions.push({ name: "Bet " + (25 * (i + 1)) + "%", frequency: 1, combos: 10, equity: 0.5, ev: 1 })
            var bar = make({ theme: theme, width: 300, actions: actions })
            var labels = findChild(bar, "actionBarLabels")
            tryVerify(function() { return labels.implicitHeight > 20 })
            verify(bar.implicitHeight >= 24 + labels.implicitHeight,
                   "the label rows stay inside the item: " + bar.implicitHeight)
        }
    }
}
