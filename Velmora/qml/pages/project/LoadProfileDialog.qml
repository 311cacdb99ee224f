import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components/ShownText.js" as ShownText

// "Load Settings Profile": one row per profile in stored order; a click
// selects a row, a double click selects it and loads. The rows scroll once
// they would push the dialog's buttons out of the window. The page owns the
// selection and does the loading and deleting.
PageDialog {
    id: root

    property var profiles: []
    property string selectedId: ""
    // The stored profiles could not be read at start and were kept aside.
    property bool storeKeptAside: false
    // Why the profiles could not be read or stored just now, or "".
    property string storeProblem: ""

    signal rowSelected(string id)
    signal loadRequested()
    signal deleteRequested()

    title: qsTr("Load Settings Profile")
    width: 420
    prompt: qsTr("Choose a saved profile:")

    // Room the title, prompt, footer and margins leave for the rows.
    readonly property real _rowsRoom: Math.max(120, (parent ? parent.height : 600) - 200)

    Flickable {
        id: rowsView
        objectName: "profileRowsView"
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(rowsColumn.implicitHeight, root._rowsRoom)
        visible: root.profiles.length > 0
        contentHeight: rowsColumn.implicitHeight
        contentWidth: width
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            policy: rowsView.contentHeight > rowsView.height + 1 ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
        }

        ColumnLayout {
            id: rowsColumn
            width: rowsView.width - (rowsView.contentHeight > rowsView.height + 1 ? 10 : 0)
            spacing: 6

            Repeater {
                objectName: "profileRows"
                // Made while the dialog shows: a long list is not built
                // again at every change while it is closed.
                model: root.visible ? root.profiles : []

                delegate: Rectangle {
                    id: row
                    required property var modelData
                    required property int index
                    readonly property bool selected: String(modelData.id) === root.selectedId
                    objectName: "profileRow_" + index
                    Layout.fillWidth: true
                    Layout.preferredHeight: 30
                    radius: root.theme ? root.theme.radiusSm : 8
                    color: selected ? (root.theme ? root.theme.surface3 : "#2D333B")
                         : rowMouse.containsMouse ? (root.theme ? root.theme.surfaceHover : "#30363D")
                         : (root.theme ? root.theme.surface2 : "#21262D")
                    border.width: 1
                    border.color: selected ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                           : (root.theme ? root.theme.stroke : "#30363D")

                    Text {
                        x: 10
                        width: row.width - 20
                        anchors.verticalCenter: parent.verticalCenter
                        text: ShownText.escaped(row.modelData.name)
                        textFormat: Text.PlainText
                        font.pixelSize: 12
                        elide: Text.ElideRight
                        color: root.theme ? root.theme.text : "#F0F6FC"
                    }

                    MouseArea {
                        id: rowMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.rowSelected(String(row.modelData.id))
                        onDoubleClicked: {
                            root.rowSelected(String(row.modelData.id))
                            root.loadRequested()
                        }
                    }
                }
            }
        }
    }

    Text {
        objectName: "noProfilesNote"
        visible: root.profiles.length === 0
        text: qsTr("No saved profiles yet.")
        font.pixelSize: 11
        color: root.theme ? root.theme.textFaint : "#6E7681"
    }

    StoreWarning {
        objectName: "profileStoreWarning"
        theme: root.theme
        // The dialog's rows are laid out when it opens, so the note may
        // leave the layout (and its spacing) while it is not shown.
        visible: shown
        shown: root.storeKeptAside || root.storeProblem.length > 0
        font.pixelSize: 11
        text: root.storeProblem.length > 0 ? root.storeProblem
              : qsTr("Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.")
    }

    footerItems: [
        Item { Layout.fillWidth: true },
        DialogButton {
            objectName: "cancelLoadProfileButton"
            theme: root.theme
            text: qsTr("Cancel")
            onClicked: root.close()
        },
        DialogButton {
            objectName: "deleteProfileButton"
            theme: root.theme
            look: "dangerOutline"
            text: qsTr("Delete")
            enabled: root.selectedId.length > 0
            onClicked: root.deleteRequested()
        },
        DialogButton {
            objectName: "loadProfileButton"
            theme: root.theme
            look: "primary"
            text: qsTr("Load")
            enabled: root.selectedId.length > 0
            onClicked: root.loadRequested()
        }
    ]
}
