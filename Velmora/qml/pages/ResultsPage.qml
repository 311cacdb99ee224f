import QtQuick
import QtQuick.Controls
import "results" as Results
import "results/ResultsCards.js" as Cards
import "results/ResultsActions.js" as Actions
import "results/ResultsMatrixData.js" as MatrixData
import "results/ResultsTreePath.js" as TreePath
import "results/HandFilter.js" as HandFilter
import "../components/Ranks.js" as Ranks

// Results page (index 3): walks the solved game tree. The root holds the state
// every panel reads (the path, the current node, the node's actions and the
// matrix data) and the operations on it; the panels live under results/.
Item {
    id: root

    property var theme: null
    property var type: null
    property var controller: null
    property string boardText: ""
    property real rakePercent: 0.0
    property real rakeCap: 0

    // ---- navigation ----
    property ListModel treeLevels: ListModel {}
    property int currentNodeIndex: 0
    property string selectedPlayer: "OOP"
    property string treeBoardText: ""
    // Bumped first thing when the controller reports new results; every
    // binding that calls a node query reads it so that it is evaluated again.
    property int _resultsRevision: 0
    readonly property var currentMeta: {
        _resultsRevision
        return _metaForNode(currentNodeIndex)
    }

    // ---- chance-card picker ----
    property int chancePickerLevelIndex: -1
    // The street the picker deals ("turn" or "river"), and its title.
    property string chancePickerDeal: "turn"
    readonly property string chancePickerTitle: chancePickerDeal === "river" ? qsTr("Choose River Card")
                                                                             : qsTr("Choose Turn Card")
    property var chancePickerActions: []
    property var chancePickerIndexByCard: ({})
    property var chancePickerAvailableCardIndices: []
    property string chancePickerBoardText: ""
    property var chanceCardDisplayOverrideByNode: ({})
    // The solver's suits mapped to those the board shows (they differ once
    // a clicked card was shown in place of the listed one): the combos of
    // Hand Details are shown in the board's suits.
    property var solverToShownSuits: ({ c: "c", d: "d", h: "h", s: "s" })
    readonly property var _rankOrder: Ranks.LIST
    readonly property var _suitOrder: ["s", "h", "d", "c"]

    // ---- views ----
    property bool playMode: false
    // Play needs a result to play against: none while a solve runs or
    // before one has given a tree.
    readonly property bool playAvailable: {
        _resultsRevision
        return !!controller && !controller.running && _hasTree()
    }
    onPlayAvailableChanged: {
        if (!playAvailable)
            playMode = false
    }
    readonly property string playBoardText: playEngine.playBoardText

    // Play against the solution: the session, the drill and the hand log.
    readonly property Results.PlayEngine playEngine: Results.PlayEngine {
        objectName: "playEngine"
        viewer: root
        controller: root.controller
        boardText: root.boardText
        rakePercent: root.rakePercent
        rakeCap: root.rakeCap
        playMode: root.playMode
    }

    readonly property var currentActions: {
        _resultsRevision
        var dark = theme ? theme.dark === true : false
        if (!controller)
            return []
        var meta = _metaForNode(currentNodeIndex)
        if (meta.nodeType === "chance")
            return [{ name: chanceDealText(meta), actionType: "chance", frequency: 1.0, combos: NaN, equity: NaN,
                      ev: NaN }]
        return _actionDefinitionsForNode(currentNodeIndex, dark)
    }
    readonly property var actionFrequenciesActions: _normalizeActionEvsAroundFold(currentActions)

    // The hand details a loaded project does not hold for the current node
    // ({matrix, buckets, combos}, each true when missing): the cards that
    // would show them say why they are empty.
    readonly property var nodeDetailsMissing: {
        _resultsRevision
        return _detailsMissingFor(currentNodeIndex)
    }
    readonly property string detailsNotSavedText:
        qsTr("This node's details were not saved with the project. Solve the spot again to see them.")

    // Bumped after a language change: texts the back end translates (the
    // bucket names) are asked for again.
    property int _i18nRev: 0

    // ---- Strategy by Hand matrix (replaced as a whole by refreshHandMatrix) ----
    property var handWeights: ({})
    property var handColors: ({})
    property var handActionTypeList: []
    property var handActionProbs: ({})
    // Band colour per action: the palette colour of a sized bet or raise, else "".
    property var handActionColors: []
    // Bucket filter and node locks as the matrix reads them.
    property string selectedBucket: ""
    property alias nodeLocksByNode: nodeLocks.nodeLocksByNode

    // ---- node locking (results/NodeLocks.qml) ----
    property alias nodeLockMode: nodeLocks.nodeLockMode
    property alias nodeLockSelectedActionIndex: nodeLocks.nodeLockSelectedActionIndex
    property alias nodeLockWeightText: nodeLocks.nodeLockWeightText
    readonly property alias nodeLockWeightProblem: nodeLocks.weightProblem
    readonly property alias nodeLockActionList: nodeLocks.nodeLockActionList
    readonly property alias reSolveOutcome: nodeLocks.reSolveOutcome
    readonly property alias _heldLocksRevision: nodeLocks.heldRevision
    // A solve is running: the page has no result to show until it ends.
    readonly property bool solveRunning: controller !== null && controller !== undefined && controller.running === true

    // ---- buckets and hand details (results/HandCombos.qml) ----
    property alias selectedHandClass: handCombos.selectedHandClass
    property alias handSearchText: handCombos.handSearchText
    readonly property alias _loadedHandCombos: handCombos._loadedHandCombos
    readonly property alias _handCombosLoading: handCombos._handCombosLoading
    readonly property alias currentHandCombos: handCombos.currentHandCombos
    readonly property alias currentHandBuckets: handCombos.currentHandBuckets
    readonly property alias visibleHandCombos: handCombos.visibleHandCombos
    readonly property alias _handDetailActions: handCombos.detailActions

    // ---- reactions, each in its fixed order ----
    function _reactToResults() {
        ++_resultsRevision
        // Cards clicked in the previous tree mean nothing in the new one.
        chanceCardDisplayOverrideByNode = {}
        if (chancePicker.opened)
            chancePicker.close()
        chancePickerLevelIndex = -1
        chancePickerActions = []
        nodeLocks.forgetLocksNoLongerHeld()
        nodeLocks.resultsArrived()
        resetTreeToRoot()
        // Filters of the previous result, also when the root was shown.
        handCombos.clearFilters()
        refreshHandMatrix()
        _scheduleHandCombosLoad()
    }

    function _reactToNodeChange() {
        refreshHandMatrix()
        _scheduleHandCombosLoad()
        handCombos.clearFilters()
    }

    function _reactToPlayModeChange() {
        resetTreeToRoot()
    }

    onCurrentNodeIndexChanged: _reactToNodeChange()
    onPlayModeChanged: _reactToPlayModeChange()
    onSelectedBucketChanged: refreshHandMatrix()
    onBoardTextChanged: rebuildBreadcrumbs()
    Component.onCompleted: {
        resetTreeToRoot()
        refreshHandMatrix()
        _scheduleHandCombosLoad()
    }

    // The matrix colours come from the palette of the theme in use.
    Connections {
        target: root.theme
        ignoreUnknownSignals: true
        function onDarkChanged() { root.refreshHandMatrix() }
    }

    Connections {
        target: typeof languageManager !== "undefined" ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() { root._i18nRev += 1 }
    }

    Connections {
        target: root.controller
        ignoreUnknownSignals: true
        function onResultsChanged() { root._reactToResults() }
        function onRunningChanged() {
            if (root.controller.running)
                root.playMode = false
            nodeLocks.runningChanged(root.controller.running === true)
        }
    }

    // ---- node access ----
    function _hasTree() {
        if (!controller || typeof controller.treeNodeCount !== "function")
            return false
        return Number(controller.treeNodeCount()) > 0
    }

    function _actionsForNode(nodeIndex) {
        return _hasTree() ? (controller.nodeActions(nodeIndex) || []) : []
    }

    function _metaForNode(nodeIndex) {
        return _hasTree() ? (controller.nodeMeta(nodeIndex) || {}) : {}
    }

    function _detailsMissingFor(nodeIndex) {
        var none = { matrix: false, buckets: false, combos: false }
        if (!_hasTree() || typeof controller.nodeDetailsMissing !== "function")
            return none
        var m = controller.nodeDetailsMissing(nodeIndex) || {}
        return { matrix: m.matrix === true, buckets: m.buckets === true, combos: m.combos === true }
    }

    function _safeActionAt(actions, idx) {
        if (!actions || idx === undefined || idx === null || !(idx >= 0 && idx < actions.length))
            return null
        return actions[idx]
    }

    function _singleActionList(actions, idx) {
        var a = _safeActionAt(actions, idx)
        return a ? [a] : []
    }

    function _seatIndexFromPlayer(p) {
        return p === "OOP" ? 0 : 1
    }

    // The node's action definitions: its statistics, else its plain actions,
    // with sized bets and raises coloured.
    function _actionDefinitionsForNode(nodeIndex, dark) {
        if (!_hasTree())
            return []
        var list = typeof controller.nodeActionStats === "function" ? controller.nodeActionStats(nodeIndex) : []
        if (!list || list.length === 0)
            list = controller.nodeActions(nodeIndex)
        return Actions.colorizeBetRaiseActions(list, dark === undefined ? (theme ? theme.dark === true : false) : dark)
    }

    // ---- figures of the current node ----
    function _figure(v) {
        var n = Number(v)
        return (v === undefined || v === null || !isFinite(n)) ? 0 : n
    }
    function _potSize() { return _figure(currentMeta.pot) }
    function _effectiveStack() { return _figure(currentMeta.effectiveStack) }
    function _investedFor(seatIndex) {
        return _figure(seatIndex === 0 ? currentMeta.investedOop : currentMeta.investedIp)
    }
    function _toCallAmount() {
        var p = currentMeta.player
        if (p !== "OOP" && p !== "IP")
            return 0
        return Math.max(0, Math.max(_investedFor(0), _investedFor(1)) - _investedFor(_seatIndexFromPlayer(p)))
    }
    function _stackRemaining() {
        // A chance node comes after even bets: both seats hold the same stack.
        if (currentMeta.nodeType === "chance")
            return Math.max(0, _effectiveStack() - Math.max(_investedFor(0), _investedFor(1)))
        var p = currentMeta.player
        if (p !== "OOP" && p !== "IP")
            return 0
        return Math.max(0, _effectiveStack() - _investedFor(_seatIndexFromPlayer(p)))
    }
    // What a chance node does: it deals a card, it names no seat.
    function chanceDealText(meta) {
        return meta && meta.chanceDeal === "river" ? qsTr("Random river card") : qsTr("Random turn card")
    }

    // ---- path and board ----
    function _levelRows() {
        var rows = []
        for (var i = 0; i < treeLevels.count; ++i) {
            var r = treeLevels.get(i)
            rows.push({ nodeIndex: r.nodeIndex, selectedActionIndex: r.selectedActionIndex })
        }
        return rows
    }

    function rebuildBreadcrumbs() {
        treeBoardText = _boardFromTreeSelections()
        solverToShownSuits = Cards.inverseSuits(_shownToSolverSuitsUpTo(treeLevels.count))
    }

    function _shownToSolverSuitsUpTo(levelExclusive) {
        return TreePath.shownToSolverSuits(_levelRows(), levelExclusive, _actionsForNode, _metaForNode,
                                           chanceCardDisplayOverrideByNode)
    }

    function _boardFromTreeSelections() {
        return _boardFromTreeSelectionsUpTo(treeLevels.count)
    }

    function _boardFromTreeSelectionsUpTo(levelExclusive) {
        return TreePath.boardFromSelections(boardText, _levelRows(), levelExclusive,
                                            _actionsForNode, _metaForNode, chanceCardDisplayOverrideByNode)
    }

    // The card the board shows for action `actionIndex` of chance node
    // `nodeIndex`: the one the user picked, which may stand for the listed
    // card of another suit; "" when the action is not a card.
    function _chanceCardShown(nodeIndex, actionIndex) {
        var action = _safeActionAt(_actionsForNode(nodeIndex), actionIndex)
        return action ? TreePath.shownCard(action.name, nodeIndex, _metaForNode, chanceCardDisplayOverrideByNode) : ""
    }

    function _lastSelectedActionNameForActor(actor) {
        return TreePath.lastSelectedActionNameForActor(_levelRows(), actor, _actionsForNode, _metaForNode)
    }

    function _findChanceLevel(deal) {
        return TreePath.findChanceLevel(_levelRows(), deal, _metaForNode)
    }

    // ---- navigation ----
    function _takePlayerOf(nodeIndex) {
        var p = _metaForNode(nodeIndex).player
        if (p !== undefined && p !== null && String(p) !== "")
            selectedPlayer = String(p)
    }

    function resetTreeToRoot() {
        treeLevels.clear()
        treeLevels.append({ nodeIndex: 0, selectedActionIndex: -1 })
        currentNodeIndex = 0
        _takePlayerOf(0)
        rebuildBreadcrumbs()
    }

    function navigateToBreadcrumb(breadcrumbIndex) {
        var keep = Math.max(1, Number(breadcrumbIndex) + 1)
        if (!(keep >= 1))
            keep = 1
        while (treeLevels.count > keep)
            treeLevels.remove(treeLevels.count - 1)
        if (treeLevels.count === 0)
            treeLevels.append({ nodeIndex: 0, selectedActionIndex: -1 })
        var last = treeLevels.count - 1
        treeLevels.setProperty(last, "selectedActionIndex", -1)
        var node = treeLevels.get(last).nodeIndex
        currentNodeIndex = node
        _takePlayerOf(node)
        rebuildBreadcrumbs()
    }

    function _jumpToLevelForReselect(levelIndex) {
        if (!(levelIndex >= 0 && levelIndex < treeLevels.count))
            return
        navigateToBreadcrumb(levelIndex)
    }

    function selectActionAtLevel(levelIndex, actionIndex) {
        if (levelIndex !== treeLevels.count - 1 || levelIndex < 0)
            return
        var row = treeLevels.get(levelIndex)
        if (row.selectedActionIndex >= 0)
            return
        var action = _safeActionAt(_actionsForNode(row.nodeIndex), actionIndex)
        if (!action)
            return
        treeLevels.setProperty(levelIndex, "selectedActionIndex", actionIndex)
        rebuildBreadcrumbs()
        var child = (action.childIndex === undefined || action.childIndex === null) ? -1 : Number(action.childIndex)
        if (!isFinite(child) || !controller || child < 0 || child > Number(controller.treeNodeCount()) - 1)
            return
        if (_metaForNode(child).nodeType === "terminal")
            return
        treeLevels.append({ nodeIndex: child, selectedActionIndex: -1 })
        currentNodeIndex = child
        _takePlayerOf(child)
    }

    // ---- chance cards ----
    function openChancePicker(levelIndex, nodeIndex) {
        var meta = _metaForNode(nodeIndex)
        chancePickerDeal = meta.chanceDeal === "river" ? "river" : "turn"
        var actions = _actionsForNode(nodeIndex)
        chancePickerActions = actions
        chancePickerBoardText = _boardFromTreeSelectionsUpTo(levelIndex)
        var byCard = {}
        var available = []
        for (var i = 0; i < actions.length; ++i) {
            var name = actions[i] && actions[i].name !== undefined && actions[i].name !== null ? String(actions[i].name) : ""
            if (name.length === 2) {
                byCard[name] = i
                available.push(i)
            }
        }
        chancePickerIndexByCard = byCard
        chancePickerAvailableCardIndices = available
        chancePickerLevelIndex = levelIndex
        chancePicker.open()
    }

    function _chanceCardIndexForSelection(cardText) {
        var i = _chanceCardIndices()[cardText]
        return i === undefined ? -1 : i
    }

    // The same for every card of the picker at once (card text -> action
    // index), the path and the hand in play read once for all of them.
    function _chanceCardIndices() {
        var blocked = playEngine.holeCardMap()
        var toSolver = _shownToSolverSuitsUpTo(chancePickerLevelIndex)
        var out = {}
        for (var s = 0; s < _suitOrder.length; ++s) {
            for (var r = 0; r < _rankOrder.length; ++r) {
                var card = _rankOrder[r] + _suitOrder[s]
                out[card] = Cards.chanceCardIndexForSelection(card, chancePickerIndexByCard, chancePickerBoardText,
                                                              blocked, toSolver)
            }
        }
        return out
    }

    function chooseChanceCard(actionIndex, displayCardText) {
        if (chancePickerLevelIndex < 0)
            return
        var listed = _safeActionAt(chancePickerActions, actionIndex)
        var listedName = listed && listed.name !== undefined && listed.name !== null ? String(listed.name) : ""
        // The listed card is in the solver's suits, the clicked one in the board's.
        var shown = Cards.inverseSuits(_shownToSolverSuitsUpTo(chancePickerLevelIndex))
        var listedShown = Cards.mapCardSuit(listedName, shown)
        var display = (displayCardText !== undefined && displayCardText !== null) ? String(displayCardText) : ""
        if (display.length !== 2)
            display = listedShown
        // A card held in the hand being played, or one the board already
        // shows, never goes on the board.
        var taken = _chanceCardsTaken()
        if (taken[Cards.normalizeCardText(display)] === true || taken[listedShown] === true)
            return
        if (display.length === 2) {
            var row = treeLevels.get(chancePickerLevelIndex)
            if (row) {
                var overrides = Object.assign({}, chanceCardDisplayOverrideByNode)
                overrides[String(row.nodeIndex)] = display
                chanceCardDisplayOverrideByNode = overrides
            }
        }
        var redeal = playEngine.beginChanceRedeal(chancePickerLevelIndex)
        selectActionAtLevel(chancePickerLevelIndex, actionIndex)
        chancePicker.close()
        chancePickerLevelIndex = -1
        chancePickerActions = []
        if (redeal)
            playEngine.finishChanceRedeal()
    }

    // Cards the picker may not put on the board: the hole cards of the hand
    // being played and the cards the board shows before the picker's card.
    function _chanceCardsTaken() {
        return Object.assign(Cards.boardCardSet(chancePickerBoardText), playEngine.holeCardMap())
    }

    function chooseChanceCardRandom() {
        var taken = _chanceCardsTaken()
        var shown = Cards.inverseSuits(_shownToSolverSuitsUpTo(chancePickerLevelIndex))
        var free = []
        for (var i = 0; i < chancePickerAvailableCardIndices.length; ++i) {
            var a = _safeActionAt(chancePickerActions, chancePickerAvailableCardIndices[i])
            if (a && taken[Cards.mapCardSuit(a.name, shown)] !== true)
                free.push(chancePickerAvailableCardIndices[i])
        }
        if (!(free.length > 0))
            return
        chooseChanceCard(free[Math.floor(Math.random() * free.length)])
    }

    function _suitSymbol(suit) { return Cards.suitSymbol(suit) }

    // ---- cards and actions ----
    function _normalizeCardText(t) { return Cards.normalizeCardText(t) }
    function _parseBoardCardsNormalized() {
        return Cards.parseBoardCardsNormalized(playBoardText !== "" ? playBoardText : boardText)
    }
    function _handClassFromCards(c1, c2) { return Cards.handClassFromCards(c1, c2) }
    function _cardRank(t) { return Cards.cardRank(t) }
    function _cardSuit(t) { return Cards.cardSuit(t) }
    function _parsePctFromActionName(name) { return Actions.parsePctFromActionName(name) }
    function _colorizeBetRaiseActions(actions) {
        return Actions.colorizeBetRaiseActions(actions, theme ? theme.dark === true : false)
    }
    function _normalizeActionEvsAroundFold(actions) { return Actions.normalizeActionEvsAroundFold(actions) }
    function _handActionsForProbs(actionProbs) { return Actions.handActionsForProbs(currentActions, actionProbs) }

    // ---- Strategy by Hand matrix ----
    function refreshHandMatrix() {
        if (!controller || typeof controller.nodeHandStrategy !== "function" || !_hasTree()) {
            handWeights = {}
            handColors = {}
            handActionTypeList = []
            handActionColors = []
            handActionProbs = {}
            return
        }
        var node = currentNodeIndex
        var reach = typeof controller.nodeHandStrategyReach169 === "function"
                ? controller.nodeHandStrategyReach169(node, selectedBucket) : {}
        var locks = nodeLocksByNode ? nodeLocksByNode[String(node)] : null
        var data = MatrixData.compute(controller.nodeHandStrategy(node), _actionDefinitionsForNode(node), reach, locks,
                                      function(key) { return root.theme ? root.theme.actionColor(key) : "#888" },
                                      theme ? theme.textMuted : "#888")
        handWeights = data.weights
        handColors = data.colors
        handActionTypeList = data.actionTypeList
        handActionColors = data.actionColors
        handActionProbs = data.actionProbs
    }

    // ---- node locking ----
    function _nodeKey(nodeIndex) { return String(nodeIndex) }
    function _currentNodeIsLockable() { return nodeLocks.currentNodeIsLockable }
    function applyNodeLockToHand(nodeIndex, hand) { nodeLocks.applyNodeLockToHand(nodeIndex, hand) }
    function resetNodeLockEdits(nodeIndex) { nodeLocks.resetNodeLockEdits(nodeIndex) }
    function _chooseStandardMode() { nodeLocks.chooseStandardMode() }
    function _chooseNodeLockMode() { nodeLocks.chooseNodeLockMode() }
    function _reSolveWithNodeLocks() { nodeLocks.reSolve() }
    // Called by the shell when a new project is made or one is opened.
    function startNewProject() { nodeLocks.startOver() }
    function _lockMarksAt(nodeIndex) { return nodeLocks.lockMarksAt(nodeIndex) }

    // A matrix click locks in node-lock mode and filters the hand details otherwise.
    function _matrixHandClicked(hand) {
        if (nodeLockMode)
            applyNodeLockToHand(currentNodeIndex, hand)
        else
            toggleHandFilter(hand)
    }

    Results.NodeLocks {
        id: nodeLocks
        page: root
    }

    // ---- buckets and hand details ----
    function _scheduleHandCombosLoad() { handCombos.scheduleLoad() }
    function toggleHandFilter(handClass) { handCombos.toggleHandFilter(handClass) }
    function toggleBucketFilter(bucketName) { handCombos.toggleBucketFilter(bucketName) }
    function _parseHandSearchTokens() { return HandFilter.parseSearchTokens(handSearchText) }
    function _matchSearchTokenToCombo(token, c1, c2) { return HandFilter.matchSearchToken(token, c1, c2) }

    Results.HandCombos {
        id: handCombos
        page: root
    }

    // ---- layout ----
    SplitView {
        id: split
        objectName: "resultsSplit"
        anchors.fill: parent
        anchors.margins: 16
        orientation: Qt.Horizontal

        handle: Item {
            implicitWidth: 8
            Rectangle {
                anchors.centerIn: parent
                width: 4
                height: 40
                radius: 2
                color: root.theme ? root.theme.stroke : "#30363D"
            }
        }

        Results.ResultsTreePanel {
            objectName: "gameTreePanel"
            SplitView.preferredWidth: 320
            SplitView.minimumWidth: 280
            page: root
        }

        Results.ResultsStrategyPanel {
            objectName: "strategyPanel"
            SplitView.fillWidth: true
            SplitView.minimumWidth: Math.max(500, leastWidth)
            page: root
        }
    }

    Results.ResultsChancePicker {
        id: chancePicker
        objectName: "chanceCardPopup"
        page: root
        // Closed without a choice during a hand: the hand goes on.
        onClosed: root.playEngine.chancePickerClosed()
    }
}
