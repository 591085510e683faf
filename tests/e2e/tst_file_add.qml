import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0
import "qrc:/src/scripts/DateUtility.js" as DateUtility
import "qrc:/src/scripts/Colors.js" as Colors

// Registering files through the form against the stand-in service: an apartment for sale walked
// through every step, and a land purchase request begun as an apartment request; each file read
// back from the service with exactly what was entered.
TestCase {
    id: testCase

    property var token: null

    name: "FileAdd"
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
    }

    function cleanupTestCase() {
        if (driver.window)
            driver.window.destroy()
    }

    function cleanup() {
        driver.closeForms()
        if (driver.toast.visible)
            driver.closeToast()
    }

    function optionNames(page) {
        var names = []
        var options = driver.find(page, "mainContent")
        var walk = function (item) {
            if (item.objectName.indexOf("option_") === 0)
                names.push(item.objectName.substring(7))
            for (var i = 0; i < item.children.length; ++i)
                walk(item.children[i])
        }
        walk(options)
        return names
    }

    function selectAllIn(page, key) {
        var field = driver.input(page, key)
        field.input.forceActiveFocus()
        keyClick(Qt.Key_A, Qt.ControlModifier)
        return field
    }

    function test_a_saleApartmentWalksEveryStepAndIsStored() {
        var page = driver.openAdd(-1)
        compare(page.step, "deal")
        compare(optionNames(page), ["sell", "rent", "cooperate", "pre_sell"])
        verify(!driver.find(page, "continueButton").visible)
        compare(driver.markerText(page, 0), "نوع معـــامله")
        verify(!driver.marker(page, 1).visible)

        driver.chooseOption(page, "sell")
        compare(page.step, "property")
        compare(driver.markerText(page, 0), "فروش")
        compare(optionNames(page).length, 9)
        driver.chooseOption(page, "apartemant")
        compare(page.step, "general")
        compare(driver.markerText(page, 1), "آپارتمان")

        // The owner's name and mobile are required; the step stays.
        driver.continueStep(page)
        driver.waitToast("ورود نام و شماره همراه مالک ضروری است")
        compare(page.step, "general")
        driver.closeToast()

        var owner = "نگار صالحی " + Date.now()
        driver.fill(page, { name_family: owner, mobile: "09151112233" })
        // Tab leads from the owner's name to the mobile.
        driver.input(page, "name_family").input.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        verify(driver.input(page, "mobile").input.activeFocus)

        // The calculator reads the amounts as digits although the inputs show them grouped, and
        // what it writes does not start another calculation (1000 / 3 would otherwise come back
        // as a total of 999).
        driver.fill(page, { price: "1000", home: "3" })
        compare(driver.input(page, "price_meter").text, "333")
        compare(driver.input(page, "price").text, "1,000")
        selectAllIn(page, "price_meter")
        driver.type("400")
        compare(driver.input(page, "price").text, "1,200")
        compare(driver.input(page, "home").text, "3")
        selectAllIn(page, "price")
        driver.type("2000")
        compare(driver.input(page, "home").text, "5")
        compare(driver.input(page, "price").text, "2,000")

        // Without address and district a warning, and the form goes on.
        driver.continueStep(page)
        driver.waitToast("ثبت آدرس و محله یا خیابان اصلی فراموش شده است")
        compare(page.step, "detail")
        driver.closeToast()

        // Back to the general step: everything typed is still there.
        driver.openStep(page, 2)
        compare(page.step, "general")
        compare(driver.input(page, "name_family").text, owner)
        compare(driver.input(page, "price").text, "2,000")
        compare(driver.input(page, "price_meter").text, "400")
        driver.fill(page, { district: "سجاد" })
        driver.continueStep(page)

        driver.chooseOption(page, "north_p")
        driver.chooseOption(page, "duplex")
        driver.chooseOption(page, "private_parking")
        driver.chooseOption(page, "duplex")
        verify(Qt.colorEqual(driver.option(page, "north_p").color, Colors.primary))
        verify(Qt.colorEqual(driver.option(page, "private_parking").color, Colors.primary))
        verify(Qt.colorEqual(driver.option(page, "duplex").color, Colors.fieldBack))
        var stepper = driver.find(page, "stepper")
        driver.reveal(page, stepper)
        mouseClick(findChild(stepper, "plusButton"))
        mouseClick(findChild(stepper, "plusButton"))
        compare(stepper.value, "2")
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        compare(page.step, "end")
        compare(driver.markerText(page, 4), "تکمیل اطلاعات")

        driver.typeInto(driver.find(page, "descriptionInput"), "نورگیر، نوساز")
        driver.chooseZone(page, "سجاد")
        compare(driver.find(page, "zoneButton").text, "سجاد")
        driver.chooseLocation(page, 36.31, 59.57)
        compare(driver.find(page, "mapButton").text, "36.310000 , 59.570000")
        driver.chooseDate(page, 1403, 5, 12)
        compare(driver.find(page, "dateButton").text, "1403-05-12")
        driver.chooseDealStatus(page, 1)
        driver.clickIn(page, driver.find(page, "archiveLine"))
        verify(driver.find(page, "archiveSwitch").checked)
        // Names with spaces, '#' and Persian letters reach the service as the files they are.
        var pictures = [driver.makeImage(testHomePath + "/نمای #1 ساختمان.png", "tomato"),
                        driver.makeImage(testHomePath + "/پذیرایی 2.png", "steelblue")]
        driver.chooseImages(page, pictures)
        driver.chooseImages(page, pictures.slice(0, 1))
        compare(page.imageModel.count, 2)

        driver.register(page)
        driver.waitToast("فایل مورد نظر با موفقیت ثبت شد", 20000)
        driver.waitIdle()

        // A new file begins; date, deal status and archive flag stay for it.
        compare(page.step, "deal")
        compare(page.inputs.length, 0)
        compare(page.toggles.length, 0)
        compare(page.imageModel.count, 0)
        compare(page.selectedZone, null)
        compare(page.dateString, "1403-05-12")
        compare(page.dealStatus, "done")
        compare(page.archive, true)

        var stored = driver.filesNamed(token, owner)
        compare(stored.length, 1)
        var record = stored[0]
        compare(record._id, page.lastCreatedId)
        compare(record.dealType, 1)
        compare(record.propertyType, 50)
        compare(record.area.title, "سجاد")
        compare(record.latitude, 36.31)
        compare(record.longitude, 59.57)
        var day = DateUtility.jalali_to_gregorian(1403, 5, 12)
        compare(record.fileDateUnix, new Date(day[0], day[1] - 1, day[2]).getTime())
        compare(record.dealStatus, "done")
        compare(record.status, -1)
        compare(record.images.length, 2)
        compare(record.attrs, {
            name_family: owner, mobile: "09151112233", price: "2000", price_meter: "400", home: "5",
            district: "سجاد", north_p: true, private_parking: true, parking_lot: "2", fileDetail: "نورگیر، نوساز"
        })
    }

    function test_b_landRequestKeepsNothingOfTheApartmentFormItBeganAs() {
        var page = driver.openAdd(-2)
        compare(optionNames(page), ["request_sell", "request_rent", "request_cooperate", "request_presell"])
        driver.chooseOption(page, "request_sell")
        driver.chooseOption(page, "apartemant")
        driver.continueStep(page)
        driver.waitToast("ورود نام و شماره همراه متقاضی ضروری است")
        driver.closeToast()

        var applicant = "کامران یزدی " + Date.now()
        driver.fill(page, { name_family: applicant, mobile: "09157778899", room: "3", build_year: "10" })
        // Applicants continue without an address, and without a warning.
        driver.continueStep(page)
        compare(page.step, "detail")
        compare(driver.toast.visible, false)
        driver.chooseOption(page, "north_p")
        driver.chooseOption(page, "duplex")

        // Another property type: the values common to both forms come along.
        driver.openStep(page, 1)
        compare(page.step, "property")
        verify(!driver.marker(page, 2).visible)
        driver.chooseOption(page, "ground")
        compare(driver.markerText(page, 1), "زمین")
        compare(driver.input(page, "name_family").text, applicant)
        compare(findChild(page, "input_room"), null)
        driver.fill(page, { price: "5000000000", area: "200" })
        compare(findChild(page, "input_price_meter"), null)
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        driver.chooseOption(page, "residential")
        driver.continueStep(page)

        // No map and no pictures for a request.
        verify(!driver.find(page, "mapButton").visible)
        verify(!driver.find(page, "imagesButton").visible)
        driver.chooseZone(page, "سجاد")
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        driver.waitToast("فایل مورد نظر با موفقیت ثبت شد")

        var stored = driver.filesNamed(token, applicant)
        compare(stored.length, 1)
        compare(stored[0].dealType, 5)
        compare(stored[0].propertyType, 53)
        compare(stored[0].latitude, undefined)
        compare(stored[0].attrs, { name_family: applicant, mobile: "09157778899", price: "5000000000", area: "200",
                                   residential: true })
    }
}
