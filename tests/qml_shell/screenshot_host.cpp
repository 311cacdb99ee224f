// Shows the application shell with the real back end on one page in one
// palette, for scripts/shell-screenshots.sh ("setup": the Quick Solve spot
// on the Setup page). Prints "READY" once the page is up and has settled;
// the script then captures the screen and ends it. "results" shows the Results
// page at the root of a small flop spot solved for it, "results-turn" the
// same page after walking down to a turn card ("results-river" on to a river
// card, "results-picker" with the river card picker open); "results-lock" with AA and KK
// locked at the root in node-lock mode (scrolled down to the lock panel),
// "results-buckets" with the second bucket chosen, "results-search" with a
// hand search, "results-far-right" scrolled fully right and down, "results-loaded" with the solve saved as a project, opened
// again and walked to a node whose details it does not hold; "results-locked",
// "results-other-spot", "results-refused" and "results-resolving" lock nodes
// and re-solve (see `_lockStoryPages` below); "results-loaded-solve" the Solve
// page after that opening, with its status.
// --switch-to CODE switches the language once the page has settled, and the
// picture is taken after the switch.
//
//   shell_screenshot_host --page home|settings|setup|setup-ranges|setup-ranges-spans|setup-ranges-weights|
//                                setup-population|setup-card-picker|
//                                setup-save-range|setup-import|setup-import-left-out|setup-load-profile|solve-idle|solve|solve-done|results|results-turn
//                                |setup-blocked-size|setup-blocked-cleared|setup-blocked-range|setup-blocked-sizes|setup-blocked-board
//                                |setup-blocked-rake
//                                |results-river|results-picker|results-lock|results-buckets|results-search|results-far-right
//                                |results-loaded|results-loaded-solve|results-locked|results-other-spot|results-refused
//                                |results-resolving
//                                --theme dark|light
//                         [--width N] [--height N] [--language CODE] [--switch-to CODE]
//   shell_screenshot_host --main --page home|settings|settings-update-error|settings-update-error-de|settings-notices|
//                                       settings-notices-de|setup|setup-bad-size|
//                                       setup-bad-range|save-dialog|open-dialog|export-dialog|import-dialog|clear-dialog|
//                                       open-damaged|open-too-large|save-refused
//                         [--language CODE] [--theme dark|light]
// "save-refused" saves on a machine whose memory is all but used up (a
// control group with 4 MiB left): the save is refused with its figures.
#include "tests/qml_shell/shell_test_backend.h"

#include "backend/platform/memory_limits.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

const char* kHostQml = R"QML(
import QtQuick
import QtQuick.Window
import Velmora

