import QtQuick
import QtQuick.Controls

// A drop-down list in the theme's colours. Entries are texts, or objects
// whose `textRole` names the text to show; `labelFor`, when set, turns an
// entry into its text instead, so that a list of translated texts can keep
// a fixed model (a model rebuilt by a retranslation would replace the
// popup's entries under the user's click).
ComboBox {
    id: root

    property var theme: null
    property var labelFor: null

    displayText: labelFor ? entryText(currentIndex >= 0 && model ? model[currentIndex] : null) : currentText

    // The style's up/down arrows are drawn in the palette's dark colour.
    palette.dark: theme ? theme.textMuted : "#8B949E"

    function entryText(entry) {
        if (entry === undefined || entry === null)
            return ""
        if (labelFor)
            return String(labelFor(entry))
        return textRole && typeof entry === "object" ? String(entry[textRole]) : String(entry)
    }

    contentItem: Text {
        leftPadding: 12
        rightPadding: root.indicator ? root.indicator.width + 8 : 8
        text: root.displayText
        textFormat: Text.PlainText
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
            text: root.entryText(entry.modelData)
            textFormat: Text.PlainText
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
}
