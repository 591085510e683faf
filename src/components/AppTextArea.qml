import QtQuick 2.15
import QtQuick.Controls 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The multi-line sibling of AppInput: same frame, icon buttons and sliding hint.
Rectangle {
    id: appInput

    property bool rightToLeft: appWindow.rightToLeft
    property bool iconToRight: true
    property bool hasIcon: false
    property string hint: ""
    property string icon: MaterialIcons.account
    property int fontSize: Utility.TextSize.medium
    property int iconSize: Utility.TextSize.medium
    property string textColor: Colors.white
    property string iconColor: textColor
    property string hintColor: textColor
    property int spacing: 10
    property int padding: 20
    property bool isCurrency: false
    property bool isPassword: false // single-line fields only; kept so both fields take the same settings
    property bool handcodingValue: false
    property var tabItem: input
    // Persian and Arabic-Indic digits become 0-9 as they are typed or pasted. On for amounts; prose
    // keeps the digits its writer chose.
    property bool latinDigits: isCurrency

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

    signal valueChanged(var value)
    signal iconClicked()

    function getText() {
        return isCurrency ? Utility.removeCommas(title.text) : title.text
    }

    function textEdited() {
        hintText.state = (title.text === "" && hint !== "") ? "default" : "faded"
        if (latinDigits) {
            var latin = Utility.latinDigits(title.text)
            if (latin !== title.text) {
                // Same length, so the cursor stays where it was; the assignment re-enters here.
                var cursor = title.cursorPosition
                title.text = latin
                title.cursorPosition = cursor
                return
            }
        }
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

            TextArea {
                id: title

                anchors.fill: parent
                padding: 0
                topPadding: 3
                background: null
                color: appInput.textColor
                font.family: iranSans.name
                font.pixelSize: appInput.fontSize
                verticalAlignment: TextEdit.AlignVCenter
                horizontalAlignment: appInput.rightToLeft ? TextEdit.AlignRight : TextEdit.AlignLeft
                clip: true
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                inputMethodHints: Qt.ImhNoPredictiveText
                selectByMouse: true
                onTextChanged: appInput.textEdited()
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
