import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The results page inside the shell with the real controller: tiny river
// spots solved for real, then walked on the page.
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        id: tc
        name: "ResultsBackend"
        when: windowShown

        property var shell: null
        property var page: null

        function init() {
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
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

        function solve(spot) {
            shell.resetToNewProject()
            shell.applyProjectState(spot)
            tryCompare(shell, "canSolve", true, 15000)
            var before = appController.resultIterations
            shell._startSolveFromShortcut()
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            compare(appController.statusText, "Done")
            verify(appController.treeNodeCount() > 0)
            shell.navIndex = 3
            waitForRendering(page)
        }

        function actionNode(level, position) {
            wait(1)
            return findChild(findChild(page, "treeLevel" + level), "actionNode" + position)
        }

        // The first action whose key starts with `type` ("bet" finds "bet 50%").
        function indexOfType(actions, type) {
            for (var i = 0; i < actions.length; ++i) {
                if (String(actions[i].actionType).split(" ")[0] === type)
                    return i
            }
            return -1
        }

        function test_walk_a_solved_river_spot() {
            solve(Spots.riverSpot(40))
            compare(page.treeLevels.count, 1)
            compare(page.currentNodeIndex, 0)
            compare(page.treeBoardText, "QsJh2h7c3d")

            // The root shows the back end's statistics as they are.
            var stats = appController.nodeActionStats(0)
            verify(stats.length >= 2)
            compare(page.currentActions.length, stats.length)
            for (var i = 0; i < stats.length; ++i) {
                compare(page.currentActions[i].name, stats[i].name)
                compare(page.currentActions[i].frequency, stats[i].frequency)
                compare(findChild(actionNode(0, i), "freqText").text,
                        "Freq: " + Math.round(stats[i].frequency * 100) + "%")
            }
            compare(Object.keys(page.handWeights).sort(), ["AA", "AKs", "KK", "QQ"], "OOP's range reaches the root")

            // Root -> bet: IP to act, facing the bet.
            var bet = indexOfType(page.currentActions, "bet")
            verify(bet >= 0)
            verify(page.currentActions[bet].color !== undefined, "the sized bet has its palette colour")
            mouseClick(actionNode(0, bet))
            compare(page.treeLevels.count, 2)
            compare(page.selectedPlayer, "IP")
            verify(page._toCallAmount() > 0)
            var facing = appController.nodeActions(page.currentNodeIndex)

            // Fold and call end the hand on the river: the choice stays, no level is added.
            var fold = indexOfType(facing, "fold")
            mouseClick(actionNode(1, fold))
            compare(page.treeLevels.count, 2)
            compare(page.treeLevels.get(1).selectedActionIndex, fold)
            mouseClick(actionNode(1, 0))   // the shown fold again: nothing
            compare(page.treeLevels.get(1).selectedActionIndex, fold)
            mouseClick(actionNode(0, 0))   // the root's chosen bet: the root again
            compare(page.treeLevels.count, 1)
            mouseClick(actionNode(0, bet))
            var call = indexOfType(facing, "call")
            mouseClick(actionNode(1, call))
            compare(page.treeLevels.count, 2)
            compare(findChild(actionNode(1, 0), "actionChipText").text, "Call")

            // New results put the page back at the root.
            tryCompare(shell, "canSolve", true, 15000)
            shell._startSolveFromShortcut()
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            compare(page.treeLevels.count, 1)
            compare(page.currentNodeIndex, 0)
            compare(page.treeLevels.get(0).selectedActionIndex, -1)
            compare(page.selectedPlayer, "OOP")
        }

        // OOP's aces beat the kings and its queens lose to them on a board
        // of deuces full; with only all-in bets OOP wins 75 of the 100 chips.
        function test_spot_evs_include_the_pot_share() {
            var spot = Spots.riverSpot(3000)
            spot.boardText = "2s2d2h3c3d"
            spot.oopRangeText = "AA,QQ"
            spot.ipRangeText = "KK"
            var keys = ["BetSizesText", "RaiseSizesText"]
            var streets = ["Flop", "Turn", "River"]
            for (var k = 0; k < keys.length; ++k) {
                for (var s = 0; s < streets.length; ++s) {
                    spot["oop" + streets[s] + keys[k]] = "a"
                    spot["ip" + streets[s] + keys[k]] = "a"
                }
            }
            solve(spot)
            var oop = Number(findChild(findChild(page, "evOopCard"), "statValue").text)
            var ip = Number(findChild(findChild(page, "evIpCard"), "statValue").text)
            verify(Math.abs(oop - 75) <= 0.05, "EV (OOP) " + oop)
            verify(Math.abs(ip - 25) <= 0.05, "EV (IP) " + ip)
            verify(Math.abs(appController.resultEvOop - 25) <= 0.05, "net EV of OOP " + appController.resultEvOop)
        }
    }
}
