import QtQuick
import QtTest
import Velmora

// Top bar: tab states and their tooltips, the status chip and its progress
// figure through a run; sidebar: selection and clicks. The solve state is
// fed in as the controller publishes it, so every phase of a run (running,
// finalizing, done) can be set up exactly.
Item {
    id: host
    width: 1400
    height: 600

    Theme { id: theme }

    Component {
        id: solveStateComp
        QtObject {
            property bool running: false
            property string statusText: "Ready"
            property real progress: 0
            property int resultIterations: 0
        }
    }
    Component {
        id: barComp
        TopBar { width: host.width }
    }
    Component {
        id: sidebarComp
        Sidebar { height: 500 }
    }

    TestCase {
        name: "TopBar"
        when: windowShown

        property var bar: null
        property var solve: null

        SignalSpy { id: navSpy; signalName: "navigate" }

        function init() {
            solve = createTemporaryObject(solveStateComp, host)
            bar = createTemporaryObject(barComp, host, { theme: theme, controller: solve })
            verify(bar)
            navSpy.target = bar
            navSpy.clear()
        }

        function tab(i) { return findChild(bar, "tab" + i) }

        function run(status) {
            solve.running = true
            solve.statusText = status
        }

        function test_tabs_follow_project_results_and_readiness() {
            bar.projectEnabled = false
            bar.canSolve = false
            compare(tab(0).tabEnabled, true)
            compare(tab(1).tabEnabled, false)
            compare(tab(2).tabEnabled, false)
            compare(tab(3).tabEnabled, false)
            compare(tab(4).tabEnabled, true)
            bar.projectEnabled = true
            bar.canSolve = true
            solve.resultIterations = 50
            for (var i = 0; i < 5; ++i)
                compare(tab(i).tabEnabled, true, "tab " + i)
        }

        function test_solve_lock_disables_every_other_tab() {
            bar.canSolve = true
            solve.resultIterations = 50
            bar.currentPage = 2
            run("Iter 3 | exploitability≈1.0000")
            compare(bar.lockOnSolve, true)
            compare(tab(2).tabEnabled, true)
            for (var i of [0, 1, 3, 4])
                compare(tab(i).tabEnabled, false, "tab " + i)
            bar.currentPage = 0
            compare(bar.lockOnSolve, false, "the lock holds on the Solve page only")
            compare(tab(4).tabEnabled, true)
        }

        function test_disabled_tab_explains_itself() {
            bar.projectEnabled = false
            bar.canSolve = false
            compare(tab(1).tooltipText, "Start a new project (or load one) from Home to enable Project")
            compare(tab(2).tooltipText, "Fill board, ranges, and sizings to enable Solve")
            compare(tab(3).tooltipText, "Run a solve to enable Results")
            compare(tab(0).tooltipText, "")
            compare(tab(4).tooltipText, "")
            mouseMove(tab(2), 10, 10)
            tryCompare(tab(2), "tooltipShown", true)
            mouseMove(tab(0), 10, 10)
            compare(tab(2).tooltipShown, false)
            compare(tab(0).tooltipShown, false, "an enabled tab shows no tooltip")
            bar.projectEnabled = true
            bar.currentPage = 2
            mouseMove(tab(4), 10, 10)
            solve.running = true
            compare(tab(4).tabEnabled, false)
            compare(tab(4).tooltipShown, false, "Settings has no tooltip even when locked")
        }

        function test_clicks_on_enabled_tabs_only() {
            bar.projectEnabled = false
            mouseClick(tab(1))
            compare(navSpy.count, 0)
            mouseClick(tab(4))
            compare(navSpy.count, 1)
            compare(navSpy.signalArguments[0][0], 4)
            bar.currentPage = 4
            mouseClick(tab(4))
            compare(navSpy.count, 2, "the active tab emits too")
        }

        function test_chip_states() {
            var label = findChild(bar, "statusLabel")
            var percent = findChild(bar, "statusPercent")
            bar.canSolve = false
            compare(label.text, "Ready")
            compare(label.color, theme.textMuted)
            compare(percent.visible, false)
            bar.canSolve = true
            compare(label.color, theme.success)
            run("Iter 5 | exploitability≈0.5000")
            compare(label.text, "Solving")
            compare(percent.visible, true)
            solve.statusText = "Finalizing: computing results..."
            compare(label.text, "Finalizing")
            solve.running = false
            solve.statusText = "Done"
            compare(label.text, "Ready")
            compare(percent.visible, false)
        }

        // The chip shows the back end's share, the figure the Solve page's
        // ring and bar show: a 0.1 % target does not shorten the scale, and
        // it reads 100 % only once the result is in.
        function test_percentage_through_a_run() {
            bar.maxIterations = 400
            bar.targetExploitability = 0.1
            var percent = findChild(bar, "statusPercent")
            run("Starting...")
            solve.progress = 0.25
            compare(bar.currentIteration, 100, "without an iteration in the text, progress counts")
            compare(percent.text, "25%")
            solve.progress = 0.855
            solve.statusText = "Iter 342 | exploitability≈0.0900"
            compare(percent.text, "86%")
            solve.progress = 0.999
            solve.statusText = "Iter 400 | exploitability≈0.0800"
            compare(percent.text, "99%")
            solve.statusText = "Finalizing: computing results..."
            compare(bar.currentIteration, 400, "finalizing keeps the last iteration")
            compare(percent.text, "99%")
            solve.running = false
            solve.resultIterations = 400
            compare(bar.progressWheelValue, 1.0)
            // The next run counts from its own texts.
            compare(bar._lastIterFromStatusText, 0)
            solve.progress = 0
            run("Finalizing: computing results...")
            solve.progress = 0.1
            compare(bar.currentIteration, 40, "no iteration seen in this run: from progress")
        }

        function test_single_iteration_limit() {
            bar.maxIterations = 0
            run("Iter 1 | exploitability≈3.0000")
            compare(findChild(bar, "statusPercent").text, "99%", "the one iteration is done, the result is not")
        }

        function test_without_controller() {
            var lone = createTemporaryObject(barComp, host, { theme: theme, canSolve: false })
            compare(lone.currentIteration, 0)
            compare(lone.progressWheelValue, 0)
            compare(findChild(lone, "statusLabel").text, "Ready")
            compare(findChild(lone, "tab3").tabEnabled, false)
        }

        function test_status_area_stays_inside_the_bar() {
            run("Iter 12345 | exploitability≈0.0100")
            var area = findChild(bar, "statusArea")
            verify(area.x + area.width <= bar.width - 20 + 1)
            verify(area.x > 0)
        }
    }

    TestCase {
        name: "Sidebar"
        when: windowShown

        SignalSpy { id: sideSpy; signalName: "navigate" }

        function row(side, i) {
            tryVerify(function() { return findChild(side, "sidebarRow" + i) !== null })
            return findChild(side, "sidebarRow" + i)
        }

        function test_selection_and_clicks() {
            var side = createTemporaryObject(sidebarComp, host, { theme: theme, currentIndex: 2 })
            sideSpy.target = side
            compare(side.width, 240)
            var row2 = row(side, 2)
            var row3 = row(side, 3)
            compare(row2.selected, true)
            compare(findChild(row2, "rowAccentBar").visible, true)
            compare(findChild(row2, "rowDescription").visible, true)
            compare(findChild(row3, "rowDescription").visible, false)
            mouseClick(row3)
            compare(sideSpy.count, 1)
            compare(sideSpy.signalArguments[0][0], 3)
            compare(row3.selected, false, "the host moves the selection")
            side.currentIndex = 7
            for (var i = 0; i < 5; ++i)
                compare(row(side, i).selected, false)
        }

        function test_fallback_colours_without_theme() {
            var side = createTemporaryObject(sidebarComp, host, { currentIndex: 0 })
            var bg = findChild(row(side, 0), "rowBackground")
            compare(bg.color, "#1c2128")
            compare(findChild(row(side, 0), "rowAccentBar").color, "#3fb950")
        }
    }
}
