import QtQuick 2.15
import QtTest 1.15

// The position picker as the file form opens it, against the stand-in service's map: the start
// view, the address of the centre, picking by click, zooming by double click, cancelling, place
// search, and following a device position replayed from an NMEA log.
TestCase {
    id: testCase

    property var page: null

    name: "MapPicker"
    when: windowShown

    MainPageDriver {
        id: driver

        test: testCase
    }

    SignalSpy {
        id: closed

        signalName: "mapClosed"
    }

    function initTestCase() {
        driver.startAsManager("09151234567")
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function init() {
        page = driver.mainStack.push(Qt.resolvedUrl("qrc:/src/pages/Map.qml"))
        tryCompare(driver.mainStack, "busy", false)
        closed.target = page
        closed.clear()
        tryVerify(function () { return page.map !== null }, 5000)
    }

    function cleanup() {
        if (driver.mainStack.depth > 1)
            driver.mainStack.pop()
        else
            driver.mainStack.clear()
        tryCompare(driver.mainStack, "busy", false)
    }

    // The stand-in service's map answer, asked for directly.
    function mapService(path) {
        var answer = { done: false }
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState === XMLHttpRequest.DONE) {
                answer.reply = JSON.parse(request.responseText)
                answer.done = true
            }
        }
        request.open("GET", testService.origin + path)
        request.send()
        tryVerify(function () { return answer.done }, 10000)
        return answer.reply
    }

    function expectCentre(latitude, longitude) {
        tryVerify(function () {
            return Math.abs(page.map.center.latitude - latitude) < 1e-6
                    && Math.abs(page.map.center.longitude - longitude) < 1e-6
        }, 10000, "centre " + page.map.center + ", expected " + latitude + ", " + longitude)
    }

    function test_clickPicksOnlyAfterTheDoubleClickIntervalAndDoubleClickZooms() {
        var map = page.map
        compare(map.zoomLevel, 14)
        compare(map.maximumZoomLevel, 17)
        expectCentre(36.29864726275437, 59.606661774145834)
        compare(map.activeMapType.name, "Custom URL Map")

        // The address line names the centre as the service's reverse geocoding does.
        var place = mapService("/map/geocoding/reverse?format=json&lat=" + map.center.latitude.toPrecision(6)
                               + "&lon=" + map.center.longitude.toPrecision(6) + "&zoom=18&addressdetails=1")
        tryCompare(page, "addressText", place.address.suburb + " - " + place.address.road, 10000)

        var point = Qt.point(Math.round(map.width / 3), Math.round(map.height / 2))
        var expected = map.toCoordinate(point)
        var started = Date.now()
        mouseClick(map, point.x, point.y)
        compare(closed.count, 0)
        tryCompare(closed, "count", 1)
        verify(Date.now() - started >= Qt.styleHints.mouseDoubleClickInterval - 20)
        var picked = closed.signalArguments[0][0]
        fuzzyCompare(picked.latitude, expected.latitude, 1e-9)
        fuzzyCompare(picked.longitude, expected.longitude, 1e-9)

        // A double click zooms in and picks nothing.
        mouseDoubleClickSequence(map, point.x, point.y)
        tryCompare(map, "zoomLevel", 15)
        wait(Qt.styleHints.mouseDoubleClickInterval + 100)
        compare(closed.count, 1)

        mouseClick(findChild(page, "cancelButton"))
        compare(closed.count, 2)
        compare(closed.signalArguments[1][0], null)
    }

    function test_placeSearchListsTheServicePlacesAndCentresOnTheChosenOne() {
        compare(page.searchInput.input.activeFocus, true)
        page.searchInput.input.text = "بیم"
        compare(page.searchStarted, false)
        page.searchInput.input.text = "بیمارستان"
        compare(page.searchStarted, true)
        var list = page.placeList
        tryCompare(list, "opened", true, 10000)
        compare(page.searchStarted, false)

        var expected = mapService("/map/places?format=jsonv2&q=" + encodeURIComponent("بیمارستان")
                                  + "&addressdetails=1&limit=50")
        verify(expected.length > 1)
        var shown = []
        for (var i = 0; i < list.items.count; ++i)
            shown.push(list.items.get(i).title)
        compare(shown.sort(), expected.map(function (item) { return item.address[item.type] }).sort())
        var chosen = list.items.get(1)
        var source = expected.filter(function (item) { return item.address[item.type] === chosen.title })[0]
        compare(chosen.address, [source.address.state, source.address.city, source.address.suburb].join(" - "))

        var row = list.listItem.itemAtIndex(1)
        waitForRendering(row)
        mouseClick(row)
        driver.waitClosed(list)
        expectCentre(Number(source.lat), Number(source.lon))
        compare(closed.count, 0)
    }

    function test_positionFollowsTheDevice() {
        page.positionSource.nmeaSource = Qt.resolvedUrl("data/track.nmea")
        // The log's first and last fixes, one second apart each.
        expectCentre(36.31, 59.55)
        expectCentre(36.35, 59.59)
        compare(closed.count, 0)
    }
}
