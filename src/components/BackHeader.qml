import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The white bar over a page opened on top of a section: a back button and the page's title on
// one side, the page's own buttons (the children) on the other.
Rectangle {
    id: root

    property alias title: titleText.text
    // A line under the bar, where the page below is not white.
    property bool ruled: true
    default property alias actions: actionRow.data

    signal backClicked()

    height: 56
    color: Colors.white

    Row {
        anchors.left: parent.left
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        CircleIcon {
            objectName: "backButton"
            anchors.verticalCenter: parent.verticalCenter
            width: 36
            height: 36
            icon: MaterialIcons.arrowRight
            iconColor: Colors.night
            iconSize: Utility.IconSize.XLarge
            onClicked: root.backClicked()
        }

        IranSansText {
            id: titleText

            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            textSize: Utility.TextSize.large
            textColor: Colors.night
            font.bold: true
        }
    }

    Row {
        id: actionRow

        anchors.right: parent.right
        anchors.rightMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Colors.gray
        visible: root.ruled
    }
}
