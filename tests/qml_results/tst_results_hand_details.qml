import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack
import "../../Velmora/qml/pages/results/HandFilter.js" as HandFilter

// The Buckets and Hand Details cards over the mock tree and the combos of
// mock_combos.js (board AhKhQh; a turn board for the noise cutoff).
Item {
    id: host
    width: 1500
    height: 1100

    ThemePack.Theme { id: appTheme; dark: true }

    Component {
        id: mockComp
        MockController {}
    }
    Component {
        id: pageComp
        ResultsPage { anchors.fill: parent; theme: appTheme; boardText: "AhKhQh" }
    }

    TestCase {
        name: "ResultsHandDetails"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
            verify(page)
            tryCompare(page, "_handCombosLoading", false, 1000)
        }

        function shown() {
            var out = []
            var list = page.visibleHandCombos
            for (var i = 0; i < list.length; ++i)
                out.push(list[i].c1 + list[i].c2)
            return out
        }
        function search(text) {
            page.handSearchText = text
            return shown()
        }
        function visibleText(name) {
            var item = findChild(page, name)
            return item !== null && item.visible
        }

        function test_debounced_load_keeps_the_previous_list() {
            var rootList = page.currentHandCombos
            compare(rootList.length, 17)
            var before = mock.callsNamed("nodeHandCombos").length
            // Five node changes within 50 ms.
            page.selectActionAtLevel(0, 1)
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 0)
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 1)
            var last = Date.now()
            verify(page._handCombosLoading)
            verify(visibleText("handCombosLoading"))
            compare(page.currentHandCombos, rootList, "the previous list stays while loading")
            wait(30)
            compare(mock.callsNamed("nodeHandCombos").length, before)
            tryCompare(page, "_handCombosLoading", false, 1000)
            var calls = mock.callsNamed("nodeHandCombos")
            compare(calls.length, before + 1)
            compare(calls[calls.length - 1].args, [2])
            verify(calls[calls.length - 1].at - last >= 55, "loaded about 60 ms after the last change")
            compare(page.currentHandCombos[0].actionEvs, [7, 10])
        }

        function test_search_grammar() {
            compare(search("JJ").length, 6)
            compare(search("jj").length, 6)
            compare(search("JJ, AKs"), ["AsKs", "AdKd", "AcKc", "JcJd", "JcJh", "JdJs", "JdJh", "JsJh", "JcJs"],
                    "the union, in the back end's order")
            compare(search("JJ ,  AKs"), search("JJ AKs"))
            compare(search("AK").length, 5)
            compare(search("KA"), search("AK"))
            compare(search("AKo"), ["AsKd", "AcKs"])
            compare(search("56s"), ["6s5s", "6h5h"])
            compare(search("65s"), search("56s"))
            compare(search("jdjc"), ["JcJd"])
            compare(search("JcJd"), ["JcJd"])
            verify(!visibleText("noCombosMatch"))
            var nothing = ["JJs", "AKx", "A", "XK", "AhKhQ"]
            for (var i = 0; i < nothing.length; ++i) {
                compare(search(nothing[i]), [], nothing[i])
                verify(visibleText("noCombosMatch"), nothing[i])
            }
            compare(search("AKx, JJ").length, 6, "a bad token matches nothing, the others still do")
            compare(search("  ").length, 17)
            compare(page._parseHandSearchTokens(), [])
            page.handSearchText = " JJ,,AKs  jdjc"
            compare(page._parseHandSearchTokens(), ["JJ", "AKs", "jdjc"])
            verify(page._matchSearchTokenToCombo("", "2c", "3d"))

            // The field edits the search; a typed text filters at once.
            page.handSearchText = ""
            var field = findChild(page, "handSearchField")
            mouseClick(field)
            keyClick(Qt.Key_6); keyClick(Qt.Key_5); keyClick(Qt.Key_O)
            compare(page.handSearchText, "65o")
            compare(shown(), ["6d5c"])
        }

        function test_class_and_bucket_filters() {
            page.toggleHandFilter("JJ")
            compare(shown().length, 6)
            verify(visibleText("handFilterRow"))
            compare(findChild(page, "handFilterText").text, "Filter: JJ")
            page.toggleHandFilter("AKs")
            compare(shown(), ["AsKs", "AdKd", "AcKc"], "another class replaces the filter")
            mouseClick(findChild(page, "clearHandFilterButton"))
            compare(page.selectedHandClass, "")
            compare(shown().length, 17)

            // Buckets: the list, a click filters the combos and the matrix.
            compare(findChild(page, "bucketsShown").text, "4 shown")
            waitForRendering(page)
            compare(findChild(findChild(page, "bucketRow3"), "bucketName").text, "air", "no display name: the name")
            compare(findChild(findChild(page, "bucketRow1"), "bucketCombos").text, "4.8 combos")
            compare(findChild(findChild(page, "bucketRow3"), "bucketCombos").text, "")
            // Names from the back end are never read as markup.
            compare(findChild(findChild(page, "bucketRow0"), "bucketName").textFormat, Text.PlainText)
            compare(findChild(page, "handFilterText").textFormat, Text.PlainText)
            compare(findChild(findChild(page, "handComboList"), "evLine").textFormat, Text.PlainText)
            mouseClick(findChild(page, "bucketRow2"))
            compare(page.selectedBucket, "flush draw")
            compare(shown(), ["JcJh", "JdJh", "JsJh", "6h5h"])
            var reach = mock.callsNamed("nodeHandStrategyReach169")
            compare(reach[reach.length - 1].args, [0, "flush draw"])
            page.handSearchText = "JJ"
            page.toggleHandFilter("JJ")
            compare(shown(), ["JcJh", "JdJh", "JsJh"], "every filter in force applies")
            mouseClick(findChild(page, "bucketRow1"))
            compare(page.selectedBucket, "middle pair")
            mouseClick(findChild(page, "bucketRow1"))
            compare(page.selectedBucket, "", "a second click clears the bucket")

            // Any node change clears the three filters.
            page.toggleBucketFilter("air")
            page.selectActionAtLevel(0, 1)
            compare([page.selectedHandClass, page.selectedBucket, page.handSearchText], ["", "", ""])
            compare(findChild(page, "handSearchField").text, "")
        }

        function test_noise_cutoff_on_turn_boards() {
            compare(shown().length, 17, "a flop spot hides nothing")
            page.boardText = "AhKhQh7c"
            var list = shown()
            compare(list.length, 15)
            verify(list.indexOf("7c2d") >= 0, "2e-6 is above max(1e-10, 1e-6 x 1.0)")
            verify(list.indexOf("7d2c") < 0, "at the cutoff is hidden")
            compare(HandFilter.noiseCutoff([], 4), 1e-10)
            var many = []
            for (var i = 0; i < 100; ++i)
                many.push({ weight: i === 96 ? 1000 : 0.5 })
            compare(HandFilter.noiseCutoff(many, 5), 0.5e-6, "only the first 96 are sampled")
            compare(HandFilter.noiseCutoff(many, 3), -1)
        }

        function test_ev_lines() {
            // Root: Check, Bet 33% - no fold, EVs as they are.
            var c = page.currentHandCombos[0]
            var lines = HandFilter.evLines(c, page._handDetailActions)
            compare([lines[0].text, lines[1].text], ["7.00", "10.00"])
            compare(lines[1].colorKey, "Bet 33%")
            compare(lines[0].colorKey, "check")
            // IP facing the bet: Fold, Call - relative to folding.
            page.selectActionAtLevel(0, 1)
            tryCompare(page, "_handCombosLoading", false, 1000)
            lines = HandFilter.evLines(page.currentHandCombos[0], page._handDetailActions)
            compare([lines[0].text, lines[1].text], ["0.00", "3.00"])
            waitForRendering(page)
            var row = findChild(findChild(page, "handComboList"), "evColumn")
            verify(row)
            var shownLines = []
            for (var k = 0; k < row.children.length; ++k) {
                if (row.children[k].objectName === "evLine")
                    shownLines.push(row.children[k].text)
            }
            compare(shownLines, ["0.00", "3.00"])

            var defs = [{ name: "Fold", actionType: "fold" }, { name: "Call", actionType: "call" },
                        { name: "Raise 50%", actionType: "raise" }]
            lines = HandFilter.evLines({ ev: 1, actionEvs: [NaN, 2, NaN] }, defs)
            compare([lines[0].text, lines[1].text, lines[2].text], ["—", "2.00", "—"], "no finite fold EV")
            compare(HandFilter.evLines({ ev: 1.234, actionEvs: [] }, defs)[0].text, "1.23")
            compare(HandFilter.evLines({}, defs)[0].text, "—")
        }

        function test_without_combos() {
            page.controller = null
            page._scheduleHandCombosLoad()
            compare(page.currentHandCombos, [])
            compare(page.currentHandBuckets, [])
            verify(visibleText("noHandCombos"))
            verify(!visibleText("handComboList"))
            compare(findChild(page, "bucketsShown").text, "0 shown")
        }
    }
}
