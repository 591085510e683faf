import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../dialogs"
import "../database"
import "../scripts/Request.js" as Api
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons
import "../scripts/FileRecord.js" as FileRecord
import "../scripts/FileFilters.js" as FileFilters

// The agency's listings: all property or applicant files, the cooperation pool, the bookmarks or
// the rent reminder, as the menu entry that opened the page says. Filters, sorts and pages them
// from the service and acts on each row. Reaches the window's and the main page's members
// (`userData`, `appData`, `toast`, `mainStack`, `selectedMenu`) by name.
Item {
    id: fileListPage

    property var query: ({ page: 1, dealType: -1 })
    property int dealType: query.dealType
    property int propertyType: noPropertyType(query.dealType)
    property string orderBy: "fileDateUnix"
    property int orderType: -1
    property var filters: []
    property alias page: pager.page
    property int limit: 20
    property alias loadMore: pager.loadMore
    property alias totalFiles: pager.total
    property alias pageInited: pager.inited
    property bool isShared: false
    property bool bookmarkOnly: false
    property bool reminder: false
    property bool strSearch: false
    // A page is on its way.
    readonly property alias loading: pager.busy

    readonly property bool isManager: userData.systemRole === "officeMan"
    readonly property string choosePrompt: "انتخاب کنید"
    readonly property string counterText: "نمایش " + fileModel.count + " از " + Utility.putComma(totalFiles) + " فایل"
    // Titles of schema fields by id, read once each.
    property var fieldTitles: ({})
    // The file the open dialog acts on.
    property string actionFileId: ""
    property string reportFlag: ""

    // The pseudo property type of "no choice" in the deal type's family.
    function noPropertyType(deal) {
        return deal === -2 || deal >= 5 ? -2 : -1
    }

    function fieldTitle(id) {
        var key = String(id)
        if (fieldTitles[key] === undefined) {
            var field = fieldTable.getById(Number(id))
            // A type this schema does not know still shows its row, without a title.
            fieldTitles[key] = field && field.title !== undefined && field.title !== null ? String(field.title) : ""
        }
        return fieldTitles[key]
    }

    function getFolders() {
        if (isManager) {
            initPage()
            return
        }
        Api.sendJsonRequestV2("POST", userData.systemRole + "/folders/getMyFolders", function (result) {
            initPage(result.folders)
        }, function () {}, {})
    }

    function initPage(folders) {
        dealModel.clear()
        dealModel.append({ title: choosePrompt, _id: -1 })
        dealCombo.displayText = choosePrompt
        var seen = {}
        if (isManager) {
            for (var i = 1; i <= 8; ++i)
                addDealEntry(i)
        } else {
            var list = folders || []
            for (var f = 0; f < list.length; ++f) {
                var folderQuery = null
                try {
                    folderQuery = JSON.parse(list[f].query)
                } catch (e) {
                    continue
                }
                var deal = folderQuery ? Number(folderQuery.dealType) : NaN
                // Two folders of one deal type would list it twice.
                if (!isNaN(deal) && !seen[deal]) {
                    seen[deal] = true
                    addDealEntry(deal)
                }
            }
        }
        fillActionModels()
        pager.loadMore = true
        search()
    }

    function addDealEntry(deal) {
        var title = fieldTitle(deal)
        dealModel.append({ title: title, _id: deal })
        if (deal === dealType) {
            dealCombo.currentIndex = dealModel.count - 1
            dealCombo.displayText = title
        }
    }

    function fillActionModels() {
        manageModel.clear()
        manageModel.append([
            { title: "حذف فایل", ic: MaterialIcons.deleteForever, icColor: Colors.coolRed },
            { title: "ویرایش فایل", ic: MaterialIcons.pencil, icColor: Colors.appGreen },
            { title: "بایگانی کردن فایل", ic: MaterialIcons.pencil, icColor: Colors.primary },
            { title: "تعیین وضعیت معامله", ic: MaterialIcons.shopping, icColor: Colors.appOrange },
            { title: "مخفی کردن فایل", ic: MaterialIcons.ghost, icColor: Colors.primary }
        ])
        dealStatusModel.clear()
        dealStatusModel.append([
            { title: "فایل موجود", ic: MaterialIcons.check, icColor: Colors.appGreen, status: "available" },
            { title: "معامله شده", ic: MaterialIcons.fileExport, icColor: Colors.primary, status: "done" },
            { title: "کنسل شده", ic: MaterialIcons.closedCaption, icColor: Colors.coolRed, status: "cancelled" }
        ])
        reportModel.clear()
        reportModel.append([
            { title: "فایل معامله شده", ic: MaterialIcons.coin, icColor: Colors.appGreen },
            { title: "تغییر قیمت", ic: MaterialIcons.wallet, icColor: Colors.appOrange },
            { title: "مغایرت اطلاعات", ic: MaterialIcons.pencil, icColor: Colors.coolRed },
            { title: "انصراف", ic: MaterialIcons.close, icColor: Colors.primary }
        ])
    }

    // --- header -------------------------------------------------------------------------------

    function chooseDealType(index) {
        if (index < 0)
            return
        dealType = dealModel.get(index)._id
        propertyType = noPropertyType(dealType)
        resetOrder()
        setPropertyModel()
    }

    function choosePropertyType(index) {
        if (index < 0)
            return
        propertyType = propertyModel.get(index)._id
        if (propertyType === noPropertyType(dealType))
            resetOrder()
        else
            setOrderModel()
    }

    function chooseOrder(index) {
        if (index >= 0)
            orderBy = orderModel.get(index)._id
    }

    function chooseOrderType(index) {
        if (index >= 0)
            orderType = orderTypeModel.get(index)._id
    }

    function resetOrder() {
        orderBy = "created_at"
        orderType = -1
        var combos = [propertyCombo, orderCombo, orderTypeCombo]
        for (var i = 0; i < combos.length; ++i) {
            combos[i].currentIndex = -1
            combos[i].displayText = choosePrompt
        }
        orderModel.clear()
        orderTypeModel.clear()
    }

    function setPropertyModel() {
        propertyModel.clear()
        if (dealType < 0)
            return
        var cards = cardTable.getCards(dealType, noPropertyType(dealType))
        if (!cards || cards.length === 0)
            return
        var rows = rowTable.getRows(cards[0]._id, dealType, propertyType)
        if (!rows || rows.length === 0)
            return
        var fields = fieldTable.getFields(rows[0]._id, cards[0]._id, dealType, propertyType)
        for (var i = 0; i < (fields || []).length; ++i)
            propertyModel.append({ title: fields[i].title, _id: fields[i]._id })
    }

    function setOrderModel() {
        orderModel.clear()
        orderTypeModel.clear()
        var entries = [["پیشفرض", "created_at"], ["شناسه فایل", "trackingId"]]
        var byProperty = []
        if ([50, 51, 52, 54, 56, 57, 58].indexOf(propertyType) >= 0)
            byProperty = [["متراژ بنا", "attrs.home"], ["متراژ زمین", "attrs.area"], ["تعداد اتاق", "attrs.room"]]
        else if (propertyType === 55)
            byProperty = [["متراژ کف مغازه", "attrs.floorspace"], ["دهنه مغازه", "attrs.dahane_comspace"]]
        else if (propertyType === 53)
            byProperty = [["متراژ زمین", "attrs.area"]]
        if ([1, 4, 5, 8].indexOf(dealType) >= 0)
            entries = entries.concat(byProperty, [["مبلغ هر متر", "attrs.price_meter"], ["مبلغ کل", "attrs.price"]])
        else if ([2, 6].indexOf(dealType) >= 0)
            entries = entries.concat(byProperty, [["مبلغ اجاره", "attrs.rent"], ["مبلغ رهن", "mortgage"]])
        else if ([3, 7].indexOf(dealType) >= 0)
            entries = entries.concat([["متراژ زمین", "attrs.area"], ["مبلغ کل", "attrs.price"]])
        entries.push(["تاریخ ثبت", "fileDateUnix"])
        for (var i = 0; i < entries.length; ++i)
            orderModel.append({ title: entries[i][0], _id: entries[i][1] })
        orderTypeModel.append([{ title: "صعودی", _id: 1 }, { title: "نزولی", _id: -1 }])
    }

    // --- search -------------------------------------------------------------------------------

    function hasRange() {
        return FileFilters.hasRange(filters)
    }

    function hasString() {
        return FileFilters.hasString(filters)
    }

    function hasAttrs() {
        return FileFilters.hasAttrs(filters)
    }

    // The request body of a page, without its page number and size.
    function searchParams() {
        var params = { condition: true, searchOperator: "and", sortBy: orderBy, sortDirection: orderType }
        if (isShared)
            params.sharedOnly = true
        if (bookmarkOnly) {
            params.bookmarkedOnly = true
        } else {
            if (propertyType > 0)
                params.propertyType = propertyType
            if (dealType > 0)
                params.dealType = dealType
        }
        FileFilters.addToRequest(params, filters, strSearch)
        if (reminder) {
            params.reminderMode = true
            params.condition = false
            params.dealType = query.dealType === -1 ? 2 : 6
        }
        return params
    }

    function search(reset) {
        var ticket = pager.next(reset)
        if (!ticket)
            return
        var params = searchParams()
        params.page = ticket.page
        params.count = ticket.count
        Api.sendJsonRequestV2("POST", userData.systemRole + "/propertyFiles/searchMyPropertyFiles", function (result) {
            var found = result && result.propertyFiles ? result.propertyFiles : {}
            var bookmarks = result ? result.bookmarks : []
            pager.receive(ticket, found.data, found.total, function (file) {
                return FileRecord.row(prepareFile(file, bookmarks))
            })
        }, function () {
            pager.fail(ticket)
        }, params)
    }

    function prepareFile(file, bookmarks) {
        return FileRecord.prepare(file, bookmarks, {
            titleOf: fieldTitle,
            userId: userData._id,
            isManager: isManager,
            isShared: isShared
        })
    }

    function removeFilter(index) {
        var chip = filterModel.get(index)
        if (!chip)
            return
        // In place: the array stays the same, so this alone does not count as a change.
        filters.splice(chip.filterIndex, 1)
        if (filters.length === 0)
            strSearch = false
        showChips()
        search(true)
    }

    function showChips() {
        filterModel.clear()
        filterModel.append(FileFilters.chips(filters))
    }

    onFiltersChanged: {
        if (filters.length === 0)
            strSearch = false
        showChips()
        if (pageInited)
            search(true)
    }

    function searchText(value) {
        var text = value === undefined || value === null ? "" : String(value).trim()
        if (text === "") {
            filters = []
            return
        }
        strSearch = true
        filters = FileFilters.textSearch(text)
    }

    function openFilter() {
        var page = mainStack.push(Qt.resolvedUrl("Filter.qml"), {
            resultFilters: FileFilters.copy(filters),
            dealType: dealType,
            propertyType: propertyType
        })
        page.filterClosed.connect(function (result) {
            filters = FileFilters.withoutBlanks(result)
        })
    }

    // --- rows ---------------------------------------------------------------------------------

    function indexOfFile(id) {
        for (var i = 0; i < fileModel.count; ++i) {
            if (fileModel.get(i)._id === id)
                return i
        }
        return -1
    }

    function fileIdAt(index) {
        var row = index >= 0 && index < fileModel.count ? fileModel.get(index) : null
        return row ? row._id : ""
    }

    // Sets `values` on the row of file `id`; the row may have moved or gone while the request was
    // on its way. Returns the row's index or -1.
    function changeFile(id, values) {
        var index = indexOfFile(id)
        if (index < 0)
            return -1
        for (var key in values)
            fileModel.setProperty(index, key, values[key])
        return index
    }

    // A row the service no longer lists under this search.
    function dropFile(id) {
        var index = indexOfFile(id)
        if (index >= 0)
            pager.remove(index)
    }

    // The header and the stamp after a change of status or deal status.
    function restamp(id) {
        var index = indexOfFile(id)
        if (index < 0)
            return
        var row = fileModel.get(index)
        var file = { status: row.status, dealStatus: row.dealStatus, dealType: row.dealType }
        changeFile(id, { fileHeader: row.ownerText + FileRecord.stateText(file), statusImage: FileRecord.statusImage(file) })
    }

    function openFile(index) {
        var row = fileModel.get(index)
        if (!row)
            return
        var component = Qt.createComponent(Qt.resolvedUrl("FileDetail.qml"))
        var ownOffice = userData.office ? userData.office._id : undefined
        mainStack.push(component, {
            fileId: row._id,
            isShared: !row.systemFile && row.officeId !== "" && row.officeId !== ownOffice
        })
        selectedMenu = ""
    }

    function editFile(id) {
        var component = Qt.createComponent(Qt.resolvedUrl("FileEdit.qml"))
        // The form gets the file as the service has it now, not as the row was shown; the rows keep
        // only what they show.
        Api.sendJsonRequestV2("POST", userData.systemRole + "/propertyFiles/searchMyPropertyFiles", function (result) {
            var found = result && result.propertyFiles && result.propertyFiles.data ? result.propertyFiles.data : []
            if (found.length === 0)
                return
            var page = mainStack.push(component, { fileItem: prepareFile(found[0], result.bookmarks) })
            page.edited.connect(function () { search(true) })
        }, function () {}, { _id: id, page: 1, count: 100, condition: true, searchOperator: "and" })
    }

    function onShareClicked(index) {
        var row = fileModel.get(index)
        if (!row)
            return
        if (row.isFileShared) {
            removeShareFile(index)
            return
        }
        actionFileId = row._id
        shareConfirm.initial()
    }

    function bookmarkClicked(index) {
        var row = fileModel.get(index)
        if (!row)
            return
        if (row.bookmarked)
            removeBookmark(index)
        else
            bookmark(index)
    }

    function bookmark(index) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", "bookmarks/bookmark", function () {
            changeFile(id, { bookmarked: true })
            toast.show("فایل مورد نظر با موفقیت نشان شد", toast.durationLong)
        }, function () {}, { type: "PropertyFile", id: id })
    }

    function removeBookmark(index) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", "bookmarks/unBookmark", function () {
            if (bookmarkOnly)
                dropFile(id)
            else
                changeFile(id, { bookmarked: false })
            toast.show("فایل مورد نظر با موفقیت از نشان شده ها حذف شد", toast.durationLong)
        }, function () {}, { type: "PropertyFile", id: id })
    }

    function shareFile(index) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/requestShareMyPropertyFile", function () {
            changeFile(id, { isFileShared: true })
            toast.show("فایل مورد نظر با موفقیت به فایل های همکاری ارسال شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function removeShareFile(index) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/deletePropertyFileShareRequest", function () {
            changeFile(id, { isFileShared: false })
            toast.show("فایل مورد نظر با موفقیت از فایل های همکاری خارج شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function hideFile(index) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/hideMyPropertyFile", function () {
            changeFile(id, { justOwnerAccess: true })
            toast.show("فایل مورد نظر با موفقیت مخفی شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function unHideFile(index) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/unHideMyPropertyFile", function () {
            changeFile(id, { justOwnerAccess: false })
            toast.show("فایل مورد نظر با موفقیت از حالت مخفی خارج شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function deleteFile(index) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/deletePropertyFiles", function () {
            dropFile(id)
            toast.show("فایل مورد نظر با موفقیت حذف شد", toast.durationLong)
        }, function () {}, { propertyFileIds: [id], logical: true })
    }

    function updateStatus(index, status) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/updatePropertyFileStatus", function () {
            changeFile(id, { status: status })
            restamp(id)
            toast.show("وضعیت فایل با موفقیت ویرایش شد")
        }, function () {}, { propertyFileId: id, status: status })
    }

    function updateDealStatus(index, status) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/updatePropertyFileDealStatus", function () {
            changeFile(id, { dealStatus: status })
            restamp(id)
            toast.show("وضعیت فایل با موفقیت ویرایش شد")
        }, function () {}, { propertyFileId: id, dealStatus: status })
    }

    function report(index, flag, desciption) {
        var id = fileIdAt(index)
        Api.sendJsonRequest("POST", "reportFlags/createReportFlag", function () {
            toast.show("گزارش شما با موفقیت ثبت شد", toast.durationLong)
        }, function () {}, { id: id, type: "PropertyFile", flagType: flag, description: desciption || "" })
    }

    function manageClicked(index) {
        var row = fileModel.get(index)
        if (!row)
            return
        actionFileId = row._id
        if (row.systemFile) {
            reportDialog.initial()
            return
        }
        if (row.status === -1)
            manageModel.set(2, { title: "از بایگانی درآوردن", ic: MaterialIcons.fileDocument })
        else
            manageModel.set(2, { title: "بایگانی کردن فایل", ic: MaterialIcons.archive })
        if (row.status === -2)
            manageModel.set(0, { title: "بازگردانی فایل", ic: MaterialIcons.refresh, icColor: Colors.primary })
        else
            manageModel.set(0, { title: "حذف فایل", ic: MaterialIcons.deleteForever, icColor: Colors.coolRed })
        if (row.justOwnerAccess)
            manageModel.set(4, { title: "از مخفی خارج کردن", ic: MaterialIcons.fileDocument, icColor: Colors.primary })
        else
            manageModel.set(4, { title: "مخفی کردن فایل", ic: MaterialIcons.ghost, icColor: Colors.darkGrey })
        manageDialog.initial()
    }

    function manageChosen(choice) {
        manageDialog.dismiss()
        var index = indexOfFile(actionFileId)
        if (index < 0)
            return
        var row = fileModel.get(index)
        switch (choice) {
        case 0:
            if (row.status === -2)
                updateStatus(index, 2)
            else
                deleteConfirm.initial()
            break
        case 1:
            editFile(row._id)
            break
        case 2:
            updateStatus(index, row.status === -1 ? 2 : -1)
            break
        case 3:
            dealStatusDialog.initial()
            break
        case 4:
            if (row.justOwnerAccess)
                unHideFile(index)
            else
                hideFile(index)
            break
        }
    }

    function reportChosen(choice) {
        reportDialog.dismiss()
        var index = indexOfFile(actionFileId)
        if (index < 0 || choice === 3)
            return
        if (choice === 0) {
            report(index, "fileDealt", "")
            return
        }
        reportFlag = choice === 1 ? "fileWrongPrice" : "fileWrongInfo"
        reportInput.initial()
    }

    Component.onCompleted: {
        // The schema tables complete after this page may: make sure the schema is there first.
        fieldTable.init()
        getFolders()
    }

    ListPager {
        id: pager

        model: fileModel
        count: fileListPage.limit
        page: fileListPage.query.page !== undefined ? fileListPage.query.page : 1
    }

    FieldTable { id: fieldTable }
    CardTable { id: cardTable }
    RowTable { id: rowTable }

    ListModel { id: fileModel; objectName: "fileModel" }
    ListModel { id: filterModel; objectName: "filterModel" }
    ListModel { id: dealModel; objectName: "dealModel" }
    ListModel { id: propertyModel; objectName: "propertyModel" }
    ListModel { id: orderModel; objectName: "orderModel" }
    ListModel { id: orderTypeModel; objectName: "orderTypeModel" }
    ListModel { id: manageModel; objectName: "manageModel" }
    ListModel { id: dealStatusModel; objectName: "dealStatusModel" }
    ListModel { id: reportModel; objectName: "reportModel" }

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    Column {
        id: header

        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 10
        spacing: 8

        Rectangle {
            id: headerBox

            objectName: "headerBox"
            width: parent.width
            height: headerFilters.height + chevron.height + 6
            visible: !fileListPage.bookmarkOnly && !fileListPage.reminder
            radius: 10
            color: Colors.white
            clip: true

            Item {
                id: headerFilters

                objectName: "headerFilters"
                property bool shown: true

                anchors.top: parent.top
                width: parent.width
                height: shown ? filterGrid.height + 20 : 0
                clip: true

                Behavior on height { NumberAnimation { duration: 200 } }

                Grid {
                    id: filterGrid

                    anchors.top: parent.top
                    anchors.topMargin: 10
                    anchors.left: parent.left
                    anchors.leftMargin: 14
                    width: parent.width - 28
                    columns: 2
                    columnSpacing: 24
                    rowSpacing: 8

                    Item {
                        width: (filterGrid.width - filterGrid.columnSpacing) / 2
                        height: 34

                        IranSansText {
                            id: dealComboTitle

                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            width: 100
                            topPadding: 0
                            text: "نوع معـــامله"
                            textColor: Colors.darkGrey
                        }

                        Item {
                            anchors.left: dealComboTitle.right
                            anchors.right: parent.right
                            height: parent.height

                            AppComboBox {
                                id: dealCombo

                                objectName: "dealCombo"
                                model: dealModel
                                currentIndex: -1
                                displayText: fileListPage.choosePrompt
                                onActivated: fileListPage.chooseDealType(index)
                            }
                        }
                    }

                    Item {
                        width: (filterGrid.width - filterGrid.columnSpacing) / 2
                        height: 34

                        IranSansText {
                            id: propertyComboTitle

                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            width: 100
                            topPadding: 0
                            text: "نوع مــــلک"
                            textColor: Colors.darkGrey
                        }

                        Item {
                            anchors.left: propertyComboTitle.right
                            anchors.right: parent.right
                            height: parent.height

                            AppComboBox {
                                id: propertyCombo

                                objectName: "propertyCombo"
                                model: propertyModel
                                currentIndex: -1
                                displayText: fileListPage.choosePrompt
                                onActivated: fileListPage.choosePropertyType(index)
                            }
                        }
                    }

                    Item {
                        width: (filterGrid.width - filterGrid.columnSpacing) / 2
                        height: 34

                        IranSansText {
                            id: orderComboTitle

                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            width: 100
                            topPadding: 0
                            text: "ترتیب بر اساس"
                            textColor: Colors.darkGrey
                        }

                        Item {
                            anchors.left: orderComboTitle.right
                            anchors.right: parent.right
                            height: parent.height

                            AppComboBox {
                                id: orderCombo

                                objectName: "orderCombo"
                                model: orderModel
                                currentIndex: -1
                                displayText: fileListPage.choosePrompt
                                onActivated: fileListPage.chooseOrder(index)
                            }
                        }
                    }

                    Item {
                        width: (filterGrid.width - filterGrid.columnSpacing) / 2
                        height: 34

                        IranSansText {
                            id: orderTypeComboTitle

                            anchors.left: parent.left
                            anchors.verticalCenter: parent.verticalCenter
                            width: 100
                            topPadding: 0
                            text: "نوع ترتیب"
                            textColor: Colors.darkGrey
                        }

                        Item {
                            anchors.left: orderTypeComboTitle.right
                            anchors.right: parent.right
                            height: parent.height

                            AppComboBox {
                                id: orderTypeCombo

                                objectName: "orderTypeCombo"
                                model: orderTypeModel
                                currentIndex: -1
                                displayText: fileListPage.choosePrompt
                                onActivated: fileListPage.chooseOrderType(index)
                            }
                        }
                    }

                    AppButton {
                        objectName: "addFilterButton"
                        width: (filterGrid.width - filterGrid.columnSpacing) / 2
                        height: 34
                        radius: 5
                        color: Colors.appOrange
                        text: "افزودن فیلتر"
                        icon: MaterialIcons.filterVariant
                        iconSize: Utility.IconSize.normal
                        onClicked: fileListPage.openFilter()
                    }

                    AppButton {
                        objectName: "searchButton"
                        width: (filterGrid.width - filterGrid.columnSpacing) / 2
                        height: 34
                        radius: 5
                        color: Colors.primary
                        text: "جستجو"
                        icon: MaterialIcons.magnify
                        iconSize: Utility.IconSize.normal
                        onClicked: fileListPage.search(true)
                    }
                }
            }

            MaterialButton {
                id: chevron

                objectName: "chevron"
                anchors.top: headerFilters.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                icon.icon: headerFilters.shown ? MaterialIcons.chevronUp : MaterialIcons.chevronDown
                icon.iconColor: Colors.primary
                icon.iconSize: Utility.IconSize.XLarge
                onClicked: headerFilters.shown = !headerFilters.shown
            }
        }

        Item {
            width: parent.width
            height: 40

            IranSansText {
                objectName: "counterText"
                anchors.left: parent.left
                anchors.leftMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                topPadding: 0
                visible: fileListPage.pageInited
                text: fileListPage.counterText
                textSize: Utility.TextSize.normal
                font.bold: true
                textColor: Colors.text
            }

            // The bar slides aside for its search button while text is in it.
            Item {
                anchors.right: parent.right
                width: parent.width * 0.45
                height: parent.height
                visible: !fileListPage.reminder

                SearchBar {
                    id: searchBar

                    objectName: "searchBar"
                    width: parent.width - 90
                    height: parent.height
                    onSearch: fileListPage.searchText(value)
                    // Emptying the bar takes back what it searched for; other filters stay.
                    onTermChanged: {
                        if (term === "" && fileListPage.strSearch)
                            fileListPage.searchText("")
                    }
                }
            }
        }

        ListView {
            id: filterList

            objectName: "filterList"
            width: parent.width
            height: 34
            visible: filterModel.count > 0
            orientation: ListView.Horizontal
            spacing: 8
            clip: true
            model: filterModel
            delegate: FilterItem {
                title: model.filterTitle
                value: model.filterValue
                onClosed: fileListPage.removeFilter(index)
            }
        }
    }

    ListView {
        id: fileList

        objectName: "fileList"
        anchors.top: header.bottom
        anchors.topMargin: 6
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        reuseItems: true
        model: fileModel
        ScrollBar.vertical: ScrollBar {}
        delegate: FileItem {
            sharedMode: fileListPage.isShared
            imagesUrl: appData.fileImagesUrl !== undefined ? appData.fileImagesUrl : ""
            onOpened: fileListPage.openFile(index)
            onManageClicked: fileListPage.manageClicked(index)
            onShareClicked: fileListPage.onShareClicked(index)
            onBookmarkClicked: fileListPage.bookmarkClicked(index)
        }
        // The end in sight, worked out afresh: `atYEnd` is only brought up to date when the view
        // moves, not when rows are laid out.
        function showsEnd() {
            return contentY - originY + height >= contentHeight - 1
        }

        function loadWhenAtEnd() {
            if (fileListPage.loadMore && showsEnd())
                fileListPage.search()
        }

        onAtYEndChanged: loadWhenAtEnd()
        // Rows that do not fill the view leave its end in sight, where no scrolling asks for more.
        onContentHeightChanged: loadWhenAtEnd()
        onHeightChanged: loadWhenAtEnd()
    }

    Column {
        id: emptyNotice

        objectName: "emptyNotice"
        anchors.centerIn: fileList
        width: fileList.width * 0.8
        spacing: 8
        visible: fileModel.count === 0 && fileListPage.pageInited && !pager.busy

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 240
            height: 180
            source: "../../rss/images/no_file.png"
            fillMode: Image.PreserveAspectFit
            asynchronous: true
        }

        IranSansText {
            width: parent.width
            text: "هیچ فایلی در لیست موجود نمی باشد"
            textSize: Utility.TextSize.large
            font.bold: true
            textColor: Colors.text
            horizontalAlignment: Text.AlignHCenter
        }

        IranSansText {
            width: parent.width
            text: "جهت افزودن فایل جدید از منوی برنامه گزینه افزودن فایل جدید را وارد نمایید"
            textColor: Colors.mediumGrey
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }
    }

    Component {
        id: manageRow

        ActionItem { onClicked: fileListPage.manageChosen(index) }
    }

    Component {
        id: dealStatusRow

        ActionItem { onClicked: manageDialogs.dealStatusChosen(index) }
    }

    Component {
        id: reportRow

        ActionItem { onClicked: fileListPage.reportChosen(index) }
    }

    ListDialog {
        id: manageDialog

        objectName: "manageDialog"
        dialogTitle: "مدیریت فایل"
        dialogWidth: fileListPage.width * 0.4
        listDelegate: manageRow
        items: manageModel
        // Tall enough for every entry: a row out of sight could not be chosen.
        dialogHeight: manageModel.count * 40 + 110
    }

    QtObject {
        id: manageDialogs

        function dealStatusChosen(index) {
            dealStatusDialog.dismiss()
            var at = fileListPage.indexOfFile(fileListPage.actionFileId)
            if (at >= 0)
                fileListPage.updateDealStatus(at, dealStatusModel.get(index).status)
        }
    }

    ListDialog {
        id: dealStatusDialog

        objectName: "dealStatusDialog"
        dialogTitle: "تعیین وضعیت معامله"
        dialogWidth: fileListPage.width * 0.4
        listDelegate: dealStatusRow
        items: dealStatusModel
        // Tall enough for every entry: a row out of sight could not be chosen.
        dialogHeight: dealStatusModel.count * 40 + 110
    }

    ListDialog {
        id: reportDialog

        objectName: "reportDialog"
        dialogTitle: "ارسال گزارش فایل"
        dialogWidth: fileListPage.width * 0.4
        listDelegate: reportRow
        items: reportModel
        // Tall enough for every entry: a row out of sight could not be chosen.
        dialogHeight: reportModel.count * 40 + 110
    }

    MultiLineInputDialog {
        id: reportInput

        objectName: "reportInput"
        dialogTitle: "ارسال گزارش فایل"
        dialogConfirm: "ثبت گزارش"
        dialogWidth: fileListPage.width * 0.5
        dialogInput.hint: "لطفا توضیحات خود را برای گزارش وارد نمایید"
        onConfirmClicked: {
            reportInput.dismiss()
            var index = fileListPage.indexOfFile(fileListPage.actionFileId)
            if (index >= 0)
                fileListPage.report(index, fileListPage.reportFlag, value)
        }
    }

    ConfirmDialog {
        id: shareConfirm

        objectName: "shareConfirm"
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه فایل شما به فایل های همکاری ارسال خواهد شد"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        dialogWidth: fileListPage.width * 0.4
        onNegativeClicked: shareConfirm.dismiss()
        onPositiveClicked: {
            shareConfirm.dismiss()
            var index = fileListPage.indexOfFile(fileListPage.actionFileId)
            if (index >= 0)
                fileListPage.shareFile(index)
        }
    }

    ConfirmDialog {
        id: deleteConfirm

        objectName: "deleteConfirm"
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه فایل مورد نظر حذف خواهد گردید"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        dialogWidth: fileListPage.width * 0.4
        onNegativeClicked: deleteConfirm.dismiss()
        onPositiveClicked: {
            deleteConfirm.dismiss()
            var index = fileListPage.indexOfFile(fileListPage.actionFileId)
            if (index >= 0)
                fileListPage.deleteFile(index)
        }
    }
}
