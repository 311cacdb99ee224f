.pragma library

// The share of a solve that is done, as the Solve page's ring and bar and the
// top bar's chip show it, so that all three read the same. It is the back
// end's own figure, iterations done over the run's budget, which the solver
// keeps below 1 until the result is in; a run that stops early at its target
// jumps to 1 when it ends. While the solve still works the share is held at
// 99 %, so nothing reads 100 % before the result is there. A run that ended
// without a result (refused, failed or cancelled) keeps the share it reached,
// 0 for a start refused before any iteration, whatever result is still on show.

var RUNNING_LIMIT = 0.99

// A number or `fallback` when `v` is missing or not finite.
function finiteOr(v, fallback) {
    if (v === undefined || v === null || v === "")
        return fallback
    var n = Number(v)
    return isFinite(n) ? n : fallback
}

// s: {hasController, running, complete, progress, iteration, maxIterations,
// outcome}, `outcome` being the controller's `lastRunOutcome` ("" when no run
// was started since the result on show came). Without a share from the back
// end (none reported yet, or a controller that has none) the iteration over
// the budget stands in.
function shownFraction(s) {
    if (!s || !s.hasController)
        return 0
    if (!s.running) {
        if (s.outcome === "done")
            return 1
        if (s.outcome === "cancelled" || s.outcome === "failed")
            return Math.min(RUNNING_LIMIT, Math.max(0, finiteOr(s.progress, 0)))
        if (s.outcome === "running")
            return 0
        return s.complete ? 1 : 0
    }
    var f = finiteOr(s.progress, 0)
    if (!(f > 0))
        f = Math.max(0, finiteOr(s.iteration, 0)) / Math.max(1, finiteOr(s.maxIterations, 1))
    return Math.min(RUNNING_LIMIT, Math.max(0, f))
}

// "0%" to "100%", halves rounded up.
function percentText(fraction) {
    return Math.floor(finiteOr(fraction, 0) * 100 + 0.5) + "%"
}

// An exploitability in chips as the Solve and Results pages both write it:
// four decimals, a figure that rounds to zero as "0.0000" (the solver's
// rounding can leave it a hair below 0), "—" when it is not a number.
function exploitabilityText(v) {
    var n = Number(v)
    if (v === null || v === undefined || !isFinite(n))
        return "—"
    var shown = n.toFixed(4)
    return Number(shown) === 0 ? "0.0000" : shown
}
