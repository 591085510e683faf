import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility

// A row of an action list: the icon `ic` in `icColor` and the `title`, from the list's model.
Item {
    id: actionItem

    signal clicked()

    width: ListView.view ? ListView.view.width : 0
    height: 40
    // Lists in dialogs lie outside the page's mirroring: right to left is set here.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10
        layoutDirection: Qt.RightToLeft

        MaterialIcon {
            anchors.verticalCenter: parent.verticalCenter
            icon: model.ic
            iconColor: model.icColor
            iconSize: Utility.IconSize.large
        }

        IranSansText {
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            text: model.title
            textSize: 13
            textColor: Colors.text
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 2
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width * 0.9
        height: 1
        radius: height / 2
        color: Colors.gray
    }

    MouseArea {
        anchors.fill: parent
        onClicked: actionItem.clicked()
    }
}
