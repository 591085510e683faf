import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/DateUtility.js" as DateUtility

// Year, month and day wheels in the Jalali or the Gregorian calendar. The chosen day comes back
// as `selectedDate` (local midnight, milliseconds since 1970) when the positive button is pressed;
// the owner closes the dialog.
AppDialog {
    id: datePickerDialog

    property real selectedDate: new Date().getTime()
    property bool isJalali: true
    property string dialogTitle: "انتخاب تاریخ"
    property string positiveText: "انتخاب"
    property string negativeText: "منصــرف شدم"
    property int dayModel: 31

    property alias yearWheel: yearTumbler
    property alias monthWheel: monthTumbler
    property alias dayWheel: dayTumbler

    signal positiveClicked()
    signal negativeClicked()

    // A wheel given its index while hidden keeps its row there but does not turn to it.
    function showCurrentRows() {
        dayTumbler.positionViewAtIndex(dayTumbler.currentIndex, Tumbler.Center)
        monthTumbler.positionViewAtIndex(monthTumbler.currentIndex, Tumbler.Center)
        yearTumbler.positionViewAtIndex(yearTumbler.currentIndex, Tumbler.Center)
    }

    function init() {
        var date = new Date(selectedDate)
        var gy = date.getFullYear(), gm = date.getMonth() + 1, gd = date.getDate()
        var jalali = DateUtility.gregorian_to_jalali(gy, gm, gd)
        var shown = isJalali ? jalali : [gy, gm, gd]
        dayModel = isJalali ? DateUtility.dayInMonth(jalali[0], jalali[1]) : DateUtility.gDaysInMonth(gm, gy)
        dayTumbler.currentIndex = shown[2] - 1
        monthTumbler.currentIndex = shown[1] - 1
        yearTumbler.currentIndex = shown[0] - 1
    }

    function getSelectedDay() {
        return dayTumbler.currentIndex + 1
    }

    function getSelectedMonth() {
        return monthTumbler.currentIndex + 1
    }

    function getSelectedYear() {
        return yearTumbler.currentIndex + 1
    }

    function getSelectedDate() {
        var y = getSelectedYear(), m = getSelectedMonth(), d = getSelectedDay()
        if (isJalali) {
            var g = DateUtility.jalali_to_gregorian(y, m, d)
            y = g[0]
            m = g[1]
            d = g[2]
        }
        var date = new Date(2000, 0, 1)
        // setFullYear keeps years below 100 as they are.
        date.setFullYear(y, m - 1, d)
        date.setHours(0, 0, 0, 0)
        return date.getTime()
    }

    function getSelectedDateString() {
        return DateUtility.formatDate(getSelectedYear(), getSelectedMonth(), getSelectedDay(), isJalali, "/")
    }

    function getGregorianDateString() {
        var date = new Date(getSelectedDate())
        return DateUtility.formatDate(date.getFullYear(), date.getMonth() + 1, date.getDate(), false, "/")
    }

    function getJalaliDateString(setSelectedDate) {
        var date = new Date(setSelectedDate ? selectedDate : getSelectedDate())
        var jalali = DateUtility.gregorian_to_jalali(date.getFullYear(), date.getMonth() + 1, date.getDate())
        return DateUtility.formatDate(jalali[0], jalali[1], jalali[2], true, "-")
    }

    function formatText(modelData) {
        return String(DateUtility.format(modelData + 1))
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
            width: datePickerDialog.width * 0.95 - datePickerDialog.dialogPadding
            height: datePickerDialog.height * 0.95 - datePickerDialog.dialogPadding
            spacing: 10

            IranSansText {
                id: title

                width: parent.width
                text: datePickerDialog.dialogTitle
                textSize: 14
                textColor: Colors.primaryDark
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
            }

            Row {
                id: wheels

                anchors.horizontalCenter: parent.horizontalCenter
                height: Math.max(0, content.height - title.height - buttons.height - 20)
                spacing: 20
                // Year, month, day read left to right in both calendars.
                layoutDirection: Qt.LeftToRight
                LayoutMirroring.enabled: false
                LayoutMirroring.childrenInherit: true

                Tumbler {
                    id: yearTumbler

                    width: 60
                    height: wheels.height
                    model: 2100
                    delegate: wheelRow
                }

                Tumbler {
                    id: monthTumbler

                    width: 50
                    height: wheels.height
                    model: 12
                    delegate: wheelRow
                }

                Tumbler {
                    id: dayTumbler

                    width: 50
                    height: wheels.height
                    model: datePickerDialog.dayModel
                    delegate: wheelRow
                }
            }

            Row {
                id: buttons

                width: parent.width
                height: 30
                spacing: 10
                layoutDirection: datePickerDialog.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight
                LayoutMirroring.enabled: false
                LayoutMirroring.childrenInherit: true

                AppButton {
                    id: negativeButton

                    width: buttons.width / 2 - buttons.spacing
                    height: buttons.height
                    radius: 10
                    color: Colors.coolRed
                    textColor: Colors.white
                    hasIcon: false
                    text: datePickerDialog.negativeText
                    onClicked: datePickerDialog.negativeClicked()
                }

                AppButton {
                    id: positiveButton

                    width: buttons.width / 2 - buttons.spacing
                    height: buttons.height
                    radius: 10
                    color: Colors.primary
                    textColor: Colors.white
                    hasIcon: false
                    text: datePickerDialog.positiveText
                    onClicked: {
                        datePickerDialog.selectedDate = datePickerDialog.getSelectedDate()
                        datePickerDialog.positiveClicked()
                    }
                }
            }
        }
    }

    Component {
        id: wheelRow

        // The centred row is full, bold and larger; rows fade towards the wheel's ends.
        IranSansText {
            readonly property bool centred: Math.abs(Tumbler.displacement) < 0.5

            text: datePickerDialog.formatText(modelData)
            topPadding: 0
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
            textSize: centred ? 15 : 12
            font.bold: centred
            textColor: Colors.black
        }
    }
}
