.pragma library
.import "Utility.js" as Utility
.import "DateUtility.js" as DateUtility

// The file list's filter records: the search request they make, the chips they show, and the
// look-ups and toggle bookkeeping of the filter page.
//
// Shapes by `type`: "minMax" {title, filter, min, max, currency}; "input" {title, filter, value,
// currency}; "toggle" (a schema card) {_id, title, toggles: [field…]}; "zone" {zone: {_id, title}};
// "dealStatus", "fileStatus", "fileModel" {<type>: {title, status, index}}; "fileDate" {startDate,
// endDate: {title, value (ms)}}.

// The keys the free-text search bar looks in, with their titles.
var textSearchKeys = [
    { filter: "name_family", title: "نام مالک" },
    { filter: "mobile", title: "تلفن همراه" },
    { filter: "address", title: "آدرس" },
    { filter: "district", title: "منطقه یا خیابان اصلی" },
    { filter: "fileDetails", title: "جزئیات فایل" }
]

// Compared by equality on the service, never as contained text.
var exactAttrKeys = ["parking_lot"]

function isBlank(value) {
    return value === undefined || value === null || String(value).trim() === ""
}

// A bound as a number; undefined for a blank or unreadable one, which then bounds nothing.
function bound(value) {
    if (isBlank(value))
        return undefined
    var number = Number(Utility.removeCommas(String(value).trim()))
    return isNaN(number) ? undefined : number
}

function dateValue(date) {
    return date && date.value !== undefined && date.value !== null && date.value !== "" ? Number(date.value) : undefined
}

// Whether a record restricts anything; blank records are neither sent nor shown as chips.
function restricts(filter) {
    if (!filter)
        return false
    switch (filter.type) {
    case "minMax":
        return bound(filter.min) !== undefined || bound(filter.max) !== undefined
    case "input":
        return !isBlank(filter.value)
    case "toggle":
        return !!filter.toggles && filter.toggles.length > 0
    case "zone":
        return !!filter.zone && !isBlank(filter.zone._id)
    case "dealStatus":
    case "fileStatus":
    case "fileModel":
        return !!filter[filter.type] && filter[filter.type].status !== undefined
    case "fileDate":
        return dateValue(filter.startDate) !== undefined || dateValue(filter.endDate) !== undefined
    default:
        return false
    }
}

function withoutBlanks(filters) {
    return (filters || []).filter(restricts)
}

function copy(filters) {
    return JSON.parse(JSON.stringify(filters || []))
}

function hasType(filters, types) {
    return (filters || []).some(function (filter) { return types.indexOf(filter.type) >= 0 })
}

function hasRange(filters) {
    return hasType(filters, ["minMax", "fileDate"])
}

function hasAttrs(filters) {
    return hasType(filters, ["input", "toggle"])
}

function hasString(filters) {
    return hasType(filters, ["input"])
}

// The five filters of the free-text search bar.
function textSearch(value) {
    return textSearchKeys.map(function (key) {
        return { type: "input", title: key.title, filter: key.filter, value: value, currency: false }
    })
}

// Adds the filter keys of `filters` to the search request `params`. `anyText`: the text filters
// came from the search bar, and one matching key is enough.
function addToRequest(params, filters, anyText) {
    var list = withoutBlanks(filters)
    if (list.length === 0)
        return params
    var range = {}
    var attrs = {}
    var textKeys = []
    for (var i = 0; i < list.length; ++i) {
        var filter = list[i]
        switch (filter.type) {
        case "minMax":
            var limits = {}
            if (bound(filter.min) !== undefined)
                limits.min = bound(filter.min)
            if (bound(filter.max) !== undefined)
                limits.max = bound(filter.max)
            range["attrs." + filter.filter] = limits
            break
        case "input":
            attrs[filter.filter] = String(filter.value).trim()
            if (exactAttrKeys.indexOf(filter.filter) < 0 && textKeys.indexOf(filter.filter) < 0)
                textKeys.push(filter.filter)
            break
        case "toggle":
            for (var t = 0; t < filter.toggles.length; ++t)
                attrs[filter.toggles[t].fieldName] = true
            break
        case "zone":
            params.areaId = filter.zone._id
            break
        case "dealStatus":
            params.dealStatus = filter.dealStatus.status
            break
        case "fileStatus":
            params.status = Number(filter.fileStatus.status)
            break
        case "fileModel":
            if (filter.fileModel.status === "mine")
                params.systemFile = false
            else if (filter.fileModel.status === "system")
                params.systemFile = true
            else if (filter.fileModel.status === "hide")
                params.justOwnerAccess = true
            break
        case "fileDate":
            var dates = {}
            if (dateValue(filter.startDate) !== undefined)
                dates.min = dateValue(filter.startDate)
            if (dateValue(filter.endDate) !== undefined)
                dates.max = dateValue(filter.endDate)
            range.fileDateUnix = dates
            break
        }
    }
    if (Object.keys(range).length > 0)
        params.range = range
    if (Object.keys(attrs).length > 0)
        params.attrs = attrs
    if (textKeys.length > 0) {
        params.stringAttrKeys = textKeys
        if (anyText)
            params.stringAttrKeysOperator = "or"
    }
    return params
}

function amount(value, currency) {
    var text = String(value).trim()
    return currency ? Utility.putComma(Utility.removeCommas(text)) + " تومان" : text
}

function between(min, max, dateRange) {
    if (min !== "" && max !== "")
        return "بین " + min + " تا " + max
    if (min !== "")
        return "از " + min
    return (dateRange ? " تا " : "تا ") + max
}

