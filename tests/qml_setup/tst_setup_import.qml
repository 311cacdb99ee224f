import QtQuick
import QtTest
import Qt.labs.settings
import Velmora

// Importing range files that are not clean text: a binary file and a file
// that is no UTF-8 are refused, control characters never reach a stored
// range, and the name field stays without the focus while the dialog shows
// an error.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
    }

    Settings {
        id: store
        category: "ranges"
    }

    TestCase {
        name: "SetupImport"
        when: windowShown

        property var page: null

        function clearStore() {
            store.setValue("oopCustomRangesJson", "")
            store.setValue("ipCustomRangesJson", "")
            store.sync()
        }
        function init() {
            clearStore()
            page = createTemporaryObject(pageComp, host)
        }
        function cleanup() { clearStore() }

        // The file dialog cannot be driven here: the page reads the file it would accept.
        function importFrom(seat, url) {
            page.openImportRangeDialog(seat)
            findChild(page, "importRangeFileDialog").close()
            page._importFromUrl(url)
            tryCompare(findChild(page, "importRangeNameDialog"), "opened", true)
        }
        function closeDialog() {
            var dialog = findChild(page, "importRangeNameDialog")
            dialog.close()
            tryCompare(dialog, "visible", false)
        }
        function writeFile(name, text) {
            var url = scratchDirUrl + "/" + name
            compare(appController.saveTextFile(url, text).ok, true)
            return url
        }
        function storedTexts() {
            return String(store.value("oopCustomRangesJson", "")) + String(store.value("ipCustomRangesJson", ""))
        }

        function test_files_that_are_not_text_are_refused_data() {
            return [
                // Random bytes with NUL and control bytes and a few rank letters.
                { tag: "binary", url: Qt.resolvedUrl("data/binary_range.bin") },
                // A Latin-1 file: hands around a byte that is no UTF-8.
                { tag: "not utf-8", url: Qt.resolvedUrl("data/latin1_range.txt") },
                { tag: "nul byte", text: "AA, KK\u0000QQ, JJ" }
            ]
        }

        function test_files_that_are_not_text_are_refused(data) {
            var url = data.url !== undefined ? data.url : writeFile("nul.txt", data.text)
            importFrom("oop", url)
            var confirm = findChild(page, "importRangeConfirmButton")
            compare([page._importRangeError, page._importRangeNormalizedText, confirm.enabled],
                    ["Import failed: the file is not a text file.", "", false])
            verify(findChild(findChild(page, "importRangeNameDialog"), "errorLine").visible)
            verify(!page.commitImportRange())
            closeDialog()
            compare([page.oopCustomRanges, page.ipCustomRanges, storedTexts()], [[], [], ""], "nothing stored")
        }

        function test_control_characters_never_reach_a_stored_range() {
            // C0 controls, DEL, C1 controls (NEL is no JavaScript white space)
            // and an escape sequence between hands: they part hands like blanks.
            var url = writeFile("controls.txt", "AA\u0001KK\u0007, QQ\u001b[0m, JJ\u007f\u0085TT\u009bA5s\fK9s:0.5")
            importFrom("oop", url)
            compare(page._importRangeError, "")
            compare(page._importRangeNormalizedText, "AA:0.5, KK:0.5, QQ:0.5, JJ:0.5, TT:0.5, A5s:0.5, K9s:0.5")
            keyClick(Qt.Key_Return)
            tryCompare(findChild(page, "importRangeNameDialog"), "visible", false)
            var values = [page.oopCustomRanges[0].value, page.ipCustomRanges[0].value, storedTexts()]
            for (var i = 0; i < values.length; ++i)
                verify(!/[\u0000-\u001f\u007f-\u009f]/.test(values[i]), JSON.stringify(values[i]))
            compare(page.oopCustomRanges[0].value, "AA:0.5, KK:0.5, QQ:0.5, JJ:0.5, TT:0.5, A5s:0.5, K9s:0.5")
            // The page's own reader agrees.
            compare(page.normalizeImportedRangeText("\u0002\u0003"), "")
        }

        function test_name_field_stays_unfocused_while_an_error_shows() {
            var good = writeFile("good.txt", "AA, KK")
            var hello = writeFile("hello.txt", "hello")
            var dialog = findChild(page, "importRangeNameDialog")
            var field = findChild(page, "importRangeNameField")

            // A clean file: the field takes the focus...
            importFrom("oop", good)
            tryCompare(field, "activeFocus", true)
            closeDialog()

            // ... but not the next time, with an error to read: the dialog's
            // focus scope must not hand the focus back to it.
            importFrom("oop", hello)
            compare(page._importRangeError, "Import failed: file contained no recognizable hands.")
            wait(100)
            compare([field.activeFocus, field.focus, field.cursorVisible], [false, false, false])
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false, 2000, "Escape still closes the dialog")

            importFrom("ip", Qt.resolvedUrl("data/binary_range.bin"))
            wait(100)
            compare(field.activeFocus, false)
            closeDialog()

            // A clean file after an error: the field is focused again.
            importFrom("ip", good)
            tryCompare(field, "activeFocus", true)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            compare(page.ipCustomRanges[0].name, "good")

            // An error that shows while the dialog is open takes the focus off.
            importFrom("oop", good)
            tryCompare(field, "activeFocus", true)
            page._importRangeError = "Import failed: unknown error"
            compare(field.activeFocus, false)
            closeDialog()
        }
    }
}
