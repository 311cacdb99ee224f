.pragma library
.import "../../components/SolveProgress.js" as SolveProgress
.import "../../components/ShownText.js" as ShownText

// Pure helpers of the Solve page: reading the back end's one-line status,
// the iteration shown, clock texts, the thread choices and the
// summary texts. No translation happens here; the page wraps the parts it
// gets back in its own texts.

var ITER_RE = /Iter\s+(\d+)/
var EXPL_RE = /exploitability≈([0-9]+(?:\.[0-9]+)?)/
var ITER_LINE_RE = /^Iter\s+(\d+)\s[\s\S]*exploitability[=≈](\S+)[\s\S]*$/
var FINALIZING_PREFIX = "Finalizing:"
var THREAD_STEPS = [1, 2, 4, 8, 16, 32, 64, 128]

function asText(t) {
    return (t === undefined || t === null) ? "" : String(t)
}

// A number or `fallback` when `v` is missing or not finite.
function finiteOr(v, fallback) {
    return SolveProgress.finiteOr(v, fallback)
}

// The first "Iter <digits>" of the text; 0 when there is none.
function parseIteration(t) {
    var s = asText(t)
    if (s.length === 0)
        return 0
    var m = ITER_RE.exec(s)
    return m ? Number(m[1]) : 0
}

// The number right after "exploitability≈" (digits, optional decimals); NaN
// when there is none. A sign, a blank or an exponent is not read.
function parseExploitability(t) {
    var s = asText(t)
    if (s.length === 0)
        return NaN
    var m = EXPL_RE.exec(s)
    return m ? Number(m[1]) : NaN
}

// "∞" for the first 50 iterations (the figure means little that early),
// then two decimals, "—" without a figure.
function formatExploitabilityForUi(iteration, e) {
    var it = Number(iteration)
    if (isFinite(it) && it >= 1 && it <= 50)
        return "∞"
    var v = Number(e)
    return (e !== null && e !== undefined && isFinite(v)) ? v.toFixed(2) : "—"
}

function isFinalizingText(t) {
    return asText(t).indexOf(FINALIZING_PREFIX) === 0
}

// The iteration shown: while running the held one when finalizing, else the
// parsed one, else the share of the budget reached; afterwards the result's.
function currentIteration(s) {
    if (!s.hasController)
        return 0
    if (s.running) {
        if (s.finalizing && s.lastIteration > 0)
            return s.lastIteration
        var parsed = parseIteration(s.statusText)
        if (isFinite(parsed) && parsed > 0)
            return Math.floor(parsed)
        var fallback = Math.floor(finiteOr(s.progress, 0) * finiteOr(s.maxIterations, 0))
        return isFinite(fallback) && fallback > 0 ? fallback : 0
    }
    return Math.max(0, Math.floor(finiteOr(s.resultIterations, 0)))
}

function _two(n) {
    return (n < 10 ? "0" : "") + n
}

// Whole minutes (not wrapped at the hour) and seconds: 65 gives "01:05".
function formatClock(seconds) {
    var s = Math.max(0, Math.floor(finiteOr(seconds, 0)))
    return _two(Math.floor(s / 60)) + ":" + _two(s % 60)
}

// The seconds left at the current pace; never below 0 (a solve may run past
// its budget while the result is built).
function remainingSeconds(maxIterations, iteration, perSecond) {
    var ips = Number(perSecond)
    if (!isFinite(ips) || ips <= 0)
        return 0
    var left = (finiteOr(maxIterations, 0) - finiteOr(iteration, 0)) / ips
    return isFinite(left) && left > 0 ? left : 0
}

// The figures of one clock tick: elapsed text, and, once an iteration is
// known, the speed and the remaining text (undefined otherwise).
function clockTick(seconds, iteration, maxIterations) {
    var out = { elapsed: formatClock(seconds), perSecond: undefined, remaining: undefined }
    var it = finiteOr(iteration, 0)
    if (it > 0 && seconds > 0) {
        out.perSecond = it / seconds
        out.remaining = formatClock(remainingSeconds(maxIterations, it, out.perSecond))
    }
    return out
}

