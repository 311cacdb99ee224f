import QtQuick
import QtTest
import Velmora
import "spots.js" as Spots
import "../../Velmora/qml/pages/project" as Project

// Solve readiness of the shell: board, range and sizing tests, the memory
// rule, the solve configuration map and the debounced memory estimate with
// the real controller.
Item {
    id: host
    width: 1540
    height: 1000

    readonly property real gb: 1024 * 1024 * 1024

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }
    Component {
        id: bareShellComp
        AppShell { anchors.fill: parent }
    }
    Component {
        id: headerComp
        Project.ProjectHeader {}
    }
    // Memory figures as a controller publishes them, for the boundary cases
    // the machine's real free memory cannot be set to.
    Component {
        id: figuresComp
        QtObject {
            property real solveRequiredMemoryBytes: 0
            property real systemAvailableMemoryBytes: 0
            property real resultsReclaimableMemoryBytes: 0
            property bool memoryLimitedForProgram: false
        }
    }

    TestCase {
        name: "SolveReadiness"
        when: windowShown

        property var shell: null

        function init() {
            shell = createTemporaryObject(bareShellComp, host)
            verify(shell)
        }

        function test_board_readiness_data() {
            return [
                { tag: "flop", board: "QsJh2h", ready: true },
                { tag: "lower case", board: "qsjh2h", ready: true },
                { tag: "blanks", board: "Ah Kd Qc", ready: true },
                { tag: "turn", board: "AhKdQcJs", ready: true },
                { tag: "river", board: "AhKdQcJs2h", ready: true },
                { tag: "repeated cards pass", board: "AhAhAh", ready: true },
                { tag: "two cards", board: "QsJh", ready: false },
                { tag: "odd length", board: "QsJh2", ready: false },
                { tag: "placeholder", board: "QsJh__", ready: false },
                { tag: "trailing character", board: "QsJh2hX", ready: false },
                { tag: "invalid suit", board: "AhKdQx", ready: false },
                { tag: "six cards", board: "AhKdQcJsTs9s", ready: false },
                { tag: "empty", board: "", ready: false }
            ]
        }

        function test_board_readiness(data) {
            shell.boardText = data.board
            compare(shell._isStrictBoardReady(), data.ready)
        }

        function test_board_normalisation() {
            compare(shell._normalizeBoardText(" ah kD\tqc "), "AhKdQc")
            compare(shell._normalizeBoardText("AhXxKd"), "AhKd")
            compare(shell._normalizeBoardText("AhK"), "Ah")
            compare(shell._normalizeBoardText(null), "")
            compare(shell._normalizeBoardText(undefined), "")
        }

        function test_starting_street_needs_its_card_on_the_board_data() {
            return [
                { tag: "flop start on a flop", board: "AhKs7d", street: "flop", ready: true },
                { tag: "river start on a flop", board: "AhKs7d", street: "river", ready: false },
                { tag: "turn start on a flop", board: "AhKs7d", street: "turn", ready: false },
                { tag: "river start on a turn", board: "AhKs7dTc", street: "river", ready: false },
                { tag: "turn start on a turn", board: "AhKs7dTc", street: "turn", ready: true },
                { tag: "flop start on a river", board: "AhKs7dTc2c", street: "flop", ready: true },
                { tag: "river start on a river", board: "AhKs7dTc2c", street: "river", ready: true }
            ]
        }

        function test_starting_street_needs_its_card_on_the_board(data) {
            shell.applyProjectState(Spots.riverSpot(10))
            shell.boardText = data.board
            shell.startingStreet = data.street
            compare(shell._canSolveBase, data.ready)
        }

        function test_range_readiness_data() {
            return [
                { tag: "pair", range: "22", ready: true },
                { tag: "lower case", range: "ak", ready: true },
                { tag: "weighted", range: "A5s:0.5", ready: true },
                { tag: "offsuit", range: "AKo", ready: true },
                // The range parser decides: a uniform range is every hand.
                { tag: "percentage only", range: "50%", ready: true },
                { tag: "hundred percent", range: " 100% ", ready: true },
                { tag: "no weight", range: "0%", ready: false },
                { tag: "only weight 0", range: "AA:0, KK:0", ready: false },
                { tag: "above 100 percent", range: "150%", ready: false },
                { tag: "not a range", range: "hello", ready: false },
                { tag: "one bad token", range: "AA, KQx", ready: false },
                { tag: "blank", range: "   ", ready: false },
                { tag: "empty", range: "", ready: false }
            ]
        }

        // With the back end the solver's range parser decides, as it does
        // when a solve starts.
        function test_range_readiness(data) {
            var withParser = createTemporaryObject(shellComp, host)
            compare(withParser._hasAnyHand(data.range), data.ready)
        }

        // A shell without the back end still takes a uniform range above 0%.
        function test_range_readiness_without_back_end() {
            compare(["50%", "100%", "AA", "ak", "0%", " ", "hello"].map(function(t) { return shell._hasAnyHand(t) }),
                    [true, true, true, true, false, false, false])
        }

        function test_every_sizing_text_is_required() {
            shell.applyProjectState(Spots.riverSpot(10))
            verify(shell._hasSizingFilled())
            verify(shell._canSolveBase)
            var keys = ["oopFlopBetSizesText", "oopFlopRaiseSizesText", "oopTurnBetSizesText",
                        "oopTurnRaiseSizesText", "oopRiverBetSizesText", "oopRiverRaiseSizesText",
                        "ipFlopBetSizesText", "ipFlopRaiseSizesText", "ipTurnBetSizesText",
                        "ipTurnRaiseSizesText", "ipRiverBetSizesText", "ipRiverRaiseSizesText"]
            for (var i = 0; i < keys.length; ++i) {
                shell[keys[i]] = "  "
                verify(!shell._hasSizingFilled(), keys[i])
                verify(!shell._canSolveBase, keys[i])
                shell[keys[i]] = "50"
            }
            shell.oopFlopAddAllIn = true
            shell.oopRiverDontDonk = true
            shell.ipAddAllInIfJamLtEnabled = true
            verify(shell._canSolveBase, "flags are never required")
        }

        function test_memory_rule_data() {
            return [
                { tag: "no estimate", req: 0, avail: 8, reclaim: 0, ok: false },
                { tag: "no free memory figure", req: 1, avail: 0, reclaim: 0, ok: false },
                { tag: "estimate equals available plus reclaimable", req: 10, avail: 8, reclaim: 2, ok: false },
                { tag: "reclaimable counts", req: 9.9, avail: 8, reclaim: 2, ok: true },
                { tag: "nine of eight plus two", req: 9, avail: 8, reclaim: 2, ok: true },
                { tag: "above free memory", req: 9, avail: 8, reclaim: 0, ok: false },
                { tag: "negative reclaim ignored", req: 7, avail: 8, reclaim: -5, ok: true }
            ]
        }

        function test_memory_rule(data) {
            var figures = createTemporaryObject(figuresComp, host)
            figures.solveRequiredMemoryBytes = data.req * host.gb
            figures.systemAvailableMemoryBytes = data.avail * host.gb
            figures.resultsReclaimableMemoryBytes = data.reclaim * host.gb
            shell.applyProjectState(Spots.riverSpot(10))
            shell.controller = figures
            compare(shell._hasEnoughRamToSolve(), data.ok)
            compare(shell.canSolve, data.ok)
        }

        function test_can_solve_follows_the_memory_figures() {
            var figures = createTemporaryObject(figuresComp, host)
            shell.applyProjectState(Spots.riverSpot(10))
            shell.controller = figures
            compare(shell.canSolve, false)
            figures.systemAvailableMemoryBytes = 4 * host.gb
            figures.solveRequiredMemoryBytes = 1 * host.gb
            compare(shell.canSolve, true)
            figures.systemAvailableMemoryBytes = 0.5 * host.gb
            compare(shell.canSolve, false)
            figures.resultsReclaimableMemoryBytes = 1 * host.gb
            compare(shell.canSolve, true)
            shell.boardText = "QsJh"
            compare(shell.canSolve, false, "an incomplete spot is never ready")
        }

        // A complete spot held back only by memory says so: the shell's
        // flag, the Solve tab's tip and the Setup page's badge. Without an
        // estimate, or with the spot incomplete, the usual texts stay.
        function test_memory_refusal_is_named() {
            var figures = createTemporaryObject(figuresComp, host)
            shell.applyProjectState(Spots.riverSpot(10))
            shell.controller = figures
            // The tabs are built again when a tip changes: found anew each time.
            var tab = { get tooltipText() { return findChild(findChild(shell, "topbar"), "tab2").tooltipText } }
            var fill = "Fill board, ranges, and sizings to enable Solve"
            var memory = "This spot needs more memory than this machine has available"
            compare([shell.canSolve, shell.solveNeedsMoreMemory, tab.tooltipText], [false, false, fill], "no estimate")
            figures.systemAvailableMemoryBytes = 8 * host.gb
            figures.solveRequiredMemoryBytes = 9 * host.gb
            compare([shell.canSolve, shell.solveNeedsMoreMemory, tab.tooltipText], [false, true, memory])
            figures.resultsReclaimableMemoryBytes = 2 * host.gb
            compare([shell.canSolve, shell.solveNeedsMoreMemory], [true, false], "clearing the result frees enough")
            figures.resultsReclaimableMemoryBytes = 0
            compare(tab.tooltipText, memory)
            // Bounded by the program's control group or address space, not the machine.
            figures.memoryLimitedForProgram = true
            compare(tab.tooltipText, "This spot needs more memory than is available to this program")
            figures.memoryLimitedForProgram = false
            shell.boardText = "QsJh"
            compare([shell.solveNeedsMoreMemory, tab.tooltipText], [false, fill], "an incomplete spot")

            var header = createTemporaryObject(headerComp, host, { ready: true })
            var section = findChild(header, "projectSectionHeader")
            compare(section.badge, "Ready")
            header.memoryWarning = true
            compare(section.badge, "Needs more memory than available")
            header.canSolve = false
            compare(header.reasonText, "Not enough free memory for this spot: close other programs or use fewer sizes")
            header.controller = figures
            figures.memoryLimitedForProgram = true
            compare(header.reasonText, "Not enough memory available to this program for this spot: use fewer sizes")
            header.ready = false
            compare(section.badge, "Setup Required", "a board still to fill comes first")
        }

        function test_without_controller_nothing_fits() {
            shell.applyProjectState(Spots.riverSpot(10))
            verify(shell._canSolveBase)
            compare(shell._hasEnoughRamToSolve(), false)
            compare(shell.canSolve, false)
        }

        function test_target_in_chips() {
            shell.startingPot = 180
            shell.targetExploitability = 0.5
            fuzzyCompare(shell.targetExploitabilityAmount(), 0.9, 1e-9)
            shell.startingPot = 0
            compare(shell.targetExploitabilityAmount(), 0.0)
            shell.startingPot = -10
            compare(shell.targetExploitabilityAmount(), 0.0)
        }

        function test_solve_configuration_map() {
            shell.resetToDefaults()
            shell.boardText = "qs jh 2h"
            shell.oopTurnDontDonk = true
            shell.ipAddAllInIfJamLtEnabled = true
            shell.ipAddAllInIfJamLtPct = 30
            shell.threadCount = 6
            var cfg = shell._solveMemCfg()
            compare(Object.keys(cfg).length, 36)
            compare(cfg.board, "qs jh 2h", "the board goes as typed")
            compare(cfg.oop_range, shell.oopRangeText)
            compare(cfg.ip_range, shell.ipRangeText)
            compare(cfg.max_iterations, 400)
            fuzzyCompare(cfg.target_exploitability, 0.9, 1e-9)
            compare(cfg.starting_pot, 180)
            compare(cfg.effective_stack, 910)
            compare(cfg.rake_percent, 5.0)
            compare(cfg.rake_cap, 30)
            compare(cfg.starting_street, "flop")
            compare(cfg.thread_count, 6)
            compare(cfg.oop_flop_bet_sizes, "52")
            compare(cfg.oop_turn_bet_sizes, "55")
            compare(cfg.ip_river_bet_sizes, "70")
            compare(cfg.ip_turn_raise_sizes, "45")
            compare(cfg.oop_turn_dont_donk, true)
            compare(cfg.oop_flop_dont_donk, false)
            compare(cfg.ip_add_all_in_jam_threshold_enabled, true)
            compare(cfg.ip_add_all_in_jam_threshold_pct, 30)
            verify(!("ip_flop_dont_donk" in cfg))
            verify(!("apply_node_locks" in cfg))
            verify(!("bet_sizes" in cfg))
        }
    }

    TestCase {
        name: "MemoryEstimate"
        when: windowShown

        property var shell: null
        property var timer: null

        SignalSpy { id: triggerSpy; signalName: "triggered" }
        SignalSpy { id: estimateSpy; target: appController; signalName: "solveRequiredMemoryChanged" }

        function init() {
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
            timer = findChild(shell, "solveMemEstimateTimer")
            verify(timer)
            compare(timer.interval, 450)
            compare(timer.repeat, false)
            // Let the start-up reset's own debounce run out first.
            tryCompare(timer, "running", false, 2000)
            triggerSpy.target = timer
            triggerSpy.clear()
            estimateSpy.clear()
        }

        function test_burst_of_edits_requests_once() {
            shell.applyProjectState(Spots.riverSpot(10))
            var fires = []
            var record = function() { fires.push(Date.now()) }
            timer.triggered.connect(record)
            var pots = [101, 102, 103, 104, 105]
            var widestGap = 0
            var previous = Date.now()
            for (var i = 0; i < pots.length; ++i) {
                shell.startingPot = pots[i]
                var now = Date.now()
                widestGap = Math.max(widestGap, now - previous)
                previous = now
                wait(100)
            }
            // Timed from the last edit itself, not from the end of the
            // wait after it.
            var lastEdit = previous
            widestGap = Math.max(widestGap, Date.now() - previous)
            // Edits 100 ms apart never let the 450 ms debounce run out; on a
            // machine so loaded that the event loop stalled longer than that
            // between two edits (or after the last one), a request in between
            // is correct.
            if (widestGap < 400)
                compare(fires.length, 0, "no request while edits keep coming")
            // The last edit restarted the debounce: every later request is its.
            var afterLast = function() { return fires.filter(function(t) { return t >= lastEdit }) }
            tryVerify(function() { return afterLast().length > 0 }, 5000)
            var delay = afterLast()[0] - lastEdit
            verify(delay >= 400, "fired " + delay + " ms after the last edit")
            wait(600)
            compare(afterLast().length, 1)
            timer.triggered.disconnect(record)
        }

        function test_only_solve_inputs_schedule_an_estimate() {
            shell.maxIterations = 1234
            verify(!timer.running, "iterations are no solve input")
            shell.targetExploitability = 0.3
            verify(!timer.running, "nor is the target")
            shell.betSizesText = "33"
            verify(!timer.running, "nor the single sizing text")
            // A count other than the machine's own (the shell starts with it).
            shell.threadCount = shell.threadCount === 1 ? 2 : 1
            verify(timer.running, "the thread count is")
            timer.stop()
            var inputs = ["boardText", "oopRangeText", "ipRangeText", "startingStreet",
                          "oopRiverRaiseSizesText", "ipTurnBetSizesText"]
            for (var i = 0; i < inputs.length; ++i) {
                shell[inputs[i]] = shell[inputs[i]] + "x"
                verify(timer.running, inputs[i])
                timer.stop()
            }
            var flags = ["oopFlopAddAllIn", "oopTurnDontDonk", "ipRiverAddAllIn", "ipAddAllInIfJamLtEnabled"]
            for (var j = 0; j < flags.length; ++j) {
                shell[flags[j]] = !shell[flags[j]]
                verify(timer.running, flags[j])
                timer.stop()
            }
            shell.oopAddAllInIfJamLtPct = 12
            verify(timer.running)
            timer.stop()
            shell.rakeCap = 9
            verify(timer.running)
            timer.stop()
        }

        function test_complete_spot_gets_a_real_estimate() {
            // A turn spot no earlier test has estimated.
            var spot = Spots.riverSpot(10)
            spot.boardText = "QsJh2h7c"
            spot.startingStreet = "turn"
            shell.applyProjectState(spot)
            triggerSpy.wait(2000)
            estimateSpy.wait(15000)
            verify(appController.solveRequiredMemoryBytes > 0)
            verify(/^\d+(\.\d)? GB$/.test(appController.solveRequiredMemoryText),
                   appController.solveRequiredMemoryText)
            tryCompare(shell, "canSolve", true, 5000)
        }

        function test_incomplete_spot_requests_nothing() {
            shell.applyProjectState(Spots.riverSpot(10))
            tryCompare(shell, "canSolve", true, 15000)
            var before = appController.solveRequiredMemoryBytes
            estimateSpy.clear()
            shell.ipRangeText = "0%"
            compare(shell.canSolve, false)
            triggerSpy.wait(2000)
            wait(300)
            compare(estimateSpy.count, 0, "the timer fired but asked for nothing")
            compare(appController.solveRequiredMemoryBytes, before)
        }

        // A full range is ready like any other: the estimate is asked for
        // and the project can be solved.
        function test_percent_ranges_can_be_solved() {
            shell.applyProjectState(Spots.riverSpot(10))
            tryCompare(shell, "canSolve", true, 15000)
            triggerSpy.clear()
            estimateSpy.clear()
            shell.oopRangeText = "100%"
            shell.ipRangeText = "50%"
            triggerSpy.wait(2000)
            tryVerify(function() { return estimateSpy.count > 0 }, 30000)
            tryCompare(shell, "canSolve", true, 15000)
        }

        function test_new_estimate_replaces_the_old_one() {
            shell.applyProjectState(Spots.riverSpot(10))
            tryVerify(function() { return appController.solveRequiredMemoryBytes > 0 }, 15000)
            var small = appController.solveRequiredMemoryBytes
            estimateSpy.clear()
            // A flop spot with wide ranges needs far more memory than the river spot.
            shell.applyProjectState({ boardText: "QsJh2h", startingStreet: "flop",
                                      oopRangeText: "22+,A2s+,K2s+,A2o+",
                                      ipRangeText: "22+,A2s+,K2s+,A2o+" })
            tryVerify(function() { return appController.solveRequiredMemoryBytes > small }, 30000)
        }
    }
}
