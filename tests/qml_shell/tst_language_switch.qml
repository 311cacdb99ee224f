import QtQuick
import QtTest
import Velmora

// Choosing a language the way a user does, through the list's popup on the
// shell's Settings page: every entry from every other one, each time waiting
// for the window to lay itself out again.
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        name: "LanguageSwitch"
        when: windowShown

        readonly property var codes: ["system", "en", "es", "fr", "de", "pt_BR", "it", "pl", "ru"]

        function cleanup() {
            languageManager.setLanguage("system")
        }

        function popupEntry(combo, index) {
            var item = combo.popup.contentItem.itemAtIndex(index)
            return item && item.visible && item.height > 0 ? item : null
        }

        function choose(combo, index) {
            mouseClick(combo)
            tryCompare(combo.popup, "opened", true)
            var list = combo.popup.contentItem
            list.positionViewAtIndex(index, ListView.Contain)
            list.forceLayout()
            tryVerify(function() { return popupEntry(combo, index) !== null }, 2000, "entry " + index)
            mouseClick(popupEntry(combo, index))
            compare(combo.popup.visible, false)
            compare(languageManager.currentLanguage, codes[index])
            compare(combo.currentIndex, index)
            // The crash came in the layouts' polish after the retranslation.
            waitForRendering(combo)
        }

        // An order of the entries that goes from each one to each other one
        // exactly once (a circuit through every ordered pair).
        function everyPairOrder(n) {
            var next = []
            for (var i = 0; i < n; ++i) {
                next.push([])
                for (var j = n - 1; j >= 0; --j)
                    if (j !== i)
                        next[i].push(j)
            }
            var stack = [0], circuit = []
            while (stack.length > 0) {
                var top = stack[stack.length - 1]
                if (next[top].length > 0)
                    stack.push(next[top].pop())
                else
                    circuit.push(stack.pop())
            }
            return circuit.reverse()
        }

        // The Solve page's summary names the street in the chosen language.
        function test_solve_summary_street_follows_the_language() {
            var shell = createTemporaryObject(shellComp, host)
            shell.applyProjectState({ boardText: "AhKsQd7c", startingStreet: "turn" })
            var street = findChild(findChild(shell, "solvePage"), "summaryStreet")
            compare(street.text, "TURN")
            languageManager.setLanguage("ru")
            compare(street.text, "ТЁРН")
        }

        function test_every_language_from_every_other_through_the_popup() {
            var shell = createTemporaryObject(shellComp, host)
            shell.navIndex = 4
            var page = findChild(shell, "settingsPage")
            waitForRendering(page)
            var combo = findChild(page, "languageCombo")
            // A retranslation changes texts only: a repeater that replaced
            // its items would leave them to the layouts it fills.
            var replaced = []
            function watch(item) {
                if (String(item).indexOf("QQuickRepeater") === 0)
                    item.itemRemoved.connect(function(i, gone) { replaced.push(String(gone)) })
                for (var c = 0; c < item.children.length; ++c)
                    watch(item.children[c])
            }
            watch(shell)
            var order = everyPairOrder(codes.length)
            compare(order.length, codes.length * (codes.length - 1) + 1)
            for (var k = 1; k < order.length; ++k)
                choose(combo, order[k])
            compare(replaced.length, 0, "items replaced: " + replaced.slice(0, 5).join(", "))
            compare(combo.displayText, "System default")
            // The fixed list still words its first entry in the new language.
            choose(combo, 4)
            mouseClick(combo)
            tryCompare(combo.popup, "opened", true)
            tryVerify(function() { return popupEntry(combo, 0) !== null })
            compare(popupEntry(combo, 0).contentItem.text, "Systemstandard")
            compare(popupEntry(combo, 8).contentItem.text, "Русский")
            combo.popup.close()
        }
    }
}
