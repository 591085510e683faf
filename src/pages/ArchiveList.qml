import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../dialogs"
import "../database"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The shop of file archives: the service's packages of listings, two cards a line. A purchase is
// paid from the wallet or on the payment page; the service may first ask whether an archive
// bought before is wanted again, or one with fewer files than it promises.
Item {
    id: archivePage

    objectName: "archivePage"
    // Every area of the service, to name a package's zones.
    property var zones: []
    // The answers given for the purchase under way; a card that starts a purchase clears both.
    property bool buyConfirm: false
    property bool limitConfirm: false
    // A purchase is on its way: a second click must not pay twice.
    property bool buying: false
    // The package the open question is about.
    property string askedId: ""
    property alias pager: pager
    property alias archiveModel: archives
    property alias grid: grid
    property alias confirmDialog: confirmDialog

    // Zones first, once; the packages are listed whether they came or not.
    function getZones() {
        Api.searchZones(function (list) {
            zones = list
            getArchives(true)
        }, function () {
            getArchives(true)
        })
    }

    function getArea(areaId) {
        for (var i = 0; i < zones.length; ++i) {
            if (zones[i]._id === areaId)
                return zones[i]
        }
        return null
    }

    // The schema's title of a deal or property type; "-" for any (-1) or an unknown one.
    function getFieldTitle(id) {
        if (id === -1)
            return "-"
        var field = fieldTable.getById(id)
        return field && field.title ? String(field.title) : "-"
    }

    function typeId(value) {
        var number = Number(value)
        return value === undefined || value === null || !isFinite(number) ? -1 : number
    }

    function rangeEnd(text) {
        if (text === undefined || text === null || String(text) === "")
            return "-"
        var shown = DateUtility.dateString(new Date(String(text)), true)
        return shown !== "" ? shown : "-"
    }

    function toRow(pack) {
        var ids = Array.isArray(pack.areaIds) ? pack.areaIds : []
        var areas = []
        for (var i = 0; i < ids.length; ++i) {
            var zone = getArea(ids[i])
            if (zone)
                areas.push({ _id: zone._id, title: String(zone.title) })
        }
        var dealType = typeId(pack.dealType)
        var propertyType = typeId(pack.propertyType)
        return {
            _id: pack._id,
            title: pack.title !== undefined && pack.title !== null ? String(pack.title) : "",
            price: Number(pack.price) || 0,
            maxPropertyFilesCount: Number(pack.maxPropertyFilesCount) || 0,
            areas: areas,
            daysPast: Number(pack.daysPast) || 0,
            fromDate: pack.fromDate ? String(pack.fromDate) : "",
            toDate: pack.toDate ? String(pack.toDate) : "",
            startDate: rangeEnd(pack.fromDate),
            endDate: rangeEnd(pack.toDate),
            dealType: dealType,
            propertyType: propertyType,
            dealTitle: getFieldTitle(dealType),
            propertyTitle: getFieldTitle(propertyType),
            isRebuyable: pack.isRebuyable === true,
            status: Number(pack.status)
        }
    }

    function getArchives(reset) {
        pager.load(reset, userData.systemRole + "/propertyFilePackages/searchPropertyFilePackages", {
            condition: true,
            searchOperator: "and",
            status: 1,
            sortBy: "price",
            sortDirection: -1
        }, "propertyFilePackages", toRow)
    }

    // A card's button: a new purchase, asked without any earlier answer.
    function startPurchase(index) {
        buyConfirm = false
        limitConfirm = false
        buyArchive(index, false, false)
    }

    function buyArchive(index, buyConfirmation, limitConfirmation) {
        var pack = archives.get(index)
        if (!pack || buying)
            return
        buying = true
        var packageId = pack._id
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFilePackages/buyPropertyFilePackage",
                            function (result, reply) {
            buying = false
            if (result && result.requirePayment) {
                mainPage.openGateway(result, reply)
                return
            }
            toast.show("آرشیو فایل مورد نظر برای شما فعال شد و مبلغ آن از موجودی کیف پول شما کم شد",
                       toast.durationLong)
            Session.refresh()
            mainPage.getMyWallet()
            getArchives(true)
        }, function (status, reply) {
            buying = false
            var refusal = reply ? reply : {}
            if (refusal.codeKey === "PACKAGE_LIMIT_LESS")
                limitConfirm = true
            else if (refusal.codeKey === "PACKAGE_EXISTS")
                buyConfirm = true
            ask(packageId, refusalText(refusal))
        }, {
            propertyFilePackageId: packageId,
            buyConfirmation: buyConfirmation,
            packageLimitConfirmation: limitConfirmation
        })
    }

    // The service's question; a refusal without one is shown by its own message.
    function refusalText(reply) {
        var lists = [reply.messages2, reply.messages]
        for (var i = 0; i < lists.length; ++i) {
            if (Array.isArray(lists[i]) && lists[i].length > 0 && lists[i][0] !== undefined && lists[i][0] !== null
                    && String(lists[i][0]) !== "")
                return String(lists[i][0])
        }
        if (reply.message !== undefined && reply.message !== null && String(reply.message) !== "")
            return String(reply.message)
        return "خرید آرشیو انجام نشد"
    }

    function ask(packageId, question) {
        askedId = packageId
        confirmDialog.dialogContent = question
        confirmDialog.initial()
    }

    Component.onCompleted: getZones()

    FieldTable {
        id: fieldTable
    }

    ListModel {
        id: archives
    }

    ListPager {
        id: pager

        model: archives
        count: 100
    }

    GridView {
        id: grid

        objectName: "grid"
        anchors.fill: parent
        anchors.margins: 12
        clip: true
        model: archives
        cellWidth: Math.floor(width / 2)
        cellHeight: Math.floor(cellWidth * 0.83)
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}
        onAtYEndChanged: {
            if (atYEnd && pager.loadMore)
                archivePage.getArchives(false)
        }

        delegate: ArchiveItem {
            width: GridView.view.cellWidth
            height: GridView.view.cellHeight
            badge: model.daysPast > 0 ? model.daysPast + " روز گذشته"
                                      : "بین تاریخ " + model.startDate + " تا " + model.endDate
            title: model.title
            price: model.price
            filesCount: model.maxPropertyFilesCount
            zones: model.areas
            dealTitle: model.dealTitle
            propertyTitle: model.propertyTitle
            rebuyable: model.isRebuyable
            active: model.status === 1
            onBuyClicked: archivePage.startPurchase(index)
        }
    }

    EmptyNotice {
        objectName: "emptyNotice"
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 520)
        visible: archives.count === 0 && !pager.busy && pager.inited
        icon: MaterialIcons.walletMembership
        text: "هیچ آرشیو فایلی در لیست موجود نمی باشد"
    }

    ConfirmDialog {
        id: confirmDialog

        objectName: "archiveConfirmDialog"
        dialogWidth: archivePage.width * 0.4
        dialogTitle: "خرید آرشیو"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            var index = pager.indexOf(archivePage.askedId)
            if (index >= 0)
                archivePage.buyArchive(index, archivePage.buyConfirm, archivePage.limitConfirm)
        }
        onNegativeClicked: dismiss()
    }
}
