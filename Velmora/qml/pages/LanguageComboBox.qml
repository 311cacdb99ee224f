import QtQuick
import QtQuick.Controls

// Interface language chooser. The language service applies and stores a
// choice at once; the list follows the service's current language.
ComboBox {
    id: root

    property var theme: null

    readonly property bool _hasService: typeof languageManager !== "undefined" && languageManager !== null

    implicitWidth: 200
    // The style's up/down arrows are drawn in the palette's dark colour.
    palette.dark: theme ? theme.textMuted : "#8B949E"
    textRole: "label"
    // Only the first entry is translated; the others stay in their own language.
    model: [
        { label: qsTr("System default"), code: "system" },
        { label: "English", code: "en" },
        { label: "Español", code: "es" },
        { label: "Français", code: "fr" },
        { label: "Deutsch", code: "de" },
        { label: "Português (Brasil)", code: "pt_BR" },
        { label: "Italiano", code: "it" },
        { label: "Polski", code: "pl" },
        { label: "Русский", code: "ru" }
    ]

    contentItem: Text {
        leftPadding: 12
        rightPadding: root.indicator ? root.indicator.width + 8 : 8
        text: root.displayText
        font.pixelSize: 13
        color: root.theme ? root.theme.text : "#F0F6FC"
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitHeight: 36
        radius: root.theme ? root.theme.radiusSm : 8
        color: root.theme ? root.theme.surface2 : "#21262D"
        border.width: 1
        border.color: root.hovered ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                   : (root.theme ? root.theme.stroke : "#30363D")
    }

    delegate: ItemDelegate {
        id: entry
        required property int index
        required property var modelData
        width: ListView.view ? ListView.view.width : root.width
        highlighted: root.highlightedIndex === index
        contentItem: Text {
            text: entry.modelData.label
            font.pixelSize: 13
            color: root.theme ? root.theme.text : "#F0F6FC"
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            color: entry.highlighted ? (root.theme ? root.theme.surfaceHover : "#30363D")
                                     : (root.theme ? root.theme.surface : "#1C2128")
        }
    }

    popup: Popup {
        y: root.height + 4
        width: root.width
        padding: 1
        implicitHeight: contentItem.implicitHeight + 2
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: root.popup.visible ? root.delegateModel : null
            currentIndex: root.highlightedIndex
        }
        background: Rectangle {
            radius: root.theme ? root.theme.radiusSm : 8
            color: root.theme ? root.theme.surface : "#1C2128"
            border.width: 1
            border.color: root.theme ? root.theme.stroke : "#30363D"
        }
    }

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

    // A retranslation rebuilds the model, which resets the selection.
    onModelChanged: Qt.callLater(syncIndex)

    Connections {
        target: root._hasService ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() { root.syncIndex() }
    }

    Component.onCompleted: syncIndex()
}
