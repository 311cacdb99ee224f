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

    ThemePack.Theme { id: appTheme; dark: true }
    Component { id: mockComp; MockController {} }
    Component {
        id: pageComp
        ResultsPage { anchors.fill: parent; theme: appTheme; boardText: "Ah Kh Qh" }
    }

    TestCase {
        name: "ResultsNavigation"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
            waitForRendering(page)
        }

        function cleanup() {
            if (languageManager.currentLanguage !== "system")
                languageManager.setLanguage("system")
        }

        function levels() {
            var out = []
            for (var i = 0; i < page.treeLevels.count; ++i)
                out.push([page.treeLevels.get(i).nodeIndex, page.treeLevels.get(i).selectedActionIndex])
            return out
        }
        function level(i) { return findChild(page, "treeLevel" + i) }
        function chip(item) { return findChild(item, "actionChipText").text }
        function clickAction(levelIndex, position) {
            wait(1)   // lets replaced delegates go
            mouseClick(findChild(level(levelIndex), "actionNode" + position))
        }
        function enabledCards(popup) {
            var out = []
            for (var s = 0; s < page._suitOrder.length; ++s) {
                for (var r = 0; r < page._rankOrder.length; ++r) {
                    var text = page._rankOrder[r] + page._suitOrder[s]
                    if (!findChild(popup.contentItem, "chanceCard_" + text).disabled)
                        out.push(text)
                }
            }
            return out
        }

        function test_fold_keeps_single_level() {
            compare(levels(), [[0, -1]])
            compare(page.treeBoardText, "AhKhQh", "whitespace of the board is dropped")
            mock.actionsOverride = { "0": [{ name: "Fold", actionType: "fold", frequency: 0.4, childIndex: 4 },
                                           { name: "Check", actionType: "check", frequency: 0.6, childIndex: 1 }] }
            page.resetTreeToRoot()
            verify(findChild(level(0), "availableActionsBanner").visible)
            clickAction(0, 0)
            compare(levels(), [[0, 0]], "the fold is kept as the choice, no level added")
            compare(page.currentNodeIndex, 0)
            compare(chip(findChild(level(0), "actionNode0")), "Fold")
            verify(!findChild(level(0), "actionNode1"), "only the chosen action is shown")
            verify(!findChild(level(0), "availableActionsBanner").visible)
            clickAction(0, 0)
            compare(levels(), [[0, 0]], "clicking the shown fold again changes nothing")
        }

        function test_walk_and_breadcrumbs() {
            clickAction(0, 1)   // Bet 33%
            clickAction(1, 1)   // Call -> turn deal
            compare(levels(), [[0, 1], [2, 1], [5, -1]])
            compare(page.selectedPlayer, "IP", "a chance node keeps the last seat")
            verify(!findChild(level(2), "availableActionsBanner").visible, "no banner at a chance node")
            clickAction(0, 0)   // an earlier level: kept, its choice cleared, the rest dropped
            compare(levels(), [[0, -1]])
            compare(page.selectedPlayer, "OOP")
            clickAction(0, 0)   // Check -> IP with one action
            verify(!findChild(level(1), "availableActionsBanner").visible, "no banner for a single action")

            // Stale requests and children outside the tree are ignored.
            page.selectActionAtLevel(0, 1)
            page.selectActionAtLevel(1, 5)
            page.selectActionAtLevel(3, 0)
            compare(levels(), [[0, 0], [1, -1]])
            mock.actionsOverride = { "0": [{ name: "Bet 33%", actionType: "bet", frequency: 1, childIndex: 42 }] }
            page.navigateToBreadcrumb(-3)
            page.selectActionAtLevel(0, 0)
            compare(levels(), [[0, 0]])
        }

        // The picker's title and its Random button in Russian: translated,
        // whole, and worded again while the picker is open.
        function test_chance_picker_in_another_language() {
            clickAction(0, 0)
            clickAction(1, 0)
            mouseClick(findChild(level(2), "chanceNode"))
            var popup = findChild(page, "chanceCardPopup")
            tryCompare(popup, "opened", true)
            languageManager.setLanguage("ru")
            compare(findChild(popup.contentItem, "chancePickerTitle").text, "Выберите карту тёрна")
            var random = findChild(popup.contentItem, "randomCardButton")
            waitForRendering(random)
            compare(findChild(random, "buttonLabel").truncated, false, findChild(random, "buttonLabel").text)
        }

        function test_interchangeable_suit_advances_with_listed_card() {
            clickAction(0, 0)
            clickAction(1, 0)
            mouseClick(findChild(level(2), "chanceNode"))
            var popup = findChild(page, "chanceCardPopup")
            tryCompare(popup, "opened", true)
            compare(page.chancePickerTitle, "Choose Turn Card")
            compare(enabledCards(popup), ["7s", "2s", "7d", "2d", "7c", "2c"], "absent suits stand for the listed clubs")
            mouseClick(findChild(popup.contentItem, "chanceCard_7d"))
            tryCompare(popup, "opened", false)
            compare(levels(), [[0, 0], [1, 0], [3, 0], [6, -1]])
            compare(page.treeBoardText, "AhKhQh7d")
            compare(chip(findChild(level(2), "chanceNode")), "7d", "the tree names the card picked, as the board shows it")
            compare(page.chancePickerLevelIndex, -1)

            // The board shows 7d where the solver dealt 7c: from here on the
            // solver's clubs are the board's diamonds and the other way round.
            compare(page.solverToShownSuits, { c: "d", d: "c", h: "h", s: "s" })
            tryCompare(page, "currentNodeIndex", 6)
            // The previous node's list stays shown until the new one is loaded.
            tryCompare(page, "_handCombosLoading", false, 5000)
            var solver = mock.nodeHandCombos(6).map(function(c) { return c.c1 + c.c2 })
            var shownCombos = page.currentHandCombos.map(function(c) { return c.c1 + c.c2 })
            compare([solver[1], solver[2], solver[5]], ["AdKd", "AcKc", "JcJd"])
            compare([shownCombos[1], shownCombos[2], shownCombos[5]], ["AcKc", "AdKd", "JdJc"],
                    "Hand Details in the suits of the board shown")

            // On the river the solver lists 7d and 2d on its own board
            // (AhKhQh7c): the board shows them as 7c and 2c, spades stand for
            // the listed diamonds, and 7d, the turn card shown, is never dealt.
            var nodes = mock.nodes.slice()
            nodes.push({ meta: { nodeType: "chance", chanceDeal: "river", player: "", pot: 100, effectiveStack: 100,
                                 investedOop: 0, investedIp: 0, hasChildren: true },
                         actions: [{ name: "7d", actionType: "chance", frequency: 0.5, childIndex: 9 },
                                   { name: "2d", actionType: "chance", frequency: 0.5, childIndex: 9 }] })
            mock.nodes = nodes
            mock.actionsOverride = { "6": [{ name: "Check", actionType: "check", frequency: 1, childIndex: 10 }] }
            page.selectActionAtLevel(3, 0)
            page.openChancePicker(4, 10)
            tryCompare(popup, "opened", true)
            compare(enabledCards(popup), ["7s", "2s", "7c", "2c"])
            page.chooseChanceCard(0, "7d")
            compare(page.treeLevels.count, 5, "refused")
            page.chooseChanceCard(1, "2c")
            compare(page.treeBoardText, "AhKhQh7d2c", "the solver's 2d as the board shows it")
            compare(chip(findChild(level(4), "chanceNode")), "2c", "and as the tree names it")
            compare(chip(findChild(level(2), "chanceNode")), "7d")
            compare(page.solverToShownSuits, { c: "d", d: "c", h: "h", s: "s" })
            page.navigateToBreadcrumb(4)
            page.openChancePicker(4, 10)
            page.chooseChanceCard(1, "2s")
            compare(page.treeBoardText, "AhKhQh7d2s")
            compare(chip(findChild(level(4), "chanceNode")), "2s")
            compare(page.solverToShownSuits, { c: "d", d: "s", h: "h", s: "c" }, "spades stand for the solver's diamonds")
            page.navigateToBreadcrumb(4)
            page.openChancePicker(4, 10)
            page.chooseChanceCardRandom()
            verify(["AhKhQh7d7c", "AhKhQh7d2c"].indexOf(page.treeBoardText) >= 0, page.treeBoardText)
            compare(chip(findChild(level(4), "chanceNode")), page.treeBoardText.substr(8, 2))
            mock.actionsOverride = {}
            page.navigateToBreadcrumb(2)

            // The clicked card stays with the node; new results clear it.
            page.navigateToBreadcrumb(2)
            page.selectActionAtLevel(2, 0)
            compare(page.treeBoardText, "AhKhQh7d")
            mock.finishSolve()
            compare(levels(), [[0, -1]])
            compare(page.chanceCardDisplayOverrideByNode, {})
        }

        function test_picker_without_mapping_or_cards() {
            page.boardText = "AhKsQd"
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)
            page.openChancePicker(2, 3)
            var popup = findChild(page, "chanceCardPopup")
            tryCompare(popup, "opened", true)
            compare(enabledCards(popup), ["7c", "2c"], "three suits on the board: only listed cards")
            page.chooseChanceCardRandom()
            compare(page.treeLevels.count, 4)
            verify(["AhKsQd7c", "AhKsQd2c"].indexOf(page.treeBoardText) >= 0, page.treeBoardText)

            mock.actionsOverride = { "3": [] }
            page.navigateToBreadcrumb(2)
            page.openChancePicker(2, 3)
            page.chooseChanceCardRandom()
            compare(page.treeLevels.count, 3, "Random with no listed cards does nothing")
            compare(page.chancePickerLevelIndex, 2)
        }

        function test_path_queries_and_figures() {
            page.selectActionAtLevel(0, 1)
            compare([page._toCallAmount(), page._stackRemaining()], [33, 100])
            page.selectActionAtLevel(1, 1)
            page.openChancePicker(2, 5)
            page.chooseChanceCard(0, "7s")
            compare(page.currentNodeIndex, 8)
            compare(page._lastSelectedActionNameForActor("OOP"), "Bet 33%")
            compare(page._lastSelectedActionNameForActor("IP"), "Call")
            compare([page._findChanceLevel("turn"), page._findChanceLevel("river")], [2, -1])
            compare(page._boardFromTreeSelectionsUpTo(2), "AhKhQh")
            compare([page._toCallAmount(), page._stackRemaining()], [0, 67])
        }

        function test_play_mode_and_missing_results() {
            page.selectActionAtLevel(0, 1)
            page.playMode = true
            compare(levels(), [[0, -1]])
            clickAction(0, 1)
            compare(levels(), [[0, -1]], "the tree takes no clicks in play mode")
            mock.running = true
            compare(page.playMode, false, "a starting solve leaves play mode")

            mock.finishSolve([])
            compare(levels(), [[0, -1]])
            compare([page.currentMeta, page.currentActions, page._potSize()], [{}, [], 0])
            var before = mock.calls.length
            page.selectActionAtLevel(0, 0)
            page.refreshHandMatrix()
            for (var i = before; i < mock.calls.length; ++i)
                compare(mock.calls[i].name, "treeNodeCount", "no node query without a tree")
        }
    }
}
