import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors

// A field of the filter page searched within a range: its title over a "from" and a "to" input,
// digits only.
Column {
    id: root

    property Item page: null
    property var field

    spacing: 4

    IranSansText {
        topPadding: 0
        text: root.field.title
        font.bold: true
        textColor: Colors.text
    }

    Row {
        width: parent.width
        spacing: 6

        Repeater {
            model: [{ key: "min", hint: "از" }, { key: "max", hint: "تا" }]

            FilterValueInput {
                objectName: modelData.key + "_" + root.field.fieldName
                width: (parent.width - parent.spacing) / 2
                page: root.page
                field: root.field
                kind: "minMax"
                key: modelData.key
                hint: modelData.hint
                hintColor: Colors.mediumGrey
                inputType: Qt.ImhDigitsOnly
                validator: RegularExpressionValidator { regularExpression: /[0-9]+/ }
            }
        }
    }
}
