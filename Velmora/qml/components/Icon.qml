import QtQuick

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

    // The module's icon images keep the picture's coverage and replace its
    // colour once for each name, colour and size, so every icon of one look
    // shares one picture and the tint needs no shader. A fully transparent
    // colour draws nothing.
    function colourCode(c) {
        function part(v) {
            var s = Math.round(v * 255).toString(16)
            return s.length < 2 ? "0" + s : s
        }
        return part(c.a) + part(c.r) + part(c.g) + part(c.b)
    }

    Image {
        id: img
        objectName: "iconImage"
        anchors.fill: parent
        source: root.name === "" ? "" : "image://velmoraicon/" + root.name + "/" + root.colourCode(root.color)
        sourceSize: Qt.size(root.size, root.size)
        visible: root.name !== "" && root.color.a > 0
        opacity: root.iconOpacity
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
    }
}
