import QtQuick 2.15
import AppExcel 1.0
import "../database"
import "../scripts/Request.js" as Api

// One export of all of the user's own listings into one workbook: a sheet per deal and property
// type, the form's input fields as value columns, each option section as one column naming the
// options chosen, and the description last. Pages of 100 are fetched newest first; while one is
// written the service already works on the next ones, and they are written in order. Failures
// are told with the window's toast.
Item {
    id: run

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

    readonly property int pageSize: 100
    // Requests kept on their way at once. A page beyond the next one is asked for only when the
    // last reply's total says it exists; the export still ends at the first page without files.
    property int pagesAhead: 2
    // Pages that have arrived, by number, until their turn to be written comes.
    property var arrivedPages: ({})
    // Pages asked for in the current attempt and not answered yet, by number.
    property var pagesOnTheirWay: ({})
    // The lowest page not yet handed on for writing, and the highest page that has arrived.
    property int pageToWrite: 1
    property int highestArrived: 0
    // The first page that came back without files; 0 while the end is not known.
    property int lastPage: 0
    property int total: 0
    // Pages handed on for writing, oldest first. They are written a slice of files at a time,
    // returning to the event loop in between: the window stays responsive, and requests sent
    // meanwhile go out at once instead of after the whole page has been written.
    property var pendingPages: []
    property int sliceSize: 20
    // The service has been given up on: what has arrived is saved once it is written.
    property bool givingUp: false

    // Progress for the one who shows it: files written of `progressTo`, and as a line.
    property int progress: 0
    property int progressTo: 1
    property string progressText: ""

    readonly property string saveFailedText: "ذخیره فایل اکسل در این محل ممکن نشد، لطفا محل دیگری انتخاب کنید"
    readonly property string serviceFailedText: "دریافت فایل ها از سرور ممکن نشد"

    // Starts a run; `fresh` drops what an earlier run wrote, else the run goes on from there.
    function start(fresh) {
        // Whatever an earlier run still has on its way is not waited for.
        retryTimer.stop()
        endAttempt()
        if (fresh) {
            progressText = ""
            progressTo = 1
            progress = 0
            page = 1
            isDone = false
            currentRow = []
            sheetAdded = []
            layouts = ({})
            selectedSheet = ""
            arrivedPages = ({})
            pendingPages = []
            pageToWrite = 1
            highestArrived = 0
            lastPage = 0
            givingUp = false
            total = 0
            failedAttempts = 0
            saveFailed = false
            incomplete = false
            filesWritten = 0
            // A workbook kept from a run whose save failed would clash with the new sheets.
            excel.clear()
        }
        askForMore()
    }

    // Keeps up to `pagesAhead` requests on their way, starting from the lowest page missing.
    function askForMore() {
        if (givingUp)
            return
        page = pageToWrite
        while (Object.keys(pagesOnTheirWay).length < pagesAhead) {
            while (arrivedPages[page] !== undefined || pagesOnTheirWay[page] !== undefined)
                ++page
            if (lastPage > 0 && page >= lastPage)
                return
            var known = page === highestArrived + 1 || (page - 1) * pageSize < total
            if (!known)
                return
            getFiles()
        }
    }

    // Asks for page `page`.
    function getFiles() {
        retryTimer.stop()
        var serial = requestSerial
        var asked = page
        pagesOnTheirWay[asked] = true
        watchdog.restart()
        Api.sendJsonRequestV2("POST", userData.systemRole + "/propertyFiles/searchMyPropertyFiles",
                              function (result) {
                                  if (serial !== requestSerial)
                                      return
                                  pageArrived(asked, result)
                              },
                              function (status, response) {
                                  if (serial !== requestSerial)
                                      return
                                  // A failure ends the attempt: every page on its way is asked
                                  // for again after the pause.
                                  endAttempt()
                                  // After the request layer has shown the service's own message,
                                  // so that a final word of ours is not covered by it.
                                  var failed = requestSerial
                                  Qt.callLater(function () {
                                      if (failed === requestSerial)
                                          pageFailed()
                                  })
                              },
                              {
                                  page: asked,
                                  count: pageSize,
                                  condition: true,
                                  searchOperator: "and",
                                  sortBy: "fileDateUnix",
                                  sortDirection: -1,
                                  systemFile: false
                              },
                              // The dialog shows its own progress; the window-wide loading
                              // indicator would blink once per page.
                              false)
    }

    // Replies still on their way are ignored from now on.
    function endAttempt() {
        ++requestSerial
        watchdog.stop()
        pagesOnTheirWay = ({})
    }

    function pageArrived(number, result) {
        var found = result && result.propertyFiles
        if (!found || !Array.isArray(found.data)) {
            endAttempt()
            pageFailed()
            return
        }
        delete pagesOnTheirWay[number]
        if (Object.keys(pagesOnTheirWay).length > 0)
            watchdog.restart()
        else
            watchdog.stop()
        failedAttempts = 0
        var files = found.data
        total = Number(found.total) || 0
        highestArrived = Math.max(highestArrived, number)
        if (files.length === 0 && (lastPage === 0 || number < lastPage))
            lastPage = number
        if (lastPage === 0 || number <= lastPage)
            arrivedPages[number] = files
        // The next pages are asked for before this one is written, so that the service prepares
        // them meanwhile.
        askForMore()
        // Pages are written in order: hand on every page whose predecessors are all written.
        while (arrivedPages[pageToWrite] !== undefined) {
            pendingPages.push({ files: arrivedPages[pageToWrite], next: 0 })
            delete arrivedPages[pageToWrite]
            ++pageToWrite
        }
        // Writing starts after the event loop has run, which sends those requests.
        Qt.callLater(writePending)
    }

    // Writes one slice of the oldest pending page and comes back for the rest after the event
    // loop has run; saves the workbook when nothing more is to come.
    function writePending() {
        var pending = pendingPages
        if (pending.length === 0)
            return
        var current = pending[0]
        var files = current.files
        var end = Math.min(files.length, current.next + sliceSize)
        var written = current.next
        if (written === 0)
            progressTo = Math.max(total, progress + files.length, 1)
        var saved = 0
        for (; written < end; ++written) {
            if (saveFile(files[written]))
                ++saved
        }
        filesWritten = filesWritten + saved
        progress = progress + (written - current.next)
        current.next = written
        if (written < files.length) {
            Qt.callLater(writePending)
            return
        }
        pending.shift()
        progressText = progress + " / " + total
        if (pending.length > 0)
            Qt.callLater(writePending)
        else if (lastPage > 0 && pageToWrite > lastPage)
            finishRun()
        else if (givingUp)
            saveWhatArrived()
    }

    // Every file has been written: requests still on their way (for pages past the end) no
    // longer matter.
    function finishRun() {
        endAttempt()
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
        endAttempt()
        givingUp = true
        if (pendingPages.length === 0)
            saveWhatArrived()
    }

    function saveWhatArrived() {
        if (filesWritten === 0) {
            toast.show(serviceFailedText, toast.durationLong)
            return
        }
        incomplete = true
        toast.show(serviceFailedText + "؛ " + filesWritten + " فایل دریافت شده در فایل اکسل ذخیره شد", toast.durationLong)
        writeWorkbook()
    }

    function localFilePath() {
        var path = appUtility.urlToLocalPath(filePath)
        // A name typed without the extension is still saved as a workbook the viewer recognises.
        if (path.length > 0 && !/\.xlsx$/i.test(path))
            path += ".xlsx"
        return path
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
        retryTimer.stop()
        endAttempt()
        arrivedPages = ({})
        pendingPages = []
        lastPage = 0
        givingUp = false
        excel.clear()
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
            usable: true,
            // The pair's entry of `currentRow` once its sheet exists.
            rowEntry: null
        }
        layouts[key] = layout
        return layout
    }

    function addSheetFor(dealType, propertyType, layout) {
        sheetAdded.push({ dt: dealType, pt: propertyType })
        layout.rowEntry = { dt: dealType, pt: propertyType, row: 1 }
        currentRow.push(layout.rowEntry)
        if (!excel.addSheet(layout.sheetName)) {
            // Nothing of this pair can be written without writing into another pair's sheet.
            console.log("Excel export: sheet refused: " + layout.sheetName)
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
        layout.rowEntry.row = 2
    }

    // Writes one listing into its pair's sheet; false when it cannot be written.
    function saveFile(file) {
        // The ids end up in the schema queries' text: only whole numbers get there.
        var dealType = Number(file.dealType)
        var propertyType = Number(file.propertyType)
        if (!Number.isInteger(dealType) || !Number.isInteger(propertyType)) {
            console.log("Excel export: listing without valid types skipped: " + file._id)
            return false
        }
        var layout = layoutOf(dealType, propertyType)
        if (layout.rowEntry === null)
            addSheetFor(dealType, propertyType, layout)
        if (!layout.usable)
            return false
        if (selectedSheet !== layout.sheetName) {
            excel.selectSheet(layout.sheetName)
            selectedSheet = layout.sheetName
        }
        var attrs = file.attrs
        if (attrs === null || typeof attrs !== "object")
            attrs = {}
        // Inlined rather than through getAttrValue: a listing asks for some fifty attributes.
        var has = Object.prototype.hasOwnProperty
        var row = layout.rowEntry.row
        var column = 1
        var name
        var value
        // One lookup of the native method for the whole row.
        var writeToCell = excel.writeToCell
        var valueFields = layout.valueFields
        for (var i = 0; i < valueFields.length; ++i) {
            name = valueFields[i].fieldName
            if (has.call(attrs, name)) {
                value = attrs[name]
                if (value !== null && value !== undefined)
                    writeToCell(row, column, String(value))
            }
            ++column
        }
        var sections = layout.optionSections
        for (var s = 0; s < sections.length; ++s) {
            var fields = sections[s].fields
            var chosen = []
            for (var f = 0; f < fields.length; ++f) {
                name = fields[f].fieldName
                if (has.call(attrs, name) && attrs[name] === true)
                    chosen.push(fields[f].title)
            }
            writeToCell(row, column, chosen.join(" | "))
            ++column
        }
        if (has.call(attrs, "fileDetail")) {
            value = attrs.fileDetail
            if (value !== null && value !== undefined)
                writeToCell(row, column, String(value))
        }
        layout.rowEntry.row = row + 1
        return true
    }

    FieldTable { id: fieldTable }
    CardTable { id: cardTable }
    RowTable { id: rowTable }
    Excel { id: excel }

    Timer {
        id: retryTimer

        repeat: false
        onTriggered: run.askForMore()
    }

    Timer {
        id: watchdog

        interval: run.pageTimeout
        repeat: false
        onTriggered: {
            run.endAttempt()
            run.pageFailed()
        }
    }
}
