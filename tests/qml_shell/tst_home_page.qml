import QtQuick
import QtTest
import Qt.labs.settings
import QtCore as Core
import Velmora
import "spots.js" as Spots

// Home page against the real controller: figures read from the per-user
// statistics, the system card, the activity grid of recorded days, and
// saving and opening project files (failures included).
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    // The statistics as the controller keeps them (no category: full keys).
    Settings { id: stats }


    TestCase {
        name: "HomePage"
        when: windowShown

        property var shell: null
        property var home: null
        property int fileSerial: 0

        SignalSpy { id: loadedSpy; signalName: "projectLoaded" }

        function init() {
            appController.clearPlayVsSolutionStats()
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
            home = findChild(shell, "homePage")
            loadedSpy.target = home
            loadedSpy.clear()
        }

        function cleanup() {
            // A project still being opened in the background would land in
            // the next test (and replace what it set up).
            tryCompare(appController, "projectFileBusy", false, 20000)
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
        }

        function statValue(name) { return findChild(findChild(home, name), "statValue").text }

        function fileUrl(suffix) {
            fileSerial += 1
            return scratchDirUrl + "/project-" + fileSerial + suffix
        }

        function test_statistics_from_settings() {
            stats.setValue("playVsSolution/total/hands", 200)
            stats.setValue("playVsSolution/total/mistakes", 1)
            stats.setValue("playVsSolution/total/evLossSum", 20.0)
            home.reloadPlayVsSolutionStats()
            compare(statValue("handsStat"), "0 / 200")
            compare(statValue("accuracyStat"), "— / 100", "99.5 % rounds up; no hands today")
            compare(statValue("evLossStat"), "— / 0.100")
            compare(findChild(findChild(home, "accuracyStat"), "statUnit").text, "%")
            compare(findChild(findChild(home, "evLossStat"), "statUnit").text, "EV")
        }

        function test_recorded_hand_reloads_the_figures() {
            appController.recordPlayVsSolutionHand(false, 0.25)
            compare(statValue("handsStat"), "1 / 1")
            compare(statValue("accuracyStat"), "0 / 0")
            compare(statValue("evLossStat"), "0.250 / 0.250")
            appController.recordPlayVsSolutionHand(false, 0)
            compare(statValue("handsStat"), "2 / 2")
            compare(statValue("accuracyStat"), "50 / 50")
            compare(statValue("evLossStat"), "0.125 / 0.125")
        }

        function test_clear_asks_first() {
            appController.recordPlayVsSolutionHand(true, 1.5)
            var dialog = findChild(home, "clearPlayStatsDialog")
            verify(dialog)
            mouseClick(findChild(home, "clearStatsButton"))
            tryCompare(dialog, "visible", true)
            dialog.reject()
            compare(statValue("handsStat"), "1 / 1", "cancel keeps the statistics")
            dialog.open()
            dialog.accept()
            compare(statValue("handsStat"), "0 / 0")
            compare(statValue("accuracyStat"), "— / —")
            compare(statValue("evLossStat"), "— / —")
        }

        function test_system_card() {
            compare(home.threadsText, appController.systemThreadCount + " available")
            compare(home.memoryText,
                    appController.systemMemoryText + " (" + appController.systemAvailableMemoryText + " free)")
            verify(/GB/.test(home.memoryText))

            // A control group that leaves the program half a gigabyte: the
            // card shows that as free within a refresh of the figure.
            var group = { "groups": "0::/\n", "memory.max": "8589934592", "memory.current": "8053063680" }
            for (var name in group)
                verify(appController.saveTextFile(controlGroupDirUrl + "/" + name, group[name]).ok)
            var limited = appController.systemMemoryText + " (0.5 GB free)"
            tryCompare(home, "memoryText", limited, 5000)
            verify(appController.saveTextFile(controlGroupDirUrl + "/groups", "").ok)
            tryVerify(function() { return home.memoryText !== limited }, 5000)
        }

        function test_activity_of_recorded_days() {
            var today = new Date()
            var key = "solveActivity/" + Spots.isoDate(today) + "/"
            stats.setValue(key + "solves", 3)
            stats.setValue(key + "iterationsSum", 1238)
            stats.setValue(key + "exploitabilitySum", 0.3)
            var earlier = new Date(today.getFullYear(), today.getMonth(), today.getDate() - 10)
            stats.setValue("solveActivity/" + Spots.isoDate(earlier) + "/solves", 1)
            home.reloadSolveActivity()
            compare(home.solveActivityGrid.length, 364)

            var cell = findChild(home, "day-" + Spots.isoDate(today))
            verify(cell, "today's cell")
            compare(cell.solves, 3)
            compare(cell.fillColor, shell.theme.accent)
            compare(cell.tooltipText, Spots.isoDate(today) + "\nSolves: 3\nAvg iters: 413\nAvg expl: 0.1000")
            var one = findChild(home, "day-" + Spots.isoDate(earlier))
            compare(one.solves, 1)
            verify(Qt.colorEqual(one.fillColor, shell.theme.withOpacity(shell.theme.accent, 0.55)))
        }

        function test_finished_solve_shows_up_in_the_grid() {
            var today = Spots.isoDate(new Date())
            var before = findChild(home, "day-" + today).solves
            shell.resetToNewProject()
            shell.applyProjectState(Spots.riverSpot(20))
            tryCompare(shell, "canSolve", true, 15000)
            appController.startSolveWithConfig(shell._solveMemCfg())
            tryCompare(appController, "statusText", "Done", 30000)
            // The grid rebuilds its cells when it reloads: look the cell up anew.
            tryVerify(function() { return findChild(home, "day-" + today).solves === before + 1 }, 10000)
        }

        function test_save_and_open_round_trip() {
            shell.resetToDefaults()
            shell.boardText = "AsKsQs"
            shell.rakePercent = 2.5
            var url = fileUrl(".velmoraproj")
            compare(home._saveProjectTo(url), true)
            compare(findChild(home, "projectErrorText").visible, false)

            shell.resetToNewProject()
            shell.navIndex = 0
            compare(home._openProjectFrom(url), true)
            compare(loadedSpy.count, 1)
            compare(loadedSpy.signalArguments[0][1], false)
            compare(shell.boardText, "AsKsQs")
            compare(shell.rakePercent, 2.5)
            compare(findChild(shell, "projectPage").boardText, "AsKsQs")
            compare(shell.navIndex, 1, "no results: Setup")
        }

        function test_file_name_without_extension_is_kept() {
            shell.resetToDefaults()
            var url = fileUrl("")
            compare(home._saveProjectTo(url), true)
            compare(appController.readTextFile(url).ok, true)
        }

        function test_project_with_results_opens_results() {
            shell.resetToNewProject()
            shell.applyProjectState(Spots.riverSpot(20))
            tryCompare(shell, "canSolve", true, 15000)
            appController.startSolveWithConfig(shell._solveMemCfg())
            tryCompare(appController, "statusText", "Done", 30000)
            var url = fileUrl(".velmoraproj")
            compare(home._saveProjectTo(url), true)
            appController.clearResults()
            compare(appController.resultIterations, 0)
            shell.navIndex = 0
            compare(home._openProjectFrom(url), true)
            compare(loadedSpy.signalArguments[0][1], true)
            compare(shell.navIndex, 3)
            verify(appController.resultIterations > 0)
        }

        // The open dialog's path reads the file in the background: nothing
        // changes until it has been read, then the project opens as before;
        // a damaged file is refused with its reason and changes nothing.
        function test_open_dialog_reads_in_the_background() {
            shell.resetToNewProject()
            shell.applyProjectState(Spots.riverSpot(20))
            tryCompare(shell, "canSolve", true, 15000)
            appController.startSolveWithConfig(shell._solveMemCfg())
            tryCompare(appController, "statusText", "Done", 30000)
            var url = fileUrl(".velmoraproj")
            compare(home._saveFromDialog(url), true)
            appController.clearResults()
            shell.resetToDefaults()
            shell.navIndex = 0
            compare(home._openFromDialog(url), true)
            compare(loadedSpy.count, 0)
            tryCompare(loadedSpy, "count", 1, 20000)
            compare([loadedSpy.signalArguments[0][1], shell.navIndex, shell.boardText, appController.resultIterations > 0,
                     appController.projectFileBusy, findChild(shell, "projectFileProgress").visible],
                    [true, 3, Spots.riverSpot(20).boardText, true, false, false])

            var damaged = fileUrl(".velmoraproj")
            var doc = { format: "velmora_project", version: 1, hasResults: true, project: [1, 2], results: "x" }
            compare(appController.saveTextFile(damaged, JSON.stringify(doc)).ok, true)
            shell.navIndex = 0
            ignoreWarning(/is damaged/)
            ignoreWarning(/Load failed: The project file is damaged/)
            home._openFromDialog(damaged)
            var line = findChild(home, "projectErrorText")
            tryCompare(line, "visible", true, 20000)
            compare(line.text, "Could not open the project: The project file is damaged: \"project\" holds [1,2], not an object")
            compare([loadedSpy.count, shell.boardText, appController.resultIterations > 0],
                    [1, Spots.riverSpot(20).boardText, true], "nothing changes")
        }

        function test_save_failure_is_shown() {
            ignoreWarning(/saveProject/)
            ignoreWarning(/Save failed:/)
            compare(home._saveProjectTo("http://example.com/project.velmoraproj"), false)
            var line = findChild(home, "projectErrorText")
            compare(line.visible, true)
            verify(line.text.indexOf("Could not save the project") === 0, line.text)
        }

        function test_open_failure_is_shown_and_changes_nothing() {
            var url = fileUrl(".json")
            compare(appController.saveTextFile(url, "{\"format\": \"something else\"}").ok, true)
            shell.resetToDefaults()
            shell.navIndex = 0
            ignoreWarning(/Load failed: Unrecognized project format/)
            compare(home._openProjectFrom(url), false)
            compare(loadedSpy.count, 0)
            compare(shell.boardText, "QsJh2h")
            compare(shell.navIndex, 0)
            var line = findChild(home, "projectErrorText")
            compare(line.visible, true)
            compare(line.text, "Could not open the project: Unrecognized project format")
            // A later success clears the message.
            var good = fileUrl(".velmoraproj")
            home._saveProjectTo(good)
            home._openProjectFrom(good)
            compare(line.visible, false)
        }

        // ---- the save dialog, used as the user uses it ----

        function openSaveDialog() {
            var dialog = findChild(home, "saveProjectDialog")
            mouseClick(findChild(home, "heroSaveButton"))
            tryCompare(dialog, "opened", true)
            dialog.setFolderUrl(scratchDirUrl)
            return dialog
        }

        function saveAs(name, filter, existing) {
            var dialog = openSaveDialog()
            findChild(dialog.contentItem, "fileTypeBox").currentIndex = filter || 0
            findChild(dialog.contentItem, "fileNameField").text = name
            if (existing)  // the listing the dialog looks into loads in the background
                tryCompare(dialog, "targetExists", true)
            mouseClick(findChild(dialog.contentItem, "saveDialogSaveButton"))
            return dialog
        }

        function savedProject(name) {
            var read = appController.readTextFile(scratchDirUrl + "/" + encodeURIComponent(name))
            return read.ok ? JSON.parse(read.text) : null
        }

        // Both project dialogs start in the home folder, not in the folder
        // the program happened to be started from.
        function test_project_dialogs_start_in_the_home_folder() {
            var homeUrl = String(Core.StandardPaths.writableLocation(Core.StandardPaths.HomeLocation))
            compare(String(findChild(home, "openProjectDialog").currentFolder), homeUrl)
            var dialog = findChild(home, "saveProjectDialog")
            mouseClick(findChild(home, "heroSaveButton"))
            tryCompare(dialog, "opened", true)
            compare("file://" + dialog.folder, homeUrl)
            dialog.close()
        }

        function test_save_dialog_saves_a_typed_name_to_disk() {
            shell.resetToDefaults()
            shell.boardText = "AsKsQs"
            var dialog = openSaveDialog()
            var save = findChild(dialog.contentItem, "saveDialogSaveButton")
            compare(save.text, "Save", "a save dialog, not an open dialog")
            compare(save.enabled, false, "nothing to save without a name")
            mouseClick(findChild(dialog.contentItem, "fileNameField"))
            var typed = "typed project"
            for (var i = 0; i < typed.length; ++i)
                keyClick(typed.charAt(i))
            mouseClick(save)
            tryCompare(dialog, "visible", false)
            compare(savedProject("typed project.velmoraproj").project.boardText, "AsKsQs")

            // The same name again: nothing is replaced before a second, explicit click.
            shell.boardText = "2c3d4h"
            saveAs("typed project", 0, true)
            compare(findChild(dialog.contentItem, "replaceWarning").visible, true)
            compare(save.text, "Replace")
            compare(savedProject("typed project.velmoraproj").project.boardText, "AsKsQs")
            mouseClick(save)
            tryCompare(dialog, "visible", false)
            compare(savedProject("typed project.velmoraproj").project.boardText, "2c3d4h")

            // The chosen type's suffix, or under "All Files" the name's own, or a typed absolute path;
            // a name the project type does not match gets its suffix, so the project filter shows it.
            saveAs("beta", 1)
            saveAs("gamma", 2)
            saveAs("delta.proj", 2)
            saveAs("zeta.proj")
            saveAs(decodeURIComponent(String(scratchDirUrl).substring(7)) + "/epsilon")
            for (var f of ["beta.json", "gamma.velmoraproj", "delta.proj", "zeta.proj.velmoraproj", "epsilon.velmoraproj"])
                verify(savedProject(f), f)
        }

        // The save dialog comes back with the last name's base selected, as
        // desktop save dialogs do: typing replaces the name, not the suffix.
        function test_save_dialog_selects_the_base_name_and_keeps_the_suffix() {
            shell.resetToDefaults()
            var dialog = saveAs("base")
            tryCompare(dialog, "visible", false)
            openSaveDialog()
            var field = findChild(dialog.contentItem, "fileNameField")
            compare([field.text, field.selectedText, field.activeFocus], ["base.velmoraproj", "base", true])
            for (var c of "river_solved")
                keyClick(c)
            compare(field.text, "river_solved.velmoraproj")
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            verify(savedProject("river_solved.velmoraproj"), "saved under the typed name")
        }

        // ---- the open dialog: the program's own, in its language ----
        // (The Setup page's tests check its button, its plain-text names and Return on a picked file.)

        function test_open_dialog_opens_a_typed_name_or_folder_with_return() {
            shell.resetToDefaults()
            shell.boardText = "AsKsQs"
            home._saveProjectTo(scratchDirUrl + "/" + encodeURIComponent("picked project.velmoraproj"))
            shell.boardText = "2c3d4h"
            var dialog = findChild(home, "openProjectDialog")
            mouseClick(findChild(home, "heroOpenButton"))
            tryCompare(dialog, "opened", true)
            dialog.setFolderUrl(scratchDirUrl)
            var open = findChild(dialog.contentItem, "saveDialogSaveButton")
            var name = findChild(dialog.contentItem, "fileNameField")
            name.text = "no such project.velmoraproj"
            compare(open.enabled, false, "only a file of the folder shown opens")
            keyClick(Qt.Key_Return)
            compare(dialog.visible, true)
            name.forceActiveFocus()
            name.text = "picked project.velmoraproj"
            tryCompare(open, "enabled", true)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            // The dialog's open reads the file in the background.
            tryCompare(loadedSpy, "count", 1, 20000)
            compare(shell.boardText, "AsKsQs")

            // A folder's name opens the folder; the dialog stays. (The
            // project opened on the Setup page: the dialog is opened directly.)
            dialog.open()
            tryCompare(dialog, "opened", true)
            var scratch = decodeURIComponent(String(scratchDirUrl).substring(7))
            dialog.folder = scratch.substring(0, scratch.lastIndexOf("/")) || "/"
            name.forceActiveFocus()
            name.text = scratch.substring(scratch.lastIndexOf("/") + 1)
            tryCompare(open, "enabled", true)
            keyClick(Qt.Key_Return)
            compare([dialog.visible, dialog.folder, name.text], [true, scratch, ""])
            dialog.close()
        }

        // Escape keeps the statistics, Return clears them.
        function test_confirmation_takes_escape_and_return() {
            var dialog = findChild(home, "clearPlayStatsDialog")
            appController.recordPlayVsSolutionHand(true, 1.5)
            dialog.open()
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            compare(statValue("handsStat"), "1 / 1")
            dialog.open()
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            compare(statValue("handsStat"), "0 / 0")
        }

        // A failed save shows the path as plain text and says why, as the system words it.
        function test_failed_save_shows_the_path_as_plain_text() {
            ignoreWarning(/saveProject/)
            ignoreWarning(/Save failed:/)
            var dialog = openSaveDialog()
            dialog.folder = dialog.folder + "/no such folder"
            findChild(dialog.contentItem, "fileNameField").text = "<b>x</b>"
            mouseClick(findChild(dialog.contentItem, "saveDialogSaveButton"))
            var line = findChild(home, "projectErrorText")
            tryCompare(line, "visible", true)
            compare(line.textFormat, Text.PlainText)
            verify(line.text.indexOf("no such folder/<b>x</b>.velmoraproj") > 0, line.text)
            verify(line.text.endsWith("/<b>x</b>.velmoraproj: No such file or directory"), line.text)
        }

        // Every text of the home and settings pages, the top bar and the open
        // save dialog shows plain text.
        function test_texts_are_plain() {
            var dialog = openSaveDialog()
            var seen = 0
            function walk(item) {
                if (!item || item.placeholderText !== undefined)
                    return
                if (item.textFormat !== undefined && item.text !== undefined) {
                    ++seen
                    compare(item.textFormat, Text.PlainText, (item.objectName || "text") + " \"" + item.text + "\"")
                }
                for (var i = 0; i < item.children.length; ++i)
                    walk(item.children[i])
            }
            [home, findChild(shell, "settingsPage"), findChild(shell, "topbar"), dialog.contentItem].forEach(walk)
            verify(seen > 50, "texts walked: " + seen)
            dialog.close()
        }

        // A value the shell cannot take would leave the previous project's in
        // its place: the file is refused naming it, and nothing changes.
        function test_loaded_project_with_a_mistyped_key_is_refused() {
            var url = fileUrl(".velmoraproj")
            var doc = { format: "velmora_project", version: 1, hasResults: false,
                        project: { boardText: "7h6h5h", startingPot: "lots", effectiveStack: 333 } }
            compare(appController.saveTextFile(url, JSON.stringify(doc)).ok, true)
            shell.resetToDefaults()
            ignoreWarning(/is damaged/)
            ignoreWarning(/Load failed: The project file is damaged/)
            compare(home._openProjectFrom(url), false)
            compare(findChild(home, "projectErrorText").text,
                    "Could not open the project: The project file is damaged: \"startingPot\" holds \"lots\", not a number")
            compare([shell.boardText, shell.startingPot, shell.effectiveStack], ["QsJh2h", 180, 910])
        }
    }
}
