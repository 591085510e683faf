import QtQuick 2.15
import QtQuick.Controls 2.15
import AppUtility 1.0
import "qrc:/src/dialogs"

// Stands in for the main window and the main page around the file list: the members the list and
// the request layer reach by name, a manager signed in at the stand-in service, and the list paged
// to its 5,000th row, one page after the rows of the last one are laid out (`listRun`).
ApplicationWindow {
    id: appWindow

    property bool rightToLeft: true
    property bool isLogin: true
    // The program logs every reply; here that would only measure the terminal.
    property bool showLog: false
    property string apiToken: ""
    property var userData: ({})
    property var appData: ({})
    property string selectedMenu: ""
    property var fileList: null

    signal sectionUnavailable(string key)

    function saveUserData() {}

    function post(route, form, token, done) {
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState !== XMLHttpRequest.DONE)
                return
            try {
                var reply = JSON.parse(request.responseText)
                if (reply.ok !== true)
                    throw new Error(route + ": " + request.responseText)
                done(reply.result)
            } catch (e) {
                listRun.fail(String(e))
            }
        }
        request.open("POST", serviceConfig.apiBaseUrl + "v1/" + route)
        request.setRequestHeader("Content-Type", "application/x-www-form-urlencoded")
        if (token)
            request.setRequestHeader("Authorization", "Bearer " + token)
        var pairs = []
        for (var key in form)
            pairs.push(encodeURIComponent(key) + "=" + encodeURIComponent(form[key]))
        request.send(pairs.join("&"))
    }

    function findNamed(item, name) {
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findNamed(item.children[i], name)
            if (found)
                return found
        }
        return null
    }

    function signInAndList() {
        var form = { platform: "desktop", os: Qt.platform.os, deviceId: "file-list-bench", osVersion: "bench",
                     appVersion: "2.1.0.0", username: "09151234567" }
        post("login/officeMan", form, "", function () {
            form.verificationCode = "1234"
            post("login/officeMan", form, "", function (signedIn) {
                post("getMe", {}, signedIn.token.token, function (me) {
                    post("options/searchOptions", {}, signedIn.token.token, function (options) {
                        var all = options.sysOpt && options.sysOpt.data ? options.sysOpt.data : []
                        for (var i = 0; i < all.length; ++i) {
                            if (all[i].key === "URLS")
                                appData.fileImagesUrl = all[i].value.propertyImagesBaseUrl
                        }
                        apiToken = signedIn.token.token
                        userData = { systemRole: me.user.systemRole, _id: me.user._id, apiToken: apiToken,
                                     refreshToken: signedIn.token.refreshToken, office: { _id: me.user.officeId } }
                        var page = mainStack.push("qrc:/src/pages/FileList.qml", {
                            query: { page: 1, count: 100, condition: true, searchOperator: "and", status: 1,
                                     sortBy: "created_at", sortDirection: -1, dealType: -1 }
                        })
                        fileList = findNamed(page, "fileList")
                        fileList.countChanged.connect(function () { listRun.pageTaken(fileList.count) })
                        page.loadingChanged.connect(function () {
                            if (!page.loading && !page.loadMore)
                                listRun.fail("the list stopped paging at " + fileList.count + " rows")
                        })
                    })
                })
            })
        })
    }

    width: 1280
    height: 800
    visible: true
    LayoutMirroring.enabled: rightToLeft
    LayoutMirroring.childrenInherit: true

    Component.onCompleted: signInAndList()

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    AppUtility { id: appUtility }
    Toast { id: toast }
    Loading { id: dialogLoading }
    Item { id: appStack }

    StackView {
        id: mainStack

        anchors.fill: parent
    }

    Connections {
        target: listRun

        function onLaidOut(rows) {
            if (rows >= 5000)
                listRun.finished()
            else
                appWindow.fileList.positionViewAtEnd()
        }
    }

    Connections {
        target: toast

        function onOpened() {
            listRun.fail("the list stopped with a notice to the user")
        }
    }
}
