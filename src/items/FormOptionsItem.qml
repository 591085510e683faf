import QtQuick 2.15
import "../components"
import "../scripts/FileForm.js" as FileForm
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility

// A row of options of the listing form: lines of equal chips spanning 95 % of the width. Which
// chips are chosen and what a click does is the form's to say.
Column {
    id: root

    property var form: null
    property var row: null
    property int dealType: -1
    property int propertyType: -1
    // The options in lines; read once the row is known (the schema queries are no bindings).
    property var lines: []

    objectName: "options" + (row ? row._id : "")
    spacing: 5

    Component.onCompleted: {
        var fields = (form.fieldTable.getFields(row._id, row.cardId, dealType, propertyType) || [])
            .filter(function (field) { return field.type === 0 })
        var sizes = FileForm.toggleLines(fields.length)
        var result = []
        var start = 0
        for (var i = 0; i < sizes.length; ++i) {
            result.push(fields.slice(start, start + sizes[i]))
            start += sizes[i]
        }
        lines = result
    }

    Repeater {
        model: root.lines

        delegate: Row {
            readonly property int count: modelData.length

            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 5

            Repeater {
                model: modelData

                delegate: Rectangle {
                    readonly property bool selected: root.form.isSelected(modelData)

                    objectName: "option_" + modelData.fieldName
                    width: root.width * 0.95 / count - 5 * (count - 1) / count
                    height: 38
                    radius: 8
                    color: selected ? Colors.primary : Colors.fieldBack

                    IranSansText {
                        anchors.centerIn: parent
                        width: parent.width - 10
                        topPadding: 0
                        text: modelData.title
                        textSize: Utility.TextSize.normal
                        textColor: parent.selected ? Colors.white : Colors.black
                        horizontalAlignment: Text.AlignHCenter
                        elide: Text.ElideRight
                    }

                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.form.fieldClicked(modelData)
                    }
                }
            }
        }
    }
}
