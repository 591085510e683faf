import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.LocalStorage 2.15
import AppUtility 1.0

// Works the listing form (FileAdd, FileEdit) the way agency staff do: options, inputs, the step
// markers, the end section's dialogs and the register button; makes pictures to attach and reads
// files back from the service.
FileDetailDriver {
    id: formDriver

    // The add page of a family (-1 property files, -2 applicant files), opened from the menu.
    function openAdd(initial) {
        var key = initial === -1 ? "add_file" : "add_request_file"
        // The menu opens a section only when the choice changes.
        if (main.selectedMenu === key)
            main.selectedMenu = ""
        clickChildEntry(initial === -1 ? "files" : "request_files", key)
        test.tryVerify(function () {
            return pageName(mainStack.currentItem) === "FileAdd" && !mainStack.busy
        }, 10000, "the add page does not open")
        var page = mainStack.currentItem
        test.compare(page.initial, initial)
        test.tryVerify(function () { return page.zones.length > 0 }, 10000, "no zones")
        waitIdle()
        return page
    }

    // The edit page just opened, once its file has come and the stack has stopped moving.
    function editPage() {
        test.tryVerify(function () {
            return pageName(mainStack.currentItem) === "FileEdit" && !mainStack.busy
        }, 10000, "the edit page does not open")
        var page = mainStack.currentItem
        test.tryCompare(page, "step", "end", 10000)
        waitIdle()
        return page
    }

    function closeForms() {
        while (["FileAdd", "FileEdit", "FileDetail", "Map"].indexOf(pageName(mainStack.currentItem)) >= 0) {
            if (mainStack.depth > 1)
                mainStack.pop(null, StackView.Immediate)
            else
                mainStack.clear()
        }
        test.tryCompare(mainStack, "busy", false)
    }

    // Whether the window's busy notice is up.
    function loadingShown() {
        for (var i = 0; i < window.contentData.length; ++i) {
            if (window.contentData[i].objectName === "dialogLoading")
                return window.contentData[i].visible
        }
        return false
    }

    function find(page, name) {
        var found = test.findChild(page, name)
        test.verify(found !== null, "no " + name + " in the " + page.step + " step")
        return found
    }

    // Brings an item of the form into view before it is clicked.
    function reveal(page, item) {
        var flickable = page.flickable
        var place = item.mapToItem(flickable.contentItem, 0, 0)
        if (place.y < flickable.contentY || place.y + item.height > flickable.contentY + flickable.height)
            flickable.contentY = Math.max(0, Math.min(place.y - 20, flickable.contentHeight - flickable.height))
        test.waitForRendering(flickable)
    }

    function clickIn(page, item) {
        reveal(page, item)
        click(item)
    }

    function option(page, fieldName) {
        return find(page, "option_" + fieldName)
    }

    function chooseOption(page, fieldName) {
        clickIn(page, option(page, fieldName))
    }

    function input(page, key) {
        return find(page, "input_" + key)
    }

    // Keys for what the keyboard of the test can type; the rest as an input method commits it.
    function typeInto(field, text) {
        field.input.forceActiveFocus()
        test.tryCompare(field.input, "activeFocus", true)
        if (/^[\x20-\x7e]*$/.test(text))
            type(text)
        else
            field.input.insert(field.input.cursorPosition, text)
    }

    function fill(page, values) {
        for (var key in values) {
            var field = input(page, key)
            reveal(page, field)
            typeInto(field, values[key])
        }
    }

    function continueStep(page) {
        click(find(page, "continueButton"))
    }

    function marker(page, index) {
        return find(find(page, "stepMarkers"), "marker" + index)
    }

    function markerText(page, index) {
        return find(marker(page, index), "markerText").text
    }

    // Markers appear as steps are done: their line is laid out again on the next frame.
    function openStep(page, index) {
        var button = find(marker(page, index), "markerButton")
        test.waitForRendering(button)
        click(button)
    }

    function chooseZone(page, title) {
        clickIn(page, find(page, "zoneButton"))
        var dialog = page.zoneDialog
        waitOpened(dialog)
        typeInto(find(dialog.contentItem, "searchInput"), title)
        var list = find(dialog.contentItem, "list")
        test.tryVerify(function () { return list.count > 0 })
        test.waitForRendering(list)
        test.mouseClick(list.itemAtIndex(0))
        waitClosed(dialog)
    }

    // The map page answers with the given place as its own pick would.
    function chooseLocation(page, latitude, longitude) {
        clickIn(page, find(page, "mapButton"))
        test.tryVerify(function () { return pageName(mainStack.currentItem) === "Map" && !mainStack.busy })
        mainStack.currentItem.mapClosed({ latitude: latitude, longitude: longitude })
        test.tryVerify(function () { return mainStack.currentItem === page && !mainStack.busy })
    }

    // The date picker's wheels turned to a Jalali day, then its positive button.
    function chooseDate(page, year, month, day) {
        clickIn(page, find(page, "dateButton"))
        var picker = page.datePicker
        waitOpened(picker)
        picker.yearWheel.currentIndex = year - 1
        picker.monthWheel.currentIndex = month - 1
        picker.dayWheel.currentIndex = day - 1
        test.mouseClick(findText(picker.contentItem, "انتخاب"))
        waitClosed(picker)
    }

    // The item whose text is exactly `text`.
    function findText(item, text) {
        if (item.text === text && item.visible)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = findText(item.children[i], text)
            if (found)
                return found
        }
        return null
    }

    function chooseDealStatus(page, index) {
        var box = find(page, "dealStatusBox")
        clickIn(page, box)
        test.tryCompare(box.popup, "opened", true)
        test.waitForRendering(box.popup.contentItem)
        test.mouseClick(box.popup.contentItem.itemAtIndex(index))
        test.tryCompare(box.popup, "visible", false)
    }

    // The file dialog's answer, as the system's dialog gives it.
    function chooseImages(page, paths) {
        var urls = []
        for (var i = 0; i < paths.length; ++i)
            urls.push(pathUtility.localPathToUrl(paths[i]))
        page.imageDialog.dialog.files = urls
        page.imageDialog.accepted()
    }

    // The picture tiles of the end section, in the order of the pictures.
    function tiles(page) {
        var gallery = find(page, "gallery")
        var found = []
        for (var i = 0; i < gallery.children.length; ++i) {
            if (gallery.children[i].canDelete !== undefined)
                found.push(gallery.children[i])
        }
        return found
    }

    function register(page) {
        click(find(page, "registerButton"))
    }

    // A small picture saved as PNG at `path`.
    function makeImage(path, color) {
        var tile = Qt.createQmlObject("import QtQuick 2.15; Rectangle { width: 64; height: 48 }", window.contentItem)
        tile.color = color
        var saved = { done: false }
        tile.grabToImage(function (result) {
            saved.done = result.saveToFile(path)
        })
        test.tryVerify(function () { return saved.done }, 5000, "cannot save " + path)
        tile.destroy()
        return path
    }

    // The file the manager's office holds with this id.
    function file(token, id) {
        var found = files(token, { _id: id, page: 1, count: 10, condition: true })
        test.compare(found.length, 1, "file " + id)
        return found[0]
    }

    // The attribute keys a deal/property pair's form holds, read from the schema: its fields, its
    // parking stepper and the description.
    function formKeys(dealType, propertyType) {
        var keys = ["parking_lot", "fileDetail"]
        var db = LocalStorage.openDatabaseSync("Filing_Db", "1.0", "Filing", 1000000)
        db.readTransaction(function (tx) {
            var rows = tx.executeSql("SELECT DISTINCT Field.FIELD_NAME AS name FROM Relations JOIN Field "
                                     + "ON Field._id = Relations.FIELD_ID WHERE DEAL_TYPE = ? AND PROPERTY_TYPE = ?",
                                     [dealType, propertyType]).rows
            for (var i = 0; i < rows.length; ++i)
                keys.push(rows.item(i).name)
        })
        return keys
    }

    // Files whose owner's name holds `name`.
    function filesNamed(token, name) {
        return files(token, { page: 1, count: 1000, condition: true }).filter(function (file) {
            return file.attrs && file.attrs.name_family === name
        })
    }

    AppUtility {
        id: pathUtility
    }
}
