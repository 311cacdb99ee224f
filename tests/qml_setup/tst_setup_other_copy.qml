import QtQuick
import QtTest
import Velmora
import SetupTestSupport

// The Setup page and another running copy of the program on one settings
// file: the other copy is a process of its own with the page's store code
// (store_peer.qml). Saves of both, one after the other or at the same
// moment, all stay; the load dialog lists what the other saved; a lock left
// by a killed copy is taken over; a change that cannot be stored (the lock
// kept by a live copy, settings that cannot be written or read) stays in
// the window and the page says so, naming the settings file.
Item {
    id: host
    width: 1540
    height: 1000

    StorePeerProcess { id: peer }

    SetupPageCase {
        name: "SetupOtherCopy"

        readonly property string utg: "6-max / No rake / RFI / UTG"
        readonly property string hj: "6-max / No rake / RFI / HJ"

        function cleanup() {
            peer.restoreSettings()
            peer.kill()
            clearStores()
        }
        function startPeer() { verify(peer.start().profiles !== undefined, "the other copy runs") }
        // The store's value as the settings file holds it now.
        function onDisk(key) {
            var text = appController.storeFile.read(key === "profilesJson" ? "settings_profiles" : "ranges", key)
            return text.length > 0 ? JSON.parse(text) : []
        }

        // Each save of the page follows one of the other copy's on the same store.
        function test_saves_one_after_the_other_keep_both_copies_entries() {
            startPeer()
            saveProfile("FromPage")
            peer.ask(["saveProfile", "FromPeer"])
            saveProfile("FromPage2")
            addFolder("oop", "F")
            peer.ask(["reload"])
            peer.ask(["saveRange", "oop", "PeerRange", "KK", "F"])
            saveRange("oop", "PageRange", "AA")
            peer.ask(["deleteProfile", "FromPage"])
            // The page has not seen the delete: its next save does not bring the profile back.
            saveProfile("Again")
            page.oopStandardOverrides = { [utg]: "AA" }
            page.persistStandardOverrides("oop")
            peer.ask(["override", "oop", hj, "KK"])
            page.oopStandardOverrides = Object.assign({ "6-max / No rake / RFI / CO": "QQ" }, page.oopStandardOverrides)
            page.persistStandardOverrides("oop")
            compare([names(page.settingsProfiles), Object.keys(page.oopStandardOverrides).length],
                    [["FromPeer", "FromPage2", "Again"], 3])

            // Both closed, one started again: everything is there.
            peer.stop()
            var again = peer.start()
            compare([again.profiles, names(again.oop), names(again.oop[0].children), Object.keys(again.oopStandard).length],
                    [["FromPeer", "FromPage2", "Again"], ["F"], ["PeerRange", "PageRange"], 3])
        }

        function test_many_saves_at_the_same_moment_are_all_kept() {
            startPeer()
            peer.send(["burst", "Peer", 50, 10])
            for (var i = 0; i < 50; ++i) {
                page.settingsProfiles = page.settingsProfiles.concat([{ id: "p" + i, name: "Page " + i, data: {} }])
                page.oopCustomRanges = page.oopCustomRanges.concat([{ id: "r" + i, type: "range", name: "Page " + i,
                                                                      value: "AA" }])
                wait(Math.random() * 10)
            }
            verify(peer.next(60000).profiles !== undefined, "the other copy's saves ended")
            tryVerify(function() { return onDisk("profilesJson").length >= 100 && onDisk("oopCustomRangesJson").length >= 100 },
                      5000, "every save stored")
            var wanted = []
            for (var k = 0; k < 50; ++k)
                wanted.push("Page " + k, "Peer " + k)
            wanted.sort()
            compare([names(onDisk("profilesJson")).sort(), names(onDisk("oopCustomRangesJson")).sort()], [wanted, wanted])
            compare([appController.storeFile.read("settings_profiles", "profilesJsonBackup"),
                     appController.storeFile.read("ranges", "oopCustomRangesJsonBackup")], ["", ""])
        }

        function test_load_dialog_lists_what_another_copy_saved() {
            saveProfile("Mine")
            startPeer()
            peer.ask(["saveProfile", "FromOther"])
            mouseClick(findChild(page, "loadSettingsButton"))
            var dialog = findChild(page, "loadSettingsDialog")
            tryCompare(dialog, "opened", true)
            compare([findChild(dialog, "profileRows").count, names(page.settingsProfiles)], [2, ["Mine", "FromOther"]])
        }

        function test_locks_and_settings_that_keep_a_change_unsaved() {
            var path = appController.storeFile.fileName()
            var note = findChild(page, "profileStoreNote")
            // A copy that was killed while holding the lock does not hold it up.
            startPeer()
            compare(peer.ask(["hold"]).held, true)
            peer.kill()
            verify(appController.readTextFile("file://" + path + ".stores.lock").ok, "the lock was left behind")
            saveProfile("AfterCrash")
            compare([names(onDisk("profilesJson")), note.shown], [["AfterCrash"], false])

            // A live copy keeps it: the window goes on, the change waits a
            // few seconds, then stays unsaved and the page says so.
            startPeer()
            compare(peer.ask(["hold"]).held, true)
            var before = Date.now()
            saveProfile("Waiting")
            verify(Date.now() - before < 1000, "the window is not held while the lock is waited for")
            tryVerify(function() { return note.shown }, 6000)
            verify(/^Your settings profiles were not saved: another running copy of Caldirune/.test(note.text), note.text)
            verify(note.text.indexOf(path) >= 0, note.text)
            compare([names(page.settingsProfiles), names(onDisk("profilesJson"))], [["AfterCrash", "Waiting"], ["AfterCrash"]])
            // The next change once the lock is free stores both.
            peer.ask(["release"])
            saveProfile("Next")
            compare([names(onDisk("profilesJson")), note.shown], [["AfterCrash", "Waiting", "Next"], false])

            // Settings in a folder that cannot be made: the range stays, unsaved.
            var scratch = scratchDirUrl.replace(/^file:\/\//, "")
            writeFile("blocker", "x")
            peer.moveSettings(scratch + "/blocker/settings", false)
            saveRange("oop", "Kept", "AA")
            var warning = findChild(page, "oopStoreWarning")
            verify(/^Your ranges could not be saved: the settings file .*blocker\/settings\//.test(warning.text), warning.text)
            compare([warning.shown, names(page.oopCustomRanges)], [true, ["Kept"]])
            // A settings file that cannot be read is not written over.
            peer.moveSettings(scratch + "/unreadable", true)
            page.reloadStores()
            verify(/^Your settings profiles could not be read: the settings file .*unreadable\//.test(note.text), note.text)
            compare(names(page.settingsProfiles), ["AfterCrash", "Waiting", "Next"])
        }
    }
}
