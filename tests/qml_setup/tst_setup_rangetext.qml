import QtQuick
import QtTest
import "../../Velmora/qml/pages/project/rangetext.js" as RangeText
import "../../Velmora/qml/pages/project/rangelibrary.js" as Library

// The range text functions and the range library's tree logic, driven
// directly: the tokens of a text, weights stripped, and the sanitiser, the
// Standard routing, the population template's merge, the overrides and the
// accordion.
TestCase {
    name: "SetupRangeText"

    function test_strip_weights_data() {
        return [
            { tag: "strip", input: "AA:0.8, A5s-A2s:0.5 KQs", result: "AA, A5s-A2s, KQs" },
            { tag: "strip short weight", input: "AA:.5", result: "AA" },
            { tag: "strip blank", input: "   ", result: "" },
            { tag: "strip weight after a blank", input: "AA, KK: 0.5, QQ :0.25", result: "AA, KK, QQ" },
            { tag: "strip weight in other forms", input: "AA:5e-1, KK:0x1p-1", result: "AA, KK" },
            { tag: "strip span with blanks", input: "A5s - A2s:0.5, KK", result: "A5s-A2s, KK" }
        ]
    }

    // The hands left read as the solver reads them, without the weights.
    function test_strip_weights(data) {
        var stripped = RangeText.stripWeightsText(data.input)
        compare(stripped, data.result)
        if (appController.rangeTextError(data.input) === "")
            compare(appController.rangeTextError(stripped), "", stripped)
    }

    // Tokens part at runs of commas and white space of every kind; a text
    // of hundreds of thousands of pieces (it once crashed the script
    // engine's split) is walked like any other.
    function test_tokens() {
        compare(RangeText.tokens(",AA, KK\t\u00a0QQ:0.5\u2028\uFEFF,,AKs "), ["AA", "KK", "QQ:0.5", "AKs"])
        compare(RangeText.tokens(""), [])
        var many = RangeText.tokens("AA,KK,QQ,".repeat(230000))
        compare([many.length, many[0], many[689999]], [690000, "AA", "QQ"])
    }

    function test_sanitize_keeps_shape_and_drops_nameless() {
        var input = [
            null, "text", { name: "  " , value: "AA" },
            { name: " Legacy ", value: 5 },
            { id: "f1", name: "F", children: [{ name: "inner" }, { name: "", children: [{ name: "lost" }] }] },
            { id: "  ", type: "folder", name: "Empty" },
            { id: "r1", type: "range", name: "Odd", children: [] }
        ]
        var out = Library.sanitizeCustomTree(input)
        compare(out.length, 4)
        compare(out[0].name, "Legacy")
        compare(out[0].type, "range")
        compare(out[0].value, "5")
        verify(/^n_[0-9a-z]+_[0-9a-z]{1,6}$/.test(out[0].id), out[0].id)
        compare(out[1].id, "f1")
        compare(out[1].children.length, 1, "a nameless folder goes with its children")
        compare(out[1].children[0].value, "")
        compare(out[2].children, [])
        verify(out[2].id.trim().length > 0, "a blank id is replaced")
        compare(out[3].type, "folder", "a children list makes a folder")
        out[1].children[0].name = "changed"
        compare(input[4].children[0].name, "inner", "the input is never shared")
        compare(Library.sanitizeCustomTree("not a list"), [])
        compare(Library.sanitizePresetList([{ name: " a ", value: null }, { name: "" }, null]), [{ name: "a", value: "" }])
    }

    function test_new_ids_are_unique() {
        var seen = ({})
        for (var i = 0; i < 3000; ++i) {
            var id = Library.newNodeId()
            verify(!seen[id], "repeated id " + id)
            seen[id] = true
        }
    }

    function pathOf(nodes, leafName) {
        for (var i = 0; i < nodes.length; ++i) {
            var n = nodes[i]
            if (n.type === "range" && n.name === leafName)
                return [n.name]
            if (n.type === "folder") {
                var below = pathOf(n.children, leafName)
                if (below)
                    return [n.name].concat(below)
            }
        }
        return null
    }

    function test_standard_routing() {
        var entries = [
            { name: "No rake / vs RFI UTG: Call SB", value: "A" },
            { name: "50nl rake / SB 3bet vs UTG 4bet: SB Call", value: "B" },
            { name: "100nl rake / UTG vs HJ 3bet: UTG 4bet", value: "C" },
            { name: "6-max / 50nl rake / RFI UTG", value: "D" },
            { name: "No rake / Heads up / RFI SB", value: "E" },
            { name: "1000nl rake / RFI UTG", value: "F" },
            { name: "200nl rake / HJ 3bet vs UTG 4bet", value: "G" },
            { name: "200nl rake / UTG vs HJ 3bet", value: "H" },
            { name: "500nl rake / vs RFI UTG", value: "I" }
        ]
        var tree = Library.buildStandardTree(entries)
        compare(tree.map(function(n) { return n.name }), ["6-max", "Heads up"])
        compare(pathOf(tree, "Call SB"), ["6-max", "No rake", "vs RFI", "vs UTG RFI", "Call SB"])
        compare(pathOf(tree, "SB Call"), ["6-max", "50nl rake", "vs 4bet", "SB 3bet vs UTG 4bet", "SB Call"])
        compare(pathOf(tree, "UTG 4bet"), ["6-max", "100nl rake", "vs 3bet", "UTG vs HJ 3bet", "UTG 4bet"])
        compare(pathOf(tree, "UTG"), ["6-max", "50nl rake", "RFI", "UTG"])
        compare(pathOf(tree, "RFI SB"), ["Heads up", "No rake", "RFI SB"])
        compare(pathOf(tree, "1000nl rake / RFI UTG"), ["6-max", "No rake", "1000nl rake / RFI UTG"])
        compare(pathOf(tree, "HJ 3bet vs UTG 4bet"), ["6-max", "200nl rake", "vs 4bet", "HJ 3bet vs UTG 4bet"])
        compare(pathOf(tree, "UTG vs HJ 3bet"), ["6-max", "200nl rake", "UTG vs HJ 3bet"])
        compare(pathOf(tree, "UTG"), ["6-max", "50nl rake", "RFI", "UTG"])
        var vsRfi = tree[0].children[4].children[1]
        compare(vsRfi.children.map(function(n) { return n.name }), ["UTG"], "a vs RFI leaf without a colon")
        // An empty table still has every rake and scenario folder.
        var empty = Library.buildStandardTree([])
        compare(empty[0].children.length, 5)
        compare(empty[0].children[3].children.map(function(n) { return n.name }), ["RFI", "vs RFI", "vs 3bet", "vs 4bet"])
        compare(empty[1].children.map(function(n) { return n.children.length }), [0, 0, 0, 0, 0])
    }

    function test_population_template_and_merge() {
        var standard = Library.buildStandardTree([{ name: "No rake / RFI UTG", value: "AA:0.5, KK" }])
        var template = Library.buildExploitTree("oop", standard)
        compare(template.map(function(n) { return n.name }),
                ["Passive (VPIP 18\u201365)", "Loose aggressive (VPIP 28\u201370)", "Weaker regs",
                 "Overfolder (10-22 VPIP)", "Other"])
        var tight = template[0].children[0]
        compare(tight.children[0].children[3].name, "RFI")
        compare(tight.children[0].children[3].value, "22+, AJs+, KQs, AQo+, AKo")
        compare(tight.children[3].value, "99-JJ, AQs, KQs")
        compare(template[0].children[3].children[2].children[0].value, "100%", "extreme BB check back")
        compare(template[1].children[1].children[1].children[2].value, "TT+, AJs+, AQo+, AKo, A5s-A2s")
        var tighter = template[2].children[0]
        compare(pathOf(tighter.children, "UTG"), ["RFI", "UTG"])
        compare(tighter.children[0].children[0].value, "AA, KK", "weights stripped")
        compare(template[4].children[0].value, "100%")
        var ip = Library.buildExploitTree("ip", [])
        compare(ip[2].children[0].children, [], "no Standard tree: empty regulars")
        compare(ip[0].children[0].children.map(function(n) { return n.name }), ["UTG/HJ/CO", "BU", "BB", "3b cold call"])

        var leavesOnly = Library.choosePopulationTree([{ name: "loose", value: "AA" }], template)
        compare(leavesOnly.length, 5, "a table without folders is replaced")
        var partial = Library.choosePopulationTree([{ type: "folder", name: "Other", children: [] },
                                                    { type: "folder", name: "Mine", children: [] }], template)
        compare(partial.map(function(n) { return n.name }),
                ["Other", "Mine", "Passive (VPIP 18\u201365)", "Loose aggressive (VPIP 28\u201370)",
                 "Weaker regs", "Overfolder (10-22 VPIP)"])
        compare(partial[0].children, [], "a kept folder is not completed")
    }

    function test_overrides_by_path_key() {
        var tree = Library.sanitizeCustomTree([
            { type: "folder", name: "6-max", children: [{ type: "folder", name: "No rake", children: [
                { type: "folder", name: "RFI", children: [{ name: "UTG", value: "AA" }, { name: "HJ", value: "KK" }] }] }] },
            { type: "folder", name: "Passive", children: [{ name: "Limp", value: "22" }, { name: "RFI", value: "QQ" }] }
        ])
        var out = Library.applyOverridesToTree(tree, {
            "6-max / No rake / RFI / UTG": "TT+",
            "6-max / No rake / RFI / HJ": "",
            "6-max / Passive / Limp": "33",
            "Heads up / Passive / RFI": "JJ"
        }, [])
        compare(out[0].children[0].children[0].children[0].value, "TT+")
        compare(out[0].children[0].children[0].children[1].value, "KK", "an empty override counts as absent")
        compare(out[1].children[0].value, "33", "older keys with a 6-max head")
        compare(out[1].children[1].value, "JJ", "older keys with a Heads up head")
        compare(out[0].id, tree[0].id, "ids are kept")
        compare(Library.findPathKeyById(tree, tree[1].children[1].id, []), "Passive / RFI")
        compare(Library.findPathKeyById(tree, tree[1].id, []), "", "a folder has no key")
    }

    function test_accordion() {
        var tree = Library.sanitizeCustomTree([
            { id: "A", type: "folder", name: "A", children: [
                { id: "A1", type: "folder", name: "A1", children: [{ id: "x", name: "x", value: "AA" }] },
                { id: "a", name: "a", value: "KK" }] },
            { id: "B", type: "folder", name: "B", children: [] },
            { id: "r", name: "r", value: "QQ" }
        ])
        var open = Library.toggleOpenFolder(tree, ({}), "A")
        open = Library.toggleOpenFolder(tree, open, "A1")
        var rows = Library.flattenTree(tree, open, function(n) { return "~" + n })
        compare(rows.map(function(r) { return r.id + r.depth }), ["A0", "A11", "x2"])
        compare(rows[2].parentFolderId, "A1")
        compare(rows[2].displayName, "~x")
        compare(rows[2].value, "AA")
        open = Library.toggleOpenFolder(tree, open, "B")
        compare(open, { A1: true, B: true }, "opening B closes only its sibling A")
        open = Library.toggleOpenFolder(tree, open, "B")
        compare(Library.flattenTree(tree, open).map(function(r) { return r.id }), ["A", "B", "r"])
        open = Library.toggleOpenFolder(tree, open, "A")
        compare(Library.flattenTree(tree, open).map(function(r) { return r.id }), ["A", "A1", "x"],
                "A1 shows open again")
        compare(Library.findParentFolderId(tree, "x", ""), "A1")
        compare(Library.findParentFolderId(tree, "nothing", ""), "")
        compare(Library.findNodeById(tree, ""), null)
    }
}
