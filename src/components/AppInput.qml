import QtQuick 2.15
import AppValidator 1.0
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A one-line field with an optional icon button and a hint that slides away once text is typed.
Rectangle {
    id: appInput

    property bool rightToLeft: appWindow.rightToLeft
    property bool iconToRight: true
    property bool hasIcon: false
    property string hint: ""
    property string icon: MaterialIcons.account
    property int fontSize: Utility.TextSize.medium
    property int iconSize: Utility.TextSize.medium
    property string textColor: Colors.black
    property string iconColor: textColor
    property string hintColor: textColor
    property int spacing: 10
    property int padding: 20
    property bool isCurrency: false
    property bool isPassword: false
    property bool handcodingValue: false
    property var tabItem: input
    // The field's own rules (a RegExpValidator, IntValidator...). Persian and Arabic-Indic digits
    // become 0-9 as they are typed or pasted, before these rules, the grouping and the listeners
    // see the text.
    property QtObject validator: null

    property alias textFont: title.font
    property alias hintFont: hintText.font
    property alias input: title
    property alias verticalAlignment: title.verticalAlignment
    property alias horizontalAlignment: title.horizontalAlignment
    property alias hintVerticalAlignment: hintText.verticalAlignment
    property alias hintHorizontalAlignment: hintText.horizontalAlignment
    property alias text: title.text
    property alias font: title.font
    property alias inputType: title.inputMethodHints
    property alias letterSpacing: title.font.letterSpacing
    property alias echoMode: title.echoMode
    property alias maximumLength: title.maximumLength

    signal valueChanged(var value)
    signal iconClicked()
    signal enterPressed()

    function getText() {
        return isCurrency ? Utility.removeCommas(title.text) : title.text
    }

    function textEdited() {
        hintText.state = (title.text === "" && hint !== "") ? "default" : "faded"
        if (isCurrency) {
            var grouped = String(Utility.putComma(title.text))
            if (grouped !== title.text) {
                // The assignment re-enters this handler with the grouped text, which finishes the job.
                title.text = grouped
                return
            }
        }
        if (!handcodingValue)
            valueChanged(title.text)
        else
            handcodingValue = false
    }

    color: "white"
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Row {
        id: row

        anchors.centerIn: parent
        width: parent.width - appInput.padding
        height: parent.height
        spacing: appInput.spacing
        layoutDirection: appInput.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

        InputIcon {
            id: rt_icon

            owner: appInput
            onRight: true
        }

        Item {
            id: textArea

            width: row.width - (appInput.hasIcon ? (appInput.iconToRight ? rt_icon.width : lt_icon.width) + row.spacing : 0)
            height: row.height

            IranSansInput {
                id: title

                anchors.fill: parent
                textColor: appInput.textColor
                textSize: appInput.fontSize
                verticalAlignment: TextInput.AlignVCenter
                horizontalAlignment: appInput.rightToLeft ? TextInput.AlignRight : TextInput.AlignLeft
                clip: true
                inputMethodHints: Qt.ImhSensitiveData
                echoMode: appInput.isPassword ? TextInput.Password : TextInput.Normal
                validator: digitValidator
                onTextChanged: appInput.textEdited()
                Keys.onReturnPressed: { appInput.enterPressed(); Qt.inputMethod.hide() }
                Keys.onEnterPressed: { appInput.enterPressed(); Qt.inputMethod.hide() }
                Keys.onTabPressed: appInput.tabItem.forceActiveFocus()
            }

            InputHint {
                id: hintText

                owner: appInput
                field: title
            }
        }

        InputIcon {
            id: lt_icon

            owner: appInput
            onRight: false
        }
    }

    LatinDigitValidator {
        id: digitValidator

        validator: appInput.validator
    }

    MouseArea {
        anchors.fill: parent
        visible: false
        onClicked: {
            if (title.enabled) {
                title.forceActiveFocus()
                Qt.inputMethod.show()
            }
        }
    }
}
