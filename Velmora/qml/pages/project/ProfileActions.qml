import QtQml
import "profiles.js" as Profiles
import "names.js" as Names

// The settings profiles of `page`: saving the current game settings and
// sizings under a name, loading one back, deleting one. The dialogs are
// those of `dialogs` (ProfileDialogs); the state they show and the list
// itself (`settingsProfiles`, stored through `stores` on every change) live
// on the page. The texts keep the page's translation context.
QtObject {
    id: actions

    property var page: null
    property var dialogs: null
    property var stores: null

    function openSave() {
        page._saveProfileError = ""
        dialogs.saveDialog.field.text = ""
        dialogs.saveDialog.open()
    }

    function commitSave() {
        var name = Names.trimmed(dialogs.saveDialog.field.text)
        if (name.length === 0) {
            page._saveProfileError = qsTranslate("ProjectPage", "Please enter a name.")
            return false
        }
        // The dialog says why while the name is too long.
        if (Names.isTooLong(name, page._controller))
            return false
        page.settingsProfiles = Profiles.withNewProfile(page.settingsProfiles, name, page.currentSettingsSnapshot(),
                                                        page._newNodeId)
        dialogs.saveDialog.close()
        return true
    }

    // The dialog lists the profiles as stored now, other copies' included.
    function openLoad() {
        stores.sync(["profilesJson"], "save")
        page._loadProfileError = ""
        page._loadProfileSelectedId = ""
        dialogs.loadDialog.open()
    }

    function loadSelected() {
        var profile = Profiles.findById(page.settingsProfiles, page._loadProfileSelectedId)
        if (!profile) {
            page._loadProfileError = qsTranslate("ProjectPage", "Please select a profile.")
            return false
        }
        page.applySettingsSnapshot(profile.data)
        dialogs.loadDialog.close()
        return true
    }

    function askDeleteSelected() {
        var profile = Profiles.findById(page.settingsProfiles, page._loadProfileSelectedId)
        if (!profile)
            return
        page._deleteProfileId = Names.text(profile.id)
        page._deleteProfileName = Names.text(profile.name)
        dialogs.confirmDeleteDialog.open()
    }

    function deleteById(id) {
        page.settingsProfiles = Profiles.withoutId(page.settingsProfiles, id)
        if (page._loadProfileSelectedId === Names.text(id))
            page._loadProfileSelectedId = ""
    }
}
