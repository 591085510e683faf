import QtQuick 2.15
import QtTest 1.15
import "qrc:/src/scripts/FileRecord.js" as FileRecord
import "qrc:/src/scripts/FileFilters.js" as FileFilters

// The file list's texts, stamps and filter records, where their edge cases lie.
TestCase {
    id: testCase

    name: "FileFilters"

    function context(overrides) {
        var titles = { 1: "فروش", 2: "اجاره", 4: "پیش فروش", 50: "آپارتمان" }
        var result = {
            titleOf: function (id) { return titles[id] !== undefined ? titles[id] : "" },
            userId: "me",
            isManager: false,
            isShared: false
        }
        for (var key in overrides)
            result[key] = overrides[key]
        return result
    }

    function rentFile() {
        return {
            _id: "r1", trackingId: 1175, dealType: 2, propertyType: 50, status: -1, dealStatus: "done",
            createdById: "me", creator: { fname: "سارا", lname: "احمدی" }, officeId: "o1",
            sharingSettings: { shared: true }, fileDateUnix: new Date(2024, 2, 20, 10, 0).getTime(),
            fileDate: "2024-03-20T06:30:00.000Z", area: { title: "سجاد" }, images: ["a.jpg", "b.jpg"],
            attrs: { mortgage: "1500000000", rent: 21900000, home: "1062", room: "2", floor: 9, build_year: "0",
                     floorspace: "60", district: "بلوار سجاد", address: "کوچه 12" }
        }
    }

    function test_preparedTextsAndStamps() {
        var file = FileRecord.prepare(rentFile(), ["x", "r1"], context())
        compare(file.dealTitle, "اجاره - آپارتمان")
        compare(file.filePriceText, "رهن 1,500,000,000 , اجاره 21,900,000 تومان")
        compare(file.detailText, "1,062 متری , 2 خوابه , طبقه 9 , صفر , 60 متری")
        compare(file.zoneText, "سجاد / بلوار سجاد / کوچه 12")
        compare(file.fileHeader, "سارا احمدی / بایگانی / معامله شده")
        // A finished deal outweighs the archive; a rent is "rented".
        compare(file.statusImage, "../../rss/images/rented.png")
        compare(file.fileDateText, "1403/01/01")
        compare(file.mainImage, "a.jpg")
        verify(file.bookmarked && file.isFileShared && file.showShare && !file.systemFile && !file.justOwnerAccess)

        // In the cooperation list: the office names the file, its address stays private, no sharing.
        file = FileRecord.prepare(rentFile(), [], context({ isShared: true }))
        file.office = { title: "املاک پارسیان" }
        compare(FileRecord.headerText(file, true), "املاک پارسیان / بایگانی / معامله شده")
        compare(file.zoneText, "سجاد / بلوار سجاد")
        verify(!file.showShare && !file.bookmarked)

        // A sale without any price, picture or known type; another user's file, seen by an adviser.
        var bare = { _id: "s1", dealType: 3, propertyType: 99, status: 2, createdById: "other", attrs: {},
                     images: [], fileDateUnix: undefined }
        file = FileRecord.prepare(bare, [], context())
        compare(file.dealTitle, " - ", "unknown types read as empty titles")
        compare(file.filePriceText, "تماس بگیرید")
        compare(file.detailText, "")
        compare(file.zoneText, "")
        compare(file.mainImage, "-")
        compare(file.fileHeader, "وضعیت عادی")
        compare(file.statusImage, "")
        compare(file.fileDateText, "")
        verify(!file.showShare && file.systemFile === false)
        verify(FileRecord.prepare(bare, [], context({ isManager: true })).showShare, "a manager shares any own file")

        // The service's own pool file, deleted, a deal of another kind done or cancelled.
        file = FileRecord.prepare({ _id: "p1", dealType: 4, propertyType: 50, status: -2, systemFile: true,
                                    dealStatus: "cancelled", attrs: { price: 0, price_meter: "" } }, [],
                                  context({ isManager: true }))
        compare(file.fileHeader, "ســــــامانه Norvela / حذف شده / کنسل شده")
        compare(file.statusImage, "../../rss/images/cancelled.png")
        compare(file.filePriceText, "قیمت 0 تومان")
        verify(!file.showShare)
        file.dealStatus = "done"
        compare(FileRecord.statusImage(file), "../../rss/images/dealed.png")
        file.dealType = 1
        compare(FileRecord.statusImage(file), "../../rss/images/sold.png")

        // Every role of a row is there and of one type, whatever the record lacked.
        var row = FileRecord.row(FileRecord.prepare(bare, [], context()))
        compare(row.dealStatus, "")
        compare(row.officeId, "")
        compare(row.trackingId, "")
        compare(typeof row.status, "number")
    }

    function test_filtersMakeTheRequestAndChips() {
        var filters = [
            { type: "minMax", title: "قیمت کل", filter: "price", min: "1000000", max: "", currency: 1 },
            { type: "minMax", title: "متراژ بنا", filter: "home", min: "", max: " " },
            { type: "minMax", title: "تعداد اتاق", filter: "room", max: "3", currency: 0 },
            { type: "input", title: "نام مالک", filter: "name_family", value: "  ", currency: 0 },
            { type: "input", title: "تعداد پارکینگ", filter: "parking_lot", value: "2", currency: 0 },
            { type: "input", title: "نام محله", filter: "district", value: "سجاد", currency: 0 },
            { _id: 8, title: "مشاعات", type: "toggle", toggles: [{ fieldName: "asansor", title: "آسانسور" },
                                                                    { fieldName: "lobby", title: "لابی" }] },
            { type: "zone", zone: { _id: "z1", title: "سجاد" } },
            { type: "fileModel", fileModel: { title: "فقط فایل های مخفی", status: "hide", index: 1 } },
            { type: "fileStatus", fileStatus: { title: "فقط بایگانی ها", status: -1, index: 0 } },
            { type: "fileDate", endDate: { title: "1403/01/01", value: 1710966599999 } }
        ]
        var params = FileFilters.addToRequest({}, filters, false)
        compare(params.range, { "attrs.price": { min: 1000000 }, "attrs.room": { max: 3 },
                                fileDateUnix: { max: 1710966599999 } }, "blank bounds are absent")
        compare(params.attrs, { parking_lot: "2", district: "سجاد", asansor: true, lobby: true })
        compare(params.stringAttrKeys, ["district"], "parking counts are matched whole")
        verify(params.stringAttrKeysOperator === undefined)
        compare(params.areaId, "z1")
        compare(params.justOwnerAccess, true)
        compare(params.status, -1)
        verify(params.systemFile === undefined)

        var chips = FileFilters.chips(filters)
        compare(chips.map(function (chip) { return chip.filterTitle + " : " + chip.filterValue }),
                ["قیمت کل : از 1,000,000 تومان", "تعداد اتاق : تا 3", "تعداد پارکینگ : 2", "نام محله : سجاد",
                 "مشاعات : آسانسور , لابی", "منطقه فایل : سجاد", "نوع فایل : فقط فایل های مخفی",
                 "وضعیت بایگانی : فقط بایگانی ها", "تاریخ ثبت :  تا 1403/01/01"])
        compare(chips.map(function (chip) { return chip.filterIndex }), [0, 2, 4, 5, 6, 7, 8, 9, 10])
        compare(FileFilters.withoutBlanks(filters).length, 9)

        // The search bar's five keys, any one of which may match.
        params = FileFilters.addToRequest({}, FileFilters.textSearch("مشهد"), true)
        compare(params.stringAttrKeys, ["name_family", "mobile", "address", "district", "fileDetails"])
        compare(params.stringAttrKeysOperator, "or")
        compare(FileFilters.chip({ type: "minMax", title: "t", min: "5", max: "9" }).filterValue, "بین 5 تا 9")
        compare(FileFilters.addToRequest({ page: 1 }, [filters[1], filters[3]], true), { page: 1 }, "nothing to send")
    }

    function test_filterPageRecords() {
        var card = { _id: 8, title: "مشاعات", stepper: 0 }
        var asansor = { _id: 900, title: "آسانسور", type: 0, fieldName: "asansor" }
        var lobby = { _id: 901, title: "لابی", type: 0, fieldName: "lobby" }
        var filters = [{ type: "zone", zone: { _id: "z", title: "z" } }]
        FileFilters.addToggle(filters, card, asansor)
        FileFilters.addToggle(filters, card, lobby)
        FileFilters.addToggle(filters, card, lobby)
        compare(filters.length, 2)
        compare(filters[1].toggles.map(function (t) { return t.fieldName }), ["asansor", "lobby"])
        compare(FileFilters.toggleIndex(filters, lobby), true)
        compare(FileFilters.toggleIndexInsideCard(filters[1], lobby), 1)
        FileFilters.removeToggle(filters, card, asansor)
        compare(filters[1].toggles.length, 1)
        FileFilters.removeToggle(filters, card, lobby)
        compare(filters.length, 1, "the card's record goes with its last toggle")
        compare(FileFilters.toggleIndex(filters, lobby), -1)

        var field = { fieldName: "price", title: "قیمت کل", currency: 1 }
        FileFilters.setValue(filters, "minMax", field, "min", "5")
        FileFilters.setValue(filters, "minMax", field, "max", "9")
        compare(filters.length, 2)
        compare(FileFilters.findByFilter(filters, "price"), 1)
        compare(filters[1], { title: "قیمت کل", type: "minMax", filter: "price", currency: 1, min: "5", max: "9" })
        FileFilters.replace(filters, { type: "zone", zone: { _id: "y", title: "y" } })
        compare(FileFilters.findFilter(filters, "zone"), 0)
        compare(filters[0].zone._id, "y")
        compare(FileFilters.findFilter(filters, "fileDate"), -1)

        // The list hands over a copy: nothing written on it reaches the list's own records.
        var copy = FileFilters.copy(filters)
        copy[1].min = "7"
        compare(filters[1].min, "5")
    }

    // The first day from its first millisecond, the last to its last, on days where months and
    // years turn.
    function test_dateBoundsCoverWholeDays() {
        var cases = [
            [[1403, 12, 30], [2025, 3, 20]],
            [[1403, 6, 31], [2024, 9, 21]],
            [[1403, 1, 1], [2024, 3, 20]],
            [[1402, 12, 29], [2024, 3, 19]]
        ]
        for (var i = 0; i < cases.length; ++i) {
            var j = cases[i][0], g = cases[i][1]
            var start = new Date(FileFilters.dayStart(j[0], j[1], j[2]))
            var end = new Date(FileFilters.dayEnd(j[0], j[1], j[2]))
            compare([start.getFullYear(), start.getMonth() + 1, start.getDate()], g, j.join("/"))
            compare([start.getHours(), start.getMinutes(), start.getSeconds(), start.getMilliseconds()], [0, 0, 0, 0])
            compare([end.getFullYear(), end.getMonth() + 1, end.getDate()], g, j.join("/"))
            compare([end.getHours(), end.getMinutes(), end.getSeconds(), end.getMilliseconds()], [23, 59, 59, 999])
        }
    }
}
