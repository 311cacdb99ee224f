import QtQuick
import QtTest
import Velmora

// The range cards on the Setup page with the real back end: painting on the
// matrix, the shipped Standard and Population libraries and their rows, the
// sidebar's buttons, the click weight, and the preset loader's failures.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
    }

    // Puts a text on the clipboard.
    Component { id: clipComp; TextEdit { visible: false } }

    // Stands in for the page and the back end in the loader's failure cases.
    Component {
        id: fakePageComp
        QtObject {
            property string _presetLoadError: ""
            property var oopStandardRanges: []
            property var ipStandardRanges: []
            property var oopExploitRanges: []
            property var ipExploitRanges: []
            property var oopStandardOverrides: ({})
            property var ipStandardOverrides: ({})
            property var oopExploitOverrides: ({})
            property var ipExploitOverrides: ({})
        }
    }
    Component {
        id: fakeReaderComp
        QtObject {
            property var texts: ({})
            function readTextResource(path) { return texts[path] !== undefined ? texts[path] : "" }
        }
    }
    Component {
        id: loaderComp
        RangePresetLoader {}
    }

    TestCase {
        name: "SetupRanges"
        when: windowShown

        property var page: null

        function init() {
            page = createTemporaryObject(pageComp, host)
            verify(page)
        }

        function cleanup() {
            if (languageManager.currentLanguage !== "system")
                languageManager.setLanguage("system")
        }

        function cellCentre(seat, hand) {
            var matrix = findChild(page, seat + "Matrix")
            var cell = findChild(matrix, "cell_" + hand)
            verify(cell, hand)
            return matrix.mapFromItem(cell, cell.width / 2, cell.height / 2)
        }

        function stroke(seat, hands) {
            var matrix = findChild(page, seat + "Matrix")
            var p = cellCentre(seat, hands[0])
            mousePress(matrix, p.x, p.y)
            for (var i = 1; i < hands.length; ++i) {
                p = cellCentre(seat, hands[i])
                mouseMove(matrix, p.x, p.y, -1, Qt.LeftButton)
            }
            mouseRelease(matrix, p.x, p.y)
        }

        // A range the solver refuses says why under the field, in the
        // language chosen, and the matrix shows nothing of it.
        function test_refused_range_text_is_explained() {
            var error = findChild(page, "oopRangeError")
            var matrix = findChild(page, "oopMatrix")
            page.oopRangeText = "AA KK"
            compare([error.visible, error.text, Object.keys(matrix.weights).length], [true,
                     "'AA KK' is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%", 0])
            page.oopRangeText = "AA, K\u202EQ:9"  // written out: it would reverse the message
            compare(error.text.indexOf("'K<U+202E>Q:9' is not a range"), 0, error.text)
            languageManager.setLanguage("de")
            verify(error.text.indexOf("'K<U+202E>Q:9' ist keine Range") === 0, error.text)
            page.oopRangeText = "AA, KK"
            compare([error.visible, matrix.weights["AA"], matrix.weights["KK"]], [false, 1, 1])
        }

        // A paste of a whole file into the range field is not taken: the
        // range stays, the reason shows under the field until the next edit;
        // a paste up to the longest range is taken.
        function test_paste_past_the_longest_range_is_refused() {
            page.oopRangeText = "AA, KK"
            var field = findChild(page, "oopRangeInput"), error = findChild(page, "oopRangeError")
            var clip = createTemporaryObject(clipComp, page)
            function paste(text) {
                clip.text = text
                clip.selectAll()
                clip.copy()
                keySequence(StandardKey.Paste)
            }
            field.forceActiveFocus()
            keyClick(Qt.Key_End)
            paste("AA,KK,QQ,".repeat(200000))
            compare([page.oopRangeText, field.text, error.text, findChild(page, "oopMatrix").weights["KK"]],
                    ["AA, KK", "AA, KK", "This text is too long for a range: a range text holds at most 50000 characters", 1])
            keyClick(Qt.Key_Space)
            compare([page.oopRangeText, error.visible], ["AA, KK ", false])
            paste(", QQ".padEnd(50000 - 7))
            compare([page.oopRangeText.length, error.visible], [50000, false])
        }

        function rowNamed(seat, name) {
            var rows = page.listModelFor(seat)
            for (var i = 0; i < rows.length; ++i) {
                if (rows[i].name === name)
                    return rows[i]
            }
            return null
        }

        // Clicks the rows of a path one after another, as the user would.
        function clickPath(seat, names) {
            for (var i = 0; i < names.length; ++i) {
                var name = seat + "Row_" + names[i]
                tryVerify(function() { var r = findChild(page, name); return r && r.width > 0 && r.y > 0 }, 2000, name)
                var item = findChild(page, name)
                waitForItemPolished(item.parent)
                mouseClick(item)
            }
        }

        function leaves(nodes) {
            var out = []
            for (var i = 0; i < nodes.length; ++i) {
                if (nodes[i].type === "folder")
                    out = out.concat(leaves(nodes[i].children))
                else
                    out.push(nodes[i])
            }
            return out
        }

        function folderCount(nodes) {
            var n = 0
            for (var i = 0; i < nodes.length; ++i) {
                if (nodes[i].type === "folder")
                    n += 1 + folderCount(nodes[i].children)
            }
            return n
        }

        function test_painting_adds_and_removes_along_a_stroke() {
            page.oopRangeText = "AA"
            page.oopClickWeightPct = 50
            stroke("oop", ["88", "99", "AA"])
            compare(page.oopRangeText, "AA, 88:0.5, 99:0.5", "the stroke only adds; AA stays")

            page.oopRangeText = "QQ+, AKs"
            stroke("oop", ["KK", "AKs"])
            compare(page.oopRangeText, "", "the stroke only removes, whole tokens at a time")

            page.ipRangeText = "50%"
            page.ipClickWeightPct = 100
            stroke("ip", ["72o", "AA"])
            compare(page.ipRangeText, "", "a lit uniform range is cleared by the first cell")
            stroke("ip", ["AKs"])
            compare(page.ipRangeText, "AKs")
        }

        function test_shipped_libraries() {
            compare(page._presetLoadError, "")
            var classes = ({}), matrix = findChild(page, "oopMatrix")
            for (var r = 0; r < 169; ++r)
                classes[matrix.handAt(Math.floor(r / 13), r % 13)] = true
            for (var s = 0; s < 2; ++s) {
                var seat = s === 0 ? "oop" : "ip"
                var standard = page.rangesFor(seat, 0)
                compare(standard.map(function(n) { return n.name }), ["6-max", "Heads up"])
                compare(leaves(standard).length, seat === "oop" ? 230 : 225)
                compare(leaves(standard[1].children[0].children).length, 3)
                var population = page.rangesFor(seat, 1)
                compare(folderCount(population), 81)
                var popLeaves = leaves(population)
                compare(popLeaves.length, seat === "oop" ? 193 : 202)
                // Every shipped text is read by the solver and lights a cell
                // of the matrix.
                var all = leaves(standard).concat(popLeaves)
                for (var i = 0; i < all.length; ++i) {
                    compare(appController.rangeTextError(all[i].value), "", seat + " " + all[i].name)
                    var lit = page.parseRangeWeights(all[i].value)
                    var any = false
                    for (var k in lit) {
                        verify(classes[k], seat + " " + all[i].name + ": " + k)
                        any = any || lit[k] > 0
                    }
                    verify(any, seat + " " + all[i].name + " lights no cell")
                }
            }
            var table = JSON.parse(appController.readTextResource(":/Velmora/qml/data/standard_ranges.json"))
            var entry = table.oop.standard.filter(function(e) { return e.name === "No rake / vs RFI UTG: Call SB" })[0]
            var path = [page.oopStandardRanges[0]]
            for (var d = 0; d < 4; ++d)
                path.push(path[d].children[[0, 1, 0, 0][d]])
            compare(path.map(function(n) { return n.name }), ["6-max", "No rake", "vs RFI", "vs UTG RFI", "Call SB"])
            compare(path[4].value, entry.value)
            var vs4bet = page.oopStandardRanges[0].children[1].children[3]
            compare(vs4bet.children.length, 8)
            compare(vs4bet.children[0].name, "SB 3bet vs UTG 4bet")
            compare(vs4bet.children[7].name, "BB 3bet vs BTN 4bet")
        }

        function test_rows_open_select_and_load() {
            page.oopRangeCategory = 0
            clickPath("oop", ["6-max", "No rake"])
            compare(page.listModelFor("oop").map(function(r) { return r.name }),
                    ["6-max", "No rake", "RFI", "vs RFI", "vs 3bet", "vs 4bet"])
            clickPath("oop", ["vs RFI"])
            compare(page.listModelFor("oop").map(function(r) { return r.name }),
                    ["6-max", "No rake", "vs RFI", "vs UTG RFI", "vs HJ RFI", "vs CO RFI", "vs BTN RFI"],
                    "opening vs RFI hides the other scenarios")
            clickPath("oop", ["vs UTG RFI", "Call SB"])
            var leaf = rowNamed("oop", "Call SB")
            compare(leaf.depth, 4)
            compare(page.oopSelectedId, leaf.id)
            compare(page.oopRangeText, page._findNodeById(page.oopStandardRanges, leaf.id).value)
            verify(page.oopRangeText.length > 0)
            compare(page.ipRangeText, "", "the other seat is untouched")

            var folder = rowNamed("oop", "vs UTG RFI")
            clickPath("oop", ["vs UTG RFI"])
            compare(page.oopSelectedId, folder.id, "a closed folder stays selected")
            compare(page.listModelFor("oop").length, 7, "closed: its siblings show again")

            var selected = page.oopSelectedId
            mouseClick(findChild(page, "oopClearRangeButton"))
            compare(page.oopRangeText, "")
            compare(page.oopSelectedId, selected, "Clear keeps the selection")

            page.oopRangeCategory = 1
            compare(page.oopSelectedId, "")
            compare(page.oopOpenFolderIds, {})
            var overfolder = rowNamed("oop", "Overfolder (10-22 VPIP)")
            compare(overfolder.displayName, "Overfolder (VPIP 10-22)")
            compare(rowNamed("oop", "Passive (VPIP 18\u201365)").displayName, "Passive (VPIP 18\u201365)")
        }

        function test_sidebar_buttons_follow_category_and_state() {
            compare(page.oopRangeCategory, 2)
            verify(findChild(page, "oopEmptyNote").visible, "an empty Custom library")
            var save = findChild(page, "oopSaveRangeButton")
            var del = findChild(page, "oopDeleteSelectedButton")
            verify(save.visible && del.visible && findChild(page, "oopImportRangeButton").enabled)
            page.oopRangeText = "   "
            verify(!save.enabled, "a blank range cannot be saved")
            page.oopRangeText = "AA"
            verify(save.enabled)
            verify(!del.enabled, "nothing selected")
            page.oopSelectedId = "n_x"
            verify(del.enabled)
            page.oopRangeCategory = 0
            page.oopRangeCategory = 2
            verify(!del.enabled, "switching the category drops the selection")

            page.oopRangeCategory = 0
            verify(!findChild(page, "oopEmptyNote").visible)
            verify(!save.visible && !findChild(page, "oopOverrideButton").visible
                   && !findChild(page, "oopExportButton").visible, "no developer tools without developer mode")
        }

        function test_custom_rows_and_category_buttons() {
            page.ipCustomRanges = [{ id: "f", type: "folder", name: "<b>Mine</b>",
                                     children: [{ id: "r", type: "range", name: "vs UTG RFI", value: "AA" }] }]
            verify(!findChild(page, "ipEmptyNote").visible)
            languageManager.setLanguage("de")
            clickPath("ip", ["<b>Mine</b>", "vs UTG RFI"])
            compare(page.ipRangeText, "AA")
            compare(rowNamed("ip", "vs UTG RFI").displayName, "vs UTG RFI", "custom names are never translated")
            compare(findChild(findChild(page, "ipRow_<b>Mine</b>"), "rowText").textFormat, Text.PlainText)
            var open = page.ipOpenFolderIds
            page._toggleOpenFolder("ip", "")
            verify(page.ipOpenFolderIds === open, "an empty id changes nothing")

            mouseClick(findChild(page, "ipCategoryButton1"))
            compare(page.ipRangeCategory, 1)
            compare(page.ipSelectedId, "")
            compare(page.ipRangeText, "AA", "switching the category keeps the range")
            verify(rowNamed("ip", "Other"))
            compare(page.oopRangeCategory, 2, "the other seat keeps its category")
        }

        function test_click_weight_field() {
            var field = findChild(page, "ipClickWeightField")
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            keyClick("1"); keyClick("2"); keyClick("."); keyClick("5")
            compare(page.ipClickWeightPct, 12.5, "stored while typing")
            keyClick(Qt.Key_Return)
            compare(field.text, "12.5")
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            var range = page.ipRangeText
            mouseClick(findChild(findChild(page, "ipMatrix"), "cell_AKs"))
            compare([page.ipRangeText, findChild(page, "ipRangeError").text, field.activeFocus],
                    [range, "Weight: enter a value", true], "an empty weight paints nothing")
            keyClick(Qt.Key_Tab)
            compare(page.ipClickWeightPct, 12.5, "an empty field keeps the last weight")
            compare(field.text, "12.5")
            field.forceActiveFocus()
            field.text = "150"
            keyClick(Qt.Key_Tab)
            compare(page.ipClickWeightPct, 12.5, "out of range is never stored")
            compare(page.oopClickWeightPct, 100)
        }

        function test_range_field_writes_and_overlays() {
            var input = findChild(page, "oopRangeInput")
            var overlay = findChild(input, "rangeOverlay")
            page.oopRangeText = "AA, KK"
            verify(overlay.visible)
            compare(overlay.text, "AA, KK")
            compare(overlay.textFormat, Text.PlainText)
            input.forceActiveFocus()
            verify(!overlay.visible)
            input.cursorPosition = input.text.length
            keyClick(","); keyClick(" "); keyClick("Q"); keyClick("Q")
            compare(page.oopRangeText, "AA, KK, QQ", "written on every edit")
        }

        function test_labels_follow_the_language() {
            page.oopRangeCategory = 0
            clickPath("oop", ["6-max", "No rake", "vs RFI"])
            var english = rowNamed("oop", "vs UTG RFI").displayName
            compare(english, "vs UTG RFI")
            languageManager.setLanguage("de")
            var german = rowNamed("oop", "vs UTG RFI").displayName
            verify(german !== english, german)
            verify(german.indexOf("UTG") >= 0, german)
            compare(rowNamed("oop", "vs UTG RFI").name, "vs UTG RFI", "raw names stay")
            languageManager.setLanguage("ru")
            var clear = findChild(page, "oopClearRangeButton")
            tryVerify(function() { return clear.text !== "Clear" })
            verify(clear.width >= clear.contentItem.implicitWidth, "a longer label stays inside its button")
        }

        // Wider than their content, the cards give the room to the sidebar:
        // it and "Clear" end at the card's right padding.
        function test_cards_use_their_width() {
            var seats = ["oop", "ip"]
            for (var i = 0; i < seats.length; ++i) {
                var card = findChild(page, seats[i] + "RangeCard")
                tryVerify(function() { return card.width > card.implicitWidth + 20 }, 5000, "the page leaves room")
                var right = card.width - card.rightPadding
                var sidebar = findChild(page, seats[i] + "RangeSidebar")
                var clear = findChild(page, seats[i] + "ClearRangeButton")
                fuzzyCompare(sidebar.mapToItem(card, sidebar.width, 0).x, right, 1, seats[i])
                fuzzyCompare(clear.mapToItem(card, clear.width, 0).x, right, 1, seats[i])
                verify(sidebar.width > 180, seats[i])
            }
        }

        function test_loader_failures() {
            var fake = createTemporaryObject(fakePageComp, host)
            var reader = createTemporaryObject(fakeReaderComp, host)
            var loader = createTemporaryObject(loaderComp, host, { page: fake, controller: reader })
            fake.oopExploitRanges = [{ id: "old", type: "range", name: "old", value: "" }]
            ignoreWarning("[ranges] Failed to load bundled standard presets (resource file missing/empty).")
            loader.load()
            compare(fake._presetLoadError, "Failed to load bundled standard presets (resource file missing/empty).")
            compare(fake.oopStandardRanges, [])
            compare(fake.oopExploitRanges.length, 5, "the template stands in for the population table")
            compare(fake.oopExploitRanges[2].children[0].children, [], "no Standard tree: empty regulars")

            reader.texts = { ":/qt/qml/Velmora/qml/data/standard_ranges.json":
                             JSON.stringify({ oop: { standard: [{ name: "RFI UTG", value: "AA" }] } }),
                             ":/Velmora/qml/data/exploit_ranges.json": "{ not json" }
            ignoreWarning(new RegExp("^\\[ranges\\] Failed to load bundled presets: "))
            loader.load()
            verify(fake._presetLoadError.indexOf("Failed to load bundled presets: ") === 0, fake._presetLoadError)
            compare(leaves(fake.oopStandardRanges).length, 1, "the second path is tried")
            compare(fake.ipStandardRanges.length, 2, "a missing seat gets the empty folders")
            compare(fake.oopExploitRanges.length, 5, "a bad population table leaves the old trees")

            // Without a resource reader the tables come by XMLHttpRequest,
            // which Qt refuses for local files here without ever finishing:
            // every address times out and the load reports its failure.
            var viaXhr = createTemporaryObject(fakePageComp, host)
            var xhrLoader = createTemporaryObject(loaderComp, host,
                                                  { page: viaXhr, controller: null, requestTimeoutMs: 30 })
            ignoreWarning(new RegExp("^XMLHttpRequest: Using GET on a local file"))
            ignoreWarning(new RegExp("^XMLHttpRequest: Using GET on a local file"))
            ignoreWarning(new RegExp("^XMLHttpRequest: Using GET on a local file"))
            ignoreWarning("[ranges] Failed to load bundled presets.")
            xhrLoader.load()
            verify(viaXhr._presetLoadError.indexOf("Failed to load bundled presets from qrc:") === 0
                   || viaXhr._presetLoadError === "", viaXhr._presetLoadError)
            tryCompare(viaXhr, "_presetLoadError", "Failed to load bundled presets.")
            compare(viaXhr.oopStandardRanges, [])
            compare(viaXhr.oopExploitRanges, [], "the population table is not fetched")
        }
    }
}
