import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// Text in the application's Persian face; Latin face when the surrounding layout is left-to-right.
Text {
    id: iranSansText

    property int textSize: Utility.TextSize.medium
    property string textColor: Colors.black

    color: textColor
    font.family: rightToLeft ? iranSans.name : lato.name
    font.pixelSize: textSize
    minimumPixelSize: 6
    topPadding: 5
}
