import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtCore
import "../components"
import "home"
import "../components/SavePath.js" as SavePath
import "../components/ShownText.js" as ShownText

// Dashboard the application opens on: project buttons, quick actions, the
// play-against-the-solution statistics, system figures and solve activity.
// New Solve, Quick Solve and Import Range are left to the shell.
Item {
    id: root

    property var theme: null
    property var type: null
    property var projectStateProvider: null
    property var solveActivityGrid: []
    property var playVsSolutionStats: ({})

    // Last project save or open failure, shown in the banner; "" when none.
    property string projectError: ""

    signal newProject()
    signal quickSolve()
    signal importRange()
    signal projectLoaded(var projectState, bool hasResults)

    readonly property bool _hasController: typeof appController !== "undefined" && appController !== null

    function _controllerHas(name) {
        return _hasController && typeof appController[name] === "function"
    }

    function reloadSolveActivity() {
        solveActivityGrid = _controllerHas("solveActivityGridLastYear") ? appController.solveActivityGridLastYear() : []
    }

    function reloadPlayVsSolutionStats() {
        playVsSolutionStats = _controllerHas("playVsSolutionStats") ? appController.playVsSolutionStats() : ({})
    }

    // Saves the current project to `fileUrl`; false (with the reason shown in
    // the banner) when the file could not be written.
    function _saveProjectTo(fileUrl) {
        var state = (typeof projectStateProvider === "function") ? projectStateProvider() : ({})
        var ok = false
        if (_controllerHas("saveProject")) {
            try {
                ok = appController.saveProject(fileUrl, state) === true
            } catch (e) {
                ok = false
            }
        }
        if (!ok) {
            console.warn("Save failed:", fileUrl)
            _showSaveFailure(fileUrl, _controllerHas("projectSaveError") ? appController.projectSaveError() : "")
        } else {
            projectError = ""
        }
        return ok
    }

    // The failure of a save, with the reason the system gave when there is one.
    function _showSaveFailure(fileUrl, reason) {
        var why = (reason === undefined || reason === null) ? "" : String(reason)
        projectError = why.length > 0
                ? qsTr("Could not save the project to %1: %2").arg(_displayPath(fileUrl)).arg(why)
                : qsTr("Could not save the project to %1").arg(_displayPath(fileUrl))
    }

    // A project whose tree is this large is written in the background, with
    // the shell's progress display; a smaller one is written at once.
    readonly property int _backgroundSaveNodes: 20000

    // Saves as the save dialog does: a large project in the background (the
    // outcome arrives through the controller's projectSaved).
    function _saveFromDialog(fileUrl) {
        if (!_controllerHas("saveProjectInBackground") || !_controllerHas("treeNodeCount")
                || appController.treeNodeCount() < _backgroundSaveNodes)
            return _saveProjectTo(fileUrl)
        var state = (typeof projectStateProvider === "function") ? projectStateProvider() : ({})
        appController.saveProjectInBackground(fileUrl, state)
        return true
    }

    function _projectSaved(ok, fileUrl, reason) {
        if (ok) {
            projectError = ""
            return
        }
        console.warn("Save failed:", fileUrl)
        _showSaveFailure(fileUrl, reason)
    }

    // Opens as the open dialog does: the file is read in the background and
    // the outcome arrives through the controller's projectOpened.
    function _openFromDialog(fileUrl) {
        if (!_controllerHas("openProject"))
            return _openProjectFrom(fileUrl)
        appController.openProject(fileUrl)
        return true
    }

    function _openProjectFrom(fileUrl) {
        if (!_controllerHas("loadProject"))
            return false
        return _projectOpened(appController.loadProject(fileUrl))
    }

    function _projectOpened(res) {
        if (res && res.ok === true) {
            projectError = ""
            projectLoaded(res.project, res.hasResults === true)
            return true
        }
        var reason = (res && res.error !== undefined) ? String(res.error) : "unknown"
        console.warn("Load failed:", reason)
        projectError = qsTr("Could not open the project: %1").arg(reason)
        return false
    }

    function _displayPath(fileUrl) {
        var s = String(fileUrl)
        return ShownText.escaped(s.indexOf("file://") === 0 ? decodeURIComponent(s.substring(7)) : s)
    }

    function _count(v) {
        var n = Number(v)
        return (v === undefined || v === null || !isFinite(n)) ? 0 : n
    }

    function _handsText(stats) {
        var s = stats || {}
        return Math.round(_count(s.todayHands)) + " / " + Math.round(_count(s.totalHands))
    }

    function _accuracySide(hands, acc) {
        var a = (acc === undefined || acc === null) ? 0 : Number(acc)
        if (_count(hands) > 0 && isFinite(a))
            return String(Math.floor(a + 0.5))
        return "—"
    }

    function _evLossSide(hands, ev) {
        var v = (ev === undefined || ev === null) ? NaN : Number(ev)
        if (_count(hands) > 0 && isFinite(v))
            return v.toFixed(3)
        return "—"
    }

    function _accuracyText(stats) {
        var s = stats || {}
        return _accuracySide(s.todayHands, s.todayAccuracyPct) + " / " + _accuracySide(s.totalHands, s.totalAccuracyPct)
    }

    function _evLossText(stats) {
        var s = stats || {}
        return _evLossSide(s.todayHands, s.todayAvgEvLoss) + " / " + _evLossSide(s.totalHands, s.totalAvgEvLoss)
    }

    readonly property string threadsText: (_hasController && Number(appController.systemThreadCount) > 0)
                                          ? qsTr("%1 available").arg(String(appController.systemThreadCount)) : "—"
    readonly property string memoryText: {
        var total = _hasController && appController.systemMemoryText ? String(appController.systemMemoryText) : ""
        var free = _hasController && appController.systemAvailableMemoryText
                   ? String(appController.systemAvailableMemoryText) : ""
        return qsTr("%1 (%2 free)").arg(total.length > 0 ? total : "—").arg(free.length > 0 ? free : "—")
    }

    readonly property var _nameFilters: [qsTr("Velmora Project (*.velmoraproj)"), qsTr("JSON (*.json)"),
                                         qsTr("All Files (*)")]

    // The file dialogs are the program's own: in its colours and language on
    // every platform; the save dialog hands back a file URL with the project
    // suffix added.
    AppFileDialog {
        id: saveProjectDialog
        objectName: "saveProjectDialog"
        theme: root.theme
        title: qsTr("Save Project")
        fileMode: "save"
        namePlaceholder: qsTr("Project name")
        nameFilters: root._nameFilters
        onAccepted: {
            root._saveFromDialog(selectedFile)
            openProjectDialog.folder = folder
        }
    }

    // Both dialogs start in the folder used last.
    function openSaveDialog() {
        saveProjectDialog.setFolderUrl(openProjectDialog.currentFolder)
        saveProjectDialog.open()
    }

    AppFileDialog {
        id: openProjectDialog
        objectName: "openProjectDialog"
        theme: root.theme
        title: qsTr("Open Project")
        fileMode: "open"
        // Both project dialogs start in the home folder, then in the one used last.
        folder: SavePath.localPath(StandardPaths.writableLocation(StandardPaths.HomeLocation))
        nameFilters: root._nameFilters
        onAccepted: root._openFromDialog(selectedFile)
    }

    ConfirmDialog {
        id: clearPlayStatsDialog
        objectName: "clearPlayStatsDialog"
        theme: root.theme
        title: qsTr("Clear Play vs. Solution Stats")
        text: qsTr("Clear all Play vs. Solution statistics (today + total)?")
        onAccepted: {
            if (root._controllerHas("clearPlayVsSolutionStats"))
                appController.clearPlayVsSolutionStats()
        }
    }

    Connections {
        target: root._hasController ? appController : null
        ignoreUnknownSignals: true
        function onSolveStatsChanged() { root.reloadSolveActivity() }
        function onPlayVsSolutionStatsChanged() { root.reloadPlayVsSolutionStats() }
        function onProjectOpened(result) { root._projectOpened(result) }
        function onProjectSaved(ok, fileUrl, reason) { root._projectSaved(ok, fileUrl, reason) }
    }

    Component.onCompleted: {
        reloadSolveActivity()
        reloadPlayVsSolutionStats()
    }

    ScrollView {
        id: scroll
        anchors.fill: parent
        clip: true
        contentWidth: availableWidth
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

        ColumnLayout {
            width: scroll.availableWidth
            spacing: 24

            Item { Layout.preferredHeight: 8 }

            HomeHero {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                theme: root.theme
                errorText: root.projectError
                onNewClicked: root.newProject()
                onSaveClicked: root.openSaveDialog()
                onOpenClicked: openProjectDialog.open()
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                spacing: 20

                HomeQuickActions {
                    Layout.preferredWidth: 320
                    Layout.alignment: Qt.AlignTop
                    theme: root.theme
                    onNewSolve: root.newProject()
                    onQuickSolve: root.quickSolve()
                    onImportRange: root.importRange()
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    spacing: 20

                    Card {
                        id: statsCard
                        objectName: "playStatsCard"
                        Layout.fillWidth: true
                        theme: root.theme

                        ColumnLayout {
                            width: parent.width
                            spacing: 16

                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 8
                                Icon { name: "gamepad"; size: 18; Layout.preferredWidth: 18; Layout.preferredHeight: 18; color: root.theme ? root.theme.accent : "#3FB950" }
                                Text {
                                    textFormat: Text.PlainText
                                    Layout.fillWidth: true
                                    text: qsTr("Play vs. Solution")
                                    font.pixelSize: 16
                                    font.bold: true
                                    color: root.theme ? root.theme.text : "#F0F6FC"
                                }
                                SecondaryButton {
                                    objectName: "clearStatsButton"
                                    Layout.minimumWidth: 80
                                    Layout.preferredHeight: 28
                                    theme: root.theme
                                    danger: true
                                    text: qsTr("Clear")
                                    font.pixelSize: 11
                                    onClicked: clearPlayStatsDialog.open()
                                }
                            }

                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 16
                                StatCard {
                                    objectName: "handsStat"
                                    Layout.fillWidth: true
                                    Layout.fillHeight: true
                                    Layout.preferredWidth: 1
                                    theme: root.theme
                                    label: qsTr("Hands (Today / Total)")
                                    value: root._handsText(root.playVsSolutionStats)
                                }
                                StatCard {
                                    objectName: "accuracyStat"
                                    Layout.fillWidth: true
                                    Layout.fillHeight: true
                                    Layout.preferredWidth: 1
                                    theme: root.theme
                                    label: qsTr("Accuracy (Today / Total)")
                                    value: root._accuracyText(root.playVsSolutionStats)
                                    unit: "%"
                                }
                                StatCard {
                                    objectName: "evLossStat"
                                    Layout.fillWidth: true
                                    Layout.fillHeight: true
                                    Layout.preferredWidth: 1
                                    theme: root.theme
                                    label: qsTr("Avg EV Loss (Today / Total)")
                                    value: root._evLossText(root.playVsSolutionStats)
                                    unit: "EV"
                                }
                            }
                        }
                    }

                    Card {
                        objectName: "systemCard"
                        Layout.fillWidth: true
                        theme: root.theme

                        ColumnLayout {
                            width: parent.width
                            spacing: 12

                            RowLayout {
                                spacing: 8
                                Icon { name: "monitor"; size: 18; Layout.preferredWidth: 18; Layout.preferredHeight: 18; color: root.theme ? root.theme.accent : "#3FB950" }
                                Text {
                                    textFormat: Text.PlainText
                                    text: qsTr("System")
                                    font.pixelSize: 16
                                    font.bold: true
                                    color: root.theme ? root.theme.text : "#F0F6FC"
                                }
                            }

                            GridLayout {
                                columns: 2
                                columnSpacing: 12
                                rowSpacing: 8

                                Text { textFormat: Text.PlainText; text: qsTr("Engine"); font.pixelSize: 12; color: root.theme ? root.theme.textMuted : "#8B949E" }
                                Text { textFormat: Text.PlainText; text: qsTr("Caldirune Core"); font.pixelSize: 12; color: root.theme ? root.theme.text : "#F0F6FC" }
                                Text { textFormat: Text.PlainText; text: qsTr("Threads"); font.pixelSize: 12; color: root.theme ? root.theme.textMuted : "#8B949E" }
                                Text { textFormat: Text.PlainText; text: root.threadsText; font.pixelSize: 12; color: root.theme ? root.theme.text : "#F0F6FC" }
                                Text { textFormat: Text.PlainText; text: qsTr("Memory"); font.pixelSize: 12; color: root.theme ? root.theme.textMuted : "#8B949E" }
                                Text { textFormat: Text.PlainText; text: root.memoryText; font.pixelSize: 12; color: root.theme ? root.theme.text : "#F0F6FC" }
                            }
                        }
                    }
                }
            }

            SolveActivityGrid {
                objectName: "solveActivityCard"
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                theme: root.theme
                solveActivityGrid: root.solveActivityGrid
            }

            Item { Layout.preferredHeight: 24 }
        }
    }
}
