// Persian (Jalali) calendar arithmetic and date texts. Months are 1-based throughout; a date is a
// three-element array [year, month, day]. The conversions use the 33-year arithmetic cycle, the same
// rule `dayInMonth` uses for Esfand, so converting there and back always lands on the same day.

var weekDayNames = ["شنبه", "یکشنبه", "دوشنبه", "سه شنبه", "چهارشنبه", "پنج شنبه", "جمعه"]
var monthNames = ["فروردین", "اردیبهشت", "خرداد", "تیر", "مرداد", "شهریور",
                  "مهر", "آبان", "آذر", "دی", "بهمن", "اسفند"]

var justNow = "همین لحظه"

// Integer division that truncates towards zero, as the conversions are defined with.
function div(a, b) {
    return Math.trunc(a / b)
}

// The parts of a date may arrive as text (from an input or a record); they are read as numbers,
// never joined as text.
function gregorian_to_jalali(gy, gm, gd) {
    gy = Number(gy)
    gm = Number(gm)
    gd = Number(gd)
    var daysBeforeMonth = [0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334]
    var jy
    if (gy <= 1600) {
        jy = 0
        gy -= 621
    } else {
        jy = 979
        gy -= 1600
    }
    var leapYear = gm > 2 ? gy + 1 : gy
    var days = 365 * gy + div(leapYear + 3, 4) - div(leapYear + 99, 100) + div(leapYear + 399, 400)
            - 80 + gd + daysBeforeMonth[gm - 1]
    jy += 33 * div(days, 12053)
    days %= 12053
    jy += 4 * div(days, 1461)
    days %= 1461
    jy += div(days - 1, 365)
    if (days > 365)
        days = (days - 1) % 365
    var jm, jd
    if (days < 186) {
        jm = 1 + div(days, 31)
        jd = 1 + days % 31
    } else {
        jm = 7 + div(days - 186, 30)
        jd = 1 + (days - 186) % 30
    }
    return [jy, jm, jd]
}

