import QtQuick 2.15
import QtQuick.Controls 2.15

// A table page's body: the header row on its grey band, the records under it (the next page is
// wanted at the end), and a notice in place of an empty table.
Item {
    id: recordTable

    property alias headers: headerRow.cells
    property alias model: list.model
    property alias delegate: list.delegate
    property alias list: list
    property alias emptyIcon: emptyNotice.icon
    property alias emptyText: emptyNotice.text
    // A page is on its way: an empty table is not called empty yet.
    property bool busy: false

    signal moreWanted()

    Card {
        anchors.fill: parent
        anchors.margins: 12
        radius: 8
        elevation: 4
        clip: true

        TableRow {
            id: headerRow

            objectName: "headerRow"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 1
            header: true
        }

        ListView {
            id: list

            objectName: "list"
            anchors.top: headerRow.bottom
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 1
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            onAtYEndChanged: {
                if (atYEnd)
                    recordTable.moreWanted()
            }
        }

        EmptyNotice {
            id: emptyNotice

            objectName: "emptyNotice"
            anchors.centerIn: list
            width: Math.min(list.width - 40, 520)
            visible: list.count === 0 && !recordTable.busy
        }
    }
}
