import QtQuick 2.15
import "../components"
import "../database"
import "../scripts/Colors.js" as Colors

// The first page of every start: the logo for a moment, then either the sign-in or the
// restored session.
Rectangle {
    id: splashPage

    property alias session: session

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

    color: Colors.white

    Component.onCompleted: startTimer.start()

    Item {
        anchors.centerIn: parent
        width: parent.width * 0.6
        height: logo.height

        Logo {
            id: logo

            width: parent.width
        }
    }

    Footer {}

    FieldTable {
        id: field
    }

    SessionSetup {
        id: session

        fieldTable: field
    }

    Timer {
        id: startTimer

        interval: 1000
        repeat: false
        onTriggered: splashPage.goToNextPage()
    }
}
