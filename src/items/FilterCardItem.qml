import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/FileFilters.js" as FileFilters

// A search card of the filter page: its stepper, its option rows as toggle buttons and its input
// rows as text fields, all made from the schema for the page's deal and property type. What is
// chosen goes into the page's filter records.
Rectangle {
    id: root

    // The filter page.
    property Item page: null
    property var card

    height: cardContent.height + 24
    radius: 10
    color: Colors.white

    Column {
        id: cardContent

        objectName: "card_" + root.card._id
        anchors.centerIn: parent
        width: parent.width - 28
        spacing: 10

        IranSansText {
            topPadding: 0
            text: root.card.title
            font.bold: true
            textColor: Colors.text
        }

        Component.onCompleted: {
            var card = root.card
            var page = root.page
            if (Number(card.stepper) === 1)
                stepperSection.createObject(cardContent, { card: card })
            // The parking card offers its stepper alone.
            if (card._id === 15)
                return
            var rows = page.rowTable.getSearchRows(card._id, page.dealType, page.propertyType) || []
            for (var r = 0; r < rows.length; ++r) {
                var fields = page.fieldTable.getSearchFields(rows[r]._id, card._id, page.dealType, page.propertyType) || []
                if (rows[r].type === 0) {
                    var toggles = fields.filter(function (field) { return field.type === 0 })
                    if (toggles.length > 0)
                        toggleRow.createObject(cardContent, { fields: toggles })
                } else if (fields.length > 0) {
                    var flow = inputRow.createObject(cardContent)
                    for (var f = 0; f < fields.length; ++f)
                        textSection.createObject(flow, { field: fields[f], width: (flow.width - 3 * flow.spacing) / 4 })
                }
            }
        }
    }

    Component {
        id: inputRow

        Flow {
            width: parent ? parent.width : 0
            spacing: 14
        }
    }

    Component {
        id: textSection

        FilterTextItem {
            page: root.page
        }
    }

    Component {
        id: toggleRow

        Grid {
            id: grid

            property var fields: []
            // Lines of 4, 3 or 2 when the options divide evenly, else of 3 with a shorter last line.
            readonly property int perLine: fields.length % 4 === 0 ? 4 : fields.length % 3 === 0 ? 3
                                                                       : fields.length % 2 === 0 ? 2 : 3

            width: parent ? parent.width : 0
            columns: perLine
            spacing: 5
            leftPadding: 10
            rightPadding: 10

            Repeater {
                model: grid.fields

                ToggleButton {
                    objectName: "toggle_" + modelData.fieldName
                    width: (grid.width - 20 - (grid.perLine - 1) * grid.spacing) / grid.perLine
                    text: modelData.title
                    // Ids below 100 are deal and property types, chosen on the list itself.
                    enabled: modelData._id >= 100
                    selected: root.page.toggleIndex(modelData) === true
                    onClicked: {
                        if (selected)
                            root.page.removeToggle(root.card, modelData)
                        else
                            root.page.addToggle(root.card, modelData)
                        selected = !selected
                    }
                }
            }
        }
    }

    Component {
        id: stepperSection

        Stepper {
            property var card
            property var field: null

            objectName: "stepper"
            width: 320
            height: 36
            color: Colors.field
            title: card.stepperTitle
            onValueChanged: {
                if (!field)
                    return
                var record = { title: field.title, fieldName: field.fieldName, currency: 0 }
                if (value === "0") {
                    var index = root.page.findByFilter(field.fieldName)
                    if (index >= 0)
                        root.page.resultFilters.splice(index, 1)
                } else {
                    FileFilters.setValue(root.page.resultFilters, "input", record, "value", value)
                }
            }
            Component.onCompleted: {
                field = root.page.fieldTable.getById(card.stepperId) || null
                var index = field ? root.page.findByFilter(field.fieldName) : -1
                if (index >= 0)
                    value = String(root.page.resultFilters[index].value)
            }
        }
    }
}
