import QtQuick 2.15
import "../scripts/Colors.js" as Colors
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/MaterialIcons.js" as MaterialIcons

// A month of the Jalali calendar, Saturday first (the rightmost column). The chosen day is read
// from `currentDate`; the day cells are rebuilt whenever the month changes.
Item {
    id: persianCalendarId

    property int calWidth: parent ? parent.width : 0
    property color monthRectColor: "transparent"
    property color dayNameRectColor: "transparent"
    property color dayNumberBackColor: "transparent"
    property color daysTextColor: "black"
    property color selectedDayColor: Colors.primary
    property var daysNamePointSize: calverhor(30)
    property var yearPointSize: calverhor(30)

    property var currentDate: DateUtility.today()
    property int todayYear: currentDate[0]
    property int todayMonth: currentDate[1]
    property int todayDay: currentDate[2]
    property var thisMonth: DateUtility.monthName(todayMonth)
    property int daysInMonth: DateUtility.dayInMonth(todayYear, todayMonth)
    property var firstDayOfMonth: DateUtility.dayNumber(todayYear, todayMonth, 1)
    property int cellMax: daysGrid.height / 7
    property var lastSelectedDate: null

    property var sat
    property var sun
    property var mon
    property var tue
    property var wed
    property var thu
    property var fri

    signal dateSelected()
    signal closed()

    // Every size of the calendar is a fraction of its 400-high body.
    function calverhor(a) {
        return 400 / a
    }

    function columns() {
        return [sat, sun, mon, tue, wed, thu, fri]
    }

    function nextMonth() {
        if (todayMonth === 12)
            currentDate = [todayYear + 1, 1, 1]
        else
            currentDate = [todayYear, todayMonth + 1, 1]
        destroyCells()
        createCells()
    }

    function previousMonth() {
        if (todayMonth === 1)
            currentDate = [todayYear - 1, 12, 1]
        else
            currentDate = [todayYear, todayMonth - 1, 1]
        destroyCells()
        createCells()
    }

    function createColumns() {
        var made = []
        for (var i = 0; i < 7; ++i) {
            var column = columnComponent.createObject(daysGrid)
            dayNameComponent.createObject(column, { text: DateUtility.dayName(i) })
            made.push(column)
        }
        sat = made[0]
        sun = made[1]
        mon = made[2]
        tue = made[3]
        wed = made[4]
        thu = made[5]
        fri = made[6]
    }

    function styleSelected(label) {
        label.color = Colors.white
        label.parent.color = selectedDayColor
        label.parent.border.color = selectedDayColor
    }

    function styleUnselected(label) {
        label.color = daysTextColor
        label.parent.border.color = dayNumberBackColor
    }

    function createCells() {
        var all = columns()
        var day = 1
        lastSelectedDate = null
        for (var week = 0; week < 6 && day <= daysInMonth; ++week) {
            for (var j = 0; j < 7; ++j) {
                var cell = dayCellComponent.createObject(all[j])
                if ((j === firstDayOfMonth && day === 1) || (day > 1 && day <= daysInMonth)) {
                    cell.label.text = day
                    if (day === parseInt(todayDay)) {
                        styleSelected(cell.label)
                        lastSelectedDate = cell.label
                    } else {
                        styleUnselected(cell.label)
                    }
                    ++day
                } else {
                    cell.label.text = ""
                }
            }
        }
    }

    function destroyCells() {
        var all = columns()
        for (var i = 0; i < all.length; ++i) {
            var column = all[i]
            if (!column)
                continue
            // Children after the header; taken out of the column at once so the new month is
            // laid out alone, destroyed later by the engine.
            for (var c = column.children.length - 1; c >= 1; --c) {
                var cell = column.children[c]
                cell.parent = null
                cell.destroy()
            }
        }
        lastSelectedDate = null
    }

    function selectedCellChanged(x) {
        if (x !== lastSelectedDate) {
            currentDate = [todayYear, todayMonth, parseInt(x.text)]
            styleSelected(x)
            if (lastSelectedDate) {
                styleUnselected(lastSelectedDate)
                lastSelectedDate.parent.color = dayNumberBackColor
            }
            lastSelectedDate = x
        }
        dateSelected()
    }

    width: calWidth
    height: calverhor(1)

    Rectangle {
        id: body

        anchors.fill: parent
        radius: 10

        Rectangle {
            id: monthBar

            width: parent.width
            height: persianCalendarId.calverhor(7)
            color: persianCalendarId.monthRectColor
            radius: body.radius

            IranSansText {
                anchors.centerIn: parent
                topPadding: 0
                text: persianCalendarId.thisMonth + " " + persianCalendarId.todayYear
                textSize: 14
                textColor: Colors.primary
                font.bold: true
            }

            MaterialButton {
                id: nextButton

                objectName: "nextMonthButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                icon.icon: MaterialIcons.chevronRight
                icon.iconSize: 25
                icon.iconColor: Colors.primary
                rotation: nextButton.LayoutMirroring.enabled ? 180 : 0
                onClicked: persianCalendarId.nextMonth()
            }

            MaterialButton {
                id: previousButton

                objectName: "previousMonthButton"
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                icon.icon: MaterialIcons.chevronRight
                icon.iconSize: 25
                icon.iconColor: Colors.primary
                rotation: previousButton.LayoutMirroring.enabled ? 0 : 180
                onClicked: persianCalendarId.previousMonth()
            }
        }

        Grid {
            id: daysGrid

            anchors.top: monthBar.bottom
            anchors.bottom: parent.bottom
            width: parent.width
            columns: 7
            // Saturday's column stands at the right whatever the page's direction.
            layoutDirection: Qt.RightToLeft
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true

            Component.onCompleted: {
                persianCalendarId.createColumns()
                persianCalendarId.createCells()
            }
        }
    }

    CircleIcon {
        id: closeButton

        width: 30
        height: 30
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: parent.top
        color: Colors.fieldBack
        icon: MaterialIcons.close
        iconSize: 20
        iconColor: Colors.fieldIcon
        onClicked: persianCalendarId.closed()
    }

    Component {
        id: columnComponent

        Column {
            spacing: 3
        }
    }

    Component {
        id: dayNameComponent

        Rectangle {
            property alias text: dayNameText.text

            width: daysGrid.width / 7
            height: persianCalendarId.calverhor(12)
            color: persianCalendarId.dayNameRectColor

            IranSansText {
                id: dayNameText

                anchors.centerIn: parent
                topPadding: 0
                textSize: persianCalendarId.daysNamePointSize
                textColor: persianCalendarId.daysTextColor
            }
        }
    }

    Component {
        id: dayCellComponent

        // Each cell fills its column's width so the seven columns stay evenly spread; the circle
        // is the visible day.
        Item {
            property alias label: dayText
            property alias color: circle.color
            property alias border: circle.border

            width: daysGrid.width / 7
            height: circle.height

            Rectangle {
                id: circle

                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(persianCalendarId.cellMax, persianCalendarId.calverhor(7)) - 3
                height: width
                radius: width / 2
                color: "transparent"
            }

            IranSansText {
                id: dayText

                anchors.centerIn: circle
                topPadding: 0
                textSize: persianCalendarId.yearPointSize
                textColor: persianCalendarId.daysTextColor
            }

            MouseArea {
                anchors.fill: circle
                // Cells before the first and after the last day of the month hold no day.
                enabled: dayText.text !== ""
                onClicked: persianCalendarId.selectedCellChanged(dayText)
            }
        }
    }
}
