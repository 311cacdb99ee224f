import QtQuick
import QtTest
import Qt.labs.settings
import Velmora
import "../qml_shell/spots.js" as Spots

// Settings profiles on the Setup page: saving under unique names through the
// dialog, loading and deleting through the load dialog and its confirmation,
// what a snapshot holds, older profile forms, damaged values and a damaged
// store, the store across a new page, and the street of a profile loaded
// onto another board in the shell.
Item {
    id: host
    width: 1540
    height: 1000

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
    }

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    Settings {
        id: store
        category: "settings_profiles"
    }

    TestCase {
        name: "SetupProfiles"
        when: windowShown

        property var page: null

        function storeText(text) { store.setValue("profilesJson", text); store.sync() }
        function storedText() { return String(store.value("profilesJson", "")) }
        function storedList() { return JSON.parse(storedText()) }
        function cleanup() { storeText("") }
        function init() {
            storeText("")
            page = createTemporaryObject(pageComp, host)
        }

        function saveThroughDialog(name) {
            page.openSaveSettingsDialog()
            var dialog = findChild(page, "saveSettingsDialog")
            tryCompare(findChild(page, "saveSettingsNameField"), "activeFocus", true)
            for (var i = 0; i < name.length; ++i)
                keyClick(name.charAt(i))
            keyClick(Qt.Key_Return)
            return dialog
        }

        // A row of the load dialog once it is laid out.
        function row(dialog, index) {
            var r = null
            tryVerify(function() { r = findChild(dialog.contentItem, "profileRow_" + index); return r && r.width > 0 })
            return r
        }

        function names() { return page.settingsProfiles.map(function(p) { return p.name }) }

        function test_save_unique_names_and_what_is_stored() {
            var values = { boardText: "AhKsQd", oopRangeText: "AA", startingPot: 180, targetExploitability: 0.5,
                           oopRiverDontDonk: true, ipTurnRaiseSizesText: "60, 120", ipAddAllInIfJamLtPct: 12.5 }
            for (var k in values)
                page[k] = values[k]
            var list = ["Fast", "  Fast ", "Fast", "fast"]
            for (var i = 0; i < list.length; ++i)
                tryCompare(saveThroughDialog(list[i]), "visible", false)
            compare(names(), ["Fast", "Fast (2)", "Fast (3)", "fast"])
            page.deleteSettingsProfileById(page.settingsProfiles[1].id)
            saveThroughDialog("Fast")
            compare(names(), ["Fast", "Fast (3)", "fast", "Fast (2)"], "the smallest free number again")

            // Return in an empty field says why nothing was saved.
            var dialog = saveThroughDialog("")
            compare([page._saveProfileError, dialog.visible, findChild(dialog, "errorLine").visible,
                     findChild(page, "saveSettingsConfirmButton").enabled], ["Please enter a name.", true, true, false])
            dialog.close()

            // Every change is stored at once: four keys a profile, the 32
            // settings in order (no board, range or thread), read by a new page.
            var stored = storedList()
            compare(stored.map(function(p) { return p.name }), names())
            compare(Object.keys(stored[0]), ["id", "name", "createdAt", "data"])
            verify(/^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$/.test(stored[0].createdAt), stored[0].createdAt)
            verify(/^n_[0-9a-z]+_[0-9a-z]{1,6}$/.test(stored[0].id), stored[0].id)
            var data = stored[0].data, keys = Object.keys(data)
            compare([keys.length, keys[0], keys[4], keys[7], keys[27], keys[31]], [32, "starting_pot",
                     "target_exploitability_pct", "oop_flop_bet_sizes", "ip_river_add_all_in", "ip_add_all_in_jam_threshold_pct"])
            compare([data.starting_pot, data.target_exploitability_pct, data.oop_river_dont_donk,
                     data.ip_turn_raise_sizes, data.ip_add_all_in_jam_threshold_pct], [180, 0.5, true, "60, 120", 12.5])
            verify(!/board|range_text|oop_range|ip_range|thread/.test(JSON.stringify(data)))
            var again = createTemporaryObject(pageComp, host)
            compare(again.settingsProfiles.map(function(p) { return p.id }),
                    page.settingsProfiles.map(function(p) { return p.id }))
        }

        // A profile saved into the stored list joins the list's text as it
        // was, whatever its name holds: the stored text is the list's text.
        function test_saves_keep_the_stored_text_whole() {
            for (var name of ["A", "B $& $' $` $$ ] \" \\", "C", "delete A", "D"]) {
                if (name === "delete A")
                    page.deleteSettingsProfileById(page.settingsProfiles[0].id)
                else
                    tryCompare(saveThroughDialog(name), "visible", false)
                compare(storedText(), JSON.stringify(page.settingsProfiles), name)
            }
            compare(names(), ["B $& $' $` $$ ] \" \\", "C", "D"])
        }

        function test_load_delete_through_the_dialogs() {
            page.applySettingsSnapshot({ starting_pot: 50, oop_flop_bet_sizes: "33", ip_add_all_in_jam_threshold_enabled: 1 })
            saveThroughDialog("A")
            saveThroughDialog("B")
            page.applySettingsSnapshot({ starting_pot: 300 })
            page.boardText = "AhKsQd2c"

            page.openLoadSettingsDialog()
            var dialog = findChild(page, "loadSettingsDialog")
            tryCompare(dialog, "opened", true)
            compare(findChild(page, "loadProfileButton").enabled, false)
            mouseDoubleClickSequence(row(dialog, 0))
            tryCompare(dialog, "visible", false)
            compare([page.startingPot, page.oopFlopBetSizesText, page.ipAddAllInIfJamLtEnabled, page.boardText],
                    [50, "33", true, "AhKsQd2c"])

            page.openLoadSettingsDialog()
            tryCompare(dialog, "opened", true)
            mouseClick(row(dialog, 1))
            compare(page._loadProfileSelectedId, page.settingsProfiles[1].id)
            mouseClick(findChild(page, "deleteProfileButton"))
            var confirm = findChild(page, "confirmDeleteProfileDialog")
            tryCompare(confirm, "opened", true)
            compare(findChild(confirm, "deleteItemName").text, "\u201CB\u201D")
            mouseClick(findChild(confirm, "confirmDeleteButton"))
            tryCompare(confirm, "visible", false)
            compare([dialog.visible, names(), page._loadProfileSelectedId, findChild(page, "loadProfileButton").enabled],
                    [true, ["A"], "", false], "the load dialog stays open, the selection is gone")

            // A selection that no longer exists neither loads nor deletes.
            page._loadProfileSelectedId = "gone"
            verify(!page._loadSelectedProfile())
            compare(page._loadProfileError, "Please select a profile.")
            page._askDeleteSelectedProfile()
            compare(confirm.visible, false)

            page.deleteSettingsProfileById(page.settingsProfiles[0].id)
            tryCompare(findChild(dialog, "noProfilesNote"), "visible", true)
            compare(storedText(), "[]")
            dialog.close()
        }

        // Many profiles: the rows scroll and the buttons stay in the window.
        function test_many_profiles_keep_the_buttons_in_view() {
            var list = []
            for (var i = 0; i < 60; ++i)
                list.push({ id: "p" + i, name: "Profile " + i, data: { starting_pot: 100 + i } })
            storeText(JSON.stringify(list))
            page = createTemporaryObject(pageComp, host)
            tryCompare(page.settingsProfiles, "length", 60)
            page.openLoadSettingsDialog()
            var dialog = findChild(page, "loadSettingsDialog")
            tryCompare(dialog, "opened", true)
            var load = findChild(page, "loadProfileButton")
            var view = findChild(dialog.contentItem, "profileRowsView")
            tryVerify(function() { return view.height > 0 && view.contentHeight > view.height })
            var bottom = load.mapToItem(host, 0, load.height).y
            verify(bottom <= host.height, "Load button bottom " + bottom + " inside " + host.height)
            view.contentY = view.contentHeight - view.height
            var last = row(dialog, 59)
            mouseClick(last)
            mouseClick(load)
            tryCompare(dialog, "visible", false)
            compare(page.startingPot, 159)
        }

        // A profile saved on one board, loaded onto another through the load
        // dialog: the street is the current board's (the profile's only while
        // there is no flop) in the page, the project state, the Solve page's
        // summary and the tree a start solves (a flop start deals the turn, a
        // turn start the river).
        function test_profile_street_follows_the_board_data() {
            return [{ tag: "river onto a flop", saved: "QsJh2h7c3d", board: "QsJh2h", street: "flop" },
                    { tag: "flop onto a river", saved: "QsJh2h", board: "QsJh2h7c3d", street: "river" },
                    { tag: "turn onto a river", saved: "QsJh2h7c", board: "QsJh2h7c3d", street: "river" },
                    { tag: "flop onto a turn", saved: "QsJh2h", board: "QsJh2h7c", street: "turn" },
                    { tag: "river onto no board", saved: "QsJh2h7c3d", board: "", street: "river" }]
        }
        function test_profile_street_follows_the_board(data) {
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.applyProjectState(Object.assign(Spots.riverSpot(2), { oopRangeText: "AA,KK", ipRangeText: "QQ,JJ" }))
            page = findChild(shell, "projectPage")
            page.boardText = data.saved
            saveThroughDialog("On " + data.saved)
            page.boardText = data.board
            page.openLoadSettingsDialog()
            mouseDoubleClickSequence(row(findChild(page, "loadSettingsDialog"), 0))
            compare([page.startingStreet, shell.exportProjectState().startingStreet,
                     findChild(findChild(shell, "solvePage"), "summaryStreet").text],
                    [data.street, data.street, data.street.toUpperCase()])
            page.boardText = data.board || "QsJh2h"
            tryCompare(shell, "canSolve", true, 15000)
            shell._startSolveFromShortcut()
            tryCompare(appController, "lastRunOutcome", "done", 30000)
            var deals = ""
            for (var i = 0; i < appController.treeNodeCount(); ++i)
                deals += " " + appController.nodeMeta(i).chanceDeal
            compare(/ turn/.test(deals) ? "flop" : / river/.test(deals) ? "turn" : "river", data.board ? data.street : "flop")
            appController.clearResults()
        }

        function test_older_and_damaged_profiles() {
            page.applySettingsSnapshot({ rake_percent: 3, oop_add_all_in_jam_threshold_pct: 7, ip_add_all_in_jam_threshold_pct: 8,
                                         ip_river_raise_sizes: "50", oop_add_all_in_jam_threshold_enabled: true })
            page.applySettingsSnapshot({ target_exploitability: 0.9, starting_pot: 180 })
            fuzzyCompare(page.targetExploitability, 0.5, 1e-12)
            compare([page.startingPot, page.oopAddAllInIfJamLtEnabled, page.ipAddAllInIfJamLtEnabled], [180, false, false])
            compare([page.oopAddAllInIfJamLtPct, page.ipAddAllInIfJamLtPct], [7, 8], "no jam key keeps the values")
            compare(page.ipRiverRaiseSizesText, "", "a missing size empties the field")

            page.applySettingsSnapshot({ add_all_in_jam_threshold_enabled: true, add_all_in_jam_threshold_pct: 25,
                                         oop_add_all_in_jam_threshold_pct: 3 })
            compare([page.oopAddAllInIfJamLtEnabled, page.ipAddAllInIfJamLtEnabled, page.oopAddAllInIfJamLtPct,
                     page.ipAddAllInIfJamLtPct], [true, true, 25, 25])

            // Chips without a usable pot are taken as they are.
            page.startingPot = 0
            page.applySettingsSnapshot({ target_exploitability: 1.5 })
            compare(page.targetExploitability, 1.5)

            // Values that are not numbers keep the current value; null and
            // false size texts are empty.
            page.startingPot = 100
            page.applySettingsSnapshot({ rake_percent: "abc", starting_pot: "x", target_exploitability_pct: NaN,
                                         max_iterations: "500", oop_flop_bet_sizes: 0, ip_flop_bet_sizes: null,
                                         oop_turn_bet_sizes: false, oop_river_bet_sizes: 75 })
            compare([page.rakePercent, page.startingPot, page.targetExploitability, page.maxIterations],
                    [3, 100, 1.5, 500])
            compare([page.oopFlopBetSizesText, page.ipFlopBetSizesText, page.oopTurnBetSizesText,
                     page.oopRiverBetSizesText], ["", "", "", "75"])

            // Values out of the fields' ranges are clamped as the fields clamp
            // them; an unknown street and a size that is no text are refused.
            page.applySettingsSnapshot({ starting_pot: 1e12, effective_stack: -5, rake_percent: 500, rake_cap: 2.5e9,
                                         max_iterations: 1e10, starting_street: "preflop", oop_flop_bet_sizes: { a: 1 },
                                         oop_add_all_in_jam_threshold_pct: 5000, target_exploitability_pct: -1 })
            compare([page.startingPot, page.effectiveStack, page.rakePercent, page.rakeCap, page.maxIterations,
                     page.startingStreet, page.oopFlopBetSizesText, page.oopAddAllInIfJamLtPct, page.targetExploitability],
                    [100000, 1, 100, 1000000, 2147483647, "flop", "", 1000, 0])
        }

        function test_store_read_at_start() {
            // A store that does not parse survives the start unchanged; the
            // next save replaces it.
            storeText("not json")
            ignoreWarning(/^Settings profiles: the stored list is not a JSON list/)
            var p = createTemporaryObject(pageComp, host)
            compare(p.settingsProfiles.length, 0)
            compare(storedText(), "not json")
            page = p
            saveThroughDialog("New")
            compare(storedList().map(function(e) { return e.name }), ["New"])

            // A readable store is rewritten clean: names trimmed, ids filled in.
            storeText(JSON.stringify([{ name: " Old ", data: { starting_pot: 40 } }, { id: "k", name: "Kept", data: null }]))
            p = createTemporaryObject(pageComp, host)
            var stored = storedList()
            compare(stored.map(function(e) { return e.name }), ["Old", "Kept"])
            verify(stored[0].id.length > 0 && stored[0].id === p.settingsProfiles[0].id)
            compare(Object.keys(stored[0]), ["id", "name", "createdAt", "data"])
            compare([stored[0].createdAt, stored[1].id, JSON.stringify(stored[1].data)], ["", "k", "{}"])
        }
    }
}
