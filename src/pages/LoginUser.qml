import QtQuick 2.15
import "../components"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// Advisers' sign-in: the user name and password their office manager gave them. A page of the
// sign-in page's form; `loginPage` continues with the session set-up.
Item {
    id: root

    property alias acceptTerms: terms.accepted
    property alias userName: userName
    property alias password: password
    property alias submitButton: submitButton
    property alias terms: terms

    function submitByKey() {
        if (submitButton.enabled)
            login()
    }

    function login() {
        root.forceActiveFocus()
        Qt.inputMethod.hide()
        if (userName.text.length === 0) {
            toast.show("لطفا نام کاربری را وارد نمایید", toast.durationLong)
            return
        }
        if (password.text.length === 0) {
            toast.show("لطفا گذرواژه را وارد نمایید", toast.durationLong)
            return
        }
        apiToken = ""
        var typedName = userName.text
        var parameters = Api.deviceParameters({ username: typedName, password: password.text })
        Api.sendRequest("POST", "login/employee", function (result) {
            Session.signIn(typedName, result.token)
            loginPage.getUserData()
        }, function () {}, parameters)
    }

    Column {
        anchors.centerIn: parent
        width: parent.width * 0.8
        spacing: 18

        // The slogan's line is laid out for a far larger type than it is drawn with: the box is
        // cut to what shows, the picture plus the slogan's drawn line.
        Item {
            width: parent.width * 0.6
            height: width * 0.45 + 60
            anchors.horizontalCenter: parent.horizontalCenter

            Logo {
                id: logo

                width: parent.width
            }
        }

        Row {
            width: parent.width
            spacing: 8

            MaterialIcon {
                anchors.verticalCenter: parent.verticalCenter
                icon: MaterialIcons.account
                iconSize: 20
                iconColor: Colors.primary
            }

            IranSansText {
                anchors.verticalCenter: parent.verticalCenter
                text: "نام کاربری"
                textSize: 14
                textColor: Colors.text
            }
        }

        AppInput {
            id: userName

            objectName: "userName"
            width: parent.width
            height: 45
            radius: 8
            color: Colors.field
            fontSize: 14
            tabItem: password.input
        }

        Row {
            width: parent.width
            spacing: 8

            MaterialIcon {
                anchors.verticalCenter: parent.verticalCenter
                icon: MaterialIcons.lock
                iconSize: 20
                iconColor: Colors.primary
            }

            IranSansText {
                anchors.verticalCenter: parent.verticalCenter
                text: "گذرواژه"
                textSize: 14
                textColor: Colors.text
            }
        }

        AppInput {
            id: password

            objectName: "password"
            width: parent.width
            height: 45
            radius: 8
            color: Colors.field
            fontSize: 14
            isPassword: true
            // The key does what the button would, and nothing while the button is disabled.
            onEnterPressed: root.submitByKey()
        }

        LoginTerms {
            id: terms

            width: parent.width
        }

        AppButton {
            id: submitButton

            objectName: "loginButton"
            width: parent.width
            height: 45
            radius: 8
            color: Colors.primary
            hasIcon: false
            text: "ورود به برنامه"
            fontSize: 15
            enabled: root.acceptTerms
            onClicked: root.login()
        }
    }
}
