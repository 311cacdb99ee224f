import QtQuick

// The mark of a Setup page button reached from the keyboard: a 2 px ring in
// the focus colour, 3 px outside the button's background (its parent).
Rectangle {
    property var theme: null
    property bool shown: false

    anchors.fill: parent
    anchors.margins: -3
    radius: (parent && parent.radius !== undefined ? parent.radius : 0) + 3
    color: "transparent"
    border.width: 2
    border.color: theme ? theme.strokeFocus : "#58A6FF"
    visible: shown
}
