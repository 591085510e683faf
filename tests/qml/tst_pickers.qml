import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/src/components"
import "qrc:/src/dialogs"
import "qrc:/src/scripts/Colors.js" as Colors
import "qrc:/src/scripts/DateUtility.js" as DateUtility

// The Persian month grid, the date picker in both calendars and the time picker, driven as a
// user drives them: clicks on days and buttons, wheels moved, dialogs opened again.
Item {
    id: window

    // What the main window offers every document by name.
    property bool rightToLeft: true

    width: 800
    height: 800

    Item {
        id: appWindow

        property bool rightToLeft: true
        property Item overlay: Overlay.overlay

        width: 800
        height: 800
    }

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    TestCase {
        id: testCase

        name: "Pickers"
        when: windowShown

        Component {
            id: calendarComponent
            PersianCalendar {
                calWidth: 420
            }
        }

        Component {
            id: mirroredComponent
            Item {
                property alias calendar: mirroredCalendar
                width: 420
                height: 400
                LayoutMirroring.enabled: true
                LayoutMirroring.childrenInherit: true
                PersianCalendar {
                    id: mirroredCalendar
                    calWidth: 420
                    currentDate: [1399, 6, 10]
                }
            }
        }

        Component {
            id: datePickerComponent
            DatePicker {}
        }

        Component {
            id: timePickerComponent
            TimePicker {}
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }

        function spyOn(target, signalName) {
            return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
        }

        // The first item below `root` (depth first) for which `accept` holds.
        function findItem(root, accept) {
            if (!root)
                return null
            if (accept(root))
                return root
            var kids = root.children || []
            for (var i = 0; i < kids.length; ++i) {
                var found = findItem(kids[i], accept)
                if (found)
                    return found
            }
            return null
        }

        function buttonWithText(dialog, text) {
            return findItem(dialog.contentItem, function (item) {
                return item.text === text && item.clicked !== undefined && item.fontSize !== undefined
            })
        }

        // Week rows of a column as the texts of their cells (header left out).
        function columnDays(column) {
            var days = []
            for (var i = 1; i < column.children.length; ++i)
                days.push(column.children[i].label.text)
            return days
        }

        function cellOfDay(calendar, day) {
            var columns = [calendar.sat, calendar.sun, calendar.mon, calendar.tue, calendar.wed, calendar.thu, calendar.fri]
            for (var c = 0; c < 7; ++c) {
                for (var i = 1; i < columns[c].children.length; ++i) {
                    if (columns[c].children[i].label.text === String(day))
                        return { column: c, row: i - 1, cell: columns[c].children[i] }
                }
            }
            return null
        }

        function filledDays(calendar) {
            var count = 0
            var columns = [calendar.sat, calendar.sun, calendar.mon, calendar.tue, calendar.wed, calendar.thu, calendar.fri]
            for (var c = 0; c < 7; ++c)
                count += columnDays(columns[c]).filter(function (t) { return t !== "" }).length
            return count
        }

        // The text of the row a wheel shows in its middle, which is what the user reads.
        function centredText(wheel) {
            var row = findItem(wheel.contentItem, function (item) { return item.centred === true })
            return row ? row.text : null
        }

        function localMidnight(y, m, d) {
            return new Date(y, m - 1, d).getTime()
        }

        // ---- PersianCalendar ----

        function test_calendar_monthStartingOnFridayTakesSixRows() {
            // Find a 31-day month whose first day is a Friday.
            var year = 1398, month = 1
            while (!(DateUtility.dayNumber(year, month, 1) === 6 && DateUtility.dayInMonth(year, month) === 31)) {
                if (++month > 6) {
                    month = 1
                    ++year
                }
            }
            var calendar = createTemporaryObject(calendarComponent, window, { currentDate: [year, month, 5] })
            verify(calendar.fri !== undefined)
            compare(calendar.sat.children.length - 1, 6)
            compare(cellOfDay(calendar, 1).column, 6)
            compare(cellOfDay(calendar, 1).row, 0)
            compare(cellOfDay(calendar, 2).column, 0)
            compare(cellOfDay(calendar, 30).row, 5)
            compare(cellOfDay(calendar, 31).row, 5)
            compare(filledDays(calendar), 31)
            // The shown day is the selected one.
            compare(calendar.lastSelectedDate.text, "5")
            verify(Qt.colorEqual(calendar.lastSelectedDate.color, Colors.white))
            verify(Qt.colorEqual(cellOfDay(calendar, 5).cell.color, calendar.selectedDayColor))
            compare(calendar.thisMonth + " " + calendar.todayYear, DateUtility.monthName(month) + " " + year)
        }

        function test_calendar_saturdayIsTheRightmostColumn() {
            var calendar = createTemporaryObject(calendarComponent, window, { currentDate: [1398, 1, 1] })
            waitForRendering(calendar)
            var sat = calendar.sat.mapToItem(calendar, 0, 0).x
            var fri = calendar.fri.mapToItem(calendar, 0, 0).x
            verify(sat > fri, "Saturday at " + sat + ", Friday at " + fri)
            compare(calendar.sat.children[0].text, "شنبه")
            compare(calendar.fri.children[0].text, "جمعه")
            // 1 Farvardin 1398 is a Thursday: its 31 days take six rows, 31 alone in the last.
            compare(cellOfDay(calendar, 1).column, 5)
            compare(calendar.sat.children.length - 1, 6)
            compare(columnDays(calendar.sat), ["", "3", "10", "17", "24", "31"])
        }

        function test_calendar_nextMonthFromEsfandIsFarvardinOfTheNextYear() {
            var calendar = createTemporaryObject(calendarComponent, window, { currentDate: [1398, 12, 20] })
            compare(filledDays(calendar), 29)
            calendar.nextMonth()
            compare(calendar.currentDate, [1399, 1, 1])
            compare(calendar.todayYear, 1399)
            compare(calendar.thisMonth, "فروردین")
            compare(calendar.lastSelectedDate.text, "1")
            compare(cellOfDay(calendar, 1).column, DateUtility.dayNumber(1399, 1, 1))
            compare(filledDays(calendar), 31)
            // Only the new month's cells are left in the columns once the old ones are gone.
            compare(calendar.sat.children.length - 1, Math.ceil((DateUtility.dayNumber(1399, 1, 1) + 31) / 7))
        }

        function test_calendar_previousMonthFromFarvardinIsEsfandOfTheYearBefore() {
            var calendar = createTemporaryObject(calendarComponent, window, { currentDate: [1400, 1, 10] })
            calendar.previousMonth()
            compare(calendar.currentDate, [1399, 12, 1])
            compare(filledDays(calendar), 30)
            compare(calendar.lastSelectedDate.text, "1")
            calendar.previousMonth()
            compare(calendar.currentDate, [1399, 11, 1])
            compare(filledDays(calendar), 30)
            for (var i = 0; i < 12; ++i)
                calendar.nextMonth()
            compare(calendar.currentDate, [1400, 11, 1])
        }

        function test_calendar_clickingADaySelectsIt() {
            var calendar = createTemporaryObject(calendarComponent, window, { currentDate: [1399, 7, 3] })
            var selected = spyOn(calendar, "dateSelected")
            waitForRendering(calendar)
            var target = cellOfDay(calendar, 17)
            mouseClick(target.cell)
            compare(selected.count, 1)
            compare(calendar.currentDate, [1399, 7, 17])
            compare(calendar.todayDay, 17)
            compare(calendar.lastSelectedDate, target.cell.label)
            verify(Qt.colorEqual(target.cell.color, calendar.selectedDayColor))
            // The earlier day goes back to the unselected look.
            var before = cellOfDay(calendar, 3)
            verify(Qt.colorEqual(before.cell.label.color, calendar.daysTextColor))
            verify(Qt.colorEqual(before.cell.color, calendar.dayNumberBackColor))

            // Clicking the selected day again only reports it.
            mouseClick(target.cell)
            compare(selected.count, 2)
            compare(calendar.currentDate, [1399, 7, 17])

            // A cell outside the month holds no day and takes no click.
            var empty = findItem(calendar.sat, function (item) { return item.label !== undefined && item.label.text === "" })
            verify(empty !== null)
            mouseClick(empty)
            compare(selected.count, 2)
            compare(calendar.currentDate, [1399, 7, 17])
        }

        // Next month lies towards the reading direction: at the right with the arrow pointing
        // right in a left-to-right layout, at the left pointing left in a mirrored one.
        function test_calendar_monthButtons() {
            var plain = createTemporaryObject(calendarComponent, window, { currentDate: [1399, 6, 10] })
            waitForRendering(plain)
            var next = findChild(plain, "nextMonthButton")
            var previous = findChild(plain, "previousMonthButton")
            verify(next.x > previous.x)
            compare(next.rotation, 0)
            compare(previous.rotation, 180)
            mouseClick(next)
            compare(plain.currentDate, [1399, 7, 1])
            mouseClick(previous)
            mouseClick(previous)
            compare(plain.currentDate, [1399, 5, 1])

            var holder = createTemporaryObject(mirroredComponent, window)
            var mirrored = holder.calendar
            waitForRendering(mirrored)
            next = findChild(mirrored, "nextMonthButton")
            previous = findChild(mirrored, "previousMonthButton")
            verify(next.x < previous.x)
            compare(next.rotation, 180)
            compare(previous.rotation, 0)
            mouseClick(next)
            compare(mirrored.currentDate, [1399, 7, 1])
            // The week still starts at the right.
            verify(mirrored.sat.mapToItem(mirrored, 0, 0).x > mirrored.fri.mapToItem(mirrored, 0, 0).x)
        }

        function test_calendar_closeButtonReportsClosed() {
            var calendar = createTemporaryObject(calendarComponent, window, { currentDate: [1399, 7, 3] })
            var closed = spyOn(calendar, "closed")
            waitForRendering(calendar)
            var close = findItem(calendar, function (item) { return item.icon === "\uF156" && item.clicked !== undefined })
            verify(close !== null)
            mouseClick(close)
            compare(closed.count, 1)
        }

        // ---- DatePicker ----

        function openPicker(picker) {
            picker.initial()
            tryCompare(picker, "opened", true)
            waitForRendering(picker.contentItem)
        }

        function test_datePicker_opensOnTheJalaliDayOfTheTimestamp() {
            var picker = createTemporaryObject(datePickerComponent, testCase,
                                               { selectedDate: new Date(2019, 2, 21, 15, 30).getTime() })
            var positive = spyOn(picker, "positiveClicked")
            openPicker(picker)
            compare([picker.getSelectedYear(), picker.getSelectedMonth(), picker.getSelectedDay()], [1398, 1, 1])
            tryCompare(picker.yearWheel, "moving", false)
            compare([centredText(picker.yearWheel), centredText(picker.monthWheel), centredText(picker.dayWheel)],
                    ["1398", "01", "01"])
            compare(picker.dayModel, 31)
            compare(picker.getSelectedDateString(), "1398/01/01")
            mouseClick(buttonWithText(picker, picker.positiveText))
            compare(positive.count, 1)
            compare(picker.selectedDate, localMidnight(2019, 3, 21))
            // The owner closes the dialog, not its buttons.
            verify(picker.opened)
            picker.dismiss()
            tryCompare(picker, "visible", false)
        }

        function test_datePicker_jalaliWheelsRoundTrip() {
            var picker = createTemporaryObject(datePickerComponent, testCase,
                                               { selectedDate: localMidnight(2021, 3, 1) })
            openPicker(picker)
            compare(picker.dayModel, 30)
            picker.yearWheel.currentIndex = 1399 - 1
            picker.monthWheel.currentIndex = 12 - 1
            picker.dayWheel.currentIndex = 30 - 1
            compare(picker.getSelectedDate(), localMidnight(2021, 3, 20))
            compare(picker.getSelectedDateString(), "1399/12/30")
            compare(picker.getGregorianDateString(), "2021/03/20")
            compare(picker.getJalaliDateString(false), "1399-12-30")
            compare(picker.getJalaliDateString(true), "1399-12-11")
            mouseClick(buttonWithText(picker, picker.positiveText))
            compare(picker.getJalaliDateString(true), "1399-12-30")
            picker.dismiss()
            tryCompare(picker, "visible", false)

            // Opened again, the wheels start from the kept date.
            openPicker(picker)
            compare([picker.getSelectedYear(), picker.getSelectedMonth(), picker.getSelectedDay()], [1399, 12, 30])
            compare([centredText(picker.yearWheel), centredText(picker.monthWheel), centredText(picker.dayWheel)],
                    ["1399", "12", "30"])
            compare(picker.dayModel, 30)
        }

        function test_datePicker_gregorianWheels() {
            var picker = createTemporaryObject(datePickerComponent, testCase,
                                               { isJalali: false, selectedDate: new Date(2020, 1, 10, 8).getTime() })
            var negative = spyOn(picker, "negativeClicked")
            openPicker(picker)
            compare(picker.dayModel, 29)
            compare([picker.getSelectedYear(), picker.getSelectedMonth(), picker.getSelectedDay()], [2020, 2, 10])
            picker.dayWheel.currentIndex = 28
            compare(picker.getSelectedDate(), localMidnight(2020, 2, 29))
            compare(picker.getSelectedDateString(), "2020/02/29")
            compare(picker.getJalaliDateString(false), "1398-12-10")
            // Right to left, "never mind" comes first, at the right.
            var negativeButton = buttonWithText(picker, picker.negativeText)
            var positiveButton = buttonWithText(picker, picker.positiveText)
            verify(negativeButton.mapToItem(null, 0, 0).x > positiveButton.mapToItem(null, 0, 0).x)
            mouseClick(negativeButton)
            compare(negative.count, 1)
            // Cancelling keeps the date the picker had.
            compare(picker.selectedDate, new Date(2020, 1, 10, 8).getTime())
        }

        // Every 37th day over two centuries, in both calendars: opening on a day and taking the
        // wheels unchanged gives back that day's midnight.
        function test_datePicker_roundTripsInBothCalendars() {
            var picker = createTemporaryObject(datePickerComponent, testCase)
            var failures = []
            var start = new Date(1921, 2, 21, 12).getTime()
            for (var k = 0; k < 2000; ++k) {
                var date = new Date(start + k * 37 * 86400000)
                // The year wheel ends at 2100.
                if (date.getFullYear() > 2100)
                    break
                var midnight = localMidnight(date.getFullYear(), date.getMonth() + 1, date.getDate())
                for (var c = 0; c < 2; ++c) {
                    picker.isJalali = c === 0
                    picker.selectedDate = date.getTime()
                    picker.init()
                    if (picker.getSelectedDate() !== midnight)
                        failures.push((picker.isJalali ? "jalali " : "gregorian ") + date.toDateString())
                }
            }
            compare(failures.slice(0, 5), [])
        }

        function test_datePicker_wheelTexts() {
            var picker = createTemporaryObject(datePickerComponent, testCase)
            compare(picker.formatText(8), "09")
            compare(picker.formatText(0), "01")
            compare(picker.formatText(11), "12")
            compare(picker.formatText(1397), "1398")
            compare(picker.dialogTitle, "انتخاب تاریخ")
            compare(picker.negativeText, "منصــرف شدم")
        }

        // ---- TimePicker ----

        function test_timePicker() {
            var picker = createTemporaryObject(timePickerComponent, testCase, { selectedHour: 9, selectedMinute: 5 })
            var positive = spyOn(picker, "positiveClicked")
            compare(picker.formatText(9), "09")
            compare(picker.formatText(23), "23")
            openPicker(picker)
            compare(picker.getSelectedTime(), "09:05")
            compare([centredText(picker.hourWheel), centredText(picker.minuteWheel)], ["09", "05"])
            picker.hourWheel.currentIndex = 23
            picker.minuteWheel.currentIndex = 59
            compare(picker.getSelectedHour(), 23)
            compare(picker.getSelectedMinute(), 59)
            compare(picker.getSelectedTime(), "23:59")
            mouseClick(buttonWithText(picker, picker.positiveText))
            compare(positive.count, 1)
            verify(picker.opened)
            picker.dismiss()
            tryCompare(picker, "visible", false)
            // The page reads the time through the functions; the wheels restart from the kept values.
            openPicker(picker)
            compare(picker.getSelectedTime(), "09:05")
        }

        function test_timePicker_defaultsToAValidHour() {
            var picker = createTemporaryObject(timePickerComponent, testCase)
            verify(picker.selectedHour >= 0 && picker.selectedHour < 24, picker.selectedHour)
            verify(picker.selectedMinute >= 0 && picker.selectedMinute < 60, picker.selectedMinute)
            compare(picker.dialogTitle, "انتخاب زمان")
        }
    }
}
