import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons
import "../scripts/Utility.js" as Utility

// A filter chip of the file list: the filter's title and value, and a close icon that removes it.
Rectangle {
    id: filterItem

    property alias title: titleText.text
    property alias value: valueText.text

    signal closed()

    width: content.width + 24
    height: 32
    radius: height / 2
    color: Colors.lightBlue

    Row {
        id: content

        anchors.centerIn: parent
        spacing: 6

        IranSansText {
            id: titleText

            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            font.bold: true
            textColor: Colors.fieldText
        }

        IranSansText {
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            text: ":"
            textColor: Colors.fieldText
        }

        IranSansText {
            id: valueText

            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, 260)
            topPadding: 0
            textColor: Colors.fieldText
            elide: Text.ElideLeft
        }

        MaterialButton {
            objectName: "closeIcon"
            anchors.verticalCenter: parent.verticalCenter
            icon.icon: MaterialIcons.closeCircle
            icon.iconColor: Colors.coolRed
            icon.iconSize: Utility.IconSize.normal
            onClicked: filterItem.closed()
        }
    }
}
