import QtQuick
import QtTest
import "qrc:/Velmora/qml/pages/solve/SolveFormat.js" as Fmt
import "qrc:/Velmora/qml/components/SolveProgress.js" as Progress

// The Solve page's helpers: status parsing, the shown share, the clock,
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

    // The share the ring, the bar and the top bar's chip show, where the
    // back end gives none (the page and bar tests cover the rest).
    function test_shown_fraction_without_a_share() {
        var s = { hasController: true, running: true, complete: false, progress: NaN, iteration: 100, maxIterations: 400 }
        compare(Progress.shownFraction(s), 0.25, "the iteration over the budget stands in")
        s.running = false
        compare(Progress.shownFraction(s), 0, "ended without a result")
        s.hasController = false
        s.complete = true
        compare(Progress.shownFraction(s), 0)
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
