import QtQuick
import QtQuick.Controls

// Footer button of the Setup page's dialogs, 32 high, in one of five looks:
// "neutral" (inset fill that lightens on hover and darkens while pressed),
// "primary" (accent fill), "import" (accent fill that darkens while
// pressed), "dangerOutline" (neutral fill, danger label and border) and
// "danger" (danger fill).
Button {
    id: root

    property var theme: null
    property string look: "neutral"

    readonly property bool _accentLook: look === "primary" || look === "import"
    readonly property color _accent: theme ? theme.accent : (look === "import" ? "#238636" : "#3FB950")
    readonly property color _accentPressed: look === "import"
        ? (theme ? Qt.darker(theme.accent, 1.12) : "#2EA043")
        : (theme ? theme.accentMuted : "#238636")
    readonly property color _danger: theme ? theme.danger : "#F85149"
    readonly property color _neutralFill: pressed ? (theme ? theme.surface3 : "#2D333B")
                                        : hovered ? (theme ? theme.surfaceHover : "#30363D")
                                        : (theme ? theme.surface2 : "#21262D")
    readonly property color _stroke: theme ? theme.stroke : "#30363D"

    implicitWidth: 90
    implicitHeight: 32
    hoverEnabled: true
    font.pixelSize: 12
    font.weight: Font.DemiBold
    opacity: enabled ? 1.0 : (look === "import" ? 0.55 : 0.6)

    contentItem: Text {
        text: root.text
        textFormat: Text.PlainText
        font: root.font
        color: root._accentLook || root.look === "danger" ? "white"
             : root.look === "dangerOutline" ? root._danger
             : (root.theme ? root.theme.text : "#F0F6FC")
        opacity: root.enabled || root.look === "neutral" ? 1.0 : 0.7
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: root.theme ? root.theme.radiusSm : 8
        color: root._accentLook ? (!root.enabled ? (root.theme ? root.theme.surface3 : "#2D333B")
                                  : root.pressed ? root._accentPressed : root._accent)
             : root.look === "danger" ? (root.pressed ? Qt.darker(root._danger, 1.05) : root._danger)
             : root._neutralFill
        border.width: 1
        border.color: root._accentLook || root.look === "danger" ? Qt.rgba(1, 1, 1, 0.10)
                    : root.look === "dangerOutline" && root.enabled ? root._danger
                    : root._stroke
    }
}
