import QtQuick
import QtTest
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

    SetupPageCase {
        name: "SetupNames"

        function node(seat, id) { return page._findNodeById(page[seat + "CustomRanges"], id) }
        function importAs(seat, url) {
            importFrom(seat, url)
            enterName("importRangeNameDialog", "importRangeNameField", "")
        }

        function test_member_names_data() {
            return [{ tag: "hasOwnProperty" }, { tag: "__proto__" }, { tag: "constructor" }]
        }

        function test_member_names(data) {
            var n = data.tag
            for (var wanted of [n, n, "After", n])
                saveProfile(wanted)
            var profileNames = [n, n + " (2)", "After", n + " (3)"]
            compare(names(page.settingsProfiles), profileNames)

            // Saved ranges at the top level, then a folder beside them, then
            // folders and a range of the same name inside that folder.
            saveRange("oop", n, "AA")
            saveRange("oop", n, "KK")
            addFolder("oop", n)
            compare(names(page.oopCustomRanges), [n, n + " (2)", n + " (3)"])
            var outer = page.oopCustomRanges[2]
            addFolder("oop", n)
            page.oopSelectedId = outer.id
            addFolder("oop", n)
            page.oopSelectedId = outer.id
            saveRange("oop", n, "QQ")
            compare(names(node("oop", outer.id).children), [n, n + " (2)", n + " (3)"])

            // Imports of a file of that name into both seats, twice.
            var url = writeFile(n + ".txt", "JJ, TT")
            page.ipRangeCategory = 2
            importAs("ip", url)
            importAs("ip", url)
            compare(names(page.ipCustomRanges), [n, n + " (2)"])
            compare(names(page.oopCustomRanges), [n, n + " (2)", n + " (3)", n + " (4)", n + " (5)"])

            // A folder id that is such a name opens and closes like any other.
            page.ipCustomRanges = [{ id: n, type: "folder", name: "F", children: [{ id: "r", type: "range", name: "R", value: "AA" }] },
                                   { id: "g", type: "folder", name: "G", children: [] }]
            page._toggleOpenFolder("ip", n)
            compare([names(page._flattenTreeFor("ip", 2)), Object.keys(page.ipOpenFolderIds)], [["F", "R"], [n]])
            page._toggleOpenFolder("ip", n)
            compare(names(page._flattenTreeFor("ip", 2)), ["F", "G"])

            // All of it is stored and read back by a new page.
            var again = createTemporaryObject(pageComponent, host)
            compare([names(again.settingsProfiles), names(again.oopCustomRanges), names(again.ipCustomRanges)],
                    [profileNames, names(page.oopCustomRanges), ["F", "G"]])
        }

        // A built-in leaf named like an object member takes no override
        // unless one is stored under its own key.
        function test_override_keys_are_own_entries_only() {
            var tree = [{ id: "a", type: "range", name: "constructor", value: "AA" },
                        { id: "b", type: "range", name: "toString", value: "KK" },
                        { id: "c", type: "range", name: "__proto__", value: "QQ" }]
            var values = function(map) {
                return page._applyOverridesToTree(tree, map, []).map(function(r) { return r.value })
            }
            compare(values(page._sanitizeOverrideMap({})), ["AA", "KK", "QQ"])
            var map = page._sanitizeOverrideMap(JSON.parse('{"__proto__": "22", "toString": "33"}'))
            compare([Object.keys(map).sort(), values(map)], [["__proto__", "toString"], ["AA", "33", "22"]])
        }

        // The other seat's tree cannot take the range: neither seat changes
        // and the dialog says why.
        function test_import_is_all_or_nothing() {
            var url = writeFile("btn.txt", "AA, KK")
            saveRange("oop", "Kept", "22")
            var before = JSON.stringify(page.oopCustomRanges)
            page.ipRangeCategory = 1
            ignoreWarning(/unreadable entry/)
            page.ipCustomRanges = [{ get name() { throw new Error("unreadable entry") } }]

            importFrom("oop", url)
            ignoreWarning(/^\[ranges\] Import: the range could not be added/)
            verify(!page.commitImportRange())
            verify(/^Import failed: .*unreadable entry/.test(page._importRangeError), page._importRangeError)
            compare([JSON.stringify(page.oopCustomRanges), page.ipRangeCategory,
                     findChild(page, "importRangeNameDialog").visible], [before, 1, true])
            closeImport()
        }
    }
}
