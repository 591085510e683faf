import QtQuick 2.15
import QtTest 1.15

// An adviser's address book and notes against the stand-in service: what the grid shows is what
// the service holds, and every add, edit, search and delete made through the pages lands there.
TestCase {
    id: testCase

    readonly property string phonesHeading: "تلفن های ثبت شده :"

    name: "ContactsAndNotes"
    when: windowShown

    MainPageDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        driver.startAsAdviser("hamid", "123456")
        var token = driver.token
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function cleanup() {
        if (driver.toast && driver.toast.visible)
            driver.closeToast()
    }

    // The section opened from the menu's extras group, with its first page in.
    function openSection(key, pageName) {
        driver.clickChildEntry("options", key)
        tryVerify(function () {
            var page = driver.mainStack.currentItem
            return page && page.objectName === pageName && !driver.mainStack.busy
        }, 10000, "the page " + pageName + " does not open")
        var page = driver.mainStack.currentItem
        tryVerify(function () { return page.notebook.pager.inited && !page.notebook.pager.busy }, 10000)
        return page
    }

    function stored(route, key, extra) {
        var query = { page: 1, count: 1000, condition: true, status: 1, sortBy: "created_at", sortDirection: -1 }
        for (var name in extra || {})
            query[name] = extra[name]
        return driver.expectOk(driver.service(route, query, { json: true, token: driver.token.token }), route)[key]
    }

    function contacts(extra) {
        return stored("contacts/searchMyContacts", "contacts", extra)
    }

    function notes() {
        return stored("notes/searchMyNotes", "notes")
    }

    function card(notebook, index) {
        notebook.grid.positionViewAtIndex(index, GridView.Contain)
        var item = notebook.grid.itemAtIndex(index)
        verify(item !== null, "no card " + index)
        return item
    }

    function indexOfId(notebook, id) {
        for (var i = 0; i < notebook.model.count; ++i) {
            if (notebook.model.get(i)._id === id)
                return i
        }
        return -1
    }

    // Waits for the reload that follows a change: the rows shown are the service's rows again.
    function waitReloaded(notebook, expected) {
        tryVerify(function () {
            return !notebook.pager.busy && notebook.model.count === expected.total
                    && notebook.model.get(0)._id === expected.data[0]._id
        }, 10000, "the list is not loaded again")
    }

    // Opens a card's menu and picks an entry: 0 deletes, 1 edits.
    function manage(notebook, index, entry, expectedTitles) {
        mouseClick(findChild(card(notebook, index), "menuButton"))
        driver.waitOpened(notebook.manageDialog)
        var list = findChild(notebook.manageDialog, "list")
        compare([list.model.get(0).title, list.model.get(1).title], expectedTitles)
        mouseClick(list.itemAtIndex(entry))
        driver.waitClosed(notebook.manageDialog)
    }

    function confirmDelete(notebook, expectedQuestion, yes) {
        driver.waitOpened(notebook.deleteDialog)
        compare(notebook.deleteDialog.dialogContent, expectedQuestion)
        mouseClick(findChild(notebook.deleteDialog, yes ? "positiveButton" : "negativeButton"))
        driver.waitClosed(notebook.deleteDialog)
    }

    function test_contactBook() {
        var page = openSection("contacts", "contactsPage")
        var notebook = page.notebook
        var dialog = page.contactDialog
        var before = contacts()
        verify(before.total > 0)
        compare(notebook.model.count, before.total)
        verify(!findChild(page, "emptyNotice").visible)
        var shown = card(notebook, 0)
        compare(shown.fullName, before.data[0].fullName)
        compare(shown.body, [phonesHeading].concat(before.data[0].mobileArray).join("\n"))
        verify(shown.date.indexOf("گذشته") > 0, shown.date)

        // Adding: a number starts with 09 and has eleven digits at most; a number the service
        // refuses keeps the editor open with everything typed.
        mouseClick(notebook.addButton)
        driver.waitOpened(dialog)
        compare(findChild(dialog, "dialogTitle").text, "افزودن مخاطب جدید")
        compare(dialog.nameInput.text, "")
        compare(dialog.phoneRows.count, 0)
        driver.typeInto(dialog.nameInput, "")
        testSupport.typeText("کیوان تستی")
        compare(dialog.nameInput.text, "کیوان تستی")
        // Numbers typed with the Persian layout (or in Arabic-Indic digits) go on as 0-9.
        driver.typeInto(dialog.firstPhoneInput, "")
        testSupport.typeText("۱۹")
        compare(dialog.firstPhoneInput.text, "")
        testSupport.typeText("۰۹۱۵۱۱۱۲۲۳۳۴۴")
        compare(dialog.firstPhoneInput.text, "09151112233")
        for (var i = 0; i < 3; ++i)
            mouseClick(dialog.addPhoneButton)
        compare(dialog.phoneRows.count, 3)
        driver.typeInto(dialog.phoneRows.itemAt(0).phoneInput, "")
        testSupport.typeText("٠٩٣٥٠٠٠٠٠٠١")
        driver.typeInto(dialog.phoneRows.itemAt(1).phoneInput, "0912")
        driver.typeInto(dialog.phoneRows.itemAt(2).phoneInput, "09120000003")
        var save = findChild(dialog, "saveButton")
        mouseClick(save)
        driver.waitToast("0912")
        verify(dialog.visible)
        compare(dialog.nameInput.text, "کیوان تستی")
        compare(dialog.phoneRows.count, 3)
        compare(contacts({ fullName: "کیوان" }).total, 0)
        driver.closeToast()

        // Taking out the middle row leaves the others as typed.
        mouseClick(findChild(dialog.phoneRows.itemAt(1), "removePhoneButton"))
        compare(dialog.phoneRows.count, 2)
        compare(dialog.phoneRows.itemAt(1).phoneInput.text, "09120000003")
        mouseClick(save)
        driver.waitClosed(dialog)
        var added = contacts({ fullName: "کیوان" })
        compare(added.total, 1)
        compare(added.data[0].fullName, "کیوان تستی")
        compare(added.data[0].mobileArray, ["09151112233", "09350000001", "09120000003"])
        waitReloaded(notebook, contacts())
        compare(notebook.model.get(0)._id, added.data[0]._id)

        // Editing starts from the record's own name and numbers.
        manage(notebook, 0, 1, ["حذف مخاطب", "ویرایش مخاطب"])
        driver.waitOpened(dialog)
        compare(findChild(dialog, "dialogTitle").text, "ویرایش مخاطب")
        compare(dialog.nameInput.text, "کیوان تستی")
        compare(dialog.firstPhoneInput.text, "09151112233")
        compare(dialog.phoneRows.count, 2)
        compare(dialog.phoneRows.itemAt(0).phoneInput.text, "09350000001")
        compare(dialog.phoneRows.itemAt(1).phoneInput.text, "09120000003")
        dialog.nameInput.text = "کیوان تستی‌پور"
        mouseClick(findChild(dialog.phoneRows.itemAt(0), "removePhoneButton"))
        mouseClick(save)
        driver.waitClosed(dialog)
        var edited = contacts({ fullName: "کیوان" })
        compare(edited.total, 1)
        compare(edited.data[0]._id, added.data[0]._id)
        compare(edited.data[0].fullName, "کیوان تستی‌پور")
        compare(edited.data[0].mobileArray, ["09151112233", "09120000003"])
        waitReloaded(notebook, contacts())
        compare(card(notebook, 0).body, phonesHeading + "\n09151112233\n09120000003")

        // The search bar sends the name: only matches are listed, until the bar is emptied.
        driver.expectOk(driver.service("contacts/createContact", { fullName: "بی‌شماره تستی", mobileArray: [] },
                                       { json: true, token: driver.token.token }), "a contact without numbers")
        var all = contacts()
        page.searchBar.input.text = "تستی"
        mouseClick(findChild(page.searchBar, "searchButton"))
        var matches = contacts({ fullName: "تستی" })
        compare(matches.total, 2)
        waitReloaded(notebook, matches)
        compare(page.searchValue, "تستی")
        var bare = indexOfId(notebook, matches.data[0].fullName === "بی‌شماره تستی" ? matches.data[0]._id
                                                                                     : matches.data[1]._id)
        verify(bare >= 0)
        compare(card(notebook, bare).body, phonesHeading)
        manage(notebook, bare, 1, ["حذف مخاطب", "ویرایش مخاطب"])
        driver.waitOpened(dialog)
        compare(dialog.nameInput.text, "بی‌شماره تستی")
        compare(dialog.firstPhoneInput.text, "")
        compare(dialog.phoneRows.count, 0)
        mouseClick(findChild(dialog, "cancelButton"))
        driver.waitClosed(dialog)
        page.searchBar.input.text = ""
        compare(page.searchValue, "")
        waitReloaded(notebook, all)

        // Deleting asks first; "no" keeps the contact.
        var target = indexOfId(notebook, added.data[0]._id)
        manage(notebook, target, 0, ["حذف مخاطب", "ویرایش مخاطب"])
        confirmDelete(notebook, "در صورت ادامه مخاطب مورد نظر حذف خواهد گردید", false)
        compare(contacts({ fullName: "کیوان" }).total, 1)
        manage(notebook, target, 0, ["حذف مخاطب", "ویرایش مخاطب"])
        confirmDelete(notebook, "در صورت ادامه مخاطب مورد نظر حذف خواهد گردید", true)
        tryVerify(function () { return contacts({ fullName: "کیوان" }).total === 0 }, 10000)
        waitReloaded(notebook, contacts())
        compare(indexOfId(notebook, added.data[0]._id), -1)
    }

    function test_notes() {
        var page = openSection("notes", "notesPage")
        var notebook = page.notebook
        var dialog = page.noteDialog
        var before = notes()
        verify(before.total > 0)
        compare(notebook.model.count, before.total)
        compare(card(notebook, 0).title, before.data[0].title)
        compare(card(notebook, 0).body, before.data[0].body)

        mouseClick(notebook.addButton)
        driver.waitOpened(dialog)
        compare(findChild(dialog, "dialogTitle").text, "افزودن یادداشت جدید")
        compare(dialog.titleInput.text, "")
        compare(dialog.contentInput.text, "")
        dialog.titleInput.text = "بازدید واحد هفت"
        dialog.contentInput.text = "ساعت ۵ عصر\nکلید نزد نگهبان"
        mouseClick(findChild(dialog, "saveButton"))
        driver.waitClosed(dialog)
        var added = notes()
        compare(added.total, before.total + 1)
        compare(added.data[0].title, "بازدید واحد هفت")
        compare(added.data[0].body, "ساعت ۵ عصر\nکلید نزد نگهبان")
        waitReloaded(notebook, added)

        // A title the service refuses keeps the editor open; cancelling changes nothing.
        manage(notebook, 0, 1, ["حذف یادداشت", "ویرایش یادداشت"])
        driver.waitOpened(dialog)
        compare(findChild(dialog, "dialogTitle").text, "ویرایش یادداشت")
        compare(dialog.titleInput.text, "بازدید واحد هفت")
        compare(dialog.contentInput.text, "ساعت ۵ عصر\nکلید نزد نگهبان")
        dialog.titleInput.text = "  "
        mouseClick(findChild(dialog, "saveButton"))
        driver.waitToast("title")
        verify(dialog.visible)
        driver.closeToast()
        mouseClick(findChild(dialog, "cancelButton"))
        driver.waitClosed(dialog)
        compare(notes().data[0].title, "بازدید واحد هفت")

        manage(notebook, 0, 1, ["حذف یادداشت", "ویرایش یادداشت"])
        driver.waitOpened(dialog)
        compare(dialog.titleInput.text, "بازدید واحد هفت")
        dialog.contentInput.text = "لغو شد"
        mouseClick(findChild(dialog, "saveButton"))
        driver.waitClosed(dialog)
        var edited = notes()
        compare(edited.total, added.total)
        compare(edited.data[0]._id, added.data[0]._id)
        compare(edited.data[0].body, "لغو شد")
        waitReloaded(notebook, edited)
        compare(card(notebook, 0).body, "لغو شد")

        manage(notebook, 0, 0, ["حذف یادداشت", "ویرایش یادداشت"])
        confirmDelete(notebook, "در صورت ادامه یادداشت مورد نظر حذف خواهد گردید", true)
        tryVerify(function () { return notes().total === before.total }, 10000)
        waitReloaded(notebook, notes())
        compare(indexOfId(notebook, added.data[0]._id), -1)
    }
}
