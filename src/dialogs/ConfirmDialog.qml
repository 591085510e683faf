import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A yes/no question. Neither button closes it: the page decides, then calls dismiss().
AppDialog {
    id: confirmDialog

    property string dialogTitle: "yes"
    property string dialogContent: "no"
    property string positiveText: "ok"
    property string negativeText: "cancel"

    signal positiveClicked()
    signal negativeClicked()

    dialogWidth: appWindow.width * 0.8
    dialogHeight: confirmContent.height + 60
    dialogPadding: 30
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    Column {
        id: confirmContent

        anchors.centerIn: parent
        width: parent.width - confirmDialog.dialogPadding
        spacing: 25

        IranSansText {
            width: parent.width
            text: confirmDialog.dialogTitle
            font.bold: true
            textSize: Utility.TextSize.large
            textColor: Colors.primaryDark
            horizontalAlignment: confirmDialog.rightToLeft ? Text.AlignRight : Text.AlignLeft
        }

        IranSansText {
            width: parent.width
            text: confirmDialog.dialogContent
            textSize: Utility.TextSize.medium
            textColor: Colors.black
            horizontalAlignment: confirmDialog.rightToLeft ? Text.AlignRight : Text.AlignLeft
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        Row {
            id: buttonLayout

            width: parent.width
            height: 30
            spacing: 10
            layoutDirection: confirmDialog.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

            AppButton {
                objectName: "negativeButton"
                width: buttonLayout.width / 2 - buttonLayout.spacing
                height: buttonLayout.height
                radius: 10
                hasIcon: false
                textColor: "white"
                color: Colors.coolRed
                text: confirmDialog.negativeText
                onClicked: confirmDialog.negativeClicked()
            }

            AppButton {
                objectName: "positiveButton"
                width: buttonLayout.width / 2 - buttonLayout.spacing
                height: buttonLayout.height
                radius: 10
                hasIcon: false
                textColor: "white"
                color: Colors.blue
                text: confirmDialog.positiveText
                onClicked: confirmDialog.positiveClicked()
            }
        }
    }
}
