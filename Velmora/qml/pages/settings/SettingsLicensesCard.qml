import QtQuick
import QtQuick.Layouts
import "../../components"

// Open-source notices: the bundled libraries with their licences and the
// buttons that open the notices on disk.
Card {
    id: root

    readonly property bool _hasController: typeof appController !== "undefined" && appController !== null

    // The last open that showed nothing: {what: "folder" or "notices",
    // problem: "missing" or "noProgram", path}; null while there is nothing
    // to say. The text is worded here, so a language switch words it again.
    property var openProblem: null

    function _open(what) {
        var fn = what === "folder" ? "openLicensesFolder" : "openThirdPartyNotices"
        if (!_hasController || typeof appController[fn] !== "function")
            return
        var result = appController[fn]()
        openProblem = result && result.ok === false
                ? { what: what, problem: String(result.problem || ""), path: String(result.path || "") } : null
    }

    function _problemText(p) {
        if (!p)
            return ""
        if (p.what === "folder")
            return (p.problem === "missing"
                    ? qsTr("The licenses folder %1 does not exist.")
                    : qsTr("No program on this computer opens folders, so the licenses folder could not be shown. It is %1.")).arg(p.path)
        return (p.problem === "missing"
                ? qsTr("The notices file %1 does not exist.")
                : qsTr("No program on this computer opens text files, so the notices could not be shown. They are in the file %1.")).arg(p.path)
    }

    ColumnLayout {
        width: parent.width
        spacing: 16

        SettingsCardTitle { theme: root.theme; iconName: "scroll"; title: qsTr("Licenses") }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 12

            LicenseRow {
                theme: root.theme
                name: "Qt Framework"
                note: "Runtime (dynamic linking)"
                license: "LGPL v3"
            }
            LicenseRow {
                objectName: "tbbLicenseRow"
                visible: root._hasController && appController.useTbb === true
                theme: root.theme
                name: qsTr("oneTBB")
                note: qsTr("Threading")
                license: qsTr("Apache 2.0")
            }
        }

        Text {
            textFormat: Text.PlainText
            Layout.fillWidth: true
            text: qsTr("Third-party notices and license texts are included in the 'licenses' folder next to the executable.")
            font.pixelSize: 11
            wrapMode: Text.WordWrap
            color: root.theme ? root.theme.textFaint : "#6E7681"
        }

        RowLayout {
            spacing: 12
            SecondaryButton {
                objectName: "openLicensesFolderButton"
                theme: root.theme
                text: qsTr("Open licenses folder")
                iconName: "folder-open"
                onClicked: root._open("folder")
            }
            SecondaryButton {
                objectName: "openNoticesButton"
                theme: root.theme
                text: qsTr("Open notices")
                iconName: "file-text"
                onClicked: root._open("notices")
            }
        }

        // Selectable, so the path can be copied into a program that opens it.
        TextEdit {
            objectName: "licensesOpenProblem"
            Layout.fillWidth: true
            visible: root.openProblem !== null
            readOnly: true
            selectByMouse: true
            textFormat: TextEdit.PlainText
            wrapMode: TextEdit.WrapAtWordBoundaryOrAnywhere
            font.pixelSize: 12
            color: root.theme ? root.theme.danger : "#F85149"
            selectionColor: root.theme ? root.theme.accent : "#3FB950"
            text: root._problemText(root.openProblem)
        }
    }
}
