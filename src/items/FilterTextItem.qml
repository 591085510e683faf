import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors

// A field of the filter page searched by its text: its title over one input.
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

    FilterValueInput {
        objectName: "input_" + root.field.fieldName
        width: parent.width
        page: root.page
        field: root.field
        isCurrency: Number(root.field.currency) === 1
    }
}
