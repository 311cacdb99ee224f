import QtQuick
import QtQuick.Layouts

// Hairline between two rows of a card: the settings and the solve settings.
Rectangle {
    property var theme: null

    Layout.fillWidth: true
    Layout.preferredHeight: 1
    color: theme ? theme.stroke : "#30363D"
    opacity: 0.5
}
