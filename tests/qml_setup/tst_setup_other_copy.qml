import QtQuick
import QtTest
import Velmora
import SetupTestSupport

// The Setup page and another running copy of the program on one settings
// file, a process of its own with the page's store code (store_peer.qml).
Item {
    id: host
    width: 1540
    height: 1000

    StorePeerProcess { id: peer }

    SetupPageCase {
        name: "SetupOtherCopy"

        function cleanup() {
            settingsSandbox.restore()
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
            page.oopStandardOverrides = { "6-max / No rake / RFI / UTG": "AA" }
            page.persistStandardOverrides("oop")
            peer.ask(["override", "oop", "6-max / No rake / RFI / HJ", "KK"])
            page.oopStandardOverrides = Object.assign({ "6-max / No rake / RFI / CO": "QQ" }, page.oopStandardOverrides)
            page.persistStandardOverrides("oop")
            compare([names(page.settingsProfiles), Object.keys(page.oopStandardOverrides).length],
                    [["FromPeer", "FromPage2", "Again"], 3])
            // The Load dialog lists what the other saved when it opens.
            peer.ask(["saveProfile", "Late"])
            mouseClick(findChild(page, "loadSettingsButton"))
            tryCompare(findChild(page, "loadSettingsDialog"), "opened", true)
            compare([findChild(page, "profileRows").count, names(page.settingsProfiles)],
                    [4, ["FromPeer", "FromPage2", "Again", "Late"]])
            // Brought to the front, the page reads what the other saved meanwhile.
            findChild(page, "loadSettingsDialog").close()
            peer.ask(["saveRange", "oop", "Later", "QQ", "F"])
            page.reloadStores()
            compare(names(page.oopCustomRanges[0].children), ["PeerRange", "PageRange", "Later"])

            // Both closed, one started again: everything is there.
            peer.stop()
            var again = peer.start()
            compare([again.profiles, names(again.oop), names(again.oop[0].children), Object.keys(again.oopStandard).length],
                    [["FromPeer", "FromPage2", "Again", "Late"], ["F"], ["PeerRange", "PageRange", "Later"], 3])
        }

        function test_many_saves_at_the_same_moment_are_all_kept() {
            startPeer()
            peer.send(["burst", "Peer", 50])
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
            compare([names(onDisk("profilesJson")).sort(), names(onDisk("oopCustomRangesJson")).sort()], [wanted.sort(), wanted])
            compare([appController.storeFile.read("settings_profiles", "profilesJsonBackup"),
                     appController.storeFile.read("ranges", "oopCustomRangesJsonBackup")], ["", ""])
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
            verify(note.text.startsWith("Your settings profiles were not saved: another running copy of Caldirune kept the settings file "
                                        + path + " locked."), note.text)
            compare([names(page.settingsProfiles), names(onDisk("profilesJson"))], [["AfterCrash", "Waiting"], ["AfterCrash"]])
            // The next change once the lock is free stores both.
            peer.ask(["release"])
            saveProfile("Next")
            compare([names(onDisk("profilesJson")), note.shown], [["AfterCrash", "Waiting", "Next"], false])

            // Settings in a folder that cannot be made: the range stays, unsaved.
            path = settingsSandbox.breakWrites()
            saveRange("oop", "Kept", "AA")
            var warning = findChild(page, "oopStoreWarning")
            verify(warning.text.startsWith("Your ranges could not be saved: the settings file " + path + " or"), warning.text)
            compare([warning.shown, names(page.oopCustomRanges)], [true, ["Kept"]])
            // A settings file that cannot be read is not written over.
            path = settingsSandbox.breakReads()
            page.reloadStores()
            verify(note.text.startsWith("Your settings profiles could not be read: the settings file " + path + " "), note.text)
            compare(names(page.settingsProfiles), ["AfterCrash", "Waiting", "Next"])
        }
    }
}
