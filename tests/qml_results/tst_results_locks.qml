import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack
import "../../Velmora/qml/pages/results/HandFilter.js" as HandFilter
import "mock_combos.js" as MockCombos

// Node locking, buckets and hand details over the mock tree whose node 2
// (IP facing the bet) has Fold, Call and Raise 50%.
Item {
    id: host
    width: 1500
    height: 1100

    ThemePack.Theme { id: appTheme; dark: true }
    Component { id: mockComp; MockController { nodes: MockCombos.threeActionTree() } }
    Component { id: pageComp; ResultsPage { anchors.fill: parent; theme: appTheme; boardText: "AhKhQh" } }

    TestCase {
        name: "ResultsLocks"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
            tryCompare(page, "_handCombosLoading", false, 5000)
        }
        function click(name) {
            waitForRendering(page)   // a panel just shown is laid out
            verify(findChild(page, name).visible, name)
            mouseClick(findChild(page, name))
        }
        function clickCell(hand) {
            wait(1)
            mouseClick(findChild(findChild(page, "strategyMatrix"), "cell_" + hand))
        }
        function probs(hand) {
            var p = page.handActionProbs[hand]
            return p ? p.map(function(v) { return Math.round(v * 1e6) / 1e6 }) : p
        }
        // Types `weight` into the emptied weight field, as a user does, then clicks `hand`.
        function lockWith(weight, hand) {
            var field = findChild(page, "nodeLockWeightField")
            mouseClick(field)
            field.selectAll()
            for (var key of [Qt.Key_Backspace].concat(weight.split("")))
                keyClick(key)
            clickCell(hand)
            return probs(hand)
        }
        function lockCalls() { return mock.callsNamed("setNodeLock").map(function(c) { return c.args }) }
        function search(text) {
            page.handSearchText = text
            return page.visibleHandCombos.map(function(c) { return c.c1 + c.c2 })
        }

        function test_lock_preview_weights_and_modes() {
            compare([page.nodeLockMode, page.nodeLockSelectedActionIndex, page.nodeLockWeightText], [false, -1, "1.0"])
            page.selectActionAtLevel(0, 1)   // node 2
            clickCell("AKo")
            compare(page.selectedHandClass, "AKo", "standard mode filters")
            click("nodeLockModeButton")
            clickCell("KK")
            compare(mock.callsNamed("setNodeLock").length, 0, "no action chosen")
            compare(page.selectedHandClass, "AKo", "lock mode never filters")

            click("nodeLockAction0")
            compare(lockWith("0.7", "AKo"), [0.7, 0.15, 0.15])
            // Each weight typed, then KK clicked: the lock it makes, or the reason under the field and no lock.
            var notNumber = "The weight must be a number from 0 to 1, such as 0.5."
            var outside = "The weight is a probability from 0 to 1: write 50 % as 0.5."
            var weights = [["0,5", 0.5], ["abc", notNumber], ["", "Enter a weight from 0 to 1 to lock hands."],
                           [" 0.25 ", 0.25], ["50", outside], ["1", 1], ["1.5", outside], ["-1", outside], [".3", 0.3],
                           ["1e-1", notNumber], ["0", 0], ["0,5,", notNumber], ["+1,0", 1]]
            var reason = findChild(page, "nodeLockWeightReason"), locked = [[2, "AKo", 0, 0.7]]
            for (var w of weights) {
                var refused = typeof w[1] === "string"
                locked = refused ? locked : locked.concat([[2, "KK", 0, w[1]]])
                lockWith(w[0], "KK")
                compare([lockCalls(), reason.visible ? reason.text : ""], [locked, refused ? w[1] : ""], "weight '" + w[0] + "'")
            }
            compare(probs("KK"), [1, 0, 0])
            compare(findChild(page, "nodeLockWeightField").text, "+1,0", "the field is never corrected")
            click("nodeLockAction2")
            compare(lockWith("0.6", "AKo"), [0.2, 0.2, 0.6], "a second lock of a hand replaces the first")

            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 0)   // node 1: one action; the choice is kept
            click("nodeLockAction0")
            compare(lockWith("0.3", "AA"), [1])
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 1)
            compare(probs("AKo"), [0.2, 0.2, 0.6])
            for (var twice = 0; twice < 2; ++twice) {
                click("standardModeButton")
                compare(mock.callsNamed("clearNodeLocks").pop().args, [2])
            }
            compare([page.nodeLockMode, page.nodeLockSelectedActionIndex, page.nodeLockWeightText], [false, -1, "1.0"])
            compare(probs("QJo"), [0.2, 0.8, 0], "the solved mix is back")
            compare(page.nodeLocksByNode["1"]["AA"].actionIndex, 0, "other nodes keep their locks")
        }

        function test_reset_resolve_and_cleared_results() {
            page.selectActionAtLevel(0, 1)
            click("nodeLockModeButton")
            click("nodeLockAction1")
            clickCell("AA")
            page.nodeLockWeightText = "0.4"
            click("resetWeightsButton")
            compare([page.nodeLockSelectedActionIndex, page.nodeLockWeightText], [-1, "1.0"])
            compare([page.nodeLocksByNode["2"], mock.locks["2"], probs("AA")], [{}, undefined, [1, 0, 0]])

            click("nodeLockAction1")
            clickCell("AA")
            click("reSolveButton")
            compare(mock.callsNamed("reSolveWithNodeLocks").length, 1)
            mock.finishSolve()
            compare([page.currentNodeIndex, page.nodeLockMode, page.nodeLockSelectedActionIndex], [0, true, 1])
            page.selectActionAtLevel(0, 1)
            compare(probs("AA"), [0, 1, 0], "the preview outlives a re-solve")

            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)   // the turn deal
            verify(findChild(page, "nodeLockUnavailable").visible)
            verify(!findChild(page, "nodeLockActions").visible && !findChild(page, "reSolveButton").visible)
            page.applyNodeLockToHand(page.currentNodeIndex, "AA")
            compare(mock.callsNamed("setNodeLock").length, 2, "chance nodes are not locked")

            // An opened project holds its file's locks: one of the same hand
            // to another action is not previewed as the page's own.
            mock.locks = { "2": { AA: { actionIndex: 2, actionProb: 1 } } }
            mock.finishSolve()
            page.selectActionAtLevel(0, 1)
            compare(probs("AA"), [1, 0, 0])
            clickCell("AA")
            compare(probs("AA"), [0, 1, 0])
            // A new project drops the back end's locks, and so the preview.
            mock.clearResults()
            mock.finishSolve(MockCombos.threeActionTree())
            page.selectActionAtLevel(0, 1)
            compare(probs("AA"), [1, 0, 0])
        }

        // The tree marks the node where hands are locked with those hands, in
        // the matrix's order, as set and not yet solved with; a reset drops
        // the mark. (What a re-solve and an opened project's result mark is
        // checked with the real controller.)
        function test_locked_node_marked_in_tree() {
            function banners(level) {
                return ["lockBanner", "pendingLockBanner"].map(function(n) {
                    var b = findChild(findChild(page, "treeLevel" + level), n)
                    return b.visible ? findChild(b, n + "Text").text : "" })
            }
            page.selectActionAtLevel(0, 1)   // node 2
            click("nodeLockModeButton")
            click("nodeLockAction0")
            clickCell("KK")
            clickCell("AKo")
            compare([banners(0), banners(1)], [["", ""], ["", "Locks set: AKo, KK — Re-solve to apply"]])
            click("resetWeightsButton")
            compare(banners(1), ["", ""])
        }

        function test_debounced_load_and_filters() {
            var rootList = page.currentHandCombos
            var before = mock.callsNamed("nodeHandCombos").length
            for (var i = 0; i < 5; ++i)
                i % 2 ? page.navigateToBreadcrumb(0) : page.selectActionAtLevel(0, 1)
            var last = Date.now()
            verify(findChild(page, "handCombosLoading").visible)
            compare(page.currentHandCombos, rootList, "the previous list stays while loading")
            wait(30)
            // Still within the 60 ms debounce, unless the machine stalled past
            // it (the single call timed below shows the debounce either way).
            if (Date.now() - last < 50)
                compare(mock.callsNamed("nodeHandCombos").length, before)
            tryCompare(page, "_handCombosLoading", false, 5000)
            var calls = mock.callsNamed("nodeHandCombos")
            compare([calls.length, calls[calls.length - 1].args[0]], [before + 1, 2])
            verify(calls[calls.length - 1].at - last >= 55, "about 60 ms after the last change")

            compare(search("JJ, AKs"), ["AsKs", "AdKd", "AcKc", "JcJd", "JcJh", "JdJs", "JsJh"])
            compare(search("jj ,AKs"), search("JJ AKs"))
            compare(search("KA"), search("AK"))
            compare(search("AKo"), ["AsKd", "AcKs"])
            compare([search("56s"), search("65s")], [["6s5s", "6h5h"], ["6s5s", "6h5h"]])
            compare(search("jdjc"), ["JcJd"])
            var nothing = ["JJs", "AKx", "A", "AhKhQ"]
            for (i = 0; i < nothing.length; ++i) {
                compare(search(nothing[i]), [], nothing[i])
                verify(findChild(page, "noCombosMatch").visible)
            }
            page.handSearchText = ""
            mouseClick(findChild(page, "handSearchField"))
            keyClick(Qt.Key_6); keyClick(Qt.Key_5); keyClick(Qt.Key_O)
            compare(search(page.handSearchText), ["6d5c"])

            page.handSearchText = ""
            page.toggleHandFilter("JJ")
            compare(findChild(page, "handFilterText").text, "Filter: JJ")
            waitForRendering(page)
            mouseClick(findChild(page, "bucketRow2"))   // flush draw
            compare(search(""), ["JcJh", "JsJh"])
            compare(mock.callsNamed("nodeHandStrategyReach169").pop().args, [2, "flush draw"])
            mouseClick(findChild(page, "bucketRow2"))
            compare(page.selectedBucket, "")
            page.toggleBucketFilter("air")
            page.handSearchText = "JJ"
            page.navigateToBreadcrumb(0)
            compare([page.selectedHandClass, page.selectedBucket, page.handSearchText], ["", "", ""])
            // New results at the node already shown clear the filters too: a
            // bucket the new result lacks would leave the matrix empty with
            // no row to click it off.
            page.toggleBucketFilter("no such bucket")
            page.toggleHandFilter("AA")
            page.handSearchText = "JJ"
            mock.finishSolve()
            compare([page.selectedHandClass, page.selectedBucket, page.handSearchText], ["", "", ""])
            compare(mock.callsNamed("nodeHandStrategyReach169").pop().args, [0, ""])
            verify(Object.keys(page.handWeights).length > 0)
            var air = findChild(page, "bucketRow3")
            compare([findChild(air, "bucketName").text, findChild(air, "bucketCombos").text], ["air", ""])
            compare(findChild(findChild(page, "bucketRow0"), "bucketName").textFormat, Text.PlainText)
        }

        function test_noise_cutoff_and_ev_lines() {
            compare(search("").length, 15, "a flop spot hides nothing that reaches")
            // Nothing at weight 0 on any board; "air" takes what its bucket
            // counts, a low pair without a draw too.
            var mixed = [{ c1: "Ah", c2: "Kd", weight: 0, buckets: ["air"] },
                         { c1: "6h", c2: "5h", weight: 1, buckets: ["pair"] },
                         { c1: "6d", c2: "5d", weight: 1, buckets: ["flush draw", "pair"] }]
            var shown = HandFilter.visibleCombos(mixed, { cutoff: HandFilter.noiseCutoff(mixed, 3), bucket: "air" })
            compare(shown.map(function(c) { return c.c1 + c.c2 }), ["6h5h"])
            page.boardText = "AhKhQh7c"
            var turn = search("")
            compare([turn.length, turn[12]], [13, "7c2d"], "2e-6 is shown; 1e-6 (the cutoff) and 1e-9 are not")
            var many = []
            for (var i = 0; i < 100; ++i)
                many.push({ weight: i === 96 ? 1000 : 0.5 })
            compare(HandFilter.noiseCutoff(many, 5), 0.5e-6, "only the first 96 are sampled")

            page.selectActionAtLevel(0, 1)   // Fold, Call, Raise 50%: relative to folding
            tryCompare(page, "_handCombosLoading", false, 5000)
            var lines = HandFilter.evLines(page.currentHandCombos[0], page._handDetailActions)
            compare(lines.map(function(l) { return l.text + " " + l.colorKey }), ["0.00 fold", "3.00 call", "4.00 Raise 50%"])
            compare(findChild(findChild(page, "handComboList"), "evLine").textFormat, Text.PlainText)
            var column = findChild(findChild(page, "handComboList"), "evLine").parent
            var evLines = []
            for (var c = 0; c < column.children.length; ++c)
                if (column.children[c].objectName === "evLine")
                    evLines.push(column.children[c])
            var raiseLine = evLines[2]
            compare(raiseLine.text, "4.00")
            verify(page._handDetailActions[2].color !== undefined, "the raise has a palette colour")
            verify(Qt.colorEqual(raiseLine.color, page._handDetailActions[2].color), "EV line coloured as the bar")
            var root = HandFilter.evLines({ ev: 9, actionEvs: [7, 10] }, [{ name: "Check", actionType: "check" },
                                                                         { name: "Bet 33%", actionType: "bet 33%" }])
            compare(root.map(function(l) { return l.text + " " + l.colorKey }), ["7.00 check", "10.00 Bet 33%"])
            var noFoldEv = HandFilter.evLines({ actionEvs: [NaN, 2] }, [{ actionType: "fold" }, { actionType: "call" }])
            compare(noFoldEv.map(function(l) { return l.text }), ["—", "2.00"])
            compare(HandFilter.evLines({ ev: 1.234 }, [])[0].text, "1.23")
            // EVs that round to zero read 0.00, whatever their sign.
            compare(HandFilter.evLines({ ev: -0.004 }, [])[0].text, "0.00")
            var nearFold = HandFilter.evLines({ actionEvs: [1.5, 1.4999, 1.494] }, [{ actionType: "fold" },
                                              { actionType: "call" }, { actionType: "raise" }])
            compare(nearFold.map(function(l) { return l.text }), ["0.00", "0.00", "-0.01"])
        }

        function test_without_controller() {
            page.controller = null
            page._scheduleHandCombosLoad()
            verify(findChild(page, "noHandCombos").visible)
            compare([page.currentHandCombos, findChild(page, "bucketsShown").text], [[], "0 shown"])
        }
    }
}
