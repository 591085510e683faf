import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0

// The main page of an agency adviser: a shorter menu without users, reminders and finance, no
// wallet, the badge on the fifth element, manager-only shortcuts that do nothing, and sign-out.
TestCase {
    id: testCase

    property var main: null

    name: "MainPageAdviser"
    when: windowShown

    MainPageDriver {
        id: driver

        test: testCase
    }

    Settings {
        id: store
    }

    function initTestCase() {
        testSupport.captureOpenedUrls()
    }

    function cleanupTestCase() {
        driver.quit()
    }

    // Every case starts the program signed in afresh: what one case opened, selected or signed
    // out of never reaches the next.
    function init() {
        driver.setAside()
        main = driver.startAsAdviser("sara", "123456")
    }

    function cleanup() {
        if (driver.toast && driver.toast.visible)
            driver.closeToast()
        if (driver.pageName(driver.currentPage()) !== "Main")
            return
        driver.subMenuLt.dismiss()
    }

    function test_menuHoldsTheAdviserEntriesInOrder() {
        compare(driver.window.userData.systemRole, "employee")
        compare(driver.topKeys(), ["home", "profile", "blog", "files", "request_files", "options", "contact_us", "exit"])
        compare(driver.childKeys("files"), ["add_file", "share_files", "bookmarked_files"])
        compare(driver.childKeys("request_files"), ["add_request_file", "share_request_files", "bookmarked_request_files"])
        compare(driver.childKeys("options"), ["message", "notes", "contacts"])
        compare(driver.childKeys("contact_us"), ["suggestion", "about_us", "terms"])
        compare(main.findMenuByKey("search_files"), null)
        compare(main.findMenuByKey("search_request_files"), null)
        compare(main.findMenuByKey("charge_wallet"), null)
        compare(main.findMenuByKey("add_user"), null)
    }

    function test_noWalletForAnAdviser() {
        verify(!driver.part("balanceRow").visible)
        compare(main.balanceText, "", "the wallet is never asked for")
        compare(driver.part("topBarName").text, "سارا احمدی")
        compare(driver.part("userName").text, "sara | سارا احمدی")
        compare(driver.part("officeTitle").text, driver.window.userData.office.title)
    }

    function test_unreadBadgeGoesToElementFive() {
        compare(driver.menuModel.get(5).main_item.key, "options")
        tryVerify(function () { return driver.menuModel.get(5).main_item.alarm === 3 }, 10000)
        compare(driver.menuModel.get(5).child_items.get(0).alarm, 3)
        compare(findChild(driver.menuRow("options"), "badgeText").text, "3")
        for (var i = 0; i < driver.menuModel.count; ++i) {
            if (i !== 5)
                compare(driver.menuModel.get(i).main_item.alarm, 0, driver.menuModel.get(i).main_item.key)
        }
        main.resetNotifications()
        compare(driver.menuModel.get(5).main_item.alarm, 0)
        compare(driver.menuModel.get(5).child_items.get(0).alarm, 0)
    }

    function test_managerShortcutsDoNothing() {
        main.selectedMenu = "home"
        var title = driver.part("pageTitle").text
        var depth = driver.mainStack.depth
        var current = driver.mainStack.currentItem

        // Keys of entries the adviser does not have: nothing opens.
        keyClick(Qt.Key_F, Qt.ControlModifier)
        compare(main.selectedMenu, "search_files")
        keyClick(Qt.Key_G, Qt.ControlModifier)
        compare(main.selectedMenu, "search_request_files")
        compare(driver.part("pageTitle").text, title)
        compare(driver.mainStack.depth, depth)
        compare(driver.mainStack.currentItem, current)

        keyClick(Qt.Key_F1)
        verify(!driver.subMenuLt.visible)
        compare(main.quickShowing, false)
        keyClick(Qt.Key_F3)
        keyClick(Qt.Key_F4)
        wait(100)
        verify(!driver.part("quickSearchDialog").visible)
        verify(!driver.part("chargeDialog").visible)

        // The shared ones work.
        keyClick(Qt.Key_Q, Qt.ControlModifier)
        compare(main.selectedMenu, "add_file")
        keyClick(Qt.Key_W, Qt.ControlModifier)
        compare(main.selectedMenu, "add_request_file")
        main.selectedMenu = "home"
    }

    function test_quickAccessHoldsTheAdviserShortcuts() {
        mouseClick(driver.part("quickButton"))
        verify(driver.subMenuLt.visible)
        var quick = driver.part("quickAccessMenu")
        var keys = []
        for (var i = 0; i < quick.get(0).child_items.count; ++i)
            keys.push(quick.get(0).child_items.get(i).key)
        compare(keys, ["quick_search", "add_file", "add_request_file", "share_files"])
        compare(findChild(driver.subMenuLt, "panelList").count, 4)
        mouseClick(driver.part("quickButton"))
        verify(!driver.subMenuLt.visible)
    }

    function test_quickSearchWithinTheAdvisersFiles() {
        var found = driver.files(driver.token.token, { page: 1, count: 20, condition: true, searchOperator: "and" },
                                 "employee")
        var dialog = driver.part("quickSearchDialog")
        if (found.length > 0) {
            var file = found[0]
            driver.openDialog(dialog)
            driver.typeInto(dialog.trackingId, String(file.trackingId))
            mouseClick(dialog.btn)
            driver.waitClosed(dialog)
            tryVerify(function () { return driver.mainStack.currentItem.fileId === file._id }, 10000)
        }
        driver.openDialog(dialog)
        driver.typeInto(dialog.mobile, "09000000001")
        mouseClick(dialog.btn)
        driver.waitClosed(dialog)
        driver.waitToast("فایلی با این مشخصات پیدا نشد")
    }

    function test_signOutReturnsToTheLoginPage() {
        var confirm = driver.part("confirmDialog")
        driver.clickMenuRow("exit")
        driver.waitOpened(confirm)
        mouseClick(findChild(confirm, "positiveButton"))
        driver.waitForPage("Login", 10000)
        compare(driver.window.isLogin, false)
        compare(store.boolValue("is_login", true), false)
    }
}
