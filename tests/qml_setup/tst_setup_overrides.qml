import QtQuick
import QtTest
import Qt.labs.settings
import Velmora
import "../../Velmora/qml/pages/project/rangelibrary.js" as Library

// Overrides and exports of the built-in range libraries. The suite runs this
// file twice: without developer mode (no tools shown, stored overrides still
// applied) and with it (override, clear and the export error line). The
// exports of the shipped libraries run in both.
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
        name: "SetupOverrides"
        when: windowShown

        property var page: null
        readonly property var keys: ["oopStandardOverridesJson", "ipStandardOverridesJson",
                                     "oopExploitOverridesJson", "ipExploitOverridesJson"]

        function clearStore() {
            for (var i = 0; i < keys.length; ++i)
                store.setValue(keys[i], "")
            store.sync()
        }
        function init() {
            clearStore()
            page = createTemporaryObject(pageComp, host)
        }
        function cleanup() { clearStore() }
        function stored(key) { return String(store.value(key, "")) }

        // The node at a path of raw names in a tree.
        function nodeAt(tree, names) {
            var node = { children: tree }
            for (var i = 0; i < names.length && node; ++i)
                node = node.children.filter(function(n) { return n.name === names[i] })[0]
            verify(node, names.join(" / "))
            return node
        }
        function firstLeaf(nodes) {
            var node = nodes[0]
            while (node.type === "folder")
                node = node.children[0]
            return node
        }

        readonly property var utg: ["6-max", "No rake", "RFI", "UTG"]

        function select(seat, category, names) {
            page[seat + "RangeCategory"] = category
            var tree = category === 0 ? page[seat + "StandardRanges"] : page[seat + "ExploitRanges"]
            page[seat + "SelectedId"] = nodeAt(tree, names).id
        }

        function test_override_store_and_clear() {
            if (!appController.developerMode)
                skip("needs developer mode")
            var button = findChild(page, "oopOverrideButton")
            select("oop", 0, utg)
            for (var refused of ["   ", "ZZ:9"]) {
                page.oopRangeText = refused
                verify(button.visible && !button.enabled, "a blank range or one the field refuses cannot override")
                verify(!page.overrideSelectedStandardRange("oop"))
            }
            page.oopRangeText = " AA, KK "
            verify(button.enabled)
            waitForRendering(page)
            mouseClick(button)
            compare(JSON.parse(stored("oopStandardOverridesJson")), { "6-max / No rake / RFI / UTG": "AA, KK" })
            var node = nodeAt(page.oopStandardRanges, utg)
            compare([node.value, node.id], ["AA, KK", page.oopSelectedId], "the selection stays")

            // Folders, the wrong category and unknown seats are refused.
            select("oop", 0, ["6-max", "No rake"])
            verify(!page.canOverrideStandard("oop") && !page.canOverrideExploit("oop"))
            verify(!page.overrideSelectedStandardRange("btn"))

            var leaf = firstLeaf(page.ipExploitRanges)
            var popKey = page._findPathKeyById(page.ipExploitRanges, leaf.id, [])
            verify(popKey.split(" / ").length >= 3, popKey)
            page.ipRangeCategory = 1
            page.ipSelectedId = leaf.id
            page.ipRangeText = "72o"
            verify(page.overrideSelectedExploitRange("ip"))
            select("ip", 0, utg)
            page.ipRangeText = "QQ"
            verify(page.overrideSelectedStandardRange("ip"))
            var oopPopKey = page._findPathKeyById(page.oopExploitRanges, firstLeaf(page.oopExploitRanges).id, [])
            page.oopRangeCategory = 1
            page.oopSelectedId = firstLeaf(page.oopExploitRanges).id
            page.oopRangeText = "K2o"
            verify(page.overrideSelectedExploitRange("oop"))

            // A new page applies what was stored.
            var again = createTemporaryObject(pageComp, host)
            compare([nodeAt(again.oopStandardRanges, utg).value, nodeAt(again.ipStandardRanges, utg).value],
                    ["AA, KK", "QQ"])

            // Clearing OOP's standard overrides keeps IP's and both seats' population ones.
            page.oopRangeText = "AA, KK"
            select("oop", 0, utg)
            verify(page.clearStandardOverrides("oop"))
            compare([stored("oopStandardOverridesJson"), page.oopRangeText, page.oopSelectedId, page.oopStandardOverrides],
                    ["", "", "", {}])
            verify(nodeAt(page.oopStandardRanges, utg).value !== "AA, KK")
            compare([nodeAt(page.ipStandardRanges, utg).value, firstLeaf(page.ipExploitRanges).value], ["QQ", "72o"])
            compare([JSON.parse(stored("ipStandardOverridesJson"))[utg.join(" / ")],
                     JSON.parse(stored("ipExploitOverridesJson"))[popKey]], ["QQ", "72o"])
            compare([page.ipStandardOverrides[utg.join(" / ")], page.ipExploitOverrides[popKey]], ["QQ", "72o"])
            compare([page.oopExploitOverrides[oopPopKey], JSON.parse(stored("oopExploitOverridesJson"))[oopPopKey],
                     firstLeaf(page.oopExploitRanges).value], ["K2o", "K2o", "K2o"])
            compare(Library.findNodeById(page.ipExploitRanges, leaf.id), null, "rebuilt with new ids")
            verify(!page.clearExploitOverrides("both"))
        }

        function test_export_error_shown_until_success() {
            if (!appController.developerMode)
                skip("needs developer mode")
            page.ipRangeCategory = 0
            var line = findChild(page, "ipExportError")
            verify(!page._exportStandardTo("http://example.com/ranges.json"))
            verify(page._exportStandardError.indexOf("Export failed: ") === 0, page._exportStandardError)
            compare([line.visible, line.text, line.textFormat], [true, page._exportStandardError, Text.PlainText])
            page.ipRangeCategory = 1
            verify(!line.visible, "the population tools show their own error")
            page.ipRangeCategory = 0
            verify(page._exportStandardTo(scratchDirUrl + "/standard.json"))
            compare([page._exportStandardError, line.visible], ["", false])
        }

        function test_stored_overrides_apply_without_developer_mode() {
            if (appController.developerMode)
                skip("runs without developer mode")
            // Stored as a list of records; a population key written with the
            // "6-max / " head the population library no longer has.
            var popKey = page._findPathKeyById(page.oopExploitRanges, firstLeaf(page.oopExploitRanges).id, [])
            store.setValue("oopStandardOverridesJson", JSON.stringify([
                { key: " 6-max / No rake / RFI / UTG ", value: "AKs" }]))
            store.setValue("oopExploitOverridesJson", JSON.stringify({ ["6-max / " + popKey]: "T9s" }))
            store.setValue("ipStandardOverridesJson", "{ broken")
            store.sync()
            var p = createTemporaryObject(pageComp, host)
            compare([p.oopStandardOverrides, p.ipStandardOverrides], [{ "6-max / No rake / RFI / UTG": "AKs" }, {}])
            compare([nodeAt(p.oopStandardRanges, utg).value, firstLeaf(p.oopExploitRanges).value], ["AKs", "T9s"])
            page = p
            page.oopRangeText = "AA"
            select("oop", 0, utg)
            verify(!page.canOverrideStandard("oop") && !page.overrideSelectedStandardRange("oop"))
            var tools = ["OverrideButton", "ExportButton", "ClearOverridesButton", "ExportError"]
            for (var i = 0; i < tools.length; ++i)
                verify(!findChild(page, "oop" + tools[i]).visible, tools[i])
        }

        function test_exports_of_the_shipped_libraries() {
            var shipped = JSON.parse(appController.readTextResource(":/Velmora/qml/data/standard_ranges.json"))
            var url = scratchDirUrl + "/standard_export.json"
            verify(page._exportStandardTo(url))
            var read = appController.readTextFile(url)
            verify(read.text.indexOf("{\n  \"oop\": {\n    \"standard\": [\n") === 0, "two-space indent")
            var exported = JSON.parse(read.text)
            compare([Object.keys(exported), exported.oop.standard.length, exported.ip.standard.length],
                    [["oop", "ip"], 230, 225])
            compare(exported, shipped)

            url = scratchDirUrl + "/population_export.json"
            verify(page._exportExploitTo(url))
            var text = appController.readTextFile(url).text
            verify(text.indexOf("\"id\"") < 0, "no ids")
            var population = JSON.parse(text)
            compare([Object.keys(population), population.format, population.version],
                    [["format", "version", "generatedAt", "oop", "ip"], "velmora_ranges_export", 1])
            verify(/^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$/.test(population.generatedAt), population.generatedAt)
            compare(population.oop.standard, [])
            compare(Object.keys(population.oop.exploit[0]), ["type", "name", "children"])
            // Read back as the population table, the file gives the same trees.
            var seats = ["oop", "ip"]
            for (var s = 0; s < seats.length; ++s) {
                var seat = seats[s]
                var template = Library.buildExploitTree(seat, page[seat + "StandardRanges"])
                var back = Library.choosePopulationTree(population[seat].exploit, template)
                compare(page._stripIdsForExport(back), page._stripIdsForExport(page[seat + "ExploitRanges"]))
            }
        }
    }
}
