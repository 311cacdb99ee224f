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

        // The hand details take the rake the solver's payoffs take, at every
        // ending. IP's KK makes a set on the board and beats every hand of
        // OOP's range, so its EV of an action that ends the hand at a
        // showdown, or at a fold of OOP's that is certain, is half the
        // raked pot less the rake, plus half the pot both seats matched at
        // the decision.
        function test_everyEndingRakesAsTheSolverPays() {
            var shell = createTemporaryObject(shellComp, host)
            var page = findChild(shell, "resultsPage")
            var c = appController
            var spot = null
            function solve(oop, ip) {
                shell.resetToNewProject()
                spot = Spots.riverSpot(200)
                spot.boardText = "Kh7c2d5s9h"
                spot.oopRangeText = oop
                spot.ipRangeText = ip
                spot.rakePercent = 5
                spot.rakeCap = 7
                spot.oopRiverAddAllIn = true
                spot.ipRiverAddAllIn = true
                shell.applyProjectState(spot)
                tryCompare(shell, "canSolve", true, 15000)
                appController.startSolveWithConfig(shell._solveMemCfg())
                tryCompare(appController, "statusText", "Done", 30000)
            }
            function child(node, prefix) {
                var a = c.nodeActions(node)
                for (var k = 0; k < a.length; ++k) {
                    if (String(a[k].name).indexOf(prefix) === 0)
                        return { index: k, node: a[k].childIndex, frequency: a[k].frequency }
                }
                fail("no " + prefix + " at node " + node)
            }
            // The pot both seats matched: a bet nobody called goes back.
            function matched(node) {
                var m = c.nodeMeta(node)
                return m.pot - Math.abs(m.investedOop - m.investedIp)
            }
            // IP's action `k` at `node` ends at `terminal`: what the table
            // shows of that ending, and what the solver takes from KK.
            function rake(node, k, terminal, what) {
                var m = c.nodeMeta(terminal)
                var entry = PlayMath.makeLogEntry({ board: spot.boardText, oop: "AsAd", ip: "KsKd", pot: m.pot,
                                                    investedOop: m.investedOop, investedIp: m.investedIp },
                                                  { endedReason: "terminal" })
                var shown = page.playEngine.handLog._buildPlayHandDetails(entry).rakeTaken
                var rows = c.nodeHandCombos(node)
                var kings = 0
                for (var i = 0; i < rows.length; ++i) {
                    if (rows[i].c1.charAt(0) !== "K" || rows[i].c2.charAt(0) !== "K")
                        continue
                    ++kings
                    var paid = matched(terminal) / 2 + matched(node) / 2 - rows[i].actionEvs[k]
                    verify(Math.abs(paid - shown) < 0.05, what + ": the solver rakes " + paid + ", the table " + shown)
                }
                verify(kings > 0, what)
                return shown
            }

            solve("AA", "KK")
            var checked = child(0, "Check").node
            compare(rake(checked, child(checked, "Check").index, child(checked, "Check").node, "check-check"), 5)
            // IP bets after OOP's check and AA folds: the bet is not raked.
            var ipBet = child(checked, "Bet")
            var fold = child(ipBet.node, "Fold")
            verify(fold.frequency > 0.999, "AA folds to the bet")
            compare(rake(checked, ipBet.index, fold.node, "a fold to IP's bet"), 5)

            // QQ bets for value against JJ, 43s as a bluff.
            solve("QQ,43s", "KK,JJ")
            var bet = child(0, "Bet").node
            compare(rake(bet, child(bet, "Call").index, child(bet, "Call").node, "a called bet"), 7)
            var jam = child(0, "All").node
            compare(rake(jam, child(jam, "Call").index, child(jam, "Call").node, "a called all-in"), 7)
        }
    }
}
