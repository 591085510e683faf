import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../dialogs"
import "../items"
import "../database"
import "../scripts/Request.js" as Api
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/FileFilters.js" as FileFilters

// The advanced filter of the file list, built from the form schema of the chosen deal and property
// type: text and range inputs, option toggles and the parking stepper, beside the zone, the file's
// state and its registration date. Edits `resultFilters` (the list hands over a copy of its own)
// and hands them back through `filterClosed` only when the changes are applied.
Item {
    id: filterPage

    // The schema, for the search cards.
    readonly property alias rowTable: rowTable
    readonly property alias fieldTable: fieldTable
    property var resultFilters: []
    property int dealType: -1
    property int propertyType: -1
    property var zones: []
    // The last text input made, whose Tab key leads to the next one.
    property var prevInput: null
    property string startDateTitle: "از تاریخ"
    property string endDateTitle: "تا تاریخ"

    readonly property bool typesChosen: dealType > 0 && propertyType > 0
    readonly property string choosePrompt: "انتخاب کنید"

    signal filterClosed(var filters)

    function getZones() {
        filterPage.forceActiveFocus()
        Qt.inputMethod.hide()
        Api.searchZones(function (list) {
            zones = list
        })
    }

    function init() {
        restoreFixedSections()
        if (!typesChosen)
            return
        var cards = cardTable.getSearchCards(dealType, propertyType) || []
        for (var i = 0; i < cards.length; ++i) {
            if (i === 0)
                addInputFilters(cards[i])
            else
                cardSection.createObject(cardsColumn, { card: cards[i] })
        }
    }

    // The first search card: its first row's fields as text or range inputs.
    function addInputFilters(card) {
        var rows = rowTable.getSearchRows(card._id, dealType, propertyType) || []
        if (rows.length === 0)
            return
        var fields = fieldTable.getSearchFields(rows[0]._id, card._id, dealType, propertyType) || []
        for (var i = 0; i < fields.length; ++i) {
            if (fields[i].filterState === 1)
                textSection.createObject(inputFlow, { field: fields[i] })
            else if (fields[i].filterState === 2)
                rangeSection.createObject(inputFlow, { field: fields[i] })
        }
    }

    // Chains a new input into the Tab order.
    function chain(appInput) {
        if (prevInput)
            prevInput.tabItem = appInput.input
        prevInput = appInput
    }

    function findFilter(filterType) {
        return FileFilters.findFilter(resultFilters, filterType)
    }

    function findByFilter(filter) {
        return FileFilters.findByFilter(resultFilters, filter)
    }

    function toggleIndexByCard(card) {
        return FileFilters.toggleIndexByCard(resultFilters, card)
    }

    function toggleIndexInsideCard(card, item) {
        var index = toggleIndexByCard(card)
        return index < 0 ? -1 : FileFilters.toggleIndexInsideCard(resultFilters[index], item)
    }

    function toggleIndex(item) {
        return FileFilters.toggleIndex(resultFilters, item)
    }

    function addToggle(card, item) {
        FileFilters.addToggle(resultFilters, card, item)
    }

    function removeToggle(card, item) {
        FileFilters.removeToggle(resultFilters, card, item)
    }

    function chooseZone(zone) {
        FileFilters.replace(resultFilters, { type: "zone", zone: { _id: zone._id, title: zone.title } })
        zoneButton.text = zone.title
        zoneDialog.dismiss()
    }

    // A parameter combo's choice: `type` names both the record and its inner object.
    function chooseParameter(type, model, index) {
        if (index < 0)
            return
        var entry = model.get(index)
        var record = { type: type }
        record[type] = { title: entry.title, status: entry.status, index: index }
        FileFilters.replace(resultFilters, record)
    }

    // `which`: "startDate" or "endDate"; `date`: the Jalali [year, month, day] picked. The bounds
    // take in the whole of the first and the last day.
    function pickDate(which, date) {
        var title = DateUtility.formatDate(date[0], date[1], date[2], true)
        var value = which === "startDate" ? FileFilters.dayStart(date[0], date[1], date[2])
                                          : FileFilters.dayEnd(date[0], date[1], date[2])
        var index = findFilter("fileDate")
        if (index < 0) {
            resultFilters.push({ type: "fileDate" })
            index = resultFilters.length - 1
        }
        resultFilters[index][which] = { title: title, value: value }
        showDates()
    }

    function showDates() {
        var index = findFilter("fileDate")
        var record = index >= 0 ? resultFilters[index] : {}
        startDateTitle = "از تاریخ" + (record.startDate ? " : " + record.startDate.title : "")
        endDateTitle = "تا تاریخ" + (record.endDate ? " : " + record.endDate.title : "")
    }

    function restoreFixedSections() {
        var zone = findFilter("zone")
        if (zone >= 0)
            zoneButton.text = resultFilters[zone].zone.title
        var combos = [[dealStatusCombo, "dealStatus"], [fileStatusCombo, "fileStatus"], [fileModelCombo, "fileModel"]]
        for (var i = 0; i < combos.length; ++i) {
            var index = findFilter(combos[i][1])
            if (index < 0)
                continue
            var chosen = resultFilters[index][combos[i][1]]
            combos[i][0].currentIndex = chosen.index
            combos[i][0].displayText = chosen.title
        }
        showDates()
    }

    function close() {
        if (filterPage.StackView.view)
            filterPage.StackView.view.pop()
    }

    function apply() {
        filterClosed(resultFilters)
        close()
    }

    Component.onCompleted: {
        // The schema tables complete after this page may: make sure the schema is there first.
        cardTable.init()
        init()
        getZones()
    }

    CardTable { id: cardTable }
    RowTable { id: rowTable }
    FieldTable { id: fieldTable }

    ListModel {
        id: dealStatusModel

        ListElement { title: "فایل موجود"; status: "available" }
        ListElement { title: "معامله شده"; status: "done" }
        ListElement { title: "کنسل شده"; status: "cancelled" }
    }

    ListModel {
        id: fileStatusModel

        ListElement { title: "فقط بایگانی ها"; status: -1 }
        ListElement { title: "فقط حذف شده ها"; status: -2 }
        ListElement { title: "فقط وضعیت عادی"; status: 2 }
    }

    ListModel {
        id: fileModelModel

        ListElement { title: "فقط فایل های شخصی"; status: "mine" }
        ListElement { title: "فقط فایل های مخفی"; status: "hide" }
        ListElement { title: "فقط فایل های سیستمی"; status: "system" }
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    Flickable {
        id: flick

        objectName: "filterFlick"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: buttons.top
        anchors.margins: 10
        contentHeight: sections.height
        clip: true
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: sections

            width: flick.width
            spacing: 10

            Rectangle {
                width: parent.width
                height: fixedRow.height + 24
                radius: 10
                color: Colors.white

                Row {
                    id: fixedRow

                    anchors.centerIn: parent
                    width: parent.width - 28
                    spacing: 20

                    Column {
                        width: (fixedRow.width - 2 * fixedRow.spacing) * 0.25
                        spacing: 8

                        IranSansText {
                            topPadding: 0
                            text: "منطقه فایل"
                            font.bold: true
                            textColor: Colors.text
                        }

                        AppButton {
                            id: zoneButton

                            objectName: "zoneButton"
                            width: parent.width
                            height: 34
                            radius: 5
                            color: Colors.primary
                            hasIcon: false
                            text: filterPage.choosePrompt
                            onClicked: zoneDialog.initial()
                        }
                    }

                    Column {
                        width: (fixedRow.width - 2 * fixedRow.spacing) * 0.45
                        spacing: 8

                        IranSansText {
                            topPadding: 0
                            text: "وضعیت فایل"
                            font.bold: true
                            textColor: Colors.text
                        }

                        Row {
                            width: parent.width
                            spacing: 8

                            Repeater {
                                model: [
                                    { title: "وضعیت معامله", type: "dealStatus" },
                                    { title: "وضعیت فایل", type: "fileStatus" },
                                    { title: "نوع فایل", type: "fileModel" }
                                ]

                                Column {
                                    width: (parent.width - 16) / 3
                                    spacing: 4

                                    IranSansText {
                                        topPadding: 0
                                        text: modelData.title
                                        textSize: Utility.TextSize.small
                                        textColor: Colors.darkGrey
                                    }
                                }
                            }
                        }

                        Row {
                            width: parent.width
                            height: 34
                            spacing: 8

                            Item {
                                width: (parent.width - 16) / 3
                                height: parent.height

                                AppComboBox {
                                    id: dealStatusCombo

                                    objectName: "dealStatusCombo"
                                    model: dealStatusModel
                                    currentIndex: -1
                                    displayText: filterPage.choosePrompt
                                    onActivated: filterPage.chooseParameter("dealStatus", dealStatusModel, index)
                                }
                            }

                            Item {
                                width: (parent.width - 16) / 3
                                height: parent.height

                                AppComboBox {
                                    id: fileStatusCombo

                                    objectName: "fileStatusCombo"
                                    model: fileStatusModel
                                    currentIndex: -1
                                    displayText: filterPage.choosePrompt
                                    onActivated: filterPage.chooseParameter("fileStatus", fileStatusModel, index)
                                }
                            }

                            Item {
                                width: (parent.width - 16) / 3
                                height: parent.height

                                AppComboBox {
                                    id: fileModelCombo

                                    objectName: "fileModelCombo"
                                    model: fileModelModel
                                    currentIndex: -1
                                    displayText: filterPage.choosePrompt
                                    onActivated: filterPage.chooseParameter("fileModel", fileModelModel, index)
                                }
                            }
                        }
                    }

                    Column {
                        width: (fixedRow.width - 2 * fixedRow.spacing) * 0.3
                        spacing: 8

                        IranSansText {
                            topPadding: 0
                            text: "تاریخ ثبت فایل"
                            font.bold: true
                            textColor: Colors.text
                        }

                        Row {
                            width: parent.width
                            spacing: 8

                            Rectangle {
                                objectName: "startDateField"
                                width: (parent.width - 8) / 2
                                height: 34
                                radius: 5
                                color: Colors.field

                                IranSansText {
                                    anchors.centerIn: parent
                                    width: parent.width - 10
                                    topPadding: 0
                                    text: filterPage.startDateTitle
                                    textColor: Colors.fieldText
                                    horizontalAlignment: Text.AlignHCenter
                                    elide: Text.ElideRight
                                }

                                MouseArea {
                                    anchors.fill: parent
                                    onClicked: dateDrawer.pick("startDate")
                                }
                            }

                            Rectangle {
                                objectName: "endDateField"
                                width: (parent.width - 8) / 2
                                height: 34
                                radius: 5
                                color: Colors.field

                                IranSansText {
                                    anchors.centerIn: parent
                                    width: parent.width - 10
                                    topPadding: 0
                                    text: filterPage.endDateTitle
                                    textColor: Colors.fieldText
                                    horizontalAlignment: Text.AlignHCenter
                                    elide: Text.ElideRight
                                }

                                MouseArea {
                                    anchors.fill: parent
                                    onClicked: dateDrawer.pick("endDate")
                                }
                            }
                        }
                    }
                }
            }

            Rectangle {
                objectName: "typesOverlay"
                width: parent.width
                height: 120
                radius: 10
                visible: !filterPage.typesChosen
                color: Colors.lightBlue

                IranSansText {
                    anchors.centerIn: parent
                    text: "جهت انتخاب فیلتر های بیشتر \nابتدا نوع ملک و معامله را انتخاب نمایید"
                    textSize: Utility.TextSize.large
                    font.bold: true
                    textColor: Colors.fieldText
                    horizontalAlignment: Text.AlignHCenter
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: filterPage.close()
                }
            }

            Rectangle {
                width: parent.width
                height: inputFlow.height + 24
                radius: 10
                visible: inputFlow.children.length > 0
                color: Colors.white

                Flow {
                    id: inputFlow

                    objectName: "inputFlow"
                    anchors.centerIn: parent
                    width: parent.width - 28
                    spacing: 14
                }
            }

            Column {
                id: cardsColumn

                objectName: "cardsColumn"
                width: parent.width
                spacing: 10
            }
        }
    }

    Row {
        id: buttons

        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 14

        AppButton {
            objectName: "applyButton"
            width: 220
            height: 38
            radius: 6
            color: Colors.primary
            hasIcon: false
            text: "اعمال تغییرات"
            onClicked: filterPage.apply()
        }

        AppButton {
            objectName: "cancelButton"
            width: 220
            height: 38
            radius: 6
            color: Colors.coolRed
            hasIcon: false
            text: "انصراف"
            onClicked: filterPage.close()
        }
    }

    SearchDialog {
        id: zoneDialog

        objectName: "zoneDialog"
        dialogTitle: "انتخاب منطقه فایل"
        items: filterPage.zones
        onSelected: filterPage.chooseZone(item)
    }

    Drawer {
        id: dateDrawer

        objectName: "dateDrawer"
        property string which: "startDate"

        // Opens on the month of the day chosen for this bound before, else on today.
        function pick(bound) {
            which = bound
            var index = filterPage.findFilter("fileDate")
            var chosen = index >= 0 ? filterPage.resultFilters[index][bound] : null
            var day = chosen ? String(chosen.title).split("/").map(Number) : []
            calendar.currentDate = day.length === 3 && !isNaN(day[0] + day[1] + day[2]) ? day : DateUtility.today()
            calendar.destroyCells()
            calendar.createCells()
            open()
        }

        edge: Qt.BottomEdge
        width: filterPage.width
        height: 420
        // Placed over the page, not the whole window.
        x: filterPage.mapToItem(null, 0, 0).x

        PersianCalendar {
            id: calendar

            objectName: "calendar"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.top
            anchors.topMargin: 10
            calWidth: Math.min(dateDrawer.width - 40, 520)
            onDateSelected: {
                filterPage.pickDate(dateDrawer.which, currentDate)
                dateDrawer.close()
            }
            onClosed: dateDrawer.close()
        }
    }

    // --- sections made from the schema ---------------------------------------------------------

    Component {
        id: textSection

        FilterTextItem {
            page: filterPage
            width: (inputFlow.width - 3 * inputFlow.spacing) / 4
        }
    }

    Component {
        id: rangeSection

        FilterRangeItem {
            page: filterPage
            width: (inputFlow.width - 3 * inputFlow.spacing) / 4
        }
    }

    Component {
        id: cardSection

        FilterCardItem {
            page: filterPage
            width: cardsColumn.width
        }
    }
}
