import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The address book's editor: a name and any number of mobile numbers, the first one always shown
// and each further one on a row of its own. The page sets isEdit and index before initial(), and
// closes the dialog once the service has taken the contact.
AppDialog {
    id: contactDialog

    property bool isEdit: false
    // The numbers of the latest makeArray(), first number first.
    property var mobileArray: []
    // The number a new phone row starts with.
    property string currentPhone: ""
    property int index: -1
    readonly property string mobileHint: "تلفن همراه"
    property alias nameInput: nameField
    property alias firstPhoneInput: firstPhone
    property alias addPhoneButton: addPhone
    property alias phoneRows: phoneRepeater

    signal positiveClicked(var title, var mobileArray)
    signal negativeClicked()

    function initial() {
        titleText.text = isEdit ? "ویرایش مخاطب" : "افزودن مخاطب جدید"
        if (!isEdit) {
            nameField.text = ""
            firstPhone.text = ""
            mobileArray = []
            clearList(0)
        }
        openFrame()
    }

    // Fills the editor from a contact's own name and numbers.
    function setData(_fullname, _mobileArray) {
        nameField.text = _fullname ? _fullname : ""
        clearList(0)
        var numbers = _mobileArray ? _mobileArray : []
        firstPhone.text = numbers.length > 0 ? String(numbers[0]) : ""
        for (var i = 1; i < numbers.length; ++i)
            addPhoneRow(String(numbers[i]))
    }

    function addPhoneRow(number) {
        currentPhone = number
        phoneModel.append({ number: currentPhone })
        currentPhone = ""
    }

    // The numbers typed, without the empty ones: the first field, then the rows in order.
    function makeArray() {
        var numbers = []
        var first = firstPhone.getText().trim()
        if (first !== "")
            numbers.push(first)
        for (var i = 0; i < phoneRepeater.count; ++i) {
            var row = phoneRepeater.itemAt(i)
            var number = row ? row.phoneInput.getText().trim() : ""
            if (number !== "")
                numbers.push(number)
        }
        mobileArray = numbers
        return numbers
    }

    // Takes away the phone rows from `from` on.
    function clearList(from) {
        if (from < phoneModel.count)
            phoneModel.remove(from, phoneModel.count - from)
    }

    dialogWidth: appWindow.width * 0.35
    dialogHeight: formContent.height + 60
    dialogPadding: 50
    radius: 10
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"
    // Ready for typing as soon as it shows.
    onOpened: nameField.input.forceActiveFocus()

    ListModel {
        id: phoneModel
    }

    Column {
        id: formContent

        anchors.centerIn: parent
        width: parent.width - contactDialog.dialogPadding
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
            id: nameField

            objectName: "nameField"
            width: parent.width
            height: 40
            radius: 5
            color: Colors.field
            textColor: "black"
            hintColor: Colors.mediumGrey
            padding: 20
            hint: "نام و نام خانوادگی"
            tabItem: firstPhone.input
        }

        Row {
            width: parent.width
            height: 40
            spacing: 10
            layoutDirection: Qt.RightToLeft

            MobileInput {
                id: firstPhone

                objectName: "firstPhone"
                width: parent.width - addPhone.width - parent.spacing
                hint: contactDialog.mobileHint
                tabItem: nameField.input
            }

            CircleIcon {
                id: addPhone

                objectName: "addPhoneButton"
                anchors.verticalCenter: parent.verticalCenter
                width: 36
                height: 36
                color: Colors.primary
                icon: MaterialIcons.plus
                iconColor: "white"
                iconSize: 22
                onClicked: contactDialog.addPhoneRow("")
            }
        }

        Repeater {
            id: phoneRepeater

            objectName: "phoneRows"
            model: phoneModel

            Row {
                property alias phoneInput: rowPhone

                width: formContent.width
                height: 40
                spacing: 10
                layoutDirection: Qt.RightToLeft

                MobileInput {
                    id: rowPhone

                    width: parent.width - removePhone.width - parent.spacing
                    hint: contactDialog.mobileHint
                    Component.onCompleted: text = number
                }

                CircleIcon {
                    id: removePhone

                    objectName: "removePhoneButton"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 36
                    height: 36
                    color: Colors.coolRed
                    icon: MaterialIcons.minus
                    iconColor: "white"
                    iconSize: 22
                    onClicked: phoneModel.remove(index)
                }
            }
        }

        Item {
            width: parent.width
            height: 4
        }

        DialogButtons {
            width: parent.width
            rightToLeft: contactDialog.rightToLeft
            onPositiveClicked: contactDialog.positiveClicked(nameField.text.trim(), contactDialog.makeArray())
            onNegativeClicked: contactDialog.negativeClicked()
        }
    }
}
