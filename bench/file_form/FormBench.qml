import QtQuick 2.15
import QtQuick.Controls 2.15
import AppUtility 1.0
import "qrc:/src/dialogs"
import "qrc:/src/pages"

// Stands in for the main window around the listing form: the members the form and the request
// layer reach by name, and the steps and schema queries the host times one by one.
ApplicationWindow {
    id: appWindow

    property bool rightToLeft: true
    property bool isLogin: true
    property bool showLog: false
    property string apiToken: ""
    property var userData: ({ systemRole: "officeMan" })
    property var appData: ({})
    readonly property int dealType: 1
    readonly property int propertyType: 50

    function saveUserData() {}

    // The form's work for a step: what choosing the deal type, the property type, continuing and
    // continuing again do.
    function step(name) {
        if (name === "deal")
            form.addDeal()
        else if (name === "property")
            form.chooseDeal(dealType)
        else if (name === "general")
            form.chooseProperty(propertyType)
        else if (name === "detail")
            form.addCard()
        else
            form.addEndCard()
    }

    function rowQueries(cards, deal, kind) {
        var rows = 0
        for (var i = 0; i < cards.length; ++i) {
            var found = form.rowTable.getRows(cards[i]._id, deal, kind) || []
            for (var j = 0; j < found.length; ++j) {
                form.fieldTable.getFields(found[j]._id, found[j].cardId, deal, kind)
                ++rows
            }
            if (cards[i].stepper === 1)
                form.stepperField(cards[i].stepperId)
        }
        return rows
    }

    // The schema queries a step runs, alone: its sections, their rows and the rows' fields.
    function queries(name) {
        if (name === "deal")
            return rowQueries(form.cardTable.getCards(-1, -1), -1, -1)
        if (name === "property") {
            form.typeTitle(dealType)
            return rowQueries(form.cardTable.getCards(dealType, -1), dealType, -1)
        }
        var cards = form.cardTable.getCards(dealType, propertyType) || []
        if (name === "general") {
            form.typeTitle(propertyType)
            return rowQueries(cards.slice(0, 1), dealType, propertyType)
        }
        if (name === "detail")
            return rowQueries(cards.slice(1), dealType, propertyType)
        return 0
    }

    width: 1366
    height: 768
    visible: true

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    AppUtility { id: appUtility }
    Toast { id: toast }
    Loading { id: dialogLoading }
    Item { id: appStack }

    FileAdd {
        id: form

        anchors.fill: parent
    }
}
