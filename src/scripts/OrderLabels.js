// The texts and colours the order and transaction tables show for the service's codes.
.import "Colors.js" as Colors
.import "Utility.js" as Utility

var orderTypes = {
    "CHARGE_WALLET": "شارژ کیف پول",
    "BUY_PLAN": "خرید پلن",
    "BUY_PACKAGE": "خرید آرشیو فایل",
    "UPGRADE_PLAN": "خرید کاربر",
    "RENEW_PLAN": "تمدید پلن"
}

// Orders name their status, transactions number it; both mean the same four states.
var orderStatuses = ["pendingPayment", "completed", "canceled", "refunded"]
var statusTexts = ["پرداخت نشده", "تکمیل شده", "لغو شده", "مسترد شده"]
var statusColors = [Colors.coolRed, Colors.appGreen, Colors.appOrange, Colors.primary]

// An unknown kind has no text.
function orderType(type) {
    return orderTypes.hasOwnProperty(type) ? orderTypes[type] : ""
}

function paymentGateway(gateway) {
    if (gateway === "WALLET")
        return "کسر از کیف پول"
    if (gateway === "GIFTCODE")
        return "کد تخفیف"
    if (gateway === "OFFLINE")
        return "شارژ توسط پشتیبان"
    return "پرداخت آنلاین"
}

// The state number of an order's status text or a transaction's status; -1 for an unknown one.
function statusIndex(status) {
    if (typeof status === "number")
        return status >= 0 && status < statusTexts.length && status === Math.floor(status) ? status : -1
    return orderStatuses.indexOf(String(status))
}

function statusText(status) {
    var index = statusIndex(status)
    return index >= 0 ? statusTexts[index] : "-"
}

function statusColor(status) {
    var index = statusIndex(status)
    return index >= 0 ? statusColors[index] : Colors.mediumGrey
}

// A value the service may leave out (null, missing or empty) as "-".
function orDash(value) {
    return value === undefined || value === null || String(value) === "" ? "-" : String(value)
}

// A sum of toman with its thousands grouped.
function money(amount) {
    var number = Number(amount)
    if (amount === undefined || amount === null || !isFinite(number))
        return "-"
    return Utility.putComma(String(number)) + " تومان"
}
