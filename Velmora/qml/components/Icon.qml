import QtQuick
import QtQuick.Controls.impl

// One monochrome pictogram of the icon set (white line art in
// ../assets/icons/NAME.svg), recoloured to `color`.
Item {
    id: root

    property string name: ""
    property int size: 16
    property color color: "white"
    property real iconOpacity: 1.0

    width: size
    height: size

    // The Controls' own icon image recolours the picture's pixels as it
    // loads them (its coverage kept, its colour replaced), so the tint needs
    // no shader and shows under every scene-graph renderer. A fully
    // transparent colour would leave the picture untinted: nothing is drawn.
    IconImage {
        id: img
        objectName: "iconImage"
        anchors.fill: parent
        source: root.name === "" ? "" : Qt.resolvedUrl("../assets/icons/" + root.name + ".svg")
        visible: root.name !== "" && root.color.a > 0
        color: root.color
        opacity: root.iconOpacity
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
    }
}
