import QtQuick
import QtTest
import Velmora

// The Setup page's file and confirmation dialogs, driven as a user drives
// them: the range export saves a typed name with Return and a "Save"
// button, the range import opens a picked file with Return and an "Open"
// button, file names show as plain text, a double click on a folder only
// enters it, and the override confirmation clears with Return. (The home
// page's tests drive Escape on a confirmation.)
Item {
    id: host
    width: 1540
    height: 1300

    SetupPageCase {
        name: "SetupFileDialogs"

        // The dialog open in the scratch folder, its accept button still off.
        function openIn(dialog, acceptText) {
            tryCompare(dialog, "opened", true)
            dialog.setFolderUrl(scratchDirUrl)
            var accept = findChild(dialog.contentItem, "saveDialogSaveButton")
            compare([accept.text, accept.enabled], [acceptText, false], "nothing to accept without a name")
            return accept
        }
        function typeFileName(dialog, text) {
            var field = findChild(dialog.contentItem, "fileNameField")
            field.forceActiveFocus()
            field.text = ""
            typeKeys(text)
        }

        function test_export_saves_a_typed_name_with_return() {
            page._openExportDialog(0)
            var dialog = findChild(page, "exportStandardDialog")
            var accept = openIn(dialog, "Save")
            typeFileName(dialog, "standard export")
            verify(accept.enabled)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            var written = appController.readTextFile(scratchDirUrl + "/" + encodeURIComponent("standard export.json"))
            verify(written.ok, "the JSON type's suffix is added: " + written.error)
            verify(JSON.parse(written.text), "the export is JSON")
            compare(page._exportStandardError, "")
        }

        function test_import_opens_a_picked_file_with_return() {
            writeFile("BTN open.txt", "AA, KK, AKs")
            writeFile("<i>odd name.txt", "QQ")
            page.openImportRangeDialog("ip")
            var dialog = findChild(page, "importRangeFileDialog")
            var accept = openIn(dialog, "Open")

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

            typeFileName(dialog, "BTN open.txt")
            tryCompare(accept, "enabled", true)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            tryCompare(findChild(page, "importRangeNameDialog"), "opened", true)
            compare(findChild(page, "importRangeNameField").text, "BTN open")
            verify(page._importRangeNormalizedText.indexOf("AA") >= 0, page._importRangeNormalizedText)
            closeImport()
        }

        // A double click on a folder only enters it: the file the new listing
        // puts under the pointer ("data" holds one range text) is neither
        // picked nor opened. A double click on a file opens it.
        function test_double_click_on_a_folder_only_enters_it() {
            page.openImportRangeDialog("oop")
            var dialog = findChild(page, "importRangeFileDialog"), rows = findChild(dialog.contentItem, "folderEntries")
            dialog.setFolderUrl(Qt.resolvedUrl("."))
            var first = function() { return rows.itemAtIndex(0) }
            var firstIs = function(name) { return first() && findChild(first(), "entryName").text === name }
            tryVerify(function() { return dialog.opened && firstIs("data") })
            verify(userPointer.doubleClickWhenChanged(first(), 40, 15, function() { return firstIs("latin1_range.txt") }),
                   "the second click met the folder's old listing")
            compare([dialog.visible, findChild(dialog.contentItem, "fileNameField").text], [true, ""])
            mouseDoubleClickSequence(first())
            tryCompare(findChild(page, "importRangeNameDialog"), "opened", true)
            compare(page._importRangeError, "Import failed: the file is not a text file.", "the file was read")
            closeImport()
        }

        function test_override_confirmation_takes_return() {
            page._openClearOverridesDialog("oop", 0)
            var dialog = findChild(page, "clearStandardOverridesDialog")
            tryCompare(dialog, "opened", true)
            compare(findChild(dialog.contentItem, "confirmText").text,
                    "Clear all locally overridden standard ranges for OOP?")
            var cleared = 0
            dialog.accepted.connect(function() { ++cleared })
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            compare(cleared, 1)
        }
    }
}
