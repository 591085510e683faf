import QtQuick 2.15
import AppValidator 1.0
import "../components"
import "../scripts/Request.js" as Api
import "../scripts/Colors.js" as Colors

// Managers' sign-in, first step: the mobile number the code is sent to. A page of the sign-in
// page's form, whose `codePage` and `swipeView` it moves on to.
Item {
    id: root

    property alias acceptTerms: terms.accepted
    property alias phone: phone
    property alias submitButton: submitButton
    property alias terms: terms

    function submitByKey() {
        if (submitButton.enabled)
            requestCode()
    }

    function requestCode() {
        root.forceActiveFocus()
        Qt.inputMethod.hide()
        if (phone.text.length < 10) {
            toast.show("لطفا تلفن همراه را صحیح وارد نمایید", toast.durationShort)
            return
        }
        apiToken = ""
        var typedNumber = phone.text
        var parameters = Api.deviceParameters({ username: "0" + typedNumber })
        Api.sendRequest("POST", "login/officeMan", function (result) {
            var text = result && result.messages && result.messages.length > 0 ? result.messages[0]
                                                                                : (result ? result.message : "")
            if (text)
                toast.show(text, toast.durationShort)
            codePage.userPhone = typedNumber
            swipeView.currentIndex = 2
        }, function () {}, parameters)
    }

    Column {
        anchors.centerIn: parent
        width: parent.width * 0.8
        spacing: 25

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

        IranSansText {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: "تلفن همراه خود را وارد نمایید"
            textSize: 16
            font.bold: true
            textColor: Colors.text
        }

        // A telephone number reads left to right whatever the page's direction.
        Rectangle {
            width: parent.width
            height: 50
            radius: 8
            color: Colors.field
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true

            Text {
                id: prefix

                anchors.left: parent.left
                anchors.leftMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                text: "+98 | "
                font.family: lato.name
                font.pixelSize: 18
                color: Colors.mediumGrey
            }

            TextInput {
                id: phone

                objectName: "phone"
                anchors.left: prefix.right
                anchors.right: parent.right
                anchors.rightMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                font.family: lato.name
                font.pixelSize: 18
                font.letterSpacing: 1
                color: Colors.black
                maximumLength: 10
                inputMethodHints: Qt.ImhDigitsOnly
                // Typed with the Persian layout, the number still reads 0-9.
                validator: LatinDigitValidator { validator: RegExpValidator { regExp: /[9][0-9]+/ } }
                selectByMouse: true
                clip: true
                // The key does what the button would, and nothing while the button is disabled.
                Keys.onReturnPressed: root.submitByKey()
                Keys.onEnterPressed: root.submitByKey()
            }
        }

        LoginTerms {
            id: terms

            width: parent.width
        }

        AppButton {
            id: submitButton

            objectName: "requestCodeButton"
            width: parent.width
            height: 45
            radius: 8
            color: Colors.primary
            hasIcon: false
            text: "دریافت کد تایید"
            fontSize: 15
            enabled: root.acceptTerms
            onClicked: root.requestCode()
        }
    }
}
