import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// The main page of an agency manager against the stand-in service: the menu, sections, shortcuts,
// wallet, gift codes, extra users, avatar, quick search, feedback and sign-out.
TestCase {
    id: testCase

    readonly property string mobile: "09151234567"
    property var main: null

    name: "MainPageManager"
    when: windowShown

    MainPageDriver {
        id: driver

        test: testCase
    }

    Settings {
        id: store
    }

    AppUtility {
        id: utility
    }

    Rectangle {
        id: picture

        width: 120
        height: 90
        color: "#2a7f62"

        Rectangle {
            x: 30
            y: 20
            width: 60
            height: 50
            color: "#ffcc00"
        }
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
        main = driver.startAsManager(mobile)
    }

    function cleanup() {
        if (driver.toast && driver.toast.visible)
            driver.closeToast()
        if (driver.pageName(driver.currentPage()) !== "Main")
            return
        driver.subMenuLt.dismiss()
        main.menuExpanded = true
    }

    function test_menuHoldsEveryManagerEntryInOrder() {
        compare(driver.topKeys(), ["home", "profile", "blog", "users", "files", "request_files", "reminder", "finance",
                                   "options", "contact_us", "exit"])
        compare(driver.childKeys("users"), ["add_user", "search_users"])
        compare(driver.childKeys("files"), ["add_file", "search_files", "share_files", "bookmarked_files"])
        compare(driver.childKeys("request_files"), ["add_request_file", "search_request_files", "share_request_files",
                                                    "bookmarked_request_files"])
        compare(driver.childKeys("reminder"), ["remind_rent_files"])
        compare(driver.childKeys("finance"), ["charge_wallet", "finance_overview", "buy_plan", "buy_archive", "redeem",
                                              "order_list", "transaction_list"])
        compare(driver.childKeys("options"), ["message", "notes", "contacts"])
        compare(driver.childKeys("contact_us"), ["suggestion", "about_us", "terms"])

        var home = main.findMenuByKey("home")
        compare(home.title, "صفحه اصلی")
        compare(home.page, "FileList.qml")
        compare(home.options.query.dealType, -1)
        compare(home.options.query.status, 1)
        var bookmarked = main.findMenuByKey("bookmarked_request_files")
        compare(bookmarked.options.query.dealType, -2)
        compare(bookmarked.options.bookmarkOnly, true)
        compare(main.findMenuByKey("add_request_file").options.initial, -2)
        compare(main.findMenuByKey("remind_rent_files").options.reminder, true)
        compare(main.findMenuByKey("charge_wallet").dialog, driver.part("chargeDialog"))
        compare(main.findMenuByKey("exit").dialog, driver.part("confirmDialog"))
        compare(main.findMenuByKey("unknown_key"), null)
        for (var i = 0; i < driver.menuModel.count; ++i)
            compare(driver.menuModel.get(i).expanded, false)
    }

    function test_accountPanelShowsTheUserOfficeAndBalance() {
        var window = driver.window
        compare(driver.part("topBarName").text, "محمد رضایی")
        compare(driver.part("userName").text, mobile + " | محمد رضایی")
        compare(driver.part("officeTitle").text, window.userData.office.title)
        verify(driver.part("balanceRow").visible)
        tryCompare(driver.part("balanceText"), "text", driver.balanceText(driver.serviceWallet()))
        compare(driver.part("pageTitle").text !== "", true)
    }

    function test_sectionsOpenThroughSelectedMenu() {
        var title = driver.part("pageTitle")
        var keys = ["profile", "blog", "add_user", "search_users", "add_file", "search_files", "share_files",
                    "bookmarked_files", "add_request_file", "search_request_files", "share_request_files",
                    "bookmarked_request_files", "remind_rent_files", "finance_overview", "buy_plan", "buy_archive", "order_list",
                    "transaction_list", "message", "notes", "contacts", "about_us", "home"]
        for (var i = 0; i < keys.length; ++i) {
            var entry = main.findMenuByKey(keys[i])
            main.selectedMenu = keys[i]
            compare(title.text, entry.title, keys[i])
            tryCompare(driver.mainStack, "busy", false)
            compare(driver.mainStack.depth, 1, "sections replace each other")
            verify(String(driver.mainStack.currentItem).indexOf(entry.page.replace(".qml", "")) === 0, keys[i])
        }
        // Keys of no page open nothing.
        var depth = driver.mainStack.depth
        var current = driver.mainStack.currentItem
        main.selectedMenu = "no_such_entry"
        compare(driver.mainStack.depth, depth)
        compare(driver.mainStack.currentItem, current)
    }

    function test_clickingRowsExpandsGroupsAndSelectsEntries() {
        main.selectedMenu = "home"
        var index = driver.groupIndex("files")
        driver.clickMenuRow("files")
        tryCompare(driver.menuModel.get(index), "expanded", true)
        driver.clickChildEntry("files", "share_files")
        compare(main.selectedMenu, "share_files")
        driver.clickMenuRow("files")
        tryCompare(driver.menuModel.get(index), "expanded", false)

        // A dialog entry opens its dialog.
        driver.clickChildEntry("finance", "redeem")
        var redeem = driver.part("redeemDialog")
        tryCompare(redeem, "opened", true)
        redeem.dismiss()
        driver.waitClosed(redeem)
        compare(main.selectedMenu, "share_files", "a dialog entry selects nothing")

        // The terms entry opens the service's terms page in the browser.
        var opened = testSupport.openedUrls.length
        driver.clickChildEntry("contact_us", "terms")
        tryCompare(testSupport.openedUrls, "length", opened + 1)
        compare(testSupport.openedUrls[opened], serviceConfig.siteUrl + "terms")

        // Where no browser takes it, the user is told and gets the address to paste.
        testSupport.refuseOpeningUrls(true)
        driver.clickChildEntry("contact_us", "terms")
        driver.waitToast("صفحه قوانین و مقررات باز نشد")
        compare(testSupport.clipboardText(), serviceConfig.siteUrl + "terms")
        testSupport.refuseOpeningUrls(false)
        driver.closeToast()
        main.selectedMenu = "home"
    }

    function test_collapsedMenuShowsChildrenInTheFloatingPanel() {
        var side = driver.part("sideMenu")
        var expandedWidth = side.width
        verify(Math.abs(expandedWidth - (main.width * 0.25 - 30)) < 1)
        mouseClick(driver.part("menuButton"))
        compare(main.menuExpanded, false)
        tryCompare(side, "width", 70)
        verify(!driver.part("accountPanel").visible)

        var index = driver.groupIndex("finance")
        var wasExpanded = driver.menuModel.get(index).expanded
        driver.clickMenuRow("finance")
        compare(driver.menuModel.get(index).expanded, wasExpanded, "the collapsed menu does not unfold in place")
        var panel = driver.subMenuLt
        verify(panel.visible)
        compare(panel.quickMode, false)
        compare(panel.menuItem.main_item.key, "finance")
        var list = findChild(panel, "panelList")
        compare(list.count, 7)
        verify(Math.abs(panel.width - (main.width * 0.3 - 30)) < 1)
        verify(panel.x + panel.width <= side.x + 1, "the panel stands beside the side menu")
        var rows = findChild(panel, "panelList")
        tryVerify(function () { return rows.y > 0 && panel.height === rows.y + 7 * 50 + 20 }, 5000)
        verify(panel.y >= 0 && panel.y + panel.height <= main.height, "the whole panel is on the page")

        // A child in the panel acts like the menu's own row and closes the panel.
        waitForRendering(list)
        mouseClick(list.itemAtIndex(2))
        compare(main.selectedMenu, "buy_plan")
        verify(!panel.visible)

        // A click on the page background closes the panel; expanding the menu does too.
        driver.clickMenuRow("finance")
        verify(panel.visible)
        mouseClick(driver.part("topBar"), driver.part("topBar").width / 2, 5)
        verify(!panel.visible)
        driver.clickMenuRow("users")
        verify(panel.visible)
        compare(list.count, 2)
        mouseClick(driver.part("menuButton"))
        compare(main.menuExpanded, true)
        verify(!panel.visible)
        tryCompare(side, "width", expandedWidth)
        main.selectedMenu = "home"
    }

    function test_quickAccessPanelListsTheManagerShortcuts() {
        var button = driver.part("quickButton")
        mouseClick(button)
        compare(main.quickShowing, true)
        var panel = driver.subMenuLt
        verify(panel.visible)
        compare(panel.quickMode, true)
        var quick = driver.part("quickAccessMenu")
        compare(quick.count, 1)
        compare(quick.get(0).main_item.key, "quick_access")
        var keys = []
        for (var i = 0; i < quick.get(0).child_items.count; ++i)
            keys.push(quick.get(0).child_items.get(i).key)
        compare(keys, ["charge_wallet", "buy_plan", "quick_search", "add_file", "add_request_file", "share_files",
                       "excel_export"])
        compare(quick.get(0).child_items.get(6).dialog, driver.part("excelSelectDialog"))
        verify(Math.abs(panel.width - (main.width * 0.25 - 30)) < 1)
        compare(panel.y, driver.part("topBar").height + 10)

        mouseClick(button)
        compare(main.quickShowing, false)
        verify(!panel.visible)

        // Filled once: showing it again keeps the one group.
        mouseClick(button)
        compare(quick.count, 1)
        var list = findChild(panel, "panelList")
        waitForRendering(list)
        mouseClick(list.itemAtIndex(2))
        var search = driver.part("quickSearchDialog")
        tryCompare(search, "opened", true)
        verify(!panel.visible)
        compare(main.quickShowing, false)
        search.dismiss()
        driver.waitClosed(search)
    }

    function test_shortcuts() {
        main.selectedMenu = "home"
        // The file lists load their first page behind the modal loading notice, which takes the
        // keys until the page is in.
        keyClick(Qt.Key_F, Qt.ControlModifier)
        compare(main.selectedMenu, "search_files")
        driver.waitIdle()
        keyClick(Qt.Key_G, Qt.ControlModifier)
        compare(main.selectedMenu, "search_request_files")
        driver.waitIdle()
        keyClick(Qt.Key_Q, Qt.ControlModifier)
        compare(main.selectedMenu, "add_file")
        keyClick(Qt.Key_W, Qt.ControlModifier)
        compare(main.selectedMenu, "add_request_file")

        keyClick(Qt.Key_F1)
        verify(driver.subMenuLt.visible)
        compare(driver.subMenuLt.quickMode, true)
        compare(main.quickShowing, true)
        driver.subMenuLt.dismiss()

        var search = driver.part("quickSearchDialog")
        keyClick(Qt.Key_F3)
        tryCompare(search, "opened", true)
        search.dismiss()
        driver.waitClosed(search)

        var charge = driver.part("chargeDialog")
        keyClick(Qt.Key_F4)
        tryCompare(charge, "opened", true)
        charge.dismiss()
        driver.waitClosed(charge)

        // Back pops a section page pushed over another, and never the last one.
        main.selectedMenu = "home"
        var stack = driver.mainStack
        stack.clear()
        stack.push(sectionPage)
        stack.push(sectionPage)
        tryCompare(stack, "busy", false)
        compare(stack.depth, 2)
        keyClick(Qt.Key_Left, Qt.AltModifier)
        tryCompare(stack, "depth", 1)
        keyClick(Qt.Key_Left, Qt.AltModifier)
        compare(stack.depth, 1)
    }

    function test_chargeOpensTheGatewayThenRefreshesTheBalance() {
        var before = driver.serviceWallet()
        var balance = driver.part("balanceText")
        tryCompare(balance, "text", driver.balanceText(before))
        var charge = driver.part("chargeDialog")
        driver.clickChildEntry("finance", "charge_wallet")
        driver.waitOpened(charge)
        // Typed with the Persian keyboard layout.
        charge.dialogInput.input.forceActiveFocus()
        tryCompare(charge.dialogInput.input, "activeFocus", true)
        testSupport.typeText("۱۵۰۰۰۰")
        compare(charge.dialogInput.text, "150,000")

        var opened = testSupport.openedUrls.length
        mouseClick(charge.btn)
        tryCompare(testSupport.openedUrls, "length", opened + 1, 10000)
        var gateway = testSupport.openedUrls[opened]
        verify(gateway.indexOf("https://") === 0, gateway)
        // The service's word that the user goes on to the gateway.
        driver.waitToast("برای پرداخت به درگاه منتقل می‌شوید")
        verify(charge.visible, "the first confirmation keeps the dialog open")
        compare(charge.dialogConfirm, "بستن")
        verify(!charge.dialogInput.enabled)

        // The user pays on the gateway page in the browser.
        driver.answerPaymentPage(gateway, "pay")
        compare(driver.serviceWallet(), before + 150000)

        mouseClick(charge.btn)
        driver.waitClosed(charge)
        verify(charge.dialogInput.enabled)
        compare(charge.dialogConfirm, "شارژ حساب")
        tryCompare(balance, "text", driver.balanceText(before + 150000))

        // The next charge starts from an empty, enabled input.
        driver.openDialog(charge)
        compare(charge.dialogInput.text, "")
        verify(charge.dialogInput.enabled)
        charge.dismiss()
        driver.waitClosed(charge)
    }

    function test_giftCodeCreditsTheWalletOnce() {
        var before = driver.serviceWallet()
        var redeem = driver.part("redeemDialog")
        driver.openDialog(redeem)
        driver.typeInto(redeem.dialogInput, "NORVELA100")
        mouseClick(redeem.btn)
        driver.waitClosed(redeem)
        driver.waitToast("تبریک!\n مبلغ 100,000 به موجودی شما افزوده شد")
        tryCompare(driver.part("balanceText"), "text", driver.balanceText(before + 100000))
        compare(driver.serviceWallet(), before + 100000)
        driver.closeToast()

        driver.openDialog(redeem)
        driver.typeInto(redeem.dialogInput, "NORVELA100")
        mouseClick(redeem.btn)
        driver.waitToast("این کد هدیه قبلا استفاده شده است")
        compare(driver.serviceWallet(), before + 100000)
    }

    function test_extraUsersAreConfirmedWithTheirPrice() {
        var price = driver.window.userData.office.originalPlan.pricePerExtraUser
        verify(price > 0)
        var before = driver.serviceWallet()
        var buy = driver.part("userBuy")
        var confirm = driver.part("userConfirmDialog")

        // Paid from the wallet when it covers the price.
        driver.openDialog(buy)
        driver.typeInto(buy.dialogInput, "2")
        mouseClick(buy.btn)
        driver.waitClosed(buy)
        driver.waitOpened(confirm)
        compare(confirm.userCount, "2")
        var total = driver.grouped(2 * price)
        compare(confirm.dialogContent, "جهت افزودن 2 کاربر جدید نیازمند پرداخت " + total + " تومان می باشید")
        mouseClick(findChild(confirm, "positiveButton"))
        driver.waitClosed(confirm)
        driver.waitToast("پلن مورد نظر برای شما فعال شد و مبلغ آن از موجودی کیف پول شما کم شد")
        compare(driver.serviceWallet(), before - 2 * price)
        tryCompare(driver.part("balanceText"), "text", driver.balanceText(before - 2 * price))
        driver.closeToast()

        // More than the wallet holds: the gateway opens instead.
        var count = Math.min(100, Math.floor(driver.serviceWallet() / price) + 1)
        verify(count * price > driver.serviceWallet())
        var opened = testSupport.openedUrls.length
        driver.openDialog(buy)
        driver.typeInto(buy.dialogInput, String(count))
        mouseClick(buy.btn)
        driver.waitOpened(confirm)
        mouseClick(findChild(confirm, "positiveButton"))
        tryCompare(testSupport.openedUrls, "length", opened + 1, 10000)
        verify(testSupport.openedUrls[opened].indexOf("https://") === 0)

        driver.waitToast("برای پرداخت به درگاه منتقل می‌شوید")

        // Saying no sends nothing.
        opened = testSupport.openedUrls.length
        var walletNow = driver.serviceWallet()
        driver.waitClosed(confirm)
        driver.openDialog(buy)
        driver.typeInto(buy.dialogInput, "3")
        mouseClick(buy.btn)
        driver.waitOpened(confirm)
        mouseClick(findChild(confirm, "negativeButton"))
        driver.waitClosed(confirm)
        driver.waitIdle()
        compare(testSupport.openedUrls.length, opened)
        compare(driver.serviceWallet(), walletNow)
    }

    function test_avatarIsCroppedUploadedServedAndRemoved() {
        var path = testHomePath + "/avatar-source.png"
        var saved = false
        picture.grabToImage(function (result) {
            saved = result.saveToFile(path)
        })
        tryVerify(function () { return saved })
        var button = driver.part("avatarButton")
        compare(button.icon, "\uF415", "a plus while the user has no picture")

        main.chooseAvatar("file://" + path)
        compare(main.selectedMenu, "cropped_image")
        var stack = driver.mainStack
        tryCompare(stack, "busy", false)
        var crop = stack.currentItem
        verify(String(crop).indexOf("CropView") === 0, String(crop))
        compare(crop.tempDir, utility.getTempDirectory())
        var depth = stack.depth
        tryCompare(findChild(crop, "img"), "status", Image.Ready)
        // The crop page's own cutting is its own test's; here it hands over a finished picture.
        crop.imageCropped(path)

        driver.waitToast("تصویر پروفایل با موفقیت تغییر پیدا کرد", 15000)
        tryCompare(stack, "depth", depth - 1)
        var window = driver.window
        verify(window.userData.avatar, "the service's record names the new picture")
        compare(window.userData.apiToken, driver.token.token, "the session keys are carried over")
        compare(window.userData.refreshToken, driver.token.refreshToken)
        verify(window.userData.office.title.length > 0)
        compare(store.value("user_data", {}).avatar, window.userData.avatar)
        verify(main.avatarSource.indexOf("file://") === 0)
        compare(driver.part("avatar").source, main.avatarSource)
        compare(driver.part("miniAvatar").source, main.avatarSource)
        compare(button.icon, "\uF156", "a close glyph once there is a picture")

        // The service now serves the new picture at the published address.
        served.source = window.appData.avatarImagesUrl + window.userData.avatar
        tryCompare(served, "status", Image.Ready, 10000)
        verify(served.implicitWidth > 0)
        driver.closeToast()

        mouseClick(button)
        driver.waitToast("تصویر پروفایل با موفقیت حذف شد")
        compare(window.userData.avatar, false)
        compare(main.avatarSource, "")
        compare(button.icon, "\uF415")
        verify(!driver.me(driver.token.token).avatar, "the service has forgotten the picture")
        main.selectedMenu = "home"
    }

    function test_quickSearchFindsFilesByTrackingIdAndMobile() {
        var file = driver.files(driver.token.token, { page: 1, count: 20, condition: true, searchOperator: "and" })[0]
        verify(file && file.trackingId !== undefined)
        var dialog = driver.part("quickSearchDialog")

        function expectOpened(fileId) {
            tryVerify(function () {
                return driver.mainStack.currentItem && driver.mainStack.currentItem.fileId === fileId
            }, 10000)
            verify(driver.toastText(driver.toast).indexOf("فایلی با این مشخصات پیدا نشد") < 0)
        }

        // By tracking id, typed with the Persian layout's digits and confirmed with Enter.
        driver.openDialog(dialog)
        dialog.trackingId.input.forceActiveFocus()
        tryCompare(dialog.trackingId.input, "activeFocus", true)
        testSupport.typeText(String(file.trackingId).replace(/[0-9]/g, function (d) {
            return String.fromCharCode(0x06F0 + Number(d))
        }))
        compare(dialog.trackingId.text, String(file.trackingId))
        keyClick(Qt.Key_Return)
        driver.waitClosed(dialog)
        driver.waitIdle()
        expectOpened(file._id)

        // By the owner's mobile number.
        if (file.attrs && file.attrs.mobile) {
            driver.openDialog(dialog)
            driver.typeInto(dialog.mobile, file.attrs.mobile)
            mouseClick(dialog.btn)
            driver.waitClosed(dialog)
            driver.waitIdle()
            expectOpened(file._id)
        }

        // Misses: an unknown id, an unknown mobile, and nothing at all.
        var misses = [["99999999", ""], ["", "09000000001"]]
        for (var i = 0; i < misses.length; ++i) {
            var depth = driver.mainStack.depth
            driver.openDialog(dialog)
            if (misses[i][0])
                driver.typeInto(dialog.trackingId, misses[i][0])
            if (misses[i][1])
                driver.typeInto(dialog.mobile, misses[i][1])
            mouseClick(dialog.btn)
            driver.waitClosed(dialog)
            driver.waitToast("فایلی با این مشخصات پیدا نشد")
            compare(driver.mainStack.depth, depth, "nothing opens")
            driver.closeToast()
        }

        // The inputs take digits only; the mobile starts with 09.
        driver.openDialog(dialog)
        driver.typeInto(dialog.trackingId, "12a")
        compare(dialog.trackingId.text, "12")
        driver.typeInto(dialog.mobile, "19")
        compare(dialog.mobile.text, "")
        dialog.dismiss()
        driver.waitClosed(dialog)
        main.selectedMenu = "home"
    }

    function test_quickSearchWithBothFieldsEmptyStillAsks() {
        var dialog = driver.part("quickSearchDialog")
        driver.openDialog(dialog)
        mouseClick(dialog.btn)
        driver.waitClosed(dialog)
        // The request goes out without a body; the stand-in service refuses such a body instead
        // of answering with no files, so what comes back is its refusal for now.
        tryVerify(function () { return driver.toastText(driver.toast) !== "" }, 10000)
        expectFail("", "the stand-in service refuses a search without a body")
        verify(driver.toastText(driver.toast).indexOf("فایلی با این مشخصات پیدا نشد") >= 0, driver.toastText(driver.toast))
    }

    function test_suggestionsAreValidatedThenSent() {
        var dialog = driver.part("contactUsDialog")
        driver.clickChildEntry("contact_us", "suggestion")
        driver.waitOpened(dialog)
        var combo = dialog.subjectBox
        compare(combo.displayText, "انتخاب کنید")
        compare(combo.currentIndex, -1)
        compare(dialog.selectedSubject, "")

        var save = findChild(dialog, "saveButton")
        mouseClick(save)
        driver.waitToast("انتخاب موضوع برای انتقاد یا پیشنهاداجباری است")
        verify(dialog.visible)
        driver.closeToast()

        mouseClick(combo)
        tryCompare(combo.popup, "opened", true)
        var rows = combo.popup.contentItem
        waitForRendering(rows)
        mouseClick(rows.itemAtIndex(2))
        tryCompare(combo.popup, "visible", false)
        compare(combo.displayText, "گزارش ایراد در برنامه")
        compare(dialog.selectedSubject, "bug_report")

        driver.typeInto(dialog.titleInput, "title")
        mouseClick(save)
        driver.waitToast("ورود متن برای انتقاد یا پیشنهاد اجباری است")
        verify(dialog.visible)
        driver.closeToast()

        // Refused by the service: the dialog and everything typed in it stay.
        var tooLong = new Array(3002).join("x")
        dialog.contentInput.text = tooLong
        mouseClick(save)
        driver.waitIdle()
        wait(100)
        verify(dialog.visible, "closed only once the service has the report")
        compare(dialog.contentInput.text, tooLong)
        compare(dialog.titleInput.text, "title")
        compare(dialog.selectedSubject, "bug_report")
        driver.closeToast()

        dialog.contentInput.text = ""
        driver.typeInto(dialog.contentInput, "list is slow")
        mouseClick(save)
        driver.waitClosed(dialog)
        driver.waitToast("گزارش شما با موفقیت ثبت شد")
        driver.closeToast()

        // Opened again, it starts empty.
        driver.openDialog(dialog)
        compare(dialog.selectedSubject, "")
        compare(combo.displayText, "انتخاب کنید")
        compare(dialog.titleInput.text, "")
        compare(dialog.contentInput.text, "")
        mouseClick(findChild(dialog, "cancelButton"))
        driver.waitClosed(dialog)
    }

    function test_excelExportStartsAfterChoosingAPlace() {
        var select = driver.part("excelSelectDialog")
        compare(select.nameFilters, ["Excel File (*.xlsx)"])
        select.dialog.file = "file:///tmp/%D9%81%D8%A7%DB%8C%D9%84%20%DB%B1.xlsx"
        compare(select.chosenPath(), "/tmp/فایل ۱.xlsx")
        select.dialog.file = utility.localPathToUrl("/tmp/My Files/#1.xlsx")
        compare(select.chosenPath(), "/tmp/My Files/#1.xlsx")

        // A name typed without its extension.
        select.dialog.file = utility.localPathToUrl(testHomePath + "/files")
        select.accepted()
        compare(main.excelDialog.filePath, testHomePath + "/files")
        tryCompare(main.excelDialog, "opened", true)
        tryCompare(main.excelDialog, "isDone", true, 30000)
        verify(testSupport.fileExists(testHomePath + "/files.xlsx"), "saved as a workbook")
        verify(!testSupport.fileExists(testHomePath + "/files"))

        // No viewer opens it: the user is told where it is.
        testSupport.refuseOpeningUrls(true)
        mouseClick(findChild(main.excelDialog, "actionButton"))
        driver.waitToast("فایل باز نشد")
        compare(testSupport.clipboardText(), testHomePath + "/files.xlsx")
        testSupport.refuseOpeningUrls(false)
        driver.closeToast()
        driver.waitClosed(main.excelDialog)
    }

    function test_todaysSystemFilesAreFetchedThenHomeReloads() {
        main.selectedMenu = "blog"
        var window = driver.window
        window.userData.office = { title: "stale" }
        main.runFunc("get_today_files")
        driver.waitToast("فایل سیستمی جدید به فایل‌های شما اضافه شد")
        compare(main.selectedMenu, "home")
        // The office record is read again afterwards.
        tryVerify(function () { return window.userData.office.title !== "stale" }, 10000)
        var office = driver.office(driver.token.token)
        compare(window.userData.office.title, office.title)
        compare(store.value("user_data", {}).office.title, office.title)
        compare(driver.part("officeTitle").text, office.title)

        // Other keys run nothing.
        var opened = testSupport.openedUrls.length
        main.runFunc("no_such_function")
        compare(main.selectedMenu, "home")
        compare(testSupport.openedUrls.length, opened)
    }

    function test_signOutReturnsToTheLoginPage() {
        var confirm = driver.part("confirmDialog")
        driver.clickMenuRow("exit")
        driver.waitOpened(confirm)
        compare(confirm.dialogContent, "در صورت ادامه از سیستم خارج خواهید شد")
        mouseClick(findChild(confirm, "negativeButton"))
        driver.waitClosed(confirm)
        compare(driver.pageName(driver.currentPage()), "Main")

        driver.clickMenuRow("exit")
        driver.waitOpened(confirm)
        mouseClick(findChild(confirm, "positiveButton"))
        driver.waitForPage("Login", 10000)
        compare(driver.stack.depth, 1)
        compare(driver.window.isLogin, false)
        compare(JSON.stringify(driver.window.userData), "{}")
        compare(store.boolValue("is_login", true), false)
        compare(JSON.stringify(store.value("user_data", { x: 1 })), "{}")
    }

    Image {
        id: served

        cache: false
        visible: false
    }

    Component {
        id: sectionPage

        Item {}
    }
}
