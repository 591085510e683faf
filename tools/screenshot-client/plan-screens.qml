import QtQuick 2.15
import QtTest 1.15
import "../../tests/e2e"

// Saves pictures of the plan grid, the current plan with its extra areas, the order and
// transaction tables, the archive shop and the plan notice, signed in as the demo manager whose
// plan ends in two days. Run by run.sh under Xvfb with a stand-in service of its own.
TestCase {
    id: shooter

    name: "PlanScreens"
    when: windowShown

    MainPageDriver {
        id: driver

        test: shooter
    }

    function shoot(file) {
        waitForRendering(driver.window.contentItem, 3000)
        wait(700)
        grabImage(driver.window.contentItem).save(file)
        console.log("saved " + file)
    }

    function open(key, objectName) {
        driver.main.selectedMenu = key
        tryCompare(driver.mainStack, "busy", false)
        var page = driver.mainStack.currentItem
        compare(page.objectName, objectName)
        driver.waitIdle()
        return page
    }

    function test_shootThePlanPages() {
        verify(testService.restart(["--plan-days-left", "2"]))
        driver.startAsManager("09151234567")
        driver.waitIdle()

        var plans = open("buy_plan", "planPage")
        tryCompare(plans.planModel, "count", 4, 10000)
        shoot("plan-grid.png")
        plans.grid.contentY = plans.grid.contentHeight - plans.grid.height
        shoot("plan-grid-end.png")

        var info = open("finance_overview", "planInfoPage")
        tryVerify(function () { return info.ready && info.areaModel.count > 0 }, 10000)
        shoot("plan-current.png")
        info.zoneDialog.initial()
        tryCompare(info.zoneDialog, "opened", true)
        shoot("plan-zone-dialog.png")
        info.zoneDialog.dismiss()
        driver.waitClosed(info.zoneDialog)
        info.deleteArea(0)
        tryCompare(info.deleteDialog, "opened", true)
        shoot("plan-area-delete.png")
        info.deleteDialog.dismiss()
        driver.waitClosed(info.deleteDialog)

        var orders = open("order_list", "orderPage")
        tryVerify(function () { return orders.orderModel.count > 0 }, 10000)
        shoot("orders.png")
        var transactions = open("transaction_list", "transactionPage")
        tryVerify(function () { return transactions.transactionModel.count > 0 }, 10000)
        shoot("transactions.png")

        var shop = open("buy_archive", "archivePage")
        tryVerify(function () { return shop.archiveModel.count > 0 }, 10000)
        shoot("archive-shop.png")
        var withZones = -1
        for (var i = 0; i < shop.archiveModel.count; ++i) {
            if (shop.archiveModel.get(i).areas.count > 0 && withZones < 0)
                withZones = i
        }
        shop.grid.positionViewAtIndex(withZones, GridView.Beginning)
        waitForRendering(shop.grid)
        var card = shop.grid.itemAtIndex(withZones)
        card.zonesShown = true
        wait(600)
        shoot("archive-zones.png")
        card.zonesShown = false
        shop.startPurchase(withZones)
        tryCompare(shop.confirmDialog, "opened", true, 10000)
        shoot("archive-question.png")
        shop.confirmDialog.dismiss()
        driver.waitClosed(shop.confirmDialog)

        // The cheapest plan from the wallet: a month to run, so the notice stands in for the plans.
        plans = open("buy_plan", "planPage")
        tryCompare(plans.planModel, "count", 4, 10000)
        plans.buyPlan(3)
        tryCompare(plans, "planRunning", true, 10000)
        driver.waitIdle()
        shoot("plan-notice.png")
        driver.window.destroy()
    }
}
