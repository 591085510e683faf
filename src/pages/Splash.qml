import QtQuick 2.15
import "../components"
import "../database"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The first page of every start: the logo for a moment, then either the sign-in or the
// restored session. While the service cannot be reached the page says so and tries again on its
// own, after pauses that grow to a few seconds, and offers to try at once; when the service
// answers, the start goes on where it stopped.
Rectangle {
    id: splashPage

    property alias session: session
    // Why the restore stopped: "" (it has not), "unreachable" or "refused".
    property string stalledBy: ""
    // A step is on its way to the service again.
    property bool retrying: false
    // Automatic tries since the start; each waits longer than the one before, up to the last pause.
    property int automaticTries: 0
    property var retryPauses: [1000, 2000, 3000, 5000]
    property alias retryButton: retryButton
    property alias retryTimer: retryTimer

    function goToNextPage() {
        if (!isLogin)
            appStack.replace("Login.qml")
        else
            getUserData()
    }

    function getUserData() { session.getUserData() }
    function getOptions() { session.getOptions() }
    function getOfficeData() { session.getOfficeData() }
    function addFolder(dealType) { session.addFolder(dealType) }

    function stall(reason) {
        stalledBy = reason
        retrying = false
        if (reason !== "unreachable")
            return
        retryTimer.interval = retryPauses[Math.min(automaticTries, retryPauses.length - 1)]
        retryTimer.restart()
    }

    function retry() {
        if (retrying)
            return
        retryTimer.stop()
        retrying = true
        session.retry()
    }

    color: Colors.white

    Component.onCompleted: startTimer.start()

    Item {
        id: logoBox

        anchors.centerIn: parent
        // With the notice under it the logo is smaller, and both are centred together, clear of
        // the footer.
        anchors.verticalCenterOffset: stalledNotice.visible
                                      ? -(stalledNotice.height + stalledNotice.anchors.topMargin) / 2 : 0
        width: parent.width * (stalledNotice.visible ? 0.4 : 0.6)
        height: logo.height

        Behavior on anchors.verticalCenterOffset {
            NumberAnimation { duration: 250; easing.type: Easing.InOutQuad }
        }
        Behavior on width {
            NumberAnimation { duration: 250; easing.type: Easing.InOutQuad }
        }

        Logo {
            id: logo

            width: parent.width
        }
    }

    Column {
        id: stalledNotice

        objectName: "stalledNotice"
        anchors.top: logoBox.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width * 0.5, 520)
        spacing: 12
        visible: splashPage.stalledBy !== ""

        IranSansText {
            objectName: "stalledText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: splashPage.stalledBy === "unreachable" ? "ارتباط با سرور برقرار نشد"
                                                         : "دریافت اطلاعات حساب کاربری با خطا مواجه شد"
            textSize: 16
            font.bold: true
            textColor: Colors.text
        }

        IranSansText {
            objectName: "retryText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: splashPage.retrying ? "در حال تلاش دوباره ..."
                                      : (splashPage.stalledBy === "unreachable"
                                         ? "برنامه به طور خودکار دوباره تلاش می کند" : "")
            visible: text !== ""
            textSize: 13
            textColor: Colors.mediumGrey
        }

        AppButton {
            id: retryButton

            objectName: "retryButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 180
            height: 42
            radius: 8
            color: Colors.primary
            hasIcon: true
            icon: MaterialIcons.refresh
            text: "تلاش مجدد"
            fontSize: 14
            iconSize: 16
            enabled: !splashPage.retrying
            onClicked: splashPage.retry()
        }
    }

    Footer {}

    FieldTable {
        id: field
    }

    SessionSetup {
        id: session

        fieldTable: field
        onRefused: splashPage.stall("refused")
    }

    // Only this page's requests are on their way while it is shown.
    Connections {
        target: appWindow

        function onServiceUnreachable() {
            splashPage.stall("unreachable")
        }
    }

    Timer {
        id: startTimer

        interval: 1000
        repeat: false
        onTriggered: splashPage.goToNextPage()
    }

    Timer {
        id: retryTimer

        repeat: false
        onTriggered: {
            splashPage.automaticTries = splashPage.automaticTries + 1
            splashPage.retry()
        }
    }
}
