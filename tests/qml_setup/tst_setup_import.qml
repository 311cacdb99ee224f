import QtQuick
import QtTest
import Velmora
import SetupTestSupport

// Importing range files: a text in the range field's own form comes in as
// the field reads it, other programs' exports are cleaned, and what the
// field refuses is refused with its reason, from the Setup page and from
// Home. Files that are not clean text: a binary file, a file that is no
// UTF-8 and one past the longest range are refused, control characters
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
            var url = data.url !== undefined ? data.url : writeFile("import.txt", data.text)
            importFrom("oop", url)
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
                  error: "Import failed: 'State:' is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%",
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

        readonly property string notARange: "' is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%"

        // A text in the range field's own form (hands parted by commas) comes
        // in as the field reads it; one whose hands are parted by blanks or
        // lines, as other programs export them, is cleaned: a weight goes
        // over every hand written since the one before. What the field
        // refuses is refused with the reason the field shows, and nothing
        // is stored.
        function test_import_reads_a_file_as_the_range_field_does_data() {
            return [
                // the range field's own form
                { tag: "library text", text: "77:0.3, 66:0.5, 55, 44, 33, 22, A9s:0.3, A8s",
                  range: "77:0.3, 66:0.5, 55, 44, 33, 22, A9s:0.3, A8s" },
                { tag: "line breaks after commas", text: "AA,\r\nKK:0.5 ,\nQQ,\n", range: "AA, KK:0.5, QQ" },
                { tag: "exact combos kept", text: "AhKh, AKs:0.25", range: "AhKh, AKs:0.25" },
                { tag: "weight above one", text: "AA, KK:9, 72o:-1, banana", refused: "KK:9", field: true },
                { tag: "negative weight", text: "AA, 72o:-1", refused: "72o:-1", field: true },
                { tag: "a word in a list of combos", text: "AhKh, foo, AKs", refused: "foo", field: true },
                { tag: "only words", text: "hello", error: "Import failed: file contained no recognizable hands." },
                // other programs' exports
                { tag: "weight over the hands before it", text: "AA KK:0.5 QQ", range: "AA:0.5, KK:0.5, QQ" },
                { tag: "carriage returns", text: "AA\r\nKK", range: "AA, KK" },
                { tag: "blank before the colon", text: "AA :0.5", range: "AA:0.5" },
                { tag: "no hands", text: "hello 0.5", error: "Import failed: file contained no recognizable hands." },
                { tag: "export weight the solver reads in hex", text: "AA KK:0x1p-2", range: "AA:0x1p-2, KK:0x1p-2" },
                { tag: "export weight above one", text: "AA KK:9 QQ", refused: "KK:9" },
                { tag: "export lone weight above one", text: "AA KK :1.5", refused: ":1.5" },
                { tag: "export weight not a number", text: "AA KK:abc", refused: "KK:abc" },
                { tag: "export hand the field refuses", text: "AA AKx:0.5", refused: "AKx:0.5" }
            ]
        }

        function test_import_reads_a_file_as_the_range_field_does(data) {
            importFrom("oop", writeFile("range.txt", data.text))
            var error = data.refused !== undefined ? "Import failed: '" + data.refused + notARange : data.error || ""
            compare([page._importRangeError, page._importRangeNormalizedText, findChild(page, "importRangeConfirmButton").enabled],
                    [error, data.range || "", data.range !== undefined])
            compare(findChild(page, "importRangeNote").visible, false, "nothing left out")
            if (data.field) {
                // The field refuses the text as it stands, for the same reason.
                page.oopRangeText = data.text
                compare("Import failed: " + findChild(page, "oopRangeError").text, error)
                page.oopRangeText = ""
            }
            keyClick(Qt.Key_Return)
            if (data.range === undefined) {
                closeImport()
                compare([page.oopCustomRanges, page.ipCustomRanges, storedTexts()], [[], [], ""], "nothing stored")
                return
            }
            tryCompare(findChild(page, "importRangeNameDialog"), "visible", false)
            compare([page.oopCustomRanges[0].value, page.ipCustomRanges[0].value], [data.range, data.range])
            verify(storedTexts().indexOf(JSON.stringify(data.range)) >= 0, storedTexts())
        }

        // A file the solver reads as it stands comes in as the solver reads
        // it; in other programs' exports (hands parted by blanks or lines)
        // a weight goes over the hands written since the one before, exact
        // combos and spans included. What the clean-up does not take is
        // named under the name field before Import; the rest is imported.
        function test_import_keeps_what_the_solver_reads_data() {
            return [
                // read as it stands
                { tag: "weight after a blank", text: "AA, KK :0.5", range: "AA, KK:0.5", same: true },
                { tag: "weight after the colon and a blank", text: "AA, KK: 0.5", range: "AA, KK:0.5", same: true },
                { tag: "weight on its own line", text: "AA,\nKK\n:0.25", range: "AA, KK:0.25", same: true },
                { tag: "spans", text: "T9s+, QJo+, AK-AT, 99-22:0.5", range: "T9s+, QJo+, AK-AT, 99-22:0.5", same: true },
                { tag: "blanks around a dash", text: "A5s - A2s", range: "A5s-A2s", same: true },
                { tag: "exact combos", text: "AhKh,AsKs", range: "AhKh, AsKs", same: true },
                { tag: "share with blanks", text: "  25% \n", range: "25%", same: true },
                { tag: "weight in hex", text: "AA:0x1p-1", range: "AA:0x1p-1", same: true },
                // other programs' exports
                { tag: "exact combos parted by blanks", text: "AhKh AsKs QQ", range: "AhKh, AsKs, QQ" },
                { tag: "a weight over an exact combo", text: "AKs AhKh:0.5", range: "AKs:0.5, AhKh:0.5" },
                { tag: "spans parted by lines", text: "T9s+\nQJo+\nAK-AT:0.5", range: "T9s+:0.5, QJo+:0.5, AK-AT:0.5" },
                { tag: "weights kept as written", text: "AA KK:0.3333", range: "AA:0.3333, KK:0.3333" },
                { tag: "a share among hands", text: "AA KK 50%", range: "AA, KK", note: "'50%'" },
                { tag: "words", text: "AhKh foo AKs", range: "AhKh, AKs", note: "'foo'" },
                { tag: "a header", text: "BTN open range\nAA KK:0.5", range: "AA:0.5, KK:0.5",
                  note: "'BTN', 'open', 'range'" },
                { tag: "a word written like a hand", text: "Jack's range\nAA KK", refused: "Jack's" },
                { tag: "a title line", text: "My 3bet range\nQQ+ AKs", range: "QQ+, AKs", note: "'My', '3bet', 'range'" },
                { tag: "a lone weight", text: ":0.5 AA KK", range: "AA, KK", note: "':0.5'" },
                { tag: "many words", text: "one two three four five six seven AA",
                  range: "AA", note: "'one', 'two', 'three', 'four', 'five' and 2 more" },
                { tag: "a long word", text: "AA " + "x".repeat(40), range: "AA",
                  note: "'" + "x".repeat(23) + "\u2026'" }
            ]
        }

        function test_import_keeps_what_the_solver_reads(data) {
            importFrom("oop", writeFile("keeps.txt", data.text))
            var note = findChild(page, "importRangeNote")
            if (data.refused !== undefined) {
                compare([page._importRangeError, page._importRangeNormalizedText, note.visible],
                        ["Import failed: '" + data.refused + notARange, "", false])
                closeImport()
                return
            }
            compare([page._importRangeError, page._importRangeNormalizedText, findChild(page, "importRangeConfirmButton").enabled],
                    ["", data.range, true])
            compare([note.visible, note.text], data.note ? [true, "Left out, not read as hands: " + data.note] : [false, ""])
            if (data.same)
                compare(SolverRange.combos(data.range), SolverRange.combos(data.text), "the solver reads the import as the file")
            keyClick(Qt.Key_Return)
            tryCompare(findChild(page, "importRangeNameDialog"), "visible", false)
            compare([page.oopCustomRanges[0].value, page.ipCustomRanges[0].value], [data.range, data.range])
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

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    // Home's "Import Range" opens the same import for OOP, the file picked
    // in the program's file dialog.
    SetupPageCase {
        name: "HomeImport"
        pageAtStart: false

        // The Standard library's text comes in as it is; a refused piece
        // leaves "Import" off.
        function test_home_import_reads_a_file_as_the_range_field_does_data() {
            return [{ tag: "library text", text: "77:0.3, 66:0.5, 55, 44, 33, 22, A9s:0.3, A8s", error: "" },
                    { tag: "refused piece", text: "AA, KK:9, 72o:-1, banana",
                      error: "Import failed: 'KK:9' is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%" }]
        }

        function test_home_import_reads_a_file_as_the_range_field_does(data) {
            writeFile("home range.txt", data.text)
            var shell = createTemporaryObject(shellComp, host)
            page = findChild(shell, "projectPage")
            mouseClick(findChild(findChild(shell, "homePage"), "quickAction2"))
            var dialog = findChild(page, "importRangeFileDialog")
            tryCompare(dialog, "opened", true)
            dialog.setFolderUrl(scratchDirUrl)
            findChild(dialog.contentItem, "fileNameField").forceActiveFocus()
            typeKeys("home range.txt")
            keyClick(Qt.Key_Return)
            tryCompare(findChild(page, "importRangeNameDialog"), "opened", true)
            var range = data.error === "" ? data.text : ""
            compare([shell.navIndex, page._importRangeError, page._importRangeNormalizedText,
                     findChild(page, "importRangeConfirmButton").enabled], [1, data.error, range, range !== ""])
            keyClick(Qt.Key_Return)
            if (range === "")
                closeImport()
            tryCompare(findChild(page, "importRangeNameDialog"), "visible", false)
            compare(page.oopCustomRanges.map(function(n) { return n.value }), range === "" ? [] : [range])
        }
    }
}
