.pragma library

// Paths of the program's file dialog: folders as local paths and file URLs,
// the names the user types, and the suffix a saved name without one
// receives.

var DEFAULT_SUFFIX = ".velmoraproj"

// The local path of a file URL ("file:///C:/x" gives "C:/x"); any other text
// is returned as it stands.
function localPath(url) {
    var s = String(url === undefined || url === null ? "" : url)
    if (s.indexOf("file://") !== 0)
        return s
    var p = s.substring(7)
    try {
        p = decodeURIComponent(p)
    } catch (e) {
        // a stray "%" stays as it is
    }
    if (/^\/[A-Za-z]:/.test(p))
        p = p.substring(1)
    return p
}

// The file URL of a local path, each path segment percent-encoded.
function fileUrl(path) {
    var p = String(path).replace(/\\/g, "/")
    var drive = /^[A-Za-z]:/.test(p)
    var parts = p.split("/")
    for (var i = 0; i < parts.length; ++i) {
        if (!(drive && i === 0))
            parts[i] = encodeURIComponent(parts[i])
    }
    return "file://" + (drive ? "/" : "") + parts.join("/")
}

function isAbsolute(path) {
    return /^\//.test(path) || /^[A-Za-z]:[\\\/]/.test(path) || /^\\\\/.test(path)
}

function _trimSlashes(folder) {
    var f = String(folder)
    while (f.length > 1 && /[\\\/]$/.test(f) && !/^[A-Za-z]:[\\\/]$/.test(f))
        f = f.substring(0, f.length - 1)
    return f
}

function join(folder, name) {
    var f = _trimSlashes(folder)
    return (/[\\\/]$/.test(f) ? f : f + "/") + name
}

// The folder above `folder`, or `folder` itself at the top.
function parentFolder(folder) {
    var f = _trimSlashes(folder).replace(/\\/g, "/")
    var cut = f.lastIndexOf("/")
    if (cut < 0)
        return f
    if (cut === 0)
        return "/"
    var up = f.substring(0, cut)
    return /^[A-Za-z]:$/.test(up) ? up + "/" : up
}

// The patterns of a name filter such as "JSON (*.json)"; ["*"] without any.
function globsOf(filter) {
    var m = /\(([^)]*)\)/.exec(String(filter))
    var globs = m ? m[1].trim().split(/\s+/) : []
    return globs.length > 0 && globs[0] !== "" ? globs : ["*"]
}

// The suffix a filter names (".json"), else `fallback`.
function suffixFor(filter, fallback) {
    var m = /^\*(\.[^*?\s]+)$/.exec(globsOf(filter)[0])
    return m ? m[1] : fallback
}

// True when the last path segment has a suffix (a leading dot alone is none).
function hasSuffix(path) {
    var p = String(path).replace(/\\/g, "/")
    var base = p.substring(p.lastIndexOf("/") + 1)
    var dot = base.lastIndexOf(".")
    return dot > 0 && dot < base.length - 1
}

// True when the name matches one of the patterns ("*.json"), as the folder
// listing matches them (case-sensitively).
function matchesGlobs(name, globs) {
    for (var i = 0; i < globs.length; ++i) {
        var escaped = String(globs[i]).replace(/[.+^${}()|[\]\\]/g, "\\$&")
        if (new RegExp("^" + escaped.replace(/\*/g, ".*").replace(/\?/g, ".") + "$").test(name))
            return true
    }
    return false
}

// The length of a file name without its suffix ("base" of "base.json"): the
// part a save dialog selects for typing over.
function baseNameLength(name) {
    var base = String(name)
    return hasSuffix(base) ? base.lastIndexOf(".") : base.length
}

// The path a typed name stands for: the name inside `folder`, or the typed
// path itself when it is absolute. "" when nothing names a file.
function openPath(folder, typedName) {
    var name = String(typedName === undefined || typedName === null ? "" : typedName).trim()
    if (name.indexOf("file://") === 0)
        name = localPath(name)
    if (name.length === 0 || /[\\\/]$/.test(name))
        return ""
    return isAbsolute(name) ? name : join(folder, name)
}

// The path the dialog saves to: `openPath` of the typed name. A name the
// selected filter does not match gets the filter's suffix, so the file shows
// under that filter when it is opened again ("a.b" saved as a project is
// "a.b.velmoraproj"); under "All Files" only a name without suffix gets one
// (`fallback`, else ".velmoraproj"). "" when nothing names a file.
function targetPath(folder, typedName, filter, fallback) {
    var path = openPath(folder, typedName)
    if (path === "")
        return path
    var otherwise = fallback === undefined || fallback === "" ? DEFAULT_SUFFIX : fallback
    var globs = globsOf(filter)
    if (globs.indexOf("*") >= 0)
        return hasSuffix(path) ? path : path + otherwise
    return matchesGlobs(fileName(path), globs) ? path : path + suffixFor(filter, otherwise)
}

function fileName(path) {
    var p = String(path).replace(/\\/g, "/")
    return p.substring(p.lastIndexOf("/") + 1)
}
