// The client's road to the service's JSON API. Imported by pages as `Api`; it keeps no state of
// its own and reaches the window's session members (apiToken, userData, appData, isLogin,
// showLog, saveUserData) and shared notices (dialogLoading, toast, appStack) by name when a call
// is made, so every importing document must live inside the main window's context.
.import "Utility.js" as Utility

var systemErrorText = "خطایی در سیستم رخ داد لطفا مجدد تلاش نمایید"
var refreshErrorText = "خطایی در اجرای برنامه بوجود آمد\nلطفا برنامه را بسته و مجددا باز نمایید"
var tokenExpiredError = "E_JWT_TOKEN_EXPIRED"
var deviceLimitCode = "DEVICE_LIMIT_REACHED"

// Values that must never reach the console in clear: the tokens that stand for a session and
// the credentials the user types.
var tokenKeys = ["token", "refreshToken", "apiToken", "refreshtoken"]
var credentialKeys = ["password", "newPassword", "rePassword", "verificationCode"]

function isSecretKey(key) {
    return tokenKeys.indexOf(String(key)) >= 0 || credentialKeys.indexOf(String(key)) >= 0
}

// A token keeps its last characters, so that a log still tells one token from the next; a typed
// credential keeps nothing.
function mask(value) {
    var text = value === undefined || value === null ? "" : String(value)
    if (text.length === 0)
        return text
    if (text.length >= 16)
        return "***" + text.substring(text.length - 4)
    return "***"
}

function maskValue(key, value) {
    if (credentialKeys.indexOf(String(key)) >= 0)
        return value === undefined || value === null || String(value).length === 0 ? "" : "***"
    return mask(value)
}

function maskJsonText(text) {
    try {
        var parsed = JSON.parse(text)
        if (parsed === null || typeof parsed !== "object")
            return text
        return JSON.stringify(parsed, function (key, value) {
            if (isSecretKey(key) && (typeof value === "string" || typeof value === "number"))
                return maskValue(key, value)
            return value
        })
    } catch (e) {
        return text
    }
}

function maskedFormText(parameters) {
    var pairs = []
    for (var i = 0; i < parameters.length; ++i) {
        var key = parameters[i].key
        var value = isSecretKey(key) ? maskValue(key, parameters[i].value) : encodeFormComponent(parameters[i].value)
        pairs.push(encodeFormComponent(key) + "=" + value)
    }
    return pairs.join("&")
}

// The window's members as they are when a call is made. The page that made the call may be gone
// by the time the answer comes, and with it the names it saw; the answer still has to dismiss
// the loading indicator, show its toast and update the session.
function windowMembers() {
    return {
        window: appWindow,
        loading: dialogLoading,
        toast: toast,
        stack: appStack,
        utility: appUtility,
        config: serviceConfig,
        splashPage: Qt.resolvedUrl("../pages/Splash.qml")
    }
}

// `text` may be a function that builds the line: masking a large reply costs a full parse, so
// it is done only when the line is printed.
function log(members, text) {
    if (members.window.showLog)
        console.log(typeof text === "function" ? text() : text)
}

function apiUrl(members, version, route) {
    return members.config.apiBaseUrl + version + "/" + route
}

// application/x-www-form-urlencoded: a password or name holding "&", "=", "+" or "%" must reach
// the service as typed. A space goes as "%20" rather than "+": decoders that keep a literal "+"
// read it right, and so do those that follow the form rules.
function encodeFormComponent(value) {
    var text = value === undefined || value === null ? "" : String(value)
    return encodeURIComponent(text).replace(/[!'()*]/g, function (c) {
        return "%" + c.charCodeAt(0).toString(16).toUpperCase()
    })
}

function formText(parameters) {
    var pairs = []
    var list = parameters || []
    for (var i = 0; i < list.length; ++i)
        pairs.push(encodeFormComponent(list[i].key) + "=" + encodeFormComponent(list[i].value))
    return pairs.join("&")
}

function hasToken(members) {
    var token = members.window.apiToken
    return token !== null && token !== undefined && token.length > 0
}

function showToast(members, text) {
    if (typeof text === "string" && text.length > 0)
        members.toast.show(text, members.toast.durationLong)
}

