import QtQuick
import QtQuick.Layouts

// Hairline between two setting rows.
Rectangle {
    property var theme: null

    Layout.fillWidth: true
    Layout.preferredHeight: 1
    color: theme ? theme.stroke : "#30363D"
    opacity: 0.5
}
