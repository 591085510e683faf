import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Colors.js" as Colors

// The busy notice at the bottom-left corner while a request is on its way. It appears and goes
// at once, so it can be dismissed in the very frame it was opened.
AppDialog {
    id: loadingDialog

    property string dialogContent: "در حال ارتباط با سرور ..."

    // Told when the notice is taken down because the work it stood for has ended (the request
    // layer does so when an answer arrives, whatever it holds), not when Escape hides it.
    signal dismissed()

    function dismiss() {
        dialogExit = true
        close()
        dismissed()
    }

    dialogWidth: row.width + 70
    dialogHeight: 50
    dialogPadding: 10
    x: 30
    y: appWindow.height - 60
    modal: false
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: Colors.gold
    radius: 4
    dialogAnimation: noAnimation

    onOpened: dialogExit = false

    Row {
        id: row

        anchors.centerIn: parent
        height: parent.height
        spacing: 10
        layoutDirection: Qt.RightToLeft

        BusyIndicator {
            anchors.verticalCenter: parent.verticalCenter
            width: row.height * 0.85
            height: width
            running: true
            palette.dark: Colors.black
        }

        IranSansText {
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            text: "درحال برقراری ارتباط"
            textColor: Colors.black
            textSize: 12
        }
    }
}
