import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The head of the expanded side menu: the user's picture with its remove button, the office,
// the user's name and, for a manager, the wallet's balance with its refresh button.
Column {
    id: root

    property string avatarSource: ""
    property string placeholderAvatar: ""
    property bool hasAvatar: false
    property string officeTitle: ""
    property string userNameText: ""
    property string balanceText: ""
    property bool showsBalance: false

    signal avatarClicked()
    signal removeAvatarClicked()
    signal refreshBalanceClicked()

    spacing: 6

    Item {
        anchors.horizontalCenter: parent.horizontalCenter
        width: 90
        height: 90

        AppImage {
            objectName: "avatar"
            anchors.fill: parent
            isCircular: true
            fillMode: Image.PreserveAspectCrop
            placeHolder: root.placeholderAvatar
            source: root.avatarSource
            onClicked: root.avatarClicked()
        }

        CircleIcon {
            objectName: "avatarButton"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            width: 26
            height: 26
            color: root.hasAvatar ? Colors.coolRed : Colors.night
            icon: root.hasAvatar ? MaterialIcons.close : MaterialIcons.plus
            iconColor: "white"
            iconSize: 16
            onClicked: {
                if (root.hasAvatar)
                    root.removeAvatarClicked()
            }
        }
    }

    IranSansText {
        objectName: "officeTitle"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: root.officeTitle
        textSize: Utility.TextSize.large
        textColor: Colors.night
        font.bold: true
        elide: Text.ElideRight
    }

    IranSansText {
        objectName: "userName"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: root.userNameText
        textColor: Colors.mediumGrey
        elide: Text.ElideRight
    }

    Rectangle {
        objectName: "balanceRow"
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width
        height: 36
        radius: 6
        color: Colors.field
        visible: root.showsBalance

        IranSansText {
            objectName: "balanceText"
            anchors.verticalCenter: parent.verticalCenter
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.right: refreshButton.left
            topPadding: 0
            text: root.balanceText
            textColor: Colors.night
            font.bold: true
            elide: Text.ElideRight
        }

        CircleIcon {
            id: refreshButton

            objectName: "refreshBalance"
            anchors.verticalCenter: parent.verticalCenter
            anchors.right: parent.right
            anchors.rightMargin: 5
            width: 28
            height: 28
            icon: MaterialIcons.refresh
            iconColor: Colors.primary
            iconSize: 18
            visibleCircle: true
            onClicked: root.refreshBalanceClicked()
        }
    }
}
