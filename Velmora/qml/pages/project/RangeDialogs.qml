import QtQuick
import QtQuick.Layouts
import QtCore
import "../../components"
import "../../components/SavePath.js" as SavePath

// The page-level dialogs of the range library: naming a saved range, a new
// folder and an imported range, confirming a delete, choosing the file to
// import and the files to export to, and confirming the clearing of
// overrides. The page holds their state and does the work.
Item {
    id: root

    property var page: null
    readonly property var theme: page ? page.theme : null
    readonly property alias saveRange: saveRangeDialog
    readonly property alias addFolder: addFolderDialog
    readonly property alias importName: importRangeNameDialog
    readonly property alias confirmDelete: confirmDeleteDialog
    readonly property alias importFile: importRangeFileDialog
    readonly property alias exportStandard: exportStandardDialog
    readonly property alias exportExploit: exportExploitDialog
    readonly property alias clearStandard: clearStandardOverridesDialog
    readonly property alias clearExploit: clearExploitOverridesDialog

    // The file and message dialogs may be drawn in the window's overlay,
    // which outlives the page: they are closed with it, so that they never
    // stay open (and block the window's shortcuts) without an owner.
    Component.onDestruction: {
        var dialogs = [importRangeFileDialog, exportStandardDialog, exportExploitDialog,
                       clearStandardOverridesDialog, clearExploitOverridesDialog]
        for (var i = 0; i < dialogs.length; ++i)
            dialogs[i].close()
    }

    function _seatText(player) { return player === "oop" ? qsTr("OOP") : qsTr("IP") }

    NameDialog {
        id: saveRangeDialog
        objectName: "saveRangeDialog"
        controller: root.page ? root.page._controller : null
        namePrefix: "saveRange"
        theme: root.theme
        title: root.page && root.page._saveRangePlayer === "oop" ? qsTr("Save OOP range") : qsTr("Save IP range")
        width: 360
        prompt: qsTr("Name this range:")
        placeholderText: qsTr("e.g., BTN vs BB (default)")
        errorText: root.page ? root.page._saveRangeError : ""
        confirmText: qsTr("Save")
        onOpened: if (root.page) root.page._saveRangeError = ""
        onCommitRequested: if (root.page.commitSaveRange()) close()
    }

    NameDialog {
        id: addFolderDialog
        objectName: "addFolderDialog"
        controller: root.page ? root.page._controller : null
        namePrefix: "addFolder"
        theme: root.theme
        title: root.page && root.page._addFolderPlayer === "oop" ? qsTr("Add folder (OOP)") : qsTr("Add folder (IP)")
        width: 360
        prompt: qsTr("Folder name:")
        placeholderText: qsTr("e.g., BTN vs BB")
        errorText: root.page ? root.page._addFolderError : ""
        confirmText: qsTr("Add")
        onOpened: if (root.page) root.page._addFolderError = ""
        onCommitRequested: if (root.page.commitAddFolder()) close()
    }

    NameDialog {
        id: importRangeNameDialog
        objectName: "importRangeNameDialog"
        controller: root.page ? root.page._controller : null
        namePrefix: "importRange"
        theme: root.theme
        title: qsTr("Import Range")
        width: 420
        prompt: qsTr("Name this range:")
        placeholderText: qsTr("e.g., BTN open (custom)")
        errorText: root.page ? root.page._importRangeError : ""
        confirmText: qsTr("Import")
        confirmLook: "import"
        confirmWidth: 110
        cancelFirst: true
        ready: root.page ? root.page._importRangeNormalizedText.trim().length > 0 : false
        // With an error to read the field is not focused.
        focusOnOpen: errorText.trim().length === 0
        onCommitRequested: if (root.page.commitImportRange()) close()

        // What the file holds that the import leaves out, before Import.
        Text {
            objectName: "importRangeNote"
            Layout.fillWidth: true
            visible: text.length > 0
            text: root.page ? root.page._importRangeNote : ""
            textFormat: Text.PlainText
            font.pixelSize: 11
            wrapMode: Text.Wrap
            color: root.theme ? root.theme.warn : "#F0883E"
        }
    }

    ConfirmDeleteDialog {
        id: confirmDeleteDialog
        objectName: "confirmDeleteDialog"
        readonly property bool isFolder: root.page ? root.page._deleteRangeKind === "folder" : false
        readonly property int count: root.page ? root.page._deleteFolderChildCount : 0
        theme: root.theme
        title: qsTr("Delete range")
        width: 380
        question: isFolder ? qsTr("Are you sure you want to delete this folder?")
                           : qsTr("Are you sure you want to delete this range?")
        itemName: root.page ? root.page._deleteRangeName : ""
        note: isFolder && count > 0 ? qsTr("This will also delete %1 range(s). This cannot be undone.").arg(count)
                                    : qsTr("This cannot be undone.")
        onConfirmed: root.page.deleteSelectedItem(root.page._deleteRangePlayer)
    }

    // The file and confirmation dialogs are the program's own, in its colours
    // and language; the file dialogs start in the home folder.
    readonly property string _homeFolder: SavePath.localPath(StandardPaths.writableLocation(StandardPaths.HomeLocation))

    AppFileDialog {
        id: importRangeFileDialog
        objectName: "importRangeFileDialog"
        theme: root.theme
        title: qsTr("Import Range")
        fileMode: "open"
        folder: root._homeFolder
        nameFilters: [qsTr("Range text (*.txt)"), qsTr("All Files (*)")]
        onAccepted: root.page._importFromUrl(selectedFile)
    }

    AppFileDialog {
        id: exportStandardDialog
        objectName: "exportStandardDialog"
        theme: root.theme
        title: qsTr("Export Standard Ranges")
        fileMode: "save"
        defaultSuffix: ".json"
        folder: root._homeFolder
        nameFilters: [qsTr("JSON (*.json)"), qsTr("All Files (*)")]
        onAccepted: root.page._exportStandardTo(selectedFile)
    }

    AppFileDialog {
        id: exportExploitDialog
        objectName: "exportExploitDialog"
        theme: root.theme
        title: qsTr("Export Population Ranges")
        fileMode: "save"
        defaultSuffix: ".json"
        folder: root._homeFolder
        nameFilters: [qsTr("JSON (*.json)"), qsTr("All Files (*)")]
        onAccepted: root.page._exportExploitTo(selectedFile)
    }

    ConfirmDialog {
        id: clearStandardOverridesDialog
        objectName: "clearStandardOverridesDialog"
        theme: root.theme
        title: qsTr("Clear standard overrides")
        text: qsTr("Clear all locally overridden standard ranges for %1?")
                  .arg(root._seatText(root.page ? root.page._clearStandardPlayer : ""))
        onAccepted: root.page.clearStandardOverrides(root.page._clearStandardPlayer)
    }

    ConfirmDialog {
        id: clearExploitOverridesDialog
        objectName: "clearExploitOverridesDialog"
        theme: root.theme
        title: qsTr("Clear population overrides")
        text: qsTr("Clear all locally overridden population ranges for %1?")
                  .arg(root._seatText(root.page ? root.page._clearExploitPlayer : ""))
        onAccepted: root.page.clearExploitOverrides(root.page._clearExploitPlayer)
    }
}
