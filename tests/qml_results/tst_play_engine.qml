import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack
import "play_tree.js" as Trees
import "../../Velmora/qml/pages/results" as Results

// Play mode on the results page over a mock tree, with a stubbed random
// source and a 20 ms step delay: turn order, pricing, logging, resets,
// re-deals and drills, and what the play table shows of them.
Item {
    id: host
    width: 1400
    height: 1100

    ThemePack.Theme { id: appTheme; dark: true }

    Component {
        id: rigComp
        Item {
            anchors.fill: parent
            property alias controller: ctrl
            property alias page: resultsPage
            readonly property var engine: resultsPage.playEngine
            MockPlayController { id: ctrl }
            ResultsPage {
                id: resultsPage
                anchors.fill: parent
                theme: appTheme
                controller: ctrl
                boardText: "2c3d4h"
                Component.onCompleted: {
                    playEngine.playStepDelayMs = 20
                    playEngine._random = function () { return 0 }
                }
            }
        }
    }

    Component {
        id: tableComp
        Results.PlayTable { theme: appTheme }
    }

    TestCase {
        name: "PlayEngine"
        when: windowShown

        function rig(tree) {
            var r = createTemporaryObject(rigComp, host)
            if (tree)
                r.controller.nodes = tree
            r.page.playMode = true
            waitForRendering(r.page)
            return r
        }
        // The play tree with one more decision after the turn: OOP checks,
        // then IP checks to the end.
        function turnTree() {
            var tree = Trees.flopTree()
            tree[8].actions = [Trees.act("Check", "check", 1, 10)]
            tree.push(Trees.decision("IP", 100, 50, 50, [Trees.act("Check", "check", 1, 9)],
                                     { seats: tree[8].seats, combos: [Trees.pocket("Qh", "Qd", [2])] }))
            return tree
        }
        function child(r, name) {
            var c = findChild(r.page, name)
            verify(c !== null, name)
            return c
        }

        function test_opponentActsFirstThenTheHeroPricedChoices() {
            var r = rig()
            var e = r.engine
            r.engine.startPlaySession("OOP")
            compare(e.oopCard1 + e.oopCard2, "AsKs")
            compare(e.ipCard1 + e.ipCard2, "QhQd")
            verify(e.playTickTimer.running)
            compare(e.playTickTimer.interval, 0)
            wait(0)
            // IP's decision is drawn on the first tick and shown in the bubble.
            compare(e.playLastActionActor, "IP")
            compare(e.playLastActionText, "Check")
            compare(child(r, "opponentBubble").visible, true)
            compare(child(r, "opponentBubble").text, "Check")
            compare(e.playActionLine, "IP: Check")
            compare(r.page.currentNodeIndex, 1)
            compare(r.page.treeLevels.count, 2)
            compare(r.page.treeLevels.get(0).selectedActionIndex, 0)
            compare(e.playTickTimer.interval, 20)
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            compare(child(r, "actionPrompt").visible, true)
            verify(findChild(r.page, "actionButton1") !== null)
            // Face up for the hero seat, face down for the other.
            compare(findChild(child(r, "oopSeat"), "pocketCard0").rank, "A")
            compare(findChild(child(r, "ipSeat"), "pocketCard0").faceDown, true)

            // Best 10, chosen 9.95: within 1 % of the scale, the hand goes on.
            r.controller.nodes[1].combos = [Trees.pocket("As", "Ks", [10, 9.95])]
            e.chooseAction(1)
            compare(e.playHandComplete, false)
            compare(r.page.currentNodeIndex, 4)
            compare(e.handLog.playHandLog.count, 0)
            compare(r.controller.recorded.length, 0)
        }

        function test_mistakeEndsTheHandAndIsCountedOnce() {
            var r = rig()
            var e = r.engine
            e.startPlaySession("OOP")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(1)  // Bet 50%: EV 9.5 against 10
            compare(e.playHandComplete, true)
            verify(!e.playTickTimer.running)
            compare(r.page.currentNodeIndex, 1)  // the tree does not advance
            compare(e.playActionLine, "IP: Check \u2192 OOP: Bet 50%")
            // The table shows the pot and stacks after the bet.
            compare([findChild(child(r, "playTable"), "potText").text, findChild(child(r, "oopSeat"), "stackText").text],
                    ["Pot: 150", "Stack: 0"])
            var log = e.handLog.playHandLog
            compare(log.count, 1)
            var entry = e.handLog.entryAt(0)
            compare(entry.endedReason, "suboptimal")
            compare(entry.mistakeActor, "OOP")
            compare(entry.mistakeAction, "Bet 50%")
            compare(entry.correctAction, "Check")
            compare(entry.chosenActionIndex, 1)
            compare(entry.correctActionIndex, 0)
            fuzzyCompare(entry.evLoss, 0.5, 1e-12)
            compare(entry.pot, 100)
            compare(entry.board, "2c3d4h")
            compare(entry.oop, "AsKs")
            compare(r.controller.recorded.length, 1)
            compare(r.controller.recorded[0].isMistake, true)
            fuzzyCompare(r.controller.recorded[0].evLoss, 0.5, 1e-12)
            wait(60)
            compare(log.count, 1)
            // The table offers only "Another hand" now.
            compare(child(r, "anotherHandButton").visible, true)
            compare(child(r, "actionPrompt").visible, false)
            compare(child(r, "drillButton").visible, false)
            // The details follow the new hand: the summary shows the loss.
            compare(e.handLog.playSelectedLogIndex, 0)
            compare(child(r, "evLostText").text, "EV lost: 0.500")
            compare(child(r, "correctText").text, "Correct: Check")
            // The hand was not played out: no winner, amount or rake.
            compare([child(r, "stoppedText").text, child(r, "winnerText").visible, child(r, "wonText").visible,
                     child(r, "rakeText").visible], ["Stopped at the mistake on the flop: OOP: Bet 50%", false, false, false])

            e._resetToRootAndRestartHand()
            compare(e.playHandComplete, false)
            compare(e.playActionLine, "")
            compare(r.page.currentNodeIndex, 0)
            compare(findChild(child(r, "playTable"), "potText").text, "Pot: 100")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
        }

        function test_terminalLogsOnceAndChanceAvoidsHoleCards() {
            var r = rig()
            var e = r.engine
            r.page.chanceCardDisplayOverrideByNode = { "3": "7d" }
            e.startPlaySession("OOP")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(0)  // Check: no loss
            // The turn: As is OOP's hole card, so 7c is dealt, and the tree
            // viewer shows the card dealt rather than an older click.
            tryCompare(r.page, "currentNodeIndex", 8, 5000)
            compare([e.playLastActionText, child(r, "opponentBubble").visible], ["", false], "IP's flop check is not shown")
            compare(e.playBoardText, "2c3d4h7c")
            compare(r.page.chanceCardDisplayOverrideByNode["3"], "7c")
            compare(r.page._boardFromTreeSelections(), "2c3d4h7c")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(0)
            tryCompare(e, "playHandComplete", true, 5000)
            wait(60)
            compare(e.handLog.playHandLog.count, 1)
            var entry = e.handLog.entryAt(0)
            compare(entry.endedReason, "terminal")
            compare(entry.line, "IP: Check \u2192 OOP: Check \u2192 Chance: 7c \u2192 OOP: Check")
            verify(!entry.isMistake)
            compare(r.controller.recorded.length, 1)
            compare(r.controller.recorded[0].isMistake, false)
            compare(r.controller.recorded[0].evLoss, 0)
            compare(e.handLog.playSelectedDetails.turnActions, ["OOP: Check"])
        }

        function test_leavingPlayModeOrNewResultsDropTheHand() {
            var r = rig()
            var e = r.engine
            e.startPlaySession("BOTH")
            wait(0)
            verify(e.playAwaitingUserAction)
            e.chooseAction(0)   // IP checks
            e.startDrillSpot()  // a drill at OOP's decision
            // A new session ends a drill whose verdict and next deal are pending.
            e.chooseAction(1)
            verify(e.drillNextTimer.running && e.drillFeedbackTimer.running)
            e.startPlaySession("BOTH")
            compare([e.playDrillMode, e.playDrillNodeIndex, e.playDrillFeedbackText], [false, -1, ""])
            verify(!e.drillNextTimer.running && !e.drillFeedbackTimer.running)
            wait(0)
            e.chooseAction(0)
            e.startDrillSpot()
            e.chooseAction(1)
            mouseClick(findChild(r.page, "playModeToggle"))
            compare(r.page.playMode, false)
            compare([e.playDrillMode, e.playDrillNodeIndex, e.playDrillFeedbackText], [false, -1, ""])
            verify(!e.drillNextTimer.running && !e.drillFeedbackTimer.running)
            compare(e.playSessionStarted, false)
            compare(r.page.currentNodeIndex, 0)
            wait(60)
            compare(e.handLog.playHandLog.count, 0)
            compare(r.controller.recorded.length, 0)

            // New results mid-hand: the timer stops and the role chooser returns.
            mouseClick(findChild(r.page, "playModeToggle"))
            compare(child(r, "playAsBothButton").visible, true)
            mouseClick(child(r, "playAsOopButton"))
            compare(e.playRole, "OOP")
            wait(0)
            verify(e.playTickTimer.running)
            r.controller.finishSolve()
            verify(!e.playTickTimer.running)
            compare(e.playSessionStarted, false)
            compare(e.oopCard1, "")
            compare(child(r, "playAsBothButton").visible, true)
            wait(60)
            compare(e.handLog.playHandLog.count, 0)
        }

        // Once the board shows another suit than the solver dealt (here its
        // clubs as diamonds and the other way round), hands are dealt in
        // the board's suits, priced with the solver's, and a dealt card is
        // shown in the board's suits and kept off the cards shown.
        function test_boardSuitsDifferFromTheSolvers() {
            var r = rig(Trees.flopTree())
            var e = r.engine
            var page = r.page
            page.solverToShownSuits = { c: "d", d: "c", h: "h", s: "s" }
            verify(e._dealToSeatAtNode(0, "IP", {}))
            compare([e.ipCard1, e.ipCard2], ["Qh", "Qc"])
            var info = e._suboptimalEvInfoAtNode(0, "IP", 1)
            compare([info.chosenEv, info.bestEv], [0.5, 1], "the solver's QhQd")
            verify(!e._dealToSeatAtNode(0, "IP", { Qc: true }), "the card shown is taken")

            e.playBoardText = "2d3c4h"
            e.oopCard1 = "As"
            e.oopCard2 = "Ks"
            e.playNodeIndex = 3
            e.playSessionStarted = true   // the hand goes on from the chance node
            e._autoHandleChanceNode()   // As is held: the solver's 7c, shown as 7d
            e.playTickTimer.stop()
            compare(page.chanceCardDisplayOverrideByNode["3"], "7d")
            // The hand deals the card the tree and the board show.
            compare(e.playBoardText, "2d3c4h7d")
            verify(/Chance: 7d$/.test(e.playActionLine), e.playActionLine)
        }

        function test_redealKeepsHoleCardsOffTheBoardAndResumesTheHand() {
            var r = rig()
            var e = r.engine
            var page = r.page
            var picker = findChild(page, "chanceCardPopup")
            e.playStepDelayMs = 300
            e.startPlaySession("IP")
            // IP checks, OOP checks (automatic), then the turn 7c is dealt.
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(0)
            tryCompare(page, "currentNodeIndex", 8, 5000)
            e.requestRedeal(4)  // no river yet: ignored
            verify(!picker.opened)
            e.requestRedeal(3)
            verify(picker.opened)
            compare(page.chancePickerLevelIndex, 2)
            verify(!e.playTickTimer.running)
            // As is OOP's hole card: not offered, and a click on it does nothing.
            compare(page._chanceCardIndexForSelection("As"), -1)
            compare(page._chanceCardIndexForSelection("7c"), 1)
            page.chooseChanceCard(0, "As")
            verify(picker.opened)
            compare(page.currentNodeIndex, 8)
            page.chooseChanceCardRandom()  // the only card left is 7c
            compare(page.currentNodeIndex, 8)
            compare(e.playNodeIndex, 8)
            compare(e.playBoardText, "2c3d4h7c")
            verify(e.playTickTimer.running)
            compare(e.playTickTimer.interval, 0)
            compare(e.playActionLine, "IP: Check \u2192 OOP: Check \u2192 Chance: 7c")
            // OOP checks to the terminal node; before it is logged the turn
            // picker opens and closes without a choice: the hand goes on.
            tryCompare(page, "currentNodeIndex", 9, 5000)
            e.requestRedeal(3)
            tryVerify(function () { return picker.opened })
            verify(!e.playTickTimer.running)
            picker.close()
            tryVerify(function () { return e.playHandComplete }, 5000)
            compare(e.handLog.playHandLog.count, 1)
            compare(e.handLog.entryAt(0).line, "IP: Check \u2192 OOP: Check \u2192 Chance: 7c \u2192 OOP: Check")
        }

        function test_drillVerdictTimingAndNoLogging() {
            var r = rig()
            var e = r.engine
            e.startPlaySession("OOP")
            e.playTickTimer.stop()
            e._advancePlayByActionIndex(1)  // IP bets: OOP faces Fold 4.2 / Call 3.9
            e.playTickTimer.stop()
            compare(e.playNode, 2)
            e.startDrillSpot()
            verify(e.playDrillMode)
            compare(e.playDrillActor, "OOP")
            verify(e.playAwaitingUserAction)
            compare(child(r, "drillButton").text, "Stop drill")
            compare(child(r, "playBoard").editable, false)
            e.chooseAction(0)
            compare(e.playDrillFeedbackText, "Correct")
            verify(Qt.colorEqual(child(r, "drillFeedback").textColor, appTheme.success))
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(1)
            e.chooseAction(0)  // before the next deal: no choice
            var t0 = Date.now()
            compare(e.playDrillFeedbackText, "Wrong \u2014 best: Fold (EV -0.300)")
            verify(e.playDrillFeedbackWrong)
            verify(Qt.colorEqual(child(r, "drillFeedback").textColor, appTheme.danger))
            verify(!e.playAwaitingUserAction)
            // Both delays run from the choice: the next deal after 450 ms, the
            // verdict's end after 700 ms. A loaded machine runs timers late, so
            // measured times bound them from below only, and the verdict must
            // still show at the deal unless the deal came past 650 ms.
            compare([e.drillNextTimer.running, e.drillNextTimer.interval], [true, 450])
            compare([e.drillFeedbackTimer.running, e.drillFeedbackTimer.interval], [true, 700])
            var deal = null
            var onDeal = function() {
                if (e.playAwaitingUserAction && deal === null)
                    deal = { at: Date.now() - t0, verdict: e.playDrillFeedbackText }
            }
            e.playAwaitingUserActionChanged.connect(onDeal)
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.playAwaitingUserActionChanged.disconnect(onDeal)
            verify(deal.at >= 400, "next deal after " + deal.at + " ms")
            if (deal.at < 650)
                compare(deal.verdict, "Wrong \u2014 best: Fold (EV -0.300)")
            tryCompare(e, "playDrillFeedbackText", "", 5000)
            var cleared = Date.now() - t0
            verify(cleared >= 650, "verdict cleared after " + cleared + " ms")
            compare(r.page.currentNodeIndex, 2)
            compare(e.handLog.playHandLog.count, 0)
            compare(r.controller.recorded.length, 0)

            e.stopDrillSpot()
            compare(e.playDrillMode, false)
            compare(e.playTickTimer.interval, 0)
            verify(e.playTickTimer.running)
        }

        function test_drillKeptSeatBlocksAndCollidingSeatIsCleared() {
            var r = rig()
            var e = r.engine
            var tree = r.controller.nodes
            // IP has nothing to deal at the root: it keeps its cards, which
            // block OOP's only combo on the next deal... and collide with it.
            tree[0].seats = { OOP: [{ c1: "Qh", c2: "Kd", weight: 1 }], IP: [] }
            r.controller.nodes = tree
            e.startPlaySession("IP")
            e.playTickTimer.stop()
            e.ipCard1 = "Qh"
            e.ipCard2 = "Jd"
            e.oopCard1 = ""
            e.oopCard2 = ""
            e.startDrillSpot()
            compare(e.oopCard1 + e.oopCard2, "QhKd")
            compare(e.ipCard1 + e.ipCard2, "", "kept cards that collide are dropped")
            e.ipCard1 = "Jc"
            e.ipCard2 = "Jd"
            e._dealDrillHand()
            compare(e.ipCard1 + e.ipCard2, "JcJd")
            tree[0].seats = { OOP: [], IP: [{ c1: "Qh", c2: "Kd", weight: 1 }, { c1: "Ac", c2: "Ad", weight: 1 }] }
            r.controller.nodes = tree
            e._random = function () { return 0 }
            e._dealDrillHand()
            // OOP keeps QhKd, so IP's first combo is blocked.
            compare(e.oopCard1 + e.oopCard2, "QhKd")
            compare(e.ipCard1 + e.ipCard2, "AcAd")
        }

        function test_logFollowsPinsAndCloses() {
            var r = rig()
            var e = r.engine
            var log = e.handLog
            function finishHand() {
                if (e.playSessionStarted)
                    e._resetToRootAndRestartHand()
                else
                    e.startPlaySession("OOP")
                tryCompare(e, "playAwaitingUserAction", true, 5000)
                e.chooseAction(1)
            }
            finishHand()
            compare(child(r, "handCountText").text, "1 hand")
            finishHand()
            compare(log.playHandLog.count, 2)
            compare(log.playSelectedLogIndex, 0)
            compare(child(r, "handCountText").text, "2 hands")
            mouseClick(child(r, "handLogEntry1"))
            compare(log.playSelectedLogIndex, 1)
            compare(log.playFollowLatestHandDetails, false)
            finishHand()  // another hand keeps the pin
            compare(log.playSelectedLogIndex, 2)
            compare(log.playFollowLatestHandDetails, false)
            tryVerify(function () { return findChild(r.page, "handLogEntry0") !== null })
            mouseClick(child(r, "handLogEntry0"))
            compare(log.playSelectedLogIndex, 0)
            verify(log.playFollowLatestHandDetails)
            mouseClick(child(r, "closeDetailsButton"))
            compare(log.playSelectedLogIndex, -1)
            compare(child(r, "playHandDetails").visible, false)
            finishHand()
            compare(log.playSelectedLogIndex, -1)
            log.selectPlayLog(7)
            compare(log.playSelectedLogIndex, -1)
            compare(log.playSelectedDetails, {})
        }
    
        function test_redealReplacesTheStepsAfterTheReplacedCard() {
            var r = rig(turnTree())
            var e = r.engine
            var page = r.page
            e.startPlaySession("IP")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(0)
            // OOP checks, the turn 7c comes, OOP checks again: IP to act.
            tryCompare(page, "currentNodeIndex", 10, 2000)
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            compare(e.playActionLine, "IP: Check \u2192 OOP: Check \u2192 Chance: 7c \u2192 OOP: Check")
            e.requestRedeal(3)
            page.chooseChanceCard(1, "7c")
            // The line is the new path's: OOP's turn check is undone.
            compare(page.currentNodeIndex, 8)
            compare(e.playActionLine, "IP: Check \u2192 OOP: Check \u2192 Chance: 7c")
            compare([e.playLastActionActor, e.playLastActionText], ["", ""], "nobody has acted on the new turn yet")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(0)
            tryCompare(e, "playHandComplete", true, 5000)
            var entry = e.handLog.entryAt(0)
            compare(entry.line, "IP: Check \u2192 OOP: Check \u2192 Chance: 7c \u2192 OOP: Check \u2192 IP: Check")
            compare(e.handLog.playSelectedDetails.turnActions, ["OOP: Check", "IP: Check"])
            compare(e.handLog.playSelectedDetails.riverActions, [])
            compare(r.controller.recorded.length, 1)
        }

        // A seat no hand could be dealt to takes no decision: the table says
        // why, shows no buttons, and judges neither a choice nor a drill.
        function test_noGradeWithoutAHandOrItsEv() {
            var r = rig()
            var e = r.engine
            var tree = r.controller.nodes
            tree[0].seats = tree[1].seats = { OOP: [], IP: tree[1].seats.IP }
            r.controller.nodes = tree
            r.controller.statsOverride = { "1": [{ name: "Check", ev: 10 }, { name: "Bet 50%", ev: 0 }] }
            mouseClick(child(r, "playAsOopButton"))
            tryCompare(r.page, "currentNodeIndex", 1, 5000)  // IP checked
            wait(60)
            compare([e.oopCard1 + e.oopCard2, e.playNoHandSeat, e.playAwaitingUserAction, child(r, "actionPrompt").visible],
                    ["", "OOP", false, false])
            var notice = child(r, "playNotice")
            verify(notice.visible && notice.text.indexOf("No hand could be dealt to OOP") === 0, notice.text)
            e.chooseAction(1)
            compare([e.playHandComplete, e.handLog.playHandLog.count, r.page.currentNodeIndex], [false, 0, 1])
            mouseClick(child(r, "drillButton"))
            compare([e.playDrillMode, e.playAwaitingUserAction], [true, false])
            e.chooseAction(1)
            compare([e.playDrillFeedbackText, e.drillNextTimer.running], ["", false])

            // A hand the node's figures give no EV (it meets no opponent hand)
            // is not graded either, rather than by the range's average.
            tree[0].seats = tree[1].seats = tree[2].seats
            tree[1].combos = [Trees.pocket("As", "Ks", [NaN, NaN])]
            r.controller.nodes = tree
            e.startPlaySession("OOP")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.chooseAction(1)
            compare([e.playHandComplete, e.handLog.playHandLog.count, r.page.currentNodeIndex], [false, 0, 4])
            compare(child(r, "playNotice").text,
                    "Not graded: the hand AsKs meets no hand of the opponent's range here, so it has no EV.")
            e._resetToRootAndRestartHand()
            compare(child(r, "playNotice").visible, false)
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            e.startDrillSpot()
            e.chooseAction(1)
            compare(e.playDrillFeedbackText, "Not graded: this hand has no EV here")
            verify(Qt.colorEqual(child(r, "drillFeedback").textColor, appTheme.gold))
        }

        // Play is offered only with a result: not during a solve, nor before one gave a tree.
        function test_playIsOfferedOnlyWithAResult() {
            var r = rig()
            var toggle = child(r, "playModeToggle")
            r.page.playMode = false
            r.controller.running = true
            mouseClick(toggle)
            compare([r.page.playMode, toggle.enabled], [false, false])
            r.controller.running = false
            mouseClick(toggle)
            compare(r.page.playMode, true)
            r.controller.finishSolve([])
            compare([r.page.playMode, toggle.enabled], [false, false])
        }

        // Seats, board, pot, dealer button, bubbles, prompt and "Another hand"
        // never cover one another nor leave the table, wide or narrow.
        function test_tableKeepsItsPartsApart() {
            var r = rig()
            var e = r.engine
            var names = ["oopSeat", "ipSeat", "playBoard", "boardHint", "potText", "dealerButton", "opponentBubble",
                         "actionPrompt", "anotherHandButton", "drillButton", "drillFeedback", "drillOopContext"]
            function check(table, what) {
                waitForRendering(table)
                var rects = []
                for (var i = 0; i < names.length; ++i) {
                    var it = findChild(table, names[i])
                    if (!it || !it.visible)
                        continue
                    var p = it.mapToItem(table, 0, 0)
                    var flow = names[i] === "actionPrompt"
                    var q = { n: names[i], x: p.x, y: p.y, w: flow ? it.childrenRect.width : it.width,
                              h: flow ? it.childrenRect.height : it.height }
                    verify(q.x >= -0.5 && q.x + q.w <= table.width + 0.5 && q.y >= -0.5
                           && q.y + q.h <= table.height + 0.5, what + ": " + q.n + " inside the table")
                    for (var k = 0; k < rects.length; ++k) {
                        var o = rects[k]
                        verify(q.x + q.w <= o.x + 0.5 || o.x + o.w <= q.x + 0.5 || q.y + q.h <= o.y + 0.5
                               || o.y + o.h <= q.y + 0.5, what + ": " + q.n + " and " + o.n + " apart")
                    }
                    rects.push(q)
                }
            }
            function start(role) {
                r.page.playMode = false
                r.page.playMode = true
                e.startPlaySession(role)
                tryCompare(e, "playAwaitingUserAction", true, 5000)
            }
            var sizes = [[760, 600], [520, 440]]
            for (var k = 0; k < sizes.length; ++k) {
                var table = createTemporaryObject(tableComp, host, { engine: e, width: sizes[k][0], height: sizes[k][1] })
                var what = sizes[k][0] + "x" + sizes[k][1]
                var ipCard = findChild(findChild(table, "ipSeat"), "pocketCard0")
                start("IP")  // IP's buttons beside the dealer button, a long action beside OOP
                e._setLastAction("OOP", "Raise 150%")
                check(table, what + " IP to act")
                start("OOP")  // IP checked: OOP to act, a long action beside the dealer button
                e._setLastAction("IP", "Raise 150%")
                check(table, what + " OOP to act")
                e.playTickTimer.stop()
                e._advancePlayByActionIndex(1)  // OOP bets: an IP drill shows IP's cards
                e.playTickTimer.stop()
                e.startDrillSpot()
                compare(ipCard.faceDown, false)
                // A short verdict sits above the drill button; a long one
                // moves to the top-left corner rather than cover the board.
                e.playDrillFeedbackText = "Correct"
                var toast = findChild(table, "drillFeedback")
                var button = findChild(table, "drillButton")
                compare(toast.y + toast.height, button.y + button.height - 48)
                check(table, what + " IP drill")
                e.playDrillFeedbackText = "Wrong \u2014 best: Raise 150% (EV -17.328)"
                check(table, what + " IP drill, long verdict")
                e.stopDrillSpot()
                compare(ipCard.faceDown, true)
                start("OOP")
                e.chooseAction(1)  // a mistake ends the hand
                verify(e.playHandComplete)
                check(table, what + " hand complete")
            }
        }
    }
}
