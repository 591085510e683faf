import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility

// One labelled input of the listing form: single- or multi-line as its field says, no longer than
// the field allows, digits only for numbers, amounts grouped by thousands. What is typed goes to
// the form (a FileForm), which also gave the value shown at the start.
Column {
    id: root

    property var form: null
    property var field: null
    // The form finds its inputs by this: for the Tab chain and the price calculator.
    readonly property var formField: field
    readonly property var editor: loader.item
    readonly property bool multiLine: field.singleLine === 0
    readonly property bool currency: field.currency === 1
    readonly property bool digitsOnly: field.inputType === 2 || field.inputType === 3
    // An amount's limit counts its digits; the grouping commas come on top.
    readonly property int maxLength: field.maxLength > 0
                                     ? field.maxLength + (currency ? Math.floor((field.maxLength - 1) / 3) : 0) : 32767

    objectName: "field_" + field.fieldName
    spacing: 6

    Component.onCompleted: form.inputCreated(root)

    IranSansText {
        width: parent.width
        topPadding: 0
        text: root.field.title
        textSize: Utility.TextSize.medium
        textColor: Colors.mediumGrey
        elide: Text.ElideRight
    }

    Loader {
        id: loader

        width: parent.width
        sourceComponent: root.multiLine ? multiLineEditor : lineEditor
    }

    RegExpValidator {
        id: digits

        regExp: /[0-9]+/
    }

    RegExpValidator {
        id: groupedDigits

        regExp: /[0-9,]+/
    }

    Component {
        id: lineEditor

        AppInput {
            objectName: "input_" + root.field.fieldName
            height: 42
            radius: 8
            color: Colors.field
            textColor: Colors.text
            isCurrency: root.currency
            maximumLength: root.maxLength
            validator: root.digitsOnly ? (root.currency ? groupedDigits : digits) : null
            Component.onCompleted: text = root.form.inputText(root.field.fieldName)
            onValueChanged: root.form.inputEdited(root)
        }
    }

    Component {
        id: multiLineEditor

        AppTextArea {
            objectName: "input_" + root.field.fieldName
            height: 84
            radius: 8
            color: Colors.field
            textColor: Colors.text
            verticalAlignment: TextEdit.AlignTop
            Component.onCompleted: text = root.form.inputText(root.field.fieldName)
            onValueChanged: {
                // A text area has no length limit of its own.
                if (text.length > root.maxLength) {
                    text = text.substring(0, root.maxLength)
                    return
                }
                root.form.inputEdited(root)
            }
        }
    }
}
