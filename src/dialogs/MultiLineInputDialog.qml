import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors

// A multi-line prompt.
PromptDialog {
    id: inputDialog

    property alias dialogInput: appInput

    answerInput: appInput
    btn.radius: 4
    field: AppTextArea {
        id: appInput

        width: parent.width
        height: appInput.input.contentHeight + 20
        radius: 4
        color: Colors.field
        textColor: "black"
        iconColor: "#626365"
        hintColor: Colors.primary
        horizontalAlignment: TextEdit.AlignHCenter
        verticalAlignment: TextEdit.AlignTop
    }
}
