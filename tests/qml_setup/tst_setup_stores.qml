import QtQuick
import QtTest
import Qt.labs.settings
import Velmora

// Stored profiles, Custom trees and overrides whose text does not parse: the
// text is kept under a backup key before anything is stored, the page says
// so in plain words where the data would show, and saving goes on into a
// fresh store. A store that parses is read and written as before.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
    }
    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    Settings {
        id: ranges
        category: "ranges"
    }
    Settings {
        id: profiles
        category: "settings_profiles"
    }

    TestCase {
        name: "SetupStores"
        when: windowShown

        readonly property var rangeKeys: ["oopCustomRangesJson", "ipCustomRangesJson", "oopStandardOverridesJson",
                                          "ipStandardOverridesJson", "oopExploitOverridesJson", "ipExploitOverridesJson"]
        readonly property string profilesText:
            '[{"id":"p1","name":"Deep","createdAt":"","data":{"starting_pot":1e400}},{"id":"p2","name":"Fast","data":{}}]'
        readonly property string treeText: JSON.stringify([
            { id: "a", type: "range", name: "BTN", value: "AA" },
            { id: "f", type: "folder", name: "F", children: [{ id: "b", type: "range", name: "CO", value: "KK" }] }])

        property var page: null

        function clearAll() {
            var suffixes = ["", "Backup", "Backup2", "Backup3"]
            for (var i = 0; i < rangeKeys.length; ++i) {
                for (var n = 0; n < suffixes.length; ++n)
                    ranges.setValue(rangeKeys[i] + suffixes[n], "")
            }
            ranges.sync()
            var keys = ["profilesJson", "profilesJsonBackup", "profilesJsonBackup2"]
            for (var k = 0; k < keys.length; ++k)
                profiles.setValue(keys[k], "")
            profiles.sync()
        }
        function init() { clearAll(); page = null }
        function cleanup() { clearAll() }

        function rangeValue(key) { return String(ranges.value(key, "")) }
        function profileValue(key) { return String(profiles.value(key, "")) }
        function names(nodes) { return nodes.map(function(n) { return n.name }) }
        function newPage() { page = createTemporaryObject(pageComp, host); return page }

        function typeName(fieldName, name) {
            tryCompare(findChild(page, fieldName), "activeFocus", true)
            for (var i = 0; i < name.length; ++i)
                keyClick(name.charAt(i))
            keyClick(Qt.Key_Return)
        }
        function saveRange(seat, name, text) {
            page[seat + "RangeText"] = text
            page.openSaveRangeDialog(seat)
            typeName("saveRangeNameField", name)
            tryCompare(findChild(page, "saveRangeDialog"), "visible", false)
        }
        function saveProfile(name) {
            page.openSaveSettingsDialog()
            typeName("saveSettingsNameField", name)
            tryCompare(findChild(page, "saveSettingsDialog"), "visible", false)
        }

        function test_custom_store_cut_short() {
            var cut = treeText.slice(0, treeText.length - 7)
            ranges.setValue("oopCustomRangesJson", cut)
            ranges.setValue("ipCustomRangesJson", treeText)
            ranges.setValue("ipStandardOverridesJson", JSON.stringify({ "6-max / No rake / RFI / UTG": "AA, KK" }))
            ranges.sync()
            profiles.setValue("profilesJson", '[{"id":"p2","name":"Fast","data":{"starting_pot":40}}]')
            profiles.sync()
            newPage()

            // Kept aside before anything was written; the page says so.
            compare([rangeValue("oopCustomRangesJsonBackup"), rangeValue("oopCustomRangesJson")], [cut, cut])
            compare(page.oopCustomRanges, [])
            var warning = findChild(page, "oopStoreWarning")
            verify(warning.shown)
            compare(warning.text, "Your saved ranges could not be read. They were kept aside unchanged, "
                                  + "and new ranges are saved to a fresh list.")
            verify(findChild(page, "oopEmptyNote").visible)
            // The note wraps inside the sidebar: both range cards keep their width.
            tryVerify(function() { return warning.height > 2 * warning.font.pixelSize }, 2000, "wrapped")
            compare(findChild(page, "oopRangeCard").width, findChild(page, "ipRangeCard").width)
            // The stores that parse work as before: nothing kept aside, no note.
            compare([names(page.ipCustomRanges), page.ipStandardOverrides, names(page.settingsProfiles)],
                    [["BTN", "F"], { "6-max / No rake / RFI / UTG": "AA, KK" }, ["Fast"]])
            compare(page._keptAsideStores, { oopCustomRangesJson: "oopCustomRangesJsonBackup" })
            var ipWarning = findChild(page, "ipStoreWarning"), profileNote = findChild(page, "profileStoreNote")
            compare([ipWarning.shown, ipWarning.height, profileNote.shown, profileNote.height], [false, 0, false, 0])
            // The warning belongs to the Custom list only.
            page.oopRangeCategory = 0
            compare(warning.shown, false)
            page.oopRangeCategory = 2

            // Saving goes on into a fresh store; the backup stays.
            saveRange("oop", "New", "QQ")
            compare(names(JSON.parse(rangeValue("oopCustomRangesJson"))), ["New"])
            compare(rangeValue("oopCustomRangesJsonBackup"), cut)

            // Read again: the fresh store parses, nothing to say, nothing kept twice.
            newPage()
            compare([names(page.oopCustomRanges), findChild(page, "oopStoreWarning").shown], [["New"], false])
            compare([rangeValue("oopCustomRangesJsonBackup"), rangeValue("oopCustomRangesJsonBackup2")], [cut, ""])
        }

        // In the shell the Setup page is hidden while it starts: the notes it
        // shows then are laid out in their cards once the page is shown.
        function test_notes_of_a_page_that_started_hidden() {
            ranges.setValue("oopCustomRangesJson", "[{")
            ranges.sync()
            profiles.setValue("profilesJson", profilesText)
            profiles.sync()
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

        function test_backups_are_never_written_over() {
            ranges.setValue("ipCustomRangesJson", "{ not json")
            ranges.sync()
            newPage()
            newPage()
            compare([rangeValue("ipCustomRangesJsonBackup"), rangeValue("ipCustomRangesJsonBackup2")],
                    ["{ not json", ""], "the same text read twice is kept once")

            // Another damaged text later goes beside the first backup; a
            // value of the wrong form (an object) counts as damaged too.
            ranges.setValue("ipCustomRangesJson", "{\"name\":\"x\"}")
            ranges.sync()
            newPage()
            compare([rangeValue("ipCustomRangesJsonBackup"), rangeValue("ipCustomRangesJsonBackup2")],
                    ["{ not json", "{\"name\":\"x\"}"])
            verify(findChild(page, "ipStoreWarning").shown)
            compare(page._keptAsideStores, { ipCustomRangesJson: "ipCustomRangesJsonBackup2" })
        }

        function test_profile_store_that_does_not_parse() {
            profiles.setValue("profilesJson", profilesText)
            profiles.sync()
            ignoreWarning(/^Settings profiles: the stored list is not a JSON list/)
            newPage()
            compare([page.settingsProfiles, profileValue("profilesJsonBackup"), profileValue("profilesJson")],
                    [[], profilesText, profilesText])
            var text = "Your saved profiles could not be read. They were kept aside unchanged, "
                       + "and new profiles are saved to a fresh list."
            var note = findChild(page, "profileStoreNote")
            compare([note.shown, note.text], [true, text])
            tryVerify(function() { return note.width <= findChild(page, "profileButtonsCard").width - 24
                                          && note.height > 2 * note.font.pixelSize }, 2000, "wraps inside its card")

            page.openLoadSettingsDialog()
            var dialog = findChild(page, "loadSettingsDialog")
            tryCompare(dialog, "opened", true)
            var warning = findChild(dialog, "profileStoreWarning")
            compare([findChild(dialog, "noProfilesNote").visible, warning.visible, warning.text], [true, true, text])
            dialog.close()
            tryCompare(dialog, "visible", false)

            saveProfile("Fresh")
            compare(JSON.parse(profileValue("profilesJson")).map(function(p) { return p.name }), ["Fresh"])
            compare(profileValue("profilesJsonBackup"), profilesText)
            newPage()
            compare([names(page.settingsProfiles), findChild(page, "profileStoreNote").shown], [["Fresh"], false])
        }

        function test_override_stores_that_do_not_parse() {
            var cut = "{\"6-max / No rake / RFI / UTG\": \"AA\""
            ranges.setValue("oopStandardOverridesJson", cut)
            ranges.setValue("ipExploitOverridesJson", "[1e400]")
            ranges.sync()
            newPage()
            compare([rangeValue("oopStandardOverridesJsonBackup"), rangeValue("ipExploitOverridesJsonBackup")],
                    [cut, "[1e400]"])
            compare([page.oopStandardOverrides, page.ipExploitOverrides], [{}, {}])

            page.oopRangeCategory = 0
            page.ipRangeCategory = 1
            var oop = findChild(page, "oopStoreWarning"), ip = findChild(page, "ipStoreWarning")
            compare([oop.shown, ip.shown], [true, true])
            compare(oop.text, "Your changes to these built-in ranges could not be read. They were kept aside "
                              + "unchanged, and the shipped ranges are shown.")
            page.oopRangeCategory = 1
            page.ipRangeCategory = 0
            compare([oop.shown, ip.shown], [false, false], "only under the library whose store it is")

            // Clearing writes the store afresh; the backup keeps the old text.
            verify(page.clearStandardOverrides("oop"))
            compare([rangeValue("oopStandardOverridesJson"), rangeValue("oopStandardOverridesJsonBackup")], ["", cut])
        }
    }
}
