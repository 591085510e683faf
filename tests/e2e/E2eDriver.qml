import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0
import "XlsxReader.js" as Xlsx

// Drives the real program in an end-to-end test: starts the main window, follows its page stack,
// types and clicks like a user, and talks to the stand-in service directly to prepare accounts
// and to check what the program did there.
Item {
    id: driver

    // The TestCase that runs the scenario (its waits and input events are used).
    property var test: null
    property var window: null
    property var stack: null
    // Names of the pages the stack has shown, in order.
    property var pagesSeen: []
    property var probe: null
    // Programs of earlier starts, hidden (see setAside).
    property var retired: []

    // "Login" for a page made from Login.qml.
    function pageName(item) {
        if (!item)
            return ""
        var text = String(item)
        var end = text.indexOf("_QML")
        if (end < 0)
            end = text.indexOf("(")
        return text.substring(0, end)
    }

    function currentPage() {
        return stack ? stack.currentItem : null
    }

    // Puts the running program aside, hidden, so that the next start is a fresh one. It is kept
    // until the scenario ends: destroyed now, the answers to its requests still out would reach
    // objects already gone.
    function setAside() {
        if (!window)
            return
        window.visible = false
        retired = retired.concat([window])
        window = null
        stack = null
    }

    // Closes the program, and every one set aside, at the end of a scenario.
    function quit() {
        setAside()
        for (var i = 0; i < retired.length; ++i)
            retired[i].destroy()
        retired = []
    }

    function launch() {
        var component = Qt.createComponent("qrc:/main.qml")
        test.compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        test.verify(window !== null)
        for (var i = 0; i < window.contentItem.children.length; ++i) {
            if (window.contentItem.children[i].objectName === "appStack")
                stack = window.contentItem.children[i]
        }
        test.verify(stack !== null)
        pagesSeen = [pageName(stack.currentItem)]
        stack.currentItemChanged.connect(function () {
            if (stack.currentItem)
                pagesSeen = pagesSeen.concat([pageName(stack.currentItem)])
        })
        test.tryCompare(window, "visible", true)
        // Keys go to the window that has the focus.
        window.requestActivate()
        test.tryCompare(window, "active", true)
    }

    function waitForPage(name, timeout) {
        test.tryVerify(function () { return pageName(currentPage()) === name && !stack.busy }, timeout || 10000,
                       "waiting for page " + name + ", seen: " + pagesSeen.join(" > "))
        return currentPage()
    }

    // The sign-in page, once its form has come to rest.
    function waitForSignIn() {
        var login = waitForPage("Login")
        settle(login.swipeView)
        return login
    }

    // A local file's URL, for the program's file choosers and for reading it back.
    function localUrl(path) {
        return nativeUtility.localPathToUrl(path)
    }

    // The device the program says it runs on.
    function deviceId() {
        return nativeUtility.deviceId()
    }

    // One of the window's own children (toast, dialogLoading, ...).
    function windowPart(name) {
        for (var i = 0; i < window.contentData.length; ++i) {
            if (window.contentData[i].objectName === name)
                return window.contentData[i]
        }
        test.fail("no " + name + " on the window")
    }

    // A page over the current one that reaches the window's members by name, as pages do.
    function pushProbe() {
        probe = stack.push(Qt.resolvedUrl("ProbePage.qml"))
        test.tryCompare(stack, "busy", false)
        return probe
    }

    // Takes the probe away again; the page history forgets it.
    function popProbe() {
        stack.pop()
        test.tryCompare(stack, "busy", false)
        pagesSeen = pagesSeen.slice(0, pagesSeen.length - 2)
        probe = null
    }

    function texts(item, found) {
        if (item.text !== undefined && typeof item.text === "string" && item.text.length > 1)
            found.push(item.text)
        for (var i = 0; i < item.children.length; ++i)
            texts(item.children[i], found)
        return found
    }

    // What the window's toast shows, "" when it is closed. `toastDialog` comes from a probe page.
    function toastText(toastDialog) {
        return toastDialog.visible ? texts(toastDialog.contentLayout, []).join("|") : ""
    }

    // Waits until a swipe view has come to rest on its current page.
    function settle(view) {
        test.tryVerify(function () {
            return view.currentItem && Math.abs(view.contentItem.contentX - view.currentItem.x) < 1
        }, 5000, "the page does not come to rest")
    }

    function click(item) {
        test.verify(item.visible, "clicking a hidden item")
        test.mouseClick(item)
    }

    function type(text) {
        for (var i = 0; i < text.length; ++i)
            test.keyClick(text.charAt(i))
    }

    // --- the service, spoken to directly -----------------------------------------------------

    function formBody(params) {
        var pairs = []
        for (var key in params)
            pairs.push(encodeURIComponent(key) + "=" + encodeURIComponent(params[key]))
        return pairs.join("&")
    }

    // Sends one request and waits for its answer; returns the parsed envelope.
    function service(route, params, options) {
        options = options || {}
        var answer = { done: false, reply: null, status: 0 }
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState !== XMLHttpRequest.DONE)
                return
            answer.status = request.status
            try {
                answer.reply = JSON.parse(request.responseText)
            } catch (e) {
                answer.reply = { ok: false, unreadable: request.responseText }
            }
            answer.done = true
        }
        request.open("POST", testService.origin + "/api/" + (options.version || "v1") + "/" + route)
        if (options.token)
            request.setRequestHeader("Authorization", "Bearer " + options.token)
        if (options.refreshToken)
            request.setRequestHeader("refreshtoken", options.refreshToken)
        if (options.json) {
            request.setRequestHeader("Content-Type", "application/json")
            request.send(JSON.stringify(params || {}))
        } else {
            request.setRequestHeader("Content-Type", "application/x-www-form-urlencoded")
            request.send(formBody(params || {}))
        }
        test.tryVerify(function () { return answer.done }, 10000, "no answer from " + route)
        return answer.reply
    }

    // The sheets of the workbook saved at `path`, read back from disk.
    function readWorkbook(path) {
        var answer = { done: false }
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState === XMLHttpRequest.DONE)
                answer.done = true
        }
        request.open("GET", localUrl(path))
        request.responseType = "arraybuffer"
        request.send()
        test.tryVerify(function () { return answer.done }, 10000)
        test.verify(request.response && request.response.byteLength > 0, "the workbook can be read")
        return Xlsx.readWorkbook(new Uint8Array(request.response))
    }

    // What the user does on the payment page a purchase opened: "pay" or "cancel".
    function answerPaymentPage(url, action) {
        var answer = { done: false, status: 0 }
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState === XMLHttpRequest.DONE) {
                answer.status = request.status
                answer.done = true
            }
        }
        request.open("POST", url)
        request.setRequestHeader("Content-Type", "application/x-www-form-urlencoded")
        request.send("action=" + action)
        test.tryVerify(function () { return answer.done }, 10000, "no answer from the payment page")
        test.compare(answer.status, 200, "the payment page took the " + action)
    }

    function expectOk(reply, what) {
        test.verify(reply && reply.ok === true, what + ": " + JSON.stringify(reply))
        return reply.result
    }

    function device(deviceId) {
        return { platform: "desktop", os: Qt.platform.os, deviceId: deviceId, osVersion: "test", appVersion: "2.1.0.0" }
    }

    function withDevice(params, deviceId) {
        var all = device(deviceId)
        for (var key in params)
            all[key] = params[key]
        return all
    }

    // Signs a manager in by code (the service sends the fixed code 1234); returns result.token.
    function managerSignIn(mobile, deviceId) {
        expectOk(service("login/officeMan", withDevice({ username: mobile }, deviceId)), "code request")
        var result = expectOk(service("login/officeMan", withDevice({ username: mobile, verificationCode: "1234" },
                                                                    deviceId)), "code confirmation")
        return result.token
    }

    function adviserSignIn(username, password, deviceId) {
        return expectOk(service("login/employee", withDevice({ username: username, password: password }, deviceId)),
                        "password sign-in").token
    }

    function me(token) {
        return expectOk(service("getMe", {}, { token: token }), "the current user").user
    }

    function office(token, role) {
        return expectOk(service((role || "officeMan") + "/office/getMyOffice", {}, { token: token }), "the office").office
    }

    // Listings as the given user sees them.
    function files(token, params, role) {
        return expectOk(service((role || "officeMan") + "/propertyFiles/searchMyPropertyFiles", params,
                                { json: true, token: token, version: "v2" }), "files").propertyFiles.data
    }

    function firstAreaId(token) {
        var result = expectOk(service("areas/searchAreas", { page: 1, count: 100000000, condition: true, status: 1 },
                                      { json: true, token: token }), "areas")
        return result.areas.data[0]._id
    }

    function createOffice(token, title) {
        return expectOk(service("officeMan/office/createOffice", {
            title: title,
            areaId: firstAreaId(token),
            address: "مشهد، بلوار وکیل‌آباد",
            location: { latitude: 36.3, longitude: 59.55 },
            phoneArray: ["05138000000"],
            mobileArray: ["09120000000"],
            website: ""
        }, { json: true, token: token }), "office creation").office
    }

    function folders(token, role) {
        return expectOk(service(role + "/folders/getMyFolders", {}, { json: true, token: token, version: "v2" }),
                        "folders").folders
    }

    AppUtility {
        id: nativeUtility
    }
}
