import QtQuick 2.15
import QtTest 1.15

// Works the profile and users' pages as a user does, and reads what they did on the service.
MainPageDriver {
    id: accountDriver

    // `text` with Persian and Arabic-Indic digits as 0-9, as the program's inputs hold it.
    function latin(text) {
        return String(text).replace(/[\u06F0-\u06F9]/g, function (d) { return String(d.charCodeAt(0) - 0x06F0) })
                           .replace(/[\u0660-\u0669]/g, function (d) { return String(d.charCodeAt(0) - 0x0660) })
    }

    // Opens a menu entry's page afresh, a child of `groupKey` or (without one) a top-level entry.
    function openPage(groupKey, key, objectName) {
        return openSection(groupKey, key, objectName)
    }

    // Types `text` (Persian letters and digits as well) into a form field, after emptying it.
    function enter(formField, text) {
        formField.text = ""
        formField.input.forceActiveFocus()
        test.tryCompare(formField.input, "activeFocus", true)
        testSupport.typeText(text)
    }

    // The toast's text contains `text`; then it is closed.
    function expectToast(text) {
        waitToast(text)
        closeToast()
    }

    // Scrolls the flickable that holds `item` until the item is in view, as a user would.
    function reveal(item) {
        var flickable = item.parent
        while (flickable && flickable.contentY === undefined)
            flickable = flickable.parent
        if (!flickable)
            return
        var place = item.mapToItem(flickable.contentItem, 0, 0)
        if (place.y < flickable.contentY)
            flickable.contentY = place.y
        else if (place.y + item.height > flickable.contentY + flickable.height)
            flickable.contentY = place.y + item.height - flickable.height
    }

    function clickInView(item) {
        reveal(item)
        click(item)
    }

    // The first button inside `item` whose objectName is `name`, clicked.
    function press(item, name) {
        var button = test.findChild(item, name)
        test.verify(button !== null, "no " + name)
        click(button)
    }

    // The office's staff as the service lists them, every status but deleted.
    function staff(token) {
        return expectOk(service("officeMan/users/searchUsers", { page: 1, count: 100 }, { token: token }),
                        "the staff").users.data
    }

    function staffMember(token, username) {
        var found = staff(token).filter(function (user) { return user.username === username })
        return found.length > 0 ? found[0] : null
    }

    // --- the users' page ----------------------------------------------------------------------

    // The row of the users' page showing `username` (an adviser's user name or a manager's phone).
    function userRow(page, username) {
        for (var i = 0; i < page.userModel.count; ++i) {
            var user = page.userModel.get(i)
            if (user.username === username || user.phone === username)
                return i
        }
        return -1
    }

    function waitForList(page) {
        test.tryVerify(function () { return !page.pager.busy }, 10000)
        waitIdle()
    }

    // Clicks the row's manage button and returns the titles the manage list offers.
    function openManage(page, username) {
        var index = userRow(page, username)
        test.verify(index >= 0, "no row for " + username)
        page.list.positionViewAtIndex(index, ListView.Contain)
        press(page.list.itemAtIndex(index), "manageButton")
        waitOpened(page.manageDialog)
        var titles = []
        for (var i = 0; i < page.manageDialog.items.count; ++i)
            titles.push(page.manageDialog.items.get(i).title)
        return titles
    }

    // Opens the manage list of `username`'s row and chooses the entry titled `title`.
    function manage(page, username, title) {
        var titles = openManage(page, username)
        var index = titles.indexOf(title)
        test.verify(index >= 0, title + " is not offered: " + titles.join(", "))
        test.mouseClick(page.manageDialog.listItem.itemAtIndex(index))
        waitClosed(page.manageDialog)
    }
}
