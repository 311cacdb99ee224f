import QtQuick
import QtQuick.Controls
import "../../components"

// Interface language chooser. The language service applies and stores a
// choice at once; the list follows the service's current language.
ThemedComboBox {
    id: root

    readonly property bool _hasService: typeof languageManager !== "undefined" && languageManager !== null

    // Bound directly, so every retranslation words it again.
    readonly property string systemLabel: qsTr("System default")

    implicitWidth: 200
    textRole: "label"
    // Only the first entry is translated; the others stay in their own
    // language. The list itself never changes: the popup's entries stay
    // the same items through the retranslation their own click starts.
    labelFor: function(entry) { return entry.code === "system" ? root.systemLabel : entry.label }
    model: [
        { label: "System default", code: "system" },
        { label: "English", code: "en" },
        { label: "Español", code: "es" },
        { label: "Français", code: "fr" },
        { label: "Deutsch", code: "de" },
        { label: "Português (Brasil)", code: "pt_BR" },
        { label: "Italiano", code: "it" },
        { label: "Polski", code: "pl" },
        { label: "Русский", code: "ru" }
    ]

    function codeAt(i) {
        return (i >= 0 && i < model.length) ? model[i].code : ""
    }

    function syncIndex() {
        var code = "system"
        if (_hasService && languageManager.currentLanguage)
            code = String(languageManager.currentLanguage)
        var index = 0
        for (var i = 0; i < model.length; ++i) {
            if (model[i].code === code) {
                index = i
                break
            }
        }
        currentIndex = index
    }

    onActivated: function(index) {
        if (!_hasService)
            return
        languageManager.setLanguage(codeAt(index))
    }

    Connections {
        target: root._hasService ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() { root.syncIndex() }
    }

    Component.onCompleted: syncIndex()
}
