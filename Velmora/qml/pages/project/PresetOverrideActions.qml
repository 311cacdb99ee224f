import QtQml
import "rangelibrary.js" as Library
import "overrides.js" as Overrides
import "names.js" as Names
import "rangetext.js" as RangeText
import "../../components/ShownText.js" as ShownText

// The developer's tools for the built-in libraries on `page`: a built-in
// range overridden by the seat's current text and kept per user by its
// path key, clearing a seat's overrides, and exporting both seats' trees
// in the formats of the shipped tables. `kind` is "standard" or "exploit"
// (the Population library). Stored overrides apply in every mode; they are
// kept through `stores` (PageStores), and the page builds the built-in
// trees again when a stored map replaces a seat's map.
QtObject {
    id: actions

    property var page: null
    property var stores: null

    function _suffix(kind) { return kind === "standard" ? "Standard" : "Exploit" }
    function _mapProp(seat, kind) { return seat + _suffix(kind) + "Overrides" }
    function _treeProp(seat, kind) { return seat + _suffix(kind) + "Ranges" }
    function _key(seat, kind) { return seat + _suffix(kind) + "OverridesJson" }
    function _seat(player) { return player === "oop" ? "oop" : "ip" }

    // At start: the stored map, before the trees are built. A stored text
    // that cannot be read, or is not an override map, is kept aside and
    // counts as an empty map, so the shipped ranges show.
    function loadStored(player, kind) {
        var seat = _seat(player)
        stores.sync([_key(seat, kind)], "start")
        return page[_mapProp(seat, kind)]
    }

    // At start: both seats' maps of one kind, in one step.
    function restore(kind) {
        stores.sync([_key("oop", kind), _key("ip", kind)], "start")
    }

    // The seat's map as stored, with what other copies stored; true when
    // that replaced the page's map (the trees were built again).
    function sync(player, kind, mode) {
        var seat = _seat(player)
        return stores.sync([_key(seat, kind)], mode)
    }

    function persist(player, kind) {
        sync(player, kind, "save")
    }

    function _selectedLeafId(player, kind) {
        if (page.developerMode !== true || (player !== "oop" && player !== "ip"))
            return ""
        if (Number(page[player + "RangeCategory"]) !== (kind === "standard" ? 0 : 1))
            return ""
        var id = Names.text(page[player + "SelectedId"])
        var node = Library.findNodeById(Library.sanitizeCustomTree(page[_treeProp(player, kind)]), id)
        // Only a text the range field takes replaces a built-in range.
        var text = Names.trimmed(page[player + "RangeText"])
        if (!node || Library.isFolder(node) || text.length === 0 || RangeText.refusal(page._controller, text) !== "")
            return ""
        return id
    }

    function canOverride(player, kind) {
        return _selectedLeafId(player, kind).length > 0
    }

    // The selected built-in range takes the seat's current text, now and
    // whenever the library is built again.
    function overrideSelected(player, kind) {
        var id = _selectedLeafId(player, kind)
        if (id.length === 0)
            return false
        var tree = Library.sanitizeCustomTree(page[_treeProp(player, kind)])
        var key = Library.findPathKeyById(tree, id, [])
        var value = Names.trimmed(page[player + "RangeText"])
        if (key.length === 0 || value.length === 0)
            return false
        page[_mapProp(player, kind)] = Overrides.withEntry(page[_mapProp(player, kind)], key, value)
        if (!sync(player, kind, "save"))
            page[_treeProp(player, kind)] = Overrides.updateRangeValueById(tree, id, value)
        return true
    }

    // Drops the seat's overrides of one library, empties its selection and
    // range, and builds all built-in trees again from the shipped tables.
    function clear(player, kind) {
        if (player !== "oop" && player !== "ip")
            return false
        page[player + "SelectedId"] = ""
        page[player + "OpenFolderIds"] = ({})
        page[player + "RangeText"] = ""
        page[_mapProp(player, kind)] = ({})
        if (!sync(player, kind, "force"))
            page._loadBundledPresetRanges()
        return true
    }

    // Writes the export of both seats to the file; the page shows the
    // failure under the category's developer buttons until the next success.
    function exportTo(kind, fileUrl) {
        var errorProp = kind === "standard" ? "_exportStandardError" : "_exportExploitError"
        var controller = page._controller
        if (!controller || typeof controller.saveTextFile !== "function") {
            page[errorProp] = qsTr("Export failed: appController.saveTextFile unavailable.")
            return false
        }
        var text = kind === "standard"
                ? Overrides.standardExportText(page.oopStandardRanges, page.ipStandardRanges)
                : Overrides.populationExportText(page.oopExploitRanges, page.ipExploitRanges)
        var result = controller.saveTextFile(fileUrl, text)
        if (!result || !result.ok) {
            var reason = result && result.error ? String(result.error) : qsTr("unknown error")
            page[errorProp] = qsTr("Export failed: %1").arg(ShownText.escaped(reason))
            return false
        }
        page[errorProp] = ""
        return true
    }
}