// The user-facing text of a refusal: the first of `messages`, else `message`.
function refusalText(response) {
    if (response.messages !== undefined && response.messages !== null)
        return response.messages.length > 0 ? response.messages[0] : ""
    return response.message
}

function isTokenExpired(response) {
    return response.error !== undefined && response.error !== null
            && String(response.error).indexOf(tokenExpiredError) >= 0
}

function sendRequest(method, route, callbackSuccess, callbackFail, parameters, showLoading) {
    send("form", method, route, callbackSuccess, callbackFail, parameters, showLoading, false)
}

function sendJsonRequest(method, route, callbackSuccess, callbackFail, params, showLoading) {
    send("json", method, route, callbackSuccess, callbackFail, params, showLoading, false)
}

// Every active zone of the service, for the zone pickers: `done(zones)` with the list (empty when
// the reply holds none), `failed()` when no list came. `showLoading` as for the calls above.
function searchZones(done, failed, showLoading) {
    sendJsonRequest("POST", "areas/searchAreas", function (result) {
        done(result && result.areas && Array.isArray(result.areas.data) ? result.areas.data : [])
    }, failed || function () {}, { page: 1, count: 100000000, condition: true, status: 1 }, showLoading)
}

function sendJsonRequestV2(method, route, callbackSuccess, callbackFail, params, showLoading) {
    send("json2", method, route, callbackSuccess, callbackFail, params, showLoading, false)
}

// No answer at all: nothing listens, the connection broke, or the service took the connection and
// said nothing within the time allowed. Reported like an unreadable reply, and announced on the
// window so that a page waiting for the service (the splash page) can try again.
function isUnanswered(status, text) {
    return status === 0 && (text === undefined || text === null || text.length === 0)
}

function announceUnreachable(members) {
    if (typeof members.window.serviceUnreachable === "function")
        members.window.serviceUnreachable()
}

// One request and its single outcome: `answered(status, text)` is called once, with the reply, or
// with status 0 and no text when none came. A request without an answer after
// `serviceConfig.requestTimeout` milliseconds is given up, so a service that accepts connections
// and never answers cannot keep the loading indicator up for good. `headers` is a list of
// [name, value] pairs, set in that order.
function exchange(members, method, url, headers, body, answered) {
    var request = new XMLHttpRequest()
    var over = false
    var deadline = Qt.createQmlObject("import QtQuick 2.15; Timer {}", members.window, "requestDeadline")
    var finish = function (status, text) {
        if (over)
            return
        over = true
        deadline.stop()
        deadline.destroy()
        answered(status, text)
    }
    deadline.interval = members.config.requestTimeout
    deadline.triggered.connect(function () {
        log(members, "No answer within " + deadline.interval + " ms: " + url)
        finish(0, "")
        // Its own notice of the end finds the exchange already over.
        request.abort()
    })
    request.onreadystatechange = function () {
        if (request.readyState === XMLHttpRequest.DONE)
            finish(request.status, request.responseText)
    }
    request.open(method, url, true)
    for (var i = 0; i < headers.length; ++i)
        request.setRequestHeader(headers[i][0], headers[i][1])
    deadline.start()
    request.send(body)
}