// What the status line shows, before translation: {kind: "ready"},
// {kind: "finalizing"} (no text of its own), {kind: "iteration", iteration,
// exploitability} or {kind: "text", text}.
function statusLine(s) {
    var status = asText(s.statusText)
    if (!s.hasController)
        return { kind: "ready" }
    if (!s.running)
        return status.length > 0 ? { kind: "text", text: status } : { kind: "ready" }
    if (s.finalizing)
        return status.length > 0 ? { kind: "text", text: status } : { kind: "finalizing" }
    var it = Number(s.iteration)
    if (isFinite(it) && it > 0) {
        return { kind: "iteration", iteration: String(Math.floor(it)),
                 exploitability: formatExploitabilityForUi(it, s.exploitability) }
    }
    var m = ITER_LINE_RE.exec(status)
    if (m)
        return { kind: "iteration", iteration: m[1], exploitability: m[2] }
    return { kind: "text", text: status }
}

// Iterations per second: a whole number, but two decimals below 1 (a large
// flop takes seconds an iteration, and "0 it/s" would read as stalled);
// "—" without a speed.
function formatSpeed(perSecond) {
    var v = Number(perSecond)
    if (perSecond === null || perSecond === undefined || !isFinite(v) || v <= 0)
        return "—"
    return v >= 0.995 ? String(Math.round(v)) : v.toFixed(2)
}

// Shortest round-trip text of a number (0.5, 12.5, 1); "—" when not finite.
function plainNumber(v) {
    var n = Number(v)
    if (v === null || v === undefined || v === "" || !isFinite(n))
        return "—"
    return String(n)
}

// A target in chips, as every text of the page writes it: two decimals, or
// as many as two significant digits need, so that a target above zero never
// reads 0.00 (0.9 gives "0.90", 0.005 "0.0050", 12.5 "12.50"). A value a
// hair off its round figure (a target the solver kept in single precision)
// reads as that figure. "—" when not finite.
function targetChips(v) {
    var n = Number(v)
    if (v === null || v === undefined || v === "" || !isFinite(n))
        return "—"
    if (n === 0)
        return "0.00"
    var exponent = Number(Number(n.toPrecision(2)).toExponential().split("e")[1])
    return n.toFixed(Math.min(20, Math.max(2, 1 - exponent)))
}

// A size text for the summary (escaped: it may come from a project file),
// "—" when blank.
function sizeOrDash(t) {
    var s = asText(t).trim()
    return s.length > 0 ? ShownText.escaped(s) : "—"
}

// Local wall-clock time as "HH:MM:SS".
function timeStamp(date) {
    var d = date || new Date()
    return _two(d.getHours()) + ":" + _two(d.getMinutes()) + ":" + _two(d.getSeconds())
}

// The machine's largest useful thread count: at least 1.
function maxThreads(systemThreadCount) {
    var n = Math.floor(finiteOr(systemThreadCount, 0))
    return n > 0 ? n : 1
}

// "Max", then the powers of two up to the maximum and the maximum itself.
function threadChoices(maxThreadCount) {
    var maxT = Math.max(1, Math.floor(finiteOr(maxThreadCount, 1)))
    var counts = []
    for (var i = 0; i < THREAD_STEPS.length; ++i) {
        if (THREAD_STEPS[i] <= maxT)
            counts.push(THREAD_STEPS[i])
    }
    if (counts.indexOf(maxT) < 0)
        counts.push(maxT)
    counts.sort(function(a, b) { return a - b })
    var out = ["Max"]
    for (var j = 0; j < counts.length; ++j)
        out.push(String(counts[j]))
    return out
}

// The count kept when the list is built: one outside 1..max becomes max.
function clampThreadCount(threadCount, maxThreadCount) {
    var maxT = Math.max(1, Math.floor(finiteOr(maxThreadCount, 1)))
    var t = Number(threadCount)
    if (threadCount === null || threadCount === undefined || !isFinite(t) || t < 1 || t > maxT)
        return maxT
    return threadCount
}

// The drop-down entry that stands for `threadCount`: "Max" for the maximum
// and for a count the list does not hold.
function threadChoiceIndex(choices, threadCount, maxThreadCount) {
    var t = Math.max(1, Math.floor(finiteOr(threadCount, 1)))
    if (t === Math.max(1, Math.floor(finiteOr(maxThreadCount, 1))))
        return 0
    for (var i = 1; i < choices.length; ++i) {
        if (Number(choices[i]) === t)
            return i
    }
    return 0
}

// The thread count an entry of the drop-down stands for.
function threadCountForChoice(choice, maxThreadCount) {
    if (choice === "Max")
        return maxThreads(maxThreadCount)
    var n = Math.floor(Number(choice))
    return isFinite(n) && n >= 1 ? n : maxThreads(maxThreadCount)
}
