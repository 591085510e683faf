import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/database"

// A seed that fails part-way must leave no half-built schema: on a first start no tables at
// all, on a rebuild the previous schema as it was; and the flags stay as they were, so the next
// element tries again.
TestCase {
    id: testCase

    name: "DatabaseFailure"

    // The flags say the database is current: once the first element has built the missing
    // tables, creating an element builds nothing until a test asks for it.
    property var appData: ({"db_inited": true, "db_version": 25})
    property int saveCount: 0
    property string goodSeed: ""

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

    function tables(table) {
        return select(table, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name")
                .map(function (record) { return record.name })
    }

    function sizes(table) {
        return ["Card", "Row", "Field", "Relations"].map(function (name) {
            return select(table, "SELECT COUNT(*) AS n FROM " + name)[0].n
        })
    }

    // The element's seed script, found among its children.
    function seedHolder(table) {
        for (var i = 0; i < table.data.length; ++i) {
            if (table.data[i].baseQuery !== undefined)
                return table.data[i]
        }
        return null
    }

    // The real seed, broken at the Field table: the Row and Relations tables are complete by then.
    function brokenSeed() {
        var broken = goodSeed.replace("INSERT INTO Field (", "INSERT INTO Field (NO_SUCH_COLUMN,")
        verify(broken !== goodSeed)
        verify(broken.indexOf("INSERT OR REPLACE INTO Relations") < broken.indexOf("NO_SUCH_COLUMN"))
        return broken
    }

    function initTestCase() {
        var table = createTemporaryObject(cardTableComponent, testCase)
        goodSeed = seedHolder(table).baseQuery
        verify(goodSeed.indexOf("CREATE TABLE IF NOT EXISTS Card") > 0)
        saveCount = 0
    }

    // One scenario, step after step: each step starts from what the one before left.
    function test_failedSeedsLeaveNoHalfBuiltSchema() {
        failedFirstBuildLeavesNoTables()
        nextElementTriesAgain()
        failedRebuildKeepsThePreviousSchema()
        repairedSeedRebuilds()
    }

    function failedFirstBuildLeavesNoTables() {
        var table = createTemporaryObject(cardTableComponent, testCase)
        compare(saveCount, 0, "the tables are there: nothing to build")
        // A first start: no tables and no flags.
        table.getDb().transaction(function (tx) {
            for (var name of ["Relations", "Field", "Row", "Card"])
                tx.executeSql("DROP TABLE " + name)
        })
        seedHolder(table).baseQuery = brokenSeed()
        appData = {}
        table.init()
        compare(appData, {})
        compare(saveCount, 0)
        compare(tables(table), [])
        compare(table.getCards(1, 50), false)
    }

    function nextElementTriesAgain() {
        var table = createTemporaryObject(cardTableComponent, testCase)
        compare(appData, {"db_version": 25, "db_inited": true})
        compare(saveCount, 1)
        compare(tables(table), ["Card", "Field", "Relations", "Row"])
        compare(sizes(table), [23, 29, 244, 3037])
    }

    function failedRebuildKeepsThePreviousSchema() {
        var table = createTemporaryObject(cardTableComponent, testCase)
        seedHolder(table).baseQuery = brokenSeed()
        appData = {"db_inited": true, "db_version": 24}
        table.init()
        compare(appData, {"db_inited": true, "db_version": 24})
        compare(saveCount, 1)
        compare(sizes(table), [23, 29, 244, 3037])
        compare(table.getCards(-1, -1).length, 1)
    }

    function repairedSeedRebuilds() {
        var table = createTemporaryObject(cardTableComponent, testCase)
        compare(appData.db_version, 25)
        compare(saveCount, 2)
        compare(sizes(table), [23, 29, 244, 3037])
    }

    QtObject {
        id: appUtility

        function deleteDbFile(path) {
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
}
