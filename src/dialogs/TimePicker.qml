import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/Utility.js" as Utility

// Hour and minute wheels. The page reads the chosen time through the functions when the positive
// button is pressed, and closes the dialog.
AppDialog {
    id: timePickerDialog

    // The desktop build shows the next hour by default.
    property int selectedHour: (new Date().getHours() + (Utility.runOnDesktop() ? 1 : 0)) % 24
    property int selectedMinute: new Date().getMinutes()
    property string dialogTitle: "انتخاب زمان"
    property string positiveText: "انتخاب"
    property string negativeText: "منصــرف شدم"

    property alias hourWheel: hourTumbler
    property alias minuteWheel: minuteTumbler

    signal positiveClicked()
    signal negativeClicked()

    // A wheel given its index while hidden keeps its row there but does not turn to it.
    function showCurrentRows() {
        hourTumbler.positionViewAtIndex(hourTumbler.currentIndex, Tumbler.Center)
        minuteTumbler.positionViewAtIndex(minuteTumbler.currentIndex, Tumbler.Center)
    }

    function init() {
        hourTumbler.currentIndex = selectedHour
        minuteTumbler.currentIndex = selectedMinute
    }

    function getSelectedHour() {
        return hourTumbler.currentIndex
    }

    function getSelectedMinute() {
        return minuteTumbler.currentIndex
    }

    function getSelectedTime() {
        return formatText(getSelectedHour()) + ":" + formatText(getSelectedMinute())
    }

    function formatText(modelData) {
        return String(DateUtility.format(modelData))
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: appWindow.height * 0.5
    dialogPadding: 30
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: Colors.white

    onAboutToShow: init()
    onOpened: showCurrentRows()

    // The wheels keep the size of the resting panel while it pulses: a wheel whose height changes
    // under it loses track of its current row. The panel clips them as it shrinks on closing.
    Item {
        anchors.fill: parent
        clip: true

        Column {
            id: content

            anchors.centerIn: parent
            width: timePickerDialog.width * 0.95 - timePickerDialog.dialogPadding
            height: timePickerDialog.height * 0.95 - timePickerDialog.dialogPadding
            spacing: 10

            IranSansText {
                id: title

                width: parent.width
                text: timePickerDialog.dialogTitle
                textSize: Utility.TextSize.large
                textColor: Colors.primaryDark
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
            }

            Row {
                id: wheels

                anchors.horizontalCenter: parent.horizontalCenter
                height: Math.max(0, content.height - title.height - buttons.height - 20)
                spacing: 20
                // Hours before minutes, left to right as a clock reads.
                layoutDirection: Qt.LeftToRight
                LayoutMirroring.enabled: false
                LayoutMirroring.childrenInherit: true

                Tumbler {
                    id: hourTumbler

                    width: 60
                    height: wheels.height
                    model: 24
                    delegate: wheelRow
                }

                Tumbler {
                    id: minuteTumbler

                    width: 60
                    height: wheels.height
                    model: 60
                    delegate: wheelRow
                }
            }

            Row {
                id: buttons

                width: parent.width
                height: 30
                spacing: 10
                layoutDirection: timePickerDialog.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight
                LayoutMirroring.enabled: false
                LayoutMirroring.childrenInherit: true

                AppButton {
                    id: negativeButton

                    width: buttons.width / 2 - buttons.spacing
                    height: buttons.height
                    radius: 10
                    color: Colors.danger
                    pressedColor: Colors.danger
                    textColor: Colors.white
                    hasIcon: false
                    text: timePickerDialog.negativeText
                    onClicked: timePickerDialog.negativeClicked()
                }

                AppButton {
                    id: positiveButton

                    width: buttons.width / 2 - buttons.spacing
                    height: buttons.height
                    radius: 10
                    color: Colors.primary
                    pressedColor: Colors.primary
                    textColor: Colors.white
                    hasIcon: false
                    text: timePickerDialog.positiveText
                    onClicked: timePickerDialog.positiveClicked()
                }
            }
        }
    }

    Component {
        id: wheelRow

        // The centred row is full, bold and larger; rows fade towards the wheel's ends.
        IranSansText {
            readonly property bool centred: Math.abs(Tumbler.displacement) < 0.5

            text: timePickerDialog.formatText(modelData)
            topPadding: 0
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
            textSize: centred ? Utility.TextSize.large : Utility.TextSize.medium
            font.bold: centred
            textColor: Colors.black
        }
    }
}
