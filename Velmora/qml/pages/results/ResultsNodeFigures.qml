import QtQuick
import QtQuick.Layouts

// The current node's pot, the stack of the player to act (at a chance node
// the stack both seats hold) and the amount to call.
Rectangle {
    id: box

    property var page: null
    readonly property var theme: page ? page.theme : null
    // The rows are fixed: their labels and figures are bindings of their
    // own, so neither a new node nor a retranslation replaces them.
    readonly property var _keys: ["pot", "stack", "toCall"]

    // The figure of one row, re-read whenever the current node's meta changes;
    // none while a solve runs.
    function _figure(key) {
        if (!page)
            return ""
        page.currentMeta
        if (page.solveRunning)
            return "—"
        return String(key === "pot" ? page._potSize() : key === "stack" ? page._stackRemaining()
                                                                       : page._toCallAmount())
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
            model: box.page ? box._keys : []
            delegate: RowLayout {
                required property string modelData
                Layout.fillWidth: true
                spacing: 12
                Text {
                    text: modelData === "pot" ? qsTr("Pot")
                          : modelData === "toCall" ? qsTr("To call")
                          : !box.page || box.page.solveRunning || box.page.currentMeta.nodeType === "chance" ? qsTr("Stack")
                          : qsTr("Stack (%1)").arg(box.page ? box.page.selectedPlayer : "")
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    color: box.theme ? box.theme.textMuted : "#8B949E"
                }
                Item { Layout.fillWidth: true }
                Text {
                    objectName: "figure_" + modelData
                    text: box._figure(modelData)
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: box.theme ? box.theme.text : "#F0F6FC"
                }
            }
        }
    }
}
