import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/database"

// When the schema database is built again: never while the stored flags name this version and
// its tables are there, from scratch when they name another one or the tables are gone, and by
// the first of several elements only.
TestCase {
    id: testCase

    name: "DatabaseRebuild"

    // What the main window offers the schema elements by name.
    property var appData: ({"db_inited": true, "db_version": 24})
    property int saveCount: 0

    function saveUserData() {
        saveCount++
    }

    function select(table, text) {
        var records = []
        table.getDb().readTransaction(function (tx) {
            var rows = tx.executeSql(text).rows
            for (var i = 0; i < rows.length; ++i)
                records.push(rows.item(i))
        })
        return records
    }

    function execute(table, text) {
        table.getDb().transaction(function (tx) {
            tx.executeSql(text)
        })
    }

    function sizes(table) {
        return ["Card", "Row", "Field", "Relations"].map(function (name) {
            return select(table, "SELECT COUNT(*) AS n FROM " + name)[0].n
        })
    }

    // Marks the stored schema so that a rebuild shows: a renamed section and an extra entry.
    function tamper(table) {
        execute(table, "UPDATE Card SET TITLE='کهنه' WHERE _id=4")
        execute(table, "INSERT INTO Relations VALUES (1, 50, 4, 4, 103, 99999)")
    }

    function isTampered(table) {
        return select(table, "SELECT TITLE FROM Card WHERE _id=4")[0].TITLE === "کهنه"
                && select(table, "SELECT COUNT(*) AS n FROM Relations WHERE _id=99999")[0].n === 1
    }

    // One scenario, step after step: each step starts from what the one before left.
    function test_rebuildsOnlyWhenNeeded() {
        olderVersionDeletesTheFileAndRebuilds()
        currentVersionLeavesTheDatabaseAlone()
        versionChangeReplacesWhatWasStored()
        onlyTheFirstElementRebuilds()
        flagsReadBackAsTextCountAsCurrent()
        missingTablesAreBuiltAgain()
    }

    function olderVersionDeletesTheFileAndRebuilds() {
        var table = createTemporaryObject(cardTableComponent, testCase)
        // Nothing of this process had the database open yet, so its file could go.
        compare(appUtility.deletedPaths, [offlineStoragePath])
        compare(appData.db_version, 25)
        compare(appData.db_inited, true)
        compare(saveCount, 1)
        compare(sizes(table), [23, 29, 244, 3037])
    }

    function hasPairIndex(table) {
        return select(table, "SELECT COUNT(*) AS n FROM sqlite_master WHERE type='index' AND name='Relations_by_pair'")[0].n === 1
    }

    function currentVersionLeavesTheDatabaseAlone() {
        var table = createTemporaryObject(fieldTableComponent, testCase)
        verify(hasPairIndex(table))
        tamper(table)
        // As a database built before the index existed.
        execute(table, "DROP INDEX Relations_by_pair")
        var other = createTemporaryObject(rowTableComponent, testCase)
        verify(other.dbInited())
        verify(hasPairIndex(other), "a stored database gains the index when opened")
        compare(appUtility.deletedPaths.length, 1)
        compare(saveCount, 1)
        verify(isTampered(table))
        compare(sizes(table), [23, 29, 244, 3038])
    }

    function versionChangeReplacesWhatWasStored() {
        verify(isTampered(createTemporaryObject(cardTableComponent, testCase)))
        appData.db_version = 24
        var table = createTemporaryObject(relationsComponent, testCase)
        compare(appData.db_version, 25)
        compare(saveCount, 2)
        verify(!isTampered(table))
        compare(sizes(table), [23, 29, 244, 3037])
        compare(select(table, "SELECT TITLE FROM Card WHERE _id=4")[0].TITLE, "موقعیت ملک")
        verify(hasPairIndex(table))
        // The database was open in this process: its tables were replaced in place rather than
        // its file unlinked under the open connection.
        compare(appUtility.deletedPaths.length, 1)
    }

    function onlyTheFirstElementRebuilds() {
        appData = {}
        var page = createTemporaryObject(pageComponent, testCase)
        compare(saveCount, 3)
        compare(appData.db_version, 25)
        compare(sizes(page.children[0]), [23, 29, 244, 3037])
    }

    function flagsReadBackAsTextCountAsCurrent() {
        // The settings file may hand the flags back as text.
        appData = {"db_inited": "true", "db_version": "25"}
        var table = createTemporaryObject(cardTableComponent, testCase)
        verify(table.dbInited())
        compare(saveCount, 3)
        appData = {"db_inited": "false", "db_version": "25"}
        verify(!table.dbInited())
        appData = {"db_inited": true, "db_version": 26}
        verify(!table.dbInited())
    }

    function missingTablesAreBuiltAgain() {
        appData = {"db_inited": true, "db_version": 25}
        var table = createTemporaryObject(cardTableComponent, testCase)
        // As a database file that is gone: opened again, it is empty, while the flags still
        // say it was built.
        for (var name of ["Relations", "Field", "Row", "Card"])
            execute(table, "DROP TABLE " + name)
        var saves = saveCount
        var page = createTemporaryObject(pageComponent, testCase)
        compare(saveCount, saves + 1, "built once, by the first element")
        compare(sizes(page.children[0]), [23, 29, 244, 3037])
        compare(page.children[2].getById(1).title, "فروش")
        verify(hasPairIndex(table))
    }

    QtObject {
        id: appUtility

        property var deletedPaths: []

        function deleteDbFile(path) {
            deletedPaths.push(path)
            storageUtility.deleteDbFile(path)
        }
    }

    AppUtility {
        id: storageUtility
    }

    Component {
        id: cardTableComponent

        CardTable {}
    }

    Component {
        id: rowTableComponent

        RowTable {}
    }

    Component {
        id: fieldTableComponent

        FieldTable {}
    }

    Component {
        id: relationsComponent

        Relations {}
    }

    // A page that declares the three tables, as the form pages do.
    Component {
        id: pageComponent

        Item {
            CardTable {}
            RowTable {}
            FieldTable {}
        }
    }
}
