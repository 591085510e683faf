.pragma library

// The listing form's rules that need no view: the price calculator, the option lines, what a
// record's attributes become in the form and what the form sends back, and the pictures to drop.

// The attribute key the form itself knows beyond the schema.
var descriptionKey = "fileDetail"

// The size field the price per metre refers to: built area for apartments and offices, the shop's
// floor for shops, the land for everything else.
function sizeKey(propertyType) {
    if (propertyType === 50 || propertyType === 54)
        return "home"
    if (propertyType === 55)
        return "floorspace"
    return "area"
}

// An amount as the inputs hand it on (0-9 only, no grouping); 0 for an empty or unreadable text.
function readAmount(text) {
    var value = Number(String(text === undefined || text === null ? "" : text).trim())
    return isFinite(value) && value > 0 ? value : 0
}

// What the calculator writes after `changed` ("length", "ppm" or "price") with size L, price per
// metre P and total T: {target, text} naming the field to rewrite ("ppm", "price" or "length"),
// or null when there is nothing to work out or no exact whole number to write.
function calculate(changed, size, perMetre, total) {
    var target = ""
    var value = 0
    if (changed === "length" && total > 0 && size > 0) {
        target = "ppm"
        value = Math.round(total / size)
    } else if (changed === "ppm" && perMetre > 0 && size > 0) {
        target = "price"
        value = Math.round(perMetre * size)
    } else if (changed === "price" && total > 0 && perMetre > 0) {
        target = "length"
        value = Math.round(total / perMetre)
    } else {
        return null
    }
    // Past 2^53 the digits are no longer exact, and from 1e21 on the text turns exponential.
    if (!isFinite(value) || value > 9007199254740991)
        return null
    return { target: target, text: String(value) }
}

// How many options go on each line: lines of 4, 3 or 2 when the count divides evenly, otherwise
// lines of 3 with a shorter last one.
function toggleLines(count) {
    var size = count % 4 === 0 ? 4 : count % 3 === 0 ? 3 : count % 2 === 0 ? 2 : 3
    var lines = []
    for (var left = count; left > 0; left -= size)
        lines.push(Math.min(size, left))
    return lines
}

// A stored record's attributes as the form holds them: a value that is exactly true is a chosen
// option, anything else the text of an input.
function restore(attrs) {
    var inputs = []
    var toggles = []
    for (var key in attrs || {}) {
        var value = attrs[key]
        if (value === true)
            toggles.push({ fieldName: key })
        else if (value !== undefined && value !== null && value !== false && String(value) !== "")
            inputs.push({ key: key, value: value })
    }
    return { inputs: inputs, toggles: toggles }
}

// The `attrs` sent for the chosen form: only the keys `allowed` names (the fields of the chosen
// deal and property type, its steppers and the description), so that values typed into another
// form before the user went back and chose again are not stored on this one.
function formAttrs(inputs, toggles, allowed) {
    var attrs = {}
    for (var i = 0; i < toggles.length; ++i) {
        if (allowed.indexOf(toggles[i].fieldName) >= 0)
            attrs[toggles[i].fieldName] = true
    }
    for (var j = 0; j < inputs.length; ++j) {
        if (allowed.indexOf(inputs[j].key) >= 0)
            attrs[inputs[j].key] = inputs[j].value
    }
    return attrs
}

function hasValue(inputs, key) {
    for (var i = 0; i < inputs.length; ++i) {
        if (inputs[i].key === key)
            return String(inputs[i].value).trim() !== ""
    }
    return false
}

// A picture already stored by the service, as opposed to a file picked on this computer.
function isWebUrl(url) {
    return /^https?:\/\//i.test(String(url))
}

// The stored picture names of a record worth showing: a one-character name marks a record
// without pictures.
function storedImages(images) {
    return (Array.isArray(images) ? images : []).filter(function (name) {
        return typeof name === "string" && name.length > 1
    })
}

// The stored pictures the user removed: those whose whole address is no longer among `urls`.
function imagesToDelete(images, urls, baseUrl) {
    return storedImages(images).filter(function (name) {
        return urls.indexOf(baseUrl + name) < 0
    })
}

// The record with the given id out of a search reply's rows, or null.
function findRecord(rows, id) {
    var list = Array.isArray(rows) ? rows : []
    for (var i = 0; i < list.length; ++i) {
        if (list[i] && list[i]._id === id)
            return list[i]
    }
    return null
}

// A coordinate as the location button shows it.
function formatNumber(num) {
    return Number(num).toFixed(6)
}

// The index of the entry of `list` whose `name` is `value`, or -1 (the form's inputs by "key",
// its chosen options by "fieldName").
function indexOfKey(list, name, value) {
    for (var i = 0; i < list.length; ++i) {
        if (list[i][name] === value)
            return i
    }
    return -1
}

// `list` without its entries whose `name` is `value`.
function withoutKey(list, name, value) {
    return list.filter(function (entry) { return entry[name] !== value })
}

// How a chosen option (a schema field) is kept among the form's toggles.
function toggleRecord(field) {
    return { _id: field._id, title: field.title, type: field.type, rowId: field.rowId, attachedRow: field.attachedRow,
             hasAttached: field.hasAttached, fieldName: field.fieldName, selected: true }
}