Window {
    id: window
    property string page: "home"
    property string switchTo: ""
    property bool _switched: false
    property int windowWidth: 1540
    property int windowHeight: 1200
    width: windowWidth
    height: windowHeight
    visible: true
    color: "#080B12"
    title: "Caldirune"

    AppShell {
        id: shell
        anchors.fill: parent
        controller: appController
    }

    // The Solve page views: "solve-idle" before a run, "solve" while the
    // Quick Solve flop spot is being solved, "solve-done" after a short solve
    // of it; the runs are started with the page's own Start button.
    readonly property bool _solveView: page.indexOf("solve") === 0
    readonly property bool _resultsView: page.indexOf("results") === 0
    property bool _started: false

    // A flop spot small enough to solve in a few seconds.
    function _smallFlopSpot() {
        var s = { boardText: "QsJh2h", startingStreet: "flop", startingPot: 100, effectiveStack: 200,
                  oopRangeText: "AA,KK,QQ,JJ,TT,AKs,AQs,KQs,QJs,JTs,AKo",
                  ipRangeText: "QQ,JJ,TT,99,AQs,KQs,QJs,JTs,T9s,AQo,KQo",
                  maxIterations: 40, targetExploitability: 0.0, rakePercent: 0.0, rakeCap: 0 }
        var streets = ["Flop", "Turn", "River"]
        for (var i = 0; i < streets.length; ++i) {
            s["oop" + streets[i] + "BetSizesText"] = "33,75"
            s["ip" + streets[i] + "BetSizesText"] = "33,75"
            s["oop" + streets[i] + "RaiseSizesText"] = "a"
            s["ip" + streets[i] + "RaiseSizesText"] = "a"
        }
        return s
    }

    // Check, check, and the turn card 7d (the solver may list 7c for it).
    function _walkToTurn() {
        var page = _find(shell, "resultsPage")
        page.selectActionAtLevel(0, 0)
        page.selectActionAtLevel(1, 0)
        page.openChancePicker(2, page.currentNodeIndex)
        page.chooseChanceCard(page._chanceCardIndexForSelection("7d"), "7d")
    }

    // Further on to the river: check, check, and the river card As;
    // "results-picker" leaves the river card picker open instead.
    function _walkToRiver(openPickerOnly) {
        var page = _find(shell, "resultsPage")
        _walkToTurn()
        var level = page.treeLevels.count - 1
        page.selectActionAtLevel(level, 0)
        page.selectActionAtLevel(level + 1, 0)
        page.openChancePicker(level + 2, page.currentNodeIndex)
        if (!openPickerOnly)
            page.chooseChanceCard(page._chanceCardIndexForSelection("As"), "As")
    }

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

    // Clicks the rows of `path` in a seat's list of `category`, as a user
    // opening folders down to a range would.
    function _openPath(setup, seat, category, path) {
        setup[seat + "RangeCategory"] = category
        for (var p = 0; p < path.length; ++p) {
            var rows = setup.listModelFor(seat)
            for (var r = 0; r < rows.length; ++r) {
                if (rows[r].name !== path[p])
                    continue
                setup[seat + "SelectedId"] = rows[r].id
                if (rows[r].kind === "folder")
                    setup._toggleOpenFolder(seat, rows[r].id)
                else
                    setup[seat + "RangeText"] = rows[r].value
                break
            }
        }
    }

    // The range cards: a Standard preset opened on OOP, a range painted
    // with mixed weights on IP, scrolled into view. "setup-population":
    // Population presets opened on both seats instead; "setup-ranges-spans"
    // and "setup-ranges-weights" texts typed into both range fields.
    function _showRanges() {
        var setup = _find(shell, "projectPage")
        var flick = _find(setup, "flickable")
        var typed = { "setup-ranges-spans": ["T9s+", "AhKh, AsKs"],
                      "setup-ranges-weights": ["AA, KK :0.5", "AKs:0.25, QQ, T9s+"] }[page]
        if (typed) {
            setup.oopRangeText = typed[0]
            setup.ipRangeText = typed[1]
            flick.contentY = Math.max(0, flick.contentHeight - flick.height)
            return
        }
        if (page === "setup-population") {
            _openPath(setup, "oop", 1, ["Passive (VPIP 18\u201365)", "Passive tight (VPIP 18\u201325)", "SB", "Limp"])
            _openPath(setup, "ip", 1, ["Overfolder (10-22 VPIP)", "Nit", "BU", "RFI"])
            flick.contentY = Math.max(0, flick.contentHeight - flick.height)
            return
        }
        _openPath(setup, "oop", 0, ["6-max", "No rake", "vs RFI", "vs UTG RFI", "Call BB"])
        var painted = ["AA", "KK", "QQ", "AKs", "AQs", "KQs", "JJ", "TT", "AKo"]
        setup.ipRangeText = ""
        setup.ipClickWeightPct = 100
        for (var i = 0; i < painted.length; ++i) {
            if (i === 6)
                setup.ipClickWeightPct = 50
            setup.ipRangeText = setup.toggleHand(setup.ipRangeText, painted[i], 0, setup.ipClickWeightPct / 100)
        }
        flick.contentY = Math.max(0, flick.contentHeight - flick.height)
    }

    // The range and profile dialogs over the Setup page: naming the OOP
    // range, naming a range text file being imported, loading a profile.
    function _showDialog() {
        var setup = _find(shell, "projectPage")
        setup.oopRangeText = "AA, KK, QQ, JJ, AKs, AQs:0.5"
        if (page === "setup-save-range") {
            setup.openSaveRangeDialog("oop")
        } else if (page === "setup-card-picker") {
            setup._openCardPicker(3)
        } else if (page === "setup-import") {
            // file:///tmp/... (moc reads two slashes in this text as a comment)
            var url = ["file:", "", "", "tmp", "caldirune-shot%20btn%20open.TXT"].join("/")
            appController.saveTextFile(url, "AA KK:0.5 QQ AKs, AQs")
            setup._importFromUrl(url)
        } else if (page === "setup-import-left-out") {
            var other = ["file:", "", "", "tmp", "caldirune-shot%20export.txt"].join("/")
            appController.saveTextFile(other, "BTN open\nAA KK AhKh 50%\nQQ:0.5")
            setup._importFromUrl(other)
        } else {
            var names = ["100bb rake-free (fast)", "Deep 200bb", "Turn spots, 5% rake"]
            var list = []
            for (var i = 0; i < names.length; ++i)
                list.push({ id: "shot" + i, name: names[i], createdAt: "", data: setup.currentSettingsSnapshot() })
            setup.settingsProfiles = list
            setup.openLoadSettingsDialog()
            setup._loadProfileSelectedId = "shot1"
        }
    }

    // The Setup page held back: "setup-blocked-size" with an IP river bet
    // size the solver refuses, "-cleared" with that field then emptied,
    // "-range" with an OOP range it refuses, "-sizes" with every size
    // emptied, "-board" with half a flop, "-rake" with 1.2345 being typed in
    // the rake field, one decimal more than it takes.
    function _showBlocked() {
        var setup = _find(shell, "projectPage")
        var what = page.slice("setup-blocked-".length)
        if (what === "size" || what === "cleared")
            setup.ipRiverBetSizesText = "33 75"
        if (what === "cleared")
            lateTimer.work = function() { setup.ipRiverBetSizesText = "" }
        if (what === "range")
            setup.oopRangeText = "AA KK"
        if (what === "board")
            setup.boardText = "QsJh"
        if (what === "rake") {
            var rake = _find(setup, "rakePercentField")
            rake.forceActiveFocus()
            rake.text = "1.2345"
        }
        if (what === "sizes") {
            var streets = ["Flop", "Turn", "River"]
            for (var i = 0; i < streets.length; ++i) {
                for (var seat of ["oop", "ip"]) {
                    setup[seat + streets[i] + "BetSizesText"] = ""
                    setup[seat + streets[i] + "RaiseSizesText"] = ""
                }
            }
        }
        if (lateTimer.work)
            lateTimer.start()
    }

    // The Results page views of node locking, buckets and hand search.
    function _prepareResults(results) {
        if (page === "results-lock") {
            results._chooseNodeLockMode()
            results.nodeLockSelectedActionIndex = 1
            results.nodeLockWeightText = "0.7"
            results.applyNodeLockToHand(0, "AA")
            results.applyNodeLockToHand(0, "KK")
            // The lock panel under the matrix, in a short window too, once
            // the page has laid the panel out.
            lateTimer.work = function() {
                var flick = _find(results, "strategyFlickable")
                flick.contentY = Math.max(0, flick.contentHeight + flick.bottomMargin - flick.height)
            }
            lateTimer.start()
        } else if (page === "results-buckets") {
            if (results.currentHandBuckets.length > 1)
                results.toggleBucketFilter(results.currentHandBuckets[1].name)
        } else if (page === "results-search") {
            results.handSearchText = "JJ, AKs"
        } else if (page === "results-far-right") {
            // Scrolled fully right and down, as far as a small window lets.
            lateTimer.work = function() {
                var flick = _find(results, "strategyFlickable")
                flick.contentX = Math.max(0, flick.contentWidth + flick.rightMargin - flick.width)
                flick.contentY = Math.max(0, flick.contentHeight + flick.bottomMargin - flick.height)
            }
            lateTimer.start()
        } else if (page === "results-loaded" || page === "results-loaded-solve") {
            // file:///tmp/... (moc reads two slashes in this text as a comment)
            var url = ["file:", "", "", "tmp", "caldirune-shot-loaded.velmoraproj"].join("/")
            appController.saveProject(url, shell.exportProjectState())
            appController.loadProject(url)
            if (page === "results-loaded-solve")
                shell.requestNavigate(2)
            else
                results.selectActionAtLevel(0, 1)
        }
    }

    // The result arrives with its last report, which may come after the
    // solve has stopped running: whichever comes last opens the page.
    property bool _resultsShown: false
    function _showResultsWhenDone() {
        if (!_resultsView || _resultsShown || appController.running || appController.resultIterations <= 0)
            return
        _resultsShown = true
        shell.requestNavigate(3)
        if (_lockStoryPages.indexOf(page) >= 0) {
            _lockStoryBegin(_find(shell, "resultsPage"))
            return
        }
        if (page === "results-turn")
            _walkToTurn()
        else if (page === "results-river" || page === "results-picker")
            _walkToRiver(page === "results-picker")
        _prepareResults(_find(shell, "resultsPage"))
        settleTimer.start()
    }

    // Node locks and re-solves, step by step as a user takes them:
    // "results-locked" locks KK and AKo at the root and JTs at Check -> IP,
    // re-solves and shows the path with both locked nodes marked;
    // "results-other-spot" goes on to another flop and other ranges, starts
    // it, and re-solves it in node-lock mode (no lock comes along);
    // "results-refused" re-solves after a start with a size the solver
    // refuses ("33 75"); "results-resolving" shows the page while a re-solve runs.
    readonly property var _lockStoryPages: ["results-locked", "results-other-spot", "results-refused",
                                            "results-resolving"]
    property string _lockStep: ""
    property var _lockResults: null
    function _reSolveClick() { _find(_lockResults, "reSolveButton").clicked() }
    function _lockStoryBegin(results) {
        _lockResults = results
        results._chooseNodeLockMode()
        if (page === "results-refused") {
            var cfg = shell._solveMemCfg()
            cfg.oop_flop_bet_sizes = "33 75"
            appController.startSolveWithConfig(cfg)
            _reSolveClick()
            _scrollToLockPanel()
            settleTimer.start()
            return
        }
        if (page === "results-resolving") {
            _reSolveClick()
            _lockStep = "resolving"
            return
        }
        results.nodeLockSelectedActionIndex = 1
        results.applyNodeLockToHand(0, "KK")
        results.nodeLockWeightText = "0.5"
        results.applyNodeLockToHand(0, "AKo")
        results.selectActionAtLevel(0, 0)
        results.nodeLockSelectedActionIndex = 0
        results.nodeLockWeightText = "1.0"
        results.applyNodeLockToHand(results.currentNodeIndex, "JTs")
        _reSolveClick()
        _lockStep = "locked-resolve"
    }
    function _scrollToLockPanel() {
        lateTimer.work = function() {
            var flick = _find(_lockResults, "strategyFlickable")
            flick.contentY = Math.max(0, flick.contentHeight + flick.bottomMargin - flick.height)
        }
        lateTimer.start()
    }
    function _lockStoryTick() {
        var done = !appController.running && appController.resultIterations > 0
        if (_lockStep === "resolving" && /^Iter ([5-9]|\d\d)/.test(String(appController.statusText))) {
            _lockStep = ""
            hostReport.ready()
        } else if (_lockStep === "locked-resolve" && done) {
            _lockResults.selectActionAtLevel(0, 0)
            if (page === "results-locked") {
                _lockStep = ""
                settleTimer.start()
                return
            }
            shell.boardText = "Kh9h5h"
            shell.oopRangeText = "AA,KK,QQ,JJ,TT,AKs,AQs,KQs,AKo,AQo"
            shell.ipRangeText = "QQ,JJ,TT,99,88,AQs,KQs,QJs,JTs,T9s,AQo,KQo,AKo"
            shell.requestNavigate(1)
            _lockStep = "other-start"
        } else if (_lockStep === "other-start" && shell.canSolve) {
            shell._startSolveFromShortcut()
            _lockStep = "other-solving"
        } else if (_lockStep === "other-solving" && done) {
            shell.requestNavigate(3)
            _lockResults._chooseNodeLockMode()
            _reSolveClick()
            _lockStep = "other-resolve"
        } else if (_lockStep === "other-resolve" && done) {
            _lockStep = ""
            settleTimer.start()
        }
    }
    Timer { interval: 250; repeat: true; running: window._lockStep !== ""; onTriggered: window._lockStoryTick() }

    function _show() {
        if (page === "settings") {
            shell.requestNavigate(4)
        } else if (page === "setup") {
            shell.resetToDefaults()
            shell.requestNavigate(1)
        } else if (page.indexOf("setup-") === 0) {
            shell.resetToDefaults()
            shell.requestNavigate(1)
            // Rows and dialogs are opened as a user would, once the page is laid out.
            setupTimer.start()
            return
        } else if (_solveView) {
            shell.resetToDefaults()
        } else if (_resultsView) {
            shell.resetToNewProject()
            shell.applyProjectState(_smallFlopSpot())
        }
        if (!_solveView && !_resultsView)
            settleTimer.start()
    }

    // The Solve page opens once the estimate for the spot has arrived.
    Connections {
        target: shell
        function onCanSolveChanged() {
            if (window._resultsView && shell.canSolve && !window._started) {
                window._started = true
                shell._startSolveFromShortcut()
                return
            }
            if (!window._solveView || !shell.canSolve || window._started)
                return
            window._started = true
            shell.requestNavigate(2)
            if (window.page === "solve-idle") {
                settleTimer.start()
                return
            }
            if (window.page === "solve-done")
                shell.maxIterations = 12
            window._find(shell, "solvePage").startSolve()
        }
    }
    Connections {
        target: appController
        function onStatusTextChanged() {
            var m = /^Iter (\d+)/.exec(appController.statusText)
            if (window.page === "solve" && m && Number(m[1]) >= 5 && !settleTimer.running)
                settleTimer.start()
        }
        function onResultsChanged() { window._showResultsWhenDone() }
        function onRunningChanged() {
            if (window.page === "solve-done" && !appController.running && appController.resultIterations > 0)
                settleTimer.start()
            window._showResultsWhenDone()
        }
    }

    Timer {
        id: settleTimer
        interval: 1500
        onTriggered: {
            if (window.switchTo !== "" && !window._switched) {
                window._switched = true
                languageManager.setLanguage(window.switchTo)
                restart()
                return
            }
            hostReport.ready()
        }
    }
    Timer { id: lateTimer; interval: 600; property var work: null; onTriggered: if (work) work() }
    Timer {
        id: setupTimer
        interval: 200
        onTriggered: {
            if (window.page.indexOf("setup-ranges") === 0 || window.page === "setup-population")
                window._showRanges()
            else if (window.page.indexOf("setup-blocked-") === 0)
                window._showBlocked()
            else
                window._showDialog()
            settleTimer.start()
        }
    }
    onClosing: if (appController.running) appController.cancelSolve()
    Component.onCompleted: Qt.callLater(_show)
}
)QML";

