import QtQuick 2.15
import QtTest 1.15
import "qrc:/src/scripts/DateUtility.js" as DateUtility
import "qrc:/src/scripts/Colors.js" as Colors

// Registering files through the form against the stand-in service: an apartment for sale walked
// through every step, and a land request begun as an apartment request; each read back from the
// service with exactly what was entered.
TestCase {
    id: testCase

    property var token: null

    name: "FileAdd"
    when: windowShown

    FileFormDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        driver.startAsManager("09151234567")
        token = driver.token.token
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function cleanup() {
        driver.closeForms()
        if (driver.toast.visible)
            driver.closeToast()
    }

    function selected(page, fieldName) {
        return Qt.colorEqual(driver.option(page, fieldName).color, Colors.primary)
    }

    function test_saleApartmentWalksEveryStepAndIsStored() {
        var page = driver.openAdd(-1)
        verify(driver.option(page, "pre_sell").visible)
        verify(!driver.find(page, "continueButton").visible)
        driver.chooseOption(page, "sell")
        compare(driver.markerText(page, 0), "فروش")
        driver.chooseOption(page, "apartemant")
        compare(page.step, "general")
        compare(driver.markerText(page, 1), "آپارتمان")

        driver.continueStep(page)
        driver.waitToast("ورود نام و شماره همراه مالک ضروری است")
        compare(page.step, "general")
        var owner = "نگار صالحی " + Date.now()
        // Digits typed with the Persian layout are kept as 0-9.
        driver.fill(page, { name_family: owner, mobile: "۰۹۱۵۱۱۱۲۲۳۳" })
        compare(driver.input(page, "mobile").text, "09151112233")
        keyClick(Qt.Key_Tab)
        verify(driver.input(page, "mobile1").input.activeFocus)

        // The calculator reads the grouped amounts as digits, and what it writes starts no other
        // calculation (1000 / 3 would otherwise come back as a total of 999).
        driver.fill(page, { price: "1000", home: "٣" })
        compare(driver.input(page, "price_meter").text, "333")
        compare(driver.input(page, "price").text, "1,000")
        driver.retype(page, "price_meter", "400")
        compare(driver.input(page, "price").text, "1,200")
        driver.retype(page, "price", "2000")
        compare(driver.input(page, "home").text, "5")

        // Without address and district a warning, and the form goes on; going back keeps it all.
        driver.continueStep(page)
        driver.waitToast("ثبت آدرس و محله یا خیابان اصلی فراموش شده است")
        compare(page.step, "detail")
        driver.closeToast()
        driver.openStep(page, 2)
        compare(driver.input(page, "name_family").text, owner)
        compare(driver.input(page, "price_meter").text, "400")
        driver.fill(page, { district: "سجاد" })
        driver.continueStep(page)

        driver.chooseOption(page, "north_p")
        driver.chooseOption(page, "duplex")
        driver.chooseOption(page, "private_parking")
        driver.chooseOption(page, "duplex")
        verify(selected(page, "north_p") && !selected(page, "duplex"))
        var stepper = driver.find(page, "stepper")
        driver.clickIn(page, findChild(stepper, "plusButton"))
        mouseClick(findChild(stepper, "plusButton"))
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        compare(page.step, "end")

        driver.typeInto(driver.find(page, "descriptionInput"), "نورگیر، نوساز")
        driver.chooseZone(page, "سجاد")
        driver.chooseLocation(page, 36.31, 59.57)
        compare(driver.find(page, "mapButton").text, "36.310000 , 59.570000")
        driver.chooseDate(page, 1403, 5, 12)
        compare(driver.find(page, "dateButton").text, "1403-05-12")
        driver.chooseDealStatus(page, 1)
        driver.clickIn(page, driver.find(page, "archiveLine"))
        // Names with spaces, '#' and Persian letters reach the service as the files they are;
        // a picture chosen twice is attached once.
        var pictures = [driver.makeImage(testHomePath + "/نمای #1 ساختمان.png", "tomato"),
                        driver.makeImage(testHomePath + "/پذیرایی 2.jpg", "steelblue")]
        driver.chooseImages(page, pictures)
        driver.chooseImages(page, pictures.slice(0, 1))
        compare(driver.tiles(page).length, 2)
        driver.register(page)
        driver.waitToast("فایل مورد نظر با موفقیت ثبت شد", 20000)

        // A new file begins; date, deal status and archive flag stay for it.
        compare(page.step, "deal")
        compare([page.inputs.length, page.toggles.length, page.imageModel.count], [0, 0, 0])
        compare([page.dateString, page.dealStatus, page.archive], ["1403-05-12", "done", true])

        var stored = driver.filesNamed(token, owner)
        compare(stored.length, 1)
        var day = DateUtility.jalali_to_gregorian(1403, 5, 12)
        compare([stored[0].dealType, stored[0].propertyType, stored[0].area.title, stored[0].latitude,
                 stored[0].longitude, stored[0].fileDateUnix, stored[0].dealStatus, stored[0].status,
                 stored[0].images.length],
                [1, 50, "سجاد", 36.31, 59.57, new Date(day[0], day[1] - 1, day[2]).getTime(), "done", -1, 2])
        compare(stored[0].attrs, {
            name_family: owner, mobile: "09151112233", price: "2000", price_meter: "400", home: "5",
            district: "سجاد", north_p: true, private_parking: true, parking_lot: "2", fileDetail: "نورگیر، نوساز"
        })
    }

    function test_landRequestKeepsNothingOfTheApartmentFormItBeganAs() {
        var page = driver.openAdd(-2)
        driver.chooseOption(page, "request_sell")
        driver.chooseOption(page, "apartemant")
        driver.continueStep(page)
        driver.waitToast("ورود نام و شماره همراه متقاضی ضروری است")
        driver.closeToast()
        var applicant = "کامران یزدی " + Date.now()
        driver.fill(page, { name_family: applicant, mobile: "09157778899", room: "3" })
        // Applicants go on without an address, and without a warning.
        driver.continueStep(page)
        compare(page.step, "detail")
        verify(!driver.toast.visible)
        driver.chooseOption(page, "north_p")
        driver.chooseOption(page, "duplex")

        // Another property type: what both forms share comes along.
        driver.openStep(page, 1)
        verify(!findChild(page, "marker2").visible)
        driver.chooseOption(page, "ground")
        compare(driver.input(page, "name_family").text, applicant)
        compare(findChild(page, "input_room"), null)
        driver.fill(page, { price: "5000000000", area: "200" })
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        driver.chooseOption(page, "residential")
        driver.continueStep(page)
        verify(!driver.find(page, "mapButton").visible && !driver.find(page, "imagesButton").visible)
        driver.chooseZone(page, "سجاد")
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        driver.waitToast("فایل مورد نظر با موفقیت ثبت شد")

        var stored = driver.filesNamed(token, applicant)
        compare(stored.length, 1)
        compare([stored[0].dealType, stored[0].propertyType, stored[0].latitude], [5, 53, undefined])
        compare(stored[0].attrs, { name_family: applicant, mobile: "09157778899", price: "5000000000", area: "200",
                                   residential: true })
    }
}
