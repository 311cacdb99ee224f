import QtQuick
import QtTest
import "qrc:/Velmora/qml/pages/solve/SolveFormat.js" as Fmt

// The Solve page's helpers: status parsing, progress scaling, the clock,
// the status line and the thread choices.
TestCase {
    name: "SolveFormat"

    function test_parse_status_data() {
        return [
            { tag: "iteration", text: "Iter 37 | exploitability≈1.2345", iter: 37, expl: 1.2345 },
            { tag: "no blank after Iter", text: "Iter37 | exploitability≈1.0", iter: 0, expl: 1 },
            { tag: "sign after the sign", text: "Iter 3 | exploitability≈-1.5", iter: 3, expl: NaN },
            { tag: "blank after the sign", text: "Iter 3 | exploitability≈ 1.5", iter: 3, expl: NaN },
            { tag: "equals sign is not read", text: "Iter 3 | exploitability=1.5", iter: 3, expl: NaN },
            { tag: "exponent not read", text: "Iter 3 | exploitability≈1e-5", iter: 3, expl: 1 },
            { tag: "empty", text: "", iter: 0, expl: NaN },
            { tag: "null", text: null, iter: 0, expl: NaN }
        ]
    }
    function test_parse_status(data) {
        compare(Fmt.parseIteration(data.text), data.iter)
        var e = Fmt.parseExploitability(data.text)
        if (isNaN(data.expl))
            verify(isNaN(e), String(e))
        else
            fuzzyCompare(e, data.expl, 1e-12)
    }

    function test_ring_scale_data() {
        return [
            { tag: "loose target", max: 400, t: 1.0, total: 150 },
            { tag: "half percent", max: 400, t: 0.5, total: 200 },
            { tag: "just under half", max: 400, t: 0.49, total: 300 },
            { tag: "tight target", max: 400, t: 0.05, total: 400 },
            { tag: "no target", max: 400, t: 0, total: 400 },
            { tag: "not finite", max: 400, t: NaN, total: 400 },
            { tag: "small budget", max: 100, t: 1.0, total: 100 },
            { tag: "no budget", max: 0, t: 0.5, total: 1 }
        ]
    }
    function test_ring_scale(data) {
        compare(Fmt.progressWheelTotal(data.max, data.t), data.total)
    }

    function test_ring_value_and_window() {
        compare(Fmt.progressWheelValue(100, 200), 0.5)
        compare(Fmt.progressWheelValue(250, 200), 1.0)
        compare(Fmt.progressWheelValue(-5, 200), 0)
        var windows = [[0, 0], [1, 1], [7, 7], [10, 10], [11, 1], [20, 10], [21, 1], [NaN, 0], [-3, 0]]
        for (var i = 0; i < windows.length; ++i)
            compare(Fmt.windowValue(windows[i][0], 10), windows[i][1], "iteration " + windows[i][0])
    }

    function test_clock() {
        compare(Fmt.formatClock(7), "00:07")
        compare(Fmt.formatClock(65), "01:05")
        compare(Fmt.formatClock(4500), "75:00")
        compare(Fmt.formatSpeed(0.32), "0.32", "a slow solve is not shown as stalled")
        compare(Fmt.formatSpeed(0.999), "1")
        compare(Fmt.formatSpeed(2.4), "2")
        compare(Fmt.formatSpeed(0), "—")
        compare(Fmt.timeStamp(new Date(2024, 0, 2, 9, 5, 3)), "09:05:03")
    }

    function test_status_line() {
        var base = { hasController: true, running: true, finalizing: false, statusText: "", iteration: 0,
                     exploitability: NaN }
        function line(over) {
            var s = Object.assign({}, base, over)
            return Fmt.statusLine(s)
        }
        compare(line({ hasController: false, statusText: "Done" }).kind, "ready")
        compare(line({ running: false }).kind, "ready")
        compare(line({ finalizing: true }).kind, "finalizing")
        var zero = line({ statusText: "Iter 0 | exploitability≈3.5" })
        compare(zero.iteration + "|" + zero.exploitability, "0|3.5")
        compare(line({ statusText: "Starting..." }).text, "Starting...")
        compare(line({ iteration: 50, exploitability: 0.25 }).exploitability, "∞")
        compare(line({ iteration: 51, exploitability: NaN }).exploitability, "—")
    }

    function test_thread_choices() {
        compare(Fmt.threadChoices(12), ["Max", "1", "2", "4", "8", "12"])
        compare(Fmt.threadChoices(16), ["Max", "1", "2", "4", "8", "16"])
        compare(Fmt.threadChoices(1), ["Max", "1"])
        compare(Fmt.threadChoices(0), ["Max", "1"])
        compare(Fmt.threadChoices(200), ["Max", "1", "2", "4", "8", "16", "32", "64", "128", "200"])
        compare(Fmt.clampThreadCount(0, 16), 16)
        compare(Fmt.clampThreadCount(NaN, 16), 16)
        compare(Fmt.clampThreadCount(3, 16), 3, "a count between the entries is kept")
    }
}
