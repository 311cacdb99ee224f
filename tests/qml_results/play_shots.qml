import QtQuick
import QtQuick.Window
import Velmora
import "../../Velmora/qml/pages/results/PlayMath.js" as PlayMath
import "../../Velmora/qml/pages/results/ResultsCards.js" as Cards

// Drives play mode on a solved turn spot for scripts/play-screenshots.sh, as
// `role`: "play" stops when the hero is to act after the other seat acted
// (cards, bubble, action prompt), "showdown" and "fold" when a hand played
// by the solution ended that way, "mistake" when a hand ended on a mistake,
// "drill" when a drilled choice was judged wrong, "redeal" with the turn
// picker open on the river, "redeal-done" after a new turn was chosen there,
// "log" after a few hands with the details of a mistaken one open, "home" on
// the home page after those hands, "river" on the river after OOP called
// IP's turn bet, "nohand" after "Drill spot" on a
// project opened from a file that holds no hands to deal. Prints READY
// through hostReport.
Window {
    id: window
    property string shot: "play"
    property string role: "OOP"
    // Where "nohand" keeps the project it opens again.
    property string tempDir: ""
    width: 1540
    height: 1200
    visible: true
    color: "#080B12"
    title: "Caldirune"

    AppShell {
        id: shell
        anchors.fill: parent
        controller: appController
    }

    // The re-deal pictures need a turn dealt in the hand: a flop spot.
    readonly property bool fromFlop: shot === "redeal" || shot === "redeal-done"
    readonly property var spot: ({
        boardText: fromFlop ? "QsJh2h" : "QsJh2h7c", startingStreet: fromFlop ? "flop" : "turn",
        oopRangeText: "AA,KK,QQ,AKs,KQs,T9s", ipRangeText: "JJ,TT,99,AQs,KJs,98s",
        startingPot: 100, effectiveStack: 100, maxIterations: fromFlop ? 20 : 60, targetExploitability: 0.0,
        rakePercent: 5, rakeCap: 10, threadCount: 2,
        oopFlopBetSizesText: "50", oopTurnBetSizesText: "50", oopRiverBetSizesText: "50",
        oopFlopRaiseSizesText: "50", oopTurnRaiseSizesText: "50", oopRiverRaiseSizesText: "50",
        ipFlopBetSizesText: "50", ipTurnBetSizesText: "50", ipRiverBetSizesText: "50",
        ipFlopRaiseSizesText: "50", ipTurnRaiseSizesText: "50", ipRiverRaiseSizesText: "50"
    })
    property var page: null
    property var engine: null
    property bool started: false
    property int hands: 0

    function _find(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        var kids = item.children || []
        for (var i = 0; i < kids.length; ++i) {
            var hit = _find(kids[i], name)
            if (hit)
                return hit
        }
        return null
    }

    // The first action of the play node that is a mistake for the seat to act, or -1.
    function _mistakeIndex() {
        var e = engine
        var actor = e.playDrillMode ? e.playDrillActor : e.playNodeMeta.player
        var node = e.playDrillMode ? e.playDrillNodeIndex : e.playNode
        for (var k = 0; k < e.playNodeActions.length; ++k) {
            if (PlayMath.isMistake(e._suboptimalEvInfoAtNode(node, actor, k), e.playSuboptimalEpsilon,
                                   e.playSuboptimalRelativeTol))
                return k
        }
        return -1
    }
    function _bestIndex() {
        var info = engine._suboptimalEvInfoAtNode(engine.playNode, engine.playNodeMeta.player, 0)
        return info.ok ? info.bestIndex : 0
    }
    function _indexOf(name) {
        var a = engine.playNodeActions
        for (var k = 0; k < a.length; ++k) {
            if (a[k].name === name)
                return k
        }
        return 0
    }
    function _done() {
        poll.stop()
        settle.start()
    }

    // Whether the hand just ended is the one the picture wants.
    function _wanted(entry) {
        if (shot === "showdown")
            return entry.endedReason === "terminal" && entry.board.length >= 10 && entry.line.indexOf("Fold") < 0
        if (shot === "fold")
            return entry.endedReason === "terminal" && PlayMath.foldWinner(entry.line) !== ""
        if (shot === "mistake")
            return entry.isMistake
        if (shot === "log" || shot === "home")
            return hands >= 5 && entry.isMistake
        return false
    }

    property bool redealt: false
    function _redeal() {
        var e = engine
        if (page.chancePickerLevelIndex < 0) {
            e.requestRedeal(3)
            if (shot === "redeal")
                _done()
            return
        }
        var turn = e.playBoardText.substr(6, 2)
        var list = page.chancePickerAvailableCardIndices
        for (var i = 0; i < list.length; ++i) {
            var name = String(page.chancePickerActions[list[i]].name)
            if (name !== turn && page._chanceCardIndexForSelection(name) >= 0) {
                redealt = true
                page.chooseChanceCard(list[i], name)
                return
            }
        }
    }

    function _step() {
        var e = engine
        if (e.playHandComplete) {
            ++hands
            if (_wanted(e.handLog.entryAt(0)) || (shot === "redeal-done" && redealt)) {
                if (shot === "home") {
                    // Every logged hand is counted once, none twice.
                    var counted = appController.playVsSolutionStats().totalHands
                    if (counted !== e.handLog.playHandLog.count) {
                        console.error("home counts", counted, "hands, the log holds", e.handLog.playHandLog.count)
                        Qt.exit(1)
                        return
                    }
                    shell.navIndex = 0
                }
                _done()
                return
            }
            e._resetToRootAndRestartHand()
            return
        }
        // No hand to deal: no decision waits, and "Drill spot" deals none.
        if (shot === "nohand") {
            if (e.playNoHandSeat === "")
                return
            if (!e.playDrillMode)
                e.startDrillSpot()
            else
                _done()
            return
        }
        if (!e.playAwaitingUserAction)
            return
        if (shot === "play") {
            var acted = e.playActionLine !== "" && (role === "BOTH" || e.playLastActionText !== "")
            if (acted && (role !== "OOP" || e.playLastActionText.indexOf("Bet") === 0))
                _done()
            else if (e.playActionLine === "")
                e.chooseAction(role === "OOP" ? _indexOf("Check") : _bestIndex())
            else
                e._resetToRootAndRestartHand()
        } else if (shot === "river") {
            if (Cards.stripWhitespace(e.playBoardText).length >= 10) {
                if (e.playActionLine.indexOf("OOP: Call") >= 0)
                    _done()
                else
                    e._resetToRootAndRestartHand()
                return
            }
            // Check, and call IP's bet: the turn goes to the river.
            var turnCheck = _indexOf("Check")
            e.chooseAction(e.playNodeActions[turnCheck].name === "Check" ? turnCheck : _indexOf("Call"))
        } else if (shot === "drill") {
            if (!e.playDrillMode) {
                e.startDrillSpot()
                return
            }
            var wrong = _mistakeIndex()
            if (wrong < 0) {
                e._dealDrillHand()
                return
            }
            e.chooseAction(wrong)
            // Kept on screen for the picture.
            e.drillFeedbackTimer.stop()
            e.drillNextTimer.stop()
            _done()
        } else if ((shot === "redeal" || shot === "redeal-done") && !redealt
                   && Cards.stripWhitespace(e.playBoardText).length >= 10) {
            _redeal()
        } else if (shot === "redeal-done" && redealt) {
            _done()
        } else if (fromFlop) {
            // Passive play reaches the river most often.
            var passive = _indexOf("Check")
            e.chooseAction(e.playNodeActions[passive].name === "Check" ? passive : _indexOf("Call"))
        } else {
            var k = shot === "mistake" || ((shot === "log" || shot === "home") && hands >= 4) ? _mistakeIndex() : -1
            e.chooseAction(k >= 0 ? k : _bestIndex())
        }
    }

    Timer { id: poll; interval: 120; repeat: true; onTriggered: window._step() }
    Timer { id: settle; interval: 800; onTriggered: hostReport.ready() }

    Connections {
        target: shell
        function onCanSolveChanged() {
            if (shell.canSolve && !window.started) {
                window.started = true
                appController.startSolveWithConfig(shell._solveMemCfg())
            }
        }
    }
    Connections {
        target: appController
        function onRunningChanged() { Qt.callLater(window._begin) }
        function onResultsChanged() { Qt.callLater(window._begin) }
    }

    property bool reopened: false
    function _begin() {
        if (engine || appController.running || appController.resultIterations <= 0)
                return
        // A project opened from a file holds only the node figures that were
        // looked at before it was saved: no hands to deal at the root.
        if (shot === "nohand" && !reopened) {
            reopened = true
            var file = "file://" + tempDir + "/nohand.velmoraproj"
            appController.saveProject(file, shell.exportProjectState())
            appController.clearResults()
            appController.loadProject(file)
        }
        shell.navIndex = 3
        page = _find(shell, "resultsPage")
        engine = page.playEngine
        engine.playStepDelayMs = 150
        page.playMode = true
        engine.startPlaySession(role)
        poll.start()
    }
    // After the shell has finished its own start-up.
    Timer {
        running: true
        interval: 200
        onTriggered: {
            shell.resetToNewProject()
            shell.applyProjectState(window.spot)
        }
    }
}
