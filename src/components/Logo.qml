import QtQuick 2.15
import "../scripts/Colors.js" as Colors
import "../scripts/Strings.js" as Strings

Column {
    id: root

    spacing: 30

    AppImage {
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.width * 0.9
        height: width * 0.5
        source: "../../rss/images/logo_type.png"
    }

    Text {
        width: root.width
        text: Strings.slogen
        horizontalAlignment: Text.AlignHCenter
        font.bold: true
        font.pixelSize: 72
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 10
        color: Colors.night
        font.family: mjDalalText.name
    }
}
