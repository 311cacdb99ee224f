.pragma library

// The share of a solve that is done, as the Solve page's ring and bar and the
// top bar's chip show it, so that all three read the same. It is the back
// end's own figure, iterations done over the run's budget, which the solver
// keeps below 1 until the result is in; a run that stops early at its target
// jumps to 1 when it ends. While the solve still works the share is held at
// 99 %, so nothing reads 100 % before the result is there.

var RUNNING_LIMIT = 0.99

// A number or `fallback` when `v` is missing or not finite.
function finiteOr(v, fallback) {
    if (v === undefined || v === null || v === "")
        return fallback
    var n = Number(v)
    return isFinite(n) ? n : fallback
}

// s: {hasController, running, complete, progress, iteration, maxIterations}.
// Without a share from the back end (none reported yet, or a controller that
// has none) the iteration over the budget stands in.
function shownFraction(s) {
    if (!s || !s.hasController)
        return 0
    if (!s.running)
        return s.complete ? 1 : 0
    var f = finiteOr(s.progress, 0)
    if (!(f > 0))
        f = Math.max(0, finiteOr(s.iteration, 0)) / Math.max(1, finiteOr(s.maxIterations, 1))
    return Math.min(RUNNING_LIMIT, Math.max(0, f))
}

// "0%" to "100%", halves rounded up.
function percentText(fraction) {
    return Math.floor(finiteOr(fraction, 0) * 100 + 0.5) + "%"
}
