import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// An information box: the logo, a title, a long text and one button.
AppDialog {
    id: infoDialog

    property string dialogTitle: "yes"
    property string dialogContent: "no"
    property string dialogConfirm: "ok"
    property string logoSource: "../../rss/images/logo.png"

    signal confirmClicked()

    dialogWidth: appWindow.width * 0.8
    dialogHeight: appWindow.height * 0.8
    dialogPadding: 50
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    Column {
        id: infoColumn

        anchors.centerIn: parent
        width: parent.width - infoDialog.dialogPadding
        height: parent.height - 20 - infoDialog.dialogPadding
        spacing: 10

        AppImage {
            id: logo

            anchors.horizontalCenter: parent.horizontalCenter
            width: infoColumn.width * 0.4
            height: width
            source: infoDialog.logoSource
        }

        IranSansText {
            id: titleText

            width: parent.width
            text: infoDialog.dialogTitle
            font.bold: true
            textSize: Utility.TextSize.normal
            textColor: Colors.primaryDark
            horizontalAlignment: Text.AlignHCenter
            clip: true
        }

        IranSansText {
            width: parent.width
            height: infoColumn.height - (titleText.height + logo.height + confirmButton.height + 3 * infoColumn.spacing)
            text: infoDialog.dialogContent
            font.bold: true
            textSize: Utility.TextSize.medium
            textColor: Colors.primaryDark
            horizontalAlignment: Text.AlignJustify
            wrapMode: Text.WordWrap
            elide: infoDialog.rightToLeft ? Text.ElideRight : Text.ElideLeft
            clip: true
        }

        AppButton {
            id: confirmButton

            objectName: "confirmButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: infoColumn.width * 0.4
            height: 30
            radius: height / 2
            hasShadow: true
            hasIcon: false
            // A success colour: the palette's accent green, as on the success notice.
            color: Colors.accent
            text: infoDialog.dialogConfirm
            onClicked: infoDialog.confirmClicked()
        }
    }
}
