import QtQuick 2.15
import QtTest 1.15

// An adviser's message box: what a page shows is marked read on the service, exactly that, and
// the menu's unread badges then show the service's count.
TestCase {
    id: testCase

    readonly property string listPath: "/api/v1/notifications/getMyNotifications"
    readonly property string readPath: "/api/v1/notifications/readMyNotifications"
    // The extras group of an adviser's menu.
    readonly property int extrasRow: 5

    name: "Messages"
    when: windowShown

    MainPageDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        verify(testServer.start())
        driver.startAsAdviser("sara", "123456")
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function cleanup() {
        testSupport.redirectService(testService.origin)
        testServer.clearRoutes()
        testServer.clearRequests()
        if (driver.toast && driver.toast.visible)
            driver.closeToast()
    }

    function badges() {
        var row = driver.menuModel.get(extrasRow)
        compare(row.main_item.key, "options")
        return [row.main_item.alarm, row.child_items.get(0).alarm]
    }

    function waitBadges(count) {
        tryVerify(function () { var shown = badges(); return shown[0] === count && shown[1] === count }, 10000,
                  "badges " + JSON.stringify(badges()) + ", expected " + count)
    }

    // The message box opened from the menu (after another section, so that it is opened afresh).
    function openMessages() {
        driver.clickChildEntry("contact_us", "about_us")
        tryVerify(function () { return driver.mainStack.currentItem.objectName === "aboutPage" })
        driver.clickChildEntry("options", "message")
        tryVerify(function () {
            var page = driver.mainStack.currentItem
            return page && page.objectName === "messagePage" && !driver.mainStack.busy
        }, 10000)
        var page = driver.mainStack.currentItem
        tryVerify(function () { return page.pager.inited && !page.pager.busy }, 10000)
        return page
    }

    function notifications(unreadOnly) {
        return driver.expectOk(driver.service("notifications/getMyNotifications", {
            page: 1, count: 1000, condition: false, sortBy: "created_at", sortDirection: -1, unreadOnly: unreadOnly
        }, { json: true, token: driver.token.token }), "notifications").notifications
    }

    function envelope(result) {
        return JSON.stringify({ ok: true, result: result, messages: [] })
    }

    function test_readingTheServiceMessages() {
        var before = notifications(false)
        verify(before.total > 0)
        compare(notifications(true).total, before.total, "the adviser's messages are all unread")
        driver.main.getNotifications()
        waitBadges(before.total)

        var page = openMessages()
        compare(page.messageModel.count, before.total)
        verify(!findChild(page, "emptyNotice").visible)
        for (var i = 0; i < before.total; ++i) {
            page.list.positionViewAtIndex(i, ListView.Contain)
            var row = page.list.itemAtIndex(i)
            compare(row.title, before.data[i].title)
            compare(row.body, before.data[i].body)
            verify(row.isNew)
            verify(row.date.indexOf("گذشته") > 0, row.date)
        }
        tryVerify(function () { return notifications(true).total === 0 }, 10000)
        waitBadges(0)
        compare(findChild(driver.menuRow("options"), "badgeText").visible, false)
    }

    function test_onlyTheLoadedOnesAreMarked() {
        // The service still holds unread messages beyond the page shown.
        var page = [{ _id: "n1", title: "پیام یک", body: "متن", read: false, created_at: new Date().toISOString() },
                    { _id: "n2", title: "پیام دو", body: "متن", read: true, created_at: new Date().toISOString() }]
        testServer.addRouteForBody(listPath, "unreadOnly", 200, "application/json",
                                   envelope({ notifications: { data: [], total: 5 } }))
        testServer.addRoute(listPath, 200, "application/json", envelope({ notifications: { data: page, total: 2 } }))
        testServer.addRoute(readPath, 200, "application/json", envelope({}))
        testSupport.redirectService(testServer.origin)

        var shown = openMessages()
        compare(shown.messageModel.count, 2)
        verify(shown.list.itemAtIndex(0).isNew)
        verify(!shown.list.itemAtIndex(1).isNew)
        tryCompare(testServer.requests(readPath), "length", 1, 10000)
        compare(JSON.parse(testServer.requests(readPath)[0].body).notificationIds, ["n1", "n2"])
        waitBadges(5)

        // A refused mark-as-read leaves the badges alone.
        testServer.clearRequests()
        testServer.addRouteForBody(listPath, "unreadOnly", 200, "application/json",
                                   envelope({ notifications: { data: [], total: 7 } }))
        testServer.addRoute(readPath, 200, "application/json",
                            JSON.stringify({ ok: false, messages: ["خطا در ثبت"], message: "خطا در ثبت" }))
        openMessages()
        tryCompare(testServer.requests(readPath), "length", 1, 10000)
        driver.waitToast("خطا در ثبت")
        wait(300)
        compare(badges(), [5, 5])

        // An empty box says so and marks nothing.
        testServer.clearRequests()
        testServer.addRoute(listPath, 200, "application/json", envelope({ notifications: { data: [], total: 0 } }))
        shown = openMessages()
        compare(shown.messageModel.count, 0)
        verify(findChild(shown, "emptyNotice").visible)
        compare(findChild(shown, "emptyText").text, "در حال حاضر هیچ پیامی قابل نمایش نمی باشد")
        wait(300)
        compare(testServer.requests(readPath).length, 0)
    }
}
