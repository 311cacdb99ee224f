import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Covers the window while a project file is opened or saved in the
// background: what is being done and how far it has come. It shows only
// once the work has taken a moment, so a small file does not flash it, and
// it takes every click meanwhile, so nothing changes under the file.
Item {
    id: root

    property var theme: null
    property var controller: null

    readonly property bool busy: !!controller && controller.projectFileBusy === true
    readonly property real progress: controller ? Number(controller.projectFileProgress) : 0
    readonly property string activity: controller ? String(controller.projectFileActivity || "") : ""
    property bool _shown: false

    visible: _shown && busy
    onBusyChanged: {
        if (busy) {
            showDelay.restart()
        } else {
            showDelay.stop()
            _shown = false
        }
    }

    Timer {
        id: showDelay
        interval: 150
        onTriggered: root._shown = root.busy
    }

    Rectangle {
        anchors.fill: parent
        color: root.theme ? root.theme.withOpacity(root.theme.bg0, 0.72) : "#B8080B12"
    }

    // Every press, wheel and hover stays here while the file is worked on.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: function(wheel) { wheel.accepted = true }
    }

    Rectangle {
        objectName: "projectFileProgressCard"
        anchors.centerIn: parent
        width: 360
        height: content.implicitHeight + 48
        radius: root.theme ? root.theme.radiusLg : 16
        color: root.theme ? root.theme.surface : "#1C2128"
        border.width: 1
        border.color: root.theme ? root.theme.stroke : "#30363D"

        ColumnLayout {
            id: content
            anchors.fill: parent
            anchors.margins: 24
            spacing: 12

            Text {
                objectName: "projectFileActivityText"
                Layout.fillWidth: true
                text: root.activity
                textFormat: Text.PlainText
                color: root.theme ? root.theme.text : "#F0F6FC"
                font.pixelSize: 15
                font.bold: true
                elide: Text.ElideRight
            }

            ProgressBar {
                id: bar
                objectName: "projectFileProgressBar"
                Layout.fillWidth: true
                from: 0
                to: 1
                indeterminate: root.progress < 0
                value: Math.max(0, Math.min(1, root.progress))

                background: Rectangle {
                    implicitHeight: 8
                    radius: 4
                    color: root.theme ? root.theme.surface3 : "#2D333B"
                }
                contentItem: Item {
                    implicitHeight: 8
                    clip: true

                    Rectangle {
                        id: fill
                        height: parent.height
                        radius: 4
                        color: root.theme ? root.theme.accent : "#3FB950"
                        width: bar.indeterminate ? parent.width * 0.3 : bar.visualPosition * parent.width
                        x: bar.indeterminate ? sweep : 0

                        // Without a share to show, a short bar sweeps across.
                        property real sweep: 0
                        NumberAnimation on sweep {
                            running: bar.indeterminate && root.visible
                            loops: Animation.Infinite
                            from: -fill.width
                            to: bar.width
                            duration: 1200
                        }
                    }
                }
            }

            Text {
                objectName: "projectFilePercentText"
                Layout.fillWidth: true
                visible: root.progress >= 0
                text: Math.round(Math.max(0, Math.min(1, root.progress)) * 100) + " %"
                textFormat: Text.PlainText
                color: root.theme ? root.theme.textMuted : "#8B949E"
                font.pixelSize: 12
            }
        }
    }
}
