import QtQuick
import "PlayMath.js" as PlayMath
import "ResultsCards.js" as Cards

// Play against the solution: deals both seats from the solved ranges at the
// node, draws chance cards and the opponent's decisions by the solution's
// frequencies, prices every choice of the user and ends the hand on a
// mistake, drills single decisions, and logs every finished hand. Each step
// of a hand is also taken in the page's tree viewer (`viewer`: its
// navigation state and functions), so the Game Tree shows the hand's line.
// One single-shot timer drives the hand; every path stops or restarts it.
QtObject {
    id: engine

    property var viewer: null
    property var controller: null
    property string boardText: ""
    property real rakePercent: 0.0
    property real rakeCap: 0
    property bool playMode: false

    property string playRole: ""
    property bool playSessionStarted: false
    property string playBoardText: ""
    property bool playAwaitingUserAction: false
    property int playNodeIndex: -1
    property int playStepDelayMs: 1000
    property string playActionLine: ""
    property string playLastActionActor: ""
    property string playLastActionText: ""
    property string oopCard1: ""
    property string oopCard2: ""
    property string ipCard1: ""
    property string ipCard2: ""
    property bool playHandComplete: false
    // The node the last action led to when a mistake ended the hand before
    // it was taken in the tree; -1 otherwise.
    property int playEndNodeIndex: -1
    property bool _internalPlayReset: false
    property bool playStopOnSuboptimalAction: true
    property real playSuboptimalEpsilon: 1e-6
    property real playSuboptimalRelativeTol: 0.01
    property var _playHandComboEvCache: ({})

    property bool playDrillMode: false
    property int playDrillNodeIndex: -1
    property string playDrillActor: ""
    property string playDrillFeedbackText: ""
    property bool playDrillFeedbackWrong: false
    // The last choice could not be graded: the hand has no EV there.
    property bool playDrillFeedbackUngraded: false
    // Says so for a choice of the hand in play; "" when there is nothing to say.
    property string playGradeNotice: ""

    // Uniform random numbers in [0, 1); tests put a fixed sequence here.
    property var _random: Math.random

    readonly property PlayHandLog handLog: PlayHandLog {
        controller: engine.controller
        rakePercent: engine.rakePercent
        rakeCap: engine.rakeCap
    }

    // The node of the hand: the play node, or the viewer's node before one.
    readonly property int playNode: playNodeIndex >= 0 ? playNodeIndex : (viewer ? viewer.currentNodeIndex : -1)
    readonly property var playNodeMeta: {
        void (controller ? controller.resultIterations : 0)
        return _meta(playNode)
    }
    // What the table shows: the pot and stacks after the hand's last action.
    readonly property var playTableMeta: {
        void (controller ? controller.resultIterations : 0)
        return playHandComplete && playEndNodeIndex >= 0 ? _meta(playEndNodeIndex) : playNodeMeta
    }
    readonly property var playNodeActions: {
        void (controller ? controller.resultIterations : 0)
        return _actions(playNode)
    }
    readonly property bool drillAvailable: playNodeMeta.nodeType === "decision"
                                           && (playNodeMeta.player === "OOP" || playNodeMeta.player === "IP")
    // The seat whose decision waits for the user but holds no hand: no hand
    // could be dealt to it, so there is no decision to take. "" otherwise.
    readonly property string playNoHandSeat: {
        if (!playSessionStarted || playHandComplete)
            return ""
        var seat = playDrillMode ? playDrillActor
                 : playNodeMeta.nodeType === "decision" && _isHeroSeat(String(playNodeMeta.player || ""))
                   ? String(playNodeMeta.player) : ""
        return seat !== "" && !hasHand(seat) ? seat : ""
    }
    // The seats whose last deal found no hands because an opened project
    // does not hold them for that node (seat -> true).
    property var _handsNotSaved: ({})
    // What the table tells the user beside the hand, "" for nothing.
    readonly property string playNoticeText: playNoHandSeat === "" ? playGradeNotice
        : _handsNotSaved[playNoHandSeat] === true
          ? qsTr("No hand could be dealt to %1: this node's details were not saved with the project. Solve the spot again to play it.")
                .arg(playNoHandSeat)
          : qsTr("No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.")
                .arg(playNoHandSeat)

    readonly property Timer playTickTimer: Timer {
        objectName: "playTickTimer"
        interval: 0
        repeat: false
        onTriggered: engine.playTick()
    }
    readonly property Timer drillFeedbackTimer: Timer {
        objectName: "drillFeedbackTimer"
        interval: 700
        repeat: false
        onTriggered: {
            engine.playDrillFeedbackText = ""
            engine.playDrillFeedbackWrong = false
            engine.playDrillFeedbackUngraded = false
        }
    }
    readonly property Timer drillNextTimer: Timer {
        objectName: "drillNextTimer"
        interval: 450
        repeat: false
        onTriggered: {
            if (!engine.playDrillMode)
                return
            engine._dealDrillHand()
            engine.playAwaitingUserAction = engine.hasHand(engine.playDrillActor)
        }
    }

    readonly property Connections _viewerWatch: Connections {
        target: engine.viewer
        ignoreUnknownSignals: true
        function onCurrentNodeIndexChanged() { engine._onViewerNodeChanged() }
    }
    readonly property Connections _resultsWatch: Connections {
        target: engine.controller
        ignoreUnknownSignals: true
        function onResultsChanged() { engine._onNewResults() }
    }

    onPlayModeChanged: {
        playTickTimer.stop()
        _resetViewerToRoot()
        resetPlaySession()
    }

    // ---- node access -------------------------------------------------------

    function _hasTree() {
        return !!controller && typeof controller.treeNodeCount === "function" && controller.treeNodeCount() > 0
    }
    function _meta(nodeIndex) {
        var m = viewer && nodeIndex >= 0 ? viewer._metaForNode(nodeIndex) : null
        return m ? m : {}
    }
    function _actions(nodeIndex) {
        var a = viewer && nodeIndex >= 0 ? viewer._actionsForNode(nodeIndex) : null
        return a ? a : []
    }
    function _actionListAtPlayNode() {
        return _actions(playNode)
    }
    function _actionName(actions, index) {
        var a = viewer ? viewer._safeActionAt(actions, index) : null
        return a && a.name !== undefined && a.name !== null ? String(a.name) : ""
    }

    // ---- small helpers -----------------------------------------------------

    function _isHeroSeat(seat) {
        return playRole === "BOTH" || (seat !== "" && seat === playRole)
    }
    // Whether the seat holds its two hole cards.
    function hasHand(seat) {
        return seat === "OOP" ? oopCard1 !== "" && oopCard2 !== ""
             : seat === "IP" ? ipCard1 !== "" && ipCard2 !== "" : false
    }
    // The table shows a seat's cards to the user when it is a hero seat, and
    // the drilled seat's while it is drilled, whoever plays it in the hand.
    function seatFaceUp(seat) {
        return _isHeroSeat(seat) || (playDrillMode && seat !== "" && seat === playDrillActor)
    }
    function _setLastAction(actor, text) {
        playLastActionActor = actor ? String(actor) : ""
        playLastActionText = text ? String(text) : ""
    }
    function _parseBoardCardsNormalized() {
        return Cards.parseBoardCardsNormalized(playBoardText !== "" ? playBoardText : boardText)
    }
    function _holeCards() {
        return [oopCard1, oopCard2, ipCard1, ipCard2]
    }
    // Cards that no re-dealt board card may take while the hand holds them.
    function holeCardMap() {
        if (!playSessionStarted)
            return {}
        return PlayMath.markUsed({}, _holeCards())
    }
    function _clearHand() {
        _handsNotSaved = {}
        playEndNodeIndex = -1
        playGradeNotice = ""
        playActionLine = ""
        _setLastAction("", "")
        oopCard1 = ""
        oopCard2 = ""
        ipCard1 = ""
        ipCard2 = ""
    }
    function _resetViewerToRoot() {
        if (!viewer)
            return
        _internalPlayReset = true
        viewer.resetTreeToRoot()
        _internalPlayReset = false
    }
    function _isMistake(info) {
        return PlayMath.isMistake(info, playSuboptimalEpsilon, playSuboptimalRelativeTol)
    }

    // ---- session -----------------------------------------------------------

    function resetPlaySession() {
        playTickTimer.stop()
        _clearDrill()
        handLog.playFollowLatestHandDetails = true
        playRole = ""
        playSessionStarted = false
        playBoardText = ""
        playAwaitingUserAction = false
        playNodeIndex = -1
        _clearHand()
        playHandComplete = false
    }

    function startPlaySession(role) {
        _clearDrill()
        playRole = role === undefined || role === null ? "" : String(role)
        playSessionStarted = true
        playHandComplete = false
        playBoardText = Cards.stripWhitespace(boardText)
        playAwaitingUserAction = false
        playNodeIndex = viewer ? viewer.currentNodeIndex : -1
        _clearHand()
        _startPlaySessionImpl()
    }

    function _startPlaySessionImpl() {
        var used = PlayMath.markUsed({}, _parseBoardCardsNormalized())
        if (playRole === "OOP" || playRole === "IP" || playRole === "BOTH") {
            _dealToSeat("OOP", used)
            _dealToSeat("IP", used)
        }
        _schedulePlayTick(0)
    }

    // "Another hand": a new deal at the root with the same role.
    function _resetToRootAndRestartHand() {
        if (!playMode || !playSessionStarted || playRole === "")
            return
        playTickTimer.stop()
        playHandComplete = false
        _resetViewerToRoot()
        playNodeIndex = viewer ? viewer.currentNodeIndex : -1
        _restartHandAtRoot()
    }

    function _restartHandAtRoot() {
        if (!playMode || playRole === "")
            return
        playSessionStarted = true
        playHandComplete = false
        playBoardText = Cards.stripWhitespace(boardText)
        playAwaitingUserAction = false
        playNodeIndex = viewer ? viewer.currentNodeIndex : -1
        _clearHand()
        _startPlaySessionImpl()
    }

    // ---- dealing -----------------------------------------------------------

    function _dealToSeat(seat, used) {
        return _dealToSeatAtNode(viewer ? viewer.currentNodeIndex : -1, seat, used)
    }

    // The solver's suits and those the board shows: they differ once a
    // clicked card was shown in place of the solver's. Hole cards are the
    // cards shown; the solver's queries take them in its own suits.
    function _solverToShown() {
        return viewer && viewer.solverToShownSuits ? viewer.solverToShownSuits : null
    }
    function _inSolverSuits(card) {
        var shown = _solverToShown()
        return shown ? Cards.mapCardSuit(card, Cards.inverseSuits(shown)) : Cards.normalizeCardText(card)
    }

    // Whether an opened project lacks the hands `seat` holds at the node.
    function _seatHandsNotSaved(nodeIndex, seat) {
        if (!_hasTree() || typeof controller.nodeDetailsMissing !== "function")
            return false
        var missing = controller.nodeDetailsMissing(nodeIndex) || {}
        return (seat === "IP" ? missing.ipHands : missing.oopHands) === true
    }

    function _dealToSeatAtNode(nodeIndex, seat, used) {
        var list = _hasTree() && nodeIndex >= 0
                ? Cards.combosInSuits(controller.nodeSeatHandCombos(nodeIndex, seat), _solverToShown()) : []
        var notSaved = Object.assign({}, _handsNotSaved)
        notSaved[seat] = list.length === 0 && nodeIndex >= 0 && _seatHandsNotSaved(nodeIndex, seat)
        _handsNotSaved = notSaved
        var pick = PlayMath.pickWeightedCombo(PlayMath.eligibleCombosForDeal(list, used), _random)
        if (!pick)
            return false
        used[pick.c1] = true
        used[pick.c2] = true
        if (seat === "OOP") {
            oopCard1 = pick.c1
            oopCard2 = pick.c2
        } else {
            ipCard1 = pick.c1
            ipCard2 = pick.c2
        }
        return true
    }

    // ---- steps -------------------------------------------------------------

    function _schedulePlayTick(ms) {
        if (!playMode || !playSessionStarted)
            return
        var d = PlayMath.toNumber(ms)
        d = isFinite(d) ? Math.max(0, Math.round(d)) : 0
        playTickTimer.stop()
        playTickTimer.interval = d
        playTickTimer.start()
    }

    function playTick() {
        if (!playMode || !playSessionStarted || playHandComplete || playDrillMode || !viewer)
            return
        if (!_hasTree())
            return
        if (playNodeIndex < 0)
            playNodeIndex = viewer.currentNodeIndex
        var meta = _meta(playNodeIndex)
        var type = meta.nodeType
        if (type === "terminal") {
            playAwaitingUserAction = false
            playHandComplete = true
            _logPlayHand({ endedReason: "terminal" })
            return
        }
        if (type === "chance") {
            playAwaitingUserAction = false
            _autoHandleChanceNode()
            return
        }
        if (type !== "decision") {
            playAwaitingUserAction = false
            return
        }
        var actor = meta.player ? String(meta.player) : ""
        if (playRole === "BOTH" || playRole === actor) {
            // No decision without a hand: the table says why (playNoHandSeat).
            playAwaitingUserAction = hasHand(actor)
            return
        }
        playAwaitingUserAction = false
        _autoHandleOpponentDecision(actor)
    }

    function _pickWeightedActionIndex(actions, usedCardMap) {
        return PlayMath.pickWeightedActionIndex(actions, usedCardMap, _random)
    }

    function _autoHandleChanceNode() {
        var shownCards = _parseBoardCardsNormalized().concat(_holeCards())
        var used = PlayMath.markUsed({}, shownCards.map(_inSolverSuits))
        var actions = _actionListAtPlayNode()
        var index = _pickWeightedActionIndex(actions, used)
        if (index < 0)
            return
        // The tree viewer shows this very card at the node (in the suits the
        // board shows), not a card the user once clicked there.
        var card = Cards.mapCardSuit(_actionName(actions, index), _solverToShown())
        if (card !== "" && viewer.chanceCardDisplayOverrideByNode !== undefined) {
            var overrides = {}
            var old = viewer.chanceCardDisplayOverrideByNode || {}
            for (var k in old)
                overrides[k] = old[k]
            overrides[String(playNode)] = card
            viewer.chanceCardDisplayOverrideByNode = overrides
        }
        _advancePlayByActionIndex(index)
    }

    function _autoHandleOpponentDecision(actor) {
        var actions = _actionListAtPlayNode()
        var index = _pickWeightedActionIndex(actions, null)
        if (index < 0)
            return
        if (!_isHeroSeat(actor))
            _setLastAction(actor, _actionName(actions, index))
        _advancePlayByActionIndex(index)
    }

    // One step of the hand along action `actionIndex` of the play node, taken
    // in the tree viewer too (terminal children included).
    function _advancePlayByActionIndex(actionIndex) {
        if (!viewer || !controller)
            return
        var node = playNode
        var action = viewer._safeActionAt(_actions(node), actionIndex)
        if (!action)
            return
        var child = PlayMath.toNumber(action.childIndex)
        if (!isFinite(child) || child < 0 || child >= controller.treeNodeCount())
            return
        var name = action.name !== undefined && action.name !== null ? String(action.name) : ""
        var meta = _meta(node)
        // A dealt card is the one the board shows, in the board's suits.
        if (name.length === 2) {
            var shown = meta.nodeType === "chance" ? viewer._chanceCardShown(node, actionIndex) : ""
            name = shown !== "" ? shown : Cards.normalizeCardText(name)
            playBoardText = playBoardText + name
        }
        var actor = meta.nodeType === "decision" ? (meta.player ? String(meta.player) : "")
                  : meta.nodeType === "chance" ? "Chance" : ""
        playActionLine = PlayMath.appendStep(playActionLine, actor, name)
        // A new street starts with no action in front of either seat.
        if (actor === "Chance")
            _setLastAction("", "")

        var levels = viewer.treeLevels
        if (levels.count === 0)
            viewer.resetTreeToRoot()
        levels.setProperty(levels.count - 1, "selectedActionIndex", actionIndex)
        viewer.rebuildBreadcrumbs()
        levels.append({ nodeIndex: child, selectedActionIndex: -1 })
        viewer.currentNodeIndex = child
        var childMeta = _meta(child)
        if (childMeta.player)
            viewer.selectedPlayer = String(childMeta.player)
        playNodeIndex = child
        _schedulePlayTick(playStepDelayMs)
    }

    function _appendActionToPlayLine(actor, actionName) {
        playActionLine = PlayMath.appendStep(playActionLine, actor, actionName)
    }

    // ---- the user's choice -------------------------------------------------

    // An action button of the play table: in a drill the drill judges it;
    // otherwise the choice is priced, and a mistake ends and logs the hand.
    function chooseAction(actionIndex) {
        if (playDrillMode) {
            _handleDrillChoice(actionIndex)
            return
        }
        // Only a decision the table asks for, of a seat holding its hand.
        if (!playSessionStarted || playHandComplete || !playAwaitingUserAction)
            return
        var node = playNode
        var actions = _actions(node)
        var meta = _meta(node)
        var actor = meta.player ? String(meta.player) : ""
        if (!hasHand(actor))
            return
        var name = _actionName(actions, actionIndex)
        playAwaitingUserAction = false
        playGradeNotice = ""
        if (playStopOnSuboptimalAction) {
            var info = _suboptimalEvInfoAtNode(node, actor, actionIndex)
            if (info.noEv === true)
                playGradeNotice = _ungradedText(actor)
            if (_isMistake(info)) {
                playTickTimer.stop()
                _appendActionToPlayLine(actor, name)
                var taken = viewer._safeActionAt(actions, actionIndex)
                var end = taken ? PlayMath.toNumber(taken.childIndex) : NaN
                playEndNodeIndex = isFinite(end) && end >= 0 ? end : -1
                playHandComplete = true
                _logPlayHand({
                    endedReason: "suboptimal",
                    mistakeActor: actor,
                    mistakeAction: name,
                    chosenActionIndex: actionIndex,
                    correctActionIndex: info.bestIndex,
                    correctAction: _actionName(actions, info.bestIndex),
                    evLoss: info.evLoss,
                    chosenEv: info.chosenEv,
                    bestEv: info.bestEv
                })
                return
            }
        }
        _advancePlayByActionIndex(actionIndex)
    }

    // EVs of the actor's hand at a node: the node's per-combo EVs, then the
    // pocket's EVs from the back end, then the range-averaged action EVs for
    // a hand neither knows. A hand one of them knows without a figure has no
    // EV there ({ok: false, noEv: true}): it meets no opponent hand, and a
    // range average would grade a choice it never faced. A seat without a
    // hand has nothing to grade ({ok: false}).
    function _suboptimalEvInfoAtNode(nodeIndex, actor, actionIndex) {
        if ((actor !== "OOP" && actor !== "IP") || !_hasTree() || !(nodeIndex >= 0) || !hasHand(actor))
            return { ok: false }
        var c1 = _inSolverSuits(actor === "OOP" ? oopCard1 : ipCard1)
        var c2 = _inSolverSuits(actor === "OOP" ? oopCard2 : ipCard2)
        var key = String(nodeIndex)
        if (_playHandComboEvCache[key] === undefined)
            _playHandComboEvCache[key] = PlayMath.comboEvMap(controller.nodeHandCombos(nodeIndex))
        var info = PlayMath.pocketEvInfo(_playHandComboEvCache[key][c1 + c2], actionIndex)
        if (info)
            return info
        if (typeof controller.nodePocketActionEvs === "function") {
            info = PlayMath.pocketEvInfo(controller.nodePocketActionEvs(nodeIndex, actor, c1, c2), actionIndex)
            if (info)
                return info
        }
        var stats = typeof controller.nodeActionStats === "function" ? controller.nodeActionStats(nodeIndex) : []
        var evs = []
        for (var i = 0; stats && i < stats.length; ++i)
            evs.push(stats[i] ? stats[i].ev : NaN)
        info = PlayMath.evInfoFromList(evs, actionIndex)
        return info ? info : { ok: false }
    }

    // What the table says of a choice that could not be graded.
    function _ungradedText(actor) {
        var hand = actor === "OOP" ? oopCard1 + oopCard2 : ipCard1 + ipCard2
        return qsTr("Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.").arg(hand)
    }

    // ---- logging -----------------------------------------------------------

    function _logPlayHand(extra) {
        var meta = _meta(playNode)
        function figure(v) {
            var n = PlayMath.toNumber(v)
            return isFinite(n) ? n : 0
        }
        var entry = PlayMath.makeLogEntry({
            time: new Date().toLocaleTimeString(Qt.locale(), Locale.ShortFormat),
            board: playBoardText,
            role: playRole,
            oop: oopCard1 + oopCard2,
            ip: ipCard1 + ipCard2,
            line: playActionLine,
            pot: figure(meta.pot),
            investedOop: figure(meta.investedOop),
            investedIp: figure(meta.investedIp)
        }, extra)
        handLog.addEntry(entry)
        if (controller && typeof controller.recordPlayVsSolutionHand === "function")
            controller.recordPlayVsSolutionHand(entry.isMistake === true, isFinite(entry.evLoss) ? entry.evLoss : 0)
    }

    // ---- viewer and back-end events ------------------------------------------

    function _onViewerNodeChanged() {
        _playHandComboEvCache = {}
        if (!playMode)
            return
        if (!playSessionStarted) {
            resetPlaySession()
            return
        }
        if (!playHandComplete && !_internalPlayReset) {
            playNodeIndex = viewer.currentNodeIndex
            _schedulePlayTick(0)
        }
    }

    // New results replace the tree the hand was played on: the hand is
    // dropped unlogged and the role chooser returns.
    function _onNewResults() {
        _playHandComboEvCache = {}
        if (playMode)
            resetPlaySession()
    }

    // A click on the turn (slot 3) or river (slot 4) of the play board opens
    // the chance picker on that street's level of the tree path.
    function requestRedeal(slotIndex) {
        if (!playMode || !playSessionStarted || playHandComplete || playDrillMode || !viewer)
            return
        if (slotIndex !== 3 && slotIndex !== 4)
            return
        if (slotIndex === 4 && Cards.stripWhitespace(playBoardText).length < 8)
            return
        var level = viewer._findChanceLevel(slotIndex === 3 ? "turn" : "river")
        if (level < 0)
            return
        playTickTimer.stop()
        viewer.openChancePicker(level, viewer.treeLevels.get(level).nodeIndex)
    }

    // The picker chooses a card during a hand: the tree path is cut back to
    // the chance level before the card is selected there.
    function beginChanceRedeal(levelIndex) {
        if (!playMode || !playSessionStarted)
            return false
        playTickTimer.stop()
        playAwaitingUserAction = false
        viewer._jumpToLevelForReselect(levelIndex)
        _rebuildPlayBoardFromTree()
        return true
    }

    // After the card was selected: the hand goes on from the new node at once.
    // Its line and the opponent's last action are those of the new path, so
    // that steps taken after the replaced card are not logged as played.
    function finishChanceRedeal() {
        if (!playMode || !playSessionStarted)
            return
        _rebuildPlayBoardFromTree()
        playActionLine = PlayMath.lineFromPath(viewer._levelRows(), viewer._actionsForNode, viewer._metaForNode,
                                               viewer.chanceCardDisplayOverrideByNode)
        var opponent = playRole === "OOP" ? "IP" : playRole === "IP" ? "OOP" : ""
        var last = opponent !== "" ? PlayMath.lastStreetAction(playActionLine, opponent) : ""
        _setLastAction(last !== "" ? opponent : "", last)
        playNodeIndex = viewer.currentNodeIndex
        _schedulePlayTick(0)
    }

    // The picker closed without a choice: the hand's steps go on.
    function chancePickerClosed() {
        if (playMode && playSessionStarted && !playHandComplete && !playDrillMode && !playTickTimer.running)
            _schedulePlayTick(0)
    }

    function _rebuildPlayBoardFromTree() {
        playBoardText = viewer._boardFromTreeSelections()
    }

    // ---- drill -------------------------------------------------------------

    function startDrillSpot() {
        if (!playMode || !playSessionStarted || !viewer)
            return
        var node = playNode
        var meta = _meta(node)
        if (meta.nodeType !== "decision" || (meta.player !== "OOP" && meta.player !== "IP"))
            return
        playTickTimer.stop()
        drillNextTimer.stop()
        drillFeedbackTimer.stop()
        playHandComplete = false
        playAwaitingUserAction = false
        playDrillMode = true
        playDrillNodeIndex = node
        playDrillActor = String(meta.player)
        playDrillFeedbackText = ""
        playDrillFeedbackWrong = false
        playDrillFeedbackUngraded = false
        playGradeNotice = ""
        _dealDrillHand()
        playAwaitingUserAction = hasHand(playDrillActor)
    }

    function stopDrillSpot() {
        _clearDrill()
        playAwaitingUserAction = false
        _schedulePlayTick(0)
    }

    function _clearDrill() {
        drillNextTimer.stop()
        drillFeedbackTimer.stop()
        playDrillMode = false
        playDrillNodeIndex = -1
        playDrillActor = ""
        playDrillFeedbackText = ""
        playDrillFeedbackWrong = false
        playDrillFeedbackUngraded = false
    }

    // A fresh pair of hands at the drilled node. A seat without an eligible
    // combo keeps its cards, which then block the other seat's deal; kept
    // cards that collide with what was dealt are dropped.
    function _dealDrillHand() {
        if (!(playDrillNodeIndex >= 0))
            return
        var used = PlayMath.markUsed({}, _parseBoardCardsNormalized())
        _dealDrillSeat("OOP", used)
        _dealDrillSeat("IP", used)
        playActionLine = ""
        _setLastAction("", "")
    }

    function _dealDrillSeat(seat, used) {
        if (_dealToSeatAtNode(playDrillNodeIndex, seat, used))
            return
        var c1 = seat === "OOP" ? oopCard1 : ipCard1
        var c2 = seat === "OOP" ? oopCard2 : ipCard2
        if (c1 === "" && c2 === "")
            return
        if (used[c1] === true || used[c2] === true) {
            if (seat === "OOP") {
                oopCard1 = ""
                oopCard2 = ""
            } else {
                ipCard1 = ""
                ipCard2 = ""
            }
            return
        }
        PlayMath.markUsed(used, [c1, c2])
    }

    // Judges a choice of the hand on the table; a click while no hand waits
    // for one (before the deal, or between a verdict and the next deal) is
    // not a choice.
    function _handleDrillChoice(actionIndex) {
        if (!(playDrillNodeIndex >= 0) || (playDrillActor !== "OOP" && playDrillActor !== "IP"))
            return
        if (!playAwaitingUserAction || !hasHand(playDrillActor))
            return
        playAwaitingUserAction = false
        var info = _suboptimalEvInfoAtNode(playDrillNodeIndex, playDrillActor, actionIndex)
        var wrong = _isMistake(info)
        playDrillFeedbackWrong = wrong
        playDrillFeedbackUngraded = info.noEv === true
        if (playDrillFeedbackUngraded) {
            playDrillFeedbackText = qsTr("Not graded: this hand has no EV here")
        } else if (wrong) {
            var best = _actionName(_actions(playDrillNodeIndex), info.bestIndex)
            playDrillFeedbackText = qsTr("Wrong — best: %1 (EV -%2)")
                .arg(best !== "" ? best : "—").arg(info.evLoss.toFixed(3))
        } else {
            playDrillFeedbackText = qsTr("Correct")
        }
        drillFeedbackTimer.restart()
        drillNextTimer.restart()
    }

    // The name of the last action `actor` took on the tree path, or "".
    function lastActionOf(actor) {
        return viewer ? viewer._lastSelectedActionNameForActor(actor) : ""
    }
}
