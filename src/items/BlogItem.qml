import QtQuick 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A card of the service's posts: banner, title, text, link, age and tags.
Item {
    id: blogItem

    property string banner: ""
    property string title: ""
    property string body: ""
    property string url: ""
    property string date: ""
    // Rows of {title}, one a tag.
    property var tags: null
    // Only a web page opens in the browser: a post's link is the service's text and could name
    // anything the system knows how to open (files, scripts, other programs).
    readonly property bool hasLink: /^https?:\/\/[^\s\/?#]+/i.test(url.trim())

    function openLink() {
        if (hasLink)
            Utility.openLink(url.trim(), "صفحه مطلب")
    }

    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Card {
        id: card

        anchors.fill: parent
        anchors.margins: 8
        radius: 4
        elevation: 4

        Rectangle {
            id: bannerArea

            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: parent.height * 0.4
            radius: card.radius
            color: Colors.gray

            AppImage {
                objectName: "bannerImage"
                anchors.fill: parent
                visible: blogItem.banner !== ""
                source: blogItem.banner
                fillMode: Image.PreserveAspectCrop
                imageView.clip: true
            }
        }

        IranSansText {
            id: titleText

            objectName: "titleText"
            anchors.top: bannerArea.bottom
            anchors.topMargin: 10
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            topPadding: 0
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideLeft
            text: blogItem.title
            textSize: 13
            textColor: Colors.night
            font.bold: true
        }

        IranSansText {
            objectName: "bodyText"
            anchors.top: titleText.bottom
            anchors.topMargin: 6
            anchors.bottom: footer.top
            anchors.bottomMargin: 6
            anchors.left: titleText.left
            anchors.right: titleText.right
            topPadding: 0
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.WordWrap
            maximumLineCount: 8
            elide: Text.ElideRight
            clip: true
            lineHeight: 1.1
            text: blogItem.body
            textSize: 11
            textColor: Colors.text
        }

        Column {
            id: footer

            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            spacing: 8

            // The line keeps its height without a link, so that the cards of a row stay aligned.
            Item {
                width: parent.width
                height: 20

                Row {
                    objectName: "linkLine"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 5
                    layoutDirection: Qt.RightToLeft
                    visible: blogItem.hasLink

                    MaterialIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        icon: MaterialIcons.link
                        iconColor: Colors.blue
                        iconSize: 16
                    }

                    Text {
                        id: linkText

                        objectName: "linkText"
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.min(implicitWidth, card.width - 50)
                        elide: Text.ElideMiddle
                        text: blogItem.url.trim()
                        font.pixelSize: 12
                        font.bold: true
                        font.family: lato.name
                        color: Colors.blue

                        MouseArea {
                            objectName: "linkArea"
                            anchors.fill: parent
                            enabled: blogItem.hasLink
                            cursorShape: Qt.PointingHandCursor
                            onClicked: blogItem.openLink()
                        }
                    }
                }
            }

            Rectangle {
                objectName: "dateBadge"
                anchors.right: parent.right
                width: dateText.implicitWidth + 16
                height: 20
                radius: 4
                color: Colors.darkGrey

                IranSansText {
                    id: dateText

                    objectName: "dateText"
                    anchors.centerIn: parent
                    topPadding: 0
                    text: blogItem.date
                    textSize: 10
                    textColor: "white"
                }
            }

            ListView {
                objectName: "tagList"
                width: parent.width
                height: 22
                orientation: ListView.Horizontal
                layoutDirection: Qt.LeftToRight
                spacing: 10
                interactive: contentWidth > width
                clip: true
                model: blogItem.tags

                delegate: Rectangle {
                    width: tagText.implicitWidth + 16
                    height: 22
                    radius: 11
                    color: Colors.field

                    IranSansText {
                        id: tagText

                        anchors.centerIn: parent
                        topPadding: 0
                        text: model.title
                        textSize: 10
                        textColor: Colors.primary
                    }
                }
            }
        }
    }
}
