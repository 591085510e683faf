import QtQuick 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A row of the message box: title, text and age, marked while it had not been read before.
Item {
    id: messageItem

    property string title: ""
    property string body: ""
    property string date: ""
    // Unread when the page was loaded.
    property bool isNew: false

    height: card.height + 12
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Card {
        id: card

        anchors.top: parent.top
        anchors.topMargin: 6
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 12
        height: Math.max(76, content.height + 24)
        radius: 8
        elevation: 3

        Rectangle {
            id: iconDisc

            anchors.top: parent.top
            anchors.topMargin: 14
            anchors.right: parent.right
            anchors.rightMargin: 14
            width: 44
            height: 44
            radius: 22
            color: Colors.field

            MaterialIcon {
                anchors.centerIn: parent
                icon: MaterialIcons.message
                iconColor: Colors.primary
                iconSize: 22
            }

            Rectangle {
                objectName: "newMark"
                anchors.top: parent.top
                anchors.right: parent.right
                width: 12
                height: 12
                radius: 6
                color: Colors.coolRed
                border.color: "white"
                border.width: 2
                visible: messageItem.isNew
            }
        }

        Column {
            id: content

            anchors.top: parent.top
            anchors.topMargin: 12
            anchors.right: iconDisc.left
            anchors.rightMargin: 14
            anchors.left: parent.left
            anchors.leftMargin: 14
            spacing: 4

            Item {
                width: parent.width
                height: titleText.height

                IranSansText {
                    id: titleText

                    objectName: "titleText"
                    anchors.right: parent.right
                    width: parent.width - dateText.width - 20
                    topPadding: 0
                    horizontalAlignment: Text.AlignRight
                    elide: Text.ElideLeft
                    text: messageItem.title
                    textSize: Utility.TextSize.normal
                    textColor: Colors.night
                    font.bold: true
                }

                IranSansText {
                    id: dateText

                    objectName: "dateText"
                    anchors.left: parent.left
                    anchors.verticalCenter: titleText.verticalCenter
                    topPadding: 0
                    text: messageItem.date
                    textSize: Utility.TextSize.small
                    textColor: Colors.mediumGrey
                }
            }

            IranSansText {
                objectName: "bodyText"
                width: parent.width
                topPadding: 0
                horizontalAlignment: Text.AlignRight
                wrapMode: Text.WordWrap
                maximumLineCount: 3
                elide: Text.ElideRight
                text: messageItem.body
                textColor: Colors.text
            }
        }
    }
}
