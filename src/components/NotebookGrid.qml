import QtQuick 2.15
import QtQuick.Controls 2.15
import "../dialogs"
import "../scripts/Request.js" as Api
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A paged grid of the user's own records (contacts, notes): the add button, four cards a line,
// a menu per card to delete or edit, the question before a delete and the notice of an empty list.
// The page owning it sends the requests and opens its editor.
Item {
    id: notebook

    property alias model: rows
    property alias pager: pager
    property alias grid: grid
    property alias delegate: grid.delegate
    // Beside the add button, such as a search bar.
    property alias tools: toolsArea.data
    property alias addButton: addButton
    property alias manageDialog: manageDialog
    property alias deleteDialog: deleteDialog
    property alias manageModel: manageDialog.items
    property string addText: ""
    property string addIcon: MaterialIcons.plus
    property string emptyIcon: MaterialIcons.clipboardText
    property string emptyText: ""
    property string manageTitle: ""
    property string deleteTitle: ""
    property string editTitle: ""
    property string deleteQuestion: ""
    property int cardHeight: 220
    // The card the open menu or question is about.
    property int chosenIndex: -1

    // The grid reached its end while another page may follow.
    signal moreWanted()
    signal addClicked()
    signal editChosen(int index)
    signal deleteConfirmed(int index)
    // The service has taken a change: the page reloads the list.
    signal recordChanged()

    // The next page of records at `route` (or the first after a reset), the newest first, those of
    // `query` only; `key` names the list in the reply and `toRow` makes a card's row of a record.
    function load(reset, route, query, key, toRow) {
        var params = { condition: true, searchOperator: "and", status: 1, sortBy: "created_at", sortDirection: -1 }
        for (var name in query)
            params[name] = query[name]
        pager.load(reset, route, params, key, toRow)
    }

    // Sends a change of one record. The editor (when there is one) stays open until the service
    // has taken it, so a refusal loses nothing; then it closes and `recordChanged()` follows.
    function change(route, body, editor) {
        Api.sendJsonRequest("POST", route, function () {
            if (editor)
                editor.dismiss()
            notebook.recordChanged()
        }, function () {}, body)
    }

    function openManage(index) {
        chosenIndex = index
        manageDialog.initial()
    }

    Component.onCompleted: {
        manageModel.clear()
        manageModel.append({ title: deleteTitle, ic: MaterialIcons.deleteForever, icColor: Colors.coolRed })
        manageModel.append({ title: editTitle, ic: MaterialIcons.pencil, icColor: Colors.appGreen })
    }

    ListModel {
        id: rows
    }

    ListPager {
        id: pager

        model: rows
        count: 100
    }

    Item {
        id: header

        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 15
        height: 40
        // Laid out for the right-to-left page in so many words: the toolkit's controls keep their
        // own anchors unmirrored.
        LayoutMirroring.enabled: false
        LayoutMirroring.childrenInherit: true

        AppButton {
            id: addButton

            objectName: "addButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: 190
            height: 38
            radius: 8
            color: Colors.primary
            icon: notebook.addIcon
            iconSize: Utility.IconSize.medium
            text: notebook.addText
            onClicked: notebook.addClicked()
        }

        Item {
            id: toolsArea

            anchors.right: addButton.left
            anchors.rightMargin: 20
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom
        }
    }

    GridView {
        id: grid

        objectName: "grid"
        anchors.top: header.bottom
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        clip: true
        model: rows
        cellWidth: Math.floor(width / 4)
        cellHeight: notebook.cardHeight + 12
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        onAtYEndChanged: {
            if (atYEnd && pager.loadMore)
                notebook.moreWanted()
        }
    }

    EmptyNotice {
        objectName: "emptyNotice"
        anchors.centerIn: grid
        width: Math.min(grid.width - 40, 520)
        // Not while the first page is still on its way.
        visible: rows.count === 0 && !pager.busy
        icon: notebook.emptyIcon
        text: notebook.emptyText
    }

    ListDialog {
        id: manageDialog

        objectName: "manageDialog"
        dialogWidth: appWindow.width * 0.3
        dialogHeight: 180
        dialogTitle: notebook.manageTitle
        onSelected: {
            dismiss()
            if (index === 0)
                deleteDialog.initial()
            else
                notebook.editChosen(notebook.chosenIndex)
        }
    }

    ConfirmDialog {
        id: deleteDialog

        objectName: "deleteDialog"
        dialogWidth: appWindow.width * 0.3
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: notebook.deleteQuestion
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            notebook.deleteConfirmed(notebook.chosenIndex)
        }
        onNegativeClicked: dismiss()
    }
}
