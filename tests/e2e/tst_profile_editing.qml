import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0

// The demo manager corrects his details and his office from the menu: the form starts with what
// the service holds, the area and the map position can be chosen again, and saving reaches the
// service, the stored record and the main page's top bar.
TestCase {
    id: testCase

    readonly property string mobile: "09151234567"

    name: "ProfileEditing"
    when: windowShown

    AccountDriver {
        id: driver

        test: testCase
    }

    Settings { id: store }

    function cleanupTestCase() {
        driver.quit()
    }

    function test_aManagerEditsHisDetailsAndHisOffice() {
        var main = driver.startAsManager(mobile)
        var signIn = driver.token
        var window = driver.window
        var before = driver.office(signIn.token)
        var page = driver.openPage(null, "profile", "profilePage")
        compare(driver.pageName(page), "Profile")
        verify(page.isEdit)
        verify(!driver.test.findChild(page, "profileHeader").visible)
        verify(!driver.test.findChild(page, "officeReadOnlyNote").visible)
        compare(page.fname.text, "محمد")
        compare(page.lname.text, "رضایی")
        compare(page.mobile.text, mobile)
        compare(page.officeTitle.text, before.title)
        compare(page.area.text, before.area.title)
        compare(page.address.text, driver.latin(before.address))
        compare(page.location.text, before.location.latitude.toFixed(6) + " , " + before.location.longitude.toFixed(6))
        compare(page.phone.text, before.phoneArray[0])
        compare(page.officeMobile.text, before.mobileArray[0])
        tryVerify(function () { return page.zones.length > 40 }, 10000)

        driver.enter(page.lname, "رضوی")
        driver.enter(page.officeTitle, "مشاور املاک آفتاب")
        driver.enter(page.phone, "۰۵۱۳۷۶۶۵۵۴۴")
        driver.clickInView(page.area)
        driver.waitOpened(page.zoneDialog)
        compare(page.zoneDialog.width, Math.round(page.width * 0.4))
        var zoneList = driver.test.findChild(page.zoneDialog.contentItem, "list")
        var zone = page.zoneDialog.shown[3]
        verify(zone._id !== before.area._id)
        zoneList.positionViewAtIndex(3, ListView.Contain)
        mouseClick(zoneList.itemAtIndex(3))
        driver.waitClosed(page.zoneDialog)
        compare(page.area.text, zone.title)

        // While editing the map opens inside the main page; cancelling keeps the position.
        var locationText = page.location.text
        driver.clickInView(page.location)
        tryCompare(driver.mainStack, "depth", 2)
        tryCompare(driver.mainStack, "busy", false)
        compare(driver.stack.depth, 1)
        var map = driver.mainStack.currentItem
        tryVerify(function () { return map.map !== null }, 10000)
        driver.press(map, "cancelButton")
        tryCompare(driver.mainStack, "depth", 1)
        tryCompare(driver.mainStack, "busy", false)
        compare(page.location.text, locationText)
        driver.clickInView(page.location)
        tryCompare(driver.mainStack, "busy", false)
        map = driver.mainStack.currentItem
        tryVerify(function () { return map.map !== null }, 10000)
        var point = Qt.point(Math.round(map.map.width / 4), Math.round(map.map.height / 3))
        var picked = map.map.toCoordinate(point)
        mouseClick(map.map, point.x, point.y)
        tryCompare(driver.mainStack, "depth", 1, 5000)
        tryCompare(driver.mainStack, "busy", false)

        driver.click(page.saveButton)
        driver.expectToast("ثبت اطلاعات با موفقیت انجام شد")
        var me = driver.me(signIn.token)
        compare(me.lname, "رضوی")
        compare(me.fname, "محمد")
        compare(me.phone, mobile)
        var office = driver.office(signIn.token)
        compare(office._id, before._id)
        compare(office.title, "مشاور املاک آفتاب")
        compare(office.area._id, zone._id)
        compare(office.address, driver.latin(before.address))
        compare(office.phoneArray, ["05137665544"])
        compare(office.mobileArray, before.mobileArray)
        fuzzyCompare(office.location.latitude, picked.latitude, 1e-9)
        fuzzyCompare(office.location.longitude, picked.longitude, 1e-9)

        // The main page shows the new name and office at once; the record keeps its session.
        compare(driver.part("topBarName").text, "محمد رضوی")
        compare(driver.part("officeTitle").text, "مشاور املاک آفتاب")
        compare(window.userData.office.title, "مشاور املاک آفتاب")
        compare(window.userData.apiToken, signIn.token)
        compare(window.userData.refreshToken, signIn.refreshToken)
        compare(store.value("user_data", {}).lname, "رضوی")
        compare(driver.pageName(driver.mainStack.currentItem), "Profile")
    }
}
