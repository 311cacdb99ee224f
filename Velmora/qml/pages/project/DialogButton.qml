import QtQuick
import QtQuick.Controls

// Neutral footer button of the Setup page's dialogs: 32 high, inset fill
// that lightens on hover and darkens while pressed.
Button {
    id: root

    property var theme: null

    implicitWidth: 90
    implicitHeight: 32
    font.pixelSize: 12
    font.weight: Font.DemiBold
    opacity: enabled ? 1.0 : 0.6

    contentItem: Text {
        text: root.text
        font: root.font
        color: root.theme ? root.theme.text : "#F0F6FC"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: root.theme ? root.theme.radiusSm : 8
        color: root.pressed ? (root.theme ? root.theme.surface3 : "#2D333B")
             : root.hovered ? (root.theme ? root.theme.surfaceHover : "#30363D")
             : (root.theme ? root.theme.surface2 : "#21262D")
        border.width: 1
        border.color: root.theme ? root.theme.stroke : "#30363D"
    }
}
