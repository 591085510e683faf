import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// The runner gives each test process the program's native types, its resource tree and a
// storage folder of its own.
TestCase {
    id: testCase

    name: "Harness"

    function test_nativeTypesAreRegistered() {
        var settings = createTemporaryQmlObject("import AppSettings 1.0; Settings {}", testCase)
        verify(settings !== null)
        var utility = createTemporaryQmlObject("import AppUtility 1.0; AppUtility {}", testCase)
        compare(utility.compressImage("/a/b.jpg"), "/a/b.jpg")
    }

    function test_storageIsPrivateToTheProcess() {
        verify(testHomePath.length > 0)
        compare(offlineStoragePath, testHomePath + "/offline")
        var utility = createTemporaryQmlObject("import AppUtility 1.0; AppUtility {}", testCase)
        verify(utility.getTempDirectory().indexOf(testHomePath) === 0)
    }

    function test_resourceTreeIsServed() {
        var loader = createTemporaryQmlObject("import QtQuick 2.15; FontLoader { source: 'qrc:/rss/fonts/Vazirmatn-Regular.ttf' }", testCase)
        tryCompare(loader, "status", FontLoader.Ready)
        compare(loader.name, "Vazirmatn")
    }

    function send(method, url, body) {
        var reply = { done: false }
        var xhr = new XMLHttpRequest()
        xhr.onreadystatechange = function() {
            if (xhr.readyState === XMLHttpRequest.DONE) {
                reply.status = xhr.status
                reply.text = xhr.responseText
                reply.done = true
            }
        }
        xhr.open(method, url)
        xhr.setRequestHeader("Content-Type", "application/json")
        xhr.send(body)
        tryVerify(function() { return reply.done }, 10000)
        return reply
    }

    function test_inProcessServerAnswersAndRecords() {
        verify(testServer.start())
        verify(testServer.origin.indexOf("https://127.0.0.1:") === 0)
        testServer.addRoute("/api/v1/broken", 502, "text/html", "<html><body>Bad gateway</body></html>")
        var reply = send("POST", testServer.origin + "/api/v1/broken", "{\"a\":1}")
        compare(reply.status, 502)
        compare(reply.text, "<html><body>Bad gateway</body></html>")
        var seen = testServer.requests("/api/v1/broken")
        compare(seen.length, 1)
        compare(seen[0].method, "POST")
        compare(seen[0].body, "{\"a\":1}")
        verify(seen[0].headers["content-type"].indexOf("application/json") === 0)
    }

    function test_droppedRoutesAndClosedOriginsFailTheRequest() {
        verify(testServer.start())
        testServer.addDroppedRoute("/dropped")
        compare(send("GET", testServer.origin + "/dropped", "").status, 0)
        compare(send("GET", testServer.closedOrigin() + "/anything", "").status, 0)
    }

    function test_redirectingTheServicePointsEveryAddressThere() {
        verify(testServer.start())
        var before = serviceConfig.apiBaseUrl
        testSupport.redirectService(testServer.origin)
        compare(serviceConfig.apiBaseUrl, testServer.origin + "/api/")
        compare(serviceConfig.mapTileUrl, testServer.origin + "/map/tiles/")
        verify(before !== serviceConfig.apiBaseUrl)
    }

    function test_openedUrlsAreCapturedNotOpened() {
        testSupport.captureOpenedUrls()
        verify(Qt.openUrlExternally("https://127.0.0.1:1/pay?order=7"))
        compare(testSupport.openedUrls[testSupport.openedUrls.length - 1], "https://127.0.0.1:1/pay?order=7")
    }

    function test_expectedWarningsFailNothing() {
        testSupport.expectWarning("expectedMissingName is not defined")
        var item = createTemporaryQmlObject("import QtQuick 2.15; Item {}", testCase)
        item.width = Qt.binding(function() { return expectedMissingName.width })
        verify(item !== null)
    }
}
