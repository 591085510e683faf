.pragma library

// Shared by the schema elements: running a query and shaping its records.

// Whether this process has opened the schema database. Local storage keeps one connection per
// database for the life of the process, so once it is open, deleting the file on disk would only
// unlink it: later writes would land in a file nobody can open again.
var opened = false

function markOpened() {
    opened = true
}

function isOpened() {
    return opened
}

// Runs `sql` in one read/write transaction of `db` and returns its records passed through
// `convert`. Throws what the database throws.
function select(db, sql, convert) {
    var result = []
    db.transaction(function (tx) {
        var rows = tx.executeSql(sql).rows
        for (var i = 0; i < rows.length; ++i)
            result.push(convert(rows.item(i)))
    })
    return result
}

function card(item) {
    return {
        "_id": item._id,
        "title": item.TITLE,
        "stepper": item.STEPPER,
        "stepperTitle": item.STEPPER_TITLE,
        "stepperId": item.STEPPER_ID
    }
}

function row(item) {
    return {
        "_id": item._id,
        "singleSelect": item.SINGLE_SELECT,
        "type": item.TYPE,
        "cardId": item.CARD_ID
    }
}

// Applicant files (deal types above 4) use the applicant label where a field has one.
function fieldTitle(item, dealType) {
    return dealType > 4 && item.REQUESTED_NAME !== null && item.REQUESTED_NAME !== undefined
            ? item.REQUESTED_NAME : item.TITLE
}

// A field as the form lists it.
function formField(item, dealType) {
    return {
        "_id": item._id,
        "title": fieldTitle(item, dealType),
        "type": item.TYPE,
        "rowId": item.ROW_ID,
        "attachedRow": item.ATTACHED_ROW,
        "hasAttached": item.HAS_ATTACHED,
        "fieldName": item.FIELD_NAME,
        "filterState": item.FILTER_STATE,
        "inputType": item.INPUT_TYPE,
        "currency": item.CURRENCY,
        "maxLength": item.MAX_LENGTH,
        "singleLine": item.SINGLE_LINE
    }
}

// A field read on its own, with both of its labels.
function fieldRecord(item, title) {
    return {
        "_id": item._id,
        "title": title,
        "type": item.TYPE,
        "rowId": item.ROW_ID,
        "attachedRow": item.ATTACHED_ROW,
        "hasAttached": item.HAS_ATTACHED,
        "fieldName": item.FIELD_NAME,
        "requestTitle": item.REQUESTED_NAME,
        "inputType": item.INPUT_TYPE,
        "currency": item.CURRENCY,
        "maxLength": item.MAX_LENGTH,
        "singleLine": item.SINGLE_LINE
    }
}
