import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Request.js" as Api
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A new staff account: an adviser, who signs in with a user name and password, or another
// manager, who signs in with his mobile number. When the plan has no room left the manager is
// offered extra users to buy.
Item {
    id: userAddPage

    objectName: "userAddPage"

    // "employee" (the default) or "officeMan".
    property string userType: "employee"
    readonly property bool isEmployee: userType === "employee"
    readonly property var userTypes: ["employee", "officeMan"]
    readonly property string limitCode: "USER_LIMIT_REACHED"
    property alias tabs: tabs
    property alias fname: fnameField
    property alias lname: lnameField
    property alias mobile: mobileField
    property alias email: emailField
    property alias username: usernameField
    property alias password: passwordField
    property alias saveButton: saveButton

    function clearFields() {
        fnameField.text = ""
        lnameField.text = ""
        mobileField.text = ""
        emailField.text = ""
        usernameField.text = ""
        passwordField.text = ""
    }

    function addUser() {
        Qt.inputMethod.hide()
        var user = {
            fname: fnameField.text.trim(),
            lname: lnameField.text.trim(),
            email: emailField.text.trim()
        }
        if (isEmployee) {
            user.username = usernameField.text.trim()
            user.password = passwordField.text
            user.mobile = mobileField.text.trim()
        } else {
            user.phone = mobileField.text.trim()
        }
        Api.sendJsonRequest("POST", userData.systemRole + "/users/createUser/" + userType, function () {
            toast.show("کاربر مورد نظر با موفقیت اضافه شد", toast.durationLong)
            clearFields()
        }, function (status, reply) {
            if (reply && reply.codeKey === limitCode)
                offerExtraUsers(reply)
        }, user)
    }

    // The main page's purchase of extra users, headed by the service's word on the limit.
    function offerExtraUsers(reply) {
        var prompt = "لطفا تعداد کاربران مد نظر خود را وارد نمایید"
        var messages = reply && reply.messages ? reply.messages : []
        userBuy.dialogTitle = messages.length > 0 ? messages[0] + "\n\n" + prompt : prompt
        userBuy.initial()
    }

    LayoutMirroring.enabled: appWindow.rightToLeft
    LayoutMirroring.childrenInherit: true

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    Flickable {
        id: flickable

        anchors.fill: parent
        contentWidth: width
        contentHeight: card.height + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ScrollBar.vertical: ScrollBar {}

        Rectangle {
            id: card

            readonly property real halfWidth: (width - 2 * 24 - 20) / 2

            y: 24
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(flickable.width - 48, 820)
            height: form.height + 48
            radius: 10
            color: "white"

            Column {
                id: form

                x: 24
                y: 24
                width: parent.width - 48
                spacing: 20

                TabStrip {
                    id: tabs

                    objectName: "userTypeTabs"
                    width: parent.width
                    color: Colors.grey
                    titles: ["مشاور دفتر", "مدیر دفتر"]
                    currentIndex: userAddPage.userTypes.indexOf(userAddPage.userType)
                    onTabClicked: userAddPage.userType = userAddPage.userTypes[index]
                }

                IranSansText {
                    width: parent.width
                    topPadding: 0
                    text: userAddPage.isEmployee
                          ? "مشاور با نام کاربری و گذرواژه ای که اینجا تعیین می کنید وارد برنامه می شود"
                          : "مدیر دفتر با شماره همراه خود و کد تایید پیامکی وارد برنامه می شود"
                    textSize: Utility.TextSize.medium
                    textColor: Colors.mediumGrey
                    horizontalAlignment: appWindow.rightToLeft ? Text.AlignRight : Text.AlignLeft
                    LayoutMirroring.enabled: false
                    wrapMode: Text.WordWrap
                }

                Grid {
                    columns: 2
                    columnSpacing: 20
                    rowSpacing: 14

                    FormField {
                        id: fnameField

                        objectName: "fnameField"
                        width: card.halfWidth
                        label: "نام"
                        field.tabItem: lnameField.input
                    }

                    FormField {
                        id: lnameField

                        objectName: "lnameField"
                        width: card.halfWidth
                        label: "نام خانوادگی"
                        field.tabItem: mobileField.input
                    }

                    FormField {
                        id: mobileField

                        objectName: "mobileField"
                        width: card.halfWidth
                        label: "شماره همراه"
                        field.inputType: Qt.ImhDigitsOnly
                        validator: RegExpValidator { regExp: /[0-9]{0,11}/ }
                        field.tabItem: emailField.input
                    }

                    FormField {
                        id: emailField

                        objectName: "emailField"
                        width: card.halfWidth
                        label: "ایمیل"
                        field.inputType: Qt.ImhEmailCharactersOnly
                        field.tabItem: userAddPage.isEmployee ? usernameField.input : fnameField.input
                    }

                    FormField {
                        id: usernameField

                        objectName: "usernameField"
                        width: card.halfWidth
                        visible: userAddPage.isEmployee
                        label: "نام کاربری"
                        field.inputType: Qt.ImhPreferLatin | Qt.ImhNoAutoUppercase
                        field.tabItem: passwordField.input
                    }

                    FormField {
                        id: passwordField

                        objectName: "passwordField"
                        width: card.halfWidth
                        visible: userAddPage.isEmployee
                        label: "گذرواژه"
                        isPassword: true
                        field.tabItem: fnameField.input
                        onEnterPressed: userAddPage.addUser()
                    }
                }

                AppButton {
                    id: saveButton

                    objectName: "saveButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 240
                    height: 44
                    radius: 8
                    color: Colors.primary
                    icon: MaterialIcons.accountPlus
                    iconSize: Utility.IconSize.normal
                    fontSize: Utility.TextSize.normal
                    text: "ثبت کاربر"
                    onClicked: userAddPage.addUser()
                }
            }
        }
    }
}
