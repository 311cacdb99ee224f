import QtQuick
import QtTest
import Velmora

// The Solve page against a scripted controller: the live figures derived
// from its status, the start request, the clock, the run history and the
// thread choice.
Item {
    id: host
    width: 1400
    height: 1000

    Component {
        id: mockComp
        MockController {}
    }
    Component {
        id: pageComp
        SolvePage { anchors.fill: parent }
    }

    TestCase {
        name: "SolvePage"
        when: windowShown

        property var ctl: null
        property var page: null

        function init() {
            ctl = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: ctl })
            verify(page)
        }

        function item(name) {
            var it = findChild(page, name)
            verify(it, name)
            return it
        }
        function runStatuses() {
            var out = []
            for (var i = 0; i < page.runHistoryModel.count; ++i)
                out.push(page.runHistoryModel.get(i).status)
            return out
        }
        function startRunning() {
            page.startSolve()
            verify(ctl.running)
        }

        function test_status_while_iterating() {
            page.maxIterations = 400
            page.targetExploitability = 0.5
            startRunning()
            verify(item("progressRing").indeterminate, "no iteration yet")
            ctl.report("Iter 6 | exploitability≈0.0000", 6 / 400)
            compare(item("exploitabilityCard").value, "Measuring...", "0 until the solver has measured it")
            ctl.report("Iter 31 | exploitability≈—", 31 / 400)
            compare(item("exploitabilityCard").value, "Measuring...", "no figure before the first measurement")
            compare(page.statusLineText, "Iteration 31 | exploitability=∞")
            ctl.report("Iter 37 | exploitability≈1.2345", 37 / 400)
            compare(page.statusLineText, "Iteration 37 | exploitability=∞")
            compare(item("exploitabilityCard").value, "1.2345")
            compare(item("iterationsText").text, "Iterations: 37 / 400")
            verify(!item("progressRing").indeterminate)
            ctl.report("Iter 51 | exploitability≈0.5000", 51 / 400)
            compare(page.statusLineText, "Iteration 51 | exploitability=0.50")
            ctl.report("Iter 100 | exploitability≈0.4", 0.25)
            compare(page.progressWheelValue, 0.25, "the back end's share, whatever the target")
            compare(page.badgeText, "Running")
        }

        function test_finalizing_holds_the_iteration() {
            startRunning()
            ctl.report("Iter 212 | exploitability≈0.0123", 0.1)
            ctl.report("Finalizing: building result snapshot...", 0.1)
            verify(page.isFinalizing)
            compare(page.currentIteration, 212)
            compare(page.statusLineText, "Finalizing: building result snapshot...")
            verify(item("finalizingNote").visible)
            compare(item("finalizingNote").text, "Solver converged — finalizing results…")
            compare(page.badgeText, "Finalizing")
            verify(Qt.colorEqual(page.badgeColor, "#F0883E"))
            compare(item("exploitabilityCard").value, "Measuring...")
            ctl.finish("Done", 212, 0.0123)
            compare(page._lastIterFromStatusText, 0, "the held iteration ends with the run")
            compare(page.currentIteration, 212)
            compare(page.progressWheelValue, 1.0)
            compare(item("iterationsText").text, "Iterations: 212")
            compare(item("exploitabilityCard").value, "0.0123")
            verify(item("viewResultsButton").enabled)
        }

        function test_cancelling_reads_the_iteration_from_progress() {
            page.maxIterations = 400
            startRunning()
            ctl.report("Cancelling...", 0.3)
            compare(page.currentIteration, 120)
            compare(page.statusLineText, "Iteration 120 | exploitability=—")
            compare(item("exploitabilityCard").value, "Measuring...")
            ctl.report("Cancelling...", 0.1)
            compare(page.statusLineText, "Iteration 40 | exploitability=∞")
        }

        // The clock reads the time since the run began (set back here to
        // stand for the seconds gone by).
        function test_clock() {
            page.maxIterations = 400
            startRunning()
            var timer = item("elapsedTimer")
            verify(timer.running)
            page._runStartedMs -= 1200
            page._advanceClock()
            compare(page.elapsedTime, "00:01")
            compare(page.estimatedRemaining, "--:--", "no iteration known yet")
            ctl.report("Iter 130 | exploitability≈2.0", 130 / 400)
            page._runStartedMs -= 65000 - 1200
            page._advanceClock()
            compare(page.elapsedTime, "01:05")
            compare(item("speedCard").value, "2")
            compare(page.estimatedRemaining, "02:15")
            ctl.report("Iter 500 | exploitability≈2.0", 1)
            page._advanceClock()
            compare(page.estimatedRemaining, "00:00", "never negative")
            ctl.finish("Done", 520, 0.5)
            verify(!timer.running)
            compare([page.elapsedTime, item("speedCard").value, page.estimatedRemaining], ["01:05", "8", "00:00"],
                    "the run's own figures at its end")
        }

        function test_start_sends_the_configuration() {
            page.boardText = "QsJh2h"
            page.startingPot = 180
            page.targetExploitability = 0.5
            page.maxIterations = 400
            page.threadCount = 16
            page.betSizesText = "legacy"
            page.oopRiverDontDonk = true
            compare(item("summaryTarget").text, "0.5% (= 0.90)")
            mouseClick(item("startSolveButton"))
            compare(ctl.starts.length, 1)
            var cfg = ctl.starts[0]
            compare(Object.keys(cfg).length, 36)
            fuzzyCompare(cfg.target_exploitability, 0.9, 1e-12)
            compare(cfg.thread_count, 16)
            compare(cfg.board, "QsJh2h")
            compare(cfg.oop_river_dont_donk, true)
            for (var k in cfg)
                verify(!/^ip_.*dont_donk$/.test(k) && cfg[k] !== "legacy", k)
            compare(page.runHistoryModel.get(0).summary, "Iterations 0 / 400 • Target 0.5% (≈ 0.90) • Threads 16")
            verify(!item("startSolveButton").enabled, "disabled while running")
            page.startSolve()
            compare(ctl.starts.length, 1, "no second start while one runs")
            ctl.finish("Done", 10, 1)
            page.startingPot = 0
            page.startSolve()
            compare(ctl.starts[1].target_exploitability, 0)
            ctl.finish("Done", 10, 1)
            page.canSolve = false
            page.startSolve()
            compare(page.runHistoryModel.count, 2, "not ready: nothing is sent or recorded")
        }

        function test_history_keeps_ten_runs() {
            for (var i = 0; i < 11; ++i) {
                page.startSolve()
                ctl.finish("Done", 5, 1)
            }
            compare(page.runHistoryModel.count, 10)
            compare(page.runHistoryModel.get(0).runId, 11)
            compare(page.runHistoryModel.get(9).runId, 2)
            compare(page._findRunIndexById(1), -1)
            mouseClick(item("clearRunsButton"))
            compare(page.runHistoryModel.count, 0)
            verify(item("noRunsText").visible)
            page.startSolve()
            compare(page.runHistoryModel.get(0).runId, 12, "ids are never reused")
        }

        function test_run_end_states() {
            page.startSolve()
            ctl.finish("Done", 40, 0.2)
            page.startSolve()
            ctl.finish("Error: bad sizes", 0, 0)
            page.startSolve()
            mouseClick(item("cancelSolveButton"))
            compare(ctl.cancels, 1)
            compare(page.runHistoryModel.get(0).status, "Cancelled", "marked before the back end stops")
            ctl.finish("Cancelled", 0, 0)
            compare(runStatuses(), ["Cancelled", "Failed", "Completed"])

            // Cancelled from outside the page (the shell's Escape key).
            page.startSolve()
            ctl.cancelSolve()
            ctl.finish("Cancelled", 0, 0)
            compare(runStatuses()[0], "Cancelled")

            // The run ends when the controller says how it went, also when
            // `running` went off before.
            page.startSolve()
            ctl.running = false
            compare(runStatuses()[0], "Running")
            ctl.resultIterations = 30
            ctl.resultsChanged()
            ctl._endRun("done", 30)
            compare(runStatuses()[0], "Completed")
        }

        function test_refused_start_fails_and_stays_failed() {
            ctl.refuseStarts = "Not ready: enter a valid board first"
            page.startSolve()
            compare(ctl.starts.length, 1)
            compare(runStatuses(), ["Failed"])
            compare(page._activeRunId, -1)
            compare(page.statusLineText, "Not ready: enter a valid board first")
            // Back-end and project texts are never read as markup.
            var plain = ["statusLine", "summaryBetSizes", "summaryStreet"]
            for (var i = 0; i < plain.length; ++i)
                compare(item(plain[i]).textFormat, Text.PlainText, plain[i])
            // A run started elsewhere (a re-solve from Results) is recorded
            // too; the refused entry stays as it is.
            ctl.refuseStarts = ""
            ctl.startSolveWithConfig({})
            compare(runStatuses(), ["Running", "Failed"])
            ctl.finish("Done", 12, 0.4)
            wait(0)
            compare(runStatuses(), ["Completed", "Failed"])
            compare(page._statusWord("Failed"), qsTr("Failed"))
        }

        function barFilled(share) { return Math.abs(item("progressFill").width - item("progressBar").width * share) < 0.5 }

        // A 0.1 % target with 400 iterations: the ring and the bar show the
        // back end's share, and nothing reads 100 % before the result is in.
        function test_progress_follows_the_back_end_share() {
            page.maxIterations = 400
            page.targetExploitability = 0.1
            var percent = findChild(item("progressRing"), "percentText")
            startRunning()
            ctl.report("Iter 342 | exploitability≈0.0900", 0.855)
            compare(percent.text, "86%")
            tryVerify(function() { return barFilled(0.855) }, 2000, "the bar shows the ring's share")
            ctl.report("Iter 400 | exploitability≈0.0800", 0.999)
            compare(percent.text, "99%", "the last iteration is not the result")
            ctl.finish("Done", 400, 0.08)
            compare(percent.text, "100%")
            tryVerify(function() { return barFilled(1) }, 2000, "a finished run fills the bar")
        }

        // Runs list the iterations run beside the cap; Clear keeps the run
        // still going.
        function test_runs_show_the_iterations_run() {
            page.maxIterations = 400
            function iterations() { return page.runHistoryModel.get(0).summary.split(" • ")[0] }
            startRunning()
            ctl.report("Iter 60 | exploitability≈0.9000", 0.15)
            compare(iterations(), "Iterations 60 / 400")
            ctl.finish("Done", 100, 0.8)
            compare(iterations(), "Iterations 100 / 400")

            startRunning()
            ctl.report("Iter 50 | exploitability≈2.0000", 0.125)
            mouseClick(item("cancelSolveButton"))
            ctl.report("Cancelling...", 0.125)
            ctl.finish("Cancelled", 0, 0)
            compare(iterations(), "Iterations 50 / 400")

            startRunning()
            var clear = item("clearRunsButton")
            mouseClick(clear)
            compare([runStatuses(), item("noRunsText").visible, clear.enabled], [["Running"], false, false],
                    "the running entry stays, nothing left to clear")
            ctl.finish("Done", 30, 1)
            compare([runStatuses(), clear.enabled], [["Completed"], true])
        }

        function test_thread_choice() {
            ctl.systemThreadCount = 12
            compare(page._threadChoiceModel, ["Max", "1", "2", "4", "8", "12"])
            var box = item("threadComboBox")
            page.threadCount = 3
            compare(box.currentIndex, 0, "a count outside the list shows Max")
            page.startSolve()
            compare(ctl.starts[0].thread_count, 3)
            compare(page.runHistoryModel.get(0).summary.slice(-9), "Threads 3")
            ctl.finish("Done", 5, 1)
            box.activated(3)
            compare(page.threadCount, 4)
            compare(box.currentIndex, 3)
            box.activated(5)
            compare(page.threadCount, 12)
            compare(box.currentIndex, 0, "the maximum shows as Max")
            box.activated(0)
            compare(page.threadCount, 12)
            box.activated(3)
            ctl.systemThreadCount = 2
            compare(page.threadCount, 2, "clamped when the list is rebuilt")
            tryCompare(box, "currentIndex", 0)
            compare(box.displayText, "Max")
            page.controller = null
            compare(page._threadChoiceModel, ["Max", "1"])
            compare(page.threadCount, 1)
            compare(page.statusLineText, "Ready to solve")
            verify(!item("startSolveButton").enabled)
            verify(!item("cancelSolveButton").enabled)
        }

        // In a 1280 wide window every language's words fit: the Cancel
        // label, the status pills, "Measuring..." and a short bet-size line.
        function test_texts_fit_in_every_language() {
            page.width = 1280
            page.oopFlopBetSizesText = page.ipFlopBetSizesText = "52"
            page.oopTurnBetSizesText = page.ipTurnBetSizesText = "55"
            page.oopRiverBetSizesText = page.ipRiverBetSizesText = "70"
            var statuses = ["Running", "Completed", "Cancelled", "Failed"]
            for (var s = 0; s < statuses.length; ++s)
                page.runHistoryModel.append({ runId: s, startedAt: "", status: statuses[s], summary: "" })
            startRunning()
            var languages = ["de", "es", "fr", "it", "pl", "pt_BR", "ru"]
            try {
                for (var i = 0; i < languages.length; ++i) {
                    languageManager.setLanguage(languages[i])
                    wait(0)
                    var lang = languages[i] + ": "
                    verify(!findChild(item("cancelSolveButton"), "buttonLabel").truncated, lang + "Cancel")
                    verify(!item("summaryBetSizes").truncated, lang + item("summaryBetSizes").text)
                    var card = item("exploitabilityCard")
                    verify(findChild(card, "statValue").implicitWidth <= card.width - 20, lang + card.value)
                    for (var r = 0; r < statuses.length; ++r) {
                        var word = page._statusWord(statuses[r])
                        verify(word !== statuses[r], lang + word + " is translated")
                        var pill = findChild(item("runList").itemAtIndex(r + 1), "statusPill")
                        verify(pill.children[0].implicitWidth + 8 <= pill.width, lang + word)
                    }
                    // The solver's own stage texts are shown translated; an
                    // error keeps its detail.
                    var shown = ["Init: starting solver...", "Finalizing: computing results...", "Done", "Cancelled"]
                    for (var t = 0; t < shown.length; ++t)
                        verify(page._shownStatus(shown[t]) !== shown[t], lang + shown[t])
                    verify(/bad_alloc$/.test(page._shownStatus("Error: std::bad_alloc")), lang + "error detail")
                }
            } finally {
                languageManager.setLanguage("en")
            }
        }

        // At the least window's width, in French, a run short of its target
        // shows its whole line, wrapped within its row; a run of the usual
        // length keeps its one-line row.
        function test_a_long_run_line_shows_whole_at_the_least_width() {
            host.width = 1100
            languageManager.setLanguage("fr")
            try {
                compare(page.width, 1100)
                for (var missed of [false, true])
                    page.runHistoryModel.insert(0, { runId: 1, startedAt: "14:02:31", status: missed ? "Not reached" : "Completed",
                                                     summary: "", iterationsRun: 12, maxIterations: 1000, target: "0.5",
                                                     targetAmount: "0.9", threads: 16, reached: "43.2666",
                                                     missedTarget: "0.90" })
                page._refreshRunSummary(0)
                page._refreshRunSummary(1)
                waitForRendering(page)
                var heights = []
                for (var i = 0; i < 2; ++i) {
                    var row = item("runList").itemAtIndex(i), line = findChild(row, "runSummary")
                    verify(!line.truncated && line.contentWidth <= line.width + 0.5
                           && line.mapToItem(row, 0, 0).y + line.contentHeight <= row.height + 0.5, line.text)
                    heights.push(row.height)
                }
                verify(heights[0] > 34, "the long line wraps: " + heights)
                compare(heights[1], 34)
            } finally {
                host.width = 1400
                languageManager.setLanguage("en")
            }
        }

        function test_summary_texts() {
            page.ipFlopAddAllIn = true
            page.oopAddAllInIfJamLtEnabled = true
            page.oopAddAllInIfJamLtPct = 12.5
            compare(page._enabledOptionLines(), ["IP: add all-in on flop", "OOP: add all-in if jam < 12.5% pot"])
            verify(!item("noOptionsText").visible)
            page.ipFlopAddAllIn = false
            page.oopAddAllInIfJamLtEnabled = false
            verify(item("noOptionsText").visible)
            compare(page.betSizesSummaryText, "F —/— • T —/— • R —/—")
            page.oopFlopBetSizesText = "33"
            page.ipFlopBetSizesText = "50"
            page.oopTurnBetSizesText = "75"
            page.ipTurnBetSizesText = "  "
            page.oopRiverBetSizesText = "100"
            page.ipRiverBetSizesText = "100"
            compare(item("summaryBetSizes").text, "F 33/50 • T 75/— • R 100/100")
        }
    }
}
