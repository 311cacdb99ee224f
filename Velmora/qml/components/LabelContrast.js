.pragma library

// Which of two text colours reads better on a cell that a fill partly
// covers: colours are {r, g, b, a} with channels in 0..1 (a QML color will
// do), compared by their relative luminance.

function _channel(c) {
    return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4)
}

function luminance(c) {
    return 0.2126 * _channel(c.r) + 0.7152 * _channel(c.g) + 0.0722 * _channel(c.b)
}

// `top` drawn at `alpha` over the opaque `under`.
function over(top, alpha, under) {
    var a = Math.max(0, Math.min(1, alpha))
    return { r: top.r * a + under.r * (1 - a), g: top.g * a + under.g * (1 - a), b: top.b * a + under.b * (1 - a) }
}

function contrast(l1, l2) {
    return (Math.max(l1, l2) + 0.05) / (Math.min(l1, l2) + 0.05)
}

// Share of a centred label of extent `label` that a fill growing from one
// edge of a cell of extent `cell` covers once it is `fill` long.
function coverage(fill, cell, label) {
    if (!(label > 0))
        return fill >= cell / 2 ? 1 : 0
    return Math.max(0, Math.min(1, (fill - (cell - label) / 2) / label))
}

// Luminance behind a label that spans `left` to `right` across the cell:
// `bands` ({from, to, color, alpha}) lie side by side over the cell colour
// `under` and reach up over `lifted` (0..1) of the label's height.
function backgroundLuminance(bands, left, right, lifted, under) {
    var plain = luminance(under)
    var span = right - left
    if (!(span > 0) || !(lifted > 0))
        return plain
    var covered = 0
    var sum = 0
    for (var i = 0; i < bands.length; ++i) {
        var b = bands[i]
        var part = Math.max(0, Math.min(right, b.to) - Math.max(left, b.from)) / span
        if (!(part > 0))
            continue
        var c = b.color
        sum += part * luminance(over(c, (c.a === undefined ? 1 : c.a) * b.alpha, under))
        covered += part
    }
    covered = Math.min(1, covered)
    return lifted * sum + (1 - lifted * covered) * plain
}

// Contrast below which a label counts as hard to read.
var READABLE = 3.0

// `text` while it stays readable on the background, else whichever of the
// two stands out more. Keeping `text` where it reads well spares neighbouring
// cells of similar fills from flipping between the two colours.
function pick(backgroundLum, text, inverse) {
    var own = contrast(luminance(text), backgroundLum)
    if (own >= READABLE)
        return text
    return contrast(luminance(inverse), backgroundLum) > own ? inverse : text
}
