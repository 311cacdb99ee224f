import QtQuick
import QtQuick.Layouts
import "../../components"

// Quick-actions card of the home page: three rows that each start something
// the shell carries out.
Card {
    id: root

    signal newSolve()
    signal quickSolve()
    signal importRange()

    // The rows' icons; their texts are bound in the row, so that a
    // retranslation changes the texts without replacing the rows.
    readonly property var _icons: ["target", "bolt", "chart"]

    function _trigger(index) {
        if (index === 0)
            newSolve()
        else if (index === 1)
            quickSolve()
        else if (index === 2)
            importRange()
    }

    ColumnLayout {
        width: parent.width
        spacing: 16

        RowLayout {
            spacing: 8
            Icon { name: "bolt"; size: 18; Layout.preferredWidth: 18; Layout.preferredHeight: 18; color: root.theme ? root.theme.accent : "#3FB950" }
            Text {
                textFormat: Text.PlainText
                text: qsTr("Quick Actions")
                font.pixelSize: 16
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }
        }

        Repeater {
            model: root._icons

            Rectangle {
                id: row
                required property int index
                required property string modelData
                objectName: "quickAction" + index
                Layout.fillWidth: true
                Layout.preferredHeight: 56
                radius: root.theme ? root.theme.radiusSm : 8
                border.width: 1
                border.color: root.theme ? root.theme.stroke : "#30363D"
                color: rowMouse.containsMouse ? (root.theme ? root.theme.surfaceHover : "#30363D")
                                              : (root.theme ? root.theme.surface2 : "#21262D")
                Behavior on color { ColorAnimation { duration: 150 } }

                RowLayout {
                    anchors.fill: parent
                    anchors.margins: 12
                    spacing: 12

                    Icon {
                        Layout.preferredWidth: 20
                        Layout.preferredHeight: 20
                        name: row.modelData
                        size: 20
                        color: root.theme ? root.theme.text : "#F0F6FC"
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2
                        Text {
                            textFormat: Text.PlainText
                            text: row.index === 0 ? qsTr("New Solve") : row.index === 1 ? qsTr("Quick Solve") : qsTr("Import Range")
                            font.pixelSize: 13
                            font.weight: Font.DemiBold
                            color: root.theme ? root.theme.text : "#F0F6FC"
                        }
                        Text {
                            textFormat: Text.PlainText
                            Layout.fillWidth: true
                            text: row.index === 0 ? qsTr("Configure board, ranges, tree")
                                  : row.index === 1 ? qsTr("Use default settings") : qsTr("Load from file")
                            font.pixelSize: 11
                            elide: Text.ElideRight
                            color: root.theme ? root.theme.textMuted : "#8B949E"
                        }
                    }
                    Text {
                        textFormat: Text.PlainText
                        text: qsTr("→")
                        font.pixelSize: 16
                        color: root.theme ? root.theme.textFaint : "#6E7681"
                    }
                }

                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root._trigger(row.index)
                }
            }
        }
    }
}
