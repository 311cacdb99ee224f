.pragma library

// Geometry of the main window: its launch and least sizes, kept within the
// screen's available area, and the size of its content, which scrolls when
// the window is smaller than the least size.

var LAUNCH_WIDTH = 1540
var LAUNCH_HEIGHT = 1200
var LEAST_WIDTH = 1100
var LEAST_HEIGHT = 700

// `v`, but no more than `available` when the screen reports a size.
function _fit(v, available) {
    var a = Number(available)
    return isFinite(a) && a > 0 ? Math.min(v, Math.floor(a)) : v
}

function _recommended(r) {
    var n = Number(r)
    return isFinite(n) ? n : 0
}

function width(recommended, availableWidth) {
    return _fit(Math.max(LAUNCH_WIDTH, _recommended(recommended)), availableWidth)
}

function height(availableHeight) {
    return _fit(LAUNCH_HEIGHT, availableHeight)
}

function minimumWidth(recommended, availableWidth) {
    return _fit(Math.max(LEAST_WIDTH, _recommended(recommended)), availableWidth)
}

function minimumHeight(availableHeight) {
    return _fit(LEAST_HEIGHT, availableHeight)
}

// The content is as large as the window and never below the least size;
// a page wider than that (Setup) scrolls sideways inside itself, so the top
// bar stays in view.
function contentWidth(windowWidth) {
    return Math.max(windowWidth, LEAST_WIDTH)
}

function contentHeight(windowHeight) {
    return Math.max(windowHeight, LEAST_HEIGHT)
}
