import QtQuick
import QtQuick.Controls

// The look of the Setup page's text fields: an inset fill with a 1 px
// border that turns 2 px in the focus colour while the field has the focus,
// and the selection in the accent colour.
TextField {
    id: root

    property var theme: null

    readonly property color _accent: theme ? theme.accent : "#2F81F7"

    font.pixelSize: 12
    color: enabled ? (theme ? theme.text : "#F0F6FC") : (theme ? theme.textFaint : "#6E7681")
    placeholderTextColor: theme ? theme.textFaint : "#6E7681"
    selectionColor: Qt.rgba(_accent.r, _accent.g, _accent.b, 0.35)
    selectedTextColor: theme ? theme.text : "#F0F6FC"
    leftPadding: 8
    rightPadding: 8

    background: Rectangle {
        implicitHeight: 32
        radius: root.theme ? root.theme.radiusSm : 8
        opacity: root.enabled ? 1.0 : 0.75
        color: root.enabled ? (root.theme ? root.theme.surface2 : "#21262D")
                            : (root.theme ? root.theme.surface3 : "#2D333B")
        border.width: root.enabled && root.activeFocus ? 2 : 1
        border.color: !root.enabled ? (root.theme ? root.theme.strokeLight : "#21262D")
                    : root.activeFocus ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                    : (root.theme ? root.theme.stroke : "#30363D")
    }
}
