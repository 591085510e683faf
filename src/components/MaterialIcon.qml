import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

Text {
    id: materialIcon

    property string icon: ""
    property int iconSize: Utility.IconSize.medium
    property string iconColor: Colors.primary

    text: icon
    textFormat: Text.PlainText
    color: iconColor
    font.family: materialDesign.name
    font.pixelSize: iconSize
}
