import QtQuick
import QtTest
import Velmora

// New names have a bound their dialog states; stored names are shown escaped
// and fitted to the window. Names that are also the names of JavaScript's own
// object members ("hasOwnProperty", "__proto__", "constructor") in every path
// that makes a name unique: settings profiles, saved ranges, folders and
// imports. Each is an ordinary name, and later saves keep working. An import
// that cannot be added to both seats changes neither.
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

        // A new name holds at most 100 characters as the user sees them (an
        // emoji, a letter with a combining accent, a flag or an emoji with
        // modifiers counting as one): one more and the dialog says so under
        // its field, and neither its button nor Return takes it.
        function test_new_names_have_a_bound_data() {
            return [{ tag: "range", prefix: "saveRange", open: function() { page.oopRangeText = "AA"; page.openSaveRangeDialog("oop") } },
                    { tag: "folder", prefix: "addFolder", open: function() { page.openAddFolderDialog("oop") } },
                    { tag: "import", prefix: "importRange", open: function() { importFrom("oop", writeFile("b.txt", "AA")) } },
                    { tag: "profile", prefix: "saveSettings", open: function() { page.openSaveSettingsDialog() } },
                    { tag: "emoji, one character each", prefix: "addFolder", fill: "\u{1F0A1}",
                      open: function() { page.openAddFolderDialog("oop") } },
                    { tag: "e and a combining accent, one each", prefix: "saveRange", fill: "e\u0301",
                      open: function() { page.oopRangeText = "AA"; page.openSaveRangeDialog("oop") } },
                    { tag: "flags, one each", prefix: "importRange", fill: "\u{1F1E9}\u{1F1EA}",
                      open: function() { importFrom("oop", writeFile("b.txt", "AA")) } },
                    { tag: "emoji with modifiers, one each", prefix: "saveSettings",
                      fill: "\u{1F469}\u{1F3FD}\u200D\u{1F4BB}", open: function() { page.openSaveSettingsDialog() } },
                    { tag: "Hangul syllables of three jamo, one each", prefix: "addFolder", fill: "\u1112\u1161\u11AB",
                      open: function() { page.openAddFolderDialog("oop") } }]
        }

        function test_new_names_have_a_bound(data) {
            data.open()
            var field = findChild(page, data.prefix + "NameField"), reason = findChild(page, data.prefix + "NameLengthError")
            var taken = function() { return names(page.oopCustomRanges.concat(page.settingsProfiles)) }
            tryCompare(field, "activeFocus", true)
            var fill = data.fill || "n"
            field.text = fill.repeat(100)  // pasted
            for (var key of ["x", Qt.Key_Return])
                keyClick(key)
            compare([reason.visible, reason.text, findChild(page, data.prefix + "ConfirmButton").enabled, taken()],
                    [true, "This name is too long: a name can have at most 100 characters.", false, []])
            for (key of [Qt.Key_Backspace, Qt.Key_Return])
                keyClick(key)
            compare([reason.visible, taken()], [false, [fill.repeat(100)]])
        }

        // Stored names, long (from before the bound) or holding characters that
        // act on the text around them, are listed and quoted escaped; the delete
        // confirmation's name, note and buttons stay on the window.
        function test_stored_names_shown_escaped_and_fitted_data() {
            return [{ tag: "3,600 characters", name: "LongName".repeat(450), shown: "LongName".repeat(450) },
                    { tag: "right-to-left override", name: "BTN \u202Evs BB", shown: "BTN <U+202E>vs BB" },
                    { tag: "isolate, line break", name: "\u2067A\u2069 B\nC", shown: "<U+2067>A<U+2069> B<U+000A>C" },
                    { tag: "Hebrew letters", name: "\u05E9\u05DC\u05D5\u05DD", shown: "\u05E9\u05DC\u05D5\u05DD" }]
        }

        function test_stored_names_shown_escaped_and_fitted(data) {
            seed(ranges, { oopCustomRangesJson: JSON.stringify([{ id: "r", type: "range", name: data.name, value: "AA" }]) })
            newPage().oopRangeCategory = 2
            page.oopSelectedId = "r"
            page.openDeleteSelectedDialog("oop")
            var dialog = findChild(page, "confirmDeleteDialog"), quoted = findChild(dialog, "deleteItemName")
            tryVerify(function() { return dialog.opened && quoted.width < dialog.width })
            compare([findChild(findChild(page, "oopRow_" + data.name), "rowText").text, quoted.text],
                    [data.shown, "\u201C" + data.shown + "\u201D"])
            var bottom = function(name) { var item = findChild(dialog, name); return item.mapToItem(host, 0, item.height).y }
            var fits = [bottom("deleteNote"), bottom("confirmDeleteButton"), quoted.mapToItem(host, quoted.width, 0).x]
            compare([fits[0] <= host.height, fits[1] <= host.height, fits[2] <= host.width], [true, true, true],
                    "note and button bottoms, name's right edge: " + fits)
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
