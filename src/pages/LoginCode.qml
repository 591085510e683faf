import QtQuick 2.15
import QtQuick.Controls 2.15
import AppValidator 1.0
import "../components"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/Colors.js" as Colors

// Managers' sign-in, second step: the four-digit code that came by text message. A page of the
// sign-in page's form (`swipeView`); `loginPage` continues with the session set-up.
Item {
    id: root

    property string userPhone: ""
    property string userCode: ""
    property string title: "یک کد تایید چهار رقمی برای شما جهت شناسایی ارسال شد."
    property alias continueButton: continueButton
    property alias resendLink: resendLink
    property alias correctLink: correctLink

    SwipeView.onIsCurrentItemChanged: {
        if (SwipeView.isCurrentItem)
            focusFirstEmpty()
    }

    // The four digit inputs, first digit first.
    function digitInputs() {
        var inputs = []
        for (var i = 0; i < digitRepeater.count; ++i)
            inputs.push(digitRepeater.itemAt(i).input)
        return inputs
    }

    // The code is read from the first box on: the keyboard starts there, or at the first box
    // still empty, as soon as the page is shown.
    function focusFirstEmpty() {
        var inputs = digitInputs()
        for (var i = 0; i < inputs.length; ++i) {
            if (inputs[i].text.length === 0 || i === inputs.length - 1) {
                inputs[i].forceActiveFocus()
                return
            }
        }
    }

    function codeCompleted() {
        var inputs = digitInputs()
        for (var i = 0; i < inputs.length; ++i) {
            if (inputs[i].text.length !== 1)
                return false
        }
        return inputs.length === 4
    }

    function getUserCode() {
        var code = ""
        var inputs = digitInputs()
        for (var i = 0; i < inputs.length; ++i)
            code += inputs[i].text
        return code
    }

    function confirmCode() {
        userCode = getUserCode()
        var parameters = Api.deviceParameters({ username: "0" + userPhone, verificationCode: userCode })
        Api.sendRequest("POST", "login/officeMan", onResponse, function () {}, parameters)
    }

    function onResponse(response) {
        Session.signIn("0" + userPhone, response.token)
        loginPage.getUserData()
    }

    // Sends the code again.
    function login() {
        apiToken = ""
        var parameters = Api.deviceParameters({ username: "0" + userPhone })
        Api.sendRequest("POST", "login/officeMan", onLoginResponse, function () {}, parameters)
    }

    function onLoginResponse(response) {
        toast.show("کد تایید برای شما مجددا فرستاده شد", toast.durationLong)
    }

    function digitEdited(index) {
        var inputs = digitInputs()
        if (inputs.length < 4)
            return
        if (codeCompleted()) {
            confirmCode()
            return
        }
        if (inputs[index].text.length === 1 && index < inputs.length - 1)
            inputs[index + 1].forceActiveFocus()
        else if (inputs[index].text.length === 0 && index > 0)
            inputs[index - 1].forceActiveFocus()
    }

    function submit() {
        if (codeCompleted())
            confirmCode()
        else
            toast.show("لطفا کد تایید را کامل وارد نمایید", toast.durationLong)
    }

    Column {
        anchors.centerIn: parent
        width: parent.width * 0.8
        spacing: 20

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
            wrapMode: Text.WordWrap
            text: root.title
            textSize: 15
            font.bold: true
            textColor: Colors.text
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 0

            IranSansText {
                text: "ارسال شده به  "
                textSize: 13
                textColor: "#626365"
            }

            Text {
                objectName: "sentTo"
                topPadding: 5
                text: "(+98) " + root.userPhone
                font.family: lato.name
                font.pixelSize: 14
                color: "#626365"
            }
        }

        // Digits of a code read left to right, whatever the page's direction.
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 15
            LayoutMirroring.enabled: false
            LayoutMirroring.childrenInherit: true

            Repeater {
                id: digitRepeater

                model: 4

                Rectangle {
                    property alias input: digit

                    width: 55
                    height: 55
                    radius: 8
                    color: Colors.field
                    border.width: digit.activeFocus ? 2 : 0
                    border.color: Colors.primary

                    TextInput {
                        id: digit

                        objectName: "digit" + index
                        anchors.fill: parent
                        horizontalAlignment: TextInput.AlignHCenter
                        verticalAlignment: TextInput.AlignVCenter
                        font.family: lato.name
                        font.pixelSize: 24
                        color: Colors.black
                        maximumLength: 1
                        inputMethodHints: Qt.ImhDigitsOnly
                        validator: LatinDigitValidator { validator: RegExpValidator { regExp: /[0-9]/ } }
                        onTextEdited: root.digitEdited(index)
                    }
                }
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 5

            IranSansText {
                text: "کد ارسال شده را دریافت نکرده اید؟"
                textSize: 13
                textColor: Colors.mediumGrey
            }

            IranSansText {
                id: resendLink

                objectName: "resendLink"
                text: "ارسال مجدد"
                textSize: 13
                font.bold: true
                textColor: Colors.primary

                MouseArea {
                    anchors.fill: parent
                    onClicked: root.login()
                }
            }

            IranSansText {
                text: "|"
                textSize: 13
                textColor: Colors.mediumGrey
            }

            IranSansText {
                id: correctLink

                objectName: "correctLink"
                text: "اصلاح تلفن"
                textSize: 13
                font.bold: true
                textColor: Colors.primary

                MouseArea {
                    anchors.fill: parent
                    onClicked: swipeView.currentIndex = 1
                }
            }
        }

        AppButton {
            id: continueButton

            objectName: "continueButton"
            width: parent.width
            height: 45
            radius: 8
            color: Colors.primary
            hasIcon: false
            text: "ادامه"
            fontSize: 15
            onClicked: root.submit()
        }
    }
}
