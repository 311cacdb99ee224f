import QtQuick
import QtQuick.Window
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The program's least window, 1100x700, started again and again as the
// program starts: a window of its own holding the shell, in a language, a
// spot solved and the Results page shown. The strategy header fits its panel
// (its figures under the title where both do not fit side by side), the
// Exploitability card and the Hand Details card can be reached, the Home
// page's figures show their captions whole and the Solve page's summary its
// values, in every language; a page change and a language switch keep it so.
Item {
    id: host
    width: 400
    height: 300

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
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
            appController.clearResults()
        }

        function named(inside, name) {
            var item = findChild(inside, name)
            verify(item, name)
            return item
        }
        function rectIn(item, target) {
            var p = item.mapToItem(target, 0, 0)
            return { x: p.x, y: p.y, w: item.width, h: item.height }
        }

        // Starts the program's window at `first`, in `language`, solves a
        // tiny spot and shows its result; the window then takes `size`, as
        // it does when the screen's size is known after the first layout.
        function start(language, first, size) {
            languageManager.setLanguage(language)
            var win = createTemporaryObject(windowComp, host, { width: first[0], height: first[1] })
            verify(win)
            var shell = win.shell
            shell.resetToNewProject()
            shell.applyProjectState(Spots.riverSpot(30))
            tryCompare(shell, "canSolve", true, 15000)
            shell._startSolveFromShortcut()
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            compare(appController.statusText, "Done")
            shell.navIndex = 3
            waitForRendering(shell)
            win.width = size[0]
            win.height = size[1]
            waitForRendering(shell)
            return shell
        }

        // The header within its panel, the Exploitability card on the panel,
        // and the Hand Details card whole in view once scrolled fully right.
        function checkResults(shell, what) {
            var page = named(shell, "resultsPage"), panel = named(page, "strategyPanel")
            var header = named(panel, "strategyHeader"), flick = named(panel, "strategyFlickable")
            var right = panel.width - panel.rightPadding + 0.5
            verify(header.width <= panel.availableWidth + 0.5,
                   what + ": header " + header.width + " in " + panel.availableWidth)
            var e = rectIn(named(header, "exploitabilityCard"), panel)
            verify(e.x >= panel.leftPadding - 0.5 && e.x + e.w <= right, what + ": Exploitability at " + JSON.stringify(e))
            var p = rectIn(panel, shell)
            verify(p.x >= -0.5 && p.x + p.w <= shell.width + 0.5, what + ": panel at " + JSON.stringify(p))
            flick.contentX = Math.max(0, flick.contentWidth + flick.rightMargin - flick.width)
            waitForRendering(page)
            var d = rectIn(named(page, "handDetailsCard"), flick)
            verify(d.x >= -0.5 && d.x + d.w <= flick.width + 0.5, what + ": Hand Details at " + JSON.stringify(d))
            flick.contentX = 0
        }

        // The three figures of play against the solution, captions whole.
        function checkHome(shell, what) {
            for (var name of ["handsStat", "accuracyStat", "evLossStat"]) {
                var caption = named(named(shell, name), "statCaption")
                verify(caption.text.length > 0 && !caption.truncated && caption.contentWidth <= caption.width + 0.5,
                       what + ": " + caption.text + " " + caption.contentWidth + " in " + caption.width)
            }
        }

        // The Solve page's summary shows every figure whole: the target in
        // chips among them.
        function checkSolve(shell, what) {
            shell.navIndex = 2
            waitForRendering(shell)
            for (var name of ["summaryStreet", "summaryPotStack", "summaryTarget", "summaryRake", "summaryBetSizes"]) {
                var value = named(shell, name)
                tryVerify(function() { return !value.truncated }, 2000, what + ": " + name + " " + value.text)
            }
        }

        function test_french_starts() {
            var starts = [[1540, 1200], [1100, 700], [1280, 800], [1540, 1200]]
            for (var i = 0; i < starts.length; ++i) {
                var shell = start("fr", starts[i], [1100, 700])
                checkResults(shell, "start " + i + " from " + starts[i])
                shell.navIndex = 0
                waitForRendering(shell)
                checkHome(shell, "start " + i)
                shell.navIndex = 3
                waitForRendering(shell)
                checkResults(shell, "start " + i + " back from Home")
            }
            // A switch to English and back lays the header out again.
            languageManager.setLanguage("en")
            waitForRendering(shell)
            checkResults(shell, "switched to English")
            languageManager.setLanguage("fr")
            waitForRendering(shell)
            checkResults(shell, "switched back to French")
        }

        function test_every_language_data() {
            return ["en", "de", "es", "fr", "it", "pl", "pt_BR", "ru"].map(function(code) { return { tag: code } })
        }
        function test_every_language(data) {
            var shell = start(data.tag, [1540, 1200], [1100, 700])
            checkResults(shell, data.tag)
            shell.navIndex = 0
            waitForRendering(shell)
            checkHome(shell, data.tag)
            checkSolve(shell, data.tag)
        }
    }
}
