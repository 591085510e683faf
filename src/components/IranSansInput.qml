import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

TextInput {
    id: iranSansInput

    property int textSize: Utility.TextSize.medium
    property string textColor: Colors.primary

    color: textColor
    font.family: rightToLeft ? iranSans.name : lato.name
    font.pixelSize: textSize
    topPadding: 3

    // Typed text reads small next to labels of the same nominal size, so the editor grows once.
    Component.onCompleted: font.pixelSize = Math.floor(font.pixelSize) + 2
}
