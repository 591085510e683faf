import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A form's field with its label above it. Besides a plain input it can be a value to look at only
// (`readOnly`) or a chooser (`chooser`): then the text is what was chosen, and a click anywhere on
// it asks the page to open its picker.
Column {
    id: root

    property string label: ""
    property bool readOnly: false
    property bool chooser: false
    property alias field: appInput
    property alias input: appInput.input
    property alias text: appInput.text
    property alias hint: appInput.hint
    property alias icon: appInput.icon
    property alias validator: appInput.validator
    property alias isPassword: appInput.isPassword
    property int fieldHeight: 40

    // The chooser was clicked.
    signal clicked()
    signal enterPressed()

    // The typed text with any thousands separators taken out.
    function getText() {
        return appInput.getText()
    }

    spacing: 6
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    IranSansText {
        width: parent.width
        visible: root.label !== ""
        topPadding: 0
        text: root.label
        textSize: Utility.TextSize.medium
        textColor: Colors.mediumGrey
        horizontalAlignment: appWindow.rightToLeft ? Text.AlignRight : Text.AlignLeft
    }

    AppInput {
        id: appInput

        objectName: "fieldInput"
        width: parent.width
        height: root.fieldHeight
        radius: 8
        color: root.readOnly ? Colors.grey : (root.chooser ? Colors.fieldBack : Colors.field)
        textColor: root.readOnly ? Colors.mediumGrey : Colors.text
        hintColor: Colors.lightGrey
        iconColor: Colors.primary
        iconSize: Utility.IconSize.normal
        hasIcon: root.chooser && !root.readOnly
        iconToRight: false
        input.readOnly: root.readOnly || root.chooser
        input.activeFocusOnPress: !root.readOnly && !root.chooser
        onIconClicked: root.clicked()
        onEnterPressed: root.enterPressed()

        MouseArea {
            objectName: "chooserArea"
            anchors.fill: parent
            visible: root.chooser && !root.readOnly
            cursorShape: Qt.PointingHandCursor
            onClicked: root.clicked()
        }
    }
}
