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

        function start() {
            tryCompare(shell, "canSolve", true, 15000)
            shell._startSolveFromShortcut()
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            compare(appController.statusText, "Done")
        }

        function solve(spot) {
            shell.resetToNewProject()
            shell.applyProjectState(spot)
            start()
            shell.navIndex = 3
            waitForRendering(page)
        }

        function clickAction(level, position) {
            wait(1)   // lets replaced delegates go
            mouseClick(findChild(findChild(page, "treeLevel" + level), "actionNode" + position))
        }

        // The first action whose key starts with `kind` ("bet" finds "bet 50%").
        function indexOfKind(actions, kind) {
            for (var i = 0; i < actions.length; ++i) {
                if (String(actions[i].actionType).split(" ")[0] === kind)
                    return i
            }
            return -1
        }

        function test_walk_a_solved_river_spot() {
            solve(Spots.riverSpot(40))
            compare([page.treeLevels.count, page.currentNodeIndex, page.treeBoardText], [1, 0, "QsJh2h7c3d"])
            var stats = appController.nodeActionStats(0)
            verify(stats.length >= 2)
            compare(page.currentActions.map(function(a) { return [a.name, a.frequency] }),
                    stats.map(function(a) { return [a.name, a.frequency] }), "the root shows the back end's figures")
            compare(Object.keys(page.handWeights).sort(), ["AA", "AKs", "KK", "QQ"], "OOP's range reaches the root")
            var bet = indexOfKind(page.currentActions, "bet")
            verify(page.currentActions[bet].color !== undefined, "the sized bet has its palette colour")

            clickAction(0, bet)
            compare([page.treeLevels.count, page.selectedPlayer], [2, "IP"])
            var facing = appController.nodeActions(page.currentNodeIndex)
            clickAction(1, indexOfKind(facing, "fold"))   // the hand ends: the choice stays, no level
            compare([page.treeLevels.count, page.treeLevels.get(1).selectedActionIndex], [2, indexOfKind(facing, "fold")])
            clickAction(0, 0)                             // the root again
            clickAction(0, bet)
            clickAction(1, indexOfKind(facing, "call"))
            compare(page.treeLevels.count, 2)
            compare(findChild(findChild(page, "treeLevel1"), "actionChipText").text, "Call")

            start()
            compare([page.treeLevels.count, page.currentNodeIndex, page.treeLevels.get(0).selectedActionIndex],
                    [1, 0, -1], "new results put the page back at the root")
        }

        // OOP's aces beat the kings and its queens lose to them on a board
        // of deuces full; with only all-in bets OOP wins 75 of the 100 chips.
        function test_spot_evs_include_the_pot_share() {
            var spot = Spots.riverSpot(3000)
            spot.boardText = "2s2d2h3c3d"
            spot.oopRangeText = "AA,QQ"
            spot.ipRangeText = "KK"
            for (var key in spot) {
                if (/SizesText$/.test(key))
                    spot[key] = "a"
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
