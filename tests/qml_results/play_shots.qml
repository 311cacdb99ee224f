import QtQuick
import QtQuick.Window
import Velmora
import "../../Velmora/qml/pages/results/PlayMath.js" as PlayMath

// Drives play mode on a solved turn spot for scripts/play-screenshots.sh:
// "play" stops when OOP faces IP's bet (cards, bubble, action prompt),
// "drill" when a drilled choice was judged wrong, "log" after a few hands
// with the details of a mistaken one open. Prints READY through hostReport.
Window {
    id: window
    property string shot: "play"
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

    readonly property var spot: ({
        boardText: "QsJh2h7c", startingStreet: "turn",
        oopRangeText: "AA,KK,QQ,AKs,KQs,T9s", ipRangeText: "JJ,TT,99,AQs,KJs,98s",
        startingPot: 100, effectiveStack: 100, maxIterations: 60, targetExploitability: 0.0,
        rakePercent: 5, rakeCap: 3, threadCount: 2,
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

    function _step() {
        var e = engine
        if (e.playHandComplete) {
            ++hands
            if (shot === "log" && hands >= 5 && e.handLog.entryAt(0).isMistake) {
                _done()
                return
            }
            e._resetToRootAndRestartHand()
            return
        }
        if (!e.playAwaitingUserAction)
            return
        if (shot === "play") {
            if (e.playLastActionActor === "IP" && e.playLastActionText.indexOf("Bet") === 0)
                _done()
            else if (e.playActionLine === "")
                e.chooseAction(_indexOf("Check"))
            else
                e._resetToRootAndRestartHand()
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
        } else {
            var k = hands >= 4 ? _mistakeIndex() : -1
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

    function _begin() {
        if (engine || appController.running || appController.resultIterations <= 0)
                return
        shell.navIndex = 3
        page = _find(shell, "resultsPage")
        engine = page.playEngine
        engine.playStepDelayMs = 150
        page.playMode = true
        engine.startPlaySession("OOP")
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
