import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/pages/project/boardtext.js" as BoardText
import "../../Velmora/qml/components/ProjectState.js" as ProjectState
import "../../Velmora/qml/components/Ranks.js" as Ranks

// Board of the Setup page: the board text functions, the card picker edits
// through a real shell (gaps, street, badge, the shell's mirror), the cards
// the picker refuses, and where the picker opens in a small window.
Item {
    id: host
    width: 900
    height: 620

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }
    Component {
        id: pageComp
        ProjectPage {}
    }

    TestCase {
        name: "SetupBoard"
        when: windowShown

        function pick(page, dialog, card) {
            verify(dialog.visible, "picker open")
            mouseClick(findChild(dialog.picker, "cell_" + card))
            tryCompare(dialog, "visible", false)
        }

        // All 36 mirrored values of the page equal the shell's own.
        function compareMirror(shell, page) {
            var keys = ProjectState.pageKeyNames()
            compare(keys.length, 36)
            for (var i = 0; i < keys.length; ++i)
                compare(page[keys[i]], shell[keys[i]], keys[i])
        }

        function test_board_text_functions() {
            var streets = [["", "flop"], ["AhKs", "flop"], ["AhKsQd", "flop"], ["ahkSqd7c", "turn"],
                           ["AhKsQd7c2h", "river"], ["AhKsQd__2h", "turn"], [" Ah Ks Qd 7c 2h 3s ", "river"]]
            for (var i = 0; i < streets.length; ++i)
                compare(BoardText.inferStreet(streets[i][0]), streets[i][1], streets[i][0])
            var boards = [["AhKsQd", true], ["AhKsQd2c", true], ["AhKsQd2c9h", true], ["AhKsQd__2c", false],
                          ["AhKsQd2", false], ["AhKsQd2c9", false], ["AhKs", false], ["ah ks qd", true],
                          ["AhKsQd2c9h8s", false], ["AhKsXd", false]]
            for (i = 0; i < boards.length; ++i)
                compare(BoardText.isValidBoard(boards[i][0]), boards[i][1], boards[i][0])
            compare(BoardText.slots("ah Ks__7c"), ["ah", "Ks", "", "7c", ""])
            compare(BoardText.fromSlots(["", "", "", "", ""]), "")
            compare(BoardText.withCardAt("", 4, "2c"), "________2c")
            compare(BoardText.withCardAt("AhKsQd", 7, "2c"), "AhKsQd", "index outside the board")
            compare(BoardText.clearedFrom("AhKsQd7c2c", 0), "")
        }

        function test_picker_edits_reach_the_shell() {
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.navIndex = 1
            shell.boardText = "AhKsQd"
            var page = findChild(shell, "projectPage")
            var dialog = findChild(page, "cardPickerDialog")
            var badge = findChild(page, "projectSectionHeader")
            compare(page.boardText, "AhKsQd")
            // No range and no size yet: whatever the board, nothing can be solved.
            compare(badge.badge, "Setup Required")

            // The river slot takes no click before the turn; pick for it as a click would.
            page._openCardPicker(4)
            compare(findChild(dialog.contentItem, "cardPickerSlotLabel").text, "River card")
            pick(page, dialog, "2c")
            compare(page.boardText, "AhKsQd__2c")
            compare(page.startingStreet, "turn")
            compare(badge.badge, "Setup Required")
            compare(shell.startingStreet, "turn")
            compareMirror(shell, page)

            mouseClick(findChild(findChild(page, "boardDisplay"), "slot3"))
            compare(page.editingCardIndex, 3)
            compare(findChild(dialog.contentItem, "cardPickerSlotLabel").text, "Turn card")
            pick(page, dialog, "7c")
            compare(page.boardText, "AhKsQd7c2c")
            compare(shell.startingStreet, "river")
            compare(badge.badge, "Setup Required")

            mouseClick(findChild(findChild(page, "boardDisplay"), "slot1"))
            compare(findChild(dialog.contentItem, "cardPickerSlotLabel").text, "Flop card")
            mouseClick(findChild(dialog.footer, "clearCardButton"))
            tryCompare(dialog, "visible", false)
            compare(page.boardText, "Ah")
            compare(shell.boardText, "Ah")
            compare(shell.startingStreet, "flop")

            // A new state applied by the shell reaches the page again.
            shell.applyProjectState({ boardText: "2c3d4h5s", startingPot: 42 })
            shell.syncPagesFromRoot()
            compare(page.boardText, "2c3d4h5s")
            compare(page.startingStreet, "turn")
            compare(page.startingPot, 42)
            compareMirror(shell, page)
            shell.boardText = "9s8s7s"
            shell.ipTurnBetSizesText = "40, 80"
            compare(page.boardText, "9s8s7s")
            compareMirror(shell, page)
        }

        function test_picker_refuses_the_board_cards() {
            var page = createTemporaryObject(pageComp, host, { width: 900, height: 620, boardText: "ahKSqd7c" })
            compare(page.usedBoardCards, ["Ah", "Ks", "Qd", "7c"])
            var dialog = findChild(page, "cardPickerDialog")
            page._openCardPicker(3)
            var ranks = Ranks.ORDER, suits = "shdc"
            for (var r = 0; r < 13; ++r) {
                for (var s = 0; s < 4; ++s) {
                    var card = ranks.charAt(r) + suits.charAt(s)
                    compare(findChild(dialog.picker, "cell_" + card).used,
                            page.usedBoardCards.indexOf(card) >= 0, card)
                }
            }
            // The edited slot's own card cannot be picked again either.
            mouseClick(findChild(dialog.picker, "cell_7c"))
            compare(page.boardText, "ahKSqd7c")
            // Editing another slot keeps the other pairs as written.
            mouseClick(findChild(dialog.picker, "cell_2d"))
            compare(page.boardText, "ahKSqd2d")
        }

        function windowRect(dialog) {
            var tl = dialog.background.mapToItem(null, 0, 0)
            return { x: tl.x, y: tl.y, w: dialog.background.width, h: dialog.background.height }
        }

        function test_picker_placement() {
            // Room below the board: the picker opens 8 under its bottom-left
            // corner, even with the page away from the window's origin.
            var page = createTemporaryObject(pageComp, host, { x: 40, y: 20, width: 860, height: 600 })
            var dialog = findChild(page, "cardPickerDialog")
            var board = findChild(page, "boardDisplay")
            page._openCardPicker(0)
            var corner = board.mapToItem(null, 0, board.height)
            var r = windowRect(dialog)
            fuzzyCompare(r.x, corner.x, 0.5)
            fuzzyCompare(r.y, corner.y + 8, 0.5)
            dialog.close()
            tryCompare(dialog, "visible", false)

            // The board near the bottom of the window, scrolled sideways: the
            // picker stays 12 inside on every side.
            page.y = 330
            page.height = 290
            findChild(page, "flickable").contentX = 60
            page._openCardPicker(2)
            r = windowRect(dialog)
            verify(r.h > 200, "the title and the footer count")
            verify(r.x >= 12 && r.y >= 12, "top-left " + r.x + "," + r.y)
            verify(r.x + r.w <= host.width - 12, "right edge " + (r.x + r.w))
            verify(r.y + r.h <= host.height - 12, "bottom edge " + (r.y + r.h))
            fuzzyCompare(r.y + r.h, host.height - 12, 0.5)
        }
    }
}
