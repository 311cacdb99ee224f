import QtQuick
import QtTest
import Velmora

// Project state of the shell: the presets, export and apply (missing and
// mistyped keys), the customer Quick Solve ranges and the re-binding of the
// pages after a reset or a load.
Item {
    id: host
    width: 1540
    height: 1000

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }
    Component {
        id: bareShellComp
        AppShell { anchors.fill: parent }
    }

    readonly property var allKeys: [
        "boardText", "oopRangeText", "ipRangeText", "betSizesText", "maxIterations", "startingPot",
        "effectiveStack", "threadCount", "startingStreet", "targetExploitability", "rakePercent", "rakeCap",
        "oopFlopBetSizesText", "oopTurnBetSizesText", "oopRiverBetSizesText", "oopFlopRaiseSizesText",
        "oopTurnRaiseSizesText", "oopRiverRaiseSizesText", "oopFlopAddAllIn", "oopTurnAddAllIn",
        "oopRiverAddAllIn", "oopFlopDontDonk", "oopTurnDontDonk", "oopRiverDontDonk", "ipFlopBetSizesText",
        "ipTurnBetSizesText", "ipRiverBetSizesText", "ipFlopRaiseSizesText", "ipTurnRaiseSizesText",
        "ipRiverRaiseSizesText", "ipFlopAddAllIn", "ipTurnAddAllIn", "ipRiverAddAllIn",
        "oopAddAllInIfJamLtEnabled", "oopAddAllInIfJamLtPct", "ipAddAllInIfJamLtEnabled", "ipAddAllInIfJamLtPct"
    ]

    TestCase {
        name: "ShellState"
        when: windowShown

        function createShell() {
            var shell = createTemporaryObject(shellComp, host)
            verify(shell)
            return shell
        }

        function test_export_after_startup_holds_the_blank_state() {
            var shell = createShell()
            var p = shell.exportProjectState()
            compare(Object.keys(p).sort(), host.allKeys.slice().sort())
            compare(p.boardText, "")
            compare(p.maxIterations, 0)
            compare(p.startingPot, 0)
            compare(p.startingStreet, "flop")
            compare(p.targetExploitability, 0)
            compare(p.oopFlopDontDonk, false)
            compare(p.threadCount, appController.systemThreadCount)
            compare(shell.hasProject, false)
            compare(shell.navIndex, 0)
        }

        function test_quick_solve_state() {
            var shell = createShell()
            shell.resetToDefaults()
            var p = shell.exportProjectState()
            compare(p.boardText, "QsJh2h")
            compare(p.startingPot, 180)
            compare(p.effectiveStack, 910)
            compare(p.maxIterations, 400)
            compare(p.targetExploitability, 0.5)
            compare(p.rakePercent, 5.0)
            compare(p.rakeCap, 30)
            compare(p.betSizesText, "52")
            var seats = ["oop", "ip"]
            for (var i = 0; i < 2; ++i) {
                compare(p[seats[i] + "FlopBetSizesText"], "52")
                compare(p[seats[i] + "TurnBetSizesText"], "55")
                compare(p[seats[i] + "RiverBetSizesText"], "70")
                compare(p[seats[i] + "FlopRaiseSizesText"], "45")
                compare(p[seats[i] + "TurnRaiseSizesText"], "45")
                compare(p[seats[i] + "RiverRaiseSizesText"], "45")
            }
            compare(shell.hasProject, true)
        }

        function test_customer_quick_solve_ranges() {
            var shell = createShell()
            compare(shell.developerMode, false)
            shell.resetToDefaults()
            compare(shell.oopRangeText,
                    "88+,A8s+,A5s,A4s,A3s-A2s:0.5,AJo+,ATo,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,65s:0.75,64s:0.5,54s:0.75,53s:0.5,43s:0.5,32s:0.45,A9o:0.5,K8s:0.5,Q8s:0.5,77:0.5,66:0.5,55:0.25")
            compare(shell.ipRangeText,
                    "AA:0.25,99-22,AJs-A6s,A5s-A4s:0.5,A3s-A2s,AQo-A7o,K2s+,K9o+,Q4s+,Q3s-Q2s:0.5,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s,QQ:0.25,JJ:0.25,TT:0.5,A5o:0.5,A4o:0.5,J5s:0.5,T5s:0.5")
            // The developer preset keeps the original texts.
            verify(shell.defaultPreset.oopRangeText.indexOf("52s:0.45") >= 0)
            verify(shell.defaultPreset.ipRangeText.indexOf("AJs-A2s") >= 0)
        }

        function test_new_project_is_blank_with_game_settings() {
            var shell = createShell()
            shell.boardText = "AhKdQc"
            shell.oopFlopBetSizesText = "33"
            shell.resetToNewProject()
            compare(shell.boardText, "")
            compare(shell.oopFlopBetSizesText, "")
            compare(shell.maxIterations, 400)
            compare(shell.startingPot, 180)
            compare(shell.effectiveStack, 910)
            compare(shell.rakeCap, 30)
            compare(shell.threadCount, appController.systemThreadCount)
            compare(shell.hasProject, true)
        }

        // The shell's startup blank state (no budget) reaches both pages, and so does a preset's.
        function test_iteration_budget_until_a_preset_gives_one() {
            var shell = createShell()
            var budgets = function() {
                return [shell.maxIterations, findChild(shell, "projectPage").maxIterations,
                        findChild(shell, "solvePage").maxIterations]
            }
            compare(budgets(), [0, 0, 0])
            shell.resetToDefaults()
            compare(budgets(), [400, 400, 400])
        }

        function test_thread_defaults_without_controller() {
            var shell = createTemporaryObject(bareShellComp, host)
            verify(shell)
            compare(shell.threadCount, 1)
            compare(shell.defaultPreset.threadCount, 12)
            compare(shell.newProjectPreset.threadCount, 12)
            shell.resetToDefaults()
            compare(shell.threadCount, 12)
            compare(shell.canSolve, false, "no controller, no memory figures")
        }

        function test_apply_changes_only_given_keys() {
            var shell = createShell()
            shell.resetToDefaults()
            shell.applyProjectState({ boardText: "2c3d4h", rakeCap: 12, unknownKey: "x", ipRangeText: undefined })
            compare(shell.boardText, "2c3d4h")
            compare(shell.rakeCap, 12)
            compare(shell.startingPot, 180)
            verify(shell.ipRangeText.length > 0)
            verify(!("unknownKey" in shell.exportProjectState()))
            var before = shell.exportProjectState()
            shell.applyProjectState(null)
            shell.applyProjectState(undefined)
            compare(shell.exportProjectState(), before)
        }

        function test_apply_skips_mistyped_values_and_applies_the_rest() {
            var shell = createShell()
            shell.resetToDefaults()
            ignoreWarning(/invalid value for maxIterations/)
            ignoreWarning(/invalid value for startingPot/)
            ignoreWarning(/invalid value for boardText/)
            ignoreWarning(/invalid value for oopFlopAddAllIn/)
            ignoreWarning(/invalid value for startingStreet/)
            ignoreWarning(/invalid value for rakePercent/)
            shell.applyProjectState({
                maxIterations: "many",
                startingPot: "5,5",
                boardText: 42,
                oopFlopAddAllIn: "yes",
                startingStreet: "preflop",
                rakePercent: { value: 3 },
                effectiveStack: 250,
                rakeCap: "12",
                targetExploitability: "0.25",
                ipRiverAddAllIn: true,
                ipRangeText: "AA"
            })
            compare(shell.maxIterations, 400)
            compare(shell.startingPot, 180, "a comma is no decimal separator")
            compare(shell.boardText, "QsJh2h")
            compare(shell.oopFlopAddAllIn, false)
            compare(shell.startingStreet, "flop")
            compare(shell.rakePercent, 5.0)
            compare(shell.effectiveStack, 250, "valid keys after bad ones still apply")
            compare(shell.rakeCap, 12)
            compare(shell.targetExploitability, 0.25)
            compare(shell.ipRiverAddAllIn, true)
            compare(shell.ipRangeText, "AA")
        }

        // A loaded file may hold values no page could show or solve with:
        // counts below 0 read as 0, percentages stay within 0 to 100.
        function test_apply_tames_out_of_range_numbers() {
            var shell = createShell()
            shell.resetToDefaults()
            shell.applyProjectState({
                threadCount: -5, startingPot: -40, effectiveStack: "-1", maxIterations: -2, rakeCap: -3,
                rakePercent: 1e308, targetExploitability: -0.5, oopAddAllInIfJamLtPct: -7,
                ipAddAllInIfJamLtPct: 1e300
            })
            compare(shell.threadCount, 0)
            compare(shell.startingPot, 0)
            compare(shell.effectiveStack, 0)
            compare(shell.maxIterations, 0)
            compare(shell.rakeCap, 0)
            compare(shell.rakePercent, 100)
            compare(shell.targetExploitability, 0)
            compare(shell.oopAddAllInIfJamLtPct, 0)
            compare(shell.ipAddAllInIfJamLtPct, 1000000)
            compare(shell._solveMemCfg().thread_count, 0)
        }

        function test_export_apply_round_trip() {
            var a = createShell()
            a.resetToDefaults()
            a.boardText = "Ah Kd Qc"
            a.oopAddAllInIfJamLtPct = 12.5
            a.oopTurnDontDonk = true
            var b = createShell()
            b.applyProjectState(a.exportProjectState())
            compare(b.exportProjectState(), a.exportProjectState())
        }

        function test_pages_are_rebound_after_reset() {
            var shell = createShell()
            var project = findChild(shell, "projectPage")
            var solve = findChild(shell, "solvePage")
            shell.resetToDefaults()
            // An edit on the Setup page reaches the shell and the Solve page.
            project.boardText = "AhKdQc"
            compare(shell.boardText, "AhKdQc")
            compare(solve.boardText, "AhKdQc")
            project.startingPot = 250
            compare(shell.startingPot, 250)

            findChild(shell, "homePage").newProject()
            compare(project.boardText, "", "Setup shows the new project")
            compare(project.startingPot, 180)
            shell.boardText = "2c2d2h"
            compare(project.boardText, "2c2d2h", "later shell changes reach the page again")
            compare(solve.boardText, "2c2d2h")
        }

        function test_solve_page_thread_count_is_written_back() {
            var shell = createShell()
            var solve = findChild(shell, "solvePage")
            solve.threadCount = 3
            compare(shell.threadCount, 3)
            compare(shell._solveMemCfg().thread_count, 3)
            compare(shell.exportProjectState().threadCount, 3)
            verify(!("threadCount" in findChild(shell, "projectPage")))
        }

        function test_reset_clears_results_and_status() {
            var shell = createShell()
            appController.startSolve()  // refused: no board; leaves a status text
            verify(appController.statusText !== "Ready")
            shell.resetToNewProject()
            compare(appController.statusText, "Ready")
            compare(appController.resultIterations, 0)
        }
    }
}
