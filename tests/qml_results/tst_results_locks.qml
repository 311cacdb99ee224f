import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack
import "../../Velmora/qml/pages/results/NodeLockMath.js" as LockMath
import "mock_combos.js" as MockCombos

// Node locking on the results page over the mock tree whose node 2 (IP
// facing the bet) has Fold, Call and Raise 50%.
Item {
    id: host
    width: 1500
    height: 1100

    ThemePack.Theme { id: appTheme; dark: true }

    Component {
        id: mockComp
        MockController { nodes: MockCombos.threeActionTree() }
    }
    Component {
        id: pageComp
        ResultsPage { anchors.fill: parent; theme: appTheme; boardText: "AhKhQh" }
    }

    TestCase {
        name: "ResultsLocks"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
            verify(page)
            waitForRendering(page)
        }

        function click(name) {
            waitForRendering(page)   // a panel just shown is laid out
            var item = findChild(page, name)
            verify(item && item.visible, name + " is shown")
            mouseClick(item)
        }
        function clickCell(hand) {
            wait(1)
            mouseClick(findChild(findChild(page, "strategyMatrix"), "cell_" + hand))
        }
        function rounded(list) {
            var out = []
            for (var i = 0; i < list.length; ++i)
                out.push(Math.round(list[i] * 1e6) / 1e6)
            return out
        }
        // Root -> Bet 33%: node 2, IP with three actions.
        function toFacingBet() {
            page.selectActionAtLevel(0, 1)
            compare(page.currentNodeIndex, 2)
            compare(page.nodeLockActionList.length, 3)
        }
        function lockWith(weight, hand) {
            page.nodeLockWeightText = weight
            clickCell(hand)
            return rounded(page.handActionProbs[hand])
        }

        function test_lock_preview_weights_and_modes() {
            compare(page.nodeLockMode, false)
            compare(page.nodeLockSelectedActionIndex, -1)
            compare(page.nodeLockWeightText, "1.0")
            verify(!findChild(page, "nodeLockPanel").visible)
            toFacingBet()

            // Standard mode: a click filters the hand details, twice clears.
            clickCell("AKo")
            compare(page.selectedHandClass, "AKo")
            clickCell("AKo")
            compare(page.selectedHandClass, "")

            click("nodeLockModeButton")
            compare(page.nodeLockMode, true)
            verify(findChild(page, "nodeLockPanel").visible)
            clickCell("AKo")   // no action chosen yet
            compare(mock.callsNamed("setNodeLock").length, 0)
            compare(page.selectedHandClass, "", "lock mode never filters")

            click("nodeLockAction0")
            compare(page.nodeLockSelectedActionIndex, 0)
            compare(findChild(page, "nodeLockAction0").iconText, "✓")
            var field = findChild(page, "nodeLockWeightField")
            mouseClick(field)
            field.selectAll()
            keyClick(Qt.Key_0); keyClick(Qt.Key_Period); keyClick(Qt.Key_7)
            compare(page.nodeLockWeightText, "0.7")
            clickCell("AKo")
            var sent = mock.callsNamed("setNodeLock")
            compare(sent.length, 1)
            compare(sent[0].args, [2, "AKo", 0, 0.7])
            compare(rounded(page.handActionProbs["AKo"]), [0.7, 0.15, 0.15])

            // The weight text is read the script engine's way, then clamped.
            compare(lockWith("abc", "KK"), [1, 0, 0])
            compare(lockWith("", "KK"), [0, 0.5, 0.5])
            compare(lockWith("1.5", "KK"), [1, 0, 0])
            compare(lockWith(" 0.25 ", "KK"), [0.25, 0.375, 0.375])
            compare(lockWith("0,5", "KK"), [1, 0, 0], "a decimal comma is not a number")
            compare(lockWith("-0.3", "KK"), [0, 0.5, 0.5])
            compare(page.nodeLocksByNode["2"]["KK"], { actionIndex: 0, actionProb: 0 }, "one record per hand")
            compare(findChild(page, "nodeLockWeightField").text, "-0.3", "the field is never corrected")

            // Another action replaces the hand's lock.
            click("nodeLockAction2")
            compare(lockWith("0.6", "AKo"), [0.2, 0.2, 0.6])
            compare(mock.locks["2"]["AKo"], { actionIndex: 2, actionProb: 0.6 })

            // The choice survives a node change; a one-action node shows [1].
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 0)
            compare(page.currentNodeIndex, 1)
            compare(page.nodeLockSelectedActionIndex, 2)
            click("nodeLockAction0")
            compare(lockWith("0.3", "AA"), [1])

            // Back at node 2 the preview is there; "Standard mode" drops
            // that node's locks only, also when clicked a second time.
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 1)
            compare(rounded(page.handActionProbs["AKo"]), [0.2, 0.2, 0.6])
            click("standardModeButton")
            compare(page.nodeLockMode, false)
            compare(page.nodeLockWeightText, "1.0")
            compare(page.nodeLockSelectedActionIndex, -1)
            var cleared = mock.callsNamed("clearNodeLocks")
            compare(cleared[cleared.length - 1].args, [2])
            compare(page.handActionProbs["AKo"], undefined)
            compare(page.handActionProbs["QJo"], [0.2, 0.8, 0], "unlocked classes keep the solved mix")
            compare(page.nodeLocksByNode["1"]["AA"].actionIndex, 0)
            click("standardModeButton")
            compare(mock.callsNamed("clearNodeLocks").length, cleared.length + 1)
            compare(findChild(page, "standardModeButton").iconText, "✓")
        }

        function test_reset_resolve_and_cleared_results() {
            toFacingBet()
            click("nodeLockModeButton")
            click("nodeLockAction1")
            page.nodeLockWeightText = "1"
            clickCell("AA")
            compare(rounded(page.handActionProbs["AA"]), [0, 1, 0])

            // "Reset weights" empties this node's locks here and in the back end.
            page.nodeLockWeightText = "0.4"
            click("resetWeightsButton")
            compare(page.nodeLockWeightText, "1.0")
            compare(page.nodeLockSelectedActionIndex, -1)
            compare(page.nodeLocksByNode["2"], {})
            compare(mock.locks["2"], undefined)
            compare(rounded(page.handActionProbs["AA"]), [1, 0, 0])

            click("nodeLockAction1")
            clickCell("AA")
            click("reSolveButton")
            compare(mock.callsNamed("reSolveWithNodeLocks").length, 1)
            mock.finishSolve(MockCombos.threeActionTree())
            compare(page.currentNodeIndex, 0, "new results open at the root")
            compare(page.nodeLockMode, true)
            compare(page.nodeLockSelectedActionIndex, 1)
            toFacingBet()
            compare(rounded(page.handActionProbs["AA"]), [0, 1, 0], "the preview outlives the re-solve")

            // Chance nodes cannot be locked.
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)
            compare(page.currentMeta.nodeType, "chance")
            verify(findChild(page, "nodeLockUnavailable").visible)
            verify(!findChild(page, "nodeLockActions").visible)
            verify(!findChild(page, "reSolveButton").visible)
            var before = mock.callsNamed("setNodeLock").length
            page.applyNodeLockToHand(page.currentNodeIndex, "AA")
            compare(mock.callsNamed("setNodeLock").length, before)

            // A new project drops the back end's locks: so does the preview.
            mock.clearResults()
            compare(page.nodeLocksByNode["2"], {})
            mock.finishSolve(MockCombos.threeActionTree())
            toFacingBet()
            compare(rounded(page.handActionProbs["AA"]), [1, 0, 0])
        }

        function test_lock_table_helpers() {
            var t = LockMath.withLock({}, 3, "AKs", 1, 0.5)
            var t2 = LockMath.withLock(t, 3, "QQ", 0, 1)
            compare(t["3"], { "AKs": { actionIndex: 1, actionProb: 0.5 } }, "the input table is not changed")
            compare(Object.keys(t2["3"]).sort(), ["AKs", "QQ"])
            compare(LockMath.withoutNode(t2, 3)["3"], {})
            var held = LockMath.keepHeld(t2, function(node) { return node === 3 ? [{ hand: "QQ" }] : [] })
            compare(held["3"], { "QQ": { actionIndex: 0, actionProb: 1 } })
            compare(LockMath.parseLockWeight("Infinity"), 1)
            compare(LockMath.parseLockWeight("1e-1"), 0.1)
        }
    }
}
