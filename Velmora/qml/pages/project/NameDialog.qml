import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "names.js" as Names

// A Setup page dialog that asks for a name: the prompt, one name field and
// the error line; "Cancel" and a confirm button. The confirm button is
// enabled while the trimmed name is neither empty nor longer than a name may
// be and `ready` holds; it (or Return in the field while it is enabled, or
// with `returnAlwaysCommits` whenever the name is not too long) emits
// `commitRequested`. A name past the bound is not cut: a line under the
// field says so while it is. The owner decides whether the dialog closes.
// With `cancelFirst` "Cancel" sits at the left.
PageDialog {
    id: root

    property alias field: nameField
    property alias placeholderText: nameField.placeholderText
    property string confirmText: ""
    property string confirmLook: "primary"
    property int confirmWidth: 90
    property bool ready: true
    property bool returnAlwaysCommits: false
    property bool cancelFirst: false
    // Focus the field when the dialog has opened. While this is false (the
    // dialog opened to show an error) the field is kept without the focus:
    // the popup's focus scope would hand it back to the field that had it
    // at an earlier opening.
    property bool focusOnOpen: true
    property string namePrefix: ""
    // The back end that counts the characters of a name as the user sees them.
    property var controller: null

    readonly property bool nameTooLong: Names.isTooLong(nameField.text, controller)
    readonly property string lengthError: qsTr("This name is too long: a name can have at most %n characters.", "",
                                               Names.MAX_NAME_LENGTH)
    readonly property bool canCommit: nameField.text.trim().length > 0 && !nameTooLong && ready

    signal commitRequested()

    onAboutToShow: if (!focusOnOpen) nameField.focus = false
    onOpened: {
        if (focusOnOpen)
            nameField.forceActiveFocus()
        else
            nameField.focus = false
    }
    onFocusOnOpenChanged: if (!focusOnOpen) nameField.focus = false

    PageTextField {
        id: nameField
        objectName: root.namePrefix + "NameField"
        Layout.fillWidth: true
        theme: root.theme
        Keys.onReturnPressed: function(event) {
            event.accepted = true
            if (root.canCommit || (root.returnAlwaysCommits && !root.nameTooLong))
                root.commitRequested()
        }
    }
    Text {
        objectName: root.namePrefix + "NameLengthError"
        Layout.fillWidth: true
        visible: root.nameTooLong
        text: root.lengthError
        textFormat: Text.PlainText
        font.pixelSize: 11
        wrapMode: Text.Wrap
        color: root.theme ? root.theme.danger : "#F85149"
    }

    footerItems: [
        DialogButton {
            objectName: root.namePrefix + "CancelButton"
            visible: root.cancelFirst
            theme: root.theme
            text: qsTr("Cancel")
            onClicked: root.close()
        },
        Item { Layout.fillWidth: true },
        DialogButton {
            objectName: root.namePrefix + "CancelButtonRight"
            visible: !root.cancelFirst
            theme: root.theme
            text: qsTr("Cancel")
            onClicked: root.close()
        },
        DialogButton {
            objectName: root.namePrefix + "ConfirmButton"
            // Wider where a translation needs it ("Hinzufügen").
            implicitWidth: Math.max(root.confirmWidth, contentItem.implicitWidth + 24)
            theme: root.theme
            look: root.confirmLook
            text: root.confirmText
            enabled: root.canCommit
            onClicked: root.commitRequested()
        }
    ]
}
