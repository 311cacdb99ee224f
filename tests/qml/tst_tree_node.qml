import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"

// Tree node: titles and info texts, the fill blended from the action colour,
// text colours chosen by brightness, and clicks.
Item {
    id: host
    width: 400
    height: 200

    Theme { id: theme }

    Component { id: nodeComp; TreeNode {} }
    SignalSpy { id: spy; signalName: "clicked" }

    TestCase {
        name: "TreeNode"
        when: windowShown

        function init() {
            theme.dark = true
            spy.clear()
        }

        function make(props) {
            var p = props || {}
            p.theme = p.hasOwnProperty("theme") ? p.theme : theme
            var n = createTemporaryObject(nodeComp, host, p)
            spy.target = n
            return n
        }

        function text(n, name) {
            return findChild(n, name).text
        }

        function blend(a, b, t) {
            return Qt.rgba(a.r * (1 - t) + b.r * t, a.g * (1 - t) + b.g * t, a.b * (1 - t) + b.b * t, 1)
        }

        function close(c, e, what) {
            var d = Math.abs(c.r - e.r) + Math.abs(c.g - e.g) + Math.abs(c.b - e.b)
            verify(d < 0.01, what + ": " + c + " vs " + e)
        }

        function test_titles_data() {
            return [
                { tag: "decision", props: { player: "IP" }, title: "IP" },
                { tag: "chance with title", props: { nodeType: "chance", player: "Turn: 7h" }, title: "Turn: 7h" },
                { tag: "chance without title", props: { nodeType: "chance", player: "" }, title: "Deal" },
                { tag: "terminal", props: { nodeType: "terminal", player: "OOP" }, title: "Terminal" },
                { tag: "unknown type", props: { nodeType: "weird", player: "OOP" }, title: "OOP" }
            ]
        }

        function test_titles(data) {
            var n = make(data.props)
            compare(text(n, "nodeTitle"), data.title)
        }

        function test_infoTexts() {
            var n = make({ pot: 150.4, frequency: 0.425, ev: 1.234, action: "Bet 33%", actionType: "bet" })
            compare(text(n, "potText"), "Pot: 150")
            compare(text(n, "freqText"), "Freq: 43%")
            compare(text(n, "evText"), "EV: +1.23")
            verify(Qt.colorEqual(findChild(n, "evText").color, theme.success))
            compare(text(n, "actionChipText"), "Bet 33%")
            verify(findChild(n, "actionChip").visible)

            n.ev = -0.5
            compare(text(n, "evText"), "EV: -0.50")
            verify(Qt.colorEqual(findChild(n, "evText").color, theme.danger))
            n.frequency = 1.7
            compare(text(n, "freqText"), "Freq: 100%")
            n.frequency = 0
            compare(text(n, "freqText"), "Freq: 0%")
            n.pot = 0
            n.ev = 0
            verify(findChild(n, "infoRow").visible, "frequency 0 still shows the row")
            verify(!findChild(n, "potText").visible)
            verify(!findChild(n, "evText").visible)
            n.frequency = NaN
            compare(text(n, "freqText"), "Freq: —", "no hand reaches the node")
            verify(findChild(n, "infoRow").visible)
            n.frequency = -1
            verify(!findChild(n, "infoRow").visible, "nothing to show hides the row")
            n.action = ""
            verify(!findChild(n, "actionChip").visible)
        }

        function test_fillFromActionColour() {
            var n = make({ action: "Bet 33%", actionType: "bet" })
            close(n._fill, blend(theme.surface2, theme.actionColor("Bet 33%"), 0.28), "sized bet")
            verify(!Qt.colorEqual(theme.actionColor("Bet 33%"), theme.actionBet))
            n.action = "Bet"
            close(n._fill, blend(theme.surface2, theme.actionBet, 0.28), "bet without a size")
            n.actionType = "BET"
            n.action = "Bet 33%"
            close(n._fill, blend(theme.surface2, theme.actionColor("Bet 33%"), 0.28), "upper-case kind")
            n.actionType = "check"
            close(n._fill, blend(theme.surface2, theme.actionCheck, 0.28), "the label's size only counts for bets and raises")
            n.nodeType = "chance"
            close(n._fill, blend(theme.surface2, theme.gold, 0.22), "chance")
            n.nodeType = "terminal"
            close(n._fill, Qt.lighter(theme.surface3, 1.0), "terminal")
        }

        function test_textColoursFollowBrightness() {
            var n = make({ action: "Raise 33%", actionType: "raise", pot: 10 })
            // Dark palette: fills are dark, texts light.
            verify(Qt.colorEqual(findChild(n, "nodeTitle").color, theme.text))
            verify(Qt.colorEqual(findChild(n, "potText").color, theme.textMuted))
            // A light size-graded raise chip carries dark text, the blue call chip light text.
            verify(Qt.colorEqual(findChild(n, "actionChipText").color, "#0B0F14"))
            n.action = "Call"
            n.actionType = "call"
            verify(Qt.colorEqual(findChild(n, "actionChipText").color, theme.text))

            theme.dark = false
            var kinds = [["Check", "check", "decision"], ["Bet 75%", "bet", "decision"], ["Fold", "fold", "decision"],
                         ["", "", "chance"], ["", "", "terminal"]]
            for (var i = 0; i < kinds.length; ++i) {
                n.action = kinds[i][0]
                n.actionType = kinds[i][1]
                n.nodeType = kinds[i][2]
                verify(Qt.colorEqual(findChild(n, "nodeTitle").color, "#0B0F14"), "light fill " + i)
                verify(Qt.colorEqual(findChild(n, "potText").color, "#2D333B"))
            }
            // A purple chip keeps light text in the light palette too.
            n.nodeType = "decision"
            n.action = "Bet 75%"
            n.actionType = "bet"
            verify(Qt.colorEqual(findChild(n, "actionChipText").color, theme.textInverse))
        }

        function test_expandButtonAndDot() {
            var n = make({ hasChildren: true })
            verify(findChild(n, "expandButton").visible)
            verify(!findChild(n, "typeDot").visible)
            n.hasChildren = false
            verify(!findChild(n, "expandButton").visible)
            verify(findChild(n, "typeDot").visible)
            verify(Qt.colorEqual(findChild(n, "typeDot").color, theme.actionBet))
            n.player = "IP"
            verify(Qt.colorEqual(findChild(n, "typeDot").color, theme.info))
            n.hasChildren = true
            n.nodeType = "chance"
            verify(findChild(n, "typeDot").visible, "only decision nodes expand")
            verify(Qt.colorEqual(findChild(n, "typeDot").color, theme.gold))
        }

        function test_clicksAnywhere() {
            var n = make({ hasChildren: true })
            var button = findChild(n, "expandButton")
            mouseClick(button)
            compare(spy.count, 1, "a click on the expand button reaches the caller")
            mouseClick(n, n.width - 5, n.height / 2)
            compare(spy.count, 2)
        }
    }
}
