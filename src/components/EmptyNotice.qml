import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// What a list page shows in place of an empty list: a large glyph and a line or two of text.
Column {
    id: emptyNotice

    property alias icon: glyph.icon
    property alias text: message.text

    spacing: 10

    MaterialIcon {
        id: glyph

        anchors.horizontalCenter: parent.horizontalCenter
        iconSize: 150
        iconColor: Colors.lightGrey
    }

    IranSansText {
        id: message

        objectName: "emptyText"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        textSize: Utility.TextSize.normal
        textColor: Colors.mediumGrey
    }
}
