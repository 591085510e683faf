import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// A manager who has just signed up has no office: the session set-up hands him to the profile
// page, where he registers it with an area and a map position and lands on a working main page
// whose office has its eight system folders on the service, or signs out instead.
TestCase {
    id: testCase

    readonly property string mobile: "09121230001"

    name: "ProfileNewOffice"
    when: windowShown

    AccountDriver {
        id: driver

        test: testCase
    }

    Settings { id: store }
    AppUtility { id: utility }

    readonly property var dealTitles: ["فروش", "اجاره", "مشارکت", "پیش فروش", "متقاضی خرید", "متقاضی اجاره",
                                       "متقاضی مشارکت", "متقاضی پیش خرید"]

    function init() {
        driver.quit()
    }

    function cleanupTestCase() {
        init()
    }

    // A manager without an office, signed in on this computer, as the next start finds him.
    function launchSignedIn(phone) {
        var signIn = driver.managerSignIn(phone, utility.deviceId())
        store.setValue("is_login", true)
        store.setValue("user_data", { username: phone, apiToken: signIn.token, refreshToken: signIn.refreshToken,
                                      password: "left over" })
        store.setValue("app_data", {})
        driver.launch()
        return signIn
    }

    function test_aNewManagerRegistersHisOfficeAndLandsOnTheMainPage() {
        var signIn = launchSignedIn(mobile)
        var page = driver.waitForPage("Profile", 30000)
        var window = driver.window
        verify(!page.isEdit)
        verify(findChild(page, "profileHeader").visible)
        compare(page.mobile.text, mobile)
        verify(page.mobile.readOnly)
        compare(page.area.text, page.chooseText)
        tryVerify(function () { return page.zones.length > 40 }, 10000, "the areas are loaded")
        driver.toast = driver.windowPart("toast")

        driver.enter(page.fname, "نیما")
        driver.enter(page.lname, "صادقی")
        driver.enter(page.officeTitle, "املاک نگین")
        // Area and position come first; nothing is sent without them.
        driver.click(page.saveButton)
        driver.expectToast("لطفا منطقه دفتر را مشخص کنید")

        driver.clickInView(page.area)
        driver.waitOpened(page.zoneDialog)
        compare(page.zoneDialog.width, Math.round(page.width * 0.25))
        var zoneSearch = findChild(page.zoneDialog.contentItem, "searchInput")
        zoneSearch.input.forceActiveFocus()
        testSupport.typeText("احمد")
        var zoneList = findChild(page.zoneDialog.contentItem, "list")
        tryVerify(function () { return zoneList.count > 0 && zoneList.count < page.zones.length })
        verify(page.zoneDialog.shown.every(function (z) { return (z.title + z.description).indexOf("احمد") >= 0 }))
        var zone = page.zoneDialog.shown[0]
        zoneList.forceLayout()
        mouseClick(zoneList.itemAtIndex(0))
        driver.waitClosed(page.zoneDialog)
        compare(page.area.text, zone.title)

        driver.click(page.saveButton)
        driver.expectToast("لطفا موقعیت دفتر روی نقشه را مشخص کنید")
        verify(driver.me(signIn.token).fname !== "نیما", "nothing was saved")

        // The map opens over the page on the window's stack and goes once a point is picked.
        driver.clickInView(page.location)
        tryCompare(driver.stack, "depth", 2)
        var map = driver.stack.currentItem
        tryVerify(function () { return map.map !== null && !driver.stack.busy }, 10000)
        var point = Qt.point(Math.round(map.map.width / 3), Math.round(map.map.height / 2))
        var picked = map.map.toCoordinate(point)
        mouseClick(map.map, point.x, point.y)
        tryCompare(driver.stack, "depth", 1, 5000)
        tryCompare(driver.stack, "busy", false)
        compare(driver.stack.currentItem, page)
        compare(page.location.text, picked.latitude.toFixed(6) + " , " + picked.longitude.toFixed(6))

        driver.enter(page.address, "بلوار احمدآباد، پلاک ۷")
        // Numbers typed with the Persian and the Arabic layout reach the service as 0-9.
        driver.enter(page.phone, "۰۵۱۳۸۴۴۵۵۶۶")
        driver.enter(page.officeMobile, "٠٩١٥٣٣٣٤٤٥٥")
        driver.enter(page.website, "negin.example.ir")
        driver.click(page.saveButton)
        var main = driver.waitForPage("Main", 30000)
        compare(driver.pagesSeen.slice(-2), ["Profile", "Main"])

        var me = driver.me(signIn.token)
        compare(me.fname, "نیما")
        compare(me.lname, "صادقی")
        compare(me.phone, mobile)
        var office = driver.office(signIn.token)
        compare(me.officeId, office._id)
        compare(office.title, "املاک نگین")
        compare(office.area._id, zone._id)
        compare(office.address, "بلوار احمدآباد، پلاک 7")
        fuzzyCompare(office.location.latitude, picked.latitude, 1e-9)
        fuzzyCompare(office.location.longitude, picked.longitude, 1e-9)
        compare(office.phoneArray, ["05138445566"])
        compare(office.mobileArray, ["09153334455"])
        compare(office.website, "negin.example.ir")

        // The eight system folders, one per deal type in order, were made before the main page.
        var folders = driver.folders(signIn.token, "officeMan")
        compare(folders.length, 8)
        for (var dealType = 1; dealType <= 8; ++dealType) {
            var folder = folders.filter(function (f) { return f.options.order === dealType })[0]
            verify(folder !== undefined, "a folder for deal type " + dealType)
            verify(folder.systemFolder)
            compare(folder.title, dealTitles[dealType - 1])
            compare(folder.options.color, dealType < 5 ? 1 : 2)
            compare(JSON.parse(folder.query).dealType, dealType)
        }

        // The stored record: the service's user, the session's keys and the new office, no password.
        compare(window.userData.officeId, office._id)
        compare(window.userData.office._id, office._id)
        compare(window.userData.office.folders.length, 8)
        compare(window.userData.apiToken, signIn.token)
        compare(window.userData.username, mobile)
        verify(window.userData.password === undefined)
        var saved = store.value("user_data", {})
        compare(saved.office.title, "املاک نگین")
        verify(saved.password === undefined)
        compare(driver.test.findChild(main, "officeTitle").text, "املاک نگین")
        compare(driver.test.findChild(main, "topBarName").text, "نیما صادقی")
    }

    // Someone who does not want to register an office now, or signed in with the wrong number,
    // is not held on the profile page: he signs out, and the next start begins signed out.
    function test_userWithoutAnOfficeSignsOutInstead() {
        var signIn = launchSignedIn("09121230002")
        var page = driver.waitForPage("Profile", 30000)
        var button = page.signOutButton
        verify(button.visible)
        compare(button.text, "خروج از حساب")
        // In the header, across from its title, and whole.
        var box = button.mapToItem(page, 0, 0, button.width, button.height)
        verify(box.x >= 0 && box.x + box.width < page.width / 2, JSON.stringify(box))
        verify(box.y >= 0 && box.y + box.height <= findChild(page, "profileHeader").height)
        verify(findChild(button, "caption").width + 24 < button.width)

        // Changing his mind keeps him where he was.
        driver.click(button)
        driver.waitOpened(page.signOutDialog)
        compare([page.signOutDialog.dialogTitle, page.signOutDialog.positiveText, page.signOutDialog.negativeText],
                ["آیا مطمئـــن هستید؟", "بله", "خیر، منصرف شدم"])
        mouseClick(findChild(page.signOutDialog.contentItem, "negativeButton"))
        driver.waitClosed(page.signOutDialog)
        compare(driver.currentPage(), page)
        verify(driver.window.isLogin)

        driver.click(button)
        driver.waitOpened(page.signOutDialog)
        mouseClick(findChild(page.signOutDialog.contentItem, "positiveButton"))
        driver.waitForSignIn()
        compare(driver.stack.depth, 1)
        compare(driver.window.isLogin, false)
        compare(JSON.stringify(driver.window.userData), "{}")
        compare(store.boolValue("is_login", true), false)
        compare(JSON.stringify(store.value("user_data", { x: 1 })), "{}")
        verify(!driver.me(signIn.token).officeId, "no office was made")

        // The next start reads the settings again and asks for a sign-in.
        init()
        driver.launch()
        driver.waitForSignIn()
        compare(driver.pagesSeen, ["Splash", "Login"])
        compare(driver.window.isLogin, false)
    }
}
