.pragma library
.import "Utility.js" as Utility
.import "DateUtility.js" as DateUtility

// A listing as the service sends it, completed with the texts and stamps its row in the file list
// shows.

var systemName = "ســــــامانه Norvela"
var callUs = "تماس بگیرید"
var toman = " تومان"

// Whether a record has a value under `key`: absent, null and empty texts are no value.
function given(record, key) {
    if (!record)
        return false
    var value = record[key]
    return value !== undefined && value !== null && value !== ""
}

function statusWord(status) {
    switch (Number(status)) {
    case 1:
        return "ثبت شده"
    case 2:
        return "وضعیت عادی"
    case 0:
        return "غیر فعال"
    case -1:
        return "بایگانی"
    default:
        return "حذف شده"
    }
}

function dealStatusWord(dealStatus) {
    if (dealStatus === "available")
        return "فایل موجود"
    if (dealStatus === "done")
        return "معامله شده"
    return "کنسل شده"
}

// Who owns the file: the office in the cooperation list, the service for its own pool files, else
// the user who registered it; with the separator that follows it, or empty.
function ownerText(file, isShared) {
    if (isShared)
        return (file.office && file.office.title ? file.office.title : "") + " / "
    if (file.systemFile)
        return systemName + " / "
    if (file.creator)
        return (file.creator.fname || "") + " " + (file.creator.lname || "") + " / "
    return ""
}

// The status and the deal status, in words.
function stateText(file) {
    return statusWord(file.status) + (given(file, "dealStatus") ? " / " + dealStatusWord(file.dealStatus) : "")
}

function headerText(file, isShared) {
    return ownerText(file, isShared) + stateText(file)
}

// The stamp over the row's picture; a finished deal outweighs the archive.
function statusImage(file) {
    var image = ""
    if (Number(file.status) === -1)
        image = "../../rss/images/archived.png"
    if (file.dealStatus === "cancelled")
        image = "../../rss/images/cancelled.png"
    if (file.dealStatus === "done") {
        var dealType = Number(file.dealType)
        image = dealType === 1 ? "../../rss/images/sold.png"
                               : dealType === 2 ? "../../rss/images/rented.png" : "../../rss/images/dealed.png"
    }
    return image
}

function priceText(file) {
    var attrs = file.attrs || {}
    var parts = []
    var dealType = Number(file.dealType)
    if (dealType === 2 || dealType === 6) {
        if (given(attrs, "mortgage"))
            parts.push("رهن " + Utility.putComma(attrs.mortgage))
        if (given(attrs, "rent"))
            parts.push("اجاره " + Utility.putComma(attrs.rent))
    } else {
        if (given(attrs, "price"))
            parts.push("قیمت " + Utility.putComma(attrs.price))
        if (given(attrs, "price_meter"))
            parts.push("متری " + Utility.putComma(attrs.price_meter))
    }
    return parts.length > 0 ? parts.join(" , ") + toman : callUs
}

function detailText(file) {
    var attrs = file.attrs || {}
    var parts = []
    if (given(attrs, "home"))
        parts.push(Utility.putComma(attrs.home) + " متری")
    if (given(attrs, "room"))
        parts.push(Utility.putComma(attrs.room) + " خوابه")
    if (given(attrs, "floor"))
        parts.push("طبقه " + Utility.putComma(attrs.floor))
    if (given(attrs, "build_year"))
        parts.push(Number(attrs.build_year) > 0 ? Utility.putComma(attrs.build_year) + " سال ساخت" : "صفر")
    if (given(attrs, "floorspace"))
        parts.push(Utility.putComma(attrs.floorspace) + " متری")
    return parts.join(" , ")
}

// Addresses of other agencies' files are not shown in the cooperation list.
function zoneText(file, isShared) {
    var attrs = file.attrs || {}
    var text = file.area && file.area.title ? String(file.area.title) : ""
    if (given(attrs, "district"))
        text += " / " + attrs.district
    if (given(attrs, "address") && !isShared)
        text += " / " + attrs.address
    return text
}

function dateText(milliseconds) {
    var time = Number(milliseconds)
    if (milliseconds === undefined || milliseconds === null || !isFinite(time))
        return ""
    return DateUtility.dateString(new Date(time), true)
}

// Completes `file` in place and returns it. `context`: `titleOf(id)` (a schema field's title, ""
// for an id the schema does not know), `userId`, `isManager`, `isShared` (the cooperation list).
function prepare(file, bookmarks, context) {
    file.dealTitle = context.titleOf(file.dealType) + " - " + context.titleOf(file.propertyType)
    file.systemFile = file.systemFile === true
    file.bookmarked = (bookmarks || []).indexOf(file._id) >= 0
    file.showShare = (context.isManager || file.createdById === context.userId) && !context.isShared
            && !file.systemFile
    file.isFileShared = !!(file.sharingSettings && file.sharingSettings.shared)
    file.fileDateText = dateText(file.fileDateUnix)
    file.filePriceText = priceText(file)
    file.detailText = detailText(file)
    file.zoneText = zoneText(file, context.isShared)
    file.mainImage = file.images && file.images.length > 0 ? String(file.images[0]) : "-"
    file.ownerText = ownerText(file, context.isShared)
    file.fileHeader = file.ownerText + stateText(file)
    file.statusImage = statusImage(file)
    if (given(file, "fileDate"))
        file.fileDate = String(file.fileDate)
    file.justOwnerAccess = file.justOwnerAccess === true
    return file
}

// The list model's row of a prepared file: every role always present and of one type.
function row(file) {
    return {
        "_id": String(file._id),
        "trackingId": given(file, "trackingId") ? String(file.trackingId) : "",
        "dealType": Number(file.dealType) || 0,
        "propertyType": Number(file.propertyType) || 0,
        "status": Number(file.status) || 0,
        "dealStatus": given(file, "dealStatus") ? String(file.dealStatus) : "",
        "systemFile": file.systemFile,
        "justOwnerAccess": file.justOwnerAccess,
        "bookmarked": file.bookmarked,
        "showShare": file.showShare,
        "isFileShared": file.isFileShared,
        "officeId": given(file, "officeId") ? String(file.officeId) : "",
        "dealTitle": file.dealTitle,
        "zoneText": file.zoneText,
        "detailText": file.detailText,
        "filePriceText": file.filePriceText,
        "fileDateText": file.fileDateText,
        "mainImage": file.mainImage,
        "ownerText": file.ownerText,
        "fileHeader": file.fileHeader,
        "statusImage": file.statusImage
    }
}
