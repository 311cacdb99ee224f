import QtQuick
import QtQuick.Controls

// A plain text field in the page's colours (the node-lock weight and the
// hand search).
TextField {
    id: field

    property var theme: null
    // The text cannot be used as it stands: the border says so.
    property bool refused: false
    readonly property color _accent: theme ? theme.accent : "#2F81F7"

    font.pixelSize: 12
    color: theme ? theme.text : "#F0F6FC"
    placeholderTextColor: theme ? theme.textFaint : "#6E7681"
    selectionColor: Qt.rgba(_accent.r, _accent.g, _accent.b, 0.35)
    selectedTextColor: theme ? theme.text : "#F0F6FC"
    leftPadding: 8
    rightPadding: 8

    background: Rectangle {
        implicitHeight: 32
        radius: field.theme ? field.theme.radiusSm : 8
        color: field.theme ? field.theme.surface2 : "#21262D"
        border.width: field.activeFocus || field.refused ? 2 : 1
        border.color: field.refused ? (field.theme ? field.theme.danger : "#F85149")
                    : field.activeFocus ? (field.theme ? field.theme.strokeFocus : "#58A6FF")
                                        : (field.theme ? field.theme.stroke : "#30363D")
    }
}
