import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"
import "../../Velmora/qml/components/Ranks.js" as Ranks

// Playing cards and the board display: card text to rank, suit, glyph and
// colour, the three card forms, and which board slots report clicks.
Item {
    id: host
    width: 800
    height: 400

    Theme { id: theme }

    Component { id: cardComp; PlayingCard {} }
    Component { id: boardComp; BoardDisplay {} }

    SignalSpy { id: clickSpy; signalName: "clicked" }
    SignalSpy { id: slotSpy; signalName: "cardClicked" }

    TestCase {
        name: "PlayingCardAndBoard"
        when: windowShown

        readonly property var suitToken: ({ "s": "suitSpades", "h": "suitHearts", "d": "suitDiamonds", "c": "suitClubs" })
        readonly property var suitGlyph: ({ "s": "♠", "h": "♥", "d": "♦", "c": "♣" })

        function init() {
            theme.dark = true
            clickSpy.clear()
            slotSpy.clear()
        }

        function slot(board, i) {
            var s = findChild(board, "slot" + i)
            verify(s !== null, "slot " + i + " exists")
            return s
        }

        function form(card) {
            var shown = []
            if (findChild(card, "cardFace").visible) shown.push("face")
            if (findChild(card, "cardBack").visible) shown.push("back")
            if (findChild(card, "cardSlot").visible) shown.push("empty")
            return shown.join("+")
        }

        function test_all52CardTextsGiveRankSuitGlyphAndColour() {
            var board = createTemporaryObject(boardComp, host, { theme: theme })
            var ranks = Ranks.ORDER
            var suits = "shdc"
            for (var palette = 0; palette < 2; ++palette) {
                theme.dark = palette === 0
                for (var r = 0; r < 13; ++r) {
                    for (var s = 0; s < 4; ++s) {
                        var rank = ranks.charAt(r)
                        var suit = suits.charAt(s)
                        // Written in the "wrong" case: the board normalises it.
                        board.boardText = rank.toLowerCase() + suit.toUpperCase()
                        compare(board.cards[0].rank, rank)
                        compare(board.cards[0].suit, suit)
                        var card = slot(board, 0)
                        compare(card.rank, rank)
                        compare(card.suit, suit)
                        compare(form(card), "face", rank + suit)
                        compare(card.suitSymbol, suitGlyph[suit])
                        verify(Qt.colorEqual(card.suitColor, theme[suitToken[suit]]),
                               rank + suit + " colour " + card.suitColor)
                        compare(findChild(card, "topRank").text, rank)
                        compare(findChild(card, "topGlyph").text, suitGlyph[suit])
                    }
                }
            }
            // Hearts and diamonds are told apart by colour in both palettes.
            verify(!Qt.colorEqual(theme.suitHearts, theme.suitDiamonds))
        }

        function test_cardForms_data() {
            return [
                { tag: "rank only", props: { rank: "A", suit: "" }, form: "empty" },
                { tag: "suit only", props: { rank: "", suit: "h" }, form: "empty" },
                { tag: "face down", props: { rank: "K", suit: "s", faceDown: true }, form: "back" },
                { tag: "face", props: { rank: "K", suit: "s" }, form: "face" },
                { tag: "unknown suit", props: { rank: "7", suit: "x" }, form: "face" },
                { tag: "blank", props: {}, form: "empty" }
            ]
        }

        function test_cardForms(data) {
            var card = createTemporaryObject(cardComp, host, data.props)
            compare(form(card), data.form)
        }

        function test_upperCaseSuitAndUnknownSuit() {
            var card = createTemporaryObject(cardComp, host, { theme: theme, rank: "a", suit: "H" })
            compare(card.suitSymbol, "♥")
            verify(Qt.colorEqual(card.suitColor, theme.suitHearts))
            compare(findChild(card, "topRank").text, "a")
            card.suit = "x"
            compare(card.suitSymbol, "")
            verify(Qt.colorEqual(card.suitColor, theme.text))
        }

        function test_clicksRespectDisabledNotHoverable() {
            var card = createTemporaryObject(cardComp, host, { rank: "A", suit: "s", x: 10, y: 10 })
            clickSpy.target = card
            card.disabled = true
            mouseClick(card)
            compare(clickSpy.count, 0, "disabled card takes no click")
            compare(card.opacity, 0.4)
            mouseMove(card, 10, 10)
            compare(card.scale, 1.0, "disabled card does not grow")
            card.disabled = false
            card.hoverable = false
            mouseClick(card)
            compare(clickSpy.count, 1, "a card that is not hoverable still reports clicks")
            compare(findChild(card, "cardPointerArea").cursorShape, Qt.ArrowCursor)
            card.hoverable = true
            mouseMove(card, 12, 12)
            tryCompare(card, "scale", 1.05)
        }

        function test_boardParsing_data() {
            return [
                { tag: "empty", text: "", ranks: ["", "", "", "", ""], street: "Preflop" },
                { tag: "lower case with blanks", text: "ah ks qd", ranks: ["A", "K", "Q", "", ""], street: "Flop" },
                { tag: "trailing single char", text: "AhKsQd2", ranks: ["A", "K", "Q", "", ""], street: "Flop" },
                { tag: "gap marker", text: "AhKsQd__2c", ranks: ["A", "K", "Q", "", "2"], street: "Turn" },
                { tag: "invalid rank", text: "1hKs", ranks: ["", "K", "", "", ""], street: "Preflop" },
                { tag: "invalid suit", text: "Ax", ranks: ["", "", "", "", ""], street: "Preflop" },
                { tag: "duplicates kept", text: "AhAh", ranks: ["A", "A", "", "", ""], street: "Preflop" },
                { tag: "six cards", text: "AhKsQd2c9h3d", ranks: ["A", "K", "Q", "2", "9"], street: "River" }
            ]
        }

        function test_boardParsing(data) {
            var board = createTemporaryObject(boardComp, host, { boardText: data.text })
            verify(board.cards.length >= 5)
            for (var i = 0; i < 5; ++i) {
                compare(board.cards[i].rank, data.ranks[i], "slot " + i)
                compare(slot(board, i).rank, data.ranks[i])
            }
            compare(board.streetLabel, data.street)
            compare(findChild(board, "streetCaption").font.capitalization, Font.AllUppercase)
        }

        function test_boardVisibility() {
            var board = createTemporaryObject(boardComp, host, { boardText: "" })
            verify(!findChild(board, "flopGroup").visible, "no flop plate without a first card")
            verify(slot(board, 3).visible && slot(board, 4).visible)
            board.compact = true
            verify(!findChild(board, "flopGroup").visible)
            verify(!slot(board, 3).visible && !slot(board, 4).visible, "compact shows only dealt cards")
            verify(!findChild(board, "streetCaption").visible)
            board.editable = true
            verify(findChild(board, "flopGroup").visible && slot(board, 3).visible && slot(board, 4).visible)
            board.editable = false
            board.boardText = "1hKs"
            verify(!findChild(board, "flopGroup").visible, "plate hidden while slot 0 is empty")
            board.boardText = "7c"
            verify(slot(board, 0).visible && !slot(board, 1).visible && !slot(board, 2).visible,
                   "a single compact card shows one card")
        }

        function test_boardClicks() {
            var board = createTemporaryObject(boardComp, host, { boardText: "AhKsQd", x: 20, y: 20 })
            slotSpy.target = board
            wait(0)
            mouseClick(slot(board, 0))
            mouseClick(slot(board, 3))
            compare(slotSpy.count, 0, "a board that is not editable emits nothing")

            board.editable = true
            board.clickableIndices = [3, 4]
            verify(!slot(board, 0).hoverable)
            mouseClick(slot(board, 1))
            compare(slotSpy.count, 0)
            mouseClick(slot(board, 3))
            compare(slotSpy.count, 1)
            compare(slotSpy.signalArguments[0][0], 3)
            // Empty turn and river: the river cannot be chosen yet.
            verify(slot(board, 4).disabled)
            mouseClick(slot(board, 4))
            compare(slotSpy.count, 1)

            board.boardText = "AhKsQd__2c"
            verify(!slot(board, 4).disabled, "a dealt river beside an empty turn stays enabled")
            mouseClick(slot(board, 4))
            compare(slotSpy.count, 2)
            compare(slotSpy.signalArguments[1][0], 4)

            board.clickableIndices = ["3", "4"]
            mouseClick(slot(board, 3))
            board.clickableIndices = 3
            mouseClick(slot(board, 3))
            compare(slotSpy.count, 2, "strings or a plain number make no slot clickable")

            board.clickableIndices = null
            mouseClick(slot(board, 0))
            compare(slotSpy.count, 3)
            compare(slotSpy.signalArguments[2][0], 0)
        }
    }
}
