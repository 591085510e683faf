import QtQuick 2.15

// A row of inputs of the listing form, two to a line; an odd last one stands alone.
Column {
    id: root

    property var form: null
    property var row: null
    property int dealType: -1
    property int propertyType: -1
    // The inputs in pairs; read once the row is known (the schema queries are no bindings).
    property var lines: []
    readonly property int gap: 20

    objectName: "inputs" + (row ? row._id : "")
    spacing: 12

    Component.onCompleted: {
        var fields = form.fieldTable.getFields(row._id, row.cardId, dealType, propertyType) || []
        var result = []
        for (var i = 0; i < fields.length; i += 2)
            result.push(fields.slice(i, i + 2))
        lines = result
    }

    Repeater {
        model: root.lines

        delegate: Row {
            spacing: root.gap

            Repeater {
                model: modelData

                delegate: FormInputItem {
                    width: (root.width - root.gap) / 2
                    form: root.form
                    field: modelData
                }
            }
        }
    }
}
