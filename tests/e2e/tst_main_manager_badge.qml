import QtQuick 2.15
import QtTest 1.15

// The unread badge of a manager's menu: on the extras group, the eighth element, with the count
// the service gives. A scenario of its own, since opening the message box (as the other main-page
// scenarios do) marks the messages read.
TestCase {
    id: testCase

    property var main: null

    name: "MainPageManagerBadge"
    when: windowShown

    MainPageDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        main = driver.startAsManager("09151234567")
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function test_unreadNotificationsBadgeTheExtrasGroupAtElementEight() {
        var options = driver.menuModel.get(8)
        compare(options.main_item.key, "options")
        tryVerify(function () { return driver.menuModel.get(8).main_item.alarm === 3 }, 10000)
        var message = options.child_items.get(0)
        compare(message.key, "message")
        compare(message.alarm, 3)
        var badgeText = findChild(driver.menuRow("options"), "badgeText")
        compare(badgeText.text, "3")
        verify(badgeText.parent.visible)

        main.resetNotifications()
        compare(driver.menuModel.get(8).main_item.alarm, 0)
        compare(driver.menuModel.get(8).child_items.get(0).alarm, 0)
        verify(!findChild(driver.menuRow("options"), "badge").visible)

        // One notification read elsewhere: the next count follows the service.
        var list = driver.expectOk(driver.service("notifications/getMyNotifications", {
            page: 1, count: 1000, condition: false, searchOperator: "and", sortBy: "created_at", sortDirection: -1,
            unreadOnly: true }, { json: true, token: driver.token.token }), "notifications")
        driver.expectOk(driver.service("notifications/readMyNotifications",
                                       { notificationIds: [list.notifications.data[0]._id] },
                                       { json: true, token: driver.token.token }), "read")
        main.getNotifications()
        tryVerify(function () { return driver.menuModel.get(8).main_item.alarm === 2 }, 10000)
        compare(driver.menuModel.get(8).child_items.get(0).alarm, 2)
        compare(findChild(driver.menuRow("options"), "badgeText").text, "2")
    }
}
