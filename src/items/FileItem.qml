import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons
import "../scripts/Utility.js" as Utility

// One listing in the file list: its picture and stamp, its texts and badges, and the icons of
// its actions. Reads the list model's roles; keeps no state of its own, so the list reuses it.
Item {
    id: fileItem

    // The cooperation list: no management, and the icons of the agency's own actions stay away.
    property bool sharedMode: false
    property string imagesUrl: ""

    // The list model's roles.
    required property int index
    required property string dealTitle
    required property string zoneText
    required property string detailText
    required property string filePriceText
    required property string fileDateText
    required property string mainImage
    required property string fileHeader
    required property string statusImage
    required property string trackingId
    required property int status
    required property bool systemFile
    required property bool justOwnerAccess
    required property bool bookmarked
    required property bool showShare
    required property bool isFileShared

    signal opened()
    signal manageClicked()
    signal shareClicked()
    signal bookmarkClicked()

    width: ListView.view ? ListView.view.width : 0
    height: 176

    Rectangle {
        id: frame

        objectName: "frame"
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        anchors.topMargin: 5
        anchors.bottomMargin: 5
        radius: 10
        color: fileItem.status === -2 ? Colors.coolRed : Colors.gold

        Rectangle {
            id: panel

            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.topMargin: 1
            anchors.bottomMargin: 1
            radius: 9
            color: fileItem.status === -2 ? "#fff1f1" : Colors.white
        }

        MouseArea {
            objectName: "rowArea"
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onClicked: {
                if (mouse.button === Qt.RightButton) {
                    if (!fileItem.sharedMode)
                        fileItem.manageClicked()
                } else {
                    fileItem.opened()
                }
            }
        }

        Rectangle {
            id: pictureFrame

            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            width: 220
            height: parent.height - 24
            radius: 8
            color: Colors.grey
            clip: true

            AppImage {
                objectName: "mainImage"
                anchors.fill: parent
                fillMode: Image.PreserveAspectCrop
                placeHolder: "../../rss/images/no_file.png"
                source: fileItem.mainImage.length > 1 ? fileItem.imagesUrl + fileItem.mainImage : "../../rss/images/no_file.png"
                onClicked: fileItem.opened()
            }
        }

        AppImage {
            objectName: "statusImage"
            anchors.left: pictureFrame.right
            anchors.leftMargin: -60
            anchors.bottom: pictureFrame.bottom
            anchors.bottomMargin: -6
            width: 100
            height: 100
            isCircular: true
            visible: fileItem.statusImage.length > 1
            source: visible ? fileItem.statusImage : ""
            onClicked: fileItem.opened()
        }

        Column {
            id: texts

            anchors.left: pictureFrame.right
            anchors.leftMargin: 50
            anchors.right: icons.left
            anchors.rightMargin: 10
            anchors.top: parent.top
            anchors.topMargin: 14
            spacing: 3

            IranSansText {
                objectName: "dealTitle"
                width: parent.width
                topPadding: 0
                text: fileItem.dealTitle
                textSize: Utility.TextSize.normal
                font.bold: true
                textColor: Colors.text
                horizontalAlignment: Text.AlignLeft
                elide: Text.ElideLeft
            }

            IranSansText {
                objectName: "zoneText"
                width: parent.width
                topPadding: 0
                text: fileItem.zoneText
                textColor: Colors.darkGrey
                horizontalAlignment: Text.AlignLeft
                wrapMode: Text.WordWrap
                maximumLineCount: 2
                elide: Text.ElideLeft
            }

            IranSansText {
                objectName: "detailText"
                width: parent.width
                topPadding: 0
                text: fileItem.detailText
                textColor: Colors.darkGrey
                horizontalAlignment: Text.AlignLeft
                wrapMode: Text.WordWrap
                maximumLineCount: 2
                elide: Text.ElideLeft
            }

            IranSansText {
                objectName: "priceText"
                width: parent.width
                topPadding: 0
                visible: text !== ""
                text: fileItem.filePriceText
                textSize: Utility.TextSize.normal
                font.bold: true
                textColor: Colors.primary
                horizontalAlignment: Text.AlignLeft
                elide: Text.ElideLeft
            }
        }

        Row {
            id: badges

            anchors.left: texts.left
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 12
            spacing: 8

            Rectangle {
                objectName: "detailsBadge"
                height: 24
                width: detailsText.implicitWidth + 20
                radius: height / 2
                color: Colors.primary

                IranSansText {
                    id: detailsText

                    anchors.centerIn: parent
                    topPadding: 0
                    text: "جزئیات کامل"
                    textSize: Utility.TextSize.small
                    textColor: Colors.white
                }
            }

            Rectangle {
                objectName: "dateBadge"
                height: 24
                width: dateText.implicitWidth + 20
                radius: height / 2
                color: Colors.field

                IranSansText {
                    id: dateText

                    anchors.centerIn: parent
                    topPadding: 0
                    text: fileItem.fileDateText
                    textSize: Utility.TextSize.small
                    textColor: Colors.fieldText
                }
            }

            Rectangle {
                objectName: "trackingBadge"
                height: 24
                width: trackingText.implicitWidth + 20
                radius: height / 2
                color: Colors.field

                IranSansText {
                    id: trackingText

                    anchors.centerIn: parent
                    topPadding: 0
                    text: "شناسه فایل : " + fileItem.trackingId
                    textSize: Utility.TextSize.small
                    textColor: Colors.fieldText
                }
            }
        }

        IranSansText {
            objectName: "fileHeader"
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.top: parent.top
            anchors.topMargin: 8
            width: Math.min(implicitWidth, parent.width * 0.4)
            topPadding: 0
            text: fileItem.fileHeader
            textSize: Utility.TextSize.small
            textColor: Colors.darkGrey
            elide: Text.ElideRight
        }

        Column {
            id: icons

            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            spacing: 6

            MaterialButton {
                objectName: "manageIcon"
                visible: !fileItem.sharedMode
                icon.icon: MaterialIcons.dotsVertical
                icon.iconColor: Colors.darkGrey
                icon.iconSize: Utility.IconSize.large
                onClicked: fileItem.manageClicked()
            }

            MaterialButton {
                objectName: "shareIcon"
                visible: fileItem.showShare && !fileItem.justOwnerAccess
                icon.icon: MaterialIcons.shareVariant
                icon.iconColor: fileItem.isFileShared ? Colors.primary : Colors.lightGrey
                icon.iconSize: Utility.IconSize.large
                onClicked: fileItem.shareClicked()
            }

            MaterialIcon {
                objectName: "hiddenIcon"
                visible: fileItem.justOwnerAccess
                icon: MaterialIcons.ghost
                iconColor: Colors.darkGrey
                iconSize: Utility.IconSize.large
            }

            MaterialIcon {
                objectName: "systemIcon"
                visible: fileItem.systemFile
                icon: MaterialIcons.checkCircle
                iconColor: Colors.appGreen
                iconSize: Utility.IconSize.large
            }

            MaterialButton {
                objectName: "bookmarkIcon"
                icon.icon: fileItem.bookmarked ? MaterialIcons.bookmark : MaterialIcons.bookmarkOutline
                icon.iconColor: fileItem.bookmarked ? Colors.appOrange : Colors.darkGrey
                icon.iconSize: Utility.IconSize.large
                onClicked: fileItem.bookmarkClicked()
            }
        }
    }
}
