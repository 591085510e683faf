import QtQuick 2.15
import QtTest 1.15

// Picture uploads that fail after the file was created, answered by the in-process server: an
// error page and a refusal each end the chain with the notice down and the reason shown; pressing
// "ثبت اطلاعات" again updates the file already made and sends the remaining pictures, never a
// second file. While the file is on its way a second press sends nothing.
TestCase {
    id: testCase

    readonly property string route: "/api/v1/officeMan/propertyFiles/"

    name: "FileAddUploads"
    when: windowShown

    FileFormDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        driver.startAsManager("09151234567")
        verify(testServer.start())
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function answer(name, status, reply, delay) {
        testServer.addRoute(route + name, status, "application/json", JSON.stringify(reply), delay || 0)
    }

    function sent(name) {
        return testServer.requests(route + name).length
    }

    function failedAgain(page, text) {
        driver.waitToast(text)
        tryCompare(page, "busy", false)
        verify(!driver.loadingShown())
        compare(page.step, "end")
        driver.closeToast()
    }

    function test_failedUploadsAreTakenUpOnTheFileAlreadyMade() {
        // A warehouse for sale, filled up to its end section on the stand-in service.
        var page = driver.openAdd(-1)
        driver.chooseOption(page, "sell")
        driver.chooseOption(page, "store")
        driver.fill(page, { name_family: "انبار دار", mobile: "09153334455", district: "وکیل آباد", address: "بلوار" })
        driver.continueStep(page)
        driver.continueStep(page)
        driver.chooseZone(page, "سجاد")
        driver.chooseImages(page, [driver.makeImage(testHomePath + "/a.png", "gold"),
                                   driver.makeImage(testHomePath + "/b.png", "plum")])

        answer("createPropertyFile", 200, { ok: true, result: { propertyFile: { _id: "created-1" } } }, 1500)
        answer("updatePropertyFile", 200, { ok: true, result: {} })
        testServer.addRoute(route + "addPropertyFileImage", 500, "text/html", "<html><body>Internal Server Error</body></html>")
        testSupport.redirectService(testServer.origin)

        driver.register(page)
        wait(500)
        verify(driver.loadingShown())
        mouseClick(driver.find(page, "registerButton"))
        page.insert()
        failedAgain(page, "ارسال تصویر با خطا مواجه شد")
        compare([sent("createPropertyFile"), sent("addPropertyFileImage")], [1, 1])
        compare(driver.find(page, "uploadNotice").text.indexOf("فایل ثبت شد و 0 تصویر از 2"), 0)

        // The service's refusal ends the chain the same way, with its own words.
        answer("addPropertyFileImage", 200, { ok: false, messages: ["حجم تصویر زیاد است"] })
        driver.register(page)
        failedAgain(page, "حجم تصویر زیاد است")
        compare([sent("createPropertyFile"), sent("updatePropertyFile"), sent("addPropertyFileImage")], [1, 1, 2])
        compare(JSON.parse(testServer.requests(route + "updatePropertyFile")[0].body).propertyFileId, "created-1")

        answer("addPropertyFileImage", 200, { ok: true })
        driver.register(page)
        driver.waitToast("فایل مورد نظر با موفقیت ثبت شد")
        // The first picture twice in vain, then both.
        compare([sent("createPropertyFile"), sent("updatePropertyFile"), sent("addPropertyFileImage")], [1, 2, 4])
        compare(page.step, "deal")
        testSupport.redirectService(testService.origin)
    }
}
