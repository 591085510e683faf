import QtQuick 2.15
import QtQuick.Controls 2.15
import AppExcel 1.0
import "../components"
import "../database"
import "../scripts/Request.js" as Api
import "../scripts/Colors.js" as Colors

// Exports all of the user's own listings into one workbook: a sheet per deal and property type,
// the form's input fields as value columns, each option section as one column naming the
// options chosen, and the description last. Pages are fetched one after another, 100 at a time.
AppDialog {
    id: excelDialog

    property bool isEdit: false
    // A local path; a "file:" URL from a file chooser is accepted as well.
    property string filePath: ""
    property int page: 1
    property var sheetAdded: []
    property var currentRow: []
    property bool isDone: false

    // A page that fails is asked for again after each of these pauses in turn; when they are
    // used up the user is told, and what has arrived so far is saved.
    property var retryDelays: [1000, 3000, 9000]
    // The request layer answers an unreadable reply (or none at all) with a toast only: a page
    // still unanswered after this long counts as failed.
    property int pageTimeout: 60000
    property int failedAttempts: 0
    // The workbook could not be written at `filePath`; it is kept for another place.
    property bool saveFailed: false
    // The run ended early (the service kept failing); the saved workbook holds part of the files.
    property bool incomplete: false
    property int filesWritten: 0

    // Sheet layout per deal/property pair, worked out once per run: the schema gives the same
    // answer for every listing of a pair.
    property var layouts: ({})
    property string selectedSheet: ""
    // Replies to requests of an earlier run or of an abandoned attempt are ignored.
    property int requestSerial: 0

    readonly property string saveFailedText: "ذخیره فایل اکسل در این محل ممکن نشد، لطفا محل دیگری انتخاب کنید"
    readonly property string serviceFailedText: "دریافت فایل ها از سرور ممکن نشد"

    signal positiveClicked(var title, var content)
    signal negativeClicked()

    function initial() {
        if (!isEdit) {
            indicator.text = ""
            progressBar.from = 0
            progressBar.to = 1
            progressBar.value = 0
            page = 1
            isDone = false
            currentRow = []
            sheetAdded = []
            layouts = ({})
            selectedSheet = ""
            failedAttempts = 0
            saveFailed = false
            incomplete = false
            filesWritten = 0
            // A workbook kept from a run whose save failed would clash with the new sheets.
            excel.clear()
        }
        openFrame()
        getFiles()
    }

    function getFiles() {
        retryTimer.stop()
        var serial = ++requestSerial
        watchdog.restart()
        Api.sendJsonRequestV2("POST", userData.systemRole + "/propertyFiles/searchMyPropertyFiles",
                              function (result) {
                                  if (serial !== requestSerial)
                                      return
                                  watchdog.stop()
                                  pageArrived(result)
                              },
                              function (status, response) {
                                  if (serial !== requestSerial)
                                      return
                                  watchdog.stop()
                                  // After the request layer has shown the service's own message,
                                  // so that a final word of ours is not covered by it.
                                  Qt.callLater(function () {
                                      if (serial === requestSerial)
                                          pageFailed()
                                  })
                              },
                              {
                                  page: page,
                                  count: 100,
                                  condition: true,
                                  searchOperator: "and",
                                  sortBy: "fileDateUnix",
                                  sortDirection: -1,
                                  systemFile: false
                              })
    }

    function pageArrived(result) {
        var found = result && result.propertyFiles
        if (!found || !Array.isArray(found.data)) {
            pageFailed()
            return
        }
        failedAttempts = 0
        var files = found.data
        // The next page is asked for before this one is written, so that the service prepares
        // it while the rows go into the workbook; pages still arrive and are written in order.
        if (files.length > 0) {
            page = page + 1
            getFiles()
        }
        progressBar.to = Math.max(Number(found.total) || 0, progressBar.value + files.length, 1)
        for (var i = 0; i < files.length; ++i) {
            saveFile(files[i])
            progressBar.value = progressBar.value + 1
        }
        indicator.text = progressBar.value + " / " + (Number(found.total) || 0)
        if (files.length === 0)
            writeWorkbook()
    }

    function pageFailed() {
        if (failedAttempts >= retryDelays.length) {
            giveUp()
            return
        }
        retryTimer.interval = retryDelays[failedAttempts]
        failedAttempts = failedAttempts + 1
        retryTimer.start()
    }

    // The service has failed the same page too often: keep what has arrived.
    function giveUp() {
        ++requestSerial
        if (filesWritten === 0) {
            toast.show(serviceFailedText, toast.durationLong)
            return
        }
        incomplete = true
        toast.show(serviceFailedText + "؛ " + filesWritten + " فایل دریافت شده در فایل اکسل ذخیره شد", toast.durationLong)
        writeWorkbook()
    }

    function localFilePath() {
        if (filePath.indexOf("file:") === 0)
            return appUtility.urlToLocalPath(filePath)
        return filePath
    }

    function writeWorkbook() {
        if (excel.saveFile(localFilePath())) {
            saveFailed = false
            isDone = true
        } else {
            saveFailed = true
            toast.show(saveFailedText, toast.durationLong)
        }
    }

    // Another place for a workbook that could not be written where the user first said.
    function saveTo(path) {
        filePath = path
        writeWorkbook()
    }

    function abandon() {
        ++requestSerial
        retryTimer.stop()
        watchdog.stop()
        excel.clear()
    }

    function getAttrValue(file, key) {
        var attrs = file.attrs
        if (attrs && Object.prototype.hasOwnProperty.call(attrs, key)) {
            var value = attrs[key]
            return value === undefined ? null : value
        }
        return null
    }

    function isSheetCreated(dealType, propertyType) {
        for (var i = 0; i < sheetAdded.length; ++i) {
            if (sheetAdded[i].dt === dealType && sheetAdded[i].pt === propertyType)
                return true
        }
        return false
    }

    function getCurrentRow(dealType, propertyType) {
        for (var i = 0; i < currentRow.length; ++i) {
            if (currentRow[i].dt === dealType && currentRow[i].pt === propertyType)
                return currentRow[i].row
        }
        return 1
    }

    function changeCurrentRow(dealType, propertyType, row) {
        for (var i = 0; i < currentRow.length; ++i) {
            if (currentRow[i].dt === dealType && currentRow[i].pt === propertyType) {
                currentRow[i].row = row
                return
            }
        }
        currentRow.push({ dt: dealType, pt: propertyType, row: row })
    }

    function typeTitle(id) {
        var field = fieldTable.getById(id)
        return field ? field.title : String(id)
    }

    function fieldsOf(rows) {
        var fields = []
        for (var i = 0; i < rows.length; ++i) {
            var rowFields = rows[i]
            for (var j = 0; j < rowFields.length; ++j)
                fields.push({ fieldName: rowFields[j].fieldName, title: rowFields[j].title })
        }
        return fields
    }

    // The columns of a pair's sheet: the first section's fields one by one, then one column per
    // further section.
    function layoutOf(dealType, propertyType) {
        var key = dealType + ":" + propertyType
        var layout = layouts[key]
        if (layout)
            return layout
        var cards = cardTable.getCards(dealType, propertyType) || []
        var sections = []
        for (var c = 0; c < cards.length; ++c) {
            var rows = rowTable.getRows(cards[c]._id, dealType, propertyType) || []
            var fieldRows = []
            for (var r = 0; r < rows.length; ++r)
                fieldRows.push(fieldTable.getFields(rows[r]._id, cards[c]._id, dealType, propertyType) || [])
            sections.push({ title: cards[c].title, fields: fieldsOf(fieldRows) })
        }
        layout = {
            sheetName: typeTitle(dealType) + " - " + typeTitle(propertyType),
            valueFields: sections.length > 0 ? sections[0].fields : [],
            optionSections: sections.slice(1),
            usable: true
        }
        layouts[key] = layout
        return layout
    }

    function addSheetFor(dealType, propertyType, layout) {
        sheetAdded.push({ dt: dealType, pt: propertyType })
        if (!excel.addSheet(layout.sheetName)) {
            // Nothing of this pair can be written without writing into another pair's sheet.
            console.log("ExcelDialog: sheet refused: " + layout.sheetName)
            layout.usable = false
            return
        }
        selectedSheet = layout.sheetName
        var column = 1
        for (var i = 0; i < layout.valueFields.length; ++i)
            excel.writeToCell(1, column++, layout.valueFields[i].title)
        for (var s = 0; s < layout.optionSections.length; ++s)
            excel.writeToCell(1, column++, layout.optionSections[s].title)
        excel.writeToCell(1, column, "توضیحات")
        changeCurrentRow(dealType, propertyType, 2)
    }

    function saveFile(file) {
        // The ids end up in the schema queries' text: only whole numbers get there.
        var dealType = Number(file.dealType)
        var propertyType = Number(file.propertyType)
        if (!Number.isInteger(dealType) || !Number.isInteger(propertyType)) {
            console.log("ExcelDialog: listing without valid types skipped: " + file._id)
            return
        }
        var layout = layoutOf(dealType, propertyType)
        if (!isSheetCreated(dealType, propertyType))
            addSheetFor(dealType, propertyType, layout)
        if (!layout.usable)
            return
        if (selectedSheet !== layout.sheetName) {
            excel.selectSheet(layout.sheetName)
            selectedSheet = layout.sheetName
        }
        var row = getCurrentRow(dealType, propertyType)
        var column = 1
        var value
        for (var i = 0; i < layout.valueFields.length; ++i) {
            value = getAttrValue(file, layout.valueFields[i].fieldName)
            if (value !== null)
                excel.writeToCell(row, column, String(value))
            ++column
        }
        for (var s = 0; s < layout.optionSections.length; ++s) {
            var fields = layout.optionSections[s].fields
            var chosen = []
            for (var f = 0; f < fields.length; ++f) {
                if (getAttrValue(file, fields[f].fieldName) === true)
                    chosen.push(fields[f].title)
            }
            excel.writeToCell(row, column, chosen.join(" | "))
            ++column
        }
        value = getAttrValue(file, "fileDetail")
        if (value !== null)
            excel.writeToCell(row, column, String(value))
        changeCurrentRow(dealType, propertyType, row + 1)
        filesWritten = filesWritten + 1
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: content.height + 100
    dialogPadding: 50
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    // Escape while the files are still coming in abandons the export, as the cancel button does.
    onClosed: {
        if (!isDone)
            abandon()
    }

    FieldTable { id: fieldTable }
    CardTable { id: cardTable }
    RowTable { id: rowTable }
    Excel { id: excel }

    Timer {
        id: retryTimer

        repeat: false
        onTriggered: excelDialog.getFiles()
    }

    Timer {
        id: watchdog

        interval: excelDialog.pageTimeout
        repeat: false
        onTriggered: {
            ++excelDialog.requestSerial
            excelDialog.pageFailed()
        }
    }

    SelectDialog {
        id: placeChooser

        title: "محل ذخیره فایل اکسل را انتخاب کنید"
        nameFilters: ["Excel files (*.xlsx)"]
        onAccepted: excelDialog.saveTo(appUtility.urlToLocalPath(String(placeChooser.dialog.file)))
    }

    Column {
        id: content

        anchors.centerIn: parent
        width: parent.width - excelDialog.dialogPadding
        spacing: 10

        IranSansText {
            width: parent.width
            text: "در حال دریافت و آماده سازی فایل ها"
            textSize: 13
            font.bold: true
            textColor: Colors.black
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }

        ProgressBar {
            id: progressBar

            objectName: "progressBar"
            width: parent.width
            from: 0
            to: 1
            value: 0
        }

        IranSansText {
            id: indicator

            objectName: "indicator"
            anchors.horizontalCenter: parent.horizontalCenter
            textSize: 11
            textColor: Colors.mediumGrey
        }

        IranSansText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "لطفا منتظر بمانید"
            textSize: 12
            font.bold: true
            textColor: Colors.black
        }

        AppButton {
            id: actionButton

            objectName: "actionButton"
            width: parent.width
            height: 35
            radius: 5
            hasIcon: false
            textColor: "white"
            color: excelDialog.isDone || excelDialog.saveFailed ? Colors.primary : Colors.coolRed
            text: excelDialog.isDone ? "باز کردن فایل"
                                     : (excelDialog.saveFailed ? "انتخاب محل دیگر" : "انصراف")
            onClicked: {
                if (excelDialog.isDone) {
                    Qt.openUrlExternally(appUtility.localPathToUrl(excelDialog.localFilePath()))
                    excelDialog.dismiss()
                } else if (excelDialog.saveFailed) {
                    placeChooser.initial()
                } else {
                    excelDialog.abandon()
                    excelDialog.dismiss()
                }
            }
        }
    }
}
