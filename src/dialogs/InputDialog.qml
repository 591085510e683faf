import QtQuick 2.15
import "../components"

// A one-line prompt.
PromptDialog {
    id: inputDialog

    property alias dialogInput: appInput

    answerInput: appInput
    field: Rectangle {
        width: parent.width
        height: 35
        color: "#f1f1f1"

        AppInput {
            id: appInput

            anchors.fill: parent
            color: "transparent"
            textColor: "black"
            iconColor: "#626365"
            hintColor: "#626365"
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
        }
    }
}
