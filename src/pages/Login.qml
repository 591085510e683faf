import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../database"
import "../scripts/Colors.js" as Colors

// The sign-in: advisers by user name and password, managers by a code sent to their mobile.
// After a sign-in it runs the same session set-up as the splash page and is replaced by the
// page the user works on.
Rectangle {
    id: loginPage

    property alias session: session
    property alias swipeView: swipeView
    property alias userPage: userPage
    property alias phonePage: phonePage
    property alias codePage: codePage
    property alias advisersTab: advisersTab
    property alias managersTab: managersTab
    property alias tabBar: tabBar

    function getUserData() { session.getUserData() }
    function getOptions() { session.getOptions() }
    function getOfficeData() { session.getOfficeData() }
    function addFolder(dealType) { session.addFolder(dealType) }

    color: Colors.grey

    // A click beside the inputs takes the keyboard focus away from them.
    MouseArea {
        anchors.fill: parent
        onClicked: {
            loginPage.forceActiveFocus()
            Qt.inputMethod.hide()
        }
    }

    Rectangle {
        id: card

        anchors.centerIn: parent
        width: parent.width * 0.4
        height: parent.height * 0.9
        radius: 15
        color: Colors.white
        clip: true

        MouseArea {
            anchors.fill: parent
            onClicked: {
                loginPage.forceActiveFocus()
                Qt.inputMethod.hide()
            }
        }

        // Advisers' tab on the left half, managers' on the right half, whatever the mirroring.
        Item {
            id: header

            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 60
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true

            readonly property bool advisersCurrent: swipeView.currentIndex === 0

            IranSansText {
                id: advisersTab

                objectName: "advisersTab"
                x: 0
                width: header.width / 2
                height: header.height - 6
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                topPadding: 0
                text: "ورود مشاورین دفاتر"
                textSize: 15
                font.bold: true
                textColor: header.advisersCurrent ? Colors.primary : Colors.black

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        if (swipeView.currentIndex === 1)
                            swipeView.currentIndex = 0
                    }
                }
            }

            IranSansText {
                id: managersTab

                objectName: "managersTab"
                x: header.width / 2
                width: header.width / 2
                height: header.height - 6
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                topPadding: 0
                text: "ورود مدیران دفاتر"
                textSize: 15
                font.bold: true
                textColor: header.advisersCurrent ? Colors.black : Colors.primary

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        if (swipeView.currentIndex === 0)
                            swipeView.currentIndex = 1
                    }
                }
            }

            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Colors.gray
            }

            Rectangle {
                id: tabBar

                objectName: "tabBar"
                anchors.bottom: parent.bottom
                width: header.width * 0.4
                height: 5
                radius: height / 2
                color: Colors.primary
                x: header.advisersCurrent ? header.width * 0.05 : header.width * 0.55

                Behavior on x {
                    NumberAnimation { duration: 250; easing.type: Easing.InOutQuad }
                }
            }
        }

        SwipeView {
            id: swipeView

            objectName: "swipeView"
            anchors.top: header.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            interactive: false
            clip: true
            // Set once the three pages are in: a declared index would be clamped while the
            // view is still empty.
            Component.onCompleted: setCurrentIndex(1)

            LoginUser {
                id: userPage
            }

            LoginPhone {
                id: phonePage
            }

            LoginCode {
                id: codePage
            }
        }
    }

    FieldTable {
        id: field
    }

    SessionSetup {
        id: session

        fieldTable: field
    }
}
