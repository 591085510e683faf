import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A short message that slides in at the top-left corner and leaves by itself after `duration`.
AppDialog {
    id: toastDialog

    property int durationLong: 8000
    property int durationShort: 3500
    property int duration: durationLong
    property color backColor: Colors.primary
    property alias textColor: message.textColor

    // A given duration sticks: later calls without one keep it.
    function show(content, newDuration) {
        if (newDuration)
            duration = newDuration
        message.text = content
        if (visible && !dialogExit) {
            // Already showing: the new message gets a full count-down of its own.
            countDown.interval = duration
            countDown.restart()
        } else {
            openFrame()
        }
    }

    dialogWidth: message.width + 100
    dialogHeight: message.height + 40
    dialogPadding: 10
    centerX: 50
    centerY: 50
    dialogAnimation: slideAnimation
    modal: false
    closePolicy: Popup.CloseOnPressOutside
    contentLayout.color: backColor

    onOpening: {
        countDown.interval = duration
        countDown.restart()
    }
    onClosed: countDown.stop()

    Timer {
        id: countDown

        objectName: "countDown"
        onTriggered: {
            stop()
            toastDialog.dismiss()
        }
    }

    IranSansText {
        id: message

        anchors.centerIn: parent
        width: Math.min(implicitWidth, appWindow.width * 0.6)
        topPadding: 15
        leftPadding: 15
        rightPadding: 15
        textSize: 14
        font.bold: true
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: toastDialog.rightToLeft ? Text.ElideRight : Text.ElideLeft
        textColor: Colors.text
    }

    CircleIcon {
        objectName: "closeButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 15
        width: 20
        height: 20
        icon: MaterialIcons.close
        iconSize: 18
        iconColor: Colors.black
        onClicked: toastDialog.dismiss()
    }
}
