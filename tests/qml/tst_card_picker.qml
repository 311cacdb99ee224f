import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"
import "../../Velmora/qml/components/Ranks.js" as Ranks

// Card picker: the deck in suit rows and rank columns, used cards refused,
// the chosen card reported as card text.
Item {
    id: host
    width: 800
    height: 400

    Theme { id: theme }

    Component { id: pickerComp; CardPicker {} }
    SignalSpy { id: spy; signalName: "cardSelected" }

    TestCase {
        name: "CardPicker"
        when: windowShown

        function init() {
            theme.dark = true
            spy.clear()
        }

        function cell(picker, card) {
            var c = findChild(picker, "cell_" + card)
            verify(c !== null, "cell " + card)
            return c
        }

        function test_gridKeepsRankAndSuitOrder() {
            var picker = createTemporaryObject(pickerComp, host, { theme: theme })
            var ranks = Ranks.ORDER
            var suits = "shdc"
            for (var s = 0; s < 4; ++s) {
                var rowY = cell(picker, "A" + suits.charAt(s)).mapToItem(picker, 0, 0).y
                var lastX = -1
                for (var r = 0; r < 13; ++r) {
                    var c = cell(picker, ranks.charAt(r) + suits.charAt(s))
                    var p = c.mapToItem(picker, 0, 0)
                    compare(p.y, rowY, "one row per suit")
                    verify(p.x > lastX, "ranks run A to 2 from the left")
                    lastX = p.x
                }
                if (s > 0)
                    verify(rowY > cell(picker, "A" + suits.charAt(s - 1)).mapToItem(picker, 0, 0).y,
                           "suit rows run s, h, d, c from the top")
            }
            // Header, then ace: the ace stands right of the suit box.
            verify(cell(picker, "As").mapToItem(picker, 0, 0).x
                   > findChild(picker, "suitHeader_s").mapToItem(picker, 0, 0).x)
            var wide = picker.implicitWidth
            picker.showSuitHeaders = false
            verify(!findChild(picker, "suitHeader_s").visible)
            tryVerify(function() { return cell(picker, "As").mapToItem(picker, 0, 0).x === 8 },
                      1000, "spacer 4 plus spacing 4")
            verify(picker.implicitWidth < wide)
        }

        function test_everyFreeCellReportsItsCard() {
            var picker = createTemporaryObject(pickerComp, host, { theme: theme, usedCards: [] })
            spy.target = picker
            var ranks = Ranks.ORDER
            var suits = "shdc"
            for (var s = 0; s < 4; ++s) {
                for (var r = 0; r < 13; ++r) {
                    var card = ranks.charAt(r) + suits.charAt(s)
                    verify(!cell(picker, card).used)
                    mouseClick(cell(picker, card))
                    compare(spy.signalArguments[spy.count - 1][0], card)
                }
            }
            compare(spy.count, 52)
        }

        function test_usedCardsAreRefused() {
            var picker = createTemporaryObject(pickerComp, host, { theme: theme, usedCards: ["Ah", "Ks", "QD"] })
            spy.target = picker
            verify(cell(picker, "Ah").used)
            verify(cell(picker, "Ks").used)
            verify(cell(picker, "Qd").used, "the suit letter may be upper case")
            compare(cell(picker, "Ah").opacity, 0.3)
            mouseClick(cell(picker, "Ah"))
            mouseClick(cell(picker, "Ks"))
            mouseClick(cell(picker, "Qd"))
            compare(spy.count, 0, "used cards emit nothing")
            mouseClick(cell(picker, "Ts"))
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], "Ts")

            // The owner marks the chosen card as used: it is refused from then on.
            picker.usedCards = picker.usedCards.concat(["Ts"])
            verify(cell(picker, "Ts").used)
            mouseClick(cell(picker, "Ts"))
            compare(spy.count, 1)

            verify(picker.isCardUsed("Q", "d"))
            verify(!picker.isCardUsed("a", "h"), "the rank is compared as written")
            picker.usedCards = ["ah"]
            verify(!cell(picker, "Ah").used)
            picker.usedCards = null
            verify(!picker.isCardUsed("A", "h"))
        }

        function test_rowColours() {
            var picker = createTemporaryObject(pickerComp, host, { theme: theme })
            var spadeLetter = findChild(cell(picker, "As"), "rankLetter")
            var heartLetter = findChild(cell(picker, "Ah"), "rankLetter")
            verify(Qt.colorEqual(spadeLetter.color, theme.text), "dark palette: spades in the text colour")
            verify(Qt.colorEqual(heartLetter.color, theme.suitHearts))
            theme.dark = false
            verify(Qt.colorEqual(spadeLetter.color, theme.suitSpades), "light palette: the suit colour rule")
            verify(Qt.colorEqual(heartLetter.color, theme.suitHearts))
            picker.theme = null
            verify(Qt.colorEqual(spadeLetter.color, "white"))
            verify(Qt.colorEqual(heartLetter.color, "white"))
        }
    }
}
