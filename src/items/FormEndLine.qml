import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility

// A line of the listing form's last section: its caption where the line begins and, at the other
// end, the control given as its child. A line that flips something takes a click anywhere on it.
Item {
    id: root

    property alias caption: captionText.text
    property bool clickable: false
    default property alias control: slot.data

    signal clicked()

    width: parent ? parent.width : 0
    height: 44

    IranSansText {
        id: captionText

        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        topPadding: 0
        textSize: Utility.TextSize.normal
        textColor: Colors.text
        font.bold: true
    }

    // Mirrored with the page; the controls inside keep their own direction.
    Item {
        id: slot

        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: childrenRect.width
        height: childrenRect.height
    }

    MouseArea {
        anchors.fill: parent
        visible: root.clickable
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
