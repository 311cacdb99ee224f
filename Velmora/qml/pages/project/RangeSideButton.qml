import QtQuick
import QtQuick.Controls

// Button of a range card's sidebar, 28 high and as wide as the sidebar, in
// one of four looks: "category" (checked while its category is shown),
// "neutral", "danger" (filled) or "dangerOutline". `dimmed` fades a disabled
// neutral button. Reached from the keyboard it shows a focus ring.
Button {
    id: root

    property var theme: null
    property string look: "neutral"
    property bool dimmed: false
    property bool shown: false  // category look: this category is the one shown

    readonly property bool _danger: look === "danger"
    readonly property color _dangerColor: theme ? theme.danger : "#F85149"

    implicitHeight: 28
    hoverEnabled: true
    font.pixelSize: 11
    font.weight: look === "category" && !shown ? Font.Normal : Font.DemiBold

    contentItem: Text {
        text: root.text
        textFormat: Text.PlainText
        font: root.font
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        opacity: root.enabled ? 1.0 : 0.7
        color: root._danger ? "white"
             : root.look === "dangerOutline" ? root._dangerColor
             : root.look === "category" && !root.shown ? (root.theme ? root.theme.textMuted : "#8B949E")
             : (root.theme ? root.theme.text : "#F0F6FC")
    }

    background: Rectangle {
        radius: root.theme ? root.theme.radiusSm : 8
        opacity: !root.enabled && (root.dimmed || root._danger || root.look === "dangerOutline") ? 0.55 : 1.0
        color: root._danger ? (root.pressed ? Qt.darker(root._dangerColor, 1.05) : root._dangerColor)
             : (root.look === "category" && root.shown) || root.pressed ? (root.theme ? root.theme.surface3 : "#2D333B")
             : root.hovered ? (root.theme ? root.theme.surfaceHover : "#30363D")
             : (root.theme ? root.theme.surface2 : "#21262D")
        border.width: 1
        border.color: root._danger ? Qt.rgba(1, 1, 1, 0.10)
                    : root.look === "category" && root.shown ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                    : root.look === "dangerOutline" && root.enabled ? root._dangerColor
                    : (root.theme ? root.theme.stroke : "#30363D")

        FocusRing {
            theme: root.theme
            shown: root.visualFocus
        }
    }
}
