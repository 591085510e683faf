import QtQuick 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A card of the address book: portrait, name, when it was registered and the registered phones.
Item {
    id: contactItem

    property string fullName: ""
    // The heading and one number a line.
    property string body: ""
    property string date: ""

    // The three dots: the page opens the card's menu.
    signal menuClicked()

    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Card {
        id: card

        anchors.fill: parent
        anchors.margins: 6
        radius: 8
        elevation: 4

        AppImage {
            id: portrait

            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 14
            width: 56
            height: 56
            isCircular: true
            fillMode: Image.PreserveAspectCrop
            placeHolder: "../../rss/images/user_placeholder.jpg"
        }

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
            onClicked: contactItem.menuClicked()
        }

        Column {
            anchors.verticalCenter: portrait.verticalCenter
            anchors.right: portrait.left
            anchors.rightMargin: 10
            anchors.left: menuButton.right
            anchors.leftMargin: 4
            spacing: 2

            IranSansText {
                objectName: "nameText"
                width: parent.width
                topPadding: 0
                horizontalAlignment: Text.AlignRight
                elide: Text.ElideLeft
                text: contactItem.fullName
                textSize: Utility.TextSize.normal
                textColor: Colors.night
                font.bold: true
            }

            IranSansText {
                objectName: "dateText"
                width: parent.width
                topPadding: 0
                horizontalAlignment: Text.AlignRight
                text: contactItem.date
                textSize: Utility.TextSize.small
                textColor: Colors.mediumGrey
            }
        }

        Rectangle {
            id: divider

            anchors.top: portrait.bottom
            anchors.topMargin: 12
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 28
            height: 1
            color: Colors.gray
        }

        IranSansText {
            objectName: "bodyText"
            anchors.top: divider.bottom
            anchors.topMargin: 6
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 14
            anchors.rightMargin: 14
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.WordWrap
            elide: Text.ElideRight
            clip: true
            lineHeight: 1.15
            text: contactItem.body
            textColor: Colors.text
        }
    }
}
