.pragma library

// A ListModel brought in line with the next list of rows in place, so that
// a view on it keeps the items of the rows that stay and makes items only
// for the rows that are new: the rows the model and the list share at their
// start and at their end are left as they are, rows in between are changed
// where both have one, and inserted or removed where only one has. A list
// given anew (a whole tree's rows after one range was saved) then costs the
// view one item, not one for every row.

// True when the model's row at `index` holds the element's fields.
function _holds(model, index, element) {
    var held = model.get(index)
    for (var key in element) {
        if (held[key] !== element[key])
            return false
    }
    return true
}

// Makes `model` show `elements`: flat objects that all have the same
// fields, each a text or a number.
function show(model, elements) {
    var count = model.count
    var start = 0
    while (start < count && start < elements.length && _holds(model, start, elements[start]))
        ++start
    var endShown = count, endNext = elements.length
    while (endShown > start && endNext > start && _holds(model, endShown - 1, elements[endNext - 1])) {
        --endShown
        --endNext
    }
    var changed = Math.min(endShown, endNext) - start
    for (var i = 0; i < changed; ++i)
        model.set(start + i, elements[start + i])
    if (endShown > start + changed)
        model.remove(start + changed, endShown - start - changed)
    for (var k = start + changed; k < endNext; ++k)
        model.insert(k, elements[k])
}
