import QtQuick
import QtQuick.Controls

// Accent-filled call to action, with an optional icon or glyph before the
// label and a busy spinner while `loading`.
Button {
    id: root

    property var theme: null
    property bool loading: false
    property string iconText: ""
    property string iconName: ""

    readonly property color _contentColor: enabled ? "white" : (theme ? theme.text : "#F0F6FC")
    readonly property real _contentOpacity: enabled ? 1.0 : 0.85

    readonly property color _accent: theme ? theme.accent : "#3FB950"
    readonly property color _accentMuted: theme ? theme.accentMuted : "#238636"
    readonly property color _topColor: !enabled ? (theme ? theme.surface3 : "#2D333B")
                                     : pressed ? Qt.darker(_accent, 1.1)
                                     : hovered ? Qt.lighter(_accent, 1.1)
                                     : _accent
    readonly property color _bottomColor: !enabled ? (theme ? theme.surface2 : "#21262D")
                                        : pressed ? Qt.darker(_accentMuted, 1.1)
                                        : _accentMuted

    font.pixelSize: 14
    font.weight: Font.DemiBold

    scale: hovered && enabled ? 1.02 : 1.0
    Behavior on scale {
        NumberAnimation { duration: 100; easing.type: Easing.OutCubic }
    }

    contentItem: Item {
        id: content
        // Width of everything in the row except the label; hidden elements add
        // neither width nor spacing.
        readonly property real _leadWidth: (spinner.visible ? spinner.width + contentRow.spacing : 0)
                                           + (icon.visible ? icon.width + contentRow.spacing : 0)
                                           + (glyph.visible ? glyph.implicitWidth + contentRow.spacing : 0)
        implicitWidth: _leadWidth + label.implicitWidth
        implicitHeight: Math.max(label.implicitHeight, 16)

        Row {
            id: contentRow
            anchors.centerIn: parent
            spacing: 8

            Item {
                id: spinner
                objectName: "buttonSpinner"
                anchors.verticalCenter: parent.verticalCenter
                width: 16
                height: 16
                visible: root.loading

                Rectangle {
                    anchors.centerIn: parent
                    width: 14
                    height: 14
                    radius: 7
                    color: "transparent"
                    border.width: 2
                    border.color: root._contentColor
                    opacity: 0.3
                }

                Rectangle {
                    anchors.centerIn: parent
                    width: 14
                    height: 14
                    radius: 7
                    color: "transparent"
                    border.width: 2
                    border.color: root._contentColor

                    // Masks one quarter of the ring so that it reads as an open arc.
                    Rectangle {
                        x: 0
                        y: 0
                        width: 7
                        height: 7
                        color: root._topColor
                    }
                }

                RotationAnimator {
                    target: spinner
                    from: 0
                    to: 360
                    duration: 1000
                    loops: Animation.Infinite
                    running: root.loading
                }
            }

            Icon {
                id: icon
                objectName: "buttonIcon"
                anchors.verticalCenter: parent.verticalCenter
                name: root.iconName
                size: 16
                color: root._contentColor
                iconOpacity: root._contentOpacity
                visible: root.iconName !== "" && !root.loading
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
                visible: root.iconText !== "" && root.iconName === "" && !root.loading
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
        implicitHeight: 40
        radius: root.theme ? root.theme.radiusSm : 8
        gradient: Gradient {
            GradientStop { position: 0.0; color: root._topColor }
            GradientStop { position: 1.0; color: root._bottomColor }
        }

        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: "transparent"
            border.width: 1
            border.color: Qt.rgba(1, 1, 1, 0.1)
        }
    }
}
