import QtQuick
import QtTest
import Qt.labs.settings
import Velmora
import SetupTestSupport

// The Setup page and another running copy of the program on one settings
// file, a process of its own with the page's store code (store_peer.qml).
Item {
    id: host
    width: 1540
    height: 1000

    StorePeerProcess { id: peer }
    // A third copy: one that starts, or reads the settings file with a QSettings of its own.
    StorePeerProcess { id: reader }

    SetupPageCase {
        name: "SetupOtherCopy"

        readonly property Settings apart: Settings { category: "apart" }
        property var fileAsItWas: null

        function cleanup() {
            settingsSandbox.restore()
            peer.kill()
            reader.kill()
            if (fileAsItWas !== null)
                writeSettingsFile(fileAsItWas)
            fileAsItWas = null
            clearStores()
        }
        function startPeer() { verify(peer.start().profiles !== undefined, "the other copy runs") }
        function fileUrl(path) { return "file://" + path }
        function exists(path) { return appController.readTextFile(fileUrl(path)).ok === true }
        // The settings file is put back as it was after the test.
        function keepSettingsFile() {
            if (fileAsItWas === null)
                fileAsItWas = appController.readTextFile(fileUrl(appController.storeFile.fileName())).text || ""
        }
        // The settings file as a user's editor leaves it.
        function writeSettingsFile(text) {
            keepSettingsFile()
            compare(appController.saveTextFile(fileUrl(appController.storeFile.fileName()), text).ok, true)
        }
        // A text in a settings file in the form QSettings writes it: quoted, its quotes and backslashes escaped.
        function iniText(text) { return '"' + text.replace(/\\/g, "\\\\").replace(/"/g, '\\"') + '"' }
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

        // A settings file edited by hand into lines QSettings reads as other
        // names or lines than their bytes spell: a save through the stores
        // (or the Settings page of another copy) is read by the next copy
        // as saved, and every other setting as it was read before.
        function test_saves_into_a_settings_file_edited_by_hand_data() {
            var old = iniText(JSON.stringify([{ id: "p0", name: "Old", data: {} }]))
            return [
                { tag: "a quote left open on the last line", text: '[ui]\ndarkMode=true\naccentHex="#ff8800' },
                { tag: "blanks inside a section's brackets",
                  text: "[settings_profiles]\nprofilesJsonBackup=\n[ui]\ndarkMode=true\n[ settings_profiles ]\nprofilesJson=" + old + "\n" },
                { tag: "a section's name in percent codes",
                  text: "[settings_profiles]\nprofilesJsonBackup=\n[%73ettings_profiles]\nprofilesJson=" + old + "\n" },
                { tag: "a key's name in percent codes", text: "[settings_profiles]\nprofilesJson=[]\n%70rofilesJson=" + old + "\n" },
                { tag: "a backslash ending a section's name",
                  text: "[ui]\ndarkMode=true\n[settings_profiles\\]\nprofilesJson=" + old + "\n" },
                { tag: "a form feed before a section", text: "\f[settings_profiles]\nprofilesJson=" + old + "\n" },
                { tag: "a backslash ending the file", text: "[settings_profiles]\nnote=a\\" },
                { tag: "a key's name in percent codes, saved on the Settings page", appearance: true,
                  text: "[ui]\ndarkMode=true\n%64arkMode=true\n" }
            ]
        }
        function test_saves_into_a_settings_file_edited_by_hand(data) {
            verify(reader.start().profiles !== undefined, "the third copy runs")
            if (data.appearance)
                startPeer()
            writeSettingsFile(data.text)
            var key = data.appearance ? "ui/darkMode" : "settings_profiles/profilesJson"
            var before = reader.ask(["settings", key]).all
            var wanted = "false"
            if (data.appearance) {
                peer.ask(["saveAppearance", false, null])
            } else {
                newPage()
                saveProfile("Deep")
                wanted = names(page.settingsProfiles)
                compare([wanted.indexOf("Deep") >= 0, findChild(page, "profileStoreNote").shown], [true, false])
            }
            var after = reader.ask(["settings", key])
            compare(data.appearance ? after.value : names(JSON.parse(after.value || "[]")), wanted)
            delete before[key]
            delete after.all[key]
            compare(after.all, before)
        }

        // The lock the in-place writer takes is the one QSettings takes while
        // it writes the file: a save waits for another copy's QSettings and
        // keeps what that wrote, and this copy's QSettings waits alike.
        function test_saves_and_qsettings_wait_for_each_other() {
            keepSettingsFile()
            startPeer()
            compare(peer.ask(["holdFileLock", 1500]).held, true)
            saveProfile("WhileWriting")
            verify(peer.ask(["settings", "peer/mark"]).value === "1500", "the other copy's write ended")
            tryVerify(function() { return names(onDisk("profilesJson")).indexOf("WhileWriting") >= 0 }, 5000,
                      "the save went in after the other copy's write")
            compare(appController.storeFile.read("peer", "mark"), "1500")

            compare(peer.ask(["holdFileLock", 1000]).held, true)
            apart.setValue("written", "yes")
            apart.sync()
            compare([appController.storeFile.read("peer", "mark"), appController.storeFile.read("apart", "written"),
                     names(onDisk("profilesJson"))], ["1000", "yes", ["WhileWriting"]])
        }

        // Another copy's save that left the file's size as it was, within one
        // tick of the file system's clock (its time as before): the next
        // change here reads it all the same and keeps it.
        function test_a_save_of_another_copy_within_one_clock_tick_is_kept() {
            var utg = "6-max / No rake / RFI / UTG", hj = "6-max / No rake / RFI / HJ"
            page.oopStandardOverrides = { [utg]: "AA" }
            page.persistStandardOverrides("oop")
            startPeer()
            // This copy's settings noted the file's size and time as they are now.
            apart.sync()
            verify(peer.ask(["sameTime", "override", "oop", utg, "KK"]).sameSize, "a save of the same size")
            page.oopStandardOverrides = Object.assign({ [hj]: "QQ" }, page.oopStandardOverrides)
            page.persistStandardOverrides("oop")
            var both = { [utg]: "KK", [hj]: "QQ" }
            compare(page.oopStandardOverrides, both)
            compare(peer.ask(["reload"]).oopStandard, both)
        }

        // A start removes no file beside the settings file: the user's, whatever
        // their names, and a copy of the file that a copy killed while saving
        // left there alike, since nothing but its name tells them apart.
        function test_a_start_leaves_the_files_beside_the_settings_file() {
            var path = appController.storeFile.fileName()
            var text = appController.readTextFile(fileUrl(path)).text
            var users = [path + ".bak", path + ".backup", path + ".before", path + ".AbCdEfG", path + ".AbCdE"]
            for (var name of users)
                compare(appController.saveTextFile(fileUrl(name), "x").ok, true)
            startPeer()
            var copy = peer.ask(["writeCopy"]).copy
            verify(copy.indexOf(path + ".") === 0 && exists(copy), copy)
            verify(reader.start().profiles !== undefined, "a copy started while the other writes")
            reader.stop()
            peer.kill()
            verify(reader.start().profiles !== undefined, "a copy started after the other was killed")
            compare([exists(copy)].concat(users.map(exists)), [true, true, true, true, true, true])
            compare(users.map(function(name) { return appController.readTextFile(fileUrl(name)).text }),
                    ["x", "x", "x", "x", "x"])
            compare(appController.readTextFile(fileUrl(path)).text, text)
        }
    }
}
