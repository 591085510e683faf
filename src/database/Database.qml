import QtQuick 2.15
import QtQuick.LocalStorage 2.15
import "Query.js" as Query

// The local form-schema database: opened through the engine's local storage, created from the
// seed script and rebuilt whenever the stored schema version differs from `version` or its tables
// are missing.
// Reaches the window's `appData`, `saveUserData`, `appUtility` and the context property
// `offlineStoragePath` by name.
Item {
    id: root

    property int version: 25
    property ListModel items: ListModel {}

    function getDb() {
        var db = LocalStorage.openDatabaseSync("Filing_Db", "1.0", "Filing", 1000000)
        Query.markOpened()
        return db
    }

    // True when the stored database was built from this schema version. The flags come back
    // from the settings file, so their types are not trusted.
    function dbInited() {
        return String(appData.db_inited) === "true" && Number(appData.db_version) === version
    }

    // Every schema query picks a deal/property pair's entries out of the three thousand in
    // Relations. Not part of the seed script: a database built by an earlier run gains the index
    // when it is next opened.
    readonly property string relationsIndex:
        "CREATE INDEX IF NOT EXISTS Relations_by_pair ON Relations (DEAL_TYPE, PROPERTY_TYPE)"

    // The flags can outlive the database: its file deleted, or replaced by an empty one, while
    // the settings still say it was built. Every form query would fail until it is built again.
    // Where the four tables are there, the relations index is made sure of in the same
    // transaction (the queries still answer without it, only slower).
    function tablesReady() {
        var count = 0
        try {
            getDb().transaction(function (tx) {
                count = tx.executeSql("SELECT COUNT(*) AS n FROM sqlite_master WHERE type = 'table'"
                                      + " AND name IN ('Card', 'Row', 'Field', 'Relations')").rows.item(0).n
                if (count === 4)
                    tx.executeSql(relationsIndex)
            })
        } catch (err) {
            console.log("Cannot read or index the schema database: " + err)
        }
        return count === 4
    }

    function init() {
        if (dbInited() && tablesReady())
            return
        try {
            // Once this process holds a connection, deleting the file would only unlink it and
            // the new schema would be written to a file that is gone at the next start.
            if (!Query.isOpened())
                appUtility.deleteDbFile(offlineStoragePath)
            var statements = query.baseQuery.split(";")
            getDb().transaction(function (tx) {
                // Local storage commits what ran before an exception in this callback, so a
                // failed build is rolled back here: the schema is either complete or absent.
                try {
                    // Whatever survived the deletion (an open connection, a file that could
                    // not be removed) would make the plain inserts fail.
                    tx.executeSql("DROP TABLE IF EXISTS Row")
                    tx.executeSql("DROP TABLE IF EXISTS Relations")
                    tx.executeSql("DROP TABLE IF EXISTS Field")
                    tx.executeSql("DROP TABLE IF EXISTS Card")
                    for (var i = 0; i < statements.length; ++i) {
                        if (statements[i].length > 0)
                            tx.executeSql(statements[i])
                    }
                    tx.executeSql(relationsIndex)
                } catch (error) {
                    tx.executeSql("ROLLBACK")
                    throw error
                }
            })
            appData.db_version = version
            appData.db_inited = true
            saveUserData()
        } catch (err) {
            console.log("Error creating table in database: " + err)
        }
    }

    Component.onCompleted: init()

    BaseQuery {
        id: query
    }
}
