import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The success notice: a tick in a ring, a title, a line of text and one button.
AppDialog {
    id: statusDialog

    property string dialogTitle: "yes"
    property string dialogContent: "no"
    property string dialogConfirm: "ok"

    signal confirmClicked()

    dialogWidth: appWindow.width * 0.8
    dialogHeight: appWindow.height * 0.4
    dialogPadding: 50
    closePolicy: Popup.CloseOnEscape
    radius: 5
    contentLayout.color: "white"

    Column {
        anchors.centerIn: parent
        width: parent.width - statusDialog.dialogPadding
        spacing: 10

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 60
            height: 60
            radius: width / 2
            color: "transparent"
            border.width: 3
            border.color: Colors.accent

            MaterialIcon {
                anchors.centerIn: parent
                icon: MaterialIcons.check
                iconSize: 35
                iconColor: Colors.accent
            }
        }

        IranSansText {
            width: parent.width
            text: statusDialog.dialogTitle
            textSize: 14
            font.bold: true
            textColor: Colors.text
            horizontalAlignment: Text.AlignHCenter
            clip: true
        }

        IranSansText {
            width: parent.width
            text: statusDialog.dialogContent
            textSize: 12
            textColor: Colors.mediumGrey
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            clip: true
        }

        AppButton {
            objectName: "confirmButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.4
            height: 30
            radius: height / 8
            hasShadow: true
            hasIcon: false
            color: Colors.accent
            text: statusDialog.dialogConfirm
            onClicked: statusDialog.confirmClicked()
        }
    }
}
