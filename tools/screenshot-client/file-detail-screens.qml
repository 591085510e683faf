import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0
import "../../tests/e2e"

// Saves pictures of the file detail page (a property file, an applicant file, a cooperation file,
// the picture viewer, the print) and of the map picker, signed in as the demo manager. Run by
// run.sh under Xvfb with a stand-in service of its own.
TestCase {
    id: shooter

    name: "FileDetailScreens"
    when: windowShown

    FileDetailDriver {
        id: driver

        test: shooter
    }

    AppUtility { id: utility }

    function shoot(file) {
        waitForRendering(driver.window.contentItem, 3000)
        // Tiles and pictures arrive over the network.
        wait(1500)
        grabImage(driver.window.contentItem).save(file)
        console.log("saved " + file)
    }

    function test_shootTheDetailPages() {
        driver.startAsManager("09151234567")
        var sale = driver.files(signIn.token, { page: 1, count: 100, condition: true, dealType: 1, propertyType: 50 })
            .filter(function (file) { return file.images.length >= 3 })[0]
        var applicant = driver.files(signIn.token, { page: 1, count: 5, condition: true, dealType: 5, propertyType: 50 })[0]
        var shared = driver.files(signIn.token, { page: 1, count: 100, condition: true, sharedOnly: true })
            .filter(function (file) { return file.office && file.office.mobileArray })[0]

        var page = driver.loaded(driver.openDetail(sale._id, false))
        shoot("detail-property.png")
        var flickable = findChild(page, "detailFlickable")
        flickable.contentY = flickable.contentHeight - flickable.height
        shoot("detail-property-end.png")
        mouseClick(findChild(page, "gallery").itemAtIndex(1))
        tryCompare(findChild(page, "biggerImageLt"), "grown", true)
        shoot("detail-viewer.png")
        page.closeImage()
        // The print, shown over the window as the viewer would open it.
        var printPath = testHomePath + "/print.png"
        testSupport.captureOpenedUrls()
        page.saveDialog.dialog.file = utility.localPathToUrl(printPath)
        page.saveDialog.accepted()
        tryCompare(testSupport.openedUrls, "length", 1, 10000)
        var shown = Qt.createQmlObject("import QtQuick 2.15; Rectangle { anchors.fill: parent; z: 100; color: \"gray\";"
                                       + " Image { anchors.fill: parent; anchors.margins: 10; fillMode: Image.PreserveAspectFit;"
                                       + " source: \"" + utility.localPathToUrl(printPath) + "\" } }",
                                       driver.window.contentItem)
        shoot("detail-print.png")
        shown.destroy()
        driver.closeDetails()

        driver.loaded(driver.openDetail(applicant._id, false))
        shoot("detail-applicant.png")
        driver.closeDetails()
        driver.loaded(driver.openDetail(shared._id, true))
        shoot("detail-cooperation.png")
        driver.closeDetails()

        var picker = driver.mainStack.push(Qt.resolvedUrl("qrc:/src/pages/Map.qml"))
        tryVerify(function () { return picker.map !== null && picker.addressText !== "" }, 10000)
        shoot("map-picker.png")
        picker.searchInput.input.text = "بیمارستان"
        tryCompare(picker.placeList, "opened", true, 10000)
        shoot("map-picker-search.png")
        driver.window.destroy()
    }
}
