import QtQuick
import QtTest
import Velmora

// Stored profiles, Custom trees and overrides whose text does not parse, or
// whose value is not in the store's form: the text is kept under a backup
// key before anything is stored, the page says so in plain words where the
// data would show, and saving goes on into a fresh store. A store that parses
// is read and written as before. Two windows over the same stores keep each
// other's entries.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    SetupPageCase {
        name: "SetupStores"
        pageAtStart: false

        readonly property string profilesText:
            '[{"id":"p1","name":"Deep","createdAt":"","data":{"starting_pot":1e400}},{"id":"p2","name":"Fast","data":{}}]'

        function test_custom_store_cut_short() {
            var tree = JSON.stringify([{ id: "a", type: "range", name: "BTN", value: "AA" },
                { id: "f", type: "folder", name: "F", children: [{ id: "b", type: "range", name: "CO", value: "KK" }] }])
            var cut = tree.slice(0, tree.length - 7)
            seed(ranges, { oopCustomRangesJson: cut, ipCustomRangesJson: tree,
                           ipStandardOverridesJson: JSON.stringify({ "6-max / No rake / RFI / UTG": "AA, KK" }) })
            seed(profiles, { profilesJson: '[{"id":"p2","name":"Fast","data":{"starting_pot":40}}]' })
            newPage()
            newPage()

            // Kept aside before anything was written, once however often it
            // is read; the page says so.
            compare([stored(ranges, "oopCustomRangesJsonBackup"), stored(ranges, "oopCustomRangesJsonBackup2"),
                     stored(ranges, "oopCustomRangesJson")], [cut, "", cut])
            compare(page.oopCustomRanges, [])
            var warning = findChild(page, "oopStoreWarning")
            verify(warning.shown && /^Your saved ranges could not be read/.test(warning.text), warning.text)
            verify(findChild(page, "oopEmptyNote").visible)
            // The note wraps inside the sidebar: both range cards keep their width.
            tryVerify(function() { return warning.height > 2 * warning.font.pixelSize }, 2000, "wrapped")
            compare(findChild(page, "oopRangeCard").width, findChild(page, "ipRangeCard").width)
            // The stores that parse work as before: nothing kept aside, no note taking room.
            compare([names(page.ipCustomRanges), page.ipStandardOverrides, names(page.settingsProfiles)],
                    [["BTN", "F"], { "6-max / No rake / RFI / UTG": "AA, KK" }, ["Fast"]])
            var ipWarning = findChild(page, "ipStoreWarning"), profileNote = findChild(page, "profileStoreNote")
            compare([ipWarning.shown, ipWarning.height, profileNote.shown, profileNote.height], [false, 0, false, 0])

            // Once the store reads again (another copy stored a list there),
            // the note goes; saving goes on into that list.
            seed(ranges, { oopCustomRangesJson: JSON.stringify([{ id: "o", type: "range", name: "Other", value: "JJ" }]) })
            page.reloadStores()
            compare([names(page.oopCustomRanges), warning.shown], [["Other"], false])
            seed(ranges, { oopCustomRangesJson: cut })
            page.reloadStores()
            compare(warning.shown, true)
            saveRange("oop", "New", "QQ")
            compare(warning.shown, false, "a save puts a list that reads there")
            newPage()
            compare([names(page.oopCustomRanges), findChild(page, "oopStoreWarning").shown], [["New"], false])

            // Another damaged text later goes beside the first backup; a
            // value of the wrong form (an object) counts as damaged too.
            seed(ranges, { oopCustomRangesJson: "{\"name\":\"x\"}" })
            newPage()
            compare([stored(ranges, "oopCustomRangesJsonBackup"), stored(ranges, "oopCustomRangesJsonBackup2")],
                    [cut, "{\"name\":\"x\"}"])
            verify(findChild(page, "oopStoreWarning").shown)
        }

        // In the shell the Setup page is hidden while it starts: the notes it
        // shows then are laid out in their cards once the page is shown.
        function test_notes_of_a_page_that_started_hidden() {
            seed(ranges, { oopCustomRangesJson: "[{" })
            seed(profiles, { profilesJson: profilesText })
            ignoreWarning(/^Settings profiles: the stored list is not a JSON list/)
            var shell = createTemporaryObject(shellComp, host)
            page = findChild(shell, "projectPage")
            verify(!page.visible)
            shell.resetToNewProject()
            shell.requestNavigate(1)
            tryCompare(page, "visible", true)
            var warning = findChild(page, "oopStoreWarning")
            var sidebar = findChild(page, "oopRangeSidebar")
            var empty = findChild(page, "oopEmptyNote")
            compare(warning.shown, true)
            tryVerify(function() { return warning.width > 150 && warning.width <= sidebar.width
                                          && warning.y >= empty.y + empty.height }, 2000,
                      "placed under the list: " + warning.x + "," + warning.y + " " + warning.width)
            var note = findChild(page, "profileStoreNote")
            var card = findChild(page, "profileButtonsCard")
            var buttons = findChild(page, "loadSettingsButton")
            tryVerify(function() { return note.width > 150 && note.width <= card.width
                                          && note.mapToItem(card, 0, 0).y >= buttons.mapToItem(card, 0, buttons.height).y }, 2000,
                      "placed under the buttons")
        }

        // Valid JSON that is not in the store's form is kept aside as
        // unparsable text is, before anything is dropped or stored.
        function test_stores_of_the_wrong_shape_data() {
            var folder = [{ id: "f", type: "folder", name: " ", children: [{ id: "r", type: "range", name: "BTN", value: "AA" }] }]
            return [
                { tag: "profiles without ids or names", key: "profilesJson", text: '[{"title":"Deep 200bb","data":{"starting_pot":40}}]' },
                { tag: "profile names", key: "profilesJson", text: '["Deep","Fast"]' },
                { tag: "numbers", key: "profilesJson", text: "[1,2,3]" },
                { tag: "profile data as text", key: "profilesJson", text: '[{"id":"p","name":"Deep","data":"x"}]' },
                { tag: "Custom entries of other keys", key: "oopCustomRangesJson", text: '[{"label":"BTN","range":"AA"}]' },
                { tag: "folder without a name", key: "ipCustomRangesJson", text: JSON.stringify(folder) },
                { tag: "override that is no text", key: "oopStandardOverridesJson",
                  text: '{"6-max / No rake / RFI / UTG":{"range":"AA"}}' }
            ]
        }

        function test_stores_of_the_wrong_shape(data) {
            var store = data.key === "profilesJson" ? profiles : ranges
            seed(store, { [data.key]: data.text })
            if (data.key === "profilesJson")
                ignoreWarning(/^Settings profiles: the stored list is not a JSON list/)
            newPage()
            compare([stored(store, data.key + "Backup"), stored(store, data.key), page.storeKeptAside(data.key)],
                    [data.text, data.text, true])
            compare([page.settingsProfiles, page.oopCustomRanges, page.ipCustomRanges, page.oopStandardOverrides],
                    [[], [], [], {}])
            verify(JSON.stringify(page.oopStandardRanges).indexOf("[object Object]") < 0)
        }

        // Two windows on the same settings: each save reads the store again
        // and adds only its own change; the other window sees it when it
        // next reads the store.
        function test_two_windows_keep_each_others_saves() {
            var first = newPage(), second = createTemporaryObject(pageComponent, parent)
            saveProfile("FromA")
            saveRange("oop", "RangeA", "AA")
            page = second
            saveProfile("FromB")
            saveRange("oop", "RangeB", "KK")
            saveRange("oop", "RangeA", "QQ")
            compare(names(JSON.parse(stored(profiles, "profilesJson"))), ["FromA", "FromB"])
            compare(names(JSON.parse(stored(ranges, "oopCustomRangesJson"))), ["RangeA", "RangeB", "RangeA (2)"])
            compare(names(second.settingsProfiles), ["FromA", "FromB"])

            // The first window deletes its range and saves again: the second's stay.
            page = first
            first.oopSelectedId = first.oopCustomRanges[0].id
            first.deleteSelectedItem("oop")
            saveProfile("FromB")
            compare(names(JSON.parse(stored(ranges, "oopCustomRangesJson"))), ["RangeB", "RangeA (2)"])
            compare(names(JSON.parse(stored(profiles, "profilesJson"))), ["FromA", "FromB", "FromB (2)"])
            compare(names(first.oopCustomRanges), ["RangeB", "RangeA (2)"])

            // A range the second window put into a folder that the first
            // then deletes moves up into the folder's place.
            addFolder("ip", "F")
            page = second
            second.reloadStores()
            second.ipSelectedId = second.ipCustomRanges[0].id
            saveRange("ip", "Inside", "AA")
            page = first
            first.ipSelectedId = first.ipCustomRanges[0].id
            first.deleteSelectedItem("ip")
            compare(JSON.parse(stored(ranges, "ipCustomRangesJson")).map(function(n) { return n.name + n.type }),
                    ["Insiderange"])

            // Overrides merge by key; opening the load dialog reads the profiles again.
            first.oopStandardOverrides = { "6-max / No rake / RFI / UTG": "AA" }
            first.persistStandardOverrides("oop")
            second.oopStandardOverrides = { "6-max / No rake / RFI / HJ": "KK" }
            second.persistStandardOverrides("oop")
            compare(Object.keys(JSON.parse(stored(ranges, "oopStandardOverridesJson"))).length, 2)
            second.openLoadSettingsDialog()
            compare(names(second.settingsProfiles), ["FromA", "FromB", "FromB (2)"])
            first.reloadStores()
            compare(Object.keys(first.oopStandardOverrides).length, 2)
        }

        function test_profile_store_that_does_not_parse() {
            seed(profiles, { profilesJson: profilesText })
            ignoreWarning(/^Settings profiles: the stored list is not a JSON list/)
            newPage()
            compare([page.settingsProfiles, stored(profiles, "profilesJsonBackup"), stored(profiles, "profilesJson")],
                    [[], profilesText, profilesText])
            var note = findChild(page, "profileStoreNote")
            verify(note.shown && /^Your saved profiles could not be read/.test(note.text), note.text)

            // The load dialog says the same beside its empty list.
            page.openLoadSettingsDialog()
            var dialog = findChild(page, "loadSettingsDialog")
            tryCompare(dialog, "opened", true)
            var warning = findChild(dialog, "profileStoreWarning")
            compare([findChild(dialog, "noProfilesNote").visible, warning.visible, warning.text], [true, true, note.text])
            dialog.close()
            tryCompare(dialog, "visible", false)

            saveProfile("Fresh")
            compare([names(JSON.parse(stored(profiles, "profilesJson"))), stored(profiles, "profilesJsonBackup")],
                    [["Fresh"], profilesText])
            newPage()
            compare([names(page.settingsProfiles), findChild(page, "profileStoreNote").shown], [["Fresh"], false])
        }

        function test_override_stores_that_do_not_parse() {
            var cut = "{\"6-max / No rake / RFI / UTG\": \"AA\""
            seed(ranges, { oopStandardOverridesJson: cut, ipExploitOverridesJson: "[1e400]" })
            newPage()
            compare([stored(ranges, "oopStandardOverridesJsonBackup"), stored(ranges, "ipExploitOverridesJsonBackup")],
                    [cut, "[1e400]"])
            compare([page.oopStandardOverrides, page.ipExploitOverrides], [{}, {}])

            var oop = findChild(page, "oopStoreWarning"), ip = findChild(page, "ipStoreWarning")
            page.oopRangeCategory = 0
            page.ipRangeCategory = 1
            compare([oop.shown, ip.shown], [true, true])
            verify(/^Your changes to these built-in ranges could not be read/.test(oop.text), oop.text)
            page.oopRangeCategory = 1
            page.ipRangeCategory = 0
            compare([oop.shown, ip.shown], [false, false], "only under the library whose store it is")

            // Clearing writes the store afresh; the backup keeps the old text.
            verify(page.clearStandardOverrides("oop"))
            compare([stored(ranges, "oopStandardOverridesJson"), stored(ranges, "oopStandardOverridesJsonBackup")], ["", cut])
        }
    }
}
