import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack

// Game-tree navigation and the chance-card picker of the results page, over
// the mock tree of mock_tree.js.
Item {
    id: host
    width: 1400
    height: 1000

    ThemePack.Theme { id: darkTheme; dark: true }

    Component {
        id: mockComp
        MockController {}
    }
    Component {
        id: pageComp
        ResultsPage { anchors.fill: parent; theme: darkTheme; boardText: "Ah Kh Qh" }
    }

    TestCase {
        id: tc
        name: "ResultsNavigation"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
            verify(page)
            waitForRendering(page)
        }

        function levels() {
            var out = []
            for (var i = 0; i < page.treeLevels.count; ++i) {
                var r = page.treeLevels.get(i)
                out.push([r.nodeIndex, r.selectedActionIndex])
            }
            return out
        }

        function level(i) { return findChild(page, "treeLevel" + i) }

        function chipText(node) { return findChild(node, "actionChipText").text }

        function clickActionNode(levelIndex, position) {
            wait(1)   // lets replaced delegates go
            var node = findChild(level(levelIndex), "actionNode" + position)
            verify(node, "action node " + position + " at level " + levelIndex)
            mouseClick(node)
        }

        function test_start_at_root() {
            compare(levels(), [[0, -1]])
            compare(page.currentNodeIndex, 0)
            compare(page.selectedPlayer, "OOP")
            compare(page.treeBoardText, "AhKhQh", "whitespace of the board is dropped")
            compare(page.currentMeta.pot, 100)
            verify(findChild(level(0), "availableActionsBanner").visible)
        }

        function test_fold_keeps_single_level() {
            mock.actionsOverride = { "0": [{ name: "Fold", actionType: "fold", frequency: 0.4, childIndex: 4 },
                                           { name: "Check", actionType: "check", frequency: 0.6, childIndex: 1 }] }
            page.resetTreeToRoot()
            clickActionNode(0, 0)
            compare(levels(), [[0, 0]], "the fold is kept as the choice, no level added")
            compare(page.currentNodeIndex, 0)
            compare(chipText(findChild(level(0), "actionNode0")), "Fold")
            verify(!findChild(level(0), "actionNode1"), "only the chosen action is shown")
            verify(!findChild(level(0), "availableActionsBanner").visible)
            clickActionNode(0, 0)
            compare(levels(), [[0, 0]], "clicking the shown fold again changes nothing")
        }

        function test_walk_and_breadcrumbs() {
            clickActionNode(0, 1)   // Bet 33%
            compare(levels(), [[0, 1], [2, -1]])
            compare(page.currentNodeIndex, 2)
            compare(page.selectedPlayer, "IP")
            clickActionNode(1, 1)   // Call -> turn deal
            compare(levels(), [[0, 1], [2, 1], [5, -1]])
            compare(page.selectedPlayer, "IP", "a chance node keeps the last seat")
            verify(!findChild(level(2), "availableActionsBanner").visible, "no banner at a chance node")

            // Clicking an earlier level keeps it, clears its choice, drops the rest.
            clickActionNode(0, 0)
            compare(levels(), [[0, -1]])
            compare(page.currentNodeIndex, 0)
            compare(page.selectedPlayer, "OOP")

            clickActionNode(0, 0)   // Check -> IP with one action
            compare(levels(), [[0, 0], [1, -1]])
            verify(!findChild(level(1), "availableActionsBanner").visible, "no banner for a single action")

            // Out-of-range and stale requests are ignored.
            page.selectActionAtLevel(0, 1)
            page.selectActionAtLevel(1, 5)
            page.selectActionAtLevel(3, 0)
            compare(levels(), [[0, 0], [1, -1]])
            page.navigateToBreadcrumb(-3)
            compare(levels(), [[0, -1]])
        }

        function test_missing_child_stops_the_walk() {
            mock.actionsOverride = { "0": [{ name: "Check", actionType: "check", frequency: 1 },
                                           { name: "Bet 33%", actionType: "bet", frequency: 0, childIndex: 42 }] }
            page.resetTreeToRoot()
            page.selectActionAtLevel(0, 1)
            compare(levels(), [[0, 1]], "a child outside the tree adds no level")
            compare(page.currentNodeIndex, 0)
        }

        function test_interchangeable_suit_advances_with_listed_card() {
            clickActionNode(0, 0)
            clickActionNode(1, 0)
            compare(page.currentNodeIndex, 3)
            mouseClick(findChild(level(2), "chanceNode"))
            var popup = findChild(page, "chanceCardPopup")
            tryCompare(popup, "opened", true)
            compare(page.chancePickerTitle, "Choose Turn Card")
            compare(page.chancePickerBoardText, "AhKhQh")
            compare(page._chanceCardIndexForSelection("7c"), 0)
            compare(page._chanceCardIndexForSelection("7d"), 0)
            compare(page._chanceCardIndexForSelection("2s"), 1)
            compare(page._chanceCardIndexForSelection("7h"), -1, "a suit on the board stands for nothing")
            compare(page._chanceCardIndexForSelection("Ah"), -1)
            compare(page._chanceCardIndexForSelection("9d"), -1, "no listed 9")

            var card = findChild(popup.contentItem, "chanceCard_7d")
            verify(card)
            compare(card.disabled, false)
            verify(findChild(popup.contentItem, "chanceCard_Kh").disabled)
            mouseClick(card)
            tryCompare(popup, "opened", false)
            compare(levels(), [[0, 0], [1, 0], [3, 0], [6, -1]])
            compare(page.treeBoardText, "AhKhQh7d")
            compare(page.chanceCardDisplayOverrideByNode["3"], "7d")
            compare(chipText(findChild(level(2), "chanceNode")), "7c", "the tree shows the listed card")
            compare(page.chancePickerLevelIndex, -1)
            compare(page.selectedPlayer, "OOP")

            // The override stays with the node through navigation, new results clear it.
            page.navigateToBreadcrumb(2)
            compare(page.treeBoardText, "AhKhQh")
            page.selectActionAtLevel(2, 0)
            compare(page.treeBoardText, "AhKhQh7d")
            mock.finishSolve()
            compare(levels(), [[0, -1]])
            compare(page.chanceCardDisplayOverrideByNode, {})
        }

        function test_three_suit_board_maps_nothing() {
            page.boardText = "AhKsQd"
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)
            page.openChancePicker(2, 3)
            var popup = findChild(page, "chanceCardPopup")
            tryCompare(popup, "opened", true)
            compare(page.chancePickerAvailableCardIndices, [0, 1])
            var enabled = []
            var suits = ["s", "h", "d", "c"]
            for (var s = 0; s < 4; ++s) {
                for (var r = 0; r < page._rankOrder.length; ++r) {
                    var text = page._rankOrder[r] + suits[s]
                    if (!findChild(popup.contentItem, "chanceCard_" + text).disabled)
                        enabled.push(text)
                }
            }
            compare(enabled, ["7c", "2c"], "only listed cards are available")
            page.chooseChanceCardRandom()
            tryCompare(popup, "opened", false)
            compare(page.treeLevels.count, 4)
            verify(page.treeBoardText === "AhKsQd7c" || page.treeBoardText === "AhKsQd2c", page.treeBoardText)
        }

        function test_random_without_cards_does_nothing() {
            mock.actionsOverride = { "3": [] }
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)
            page.openChancePicker(2, 3)
            compare(page.chancePickerAvailableCardIndices, [])
            page.chooseChanceCardRandom()
            compare(page.treeLevels.count, 3)
            compare(page.chancePickerLevelIndex, 2, "the picker stays open on its level")
            page.chooseChanceCard(0, "7d")
            compare(page.treeLevels.count, 3, "no action to advance with")
        }

        function test_path_queries_for_later_views() {
            page.selectActionAtLevel(0, 1)
            page.selectActionAtLevel(1, 1)
            page.openChancePicker(2, 5)
            page.chooseChanceCard(0, "7s")
            compare(page.currentNodeIndex, 8)
            compare(page._lastSelectedActionNameForActor("OOP"), "Bet 33%")
            compare(page._lastSelectedActionNameForActor("IP"), "Call")
            compare(page._findChanceLevel("turn"), 2)
            compare(page._findChanceLevel("river"), -1)
            compare(page._boardFromTreeSelectionsUpTo(2), "AhKhQh")
            compare(page._toCallAmount(), 0)
            compare(page._stackRemaining(), 67)
            page.navigateToBreadcrumb(1)
            compare(page._toCallAmount(), 33)
            compare(page._stackRemaining(), 100)
        }

        function test_play_mode_resets_and_disables_the_tree() {
            page.selectActionAtLevel(0, 1)
            page.playMode = true
            compare(levels(), [[0, -1]])
            verify(findChild(page, "playArea").visible)
            verify(!findChild(page, "handRow").visible)
            clickActionNode(0, 1)
            compare(levels(), [[0, -1]], "the tree takes no clicks in play mode")
            mock.running = true
            compare(page.playMode, false, "a starting solve leaves play mode")
        }

        function test_without_results() {
            mock.nodes = []
            mock.finishSolve([])
            compare(levels(), [[0, -1]])
            compare(page.currentMeta, {})
            compare(page.currentActions, [])
            compare(page._potSize(), 0)
            page.selectActionAtLevel(0, 0)
            compare(levels(), [[0, -1]])
            var before = mock.calls.length
            page.refreshHandMatrix()
            for (var i = before; i < mock.calls.length; ++i)
                compare(mock.calls[i].name, "treeNodeCount", "no node query without a tree")
        }
    }
}