// The program's own window (Main), sized by the screen it opens on, for
// scripts/window-screenshots.sh: Home, Settings, Setup (with an OOP flop size
// the solver refuses for "setup-bad-size", an IP range it refuses for
// "setup-bad-range"), or a dialog opened on
// a folder of sample files: the project save dialog opened again after a
// save (the last name's base selected), the project open dialog with a file
// picked, the range export (save) and import (open) dialogs, and the
// confirmation that clears the statistics; Settings after "Open notices"
// where no program opens the file ("settings-notices", "-de" in German); or Home after opening a project
// whose tree is damaged ("open-damaged") or one too large for the memory
// that is free ("open-too-large").
const char* kMainQml = R"QML(
import QtQuick
import QtQuick.Controls
import Velmora

Main {
    id: main
    property string page: "home"
    property string sampleFolder: ""
    property string refusedFolder: ""

    function _find(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var hit = _find(item.children[i], name)
            if (hit)
                return hit
        }
        return null
    }

    function _homeDialog(home, name) {
        for (var i = 0; i < home.data.length; ++i) {
            if (home.data[i].objectName === name)
                return home.data[i]
        }
        return null
    }

    function _show() {
        var home = _find(contentItem, "homePage")
        var shell = home
        while (shell && typeof shell.requestNavigate !== "function")
            shell = shell.parent
        if (page === "settings")
            shell.requestNavigate(4)
        if (page === "settings-notices" || page === "settings-notices-de") {
            // "Open notices" pressed where no program opens text files.
            shell.requestNavigate(4)
            if (page === "settings-notices-de")
                languageManager.setLanguage("de")
            _find(contentItem, "settingsLicensesCard")._open("notices")
            settleTimer.start()
            return
        }
        if (page === "settings-update-error" || page === "settings-update-error-de") {
            // A check whose manifest cannot be read; "-de" then switches to German.
            shell.requestNavigate(4)
            updates.manifestUrl = sampleFolder + "/no manifest.json"
            updates.checkNow()
            updateWait.start()
            return
        }
        if (page === "setup" || page === "setup-bad-size" || page === "setup-bad-range") {
            shell.resetToDefaults()
            if (page === "setup-bad-size")
                shell.oopFlopBetSizesText = "33 75"
            if (page === "setup-bad-range")
                shell.ipRangeText = "AA KK"
            shell.requestNavigate(1)
        }
        if (page === "save-dialog") {
            // As after a save: the dialog comes back with the last name.
            var save = _homeDialog(home, "saveProjectDialog")
            home.openSaveDialog()
            save.setFolderUrl(sampleFolder)
            _find(Overlay.overlay, "fileNameField").text = "River spot vs BB.velmoraproj"
            save.close()
            home.openSaveDialog()
            save.setFolderUrl(sampleFolder)
        }
        if (page === "open-damaged")
            home._openFromDialog(refusedFolder + "/damaged.velmoraproj")
        if (page === "open-too-large")
            home._openFromDialog(refusedFolder + "/huge.velmoraproj")
        if (page === "save-refused")
            home._saveFromDialog(sampleFolder + "/Saved spot.velmoraproj")
        if (page === "open-dialog") {
            var open = _homeDialog(home, "openProjectDialog")
            open.setFolderUrl(sampleFolder)
            open.open()
            _find(Overlay.overlay, "fileNameField").text = "BTN vs BB flop.velmoraproj"
        }
        if (page === "clear-dialog")
            _homeDialog(home, "clearPlayStatsDialog").open()
        if (page === "export-dialog" || page === "import-dialog") {
            shell.resetToDefaults()
            shell.requestNavigate(1)
            var setup = _find(contentItem, "projectPage")
            if (page === "export-dialog")
                setup._openExportDialog(0)
            else
                setup.openImportRangeDialog("oop")
            // The dialog opens in the home folder: the sample folder is typed in.
            var folderField = _find(Overlay.overlay, "folderField")
            folderField.text = decodeURIComponent(sampleFolder.substring(7))
            folderField.accepted()
            if (page === "export-dialog")
                _find(Overlay.overlay, "fileNameField").text = "standard ranges"
        }
        settleTimer.start()
    }

    Timer { id: settleTimer; interval: 1500; onTriggered: hostReport.ready() }
    Timer {
        id: updateWait
        interval: 100
        repeat: true
        onTriggered: {
            if (updates.busy)
                return
            stop()
            if (main.page === "settings-update-error-de")
                languageManager.setLanguage("de")
            settleTimer.start()
        }
    }
    Component.onCompleted: Qt.callLater(page === "journey" ? _journeyStart : _show)

    // "journey": the road of a first solve as a user takes it, one reported
    // step at a time: Quick Solve on Home, Setup, "Continue to Solve →",
    // Start, Cancel, Start again on a shorter budget, done, "View Results →".
    property var _shell: null
    property string _step: ""
    function _journeyStart() {
        _find(contentItem, "homePage").quickSolve()
        var home = _find(contentItem, "homePage")
        _shell = home
        while (_shell && typeof _shell.requestNavigate !== "function")
            _shell = _shell.parent
        _step = "setup"
        _journeyCheck()
    }
    function _click(name) { _find(contentItem, name).clicked() }
    property string _shot: ""
    function _journeyShot(name, next) {
        _shot = name
        _step = next
        shotDelay.start()
    }
    // Moves on when the state the current step waits for has come.
    function _journeyCheck() {
        if (!_shell || shotDelay.running || journeyPause.running)
            return
        var status = String(appController.statusText)
        var iter = /^Iter (\d+)/.exec(status)
        if (_step === "setup" && _shell.canSolve) {
            _journeyShot("setup", "solve-idle")
        } else if (_step === "solve-idle") {
            _click("continueToSolveButton")
            _journeyShot("solve-idle", "start")
        } else if (_step === "start") {
            _click("startSolveButton")
            _step = "solve-running"
        } else if (_step === "solve-running" && iter && Number(iter[1]) >= 3) {
            _journeyShot("solve-running", "cancel")
        } else if (_step === "cancel") {
            _click("cancelSolveButton")
            _journeyShot("solve-cancelling", "solve-cancelled")
        } else if (_step === "solve-cancelled" && !appController.running) {
            _journeyShot("solve-cancelled", "restart")
        } else if (_step === "restart") {
            _shell.maxIterations = 8
            _click("startSolveButton")
            _step = "solve-again"
        } else if (_step === "solve-again" && iter && Number(iter[1]) >= 2) {
            _journeyShot("solve-again", "solve-done")
        } else if (_step === "solve-done" && !appController.running && appController.resultIterations > 0) {
            _journeyShot("solve-done", "results")
        } else if (_step === "results") {
            _click("viewResultsButton")
            _journeyShot("results", "end")
        } else if (_step === "end") {
            hostReport.step("end")
        }
    }
    // A step is reported once it has been drawn, and held while it is captured.
    Timer { id: shotDelay; interval: 700; onTriggered: { hostReport.step(main._shot); journeyPause.start() } }
    Timer { id: journeyPause; interval: 2500; onTriggered: main._journeyCheck() }
    Timer { interval: 250; repeat: true; running: main.page === "journey"; onTriggered: main._journeyCheck() }
}
)QML";

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  shell_test::prepareApplication(QStringLiteral("CaldiruneShellShots"));

  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({QStringLiteral("page"), QStringLiteral("home, settings, setup, setup-ranges, setup-population, setup-card-picker, "
                                                          "setup-ranges-spans, setup-ranges-weights, setup-save-range, setup-import, "
                                                          "setup-import-left-out, "
                                                          "setup-blocked-size, -cleared, -range, -sizes, -board, -rake, "
                                                          "setup-load-profile, solve-idle, solve, solve-done, results, "
                                                          "results-turn, results-river, results-picker, results-lock, results-buckets, results-search "
                                                          "results-loaded, results-loaded-solve, results-locked, results-other-spot, "
                                                          "results-refused or results-resolving"),
                    QStringLiteral("page"), QStringLiteral("home")});
  parser.addOption({QStringLiteral("theme"), QStringLiteral("dark or light"), QStringLiteral("theme"),
                    QStringLiteral("dark")});
  parser.addOption({QStringLiteral("width"), QStringLiteral("window width"), QStringLiteral("pixels"),
                    QStringLiteral("1540")});
  parser.addOption({QStringLiteral("height"), QStringLiteral("window height"), QStringLiteral("pixels"),
                    QStringLiteral("1200")});
  parser.addOption({QStringLiteral("main"), QStringLiteral("show the program's own window (home, settings, setup or a dialog)")});
  parser.addOption({QStringLiteral("language"), QStringLiteral("interface language code"), QStringLiteral("code"),
                    QStringLiteral("en")});
  parser.addOption({QStringLiteral("switch-to"), QStringLiteral("language to switch to once the page has settled"),
                    QStringLiteral("code")});
  parser.process(app);
  const int width = parser.value(QStringLiteral("width")).toInt();
  const int height = parser.value(QStringLiteral("height")).toInt();

  {
    // The shell reads the palette from the settings when it starts.
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("ui/darkMode"), parser.value(QStringLiteral("theme")) != QLatin1String("light"));
    settings.setValue(QStringLiteral("ui/accentHex"), QString());
    settings.setValue(QStringLiteral("ui/language"), parser.value(QStringLiteral("language")));
  }

  // A folder of sample files for the save dialog to show.
  QTemporaryDir samples;
  QDir(samples.path()).mkdir(QStringLiteral("Turn spots"));
  for (const char* name : {"BTN vs BB flop.velmoraproj", "Single raised pot.velmoraproj", "<b>bold name.velmoraproj",
                           "ranges.json", "BTN open.txt", "<b>bold range.txt"}) {
    QFile file(QDir(samples.path()).filePath(QString::fromLatin1(name)));
    if (file.open(QIODevice::WriteOnly)) file.write("{}");
  }

  // Projects the open refuses: a river's tree on a flop (its showdown with
  // three cards out), and a file (sparse) far larger than any memory.
  QTemporaryDir refused;
  {
    QFile damaged(QDir(refused.path()).filePath(QStringLiteral("damaged.velmoraproj")));
    if (damaged.open(QIODevice::WriteOnly)) {
      const auto meta = [](const char* type, const char* seat, bool children) {
        return QStringLiteral(R"({"nodeType": "%1", "chanceDeal": "", "player": "%2", "pot": 100, )"
                              R"("effectiveStack": 100, "investedOop": 0, "investedIp": 0, "hasChildren": %3})")
            .arg(QLatin1String(type), QLatin1String(seat), QLatin1String(children ? "true" : "false"));
      };
      const auto check = [](int child) {
        return QStringLiteral(R"([{"name": "Check", "actionType": "check", "frequency": 1, "childIndex": %1}])")
            .arg(child);
      };
      damaged.write(QStringLiteral(R"({"format": "velmora_project", "version": 1, "hasResults": true, "results": {)"
                                   R"("resultBoard": "Qs8s3d", "resultStartingPot": 100, "resultIterations": 10, )"
                                   R"("resultExploitability": 0.5, "resultEvOop": 5, "resultEvIp": -5, )"
                                   R"("rootActions": [{"name": "Check", "actionType": "check", "frequency": 1}], )"
                                   R"("treeNodeMeta": [%1, %2, %3], "treeNodeActions": [%4, %5, []]}})")
                        .arg(meta("decision", "OOP", true), meta("decision", "IP", true), meta("terminal", "", false),
                             check(1), check(2))
                        .toUtf8());
    }
    QFile huge(QDir(refused.path()).filePath(QStringLiteral("huge.velmoraproj")));
    if (huge.open(QIODevice::WriteOnly) && huge.write("{") == 1) huge.resize(qint64(256) << 30);
  }

  // A control group with 4 MiB left, for the refused save.
  QTemporaryDir group;
  if (parser.value(QStringLiteral("page")) == QLatin1String("save-refused")) {
    QDir(group.path()).mkdir(QStringLiteral("app"));
    const auto put = [&group](const char* name, const QByteArray& text) {
      QFile file(QDir(group.path()).filePath(QString::fromLatin1(name)));
      if (file.open(QIODevice::WriteOnly)) file.write(text);
    };
    put("groups", "0::/app\n");
    put("app/memory.max", QByteArray::number(qint64(8) << 30));
    put("app/memory.current", QByteArray::number((qint64(8) << 30) - (qint64(4) << 20)));
    velmora_platform::setControlGroupPaths(group.filePath(QStringLiteral("")).toStdString(),
                                           group.filePath(QStringLiteral("groups")).toStdString());
  }

  QQmlEngine engine;
  shell_test::publishBackend(&engine);
  shell_test::publishHostReport(&engine);
  QQmlComponent component(&engine);
  QObject* window = nullptr;
  if (parser.isSet(QStringLiteral("main"))) {
    component.setData(kMainQml, QUrl(QStringLiteral("qrc:/shell_screenshot_main.qml")));
    window = component.createWithInitialProperties(
        {{QStringLiteral("page"), parser.value(QStringLiteral("page"))},
         {QStringLiteral("sampleFolder"), QUrl::fromLocalFile(samples.path()).toString()},
         {QStringLiteral("refusedFolder"), QUrl::fromLocalFile(refused.path()).toString()}});
  } else {
    component.setData(kHostQml, QUrl(QStringLiteral("qrc:/shell_screenshot_host.qml")));
    window = component.createWithInitialProperties(
        {{QStringLiteral("page"), parser.value(QStringLiteral("page"))},
         {QStringLiteral("switchTo"), parser.value(QStringLiteral("switch-to"))},
         {QStringLiteral("windowWidth"), width > 0 ? width : 1540},
         {QStringLiteral("windowHeight"), height > 0 ? height : 1200}});
  }
  return shell_test::execWindow(window, component);
}
