import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// Finds one file by its system id or by its owner's mobile number; the page that opens it runs
// the search and closes it.
AppDialog {
    id: quickSearchDialog

    property string dialogTitle: "yes"
    property string dialogConfirm: "ok"
    property alias trackingId: trackingIdInput
    property alias mobile: mobileInput
    property alias btn: confirmButton

    signal confirmClicked(var trackingId, var mobile)

    function initial() {
        trackingIdInput.text = ""
        mobileInput.text = ""
        openFrame()
    }

    function confirm() {
        confirmClicked(trackingIdInput.getText(), mobileInput.getText())
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: inputContent.height + 60
    dialogPadding: 50
    closePolicy: Popup.CloseOnPressOutside
    contentLayout.color: "white"

    onOpened: trackingIdInput.input.forceActiveFocus()

    Column {
        id: inputContent

        anchors.centerIn: parent
        width: parent.width - quickSearchDialog.dialogPadding
        spacing: 15

        IranSansText {
            width: parent.width
            text: quickSearchDialog.dialogTitle
            textSize: Utility.TextSize.normal
            textColor: Colors.black
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        IranSansText {
            width: parent.width
            text: "لطفا شناسه سیستمی یا شماره همراه مالک را وارد نمایید"
            textColor: Colors.mediumGrey
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        Rectangle {
            width: parent.width * 0.9
            height: 35
            anchors.horizontalCenter: parent.horizontalCenter
            color: "#f1f1f1"

            AppInput {
                id: trackingIdInput

                objectName: "trackingIdInput"
                anchors.fill: parent
                color: "transparent"
                textColor: "black"
                hintColor: "#626365"
                iconColor: "#626365"
                hint: "شناسه سیستمی"
                horizontalAlignment: TextInput.AlignHCenter
                inputType: Qt.ImhDigitsOnly
                validator: RegExpValidator { regExp: /[0-9]+/ }
                tabItem: mobileInput.input
                onEnterPressed: quickSearchDialog.confirm()
            }
        }

        IranSansText {
            width: parent.width
            text: "یـــا"
            textColor: Colors.black
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }

        Rectangle {
            width: parent.width * 0.9
            height: 35
            anchors.horizontalCenter: parent.horizontalCenter
            color: "#f1f1f1"

            AppInput {
                id: mobileInput

                objectName: "mobileInput"
                anchors.fill: parent
                color: "transparent"
                textColor: "black"
                hintColor: "#626365"
                iconColor: "#626365"
                hint: "شماره همراه مالک"
                horizontalAlignment: TextInput.AlignHCenter
                inputType: Qt.ImhDigitsOnly
                validator: RegExpValidator { regExp: /[0][9][0-9]+/ }
                tabItem: trackingIdInput.input
                onEnterPressed: quickSearchDialog.confirm()
            }
        }

        AppButton {
            id: confirmButton

            objectName: "confirmButton"
            width: parent.width * 0.9
            height: 30
            anchors.horizontalCenter: parent.horizontalCenter
            hasShadow: true
            hasIcon: false
            color: Colors.primary
            text: quickSearchDialog.dialogConfirm
            onClicked: quickSearchDialog.confirm()
        }
    }
}
