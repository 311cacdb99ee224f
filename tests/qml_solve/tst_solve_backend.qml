import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The Solve page inside the shell with the real controller: a tiny river
// spot started from the page's button runs, reports and completes; runs that
// are cancelled, refused or fail show what they reached and no more; a run
// that stopped at its budget above its target is told from one that reached
// it; a result solved for another setup than the one summarised says so,
// and a new or opened project starts with empty metrics.
Item {
    id: host
    width: 1540
    height: 1000

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }
    SignalSpy {
        id: statusSpy
        target: appController
        signalName: "statusTextChanged"
    }

    TestCase {
        name: "SolvePageBackend"
        when: windowShown

        property var shell: null
        property var page: null

        function init() {
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
            page = findChild(shell, "solvePage")
            tryCompare(appController, "running", false, 10000)
        }
        function cleanup() {
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
            appController.clearResults()
        }

        function item(name) { var it = findChild(page, name); verify(it, name); return it }
        // The spot on the Solve page, ready to start.
        function openSpot(spot) {
            shell.resetToNewProject()
            shell.applyProjectState(spot)
            tryCompare(shell, "canSolve", true, 15000)
            shell.requestNavigate(2)
            compare(shell.navIndex, 2)
        }
        // The share the bar and the ring's arc draw, and the one the ring's number shows.
        function drawnShares() {
            return [item("progressFill").width / item("progressBar").width,
                    findChild(item("progressRing"), "progressCanvas").drawnValue, page.progressWheelValue]
        }
        function sameShares(d) { return Math.abs(d[0] - d[2]) < 1e-6 && Math.abs(d[1] - d[2]) < 1e-6 }
        // The first whole number of a text, digit grouping dropped.
        function countIn(text) { return Number(/\d[\d,]*/.exec(text)[0].replace(/,/g, "")) }

        // The icons of the window (top bar, sidebar, the page's card titles)
        // are drawn from the program's own pictures, as its engine finds them.
        function test_window_icons_are_drawn() {
            shell.requestNavigate(2)
            var icons = []
            function walk(item) {
                for (var i = 0; i < item.children.length; ++i) {
                    var c = item.children[i]
                    if (c.objectName === "iconImage" && c.visible)
                        icons.push(c)
                    walk(c)
                }
            }
            walk(shell)
            verify(icons.length >= 5, icons.length + " icons shown")
            tryVerify(function() {
                return icons.every(function(i) { return i.status === Image.Ready && i.implicitWidth > 0 })
            }, 5000, "every shown icon is drawn")
        }

        function test_river_solve_from_the_page() {
            // A target of the whole pot, reached at the run's one measurement.
            openSpot(Object.assign(Spots.riverSpot(30), { targetExploitability: 100 }))
            compare(page.maxIterations, 30)
            compare(page.boardText, "QsJh2h7c3d")
            statusSpy.clear()
            // What the page shows for each report between the start and the end.
            var live = { iteration: 0, ring: 0, lines: [], raw: [], badges: [], shares: [] }
            var chip = findChild(shell, "topbar")
            var ringText = findChild(findChild(page, "progressRing"), "percentText")
            function onStatus() {
                var t = appController.statusText
                if (!appController.running || t === "Starting..." || t === "Done")
                    return
                live.iteration = Math.max(live.iteration, page.currentIteration)
                live.ring = Math.max(live.ring, page.progressWheelValue)
                live.lines.push(page.statusLineText)
                live.raw.push(t)
                live.badges.push(page.badgeText)
                live.shares.push([ringText.text, chip.percentText, page.progressWheelValue, drawnShares()])
            }
            appController.statusTextChanged.connect(onStatus)
            try {
                mouseClick(findChild(page, "startSolveButton"))
                compare(page.runHistoryModel.count, 1)
                compare(page.runHistoryModel.get(0).status, "Running")
                tryCompare(page, "runComplete", true, 20000)
            } finally {
                appController.statusTextChanged.disconnect(onStatus)
            }
            verify(statusSpy.count >= 3, "starting, iterations and the end were reported")
            // The last report before the end always reaches the page (it
            // finalizes); set-up reports before the first iteration stand as they are.
            var progressLines = 0
            for (var i = 0; i < live.lines.length; ++i) {
                if (/^Iteration \d+ \| exploitability=|^Finalizing: /.test(live.lines[i]))
                    ++progressLines
                else
                    compare(live.lines[i], live.raw[i])
                verify(live.badges[i] === "Running" || live.badges[i] === "Finalizing", live.badges[i])
            }
            verify(progressLines > 0, "a progress report reached the page: " + live.lines.join("; "))
            verify(live.iteration > 0 && live.ring > 0, "iteration " + live.iteration + ", ring " + live.ring)
            // The ring and the top bar's chip show one share, short of 100%
            // until the result is in; the bar and the arc draw that share at
            // each report, not an eased figure behind it.
            for (var s of live.shares)
                verify(s[0] === s[1] && s[0] !== "100%" && s[2] < 1 && sameShares(s[3]), "ring, chip, share, drawn: " + s)
            compare([appController.statusText, page.statusLineText, page.runHistoryModel.get(0).status, page.currentIteration],
                    ["Done", "Done", "Completed", appController.resultIterations])
            verify(page.currentIteration > 0 && page.currentIteration <= 30)
            compare(drawnShares(), [1, 1, 1], "a finished run fills the bar and the ring")
            mouseClick(findChild(page, "startSolveButton"))
            compare([appController.running, findChild(page, "progressRing").indeterminate, drawnShares()],
                    [true, true, [0, 0, 0]], "the next run starts from nothing, not from the last one's end")
            tryCompare(page, "runComplete", true, 20000)
            var view = findChild(page, "viewResultsButton")
            verify(view.enabled)
            mouseClick(view)
            compare(shell.navIndex, 3)
        }

        // A long run cancelled from the page keeps what it reached, the count
        // Recent Runs lists. The next, a short one, opens from nothing and
        // ends with its own figures: AA against KK solved exactly,
        // read as on the Results page.
        function test_each_run_shows_its_own_figures() {
            openSpot(Spots.turnSpot(100000))
            mouseClick(item("startSolveButton"))
            tryVerify(function() { return page.currentIteration > 0 && page.elapsedTime !== "00:00" }, 30000,
                      "a clock tick wrote the run's figures")
            var longSpeed = page.iterationsPerSec
            mouseClick(item("cancelSolveButton"))
            tryCompare(appController, "running", false, 20000)
            var reached = appController.lastRunIterations, run = page.runHistoryModel.get(0)
            compare([run.status, countIn(item("iterationsText").text), countIn(run.summary), item("exploitabilityCard").value,
                     reached > 0 && page.progressWheelValue === appController.progress && sameShares(drawnShares())],
                    ["Cancelled", reached, reached, "—", true], run.summary + "; the share it reached: " + drawnShares())

            shell.applyProjectState(Object.assign(Spots.riverSpot(30), { oopRangeText: "AA", ipRangeText: "KK" }))
            tryCompare(shell, "canSolve", true, 15000)
            var began = Date.now()
            mouseClick(item("startSolveButton"))
            compare([page.elapsedTime, item("speedCard").value, page.estimatedRemaining], ["00:00", "—", "--:--"],
                    "a start opens from nothing")
            tryCompare(appController, "running", false, 20000)
            // The page's clock ran within the test's: its whole seconds are the
            // test's or, across a second's boundary, one fewer.
            var seconds = (Date.now() - began) / 1000
            var clock = function(s) {
                s = Math.max(0, Math.floor(s))
                return ("0" + Math.floor(s / 60)).slice(-2) + ":" + ("0" + s % 60).slice(-2)
            }
            verify([clock(seconds), clock(seconds - 1)].indexOf(page.elapsedTime) >= 0, page.elapsedTime + " after " + seconds + " s")
            verify(page.iterationsPerSec >= appController.resultIterations / seconds && page.iterationsPerSec !== longSpeed,
                   "its own pace: " + page.iterationsPerSec)
            compare([page.estimatedRemaining, item("exploitabilityCard").value,
                     findChild(findChild(shell, "resultsPage"), "exploitabilityCard").value],
                    ["00:00", "0.0000", "0.0000"], "solved to " + appController.resultExploitability)
        }

        // A start that is refused, a re-solve refused after it, and a run
        // that fails, each after a finished run: the card reads failed, with
        // the nothing they reached, never the last result's 100 %.
        function test_refused_and_failed_runs_read_as_failed_data() {
            var size = { key: "oop_river_bet_sizes", value: "33 75", error: "OOP river bet sizes: '33 75' is not a valid size" }
            return [Object.assign({ tag: "start refused" }, size), Object.assign({ tag: "re-solve refused", resolve: true }, size),
                    { tag: "run failed", key: "rake_percent", value: 150, error: "Rake percent" }]
        }
        function test_refused_and_failed_runs_read_as_failed(data) {
            openSpot(Spots.riverSpot(30))
            mouseClick(item("startSolveButton"))
            tryCompare(page, "progressWheelValue", 1, 20000)
            appController.startSolveWithConfig(Object.assign(shell._solveMemCfg(), { [data.key]: data.value }))
            if (data.resolve)
                appController.reSolveWithNodeLocks()
            tryCompare(appController, "running", false, 20000)
            verify(page.statusLineText.indexOf("Error: " + data.error) === 0, page.statusLineText)
            compare([page.badgeText, findChild(item("progressRing"), "percentText").text, drawnShares(),
                     item("iterationsText").text, item("exploitabilityCard").value, item("speedCard").value,
                     Qt.colorEqual(item("progressRing").progressColor, shell.theme.danger)],
                    ["Failed", "0%", [0, 0, 0], "Iterations: 0", "—", "—", true])
        }

        // A turn spot stopped by a budget of 3 iterations far above a target
        // of 0.10 chips (and of 0.005 chips: 0.01 % of a pot of 50), and AA
        // against KK solved exactly, which stops at the first measurement:
        // done either way, reached only by the last. The target in chips
        // reads alike in the summary, the status and the run's line.
        function test_run_against_its_target_data() {
            return [{ tag: "stopped at its budget", spot: Spots.turnSpot(3), missed: true, pct: 0.1, chips: "0.10" },
                    { tag: "a target of 0.005 chips", spot: Object.assign(Spots.turnSpot(3), { startingPot: 50 }),
                      missed: true, pct: 0.01, chips: "0.0050" },
                    { tag: "reached its target", spot: Object.assign(Spots.riverSpot(400), { oopRangeText: "AA", ipRangeText: "KK" }),
                      missed: false, pct: 0.1, chips: "0.10" }]
        }
        function test_run_against_its_target(data) {
            openSpot(Object.assign(data.spot, { targetExploitability: data.pct }))
            compare(item("summaryTarget").text, data.pct + "% (= " + data.chips + ")")
            mouseClick(item("startSolveButton"))
            tryCompare(appController, "lastRunOutcome", "done", 30000)
            tryCompare(appController, "running", false, 5000)
            var reached = item("exploitabilityCard").value, run = page.runHistoryModel.get(0)
            var missedLine = "Done: target not reached, " + reached + " against " + data.chips
            if (!data.missed)
                compare(run.summary.indexOf("(≈ " + data.chips + ")") > 0, true, run.summary)
            compare([page.statusLineText, run.status, run.summary.indexOf(missedLine) === 0, Number(reached) > Number(data.chips),
                     appController.resultIterations < data.spot.maxIterations, drawnShares(),
                     Qt.colorEqual(item("progressRing").progressColor, data.missed ? shell.theme.warn : shell.theme.accent)],
                    [data.missed ? missedLine : "Done", data.missed ? "Not reached" : "Completed", data.missed, data.missed,
                     !data.missed, [1, 1, 1], true], run.summary)
        }

        // Solved at pot 250 and a target of 1 %: a Setup edit that makes
        // another setup (pot, target, a size, the board) is told beside the
        // result, the budget is not. A new project and an opened one (saved
        // with the pot edited) start with empty metrics; the opened result
        // tells its own setup.
        function test_result_of_another_setup() {
            var spot = Object.assign(Spots.riverSpot(30), { startingPot: 250, targetExploitability: 1 })
            openSpot(spot)
            mouseClick(item("startSolveButton"))
            tryCompare(page, "runComplete", true, 20000)
            var note = item("otherSetupNote")
            for (var e of [["startingPot", 400, true], ["maxIterations", 99, false], ["targetExploitability", 2, true],
                           ["oopRiverBetSizesText", "75", true], ["boardText", "QsJh2h7c3c", true]]) {
                shell[e[0]] = e[1]
                compare(note.visible, e[2], e[0])
                shell[e[0]] = spot[e[0]]
                compare(note.visible, false, e[0] + " back")
            }
            shell.startingPot = 400
            verify(item("speedCard").value !== "—", "the run's pace is shown")
            var url = scratchDirUrl + "/edited%20after%20solving.velmoraproj"
            verify(appController.saveProject(url, shell.exportProjectState()))
            var shown = function() {
                return [item("summaryPotStack").text, note.visible, page.elapsedTime, item("speedCard").value,
                        page.estimatedRemaining, item("exploitabilityCard").value]
            }
            shell.resetToNewProject()
            compare(shown().slice(1), [false, "00:00", "—", "--:--", "—"], "a new project")
            shell.applyProjectState(spot)
            mouseClick(item("startSolveButton"))
            tryCompare(page, "runComplete", true, 20000)
            verify(findChild(shell, "homePage")._openProjectFrom(url))
            tryCompare(shell, "canSolve", true, 15000)
            shell.requestNavigate(2)
            compare(shown().slice(0, 5).concat(appController.resultStartingPot), ["400 / 100", true, "00:00", "—", "--:--", 250],
                    "an opened project")
        }

        function test_thread_choice_reaches_the_shell_and_a_project_reaches_the_page() {
            shell.resetToNewProject()
            var page = findChild(shell, "solvePage")
            var box = findChild(page, "threadComboBox")
            box.activated(1)
            compare(page.threadCount, 1)
            compare(shell.threadCount, 1)
            compare(shell._solveMemCfg().thread_count, 1)
            var project = Spots.riverSpot(30)
            project.threadCount = Math.min(2, page.maxThreadCount)
            shell.applyProjectState(project)
            shell.syncPagesFromRoot()
            compare(page.threadCount, project.threadCount, "an opened project's count is the one shown and sent")
        }
    }
}
