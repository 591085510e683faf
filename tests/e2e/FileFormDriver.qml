import QtQuick 2.15
import QtQuick.Controls 2.15

// Works the listing form (FileAdd, FileEdit) the way agency staff do: options, inputs, step
// markers, the end section's dialogs and the register button; makes pictures to attach.
FileDetailDriver {
    id: formDriver

    // The add page of a family (-1 property files, -2 applicant files), opened from the menu.
    function openAdd(initial) {
        var key = initial === -1 ? "add_file" : "add_request_file"
        // The menu opens a section only when the choice changes.
        if (main.selectedMenu === key)
            main.selectedMenu = ""
        clickChildEntry(initial === -1 ? "files" : "request_files", key)
        var page = settledPage("FileAdd")
        test.tryVerify(function () { return page.zones.length > 0 }, 10000, "no zones")
        return page
    }

    // The page on top once the stack has stopped moving (it takes no clicks while it moves).
    function settledPage(name) {
        test.tryVerify(function () { return pageName(mainStack.currentItem) === name && !mainStack.busy },
                       10000, "no page " + name)
        if (name === "FileEdit")
            test.tryCompare(mainStack.currentItem, "step", "end", 10000)
        waitIdle()
        return mainStack.currentItem
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

    function loadingShown() {
        return windowPart("dialogLoading").visible
    }

    function find(page, name) {
        var found = test.findChild(page, name)
        test.verify(found !== null, "no " + name + " in the " + page.step + " step")
        return found
    }

    // Scrolls the form to an item and clicks it.
    function clickIn(page, item) {
        var flickable = page.flickable
        var place = item.mapToItem(flickable.contentItem, 0, 0)
        if (place.y < flickable.contentY || place.y + item.height > flickable.contentY + flickable.height)
            flickable.contentY = Math.max(0, Math.min(place.y - 20, flickable.contentHeight - flickable.height))
        test.waitForRendering(flickable)
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

    // Typed key by key, Persian letters and digits as the Persian keyboard layout sends them.
    function typeInto(field, text) {
        field.input.forceActiveFocus()
        test.tryCompare(field.input, "activeFocus", true)
        if (/^[\x20-\x7e]*$/.test(text))
            type(text)
        else
            testSupport.typeText(text)
    }

    function fill(page, values) {
        for (var key in values)
            typeInto(input(page, key), values[key])
    }

    function retype(page, key, text) {
        input(page, key).input.forceActiveFocus()
        test.keyClick(Qt.Key_A, Qt.ControlModifier)
        type(text)
    }

    function continueStep(page) {
        click(find(page, "continueButton"))
    }

    function register(page) {
        click(find(page, "registerButton"))
    }

    function markerText(page, index) {
        return find(find(page, "marker" + index), "markerText").text
    }

    // Markers appear as steps are done; their line is laid out again on the next frame.
    function openStep(page, index) {
        var button = find(find(page, "marker" + index), "markerButton")
        test.waitForRendering(button)
        click(button)
    }

    function chooseZone(page, title) {
        clickIn(page, find(page, "zoneButton"))
        waitOpened(page.zoneDialog)
        typeInto(find(page.zoneDialog.contentItem, "searchInput"), title)
        var list = find(page.zoneDialog.contentItem, "list")
        test.tryVerify(function () { return list.count > 0 })
        test.waitForRendering(list)
        test.mouseClick(list.itemAtIndex(0))
        waitClosed(page.zoneDialog)
    }

    // The map page answers with the given place as its own pick would.
    function chooseLocation(page, latitude, longitude) {
        clickIn(page, find(page, "mapButton"))
        settledPage("Map").mapClosed({ latitude: latitude, longitude: longitude })
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
        var positive = function (item) {
            if (item.text === picker.positiveText)
                return item
            for (var i = 0; i < item.children.length; ++i) {
                var found = positive(item.children[i])
                if (found)
                    return found
            }
            return null
        }
        test.mouseClick(positive(picker.contentItem))
        waitClosed(picker)
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
        page.imageDialog.dialog.files = paths.map(function (path) { return localUrl(path) })
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

    function removeImage(page, index) {
        clickIn(page, test.findChild(tiles(page)[index], "deleteBadge"))
    }

    // A small picture saved at `path`, in the format its name says.
    function makeImage(path, color) {
        var tile = Qt.createQmlObject("import QtQuick 2.15; Rectangle { width: 64; height: 48 }", window.contentItem)
        tile.color = color
        var saved = { done: false }
        tile.grabToImage(function (result) { saved.done = result.saveToFile(path) })
        test.tryVerify(function () { return saved.done }, 5000, "cannot save " + path)
        tile.destroy()
        return path
    }

    // The office's files whose owner is `name`.
    function filesNamed(token, name) {
        return files(token, { page: 1, count: 1000, condition: true }).filter(function (file) {
            return file.attrs && file.attrs.name_family === name
        })
    }
}
