import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// First column of the Setup page's first row: the board card, whose slots
// open the card picker, and under it the card with the two buttons of the
// settings profiles. Both cards share one width rule.
ColumnLayout {
    id: root

    property var page: null
    readonly property var theme: page ? page.theme : null
    readonly property alias boardDisplay: display
    readonly property real cardMinimumWidth: display.implicitWidth + 27
    // When set, both cards take whatever width the column is given.
    property bool stretch: false
    readonly property real cardMaximumWidth: stretch ? Number.POSITIVE_INFINITY : Math.max(240, cardMinimumWidth)

    signal slotClicked(int index)
    signal loadSettingsClicked()
    signal saveSettingsClicked()

    spacing: 12

    Card {
        id: boardCard
        objectName: "boardCard"
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumWidth: root.cardMinimumWidth
        Layout.maximumWidth: root.cardMaximumWidth
        Layout.alignment: Qt.AlignTop
        theme: root.theme
        padding: 12

        ColumnLayout {
            anchors.fill: parent
            spacing: profileStoreNote.shown ? 8 : 0

            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                Icon {
                    name: "cards"
                    size: 16
                    Layout.preferredWidth: 16
                    Layout.preferredHeight: 16
                    color: root.theme ? root.theme.accent : "#3FB950"
                }
                Text {
                    text: qsTr("Board")
                    font.pixelSize: 15
                    font.bold: true
                    color: root.theme ? root.theme.text : "#F0F6FC"
                }
                Item { Layout.fillWidth: true }
            }

            BoardDisplay {
                id: display
                objectName: "boardDisplay"
                Layout.alignment: Qt.AlignHCenter
                theme: root.theme
                boardText: root.page ? root.page.boardText : ""
                editable: true
                horizontalPadding: 0
                cardScale: 1.25
                onCardClicked: function(index) { root.slotClicked(index) }
            }

            // The board stays at the top when the card is stretched to the row.
            Item { Layout.fillHeight: true }
        }
    }

    Card {
        objectName: "profileButtonsCard"
        Layout.fillWidth: true
        Layout.minimumWidth: root.cardMinimumWidth
        Layout.maximumWidth: root.cardMaximumWidth
        Layout.alignment: Qt.AlignTop
        theme: root.theme
        padding: 12

        ColumnLayout {
            anchors.fill: parent
            spacing: profileStoreNote.shown ? 8 : 0

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                SecondaryButton {
                    objectName: "loadSettingsButton"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    theme: root.theme
                    text: qsTr("Load settings")
                    onClicked: root.loadSettingsClicked()
                }
                PrimaryButton {
                    objectName: "saveSettingsButton"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    theme: root.theme
                    text: qsTr("Save settings")
                    onClicked: root.saveSettingsClicked()
                }
            }

            // The stored profiles could not be read, or the last change of
            // them could not be stored.
            StoreWarning {
                id: profileStoreNote
                objectName: "profileStoreNote"
                readonly property bool keptAside: !!root.page && typeof root.page.storeKeptAside === "function"
                                                  && root.page.storeKeptAside("profilesJson")
                readonly property string problem: !!root.page && typeof root.page.storeProblem === "function"
                                                  ? root.page.storeProblem("profilesJson") : ""
                theme: root.theme
                shown: keptAside || problem.length > 0
                text: problem.length > 0 ? problem
                      : qsTr("Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.")
            }
        }
    }
}
