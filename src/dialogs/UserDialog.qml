import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A staff member's details for the manager to correct. The phone field holds an adviser's
// mobile number or a manager's phone; the user name belongs to advisers alone. Saving only
// reports the fields: the page sends them and closes the dialog once the service has them.
AppDialog {
    id: userDialog

    property bool isEdit: true
    // "employee" or "officeMan".
    property string userType: "employee"
    property int index: -1
    readonly property bool isEmployee: userType === "employee"
    property alias fnameField: fnameField
    property alias lnameField: lnameField
    property alias phoneField: phoneField
    property alias usernameField: usernameField
    property alias emailField: emailField

    signal positiveClicked(var fname, var lname, var phone, var username, var email)
    signal negativeClicked()

    function textOf(value) {
        return value === undefined || value === null || value === false ? "" : String(value)
    }

    function setData(_fname, _lname, _phone, _username, _email) {
        fnameField.text = textOf(_fname)
        lnameField.text = textOf(_lname)
        usernameField.text = isEmployee ? textOf(_username) : ""
        emailField.text = textOf(_email)
        phoneField.text = textOf(_phone)
    }

    function save() {
        positiveClicked(fnameField.text.trim(), lnameField.text.trim(), phoneField.text.trim(),
                        isEmployee ? usernameField.text.trim() : "", emailField.text.trim())
    }

    dialogWidth: Math.min(appWindow.width * 0.4, 520)
    dialogHeight: column.height + 70
    dialogPadding: 60
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    onOpened: fnameField.input.forceActiveFocus()

    Column {
        id: column

        anchors.centerIn: parent
        width: parent.width - userDialog.dialogPadding
        spacing: 14

        IranSansText {
            width: parent.width
            topPadding: 0
            text: "ویرایش کاربر"
            textSize: Utility.TextSize.large
            textColor: Colors.primaryDark
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }

        FormField {
            id: fnameField

            objectName: "fnameField"
            width: parent.width
            label: "نام"
            field.tabItem: lnameField.input
        }

        FormField {
            id: lnameField

            objectName: "lnameField"
            width: parent.width
            label: "نام خانوادگی"
            field.tabItem: phoneField.input
        }

        FormField {
            id: phoneField

            objectName: "phoneField"
            width: parent.width
            label: "شماره تلفن"
            field.inputType: Qt.ImhDigitsOnly
            validator: RegExpValidator { regExp: /[0-9]{0,11}/ }
            field.tabItem: userDialog.isEmployee ? usernameField.input : emailField.input
        }

        FormField {
            id: usernameField

            objectName: "usernameField"
            width: parent.width
            visible: userDialog.isEmployee
            label: "نام کاربری"
            field.tabItem: emailField.input
        }

        FormField {
            id: emailField

            objectName: "emailField"
            width: parent.width
            label: "ایمیل"
            field.inputType: Qt.ImhEmailCharactersOnly
            field.tabItem: fnameField.input
            onEnterPressed: userDialog.save()
        }

        Row {
            id: buttons

            width: parent.width
            height: 38
            spacing: 10
            layoutDirection: userDialog.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

            AppButton {
                objectName: "positiveButton"
                width: (buttons.width - buttons.spacing) / 2
                height: buttons.height
                radius: 8
                hasIcon: false
                color: Colors.primary
                text: "ثبت اطلاعات"
                onClicked: userDialog.save()
            }

            AppButton {
                objectName: "negativeButton"
                width: (buttons.width - buttons.spacing) / 2
                height: buttons.height
                radius: 8
                hasIcon: false
                color: Colors.coolRed
                text: "انصراف"
                onClicked: userDialog.negativeClicked()
            }
        }
    }
}
