import QtQuick
import QtQuick.Controls

// Drop-down of the Compute card over a list of strings. `labelFor` turns an
// entry into the text shown for it (so an entry can stay a fixed key while
// its label is translated).
ComboBox {
    id: root

    property var theme: null
    property var labelFor: function(entry) { return String(entry) }

    implicitWidth: 140
    displayText: currentIndex >= 0 ? labelFor(currentText) : ""

    contentItem: Text {
        leftPadding: 10
        rightPadding: root.indicator ? root.indicator.width + 6 : 6
        text: root.displayText
        font.pixelSize: 13
        color: root.theme ? root.theme.text : "#F0F6FC"
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    indicator: Text {
        x: root.width - width - 10
        y: (root.height - height) / 2
        text: "▼"
        font.pixelSize: 10
        color: root.theme ? root.theme.textMuted : "#8B949E"
    }

    background: Rectangle {
        implicitHeight: 34
        radius: root.theme ? root.theme.radiusSm : 8
        color: root.theme ? root.theme.surface2 : "#21262D"
        border.width: 1
        border.color: root.hovered || root.activeFocus ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                                       : (root.theme ? root.theme.stroke : "#30363D")
    }

    delegate: ItemDelegate {
        id: entry
        required property int index
        required property var modelData
        width: ListView.view ? ListView.view.width : root.width
        highlighted: root.highlightedIndex === index
        contentItem: Text {
            text: root.labelFor(entry.modelData)
            font.pixelSize: 13
            color: root.theme ? root.theme.text : "#F0F6FC"
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            color: entry.highlighted || entry.hovered ? (root.theme ? root.theme.surfaceHover : "#30363D")
                                                      : (root.theme ? root.theme.surface : "#1C2128")
        }
    }

    popup: Popup {
        y: root.height + 4
        width: root.width
        padding: 1
        implicitHeight: Math.min(240, contentItem.implicitHeight + 2)
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: root.popup.visible ? root.delegateModel : null
            currentIndex: root.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
        }
        background: Rectangle {
            radius: root.theme ? root.theme.radiusSm : 8
            color: root.theme ? root.theme.surface : "#1C2128"
            border.width: 1
            border.color: root.theme ? root.theme.stroke : "#30363D"
        }
    }
}
