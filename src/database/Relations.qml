import QtQuick 2.15

// The (deal type, property type) entries that tie sections, rows and fields into forms. Read
// through the joins of the other tables; this element only brings the database up.
Database {
    property var list: []
}
