import QtQuick
import QtTest
import Velmora
import "spots.js" as Spots

// Navigation guard, keyboard shortcuts and page wiring of the shell, driven
// against the real controller: real memory estimates, real solves.
Item {
    id: host
    width: 1540
    height: 1000

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        id: tc
        name: "ShellNavigation"
        when: windowShown

        property var shell: null

        function init() {
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
            shell.forceActiveFocus()
            tryCompare(appController, "running", false, 10000)
        }

        function cleanup() {
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
            appController.clearResults()
        }

        function page(name) { return findChild(shell, name) }

        function ctrl(key) { keyClick(key, Qt.ControlModifier) }

        // Applies a spot and waits until the real estimate allows a solve:
        // a quick river spot to finish, a slower turn spot to keep running.
        function makeSolvable(maxIterations) {
            shell.resetToNewProject()
            shell.applyProjectState(maxIterations > 1000 ? Spots.turnSpot(maxIterations)
                                                         : Spots.riverSpot(maxIterations))
            tryCompare(shell, "canSolve", true, 15000)
        }

        function test_blank_start_reaches_only_home_and_settings() {
            compare(shell.navIndex, 0)
            compare(shell.hasProject, false)
            ctrl(Qt.Key_2)
            compare(shell.navIndex, 0, "Setup needs a project")
            ctrl(Qt.Key_3)
            compare(shell.navIndex, 0, "Solve needs a complete project")
            ctrl(Qt.Key_4)
            compare(shell.navIndex, 0, "Results need a result")
            keyClick(Qt.Key_F5)
            compare(shell.navIndex, 0)
            compare(appController.running, false, "F5 without canSolve starts nothing")
            keyClick(Qt.Key_Escape)
            compare(appController.running, false)
            ctrl(Qt.Key_Comma)
            compare(shell.navIndex, 4)
            ctrl(Qt.Key_1)
            compare(shell.navIndex, 0)
        }

        function test_tab_guard_matches_shortcuts() {
            var bar = findChild(shell, "topbar")
            bar.navigate(1)
            compare(shell.navIndex, 0)
            bar.navigate(3)
            compare(shell.navIndex, 0)
            bar.navigate(2)
            compare(shell.navIndex, 0)
            bar.navigate(4)
            compare(shell.navIndex, 4)
            page("homePage").newProject()
            compare(shell.navIndex, 1)
            bar.navigate(0)
            bar.navigate(1)
            compare(shell.navIndex, 1, "a started project opens Setup")
        }

        function brokenImages(item, out) {
            if (item.sourceSize !== undefined && item.status === Image.Error)
                out.push(String(item.source))
            for (var i = 0; i < item.children.length; ++i)
                brokenImages(item.children[i], out)
            return out
        }

        // A moved file or a wrong relative path leaves a blank where a logo
        // or an icon should be, with only a warning in the log.
        function test_every_page_opens_its_images() {
            failOnWarning(/Cannot open/)
            var pages = ["homePage", "projectPage", "solvePage", "resultsPage", "settingsPage"]
            for (var i = 0; i < pages.length; ++i) {
                shell.navIndex = i
                tryVerify(function() { return page(pages[i]).visible }, 5000, pages[i])
                compare(brokenImages(page(pages[i]), []), [], pages[i])
            }
        }

        function test_home_actions_open_setup() {
            var home = page("homePage")
            home.newProject()
            compare(shell.hasProject, true)
            compare(shell.navIndex, 1)
            compare(shell.startingPot, 180, "game settings of the Quick Solve spot")
            compare(shell.boardText, "")

            shell.navIndex = 0
            shell.boardText = "AhKdQc"
            home.importRange()
            compare(shell.navIndex, 1)
            compare(shell.boardText, "AhKdQc", "importing into an open project keeps it")

            shell.navIndex = 0
            home.quickSolve()
            compare(shell.navIndex, 1)
            compare(shell.boardText, "QsJh2h")
        }

        function test_import_range_without_project_starts_one() {
            page("homePage").importRange()
            compare(shell.hasProject, true)
            compare(shell.navIndex, 1)
            compare(shell.effectiveStack, 910)
            compare(shell.oopRangeText, "")
        }

        function test_project_loaded_opens_results_or_setup() {
            var home = page("homePage")
            home.projectLoaded({ boardText: "Th9h8c" }, false)
            compare(shell.navIndex, 1)
            compare(shell.boardText, "Th9h8c")
            compare(page("projectPage").boardText, "Th9h8c")
            shell.navIndex = 0
            home.projectLoaded({ boardText: "2c3d4h" }, true)
            compare(shell.navIndex, 3, "a project with results opens Results")
        }

        function test_f5_starts_and_escape_cancels() {
            makeSolvable(100000000)
            compare(shell.navIndex, 0)
            keyClick(Qt.Key_F5)
            compare(shell.navIndex, 2, "F5 switches to Solve before starting")
            tryCompare(appController, "running", true, 5000)
            var status = appController.statusText
            // The start is the Solve page's own, listed in its Recent Runs.
            var runs = page("solvePage").runHistoryModel
            compare(runs.count, 1)
            compare(runs.get(0).status, "Running")
            verify(!findChild(page("solvePage"), "noRunsText").visible)

            // Locked on the Solve page while the solve runs.
            ctrl(Qt.Key_1)
            ctrl(Qt.Key_2)
            ctrl(Qt.Key_4)
            ctrl(Qt.Key_Comma)
            compare(shell.navIndex, 2)
            findChild(shell, "topbar").navigate(0)
            compare(shell.navIndex, 2)
            compare(findChild(shell, "topbar").lockOnSolve, true)

            keyClick(Qt.Key_F5)
            verify(appController.statusText !== "Already running", "F5 during a solve starts nothing")

            keyClick(Qt.Key_Escape)
            tryCompare(appController, "running", false, 20000)
            compare(appController.statusText, "Cancelled")
            tryVerify(function() { return runs.get(0).status === "Cancelled" })
            compare(runs.count, 1, "F5 during the solve recorded nothing")
            compare(shell.navIndex, 2)
            ctrl(Qt.Key_1)
            compare(shell.navIndex, 0, "navigation works again once the solve ended")
            verify(status.length > 0)
        }

        function test_lock_applies_only_on_the_solve_page() {
            makeSolvable(100000000)
            appController.startSolveWithConfig(shell._solveMemCfg())
            tryCompare(appController, "running", true, 5000)
            compare(shell.navIndex, 0)
            ctrl(Qt.Key_Comma)
            compare(shell.navIndex, 4, "a solve started elsewhere does not lock navigation")
            ctrl(Qt.Key_4)
            compare(shell.navIndex, 4, "a starting solve has cleared the previous result")
            keyClick(Qt.Key_Escape)
            tryCompare(appController, "running", false, 20000)
        }

        function test_finished_solve_opens_results() {
            makeSolvable(30)
            ctrl(Qt.Key_3)
            compare(shell.navIndex, 2)
            keyClick(Qt.Key_F5)
            tryCompare(appController, "statusText", "Done", 30000)
            tryCompare(appController, "running", false, 5000)
            verify(appController.resultIterations > 0)
            ctrl(Qt.Key_1)
            compare(shell.navIndex, 0)
            ctrl(Qt.Key_4)
            compare(shell.navIndex, 3)
            findChild(shell, "topbar").navigate(0)
            findChild(shell, "topbar").navigate(3)
            compare(shell.navIndex, 3, "the Results tab opens once a result exists")
        }
    }
}
