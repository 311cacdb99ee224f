import QtQuick
import QtTest
import Qt.labs.settings
import Velmora

// A test case of the Setup page on its own with the real back end: the
// per-user stores it reads (emptied before and after every test, backups
// included), a fresh page for each test unless pageAtStart is false, and
// the name dialogs driven from the keyboard as a user drives them.
TestCase {
    when: windowShown

    property var page: null
    property bool pageAtStart: true

    readonly property Component pageComponent: Component { ProjectPage { anchors.fill: parent } }
    readonly property Settings ranges: Settings { category: "ranges" }
    readonly property Settings profiles: Settings { category: "settings_profiles" }

    function clearStores() {
        for (var backup of ["", "Backup", "Backup2", "Backup3"]) {
            for (var seat of ["oop", "ip"]) {
                for (var store of ["CustomRangesJson", "StandardOverridesJson", "ExploitOverridesJson"])
                    ranges.setValue(seat + store + backup, "")
            }
            profiles.setValue("profilesJson" + backup, "")
        }
        ranges.sync()
        profiles.sync()
    }
    function init() {
        clearStores()
        page = pageAtStart ? newPage() : null
    }
    function cleanup() { clearStores() }

    function newPage() { page = createTemporaryObject(pageComponent, parent); return page }
    // Stores the texts of a map of keys to texts.
    function seed(settings, texts) {
        for (var key in texts)
            settings.setValue(key, texts[key])
        settings.sync()
    }
    function stored(settings, key) { return String(settings.value(key, "")) }
    function names(nodes) { return nodes.map(function(n) { return n.name }) }
    function writeFile(name, text) {
        var url = scratchDirUrl + "/" + encodeURIComponent(name)
        compare(appController.saveTextFile(url, text).ok, true)
        return url
    }

    function typeKeys(text) {
        for (var c of text)
            keyClick(c)
    }
    // Types a name into the focused field of an open name dialog and accepts it with Return.
    function enterName(dialogName, fieldName, name) {
        tryCompare(findChild(page, fieldName), "activeFocus", true)
        typeKeys(name)
        keyClick(Qt.Key_Return)
        tryCompare(findChild(page, dialogName), "visible", false)
    }
    function saveRange(seat, name, text) {
        page[seat + "RangeText"] = text
        page.openSaveRangeDialog(seat)
        enterName("saveRangeDialog", "saveRangeNameField", name)
    }
    function saveProfile(name) {
        page.openSaveSettingsDialog()
        enterName("saveSettingsDialog", "saveSettingsNameField", name)
    }
    function addFolder(seat, name) {
        page.openAddFolderDialog(seat)
        enterName("addFolderDialog", "addFolderNameField", name)
    }
    // The file dialog is not driven here: the page reads the file it would
    // accept, and the name dialog opens.
    function importFrom(seat, url) {
        page.openImportRangeDialog(seat)
        findChild(page, "importRangeFileDialog").close()
        page._importFromUrl(url)
        tryCompare(findChild(page, "importRangeNameDialog"), "opened", true)
    }
    function closeImport() {
        var dialog = findChild(page, "importRangeNameDialog")
        dialog.close()
        tryCompare(dialog, "visible", false)
    }
}
