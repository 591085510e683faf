import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// The in-app banner for a new notification: pops in at the top, leaves to the right after
// `interval` unless the user clicks it first.
AppDialog {
    id: notificationDialog

    property string dialogTitle: "yes"
    property string dialogContent: "no"
    property string icon: "../../rss/images/icon.png"
    property int interval: 3000

    signal clicked()

    // dialogExit is cleared by the opening itself, which also turns round a banner that is
    // still sliding out.
    function initial() {
        scaleLevel = 0
        x = centerX
        y = 30
        openFrame()
    }

    dialogWidth: appWindow.width * 0.9
    dialogHeight: appWindow.height * 0.12
    dialogPadding: 20
    y: 30
    dialogAnimation: scaleAnimation
    dialogExitAnimation: slideAnimation
    closePolicy: Popup.CloseOnPressOutside
    contentLayout.color: "white"

    onPulseSettled: countDown.restart()
    onClosed: countDown.stop()

    Timer {
        id: countDown

        objectName: "countDown"
        interval: notificationDialog.interval
        onTriggered: {
            stop()
            notificationDialog.dismiss()
        }
    }

    Row {
        id: row

        anchors.centerIn: parent
        width: parent.width - notificationDialog.dialogPadding
        height: parent.height - notificationDialog.dialogPadding
        spacing: 20
        layoutDirection: notificationDialog.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

        AppImage {
            id: iconImage

            anchors.verticalCenter: parent.verticalCenter
            width: row.height * 0.8
            height: width
            source: notificationDialog.icon
        }

        Column {
            id: textColumn

            width: row.width - iconImage.width - row.spacing
            height: row.height
            spacing: 10

            IranSansText {
                id: titleText

                width: parent.width
                text: notificationDialog.dialogTitle
                textSize: Utility.TextSize.large
                textColor: Colors.primary
                font.bold: true
                horizontalAlignment: Text.AlignRight
                clip: true
            }

            IranSansText {
                width: parent.width
                height: textColumn.height - (titleText.height + 10)
                text: notificationDialog.dialogContent
                textFormat: Text.RichText
                textSize: Utility.TextSize.medium
                textColor: "black"
                horizontalAlignment: Text.AlignJustify
                wrapMode: Text.WordWrap
                elide: Text.ElideLeft
                clip: true
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: notificationDialog.clicked()
    }
}
