import QtQuick
import QtTest
import Velmora

// Every page of the shell shown in turn: no image of any page may fail to
// open (a moved file or a wrong relative path leaves a blank where a logo
// or an icon should be, with only a warning in the log).
Item {
    id: host
    width: 1540
    height: 1000

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        name: "PageImages"
        when: windowShown

        function brokenImages(item, out) {
            if (item.status !== undefined && item.source !== undefined && item.sourceSize !== undefined
                    && item.status === Image.Error)
                out.push(String(item.source))
            for (var i = 0; i < item.children.length; ++i) brokenImages(item.children[i], out)
            return out
        }

        function test_every_page_opens_its_images() {
            failOnWarning(/Cannot open/)
            var shell = createTemporaryObject(shellComp, host)
            verify(shell)
            var pages = ["homePage", "projectPage", "solvePage", "resultsPage", "settingsPage"]
            for (var i = 0; i < pages.length; ++i) {
                shell.navIndex = i
                var page = findChild(shell, pages[i])
                verify(page, pages[i])
                tryVerify(function() { return page.visible }, 5000, pages[i] + " shown")
                compare(brokenImages(page, []), [], pages[i])
            }
        }
    }
}
