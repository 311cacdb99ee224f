import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// The "Game Tree" panel: one block per level of the page's path.
Card {
    id: panel

    property var page: null
    theme: page ? page.theme : null

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        RowLayout {
            spacing: 8
            Icon {
                name: "tree"
                size: 18
                color: panel.theme ? panel.theme.accent : "#3FB950"
            }
            Text {
                text: qsTr("Game Tree")
                font.pixelSize: 16
                font.bold: true
                color: panel.theme ? panel.theme.text : "#F0F6FC"
            }
        }

        Text {
            objectName: "treeSolvingNote"
            visible: panel.page !== null && panel.page.solveRunning
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("A solve is running. The tree appears when it ends.")
            font.pixelSize: 12
            color: panel.theme ? panel.theme.textMuted : "#8B949E"
        }
        // Keeps the title and the note at the top while the tree is hidden.
        Item {
            visible: panel.page !== null && panel.page.solveRunning
            Layout.fillHeight: true
        }

        Flickable {
            id: flick
            objectName: "treeFlickable"
            visible: !(panel.page !== null && panel.page.solveRunning)
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: width - rightMargin
            contentHeight: levels.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            rightMargin: treeBar.needed ? 12 : 0
            ScrollBar.vertical: ResultsScrollBar { id: treeBar; theme: panel.theme }

            Column {
                id: levels
                width: flick.width - flick.rightMargin
                spacing: 12

                Repeater {
                    model: panel.page ? panel.page.treeLevels : null
                    delegate: ResultsTreeLevel {
                        required property int index
                        required property int nodeIndex
                        required property int selectedActionIndex
                        width: levels.width
                        page: panel.page
                        levelIndex: index
                        levelNodeIndex: nodeIndex
                        selection: selectedActionIndex
                    }
                }
            }
        }
    }
}
