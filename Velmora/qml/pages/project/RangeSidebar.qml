import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "rangelibrary.js" as Library
import "rangetext.js" as RangeText
import "rowmodel.js" as RowModel
import "../../components/ShownText.js" as ShownText

// The preset sidebar of a range card: the three category buttons, the rows
// of the seat's library in the shown category, and the category's actions.
ColumnLayout {
    id: root

    property var page: null
    property string seat: "oop"
    property var theme: null

    // Export and clear confirmations live with the page's dialogs.
    signal exportRequested(int category)
    signal clearOverridesRequested(int category)
    // A range row whose text is past the longest range: it is selected but
    // not loaded.
    signal rangeRefused(string text)

    readonly property int category: page ? page[seat + "RangeCategory"] : 2
    readonly property string selectedId: page ? page[seat + "SelectedId"] : ""
    readonly property var openFolders: page ? page[seat + "OpenFolderIds"] : ({})
    readonly property string rangeText: page ? page[seat + "RangeText"] : ""
    readonly property bool developerMode: page ? page.developerMode === true : false
    readonly property var rows: page ? page.listModelFor(seat) : []
    // The rows as the list shows them; a new list of rows changes only the
    // rows that differ (see rowmodel.js).
    ListModel { id: shownRows }
    function _showRows() {
        var elements = []
        for (var i = 0; i < rows.length; ++i) {
            var r = rows[i]
            elements.push({ rowId: String(r.id), kind: String(r.kind), name: String(r.name),
                            label: String(r.displayName ? r.displayName : r.name),
                            value: r.value === undefined || r.value === null ? "" : String(r.value),
                            depth: Number(r.depth) || 0 })
        }
        RowModel.show(shownRows, elements)
    }
    onRowsChanged: _showRows()
    Component.onCompleted: _showRows()
    readonly property bool libraryEmpty: {
        var tree = page ? page.rangesFor(seat, category) : []
        return !tree || tree.length === 0
    }

    spacing: 8

    function _has(name) {
        return page && typeof page[name] === "function"
    }
    function _call(name) {
        if (_has(name))
            return page[name](seat)
        return undefined
    }

    function clickRow(row) {
        if (!page || !row)
            return
        page[seat + "SelectedId"] = row.id
        var value = row.value === undefined || row.value === null ? "" : String(row.value)
        if (row.kind === "folder")
            page._toggleOpenFolder(seat, row.id)
        else if (RangeText.isTooLong(value))
            rangeRefused(value)
        else
            page[seat + "RangeText"] = value
    }

    component CategoryButton: RangeSideButton {
        property int code: 0
        objectName: root.seat + "CategoryButton" + code
        Layout.fillWidth: true
        theme: root.theme
        look: "category"
        shown: root.category === code
        onClicked: if (root.page) root.page[root.seat + "RangeCategory"] = code
    }

    component ActionButton: RangeSideButton {
        Layout.fillWidth: true
        theme: root.theme
    }

    CategoryButton { code: 0; text: qsTr("Standard Ranges") }
    CategoryButton { code: 1; text: qsTr("Population Ranges") }
    CategoryButton { code: 2; text: qsTr("Custom Ranges") }

    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 1
        color: root.theme ? root.theme.stroke : "#30363D"
        opacity: 0.4
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.fillHeight: true
        spacing: 6

        Text {
            Layout.fillWidth: true
            text: root.page ? root.page.categoryLabel(root.category) : ""
            font.pixelSize: 11
            font.weight: Font.DemiBold
            color: root.theme ? root.theme.textMuted : "#8B949E"
            elide: Text.ElideRight
        }

        Repeater {
            objectName: root.seat + "RangeRows"
            model: shownRows

            delegate: Rectangle {
                id: row
                required property string rowId
                required property string kind
                required property string name
                required property string label
                required property string value
                required property real depth
                readonly property bool selected: rowId === root.selectedId
                readonly property bool isFolder: kind === "folder"
                readonly property bool open: isFolder && Library.isOpen(root.openFolders, rowId)
                objectName: root.seat + "Row_" + name
                Layout.fillWidth: true
                Layout.preferredHeight: 26
                radius: root.theme ? root.theme.radiusSm : 8
                border.width: 1
                border.color: selected ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                       : (root.theme ? root.theme.stroke : "#30363D")
                color: selected ? (root.theme ? root.theme.surface3 : "#2D333B")
                     : rowMouse.containsMouse ? (root.theme ? root.theme.surfaceHover : "#30363D")
                     : (root.theme ? root.theme.surface2 : "#21262D")

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 10 + 14 * row.depth
                    anchors.rightMargin: 10
                    spacing: 6

                    Icon {
                        Layout.preferredWidth: 14
                        Layout.preferredHeight: 14
                        Layout.alignment: Qt.AlignVCenter
                        name: row.isFolder ? "folder-open" : "file-text"
                        size: 14
                        color: root.theme ? root.theme.textMuted : "#8B949E"
                        iconOpacity: row.open ? 1.0 : 0.75
                    }
                    Text {
                        objectName: "rowText"
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignVCenter
                        text: ShownText.escaped(row.label)
                        textFormat: Text.PlainText
                        font.pixelSize: 11
                        color: root.theme ? root.theme.text : "#F0F6FC"
                        elide: Text.ElideRight
                    }
                }

                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.clickRow({ id: row.rowId, kind: row.kind, value: row.value })
                }
            }
        }

        Text {
            objectName: root.seat + "EmptyNote"
            visible: root.libraryEmpty
            text: qsTr("No ranges yet.")
            font.pixelSize: 11
            color: root.theme ? root.theme.textFaint : "#6E7681"
        }

        // The seat's stored Custom tree or overrides of the shown category
        // could not be read (their text was kept aside), or their last
        // change could not be stored.
        StoreWarning {
            objectName: root.seat + "StoreWarning"
            readonly property string storeKey: root.category === 2 ? root.seat + "CustomRangesJson"
                                             : root.category === 1 ? root.seat + "ExploitOverridesJson"
                                             : root.seat + "StandardOverridesJson"
            readonly property string problem: root._has("storeProblem") ? root.page.storeProblem(storeKey) : ""
            theme: root.theme
            shown: (root._has("storeKeptAside") && root.page.storeKeptAside(storeKey)) || problem.length > 0
            text: problem.length > 0 ? problem
                  : root.category === 2
                  ? qsTr("Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.")
                  : qsTr("Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.")
        }

        Text {
            objectName: root.seat + "PresetLoadError"
            Layout.fillWidth: true
            visible: root.category === 0 && text.trim().length > 0
            text: root.page ? root.page._presetLoadError : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 10
            color: root.theme ? root.theme.danger : "#F85149"
        }

        Item { Layout.fillHeight: true }

        // Standard (0) and Population (1): the developer's tools.
        ActionButton {
            objectName: root.seat + "OverrideButton"
            visible: root.developerMode && root.category !== 2
            text: qsTr("Override")
            dimmed: true
            enabled: root.category === 0 ? root._call("canOverrideStandard") === true
                                         : root._call("canOverrideExploit") === true
            onClicked: root._call(root.category === 0 ? "overrideSelectedStandardRange" : "overrideSelectedExploitRange")
        }
        ActionButton {
            objectName: root.seat + "ExportButton"
            visible: root.developerMode && root.category !== 2
            text: root.category === 0 ? qsTr("Export standard…") : qsTr("Export population…")
            onClicked: root.exportRequested(root.category)
        }
        ActionButton {
            objectName: root.seat + "ClearOverridesButton"
            visible: root.developerMode && root.category !== 2
            text: qsTr("Clear overrides…")
            look: "danger"
            onClicked: root.clearOverridesRequested(root.category)
        }
        Text {
            objectName: root.seat + "ExportError"
            readonly property string error: !root.page ? ""
                                          : root.category === 0 ? root.page._exportStandardError
                                          : root.page._exportExploitError
            Layout.fillWidth: true
            visible: root.developerMode && root.category !== 2 && error.trim().length > 0
            text: error
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 10
            color: root.theme ? root.theme.danger : "#F85149"
        }

        // Custom (2): the user's own library.
        ActionButton {
            objectName: root.seat + "SaveRangeButton"
            visible: root.category === 2
            text: qsTr("Save current range…")
            dimmed: true
            enabled: root.rangeText.trim().length > 0
            onClicked: root._call("openSaveRangeDialog")
        }
        ActionButton {
            objectName: root.seat + "ImportRangeButton"
            visible: root.category === 2
            text: qsTr("Import range…")
            dimmed: true
            onClicked: root._call("openImportRangeDialog")
        }
        ActionButton {
            objectName: root.seat + "AddFolderButton"
            visible: root.category === 2
            text: qsTr("Add folder…")
            dimmed: true
            enabled: root.category === 2
            onClicked: root._call("openAddFolderDialog")
        }
        ActionButton {
            objectName: root.seat + "DeleteSelectedButton"
            visible: root.category === 2
            text: qsTr("Delete selected…")
            look: "dangerOutline"
            enabled: root.category === 2 && root.selectedId !== ""
            onClicked: root._call("openDeleteSelectedDialog")
        }
    }
}
