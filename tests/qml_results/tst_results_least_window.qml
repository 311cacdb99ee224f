import QtQuick
import QtQuick.Window
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The least window, 1100x700, started again and again in French as the
// program starts (its first size is not always the last): the Results
// header fits its panel and Exploitability and Hand Details can be reached;
// in every language then, Home's figures and the Solve summary show their
// texts whole.
Item {
    id: host

    Component {
        id: windowComp
        Window {
            property alias shell: windowShell
            visible: true
            AppShell { id: windowShell; anchors.fill: parent; controller: appController }
        }
    }

    TestCase {
        name: "ResultsLeastWindow"
        when: windowShown

        function cleanup() {
            languageManager.setLanguage("system")
            appController.clearResults()
        }
        function named(inside, name) { var item = findChild(inside, name); verify(item, name); return item }
        function show(shell, nav) { shell.navIndex = nav; waitForRendering(shell) }
        // The header within its panel, Exploitability on it, and Hand Details
        // whole in view once scrolled fully right.
        function checkResults(shell, what) {
            show(shell, 3)
            var panel = named(shell, "strategyPanel"), flick = named(panel, "strategyFlickable")
            flick.contentX = Math.max(0, flick.contentWidth + flick.rightMargin - flick.width)
            var e = named(panel, "exploitabilityCard").mapToItem(panel, 0, 0).x + named(panel, "exploitabilityCard").width
            var d = named(panel, "handDetailsCard").mapToItem(flick, 0, 0).x + named(panel, "handDetailsCard").width
            verify(named(panel, "strategyHeader").width <= panel.availableWidth + 0.5 && e <= panel.width
                   && d <= flick.width + 0.5, what + ": header, Exploitability " + e + ", Hand Details " + d)
            flick.contentX = 0
        }

        function test_french_starts() {
            var shell = null
            for (var first of [[1540, 1200], [1100, 700], [1280, 800], [1540, 1200]]) {
                languageManager.setLanguage("fr")
                var win = createTemporaryObject(windowComp, host, { width: first[0], height: first[1] })
                shell = win.shell
                shell.resetToNewProject()
                shell.applyProjectState(Spots.riverSpot(30))
                tryCompare(shell, "canSolve", true, 15000)
                shell._startSolveFromShortcut()
                tryCompare(appController, "resultIterations", 30, 60000)
                show(shell, 3)
                win.width = 1100
                win.height = 700
                checkResults(shell, "started at " + first)
                show(shell, 0)
                checkResults(shell, "back from Home, started at " + first)
            }
            for (var code of ["en", "de", "es", "fr", "it", "pl", "pt_BR", "ru"]) {
                languageManager.setLanguage(code)
                checkResults(shell, code)
                show(shell, 0)
                for (var stat of ["handsStat", "accuracyStat", "evLossStat"]) {
                    var caption = named(named(shell, stat), "statCaption")
                    verify(!caption.truncated && caption.contentWidth <= caption.width + 0.5, code + ": " + caption.text)
                }
                show(shell, 2)
                for (var name of ["summaryPotStack", "summaryTarget", "summaryRake", "summaryBetSizes"]) {
                    var value = named(shell, name)
                    tryVerify(function() { return !value.truncated }, 2000, code + ": " + value.text)
                }
            }
        }
    }
}
