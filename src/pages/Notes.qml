import QtQuick 2.15
import "../components"
import "../items"
import "../dialogs"
import "../scripts/Request.js" as Api
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The user's notes on the service: a paged grid of notes and an editor to add or change one.
// Every change reloads the list from its first page.
Item {
    id: notesPage

    objectName: "notesPage"
    property alias notebook: notebook
    property alias noteDialog: noteDialog

    function init() {
        getNotes(true)
    }

    function toRow(note) {
        return {
            _id: note._id,
            title: note.title !== undefined && note.title !== null ? String(note.title) : "",
            body: note.body !== undefined && note.body !== null ? String(note.body) : "",
            noteDate: DateUtility.getTimeText(Date.parse(note.created_at) / 1000)
        }
    }

    function getNotes(reset) {
        var ticket = notebook.pager.next(reset)
        if (!ticket)
            return
        Api.sendJsonRequest("POST", "notes/searchMyNotes", function (result) {
            var notes = result && result.notes ? result.notes : {}
            notebook.pager.receive(ticket, notes.data, notes.total, toRow)
        }, function () {
            notebook.pager.fail(ticket)
        }, {
            page: ticket.page,
            count: ticket.count,
            condition: true,
            searchOperator: "and",
            status: 1,
            sortBy: "created_at",
            sortDirection: -1
        })
    }

    // The editor stays open until the service has taken the note, so a refusal loses nothing.
    function addNote(title, content) {
        Api.sendJsonRequest("POST", "notes/createNote", function () {
            noteDialog.dismiss()
            getNotes(true)
        }, function () {}, { title: title, body: content })
    }

    function editNote(title, content, index) {
        var note = notebook.model.get(index)
        if (!note)
            return
        Api.sendJsonRequest("POST", "notes/updateMyNote", function () {
            noteDialog.dismiss()
            getNotes(true)
        }, function () {}, { noteId: note._id, title: title, body: content })
    }

    function deleteNote(index) {
        var note = notebook.model.get(index)
        if (!note)
            return
        Api.sendJsonRequest("POST", "notes/deleteMyNotes", function () {
            getNotes(true)
        }, function () {}, { noteIds: [note._id], logical: true })
    }

    function manageClicked(index) {
        notebook.openManage(index)
    }

    function openEditor(index) {
        noteDialog.isEdit = index >= 0
        noteDialog.index = index
        if (index >= 0) {
            var note = notebook.model.get(index)
            noteDialog.setData(note.title, note.body)
        }
        noteDialog.initial()
    }

    Component.onCompleted: init()

    NotebookGrid {
        id: notebook

        anchors.fill: parent
        addText: "ثبت یادداشت جدید"
        addIcon: MaterialIcons.clipboardText
        emptyIcon: MaterialIcons.clipboardText
        emptyText: "هیچ یادداشتی در لیست موجود نمی باشد\n\nلطفا از بخش ثبت یادداشت جدید ، یادداشت های خود را ثبت کنید"
        manageTitle: "مدیریت یادداشت"
        deleteTitle: "حذف یادداشت"
        editTitle: "ویرایش یادداشت"
        deleteQuestion: "در صورت ادامه یادداشت مورد نظر حذف خواهد گردید"
        delegate: NoteItem {
            width: GridView.view.cellWidth
            height: GridView.view.cellHeight
            title: model.title
            body: model.body
            date: model.noteDate
            onMenuClicked: notesPage.manageClicked(index)
        }
        onMoreWanted: notesPage.getNotes(false)
        onAddClicked: notesPage.openEditor(-1)
        onEditChosen: notesPage.openEditor(index)
        onDeleteConfirmed: notesPage.deleteNote(index)
    }

    NoteDialog {
        id: noteDialog

        objectName: "noteDialog"
        onPositiveClicked: {
            if (isEdit)
                notesPage.editNote(title, content, index)
            else
                notesPage.addNote(title, content)
        }
        onNegativeClicked: dismiss()
    }
}
