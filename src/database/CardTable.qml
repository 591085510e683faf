import QtQuick 2.15
import "Query.js" as Query

// Sections of the listing form.
Database {
    id: root

    property var list: []

    function getCards(dealType, propertyType) {
        try {
            list = Query.select(getDb(), "SELECT DISTINCT Card._id,TITLE,STEPPER,STEPPER_TITLE,STEPPER_ID FROM Card join Relations on Card._id = Relations.CARD_ID where "
                                + "Relations.PROPERTY_TYPE = " + propertyType + " AND Relations.DEAL_TYPE=" + dealType
                                + " ORDER BY Card._id ASC", Query.card)
            return list
        } catch (err) {
            console.log("CardTable.getCards: " + err)
            return false
        }
    }

    function getSearchCards(dealType, propertyType) {
        try {
            list = Query.select(getDb(), "SELECT DISTINCT Card._id,TITLE,STEPPER,STEPPER_TITLE,STEPPER_ID FROM Card join Relations on Card._id = Relations.CARD_ID where "
                                + "Relations.PROPERTY_TYPE = " + propertyType + " AND Relations.DEAL_TYPE=" + dealType
                                + " AND Card.SEARCH_NECESSARY=1 ORDER BY Card._id ASC", Query.card)
            return list
        } catch (err) {
            console.log("CardTable.getSearchCards: " + err)
            return false
        }
    }

    function getById(id) {
        try {
            list = Query.select(getDb(), "SELECT * FROM Card WHERE Card._id=" + id, Query.card)
            return list[0]
        } catch (err) {
            console.log("CardTable.getById: " + err)
            return false
        }
    }
}
