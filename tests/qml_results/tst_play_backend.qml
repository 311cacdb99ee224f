import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots
import "../../Velmora/qml/pages/results/PlayMath.js" as PlayMath

// Play mode on the results page against a real solve of a tiny river spot:
// a hand played by both seats reaches a terminal node and is counted once on
// the home page; a deliberate mistake counts as a mistake with its EV loss.
Item {
    id: host
    width: 1540
    height: 1000

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        name: "PlayBackend"
        when: windowShown

        function cleanup() {
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
            appController.clearResults()
        }

        function handsTotal(home) {
            var parts = String(findChild(home, "handsStat").value).split("/")
            return Number(parts[parts.length - 1])
        }
        function settle(e) {
            tryVerify(function () { return e.playAwaitingUserAction || e.playHandComplete }, 3000)
        }
        function pricedMistake(e, k) {
            var info = e._suboptimalEvInfoAtNode(e.playNode, e.playNodeMeta.player, k)
            return PlayMath.isMistake(info, e.playSuboptimalEpsilon, e.playSuboptimalRelativeTol) ? info : null
        }

        function test_bothSeatsPlayAHandAndAMistakeIsCounted() {
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.applyProjectState(Spots.riverSpot(60))
            tryCompare(shell, "canSolve", true, 15000)
            appController.startSolveWithConfig(shell._solveMemCfg())
            tryCompare(appController, "statusText", "Done", 30000)
            var home = findChild(shell, "homePage")
            var hands0 = handsTotal(home)
            var stats0 = appController.playVsSolutionStats()

            shell.navIndex = 3
            var page = findChild(shell, "resultsPage")
            var e = page.playEngine
            e.playStepDelayMs = 20
            page.playMode = true
            waitForRendering(page)
            mouseClick(findChild(page, "playAsBothButton"))
            compare(e.playRole, "BOTH")
            verify(e.oopCard1 !== "" && e.ipCard1 !== "")
            for (var step = 0; step < 12 && !e.playHandComplete; ++step) {
                settle(e)
                if (e.playHandComplete)
                    break
                var info = e._suboptimalEvInfoAtNode(e.playNode, e.playNodeMeta.player, 0)
                verify(info.ok, "the hero's choice is priced")
                e.chooseAction(info.bestIndex)
            }
            settle(e)
            verify(e.playHandComplete)
            compare(e.handLog.playHandLog.count, 1)
            compare(e.handLog.entryAt(0).endedReason, "terminal")
            compare(handsTotal(home), hands0 + 1)
            var stats1 = appController.playVsSolutionStats()
            compare(stats1.totalMistakes, stats0.totalMistakes)

            // Hands go on until some hero decision has an action that loses
            // more than the tolerance; that action is chosen.
            var mistake = null
            for (var hand = 0; hand < 30 && !mistake; ++hand) {
                e._resetToRootAndRestartHand()
                for (step = 0; step < 12 && !e.playHandComplete; ++step) {
                    settle(e)
                    if (e.playHandComplete)
                        break
                    var actions = e.playNodeActions
                    for (var k = 0; k < actions.length && !mistake; ++k) {
                        mistake = pricedMistake(e, k)
                        if (mistake)
                            e.chooseAction(k)
                    }
                    if (!mistake)
                        e.chooseAction(e._suboptimalEvInfoAtNode(e.playNode, e.playNodeMeta.player, 0).bestIndex)
                }
                settle(e)
            }
            verify(mistake, "a losing action was found")
            // The table shows the verdict in the log and the details.
            tryVerify(function () { return findChild(page, "handLogEntry0") !== null })
            compare(findChild(page, "handLogEntry0").mistake, true)
            compare(findChild(page, "evLostText").text, "EV lost: " + mistake.evLoss.toFixed(3))
            var entry = e.handLog.entryAt(0)
            compare(entry.endedReason, "suboptimal")
            verify(entry.evLoss > 0)
            var stats2 = appController.playVsSolutionStats()
            var played = e.handLog.playHandLog.count - 1
            compare(stats2.totalHands, stats1.totalHands + played)
            compare(stats2.totalMistakes, stats1.totalMistakes + 1)
            fuzzyCompare(stats2.totalAvgEvLoss * stats2.totalHands - stats1.totalAvgEvLoss * stats1.totalHands,
                         entry.evLoss, 1e-6)
            compare(handsTotal(home), hands0 + 1 + played)
        }
    }
}
