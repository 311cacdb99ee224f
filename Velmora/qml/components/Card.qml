import QtQuick
import QtQuick.Controls

// Surface panel on which pages lay out their groups of controls.
// Children declared inside a Card become children of its content item.
Frame {
    id: root

    property var theme: null
    property bool hoverable: false
    property bool elevated: false
    property color accentColor: "transparent"

    // A Frame's content item does not size itself to its children, so the card
    // derives its implicit size from the largest implicit size among them.
    readonly property real __contentImplicitWidth: _largestChildImplicit(true)
    readonly property real __contentImplicitHeight: _largestChildImplicit(false)

    readonly property bool _hovered: hoverable && pointerArea.containsMouse

    function _largestChildImplicit(horizontal) {
        var ci = root.contentItem
        if (!ci)
            return 0
        var best = 0
        var kids = ci.children
        for (var i = 0; i < kids.length; ++i) {
            var child = kids[i]
            if (!child)
                continue
            var v = horizontal ? child.implicitWidth : child.implicitHeight
            if (v !== undefined && v !== null && isFinite(v))
                best = Math.max(best, v)
        }
        return best
    }

    padding: theme ? theme.spaceLg : 16
    implicitWidth: __contentImplicitWidth + leftPadding + rightPadding
    implicitHeight: __contentImplicitHeight + topPadding + bottomPadding

    scale: _hovered ? 1.01 : 1.0
    Behavior on scale {
        NumberAnimation { duration: 150; easing.type: Easing.OutCubic }
    }

    background: Item {
        id: bgRoot

        readonly property real cornerRadius: root.theme ? root.theme.radiusMd : 12

        // Made only for an elevated card.
        Loader {
            anchors.fill: base
            active: root.elevated
            sourceComponent: ShadowImage {
                objectName: "cardShadow"
                anchors.fill: parent
                kind: "card"
                offsetY: 4
                strength: root.theme ? root.theme.shadowOpacity : 0.3
            }
        }

        Rectangle {
            id: base
            objectName: "cardBase"
            anchors.fill: parent
            radius: bgRoot.cornerRadius
            color: root.theme ? root.theme.surface : "#1C2128"
            border.width: 1
            border.color: Qt.colorEqual(root.accentColor, "transparent")
                          ? (root.theme ? root.theme.stroke : "#30363D")
                          : root.accentColor
        }

        Rectangle {
            anchors.fill: parent
            radius: bgRoot.cornerRadius
            gradient: Gradient {
                GradientStop { position: 0.0; color: Qt.rgba(1, 1, 1, 0.02) }
                GradientStop { position: 1.0; color: "transparent" }
            }
        }

        Rectangle {
            objectName: "cardHoverOverlay"
            anchors.fill: parent
            radius: bgRoot.cornerRadius
            color: root.theme ? root.theme.surfaceHover : "#30363D"
            opacity: root._hovered ? 0.3 : 0
            Behavior on opacity {
                NumberAnimation { duration: 150 }
            }
        }
    }

    // First content child: hover tracking and cursor only. Presses are declined
    // so that they reach the card's content and whatever lies beneath.
    MouseArea {
        id: pointerArea
        objectName: "cardPointerArea"
        anchors.fill: parent
        hoverEnabled: root.hoverable
        cursorShape: root.hoverable ? Qt.PointingHandCursor : Qt.ArrowCursor
        propagateComposedEvents: true
        onPressed: function(mouse) { mouse.accepted = false }
    }
}
