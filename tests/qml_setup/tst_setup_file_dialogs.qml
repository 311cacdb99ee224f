import QtQuick
import QtTest
import Velmora

// The Setup page's file and confirmation dialogs, driven as a user drives
// them: the range export saves a typed name with Return and a "Save"
// button, the range import opens a picked file with Return and an "Open"
// button, file names show as plain text, and the override confirmations
// take Escape and Return.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
    }

    TestCase {
        name: "SetupFileDialogs"
        when: windowShown

        property var page: null

        function init() {
            page = createTemporaryObject(pageComp, host)
            verify(page)
        }

        function fileIn(name) { return scratchDirUrl + "/" + encodeURIComponent(name) }
        function typeInto(field, text) {
            field.forceActiveFocus()
            field.text = ""
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function test_export_saves_a_typed_name_with_return() {
            page._openExportDialog(0)
            var dialog = findChild(page, "exportStandardDialog")
            tryCompare(dialog, "opened", true)
            dialog.setFolderUrl(scratchDirUrl)
            var accept = findChild(dialog.contentItem, "saveDialogSaveButton")
            compare(accept.text, "Save", "a save dialog reads Save, not Open")
            compare(accept.enabled, false, "nothing to save without a name")
            typeInto(findChild(dialog.contentItem, "fileNameField"), "standard export")
            verify(accept.enabled)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            var written = appController.readTextFile(fileIn("standard export.json"))
            verify(written.ok, "the JSON type's suffix is added: " + written.error)
            verify(JSON.parse(written.text), "the export is JSON")
            compare(page._exportStandardError, "")
        }

        function test_import_opens_a_picked_file_with_return() {
            compare(appController.saveTextFile(fileIn("BTN open.txt"), "AA, KK, AKs").ok, true)
            compare(appController.saveTextFile(fileIn("<i>odd name.txt"), "QQ").ok, true)
            page.openImportRangeDialog("ip")
            var dialog = findChild(page, "importRangeFileDialog")
            tryCompare(dialog, "opened", true)
            dialog.setFolderUrl(scratchDirUrl)
            var accept = findChild(dialog.contentItem, "saveDialogSaveButton")
            compare(accept.text, "Open")
            compare(accept.enabled, false)

            // Every name in the list is plain text, shown as it is.
            var rows = findChild(dialog.contentItem, "folderEntries")
            tryVerify(function() { return rows.count >= 2 })
            var shown = []
            for (var i = 0; i < rows.count; ++i) {
                rows.currentIndex = i
                var label = findChild(rows.currentItem, "entryName")
                compare(label.textFormat, Text.PlainText)
                shown.push(label.text)
            }
            verify(shown.indexOf("<i>odd name.txt") >= 0, shown.join(", "))

            typeInto(findChild(dialog.contentItem, "fileNameField"), "BTN open.txt")
            tryCompare(accept, "enabled", true)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            var nameDialog = findChild(page, "importRangeNameDialog")
            tryCompare(nameDialog, "opened", true)
            compare(findChild(page, "importRangeNameField").text, "BTN open")
            verify(page._importRangeNormalizedText.indexOf("AA") >= 0, page._importRangeNormalizedText)
            nameDialog.close()
        }

        function test_override_confirmations_take_escape_and_return() {
            page._openClearOverridesDialog("oop", 0)
            var dialog = findChild(page, "clearStandardOverridesDialog")
            tryCompare(dialog, "opened", true)
            compare(findChild(dialog.contentItem, "confirmText").text,
                    "Clear all locally overridden standard ranges for OOP?")
            compare(findChild(dialog.contentItem, "confirmOkButton").text, "OK")
            var cleared = 0
            dialog.accepted.connect(function() { ++cleared })
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            compare(cleared, 0)
            dialog.open()
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            compare(cleared, 1)
        }
    }
}
