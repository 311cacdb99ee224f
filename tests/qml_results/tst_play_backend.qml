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

        // The hand details take the rake the solver's payoffs take, at every ending.
        // IP's KK makes a set and beats all of OOP's range, so its EV of an action
        // that ends the hand (at a showdown, or at a certain fold of OOP's) is half
        // the raked pot less the rake, plus half the pot both seats matched before.
        function test_everyEndingRakesAsTheSolverPays() {
            var shell = createTemporaryObject(shellComp, host)
            var c = appController
            function solve(oop, ip) {
                shell.resetToNewProject()
                shell.applyProjectState(Object.assign(Spots.riverSpot(200), {
                    boardText: "Kh7c2d5s9h", oopRangeText: oop, ipRangeText: ip, rakePercent: 5, rakeCap: 7,
                    oopRiverAddAllIn: true, ipRiverAddAllIn: true }))
                tryCompare(shell, "canSolve", true, 15000)
                c.startSolveWithConfig(shell._solveMemCfg())
                tryCompare(c, "statusText", "Done", 30000)
            }
            function child(node, prefix) {
                var a = c.nodeActions(node)
                var k = a.findIndex(function (x) { return String(x.name).indexOf(prefix) === 0 })
                verify(k >= 0, prefix + " at node " + node)
                return { index: k, node: a[k].childIndex, frequency: a[k].frequency }
            }
            // The pot both seats matched: a bet nobody called goes back.
            function matched(m) { return m.pot - Math.abs(m.investedOop - m.investedIp) }
            // IP's `action` at `node`, ending at `terminal` (its child unless
            // given): the table's rake of that ending and the solver's of KK.
            function expectRake(node, action, want, terminal) {
                var k = child(node, action)
                var m = c.nodeMeta(terminal === undefined ? k.node : terminal)
                var entry = PlayMath.makeLogEntry({ board: "Kh7c2d5s9h", oop: "AsAd", ip: "KsKd", pot: m.pot,
                                                    investedOop: m.investedOop, investedIp: m.investedIp },
                                                  { endedReason: "terminal" })
                var shown = findChild(shell, "resultsPage").playEngine.handLog._buildPlayHandDetails(entry).rakeTaken
                compare(shown, want, action)
                var kings = c.nodeHandCombos(node).filter(function (r) { return r.c1[0] === "K" && r.c2[0] === "K" })
                verify(kings.length > 0, action)
                for (var r of kings) {
                    var paid = matched(m) / 2 + matched(c.nodeMeta(node)) / 2 - r.actionEvs[k.index]
                    verify(Math.abs(paid - shown) < 0.05, action + ": the solver rakes " + paid + ", the table " + shown)
                }
            }

            solve("AA", "KK")
            var checked = child(0, "Check").node
            expectRake(checked, "Check", 5)
            // IP bets after OOP's check and AA folds: the bet is not raked.
            var fold = child(child(checked, "Bet").node, "Fold")
            verify(fold.frequency > 0.999, "AA folds to the bet")
            expectRake(checked, "Bet", 5, fold.node)
            // QQ bets for value against JJ, 43s as a bluff; a bet and an all-in called.
            solve("QQ,43s", "KK,JJ")
            expectRake(child(0, "Bet").node, "Call", 7)
            expectRake(child(0, "All").node, "Call", 7)
        }
    }
}
