import QtQuick 2.15
import QtTest 1.15

// Another agency's file offered for cooperation: its office stands in for the owner everywhere,
// and a file withdrawn before it loads closes the page.
TestCase {
    id: testCase

    property var token: null
    property var otherToken: null
    property var otherOffice: null
    readonly property var contactKeys: ["address", "name_family", "mobile", "phone", "mobile1", "mobile2"]

    name: "FileDetailCooperation"
    when: windowShown

    FileDetailDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        driver.startAsManager("09151234567")
        token = driver.token.token
        otherToken = driver.managerSignIn("09157654321", "other-agency-desk").token
        otherOffice = driver.office(otherToken)
        verify(otherOffice.mobileArray.length > 0 && otherOffice.phoneArray.length > 0)
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function setOfficeNumbers(phones, mobiles) {
        driver.expectOk(driver.service("officeMan/office/updateOffice", {
            title: otherOffice.title, areaId: otherOffice.areaId, address: otherOffice.address,
            location: otherOffice.location, website: otherOffice.website || "", phoneArray: phones, mobileArray: mobiles
        }, { json: true, token: otherToken }), "office update")
    }

    function cleanup() {
        setOfficeNumbers(otherOffice.phoneArray, otherOffice.mobileArray)
        driver.closeDetails()
        if (driver.toast.visible)
            driver.closeToast()
    }

    // The other agency's offered files as that agency sees them, owner's contacts included.
    function offeredFiles() {
        return driver.files(otherToken, { page: 1, count: 100, condition: true, sharedOnly: true })
            .filter(function (file) { return file.officeId === otherOffice._id })
    }

    function row(page, title) {
        var rows = driver.generalRows(page)
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i][0] === title)
                return rows[i][1]
        }
        return null
    }

    function expectNoOwnerContact(record, text) {
        for (var i = 0; i < contactKeys.length; ++i) {
            var contact = record.attrs[contactKeys[i]]
            if (contact)
                verify(text.indexOf(contact) < 0, contactKeys[i] + " \"" + contact + "\" shows")
        }
    }

    function test_officeStandsInForTheOwner() {
        var record = offeredFiles().filter(function (file) { return file.attrs.mobile && file.attrs.address })[0]
        verify(record, "the other agency offers a file with an owner's contacts")
        var page = driver.loaded(driver.openDetail(record._id, true))

        compare(row(page, "نام مالک"), otherOffice.title)
        compare(row(page, "آدرس دقیق"), otherOffice.address)
        compare(row(page, "شماره همراه"), otherOffice.mobileArray[0])
        compare(row(page, "تلفن ثابت"), otherOffice.phoneArray[0])
        compare(row(page, "شماره همراه 2"), null)
        compare(row(page, "قیمت کل") !== null, !!record.attrs.price)
        expectNoOwnerContact(record, driver.pageTexts(page))
        // Neither placed on the map nor edited here.
        verify(!findChild(page, "mapLoader").visible)
        compare(findChild(page, "mapLoader").item, null)
        verify(!findChild(page, "editButton").visible)

        mouseClick(findChild(page, "shareButton"))
        driver.waitToast("فایل جهت اشتراک گذاری برای شما کپی شد")
        var text = driver.clipboardText()
        verify(text.indexOf("#شناسه_فایل_" + record.trackingId) === 0)
        expectNoOwnerContact(record, text)
        for (var i = 0; i < otherOffice.mobileArray.length; ++i)
            verify(text.indexOf(otherOffice.mobileArray[i]) < 0)
        verify(text.indexOf(otherOffice.address) < 0)
    }

    function test_officeWithoutNumbersLeavesTheirLinesOut() {
        setOfficeNumbers([], [])
        var record = offeredFiles()[0]
        var page = driver.loaded(driver.openDetail(record._id, true))
        compare(row(page, "نام مالک"), otherOffice.title)
        compare(row(page, "شماره همراه"), null)
        compare(row(page, "تلفن ثابت"), null)
        var shown = driver.pageTexts(page)
        verify(shown.indexOf("undefined") < 0 && shown.indexOf("null") < 0, shown)
    }

    function test_fileGoneBeforeLoadingClosesWithAToast() {
        // Only offered files load as cooperation files: one of the agency's own is not found so.
        var own = driver.files(token, { page: 1, count: 20, condition: true }).filter(function (file) {
            return !file.sharingSettings || !file.sharingSettings.shared
        })[0]
        var depth = driver.mainStack.depth
        driver.openDetail(own._id, true)
        driver.waitToast("فایل مورد نظر یافت نشد")
        tryVerify(function () { return driver.pageName(driver.mainStack.currentItem) !== "FileDetail" })
        compare(driver.mainStack.depth, depth)
        driver.closeToast()

        // Withdrawn from the pool between the list and the detail.
        var record = offeredFiles()[0]
        driver.expectOk(driver.service("officeMan/propertyFiles/deletePropertyFileShareRequest",
                                       { propertyFileId: record._id }, { json: true, token: otherToken }), "withdrawal")
        driver.openDetail(record._id, true)
        driver.waitToast("فایل مورد نظر یافت نشد")
        tryVerify(function () { return driver.pageName(driver.mainStack.currentItem) !== "FileDetail" })
        compare(driver.mainStack.depth, depth)
    }
}
