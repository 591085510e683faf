import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0

// Plans bought and renewed by the demo manager against the stand-in service, whose plans are
// made to end two days after each of its starts: the wallet, the payment page (paid and
// cancelled), the renewal window, the order and transaction tables, and the current plan's extra
// areas; an office without a plan is played by the in-process server.
TestCase {
    id: testCase

    readonly property string mobile: "09151234567"
    readonly property string gatewayText: "برای پرداخت به درگاه منتقل می‌شوید"
    readonly property string boughtText: "پلن مورد نظر برای شما فعال شد و مبلغ آن از موجودی کیف پول شما کم شد"
    readonly property real day: 24 * 3600 * 1000

    name: "Plans"
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
        verify(testServer.start())
        endPlansSoon()
        driver.startAsManager(mobile)
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

    // The service again, on the same data, with every plan ending two days from now.
    function endPlansSoon() {
        verify(testService.restart(["--plan-days-left", "2"]))
    }

    function ask(route, params) {
        return driver.expectOk(driver.service("officeMan/" + route, params || {}, { json: true, token: driver.token.token }),
                               route)
    }

    function office() {
        return driver.office(driver.token.token)
    }

    function servicePlans() {
        return ask("plans/searchPlans", { page: 1, count: 100, status: 1, sortBy: "price", sortDirection: -1,
                                          systemPlan: false }).plans.data
    }

    function listQuery() {
        return { page: 1, count: 100, condition: true, searchOperator: "and", sortBy: "created_at", sortDirection: -1 }
    }

    function buttonText(item) {
        return findChild(findChild(item, "buyButton"), "caption").text
    }

    function indexOfTitle(page, title) {
        for (var i = 0; i < page.planModel.count; ++i) {
            if (page.planModel.get(i).title === title)
                return i
        }
        return -1
    }

    function openPlans() {
        var page = driver.openSection("finance", "buy_plan", "planPage")
        tryVerify(function () { return page.ready && (page.planRunning || (page.planModel.count > 0 && !page.pager.busy)) },
                  10000)
        return page
    }

    // Clicks a plan's button; returns the payment page's address when one was opened.
    function buy(page, title) {
        var index = indexOfTitle(page, title)
        verify(index >= 0, title)
        var opened = testSupport.openedUrls.length
        mouseClick(findChild(driver.gridItem(page.grid, index), "buyButton"))
        return opened
    }

    function paymentPageAfter(opened) {
        tryCompare(testSupport.openedUrls, "length", opened + 1, 10000)
        driver.waitToast(gatewayText)
        driver.closeToast()
        return testSupport.openedUrls[opened]
    }

    function plainStoredUser() {
        var saved = store.value("user_data", {})
        verify(saved.password === undefined, "no password is stored")
        verify(saved.apiToken && saved.refreshToken)
        return saved
    }

    function test_plansAreBoughtRenewedInTheirLastDaysAndPaidOnThePaymentPage() {
        var plans = servicePlans()
        var byTitle = {}
        plans.forEach(function (plan) { byTitle[plan.title] = plan })
        var gold = byTitle["پلن طلایی"], bronze = byTitle["پلن برنزی"], diamond = byTitle["پلن الماس"]
        var start = office()
        compare(start.currentPlanId, gold._id)
        verify(start.currentPlan.expires_in - Date.now() < 3 * day)
        var balance = driver.serviceWallet()

        // Two days left: every plan on sale, the office's own one to be renewed with its extras.
        var page = openPlans()
        verify(page.grid.visible)
        verify(!findChild(page, "planNotice").visible)
        compare(page.planModel.count, plans.length)
        for (var i = 0; i < plans.length; ++i) {
            var item = driver.gridItem(page.grid, i)
            var plan = plans[i]
            compare(item.title, plan.title)
            compare(item.badge, plan.expdays + " روزه")
            compare(item.current, plan._id === gold._id, plan.title)
            if (plan._id === gold._id)
                compare(buttonText(item), "تمدید پلن (" + driver.grouped(plan.renewPrice + start.currentPlan.extraFee) + " تومان)")
            else
                compare(buttonText(item), "خرید پلن (" + driver.grouped(plan.price) + " تومان) ")
            compare(findChild(item, "preDiscount").visible, plan.preDiscountPrice > 0)
        }
        var diamondCard = driver.gridItem(page.grid, indexOfTitle(page, diamond.title))
        compare(findChild(diamondCard, "sharingLine").value, "دارد")
        var lines = findChild(diamondCard, "lines").children
        var areasLine = null
        for (var j = 0; j < lines.length; ++j) {
            if (lines[j].label === "مناطق")
                areasLine = lines[j]
        }
        compare(areasLine.value, String(diamond.maxAreasCount + 1), "the plan's own area and its extra ones")

        // More than the wallet holds: the payment page, cancelled there; nothing changes.
        verify(diamond.price > balance)
        var cancelled = paymentPageAfter(buy(page, diamond.title))
        driver.answerPaymentPage(cancelled, "cancel")
        driver.checkBalance(balance)
        compare(office().currentPlanId, gold._id)

        // From the wallet: a month of the cheapest plan, which then runs too long to be renewed.
        buy(page, bronze.title)
        driver.waitToast(boughtText)
        tryCompare(page, "planRunning", true, 10000)
        balance -= bronze.price
        driver.checkBalance(balance)
        var bought = office()
        compare(bought.currentPlanId, bronze._id)
        tryCompare(driver.window.userData.office, "currentPlanId", bronze._id)
        compare(plainStoredUser().office.currentPlanId, bronze._id)
        verify(!page.grid.visible, "no plan can be bought or renewed a month before the end")
        verify(findChild(page, "planNotice").visible)
        verify(!findChild(page, "emptyNotice").visible)
        var expireText = findChild(page, "expireText").text
        verify(/^تاریخ انقضا پلن فعلی : \d{4}\/\d{2}\/\d{2} - \d{2}:\d{2}$/.test(expireText), expireText)
        driver.closeToast()

        // Two days before the end the renewal opens: the month is added to what is left.
        endPlansSoon()
        var endBefore = office().currentPlan.expires_in
        page = openPlans()
        verify(!page.planRunning)
        var bronzeCard = driver.gridItem(page.grid, indexOfTitle(page, bronze.title))
        verify(bronzeCard.current)
        compare(buttonText(bronzeCard), "تمدید پلن (" + driver.grouped(bronze.renewPrice) + " تومان)")
        buy(page, bronze.title)
        driver.waitToast(boughtText)
        tryCompare(page, "planRunning", true, 10000)
        balance -= bronze.renewPrice
        driver.checkBalance(balance)
        var renewed = office()
        compare(renewed.currentPlanId, bronze._id)
        compare(renewed.currentPlan.expires_in, endBefore + bronze.expdays * day)
        compare(driver.window.userData.office.currentPlan.expires_in, renewed.currentPlan.expires_in)
        driver.closeToast()

        // More than the wallet holds, paid on the payment page: the page shows the new plan once
        // it is opened again, and the wallet is untouched.
        endPlansSoon()
        page = openPlans()
        verify(gold.price > balance)
        var paid = paymentPageAfter(buy(page, gold.title))
        verify(paid !== cancelled)
        driver.answerPaymentPage(paid, "pay")
        driver.checkBalance(balance)
        compare(office().currentPlanId, gold._id)
        page = openPlans()
        verify(page.planRunning, "the paid plan runs for half a year")
        compare(driver.window.userData.office.currentPlanId, gold._id)
        compare(plainStoredUser().office.currentPlanId, gold._id)

        // Everything bought is on the service's books: two on the payment page, two from the wallet.
        var orders = ask("orders/searchOrders", listQuery()).orders.data.slice(0, 4)
        compare(orders.map(function (order) { return order.orderType + ":" + order.status }),
                ["BUY_PLAN:completed", "RENEW_PLAN:completed", "BUY_PLAN:completed", "BUY_PLAN:canceled"])
    }

    // Every order and transaction the service lists, in its order, with the texts of its codes.
    function test_ordersAndTransactionsShowTheServiceRecords() {
        var orderTypes = { CHARGE_WALLET: "شارژ کیف پول", BUY_PLAN: "خرید پلن", BUY_PACKAGE: "خرید آرشیو فایل",
                           UPGRADE_PLAN: "خرید کاربر", RENEW_PLAN: "تمدید پلن" }
        var orderStatuses = { pendingPayment: "پرداخت نشده", completed: "تکمیل شده", canceled: "لغو شده",
                              refunded: "مسترد شده" }
        var statusTexts = ["پرداخت نشده", "تکمیل شده", "لغو شده", "مسترد شده"]
        var gateways = { WALLET: "کسر از کیف پول", GIFTCODE: "کد تخفیف", OFFLINE: "شارژ توسط پشتیبان" }
        var money = function (amount) { return driver.grouped(amount) + " تومان" }
        var dash = function (value) { return value === null || value === undefined || value === "" ? "-" : String(value) }

        var orders = ask("orders/searchOrders", listQuery()).orders.data
        var page = driver.openSection("finance", "order_list", "orderPage")
        tryCompare(page.orderModel, "count", orders.length, 10000)
        var headers = findChild(page.table, "headerRow").cells
        compare(headers, ["شماره سفارش", "نوع درخواست", "مبلغ", "مبلغ پرداخت شده", "تاریخ ثبت فاکتور", "کد پیگیری",
                          "وضعیت سفارش"])
        var list = page.table.list
        var seen = {}
        for (var i = 0; i < orders.length; ++i) {
            var order = orders[i]
            list.positionViewAtIndex(i, ListView.Contain)
            driver.rendered(list)
            var row = list.itemAtIndex(i)
            compare(row.cells.slice(0, 4), [String(order.trackingId), orderTypes[order.orderType], money(order.amount),
                                             money(order.paymentAmount)])
            verify(/^\d{4}\/\d{2}\/\d{2}$/.test(row.cells[4]), row.cells[4])
            compare(row.cells.slice(5), [dash(order.gatewayAuth), orderStatuses[order.status]])
            seen[order.status] = row.badgeColor
        }
        compare(seen.completed, "#40cd7d")
        compare(seen.canceled, "#ff9066")
        verify(orders.some(function (order) { return order.gatewayAuth === null }), "an order without a tracking code")
        verify(!findChild(page.table, "emptyNotice").visible)

        var transactions = ask("orders/searchTransactions", listQuery()).transactions.data
        page = driver.openSection("finance", "transaction_list", "transactionPage")
        tryCompare(page.transactionModel, "count", transactions.length, 10000)
        compare(findChild(page.table, "headerRow").cells, ["نوع تراکنش", "کد پیگیری", "رسید پرداخت", "مبلغ", "تاریخ تراکنش",
                                                           "وضعیت تراکنش"])
        list = page.table.list
        var kinds = {}
        for (i = 0; i < transactions.length; ++i) {
            var transaction = transactions[i]
            list.positionViewAtIndex(i, ListView.Contain)
            driver.rendered(list)
            row = list.itemAtIndex(i)
            var kind = gateways[transaction.paymentGateway] || "پرداخت آنلاین"
            kinds[kind] = true
            compare(row.cells.slice(0, 4), [kind, dash(transaction.gatewayAuth), dash(transaction.receipt),
                                             money(transaction.amount)])
            compare(row.cells[5], statusTexts[transaction.status])
        }
        compare(Object.keys(kinds).sort(), ["پرداخت آنلاین", "کد تخفیف", "کسر از کیف پول"].sort())
        verify(transactions.some(function (transaction) { return transaction.receipt === null }))
    }

    // The current plan, and extra areas added from the list of areas and removed after a question.
    function test_currentPlanAndItsExtraAreas() {
        var start = office()
        var page = driver.openSection("finance", "finance_overview", "planInfoPage")
        tryVerify(function () { return page.ready }, 10000)
        verify(page.hasPlan)
        var planCard = findChild(page, "planCard")
        compare(planCard.title, start.currentPlan.title)
        verify(/^تاریخ انقضا : \d{4}\/\d{2}\/\d{2} - \d{2}:\d{2}$/.test(planCard.badge), planCard.badge)
        compare(planCard.filesPerDay, start.currentPlan.maxFilesPerPeriod)
        compare(findChild(planCard, "sharingLine").label, "قابلیت اشتراک گذاری فایل")
        verify(!findChild(planCard, "buyButton").visible)
        verify(findChild(page, "areaSection").visible)

        var areas = driver.expectOk(driver.service("areas/searchAreas", { page: 1, count: 10000000 },
                                                   { token: driver.token.token }), "areas").areas.data
        var names = {}
        areas.forEach(function (area) { names[area._id] = area.title })
        var listed = function () {
            var titles = []
            for (var i = 0; i < page.areaModel.count; ++i)
                titles.push(page.areaModel.get(i).title)
            return titles.join("|")
        }
        var expected = function (ids) { return ids.map(function (id) { return names[id] }).join("|") }
        tryCompare(page.areaModel, "count", start.currentPlan.extraAreaIds.length, 10000)
        compare(listed(), expected(start.currentPlan.extraAreaIds))
        compare(findChild(page, "noAreaText").visible, page.areaModel.count === 0)
        var addButton = findChild(page, "addAreaButton")
        compare(addButton.visible, page.areaModel.count < start.currentPlan.remainingAreas.original)
        verify(addButton.visible, "the plan has room for an extra area")

        // Added: the area is searched by its name in the dialog and chosen.
        var chosen = page.freeZones[page.freeZones.length - 1]
        // On a narrow window the areas are under the plan.
        var flick = findChild(page, "flick")
        flick.contentY = Math.max(0, flick.contentHeight - flick.height)
        driver.rendered(flick)
        mouseClick(addButton)
        driver.waitOpened(page.zoneDialog)
        var input = findChild(page.zoneDialog, "searchInput")
        input.input.forceActiveFocus()
        testSupport.typeText(chosen.title)
        var choices = findChild(page.zoneDialog, "list")
        var shownAt = function () {
            return page.zoneDialog.shown.map(function (zone) { return zone._id }).indexOf(chosen._id)
        }
        tryVerify(function () { return page.zoneDialog.searchText === chosen.title && shownAt() >= 0 })
        verify(page.zoneDialog.shown.length < page.freeZones.length, "the typed name narrows the list")
        choices.positionViewAtIndex(shownAt(), ListView.Contain)
        driver.rendered(choices)
        mouseClick(choices.itemAtIndex(shownAt()))
        driver.waitClosed(page.zoneDialog)
        tryCompare(page.areaModel, "count", start.currentPlan.extraAreaIds.length + 1, 10000)
        var ids = office().currentPlan.extraAreaIds
        compare(ids, start.currentPlan.extraAreaIds.concat([chosen._id]))
        compare(listed(), expected(ids))
        verify(!findChild(page, "noAreaText").visible)
        compare(addButton.visible, ids.length < start.currentPlan.remainingAreas.original)
        verify(page.freeZones.every(function (zone) { return zone._id !== chosen._id }), "an area is added once")
        compare(store.value("user_data", {}).office.currentPlan.extraAreaIds, ids)

        // Removed after a question; "no" keeps it.
        var areaList = findChild(page, "areaList")
        var last = ids.length - 1
        driver.rendered(areaList)
        mouseClick(findChild(areaList.itemAtIndex(last), "deleteIc"))
        driver.waitOpened(page.deleteDialog)
        verify(page.deleteDialog.dialogContent.indexOf(chosen.title) >= 0)
        mouseClick(findChild(page.deleteDialog, "negativeButton"))
        driver.waitClosed(page.deleteDialog)
        driver.waitIdle()
        compare(office().currentPlan.extraAreaIds, ids)
        mouseClick(findChild(areaList.itemAtIndex(last), "deleteIc"))
        driver.waitOpened(page.deleteDialog)
        mouseClick(findChild(page.deleteDialog, "positiveButton"))
        driver.waitClosed(page.deleteDialog)
        tryCompare(page.areaModel, "count", ids.length - 1, 10000)
        compare(office().currentPlan.extraAreaIds, start.currentPlan.extraAreaIds)
        compare(listed(), expected(start.currentPlan.extraAreaIds))
    }

    function envelope(result) {
        return JSON.stringify({ ok: true, result: result, messages: [] })
    }

    // An office the service keeps without a plan: no plan is asked for or shown as the office's.
    function test_anOfficeWithoutAPlan() {
        var real = office()
        var bare = JSON.parse(JSON.stringify(real))
        delete bare.currentPlanId
        delete bare.currentPlan
        delete bare.originalPlan
        var plans = servicePlans()
        var plansPath = "/api/v1/officeMan/plans/searchPlans"
        testServer.addRoute("/api/v1/officeMan/office/getMyOffice", 200, "application/json", envelope({ office: bare }))
        testServer.addRoute("/api/v1/areas/searchAreas", 200, "application/json", envelope({ areas: { data: [] } }))
        testServer.addRoute(plansPath, 200, "application/json", envelope({ plans: { data: plans } }))
        testSupport.redirectService(testServer.origin)

        var page = driver.openSection("finance", "finance_overview", "planInfoPage")
        tryVerify(function () { return page.ready }, 10000)
        verify(!page.hasPlan)
        verify(findChild(page, "noPlanNotice").visible)
        compare(testServer.requests(plansPath).length, 0, "no plan is asked for without an id")

        page = openPlans()
        verify(!page.planRunning)
        compare(page.planModel.count, plans.length)
        for (var i = 0; i < plans.length; ++i) {
            verify(!driver.gridItem(page.grid, i).current)
            compare(buttonText(driver.gridItem(page.grid, i)), "خرید پلن (" + driver.grouped(plans[i].price) + " تومان) ")
        }

        // The service's own office again.
        testSupport.redirectService(testService.origin)
        openPlans()
        compare(driver.window.userData.office.currentPlanId, real.currentPlanId)
    }
}
