import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The main page's bar above its sections: the menu button and the section's title on one side,
// the quick-access button, the user's name and small picture on the other.
Rectangle {
    id: root

    property string title: ""
    property string fullName: ""
    property string avatarSource: ""
    property string placeholderAvatar: ""
    property bool quickShowing: false
    // Where the quick-access panel is placed from.
    readonly property alias accountArea: accountArea

    signal menuClicked()
    signal quickClicked()
    // A click on the bar outside its buttons.
    signal backgroundClicked()

    height: 56
    color: "white"

    MouseArea {
        anchors.fill: parent
        onClicked: root.backgroundClicked()
    }

    // The indicator keeps its own left-to-right layout, which would also pin it to the left
    // edge: the holder is what follows the page's direction.
    Item {
        id: menuButtonHolder

        anchors.left: parent.left
        anchors.leftMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        width: 30
        height: 30

        MenuIndicator {
            objectName: "menuButton"
            anchors.fill: parent
            menuColor: Colors.night
            alignment: alignRight
            onClicked: root.menuClicked()
        }
    }

    IranSansText {
        objectName: "pageTitle"
        anchors.left: menuButtonHolder.right
        anchors.leftMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        topPadding: 0
        text: root.title
        textSize: Utility.TextSize.XLarge
        textColor: Colors.night
        font.bold: true
    }

    Row {
        id: accountArea

        objectName: "accountArea"
        anchors.right: parent.right
        anchors.rightMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        height: 36
        spacing: 10

        AppButton {
            objectName: "quickButton"
            anchors.verticalCenter: parent.verticalCenter
            width: implicitWidth > 0 ? implicitWidth : 130
            height: 34
            radius: 17
            color: root.quickShowing ? Colors.primaryDark : Colors.primary
            icon: MaterialIcons.flash
            text: "دسترسی سریع"
            onClicked: root.quickClicked()
        }

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 1
            height: 26
            color: Colors.lightGrey
        }

        IranSansText {
            objectName: "topBarName"
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            text: root.fullName
            textColor: Colors.night
            textSize: Utility.TextSize.normal
        }

        AppImage {
            objectName: "miniAvatar"
            anchors.verticalCenter: parent.verticalCenter
            width: 30
            height: 30
            isCircular: true
            fillMode: Image.PreserveAspectCrop
            placeHolder: root.placeholderAvatar
            source: root.avatarSource
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Colors.gray
    }
}
