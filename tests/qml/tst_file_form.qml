import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/database"
import "qrc:/src/scripts/FileForm.js" as FileForm

// The listing form's rules with edge cases: the price calculator, the option lines, what a record's
// attributes become in the form and which of them a form sends, and the pictures to delete.
TestCase {
    id: testCase

    // What the main window offers the schema elements by name.
    property var appData: ({})

    function saveUserData() {}

    name: "FileForm"

    function test_calculator_data() {
        return [
            // A total of 900 and a size of 30 make 30 per metre.
            { tag: "size after total", changed: "length", size: 30, perMetre: 0, total: 900, target: "ppm", text: "30" },
            { tag: "per metre", changed: "ppm", size: 30, perMetre: 45, total: 900, target: "price", text: "1350" },
            { tag: "total", changed: "price", size: 30, perMetre: 45, total: 2700, target: "length", text: "60" },
            { tag: "rounded", changed: "length", size: 3, perMetre: 0, total: 1000, target: "ppm", text: "333" },
            { tag: "half up", changed: "price", size: 0, perMetre: 400, total: 200, target: "length", text: "1" },
            { tag: "no total yet", changed: "length", size: 30, perMetre: 45, total: 0, target: null },
            { tag: "no size yet", changed: "ppm", size: 0, perMetre: 45, total: 900, target: null },
            { tag: "no per metre", changed: "price", size: 30, perMetre: 0, total: 900, target: null },
            // 17-digit amounts times a size no longer give exact digits.
            { tag: "past exact digits", changed: "ppm", size: 99999, perMetre: 99999999999999999, total: 0, target: null },
            { tag: "billions", changed: "ppm", size: 120, perMetre: 75000000, total: 0, target: "price", text: "9000000000" }
        ]
    }

    function test_calculator(data) {
        var result = FileForm.calculate(data.changed, data.size, data.perMetre, data.total)
        if (data.target === null) {
            compare(result, null)
            return
        }
        compare(result, { target: data.target, text: data.text })
    }

    function test_amountsAreReadAsTheInputsHandThemOn() {
        compare([FileForm.readAmount(" 2500 "), FileForm.readAmount(""), FileForm.readAmount(undefined),
                 FileForm.readAmount("-5")], [2500, 0, 0, 0])
        // What a currency input shows is no number: the form reads its digits instead.
        compare(FileForm.readAmount("1,000"), 0)
    }

    function test_optionLines() {
        compare(FileForm.toggleLines(12), [4, 4, 4])
        compare(FileForm.toggleLines(9), [3, 3, 3])
        compare(FileForm.toggleLines(10), [2, 2, 2, 2, 2])
        compare(FileForm.toggleLines(7), [3, 3, 1])
        compare(FileForm.toggleLines(5), [3, 2])
        compare(FileForm.toggleLines(1), [1])
        compare(FileForm.toggleLines(0), [])
    }

    // A stored record's attributes into the form and back, limited to the chosen form.
    function test_attributesFollowTheChosenForm() {
        var restored = FileForm.restore({ north_p: true, duplex: true, flag: "true", room: "3", area: 200, price: "",
                                          gone: false, none: null, name_family: "مالک" })
        compare(restored.toggles, [{ fieldName: "north_p" }, { fieldName: "duplex" }])
        compare(restored.inputs, [{ key: "flag", value: "true" }, { key: "room", value: "3" },
                                  { key: "area", value: 200 }, { key: "name_family", value: "مالک" }])

        // Typed as an apartment for sale, sent as land for sale.
        var land = fieldTable.getFormFieldNames(1, 53)
        verify(land.indexOf("area") >= 0 && land.indexOf("north_p") >= 0 && land.indexOf("residential") >= 0)
        verify(land.indexOf("room") < 0 && land.indexOf("duplex") < 0)
        compare(FileForm.formAttrs(restored.inputs, restored.toggles, land.concat([FileForm.descriptionKey])),
                { north_p: true, area: 200, name_family: "مالک" })
        // The apartment's own form keeps all of its own.
        var apartment = fieldTable.getFormFieldNames(1, 50)
        compare(FileForm.formAttrs(restored.inputs, restored.toggles, apartment),
                { north_p: true, duplex: true, room: "3", area: 200, name_family: "مالک" })
        // Attached rows belong to the form too: a tenant's name stays with a sale.
        verify(apartment.indexOf("tenant_name") >= 0)
        compare(fieldTable.getFormFieldNames(2, 53), [])
    }

    function test_picturesAndRecords() {
        var base = "https://example.test/media/properties/"
        // Only the whole address counts: "1.jpg" is gone although ".../11.jpg" ends with it; a
        // one-character name is no picture.
        compare(FileForm.imagesToDelete(["11.jpg", "1.jpg", "x", "b.png"], [base + "11.jpg", base + "b.png",
                                                                          "file:///tmp/1.jpg"], base), ["1.jpg"])
        verify(FileForm.isWebUrl("HTTP://a/b.png") && !FileForm.isWebUrl("file:///home/http.png"))
        compare(FileForm.findRecord([{ _id: "a" }, null, { _id: "b" }], "b"), { _id: "b" })
        compare(FileForm.findRecord([{ _id: "a" }], "c"), null)
    }

    AppUtility {
        id: appUtility
    }

    FieldTable {
        id: fieldTable
    }
}
