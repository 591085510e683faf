import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../dialogs"
import "../database"
import "../scripts/Request.js" as Api
import "../scripts/FileForm.js" as FileForm
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The step-by-step listing form that registers a new file (`FileAdd`) and changes a stored one
// (`FileEdit`): deal type, property type, the general section, the detail sections and the end
// section, each built from the schema for the chosen pair. Entered values live in `inputs` and
// `toggles` and survive going back; what is sent holds only the keys of the chosen pair's form.
Rectangle {
    id: root

    // Set by the edit page: the record comes from `fileItem` and is updated instead of created.
    property bool editing: false
    property int initial: -1
    property var dealType: initial
    property var propertyType: initial
    property bool dealDone: false
    property bool propertyDone: false
    property bool generalDone: false
    property bool detailDone: false
    // "deal", "property", "general", "detail" or "end".
    property string step: ""
    property string dealTitle: ""
    property string propertyTitle: ""
    property var inputs: []
    property var toggles: []
    property var zones: []
    property var selectedZone: null
    property var selectedLocation: defaultLocation()
    property var selectedDate: null
    property string dateString: "----/--/--"
    property string dealStatus: ""
    property bool archive: false
    property alias imageModel: imageModel
    property var totalPrice: null
    property var pricePerMeter: null
    property var lengthItem: null
    property bool handCodeing: false
    property var fileItem: null
    // The sections shown: {card, dealType, propertyType} for each card of the current step.
    property var sections: []

    readonly property bool busy: saver.busy
    readonly property alias uploadNotice: saver.uploadNotice
    readonly property alias utility: saver.utility
    // Set while sections are being made: restoring their values is not an edit.
    property bool building: false
    // Answers that arrive after the page has gone are dropped (see `whileAlive`).
    property var life: ({ alive: true })

    property alias cardTable: cardTable
    property alias rowTable: rowTable
    property alias fieldTable: fieldTable
    property alias flickable: flickable
    readonly property alias zoneDialog: pickers.zoneDialog
    readonly property alias datePicker: pickers.datePicker
    readonly property alias imageDialog: pickers.imageDialog

    readonly property string dealCaption: "نوع معـــامله"
    readonly property string propertyCaption: "نوع مــــلک"
    readonly property string addedText: "فایل مورد نظر با موفقیت ثبت شد"
    readonly property string editedText: "فایل مورد نظر با موفقیت ویرایش شد"
    readonly property string notFoundText: "فایل مورد نظر یافت نشد"
    readonly property string uploadFailedText: "ارسال تصویر با خطا مواجه شد؛ لطفا لحظاتی بعد مجدد تلاش نمایید"

    signal edited()

    function whileAlive(callback) {
        var state = life
        return function () {
            if (state.alive)
                callback.apply(null, arguments)
        }
    }

    function defaultLocation() {
        return { latitude: 36.29864726275437, longitude: 59.606661774145834 }
    }

    function isApplicant() {
        return initial === -2
    }

    function typeTitle(id) {
        var field = fieldTable.getById(id)
        return field ? field.title : ""
    }

    // --- steps -----------------------------------------------------------------------------

    function setDealType(id) {
        dealType = id
        dealTitle = id === initial ? "" : typeTitle(id)
        dealDone = id !== initial
        setPropertyType(initial)
    }

    function setPropertyType(id) {
        propertyType = id
        propertyTitle = id === initial ? "" : typeTitle(id)
        propertyDone = id !== initial
        generalDone = false
        detailDone = false
    }

    function clearList() {
        sections = []
        step = ""
        lengthItem = null
        pricePerMeter = null
        totalPrice = null
        flickable.contentY = 0
    }

    function show(stepName, cards, deal, kind) {
        building = true
        step = stepName
        sections = (cards || []).map(function (card) { return { card: card, dealType: deal, propertyType: kind } })
        building = false
        chainTabs()
    }

    function addDeal() {
        clearList()
        setDealType(initial)
        show("deal", cardTable.getCards(initial, initial), initial, initial)
    }

    function chooseDeal(id) {
        setDealType(id)
        if (id !== initial)
            addProperty()
    }

    function addProperty() {
        clearList()
        setPropertyType(initial)
        show("property", cardTable.getCards(dealType, initial), dealType, initial)
    }

    function chooseProperty(id) {
        setPropertyType(id)
        if (id !== initial)
            addGeneralCard()
    }

    function addGeneralCard() {
        clearList()
        generalDone = false
        detailDone = false
        var cards = cardTable.getCards(dealType, propertyType) || []
        show("general", cards.slice(0, 1), dealType, propertyType)
    }

    function addCard() {
        clearList()
        detailDone = false
        var cards = cardTable.getCards(dealType, propertyType) || []
        show("detail", cards.slice(1), dealType, propertyType)
    }

    function addEndCard() {
        clearList()
        if (selectedDate === null && !editing)
            selectedDate = new Date().getTime()
        if (selectedDate !== null) {
            datePicker.selectedDate = selectedDate
            dateString = datePicker.getJalaliDateString(true)
        }
        show("end", [], dealType, propertyType)
    }

    // A step marker: back to the deal type, the property type, the general or the detail step.
    function openStep(index) {
        if (busy)
            return
        [addDeal, addProperty, addGeneralCard, addCard][index]()
    }

    // "ادامه" and Ctrl+Space.
    function next() {
        if (busy)
            return
        if (step === "general") {
            if (!FileForm.hasValue(inputs, "name_family") || !FileForm.hasValue(inputs, "mobile")) {
                toast.show("ورود نام و شماره همراه " + (dealType > 4 ? "متقاضی" : "مالک") + " ضروری است",
                           toast.durationLong)
                return
            }
            if (dealType < 5 && (!FileForm.hasValue(inputs, "address") || !FileForm.hasValue(inputs, "district")))
                toast.show("ثبت آدرس و محله یا خیابان اصلی فراموش شده است", toast.durationLong)
            generalDone = true
            addCard()
        } else if (step === "detail") {
            detailDone = true
            addEndCard()
        } else if (step === "end") {
            insert()
        }
    }

    // Every input of the step, in the order shown, tabs to the next one.
    function chainTabs() {
        var found = []
        collectInputs(mainContent, found)
        for (var i = 0; i + 1 < found.length; ++i)
            found[i].editor.tabItem = found[i + 1].editor.input
    }

    function collectInputs(item, found) {
        if (item.formField !== undefined && item.editor)
            found.push(item)
        for (var i = 0; i < item.children.length; ++i)
            collectInputs(item.children[i], found)
    }

    // --- options and inputs --------------------------------------------------------------------

    function toggleIndex(item) {
        return FileForm.indexOfKey(toggles, "fieldName", item.fieldName)
    }

    function addToggle(item) {
        if (toggleIndex(item) >= 0)
            return
        toggles = toggles.concat([FileForm.toggleRecord(item)])
    }

    function removeToggle(item) {
        toggles = FileForm.withoutKey(toggles, "fieldName", item.fieldName)
    }

    function isSelected(field) {
        if (step === "deal")
            return field._id === dealType
        if (step === "property")
            return field._id === propertyType
        return toggleIndex(field) >= 0
    }

    function fieldClicked(field) {
        if (busy)
            return
        if (field._id >= 100) {
            if (toggleIndex(field) >= 0)
                removeToggle(field)
            else
                addToggle(field)
        } else if (step === "deal") {
            chooseDeal(field._id)
        } else if (step === "property") {
            chooseProperty(field._id)
        }
    }

    function getInputIndex(item) {
        return FileForm.indexOfKey(inputs, "key", item.fieldName)
    }

    function addInput(item, value) {
        inputs = FileForm.withoutKey(inputs, "key", item.fieldName).concat([{ key: item.fieldName, value: value }])
    }

    function removeInput(item) {
        inputs = FileForm.withoutKey(inputs, "key", item.fieldName)
    }

    function inputText(key) {
        var index = getInputIndex({ fieldName: key })
        return index >= 0 ? String(inputs[index].value) : ""
    }

    // A section's input was made: the calculator keeps the size, price-per-metre and total inputs.
    function inputCreated(formInput) {
        var key = formInput.field.fieldName
        if (key === FileForm.sizeKey(propertyType))
            lengthItem = formInput
        else if (key === "price_meter")
            pricePerMeter = formInput
        else if (key === "price")
            totalPrice = formInput
    }

    function inputEdited(formInput) {
        if (building)
            return
        var text = formInput.editor.getText()
        if (text === "")
            removeInput(formInput.field)
        else
            addInput(formInput.field, text)
        if (dealType !== 1 && dealType !== 4)
            return
        if (formInput === lengthItem)
            calculatePrice("length")
        else if (formInput === pricePerMeter)
            calculatePrice("ppm")
        else if (formInput === totalPrice)
            calculatePrice("price")
    }

    function stepperField(stepperId) {
        return fieldTable.getById(stepperId) || null
    }

    function stepperChanged(stepperId, value) {
        if (building)
            return
        var field = stepperField(stepperId)
        if (!field)
            return
        if (String(value) === "")
            removeInput(field)
        else
            addInput(field, String(value))
    }

    // The currency inputs show grouped text; the amounts are read as the inputs hand them on.
    function calculatePrice(type) {
        if (handCodeing)
            return
        try {
            var amount = function (formInput) { return formInput ? FileForm.readAmount(formInput.editor.getText()) : 0 }
            var targets = { "ppm": pricePerMeter, "price": totalPrice, "length": lengthItem }
            var result = FileForm.calculate(type, amount(lengthItem), amount(pricePerMeter), amount(totalPrice))
            if (!result || !targets[result.target])
                return
            var target = targets[result.target]
            // A longer number would be cut by the input into another one.
            var limit = target.field.maxLength
            if (limit > 0 && result.text.length > limit)
                return
            handCodeing = true
            target.editor.text = result.text
        } catch (error) {
            console.log("calculatePrice " + type + ": " + error)
        }
        handCodeing = false
    }

    // --- end section ---------------------------------------------------------------------------

    // Loaded behind the form, without the busy notice: the zones are needed only at its end, and
    // the notice would hold back the window's shortcuts while the page opens.
    function getZones() {
        Api.searchZones(whileAlive(function (list) {
            zones = list
        }), null, false)
    }

    function openMap() {
        var view = root.StackView.view
        var page = view.push(Qt.resolvedUrl("Map.qml"))
        var answered = false
        page.mapClosed.connect(function (coord) {
            if (answered)
                return
            answered = true
            if (coord)
                selectedLocation = { latitude: coord.latitude, longitude: coord.longitude }
            if (view.currentItem === page)
                view.pop()
        })
    }

    function locationText() {
        if (!selectedLocation || typeof selectedLocation.latitude !== "number")
            return "انتخاب کنید"
        return FileForm.formatNumber(selectedLocation.latitude) + " , " + FileForm.formatNumber(selectedLocation.longitude)
    }

    function openDate() {
        pickers.openDate()
    }

    function modelUrls() {
        var urls = []
        for (var i = 0; i < imageModel.count; ++i)
            urls.push(imageModel.get(i).url)
        return urls
    }

    // --- storing: see FileSaver -----------------------------------------------------------------

    function insert() {
        saver.insert()
    }

    function addImage(fileId, index) {
        saver.addImage(fileId, index)
    }

    function deleteImages() {
        saver.deleteImages()
    }

    // Everything is stored: a new file begins. Date, deal status and archive flag stay.
    function finishAdd() {
        inputs = []
        toggles = []
        selectedZone = null
        selectedLocation = defaultLocation()
        imageModel.clear()
        saver.reset()
        addDeal()
        toast.show(addedText, toast.durationLong)
    }

    function finishEdit() {
        saver.uploadNotice = ""
        toast.show(editedText, toast.durationLong)
        edited()
        closePage()
    }

    // --- edit --------------------------------------------------------------------------------

    function loadFile() {
        var id = fileItem ? fileItem._id : undefined
        if (id === undefined) {
            toast.show(notFoundText, toast.durationLong)
            closePage()
            return
        }
        Api.sendJsonRequestV2("POST", userData.systemRole + "/propertyFiles/searchMyPropertyFiles", whileAlive(function (result) {
            var record = FileForm.findRecord(result && result.propertyFiles ? result.propertyFiles.data : [], id)
            if (!record) {
                toast.show(notFoundText, toast.durationLong)
                closePage()
                return
            }
            fileItem = record
            initFile()
        }), function () {}, { _id: id, page: 1, count: 100, condition: true, searchOperator: "and" })
    }

    function initFile() {
        initial = fileItem.dealType < 5 ? -1 : -2
        dealType = fileItem.dealType
        dealTitle = typeTitle(dealType)
        propertyType = fileItem.propertyType
        propertyTitle = typeTitle(propertyType)
        archive = fileItem.status === -1
        dealStatus = fileItem.dealStatus ? String(fileItem.dealStatus) : ""
        var restored = FileForm.restore(fileItem.attrs)
        inputs = restored.inputs
        toggles = restored.toggles
        selectedZone = fileItem.area && fileItem.area._id ? { _id: fileItem.area._id, title: fileItem.area.title } : null
        selectedDate = typeof fileItem.fileDateUnix === "number" ? fileItem.fileDateUnix : null
        selectedLocation = typeof fileItem.latitude === "number" && typeof fileItem.longitude === "number"
                ? { latitude: fileItem.latitude, longitude: fileItem.longitude } : null
        imageModel.clear()
        var stored = FileForm.storedImages(fileItem.images)
        for (var i = 0; i < stored.length; ++i)
            imageModel.append({ url: appData.fileImagesUrl + stored[i] })
        dealDone = true
        propertyDone = true
        generalDone = true
        detailDone = true
        addEndCard()
    }

    function closePage() {
        var view = root.StackView.view
        if (!view || view.currentItem !== root)
            return
        if (view.depth > 1)
            view.pop()
        else
            view.clear()
    }

    color: Colors.grey

    Component.onCompleted: {
        // The tables' own start may come after this one: the schema is there before it is read.
        cardTable.init()
        getZones()
        if (editing)
            loadFile()
        else
            addDeal()
    }
    Component.onDestruction: {
        life.alive = false
        // Leaving in the middle of the uploads: their notice must not stay behind.
        if (saver.uploading)
            dialogLoading.dismiss()
    }

    // An answer the request layer cannot read calls neither callback; the notice it takes down
    // still ends the request, so that the form does not stay locked.
    Connections {
        target: dialogLoading

        function onDismissed() {
            saver.requestRunning = false
        }
    }

    Shortcut {
        sequence: "Ctrl+Space"
        enabled: root.visible
        onActivated: root.next()
    }

    CardTable { id: cardTable }
    RowTable { id: rowTable }
    FieldTable { id: fieldTable }

    ListModel {
        id: imageModel
    }

    FileSaver {
        id: saver

        form: root
    }

    BackHeader {
        id: header

        objectName: "editHeader"
        anchors.top: parent.top
        width: parent.width
        height: root.editing ? 56 : 0
        visible: root.editing
        ruled: false
        title: "ویرایش فایل"
        onBackClicked: {
            if (!root.busy)
                root.closePage()
        }
    }

    FormStepBar {
        id: stepBar

        anchors.top: header.bottom
        width: parent.width
        titles: [root.dealTitle !== "" ? root.dealTitle : root.dealCaption,
                 root.propertyTitle !== "" ? root.propertyTitle : root.propertyCaption,
                 "مشخصات عمومی", "جزئیات ملک", "تکمیل اطلاعات"]
        done: [root.dealDone, root.propertyDone, root.generalDone, root.detailDone, false]
        current: ["deal", "property", "general", "detail", "end"].indexOf(root.step)
        onStepClicked: root.openStep(index)
    }

    Flickable {
        id: flickable

        objectName: "formFlickable"
        anchors.top: stepBar.bottom
        anchors.bottom: actionBar.top
        width: parent.width
        contentWidth: width
        contentHeight: mainContent.height + 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: mainContent

            objectName: "mainContent"
            x: 20
            y: 20
            width: flickable.width - 40
            spacing: 15

            Repeater {
                model: root.sections

                delegate: FormCardItem {
                    width: mainContent.width
                    form: root
                    card: modelData.card
                    dealType: modelData.dealType
                    propertyType: modelData.propertyType
                }
            }

            Loader {
                width: mainContent.width
                active: root.step === "end"
                sourceComponent: FormEndItem {
                    form: root
                }
            }
        }
    }

    FormActionBar {
        id: actionBar

        anchors.bottom: parent.bottom
        width: parent.width
        showsContinue: root.propertyType > root.initial && !root.detailDone
        showsRegister: root.detailDone
        registerEnabled: !root.busy
        onContinueClicked: root.next()
        onRegisterClicked: root.insert()
    }

    // Nothing on the form changes while it is being stored.
    MouseArea {
        objectName: "busyShield"
        anchors.fill: parent
        visible: root.busy
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    FormPickers {
        id: pickers

        form: root
    }
}
