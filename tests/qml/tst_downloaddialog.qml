import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/dialogs"

// Saving a listing's picture through the download dialog, against a server in the test process:
// the size and speed texts, the progress bar, failures, and opening what was saved.
Item {
    id: appWindow

    property bool rightToLeft: true
    property var appData: ({})
    readonly property Item overlay: Overlay.overlay

    width: 800
    height: 600

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: bebas; source: "qrc:/rss/fonts/BebasNeue-Regular.otf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    AppUtility { id: appUtility }
    Toast { id: toast }

    DownloadDialog { id: dialog }

    TestCase {
        id: testCase

        name: "DownloadDialog"
        when: windowShown

        readonly property string errorText: "دریافت اطلاعات با خطا مواجه شد"

        function initTestCase() {
            verify(testServer.start())
            testSupport.captureOpenedUrls()
        }

        function cleanup() {
            if (dialog.visible) {
                dialog.dismiss()
                tryCompare(dialog, "visible", false)
            }
        }

        function part(name) {
            return findChild(dialog, name)
        }

        function bytes(count) {
            var text = ""
            for (var i = 0; i < count; ++i)
                text += String.fromCharCode(65 + i % 26)
            return text
        }

        function download(path) {
            dialog.downloadUrl = testServer.origin + path
            dialog.initial(false)
            tryCompare(dialog, "opened", true)
        }

        function test_sizeTexts_data() {
            return [
                { tag: "below a kibibyte", value: 1023, text: "1023" },
                { tag: "zero", value: 0, text: "0" },
                { tag: "exactly a kibibyte", value: 1024, text: "1 Kb" },
                { tag: "one and a half", value: 1536, text: "1.5 Kb" },
                { tag: "cut, not rounded", value: 1024 * 1.99, text: "1.9 Kb" },
                { tag: "just below a mebibyte", value: 1024 * 1024 - 1, text: "1023.9 Kb" },
                { tag: "exactly a mebibyte", value: 1024 * 1024, text: "1 Mb" },
                { tag: "megabytes", value: 5.25 * 1024 * 1024, text: "5.2 Mb" },
                { tag: "exactly a gibibyte", value: 1024 * 1024 * 1024, text: "1 Gb" },
                { tag: "past the largest unit", value: 3000 * 1024 * 1024 * 1024, text: "3000 Gb" }
            ]
        }

        function test_sizeTexts(data) {
            compare(dialog.setTexts(data.value), data.text)
        }

        function test_successfulDownloadShowsSizesAndOpensTheFile() {
            testServer.addRoute("/media/a/b/photo.jpg", 200, "image/jpeg", bytes(1536))
            download("/media/a/b/photo.jpg?size=large")
            tryCompare(dialog, "finished", true)
            // The report of error 0 that follows every completed download changes nothing.
            wait(50)
            compare(part("sizeText").text, "1.5 Kb / 1.5 Kb")
            verify(Qt.colorEqual(part("sizeText").color, "#000000"))
            compare(part("sizeText").font.family, bebas.name)
            verify(part("speedText").visible)
            var bar = part("progressBar")
            compare(bar.to, 1536)
            compare(bar.value, 1536)
            // The window reads right to left: the bar fills from the right.
            verify(bar.mirrored)
            verify(part("openButton").visible)

            var path = testHomePath + "/Pictures/norvela/photo.jpg"
            verify(testSupport.fileExists(path))
            compare(testSupport.readTextFile(path), bytes(1536))
            var before = testSupport.openedUrls.length
            mouseClick(part("openButton"))
            tryCompare(testSupport.openedUrls, "length", before + 1)
            compare(testSupport.openedUrls[before], "file://" + path)
            tryCompare(dialog, "visible", false)
        }

        function test_namesWithSpacesAndPersianLettersOpenAsProperFileUrls() {
            var before = testSupport.openedUrls.length
            // The server matches the decoded path.
            testServer.addRoute("/media/عکس خانه.jpg", 200, "image/jpeg", bytes(10))
            download("/media/%D8%B9%DA%A9%D8%B3%20%D8%AE%D8%A7%D9%86%D9%87.jpg")
            tryCompare(dialog, "finished", true)
            compare(part("sizeText").text, "10 / 10")
            var path = testHomePath + "/Pictures/norvela/عکس خانه.jpg"
            verify(testSupport.fileExists(path))
            mouseClick(part("openButton"))
            tryCompare(testSupport.openedUrls, "length", before + 1)
            var opened = testSupport.openedUrls[before]
            verify(opened.indexOf("file:///") === 0, opened)
            compare(appUtility.urlToLocalPath(opened), path)
        }

        function test_speedReportsAreShownPerSecond() {
            testServer.addRoute("/media/speed.jpg", 200, "image/jpeg", bytes(100), 300)
            download("/media/speed.jpg")
            var downloader = part("downloader")
            downloader.speed(2)
            compare(part("speedText").text, "2 Kb/s")
            downloader.speed(1536)
            compare(part("speedText").text, "1.5 Mb/s")
            downloader.speed(0)
            compare(part("speedText").text, "0/s")
            tryCompare(dialog, "finished", true)
        }

        function test_missingFileShowsTheErrorAndStillOffersTheButton() {
            testServer.addRoute("/media/gone.jpg", 404, "text/html", "<html>not here</html>")
            download("/media/gone.jpg")
            tryCompare(part("sizeText"), "text", errorText)
            compare(part("sizeText").font.family, iranSans.name)
            verify(Qt.colorEqual(part("sizeText").color, "#ff6c70"))
            verify(!part("speedText").visible)
            verify(part("openButton").visible)
            verify(!dialog.finished)
            // The partial file is gone; nothing named after the failed download is left behind.
            verify(!testSupport.fileExists(testHomePath + "/Pictures/norvela/gone.jpg"))
        }

        function test_aReplyCutOffMidwayFails() {
            testServer.addDroppedRoute("/media/cut.jpg")
            download("/media/cut.jpg")
            tryCompare(part("sizeText"), "text", errorText)
            verify(part("openButton").visible)
            verify(!dialog.finished)
            verify(!testSupport.fileExists(testHomePath + "/Pictures/norvela/cut.jpg"))
        }

        function test_unreachableServerFails() {
            dialog.downloadUrl = testServer.closedOrigin() + "/media/far.jpg"
            dialog.initial(false)
            tryCompare(part("sizeText"), "text", errorText)
            verify(part("openButton").visible)
            verify(!dialog.finished)
        }

        function test_aNewDownloadStartsClean() {
            testServer.addRoute("/media/gone2.jpg", 404, "text/html", "missing")
            download("/media/gone2.jpg")
            tryCompare(part("sizeText"), "text", errorText)
            dialog.dismiss()
            tryCompare(dialog, "visible", false)

            testServer.addRoute("/media/again.jpg", 200, "image/jpeg", bytes(2048), 200)
            download("/media/again.jpg")
            // Until the first bytes arrive, neither the old error nor the old button remain.
            verify(!part("openButton").visible)
            verify(part("speedText").visible)
            verify(part("sizeText").text !== errorText)
            compare(part("sizeText").font.family, bebas.name)
            verify(Qt.colorEqual(part("sizeText").color, "#000000"))
            tryCompare(dialog, "finished", true)
            compare(part("sizeText").text, "2 Kb / 2 Kb")
        }
    }
}