// `renewed` marks the repetition after a token renewal: a second expiry of the same call is
// reported as a failure instead of renewing again, so a service that keeps refusing a fresh
// token cannot drive the client into an endless renew-and-repeat loop.
function send(kind, method, route, callbackSuccess, callbackFail, params, showLoading, renewed) {
    var members = windowMembers()
    if (showLoading === undefined)
        members.loading.initial()

    var url = apiUrl(members, kind === "json2" ? "v2" : "v1", route)
    var body = kind === "form" ? formText(params) : JSON.stringify(params)
    log(members, "Url = " + url)
    log(members, function() {
        return "Params = " + (kind === "form" ? maskedFormText(params || []) : maskJsonText(body))
    })

    var headers = []
    if (kind === "form") {
        headers.push(["Content-Type", "application/x-www-form-urlencoded"])
    } else {
        headers.push(["accept", "application/json"])
        headers.push(["Content-Type", "application/json"])
    }
    if (hasToken(members)) {
        log(members, "token = " + mask(members.window.apiToken))
        headers.push(["Authorization", "Bearer " + members.window.apiToken])
    }
    // Asked for although the engine's request object keeps control of the connection header.
    headers.push(["Connection", "Close"])

    exchange(members, method, url, headers, body, function (status, text) {
        if (showLoading === undefined)
            members.loading.dismiss()
        log(members, function() {
            return "Response = " + maskJsonText(text) + " , status = " + status
        })
        try {
            var response = JSON.parse(text)
            if (response.ok === true) {
                // The reply itself too, for the few callers that show the service's messages.
                callbackSuccess(response.result, response)
                return
            }
            if (!renewed && isTokenExpired(response)) {
                renew(members, function () {
                    send(kind, method, route, callbackSuccess, callbackFail, params, showLoading, true)
                })
                return
            }
            if (kind === "form") {
                showToast(members, refusalText(response))
                if (callbackFail)
                    callbackFail(status, response)
            } else {
                if (kind === "json2")
                    console.log(JSON.stringify(response.error))
                if (callbackFail)
                    callbackFail(status, response)
                if (response.messages !== undefined && response.messages !== null && response.messages.length > 0)
                    showToast(members, response.messages[0])
            }
        } catch (e) {
            console.log(e)
            showToast(members, systemErrorText)
        }
        if (isUnanswered(status, text))
            announceUnreachable(members)
    })
}

// The device a sign-in or a token renewal speaks for, as form parameters; `extra`, an object of
// further keys and values (the user name, the code), follows them.
function deviceParameters(extra) {
    var members = windowMembers()
    var parameters = [Utility.getParameter("platform", "desktop"),
                      Utility.getParameter("os", Qt.platform.os),
                      Utility.getParameter("deviceId", members.window.appData.deviceId),
                      Utility.getParameter("osVersion", members.utility.osVersion()),
                      Utility.getParameter("appVersion", Qt.application.version)]
    for (var key in extra)
        parameters.push(Utility.getParameter(key, extra[key]))
    return parameters
}

// Signed out: back to a single page, the splash page, which leads on to the sign-in. The page
// that made the call may be among the pages taken off the stack.
function signOutToSplash(members) {
    members.window.isLogin = false
    members.window.saveUserData()
    members.stack.pop(null)
    members.stack.replace(members.splashPage)
}

function refreshToken(request) {
    renew(windowMembers(), request)
}

function renew(members, request) {
    var window = members.window
    members.loading.initial()
    var url = apiUrl(members, "v1", "login/" + window.userData.systemRole)
    var parameters = deviceParameters()
    log(members, "Url = " + url)
    log(members, "token = " + mask(window.userData.refreshToken))
    var headers = [["Content-Type", "application/x-www-form-urlencoded"],
                   ["refreshtoken", window.userData.refreshToken],
                   ["Connection", "Close"]]

    exchange(members, "POST", url, headers, formText(parameters), function (status, text) {
        members.loading.dismiss()
        log(members, function() {
            return "Response = " + maskJsonText(text) + " , status = " + status
        })
        // No answer says nothing about the session: it stays as it is and the call is not
        // repeated, as when the call itself finds the service unreachable.
        if (isUnanswered(status, text)) {
            showToast(members, systemErrorText)
            announceUnreachable(members)
            return
        }
        var renewed = false
        var deviceLimit = false
        try {
            var response = JSON.parse(text)
            if (response.ok === true) {
                window.userData.apiToken = response.result.token.token
                window.apiToken = response.result.token.token
                window.saveUserData()
                renewed = true
            } else {
                showToast(members, refusalText(response))
                deviceLimit = response.codeKey === deviceLimitCode
            }
        } catch (e) {
            window.isLogin = false
            window.saveUserData()
            console.log(e)
            if (String(e).indexOf("defined") < 0)
                showToast(members, refreshErrorText)
        }
        // Outside the guard above: a fault of the repeated call is that call's own, not a
        // reason to sign the user out.
        if (renewed)
            request()
        else if (deviceLimit)
            signOutToSplash(members)
    })
}
