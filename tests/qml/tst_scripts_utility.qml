import QtQuick 2.15
import QtTest 1.15
import "qrc:/src/scripts/Utility.js" as Utility

// The general helpers: money texts, short numbers, removing by old positions, folder filtering,
// view creation and the permission chain.
TestCase {
    id: testCase

    name: "ScriptUtility"

    property int apiDestructions: 0

    // The permission chain reports a refusal through the window's toast; the test stands in for it.
    QtObject {
        id: toast
        property int durationShort: 3500
        property var shown: []
        function show(content, duration) {
            shown.push([content, duration])
        }
    }

    Component {
        id: permissionApi
        QtObject {
            property var held: []
            property var requested: []
            signal permissionResult(bool granted)
            function checkPermission(name) {
                return held.indexOf(name) >= 0
            }
            function requestPersmission(name) {
                requested.push(name)
            }
            Component.onDestruction: ++testCase.apiDestructions
        }
    }

    Component {
        id: container
        Item {}
    }

    function test_putComma_data() {
        return [
            { tag: "empty text", value: "", expected: "" },
            { tag: "null", value: null, expected: null },
            { tag: "undefined", value: undefined, expected: undefined },
            { tag: "zero", value: 0, expected: 0 },
            { tag: "three digits", value: 999, expected: "999" },
            { tag: "thousand", value: 1000, expected: "1,000" },
            { tag: "million text with commas", value: "1,000,000", expected: "1,000,000" },
            { tag: "misplaced commas", value: "12,34567", expected: "1,234,567" },
            { tag: "seven digits", value: 1234567, expected: "1,234,567" },
            { tag: "fraction left alone", value: "1234.5", expected: "1,234.5" },
            { tag: "long fraction", value: 1234567.891, expected: "1,234,567.891" },
            { tag: "negative", value: -123456, expected: "-123,456" },
            { tag: "negative three digits", value: "-123", expected: "-123" },
            { tag: "negative fraction with commas", value: "-1,234,5678.25", expected: "-12,345,678.25" }
        ]
    }

    function test_putComma(data) {
        compare(Utility.putComma(data.value), data.expected)
    }

    function test_commasAndReplacing() {
        compare(Utility.removeCommas("1,234,567"), "1234567")
        compare(Utility.removeCommas(1234), "1234")
        // Search texts are literal, never patterns.
        compare(Utility.replaceAll("1+1+1", "+", " و "), "1 و 1 و 1")
        compare(Utility.replaceAll("a.b.c", ".", ""), "abc")
        compare(Utility.replaceAll("aaa", "a", "aa"), "aaaaaa")
        compare(Utility.getParameter("page", 2), { key: "page", value: 2 })
    }

    function test_round_data() {
        return [
            { tag: "2.5 to whole", value: 2.5, precision: 0, expected: 2 },
            { tag: "negative goes down", value: -1.25, precision: 1, expected: -1.3 },
            { tag: "never rounds up", value: 1.99, precision: 1, expected: 1.9 },
            { tag: "missing precision", value: 1.99, precision: undefined, expected: 1 },
            { tag: "two places", value: 3.14159, precision: 2, expected: 3.14 }
        ]
    }

    function test_round(data) {
        compare(Utility.round(data.value, data.precision), data.expected)
    }

    function test_getDigit_data() {
        return [
            { tag: "undefined", value: undefined, expected: "" },
            { tag: "below a thousand", value: 999, expected: 999 },
            { tag: "a thousand", value: 1000, expected: "1K" },
            { tag: "thousand and a half", value: 1500, expected: "1.5K" },
            { tag: "never rounds up", value: 999999, expected: "999.9K" },
            { tag: "a million", value: 1000000, expected: "1M" },
            { tag: "millions", value: 2345678, expected: "2.3M" },
            { tag: "seven thousand million", value: 7000000000, expected: "7B" },
            { tag: "number as text", value: "2500", expected: "2.5K" },
            { tag: "persian digits", value: "۱۵۰۰", expected: "1.5K" },
            { tag: "arabic-indic digits", value: "٢٣٤٥٦٧٨", expected: "2.3M" },
            { tag: "persian below a thousand", value: "۹۹۹", expected: "۹۹۹" },
            { tag: "unreadable text", value: "نامشخص", expected: "نامشخص" },
            { tag: "empty text", value: "", expected: "" },
            { tag: "NaN", value: NaN, expected: NaN },
            { tag: "Infinity", value: Infinity, expected: Infinity },
            { tag: "null", value: null, expected: null }
        ]
    }

    function test_getDigit(data) {
        compare(Utility.getDigit(data.value), data.expected)
    }

    function test_latinDigits() {
        compare(Utility.latinDigits("۰۱۲۳۴۵۶۷۸۹ ٠١٢٣٤٥٦٧٨٩ 09"), "0123456789 0123456789 09")
        compare(Utility.latinDigits("پلاک ۱۲"), "پلاک 12")
        // Below a shortened count's threshold the letter code is never reached with bad input.
        compare(Utility.getDigitWithLetter(500, 1000), 500)
        compare(Utility.getDigitWithLetter("x", 1000), "x")
    }

    function test_remove_data() {
        return [
            { tag: "ascending", keys: [1, 3], expected: ["a0", "a2"] },
            { tag: "descending", keys: [3, 1], expected: ["a0", "a2"] },
            { tag: "unordered", keys: [2, 0, 3], expected: ["a1"] },
            { tag: "none", keys: [], expected: ["a0", "a1", "a2", "a3"] },
            { tag: "all", keys: [0, 1, 2, 3], expected: [] }
        ]
    }

    function test_remove(data) {
        var array = ["a0", "a1", "a2", "a3"]
        compare(Utility.remove(array, data.keys), undefined)
        compare(array, data.expected)
    }

    function test_checkRemoved() {
        compare(Utility.checkRemoved([5, 1, 3, 7], 4), 2)
        compare(Utility.checkRemoved([], 4), 0)
        compare(Utility.checkRemoved([4], 4), 0)
    }

    function test_findKeepsTheUsersFolders() {
        var me = { _id: "u1" }
        var shared = { title: "shared", users: [{ _id: "u1" }, { _id: "u2" }] }
        var others = { title: "others", users: [{ _id: "u2" }] }
        var open = { title: "open" }
        var twice = { title: "twice", users: [{ _id: "u1" }, { _id: "u1" }] }
        var office = { name: "office", folders: [shared, others, open, twice] }
        compare(Utility.find(office, me), undefined)
        compare(office.folders.map(function (f) { return f.title }), ["shared", "twice", "twice"])
        compare(office.name, "office")

        var stranger = { folders: [shared, others] }
        Utility.find(stranger, { _id: "u9" })
        compare(stranger.folders, [])
    }

    function test_createView() {
        var parentItem = createTemporaryObject(container, testCase)
        var url = "qrc:/src/components/CropCursor.qml"
        var placed = Utility.createView(url, parentItem, { size: 40 })
        verify(placed !== null)
        compare(placed.parent, parentItem)
        compare(placed.size, 40)
        placed.destroy()

        // Documents name views relative to the script library's folder, wherever they live.
        var relative = Utility.createView("../components/CropCursor.qml", parentItem, {})
        verify(relative !== null)
        compare(relative.parent, parentItem)
        relative.destroy()

        var loose = Utility.createView(url)
        verify(loose !== null)
        compare(loose.parent, null)
        compare(loose.size, 64)
        loose.destroy()
    }

    function test_sizes() {
        compare([Utility.TextSize.xSmall, Utility.TextSize.small, Utility.TextSize.medium,
                 Utility.TextSize.normal, Utility.TextSize.large, Utility.TextSize.XLarge],
                [8, 10, 12, 14, 16, 18])
        compare([Utility.IconSize.xSmall, Utility.IconSize.small, Utility.IconSize.medium,
                 Utility.IconSize.normal, Utility.IconSize.large, Utility.IconSize.XLarge,
                 Utility.IconSize.XXLarge, Utility.IconSize.XXXLarge],
                [12, 14, 16, 18, 22, 24, 28, 35])
    }

    function test_permissionChainAsksOnlyWhatIsMissing() {
        var api = permissionApi.createObject(testCase, { held: ["camera"] })
        apiDestructions = 0
        Utility.getPermissions(api, ["storage", "camera", "phone"], 0)
        compare(api.requested, ["storage"])
        api.permissionResult(true)
        // "camera" is held, so the chain moves on to "phone" without asking.
        compare(api.requested, ["storage", "phone"])
        api.permissionResult(true)
        // Each answer is taken once: the handler of "storage" must not ask for "phone" again.
        compare(api.requested, ["storage", "phone"])
        compare(toast.shown, [])
        // The chain's end destroys the platform object (later in the event loop).
        tryCompare(testCase, "apiDestructions", 1)
    }
}
