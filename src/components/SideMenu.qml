import QtQuick 2.15
import QtQuick.Controls 2.15
import "../items"
import "../scripts/Colors.js" as Colors

// The main page's side menu: the account panel while expanded, then the menu's rows (groups fold
// their children beneath them). Rows reach the main page's menu members by name.
Rectangle {
    id: root

    property bool expanded: true
    property alias model: menuList.model
    readonly property alias account: account
    readonly property alias menuList: menuList

    // A click on the menu outside its rows.
    signal backgroundClicked()

    color: "white"

    Behavior on width { NumberAnimation { duration: 150 } }

    MouseArea {
        anchors.fill: parent
        onClicked: root.backgroundClicked()
    }

    AccountPanel {
        id: account

        objectName: "accountPanel"
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 20
        visible: root.expanded
        height: visible ? implicitHeight : 0
    }

    ListView {
        id: menuList

        objectName: "menuList"
        anchors.top: account.bottom
        anchors.topMargin: 12
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        delegate: MenuItem {
            width: menuList.width
        }
    }

    Rectangle {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 1
        color: Colors.gray
    }
}
