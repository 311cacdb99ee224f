import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The Solve page inside the shell with the real controller: a tiny river
// spot started from the page's button runs, reports and completes.
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

        function init() {
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
            tryCompare(appController, "running", false, 10000)
        }
        function cleanup() {
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
            appController.clearResults()
        }

        function test_river_solve_from_the_page() {
            shell.resetToNewProject()
            shell.applyProjectState(Spots.riverSpot(30))
            tryCompare(shell, "canSolve", true, 15000)
            shell.requestNavigate(2)
            compare(shell.navIndex, 2)
            var page = findChild(shell, "solvePage")
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
                live.shares.push([ringText.text, chip.percentText, page.progressWheelValue])
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
            // until the result is in.
            for (var s of live.shares)
                verify(s[0] === s[1] && s[0] !== "100%" && s[2] < 1, "ring, chip, share: " + s)
            compare(appController.statusText, "Done")
            compare(page.statusLineText, "Done")
            compare(page.runHistoryModel.get(0).status, "Completed")
            compare(page.currentIteration, appController.resultIterations)
            verify(page.currentIteration > 0 && page.currentIteration <= 30)
            compare(page.progressWheelValue, 1.0)
            verify(isFinite(page.currentExploitabilityValue) || appController.resultExploitability <= 0)
            mouseClick(findChild(page, "startSolveButton"))
            compare([appController.running, page.progressWheelValue, findChild(page, "progressRing").indeterminate],
                    [true, 0, true], "the next run starts from nothing, not from the last one's end")
            tryCompare(page, "runComplete", true, 20000)
            var view = findChild(page, "viewResultsButton")
            verify(view.enabled)
            mouseClick(view)
            compare(shell.navIndex, 3)
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
