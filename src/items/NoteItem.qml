import QtQuick 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A card of the notes: title, the first five lines of the text and when it was written.
Item {
    id: noteItem

    property string title: ""
    property string body: ""
    property string date: ""

    // The three dots: the page opens the card's menu.
    signal menuClicked()

    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Card {
        anchors.fill: parent
        anchors.margins: 6
        radius: 8
        elevation: 4

        CircleIcon {
            id: menuButton

            objectName: "menuButton"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.margins: 8
            width: 32
            height: 32
            icon: MaterialIcons.dotsVertical
            iconColor: Colors.darkGrey
            iconSize: 20
            onClicked: noteItem.menuClicked()
        }

        MaterialIcon {
            id: noteIcon

            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: menuButton.verticalCenter
            icon: MaterialIcons.clipboardText
            iconColor: Colors.primary
            iconSize: 20
        }

        IranSansText {
            id: titleText

            objectName: "titleText"
            anchors.verticalCenter: menuButton.verticalCenter
            anchors.right: noteIcon.left
            anchors.rightMargin: 8
            anchors.left: menuButton.right
            anchors.leftMargin: 4
            topPadding: 0
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideLeft
            text: noteItem.title
            textSize: Utility.TextSize.normal
            textColor: Colors.night
            font.bold: true
        }

        Rectangle {
            id: divider

            anchors.top: menuButton.bottom
            anchors.topMargin: 8
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 28
            height: 1
            color: Colors.gray
        }

        IranSansText {
            objectName: "bodyText"
            anchors.top: divider.bottom
            anchors.topMargin: 6
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 14
            anchors.rightMargin: 14
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.WordWrap
            maximumLineCount: 5
            elide: Text.ElideRight
            lineHeight: 1.15
            text: noteItem.body
            textColor: Colors.text
        }

        Row {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            anchors.right: parent.right
            anchors.rightMargin: 14
            spacing: 5
            layoutDirection: Qt.RightToLeft

            MaterialIcon {
                anchors.verticalCenter: parent.verticalCenter
                icon: MaterialIcons.clock
                iconColor: Colors.lightGrey
                iconSize: 14
            }

            IranSansText {
                objectName: "dateText"
                anchors.verticalCenter: parent.verticalCenter
                topPadding: 0
                text: noteItem.date
                textSize: Utility.TextSize.small
                textColor: Colors.mediumGrey
            }
        }
    }
}
