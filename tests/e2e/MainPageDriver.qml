import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0

// Reaches the main page through a stored session and works its menu, dialogs and toasts the way
// a user does. Used by the main-page scenarios of both roles.
E2eDriver {
    id: mainDriver

    property var main: null
    property var token: null
    property var toast: null
    property var menuModel: null
    property var mainStack: null
    property var menuList: null
    property var subMenuLt: null

    // Signs in on the service, leaves the session where the program finds it at its start, starts
    // the program and waits until the splash page has handed over to the main page.
    function startSignedIn(signIn) {
        token = signIn
        settings.setValue("is_login", true)
        settings.setValue("user_data", { username: signIn.username, apiToken: signIn.token, refreshToken: signIn.refreshToken })
        settings.setValue("app_data", {})
        launch()
        main = waitForPage("Main", 30000)
        toast = windowPart("toast")
        menuModel = test.findChild(main, "menuModel")
        mainStack = test.findChild(main, "mainStack")
        menuList = test.findChild(main, "menuList")
        subMenuLt = test.findChild(main, "subMenuLt")
        test.verify(menuModel && mainStack && menuList && subMenuLt)
        return main
    }

    // Signs the office's manager in by code, or an adviser by password, and starts the program
    // with that session (see startSignedIn); returns the main page.
    function startAsManager(mobile) {
        var signIn = managerSignIn(mobile, deviceId())
        signIn.username = mobile
        return startSignedIn(signIn)
    }

    function startAsAdviser(username, password) {
        var signIn = adviserSignIn(username, password, deviceId())
        signIn.username = username
        return startSignedIn(signIn)
    }

    // Lets a frame be drawn after a change. When nothing changed no frame comes, and waiting out
    // the full default timeout for it only slows the scenario down.
    function rendered(item) {
        test.waitForRendering(item, 300)
    }

    function part(name) {
        var found = test.findChild(main, name)
        test.verify(found !== null, "no " + name + " on the main page")
        return found
    }

    function topKeys() {
        var keys = []
        for (var i = 0; i < menuModel.count; ++i)
            keys.push(menuModel.get(i).main_item.key)
        return keys
    }

    function childKeys(groupKey) {
        for (var i = 0; i < menuModel.count; ++i) {
            var row = menuModel.get(i)
            if (row.main_item.key !== groupKey)
                continue
            var keys = []
            for (var j = 0; j < row.child_items.count; ++j)
                keys.push(row.child_items.get(j).key)
            return keys
        }
        return null
    }

    function groupIndex(key) {
        for (var i = 0; i < menuModel.count; ++i) {
            if (menuModel.get(i).main_item.key === key)
                return i
        }
        return -1
    }

    // The delegate of a top-level row, scrolled into view and laid out.
    function menuRow(key) {
        var index = groupIndex(key)
        test.verify(index >= 0, "no menu row " + key)
        menuList.positionViewAtIndex(index, ListView.Contain)
        rendered(menuList)
        var row = menuList.itemAtIndex(index)
        test.verify(row !== null)
        return row
    }

    function clickMenuRow(key) {
        var row = test.findChild(menuRow(key), "mainRow")
        test.mouseClick(row)
        return row
    }

    // Opens a group in the expanded menu (when it is closed) and clicks one of its children.
    function clickChildEntry(groupKey, childKey) {
        var index = groupIndex(groupKey)
        if (!menuModel.get(index).expanded)
            clickMenuRow(groupKey)
        test.tryCompare(menuModel.get(index), "expanded", true)
        var children = test.findChild(menuRow(groupKey), "childList")
        test.tryVerify(function () { return children.visible && children.height === children.contentHeight })
        var keys = childKeys(groupKey)
        var child = children.itemAtIndex(keys.indexOf(childKey))
        test.verify(child !== null, "no entry " + childKey)
        menuList.positionViewAtIndex(index, ListView.Beginning)
        rendered(menuList)
        var place = child.mapToItem(menuList, 0, 0)
        if (place.y + child.height > menuList.height)
            menuList.contentY += place.y + child.height - menuList.height
        rendered(menuList)
        test.mouseClick(child)
    }

    // Opens a menu entry's page afresh (after another section when it is the one shown), a child
    // of `groupKey` or, without one, a top-level entry, and waits until it is in place and its
    // first requests are answered.
    function openSection(groupKey, childKey, objectName) {
        if (main.selectedMenu === childKey)
            main.selectedMenu = "home"
        if (groupKey)
            clickChildEntry(groupKey, childKey)
        else
            clickMenuRow(childKey)
        test.tryVerify(function () {
            var page = mainStack.currentItem
            return page && page.objectName === objectName && !mainStack.busy
        }, 10000, "waiting for " + objectName)
        waitIdle()
        return mainStack.currentItem
    }

    // The signed-in manager's wallet on the service: balance and gift balance together.
    function serviceWallet() {
        var result = expectOk(service("officeMan/finance/getMyWallet", {}, { token: token.token }), "wallet")
        return result.wallet.balance + result.wallet.giftBalance
    }

    // 2390000 as "2,390,000".
    function grouped(amount) {
        var digits = String(amount)
        var text = ""
        for (var i = 0; i < digits.length; ++i) {
            if (i > 0 && (digits.length - i) % 3 === 0)
                text += ","
            text += digits.charAt(i)
        }
        return text
    }

    // The side menu's balance line for `amount`.
    function balanceText(amount) {
        return "موجودی حساب: " + grouped(amount) + " تومان"
    }

    // The service's wallet holds `expected`, and the side menu says so.
    function checkBalance(expected) {
        test.compare(serviceWallet(), expected)
        test.tryCompare(part("balanceText"), "text", balanceText(expected))
    }

    // A grid's card, scrolled into view; reaching the grid's end asks for the next page under
    // the loading indicator, which is waited out.
    function gridItem(grid, index) {
        grid.positionViewAtIndex(index, GridView.Contain)
        waitIdle()
        rendered(grid)
        var item = grid.itemAtIndex(index)
        test.verify(item !== null, "no card " + index)
        return item
    }

    function waitToast(text, timeout) {
        test.tryVerify(function () { return toastText(toast).indexOf(text) >= 0 }, timeout || 10000,
                       "expected the toast \"" + text + "\", showing \"" + toastText(toast) + "\"")
    }

    function closeToast() {
        toast.close()
        test.tryCompare(toast, "visible", false)
    }

    function openDialog(dialog) {
        dialog.initial()
        waitOpened(dialog)
    }

    // Open, with its opening pulse played out: until then its buttons are still moving.
    function waitOpened(dialog) {
        test.tryCompare(dialog, "opened", true)
        test.tryVerify(function () {
            return !dialog.dialogExit && Math.abs(dialog.contentLayout.width - dialog.width * 0.95) < 0.5
                    && Math.abs(dialog.contentLayout.height - dialog.height * 0.95) < 0.5
        }, 5000)
        rendered(dialog.contentItem)
    }

    function waitClosed(dialog) {
        test.tryCompare(dialog, "visible", false)
    }

    // Puts the text into a field as typed keys, after giving it the focus.
    function typeInto(appInput, text) {
        appInput.input.forceActiveFocus()
        test.tryCompare(appInput.input, "activeFocus", true)
        type(text)
    }

    function waitIdle() {
        test.tryCompare(windowPart("dialogLoading"), "visible", false, 10000)
    }

    // The settings file the program starts from.
    Settings {
        id: settings
    }
}
