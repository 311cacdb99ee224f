import QtQuick

// Says in plain words what of the per-user settings could not be read or
// saved, and where. `status` is the back end's map: {ok: true}, or {ok: false,
// what, problem, path} (what: "startup", "appearance", "language",
// "trainingStats", "solveActivity"; problem: "unreadable", "notWritable",
// "full", "incomplete", "locked", "damaged"). Hidden while there is nothing to say. The text is put together
// here from those parts, so a language switch words it again.
Text {
    id: root

    property var theme: null
    property var status: null

    readonly property bool failed: !!status && status.ok === false
    readonly property string _what: failed ? String(status.what || "") : ""
    readonly property string _problem: failed ? String(status.problem || "") : ""
    readonly property string _path: failed ? String(status.path || "") : ""

    visible: failed
    textFormat: Text.PlainText
    wrapMode: Text.Wrap
    font.pixelSize: 12
    color: theme ? theme.danger : "#F85149"
    text: !failed ? ""
        : (_what === "startup"
               ? (_problem === "damaged"
                      ? qsTr("Part of your settings file %1 is damaged and could not be read; the program uses the defaults in its place.")
                      : qsTr("Your settings could not be read from %1, so the program started with the default settings."))
           : _what === "appearance" ? qsTr("The dark mode and accent color could not be saved to %1; the next start will show the previous ones.")
           : _what === "language" ? qsTr("The language choice could not be saved to %1; the next start will not keep it.")
           : _what === "trainingStats" ? qsTr("The play vs. solution statistics could not be saved to %1.")
           : _what === "solveActivity" ? qsTr("The finished solve could not be added to the solve activity in %1.")
           : qsTr("Your settings could not be saved to %1.")).arg(_path)
          + (_problem === "unreadable" ? " " + qsTr("The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.")
             : _problem === "notWritable" ? " " + qsTr("The file or its folder cannot be written (check their permissions).")
             : _problem === "full" ? " " + qsTr("The disk that holds the file is full (free some space there and save again).")
             : _problem === "incomplete" ? " " + qsTr("The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.")
             : _problem === "locked" ? " " + qsTr("Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).").arg(_path + ".lock")
             : "")
}
