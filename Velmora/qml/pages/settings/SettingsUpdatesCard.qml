import QtQuick
import QtQuick.Layouts
import "../../components"

// Update check: the running version, the last check, its error or the newer
// version with its notes, and the check and download buttons. Every line
// follows the update service by binding.
Card {
    id: root

    readonly property bool _hasService: typeof updates !== "undefined" && updates !== null
    readonly property bool _busy: _hasService && updates.busy === true
    readonly property bool _updateAvailable: _hasService && updates.updateAvailable === true
    readonly property string _lastError: _hasService && updates.lastError ? String(updates.lastError) : ""
    readonly property var _lastChecked: _hasService ? updates.lastCheckedAt : null
    readonly property bool _hasLastChecked: !!_lastChecked && _lastChecked instanceof Date
                                            && !isNaN(_lastChecked.getTime())
    readonly property string _notes: _hasService && updates.releaseNotes ? String(updates.releaseNotes) : ""

    readonly property string versionText: qsTr("Current version: %1").arg(
        _hasService && updates.currentVersion && String(updates.currentVersion).length > 0
            ? String(updates.currentVersion) : qsTr("Unknown"))

    ColumnLayout {
        width: parent.width
        spacing: 16

        SettingsCardTitle { theme: root.theme; iconName: "trend-up"; title: qsTr("Updates") }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 6

            Text {
                objectName: "versionLine"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: root.versionText
                font.pixelSize: 12
                wrapMode: Text.WordWrap
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
            Text {
                objectName: "lastCheckedLine"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                visible: root._hasLastChecked
                text: root._hasLastChecked ? qsTr("Last checked: %1").arg(root._lastChecked.toLocaleString()) : ""
                font.pixelSize: 12
                wrapMode: Text.WordWrap
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
            Text {
                objectName: "errorLine"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                visible: root._lastError.length > 0
                text: root._lastError
                font.pixelSize: 12
                wrapMode: Text.WordWrap
                color: root.theme ? root.theme.danger : "#F85149"
            }
            Text {
                objectName: "availabilityLine"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                visible: root._updateAvailable
                text: root._updateAvailable ? qsTr("Update available: %1").arg(updates.latestVersion) : ""
                font.pixelSize: 12
                wrapMode: Text.WordWrap
                color: root.theme ? root.theme.success : "#3FB950"
            }
            Text {
                objectName: "notesLine"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                visible: root._updateAvailable && root._notes.trim().length > 0
                text: root._notes
                font.pixelSize: 12
                wrapMode: Text.WordWrap
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12
            SecondaryButton {
                objectName: "checkUpdatesButton"
                theme: root.theme
                text: root._busy ? qsTr("Checking...") : qsTr("Check for updates")
                enabled: root._hasService && !root._busy
                onClicked: updates.checkNow()
            }
            PrimaryButton {
                objectName: "downloadUpdateButton"
                theme: root.theme
                text: qsTr("Download update")
                enabled: root._updateAvailable
                onClicked: updates.openDownloadUrl()
            }
            Item { Layout.fillWidth: true }
        }
    }
}
