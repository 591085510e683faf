import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/scripts/DateUtility.js" as DateUtility

// The detail page of the agency's own files against the stand-in service: what the schema and the
// record give, the share text, the print, the picture viewer and the edit button.
TestCase {
    id: testCase

    property var token: null
    property var saleFile: null
    property var applicantFile: null
    readonly property string detailUrl: "qrc:/src/pages/FileDetail.qml"
    readonly property var contactKeys: ["address", "name_family", "mobile", "phone", "mobile1", "mobile2"]
    // The inputs of a sale apartment's first section in the form's order, with their titles.
    readonly property var saleInputs: [["name_family", "نام مالک"], ["mobile", "شماره همراه"],
        ["mobile1", "شماره همراه 2"], ["phone", "تلفن ثابت"], ["district", "نام محله یا خیابان اصلی"],
        ["address", "آدرس دقیق"], ["price", "قیمت کل"], ["price_meter", "قیمت هر متر"], ["area", "متراژ زمین"],
        ["home", "متراژ بنا"], ["room", "تعداد اتاق"], ["floor", "طبقه"], ["all_floor", "کل طبقات ساختمان"],
        ["unit", "تعداد واحد در طبقه"], ["all_unit", "تعداد کل واحدها"], ["build_year", "عمر بنا"],
        ["sahm", "سهم عرصه"], ["mobile2", "تلفن ثابت 2"], ["name_guard", "نام نگهبانی"],
        ["phone_guard", "تلفن نگهبانی"]]
    // A purchase applicant's, titled as applicants are.
    readonly property var applicantInputs: [["name_family", "نام متقاضی"], ["mobile", "شماره همراه"],
        ["phone", "تلفن ثابت"], ["district", "مناطق درخواستی"], ["price", "سقف مبلغ خرید"],
        ["home", "حداقل متراژ بنا"], ["room", "تعداد اتاق"], ["build_year", "حداکثر عمر بنا"]]
    readonly property var moneyKeys: ["price", "price_meter"]

    name: "FileDetail"
    when: windowShown

    FileDetailDriver {
        id: driver

        test: testCase
    }

    AppUtility { id: utility }

    Image {
        id: printedImage

        visible: false
        cache: false
    }

    function initTestCase() {
        testSupport.captureOpenedUrls()
        driver.startAsManager("09151234567")
        token = driver.token.token
        saleFile = driver.files(token, { page: 1, count: 100, condition: true, dealType: 1, propertyType: 50 })
            .filter(function (file) {
                return file.images.length >= 3 && file.attrs.price && file.attrs.mobile && file.attrs.fileDetail
            })[0]
        applicantFile = driver.files(token, { page: 1, count: 100, condition: true, dealType: 5, propertyType: 50 })
            .filter(function (file) { return file.attrs.price && file.attrs.name_family })[0]
        verify(saleFile && applicantFile, "the demo office has the files")
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function cleanup() {
        driver.closeDetails()
        if (driver.toast.visible)
            driver.closeToast()
    }

    function expectedGeneral(record, inputs, withUnit, sharing) {
        var rows = []
        for (var i = 0; i < inputs.length; ++i) {
            var value = record.attrs[inputs[i][0]]
            if (value === undefined || value === "" || (sharing && contactKeys.indexOf(inputs[i][0]) >= 0))
                continue
            if (moneyKeys.indexOf(inputs[i][0]) >= 0)
                value = driver.grouped(value) + (withUnit ? " تومان" : "")
            rows.push([inputs[i][1], String(value)])
        }
        return rows
    }

    function dateOf(record) {
        return DateUtility.dateString(new Date(record.fileDateUnix), true)
    }

    // The share text's lines from the section lines on, each option line with its options sorted,
    // in sorted order (the page's own order is checked on the page).
    function shareSections(text, record) {
        var lines = text.split("\n")
        var start = lines.indexOf("#" + (record.dealType === 1 ? "فروش_آپارتمان" : "متقاضی_خرید_آپارتمان")) + 1
        var end = lines.indexOf("")
        return lines.slice(start, end).map(function (line) {
            var parts = line.split(" : ")
            return parts.length === 2 && parts[1].indexOf(" | ") >= 0
                    ? parts[0] + " : " + parts[1].split(" | ").sort().join(" | ") : line
        }).sort()
    }

    function expectedShareSections(record, inputs) {
        var lines = expectedGeneral(record, inputs, true, true).map(function (row) { return row[0] + " : " + row[1] })
        var toggles = driver.expectedToggles(record)
        for (var title in toggles)
            lines.push(title + " : " + toggles[title].join(" | "))
        if (record.attrs.fileDetail)
            lines.push("توضیحات : " + record.attrs.fileDetail)
        return lines.sort()
    }

    function test_quickSearchOpensThePropertyFileWithItsSectionsMapAndShareText() {
        var dialog = driver.part("quickSearchDialog")
        driver.openDialog(dialog)
        driver.typeInto(dialog.trackingId, String(saleFile.trackingId))
        keyClick(Qt.Key_Return)
        driver.waitClosed(dialog)
        tryVerify(function () { return driver.pageName(driver.mainStack.currentItem) === "FileDetail" }, 10000)
        var page = driver.loaded(driver.mainStack.currentItem)
        compare(page.fileId, saleFile._id)

        compare(findChild(page, "dealText").text, "فروش - آپارتمان - شناسه سیستمی : " + saleFile.trackingId)
        compare(findChild(page, "dateText").text, "تاریخ ثبت فایل : " + dateOf(saleFile))
        compare(driver.generalRows(page), expectedGeneral(saleFile, saleInputs, false, false))
        var toggles = driver.toggleLines(page)
        compare(toggles, driver.expectedToggles(saleFile))
        verify(Object.keys(toggles).length >= 3, JSON.stringify(toggles))
        compare(findChild(page, "descriptionText").text, "توضیحات فایل :\n" + saleFile.attrs.fileDetail)

        // The map is centred on the file, its marker on the same place.
        var mapLoader = findChild(page, "mapLoader")
        verify(mapLoader.visible)
        tryVerify(function () { return mapLoader.item !== null }, 5000)
        compare(mapLoader.item.zoomLevel, 16)
        fuzzyCompare(mapLoader.item.center.latitude, saleFile.latitude, 1e-9)
        fuzzyCompare(mapLoader.item.center.longitude, saleFile.longitude, 1e-9)
        compare(mapLoader.item.activeMapType.name, "Custom URL Map")
        var marker = findChild(mapLoader.item, "mapMarker")
        fuzzyCompare(marker.coordinate.latitude, saleFile.latitude, 1e-9)

        var images = findChild(page, "imageModel")
        compare(images.count, saleFile.images.length)
        for (var i = 0; i < images.count; ++i)
            compare(images.get(i).url, driver.window.appData.fileImagesUrl + saleFile.images[i])
        verify(findChild(page, "editButton").visible)

        // Shared: every section but no contact of the owner; the adviser's own contact closes it.
        mouseClick(findChild(page, "shareButton"))
        driver.waitToast("فایل جهت اشتراک گذاری برای شما کپی شد")
        var text = driver.clipboardText()
        var lines = text.split("\n")
        compare(lines.slice(0, 3), ["#شناسه_فایل_" + saleFile.trackingId, "تاریخ : " + dateOf(saleFile), "#فروش_آپارتمان"])
        compare(shareSections(text, saleFile), expectedShareSections(saleFile, saleInputs))
        for (var k = 0; k < contactKeys.length; ++k) {
            var contact = saleFile.attrs[contactKeys[k]]
            if (contact)
                verify(text.indexOf(contact) < 0, contactKeys[k] + " is shared")
        }
        compare(lines.slice(lines.indexOf("") + 1), ["مشاور املاک آفتاب مشهد", "مشاور شما : محمد رضایی", "09151234567", "",
                                                     "سامانه Norvela ", "جامع ترین سامانه ملکی شرق کشور",
                                                     serviceConfig.siteUrl])

        // Editing opens the edit page with the record.
        driver.closeToast()
        mouseClick(findChild(page, "editButton"))
        tryVerify(function () { return driver.mainStack.currentItem.fileItem === page.fileItem })
        driver.mainStack.pop()
        // The stack takes no clicks while it moves.
        tryCompare(driver.mainStack, "busy", false)
        mouseClick(findChild(page, "backButton"))
        tryVerify(function () { return driver.pageName(driver.mainStack.currentItem) !== "FileDetail" })
    }

    function test_printSavesThePageWithoutMapAndPicturesAndOpensIt() {
        var page = driver.loaded(driver.openDetail(saleFile._id, false))
        var printable = page.printable
        var fullHeight = printable.height
        var opened = testSupport.openedUrls.length

        // The extension is added to a name chosen without it; '#', spaces and Persian survive.
        var path = testHomePath + "/چاپ #1 فایل"
        page.saveDialog.dialog.file = utility.localPathToUrl(path)
        page.saveDialog.accepted()
        tryCompare(testSupport.openedUrls, "length", opened + 1, 10000)
        compare(utility.urlToLocalPath(testSupport.openedUrls[opened]), path + ".png")
        verify(testSupport.fileExists(path + ".png"))
        compare(page.printing, false)
        printedImage.source = utility.localPathToUrl(path + ".png")
        tryCompare(printedImage, "status", Image.Ready)
        compare(printedImage.sourceSize.width, Math.round(printable.width))
        // Without the 300 pixels of map and the gallery.
        verify(printedImage.sourceSize.height < fullHeight - 300, printedImage.sourceSize.height + " of " + fullHeight)
        verify(printedImage.sourceSize.height > 300)
        compare(printable.height, fullHeight)

        // A place that cannot be written: a toast, and nothing is opened.
        page.saveDialog.dialog.file = utility.localPathToUrl(testHomePath + "/missing-folder/print.png")
        page.saveDialog.accepted()
        driver.waitToast("ذخیره تصویر پرینت با خطا مواجه شد")
        compare(testSupport.openedUrls.length, opened + 1)
        compare(page.printing, false)
    }

    function test_viewerStepsThroughThePicturesAndSavesOne() {
        var page = driver.loaded(driver.openDetail(saleFile._id, false))
        var flickable = findChild(page, "detailFlickable")
        flickable.contentY = flickable.contentHeight - flickable.height
        var gallery = findChild(page, "gallery")
        waitForRendering(gallery)
        var viewer = findChild(page, "biggerImageLt")
        mouseClick(gallery.itemAtIndex(1))
        tryCompare(viewer, "grown", true)
        compare(page.imageIndex, 1)
        var next = findChild(viewer, "nextImage")
        var previous = findChild(viewer, "previousImage")
        var last = saleFile.images.length - 1
        while (page.imageIndex < last)
            mouseClick(next)
        verify(!next.visible && previous.visible)
        compare(String(findChild(viewer, "biggerImage").source), driver.window.appData.fileImagesUrl + saleFile.images[last])
        while (page.imageIndex > 0)
            mouseClick(previous)
        verify(next.visible && !previous.visible)

        // The picture shown is saved into the media folder.
        mouseClick(findChild(viewer, "saveImage"))
        var dialog = page.dlDialog
        tryCompare(dialog, "opened", true)
        tryVerify(function () { return findChild(dialog, "openButton").visible }, 10000)
        compare(dialog.downloadUrl, driver.window.appData.fileImagesUrl + saleFile.images[0])
        verify(testSupport.fileExists(findChild(dialog, "downloader").getDownloadPath()))
        dialog.dismiss()
        driver.waitClosed(dialog)

        mouseClick(findChild(viewer, "closeImage"))
        tryCompare(viewer, "visible", false)
    }

    function test_applicantFileUsesApplicantTitlesAndHasNoMap() {
        var page = driver.loaded(driver.openDetail(applicantFile._id, false))
        compare(findChild(page, "dealText").text, "متقاضی خرید - آپارتمان - شناسه سیستمی : " + applicantFile.trackingId)
        compare(driver.generalRows(page), expectedGeneral(applicantFile, applicantInputs, false, false))
        compare(driver.toggleLines(page), driver.expectedToggles(applicantFile))
        verify(!findChild(page, "mapLoader").visible)
        compare(findChild(page, "mapLoader").item, null)

        mouseClick(findChild(page, "shareButton"))
        driver.waitToast("فایل جهت اشتراک گذاری برای شما کپی شد")
        var text = driver.clipboardText()
        // A deal type of two words makes two parts of the hashtag.
        compare(text.split("\n")[2], "#متقاضی_خرید_آپارتمان")
        compare(shareSections(text, applicantFile), expectedShareSections(applicantFile, applicantInputs))
    }
}
