import QtQuick
import QtTest
import Velmora

// Importing range files that are not clean text: a binary file, a file that
// is no UTF-8 and one past the longest range are refused, control characters
// never reach a stored range, and the name field stays without the focus
// while the dialog shows an error.
Item {
    id: host
    width: 1540
    height: 1300

    SetupPageCase {
        name: "SetupImport"

        function storedTexts() { return stored(ranges, "oopCustomRangesJson") + stored(ranges, "ipCustomRangesJson") }

        function test_files_that_are_not_text_are_refused_data() {
            return [
                // Random bytes with NUL and control bytes and a few rank letters.
                { tag: "binary", url: Qt.resolvedUrl("data/binary_range.bin") },
                // A Latin-1 file: hands around a byte that is no UTF-8.
                { tag: "not utf-8", url: Qt.resolvedUrl("data/latin1_range.txt") },
                { tag: "nul byte", text: "AA, KK\u0000QQ, JJ" },
                // Megabytes (they once crashed the script engine): refused for their length.
                { tag: "past the longest range", text: "AA,KK,QQ,".repeat(200000),
                  error: "Import failed: This text is too long for a range: a range text holds at most 50000 characters" }
            ]
        }

        function test_files_that_are_not_text_are_refused(data) {
            var url = data.url !== undefined ? data.url : writeFile("import.txt", data.text), started = Date.now()
            importFrom("oop", url)
            verify(Date.now() - started < 1000, "refused at once, not after " + (Date.now() - started) + " ms")
            compare([page._importRangeError, page._importRangeNormalizedText, findChild(page, "importRangeConfirmButton").enabled],
                    [data.error || "Import failed: the file is not a text file.", "", false])
            verify(findChild(findChild(page, "importRangeNameDialog"), "errorLine").visible)
            verify(!page.commitImportRange())
            closeImport()
            compare([page.oopCustomRanges, page.ipCustomRanges, storedTexts()], [[], [], ""], "nothing stored")
        }

        // Import reads a file as the range field reads its text.
        function test_import_accepts_what_the_range_field_accepts_data() {
            return [
                { tag: "share", text: "50%\n", error: "", range: "50%" },
                { tag: "status file", text: "Name:\tkworker\nState:\tI (idle)\nTgid:\t7\n",
                  error: "Import failed: 'State' is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%",
                  range: "" },
                { tag: "share above all", text: "150%", error: "Import failed: '150%' is not a range: write hands "
                  + "separated by commas (AA, KK, AKs) or a share such as 50%", range: "" }
            ]
        }

        function test_import_accepts_what_the_range_field_accepts(data) {
            importFrom("oop", writeFile("import.txt", data.text))
            compare([page._importRangeError, page._importRangeNormalizedText], [data.error, data.range])
            closeImport()
        }

        function test_control_characters_never_reach_a_stored_range() {
            // C0 controls, DEL, C1 controls (NEL is no JavaScript white space)
            // and an escape sequence between hands: they part hands like blanks.
            importFrom("oop", writeFile("controls.txt", "AA\u0001KK\u0007, QQ\u001b[0m, JJ\u007f\u0085TT\u009bA5s\fK9s:0.5"))
            var clean = "AA:0.5, KK:0.5, QQ:0.5, JJ:0.5, TT:0.5, A5s:0.5, K9s:0.5"
            compare([page._importRangeError, page._importRangeNormalizedText], ["", clean])
            keyClick(Qt.Key_Return)
            tryCompare(findChild(page, "importRangeNameDialog"), "visible", false)
            compare([page.oopCustomRanges[0].value, page.ipCustomRanges[0].value], [clean, clean])
            verify(!/[\u0000-\u001f\u007f-\u009f]/.test(storedTexts()), storedTexts())
        }

        // The name dialog opens in the middle of the window, as the others do.
        function test_name_dialog_is_centred() {
            importFrom("ip", writeFile("centre.txt", "AA, KK"))
            var box = findChild(page, "importRangeNameDialog").background, win = page.Window.window
            var centre = box.mapToItem(null, box.width / 2, box.height / 2)
            fuzzyCompare(centre.x, win.width / 2, 1)
            fuzzyCompare(centre.y, win.height / 2, 1)
            closeImport()
        }

        function test_name_field_stays_unfocused_while_an_error_shows() {
            var good = writeFile("good.txt", "AA, KK")
            var field = findChild(page, "importRangeNameField")

            // A clean file: the field takes the focus...
            importFrom("oop", good)
            tryCompare(field, "activeFocus", true)
            closeImport()

            // ... but not the next time, with an error to read: the dialog's
            // focus scope must not hand the focus back to it.
            importFrom("oop", writeFile("hello.txt", "hello"))
            compare(page._importRangeError, "Import failed: file contained no recognizable hands.")
            wait(100)
            compare([field.activeFocus, field.focus, field.cursorVisible], [false, false, false])
            keyClick(Qt.Key_Escape)
            tryCompare(findChild(page, "importRangeNameDialog"), "visible", false, 2000, "Escape still closes the dialog")

            // A clean file after an error: the field is focused again, and an
            // error that shows while the dialog is open takes the focus off.
            importFrom("ip", good)
            tryCompare(field, "activeFocus", true)
            page._importRangeError = "Import failed: unknown error"
            compare(field.activeFocus, false)
            closeImport()
        }
    }
}
