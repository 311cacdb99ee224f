import QtQuick
import QtQuick.Layouts
import "../../components"

// Open-source notices: the bundled libraries with their licences and the
// buttons that open the notices on disk.
Card {
    id: root

    readonly property bool _hasController: typeof appController !== "undefined" && appController !== null

    ColumnLayout {
        width: parent.width
        spacing: 16

        SettingsCardTitle { theme: root.theme; iconName: "scroll"; title: qsTr("Licenses") }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 12

            LicenseRow {
                theme: root.theme
                name: "Qt Framework"
                note: "Runtime (dynamic linking)"
                license: "LGPL v3"
            }
            LicenseRow {
                objectName: "tbbLicenseRow"
                visible: root._hasController && appController.useTbb === true
                theme: root.theme
                name: qsTr("oneTBB")
                note: qsTr("Threading")
                license: qsTr("Apache 2.0")
            }
        }

        Text {
            textFormat: Text.PlainText
            Layout.fillWidth: true
            text: qsTr("Third-party notices and license texts are included in the 'licenses' folder next to the executable.")
            font.pixelSize: 11
            wrapMode: Text.WordWrap
            color: root.theme ? root.theme.textFaint : "#6E7681"
        }

        RowLayout {
            spacing: 12
            SecondaryButton {
                theme: root.theme
                text: qsTr("Open licenses folder")
                iconName: "folder-open"
                onClicked: {
                    if (root._hasController && typeof appController.openLicensesFolder === "function")
                        appController.openLicensesFolder()
                }
            }
            SecondaryButton {
                theme: root.theme
                text: qsTr("Open notices")
                iconName: "file-text"
                onClicked: {
                    if (root._hasController && typeof appController.openThirdPartyNotices === "function")
                        appController.openThirdPartyNotices()
                }
            }
        }
    }
}
