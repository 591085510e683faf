import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/src/dialogs"

// The searchable picker: typing narrows the rows to the records whose title or description holds
// the text, a click reports the record, and every opening starts again from the whole list.
Item {
    id: window

    property bool rightToLeft: true

    width: 800
    height: 800

    Item {
        id: appWindow

        property bool rightToLeft: true
        property Item overlay: Overlay.overlay

        width: 800
        height: 800
    }

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    Component {
        id: dialogComponent
        SearchDialog {
            dialogTitle: "انتخاب منطقه فایل"
        }
    }

    TestCase {
        id: testCase

        name: "SearchDialog"
        when: windowShown

        readonly property var zones: [
            { _id: 1, title: "احمدآباد", description: "منطقه یک" },
            { _id: 2, title: "سجاد", description: "منطقه یک، بلوار سجاد" },
            { _id: 3, title: "Vakil Abad", description: "منطقه نه" },
            { _id: 4, title: "وکیل آباد" },
            { _id: 5, title: "Zone 12", description: "vakil abad north" }
        ]

        Component {
            id: spyComponent
            SignalSpy {}
        }

        function titles(dialog) {
            return dialog.shown.map(function (item) { return item.title })
        }

        function openDialog() {
            var dialog = createTemporaryObject(dialogComponent, window, { items: zones })
            dialog.initial()
            tryCompare(dialog, "opened", true)
            waitForRendering(dialog.contentItem)
            return dialog
        }

        function test_matchesTitleOrDescription_data() {
            return [
                { tag: "everything for no text", text: "", expected: ["احمدآباد", "سجاد", "Vakil Abad", "وکیل آباد", "Zone 12"] },
                { tag: "title only", text: "آباد", expected: ["احمدآباد", "وکیل آباد"] },
                { tag: "description only", text: "منطقه یک", expected: ["احمدآباد", "سجاد"] },
                { tag: "title or description", text: "سجاد", expected: ["سجاد"] },
                { tag: "case-sensitive", text: "vakil", expected: ["Zone 12"] },
                { tag: "case-sensitive too", text: "Vakil", expected: ["Vakil Abad"] },
                { tag: "record without description", text: "وکیل", expected: ["وکیل آباد"] },
                { tag: "nothing", text: "مشهد", expected: [] }
            ]
        }

        function test_matchesTitleOrDescription(data) {
            var dialog = openDialog()
            dialog.search(data.text)
            compare(titles(dialog), data.expected)
            var list = findChild(dialog.contentItem, "list")
            tryCompare(list, "count", data.expected.length)
        }

        function test_typingNarrowsTheList() {
            var dialog = openDialog()
            var input = findChild(dialog.contentItem, "searchInput")
            var list = findChild(dialog.contentItem, "list")
            compare(list.count, 5)
            mouseClick(input)
            input.input.forceActiveFocus()
            keyClick("V")
            keyClick("a")
            compare(input.text, "Va")
            compare(titles(dialog), ["Vakil Abad"])
            tryCompare(list, "count", 1)
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Backspace)
            compare(list.count, 5)
        }

        function test_clickReportsTheRecordAndStaysOpen() {
            var dialog = openDialog()
            var selected = createTemporaryObject(spyComponent, testCase, { target: dialog, signalName: "selected" })
            dialog.search("منطقه")
            var list = findChild(dialog.contentItem, "list")
            tryCompare(list, "count", 3)
            waitForRendering(list)
            var second = list.itemAtIndex(1)
            mouseClick(second)
            compare(selected.count, 1)
            compare(selected.signalArguments[0][0]._id, 2)
            compare(selected.signalArguments[0][0].title, "سجاد")
            verify(dialog.opened)
            dialog.dismiss()
            tryCompare(dialog, "visible", false)
        }

        function test_reopeningShowsEverythingAgain() {
            var dialog = openDialog()
            var input = findChild(dialog.contentItem, "searchInput")
            input.text = "Zone"
            compare(titles(dialog), ["Zone 12"])
            dialog.dismiss()
            tryCompare(dialog, "visible", false)
            dialog.initial()
            tryCompare(dialog, "opened", true)
            compare(input.text, "")
            compare(dialog.shown.length, 5)
        }

        function test_newItemsAreSearchedWithTheCurrentText() {
            var dialog = openDialog()
            dialog.search("آباد")
            dialog.items = [{ title: "الهیه" }, { title: "قاسم آباد", description: "" }]
            compare(titles(dialog), ["قاسم آباد"])
        }

        function test_titleCanBeHidden() {
            var dialog = openDialog()
            var list = findChild(dialog.contentItem, "list")
            var withTitle = list.height
            dialog.hasTitle = false
            verify(list.height > withTitle)
        }
    }
}
