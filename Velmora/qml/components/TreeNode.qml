import QtQuick

// Box standing for one node or action of the game tree: the action as a
// coloured chip, the player to act (or a deal title), and pot, frequency and EV.
Item {
    id: root

    property var theme: null
    property string nodeType: "decision"
    property string player: "OOP"
    property string action: ""
    property string actionType: ""
    property real pot: 0
    property real ev: 0
    // -1: no frequency to show; NaN: no hand of the player reaches the node
    property real frequency: -1
    property bool selected: false
    property bool expanded: false
    property bool hasChildren: true
    property int depth: 0

    signal clicked()
    // Declared for callers that want it; the node-wide click area takes every
    // click, so a click on the expand button arrives as `clicked`.
    signal toggleExpand()

    implicitWidth: 200
    implicitHeight: 48

    function _toColor(c) {
        // Qt.lighter with factor 1 turns a colour string into a colour value.
        return Qt.lighter(c, 1.0)
    }

    function _luma(c) {
        if (c === undefined || c === null)
            return 0
        var col = _toColor(c)
        return 0.2126 * col.r + 0.7152 * col.g + 0.0722 * col.b
    }

    function _mix(a, b, t) {
        var ca = _toColor(a)
        var cb = _toColor(b)
        var k = Math.max(0, Math.min(1, Number(t)))
        return Qt.rgba(ca.r * (1 - k) + cb.r * k,
                       ca.g * (1 - k) + cb.g * k,
                       ca.b * (1 - k) + cb.b * k,
                       1.0)
    }

    function _actionColor() {
        if (!theme)
            return "#888"
        var t = actionType ? String(actionType).toLowerCase() : ""
        if ((t === "bet" || t === "raise") && action !== "" && action.indexOf("%") >= 0)
            return theme.actionColor(action)
        return theme.actionColor(t)
    }

    function _bgColor() {
        if (nodeType === "terminal")
            return theme ? theme.surface3 : "#2D333B"
        if (!theme)
            return "#21262D"
        if (nodeType === "chance")
            return _mix(theme.surface2, theme.gold, 0.22)
        return _mix(theme.surface2, _actionColor(), 0.28)
    }

    // Dark text on a bright colour, light text on a dark one (the light
    // palette's own text colour is dark).
    function _fgOn(bg) {
        if (_luma(bg) >= 0.62)
            return "#0B0F14"
        return theme ? (theme.dark ? theme.text : theme.textInverse) : "#F0F6FC"
    }

    function _mutedOn(bg) {
        return _luma(bg) >= 0.62 ? "#2D333B" : (theme ? theme.textMuted : "#8B949E")
    }

    readonly property color _fill: _bgColor()
    readonly property color _actionCol: _actionColor()
    readonly property bool _hovered: clickArea.containsMouse
    readonly property bool _showExpand: hasChildren && nodeType === "decision"
    readonly property string _title: nodeType === "chance" ? (player !== "" ? player : qsTr("Deal"))
                                   : nodeType === "terminal" ? qsTr("Terminal")
                                   : player

    scale: _hovered ? 1.02 : 1.0
    Behavior on scale { NumberAnimation { duration: 100; easing.type: Easing.OutCubic } }

    Rectangle {
        id: box
        objectName: "nodeBox"
        anchors.fill: parent
        radius: root.theme ? root.theme.radiusSm : 8
        color: root._fill
        border.width: root.selected ? 2 : 1
        border.color: root.selected ? (root.theme ? root.theme.accent : "#3FB950")
                    : root._hovered ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                    : (root.theme ? root.theme.stroke : "#30363D")

        Row {
            anchors.fill: parent
            anchors.margins: 10
            spacing: 10

            Rectangle {
                id: expandButton
                objectName: "expandButton"
                anchors.verticalCenter: parent.verticalCenter
                visible: root._showExpand
                width: 20
                height: 20
                radius: 4
                color: expandHover.hovered ? (root.theme ? root.theme.surface3 : "#2D333B") : "transparent"

                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: root.expanded ? "−" : "+"
                    font.pixelSize: 14
                    font.bold: true
                    color: root.theme ? root.theme.textMuted : "#8B949E"
                }

                HoverHandler {
                    id: expandHover
                    cursorShape: Qt.PointingHandCursor
                }
            }

            Rectangle {
                id: typeDot
                objectName: "typeDot"
                anchors.verticalCenter: parent.verticalCenter
                visible: !root._showExpand
                width: 8
                height: 8
                radius: 4
                color: root.nodeType === "terminal" ? (root.theme ? root.theme.textFaint : "#6E7681")
                     : root.nodeType === "chance" ? (root.theme ? root.theme.gold : "#F0B429")
                     : root.player === "OOP" ? (root.theme ? root.theme.actionBet : "#A371F7")
                     : (root.theme ? root.theme.info : "#58A6FF")
            }

            Column {
                id: textColumn
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 10 - (expandButton.visible ? expandButton.width : typeDot.width)
                spacing: 2
                // Texts never spill over the node's border when it is narrow.
                clip: true

                Row {
                    spacing: 6
                    width: parent.width

                    Rectangle {
                        id: chip
                        objectName: "actionChip"
                        visible: root.action !== ""
                        height: 18
                        width: chipText.implicitWidth + 12
                        radius: root.theme ? root.theme.radiusXs : 4
                        color: root._actionCol
                        opacity: 0.8

                        Text {
                            id: chipText
                            objectName: "actionChipText"
                            textFormat: Text.PlainText
                            anchors.centerIn: parent
                            text: root.action
                            font.pixelSize: 10
                            font.weight: Font.DemiBold
                            color: root._fgOn(root._actionCol)
                        }
                    }

                    Text {
                        id: titleText
                        objectName: "nodeTitle"
                        textFormat: Text.PlainText
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.max(0, parent.width - (chip.visible ? chip.width + 6 : 0))
                        text: root._title
                        font.pixelSize: 12
                        font.weight: Font.DemiBold
                        color: root._fgOn(root._fill)
                        elide: Text.ElideRight
                    }
                }

                Row {
                    id: infoRow
                    objectName: "infoRow"
                    spacing: 12
                    visible: root.pot > 0 || root.ev !== 0 || root.frequency >= 0 || isNaN(root.frequency)

                    Text {
                        objectName: "potText"
                        textFormat: Text.PlainText
                        visible: root.pot > 0
                        text: qsTr("Pot: %1").arg(root.pot.toFixed(0))
                        font.pixelSize: 10
                        color: root._mutedOn(root._fill)
                    }
                    Text {
                        objectName: "freqText"
                        textFormat: Text.PlainText
                        visible: root.frequency >= 0 || isNaN(root.frequency)
                        text: isNaN(root.frequency) ? qsTr("Freq: —")
                                                    : qsTr("Freq: %1%").arg(Math.round(Math.max(0, Math.min(1, root.frequency)) * 100))
                        font.pixelSize: 10
                        font.weight: Font.DemiBold
                        color: root._mutedOn(root._fill)
                    }
                    Text {
                        objectName: "evText"
                        textFormat: Text.PlainText
                        visible: root.ev !== 0
                        text: qsTr("EV: %1%2").arg(root.ev >= 0 ? "+" : "").arg(root.ev.toFixed(2))
                        font.pixelSize: 10
                        font.weight: Font.Normal
                        color: root.ev >= 0 ? (root.theme ? root.theme.success : "#3FB950")
                                            : (root.theme ? root.theme.danger : "#F85149")
                    }
                }
            }
        }

        Rectangle {
            id: glow
            objectName: "selectionGlow"
            anchors.fill: parent
            radius: parent.radius
            color: "transparent"
            border.width: 2
            border.color: root.theme ? root.theme.accent : "#3FB950"
            visible: opacity > 0
            opacity: root.selected ? 0.5 : 0
            Behavior on opacity { NumberAnimation { duration: 150 } }
        }
    }

    MouseArea {
        id: clickArea
        objectName: "nodeClickArea"
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
