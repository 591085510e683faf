import QtQuick 2.15
import QtTest 1.15
import "qrc:/src/scripts/DateUtility.js" as DateUtility
import "qrc:/src/scripts/FileForm.js" as FileForm
import "qrc:/src/scripts/Colors.js" as Colors

// Editing files. An apartment for sale opened from its detail page on the stand-in service: the
// form shows everything it holds, and the changes are stored while everything else stays. Then
// replies the stand-in service does not give, from the in-process server: a search answering more
// records than the one asked for or none of it, and picture names that are parts of each other.
TestCase {
    id: testCase

    property var token: null
    readonly property string role: "/api/v1/officeMan/"
    readonly property var zone: ({ _id: "zone-1", title: "سجاد" })
    readonly property var otherFile: ({ _id: "file-other", dealType: 5, propertyType: 50, attrs: { name_family: "دیگری" },
                                        fileDateUnix: 1700000000000, images: [] })

    name: "FileEdit"
    when: windowShown

    FileFormDriver {
        id: driver

        test: testCase
    }

    SignalSpy {
        id: edited

        signalName: "edited"
    }

    function initTestCase() {
        driver.startAsManager("09151234567")
        token = driver.token.token
        verify(testServer.start())
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function cleanup() {
        testSupport.redirectService(testService.origin)
        driver.closeForms()
        if (driver.toast.visible)
            driver.closeToast()
    }

    function jalaliText(milliseconds) {
        var date = new Date(milliseconds)
        var day = DateUtility.gregorian_to_jalali(date.getFullYear(), date.getMonth() + 1, date.getDate())
        return DateUtility.formatDate(day[0], day[1], day[2], true, "-")
    }

    // The in-process server answers the zones, updates and deletions, and the search for `id`
    // with `records`.
    function serve(id, records) {
        testServer.clearRoutes()
        testServer.clearRequests()
        var ok = function (route, result) {
            testServer.addRoute("/api/" + route, 200, "application/json", JSON.stringify({ ok: true, result: result }))
        }
        ok("v1/areas/searchAreas", { areas: { data: [zone] } })
        ok("v1/officeMan/propertyFiles/updatePropertyFile", {})
        ok("v1/officeMan/propertyFiles/deletePropertyFileImages", {})
        testServer.addRouteForBody("/api/v2/officeMan/propertyFiles/searchMyPropertyFiles", "\"_id\":\"" + id + "\"",
                                   200, "application/json", JSON.stringify({ ok: true, result: {
                                       propertyFiles: { data: records, total: records.length }, bookmarks: [] } }))
        testSupport.redirectService(testServer.origin)
        var page = driver.mainStack.push(Qt.resolvedUrl("qrc:/src/pages/FileEdit.qml"), { fileItem: { _id: id } })
        edited.clear()
        edited.target = page
    }

    function sent(route) {
        return testServer.requests(role + "propertyFiles/" + route).map(function (request) {
            return JSON.parse(request.body)
        })
    }

    function test_editRestoresTheFileAndStoresOnlyTheChanges() {
        // A file with pictures and a position that is set, the one with the most pictures.
        var positions = ["north_p", "south_p", "east_p", "west_p", "in_ally", "basically"]
        var original = driver.files(token, { page: 1, count: 100, condition: true, dealType: 1, propertyType: 50 })
            .filter(function (file) {
                return file.images.length >= 2 && file.attrs.price_meter && file.attrs.fileDetail
                        && file.status === 2 && positions.some(function (key) { return file.attrs[key] === true })
            }).sort(function (a, b) { return b.images.length - a.images.length })[0]
        verify(original, "the demo office has such a file")
        var on = positions.filter(function (key) { return original.attrs[key] === true })[0]
        var off = positions.filter(function (key) { return original.attrs[key] !== true })[0]

        var detail = driver.loaded(driver.openDetail(original._id, false))
        mouseClick(findChild(detail, "editButton"))
        var page = driver.settledPage("FileEdit")
        var keys = page.fieldTable.getFormFieldNames(1, 50).concat(["parking_lot", "fileDetail"])

        // The end section as stored.
        compare(driver.markerText(page, 0), "فروش")
        compare(driver.markerText(page, 1), "آپارتمان")
        compare(driver.find(page, "descriptionInput").text, original.attrs.fileDetail)
        compare(driver.find(page, "zoneButton").text, original.area.title)
        compare(driver.find(page, "mapButton").text,
                FileForm.formatNumber(original.latitude) + " , " + FileForm.formatNumber(original.longitude))
        compare(driver.find(page, "dateButton").text, jalaliText(original.fileDateUnix))
        verify(!driver.find(page, "archiveSwitch").checked)
        compare(driver.tiles(page).length, original.images.length)

        // The general section: amounts grouped, and a new total rewrites the size from the
        // price per metre.
        driver.openStep(page, 2)
        compare(driver.input(page, "price").text, driver.grouped(original.attrs.price))
        compare(driver.input(page, "name_family").text, original.attrs.name_family)
        driver.retype(page, "price", "8000000000")
        var home = String(Math.round(8000000000 / Number(original.attrs.price_meter)))
        compare(driver.input(page, "home").text, home)
        driver.continueStep(page)

        // Options as stored; one off, another on.
        verify(Qt.colorEqual(driver.option(page, on).color, Colors.primary))
        verify(Qt.colorEqual(driver.option(page, off).color, Colors.fieldBack))
        driver.chooseOption(page, on)
        driver.chooseOption(page, off)
        driver.continueStep(page)

        // The first stored picture goes, a new one comes.
        driver.removeImage(page, 0)
        driver.chooseImages(page, [driver.makeImage(testHomePath + "/آشپزخانه نو.png", "sienna")])
        driver.chooseDealStatus(page, 2)
        driver.register(page)
        driver.waitToast("فایل مورد نظر با موفقیت ویرایش شد", 20000)
        tryVerify(function () { return driver.mainStack.currentItem === detail && !driver.mainStack.busy })
        // The detail page read the file again.
        tryVerify(function () { return detail.fileItem.attrs.price === "8000000000" }, 10000)

        var stored = driver.files(token, { _id: original._id, page: 1, count: 1, condition: true })[0]
        // Everything the file held is in the apartment-for-sale form, so all of it comes back:
        // unchanged but for the edits.
        var expected = {}
        for (var key in original.attrs) {
            verify(keys.indexOf(key) >= 0, key + " is in the form")
            expected[key] = original.attrs[key]
        }
        expected.price = "8000000000"
        expected.home = home
        delete expected[on]
        expected[off] = true
        compare(stored.attrs, expected)
        compare([stored.dealStatus, stored.status, stored.areaId, stored.latitude, stored.fileDateUnix],
                ["cancelled", original.status, original.areaId, original.latitude, original.fileDateUnix])
        // The stored pictures that stayed are not sent again.
        compare(stored.images.length, original.images.length)
        compare(stored.images.slice(0, original.images.length - 1), original.images.slice(1))
        verify(original.images.indexOf(stored.images[stored.images.length - 1]) < 0)
    }

    function test_theEditedRecordIsTakenAndARemovedPictureIsDeletedByItsWholeName() {
        var land = { _id: "file-land", dealType: 1, propertyType: 53, area: zone, areaId: zone._id,
                     fileDateUnix: 1710000000000, latitude: 36.2, longitude: 59.5, status: -1, dealStatus: "available",
                     attrs: { name_family: "زمین دار", mobile: "09150000000", area: "300", north_p: true, room: "4" },
                     images: ["11.jpg", "1.jpg", "x"] }
        // Neither stored picture is on the in-process server.
        testSupport.expectWarning("11\\.jpg")
        testSupport.expectWarning("/1\\.jpg")
        serve(land._id, [otherFile, land])
        var page = driver.settledPage("FileEdit")
        compare(driver.markerText(page, 0), "فروش")
        compare(driver.markerText(page, 1), "زمین")
        verify(driver.find(page, "archiveSwitch").checked)
        compare(driver.find(page, "dealStatusBox").displayText, "فایل موجود")
        compare(driver.tiles(page).length, 2)

        // "1.jpg" goes; "11.jpg", whose address holds the other name, stays.
        driver.removeImage(page, 1)
        driver.register(page)
        driver.waitToast("فایل مورد نظر با موفقیت ویرایش شد")
        compare(edited.count, 1)
        tryVerify(function () { return driver.pageName(driver.mainStack.currentItem) !== "FileEdit" })

        var update = sent("updatePropertyFile")
        compare(update.length, 1)
        // A room is no part of a land's form.
        compare(update[0], { dealType: 1, propertyType: 53, fileDateUnix: 1710000000000, areaId: zone._id,
                             propertyFileId: land._id, latitude: 36.2, longitude: 59.5, status: -1,
                             dealStatus: "available",
                             attrs: { name_family: "زمین دار", mobile: "09150000000", area: "300", north_p: true } })
        compare(sent("deletePropertyFileImages"), [{ propertyFileId: land._id, propertyImages: ["1.jpg"] }])
        compare(testServer.requests(role + "propertyFiles/addPropertyFileImage").length, 0)
    }

    function test_anApplicantKeepsItsStoredPlaceAndAFileNotFoundClosesThePage() {
        var request = { _id: "file-request", dealType: 6, propertyType: 52, area: zone, areaId: zone._id,
                        fileDateUnix: 1720000000000, latitude: 36.25, longitude: 59.61, status: 2,
                        attrs: { name_family: "مستاجر", mobile: "09151111111", rent: "5000000" }, images: [] }
        serve(request._id, [request])
        var page = driver.settledPage("FileEdit")
        verify(!driver.find(page, "mapButton").visible)
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        driver.waitToast("فایل مورد نظر با موفقیت ویرایش شد")
        compare(edited.count, 1)
        var update = sent("updatePropertyFile")
        compare(update.length, 1)
        compare([update[0].latitude, update[0].longitude, update[0].status], [36.25, 59.61, undefined])
        compare(update[0].attrs, request.attrs)
        compare(sent("deletePropertyFileImages").length, 0)
        driver.closeToast()

        // The search answers, but not with the file asked for.
        serve("file-gone", [otherFile])
        driver.waitToast("فایل مورد نظر یافت نشد")
        tryVerify(function () { return driver.pageName(driver.mainStack.currentItem) !== "FileEdit" })
        compare(edited.count, 0)
        compare(sent("updatePropertyFile").length, 0)
    }
}
