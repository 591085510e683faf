import QtQuick 2.15
import "Query.js" as Query

// Options and inputs of the listing form's rows. `cardId` is taken for symmetry with the other
// tables; a row belongs to one section, so the row alone selects the fields.
Database {
    id: root

    property var list: []

    function getFields(rowId, cardId, dealType, propertyType) {
        try {
            list = Query.select(getDb(), "SELECT DISTINCT Field._id,TITLE,TYPE,Field.ROW_ID,ATTACHED_ROW,HAS_ATTACHED,"
                                + "FIELD_NAME,INPUT_TYPE,CURRENCY,MAX_LENGTH,"
                                + "SINGLE_LINE,REQUESTED_NAME FROM Field join Relations on Field._id = Relations.FIELD_ID where "
                                + "Relations.PROPERTY_TYPE = " + propertyType + " AND Relations.DEAL_TYPE=" + dealType
                                + " AND Relations.ROW_ID=" + rowId + " ORDER BY IFNULL(FIELD_ORDER,Field._id) ASC",
                                function (item) { return Query.formField(item, dealType) })
            return list
        } catch (err) {
            console.log("FieldTable.getFields: " + err)
            return false
        }
    }

    function getSearchFields(rowId, cardId, dealType, propertyType) {
        try {
            list = Query.select(getDb(), "SELECT DISTINCT Field._id,TITLE,TYPE,Field.ROW_ID,ATTACHED_ROW,HAS_ATTACHED,FILTER_STATE,"
                                + "FIELD_NAME,INPUT_TYPE,CURRENCY,MAX_LENGTH,"
                                + "SINGLE_LINE,REQUESTED_NAME FROM Field join Relations on Field._id = Relations.FIELD_ID where "
                                + "Relations.PROPERTY_TYPE = " + propertyType + " AND Relations.DEAL_TYPE=" + dealType
                                + " AND Relations.ROW_ID=" + rowId + " AND Field.SEARCH_NECESSARY=1",
                                function (item) { return Query.formField(item, dealType) })
            return list
        } catch (err) {
            console.log("FieldTable.getSearchFields: " + err)
            return false
        }
    }

    // The attribute keys a deal/property pair's form can hold, those of its attached rows included.
    function getFormFieldNames(dealType, propertyType) {
        try {
            list = Query.select(getDb(), "SELECT DISTINCT FIELD_NAME FROM Field join Relations on Field._id = Relations.FIELD_ID where "
                                + "Relations.PROPERTY_TYPE = " + propertyType + " AND Relations.DEAL_TYPE=" + dealType,
                                function (item) { return item.FIELD_NAME })
            return list
        } catch (err) {
            console.log("FieldTable.getFormFieldNames: " + err)
            return false
        }
    }

    function getById(id) {
        try {
            list = Query.select(getDb(), "SELECT * FROM Field WHERE _id=" + id,
                                function (item) { return Query.fieldRecord(item, item.TITLE) })
            return list[0]
        } catch (err) {
            console.log("FieldTable.getById: " + err)
            return false
        }
    }

    function getByFieldName(id, dealType) {
        try {
            list = Query.select(getDb(), "SELECT * FROM Field WHERE FIELD_NAME='" + id + "'",
                                function (item) { return Query.fieldRecord(item, Query.fieldTitle(item, dealType)) })
            return list[0]
        } catch (err) {
            console.log("FieldTable.getByFieldName: " + err)
            return false
        }
    }
}
