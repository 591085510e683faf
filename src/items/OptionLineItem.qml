import QtQuick 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A line of a listing's detail: an option section's title, then the options chosen in it (the
// model's `title` and `values`, the latter as rich text).
Rectangle {
    id: root

    // Every other line is shaded.
    property bool shaded: false

    height: Math.max(valuesText.implicitHeight, cardTitle.implicitHeight) + 16
    radius: 6
    color: shaded ? Colors.fieldBack : "transparent"

    IranSansText {
        id: cardTitle

        anchors.left: parent.left
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 200
        topPadding: 0
        text: title
        textColor: Colors.night
        textSize: Utility.TextSize.normal
        font.bold: true
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignLeft
    }

    Rectangle {
        id: rule

        anchors.left: cardTitle.right
        anchors.leftMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        width: 1
        height: parent.height - 12
        color: Colors.lightGrey
    }

    Text {
        id: valuesText

        anchors.left: rule.right
        anchors.leftMargin: 12
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: values
        textFormat: Text.RichText
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignLeft
        font.family: iranSans.name
        font.pixelSize: Utility.TextSize.normal
    }
}
