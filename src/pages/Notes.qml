import QtQuick 2.15
import "../components"
import "../items"
import "../dialogs"
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
        notebook.load(reset, "notes/searchMyNotes", {}, "notes", toRow)
    }

    function addNote(title, content) {
        notebook.change("notes/createNote", { title: title, body: content }, noteDialog)
    }

    function editNote(title, content, index) {
        var note = notebook.model.get(index)
        if (note)
            notebook.change("notes/updateMyNote", { noteId: note._id, title: title, body: content }, noteDialog)
    }

    function deleteNote(index) {
        var note = notebook.model.get(index)
        if (note)
            notebook.change("notes/deleteMyNotes", { noteIds: [note._id], logical: true })
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
        onRecordChanged: notesPage.getNotes(true)
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
