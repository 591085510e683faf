import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The listing form's foot: "ادامه" to the next step, or "ثبت اطلاعات" once every step is done,
// with the keys that do the same.
Rectangle {
    id: root

    property bool showsContinue: false
    property bool showsRegister: false
    property bool registerEnabled: true

    signal continueClicked()
    signal registerClicked()

    height: 64
    color: Colors.white

    Rectangle {
        anchors.top: parent.top
        width: parent.width
        height: 1
        color: Colors.gray
    }

    // Mirrored with the page: the buttons that lead on sit where a right-to-left line ends.
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        spacing: 12

        IranSansText {
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            text: "Ctrl + Space"
            textColor: Colors.lightGrey
            textSize: Utility.TextSize.small
            visible: root.showsContinue || root.showsRegister
        }

        AppButton {
            objectName: "continueButton"
            width: 140
            height: 40
            radius: 20
            color: Colors.primary
            iconToRight: false
            icon: MaterialIcons.arrowLeft
            text: "ادامه"
            visible: root.showsContinue
            onClicked: root.continueClicked()
        }

        AppButton {
            objectName: "registerButton"
            width: 170
            height: 40
            radius: 20
            color: Colors.green
            icon: MaterialIcons.check
            text: "ثبت اطلاعات"
            visible: root.showsRegister
            enabled: root.registerEnabled
            onClicked: root.registerClicked()
        }
    }
}
