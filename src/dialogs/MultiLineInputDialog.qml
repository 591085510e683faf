import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A multi-line prompt. It opens empty every time and stays open after confirming: the page checks
// the value and calls dismiss().
AppDialog {
    id: inputDialog

    property string dialogTitle: "yes"
    property string dialogConfirm: "ok"
    property alias dialogInput: appInput
    property alias btn: confirmButton

    signal confirmClicked(var value)

    function initial() {
        appInput.text = ""
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
        width: parent.width - inputDialog.dialogPadding
        spacing: 15

        IranSansText {
            width: parent.width
            text: inputDialog.dialogTitle
            font.bold: true
            textSize: Utility.TextSize.normal
            textColor: Colors.black
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        AppTextArea {
            id: appInput

            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.9
            height: appInput.input.contentHeight + 20
            radius: 4
            color: Colors.field
            textColor: "black"
            iconColor: "#626365"
            hintColor: Colors.primary
            horizontalAlignment: TextEdit.AlignHCenter
            verticalAlignment: TextEdit.AlignTop
        }

        AppButton {
            id: confirmButton

            objectName: "confirmButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.9
            height: 30
            hasShadow: true
            hasIcon: false
            radius: 4
            color: Colors.primary
            text: inputDialog.dialogConfirm
            onClicked: inputDialog.confirmClicked(appInput.getText())
        }
    }
}
