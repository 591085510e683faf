import QtQuick 2.15
import QtTest 1.15
import "qrc:/src/scripts/DateUtility.js" as DateUtility

// The Persian calendar library: conversions both ways against each other and against known
// dates, month lengths over the 33-year cycle, weekday and month names, date texts and the
// how-long-ago texts at every unit boundary.
TestCase {
    id: testCase

    name: "ScriptDates"

    readonly property int dayMs: 24 * 60 * 60 * 1000

    // Days since 1970 of a Gregorian triple, independent of the library and of the local zone.
    function epochDay(g) {
        var date = new Date(0)
        date.setUTCFullYear(g[0], g[1] - 1, g[2])
        return Math.round(date.getTime() / dayMs)
    }

    function test_everyDayOfYears1300To1500RoundTrips() {
        var failures = []
        var previous = epochDay(DateUtility.jalali_to_gregorian(1299, 12, 29))
        var days = 0
        for (var jy = 1300; jy <= 1500; ++jy) {
            for (var jm = 1; jm <= 12; ++jm) {
                var length = DateUtility.dayInMonth(jy, jm)
                for (var jd = 1; jd <= length; ++jd) {
                    var g = DateUtility.jalali_to_gregorian(jy, jm, jd)
                    var back = DateUtility.gregorian_to_jalali(g[0], g[1], g[2])
                    var day = epochDay(g)
                    // Consecutive Jalali days must be consecutive Gregorian days, and a valid
                    // Gregorian date (the triple as written) at that.
                    if (back[0] !== jy || back[1] !== jm || back[2] !== jd || day !== previous + 1
                            || g[2] > DateUtility.gDaysInMonth(g[1], g[0]) || g[2] < 1)
                        failures.push([jy, jm, jd].join("/") + " -> " + g.join("-") + " -> " + back.join("/"))
                    previous = day
                    ++days
                }
            }
        }
        compare(failures.slice(0, 5), [])
        // 201 years of the 33-year cycle: 365 days each plus the leap days.
        compare(days, epochDay(DateUtility.jalali_to_gregorian(1501, 1, 1))
                - epochDay(DateUtility.jalali_to_gregorian(1300, 1, 1)))
        compare(previous + 1, epochDay(DateUtility.jalali_to_gregorian(1501, 1, 1)))
    }

    function test_nowruz_data() {
        return [
            { tag: "1300", jy: 1300, g: [1921, 3, 21] },
            { tag: "1354", jy: 1354, g: [1975, 3, 21] },
            { tag: "1358", jy: 1358, g: [1979, 3, 21] },
            { tag: "1375", jy: 1375, g: [1996, 3, 20] },
            { tag: "1395", jy: 1395, g: [2016, 3, 20] },
            { tag: "1398", jy: 1398, g: [2019, 3, 21] },
            { tag: "1399", jy: 1399, g: [2020, 3, 20] },
            { tag: "1400", jy: 1400, g: [2021, 3, 21] },
            { tag: "1403", jy: 1403, g: [2024, 3, 20] },
            { tag: "1404", jy: 1404, g: [2025, 3, 21] }
        ]
    }

    function test_nowruz(data) {
        compare(DateUtility.jalali_to_gregorian(data.jy, 1, 1), data.g)
        compare(DateUtility.gregorian_to_jalali(data.g[0], data.g[1], data.g[2]), [data.jy, 1, 1])
    }

    function test_knownDates() {
        compare(DateUtility.gregorian_to_jalali(2019, 3, 21), [1398, 1, 1])
        compare(DateUtility.jalali_to_gregorian(1398, 1, 1), [2019, 3, 21])
        compare(DateUtility.jalali_to_gregorian(1399, 12, 30), [2021, 3, 20])
        compare(DateUtility.gregorian_to_jalali(2020, 2, 29), [1398, 12, 10])
        compare(DateUtility.gregorian_to_jalali(2000, 1, 1), [1378, 10, 11])
        compare(DateUtility.gregorian_to_jalali(1979, 2, 11), [1357, 11, 22])
        compare(DateUtility.jalali_to_gregorian(1403, 12, 30), [2025, 3, 20])
    }

    // Leap years of one whole cycle (1387-1419): Esfand has 30 days exactly in the eight cycle
    // years, and the day after its last day is the next Nowruz.
    function test_leapYearsOfTheCycle() {
        var leap = []
        for (var jy = 1387; jy < 1387 + 33; ++jy) {
            var esfand = DateUtility.dayInMonth(jy, 12)
            if (esfand === 30)
                leap.push(jy)
            else
                compare(esfand, 29, jy)
            compare(epochDay(DateUtility.jalali_to_gregorian(jy, 12, esfand)) + 1,
                    epochDay(DateUtility.jalali_to_gregorian(jy + 1, 1, 1)), "end of " + jy)
        }
        compare(leap, [1387, 1391, 1395, 1399, 1403, 1408, 1412, 1416])
        compare(DateUtility.dayInMonth(1399, 12), 30)
        compare(DateUtility.dayInMonth(1398, 12), 29)
    }

    function test_monthLengths() {
        for (var m = 1; m <= 6; ++m)
            compare(DateUtility.dayInMonth(1398, m), 31, "month " + m)
        for (m = 7; m <= 11; ++m)
            compare(DateUtility.dayInMonth(1398, m), 30, "month " + m)
        compare(DateUtility.dayInMonth(1398, 0), -1)
        compare(DateUtility.gDaysInMonth(2, 2020), 29)
        compare(DateUtility.gDaysInMonth(2, 2019), 28)
        compare(DateUtility.gDaysInMonth(2, 1900), 28)
        compare(DateUtility.gDaysInMonth(2, 2000), 29)
        compare(DateUtility.gDaysInMonth(12, 2019), 31)
        compare(DateUtility.gDaysInMonth(4, 2019), 30)
    }

    function test_weekdaysAndNames() {
        compare(DateUtility.dayNumber(1398, 1, 1), 5)
        compare(DateUtility.dayOfWeek(1398, 1, 1), "پنج شنبه")
        // 1 Farvardin 1400 was a Sunday, 1 Farvardin 1403 a Wednesday.
        compare(DateUtility.dayNumber(1400, 1, 1), 1)
        compare(DateUtility.dayNumber(1403, 1, 1), 4)
        // Seven consecutive days give each weekday once, Saturday first.
        var names = []
        for (var d = 3; d < 10; ++d)
            names.push(DateUtility.dayOfWeek(1398, 1, d))
        compare(names, ["شنبه", "یکشنبه", "دوشنبه", "سه شنبه", "چهارشنبه", "پنج شنبه", "جمعه"])
        compare(DateUtility.dayName(7), undefined)
        compare(DateUtility.dayName(-1), undefined)
        compare(DateUtility.monthName(1), "فروردین")
        compare(DateUtility.monthName(12), "اسفند")
        compare(DateUtility.monthName(0), undefined)
        compare(DateUtility.monthName(13), undefined)
    }

    // Parts of a date that come as text (an input, a record) are numbers all the same.
    function test_conversionsReadTextAsNumbers() {
        compare(DateUtility.jalali_to_gregorian("1398", "1", "1"), [2019, 3, 21])
        compare(DateUtility.jalali_to_gregorian("1399", "12", "30"), [2021, 3, 20])
        compare(DateUtility.gregorian_to_jalali("2019", "3", "21"), [1398, 1, 1])
        compare(DateUtility.gregorian_to_jalali("2024", "03", "20"), [1403, 1, 1])
        compare(DateUtility.dayNumber("1398", "1", "1"), 5)
    }

    function test_dateTexts() {
        compare(DateUtility.formatDate(1398, 1, 5, true), "1398/01/05")
        compare(DateUtility.formatDate(2019, 12, 25, false), "2019-12-25")
        compare(DateUtility.formatDate(1398, 10, 5, true, "."), "1398.10.05")
        compare(DateUtility.sendDate(1398, 1, 5, false), "05-01-1398")
        compare(DateUtility.sendDate(1398, 1, 5, true), "05/01/1398")
        compare(DateUtility.format(9), "09")
        compare(DateUtility.format(10), 10)
        var nowruz = new Date(2019, 2, 21, 23, 30)
        compare(DateUtility.dateString(nowruz, true), "1398/01/01")
        compare(DateUtility.dateString(nowruz, false), "2019-03-21")
        // Nothing to show for a missing or unreadable date.
        compare(DateUtility.dateString(undefined, true), "")
        compare(DateUtility.dateString(null, false), "")
        compare(DateUtility.dateString(new Date(NaN), true), "")
        verify(/^\d\d : \d\d$/.test(DateUtility.time()), DateUtility.time())
    }

    function test_today() {
        var before = new Date()
        var today = DateUtility.today()
        var after = new Date()
        // Unless the test ran across midnight, today is the conversion of the clock's date.
        if (before.getDate() === after.getDate()) {
            compare(today, DateUtility.gregorian_to_jalali(after.getFullYear(), after.getMonth() + 1, after.getDate()))
            compare(DateUtility.todayString(true), DateUtility.formatDate(today[0], today[1], today[2], true))
            compare(DateUtility.todayString(false), DateUtility.formatDate(after.getFullYear(), after.getMonth() + 1, after.getDate(), false))
        }
    }

    function test_tr() {
        compare(DateUtility.tr("%1 روز", "%1 روزها", 1), "1 روز")
        compare(DateUtility.tr("%1 روز", "%1 روزها", 2), "2 روزها")
    }

    // Seconds ago, chosen half a second inside each unit so that the time the test takes cannot
    // carry a case across a boundary.
    function test_timeText_data() {
        var minute = 60, hour = 3600, day = 86400
        return [
            { tag: "future", ago: -100, expected: "همین لحظه" },
            { tag: "under a second", ago: 0.5, expected: "همین لحظه" },
            { tag: "one second", ago: 1.5, expected: "1 ثانیه گذشته" },
            { tag: "last second of a minute", ago: 59.5, expected: "59 ثانیه گذشته" },
            { tag: "one minute", ago: 60.5, expected: "1 دقیقه گذشته" },
            { tag: "90 seconds", ago: 90, expected: "1 دقیقه گذشته" },
            { tag: "last minute of an hour", ago: hour - 0.5, expected: "59 دقیقه گذشته" },
            { tag: "one hour", ago: hour + 0.5, expected: "1 ساعت گذشته" },
            { tag: "last hour of a day", ago: day - 0.5, expected: "23 ساعت گذشته" },
            { tag: "one day", ago: day + 0.5, expected: "1 روز گذشته" },
            { tag: "six days", ago: 7 * day - 0.5, expected: "6 روز گذشته" },
            { tag: "one week", ago: 7 * day + 0.5, expected: "1 هفته گذشته" },
            { tag: "16 days", ago: 16 * day, expected: "2 هفته گذشته" },
            { tag: "27 days", ago: 27 * day, expected: "3 هفته گذشته" },
            { tag: "29 days", ago: 30 * day - 0.5, expected: "4 هفته گذشته" },
            { tag: "30 days", ago: 30 * day + 0.5, expected: "1 ماه گذشته" },
            { tag: "59 days", ago: 60 * day - 0.5, expected: "1 ماه گذشته" },
            { tag: "60 days", ago: 60 * day + 0.5, expected: "2 ماه گذشته" },
            { tag: "a year", ago: 365 * day, expected: "12 ماه گذشته" }
        ]
    }

    function test_timeText(data) {
        compare(DateUtility.getTimeText(Date.now() / 1000 - data.ago), data.expected)
    }

    function test_timeTextOfNoMomentIsEmpty() {
        compare(DateUtility.getTimeText(undefined), "")
        compare(DateUtility.getTimeText("yesterday"), "")
    }
}
