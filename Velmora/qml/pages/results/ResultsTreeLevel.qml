import QtQuick
import "../../components"

// One level of the Game Tree: a chance node as one "Deal" node between two
// separators, any other node as its actions (only the chosen one once chosen).
Column {
    id: block

    property var page: null
    property int levelIndex: 0
    property int levelNodeIndex: 0
    property int selection: -1

    readonly property var theme: page ? page.theme : null
    readonly property bool isCurrent: page !== null && levelIndex === page.treeLevels.count - 1
    readonly property var meta: {
        if (!page)
            return {}
        page._resultsRevision
        return page._metaForNode(levelNodeIndex)
    }
    readonly property var baseActions: {
        if (!page)
            return []
        page._resultsRevision
        return page._actionsForNode(levelNodeIndex)
    }
    readonly property var shownActions: selection >= 0 && page ? page._singleActionList(baseActions, selection)
                                                               : baseActions
    readonly property bool isChance: meta.nodeType === "chance"
    readonly property bool isDecision: meta.nodeType === "decision"
    readonly property bool interactive: page !== null && !page.playMode
    readonly property real _pot: _number(meta.pot)
    // The hand classes locked at this node: those the result on show was
    // solved with, and those set that it was not (or, for an opened
    // project's result, may not have been) solved with.
    readonly property var lockMarks: {
        if (!page || !isDecision)
            return { applied: [], pending: [], unknown: [] }
        page._resultsRevision
        page._heldLocksRevision
        return page._lockMarksAt(levelNodeIndex)
    }
    // One line for locks the opened result may hold, one for locks set since.
    readonly property string pendingLocksText: {
        var lines = []
        if (lockMarks.unknown.length > 0)
            lines.push(qsTr("Locks set: %1 — not known if these results use them; Re-solve to apply")
                .arg(lockMarks.unknown.join(", ")))
        if (lockMarks.pending.length > 0)
            lines.push(qsTr("Locks set: %1 — Re-solve to apply").arg(lockMarks.pending.join(", ")))
        return lines.join("\n")
    }

    objectName: "treeLevel" + levelIndex
    spacing: 6

    function _number(v) {
        var n = Number(v)
        return (v === undefined || v === null || !isFinite(n)) ? 0 : n
    }

    // An action's frequency: -1 when it has none, NaN (shown as "—") when
    // no hand reaches the node.
    function _frequency(v) {
        if (v === undefined || v === null)
            return -1
        var n = Number(v)
        return isNaN(n) ? NaN : (isFinite(n) ? n : 0)
    }

    function _text(v) {
        return (v === undefined || v === null) ? "" : String(v)
    }

    function _clickAction(position) {
        if (!interactive)
            return
        if (!isCurrent)
            page.navigateToBreadcrumb(levelIndex)
        else
            page.selectActionAtLevel(levelIndex, position)
    }

    Rectangle {
        visible: block.isChance
        width: block.width
        height: 1
        color: block.theme ? block.theme.stroke : "#30363D"
        opacity: 0.55
    }

    Rectangle {
        objectName: "lockBanner"
        visible: block.lockMarks.applied.length > 0
        width: block.width
        height: Math.max(22, lockText.implicitHeight + 8)
        radius: block.theme ? block.theme.radiusXs : 4
        color: block.theme ? block.theme.withOpacity(block.theme.gold, 0.12) : Qt.rgba(0.941, 0.706, 0.161, 0.12)
        border.width: 1
        border.color: block.theme ? block.theme.gold : "#F0B429"

        Icon {
            id: lockIcon
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            name: "lock"
            size: 12
            color: block.theme ? block.theme.gold : "#F0B429"
        }
        Text {
            id: lockText
            objectName: "lockBannerText"
            anchors.left: lockIcon.right
            anchors.leftMargin: 6
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Locked: %1").arg(block.lockMarks.applied.join(", "))
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: block.theme ? block.theme.text : "#F0F6FC"
        }
    }

    // Locks the result on show does not (or may not) hold: muted, so that
    // only what the shown strategy is solved with reads as locked.
    Rectangle {
        objectName: "pendingLockBanner"
        visible: block.pendingLocksText !== ""
        width: block.width
        height: Math.max(22, pendingText.implicitHeight + 8)
        radius: block.theme ? block.theme.radiusXs : 4
        color: block.theme ? block.theme.surface2 : "#21262D"
        border.width: 1
        border.color: block.theme ? block.theme.withOpacity(block.theme.gold, 0.45) : Qt.rgba(0.941, 0.706, 0.161, 0.45)

        Icon {
            id: pendingIcon
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            name: "lock"
            size: 12
            color: block.theme ? block.theme.textMuted : "#8B949E"
        }
        Text {
            id: pendingText
            objectName: "pendingLockBannerText"
            anchors.left: pendingIcon.right
            anchors.leftMargin: 6
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: block.pendingLocksText
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: block.theme ? block.theme.textMuted : "#8B949E"
        }
    }

    Rectangle {
        objectName: "availableActionsBanner"
        visible: block.isCurrent && block.isDecision && block.selection < 0 && block.baseActions.length > 1
        width: block.width
        height: 22
        radius: block.theme ? block.theme.radiusXs : 4
        color: block.theme ? block.theme.withOpacity(block.theme.info, 0.10) : Qt.rgba(0.345, 0.651, 1, 0.10)
        border.width: 1
        border.color: block.theme ? block.theme.strokeLight : "#21262D"

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: "▼  " + qsTr("Available actions")
            font.pixelSize: 11
            color: block.theme ? block.theme.info : "#58A6FF"
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("%1 options").arg(block.baseActions.length)
            font.pixelSize: 11
            color: block.theme ? block.theme.textMuted : "#8B949E"
        }
    }

    TreeNode {
        objectName: "chanceNode"
        visible: block.isChance
        width: block.width
        theme: block.theme
        nodeType: "chance"
        player: block.meta.chanceDeal === "river" ? qsTr("Deal %1").arg(qsTr("River")) : qsTr("Deal %1").arg(qsTr("Turn"))
        // The card the user picked, which the board shows too.
        action: {
            if (!(block.selection >= 0 && block.baseActions.length > block.selection))
                return ""
            void block.page.chanceCardDisplayOverrideByNode
            var shown = block.page._chanceCardShown(block.levelNodeIndex, block.selection)
            return shown !== "" ? shown : block._text(block.baseActions[block.selection].name)
        }
        actionType: "chance"
        pot: block._pot
        hasChildren: block.baseActions.length > 0
        selected: block.isCurrent
        depth: block.levelIndex
        enabled: block.interactive
        onClicked: {
            if (!block.interactive)
                return
            if (!block.isCurrent)
                block.page.navigateToBreadcrumb(block.levelIndex)
            else
                block.page.openChancePicker(block.levelIndex, block.levelNodeIndex)
        }
    }

    Rectangle {
        visible: block.isChance
        width: block.width
        height: 1
        color: block.theme ? block.theme.stroke : "#30363D"
        opacity: 0.55
    }

    Repeater {
        model: block.isChance ? [] : block.shownActions
        delegate: TreeNode {
            id: actionNode
            required property int index
            required property var modelData
            readonly property int childIndex: {
                var c = Number(modelData.childIndex)
                return (modelData.childIndex === undefined || modelData.childIndex === null || !isFinite(c)) ? -1 : c
            }
            readonly property var childMeta: {
                if (childIndex < 0 || !block.page)
                    return {}
                block.page._resultsRevision
                return block.page._metaForNode(childIndex)
            }
            readonly property var childActions: {
                if (childIndex < 0 || !block.page)
                    return []
                block.page._resultsRevision
                return block.page._actionsForNode(childIndex)
            }

            objectName: "actionNode" + index
            width: block.width
            theme: block.theme
            nodeType: block._text(block.meta.nodeType) !== "" ? block._text(block.meta.nodeType) : "decision"
            player: block._text(block.meta.player)
            action: block._text(modelData.name)
            actionType: block._text(modelData.actionType)
            frequency: block._frequency(modelData.frequency)
            pot: childMeta.pot !== undefined && childMeta.pot !== null ? block._number(childMeta.pot) : block._pot
            hasChildren: childActions.length > 0
            expanded: block.selection >= 0
            selected: false
            depth: block.levelIndex
            enabled: block.interactive
            onClicked: block._clickAction(index)
        }
    }
}
