import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window
import "qml/components" as Components

// The program's only top-level window: geometry, title and background; the
// shell inside does everything else.
ApplicationWindow {
    id: window

    width: Math.max(1540, appShell.projectRecommendedWidth)
    height: 1200
    minimumWidth: Math.max(1100, appShell.projectRecommendedWidth)
    minimumHeight: 700
    visible: true
    title: qsTr("Caldirune")
    // Dark until the shell has painted its own background, so nothing white
    // flashes while it is being created.
    color: "#080B12"
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
           | Qt.WindowMinMaxButtonsHint | Qt.WindowCloseButtonHint

    Components.AppShell {
        id: appShell
        anchors.fill: parent
        controller: appController
    }
}
