import QtQuick
import QtQuick.Controls

// Outlined button for every ordinary command; `danger` gives the red form for
// destructive ones.
Button {
    id: root

    property var theme: null
    property string iconText: ""
    property string iconName: ""
    property bool danger: false

    readonly property color _dangerColor: theme ? theme.danger : "#F85149"
    readonly property color _contentColor: danger ? _dangerColor : (theme ? theme.text : "#F0F6FC")
    readonly property real _contentOpacity: enabled ? 1.0 : 0.5

    font.pixelSize: 14
    font.weight: Font.DemiBold

    scale: hovered && enabled ? 1.02 : 1.0
    Behavior on scale {
        NumberAnimation { duration: 100; easing.type: Easing.OutCubic }
    }

    contentItem: Item {
        id: content
        readonly property real _leadWidth: (icon.visible ? icon.width + contentRow.spacing : 0)
                                           + (glyph.visible ? glyph.implicitWidth + contentRow.spacing : 0)
        implicitWidth: _leadWidth + label.implicitWidth
        implicitHeight: Math.max(label.implicitHeight, 16)

        Row {
            id: contentRow
            anchors.centerIn: parent
            spacing: 8

            Icon {
                id: icon
                objectName: "buttonIcon"
                anchors.verticalCenter: parent.verticalCenter
                name: root.iconName
                size: 16
                color: root._contentColor
                iconOpacity: root._contentOpacity
                visible: root.iconName !== ""
            }

            Text {
                id: glyph
                objectName: "buttonGlyph"
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                text: root.iconText
                font.pixelSize: 14
                color: root._contentColor
                opacity: root._contentOpacity
                visible: root.iconText !== "" && root.iconName === ""
            }

            Text {
                id: label
                objectName: "buttonLabel"
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                width: Math.max(0, Math.min(implicitWidth, content.width - content._leadWidth))
                text: root.text
                font: root.font
                color: root._contentColor
                opacity: root._contentOpacity
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
        }
    }

    background: Rectangle {
        objectName: "buttonBackground"
        implicitHeight: 40
        radius: root.theme ? root.theme.radiusSm : 8
        border.width: 1
        color: root.pressed ? (root.theme ? root.theme.surface3 : "#2D333B")
             : root.hovered ? (root.theme ? root.theme.surfaceHover : "#30363D")
             : (root.theme ? root.theme.surface : "#1C2128")
        border.color: root.danger ? root._dangerColor
                    : root.hovered ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                    : (root.theme ? root.theme.stroke : "#30363D")
        Behavior on color { ColorAnimation { duration: 100 } }
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }
}
