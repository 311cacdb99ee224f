import QtQuick

// A rounded label on the table: the opponent's last action, the drill
// verdict, or the OOP action shown while IP is drilled. Past
// `maximumWidth` the text wraps onto further lines.
Rectangle {
    id: bubble

    property var theme: null
    property string text: ""
    property color textColor: theme ? theme.text : "#F0F6FC"
    property color fillColor: theme ? theme.surface2 : "#21262D"
    property color borderColor: theme ? theme.stroke : "#30363D"
    property real maximumWidth: Infinity
    // The width that shows the text on one line.
    readonly property real naturalWidth: label.implicitWidth + 24

    implicitWidth: Math.min(naturalWidth, maximumWidth)
    implicitHeight: label.implicitHeight + 12
    radius: height / 2
    color: fillColor
    border.width: 1
    border.color: borderColor

    Text {
        id: label
        objectName: "bubbleText"
        anchors.centerIn: parent
        width: bubble.width - 24
        text: bubble.text
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        textFormat: Text.PlainText
        font.pixelSize: 13
        font.weight: Font.DemiBold
        color: bubble.textColor
    }
}
