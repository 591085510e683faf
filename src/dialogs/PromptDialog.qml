import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A prompt for one value: its question, the field that takes the answer (`field`, laid out at the
// button's width) and a confirm button. It opens empty every time and stays open after
// confirming: the page checks the value and calls dismiss().
AppDialog {
    id: promptDialog

    property string dialogTitle: "yes"
    property string dialogConfirm: "ok"
    // The input in `field` that holds the answer (text, getText()); a prompt names it
    // `dialogInput` as well, by its own type, for its users to set up.
    property Item answerInput: null
    property alias field: fieldHolder.data
    property alias btn: confirmButton

    signal confirmClicked(var value)

    function initial() {
        answerInput.text = ""
        openFrame()
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: inputContent.height + 60
    dialogPadding: 50
    closePolicy: Popup.CloseOnPressOutside
    contentLayout.color: "white"

    Column {
        id: inputContent

        anchors.centerIn: parent
        width: parent.width - promptDialog.dialogPadding
        spacing: 15

        IranSansText {
            width: parent.width
            text: promptDialog.dialogTitle
            font.bold: true
            textSize: Utility.TextSize.normal
            textColor: Colors.black
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        Item {
            id: fieldHolder

            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.9
            height: childrenRect.height
        }

        AppButton {
            id: confirmButton

            objectName: "confirmButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.9
            height: 30
            hasShadow: true
            hasIcon: false
            color: Colors.primary
            text: promptDialog.dialogConfirm
            onClicked: promptDialog.confirmClicked(promptDialog.answerInput.getText())
        }
    }
}
