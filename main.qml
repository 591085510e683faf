import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import AppSettings 1.0
import AppUtility 1.0

ApplicationWindow {
    id: appWindow

    property bool rightToLeft: true
    property bool isLogin: appSettings.isLogin
    property string apiToken: ""
    property var userData: appSettings.userData
    property var appData: appSettings.appData
    property bool showLog: true
    property int centerX: (Screen.desktopAvailableWidth - width) / 2
    property int centerY: (Screen.desktopAvailableHeight - height) / 2

    function startApp() {
        isLogin = appSettings.boolValue("is_login", isLogin)
        userData = appSettings.value("user_data", userData)
        appData = appSettings.value("app_data", appData)
        apiToken = userData.apiToken !== undefined ? userData.apiToken : ""
        appData.deviceId = appUtility.deviceId()
    }

    function saveUserData() {
        appSettings.setValue("is_login", isLogin)
        appSettings.setValue("user_data", userData)
        appSettings.setValue("app_data", appData)
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

        anchors.fill: parent
    }

    onClosing: {
        close.accepted = false
        if (appStack.depth > 1) {
            appStack.pop()
            return
        }
        appUtility.clearTemp()
        close.accepted = true
    }
}
