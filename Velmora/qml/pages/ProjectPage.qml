import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../components"
import "project"
import "project/boardtext.js" as BoardText
import "project/rangetext.js" as RangeText
import "project/rangelibrary.js" as RangeLibrary
import "project/profiles.js" as Profiles
import "project/names.js" as Names
import "project/customlibrary.js" as CustomLibrary
import "project/overrides.js" as Overrides
import "project/stores.js" as Stores
import "../components/ProjectState.js" as ProjectState
import "../components/SolveGating.js" as Gating

// Setup page (index 1): the whole spot a solve needs. The page mirrors 36 of
// the shell's project-state properties: the shell binds them, and every edit
// here is a plain assignment that the shell copies back. All page functions
// live on this root item.
Item {
    id: root

    property var theme: null
    property var type: null
    property bool canSolve: true
    // The shell's first reason the spot cannot be solved yet, for the header.
    property var setupBlock: null

    // ---- mirrored project state (no thread count here) ----
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: ProjectState.DEFAULT_MAX_ITERATIONS
    property int startingPot: 100
    property int effectiveStack: 100
    property string startingStreet: "flop"
    property real targetExploitability: 0.10
    property real rakePercent: 0.0
    property int rakeCap: 0
    property string oopFlopBetSizesText: ""
    property string oopTurnBetSizesText: ""
    property string oopRiverBetSizesText: ""
    property string oopFlopRaiseSizesText: ""
    property string oopTurnRaiseSizesText: ""
    property string oopRiverRaiseSizesText: ""
    property bool oopFlopAddAllIn: false
    property bool oopTurnAddAllIn: false
    property bool oopRiverAddAllIn: false
    property bool oopFlopDontDonk: false
    property bool oopTurnDontDonk: false
    property bool oopRiverDontDonk: false
    property string ipFlopBetSizesText: ""
    property string ipTurnBetSizesText: ""
    property string ipRiverBetSizesText: ""
    property string ipFlopRaiseSizesText: ""
    property string ipTurnRaiseSizesText: ""
    property string ipRiverRaiseSizesText: ""
    property bool ipFlopAddAllIn: false
    property bool ipTurnAddAllIn: false
    property bool ipRiverAddAllIn: false
    property bool oopAddAllInIfJamLtEnabled: false
    property real oopAddAllInIfJamLtPct: 0.0
    property bool ipAddAllInIfJamLtEnabled: false
    property real ipAddAllInIfJamLtPct: 0.0

    // ---- the page's own state ----
    readonly property var _controller: typeof appController !== "undefined" ? appController : null
    readonly property bool developerMode: !!_controller && _controller.developerMode === true
    readonly property int recommendedWindowWidth: flickable
        ? Math.ceil(Math.max(flickable._row1RequiredWidth, flickable._rangesRequiredWidth)) : 1540
    // Raised on every language change, for rows built by functions.
    property int _i18nRev: 0

    // The range cards' hand matrices, for the width the ranges row needs.
    property Item _oopMatrix: oopRangeCard.matrix
    property Item _ipMatrix: ipRangeCard.matrix

    readonly property real gameSettingsInputColumnWidth: 60
    readonly property real sizingStreetColumnWidth: 70

    // Board slot the card picker sets or clears; kept after it closes.
    property int editingCardIndex: -1
    readonly property var usedBoardCards: BoardText.usedCards(boardText)

    // Why the solve input being typed in on this page holds no value (a
    // text that is empty or out of range); "" when it holds one.
    readonly property string fieldRefusal: {
        var focused = root.Window.activeFocusItem
        if (!focused || focused.solveInput !== true)
            return ""
        for (var up = focused.parent; up; up = up.parent) {
            if (up === root)
                return focused.refusal
        }
        return ""
    }

    readonly property bool _solveRamWarning: !!_controller
        && _isSolveRamWarning(_controller.solveRequiredMemoryBytes, _controller.effectiveAvailableMemoryBytes)

    signal goToSolve()

    // The solve needs strictly more memory than is free; an unknown (0,
    // missing or not finite) figure never warns. Only colours the text:
    // whether a solve may start is the shell's `canSolve`.
    function _isSolveRamWarning(requiredBytes, availableBytes) {
        var required = Number(requiredBytes || 0)
        var available = Number(availableBytes || 0)
        return isFinite(required) && isFinite(available) && required > 0 && available > 0
               && required > available
    }

    // ---- board ----
    function inferStreetFromBoardText(s) { return BoardText.inferStreet(s) }
    function validBoard(s) { return BoardText.isValidBoard(s) }
    function _boardCardsArray() { return BoardText.slots(boardText) }
    function _setBoardFromCards(cards) { boardText = BoardText.fromSlots(cards) }
    function setBoardCardAt(index, card) { boardText = BoardText.withCardAt(boardText, index, card) }
    function clearBoardFrom(index) { boardText = BoardText.clearedFrom(boardText, index) }

    // Opens the picker 8 below the board's bottom-left corner, pushed back so
    // that 12 stay free at every window edge. The point is worked out in the
    // window and then mapped into the frame the dialog is placed in.
    function positionCardPickerDialogUnderBoard() {
        var win = root.Window.window
        var board = boardColumn ? boardColumn.boardDisplay : null
        if (!win || !win.contentItem || !board)
            return
        var content = win.contentItem
        var corner = board.mapToItem(content, 0, board.height)
        var pos = BoardText.popupPlacement(corner.x, corner.y, cardPickerDialog.implicitWidth,
                                           cardPickerDialog.implicitHeight, content.width, content.height, 12, 8)
        var frame = cardPickerDialog.parent
        var local = frame ? frame.mapFromItem(content, pos.x, pos.y) : pos
        cardPickerDialog.x = local.x
        cardPickerDialog.y = local.y
    }

    // A closed dialog leaves its title and footer out of its implicit size,
    // so it is placed again once it is open.
    function _openCardPicker(index) {
        editingCardIndex = index
        positionCardPickerDialogUnderBoard()
        cardPickerDialog.open()
        positionCardPickerDialogUnderBoard()
    }

    // ---- game settings ----
    function targetExploitabilityAmount() {
        return Gating.targetAmount(startingPot, targetExploitability)
    }

    onBoardTextChanged: startingStreet = inferStreetFromBoardText(boardText)

    // ---- ranges: per seat the shown library category (0 Standard,
    // 1 Population, 2 Custom), the selected row, the open folders and the
    // weight painted cells get; the library trees of both seats ----
    property int oopRangeCategory: 2
    property int ipRangeCategory: 2
    property real oopClickWeightPct: 100.0
    property real ipClickWeightPct: 100.0
    property string oopSelectedId: ""
    property string ipSelectedId: ""
    property var oopOpenFolderIds: ({})
    property var ipOpenFolderIds: ({})
    property var oopStandardRanges: []
    property var ipStandardRanges: []
    property var oopExploitRanges: []
    property var ipExploitRanges: []
    property var oopCustomRanges: []
    property var ipCustomRanges: []
    // Replacements of built-in ranges by path key, applied whenever the
    // built-in trees are built.
    property var oopStandardOverrides: ({})
    property var ipStandardOverrides: ({})
    property var oopExploitOverrides: ({})
    property var ipExploitOverrides: ({})
    property string _presetLoadError: ""

    onOopRangeCategoryChanged: { oopSelectedId = ""; oopOpenFolderIds = ({}) }
    onIpRangeCategoryChanged: { ipSelectedId = ""; ipOpenFolderIds = ({}) }

    // The range text as the solver reads it, on the hand matrix.
    function parseRangeWeights(text) { return RangeText.classWeights(_controller, text) }
    function toggleHand(rangeText, hand, currentWeight, addWeight) {
        return RangeText.toggleHand(_controller, rangeText, hand, currentWeight, addWeight)
    }
    function _stripWeightsText(text) { return RangeText.stripWeightsText(text) }

    function _newNodeId() { return RangeLibrary.newNodeId() }
    function _sanitizeCustomTree(nodes) { return RangeLibrary.sanitizeCustomTree(nodes) }
    function _sanitizePresetList(list) { return RangeLibrary.sanitizePresetList(list) }
    function _findNodeById(nodes, id) { return RangeLibrary.findNodeById(nodes, id) }
    function _findParentFolderId(nodes, id, parentId) { return RangeLibrary.findParentFolderId(nodes, id, parentId) }
    function _buildStandardTree(entries) { return RangeLibrary.buildStandardTree(entries) }
    function _buildStandard6MaxTree(entries) { return RangeLibrary.buildStandard6MaxTree(entries) }
    function _buildStandardHeadsUpTree(entries) { return RangeLibrary.buildStandardHeadsUpTree(entries) }
    function _buildExploitTree(player, standardTree) { return RangeLibrary.buildExploitTree(player, standardTree) }
    function _cloneTreeStripWeights(nodes) { return RangeLibrary.cloneTreeStripWeights(nodes) }
    function _applyOverridesToTree(nodes, overrides, pathParts) {
        return RangeLibrary.applyOverridesToTree(nodes, overrides, pathParts)
    }

    function categoryLabel(cat) { return rangeLabels.categoryLabel(cat) }
    function rangeDisplayName(cat, name) { return rangeLabels.displayName(cat, name) }
    function _trRakeFolderName(s) { return rangeLabels.trRakeFolderName(s) }
    function _trStdToken(tok) { return rangeLabels.trStdToken(tok) }
    function _trStandardLabel(s) { return rangeLabels.trStandardLabel(s) }
    function _trPopulationLabel(s) { return rangeLabels.trPopulationLabel(s) }

    // The stored tree itself, not a copy.
    function rangesFor(player, category) {
        var oop = player === "oop"
        var c = Number(category)
        if (c === 0)
            return oop ? oopStandardRanges : ipStandardRanges
        if (c === 1)
            return oop ? oopExploitRanges : ipExploitRanges
        return oop ? oopCustomRanges : ipCustomRanges
    }

    function _flattenTreeFor(player, cat) {
        var open = player === "oop" ? oopOpenFolderIds : ipOpenFolderIds
        return RangeLibrary.flattenTree(rangesFor(player, cat), open,
                                        function(name) { return rangeDisplayName(cat, name) })
    }

    // Rows of the seat's shown category, built again on a language change.
    function listModelFor(player) {
        var rev = _i18nRev
        return _flattenTreeFor(player, player === "oop" ? oopRangeCategory : ipRangeCategory)
    }

    function _toggleOpenFolder(player, folderId) {
        if (folderId === undefined || folderId === null || String(folderId) === "")
            return
        var oop = player === "oop"
        var tree = rangesFor(player, oop ? oopRangeCategory : ipRangeCategory)
        var next = RangeLibrary.toggleOpenFolder(tree, oop ? oopOpenFolderIds : ipOpenFolderIds, folderId)
        if (oop)
            oopOpenFolderIds = next
        else
            ipOpenFolderIds = next
    }

    function _loadBundledPresetRanges() { presetLoader.load() }
    function _buildPresetTrees() { _loadBundledPresetRanges() }

    RangeLabels { id: rangeLabels }
    RangePresetLoader {
        id: presetLoader
        page: root
        controller: root._controller
    }

    // ---- the Custom library, import, developer overrides and exports: the
    // state the range dialogs show; the work is done by customActions and
    // overrideActions ----
    property string _saveRangePlayer: ""
    property string _saveRangeValue: ""
    property string _saveRangeError: ""
    property string _addFolderPlayer: ""
    property string _addFolderError: ""
    property string _deleteRangePlayer: ""
    property string _deleteRangeName: ""
    property string _deleteRangeKind: ""
    property int _deleteFolderChildCount: 0
    property string _importRangeFocusPlayer: "oop"
    property string _importRangeError: ""
    property string _importRangeNormalizedText: ""
    // What the import leaves out of the file, said before Import.
    property string _importRangeNote: ""
    property string _clearStandardPlayer: ""
    property string _clearExploitPlayer: ""
    property string _exportStandardError: ""
    property string _exportExploitError: ""

    onOopCustomRangesChanged: if (_storesOpen && !pageStores.taking) persistCustomRanges("oop")
    onIpCustomRangesChanged: if (_storesOpen && !pageStores.taking) persistCustomRanges("ip")

    function openSaveRangeDialog(player) { customActions.openSave(player) }
    function commitSaveRange() { return customActions.commitSave() }
    function openAddFolderDialog(player) { customActions.openAddFolder(player) }
    function commitAddFolder() { return customActions.commitAddFolder() }
    function openImportRangeDialog(focusPlayer) { customActions.openImport(focusPlayer) }
    function _importFromUrl(fileUrl) { customActions.importFrom(fileUrl) }
    function commitImportRange() { return customActions.commitImport() }
    function openDeleteSelectedDialog(player) { customActions.openDelete(player) }
    function deleteSelectedItem(player) { customActions.deleteSelected(player) }
    function persistCustomRanges(player) { customActions.persist(player) }
    function _loadPersistedCustomRanges(player) { return customActions.loadStored(player) }
    function _loadStoredCustomTrees() { customActions.restore() }
    function _normalizeName(text) { return Names.trimmed(text) }
    function _uniqueRangeName(nodes, desiredName) { return Names.uniqueName(Names.namesOf(nodes), desiredName) }
    function _countDescendants(node) { return CustomLibrary.countDescendants(node) }

    function canOverrideStandard(player) { return overrideActions.canOverride(player, "standard") }
    function canOverrideExploit(player) { return overrideActions.canOverride(player, "exploit") }
    function overrideSelectedStandardRange(player) { return overrideActions.overrideSelected(player, "standard") }
    function overrideSelectedExploitRange(player) { return overrideActions.overrideSelected(player, "exploit") }
    function clearStandardOverrides(player) { return overrideActions.clear(player, "standard") }
    function clearExploitOverrides(player) { return overrideActions.clear(player, "exploit") }
    function persistStandardOverrides(player) { overrideActions.persist(player, "standard") }
    function persistExploitOverrides(player) { overrideActions.persist(player, "exploit") }
    function _loadPersistedStandardOverrides(player) { return overrideActions.loadStored(player, "standard") }
    function _loadPersistedExploitOverrides(player) { return overrideActions.loadStored(player, "exploit") }
    function _loadStoredStandardOverrides() { overrideActions.restore("standard") }
    function _loadStoredPopulationOverrides() { overrideActions.restore("exploit") }
    function _sanitizeOverrideMap(obj) { return Overrides.sanitizeMap(obj) }
    function _findPathKeyById(nodes, id, pathParts) { return RangeLibrary.findPathKeyById(nodes, id, pathParts) }
    function _updateRangeValueById(nodes, id, value) { return Overrides.updateRangeValueById(nodes, id, value) }
    function _stripIdsForExport(nodes) { return Overrides.stripIds(nodes) }
    function _flattenStandardForExport(nodes) { return Overrides.flattenStandard(nodes) }
    function _exportStandardTo(fileUrl) { return overrideActions.exportTo("standard", fileUrl) }
    function _exportExploitTo(fileUrl) { return overrideActions.exportTo("exploit", fileUrl) }

    function _openExportDialog(category) {
        (category === 0 ? rangeDialogs.exportStandard : rangeDialogs.exportExploit).open()
    }
    function _openClearOverridesDialog(player, category) {
        if (category === 0) {
            _clearStandardPlayer = player
            rangeDialogs.clearStandard.open()
        } else {
            _clearExploitPlayer = player
            rangeDialogs.clearExploit.open()
        }
    }

    CustomRangeActions {
        id: customActions
        page: root
        dialogs: rangeDialogs
        stores: pageStores
    }
    PresetOverrideActions {
        id: overrideActions
        page: root
        stores: pageStores
    }

    // ---- settings profiles: named copies of the game settings and sizings,
    // kept in the per-user settings, oldest first ----
    property var settingsProfiles: []
    property string _saveProfileError: ""
    property string _loadProfileSelectedId: ""
    property string _loadProfileError: ""
    property string _deleteProfileId: ""
    property string _deleteProfileName: ""

    onSettingsProfilesChanged: if (_storesOpen && !pageStores.taking) persistSettingsProfiles()

    function currentSettingsSnapshot() { return Profiles.snapshot(root) }

    // Writes a stored snapshot into the page: numbers are clamped into their
    // fields' ranges, values that are no numbers, unknown streets and sizes
    // that are no texts are refused. Board, ranges and thread count are
    // never touched, and the street stays the board's: the profile's is
    // taken only while the board holds no flop yet.
    function applySettingsSnapshot(data) {
        var list = Profiles.assignments(data, startingPot, boardText)
        for (var i = 0; i < list.length; ++i)
            root[list[i][0]] = list[i][1]
    }

    function _uniqueProfileName(existingProfiles, desiredName) {
        return Names.uniqueName(Names.namesOf(existingProfiles), desiredName)
    }
    function _sanitizeSettingsProfiles(arr) { return Profiles.sanitize(arr, _newNodeId) }
    function _loadPersistedSettingsProfiles() {
        var r = Stores.read(pageStores.stored("profilesJson"), Profiles.isStoreForm)
        return r.state === "ok" ? _sanitizeSettingsProfiles(r.value) : []
    }

    function persistSettingsProfiles() { pageStores.sync(["profilesJson"], "save") }

    // A stored list that cannot be read, or is not in the form of a profile
    // list, is copied to a backup key before anything else is stored, the
    // page says so, and saving goes on into a fresh list.
    function _loadStoredSettingsProfiles() { pageStores.sync(["profilesJson"], "start") }

    function deleteSettingsProfileById(id) { profileActions.deleteById(id) }
    function openSaveSettingsDialog() { profileActions.openSave() }
    function _commitSaveProfile() { return profileActions.commitSave() }
    function openLoadSettingsDialog() { profileActions.openLoad() }
    function _loadSelectedProfile() { return profileActions.loadSelected() }
    function _askDeleteSelectedProfile() { profileActions.askDeleteSelected() }

    ProfileActions {
        id: profileActions
        page: root
        dialogs: profileDialogs
        stores: pageStores
    }

    // ---- the stores in the per-user settings, shared with other copies of
    // the program ----
    PageStores {
        id: pageStores
        objectName: "pageStores"
        target: root
        file: root._controller && root._controller.storeFile ? root._controller.storeFile : null
        // Built-in trees are built again with overrides another copy stored;
        // at start the trees are built once the overrides are read.
        onTaken: function(key) {
            if (root._storesReady && /OverridesJson$/.test(key))
                root._loadBundledPresetRanges()
        }
    }

    // True when the store of that settings key could not be read and its
    // text was kept aside.
    function storeKeptAside(key) { return pageStores.keptAside(key) }
    // Why the last change of that store could not be stored, or "".
    function storeProblem(key) { return pageStores.problemText(key) }

    // Reads the stores again where the settings file changed, taking what
    // other copies stored, and stores a change that is still unsaved.
    function reloadStores() {
        if (_storesOpen)
            pageStores.refresh(pageStores.keys)
    }

    onVisibleChanged: if (visible) reloadStores()

    // A window brought to the front shows what the others stored meanwhile;
    // a control of the page that takes the focus is scrolled into view.
    Connections {
        target: root.Window.window
        ignoreUnknownSignals: true
        function onActiveChanged() {
            if (root.Window.window && root.Window.window.active)
                root.reloadStores()
        }
        function onActiveFocusItemChanged() {
            if (root.Window.window)
                root._scrollIntoView(root.Window.window.activeFocusItem)
        }
    }

    // Scrolls the page the least that shows the item (one of the page's own
    // controls, not of a dialog, reached by Tab or Shift+Tab) whole, 12 px
    // clear of the edges where it fits. A click never moves the page.
    function _scrollIntoView(item) {
        if (!item || !root.visible
                || (item.focusReason !== Qt.TabFocusReason && item.focusReason !== Qt.BacktabFocusReason))
            return
        var up = item
        while (up && up !== contentRoot)
            up = up.parent
        if (!up)
            return
        var r = item.mapToItem(contentRoot, 0, 0)
        flickable.contentX = _scrolledTo(flickable.contentX, r.x, item.width, flickable.width, flickable.contentWidth)
        flickable.contentY = _scrolledTo(flickable.contentY, r.y, item.height, flickable.height, flickable.contentHeight)
    }

    function _scrolledTo(offset, start, size, view, content) {
        var margin = 12
        var next = offset
        if (start + size + margin > next + view)
            next = start + size + margin - view
        if (start - margin < next)
            next = start - margin
        return Math.max(0, Math.min(Math.max(0, content - view), next))
    }

    // ---- start-up ----
    // Work done once when the page is complete, in this order; each step is a
    // root function of the part of the page that owns the stored data, and a
    // step that this build does not have yet is skipped.
    readonly property var _startupSteps: [
        "_loadStoredStandardOverrides",     // OOP, then IP
        "_loadStoredPopulationOverrides",   // OOP, then IP
        "_buildPresetTrees",                // uses the overrides loaded above
        "_loadStoredSettingsProfiles",
        "_loadStoredCustomTrees"            // OOP, then IP
    ]

    // The stored lists are written on every change once start-up has begun;
    // the first values that creation assigns would otherwise overwrite them
    // before they are read.
    property bool _storesOpen: false
    property bool _storesReady: false

    function _runStartup() {
        _storesOpen = true
        for (var i = 0; i < _startupSteps.length; ++i) {
            var step = root[_startupSteps[i]]
            if (typeof step !== "function")
                continue
            try {
                step()
            } catch (e) {
                console.warn("Setup page start-up:", _startupSteps[i], "failed:", e)
            }
        }
        _storesReady = true
    }

    Component.onCompleted: _runStartup()

    Connections {
        target: typeof languageManager !== "undefined" ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() { root._i18nRev += 1 }
    }

    // ---- wheel ----
    // Shift turns the wheel sideways. A vertical step is left unaccepted so
    // that a scrollable control under the pointer may take it as well.
    function _scrollByWheel(event) {
        var delta = event.angleDelta.y !== 0 ? event.angleDelta.y : event.angleDelta.x
        var step = delta / 2.0
        if (event.modifiers & Qt.ShiftModifier) {
            var maxX = Math.max(0, flickable.contentWidth - flickable.width)
            flickable.contentX = Math.max(0, Math.min(maxX, flickable.contentX - step))
            event.accepted = true
        } else {
            var maxY = Math.max(0, flickable.contentHeight - flickable.height)
            flickable.contentY = Math.max(0, Math.min(maxY, flickable.contentY - step))
        }
    }

    component PageScrollBar: ScrollBar {
        id: bar
        policy: ScrollBar.AsNeeded
        contentItem: Rectangle {
            implicitWidth: 8
            implicitHeight: 8
            radius: 4
            color: root.theme ? root.theme.textFaint : "#6E7681"
            opacity: bar.size >= 1.0 ? 0.0 : bar.pressed ? 0.9 : (bar.hovered || bar.active) ? 0.7 : 0.4
        }
    }

    Flickable {
        id: flickable
        objectName: "flickable"
        anchors.fill: parent
        contentWidth: contentRoot.width
        contentHeight: contentRoot.height + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        flickableDirection: Flickable.HorizontalAndVerticalFlick

        readonly property real _boardColumnWidth: Math.max(boardColumn.boardDisplay.implicitWidth + 27, 240)
        readonly property real _gameSettingsWidth: gameSettingsCard ? gameSettingsCard.implicitWidth : 420
        readonly property real _oopSizingWidth: oopSizingCard ? oopSizingCard.implicitWidth : 520
        readonly property real _ipSizingWidth: ipSizingCard ? ipSizingCard.implicitWidth : 520
        // Row 1 on one line, and two cards to a line.
        readonly property real _row1RequiredWidth: 24 + 24 + _boardColumnWidth + 16 + _gameSettingsWidth
                                                    + 16 + _oopSizingWidth + 16 + _ipSizingWidth
        readonly property real _row1WrappedWidth: 24 + 24 + Math.max(_boardColumnWidth, _oopSizingWidth)
                                                  + 16 + Math.max(_gameSettingsWidth, _ipSizingWidth)
        // Until the page is given a width, it is laid out for a wide one.
        readonly property bool _row1OnOneLine: width <= 0 || width >= _row1RequiredWidth
        readonly property bool _rangesOnOneLine: width <= 0 || width >= 24 + 24 + oopRangeCard.implicitWidth + 16
                                                                        + ipRangeCard.implicitWidth
        readonly property real _rangesRequiredWidth: 24 + 24
            + (root._oopMatrix ? root._oopMatrix.implicitWidth : 0)
            + 16 + (root._ipMatrix ? root._ipMatrix.implicitWidth : 0)

        ScrollBar.vertical: PageScrollBar { objectName: "verticalScrollBar" }
        ScrollBar.horizontal: PageScrollBar {
            objectName: "horizontalScrollBar"
            visible: flickable.contentWidth > flickable.width + 1
        }

        // An idle vertical handler never sees a wheel that turns only
        // sideways, so a second handler takes those; each event is handled once.
        WheelHandler {
            acceptedDevices: PointerDevice.Mouse | PointerDevice.TouchPad
            onWheel: function(event) {
                if (event.angleDelta.y !== 0)
                    root._scrollByWheel(event)
            }
        }
        WheelHandler {
            acceptedDevices: PointerDevice.Mouse | PointerDevice.TouchPad
            orientation: Qt.Horizontal
            onWheel: function(event) {
                if (event.angleDelta.y === 0)
                    root._scrollByWheel(event)
            }
        }

        Item {
            id: contentRoot
            objectName: "contentRoot"
            width: Math.max(flickable.width, flickable._row1OnOneLine ? flickable._row1RequiredWidth
                                                                      : flickable._row1WrappedWidth,
                            flickable._rangesRequiredWidth,
                            24 + 24 + Math.max(oopRangeCard.implicitWidth, ipRangeCard.implicitWidth))
            height: mainColumn.implicitHeight

            ColumnLayout {
                id: mainColumn
                width: contentRoot.width
                spacing: 24

                Item { Layout.preferredHeight: 8 }

                ProjectHeader {
                    objectName: "projectHeader"
                    Layout.fillWidth: true
                    Layout.leftMargin: 24
                    Layout.rightMargin: 24
                    theme: root.theme
                    ready: root.validBoard(root.boardText)
                    canSolve: root.canSolve
                    block: root.setupBlock
                    controller: root._controller
                    i18nRev: root._i18nRev
                    requiredMemoryText: root._controller && root._controller.solveRequiredMemoryText
                                        ? String(root._controller.solveRequiredMemoryText) : ""
                    requiredMemoryBytes: root._controller ? Number(root._controller.solveRequiredMemoryBytes) : 0
                    availableMemoryText: root._controller && root._controller.effectiveAvailableMemoryText
                                         ? String(root._controller.effectiveAvailableMemoryText) : ""
                    memoryWarning: root._solveRamWarning
                    onContinueClicked: root.goToSolve()
                }

                // The board, the game settings and the two sizing cards on one
                // line when the page is wide enough, else two to a line. The
                // cards on a line share the tallest one's height, so that
                // their bottoms line up.
                GridLayout {
                    id: row1
                    objectName: "row1"
                    Layout.fillWidth: true
                    Layout.leftMargin: 24
                    Layout.rightMargin: 24
                    columns: flickable._row1OnOneLine ? 4 : 2
                    columnSpacing: 16
                    rowSpacing: 16

                    readonly property real _firstPairHeight: Math.max(boardColumn.implicitHeight,
                                                                      gameSettingsCard.implicitHeight)
                    readonly property real _sizingPairHeight: Math.max(oopSizingCard.implicitHeight,
                                                                       ipSizingCard.implicitHeight)
                    readonly property real uniformColumnHeight: Math.max(_firstPairHeight, _sizingPairHeight)
                    readonly property real firstLineHeight: flickable._row1OnOneLine ? uniformColumnHeight
                                                                                     : _firstPairHeight
                    readonly property real sizingLineHeight: flickable._row1OnOneLine ? uniformColumnHeight
                                                                                      : _sizingPairHeight

                    BoardColumn {
                        id: boardColumn
                        objectName: "boardColumn"
                        page: root
                        stretch: !flickable._row1OnOneLine
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: stretch
                        Layout.preferredWidth: flickable._boardColumnWidth
                        Layout.preferredHeight: row1.firstLineHeight
                        Layout.minimumHeight: row1.firstLineHeight
                        onSlotClicked: function(index) { root._openCardPicker(index) }
                        onLoadSettingsClicked: {
                            if (typeof root.openLoadSettingsDialog === "function")
                                root.openLoadSettingsDialog()
                        }
                        onSaveSettingsClicked: {
                            if (typeof root.openSaveSettingsDialog === "function")
                                root.openSaveSettingsDialog()
                        }
                    }

                    GameSettingsCard {
                        id: gameSettingsCard
                        objectName: "gameSettingsCard"
                        page: root
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: !flickable._row1OnOneLine
                        Layout.preferredWidth: implicitWidth
                        Layout.minimumWidth: implicitWidth
                        Layout.maximumWidth: flickable._row1OnOneLine ? implicitWidth : Number.POSITIVE_INFINITY
                        Layout.preferredHeight: row1.firstLineHeight
                        Layout.minimumHeight: row1.firstLineHeight
                    }

                    SizingCard {
                        id: oopSizingCard
                        objectName: "oopSizingCard"
                        page: root
                        seat: "oop"
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: true
                        Layout.minimumWidth: implicitWidth
                        Layout.preferredHeight: row1.sizingLineHeight
                        Layout.minimumHeight: row1.sizingLineHeight
                    }

                    SizingCard {
                        id: ipSizingCard
                        objectName: "ipSizingCard"
                        page: root
                        seat: "ip"
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: true
                        Layout.minimumWidth: implicitWidth
                        Layout.preferredHeight: row1.sizingLineHeight
                        Layout.minimumHeight: row1.sizingLineHeight
                    }
                }

                // Ranges: OOP on the left, IP on the right, equal shares; OOP
                // above IP when the page is too narrow for both side by side.
                GridLayout {
                    id: rangesRow
                    objectName: "rangesRow"
                    Layout.fillWidth: true
                    Layout.leftMargin: 24
                    Layout.rightMargin: 24
                    columns: flickable._rangesOnOneLine ? 2 : 1
                    columnSpacing: 16
                    rowSpacing: 16

                    ColumnLayout {
                        id: oopRangeColumn
                        objectName: "oopRangeColumn"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.alignment: Qt.AlignTop
                        spacing: 12

                        RangeCard {
                            id: oopRangeCard
                            objectName: "oopRangeCard"
                            page: root
                            seat: "oop"
                            Layout.fillWidth: true
                            Layout.minimumWidth: implicitWidth
                            onExportRequested: function(category) { root._openExportDialog(category) }
                            onClearOverridesRequested: function(category) {
                                root._openClearOverridesDialog("oop", category)
                            }
                        }
                    }

                    ColumnLayout {
                        id: ipRangeColumn
                        objectName: "ipRangeColumn"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.alignment: Qt.AlignTop
                        spacing: 12

                        RangeCard {
                            id: ipRangeCard
                            objectName: "ipRangeCard"
                            page: root
                            seat: "ip"
                            Layout.fillWidth: true
                            Layout.minimumWidth: implicitWidth
                            onExportRequested: function(category) { root._openExportDialog(category) }
                            onClearOverridesRequested: function(category) {
                                root._openClearOverridesDialog("ip", category)
                            }
                        }
                    }
                }

                Item { Layout.preferredHeight: 24 }
            }
        }
    }

    CardPickerDialog {
        id: cardPickerDialog
        objectName: "cardPickerDialog"
        theme: root.theme
        editingIndex: root.editingCardIndex
        usedCards: root.usedBoardCards
        onCardPicked: function(card) {
            root.setBoardCardAt(root.editingCardIndex, card)
            close()
        }
        onClearRequested: {
            root.clearBoardFrom(root.editingCardIndex)
            close()
        }
    }

    ProfileDialogs {
        id: profileDialogs
        anchors.fill: parent
        page: root
    }

    RangeDialogs {
        id: rangeDialogs
        anchors.fill: parent
        page: root
    }
}