function jalali_to_gregorian(jy, jm, jd) {
    jy = Number(jy)
    jm = Number(jm)
    jd = Number(jd)
    var gy
    if (jy <= 979) {
        gy = 621
    } else {
        gy = 1600
        jy -= 979
    }
    var days = 365 * jy + 8 * div(jy, 33) + div(jy % 33 + 3, 4) + 78 + jd
            + (jm < 7 ? (jm - 1) * 31 : (jm - 7) * 30 + 186)
    gy += 400 * div(days, 146097)
    days %= 146097
    if (days > 36524) {
        days -= 1
        gy += 100 * div(days, 36524)
        days %= 36524
        if (days >= 365)
            days += 1
    }
    gy += 4 * div(days, 1461)
    days %= 1461
    gy += div(days - 1, 365)
    if (days > 365)
        days = (days - 1) % 365
    var gd = days + 1
    var february = ((gy % 4 === 0 && gy % 100 !== 0) || gy % 400 === 0) ? 29 : 28
    var monthLengths = [0, 31, february, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    var gm = 0
    while (gm < 13 && gd > monthLengths[gm]) {
        gd -= monthLengths[gm]
        ++gm
    }
    return [gy, gm, gd]
}

function today() {
    var now = new Date()
    return gregorian_to_jalali(now.getFullYear(), now.getMonth() + 1, now.getDate())
}

function todayString(jalali) {
    return dateString(new Date(), jalali)
}

// "" for a missing date or one that is not a valid moment.
function dateString(date, jalali) {
    if (!date || typeof date.getTime !== "function" || isNaN(date.getTime()))
        return ""
    var y = date.getFullYear(), m = date.getMonth() + 1, d = date.getDate()
    if (jalali) {
        var j = gregorian_to_jalali(y, m, d)
        return formatDate(j[0], j[1], j[2], true)
    }
    return formatDate(y, m, d, false)
}

// The Jalali date and the time of day, "1405/09/17 - 18:04"; "" like dateString.
function dateTimeString(date) {
    var day = dateString(date, true)
    if (day === "")
        return ""
    return day + " - " + format(date.getHours()) + ":" + format(date.getMinutes())
}

function formatDate(y, m, d, isJalali, seperator) {
    var separator = seperator !== undefined ? seperator : (isJalali ? "/" : "-")
    return y + separator + format(m) + separator + format(d)
}

// Day first, as the service expects dates in its queries.
function sendDate(y, m, d, isJalali, seperator) {
    var separator = seperator !== undefined ? seperator : (isJalali ? "/" : "-")
    return format(d) + separator + format(m) + separator + y
}

function format(text) {
    return text < 10 ? "0" + text : text
}

function time() {
    var now = new Date()
    return format(now.getHours()) + " : " + format(now.getMinutes())
}

function dayInMonth(year, month) {
    if (month < 1)
        return -1
    if (month <= 6)
        return 31
    if (month <= 11)
        return 30
    var cycleYear = year % 33
    return [1, 5, 9, 13, 17, 22, 26, 30].indexOf(cycleYear) >= 0 ? 30 : 29
}

function gDaysInMonth(month, year) {
    return new Date(year, month, 0).getDate()
}

// Saturday 0 … Friday 6. Counted on the UTC calendar so that years below 100 and clock changes
// cannot shift the day.
function dayNumber(jy, jm, jd) {
    var g = jalali_to_gregorian(jy, jm, jd)
    var date = new Date(0)
    date.setUTCFullYear(g[0], g[1] - 1, g[2])
    return (date.getUTCDay() + 1) % 7
}

function dayName(i) {
    if (i >= 0 && i <= 6 && i === Math.floor(i))
        return weekDayNames[i]
    return undefined
}

function dayOfWeek(jy, jm, jd) {
    return dayName(dayNumber(jy, jm, jd))
}

function monthName(i) {
    if (i >= 1 && i <= 12 && i === Math.floor(i))
        return monthNames[i - 1]
    return undefined
}

// How long ago a moment (seconds since 1970) was. Weeks give way to months once four weeks and two
// days have passed, so "4 weeks" covers days 28 and 29 and day 30 is "1 month".
function getTimeText(miliseconds) {
    var text
    try {
        var difference = Date.now() - miliseconds * 1000
        if (isNaN(difference))
            throw new TypeError("not a moment")
        // A moment in the future (clock skew) and one in the last second alike read "just now".
        if (difference < 1000)
            return justNow
        var t = difference / 1000
        var seconds = Math.floor(t % 60)
        t /= 60
        var minutes = Math.floor(t % 60)
        t /= 60
        var hours = Math.floor(t % 24)
        t /= 24
        var days = Math.floor(t % 7)
        t /= 7
        var weeks = Math.floor(t)
        var months = 0
        if ((weeks === 4 && days >= 2) || weeks > 4) {
            t *= 7
            days = Math.floor(t % 30)
            months = Math.floor(t / 30)
            weeks = 0
        }
        if (months)
            text = tr("%1 ماه گذشته", "%1 ماه گذشته", months)
        else if (weeks)
            text = tr("%1 هفته گذشته", "%1 هفته گذشته", weeks)
        else if (days)
            text = tr("%1 روز گذشته", "%1 روز گذشته", days)
        else if (hours)
            text = tr("%1 ساعت گذشته", "%1 ساعت گذشته", hours)
        else if (minutes)
            text = tr("%1 دقیقه گذشته", "%1 دقیقه گذشته", minutes)
        else
            text = tr("%1 ثانیه گذشته", "%1 ثانیه گذشته", seconds)
    } catch (error) {
        console.log("getTimeText: " + miliseconds)
    }
    // A label bound to this shows nothing rather than "undefined" for a moment it cannot read.
    return text === undefined ? "" : text
}

function tr(singular, plural, digit) {
    return (digit > 1 ? plural : singular).replace("%1", digit)
}
