import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// "Hand Details": the current node's single combos, best EV first, narrowed
// by the matrix class, the bucket and the search; each row shows the cards,
// the EV of each action and the action mix.
Card {
    id: card

    property var page: null
    theme: page ? page.theme : null
    readonly property int _sourceCount: page && page.currentHandCombos ? page.currentHandCombos.length : 0
    readonly property int _visibleCount: page && page.visibleHandCombos ? page.visibleHandCombos.length : 0
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property bool notSaved: page !== null && page.nodeDetailsMissing.combos

    objectName: "handDetailsCard"
    padding: 12
    // The width below which the header (the title in the user's language
    // and the search field at its shortest) would stand past the card.
    readonly property real leastWidth: Math.max(250, header.Layout.minimumWidth + leftPadding + rightPadding)

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        RowLayout {
            id: header
            Layout.fillWidth: true
            spacing: 8
            Text {
                Layout.minimumWidth: implicitWidth
                text: qsTr("Hand Details")
                font.pixelSize: 14
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
            ResultsTextField {
                objectName: "handSearchField"
                // A narrow card shortens the field rather than hiding the
                // title: a field that does not fill keeps its preferred
                // width, whatever its least one.
                Layout.fillWidth: true
                Layout.preferredWidth: 260
                Layout.maximumWidth: 260
                Layout.minimumWidth: 120
                theme: card.theme
                placeholderText: qsTr("Search (JJ, 56s, JcJd, ...)")
                text: card.page ? card.page.handSearchText : ""
                onTextEdited: if (card.page) card.page.handSearchText = text
            }
        }

        Text {
            objectName: "handCombosLoading"
            visible: card.page !== null && card.page._handCombosLoading
            text: qsTr("Loading hand combos…")
            font.pixelSize: 12
            color: card._muted
        }
        Text {
            objectName: "noHandCombos"
            visible: card.page !== null && !card.page._handCombosLoading && card._sourceCount === 0 && !card.notSaved
            text: qsTr("No hand combos to display for this node.")
            font.pixelSize: 12
            color: card._muted
        }
        DetailsNotSavedNote {
            objectName: "combosNotSaved"
            visible: card.notSaved && !card.page._handCombosLoading && card._sourceCount === 0
            Layout.fillWidth: true
            theme: card.theme
            text: card.page ? card.page.detailsNotSavedText : ""
        }
        RowLayout {
            objectName: "handFilterRow"
            visible: card.page !== null && card.page.selectedHandClass !== ""
            Layout.fillWidth: true
            Text {
                objectName: "handFilterText"
                text: qsTr("Filter: %1").arg(card.page ? card.page.selectedHandClass : "")
                textFormat: Text.PlainText
                font.pixelSize: 12
                color: card.theme ? card.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
            SecondaryButton {
                objectName: "clearHandFilterButton"
                Layout.preferredWidth: 80
                theme: card.theme
                text: qsTr("Clear")
                onClicked: card.page.selectedHandClass = ""
            }
        }
        Text {
            objectName: "noCombosMatch"
            visible: card._sourceCount > 0 && card._visibleCount === 0
            text: qsTr("No combos match the current filters.")
            font.pixelSize: 12
            color: card._muted
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: card.theme ? card.theme.stroke : "#30363D"
            opacity: 0.5
        }

        // Keeps the header at the top while there is no list.
        Item {
            visible: !comboList.visible
            Layout.fillHeight: true
        }
        ListView {
            id: comboList
            objectName: "handComboList"
            visible: card._sourceCount > 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 6
            boundsBehavior: Flickable.StopAtBounds
            rightMargin: comboBar.needed ? 12 : 0
            ScrollBar.vertical: ResultsScrollBar { id: comboBar; theme: card.theme }
            model: card.page ? card.page.visibleHandCombos : []
            delegate: HandComboRow {
                required property var modelData
                width: ListView.view.width - ListView.view.rightMargin
                page: card.page
                combo: modelData
                actionDefinitions: card.page ? card.page._handDetailActions : []
            }
        }
    }
}
