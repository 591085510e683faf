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
        header.dealCombo.displayText = choosePrompt
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
        fileActions.fillModels()
        pager.loadMore = true
        search()
    }

    function addDealEntry(deal) {
        var title = fieldTitle(deal)
        dealModel.append({ title: title, _id: deal })
        if (deal === dealType) {
            header.dealCombo.currentIndex = dealModel.count - 1
            header.dealCombo.displayText = title
        }
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
        var combos = [header.propertyCombo, header.orderCombo, header.orderTypeCombo]
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
        return pager.indexOf(id)
    }

    function rowAt(index) {
        return fileModel.get(index)
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
        // The edit page reads the file as the service has it now, not as the row was shown; the
        // rows keep only what they show.
        var page = mainStack.push(Qt.resolvedUrl("FileEdit.qml"), { fileItem: { _id: id } })
        page.edited.connect(function () { search(true) })
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
    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    FileListHeader {
        id: header

        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 10
        page: fileListPage
        showsChoosers: !fileListPage.bookmarkOnly && !fileListPage.reminder
        showsSearch: !fileListPage.reminder
        showsCounter: fileListPage.pageInited
        counterText: fileListPage.counterText
        choosePrompt: fileListPage.choosePrompt
        dealModel: dealModel
        propertyModel: propertyModel
        orderModel: orderModel
        orderTypeModel: orderTypeModel
        filterModel: filterModel
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
            onManageClicked: fileActions.manageClicked(index)
            onShareClicked: fileActions.shareClicked(index)
            onBookmarkClicked: fileActions.bookmarkClicked(index)
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

    FileActions {
        id: fileActions

        anchors.fill: parent
        list: fileListPage
    }
}
