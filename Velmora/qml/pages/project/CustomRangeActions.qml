import QtQml
import "rangelibrary.js" as Library
import "customlibrary.js" as Custom
import "names.js" as Names
import "rangetext.js" as RangeText
import "../../components/ShownText.js" as ShownText

// The user's Custom range library on `page`: saving the current range,
// adding folders, importing a range text file into both seats, deleting,
// and keeping both trees in the per-user settings through `stores`
// (PageStores). The dialogs are those of `dialogs` (RangeDialogs); the state
// they show lives on the page. A range goes into the library only when the
// range field would take its text (RangeText.refusal), and a name past the
// bound (Names.isTooLong) is refused while its dialog says so.
QtObject {
    id: actions

    property var page: null
    property var dialogs: null
    property var stores: null

    function _seat(player) { return player === "oop" ? "oop" : "ip" }
    function _other(seat) { return seat === "oop" ? "ip" : "oop" }
    function _tree(seat) { return Library.sanitizeCustomTree(page[seat + "CustomRanges"]) }
    function _inCustom(seat) { return Number(page[seat + "RangeCategory"]) === 2 }

    // The seat shows Custom with the changed tree; a new item is selected,
    // its folder opened. Switching the category first clears the seat's old
    // selection and open folders.
    function _show(seat, tree, openFolderId, selectId) {
        page[seat + "RangeCategory"] = 2
        if (Names.text(openFolderId).length > 0)
            page[seat + "OpenFolderIds"] = Custom.withOpen(page[seat + "OpenFolderIds"], openFolderId)
        page[seat + "CustomRanges"] = tree
        if (selectId !== undefined)
            page[seat + "SelectedId"] = selectId
    }

    // ---- save the current range ----
    function openSave(player) {
        page._saveRangePlayer = Names.text(player)
        page._saveRangeError = ""
        page._saveRangeValue = player === "oop" ? page.oopRangeText : page.ipRangeText
        dialogs.saveRange.field.text = ""
        dialogs.saveRange.open()
    }

    function commitSave() {
        var name = Names.trimmed(dialogs.saveRange.field.text)
        var value = Names.trimmed(page._saveRangeValue)
        var seat = page._saveRangePlayer
        if (name.length === 0) {
            page._saveRangeError = qsTr("Please enter a name.")
            return false
        }
        if (Names.isTooLong(name, page._controller))
            return false
        if (value.length === 0) {
            page._saveRangeError = qsTr("Current range is empty.")
            return false
        }
        var refused = RangeText.refusal(page._controller, value)
        if (refused === "" && RangeText.isTooLong(value))
            refused = qsTr("Current range is too long.")
        if (refused !== "") {
            page._saveRangeError = refused
            return false
        }
        if (seat !== "oop" && seat !== "ip") {
            page._saveRangeError = qsTr("Unknown player.")
            return false
        }
        var tree = _tree(seat)
        var folder = _inCustom(seat) ? Custom.targetFolderId(tree, page[seat + "SelectedId"]) : ""
        var node = Custom.append(tree, folder, "range", name, value)
        _show(seat, tree, folder, node.id)
        return true
    }

    // ---- add a folder ----
    function openAddFolder(player) {
        page._addFolderPlayer = Names.text(player)
        page._addFolderError = ""
        dialogs.addFolder.field.text = ""
        dialogs.addFolder.open()
    }

    function commitAddFolder() {
        var name = Names.trimmed(dialogs.addFolder.field.text)
        if (name.length === 0) {
            page._addFolderError = qsTr("Please enter a folder name.")
            return false
        }
        if (Names.isTooLong(name, page._controller))
            return false
        var seat = _seat(page._addFolderPlayer)
        var tree = _tree(seat)
        var node = Custom.append(tree, Custom.targetFolderId(tree, page[seat + "SelectedId"]), "folder", name)
        _show(seat, tree, node.id, node.id)
        return true
    }

    // ---- import a range text file ----
    function openImport(focusPlayer) {
        page._importRangeFocusPlayer = focusPlayer === "ip" ? "ip" : "oop"
        page._importRangeError = ""
        page._importRangeNormalizedText = ""
        page._importRangeNote = ""
        dialogs.importName.field.text = ""
        dialogs.importFile.open()
    }

    // The chosen file read and cleaned; the name dialog then opens, with an
    // error line when the file gave nothing to import.
    function importFrom(fileUrl) {
        page._importRangeError = ""
        page._importRangeNormalizedText = ""
        page._importRangeNote = ""
        var controller = page._controller
        if (!controller || typeof controller.readTextFile !== "function") {
            page._importRangeError = qsTr("Import failed: appController.readTextFile unavailable.")
        } else {
            var result = controller.readTextFile(fileUrl)
            if (!result || !result.ok) {
                var reason = result && result.error ? String(result.error) : qsTr("unknown error")
                page._importRangeError = qsTr("Import failed: %1").arg(reason)
            } else if (!Custom.isPlainText(Names.text(result.text))) {
                // NUL bytes or bytes that are no UTF-8: not a range text.
                page._importRangeError = qsTr("Import failed: the file is not a text file.")
            } else if (RangeText.isTooLong(Names.trimmed(result.text))) {
                // Refused before it is cleaned: a file of megabytes would hold
                // the window for seconds and fill the stored library.
                page._importRangeError = qsTr("Import failed: %1").arg(
                    RangeText.refusal(controller, result.text) || qsTr("unknown error"))
                dialogs.importName.field.text = Custom.suggestedName(fileUrl)
            } else {
                // Read as the solver reads it, or cleaned first (other
                // programs' exports); what the field refuses is refused with
                // its reason, and what the clean-up leaves out is named.
                var got = RangeText.importedRange(result.text, controller)
                if (got.refused !== "") {
                    page._importRangeError = qsTr("Import failed: %1").arg(got.refused)
                } else if (got.text.trim().length === 0 || (typeof controller.rangeHasHand === "function"
                                                          && !controller.rangeHasHand(got.text))) {
                    page._importRangeError = qsTr("Import failed: file contained no recognizable hands.")
                } else {
                    page._importRangeNormalizedText = got.text
                    page._importRangeNote = _leftOutNote(got.leftOut)
                }
                dialogs.importName.field.text = Custom.suggestedName(fileUrl)
            }
        }
        dialogs.importName.open()
    }

    // The entries of a file the import does not take, quoted as a message
    // quotes a typed piece: the first few, and how many more.
    readonly property int _notedPieces: 5

    function _leftOutNote(pieces) {
        if (!pieces || pieces.length === 0)
            return ""
        var quoted = []
        for (var i = 0; i < pieces.length && i < _notedPieces; ++i)
            quoted.push("'" + ShownText.piece(pieces[i]) + "'")
        var list = quoted.join(", ")
        if (pieces.length > _notedPieces)
            list = qsTr("%1 and %n more", "", pieces.length - _notedPieces).arg(list)
        return qsTr("Left out, not read as hands: %1").arg(list)
    }

    // One new range in each seat: for the seat that started the import in
    // its target folder (while it shows Custom) and selected, for the other
    // at the end of its top level. Both trees are made before either is
    // stored, so an import never lands in one seat only.
    function commitImport() {
        var name = Names.trimmed(dialogs.importName.field.text)
        var value = Names.trimmed(page._importRangeNormalizedText)
        if (name.length === 0) {
            page._importRangeError = qsTr("Please enter a name.")
            return false
        }
        if (Names.isTooLong(name, page._controller))
            return false
        if (value.length === 0) {
            page._importRangeError = qsTr("No range content to import.")
            return false
        }
        var focus = page._importRangeFocusPlayer === "ip" ? "ip" : "oop"
        var other = _other(focus)
        var tree, folder, node, otherTree
        try {
            tree = _tree(focus)
            folder = _inCustom(focus) ? Custom.targetFolderId(tree, page[focus + "SelectedId"]) : ""
            node = Custom.append(tree, folder, "range", name, value)
            otherTree = _tree(other)
            Custom.append(otherTree, "", "range", name, value)
        } catch (e) {
            console.warn("[ranges] Import: the range could not be added:", e)
            page._importRangeError = qsTr("Import failed: %1").arg(ShownText.escaped(String(e)))
            return false
        }
        _show(focus, tree, folder, node.id)
        _show(other, otherTree, "", undefined)
        page._importRangeError = ""
        return true
    }

    // ---- delete the selected item ----
    function openDelete(player) {
        if ((player !== "oop" && player !== "ip") || !_inCustom(player))
            return
        var node = Library.findNodeById(_tree(player), page[player + "SelectedId"])
        if (!node)
            return
        var folder = Library.isFolder(node)
        page._deleteRangePlayer = player
        page._deleteRangeKind = folder ? "folder" : "range"
        page._deleteRangeName = Names.text(node.name)
        page._deleteFolderChildCount = folder ? Custom.countDescendants(node) : 0
        dialogs.confirmDelete.open()
    }

    // The row that moves into the deleted row's place (or the new last row)
    // is selected. Where the range field showed the deleted range (or one in
    // the deleted folder), it shows that row's range, or nothing when no row
    // is left; a text the user typed stays.
    function deleteSelected(player) {
        var seat = _seat(player)
        var id = Names.text(page[seat + "SelectedId"])
        if (!_inCustom(seat) || id.length === 0)
            return
        var before = page.listModelFor(seat)
        var position = -1
        for (var i = 0; i < before.length && position < 0; ++i) {
            if (before[i].id === id)
                position = i
        }
        var tree = _tree(seat)
        var shown = Custom.holdsValue(Library.findNodeById(tree, id), page[seat + "RangeText"])
        Custom.remove(tree, id)
        page[seat + "OpenFolderIds"] = Custom.keepExisting(page[seat + "OpenFolderIds"], tree)
        page[seat + "CustomRanges"] = tree
        var rows = page.listModelFor(seat)
        if (rows.length === 0) {
            page[seat + "SelectedId"] = ""
            if (shown)
                page[seat + "RangeText"] = ""
            return
        }
        var row = rows[Math.min(Math.max(position, 0), rows.length - 1)]
        page[seat + "SelectedId"] = row.id
        if (shown && row.kind === "range" && !RangeText.isTooLong(row.value))
            page[seat + "RangeText"] = Names.text(row.value)
    }

    // ---- storage ----
    // The seat's stored tree with this window's change applied; the seat
    // shows the result.
    function persist(player) {
        if (player === "oop" || player === "ip")
            stores.sync([player + "CustomRangesJson"], "save")
    }

    function loadStored(player) {
        return Custom.parseStore(stores.stored(_seat(player) + "CustomRangesJson"))
    }

    // At start: a stored tree becomes the seat's tree and is written back at
    // once in clean form. A stored text that cannot be read, or is not a
    // tree in the store's form, is kept aside first, and the seat starts a
    // fresh tree.
    function restore() {
        stores.sync(["oopCustomRangesJson", "ipCustomRangesJson"], "start")
    }
}
