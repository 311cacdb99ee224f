import QtQuick
import QtTest
import Qt.labs.settings
import Velmora

// What the window says when the per-user settings cannot be read or saved:
// the Settings page's save and language choice, the statistics, the start
// on a file that cannot be read, a full disk, and the Setup page on a
// settings folder that cannot be written. settingsSandbox breaks the
// settings path in ways that fail for root as well; the full disk and the
// read-only folder need the suite's run with file systems of its own.
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    Settings { id: stored }

    TestCase {
        name: "SettingsStore"
        when: windowShown

        readonly property string notWritable: " The file or its folder cannot be written (check their permissions)."

        function cleanup() {
            settingsSandbox.restore()
            languageManager.setLanguage("system")
        }

        function test_saves_that_do_not_reach_the_file_say_so() {
            var shell = createTemporaryObject(shellComp, host)
            shell.navIndex = 4
            var page = findChild(shell, "settingsPage")
            waitForRendering(page)
            var error = findChild(page, "settingsSaveError")
            var notice = findChild(shell, "settingsNotice")
            compare(notice.visible, false, "healthy settings say nothing")
            var path = settingsSandbox.breakWrites()
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(error.visible, true)
            compare(error.text, "The dark mode and accent color could not be saved to " + path
                    + "; the next start will show the previous ones." + notWritable)
            compare(error.color, shell.theme.danger)
            appController.recordPlayVsSolutionHand(true, 0.5)
            compare(notice.visible, true)
            compare(findChild(notice, "settingsNoticeText").text,
                    "The play vs. solution statistics could not be saved to " + path + "." + notWritable)
            // A language that is not kept still applies, and says so in that language.
            var languageError = findChild(page, "languageSaveError")
            findChild(page, "languageCombo").activated(4)
            compare(languageManager.currentLanguage, "de")
            compare(languageError.visible, true)
            compare(languageError.text, "Die gewählte Sprache konnte nicht in " + path + " gespeichert werden; beim"
                    + " nächsten Start gilt sie nicht mehr. Die Datei oder ihr Ordner kann nicht beschrieben werden"
                    + " (prüfen Sie die Zugriffsrechte).")
            settingsSandbox.restore()
            findChild(page, "languageCombo").activated(0)
            compare(languageError.visible, false)
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(error.visible, false, "a save that gets through clears the line")
        }

        // A folder where the lock QSettings takes beside the settings file belongs: the
        // Settings page's save is refused at once and says so, where QSettings would wait
        // for the lock for ever.
        function test_a_lock_that_cannot_be_taken_is_told() {
            var shell = createTemporaryObject(shellComp, host)
            shell.navIndex = 4
            var page = findChild(shell, "settingsPage")
            waitForRendering(page)
            var path = settingsSandbox.blockLock()
            verify(path.length > 0)
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(findChild(page, "settingsSaveError").text, "The dark mode and accent color could not be saved to "
                    + path + "; the next start will show the previous ones. Its lock " + path + ".lock cannot be"
                    + " taken: another running copy of Caldirune keeps it, or something else stands at that name"
                    + " (remove it if no other copy is running).")
        }

        // A shell on a new project showing page `index`, its settings file
        // moved by the sandbox's `move` onto a file system of the run's own,
        // with the texts of `seeds` (by key) there; the suite's own file
        // keeps none of them.
        function shellOnOwnDisk(move, index, seeds) {
            var keys = Object.keys(seeds || {})
            keys.forEach(function(key) { stored.setValue(key, seeds[key]) })
            stored.sync()
            var path = settingsSandbox[move]()
            keys.forEach(function(key) { stored.setValue(key, "") })
            stored.sync()
            if (path.length === 0)
                skip("needs the suite's run with file systems of its own")
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.requestNavigate(index)
            return { path: path, shell: shell, setup: findChild(shell, "projectPage") }
        }
        // Saves the Setup page's values as a profile, as the dialog does; the page's note on it.
        function saveProfile(setup, name) {
            setup.openSaveSettingsDialog()
            tryCompare(findChild(setup, "saveSettingsNameField"), "activeFocus", true)
            for (var key of name.split("").concat(Qt.Key_Return))
                keyClick(key)
            tryCompare(findChild(setup, "saveSettingsDialog"), "visible", false)
            return findChild(setup, "profileStoreNote")
        }

        function test_a_full_disk_is_told_as_such() {
            var on = shellOnOwnDisk("fullDisk", 4), page = findChild(on.shell, "settingsPage")
            waitForRendering(page)
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(findChild(page, "settingsSaveError").text, "The dark mode and accent color could not be saved to "
                    + on.path + "; the next start will show the previous ones. The disk that holds the file is full"
                    + " (free some space there and save again).")
            on.shell.requestNavigate(1)
            var note = saveProfile(on.setup, "Deep")
            compare([note.shown, note.text], [true, "Your settings profiles could not be saved: the disk that holds the"
                     + " settings file " + on.path + " is full. Free some space there; the change stays in this window"
                     + " and is saved with your next change."])
        }

        // Under a limit on the size of files (ulimit -f) that leaves the settings file no room
        // to grow, the Settings page's save and a profile saved on the Setup page say the file
        // could not be written in full, and the file stays as it was.
        function test_a_limit_on_file_sizes_is_told_as_such() {
            // A file larger than the lock files written beside it.
            stored.setValue("ui/darkMode", true)
            stored.setValue("sandbox/filler", "x".repeat(2048))
            stored.sync()
            var path = settingsSandbox.limitFileSizes(0)
            stored.setValue("sandbox/filler", "")
            verify(path.length > 0, "the limit is set")
            var kept = appController.readTextFile("file://" + path).text
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.requestNavigate(4)
            var page = findChild(shell, "settingsPage")
            waitForRendering(page)
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            compare(findChild(page, "settingsSaveError").text, "The dark mode and accent color could not be saved to "
                    + path + "; the next start will show the previous ones. The file could not be written in full:"
                    + " a disk quota or a limit on the size of files leaves no room for it.")
            shell.requestNavigate(1)
            var note = saveProfile(findChild(shell, "projectPage"), "Deep")
            compare([note.shown, note.text], [true, "Your settings profiles could not be saved: the settings file " + path
                     + " could not be written in full (a disk quota or a limit on the size of files leaves no room"
                     + " for it). The change stays in this window and is saved with your next change."])
            compare(appController.readTextFile("file://" + path).text, kept)
        }

        // A settings file edited by hand (blanks inside a section's brackets)
        // is written anew by QSettings, which on a disk that runs out of room
        // puts what it wrote by then in the file's place: on a disk with room
        // for the locks but not for the file, the saves say the disk is full
        // and the file stays whole.
        function test_a_nearly_full_disk_keeps_a_file_edited_by_hand() {
            var own = "file://" + appController.storeFile.fileName(), kept = appController.readTextFile(own).text || ""
            var profiles = []
            for (var i = 0; i < 800; ++i)
                profiles.push({ id: "p" + i, name: "Profile " + i, createdAt: "", data: { starting_pot: i } })
            stored.setValue("settings_profiles/profilesJson", JSON.stringify(profiles))
            stored.sync()
            var text = appController.readTextFile(own).text + "[ ui ]\ndarkMode=true\n"
            compare(appController.saveTextFile(own, text).ok, true)
            var path = settingsSandbox.fullDisk(16384)
            stored.setValue("settings_profiles/profilesJson", "")
            stored.sync()
            compare(appController.saveTextFile(own, kept).ok, true)
            if (path.length === 0)
                skip("needs the suite's run with file systems of its own")
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.requestNavigate(1)
            var setup = findChild(shell, "projectPage")
            compare(setup.settingsProfiles.length, 800)
            var note = saveProfile(setup, "Deep")
            compare([note.shown, note.text.indexOf("is full") > 0], [true, true], note.text)
            shell.requestNavigate(4)
            var page = findChild(shell, "settingsPage")
            waitForRendering(page)
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            verify(findChild(page, "settingsSaveError").text.indexOf("The disk that holds the file is full") > 0)
            compare(appController.readTextFile("file://" + path).text, text)
        }

        // A settings file edited by hand that QSettings writes anew larger than it is (the
        // blanks of its names spelled as codes), on a disk with room for it as it is but not
        // for it grown: where the room runs out within the last part QSettings writes, which
        // it does not check, it puts what it wrote by then in the file's place, the saved
        // settings in it and those of its last section cut off. The Settings page's save says
        // the disk is full, and the file is put back as it was.
        function test_a_file_cut_short_while_written_is_put_back() {
            stored.setValue("ui/darkMode", true)
            stored.sync()
            var own = "file://" + appController.storeFile.fileName(), kept = appController.readTextFile(own).text
            var text = kept + "\n[zz by hand]\n"
            for (var i = 0; i < 2500; ++i)
                text += "a b c d e f g h i j k l m n o p q r s t " + i + "=1\n"
            compare(appController.saveTextFile(own, text).ok, true)
            // Written anew, the file grows by 40 bytes a line: the room left is a little more than
            // that, past the margin a save leaves, short of the lock and the file grown.
            var path = settingsSandbox.fullDisk(text.length + 2500 * 40 + 2048)
            compare(appController.saveTextFile(own, kept).ok, true)
            if (path.length === 0)
                skip("needs the suite's run with file systems of its own")
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.requestNavigate(4)
            var page = findChild(shell, "settingsPage")
            waitForRendering(page)
            mouseClick(findChild(page, "darkModeSwitch"))
            mouseClick(findChild(page, "saveSettingsButton"))
            var error = findChild(page, "settingsSaveError")
            verify(error.text.indexOf("The disk that holds the file is full") > 0, error.text)
            compare(appController.readTextFile("file://" + path).text, text)
        }

        // Settings kept on a file system mounted read-only: the Setup page
        // reads its stores and, as long as nothing changes, writes nothing
        // and has nothing to say, however often it is shown: with overrides
        // in the older list form, which a writable start stores anew, and
        // with a store that cannot be read, which it keeps aside.
        function test_setup_on_a_folder_that_cannot_be_written() {
            var on = shellOnOwnDisk("readOnlyCopy", 0, {
                "settings_profiles/profilesJson": '[{"id":"p1","name":"Deep","createdAt":"","data":{}}]',
                "ranges/oopCustomRangesJson": '[{"id":"r1","type":"range","name":"BTN","value":"AA"}]',
                "ranges/oopStandardOverridesJson": '[{"key":"Read-only / BTN","value":"KK"}]',
                "ranges/ipStandardOverridesJson": "{not JSON" })
            var setup = on.setup
            var notes = ["profileStoreNote", "oopStoreWarning", "ipStoreWarning"].map(function(n) {
                return findChild(setup, n) })
            var names = function(list) { return list.map(function(e) { return e.name }) }
            var shown = function() {
                return [names(setup.settingsProfiles), names(setup.oopCustomRanges), setup.oopStandardOverrides]
                       .concat(notes.map(function(n) { return n.shown }))
            }
            var stores = [["Deep"], ["BTN"], { "Read-only / BTN": "KK" }, false, false, false]
            compare(shown(), stores, "as read at start")
            on.shell.requestNavigate(1)
            tryCompare(setup, "visible", true)
            compare(shown(), stores, "shown")
            on.shell.requestNavigate(0)
            on.shell.requestNavigate(1)
            setup.reloadStores()
            compare(shown(), stores, "shown again")
            // A change of the user's cannot be saved there, and the page says why.
            compare(saveProfile(setup, "Fast").text, "Your settings profiles could not be saved: the settings file "
                    + on.path + " or its folder cannot be written. The change stays in this window only.")
        }

        function test_settings_unreadable_at_start_are_told_until_dismissed() {
            var path = settingsSandbox.breakReads()
            ignoreWarning(/Failed to initialize QSettings instance/)
            var notice = findChild(createTemporaryObject(shellComp, host), "settingsNotice")
            settingsSandbox.restore()
            var text = findChild(notice, "settingsNoticeText")
            tryCompare(notice, "visible", true)
            compare(text.text, "Your settings could not be read from " + path
                    + ", so the program started with the default settings. The file cannot be read (check its"
                    + " permissions); it is left as it is, and nothing can be saved until it can be read.")
            // The notice is put together again in a newly chosen language.
            languageManager.setLanguage("ru")
            verify(text.text.indexOf(path) > 0 && text.text.indexOf("Настройки") >= 0, text.text)
            mouseClick(findChild(notice, "settingsNoticeDismiss"))
            compare(notice.visible, false)
            compare(notice.height, 0)
        }
    }
}
