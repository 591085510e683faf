import QtQuick 2.15
import QtTest 1.15

// Works the file list of the main page as a user does (menu entries, combos, rows, dialogs, the
// filter page) and asks the stand-in service directly what the list should show.
MainPageDriver {
    id: listDriver

    // The file list on top of the main page's stack.
    property var page: null

    function role() {
        return window.userData.systemRole
    }

    // Opens a menu entry's list afresh and waits for its first page.
    function openList(key) {
        main.selectedMenu = ""
        main.selectedMenu = key
        return waitList()
    }

    function waitList() {
        test.tryVerify(function () {
            var current = mainStack.currentItem
            return current && pageName(current) === "FileList" && current.pageInited && !mainStack.busy
        }, 20000, "the file list does not show its first page")
        page = mainStack.currentItem
        settle()
        return page
    }

    // Until the list's page of its latest search is in. The loading notice alone does not tell:
    // it is one for all requests, and goes with the first answer.
    function settle() {
        test.tryVerify(function () { return !page.loading }, 15000, "the list's page does not come")
        waitIdle()
        test.tryVerify(function () { return !page.loading }, 15000, "the list's page does not come")
    }

    function listPart(name) {
        var found = test.findChild(page, name)
        test.verify(found !== null, "no " + name + " on the file list")
        return found
    }

    function shownIds() {
        var model = listPart("fileModel")
        var ids = []
        for (var i = 0; i < model.count; ++i)
            ids.push(model.get(i)._id)
        return ids
    }

    function idsOf(result) {
        return result.propertyFiles.data.map(function (file) { return file._id })
    }

    // The service's answer to a list request: the body the list sends for page 1, with `extra`.
    function search(extra) {
        var body = { page: 1, count: 20, condition: true, searchOperator: "and", sortBy: "fileDateUnix", sortDirection: -1 }
        for (var key in extra)
            body[key] = extra[key]
        return expectOk(service(role() + "/propertyFiles/searchMyPropertyFiles", body,
                                { json: true, token: token.token, version: "v2" }), "search " + JSON.stringify(body))
    }

    function counterFor(shown, total) {
        return "نمایش " + shown + " از " + String(total).replace(/\B(?=(\d{3})+(?!\d))/g, ",") + " فایل"
    }

    // The list shows exactly the service's first page for the same request, and says so.
    function expectShows(extra, what) {
        var result = search(extra)
        test.compare(shownIds(), idsOf(result), what)
        test.compare(listPart("counterText").text, counterFor(result.propertyFiles.data.length, result.propertyFiles.total), what)
        test.compare(listPart("emptyNotice").visible, result.propertyFiles.data.length === 0, what)
        return result
    }

    // Scrolls to the end until the list stops paging; returns the number of pages that came.
    function pageThrough() {
        var list = listPart("fileList")
        var model = listPart("fileModel")
        var pages = 1
        while (page.loadMore) {
            var before = model.count
            list.positionViewAtEnd()
            test.tryVerify(function () { return !page.loading && (model.count !== before || !page.loadMore) }, 15000,
                           "the next page does not come")
            ++pages
        }
        waitIdle()
        return pages
    }

    // Types into a toolkit input; Persian letters, which the test's key events cannot carry,
    // are inserted at the cursor as an input method would.
    function enter(appInput, text) {
        if (/^[\x20-\x7e]*$/.test(text)) {
            typeInto(appInput, text)
            return
        }
        appInput.input.forceActiveFocus()
        appInput.input.insert(appInput.input.cursorPosition, text)
    }

    function chooseInCombo(combo, index) {
        test.mouseClick(combo)
        test.tryCompare(combo.popup, "opened", true)
        var entry = null
        test.tryVerify(function () {
            entry = combo.popup.contentItem.itemAtIndex(index)
            return entry !== null
        }, 5000)
        combo.popup.contentItem.positionViewAtIndex(index, ListView.Contain)
        test.waitForRendering(combo.popup.contentItem)
        test.mouseClick(entry)
        test.tryCompare(combo.popup, "visible", false)
    }

    // The chips as "title : value".
    function chips() {
        var model = listPart("filterModel")
        var texts = []
        for (var i = 0; i < model.count; ++i)
            texts.push(model.get(i).filterTitle + " : " + model.get(i).filterValue)
        return texts
    }

    // The row delegate of `index`, scrolled into view.
    function row(index) {
        var list = listPart("fileList")
        list.positionViewAtIndex(index, ListView.Contain)
        test.waitForRendering(list)
        var item = list.itemAtIndex(index)
        test.verify(item !== null, "no row " + index)
        return item
    }

    function clickRowPart(index, name) {
        var part = test.findChild(row(index), name)
        test.verify(part !== null && part.visible, name + " of row " + index)
        test.mouseClick(part)
    }

    // Chooses entry `index` of an action list dialog once it is open.
    function chooseAction(dialog, index) {
        waitOpened(dialog)
        var list = test.findChild(dialog, "list")
        var entry = list.itemAtIndex(index)
        test.verify(entry !== null)
        test.mouseClick(entry)
        waitClosed(dialog)
    }

    function confirm(dialog) {
        waitOpened(dialog)
        test.mouseClick(test.findChild(dialog, "positiveButton"))
        waitClosed(dialog)
    }

    // The service's record of one file, as this user sees it.
    function fileRecord(id) {
        var found = search({ _id: id }).propertyFiles.data
        return found.length > 0 ? found[0] : null
    }
}
