import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window
import "qml/components" as Components
import "qml/components/WindowSize.js" as WindowSize

// The program's only top-level window: geometry, title and background; the
// shell inside does everything else. The window opens within the screen's
// available area; below the least size the content scrolls. Once the user
// has sized the window, that size stays (a language switch evaluates every
// binding again): only a larger least size widens it, while it lasts.
ApplicationWindow {
    id: window

    // The size the user gave the window; 0 until then.
    property int _givenWidth: 0
    property int _givenHeight: 0

    function _wantedWidth() {
        return _givenWidth > 0 ? Math.max(_givenWidth, minimumWidth)
                               : WindowSize.width(appShell.projectRecommendedWidth,
                                                  Math.min(Screen.width, Screen.desktopAvailableWidth))
    }
    function _wantedHeight() {
        return _givenHeight > 0 ? Math.max(_givenHeight, minimumHeight)
                                : WindowSize.height(Math.min(Screen.height, Screen.desktopAvailableHeight))
    }

    width: _wantedWidth()
    height: _wantedHeight()
    minimumWidth: WindowSize.minimumWidth(appShell.projectRecommendedWidth,
                                          Math.min(Screen.width, Screen.desktopAvailableWidth))
    minimumHeight: WindowSize.minimumHeight(Math.min(Screen.height, Screen.desktopAvailableHeight))
    // A size the window did not give itself is the user's (or the desktop's).
    onWidthChanged: if (width !== _wantedWidth()) _givenWidth = width
    onHeightChanged: if (height !== _wantedHeight()) _givenHeight = height
    visible: true
    title: qsTr("Caldirune")
    // Dark until the shell has painted its own background, so nothing white
    // flashes while it is being created.
    color: "#080B12"
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
           | Qt.WindowMinMaxButtonsHint | Qt.WindowCloseButtonHint

    // Qt's own dialogs (the confirmations) and any control left to the style
    // take their colours from the window's palette: the program's, in both
    // themes, instead of the style's light one.
    readonly property var _theme: appShell.theme
    palette.window: _theme.surface
    palette.windowText: _theme.text
    palette.base: _theme.bg1
    palette.alternateBase: _theme.surface2
    palette.text: _theme.text
    palette.button: _theme.surface2
    palette.buttonText: _theme.text
    palette.brightText: _theme.text
    palette.light: _theme.surface2
    palette.midlight: _theme.surface3
    palette.mid: _theme.textFaint
    palette.dark: _theme.stroke
    palette.shadow: "#000000"
    palette.highlight: _theme.accent
    palette.highlightedText: "#FFFFFF"
    palette.placeholderText: _theme.textFaint
    palette.toolTipBase: _theme.surface2
    palette.toolTipText: _theme.text
    palette.link: _theme.info
    palette.linkVisited: _theme.info
    palette.disabled.windowText: _theme.textFaint
    palette.disabled.text: _theme.textFaint
    palette.disabled.buttonText: _theme.textFaint

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
