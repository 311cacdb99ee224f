import QtQuick
import QtQuick.Layouts

// Vertical navigation column: brand, one row per page, version line. It shows
// the current page and reports clicks; the host switches pages.
Item {
    id: root

    property var theme: null
    property int currentIndex: 0

    signal navigate(int index)

    width: 240

    readonly property var _rows: [
        { title: qsTr("Home"), iconName: "home", description: qsTr("Overview & quick actions") },
        { title: qsTr("Setup"), iconName: "clipboard", description: qsTr("Board, ranges, tree") },
        { title: qsTr("Solve"), iconName: "bolt", description: qsTr("Run solver") },
        { title: qsTr("Results"), iconName: "chart", description: qsTr("Browse strategies") },
        { title: qsTr("Settings"), iconName: "gear", description: qsTr("Preferences") }
    ]

    Rectangle {
        anchors.fill: parent
        color: root.theme ? root.theme.bg1 : "#0D1117"
    }

    Rectangle {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 1
        color: root.theme ? root.theme.stroke : "#30363D"
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 16

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Rectangle {
                Layout.preferredWidth: 40
                Layout.preferredHeight: 40
                radius: root.theme ? root.theme.radiusSm : 8
                gradient: Gradient {
                    GradientStop { position: 0.0; color: root.theme ? root.theme.accent : "#3FB950" }
                    GradientStop { position: 1.0; color: root.theme ? root.theme.accentMuted : "#238636" }
                }
                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: qsTr("♠")
                    font.pixelSize: 22
                    color: "white"
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 0
                Text {
                    textFormat: Text.PlainText
                    text: qsTr("Caldirune")
                    font.pixelSize: 18
                    font.bold: true
                    font.letterSpacing: -0.5
                    color: root.theme ? root.theme.text : "#F0F6FC"
                }
                Text {
                    textFormat: Text.PlainText
                    text: qsTr("Poker Solver")
                    font.pixelSize: 11
                    font.weight: Font.Normal
                    color: root.theme ? root.theme.textMuted : "#8B949E"
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: root.theme ? root.theme.stroke : "#30363D"
            opacity: 0.5
        }

        ListView {
            id: list
            objectName: "sidebarList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 4
            interactive: false
            model: root._rows

            delegate: Item {
                id: row
                required property int index
                required property var modelData
                readonly property bool selected: index === root.currentIndex
                readonly property color contentColor: selected ? (root.theme ? root.theme.text : "#F0F6FC")
                                                               : (root.theme ? root.theme.textMuted : "#8B949E")
                objectName: "sidebarRow" + index
                width: ListView.view.width
                height: 52

                Rectangle {
                    objectName: "rowBackground"
                    anchors.fill: parent
                    radius: root.theme ? root.theme.radiusSm : 8
                    color: row.selected ? (root.theme ? root.theme.surface : "#1C2128")
                         : rowMouse.containsMouse ? (root.theme ? root.theme.surfaceHover : "#30363D")
                         : "transparent"
                    border.width: 1
                    border.color: row.selected ? (root.theme ? root.theme.stroke : "#30363D") : "transparent"
                    Behavior on color { ColorAnimation { duration: 150 } }
                    Behavior on border.color { ColorAnimation { duration: 150 } }
                }

                Rectangle {
                    objectName: "rowAccentBar"
                    visible: row.selected
                    x: 4
                    y: 4
                    width: 3
                    height: parent.height - 8
                    radius: 2
                    color: root.theme ? root.theme.accent : "#3FB950"
                }

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    spacing: 12

                    Icon {
                        Layout.preferredWidth: 18
                        Layout.preferredHeight: 18
                        name: row.modelData.iconName
                        size: 18
                        color: row.contentColor
                        iconOpacity: row.selected ? 1.0 : 0.85
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 0
                        Text {
                            textFormat: Text.PlainText
                            text: row.modelData.title
                            font.pixelSize: 14
                            font.weight: row.selected ? Font.DemiBold : Font.Normal
                            color: row.contentColor
                        }
                        Text {
                            objectName: "rowDescription"
                            textFormat: Text.PlainText
                            visible: row.selected
                            text: row.modelData.description
                            font.pixelSize: 11
                            color: root.theme ? root.theme.textFaint : "#6E7681"
                        }
                    }
                }

                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.navigate(row.index)
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: root.theme ? root.theme.stroke : "#30363D"
            opacity: 0.5
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Rectangle {
                Layout.preferredWidth: 8
                Layout.preferredHeight: 8
                radius: 4
                color: root.theme ? root.theme.success : "#3FB950"
            }
            Text {
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: qsTr("v0.1.0 dev")
                font.pixelSize: 11
                color: root.theme ? root.theme.textFaint : "#6E7681"
            }
        }
    }
}
