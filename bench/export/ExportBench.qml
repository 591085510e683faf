import QtQuick 2.15
import QtQuick.Controls 2.15
import AppUtility 1.0
import "qrc:/src/dialogs"

// Stands in for the main window around the export dialog: the members the dialog and the
// request layer reach by name, a manager signed in at the stand-in service, and one export run
// whose time goes back to the host (`exportRun`).
ApplicationWindow {
    id: appWindow

    property bool rightToLeft: true
    property bool isLogin: true
    // The program logs every reply; here that would only measure the terminal.
    property bool showLog: false
    property string apiToken: ""
    property var userData: ({})
    property var appData: ({})
    property double startedAt: 0

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
                exportRun.fail(String(e))
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

    function signInAndExport() {
        var form = { platform: "desktop", os: Qt.platform.os, deviceId: "export-bench", osVersion: "bench",
                     appVersion: "2.1.0.0", username: "09151234567" }
        post("login/officeMan", form, "", function () {
            form.verificationCode = "1234"
            post("login/officeMan", form, "", function (signedIn) {
                post("getMe", {}, signedIn.token.token, function (me) {
                    apiToken = signedIn.token.token
                    userData = { systemRole: me.user.systemRole, apiToken: apiToken,
                                 refreshToken: signedIn.token.refreshToken }
                    // The schema database is built when the dialog is made, as in the program
                    // (the main page holds the dialog from its start).
                    excelDialog.filePath = exportRun.outputPath
                    startedAt = Date.now()
                    exportRun.started()
                    excelDialog.initial()
                })
            })
        })
    }

    width: 800
    height: 600
    visible: true

    Component.onCompleted: signInAndExport()

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: bebas; source: "qrc:/rss/fonts/BebasNeue-Regular.otf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    AppUtility { id: appUtility }
    Toast { id: toast }
    Loading { id: dialogLoading }
    Item { id: appStack }

    ExcelDialog {
        id: excelDialog

        onIsDoneChanged: {
            if (isDone)
                exportRun.finished(Date.now() - appWindow.startedAt, filesWritten)
        }
        onSaveFailedChanged: {
            if (saveFailed)
                exportRun.fail("the workbook could not be saved")
        }
    }

    Connections {
        target: toast

        function onOpened() {
            if (!excelDialog.isDone)
                exportRun.fail("the export stopped with a notice to the user")
        }
    }
}
