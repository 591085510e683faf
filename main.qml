import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
// The pages folder holds a page named Settings too; the settings store imported after it is the
// one the window's `Settings` element means.
import "src/pages"
import AppSettings 1.0
import AppUtility 1.0
import "src/dialogs"
import "src/scripts/Colors.js" as Colors
import "src/scripts/Utility.js" as Utility

ApplicationWindow {
    id: appWindow

    property bool rightToLeft: true
    property bool isLogin: appSettings.isLogin
    property string apiToken: ""
    property var userData: appSettings.userData
    property var appData: appSettings.appData
    // Fixed when the program is built: on in development and test builds, off in the installed one.
    property bool showLog: requestLogging
    property int centerX: (Screen.desktopAvailableWidth - width) / 2
    property int centerY: (Screen.desktopAvailableHeight - height) / 2

    // A request of the request layer had no answer at all (nothing reachable, the connection
    // broken, or silence past the time-out).
    signal serviceUnreachable()

    function startApp() {
        isLogin = appSettings.boolValue("is_login", isLogin)
        userData = appSettings.value("user_data", userData)
        appData = appSettings.value("app_data", appData)
        apiToken = userData.apiToken !== undefined ? userData.apiToken : ""
        if (Qt.platform.os === "android") {
            var android = Utility.createView("../components/AndroidUtility.qml", appWindow, {})
            appData.deviceId = android.getAndroidId()
            android.destroy()
        } else {
            appData.deviceId = appUtility.deviceId()
        }
        appStack.push("src/pages/Splash.qml")
    }

    function saveUserData() {
        appSettings.setValue("is_login", isLogin)
        appSettings.setValue("user_data", userData)
        appSettings.setValue("app_data", appData)
    }

    // Asks for each Android permission not yet held, one after another; the program cannot work
    // without them, so a refusal ends it.
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
        // The program speaks Persian only; the English text is kept for a translated build.
        var language = "fa"
        var messages = {
            "fa": "برنامه برای عملکرد بهتر نیاز به این اجازه توسط شما دارد",
            "en": "Application needs this permission to working correctly"
        }
        var handler = function (granted) {
            api.permissionResult.disconnect(handler)
            console.log("permission " + (granted ? "granted" : "denied"))
            if (granted) {
                getPermissions(api, permissions, index + 1)
            } else {
                toast.show(messages[language], toast.durationShort)
                Qt.quit()
            }
        }
        api.permissionResult.connect(handler)
        api.requestPersmission(permission)
    }

    width: Screen.desktopAvailableWidth
    height: Screen.desktopAvailableHeight * 0.975
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    x: centerX
    visible: true
    title: qsTr("Norvela")

    LayoutMirroring.enabled: rightToLeft
    LayoutMirroring.childrenInherit: true

    Component.onCompleted: startApp()
    Component.onDestruction: saveUserData()

    FontLoader { id: iranSans; source: "./rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "./rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: mjDalal; source: "./rss/fonts/titr.ttf" }
    FontLoader { id: mjDalalText; source: "./rss/fonts/nazli.ttf" }
    FontLoader { id: bebas; source: "./rss/fonts/BebasNeue-Regular.otf" }
    FontLoader { id: materialDesign; source: "./rss/fonts/materialdesignicons-webfont.ttf" }

    Settings {
        id: appSettings

        property bool isLogin: false
        property var userData: ({})
        property var appData: ({})
    }

    AppUtility {
        id: appUtility
    }

    StackView {
        id: appStack

        objectName: "appStack"
        anchors.fill: parent
    }

    Loading {
        id: dialogLoading

        objectName: "dialogLoading"
    }

    Toast {
        id: toast

        objectName: "toast"
        backColor: Colors.gold
        textColor: Colors.black
    }

    Notification {
        id: notification

        property string openType: ""
        property var data
        property var user

        objectName: "notification"
    }

    onClosing: {
        close.accepted = false
        if (dialogLoading.visible) {
            dialogLoading.dismiss()
            return
        }
        if (toast.visible) {
            toast.dismiss()
            return
        }
        if (appStack.depth > 1) {
            appStack.pop()
            return
        }
        appUtility.clearTemp()
        close.accepted = true
    }
}
