import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "HandFilter.js" as HandFilter

// "Buckets": the acting player's hands by category, each with its weighted
// combo count and action mix; a click filters the hand details and the
// matrix by the bucket, a second click clears the filter.
Card {
    id: card

    property var page: null
    theme: page ? page.theme : null
    readonly property var buckets: page ? page.currentHandBuckets : []
    readonly property bool notSaved: page !== null && page.nodeDetailsMissing.buckets

    objectName: "bucketsCard"
    padding: 12
    // The width below which the header in the user's language would stand
    // past the card.
    readonly property real leastWidth: Math.max(260, header.Layout.minimumWidth + leftPadding + rightPadding)

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        RowLayout {
            id: header
            Layout.fillWidth: true
            Text {
                text: qsTr("Buckets")
                font.pixelSize: 14
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
            Text {
                objectName: "bucketsShown"
                visible: !card.notSaved
                text: qsTr("%1 shown").arg(card.buckets ? card.buckets.length : 0)
                font.pixelSize: 11
                color: card.theme ? card.theme.textMuted : "#8B949E"
            }
        }

        DetailsNotSavedNote {
            objectName: "bucketsNotSaved"
            visible: card.notSaved
            Layout.fillWidth: true
            theme: card.theme
            text: card.page ? card.page.detailsNotSavedText : ""
        }

        ListView {
            objectName: "bucketList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 4
            model: card.buckets
            boundsBehavior: Flickable.StopAtBounds
            rightMargin: bucketBar.needed ? 12 : 0
            ScrollBar.vertical: ResultsScrollBar { id: bucketBar; theme: card.theme }

            delegate: Rectangle {
                id: row
                required property var modelData
                required property int index
                readonly property string name: modelData && modelData.name !== undefined ? String(modelData.name) : ""
                readonly property bool selected: card.page !== null && card.page.selectedBucket === name

                objectName: "bucketRow" + index
                width: ListView.view.width - ListView.view.rightMargin
                height: 42
                radius: card.theme ? card.theme.radiusSm : 8
                color: selected ? (card.theme ? card.theme.surface3 : "#2D333B")
                                : (card.theme ? card.theme.surface2 : "#21262D")

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    spacing: 8

                    Column {
                        Layout.preferredWidth: 150
                        Layout.maximumWidth: 150
                        Text {
                            objectName: "bucketName"
                            width: 150
                            elide: Text.ElideRight
                            textFormat: Text.PlainText
                            text: row.modelData && row.modelData.displayName ? String(row.modelData.displayName) : row.name
                            font.pixelSize: 12
                            color: card.theme ? card.theme.text : "#F0F6FC"
                        }
                        Text {
                            objectName: "bucketCombos"
                            textFormat: Text.PlainText
                            readonly property string figure: HandFilter.combosFigure(row.modelData ? row.modelData.combos : NaN)
                            text: figure === "" ? "" : qsTr("%1 combos").arg(figure)
                            font.pixelSize: 10
                            color: card.theme ? card.theme.textMuted : "#8B949E"
                        }
                    }
                    ActionBar {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 16
                        theme: card.theme
                        showLabels: false
                        actions: card.page && row.modelData ? card.page._handActionsForProbs(row.modelData.actionProbs) : []
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: card.page.toggleBucketFilter(row.name)
                }
            }
        }
    }
}