// A filter's chip: {filterTitle, filterValue}.
function chip(filter) {
    switch (filter.type) {
    case "minMax":
        return {
            filterTitle: filter.title,
            filterValue: between(isBlank(filter.min) ? "" : amount(filter.min, filter.currency),
                                 isBlank(filter.max) ? "" : amount(filter.max, filter.currency), false)
        }
    case "input":
        return { filterTitle: filter.title, filterValue: String(filter.value).trim() }
    case "toggle":
        return {
            filterTitle: filter.title,
            filterValue: filter.toggles.map(function (toggle) { return toggle.title }).join(" , ")
        }
    case "zone":
        return { filterTitle: "منطقه فایل", filterValue: filter.zone.title }
    case "dealStatus":
        return { filterTitle: "وضعیت معامله", filterValue: filter.dealStatus.title }
    case "fileStatus":
        return { filterTitle: "وضعیت بایگانی", filterValue: filter.fileStatus.title }
    case "fileModel":
        return { filterTitle: "نوع فایل", filterValue: filter.fileModel.title }
    case "fileDate":
        return {
            filterTitle: "تاریخ ثبت",
            filterValue: between(dateValue(filter.startDate) !== undefined ? filter.startDate.title : "",
                                 dateValue(filter.endDate) !== undefined ? filter.endDate.title : "", true)
        }
    }
    return null
}

// One chip per record that restricts anything, with the index of its record.
function chips(filters) {
    var result = []
    var list = filters || []
    for (var i = 0; i < list.length; ++i) {
        if (!restricts(list[i]))
            continue
        var made = chip(list[i])
        made.filterIndex = i
        result.push(made)
    }
    return result
}

// The first day's start and the last day's end of a Jalali date, in ms of local time. Built from
// the whole date at once: setting year, month and day one after another on another date can
// roll over into the next month.
function dayStart(jy, jm, jd) {
    var g = DateUtility.jalali_to_gregorian(jy, jm, jd)
    return new Date(g[0], g[1] - 1, g[2], 0, 0, 0, 0).getTime()
}

function dayEnd(jy, jm, jd) {
    var g = DateUtility.jalali_to_gregorian(jy, jm, jd)
    return new Date(g[0], g[1] - 1, g[2], 23, 59, 59, 999).getTime()
}

// --- look-ups of the filter page --------------------------------------------------------------

function findFilter(filters, type) {
    for (var i = 0; i < filters.length; ++i) {
        if (filters[i].type === type)
            return i
    }
    return -1
}

// The "minMax" or "input" record of a field.
function findByFilter(filters, name) {
    for (var i = 0; i < filters.length; ++i) {
        if ((filters[i].type === "minMax" || filters[i].type === "input") && filters[i].filter === name)
            return i
    }
    return -1
}

function toggleIndexByCard(filters, card) {
    for (var i = 0; i < filters.length; ++i) {
        if (filters[i].type === "toggle" && filters[i]._id === card._id)
            return i
    }
    return -1
}

function toggleIndexInsideCard(filter, item) {
    var toggles = filter && filter.toggles ? filter.toggles : []
    for (var i = 0; i < toggles.length; ++i) {
        if (toggles[i].fieldName === item.fieldName)
            return i
    }
    return -1
}

// True when a "toggle" record holds the field, else -1.
function toggleIndex(filters, item) {
    for (var i = 0; i < filters.length; ++i) {
        if (filters[i].type === "toggle" && toggleIndexInsideCard(filters[i], item) >= 0)
            return true
    }
    return -1
}

function toggleOf(field) {
    return {
        _id: field._id,
        title: field.title,
        type: field.type,
        rowId: field.rowId,
        attachedRow: field.attachedRow,
        hasAttached: field.hasAttached,
        fieldName: field.fieldName,
        selected: true
    }
}

// Selects `field` under `card`: into the card's "toggle" record, made when it is missing.
function addToggle(filters, card, field) {
    var index = toggleIndexByCard(filters, card)
    if (index < 0) {
        filters.push({ _id: card._id, title: card.title, stepper: card.stepper, stepperTitle: card.stepperTitle,
                       stepperId: card.stepperId, type: "toggle", toggles: [toggleOf(field)] })
    } else if (toggleIndexInsideCard(filters[index], field) < 0) {
        filters[index].toggles.push(toggleOf(field))
    }
}

// Deselects `field`: the card's record goes with its last toggle.
function removeToggle(filters, card, field) {
    var index = toggleIndexByCard(filters, card)
    if (index < 0)
        return
    var inside = toggleIndexInsideCard(filters[index], field)
    if (inside < 0)
        return
    if (filters[index].toggles.length <= 1)
        filters.splice(index, 1)
    else
        filters[index].toggles.splice(inside, 1)
}

// Writes one value of a "minMax" or "input" record of `field`, making the record when it is
// missing. `key`: "min", "max" or "value".
function setValue(filters, type, field, key, value) {
    var index = findByFilter(filters, field.fieldName)
    if (index < 0) {
        var record = { title: field.title, type: type, filter: field.fieldName, currency: field.currency }
        filters.push(record)
        index = filters.length - 1
    }
    filters[index][key] = value
}

// Puts the record of a one-of-a-kind type in place of the one there, or at the end.
function replace(filters, record) {
    var index = findFilter(filters, record.type)
    if (index < 0)
        filters.push(record)
    else
        filters[index] = record
}
