import QtQuick 2.15
import QtTest 1.15
import "../../tests/e2e"

// Saves pictures of the listing form: every step of an apartment for sale, the price calculator,
// the end section with pictures, every step of a land purchase request and the edit page. Run by
// run.sh under Xvfb with a stand-in service of its own.
TestCase {
    id: shooter

    name: "FileFormScreens"
    when: windowShown

    FileFormDriver {
        id: driver

        test: shooter
    }

    function shoot(file) {
        waitForRendering(driver.window.contentItem, 3000)
        wait(600)
        grabImage(driver.window.contentItem).save(file)
        console.log("saved " + file)
    }

    function test_shootTheForm() {
        driver.startAsManager("09151234567")

        var page = driver.openAdd(-1)
        shoot("form-sale-1-deal.png")
        driver.chooseOption(page, "sell")
        shoot("form-sale-2-property.png")
        driver.chooseOption(page, "apartemant")
        shoot("form-sale-3-general.png")
        driver.fill(page, { name_family: "مریم کاظمی", mobile: "09151112233", district: "سجاد",
                            price: "9000000000", home: "120" })
        page.flickable.contentY = 300
        shoot("form-sale-3-calculator.png")
        driver.continueStep(page)
        driver.closeToast()
        driver.chooseOption(page, "north_p")
        driver.chooseOption(page, "duplex")
        driver.chooseOption(page, "luxury")
        page.flickable.contentY = 0
        shoot("form-sale-4-detail.png")
        page.flickable.contentY = page.flickable.contentHeight - page.flickable.height
        shoot("form-sale-4-detail-end.png")
        driver.continueStep(page)
        var paths = []
        var colours = ["#e57373", "#64b5f6", "#81c784", "#ffd54f", "#ba68c8", "#4db6ac"]
        for (var i = 0; i < colours.length; ++i)
            paths.push(driver.makeImage(testHomePath + "/تصویر " + (i + 1) + ".png", colours[i]))
        driver.chooseImages(page, paths)
        driver.chooseZone(page, "سجاد")
        driver.chooseDealStatus(page, 0)
        driver.clickIn(page, driver.find(page, "archiveLine"))
        page.flickable.contentY = 0
        shoot("form-sale-5-end.png")
        page.flickable.contentY = page.flickable.contentHeight - page.flickable.height
        shoot("form-sale-5-end-images.png")

        page = driver.openAdd(-2)
        driver.chooseOption(page, "request_sell")
        shoot("form-request-2-property.png")
        driver.chooseOption(page, "ground")
        shoot("form-request-3-general.png")
        driver.fill(page, { name_family: "رضا محمدی", mobile: "09150001122" })
        driver.continueStep(page)
        shoot("form-request-4-detail.png")
        driver.continueStep(page)
        shoot("form-request-5-end.png")

        driver.closeForms()
        var sale = driver.files(signIn.token, { page: 1, count: 100, condition: true, dealType: 1, propertyType: 50 })
            .filter(function (file) { return file.images.length >= 3 })[0]
        var detail = driver.loaded(driver.openDetail(sale._id, false))
        mouseClick(findChild(detail, "editButton"))
        page = driver.settledPage("FileEdit")
        shoot("form-edit-5-end.png")
        driver.openStep(page, 2)
        shoot("form-edit-3-general.png")
        driver.window.destroy()
    }
}
