import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/FileFilters.js" as FileFilters

// An input of the filter page bound to one value of the filter record of its field: it shows the
// value kept from the last search and writes what is typed back, and it joins the Tab order.
AppInput {
    id: root

    // The filter page, whose `resultFilters` hold the records.
    property Item page: null
    property var field: null
    // The record's type ("input" or "minMax") and the value's key in it ("value", "min", "max").
    property string kind: "input"
    property string key: "value"

    height: 34
    radius: 5
    color: Colors.field
    textColor: Colors.black
    onValueChanged: FileFilters.setValue(page.resultFilters, kind, field, key, getText())
    Component.onCompleted: {
        var index = page.findByFilter(field.fieldName)
        var kept = index >= 0 ? page.resultFilters[index][key] : undefined
        if (kept !== undefined && kept !== null && kept !== "") {
            handcodingValue = true
            text = String(kept)
        }
        page.chain(root)
    }
}
