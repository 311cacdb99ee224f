import QtQuick
import QtQuick.Controls

// On/off control of boolean settings: a themed pill track with a round thumb,
// no text. Toggling, `checked` and `toggled` are the Switch's own.
Switch {
    id: root

    property var theme

    readonly property int _duration: theme ? theme.durationFast : 100

    implicitWidth: 44
    implicitHeight: 24
    text: ""
    spacing: 0

    contentItem: Item {
        implicitWidth: 0
        implicitHeight: 0
    }

    indicator: Item {
        id: indicatorRoot
        objectName: "switchIndicator"

        readonly property int trackH: 18
        readonly property int thumbD: 14
        readonly property int pad: 3

        implicitWidth: 44
        implicitHeight: 24

        Rectangle {
            id: track
            objectName: "switchTrack"
            width: indicatorRoot.implicitWidth
            height: indicatorRoot.trackH
            x: (indicatorRoot.width - width) / 2
            y: (indicatorRoot.height - height) / 2
            radius: height / 2
            color: root.checked ? (root.theme ? root.theme.accent : "#3FB950")
                                : (root.theme ? root.theme.surface3 : "#2D333B")
            border.width: 1
            border.color: root.checked ? (root.theme ? root.theme.accentMuted : "#238636")
                                       : (root.theme ? root.theme.stroke : "#30363D")
            opacity: root.enabled ? 1.0 : 0.45

            Behavior on color { ColorAnimation { duration: root._duration } }
            Behavior on border.color { ColorAnimation { duration: root._duration } }
            Behavior on opacity { NumberAnimation { duration: root._duration } }
        }

        Rectangle {
            id: thumb
            objectName: "switchThumb"
            width: indicatorRoot.thumbD
            height: indicatorRoot.thumbD
            radius: indicatorRoot.thumbD / 2
            y: (indicatorRoot.implicitHeight - indicatorRoot.thumbD) / 2
            x: root.checked ? indicatorRoot.implicitWidth - indicatorRoot.pad - indicatorRoot.thumbD
                            : indicatorRoot.pad
            color: root.theme ? root.theme.text : "#F0F6FC"
            border.width: 1
            border.color: root.theme ? root.theme.strokeLight : "#21262D"
            opacity: root.enabled ? 1.0 : 0.6

            Behavior on x { NumberAnimation { duration: root._duration; easing.type: Easing.OutCubic } }
            Behavior on opacity { NumberAnimation { duration: root._duration } }
        }

        Rectangle {
            id: focusRing
            objectName: "switchFocusRing"
            readonly property int ringWidth: (root.activeFocus || root.visualFocus) ? 2 : 0
            width: track.width + 6
            height: track.height + 6
            x: track.x - 3
            y: track.y - 3
            radius: height / 2
            color: "transparent"
            border.width: ringWidth
            border.color: root.theme ? root.theme.strokeFocus : "#58A6FF"
            opacity: root.enabled ? 0.9 : 0.0
            visible: ringWidth > 0
        }
    }
}
