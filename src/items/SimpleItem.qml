import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A zone row: icon, name and a button that removes the zone.
Item {
    id: simpleItem

    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Row {
        id: row

        anchors.centerIn: parent
        width: parent.width - 10
        height: parent.height - 10
        spacing: 10
        layoutDirection: Qt.RightToLeft

        MaterialIcon {
            id: rowIcon

            anchors.verticalCenter: parent.verticalCenter
            icon: itemIcon
            iconColor: Colors.black
            iconSize: 20
        }

        IranSansText {
            anchors.verticalCenter: parent.verticalCenter
            width: row.width - (2 * row.spacing + deleteIc.width + rowIcon.width)
            topPadding: 0
            text: title
            textSize: 13
            textColor: Colors.black
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideLeft
        }

        AppButton {
            id: deleteIc

            objectName: "deleteIc"
            anchors.verticalCenter: parent.verticalCenter
            width: 100
            height: 30
            radius: 4
            text: "حذف منطقه"
            icon: MaterialIcons.deleteForever
            color: Colors.coolRed
            iconSize: 20
            onClicked: deleteArea(index)
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 10
        height: 1
        radius: height / 2
        color: Colors.gray
    }
}
