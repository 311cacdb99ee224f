import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// Node locking end to end with the real controller: a small turn spot is
// solved, one class at the root is locked on the page and the spot is
// solved again with the lock.
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        name: "ResultsLocksBackend"
        when: windowShown

        property var shell: null
        property var page: null

        function init() {
            shell = createTemporaryObject(shellComp, host)
            page = findChild(shell, "resultsPage")
            verify(page)
            tryCompare(appController, "running", false, 10000)
        }

        function cleanup() {
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
            appController.clearResults()
        }

        function runToDone(start) {
            start()
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            compare(appController.statusText, "Done")
        }

        // IP's per-class mixes at every child decision of the root.
        function ipStrategies() {
            var out = {}
            var actions = appController.nodeActions(0)
            for (var i = 0; i < actions.length; ++i) {
                var child = actions[i].childIndex
                if (appController.nodeMeta(child).player === "IP")
                    out[child] = appController.nodeHandStrategy(child).actionProbs
            }
            return out
        }
        function largestChange(a, b) {
            var most = 0
            for (var node in a) {
                for (var cls in a[node]) {
                    for (var k = 0; k < a[node][cls].length; ++k)
                        most = Math.max(most, Math.abs(a[node][cls][k] - b[node][cls][k]))
                }
            }
            return most
        }
        function click(name) {
            waitForRendering(page)
            var item = findChild(page, name)
            verify(item && item.visible, name)
            mouseClick(item)
        }

        function test_locked_class_is_played_as_locked_after_a_resolve() {
            var spot = Spots.riverSpot(80)
            spot.boardText = "QsJh2h7c"
            spot.startingStreet = "turn"
            spot.oopRangeText = "AA,KK,QQ,JJ,TT,AKs,AQs,KQs,T9s,98s"
            spot.ipRangeText = "KK,JJ,TT,99,AQs,KJs,QJs,T9s"
            shell.resetToNewProject()
            shell.applyProjectState(spot)
            tryCompare(shell, "canSolve", true, 15000)
            runToDone(function() { shell._startSolveFromShortcut() })
            shell.navIndex = 3
            waitForRendering(page)
            compare(page.selectedPlayer, "OOP")

            // The OOP class and root action furthest from a pure choice.
            var root = appController.nodeHandStrategy(0)
            var cls = "", action = -1, gap = 0
            for (var c in root.actionProbs) {
                if (!(root.weights[c] > 0))
                    continue
                for (var a = 0; a < root.actionProbs[c].length; ++a) {
                    if (1 - root.actionProbs[c][a] > gap) {
                        gap = 1 - root.actionProbs[c][a]
                        cls = c
                        action = a
                    }
                }
            }
            verify(gap > 0.5, "some class plays an action rarely")
            var ipBefore = ipStrategies()

            click("nodeLockModeButton")
            click("nodeLockAction" + action)
            compare(page.nodeLockWeightText, "1.0")
            mouseClick(findChild(findChild(page, "strategyMatrix"), "cell_" + cls))
            compare(appController.nodeLocks(0), [{ hand: cls, actionIndex: action, actionProb: 1 }])

            runToDone(function() { click("reSolveButton") })
            var locked = appController.nodeHandStrategyReach169(0, "").actionProbs[cls]
            for (var k = 0; k < locked.length; ++k)
                fuzzyCompare(locked[k], k === action ? 1 : 0, 1e-6)
            verify(largestChange(ipBefore, ipStrategies()) > 1e-3, "IP answers the lock")

            // The preview is still shown at the root after walking away and back.
            compare(page.currentNodeIndex, 0)
            page.selectActionAtLevel(0, 0)
            verify(page.currentNodeIndex !== 0)
            page.navigateToBreadcrumb(0)
            compare(page.handActionProbs[cls][action], 1)
            compare(page.nodeLocksByNode["0"][cls].actionIndex, action)
        }
    }
}
