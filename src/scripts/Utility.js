// General helpers shared by the documents: request parameters, money texts, short number texts,
// list surgery, view creation, hand-offs to other programs and the Android permission chain. No
// state lives here; every importing document evaluates its own copy, and `Qt`, `toast`,
// `appUtility` and `console` are the importer's.

// Pixel sizes of text.
var TextSize = {
    xSmall: 8,
    small: 10,
    medium: 12,
    normal: 14,
    large: 16,
    XLarge: 18
}

// Pixel sizes of icon glyphs.
var IconSize = {
    xSmall: 12,
    small: 14,
    medium: 16,
    normal: 18,
    large: 22,
    XLarge: 24,
    XXLarge: 28,
    XXXLarge: 35
}

// Persian (U+06F0-U+06F9) and Arabic-Indic (U+0660-U+0669) digits as 0-9; anything else as it is.
// The single-line inputs do this in their validator; this is for multi-line text and for numbers
// that arrive as text.
function latinDigits(text) {
    return String(text).replace(/[\u06F0-\u06F9\u0660-\u0669]/g, function (c) {
        var code = c.charCodeAt(0)
        return String(code >= 0x06F0 ? code - 0x06F0 : code - 0x0660)
    })
}

function getParameter(_key, _value) {
    return { key: _key, value: _value }
}

// Groups the integer part by three counted from the right; a sign stays in front and a fraction
// after the point is left as it is: -1234567.891 gives -1,234,567.891.
function putComma(currency) {
    if (!currency)
        return currency
    var text = removeCommas(String(currency))
    var sign = ""
    if (text.charAt(0) === "-" || text.charAt(0) === "+") {
        sign = text.charAt(0)
        text = text.substring(1)
    }
    var point = text.indexOf(".")
    var whole = point >= 0 ? text.substring(0, point) : text
    var fraction = point >= 0 ? text.substring(point) : ""
    var grouped = ""
    var taken = 0
    for (var i = whole.length - 1; i >= 0; --i) {
        if (taken > 0 && taken % 3 === 0)
            grouped = "," + grouped
        grouped = whole.charAt(i) + grouped
        ++taken
    }
    return sign + grouped + fraction
}

function removeCommas(currency) {
    return replaceAll(String(currency), ",", "")
}

function replaceAll(str, search, replacement) {
    return String(str).split(search).join(replacement)
}

// Cuts towards minus infinity, never rounds up: a shortened count must not claim more than it has.
function round(value, precision) {
    var factor = Math.pow(10, precision ? precision : 0)
    return Math.floor(value * factor) / factor
}

// A number, or a text of one in any of the digits users type, as a number; NaN for anything else.
function readNumber(value) {
    if (typeof value === "number")
        return value
    if (typeof value !== "string" || value.trim() === "")
        return NaN
    return Number(latinDigits(value))
}

// Counts of a thousand and more shortened with a letter; what is not a finite number comes back
// as it was given.
function getDigit(digit) {
    if (digit === undefined)
        return ""
    var value = readNumber(digit)
    if (!isFinite(value) || value < 1000)
        return digit
    return getDigitWithLetter(value, 1000)
}

function getDigitWithLetter(digit, min) {
    var value = readNumber(digit)
    if (!isFinite(value) || !(min > 0) || value < min)
        return digit
    while (value >= min * 1000 && isFinite(min * 1000))
        min *= 1000
    var letter = min === 1000 ? "K" : (min === 1000000 ? "M" : "B")
    return round(value / min, 1) + letter
}

// `keys` are positions in the array as it was before the call, so each one is shifted down by the
// number of smaller positions already spliced out.
function remove(array, keys) {
    var removed = []
    for (var i = 0; i < keys.length; ++i) {
        var key = keys[i]
        var index = key - checkRemoved(removed, key)
        removed.push(key)
        array.splice(index, 1)
    }
}

function checkRemoved(array, key) {
    var smaller = 0
    for (var i = 0; i < array.length; ++i) {
        if (array[i] < key)
            ++smaller
    }
    return smaller
}

function createView(view, parent, properties) {
    var component = Qt.createComponent(view)
    if (properties !== undefined)
        return component.createObject(parent, properties)
    return component.createObject()
}

// Keeps only the folders the given user belongs to (once per matching membership).
function find(office, currentUser) {
    var folders = []
    var all = office.folders || []
    for (var i = 0; i < all.length; ++i) {
        var users = all[i].users
        if (!users)
            continue
        for (var j = 0; j < users.length; ++j) {
            if (users[j]._id === currentUser._id)
                folders.push(all[i])
        }
    }
    office.folders = folders
}

// Hands a web page to the system's browser. Where nothing takes it (no browser, no desktop
// session) the user is told, and the address is put on the clipboard to be opened by hand.
// `title` names the page in the message ("صفحه پرداخت"). Returns whether the page was handed on.
function openLink(url, title) {
    if (Qt.openUrlExternally(url))
        return true
    appUtility.copyToClipboard(String(url))
    toast.show((title ? title : "صفحه") + " باز نشد؛ نشانی آن کپی شد تا در مرورگر باز کنید",
               toast.durationLong)
    return false
}

// Opens a saved file with the system's viewer; where none opens it, the user is told and the
// file's path is put on the clipboard.
function openFile(path) {
    if (Qt.openUrlExternally(appUtility.localPathToUrl(path)))
        return true
    appUtility.copyToClipboard(String(path))
    toast.show("فایل باز نشد؛ مسیر آن کپی شد: " + path, toast.durationLong)
    return false
}

function runOnDesktop() {
    return Qt.platform.os === "windows" || Qt.platform.os === "osx"
}

var permissionMessage = {
    fa: "برنامه برای عملکرد بهتر نیاز به این اجازه توسط شما دارد",
    en: "Application needs this permission to working correctly"
}

// Asks for each permission not yet held, one at a time; a refusal ends the program because the
// Android build cannot work without its storage and phone permissions.
function getPermissions(api, permissions, index) {
    if (index >= permissions.length) {
        api.destroy()
        return
    }
    var permission = permissions[index]
    if (api.checkPermission(permission)) {
        getPermissions(api, permissions, index + 1)
        return
    }
    var handler = function (granted) {
        // One answer per request: a handler left connected would also answer the next request.
        api.permissionResult.disconnect(handler)
        print("permission " + (granted ? "granted" : "denied"))
        if (granted) {
            getPermissions(api, permissions, index + 1)
        } else {
            toast.show(permissionMessage.fa, toast.durationShort)
            Qt.quit()
        }
    }
    api.permissionResult.connect(handler)
    api.requestPersmission(permission)
}
