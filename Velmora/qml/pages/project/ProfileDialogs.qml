import QtQuick

// The three dialogs of the settings profiles: save, load (with delete) and
// the delete confirmation above the load dialog. The page holds their state
// and does the work.
Item {
    id: root

    property var page: null
    readonly property var theme: page ? page.theme : null
    readonly property alias saveDialog: saveSettingsDialog
    readonly property alias loadDialog: loadSettingsDialog
    readonly property alias confirmDeleteDialog: confirmDeleteProfileDialog

    NameDialog {
        id: saveSettingsDialog
        objectName: "saveSettingsDialog"
        namePrefix: "saveSettings"
        controller: root.page ? root.page._controller : null
        theme: root.theme
        title: qsTr("Save Settings Profile")
        width: 380
        prompt: qsTr("Profile name:")
        placeholderText: qsTr("e.g., 100bb rake-free (fast)")
        errorText: root.page ? root.page._saveProfileError : ""
        confirmText: qsTr("Save")
        // Return saves even with a blank name, to say why nothing was saved.
        returnAlwaysCommits: true
        onOpened: if (root.page) root.page._saveProfileError = ""
        onCommitRequested: root.page._commitSaveProfile()
    }

    LoadProfileDialog {
        id: loadSettingsDialog
        objectName: "loadSettingsDialog"
        theme: root.theme
        profiles: root.page ? root.page.settingsProfiles : []
        selectedId: root.page ? root.page._loadProfileSelectedId : ""
        storeKeptAside: root.page ? root.page.storeKeptAside("profilesJson") : false
        storeProblem: root.page ? root.page.storeProblem("profilesJson") : ""
        errorText: root.page ? root.page._loadProfileError : ""
        onRowSelected: function(id) { root.page._loadProfileSelectedId = id }
        onLoadRequested: root.page._loadSelectedProfile()
        onDeleteRequested: root.page._askDeleteSelectedProfile()
    }

    ConfirmDeleteDialog {
        id: confirmDeleteProfileDialog
        objectName: "confirmDeleteProfileDialog"
        theme: root.theme
        title: qsTr("Delete settings profile")
        width: 420
        question: qsTr("Are you sure you want to delete this saved profile?")
        itemName: root.page ? root.page._deleteProfileName : ""
        note: qsTr("This cannot be undone.")
        onConfirmed: root.page.deleteSettingsProfileById(root.page._deleteProfileId)
    }
}
