import QtQuick 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// One staff member in the users' list: picture, name, role and status, and the number or user
// name he signs in with. The manage button is offered on every row but the signed-in user's own.
Item {
    id: userItem

    // The row of the users' model ({_id, fname, lname, systemRole, status, phone, username, avatar}).
    property var user: null
    property int itemIndex: -1
    readonly property bool isSelf: user !== null && user._id === userData._id

    signal manageClicked(int index)

    function getRole(role) {
        switch (role) {
        case "officeMan": return "مدیر دفتر"
        case "operator": return "اپراتور"
        case "admin": return "مدیر سیستم"
        case "employee": return "مشاور املاک"
        }
        return ""
    }

    function getStatus(status) {
        switch (Number(status)) {
        case -2: return "حذف شده"
        case -1: return "بن شده"
        case 0: return "غیر فعال"
        case 1: return "ثبت نام شده"
        case 2: return "وضعیت عادی"
        }
        return ""
    }

    function statusColor(status) {
        var value = Number(status)
        return value > 0 ? Colors.green : (value === 0 ? Colors.appOrange : Colors.danger)
    }

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value)
    }

    height: 76
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 4
        anchors.bottomMargin: 4
        radius: 10
        color: "white"

        Row {
            id: row

            anchors.fill: parent
            anchors.leftMargin: 16
            anchors.rightMargin: 16
            spacing: 14
            layoutDirection: appWindow.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

            AppImage {
                objectName: "avatar"
                anchors.verticalCenter: parent.verticalCenter
                width: 48
                height: 48
                isCircular: true
                fillMode: Image.PreserveAspectCrop
                placeHolder: "../../rss/images/user_placeholder.jpg"
                source: userItem.user && userItem.user.avatar ? userItem.user.avatar : "../../rss/images/user_placeholder.jpg"
            }

            Column {
                anchors.verticalCenter: parent.verticalCenter
                width: row.width - 48 - manageButton.width - 2 * row.spacing
                spacing: 4

                IranSansText {
                    objectName: "fullName"
                    width: parent.width
                    topPadding: 0
                    text: userItem.user ? (userItem.textOf(userItem.user.fname) + " " + userItem.textOf(userItem.user.lname)).trim() : ""
                    textSize: Utility.TextSize.normal
                    textColor: Colors.night
                    font.bold: true
                    horizontalAlignment: appWindow.rightToLeft ? Text.AlignRight : Text.AlignLeft
                    elide: appWindow.rightToLeft ? Text.ElideLeft : Text.ElideRight
                }

                Row {
                    width: parent.width
                    spacing: 12
                    layoutDirection: appWindow.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

                    IranSansText {
                        objectName: "roleStatus"
                        topPadding: 0
                        text: userItem.user ? userItem.getRole(userItem.user.systemRole) + "/"
                                              + userItem.getStatus(userItem.user.status) : ""
                        textSize: Utility.TextSize.medium
                        textColor: userItem.user ? userItem.statusColor(userItem.user.status) : Colors.text
                    }

                    IranSansText {
                        objectName: "identifier"
                        topPadding: 0
                        text: userItem.user ? userItem.textOf(userItem.user.systemRole === "officeMan"
                                                              ? userItem.user.phone : userItem.user.username) : ""
                        textSize: Utility.TextSize.medium
                        textColor: Colors.mediumGrey
                        font.family: lato.name
                    }
                }
            }

            AppButton {
                id: manageButton

                objectName: "manageButton"
                anchors.verticalCenter: parent.verticalCenter
                width: 110
                height: 34
                radius: 8
                visible: !userItem.isSelf
                color: Colors.field
                textColor: Colors.primary
                icon: MaterialIcons.accountSettings
                text: "مدیریت"
                onClicked: userItem.manageClicked(userItem.itemIndex)
            }
        }
    }
}
