import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.LocalStorage 2.15

// Opens files the way the file list does and reads back what the detail page shows and copies.
MainPageDriver {
    id: detailDriver

    function openDetail(fileId, isShared) {
        var page = mainStack.push(Qt.resolvedUrl("qrc:/src/pages/FileDetail.qml"), { fileId: fileId, isShared: isShared })
        test.tryCompare(mainStack, "busy", false)
        waitIdle()
        return page
    }

    function loaded(page) {
        test.tryVerify(function () { return page.fileItem !== null }, 10000, "the file does not load")
        waitIdle()
        return page
    }

    // Takes every detail page off the stack again.
    function closeDetails() {
        while (pageName(mainStack.currentItem) === "FileDetail") {
            if (mainStack.depth > 1)
                mainStack.pop(null, StackView.Immediate)
            else
                mainStack.clear()
        }
        test.tryCompare(mainStack, "busy", false)
    }

    function clipboardText() {
        clipboard.text = ""
        clipboard.paste()
        return clipboard.text
    }

    // {title, value} rows of the general section.
    function generalRows(page) {
        var rows = []
        for (var i = 0; i < page.generalModel.count; ++i)
            rows.push([page.generalModel.get(i).title, page.generalModel.get(i).value])
        return rows
    }

    // Section title → its option titles, sorted; read from the page's lines without their markup.
    function toggleLines(page) {
        var lines = {}
        for (var i = 0; i < page.toggleModel.count; ++i) {
            var row = page.toggleModel.get(i)
            lines[row.title] = row.values.replace(/<[^>]*>/g, "").split(" | ").sort()
        }
        return lines
    }

    // What the schema offers as options for a deal/property pair outside its first section, with
    // the titles the given record has switched on: section title → sorted option titles.
    function expectedToggles(record) {
        var expected = {}
        var db = LocalStorage.openDatabaseSync("Filing_Db", "1.0", "Filing", 1000000)
        db.readTransaction(function (tx) {
            var rows = tx.executeSql("SELECT DISTINCT Card.TITLE AS cardTitle, Field.FIELD_NAME AS name, "
                                     + "CASE WHEN ? > 4 AND Field.REQUESTED_NAME IS NOT NULL THEN Field.REQUESTED_NAME "
                                     + "ELSE Field.TITLE END AS title FROM Relations "
                                     + "JOIN Card ON Card._id = Relations.CARD_ID JOIN Field ON Field._id = Relations.FIELD_ID "
                                     + "WHERE DEAL_TYPE = ? AND PROPERTY_TYPE = ? AND Relations.CARD_ID > 3",
                                     [record.dealType, record.dealType, record.propertyType]).rows
            for (var i = 0; i < rows.length; ++i) {
                var row = rows.item(i)
                if (record.attrs[row.name] !== true)
                    continue
                expected[row.cardTitle] = (expected[row.cardTitle] || []).concat([row.title]).sort()
            }
        })
        return expected
    }

    // Every text the page shows, the viewer and dialogs included.
    function pageTexts(page) {
        return texts(page, []).join("\n")
    }

    TextEdit {
        id: clipboard

        visible: false
    }
}
