import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt.labs.settings
import "../theme" as ThemePack
import "../pages" as Pages
import "ProjectState.js" as ProjectState
import "SolveGating.js" as Gating

// The window body: owner of the project state, the theme and the typography;
// hosts the top bar and the five pages, guards navigation between them, binds
// the keyboard shortcuts and decides whether a solve may start.
Item {
    id: root

    property var controller: null
    property int navIndex: 0
    property bool hasProject: false
    property int projectRecommendedWidth: 1540

    // A new project was made or one was opened: what the pages kept of the
    // project before it (a choice on the Results page) starts over.
    signal projectReplaced()
    onProjectReplaced: resultsPage.startNewProject()

    readonly property ThemePack.Theme theme: ThemePack.Theme {}
    readonly property ThemePack.Typography type: ThemePack.Typography {}

    // What of the per-user settings could not be read at start or saved
    // since (SettingsProblemText), shown across the window; null when none.
    property var settingsNotice: null

    readonly property bool developerMode: typeof appController !== "undefined" && appController !== null
                                          && appController.developerMode === true

    // ---- project state (keys, presets and defaults in ProjectState.js) ----
    // The startup blank preset replaces these values once the shell is complete.
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: ProjectState.DEFAULT_MAX_ITERATIONS
    property int startingPot: 0
    property int effectiveStack: 0
    property int threadCount: _startupThreadCount
    property string startingStreet: "flop"
    property real targetExploitability: 0.0
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

    readonly property int _controllerThreads: (controller && Number(controller.systemThreadCount) > 0)
                                              ? Number(controller.systemThreadCount) : 0
    readonly property int _startupThreadCount: _controllerThreads > 0 ? _controllerThreads : 1
    readonly property int _quickSolveThreadCount: _controllerThreads > 0 ? _controllerThreads : 12

    readonly property var startupBlankPreset: ProjectState.startupBlankPreset(_startupThreadCount)
    readonly property var newProjectPreset: ProjectState.newProjectPreset(_quickSolveThreadCount)
    readonly property var defaultPreset: ProjectState.defaultPreset(_quickSolveThreadCount)
    readonly property var customerQuickSolvePreset: ProjectState.customerQuickSolvePreset(_quickSolveThreadCount)

    // ---- solve readiness ----
    // The first reason the spot cannot be solved before its memory is
    // estimated (Gating.setupBlock), null when there is none. A Setup field
    // being typed in reports each value as it is typed; a text in it that is
    // no value holds every start back.
    readonly property var setupBlock: Gating.setupBlock(root, _hasAnyHand, projectPage ? projectPage.fieldRefusal : "")
    readonly property bool _canSolveBase: setupBlock === null
    readonly property bool canSolve: _canSolveBase && _hasEnoughRamToSolve()
    // A complete spot held back only by memory: the estimate does not fit.
    readonly property bool solveNeedsMoreMemory: _canSolveBase && !!controller
        && Gating.needsMoreRam(controller.solveRequiredMemoryBytes, controller.systemAvailableMemoryBytes,
                               controller.resultsReclaimableMemoryBytes)

    readonly property bool _solveRunning: !!controller && controller.running === true

    // ---- project state functions ----
    function exportProjectState() {
        var keys = ProjectState.keyNames()
        var out = {}
        for (var i = 0; i < keys.length; ++i)
            out[keys[i]] = root[keys[i]]
        return out
    }

    // Copies every key of `p` that holds a usable value; a missing or
    // mistyped entry leaves that property as it is, and the others still apply.
    function applyProjectState(p) {
        if (p === undefined || p === null || typeof p !== "object")
            return
        for (var i = 0; i < ProjectState.KEYS.length; ++i) {
            var key = ProjectState.KEYS[i][0]
            if (!(key in p) || p[key] === undefined)
                continue
            var v = ProjectState.convert(ProjectState.KEYS[i][1], p[key])
            if (v === undefined) {
                console.warn("Project state: ignoring invalid value for", key)
                continue
            }
            try {
                root[key] = v
            } catch (e) {
                console.warn("Project state: could not apply", key, e)
            }
        }
    }

    function quickSolvePreset() {
        return developerMode ? defaultPreset : customerQuickSolvePreset
    }

    function _reset(preset, projectFlag) {
        applyProjectState(preset)
        hasProject = projectFlag
        if (controller && typeof controller.clearResults === "function")
            controller.clearResults()
        syncPagesFromRoot()
        projectReplaced()
    }

    function resetToStartupBlank() { _reset(startupBlankPreset, false) }
    function resetToNewProject() { _reset(newProjectPreset, true) }
    function resetToDefaults() { _reset(quickSolvePreset(), true) }

    // A page that assigned one of its inputs lost the binding to the shell;
    // bind the project and solve pages to the shell's state again.
    function syncPagesFromRoot() {
        var keys = ProjectState.pageKeyNames()
        var pages = [projectPage, solvePage]
        for (var p = 0; p < pages.length; ++p) {
            var page = pages[p]
            if (!page)
                continue
            for (var i = 0; i < keys.length; ++i) {
                if (keys[i] in page)
                    page[keys[i]] = _bindingTo(keys[i])
            }
        }
        // The Solve page's thread choice writes the count back here and so
        // ends its binding; a new or opened project's count must reach it.
        if (solvePage)
            solvePage.threadCount = _bindingTo("threadCount")
    }

    function _bindingTo(key) {
        return Qt.binding(function() { return root[key] })
    }

    // ---- solve configuration and gating ----
    function targetExploitabilityAmount() {
        return Gating.targetAmount(startingPot, targetExploitability)
    }
    function _normalizeBoardText(s) { return Gating.normalizeBoardText(s) }
    function _isStrictBoardReady() { return Gating.isStrictBoardReady(boardText) }
    // The back end's range parser decides, as it does when a solve starts.
    function _hasAnyHand(rangeText) {
        if (controller && typeof controller.rangeHasHand === "function")
            return controller.rangeHasHand(rangeText === undefined || rangeText === null ? "" : String(rangeText))
        return Gating.hasAnyHand(rangeText)
    }
    function _hasSizingFilled() {
        return Gating.hasSizingFilled([
            oopFlopBetSizesText, oopFlopRaiseSizesText, oopTurnBetSizesText, oopTurnRaiseSizesText,
            oopRiverBetSizesText, oopRiverRaiseSizesText, ipFlopBetSizesText, ipFlopRaiseSizesText,
            ipTurnBetSizesText, ipTurnRaiseSizesText, ipRiverBetSizesText, ipRiverRaiseSizesText])
    }
    function _hasEnoughRamToSolve() {
        if (!controller)
            return false
        return Gating.hasEnoughRam(controller.solveRequiredMemoryBytes, controller.systemAvailableMemoryBytes,
                                   controller.resultsReclaimableMemoryBytes)
    }
    function _solveMemCfg() { return Gating.solveConfigMap(root) }
    function _scheduleSolveMemEstimate() {
        if (solveMemEstimateTimer)
            solveMemEstimateTimer.restart()
    }

    onBoardTextChanged: _scheduleSolveMemEstimate()
    onOopRangeTextChanged: _scheduleSolveMemEstimate()
    onIpRangeTextChanged: _scheduleSolveMemEstimate()
    onStartingPotChanged: _scheduleSolveMemEstimate()
    onEffectiveStackChanged: _scheduleSolveMemEstimate()
    onThreadCountChanged: _scheduleSolveMemEstimate()
    onStartingStreetChanged: _scheduleSolveMemEstimate()
    onRakePercentChanged: _scheduleSolveMemEstimate()
    onRakeCapChanged: _scheduleSolveMemEstimate()
    onOopFlopBetSizesTextChanged: _scheduleSolveMemEstimate()
    onOopTurnBetSizesTextChanged: _scheduleSolveMemEstimate()
    onOopRiverBetSizesTextChanged: _scheduleSolveMemEstimate()
    onOopFlopRaiseSizesTextChanged: _scheduleSolveMemEstimate()
    onOopTurnRaiseSizesTextChanged: _scheduleSolveMemEstimate()
    onOopRiverRaiseSizesTextChanged: _scheduleSolveMemEstimate()
    onOopFlopAddAllInChanged: _scheduleSolveMemEstimate()
    onOopTurnAddAllInChanged: _scheduleSolveMemEstimate()
    onOopRiverAddAllInChanged: _scheduleSolveMemEstimate()
    onOopFlopDontDonkChanged: _scheduleSolveMemEstimate()
    onOopTurnDontDonkChanged: _scheduleSolveMemEstimate()
    onOopRiverDontDonkChanged: _scheduleSolveMemEstimate()
    onIpFlopBetSizesTextChanged: _scheduleSolveMemEstimate()
    onIpTurnBetSizesTextChanged: _scheduleSolveMemEstimate()
    onIpRiverBetSizesTextChanged: _scheduleSolveMemEstimate()
    onIpFlopRaiseSizesTextChanged: _scheduleSolveMemEstimate()
    onIpTurnRaiseSizesTextChanged: _scheduleSolveMemEstimate()
    onIpRiverRaiseSizesTextChanged: _scheduleSolveMemEstimate()
    onIpFlopAddAllInChanged: _scheduleSolveMemEstimate()
    onIpTurnAddAllInChanged: _scheduleSolveMemEstimate()
    onIpRiverAddAllInChanged: _scheduleSolveMemEstimate()
    onOopAddAllInIfJamLtEnabledChanged: _scheduleSolveMemEstimate()
    onOopAddAllInIfJamLtPctChanged: _scheduleSolveMemEstimate()
    onIpAddAllInIfJamLtEnabledChanged: _scheduleSolveMemEstimate()
    onIpAddAllInIfJamLtPctChanged: _scheduleSolveMemEstimate()
    // A refusal that clears with the text back at the value already held
    // changes no property, and an estimate that fell due meanwhile was skipped.
    on_CanSolveBaseChanged: if (_canSolveBase) _scheduleSolveMemEstimate()

    Timer {
        id: solveMemEstimateTimer
        objectName: "solveMemEstimateTimer"
        interval: 450
        repeat: false
        onTriggered: {
            if (!root._canSolveBase)
                return
            if (!root.controller || typeof root.controller.requestSolveMemoryEstimate !== "function")
                return
            root.controller.requestSolveMemoryEstimate(root._solveMemCfg())
        }
    }

    // ---- navigation ----
    function _pageLocked() {
        return navIndex === 2 && _solveRunning
    }

    function _hasResults() {
        return !!controller && Number(controller.resultIterations) > 0
    }

    // Keys go to the item that has the focus even while its page is hidden:
    // a Setup field left focused would take, unseen, what is typed on the
    // page shown next. The focus leaves a page that is no longer shown, and
    // the field finishes its edit as on any focus loss.
    onNavIndexChanged: {
        var shown = stack.children[navIndex]
        for (var up = root.Window.activeFocusItem; up && up !== stack; up = up.parent) {
            if (up.parent === stack && up !== shown) {
                stack.forceActiveFocus()
                return
            }
        }
    }

    // The guard shared by the top bar's tabs and the page shortcuts.
    function requestNavigate(i) {
        if (_pageLocked() && i !== 2)
            return
        if (i === 3 && !_hasResults())
            return
        if (i === 1 && !hasProject)
            return
        if (i === 2 && !canSolve)
            return
        navIndex = i
    }

    // F5 starts the solve as the Solve page's own button does, so the run is
    // listed there like any other.
    function _startSolveFromShortcut() {
        if (!canSolve || !controller || _solveRunning || controller.projectFileBusy === true)
            return
        navIndex = 2
        solvePage.startSolve()
    }

    function _cancelSolveFromShortcut() {
        if (_solveRunning && typeof controller.cancelSolve === "function")
            controller.cancelSolve()
    }

    Shortcut {
        sequence: "Ctrl+1"
        onActivated: if (!root._pageLocked()) root.navIndex = 0
    }
    Shortcut {
        sequence: "Ctrl+2"
        onActivated: if (!root._pageLocked() && root.hasProject) root.navIndex = 1
    }
    Shortcut {
        sequence: "Ctrl+3"
        onActivated: if (!root._pageLocked() && root.canSolve) root.navIndex = 2
    }
    Shortcut {
        sequence: "Ctrl+4"
        onActivated: if (!root._pageLocked() && root._hasResults()) root.navIndex = 3
    }
    Shortcut {
        sequence: "Ctrl+,"
        onActivated: if (!root._pageLocked()) root.navIndex = 4
    }
    Shortcut {
        sequence: "F5"
        onActivated: root._startSolveFromShortcut()
    }
    Shortcut {
        sequence: "Escape"
        onActivated: root._cancelSolveFromShortcut()
    }

    // ---- settings read at start (the settings page writes them) ----
    Settings {
        id: uiSettings
        category: "ui"
    }

    function _settingBool(value, fallback) {
        if (value === true || value === "true" || value === 1 || value === "1")
            return true
        if (value === false || value === "false" || value === 0 || value === "0")
            return false
        return fallback
    }

    // A stored accent is used only when it is a colour text ("#RRGGBB" or
    // "#AARRGGBB"); anything else falls back to the theme's default accent.
    function _applyStoredTheme() {
        theme.dark = _settingBool(uiSettings.value("darkMode", true), true)
        var raw = uiSettings.value("accentHex", "")
        var hex = (raw === undefined || raw === null) ? "" : String(raw).trim()
        if (hex.length > 0 && /^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$/.test(hex)) {
            theme.useAccentOverride = true
            theme.accentOverride = hex
        } else {
            if (hex.length > 0)
                console.warn("Ignoring stored accent colour that is not a colour:", hex)
            theme.useAccentOverride = false
        }
    }

    // ---- page wiring ----
    function _writeBackFrom(page, key) {
        return function() { root[key] = page[key] }
    }

    function _wireProjectPage() {
        var keys = ProjectState.pageKeyNames()
        for (var i = 0; i < keys.length; ++i) {
            var sig = projectPage[keys[i] + "Changed"]
            if (sig && typeof sig.connect === "function")
                sig.connect(_writeBackFrom(projectPage, keys[i]))
        }
    }

    // ---- visuals ----
    Rectangle {
        id: background
        anchors.fill: parent
        color: root.theme.bg0

        Rectangle {
            anchors.fill: parent
            gradient: Gradient {
                GradientStop { position: 0.0; color: root.theme.withOpacity(root.theme.accent, 0.02) }
                GradientStop { position: 1.0; color: "transparent" }
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TopBar {
            id: topbar
            objectName: "topbar"
            Layout.fillWidth: true
            theme: root.theme
            controller: root.controller
            canSolve: root.canSolve
            solveNeedsMoreMemory: root.solveNeedsMoreMemory
            projectEnabled: root.hasProject
            currentPage: root.navIndex
            maxIterations: root.maxIterations
            targetExploitability: root.targetExploitability
            onNavigate: function(index) { root.requestNavigate(index) }
        }

        SettingsNotice {
            objectName: "settingsNotice"
            Layout.fillWidth: true
            theme: root.theme
            status: root.settingsNotice
            onDismissed: root.settingsNotice = null
        }

        StackLayout {
            id: stack
            objectName: "pageStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: root.navIndex

            Pages.HomePage {
                id: homePage
                objectName: "homePage"
                theme: root.theme
                type: root.type
                projectStateProvider: root.exportProjectState
                onNewProject: {
                    root.resetToNewProject()
                    root.navIndex = 1
                }
                onQuickSolve: {
                    root.resetToDefaults()
                    root.hasProject = true
                    root.navIndex = 1
                }
                onImportRange: {
                    if (!root.hasProject)
                        root.resetToNewProject()
                    root.hasProject = true
                    root.navIndex = 1
                    if (typeof projectPage.openImportRangeDialog === "function")
                        projectPage.openImportRangeDialog("oop")
                }
                onProjectLoaded: function(projectState, hasResults) {
                    root.applyProjectState(projectState)
                    root.hasProject = true
                    root.syncPagesFromRoot()
                    root.projectReplaced()
                    root.navIndex = hasResults ? 3 : 1
                }
            }

            Pages.ProjectPage {
                id: projectPage
                objectName: "projectPage"
                theme: root.theme
                type: root.type
                canSolve: root.canSolve
                setupBlock: root.setupBlock
                onGoToSolve: root.navIndex = 2
            }

            Pages.SolvePage {
                id: solvePage
                objectName: "solvePage"
                theme: root.theme
                type: root.type
                controller: root.controller
                canSolve: root.canSolve
                threadCount: root.threadCount
                onThreadCountChanged: root.threadCount = threadCount
                onGoToResults: root.navIndex = 3
            }

            Pages.ResultsPage {
                id: resultsPage
                objectName: "resultsPage"
                theme: root.theme
                type: root.type
                controller: root.controller
                // The board and rake the results were solved with: the
                // project's may have been edited since.
                readonly property bool solvedSpotKnown: !!(root.controller && root.controller.resultBoardText)
                boardText: solvedSpotKnown ? root.controller.resultBoardText : root.boardText
                rakePercent: solvedSpotKnown ? root.controller.resultRakePercent : root.rakePercent
                rakeCap: solvedSpotKnown ? root.controller.resultRakeCap : root.rakeCap
            }

            Pages.SettingsPage {
                id: settingsPage
                objectName: "settingsPage"
                theme: root.theme
                type: root.type
                darkMode: root.theme.dark
                onDarkModeChanged: root.theme.dark = darkMode
            }

            Component.onCompleted: {
                root.projectRecommendedWidth = projectPage.recommendedWindowWidth
            }
        }
    }

    // A project file being opened or saved covers the window until it is done.
    ProjectFileProgress {
        objectName: "projectFileProgress"
        anchors.fill: parent
        theme: root.theme
        controller: root.controller
    }

    Connections {
        target: projectPage
        function onRecommendedWindowWidthChanged() {
            root.projectRecommendedWidth = projectPage.recommendedWindowWidth
        }
    }

    // The page's switch assigns its own `darkMode`, which ends the binding
    // above; this keeps the switch following a palette change made elsewhere.
    Connections {
        target: root.theme
        function onDarkChanged() {
            if (settingsPage.darkMode !== root.theme.dark)
                settingsPage.darkMode = root.theme.dark
        }
    }

    Connections {
        target: root.controller
        ignoreUnknownSignals: true
        function onSettingsWriteFailed(status) { root.settingsNotice = status }
    }

    Component.onCompleted: {
        if (controller && typeof controller.settingsStatus === "function") {
            var status = controller.settingsStatus()
            if (status && status.ok === false)
                settingsNotice = status
        }
        _wireProjectPage()
        _applyStoredTheme()
        resetToStartupBlank()
    }
}
