.pragma library

// Geometry of the main window: its launch and least sizes, kept within the
// screen's available area, and the size of its content, which scrolls when
// the page shown needs more room than the window has.

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

// The content is as large as the window, and never smaller than the page
// shown needs: the Setup page asks for its recommended width, every other
// page for the least width.
function contentWidth(windowWidth, recommended, setupShown) {
    var need = setupShown ? Math.max(LEAST_WIDTH, _recommended(recommended)) : LEAST_WIDTH
    return Math.max(windowWidth, need)
}

function contentHeight(windowHeight) {
    return Math.max(windowHeight, LEAST_HEIGHT)
}
