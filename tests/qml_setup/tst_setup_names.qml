import QtQuick
import QtTest
import Qt.labs.settings
import Velmora

// Names that are also the names of JavaScript's own object members
// ("hasOwnProperty", "__proto__", "constructor") in every path that makes a
// name unique: settings profiles, saved ranges, folders and imports. Each is
// an ordinary name, and later saves keep working. An import that cannot be
// added to both seats changes neither.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
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
        name: "SetupNames"
        when: windowShown

        property var page: null

        function clearStores() {
            ranges.setValue("oopCustomRangesJson", "")
            ranges.setValue("ipCustomRangesJson", "")
            ranges.sync()
            profiles.setValue("profilesJson", "")
            profiles.sync()
        }
        function init() {
            clearStores()
            page = createTemporaryObject(pageComp, host)
        }
        function cleanup() { clearStores() }

        function typeName(fieldName, name) {
            tryCompare(findChild(page, fieldName), "activeFocus", true)
            for (var i = 0; i < name.length; ++i)
                keyClick(name.charAt(i))
            keyClick(Qt.Key_Return)
        }
        function saveProfile(name) {
            page.openSaveSettingsDialog()
            typeName("saveSettingsNameField", name)
            tryCompare(findChild(page, "saveSettingsDialog"), "visible", false)
        }
        function saveRange(seat, name, text) {
            page[seat + "RangeText"] = text
            page.openSaveRangeDialog(seat)
            typeName("saveRangeNameField", name)
            tryCompare(findChild(page, "saveRangeDialog"), "visible", false)
        }
        function addFolder(seat, name) {
            page.openAddFolderDialog(seat)
            typeName("addFolderNameField", name)
            tryCompare(findChild(page, "addFolderDialog"), "visible", false)
        }
        function importFile(seat, url) {
            page.openImportRangeDialog(seat)
            findChild(page, "importRangeFileDialog").close()
            page._importFromUrl(url)
            typeName("importRangeNameField", "")
            tryCompare(findChild(page, "importRangeNameDialog"), "visible", false)
        }
        function names(nodes) { return nodes.map(function(n) { return n.name }) }
        function node(seat, id) { return page._findNodeById(page[seat + "CustomRanges"], id) }
        function stored(settings, key) { return JSON.parse(String(settings.value(key, ""))) }

        function test_profile_names_data() {
            return [{ tag: "hasOwnProperty", name: "hasOwnProperty" }, { tag: "__proto__", name: "__proto__" },
                    { tag: "constructor", name: "constructor" }]
        }

        function test_profile_names(data) {
            var n = data.name
            saveProfile(n)
            saveProfile(n)
            saveProfile("After")
            saveProfile(n)
            var expected = [n, n + " (2)", "After", n + " (3)"]
            compare(names(page.settingsProfiles), expected)
            compare(names(stored(profiles, "profilesJson")), expected)
            compare(page._uniqueProfileName(page.settingsProfiles, n), n + " (4)")
            var again = createTemporaryObject(pageComp, host)
            compare(names(again.settingsProfiles), expected)
        }

        function test_custom_names_data() { return test_profile_names_data() }

        function test_custom_names(data) {
            var n = data.name
            // Saved ranges at the top level, then a folder beside them.
            saveRange("oop", n, "AA")
            saveRange("oop", n, "KK")
            addFolder("oop", n)
            compare(names(page.oopCustomRanges), [n, n + " (2)", n + " (3)"])
            var outer = page.oopCustomRanges[2]
            compare([page.oopSelectedId, page.oopOpenFolderIds[outer.id], page._flattenTreeFor("oop", 2).length],
                    [outer.id, true, 1], "the new folder is selected and open, its siblings hidden")

            // Inside the folder: folders and ranges of the same name.
            addFolder("oop", n)
            page.oopSelectedId = outer.id
            addFolder("oop", n)
            page.oopSelectedId = outer.id
            saveRange("oop", n, "QQ")
            compare(names(node("oop", outer.id).children), [n, n + " (2)", n + " (3)"])

            // Imports of a file of that name into both seats, twice.
            var url = scratchDirUrl + "/" + n + ".txt"
            compare(appController.saveTextFile(url, "JJ, TT").ok, true)
            page.ipRangeCategory = 2
            importFile("ip", url)
            importFile("ip", url)
            compare(names(page.ipCustomRanges), [n, n + " (2)"])
            compare(names(page.oopCustomRanges), [n, n + " (2)", n + " (3)", n + " (4)", n + " (5)"])

            // A folder id that is such a name opens and closes like any other.
            var tree = [{ id: n, type: "folder", name: "F", children: [{ id: "r", type: "range", name: "R", value: "AA" }] },
                        { id: "g", type: "folder", name: "G", children: [] }]
            page.ipCustomRanges = tree
            page._toggleOpenFolder("ip", n)
            compare(names(page._flattenTreeFor("ip", 2)), ["F", "R"])
            compare(Object.keys(page.ipOpenFolderIds), [n])
            page._toggleOpenFolder("ip", n)
            compare(names(page._flattenTreeFor("ip", 2)), ["F", "G"])

            var again = createTemporaryObject(pageComp, host)
            compare(names(again.oopCustomRanges), names(page.oopCustomRanges))
            compare(names(stored(ranges, "ipCustomRangesJson")), ["F", "G"])
        }

        function test_override_keys_are_own_entries_only() {
            // A built-in leaf named like an object member takes no override
            // unless one is stored under its own key.
            var tree = [{ id: "a", type: "range", name: "constructor", value: "AA" },
                        { id: "b", type: "range", name: "toString", value: "KK" },
                        { id: "c", type: "range", name: "__proto__", value: "QQ" }]
            var out = page._applyOverridesToTree(tree, page._sanitizeOverrideMap({}), [])
            compare(out.map(function(r) { return r.value }), ["AA", "KK", "QQ"])
            var map = page._sanitizeOverrideMap(JSON.parse('{"__proto__": "22", "toString": "33"}'))
            compare(Object.keys(map).sort(), ["__proto__", "toString"])
            out = page._applyOverridesToTree(tree, map, [])
            compare(out.map(function(r) { return r.value }), ["AA", "33", "22"])
        }

        // The other seat's tree cannot take the range: neither seat changes
        // and the dialog says why.
        function test_import_is_all_or_nothing() {
            var url = scratchDirUrl + "/btn.txt"
            compare(appController.saveTextFile(url, "AA, KK").ok, true)
            saveRange("oop", "Kept", "22")
            var before = JSON.stringify(page.oopCustomRanges)
            page.ipRangeCategory = 1
            ignoreWarning(/unreadable entry/)
            page.ipCustomRanges = [{ get name() { throw new Error("unreadable entry") } }]

            page.openImportRangeDialog("oop")
            findChild(page, "importRangeFileDialog").close()
            page._importFromUrl(url)
            var dialog = findChild(page, "importRangeNameDialog")
            tryCompare(dialog, "opened", true)
            ignoreWarning(/^\[ranges\] Import: the range could not be added/)
            verify(!page.commitImportRange())
            verify(/^Import failed: .*unreadable entry/.test(page._importRangeError), page._importRangeError)
            compare([JSON.stringify(page.oopCustomRanges), page.ipRangeCategory, dialog.visible], [before, 1, true])
            dialog.close()
        }
    }
}
