import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// The heading of a part of a form: an icon and a bold title, from the reading start.
Item {
    id: root

    property string icon: ""
    property string text: ""

    width: parent ? parent.width : 0
    height: 28
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Row {
        anchors.fill: parent
        spacing: 8
        layoutDirection: appWindow.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

        MaterialIcon {
            anchors.verticalCenter: parent.verticalCenter
            icon: root.icon
            iconSize: Utility.IconSize.large
            iconColor: Colors.primary
        }

        IranSansText {
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            text: root.text
            textSize: Utility.TextSize.large
            textColor: Colors.night
            font.bold: true
        }
    }
}
