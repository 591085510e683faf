import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility

// One section of the listing form as the schema lays it out for a deal/property pair: its title,
// its stepper and its rows of options or inputs. The values live in `form` (a FileForm).
Rectangle {
    id: root

    property var form: null
    property var card: null
    property int dealType: -1
    property int propertyType: -1
    // Read once the section is known (the schema queries are no bindings).
    property var rows: []

    function stepperKey() {
        var field = form.stepperField(card.stepperId)
        return field ? field.fieldName : ""
    }

    objectName: "card" + (card ? card._id : "")
    height: column.height + 30
    radius: 10
    color: Colors.white

    Component.onCompleted: rows = form.rowTable.getRows(card._id, dealType, propertyType) || []

    Column {
        id: column

        anchors.horizontalCenter: parent.horizontalCenter
        y: 15
        width: parent.width - 30
        spacing: 12

        IranSansText {
            width: parent.width
            visible: text !== ""
            topPadding: 0
            text: root.card && root.card.title ? root.card.title : ""
            textSize: Utility.TextSize.normal
            textColor: Colors.night
            font.bold: true
        }

        Loader {
            anchors.left: parent.left
            active: root.card !== null && root.card.stepper === 1
            width: 230
            height: active ? 36 : 0
            sourceComponent: Stepper {
                objectName: "stepper"
                color: Colors.field
                title: root.card.stepperTitle
                Component.onCompleted: {
                    var stored = root.form.inputText(root.stepperKey())
                    if (stored !== "")
                        value = stored
                }
                onValueChanged: root.form.stepperChanged(root.card.stepperId, value)
            }
        }

        Repeater {
            model: root.rows

            delegate: Loader {
                readonly property var row: modelData

                width: column.width
                sourceComponent: modelData.type === 0 ? optionRow : inputRow
            }
        }
    }

    Component {
        id: optionRow

        FormOptionsItem {
            form: root.form
            row: parent.row
            dealType: root.dealType
            propertyType: root.propertyType
        }
    }

    Component {
        id: inputRow

        FormInputsItem {
            form: root.form
            row: parent.row
            dealType: root.dealType
            propertyType: root.propertyType
        }
    }
}
