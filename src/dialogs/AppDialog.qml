import QtQuick 2.15
import QtQuick.Controls 2.15

// The frame every pop-up of the client shares: a coloured panel (`contentLayout`) centred in a
// transparent dialog, opened and closed with a short scale pulse or a horizontal slide.
// Pages open a dialog with initial() and close it with dismiss(); it never closes on its own buttons.
Dialog {
    id: appDialog

    property int dialogWidth: 0
    property int dialogHeight: 0
    property int dialogPadding: 0
    property int centerX: (appWindow.width - dialogWidth) / 2
    property int centerY: (appWindow.height - dialogHeight) / 2
    property bool rightToLeft: appWindow.rightToLeft
    property int radius: 10
    readonly property int scaleAnimation: 0
    readonly property int slideAnimation: 1
    // For the busy notice, which must come and go without delay.
    readonly property int noAnimation: -1
    property int dialogAnimation: scaleAnimation
    // Only the notification banner leaves differently from the way it came in.
    property int dialogExitAnimation: dialogAnimation
    property bool dialogExit: false
    property int scaleLevel: 0
    property alias contentLayout: contentLayout
    default property alias content: contentLayout.data

    // The dialog has opened, or was turned round while it was closing.
    signal opening()
    // The opening pulse has come to rest.
    signal pulseSettled()

    function runAnimation(kind) {
        // Whatever was still moving belongs to the previous opening or closing.
        pulse.stop()
        slide.stop()
        if (kind === scaleAnimation) {
            scaleLevel = 0
            pulse.restart()
        } else if (kind === slideAnimation) {
            slide.restart()
        }
    }

    function initial() {
        openFrame()
    }

    // Opening a dialog that is still playing its closing animation turns it round instead.
    function openFrame() {
        if (visible && dialogExit)
            startOpening()
        else
            open()
    }

    function startOpening() {
        dialogExit = false
        runAnimation(dialogAnimation)
        opening()
    }

    // The pulse leaves fixed sizes behind; between runs the panel follows the dialog again.
    function fitPanel() {
        contentLayout.width = Qt.binding(function() { return appDialog.width * 0.95 })
        contentLayout.height = Qt.binding(function() { return appDialog.height * 0.95 })
    }

    function dismiss() {
        dialogExit = true
        runAnimation(dialogExitAnimation)
    }

    parent: appWindow.overlay
    width: dialogWidth
    height: dialogHeight
    x: centerX
    y: centerY
    padding: 0
    topPadding: 0
    bottomPadding: 0
    leftPadding: 0
    rightPadding: 0
    modal: true
    background: Item {}
    header: null
    footer: null

    onAboutToShow: fitPanel()
    onOpened: startOpening()
    onClosed: {
        pulse.stop()
        slide.stop()
        fitPanel()
    }

    ParallelAnimation {
        id: pulse

        NumberAnimation {
            target: contentLayout
            property: "width"
            duration: 80
            easing.type: Easing.Linear
            to: appDialog.dialogExit ? 0 : appDialog.width * (appDialog.scaleLevel % 2 === 1 ? 0.9 : 0.95)
        }
        NumberAnimation {
            target: contentLayout
            property: "height"
            duration: 80
            easing.type: Easing.Linear
            to: appDialog.dialogExit ? 0 : appDialog.height * (appDialog.scaleLevel % 2 === 1 ? 0.9 : 0.95)
        }

        onFinished: {
            if (appDialog.scaleLevel < 2) {
                appDialog.scaleLevel++
                pulse.restart()
            } else if (appDialog.dialogExit) {
                appDialog.close()
            } else {
                appDialog.fitPanel()
                appDialog.pulseSettled()
            }
        }
    }

    NumberAnimation {
        id: slide

        target: appDialog
        property: "x"
        duration: 200
        easing.type: Easing.Linear
        from: appDialog.dialogExit ? appDialog.centerX : 0
        to: appDialog.dialogExit ? appWindow.width : appDialog.centerX
        onFinished: {
            if (appDialog.dialogExit)
                appDialog.close()
        }
    }

    Rectangle {
        id: contentLayout

        anchors.centerIn: parent
        width: appDialog.width * 0.95
        height: appDialog.height * 0.95
        radius: appDialog.radius
        LayoutMirroring.enabled: false
        LayoutMirroring.childrenInherit: true
    }
}
