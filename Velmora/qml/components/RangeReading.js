.pragma library

// A range text as the solver reads it, asked of the back end (`controller`,
// the AppController): the weight each hand class holds, which a hand matrix
// draws, and the pieces between commas with the classes each one sets,
// which a matrix edit works on. Without a back end nothing is read, and a
// matrix draws nothing.

function _text(text) {
    return text === undefined || text === null ? "" : String(text)
}

function _asks(controller, name) {
    return !!controller && typeof controller[name] === "function"
}

// Class label ("AKs") -> the mean weight of its combos, for the classes that
// hold a combo; empty for a text the solver refuses.
function classWeights(controller, text) {
    if (!_asks(controller, "rangeClassWeights"))
        return ({})
    return controller.rangeClassWeights(_text(text))
}

// {share, pieces: [{text, classes, weight}]} (see AppController), or null
// for a text the solver refuses.
function reading(controller, text) {
    if (!_asks(controller, "rangeTextPieces"))
        return null
    var got = controller.rangeTextPieces(_text(text))
    return got && got.pieces ? got : null
}

function covers(piece, label) {
    return Array.prototype.indexOf.call(piece.classes, label) >= 0
}

// The pieces between commas as typed, without the blanks around them: a
// text the solver refuses is edited as it stands.
function typedPieces(text) {
    var out = []
    var split = _text(text).split(",")
    for (var i = 0; i < split.length; ++i) {
        var piece = split[i].trim()
        if (piece.length > 0)
            out.push(piece)
    }
    return out
}

// The texts of the pieces the solver read, or of the typed ones.
function pieceTexts(read, text) {
    if (!read)
        return typedPieces(text)
    var out = []
    for (var i = 0; i < read.pieces.length; ++i)
        out.push(read.pieces[i].text)
    return out
}
