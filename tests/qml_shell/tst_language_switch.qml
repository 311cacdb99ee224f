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

        // Opens the list's popup and returns its entry `index` once laid out.
        function openEntry(combo, index) {
            mouseClick(combo)
            tryCompare(combo.popup, "opened", true)
            var list = combo.popup.contentItem
            list.positionViewAtIndex(index, ListView.Contain)
            list.forceLayout()
            var item = null
            tryVerify(function() { item = list.itemAtIndex(index); return item && item.visible && item.height > 0 },
                      2000, "entry " + index)
            return item
        }

        function choose(combo, index) {
            mouseClick(openEntry(combo, index))
            compare(combo.popup.visible, false)
            compare(languageManager.currentLanguage, codes[index])
            compare(combo.currentIndex, index)
            // The crash came in the layouts' polish after the retranslation.
            waitForRendering(combo)
        }

        function test_every_language_from_every_other_through_the_popup() {
            var shell = createTemporaryObject(shellComp, host)
            shell.applyProjectState({ boardText: "AhKsQd7c", startingStreet: "turn" })
            var street = findChild(findChild(shell, "solvePage"), "summaryStreet")
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
            // From each entry to each other one exactly once: 0 1 0 2 .. 0 8,
            // 1 2 1 3 .. 1 8, .., 7 8, and back to 0.
            for (var i = 0; i + 1 < codes.length; ++i) {
                for (var j = i + 1; j < codes.length; ++j) {
                    if (combo.currentIndex !== i)
                        choose(combo, i)
                    choose(combo, j)
                }
            }
            choose(combo, 0)
            compare(replaced.length, 0, "items replaced: " + replaced.slice(0, 5).join(", "))
            compare(combo.displayText, "System default")
            compare(street.text, "TURN")
            // The fixed list words its first entry in the new language, the
            // others in their own; the Solve page's summary names the street.
            choose(combo, 8)
            compare(openEntry(combo, 0).contentItem.text, "Как в системе")
            compare(combo.popup.contentItem.itemAtIndex(4).contentItem.text, "Deutsch")
            combo.popup.close()
            compare(street.text, "ТЁРН")
        }
    }
}
