import QtQuick

// The navigation state and functions of the results page that the play
// engine drives, reduced to what a hand needs.
Item {
    id: viewer

    property var controller: null
    property string boardText: ""
    property int currentNodeIndex: 0
    property string selectedPlayer: "OOP"
    property var chanceCardDisplayOverrideByNode: ({})
    property var openedPicker: null
    readonly property ListModel treeLevels: ListModel {}

    function _metaForNode(i) { return controller && controller.treeNodeCount() > 0 ? controller.nodeMeta(i) : {} }
    function _actionsForNode(i) { return controller && controller.treeNodeCount() > 0 ? controller.nodeActions(i) : [] }
    function _safeActionAt(actions, idx) {
        return actions && idx >= 0 && idx < actions.length ? actions[idx] : null
    }
    function resetTreeToRoot() {
        treeLevels.clear()
        treeLevels.append({ nodeIndex: 0, selectedActionIndex: -1 })
        currentNodeIndex = 0
    }
    function rebuildBreadcrumbs() {}
    function _boardFromTreeSelections() {
        var b = boardText
        for (var i = 0; i < treeLevels.count; ++i) {
            var row = treeLevels.get(i)
            var a = _safeActionAt(_actionsForNode(row.nodeIndex), row.selectedActionIndex)
            if (a && String(a.name).length === 2) {
                var o = chanceCardDisplayOverrideByNode[String(row.nodeIndex)]
                b += o ? o : a.name
            }
        }
        return b
    }
    function _findChanceLevel(deal) {
        for (var i = 0; i < treeLevels.count; ++i) {
            var m = _metaForNode(treeLevels.get(i).nodeIndex)
            if (m.nodeType === "chance" && m.chanceDeal === deal)
                return i
        }
        return -1
    }
    function openChancePicker(level, node) { openedPicker = { level: level, node: node } }
    function _jumpToLevelForReselect(level) {
        while (treeLevels.count > level + 1)
            treeLevels.remove(treeLevels.count - 1)
        treeLevels.setProperty(level, "selectedActionIndex", -1)
        currentNodeIndex = treeLevels.get(level).nodeIndex
    }
    function _lastSelectedActionNameForActor(actor) {
        var name = ""
        for (var i = 0; i < treeLevels.count; ++i) {
            var row = treeLevels.get(i)
            var m = _metaForNode(row.nodeIndex)
            var a = _safeActionAt(_actionsForNode(row.nodeIndex), row.selectedActionIndex)
            if (a && m.nodeType === "decision" && m.player === actor && a.name)
                name = a.name
        }
        return name
    }
    Component.onCompleted: resetTreeToRoot()
}
