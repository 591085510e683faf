import QtQuick 2.15
import "../scripts/Colors.js" as Colors
import "../scripts/Strings.js" as Strings
import "../scripts/MaterialIcons.js" as MaterialIcons

// The coloured bar at the top of a page: title at the right, back (or account) glyph at the left.
Rectangle {
    id: root

    property bool hasBack: false
    property alias title: titleText.text
    property alias showTitleIc: titleIcon.visible
    property alias titleIcIcon: titleIcon.icon

    signal iconClicked()
    signal backClicked()

    width: parent ? parent.width : 0
    height: 45
    color: Colors.primary
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Text {
        id: titleText

        anchors.verticalCenter: parent.verticalCenter
        anchors.right: titleIcon.visible ? titleIcon.left : parent.right
        anchors.rightMargin: titleIcon.visible ? 10 : 15
        text: Strings.appTitle
        color: "white"
        font.bold: true
        font.pixelSize: 14
        font.family: mjDalalText.name
    }

    MaterialIcon {
        id: titleIcon

        objectName: "titleIcon"
        anchors.right: parent.right
        anchors.rightMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        visible: false
        icon: MaterialIcons.arrowLeft
        iconColor: "white"
        iconSize: 20

        MouseArea {
            anchors.fill: parent
            onClicked: appStack.pop()
        }
    }

    MaterialIcon {
        id: backIcon

        objectName: "backIcon"
        anchors.left: parent.left
        anchors.leftMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        visible: root.hasBack
        icon: MaterialIcons.arrowLeft
        iconColor: "white"
        iconSize: 20

        MouseArea {
            anchors.fill: parent
            onClicked: {
                root.backClicked()
                appStack.pop()
            }
        }
    }

    MaterialIcon {
        id: accountIcon

        objectName: "accountIcon"
        anchors.left: parent.left
        anchors.leftMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        visible: !root.hasBack
        icon: MaterialIcons.account
        iconColor: "white"
        iconSize: 20
    }
}
