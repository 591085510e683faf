import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/dialogs"
import "qrc:/src/database"

// Exporting all of a manager's listings from the stand-in service to a workbook, and reading the
// workbook back: one sheet per deal/property pair, the form's header, one row per listing.
Item {
    id: appWindow

    property bool rightToLeft: true
    property bool isLogin: true
    property bool showLog: false
    property string apiToken: ""
    property var userData: ({})
    property var appData: ({})
    readonly property Item overlay: Overlay.overlay
    property int saveCount: 0

    function saveUserData() {
        saveCount++
    }

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

    ExcelDialog { id: excelDialog }

    // The schema as the form reads it, for working out the expected columns.
    FieldTable { id: fields }
    CardTable { id: cards }
    RowTable { id: rows }

    E2eDriver {
        id: driver

        test: testCase
    }

    TestCase {
        id: testCase

        name: "Export"
        when: windowShown

        property var listings: []

        function initTestCase() {
            verify(testService.running)
            testSupport.redirectService(testService.origin)
            var token = driver.managerSignIn("09151234567", "export-test")
            var me = driver.me(token.token)
            apiToken = token.token
            userData = { systemRole: me.systemRole, apiToken: token.token, refreshToken: token.refreshToken }
            compare(me.systemRole, "officeMan")

            // What the export must contain, asked for in the same order, in pages of the
            // service's own maximum.
            var all = []
            for (var page = 1; ; ++page) {
                var found = driver.files(apiToken, { page: page, count: 1000, condition: true, searchOperator: "and",
                                                     sortBy: "fileDateUnix", sortDirection: -1, systemFile: false })
                if (found.length === 0)
                    break
                all = all.concat(found)
            }
            verify(all.length > 200, "the demo office has listings: " + all.length)
            listings = all
            testSupport.captureOpenedUrls()
        }

        function cleanup() {
            if (excelDialog.visible) {
                excelDialog.dismiss()
                tryCompare(excelDialog, "visible", false)
            }
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

        // The columns of a pair, straight from the schema: [{kind: "value"|"options", title, names, titles}].
        function expectedColumns(dt, pt) {
            var columns = []
            var cardList = cards.getCards(dt, pt)
            for (var c = 0; c < cardList.length; ++c) {
                var rowList = rows.getRows(cardList[c]._id, dt, pt)
                var names = [], titles = []
                for (var r = 0; r < rowList.length; ++r) {
                    var fieldList = fields.getFields(rowList[r]._id, cardList[c]._id, dt, pt)
                    for (var f = 0; f < fieldList.length; ++f) {
                        names.push(fieldList[f].fieldName)
                        titles.push(fieldList[f].title)
                    }
                }
                if (c === 0) {
                    for (var v = 0; v < names.length; ++v)
                        columns.push({ kind: "value", title: titles[v], name: names[v] })
                } else {
                    columns.push({ kind: "options", title: cardList[c].title, names: names, titles: titles })
                }
            }
            columns.push({ kind: "value", title: "توضیحات", name: "fileDetail" })
            return columns
        }

        function expectedCell(file, column) {
            var attrs = file.attrs || {}
            if (column.kind === "value") {
                var value = attrs.hasOwnProperty(column.name) ? attrs[column.name] : null
                return value === null || value === undefined ? undefined : String(value)
            }
            var chosen = []
            for (var i = 0; i < column.names.length; ++i) {
                if (attrs[column.names[i]] === true)
                    chosen.push(column.titles[i])
            }
            // An empty text is an empty cell in the file.
            return chosen.length > 0 ? chosen.join(" | ") : undefined
        }

        function verifyWorkbook(sheets) {
            var byPair = {}
            var order = []
            for (var i = 0; i < listings.length; ++i) {
                var key = listings[i].dealType + ":" + listings[i].propertyType
                if (!byPair[key]) {
                    byPair[key] = []
                    order.push(key)
                }
                byPair[key].push(listings[i])
            }
            compare(sheets.length, order.length, "one sheet per deal/property pair")
            var emptyOptionCells = 0
            for (var s = 0; s < order.length; ++s) {
                var files = byPair[order[s]]
                var dt = files[0].dealType, pt = files[0].propertyType
                var sheet = sheets[s]
                compare(sheet.name, fields.getById(dt).title + " - " + fields.getById(pt).title)
                var columns = expectedColumns(dt, pt)
                for (var c = 0; c < columns.length; ++c)
                    compare(sheet.rows[1][c + 1], columns[c].title, sheet.name + " header " + (c + 1))
                compare(sheet.rows[1][columns.length + 1], undefined)
                var lastRow = 0
                for (var r in sheet.rows)
                    lastRow = Math.max(lastRow, Number(r))
                compare(lastRow, files.length + 1, sheet.name + ": header and one row per listing")
                for (var f = 0; f < files.length; ++f) {
                    var cells = sheet.rows[f + 2] || {}
                    for (c = 0; c < columns.length; ++c) {
                        compare(cells[c + 1], expectedCell(files[f], columns[c]),
                                sheet.name + " row " + (f + 2) + " column " + (c + 1))
                        if (columns[c].kind === "options" && cells[c + 1] === undefined)
                            ++emptyOptionCells
                    }
                }
            }
            verify(emptyOptionCells > 0, "some option sections have nothing chosen")
        }

        function test_exportAllListings() {
            var path = testHomePath + "/خروجی فایل ها.xlsx"
            // The chooser hands over a URL; names with spaces and Persian letters must survive.
            excelDialog.filePath = appUtility.localPathToUrl(path)
            excelDialog.initial()
            tryCompare(excelDialog, "isDone", true, 120000)
            verify(!excelDialog.saveFailed)
            verify(!excelDialog.incomplete)
            compare(findChild(excelDialog, "indicator").text, listings.length + " / " + listings.length)
            compare(findChild(excelDialog, "progressBar").value, listings.length)
            verify(findChild(excelDialog, "progressBar").mirrored)
            verify(testSupport.fileExists(path))

            var sheets = driver.readWorkbook(path)
            verifyWorkbook(sheets)
            // The sale-apartment form starts with the owner's name; applicants with theirs.
            for (var s = 0; s < sheets.length; ++s) {
                if (sheets[s].name === "فروش - آپارتمان")
                    compare(sheets[s].rows[1][1], "نام مالک")
                if (sheets[s].name === "متقاضی خرید - آپارتمان")
                    compare(sheets[s].rows[1][1], "نام متقاضی")
            }

            var button = findChild(excelDialog, "actionButton")
            compare(button.text, "باز کردن فایل")
            var before = testSupport.openedUrls.length
            mouseClick(button)
            tryCompare(testSupport.openedUrls, "length", before + 1)
            compare(appUtility.urlToLocalPath(testSupport.openedUrls[before]), path)
            tryCompare(excelDialog, "visible", false)
        }

        function test_saveFailureKeepsTheWorkbookForAnotherPlace() {
            var nowhere = testHomePath + "/no such folder/export.xlsx"
            excelDialog.filePath = nowhere
            excelDialog.initial()
            tryCompare(excelDialog, "saveFailed", true, 120000)
            verify(!excelDialog.isDone)
            tryCompare(toast, "opened", true)
            compare(toastText(), excelDialog.saveFailedText)
            var button = findChild(excelDialog, "actionButton")
            compare(button.text, "انتخاب محل دیگر")
            verify(!testSupport.fileExists(nowhere))

            var path = testHomePath + "/second place.xlsx"
            excelDialog.saveTo(path)
            verify(excelDialog.isDone)
            verify(!excelDialog.saveFailed)
            compare(button.text, "باز کردن فایل")
            verifyWorkbook(driver.readWorkbook(path))
            toast.dismiss()
        }
    }
}
