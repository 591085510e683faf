import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// The notes' editor: a title and a text. The page sets isEdit and index before initial(), and
// closes the dialog once the service has taken the note.
AppDialog {
    id: noteDialog

    property bool isEdit: false
    property int index: -1
    property alias titleInput: titleField
    property alias contentInput: contentField

    signal positiveClicked(var title, var content)
    signal negativeClicked()

    function initial() {
        titleText.text = isEdit ? "ویرایش یادداشت" : "افزودن یادداشت جدید"
        if (!isEdit) {
            titleField.text = ""
            contentField.text = ""
        }
        openFrame()
    }

    function setData(_title, _content) {
        titleField.text = _title ? _title : ""
        contentField.text = _content ? _content : ""
    }

    dialogWidth: appWindow.width * 0.35
    dialogHeight: formContent.height + 60
    dialogPadding: 50
    radius: 10
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"
    // Ready for typing as soon as it shows.
    onOpened: titleField.input.forceActiveFocus()

    Column {
        id: formContent

        anchors.centerIn: parent
        width: parent.width - noteDialog.dialogPadding
        spacing: 12

        IranSansText {
            id: titleText

            objectName: "dialogTitle"
            width: parent.width
            bottomPadding: 5
            textSize: Utility.TextSize.large
            textColor: Colors.primaryDark
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }

        AppInput {
            id: titleField

            objectName: "titleField"
            width: parent.width
            height: 40
            radius: 5
            color: Colors.field
            textColor: "black"
            hintColor: Colors.mediumGrey
            padding: 20
            hint: "عنوان"
            tabItem: contentField.input
        }

        AppTextArea {
            id: contentField

            objectName: "contentField"
            width: parent.width
            height: 160
            radius: 5
            color: Colors.field
            textColor: "black"
            hintColor: Colors.mediumGrey
            padding: 20
            hint: "یادداشت"
            fontSize: Utility.TextSize.normal
            verticalAlignment: TextEdit.AlignTop
            hintVerticalAlignment: Text.AlignTop
            tabItem: titleField.input
        }

        Item {
            width: parent.width
            height: 4
        }

        DialogButtons {
            width: parent.width
            rightToLeft: noteDialog.rightToLeft
            onPositiveClicked: noteDialog.positiveClicked(titleField.text.trim(), contentField.text)
            onNegativeClicked: noteDialog.negativeClicked()
        }
    }
}
