import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt.labs.folderlistmodel
import "SavePath.js" as SavePath
import "ShownText.js" as ShownText

// The program's file dialog, in the program's colours and language, for
// opening ("open") and saving ("save"): a folder to browse, a file name to
// type or pick and a file type. Return in the name field accepts it. Saving:
// the last name comes back with its base selected; a name the chosen type
// does not match gets that type's suffix (under "All Files" only a name
// without one gets `defaultSuffix`), a typed absolute path is taken as it
// stands apart from that, and an existing file is replaced only after a
// second, explicit "Replace".
// Opening: a file of the folder shown (or a typed absolute path) is opened;
// a folder's name opens the folder. A click on a folder enters it, a click
// on a file picks it, and a double click opens a file only when its first
// click picked that file (a double click on a folder only enters it). Names
// are shown as plain text, escaped.
Popup {
    id: root

    property var theme: null
    property string title: ""
    property string fileMode: "save"
    property var nameFilters: []
    property string defaultSuffix: SavePath.DEFAULT_SUFFIX
    property string namePlaceholder: ""
    // The folder shown, as a local path, and as a file URL.
    property string folder: "/"
    readonly property string currentFolder: SavePath.fileUrl(folder)
    // The file URL chosen when the dialog was accepted.
    property string selectedFile: ""

    signal accepted()

    readonly property bool _opening: fileMode === "open"
    readonly property string selectedNameFilter: filterBox.currentIndex >= 0 && filterBox.currentIndex < nameFilters.length
                                                 ? String(nameFilters[filterBox.currentIndex]) : ""
    readonly property string targetPath: _opening ? SavePath.openPath(folder, nameField.text)
                                                  : SavePath.targetPath(folder, nameField.text, selectedNameFilter,
                                                                        defaultSuffix)
    // Only a file of the folder shown can be found; the listing's status and
    // count tie the answer to the listing, which loads after the folder
    // changes (a new folder may hold as many entries as the last).
    readonly property int _targetIndex: targetPath !== "" && folderModel.status === FolderListModel.Ready
                                        && folderModel.count > 0
                                        && SavePath.parentFolder(targetPath) === folder
                                        ? folderModel.indexOf(SavePath.fileUrl(targetPath)) : -1
    readonly property bool targetExists: _targetIndex >= 0
    readonly property bool targetIsFolder: targetExists && folderModel.isFolder(_targetIndex)
    readonly property bool canAccept: targetPath !== ""
                                      && (!_opening || targetExists || SavePath.isAbsolute(nameField.text.trim()))
    property bool _confirmReplace: false
    // The file the last click on a row picked, as a path; "" after a click
    // on a folder. A double click opens only this file.
    property string _pickedPath: ""

    function setFolderUrl(url) {
        var path = SavePath.localPath(url)
        if (path.length > 0)
            folder = path
    }

    // What the accept button, Return and a double click do.
    function acceptTyped() {
        if (_opening)
            openTyped()
        else
            save()
    }

    function save() {
        var target = targetPath
        if (target === "")
            return
        if (targetExists && !_confirmReplace) {
            _confirmReplace = true
            return
        }
        selectedFile = SavePath.fileUrl(target)
        // The next save starts where this one went; the name stays as typed.
        folder = SavePath.parentFolder(target)
        nameField.text = SavePath.fileName(target)
        close()
        accepted()
    }

    function openTyped() {
        if (!canAccept)
            return
        var target = targetPath
        if (targetIsFolder) {
            folder = target
            nameField.text = ""
            return
        }
        selectedFile = SavePath.fileUrl(target)
        folder = SavePath.parentFolder(target)
        close()
        accepted()
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: parent ? Math.min(720, parent.width - 48) : 720
    height: parent ? Math.min(520, parent.height - 48) : 520
    modal: true
    focus: true
    padding: 20
    closePolicy: Popup.CloseOnEscape

    onOpened: {
        _confirmReplace = false
        _pickedPath = ""
        if (_opening)
            nameField.text = ""
        nameField.forceActiveFocus()
        // The last name comes back with its base selected, so typing replaces
        // the name and keeps the suffix.
        if (!_opening)
            nameField.select(0, SavePath.baseNameLength(nameField.text))
    }
    onTargetPathChanged: _confirmReplace = false

    background: Rectangle {
        radius: root.theme ? root.theme.radiusLg : 16
        color: root.theme ? root.theme.surface : "#1C2128"
        border.width: 1
        border.color: root.theme ? root.theme.stroke : "#30363D"
    }

    Overlay.modal: Rectangle { color: "#99000000" }

    FolderListModel {
        id: folderModel
        folder: SavePath.fileUrl(root.folder)
        nameFilters: SavePath.globsOf(root.selectedNameFilter)
        showDirsFirst: true
        showDotAndDotDot: false
        sortCaseSensitive: false
    }

    component DialogText: Text {
        textFormat: Text.PlainText
        font.pixelSize: 13
        color: root.theme ? root.theme.text : "#F0F6FC"
    }

    component DialogField: TextField {
        Layout.fillWidth: true
        font.pixelSize: 13
        color: root.theme ? root.theme.text : "#F0F6FC"
        placeholderTextColor: root.theme ? root.theme.textFaint : "#6E7681"
        selectByMouse: true
        background: Rectangle {
            implicitHeight: 34
            radius: root.theme ? root.theme.radiusSm : 8
            color: root.theme ? root.theme.surface2 : "#21262D"
            border.width: 1
            border.color: parent.activeFocus ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                             : (root.theme ? root.theme.stroke : "#30363D")
        }
    }

    contentItem: ColumnLayout {
        spacing: 12

        DialogText {
            text: root.title
            font.pixelSize: 16
            font.bold: true
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            SecondaryButton {
                objectName: "folderUpButton"
                theme: root.theme
                text: qsTr("Up")
                iconText: "↑"
                Layout.preferredHeight: 34
                onClicked: root.folder = SavePath.parentFolder(root.folder)
            }
            DialogField {
                id: folderField
                objectName: "folderField"
                text: root.folder
                onAccepted: {
                    var typed = text.trim()
                    if (SavePath.isAbsolute(typed))
                        root.folder = typed
                    else
                        text = Qt.binding(function() { return root.folder })
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: root.theme ? root.theme.radiusSm : 8
            color: root.theme ? root.theme.bg1 : "#0D1117"
            border.width: 1
            border.color: root.theme ? root.theme.stroke : "#30363D"

            ListView {
                id: entries
                objectName: "folderEntries"
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                model: folderModel
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}

                delegate: Rectangle {
                    id: row
                    required property string fileName
                    required property bool fileIsDir
                    required property int index
                    width: ListView.view.width
                    height: 30
                    readonly property bool chosen: !fileIsDir && fileName === nameField.text.trim()
                    color: rowMouse.containsMouse || chosen ? (root.theme ? root.theme.surfaceHover : "#30363D")
                                                            : "transparent"

                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: 10
                        anchors.rightMargin: 10
                        spacing: 8
                        Icon {
                            name: row.fileIsDir ? "folder-open" : "file-text"
                            size: 16
                            Layout.preferredWidth: 16
                            Layout.preferredHeight: 16
                            color: row.fileIsDir ? (root.theme ? root.theme.accent : "#3FB950")
                                                 : (root.theme ? root.theme.textMuted : "#8B949E")
                        }
                        DialogText {
                            objectName: "entryName"
                            Layout.fillWidth: true
                            text: ShownText.escaped(row.fileName)
                            elide: Text.ElideMiddle
                        }
                    }
                    MouseArea {
                        id: rowMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            if (row.fileIsDir) {
                                root._pickedPath = ""
                                root.folder = SavePath.join(root.folder, row.fileName)
                            } else {
                                root._pickedPath = SavePath.join(root.folder, row.fileName)
                                nameField.text = row.fileName
                            }
                        }
                        // Opens the file only when the double click's first
                        // click picked this very file: after a click that
                        // entered a folder, the second click lands on a row
                        // of the new listing, which the user never chose.
                        onDoubleClicked: {
                            if (!row.fileIsDir && root._opening
                                    && root._pickedPath === SavePath.join(root.folder, row.fileName))
                                root.openTyped()
                        }
                    }
                }
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 12
            rowSpacing: 8

            DialogText { text: qsTr("File name"); color: root.theme ? root.theme.textMuted : "#8B949E" }
            DialogField {
                id: nameField
                objectName: "fileNameField"
                placeholderText: root.namePlaceholder
                onAccepted: root.acceptTyped()
            }
            DialogText { text: qsTr("File type"); color: root.theme ? root.theme.textMuted : "#8B949E" }
            ThemedComboBox {
                id: filterBox
                objectName: "fileTypeBox"
                Layout.fillWidth: true
                theme: root.theme
                model: root.nameFilters
            }
        }

        DialogText {
            objectName: "replaceWarning"
            Layout.fillWidth: true
            visible: root._confirmReplace
            text: qsTr("%1 already exists. Replace it?").arg(ShownText.escaped(SavePath.fileName(root.targetPath)))
            wrapMode: Text.Wrap
            color: root.theme ? root.theme.warn : "#F0883E"
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12
            Item { Layout.fillWidth: true }
            SecondaryButton {
                objectName: "saveDialogCancelButton"
                theme: root.theme
                text: qsTr("Cancel")
                onClicked: root.close()
            }
            PrimaryButton {
                objectName: "saveDialogSaveButton"
                theme: root.theme
                text: root._opening ? qsTr("Open") : root._confirmReplace ? qsTr("Replace") : qsTr("Save")
                enabled: root.canAccept
                onClicked: root.acceptTyped()
            }
        }
    }
}
