import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The results page inside the shell with the real controller: tiny river
// spots solved for real, then walked on the page.
Item {
    id: host
    width: 1540
    height: 1100

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        id: tc
        name: "ResultsBackend"
        when: windowShown

        property var shell: null
        property var page: null

        function init() {
            shell = createTemporaryObject(shellComp, host)
            verify(shell)
            page = findChild(shell, "resultsPage")
            verify(page)
            tryCompare(appController, "running", false, 10000)
        }

        function cleanup() {
            if (languageManager.currentLanguage !== "system")
                languageManager.setLanguage("system")
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 20000)
            }
            appController.clearResults()
        }

        function start() {
            tryCompare(shell, "canSolve", true, 15000)
            shell._startSolveFromShortcut()
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            compare(appController.statusText, "Done")
        }

        function solve(spot) {
            shell.resetToNewProject()
            shell.applyProjectState(spot)
            start()
            shell.navIndex = 3
            waitForRendering(page)
        }

        function clickAction(level, position) {
            wait(1)   // lets replaced delegates go
            mouseClick(findChild(findChild(page, "treeLevel" + level), "actionNode" + position))
        }

        // The first action whose key starts with `kind` ("bet" finds "bet 50%").
        function indexOfKind(actions, kind) {
            for (var i = 0; i < actions.length; ++i) {
                if (String(actions[i].actionType).split(" ")[0] === kind)
                    return i
            }
            return -1
        }

        function test_walk_a_solved_river_spot() {
            solve(Spots.riverSpot(40))
            compare([page.treeLevels.count, page.currentNodeIndex, page.treeBoardText], [1, 0, "QsJh2h7c3d"])
            var solvedRake = [page.rakePercent, page.rakeCap]
            shell.boardText = "AhKd2c"   // edits on the Setup page after the solve
            shell.rakePercent = solvedRake[0] + 3
            shell.rakeCap = solvedRake[1] + 7
            compare([page.boardText, page.treeBoardText], ["QsJh2h7c3d", "QsJh2h7c3d"], "the solved board stays")
            compare([page.rakePercent, page.rakeCap], solvedRake, "the solved rake stays")
            var stats = appController.nodeActionStats(0)
            verify(stats.length >= 2)
            compare(page.currentActions.map(function(a) { return [a.name, a.frequency] }),
                    stats.map(function(a) { return [a.name, a.frequency] }), "the root shows the back end's figures")
            compare(Object.keys(page.handWeights).sort(), ["AA", "AKs", "KK", "QQ"], "OOP's range reaches the root")
            var bet = indexOfKind(page.currentActions, "bet")
            verify(page.currentActions[bet].color !== undefined, "the sized bet has its palette colour")

            clickAction(0, bet)
            compare([page.treeLevels.count, page.selectedPlayer], [2, "IP"])
            var facing = appController.nodeActions(page.currentNodeIndex)
            clickAction(1, indexOfKind(facing, "fold"))   // the hand ends: the choice stays, no level
            compare([page.treeLevels.count, page.treeLevels.get(1).selectedActionIndex], [2, indexOfKind(facing, "fold")])
            clickAction(0, 0)                             // the root again
            clickAction(0, bet)
            clickAction(1, indexOfKind(facing, "call"))
            compare(page.treeLevels.count, 2)
            compare(findChild(findChild(page, "treeLevel1"), "actionChipText").text, "Call")

            start()
            compare([page.treeLevels.count, page.currentNodeIndex, page.treeLevels.get(0).selectedActionIndex],
                    [1, 0, -1], "new results put the page back at the root")
        }

        // Which of the matrix, buckets and hand details say the node's details were not saved.
        function notSavedNotes() {
            return ["matrixNotSaved", "bucketsNotSaved", "combosNotSaved"].map(function(name) {
                var item = findChild(page, name)
                verify(item, name)
                return item.visible
            })
        }

        // A loaded project holds the details of the nodes viewed before it
        // was saved: every other decision node says so on the matrix, the
        // buckets and the hand details, and keeps its tree and frequencies.
        function test_loaded_project_names_the_details_it_lacks() {
            solve(Spots.riverSpot(40))
            var url = scratchDirUrl + "/results-partly-viewed.velmoraproj"
            verify(appController.saveProject(url, shell.exportProjectState()))
            var loaded = appController.loadProject(url)
            verify(loaded.ok, loaded.error)
            waitForRendering(page)
            tryCompare(page, "_handCombosLoading", false, 5000)
            compare(notSavedNotes(), [false, false, false], "the root was saved")
            verify(findChild(page, "bucketsShown").visible && page.currentHandCombos.length > 0)

            clickAction(0, indexOfKind(page.currentActions, "bet"))
            tryCompare(page, "_handCombosLoading", false, 5000)
            waitForRendering(page)
            compare(notSavedNotes(), [true, true, true])
            compare([findChild(page, "noHandCombos").visible, findChild(page, "bucketsShown").visible], [false, false],
                    "no bare \"no combos\" line, no \"0 shown\"")
            compare(page.treeLevels.count, 2, "the tree walks on")
            verify(page.currentActions.length >= 2, "the frequencies stay")
            compare(page.currentActions.map(function(a) { return a.frequency }),
                    appController.nodeActions(page.currentNodeIndex).map(function(a) { return a.frequency }))

            page.navigateToBreadcrumb(0)
            tryCompare(page, "_handCombosLoading", false, 5000)
            compare(notSavedNotes(), [false, false, false], "back at the root")
        }

        // Opened from a file that does not hold IP's hands at the root,
        // the trainer says so where a solved game deals them.
        function test_trainer_tells_hands_not_saved() {
            solve(Spots.riverSpot(40))
            var url = scratchDirUrl + "/trainer-not-saved.velmoraproj"
            verify(appController.saveProject(url, shell.exportProjectState()))
            var notice = findChild(page, "playNotice")
            for (var opened of [false, true]) {
                if (opened)
                    verify(findChild(shell, "homePage")._openProjectFrom(url))
                page.playMode = true
                waitForRendering(page)
                mouseClick(findChild(page, "playAsIpButton"))
                tryVerify(function() { return page.playEngine.playAwaitingUserAction || notice.visible }, 5000)
                compare(notice.visible ? notice.text : "", opened ? "No hand could be dealt to IP: this node's details "
                                                + "were not saved with the project. Solve the spot again to play it." : "")
                page.playMode = false
            }
        }

        // A new or an opened project starts the lock panel empty: a click
        // on the matrix locks nothing until the user chooses.
        function test_new_or_opened_project_starts_the_lock_panel_empty_data() {
            return [{ tag: "new project", opened: false }, { tag: "opened project", opened: true }]
        }
        function test_new_or_opened_project_starts_the_lock_panel_empty(data) {
            solve(Spots.riverSpot(40))
            var url = scratchDirUrl + "/lock-panel.velmoraproj"
            verify(appController.saveProject(url, shell.exportProjectState()))
            mouseClick(findChild(page, "nodeLockModeButton"))
            waitForRendering(page)
            mouseClick(findChild(page, "nodeLockAction1"))
            var weight = findChild(page, "nodeLockWeightField")
            weight.forceActiveFocus()
            weight.selectAll()
            for (var c of "0.8")
                keyClick(c)
            compare([page.nodeLockSelectedActionIndex, page.nodeLockWeightText], [1, "0.8"])
            if (data.opened)
                verify(findChild(shell, "homePage")._openProjectFrom(url))
            else
                solve(Spots.riverSpot(40))
            waitForRendering(page)
            compare([page.nodeLockMode, page.nodeLockSelectedActionIndex, weight.text], [false, -1, "1.0"])
            mouseClick(findChild(page, "nodeLockModeButton"))
            waitForRendering(page)
            mouseClick(findChild(findChild(page, "strategyMatrix"), "cell_AA"))
            compare(appController.nodeLocks(0), [], "a click locks nothing")
        }

        // A language switch renames the buckets and the play role at once,
        // without a change of node.
        function test_bucket_names_and_role_follow_the_language() {
            solve(Spots.riverSpot(40))
            var bucketName = function() { return findChild(findChild(page, "bucketRow0"), "bucketName").text }
            var english = bucketName()
            languageManager.setLanguage("de")
            var german = appController.nodeHandBuckets(0)[0].displayName
            verify(german !== english, "the bucket has a German name: " + german)
            compare(bucketName(), german)

            page.playMode = true
            page.playEngine.startPlaySession("BOTH")
            compare(findChild(page, "playRoleText").text, "Rolle: Beide Plätze")
            languageManager.setLanguage("system")
            compare(findChild(page, "playRoleText").text, "Role: Both seats")
            page.playMode = false
            compare(bucketName(), english)
        }

        // The Buckets card's counts, the play table's street and the header's
        // captions follow a switch to Russian, and no caption is cut.
        function test_counts_street_and_captions_follow_the_language() {
            solve(Spots.riverSpot(40))
            var combos = findChild(findChild(page, "bucketRow0"), "bucketCombos")
            page.playMode = true
            page.playEngine.startPlaySession("BOTH")
            var street = findChild(findChild(page, "playBoard"), "streetCaption")
            verify(/^\d+\.\d combos$/.test(combos.text) && street.text === "River", combos.text + ", " + street.text)
            languageManager.setLanguage("ru")
            verify(/^\d+\.\d комбо$/.test(combos.text) && street.text === "Ривер", combos.text + ", " + street.text)
            page.playMode = false
            waitForRendering(page)
            for (var name of ["evOopCard", "evIpCard", "exploitabilityCard"]) {
                var caption = findChild(findChild(page, name), "statCaption")
                compare(caption.truncated, false, name + ": " + caption.text)
            }
            compare(caption.text, "Эксплуатируемость")   // the last card's
        }

        // OOP's aces beat the kings and its queens lose to them on a board
        // of deuces full; all-in is the only size.
        function toySpot(iterations) {
            var spot = Spots.riverSpot(iterations)
            spot.boardText = "2s2d2h3c3d"
            spot.oopRangeText = "AA,QQ"
            spot.ipRangeText = "KK"
            for (var key in spot) {
                if (/SizesText$/.test(key))
                    spot[key] = "a"
            }
            return spot
        }

        // With only all-in bets OOP wins 75 of the 100 chips.
        function test_spot_evs_include_the_pot_share() {
            solve(toySpot(3000))
            var oop = Number(findChild(findChild(page, "evOopCard"), "statValue").text)
            var ip = Number(findChild(findChild(page, "evIpCard"), "statValue").text)
            verify(Math.abs(oop - 75) <= 0.05, "EV (OOP) " + oop)
            verify(Math.abs(ip - 25) <= 0.05, "EV (IP) " + ip)
            verify(Math.abs(appController.resultEvOop - 25) <= 0.05, "net EV of OOP " + appController.resultEvOop)
        }

        function barText(i, name) {
            return findChild(findChild(findChild(page, "actionFrequenciesBar"), "actionLabel" + i), name).text
        }
        function barTexts(name) { return [barText(0, name), barText(1, name)] }
        function actionNames() { return page.currentActions.map(function(a) { return a.name }) }

        // Per action, the rows' EVs of the selected node, each row counted by
        // its weight times its probability of the action.
        function rowEvs(node) {
            var rows = appController.nodeHandCombos(node)
            var num = [], den = []
            for (var i = 0; i < rows.length; ++i) {
                for (var a = 0; a < rows[i].actionEvs.length; ++a) {
                    var w = rows[i].weight * rows[i].actionProbs[a]
                    num[a] = (num[a] || 0) + w * rows[i].actionEvs[a]
                    den[a] = (den[a] || 0) + w
                }
            }
            return num.map(function(n, a) { return n / den[a] })
        }

        // The bar reads what reaches each node: facing the jam, IP meets the
        // aces and half of the queens, a third of the pot.
        function test_toy_game_node_figures() {
            solve(toySpot(3000))
            var tolerance = Math.max(appController.resultExploitability, 0.01)
            compare([actionNames(), barTexts("share")], [["Check", "All-In"], ["25%", "75%"]])

            clickAction(0, 1)
            compare([page.selectedPlayer, actionNames(), barTexts("share")], ["IP", ["Fold", "Call"], ["50%", "50%"]])
            var equity = parseFloat(barText(1, "equity"))
            verify(Math.abs(equity - 33.3) <= 0.5, "call equity " + barText(1, "equity"))
            var rows = appController.nodeHandCombos(page.currentNodeIndex)
            compare(rows.length, 6)
            var call = page.actionFrequenciesActions[1].ev
            for (var i = 0; i < rows.length; ++i) {
                var rowCall = rows[i].actionEvs[1] - rows[i].actionEvs[0]
                verify(Math.abs(call - rowCall) <= tolerance, "call EV " + call + " vs row " + rowCall)
            }
            verify(Math.abs(parseFloat(barText(1, "ev")) - call) <= 0.005, barText(1, "ev"))
            compare(findChild(findChild(findChild(page, "treeLevel0"), "actionNode0"), "freqText").text, "Freq: 75%",
                    "the chosen All-In stays in the tree")

            clickAction(0, 0)
            var expected = rowEvs(page.currentNodeIndex)
            var stats = appController.nodeActionStats(page.currentNodeIndex)
            for (var a = 0; a < stats.length; ++a) {
                if (stats[a].combos > 0) {
                    verify(Math.abs(stats[a].ev - expected[a]) <= 0.01, stats[a].name + " " + stats[a].ev + " vs " + expected[a])
                    verify(Math.abs(parseFloat(barText(a, "ev")) - expected[a]) <= 0.006, barText(a, "ev"))
                }
            }
        }

        // Locked to jam everything, OOP never checks: after a check and IP's
        // all-in no hand of OOP is left, and its figures read "—".
        function test_unreached_node_reads_dash() {
            solve(toySpot(200))
            appController.setNodeLock(0, "AA", 1, 1)
            appController.setNodeLock(0, "QQ", 1, 1)
            appController.reSolveWithNodeLocks()
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            tryCompare(appController, "statusText", "Done", 5000)
            compare(barTexts("share"), ["0%", "100%"])
            clickAction(0, 0)
            compare(page.selectedPlayer, "IP")
            verify(barText(0, "share") !== "—", "IP's own range reaches its node")
            clickAction(1, 1)
            compare([page.selectedPlayer, actionNames()], ["OOP", ["Fold", "Call"]])
            compare([barTexts("share"), barTexts("equity"), barTexts("ev")], [["—", "—"], ["—", "—"], ["—", "—"]])
            for (var i = 0; i < 2; ++i)
                compare(findChild(findChild(findChild(page, "treeLevel2"), "actionNode" + i), "freqText").text, "Freq: —")
        }

        // IP's per-class mixes at each child decision of the root.
        function ipStrategies() {
            var out = []
            var actions = appController.nodeActions(0)
            for (var i = 0; i < actions.length; ++i) {
                var probs = appController.nodeHandStrategy(actions[i].childIndex).actionProbs
                for (var cls in probs)
                    out = out.concat(probs[cls])
            }
            return out
        }

        // A class locked at the root on the page is played as locked after
        // the re-solve, IP answers it, and the page still previews the lock.
        function test_node_lock_and_resolve() {
            var spot = Spots.riverSpot(80)
            spot.boardText = "QsJh2h7c"
            spot.startingStreet = "turn"
            spot.oopRangeText = "AA,KK,QQ,JJ,TT,AKs,AQs,KQs,T9s,98s"
            spot.ipRangeText = "KK,JJ,TT,99,AQs,KJs,QJs,T9s"
            solve(spot)
            // The OOP class and action furthest from the solved choice.
            var root = appController.nodeHandStrategy(0)
            var cls = "", action = -1, gap = 0
            for (var c in root.actionProbs) {
                for (var a = 0; a < root.actionProbs[c].length; ++a) {
                    if (root.weights[c] > 0 && 1 - root.actionProbs[c][a] > gap) {
                        gap = 1 - root.actionProbs[c][a]
                        cls = c
                        action = a
                    }
                }
            }
            verify(gap > 0.5, "some class rarely takes some action")
            var ipBefore = ipStrategies()
            mouseClick(findChild(page, "nodeLockModeButton"))
            waitForRendering(page)
            mouseClick(findChild(page, "nodeLockAction" + action))
            mouseClick(findChild(findChild(page, "strategyMatrix"), "cell_" + cls))
            compare(appController.nodeLocks(0), [{ hand: cls, actionIndex: action, actionProb: 1 }])

            mouseClick(findChild(page, "reSolveButton"))
            tryCompare(appController, "running", true, 5000)
            tryCompare(appController, "running", false, 60000)
            tryCompare(appController, "statusText", "Done", 5000)
            var locked = appController.nodeHandStrategyReach169(0, "").actionProbs[cls]
            for (var k = 0; k < locked.length; ++k)
                fuzzyCompare(locked[k], k === action ? 1 : 0, 1e-6)
            var ipAfter = ipStrategies()
            var moved = 0
            for (k = 0; k < ipAfter.length; ++k)
                moved = Math.max(moved, Math.abs(ipAfter[k] - ipBefore[k]))
            verify(moved > 1e-3, "IP's strategy changes: " + moved)
            page.selectActionAtLevel(0, 0)
            page.navigateToBreadcrumb(0)
            compare(page.handActionProbs[cls][action], 1)
            // The root's mark tells the locks its result holds from those it
            // does not (or, opened from a file, may not) hold, in the user's language.
            var marks = function() { return ["lockBanner", "pendingLockBanner"].map(function(n) {
                return findChild(findChild(page, "treeLevel0"), n).visible ? findChild(page, n + "Text").text : "" }) }
            compare(marks(), ["Locked: " + cls, ""], "after the re-solve")
            start()   // a plain start of the same spot keeps the locks but does not apply them
            shell.navIndex = 3
            compare([appController.nodeLocks(0).length, marks()], [1, ["", "Locks set: " + cls + " — Re-solve to apply"]])
            languageManager.setLanguage("de")
            compare(marks(), ["", "Fixierungen gesetzt: " + cls + " — mit „Neu lösen“ anwenden"])
            languageManager.setLanguage("system")
            var url = scratchDirUrl + "/locks-set.velmoraproj"
            verify(appController.saveProject(url, shell.exportProjectState()) && appController.loadProject(url).ok)
            compare(marks(), ["", "Locks set: " + cls + " — not known if these results use them; Re-solve to apply"],
                    "an opened project cannot tell")
            // A lock set since is certainly not in that result, and says so
            // beside the file's; one of an action the node lacks is not named at all.
            var other = Object.keys(root.weights).filter(function(c) {
                return c !== cls && c !== "QQ" && root.weights[c] > 0 })[0]
            appController.setNodeLock(0, "QQ", 99, 1)
            mouseClick(findChild(page, "nodeLockModeButton"))
            mouseClick(findChild(page, "nodeLockAction" + action))
            mouseClick(findChild(findChild(page, "strategyMatrix"), "cell_" + other))
            compare(marks(), ["", "Locks set: " + cls + " — not known if these results use them; Re-solve to apply\n"
                                  + "Locks set: " + other + " — Re-solve to apply"], "a lock set after the opening")
            mouseClick(findChild(page, "standardModeButton"))
            compare(marks(), ["", ""], "the node's locks cleared")
            // Another spot's start leaves the locks behind, on the page too.
            solve(Spots.riverSpot(40))
            compare([page.nodeLocksByNode["0"], marks()], [{}, ["", ""]])
        }

        // A re-solve the controller refuses says why on the results page, in
        // the user's language; the result stays.
        function test_refused_resolve_says_why() {
            solve(Spots.riverSpot(40))
            var cfg = shell._solveMemCfg()
            cfg.oop_flop_bet_sizes = "33 75"   // as a project's saved settings may hold it
            appController.startSolveWithConfig(cfg)
            var nodes = appController.treeNodeCount()
            languageManager.setLanguage("de")
            mouseClick(findChild(page, "nodeLockModeButton"))
            waitForRendering(page)
            var refusal = findChild(page, "reSolveRefusal")
            verify(!refusal.visible)
            mouseClick(findChild(page, "reSolveButton"))
            compare([refusal.visible, findChild(refusal, "reSolveRefusalTitle").text,
                     findChild(refusal, "reSolveRefusalReason").text],
                    [true, "Neu lösen konnte nicht starten", "Fehler: OOP Flop-Bet-Größen: '33 75' ist keine gültige Größe"])
            verify(nodes > 0 && appController.treeNodeCount() === nodes, "the result is kept")
            start()   // a solve that runs ends the message
            verify(!refusal.visible)
        }
    }
}
