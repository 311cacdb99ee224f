import QtQuick
import QtQuick.Layouts

// The current node's pot, the stack of the player to act (at a chance node
// the stack both seats hold) and the amount to call.
Rectangle {
    id: box

    property var page: null
    readonly property var theme: page ? page.theme : null
    // Re-read whenever the current node's meta changes; no figures while a
    // solve runs.
    readonly property var _rows: {
        if (!page)
            return []
        page.currentMeta
        var none = page.solveRunning
        return [
            { key: "pot", label: qsTr("Pot"), value: none ? "—" : page._potSize() },
            { key: "stack", label: none || page.currentMeta.nodeType === "chance" ? qsTr("Stack")
                                                                                    : qsTr("Stack (%1)").arg(page.selectedPlayer),
              value: none ? "—" : page._stackRemaining() },
            { key: "toCall", label: qsTr("To call"), value: none ? "—" : page._toCallAmount() }
        ]
    }

    objectName: "nodeFigures"
    implicitWidth: Math.max(180, rows.implicitWidth + 24)
    implicitHeight: rows.implicitHeight + 20
    radius: theme ? theme.radiusSm : 8
    color: theme ? theme.surface2 : "#21262D"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    ColumnLayout {
        id: rows
        anchors.fill: parent
        anchors.margins: 10
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 6

        Repeater {
            model: box._rows
            delegate: RowLayout {
                required property var modelData
                Layout.fillWidth: true
                spacing: 12
                Text {
                    text: modelData.label
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    color: box.theme ? box.theme.textMuted : "#8B949E"
                }
                Item { Layout.fillWidth: true }
                Text {
                    objectName: "figure_" + modelData.key
                    text: String(modelData.value)
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: box.theme ? box.theme.text : "#F0F6FC"
                }
            }
        }
    }
}
