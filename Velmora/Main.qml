import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window
import "qml/components" as Components
import "qml/components/WindowSize.js" as WindowSize

// The program's only top-level window: geometry, title and background; the
// shell inside does everything else. The window opens within the screen's
// available area; below the least size the content scrolls.
ApplicationWindow {
    id: window

    width: WindowSize.width(appShell.projectRecommendedWidth, Math.min(Screen.width, Screen.desktopAvailableWidth))
    height: WindowSize.height(Math.min(Screen.height, Screen.desktopAvailableHeight))
    minimumWidth: WindowSize.minimumWidth(appShell.projectRecommendedWidth,
                                          Math.min(Screen.width, Screen.desktopAvailableWidth))
    minimumHeight: WindowSize.minimumHeight(Math.min(Screen.height, Screen.desktopAvailableHeight))
    visible: true
    title: qsTr("Caldirune")
    // Dark until the shell has painted its own background, so nothing white
    // flashes while it is being created.
    color: "#080B12"
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
           | Qt.WindowMinMaxButtonsHint | Qt.WindowCloseButtonHint

    // Scrolled by its bars only, so drags inside the pages stay theirs.
    Flickable {
        id: scroller
        objectName: "windowScroller"
        anchors.fill: parent
        interactive: false
        clip: true
        contentWidth: WindowSize.contentWidth(width)
        // A horizontal bar takes its height from the content, so it covers nothing.
        contentHeight: WindowSize.contentHeight(height - (contentWidth > width ? barH.height : 0))

        ScrollBar.horizontal: ScrollBar {
            id: barH
            objectName: "windowScrollBarH"
            policy: scroller.contentWidth > scroller.width ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }
        ScrollBar.vertical: ScrollBar {
            objectName: "windowScrollBarV"
            policy: scroller.contentHeight > scroller.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }

        Components.AppShell {
            id: appShell
            width: scroller.contentWidth
            height: scroller.contentHeight
            controller: appController
        }
    }
}
