import QtQuick
import QtQuick.Controls

// A scroll bar of the results page that stays in sight while its view holds
// more than it shows (the style's own bar hides until it is moved), so that
// a card outside the window can be seen to be there and reached.
ScrollBar {
    id: bar

    property var theme: null
    // Whether the view holds more than it shows in this bar's direction.
    readonly property bool needed: size < 1.0

    policy: needed ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
    minimumSize: 0.08

    contentItem: Rectangle {
        implicitWidth: 8
        implicitHeight: 8
        radius: 4
        color: bar.theme ? bar.theme.textFaint : "#6E7681"
        opacity: !bar.needed ? 0.0 : bar.pressed ? 0.95 : (bar.hovered || bar.active) ? 0.8 : 0.55
    }
}
