import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// The edit page against replies the stand-in service does not give: a search that answers more
// records than the one asked for, or none of it, and stored picture names that are parts of each
// other. Answered by the in-process server once the session is up.
TestCase {
    id: testCase

    readonly property string role: "/api/v1/officeMan/"
    readonly property string searchRoute: "/api/v2/officeMan/propertyFiles/searchMyPropertyFiles"
    readonly property var zone: ({ _id: "zone-1", title: "سجاد" })
    readonly property var otherFile: ({ _id: "file-other", dealType: 5, propertyType: 50, attrs: { name_family: "دیگری" },
                                        fileDateUnix: 1700000000000, images: [] })

    name: "FileEditReplies"
    when: windowShown

    FileFormDriver {
        id: driver

        test: testCase
    }

    Settings { id: store }
    AppUtility { id: utility }

    SignalSpy {
        id: edited

        signalName: "edited"
    }

    function initTestCase() {
        var signIn = driver.managerSignIn("09151234567", utility.deviceId())
        signIn.username = "09151234567"
        driver.startSignedIn(store, utility.deviceId(), signIn)
        verify(testServer.start())
        testSupport.redirectService(testServer.origin)
    }

    function cleanupTestCase() {
        if (driver.window)
            driver.window.destroy()
    }

    function init() {
        testServer.clearRoutes()
        testServer.clearRequests()
        reply("v1/areas/searchAreas", { areas: { data: [zone] } })
        reply(role.substring(5) + "propertyFiles/updatePropertyFile", {})
        reply(role.substring(5) + "propertyFiles/deletePropertyFileImages", {})
    }

    function cleanup() {
        driver.closeForms()
        if (driver.toast.visible)
            driver.closeToast()
    }

    function reply(route, result) {
        testServer.addRoute("/api/" + route, 200, "application/json", JSON.stringify({ ok: true, result: result }))
    }

    // The search answers `records` when asked for the file `id`.
    function search(id, records) {
        testServer.addRouteForBody(searchRoute, "\"_id\":\"" + id + "\"", 200, "application/json",
                                   JSON.stringify({ ok: true, result: { propertyFiles: { data: records, total: records.length },
                                                                        bookmarks: [] } }))
    }

    function openEdit(id) {
        var page = driver.mainStack.push(Qt.resolvedUrl("qrc:/src/pages/FileEdit.qml"), { fileItem: { _id: id } })
        edited.clear()
        edited.target = page
        return page
    }

    function sent(route) {
        return testServer.requests(role + "propertyFiles/" + route).map(function (request) {
            return JSON.parse(request.body)
        })
    }

    function test_a_theEditedRecordIsTakenAndARemovedPictureIsDeletedByItsWholeName() {
        var land = { _id: "file-land", dealType: 1, propertyType: 53, area: zone, areaId: zone._id,
                     fileDateUnix: 1710000000000, latitude: 36.2, longitude: 59.5, status: -1, dealStatus: "available",
                     attrs: { name_family: "زمین دار", mobile: "09150000000", area: "300", north_p: true, room: "4" },
                     images: ["11.jpg", "1.jpg", "x"] }
        search(land._id, [otherFile, land])
        // Neither stored picture is on the in-process server.
        testSupport.expectWarning("11\\.jpg")
        testSupport.expectWarning("/1\\.jpg")
        var page = openEdit(land._id)
        page = driver.editPage()
        compare(driver.markerText(page, 0), "فروش")
        compare(driver.markerText(page, 1), "زمین")
        verify(driver.find(page, "archiveSwitch").checked)
        compare(driver.find(page, "dealStatusBox").displayText, "فایل موجود")
        compare(driver.tiles(page).length, 2)

        // "1.jpg" goes; "11.jpg", whose address holds the other name, stays.
        driver.clickIn(page, findChild(driver.tiles(page)[1], "deleteBadge"))
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

    function test_b_anApplicantKeepsItsStoredPlaceAndAFileNotFoundClosesThePage() {
        var request = { _id: "file-request", dealType: 6, propertyType: 52, area: zone, areaId: zone._id,
                        fileDateUnix: 1720000000000, latitude: 36.25, longitude: 59.61, status: 2,
                        attrs: { name_family: "مستاجر", mobile: "09151111111", rent: "5000000" }, images: [] }
        search(request._id, [request])
        var page = openEdit(request._id)
        page = driver.editPage()
        verify(!driver.find(page, "mapButton").visible)
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        driver.waitToast("فایل مورد نظر با موفقیت ویرایش شد")
        compare(edited.count, 1)
        var update = sent("updatePropertyFile")
        compare(update.length, 1)
        compare(update[0].latitude, 36.25)
        compare(update[0].longitude, 59.61)
        compare(update[0].status, undefined)
        compare(update[0].attrs, request.attrs)
        compare(sent("deletePropertyFileImages").length, 0)
        driver.closeToast()

        // The search answers, but not with the file asked for.
        search("file-gone", [otherFile])
        openEdit("file-gone")
        driver.waitToast("فایل مورد نظر یافت نشد")
        tryVerify(function () { return driver.pageName(driver.mainStack.currentItem) !== "FileEdit" })
        compare(edited.count, 0)
        compare(sent("updatePropertyFile").length, 1)
    }
}
