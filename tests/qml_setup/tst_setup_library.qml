import QtQuick
import QtTest
import Qt.labs.settings
import Velmora

// The Custom range library on the Setup page with the real back end: saving
// through the dialogs, folders and where new items go, deleting and the row
// that takes the deleted one's place, the stored trees across a new page,
// and importing range text files into both seats.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
    }

    Settings {
        id: store
        category: "ranges"
    }

    TestCase {
        name: "SetupLibrary"
        when: windowShown

        property var page: null

        function storeTexts(oop, ip) {
            store.setValue("oopCustomRangesJson", oop)
            store.setValue("ipCustomRangesJson", ip)
            store.sync()
        }
        function init() {
            storeTexts("", "")
            page = createTemporaryObject(pageComp, host)
        }
        function cleanup() { storeTexts("", "") }

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
        }

        function addFolder(seat, name) { page.openAddFolderDialog(seat); typeName("addFolderNameField", name) }
        // The file dialog cannot be driven here: the page reads the file it would accept.
        function importFrom(seat, url) {
            page.openImportRangeDialog(seat)
            findChild(page, "importRangeFileDialog").close()
            page._importFromUrl(url)
        }
        function names(nodes) { return nodes.map(function(r) { return r.name }) }
        function rowNames(seat) { return names(page.listModelFor(seat)) }
        function selectedName(seat) {
            var node = page._findNodeById(page[seat + "CustomRanges"], page[seat + "SelectedId"])
            return node ? node.name : ""
        }
        function storedTree(seat) { return JSON.parse(String(store.value(seat + "CustomRangesJson", ""))) }

        function test_save_unique_names_and_delete_in_place() {
            saveRange("oop", "BTN", "AA")
            saveRange("oop", "BTN", "KK")
            saveRange("oop", " BTN ", "QQ")
            tryCompare(findChild(page, "saveRangeDialog"), "visible", false)
            compare([rowNames("oop"), selectedName("oop"), page.oopRangeText],
                    [["BTN", "BTN (2)", "BTN (3)"], "BTN (3)", "QQ"], "saving leaves the range text")
            compare(names(storedTree("oop")), rowNames("oop"))

            page.oopSelectedId = page.oopCustomRanges[1].id
            page.openDeleteSelectedDialog("oop")
            var confirm = findChild(page, "confirmDeleteDialog")
            tryCompare(confirm, "opened", true)
            compare([findChild(confirm, "deleteQuestion").text, findChild(confirm, "deleteNote").text],
                    ["Are you sure you want to delete this range?", "This cannot be undone."])
            mouseClick(findChild(confirm, "confirmDeleteButton"))
            tryCompare(confirm, "visible", false)
            compare(rowNames("oop"), ["BTN", "BTN (3)"])
            compare([selectedName("oop"), page.oopRangeText], ["BTN (3)", "QQ"], "the next row takes the place")

            page.deleteSelectedItem("oop")
            compare([selectedName("oop"), page.oopRangeText], ["BTN", "AA"], "the new last row")
            page.deleteSelectedItem("oop")
            compare([page.oopSelectedId, page.oopRangeText, storedTree("oop"), page.ipCustomRanges], ["", "", [], []])
            verify(findChild(page, "oopEmptyNote").visible)
        }

        // What the range field shows after a delete: where it showed the
        // deleted range (or one in the deleted folder) the range of the row
        // that takes its place (see above); a text the user typed, or another
        // range, stays. The row taking the place is selected either way.
        function test_delete_keeps_a_typed_range_text_data() {
            var three = [["A", "AA"], ["B", "KK"], ["C", "QQ"]]
            return [
                { tag: "typed text, middle row", library: three, click: ["B"], typed: "22, 33", selected: "C", text: "22, 33" },
                { tag: "typed text, only row", library: [["A", "AA"]], click: ["A"], typed: "JJ+", selected: "", text: "JJ+" },
                { tag: "shown range in the deleted folder", library: three, folder: true, click: ["In F", "F"],
                  selected: "C", text: "QQ" },
                { tag: "typed text, deleted folder", library: three, folder: true, click: ["F"], typed: "A5s",
                  selected: "C", text: "A5s" },
                { tag: "another range shown, deleted folder", library: three, folder: true, click: ["F", "B", "F"],
                  selected: "A", text: "KK" }
            ]
        }

        function test_delete_keeps_a_typed_range_text(data) {
            for (var entry of data.library)
                saveRange("oop", entry[0], entry[1])
            if (data.folder) {
                addFolder("oop", "F")
                saveRange("oop", "In F", "JJ")
            }
            page.oopRangeText = ""
            for (var name of data.click) {
                var row = findChild(page, "oopRow_" + name)
                tryVerify(function() { return row.width > 0 && row.y > 0 }, 2000, name)
                waitForItemPolished(row.parent)
                mouseClick(row)
            }
            if (data.typed !== undefined) {
                var field = findChild(page, "oopRangeInput")
                field.forceActiveFocus()
                field.selectAll()
                for (var c of data.typed)
                    keyClick(c)
                compare(page.oopRangeText, data.typed)
            }
            mouseClick(findChild(page, "oopDeleteSelectedButton"))
            var confirm = findChild(page, "confirmDeleteDialog")
            tryCompare(confirm, "opened", true)
            mouseClick(findChild(confirm, "confirmDeleteButton"))
            tryCompare(confirm, "visible", false)
            compare([selectedName("oop"), page.oopRangeText, findChild(page, "oopRangeInput").rangeText],
                    [data.selected, data.text, data.text])
        }

        // The rows the list shows, in order, by the items that show them.
        function shownRows(seat) {
            var rows = findChild(page, seat + "RangeRows")
            var out = []
            for (var i = 0; i < rows.count; ++i)
                out.push(rows.itemAt(i).name)
            return out
        }

        // A change of the tree changes the rows that changed: every other
        // row keeps its item, and the list shows the rows in their order.
        function test_rows_change_in_place() {
            for (var name of ["A", "B", "C"])
                saveRange("oop", name, "AA")
            var kept = ["A", "B", "C"].map(function(n) { return findChild(page, "oopRow_" + n) })
            saveRange("oop", "D", "KK")
            compare(shownRows("oop"), ["A", "B", "C", "D"])
            compare(["A", "B", "C"].map(function(n, i) { return findChild(page, "oopRow_" + n) === kept[i] }),
                    [true, true, true], "the rows that stayed keep their items")

            page.oopSelectedId = page.oopCustomRanges[0].id
            addFolder("oop", "F")
            saveRange("oop", "In F", "QQ")
            compare([shownRows("oop"), rowNames("oop")], [["F", "In F"], ["F", "In F"]], "an open folder hides the others")
            page._toggleOpenFolder("oop", page.oopCustomRanges[4].id)
            page.oopSelectedId = page.oopCustomRanges[1].id
            page.deleteSelectedItem("oop")
            compare([shownRows("oop"), rowNames("oop")], [["A", "C", "D", "F"], ["A", "C", "D", "F"]])
        }

        function test_save_errors_and_other_categories() {
            page.oopRangeText = "  "
            page.openSaveRangeDialog("oop")
            var dialog = findChild(page, "saveRangeDialog")
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Return)
            compare(page._saveRangeError, "", "Return in an empty name does nothing")
            typeName("saveRangeNameField", "Empty")
            compare([page._saveRangeError, dialog.visible], ["Current range is empty.", true])
            // Only what the range field takes, refused for the reason it shows.
            for (var refused of ["ZZ:9", "AA, hello", "150%"]) {
                page.oopRangeText = refused
                page.openSaveRangeDialog("oop")
                typeName("saveRangeNameField", "Bad")
                compare([page._saveRangeError, dialog.visible, page.oopCustomRanges],
                        [findChild(page, "oopRangeError").text, true, []], refused)
            }
            dialog.close()

            // From the Standard list a saved range goes to the top level of Custom.
            addFolder("ip", "F")
            page.ipRangeCategory = 0
            page.ipSelectedId = page.ipStandardRanges[0].id
            saveRange("ip", "From standard", "AKs")
            compare([page.ipRangeCategory, names(page.ipCustomRanges), selectedName("ip")],
                    [2, ["F", "From standard"], "From standard"])
        }

        function test_folders_nesting_and_restart() {
            saveRange("oop", "Top", "AA")
            addFolder("oop", "F")
            compare(names(page.oopCustomRanges), ["Top", "F"], "beside the selected range")
            var folder = page.oopCustomRanges[1]
            compare([page.oopSelectedId, page.oopOpenFolderIds[folder.id]], [folder.id, true])

            saveRange("oop", "X", "KK")
            saveRange("oop", "X", "QQ")
            saveRange("oop", "F", "JJ")
            var inside = page._findNodeById(page.oopCustomRanges, folder.id).children
            compare([names(inside), page.oopOpenFolderIds[folder.id], page.oopCustomRanges.length],
                    [["X", "X (2)", "F"], true, 2], "inside the open folder; a name may repeat on another level")
            addFolder("oop", "Sub")
            saveRange("oop", "Deep", "TT")
            compare(names(page._findNodeById(page.oopCustomRanges, folder.id).children[3].children), ["Deep"])

            // The folder holds X, X (2), F, Sub and Sub's range: 5 below it.
            page.oopSelectedId = folder.id
            page.openDeleteSelectedDialog("oop")
            var confirm = findChild(page, "confirmDeleteDialog")
            tryCompare(confirm, "opened", true)
            compare([findChild(confirm, "deleteNote").text, findChild(confirm, "deleteItemName").text],
                    ["This will also delete 5 range(s). This cannot be undone.", "\u201CF\u201D"])
            confirm.close()

            // Destroyed and made again, the page shows the same trees with the same ids.
            var before = JSON.stringify(page.oopCustomRanges)
            var sub = page._findNodeById(page.oopCustomRanges, folder.id).children[3]
            page.destroy()
            tryVerify(function() { return findChild(host, "oopRangeCard") === null })
            page = createTemporaryObject(pageComp, host)
            compare([JSON.stringify(page.oopCustomRanges), page.ipCustomRanges], [before, []])

            page.oopSelectedId = folder.id
            page._toggleOpenFolder("oop", folder.id)
            page._toggleOpenFolder("oop", sub.id)
            compare(Object.keys(page.oopOpenFolderIds).length, 2)
            page.deleteSelectedItem("oop")
            compare([names(page.oopCustomRanges), page.oopOpenFolderIds], [["Top"], {}], "no longer open")
        }

        function test_stored_trees_read_at_start() {
            storeTexts("[{\"name\":\"a\",\"value\":\"AA\"}]", "{ not json")
            var p = createTemporaryObject(pageComp, host)
            var stored = storedTree("oop")
            compare(Object.keys(stored[0]), ["id", "type", "name", "value"])
            compare([stored.length, stored[0].type, stored[0].name, stored[0].value, stored[0].id],
                    [1, "range", "a", "AA", p.oopCustomRanges[0].id])
            compare(p.ipCustomRanges, [])
            compare(String(store.value("ipCustomRangesJson", "")), "{ not json", "not written at start")
        }

        function test_import_into_both_seats() {
            var url = scratchDirUrl + "/btn_open.TXT"
            compare(appController.saveTextFile(url, "AA KK:0.5 QQ").ok, true)
            addFolder("oop", "F")
            page.oopRangeText = "22"
            page.ipRangeText = "33"
            page.ipRangeCategory = 1

            importFrom("oop", url)
            var dialog = findChild(page, "importRangeNameDialog")
            tryCompare(dialog, "opened", true)
            var field = findChild(page, "importRangeNameField")
            compare([field.text, page._importRangeNormalizedText], ["btn_open", "AA:0.5, KK:0.5, QQ"])
            tryCompare(field, "activeFocus", true)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)

            var folder = page.oopCustomRanges[0]
            compare([names(folder.children), page.oopSelectedId], [["btn_open"], folder.children[0].id])
            compare(names(page.ipCustomRanges), ["btn_open"], "top level of the other seat")
            verify(page.ipCustomRanges[0].id !== folder.children[0].id)
            compare([page.oopRangeCategory, page.ipRangeCategory, page.oopRangeText, page.ipRangeText],
                    [2, 2, "22", "33"])
            compare(page.ipCustomRanges[0].value, "AA:0.5, KK:0.5, QQ")

            // From IP a second time: unique names in each place.
            importFrom("ip", url)
            verify(page.commitImportRange())
            compare(names(page.ipCustomRanges), ["btn_open", "btn_open (2)"])
            compare(names(page.oopCustomRanges), ["F", "btn_open"])
        }

        function test_import_failures_and_names() {
            var hello = scratchDirUrl + "/hello.txt"
            compare(appController.saveTextFile(hello, "hello").ok, true)
            importFrom("ip", hello)
            var dialog = findChild(page, "importRangeNameDialog")
            tryCompare(dialog, "opened", true)
            var field = findChild(page, "importRangeNameField")
            compare([page._importRangeError, field.text, field.activeFocus,
                     findChild(page, "importRangeConfirmButton").enabled],
                    ["Import failed: file contained no recognizable hands.", "hello", false, false])
            verify(!page.commitImportRange())
            compare(page._importRangeError, "No range content to import.")
            dialog.close()

            var big = scratchDirUrl + "/big.txt"
            var text = "AA, KK, QQ, "
            while (text.length < 3 * 1024 * 1024)
                text += text
            compare(appController.saveTextFile(big, text).ok, true)
            importFrom("ip", big)
            verify(/^Import failed: .*too large/i.test(page._importRangeError), page._importRangeError)
            compare([field.text, page._importRangeNormalizedText], ["", ""], "nothing suggested for an unread file")

            // The suggested name is the decoded base name.
            var spaced = scratchDirUrl + "/btn%20open%20100%25.txt"
            compare(appController.saveTextFile(spaced, "AKs").ok, true)
            page._importFromUrl(spaced)
            compare(field.text, "btn open 100%")
            field.text = "  "
            verify(!page.commitImportRange())
            compare(page._importRangeError, "Please enter a name.")
            compare(page.oopCustomRanges.concat(page.ipCustomRanges), [])
            dialog.close()
        }
    }
}
