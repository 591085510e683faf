import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// A picture upload that fails after the file was created: the chain stops with the notice down
// and the reason shown, the form keeps everything, and pressing "ثبت اطلاعات" again sends the
// remaining pictures to the same file instead of creating another one. Refused by the stand-in
// service, and answered with an error page by the in-process server. While a file is on its way
// a second press sends nothing.
TestCase {
    id: testCase

    property var token: null
    readonly property string filesRoute: "/api/v1/officeMan/propertyFiles/"

    name: "FileAddUploads"
    when: windowShown

    FileFormDriver {
        id: driver

        test: testCase
    }

    Settings { id: store }
    AppUtility { id: utility }

    function initTestCase() {
        var signIn = driver.managerSignIn("09151234567", utility.deviceId())
        signIn.username = "09151234567"
        token = signIn.token
        driver.startSignedIn(store, utility.deviceId(), signIn)
        verify(testServer.start())
    }

    function cleanupTestCase() {
        if (driver.window)
            driver.window.destroy()
    }

    function cleanup() {
        testSupport.redirectService(testService.origin)
        driver.closeForms()
        if (driver.toast.visible)
            driver.closeToast()
    }

    // A warehouse for sale, filled up to its end section.
    function warehouse(owner) {
        var page = driver.openAdd(-1)
        driver.chooseOption(page, "sell")
        driver.chooseOption(page, "store")
        driver.fill(page, { name_family: owner, mobile: "09153334455", district: "وکیل آباد", address: "بلوار وکیل آباد" })
        driver.continueStep(page)
        driver.continueStep(page)
        compare(page.step, "end")
        driver.chooseZone(page, "سجاد")
        return page
    }

    function test_a_refusedPictureStopsTheChainAndTheRestGoesToTheSameFile() {
        var owner = "انبار " + Date.now()
        var page = warehouse(owner)
        driver.chooseImages(page, [driver.makeImage(testHomePath + "/انبار ۱.png", "olive"),
                                   driver.makeImage(testHomePath + "/انبار ۲.bmp", "navy"),
                                   driver.makeImage(testHomePath + "/انبار ۳.png", "teal")])
        driver.register(page)
        driver.waitToast("فقط تصاویر JPEG و PNG قابل بارگذاری هستند")
        tryCompare(page, "busy", false)
        verify(!driver.loadingShown())
        compare(page.step, "end")
        compare(page.imageModel.count, 3)
        compare(driver.find(page, "uploadNotice").text.indexOf("فایل ثبت شد و 1 تصویر از 3"), 0)
        var stored = driver.filesNamed(token, owner)
        compare(stored.length, 1)
        compare(stored[0].images.length, 1)

        // Without the picture the service refuses, the rest goes to the file already made.
        driver.clickIn(page, findChild(driver.tiles(page)[1], "deleteBadge"))
        verify(/\.png$/.test(page.imageModel.get(1).url), page.imageModel.get(1).url)
        compare(page.imageModel.count, 2)
        driver.register(page)
        driver.waitToast("فایل مورد نظر با موفقیت ثبت شد", 20000)
        compare(page.step, "deal")
        compare(page.createdFileId, "")
        stored = driver.filesNamed(token, owner)
        compare(stored.length, 1)
        compare(stored[0].images.length, 2)
        compare(stored[0].attrs, { name_family: owner, mobile: "09153334455", district: "وکیل آباد",
                                   address: "بلوار وکیل آباد" })
    }

    function test_b_unreadableReplyEndsTheChainAndRetriesTakeUpTheRemainingPictures() {
        var page = warehouse("انبار " + Date.now())
        driver.chooseImages(page, [driver.makeImage(testHomePath + "/a.png", "gold"),
                                   driver.makeImage(testHomePath + "/b.png", "plum")])
        testServer.clearRoutes()
        testServer.clearRequests()
        // Slow enough for a second press while the file is on its way.
        testServer.addRoute(filesRoute + "createPropertyFile", 200, "application/json",
                            JSON.stringify({ ok: true, result: { propertyFile: { _id: "created-1" } } }), 1500)
        testServer.addRoute(filesRoute + "updatePropertyFile", 200, "application/json",
                            JSON.stringify({ ok: true, result: {} }))
        testServer.addRoute(filesRoute + "addPropertyFileImage", 500, "text/html",
                            "<html><body>Internal Server Error</body></html>")
        testSupport.redirectService(testServer.origin)
        var uploads = function () { return testServer.requests(filesRoute + "addPropertyFileImage") }

        driver.register(page)
        wait(500)
        verify(driver.loadingShown())
        mouseClick(driver.find(page, "registerButton"))
        page.insert()
        driver.waitToast("ارسال تصویر با خطا مواجه شد")
        tryCompare(page, "busy", false)
        verify(!driver.loadingShown())
        compare(testServer.requests(filesRoute + "createPropertyFile").length, 1)
        compare(uploads().length, 1)
        compare(page.createdFileId, "created-1")
        compare(page.step, "end")

        // A second press creates nothing: it updates the file made and tries the first picture again.
        driver.closeToast()
        driver.register(page)
        driver.waitToast("ارسال تصویر با خطا مواجه شد")
        tryCompare(page, "busy", false)
        compare(testServer.requests(filesRoute + "createPropertyFile").length, 1)
        var updates = testServer.requests(filesRoute + "updatePropertyFile")
        compare(updates.length, 1)
        compare(JSON.parse(updates[0].body).propertyFileId, "created-1")
        compare(uploads().length, 2)

        testServer.addRoute(filesRoute + "addPropertyFileImage", 200, "application/json", JSON.stringify({ ok: true }))
        driver.register(page)
        driver.waitToast("فایل مورد نظر با موفقیت ثبت شد")
        // The first picture twice in vain, then both.
        compare(uploads().length, 4)
        compare(testServer.requests(filesRoute + "createPropertyFile").length, 1)
        compare(page.step, "deal")
    }
}
