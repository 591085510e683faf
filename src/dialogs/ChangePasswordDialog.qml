import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A new password for an adviser, typed twice. The service compares the two; the page sends them
// and closes the dialog once the service has taken them.
AppDialog {
    id: changePasswordDialog

    property int index: -1
    property alias newPassword: newPasswordField
    property alias repeatPassword: repeatPasswordField

    signal positiveClicked(var newPass, var newPassRepeat)

    function initial() {
        newPasswordField.text = ""
        repeatPasswordField.text = ""
        openFrame()
    }

    function submit() {
        positiveClicked(newPasswordField.text, repeatPasswordField.text)
    }

    dialogWidth: Math.min(appWindow.width * 0.35, 460)
    dialogHeight: column.height + 70
    dialogPadding: 60
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    contentLayout.color: "white"

    onOpened: newPasswordField.input.forceActiveFocus()

    Column {
        id: column

        anchors.centerIn: parent
        width: parent.width - changePasswordDialog.dialogPadding
        spacing: 14

        IranSansText {
            width: parent.width
            topPadding: 0
            text: "تغییر گذرواژه"
            textSize: Utility.TextSize.large
            textColor: Colors.primaryDark
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }

        FormField {
            id: newPasswordField

            objectName: "newPasswordField"
            width: parent.width
            hint: "گذرواژه جدید"
            isPassword: true
            field.tabItem: repeatPasswordField.input
            onEnterPressed: changePasswordDialog.submit()
        }

        FormField {
            id: repeatPasswordField

            objectName: "repeatPasswordField"
            width: parent.width
            hint: "تکرار گذرواژه"
            isPassword: true
            field.tabItem: newPasswordField.input
            onEnterPressed: changePasswordDialog.submit()
        }

        AppButton {
            objectName: "submitButton"
            width: parent.width
            height: 38
            radius: 8
            hasIcon: false
            color: Colors.primary
            text: "ثبت درخواست"
            onClicked: changePasswordDialog.submit()
        }
    }
}
