import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A row of a table of equal columns laid out from the right: a header row or a record's row.
// One cell may show its text on a colour of its own (a status).
Rectangle {
    id: tableRow

    // The texts, first column first.
    property var cells: []
    property bool header: false
    // The column shown as a coloured badge, -1 for none.
    property int badgeColumn: -1
    property string badgeColor: Colors.primary

    implicitHeight: header ? 46 : 48
    color: header ? "#f9f9f9" : Colors.white
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Row {
        anchors.fill: parent
        layoutDirection: Qt.RightToLeft

        Repeater {
            model: tableRow.cells

            Item {
                width: tableRow.width / Math.max(1, tableRow.cells.length)
                height: tableRow.height

                Rectangle {
                    anchors.centerIn: parent
                    width: Math.min(parent.width - 12, cellText.implicitWidth + 24)
                    height: 28
                    radius: 14
                    visible: index === tableRow.badgeColumn
                    color: tableRow.badgeColor
                }

                IranSansText {
                    id: cellText

                    objectName: "cell" + index
                    anchors.centerIn: parent
                    width: Math.min(implicitWidth, parent.width - 16)
                    topPadding: 0
                    text: modelData
                    textSize: Utility.TextSize.medium
                    textColor: index === tableRow.badgeColumn ? Colors.white : (tableRow.header ? Colors.night : Colors.text)
                    font.bold: tableRow.header || index === tableRow.badgeColumn
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideMiddle
                }
            }
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Colors.gray
    }
}
