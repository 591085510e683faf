import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/dialogs"

// The export when the service fails or answers out of order: a failed page is asked for again a
// few times with growing pauses, then the user is told and what has arrived is saved; pages are
// written in order whatever order they arrive in. Replies come from a server in the test process,
// which can refuse, answer garbage, hold a page back or change its answer between pages.
Item {
    id: appWindow

    property bool rightToLeft: true
    property bool isLogin: true
    property bool showLog: false
    property string apiToken: "token-of-the-test"
    property var userData: ({ systemRole: "officeMan" })
    property var appData: ({})
    readonly property Item overlay: Overlay.overlay

    function saveUserData() {}

    width: 800
    height: 600

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: bebas; source: "qrc:/rss/fonts/BebasNeue-Regular.otf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    AppUtility { id: appUtility }
    Toast { id: toast }
    Loading { id: dialogLoading }
    Item { id: appStack }

    ExcelDialog {
        id: excelDialog

        retryDelays: [150, 300, 600]
        pageTimeout: 1500
    }

    E2eDriver {
        id: driver

        test: testCase
    }

    TestCase {
        id: testCase

        name: "ExportRetries"
        when: windowShown

        readonly property string route: "/api/v2/officeMan/propertyFiles/searchMyPropertyFiles"
        readonly property string refusal: JSON.stringify({ ok: false, messages: ["سرور موقتا در دسترس نیست"],
                                                           message: "سرور موقتا در دسترس نیست", error: "E_BUSY" })

        function initTestCase() {
            verify(testServer.start())
            testSupport.redirectService(testServer.origin)
        }

        function init() {
            testServer.clearRoutes()
            testServer.clearRequests()
        }

        function cleanup() {
            if (excelDialog.visible) {
                excelDialog.dismiss()
                tryCompare(excelDialog, "visible", false)
            }
            if (toast.visible) {
                toast.dismiss()
                tryCompare(toast, "visible", false)
            }
        }

        function pageOf(files, total) {
            return JSON.stringify({ ok: true, result: { propertyFiles: { total: total, data: files }, bookmarks: [] } })
        }

        function listing(name, room) {
            return { _id: name, dealType: 1, propertyType: 50, attrs: { name_family: name, room: room, asansor: true },
                     fileDateUnix: 1700000000000 }
        }

        function pagesAsked() {
            var seen = testServer.requests(route)
            var pages = []
            for (var i = 0; i < seen.length; ++i)
                pages.push(JSON.parse(seen[i].body).page)
            return pages
        }

        function toastText() {
            var found = []
            var collect = function (item) {
                if (typeof item.text === "string" && item.text.length > 0)
                    found.push(item.text)
                for (var i = 0; i < item.children.length; ++i)
                    collect(item.children[i])
            }
            collect(toast.contentLayout)
            // The message comes first, then the close button's glyph.
            return found.length > 0 ? found[0] : ""
        }

        function test_theRequestIsTheExportQuery() {
            testServer.addRoute(route, 200, "application/json", pageOf([], 0))
            excelDialog.filePath = testHomePath + "/empty.xlsx"
            excelDialog.initial()
            tryCompare(excelDialog, "isDone", true, 10000)
            var seen = testServer.requests(route)
            compare(seen.length, 1)
            compare(seen[0].method, "POST")
            compare(JSON.parse(seen[0].body), { page: 1, count: 100, condition: true, searchOperator: "and",
                                                sortBy: "fileDateUnix", sortDirection: -1, systemFile: false })
            compare(seen[0].headers["authorization"], "Bearer token-of-the-test")
            verify(testSupport.fileExists(testHomePath + "/empty.xlsx"))
        }

        function test_aServiceThatKeepsRefusingIsGivenUpOn() {
            testServer.addRoute(route, 200, "application/json", refusal)
            excelDialog.filePath = testHomePath + "/never.xlsx"
            excelDialog.initial()
            // The first attempt and one per pause, then no more.
            tryCompare(toast, "opened", true, 10000)
            tryVerify(function () { return toastText() === excelDialog.serviceFailedText }, 10000, toastText())
            compare(pagesAsked(), [1, 1, 1, 1])
            wait(1000)
            compare(pagesAsked().length, 4)
            verify(!excelDialog.isDone)
            verify(!testSupport.fileExists(testHomePath + "/never.xlsx"))
            compare(findChild(excelDialog, "actionButton").text, "انصراف")
        }

        function test_unreadableRepliesCountAsFailures() {
            testServer.addRoute(route, 502, "text/html", "<html><body>Bad gateway</body></html>")
            excelDialog.filePath = testHomePath + "/garbage.xlsx"
            excelDialog.initial()
            tryVerify(function () { return pagesAsked().length === 4 }, 20000)
            tryVerify(function () { return toastText() === excelDialog.serviceFailedText }, 10000, toastText())
            wait(2000)
            compare(pagesAsked().length, 4)
            verify(!excelDialog.isDone)
        }

        function test_aPageThatRecoversContinuesTheExport() {
            testServer.addRoute(route, 200, "application/json", refusal)
            excelDialog.filePath = testHomePath + "/recovered.xlsx"
            excelDialog.initial()
            tryVerify(function () { return pagesAsked().length >= 1 }, 5000)
            testServer.addRoute(route, 200, "application/json", pageOf([], 0))
            tryCompare(excelDialog, "isDone", true, 10000)
            verify(!excelDialog.incomplete)
            compare(pagesAsked(), [1, 1])
        }

        function test_whatArrivedIsKeptWhenTheServiceGivesOut() {
            var path = testHomePath + "/partial.xlsx"
            // The first page is held back long enough to switch the answer for the pages after it.
            testServer.addRoute(route, 200, "application/json",
                                pageOf([listing("رضا", "3"), listing("مریم", "2")], 250), 800)
            excelDialog.filePath = path
            excelDialog.initial()
            tryVerify(function () { return pagesAsked().length === 1 }, 5000)
            testServer.addRoute(route, 200, "application/json", refusal)
            tryCompare(excelDialog, "isDone", true, 15000)
            verify(excelDialog.incomplete)
            // The total promises three pages: 2 and 3 are on their way together, and each
            // attempt asks for both again.
            compare(pagesAsked().sort(), [1, 2, 2, 2, 2, 3, 3, 3, 3])
            compare(findChild(excelDialog, "indicator").text, "2 / 250")
            verify(toastText().indexOf(excelDialog.serviceFailedText) === 0, toastText())
            verify(toastText().indexOf("2 فایل") > 0, toastText())

            var sheets = driver.readWorkbook(path)
            compare(sheets.length, 1)
            compare(sheets[0].name, "فروش - آپارتمان")
            compare(sheets[0].rows[1][1], "نام مالک")
            compare(sheets[0].rows[2][1], "رضا")
            compare(sheets[0].rows[3][1], "مریم")
            compare(sheets[0].rows[4], undefined)
        }

        function test_cancelDropsTheUnfinishedWorkbook() {
            var path = testHomePath + "/cancelled.xlsx"
            testServer.addRoute(route, 200, "application/json", pageOf([listing("رضا", "3")], 300), 800)
            excelDialog.filePath = path
            excelDialog.initial()
            tryVerify(function () { return pagesAsked().length === 1 }, 5000)
            // Pages 2 and 3 are on their way (held back by the server) when the user cancels.
            testServer.addRoute(route, 200, "application/json", pageOf([], 300), 1500)
            tryCompare(findChild(excelDialog, "progressBar"), "value", 1, 5000)
            tryVerify(function () { return pagesAsked().length === 3 }, 5000)
            var button = findChild(excelDialog, "actionButton")
            compare(button.text, "انصراف")
            mouseClick(button)
            tryCompare(excelDialog, "visible", false)
            // The late reply (an empty page, which would end the export) writes nothing.
            wait(1500)
            verify(!excelDialog.isDone)
            verify(!testSupport.fileExists(path))
            compare(pagesAsked().length, 3)
        }

        function test_pagesAreWrittenInOrderWhateverOrderTheyArriveIn() {
            var path = testHomePath + "/ordered.xlsx"
            var names = ["آرش", "بهار", "پرستو", "تینا", "ثمین", "جواد"]
            // The total promises three pages, so 2 and 3 are asked for together. Page 2 is held
            // back until page 3 and the empty page 4 after it have long arrived.
            testServer.addRouteForBody(route, "\"page\":1,", 200, "application/json",
                                       pageOf([listing(names[0], "1"), listing(names[1], "2")], 250))
            testServer.addRouteForBody(route, "\"page\":2,", 200, "application/json",
                                       pageOf([listing(names[2], "3"), listing(names[3], "4")], 250), 900)
            testServer.addRouteForBody(route, "\"page\":3,", 200, "application/json",
                                       pageOf([listing(names[4], "5"), listing(names[5], "6")], 250))
            testServer.addRoute(route, 200, "application/json", pageOf([], 250))
            excelDialog.filePath = path
            excelDialog.initial()
            tryCompare(excelDialog, "isDone", true, 10000)
            verify(!excelDialog.incomplete)
            compare(excelDialog.filesWritten, 6)
            compare(findChild(excelDialog, "indicator").text, "6 / 250")
            compare(pagesAsked().sort(), [1, 2, 3, 4])

            var sheets = driver.readWorkbook(path)
            compare(sheets.length, 1)
            for (var i = 0; i < names.length; ++i)
                compare(sheets[0].rows[i + 2][1], names[i])
            compare(sheets[0].rows[names.length + 2], undefined)
        }
    }
}
