import QtQuick

// One playing card: face up, face down (hatched back) or an empty slot.
// The card is given as two strings, `rank` and `suit`; "" for both shows a slot.
Item {
    id: root

    property var theme: null
    property string rank: ""
    property string suit: ""
    property bool faceDown: false
    property bool selected: false
    property bool disabled: false
    property bool mini: false
    property bool hoverable: true
    property real sizeScale: 1.0
    property bool enableHoverScale: true

    signal clicked()

    readonly property real _baseW: mini ? 32 : 52
    readonly property real _baseH: mini ? 44 : 72
    readonly property real _s: Math.max(0.1, sizeScale)

    readonly property string suitSymbol: {
        switch (String(suit).toLowerCase()) {
        case "h": return "♥"
        case "d": return "♦"
        case "c": return "♣"
        case "s": return "♠"
        }
        return ""
    }
    readonly property color suitColor: theme ? theme.suitColor(suit) : "black"

    // "face", "back" or "empty": exactly one form shows at a time.
    readonly property string _form: faceDown ? "back"
                                   : (rank !== "" && suit !== "") ? "face"
                                   : "empty"
    readonly property bool _interactive: hoverable && !disabled
    readonly property bool _hovered: _interactive && pointerArea.containsMouse
    readonly property real _radius: theme ? theme.radiusSm : 8
    readonly property string _family: {
        var list = theme ? String(theme.fontFamily) : "Segoe UI"
        return list.split(",")[0].trim()
    }

    implicitWidth: _baseW * _s
    implicitHeight: _baseH * _s

    opacity: disabled ? 0.4 : 1.0
    scale: (enableHoverScale && _hovered) ? 1.05 : 1.0
    Behavior on scale {
        NumberAnimation { duration: 100; easing.type: Easing.OutCubic }
    }

    // ---- face ----
    // Made only while a face is shown.
    Loader {
        anchors.fill: face
        active: root._form === "face"
        sourceComponent: ShadowImage {
            objectName: "faceShadow"
            anchors.fill: parent
            kind: "playing-card"
            offsetY: 2
            strength: root.theme ? root.theme.shadowOpacity * 0.5 : 0.2
        }
    }

    Rectangle {
        id: face
        objectName: "cardFace"
        anchors.fill: parent
        visible: root._form === "face"
        radius: root._radius
        readonly property color faceColor: root.theme ? root.theme.cardFace : "#FFFEF5"
        gradient: Gradient {
            GradientStop { position: 0.0; color: face.faceColor }
            GradientStop { position: 1.0; color: Qt.darker(face.faceColor, 1.03) }
        }
        border.width: root.selected ? 2 : 1
        border.color: root.selected ? (root.theme ? root.theme.accent : "#3FB950")
                                    : (root.theme ? root.theme.cardBorder : "#30363D")

        Text {
            objectName: "topRank"
            textFormat: Text.PlainText
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.leftMargin: (root.mini ? 3 : 5) * root._s
            anchors.topMargin: (root.mini ? 2 : 4) * root._s
            text: root.rank
            font.family: root._family
            font.bold: true
            font.pixelSize: Math.max(1, (root.mini ? 12 : 18) * root._s)
            color: root.suitColor
        }

        Text {
            objectName: "topGlyph"
            textFormat: Text.PlainText
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.leftMargin: (root.mini ? 3 : 5) * root._s
            anchors.topMargin: (root.mini ? 14 : 22) * root._s
            text: root.suitSymbol
            font.pixelSize: Math.max(1, (root.mini ? 10 : 14) * root._s)
            color: root.suitColor
        }

        Text {
            objectName: "centreGlyph"
            textFormat: Text.PlainText
            anchors.centerIn: parent
            visible: !root.mini
            text: root.suitSymbol
            font.pixelSize: Math.max(1, 28 * root._s)
            color: root.suitColor
        }

        Text {
            objectName: "bottomRank"
            textFormat: Text.PlainText
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.rightMargin: 5 * root._s
            anchors.bottomMargin: 4 * root._s
            visible: !root.mini
            rotation: 180
            text: root.rank
            font.family: root._family
            font.bold: true
            font.pixelSize: Math.max(1, 18 * root._s)
            color: root.suitColor
        }

        Text {
            objectName: "bottomGlyph"
            textFormat: Text.PlainText
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.rightMargin: 5 * root._s
            anchors.bottomMargin: 22 * root._s
            visible: !root.mini
            rotation: 180
            text: root.suitSymbol
            font.pixelSize: Math.max(1, 14 * root._s)
            color: root.suitColor
        }

        Rectangle {
            objectName: "faceHoverOverlay"
            anchors.fill: parent
            radius: parent.radius
            color: "black"
            opacity: (pointerArea.containsMouse && root.hoverable) ? 0.05 : 0
            Behavior on opacity { NumberAnimation { duration: 100 } }
        }
    }

    // ---- back ----
    Rectangle {
        id: back
        objectName: "cardBack"
        anchors.fill: parent
        visible: root._form === "back"
        radius: root._radius
        color: root.theme ? root.theme.cardBack : "#1C4B82"
        border.width: 1
        border.color: root.theme ? root.theme.cardBorder : "#30363D"

        Canvas {
            id: hatch
            anchors.fill: parent
            anchors.margins: 4
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                ctx.strokeStyle = "rgba(255,255,255,0.1)"
                ctx.lineWidth = 1
                ctx.beginPath()
                for (var i = -height; i < width; i += 8) {
                    ctx.moveTo(i, 0)
                    ctx.lineTo(i + height, height)
                }
                ctx.stroke()
            }
        }
    }

    // ---- empty slot ----
    Rectangle {
        id: slot
        objectName: "cardSlot"
        anchors.fill: parent
        visible: root._form === "empty"
        radius: root._radius
        color: "transparent"
        border.width: 2
        border.color: root.theme ? root.theme.stroke : "#30363D"
        opacity: 0.5

        Text {
            objectName: "slotMark"
            textFormat: Text.PlainText
            anchors.centerIn: parent
            visible: !root.mini
            text: qsTr("?")
            font.pixelSize: Math.max(1, 20 * root._s)
            color: root.theme ? root.theme.textFaint : "#6E7681"
        }
    }

    MouseArea {
        id: pointerArea
        objectName: "cardPointerArea"
        anchors.fill: parent
        hoverEnabled: root._interactive
        cursorShape: root._interactive ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            if (!root.disabled)
                root.clicked()
        }
    }
}
