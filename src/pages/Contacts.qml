import QtQuick 2.15
import "../components"
import "../items"
import "../dialogs"
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The user's address book on the service: a paged grid of contacts, a search by name, and an
// editor to add or change a contact. Every change reloads the list from its first page.
Item {
    id: contactsPage

    objectName: "contactsPage"
    // The name the list is filtered by; empty lists every contact.
    property string searchValue: ""
    readonly property string phonesHeading: "تلفن های ثبت شده :"
    property alias notebook: notebook
    property alias contactDialog: contactDialog
    property alias searchBar: searchBar

    function init() {
        getContacts(true)
    }

    // A card's row: the record as the service gave it, with its text and age added. The numbers
    // stay a list of their own (as JSON: a list model cannot hold a list of texts) so that the
    // editor is filled from them and not from the displayed text.
    function toRow(contact) {
        var numbers = Array.isArray(contact.mobileArray) ? contact.mobileArray.map(String) : []
        return {
            _id: contact._id,
            fullName: contact.fullName !== undefined && contact.fullName !== null ? String(contact.fullName) : "",
            mobiles: JSON.stringify(numbers),
            body: [phonesHeading].concat(numbers).join("\n"),
            contactDate: DateUtility.getTimeText(Date.parse(contact.created_at) / 1000)
        }
    }

    function getContacts(reset) {
        notebook.load(reset, "contacts/searchMyContacts", searchValue !== "" ? { fullName: searchValue } : {},
                      "contacts", toRow)
    }

    function addContact(title, content) {
        notebook.change("contacts/createContact", { fullName: title, mobileArray: content }, contactDialog)
    }

    function editContact(title, content, index) {
        var contact = notebook.model.get(index)
        if (contact)
            notebook.change("contacts/updateMyContact", { contactId: contact._id, fullName: title, mobileArray: content },
                            contactDialog)
    }

    function deleteContact(index) {
        var contact = notebook.model.get(index)
        if (contact)
            notebook.change("contacts/deleteMyContacts", { contactIds: [contact._id], logical: true })
    }

    function manageClicked(index) {
        notebook.openManage(index)
    }

    function openEditor(index) {
        contactDialog.isEdit = index >= 0
        contactDialog.index = index
        if (index >= 0) {
            var contact = notebook.model.get(index)
            contactDialog.setData(contact.fullName, JSON.parse(contact.mobiles))
        }
        contactDialog.initial()
    }

    Component.onCompleted: init()

    NotebookGrid {
        id: notebook

        anchors.fill: parent
        addText: "ثبت مخاطب جدید"
        addIcon: MaterialIcons.account
        emptyIcon: MaterialIcons.accountMultiple
        emptyText: "هیچ مخاطبی در لیست موجود نمی باشد\n\nلطفا از بخش ثبت مخاطب جدید ، مخاطب های خود را ثبت کنید"
        manageTitle: "مدیریت مخاطب"
        deleteTitle: "حذف مخاطب"
        editTitle: "ویرایش مخاطب"
        deleteQuestion: "در صورت ادامه مخاطب مورد نظر حذف خواهد گردید"
        // The bar keeps its place beside the add button; typing moves it aside for its button.
        tools: Item {
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: Math.min(480, parent.width)

            SearchBar {
                id: searchBar

                objectName: "searchBar"
                width: parent.width - 120
                height: 38
                anchors.verticalCenter: parent.verticalCenter
                onSearch: {
                    contactsPage.searchValue = String(value).trim()
                    contactsPage.getContacts(true)
                }
                onTermChanged: {
                    if (String(term).trim() === "" && contactsPage.searchValue !== "") {
                        contactsPage.searchValue = ""
                        contactsPage.getContacts(true)
                    }
                }
            }
        }
        delegate: ContactItem {
            width: GridView.view.cellWidth
            height: GridView.view.cellHeight
            fullName: model.fullName
            body: model.body
            date: model.contactDate
            onMenuClicked: contactsPage.manageClicked(index)
        }
        onMoreWanted: contactsPage.getContacts(false)
        onAddClicked: contactsPage.openEditor(-1)
        onEditChosen: contactsPage.openEditor(index)
        onDeleteConfirmed: contactsPage.deleteContact(index)
        onRecordChanged: contactsPage.getContacts(true)
    }

    ContactDialog {
        id: contactDialog

        objectName: "contactDialog"
        onPositiveClicked: {
            if (isEdit)
                contactsPage.editContact(title, mobileArray, index)
            else
                contactsPage.addContact(title, mobileArray)
        }
        onNegativeClicked: dismiss()
    }
}
