import QtQuick
import QtTest
import Velmora
import SetupTestSupport

// Another running copy of the program on the same settings (a process of its
// own with the page's store code): what it saved shows in the load dialog
// when the dialog opens, and a change that cannot be stored (the other copy
// keeps the settings locked, the settings folder cannot be written) is kept
// in the window and the page says so, naming the settings file.
Item {
    id: host
    width: 1540
    height: 1000

    StorePeerProcess { id: peer }

    SetupPageCase {
        name: "SetupOtherCopy"

        function cleanup() {
            peer.restoreSettings()
            peer.stop()
            clearStores()
        }

        function storedNames(settings, key) {
            var text = stored(settings, key)
            return text.length > 0 ? names(JSON.parse(text)) : []
        }

        function test_load_dialog_lists_what_another_copy_saved() {
            saveProfile("Mine")
            verify(peer.start().profiles !== undefined, "the other copy runs")
            compare(peer.ask(["saveProfile", "FromOther"]).profiles, ["Mine", "FromOther"])

            mouseClick(findChild(page, "loadSettingsButton"))
            var dialog = findChild(page, "loadSettingsDialog")
            tryCompare(dialog, "opened", true)
            compare(findChild(dialog, "profileRows").count, 2)
            compare(names(page.settingsProfiles), ["Mine", "FromOther"])
            dialog.close()
            tryCompare(dialog, "visible", false)

            // The other copy's ranges show once the window is active again.
            peer.ask(["saveRange", "oop", "OtherRange", "AA", ""])
            page.reloadStores()
            compare(names(page.oopCustomRanges), ["OtherRange"])
        }

        function test_change_that_cannot_be_stored_says_so() {
            var path = appController.storeFile.fileName()
            peer.start()
            compare(peer.ask(["hold"]).held, true)
            var before = Date.now()
            saveProfile("Waiting")
            verify(Date.now() - before < 1000, "the window is not held while the lock is waited for")
            var note = findChild(page, "profileStoreNote")
            tryVerify(function() { return note.shown }, 6000)
            verify(/^Your settings profiles were not saved: another running copy of Caldirune/.test(note.text), note.text)
            verify(note.text.indexOf(path) >= 0, note.text)
            compare([names(page.settingsProfiles), storedNames(profiles, "profilesJson")], [["Waiting"], []])

            // The next change once the lock is free stores both.
            peer.ask(["release"])
            saveProfile("Next")
            compare([storedNames(profiles, "profilesJson"), note.shown], [["Waiting", "Next"], false])

            // Settings in a folder that cannot be made: the range stays, unsaved.
            var blocker = writeFile("blocker", "x").replace(/^file:\/\//, "")
            peer.moveSettings(blocker + "/settings")
            saveRange("oop", "Kept", "AA")
            var warning = findChild(page, "oopStoreWarning")
            verify(warning.shown && /^Your ranges could not be saved: the settings file /.test(warning.text),
                   warning.text)
            verify(warning.text.indexOf(blocker + "/settings/") >= 0, warning.text)
            compare(names(page.oopCustomRanges), ["Kept"])
        }
    }
}
