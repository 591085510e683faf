import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0

// The archive shop of the demo manager against the stand-in service: the package cards, purchases
// from the wallet with both of the service's questions answered yes and no, the payment page, and
// a refusal without a question of its own (played by the in-process server).
TestCase {
    id: testCase

    readonly property string mobile: "09151234567"
    readonly property string boughtText: "آرشیو فایل مورد نظر برای شما فعال شد و مبلغ آن از موجودی کیف پول شما کم شد"
    readonly property string applicants: "بایگانی متقاضیان خرید"
    readonly property string rentals: "بایگانی اجاره یک ماه اخیر"
    readonly property string everything: "بایگانی کامل فایل‌های سه ماه اخیر"

    name: "ArchiveShop"
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

    function ask(route, params) {
        return driver.expectOk(driver.service("officeMan/" + route, params || {}, { json: true, token: driver.token.token }),
                               route)
    }

    function packageOrders() {
        return ask("orders/searchOrders", { page: 1, count: 1000, sortBy: "created_at", sortDirection: -1 }).orders.data
            .filter(function (order) { return order.orderType === "BUY_PACKAGE" })
    }

    function servicePackages() {
        return ask("propertyFilePackages/searchPropertyFilePackages", { page: 1, count: 100, condition: true, status: 1,
                                                                        sortBy: "price", sortDirection: -1 })
            .propertyFilePackages.data
    }

    function openShop() {
        var page = driver.openSection("finance", "buy_archive", "archivePage")
        tryVerify(function () { return page.pager.inited && !page.pager.busy }, 10000)
        return page
    }

    function indexOfTitle(page, title) {
        for (var i = 0; i < page.archiveModel.count; ++i) {
            if (page.archiveModel.get(i).title === title)
                return i
        }
        return -1
    }

    // Clicks a card's button and waits for the service's question; returns its text.
    function startBuying(page, title) {
        var index = indexOfTitle(page, title)
        verify(index >= 0, title)
        mouseClick(findChild(driver.gridItem(page.grid, index), "buyButton"))
        driver.waitOpened(page.confirmDialog)
        compare(page.confirmDialog.dialogTitle, "خرید آرشیو")
        // The refusal's own message, shown by the request layer.
        if (driver.toast.visible)
            driver.closeToast()
        return page.confirmDialog.dialogContent
    }

    function answer(page, yes) {
        mouseClick(findChild(page.confirmDialog, yes ? "positiveButton" : "negativeButton"))
        driver.waitClosed(page.confirmDialog)
        driver.waitIdle()
    }

    function isLimitQuestion(text) {
        return /^در حال حاضر \d+ فایل از \d+ فایل این بایگانی موجود است؛ آیا خرید را ادامه می‌دهید؟$/.test(text)
    }

    function isRebuyQuestion(text) {
        return text === "این بایگانی را قبلا خریده‌اید؛ آیا می‌خواهید دوباره آن را بخرید؟"
    }

    function test_cardsShowThePackages() {
        var packages = servicePackages()
        var zones = driver.expectOk(driver.service("areas/searchAreas", { page: 1, count: 100000000, status: 1 },
                                                   { json: true, token: driver.token.token }), "areas").areas.data
        var zoneTitles = {}
        zones.forEach(function (zone) { zoneTitles[zone._id] = zone.title })
        var page = openShop()
        compare(page.archiveModel.count, packages.length)
        verify(!findChild(page, "emptyNotice").visible)
        var dated = /^بین تاریخ \d{4}\/\d{2}\/\d{2} تا \d{4}\/\d{2}\/\d{2}$/
        var typeTitles = { "1": "فروش", "2": "اجاره", "5": "متقاضی خرید", "50": "آپارتمان", "53": "زمین", "55": "مغازه" }
        for (var i = 0; i < packages.length; ++i) {
            var pack = packages[i]
            var item = driver.gridItem(page.grid, i)
            compare(item.title, pack.title)
            compare(findChild(item, "priceLine").value, driver.grouped(pack.price) + " تومان")
            compare(findChild(item, "countLine").value, String(pack.maxPropertyFilesCount))
            if (pack.daysPast > 0)
                compare(item.badge, pack.daysPast + " روز گذشته")
            else
                verify(dated.test(item.badge), item.badge)
            compare(findChild(item, "dealLine").visible, pack.dealType !== -1, pack.title)
            compare(findChild(item, "propertyLine").visible, pack.propertyType !== -1, pack.title)
            if (pack.dealType !== -1)
                compare(item.dealTitle, typeTitles[pack.dealType])
            if (pack.propertyType !== -1)
                compare(item.propertyTitle, typeTitles[pack.propertyType])
            compare(findChild(item, "rebuyLine").value, pack.isRebuyable ? "دارد" : "ندارد")
            compare(findChild(item, "statusLine").value, "فعال")

            // The zones unfold under their line and fold again.
            compare(findChild(item, "zonesLine").value, pack.areaIds.length > 0 ? pack.areaIds.length + " منطقه" : "-")
            var panel = findChild(item, "zonePanel")
            verify(!panel.visible)
            if (pack.areaIds.length === 0)
                continue
            mouseClick(findChild(item, "zonesToggle"))
            tryCompare(findChild(item, "zonesChevron"), "rotation", 180)
            tryVerify(function () { return panel.visible && panel.height > 60 })
            var shown = []
            var zoneList = findChild(panel, "zoneList")
            for (var j = 0; j < zoneList.count; ++j)
                shown.push(item.zones.get(j).title)
            compare(shown, pack.areaIds.map(function (id) { return zoneTitles[id] }))
            mouseClick(findChild(item, "zonesToggle"))
            tryVerify(function () { return !panel.visible })
        }
    }

    // Both of the service's questions, answered no and yes; an answer given for one purchase is
    // never sent with the next.
    function test_questionsAreAnsweredForEachPurchase() {
        var balance = driver.serviceWallet()
        var orders = packageOrders().length
        var price = servicePackages().filter(function (pack) { return pack.title === applicants })[0].price
        var page = openShop()

        verify(isLimitQuestion(startBuying(page, applicants)))
        answer(page, false)
        compare(packageOrders().length, orders)
        driver.checkBalance(balance)

        verify(isLimitQuestion(startBuying(page, applicants)))
        answer(page, true)
        driver.waitToast(boughtText)
        balance -= price
        driver.checkBalance(balance)
        compare(packageOrders().length, orders + 1)
        compare(packageOrders()[0].status, "completed")
        var saved = store.value("user_data", {})
        verify(saved.password === undefined, "no password is stored")
        compare(saved.office._id, driver.window.userData.office._id)
        tryVerify(function () { return page.pager.inited && !page.pager.busy && page.archiveModel.count > 0 }, 10000)
        driver.closeToast()

        // Another package asks its own question: the yes just given is not sent with it.
        verify(isLimitQuestion(startBuying(page, rentals)))
        answer(page, false)
        compare(packageOrders().length, orders + 1)

        // Bought before: asked whether again; no, then yes, which leads to the file-count question.
        verify(isRebuyQuestion(startBuying(page, applicants)))
        answer(page, false)
        compare(packageOrders().length, orders + 1)
        verify(isRebuyQuestion(startBuying(page, applicants)))
        mouseClick(findChild(page.confirmDialog, "positiveButton"))
        tryVerify(function () { return isLimitQuestion(page.confirmDialog.dialogContent) && page.confirmDialog.opened }, 10000)
        driver.waitOpened(page.confirmDialog)
        answer(page, true)
        driver.waitToast(boughtText)
        balance -= price
        driver.checkBalance(balance)
        compare(packageOrders().length, orders + 2)
    }

    // More than the wallet holds: the payment page, and the wallet untouched when it is paid.
    function test_aPackageBeyondTheWalletIsPaidOnThePaymentPage() {
        var price = servicePackages().filter(function (pack) { return pack.title === everything })[0].price
        // The wallet is spent on plans first, through the service.
        var plans = ask("plans/searchPlans", { page: 1, count: 100, status: 1, sortBy: "price", sortDirection: -1,
                                               systemPlan: false }).plans.data
        while (driver.serviceWallet() >= price) {
            var left = driver.serviceWallet()
            var affordable = plans.filter(function (plan) { return plan.price <= left })[0]
            ask("plans/buyPlan", { planId: affordable._id, currentPlanId: affordable._id })
        }
        var balance = driver.serviceWallet()
        driver.main.getMyWallet()
        var orders = packageOrders().length
        var page = openShop()

        verify(isLimitQuestion(startBuying(page, everything)))
        var opened = testSupport.openedUrls.length
        answer(page, true)
        tryCompare(testSupport.openedUrls, "length", opened + 1, 10000)
        driver.waitToast("برای پرداخت به درگاه منتقل می‌شوید")
        var pending = packageOrders()
        compare(pending.length, orders + 1)
        compare(pending[0].status, "pendingPayment")
        compare(pending[0].amount, price)

        driver.answerPaymentPage(testSupport.openedUrls[opened], "pay")
        compare(packageOrders()[0].status, "completed")
        driver.checkBalance(balance)
    }

    function envelope(result) {
        return JSON.stringify({ ok: true, result: result, messages: [] })
    }

    // A service that gives no zones still has its packages listed, and a refusal that carries no
    // question of its own is shown by its message.
    function test_noZonesAndARefusalWithoutAQuestion() {
        var refusal = "این بایگانی فعلا فروخته نمی‌شود"
        var zonesPath = "/api/v1/areas/searchAreas"
        var buyPath = "/api/v1/officeMan/propertyFilePackages/buyPropertyFilePackage"
        var pack = servicePackages().filter(function (item) { return item.areaIds.length > 0 })[0]
        testServer.addRoute(zonesPath, 200, "application/json", envelope({ areas: { data: [] } }))
        testServer.addRoute("/api/v1/officeMan/propertyFilePackages/searchPropertyFilePackages", 200, "application/json",
                            envelope({ propertyFilePackages: { data: [pack] } }))
        testServer.addRoute(buyPath, 200, "application/json",
                            JSON.stringify({ ok: false, messages: [refusal], message: refusal, codeKey: "NOT_FOR_SALE" }))
        testSupport.redirectService(testServer.origin)

        var page = openShop()
        compare(page.archiveModel.count, 1)
        compare(testServer.requests(zonesPath).length, 1, "the zones are asked for once")
        compare(findChild(driver.gridItem(page.grid, 0), "zonesLine").value, "-")

        compare(startBuying(page, pack.title), refusal)
        var sent = JSON.parse(testServer.requests(buyPath)[0].body)
        compare(sent.propertyFilePackageId, pack._id)
        compare(sent.buyConfirmation, false)
        compare(sent.packageLimitConfirmation, false)
        answer(page, false)
        compare(testServer.requests(buyPath).length, 1)
        compare(testServer.requests(zonesPath).length, 1)
    }
}
