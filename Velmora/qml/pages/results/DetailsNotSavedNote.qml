import QtQuick

// Says, in a card that would show a node's hand details, that a loaded
// project does not hold them: the card is empty for that reason, not
// because no hand reaches the node.
Rectangle {
    id: note

    property var theme: null
    property string text: ""

    implicitWidth: 260
    implicitHeight: label.implicitHeight + 20
    radius: theme ? theme.radiusSm : 8
    color: theme ? theme.surface2 : "#21262D"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    Text {
        id: label
        objectName: "detailsNotSavedText"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.margins: 10
        text: note.text
        textFormat: Text.PlainText
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: 12
        color: note.theme ? note.theme.textMuted : "#8B949E"
    }
}
