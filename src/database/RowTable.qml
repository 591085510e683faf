import QtQuick 2.15
import "Query.js" as Query

// Rows of the listing form's sections.
Database {
    id: root

    property var list: []

    function getRows(cardId, dealType, propertyType) {
        try {
            list = Query.select(getDb(), "SELECT DISTINCT Row._id,Row.CARD_ID,TYPE,SINGLE_SELECT FROM Row join Relations on Row._id = Relations.ROW_ID where "
                                + "Relations.PROPERTY_TYPE = " + propertyType + " AND Relations.DEAL_TYPE=" + dealType
                                + " AND Relations.CARD_ID=" + cardId, Query.row)
            return list
        } catch (err) {
            console.log("RowTable.getRows: " + err)
            return false
        }
    }

    // The filter form offers the same rows as the listing form.
    function getSearchRows(cardId, dealType, propertyType) {
        return getRows(cardId, dealType, propertyType)
    }

    function getById(id) {
        try {
            list = Query.select(getDb(), "SELECT * FROM Row WHERE _id=" + id, Query.row)
            return list[0]
        } catch (err) {
            console.log("RowTable.getById: " + err)
            return false
        }
    }
}
