import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import AppUtility 1.0
import "qrc:/src/components"

// The basic controls, driven the way a user drives them: typing, clicking, tabbing.
Item {
    id: appWindow

    property bool rightToLeft: true
    readonly property Item overlay: Overlay.overlay

    width: 800
    height: 600

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }
    FontLoader { id: mjDalalText; source: "qrc:/rss/fonts/nazli.ttf" }

    Column {
        id: inputs

        width: 300
        spacing: 5

        AppInput { id: currencyInput; width: 300; height: 40; isCurrency: true }
        AppInput { id: plainInput; width: 300; height: 40; hint: "نام"; tabItem: secondInput.input }
        AppInput { id: secondInput; width: 300; height: 40; tabItem: areaInput.input }
        AppTextArea { id: areaInput; width: 300; height: 60; tabItem: plainInput.input }
        AppInput { id: lonelyInput; width: 300; height: 40 }
        AppInput {
            id: amountInput

            width: 300
            height: 40
            isCurrency: true
            validator: RegExpValidator { regExp: /[1-9][0-9,]+/ }
        }
        AppTextArea { id: amountArea; width: 300; height: 40; isCurrency: true }
    }

    AppUtility { id: clipboard }

    Column {
        x: 350
        width: 400
        spacing: 5

        AppButton { id: button; width: 120; height: 35; color: "#5260ff"; text: "ثبت" }
        Stepper { id: stepper; width: 250; height: 30; title: "اتاق" }
        Switch { id: offSwitch; text: "فعال" }
        Switch { id: onSwitch; checked: true; text: "فعال" }
        Item {
            width: 300
            height: 35

            AppComboBox {
                id: combo

                model: ListModel {
                    ListElement { title: "آپارتمان"; english_title: "Apartment" }
                    ListElement { title: "ویلا"; english_title: "Villa" }
                    ListElement { title: "زمین"; english_title: "Land" }
                }
            }
        }
        CircleIcon { id: circle; width: 30; height: 30; icon: "\uF156" }
        IranSansText { id: label; text: "برچسب" }
        AppButton { id: latinButton; width: 160; height: 35; rightToLeft: false; text: "Save" }
        AppButton { id: iconButton; width: 160; height: 35; color: "#5260ff"; text: "ذخیره"; icon: "\uF193" }
    }

    Item {
        id: searchHost

        y: 450
        width: 800
        height: 40

        SearchBar { id: searchBar; width: 500; height: 40 }
    }

    SignalSpy { id: currencySpy; target: currencyInput; signalName: "valueChanged" }
    SignalSpy { id: plainSpy; target: plainInput; signalName: "valueChanged" }
    SignalSpy { id: amountSpy; target: amountInput; signalName: "valueChanged" }
    SignalSpy { id: enterSpy; target: lonelyInput; signalName: "enterPressed" }
    SignalSpy { id: buttonSpy; target: button; signalName: "clicked" }
    SignalSpy { id: circleSpy; target: circle; signalName: "clicked" }
    SignalSpy { id: searchSpy; target: searchBar; signalName: "search" }
    SignalSpy { id: termSpy; target: searchBar; signalName: "termChanged" }

    TestCase {
        name: "Controls"
        when: windowShown

        function typeText(text) {
            for (var i = 0; i < text.length; ++i)
                keyClick(text[i])
        }

        function init() {
            currencySpy.clear()
            plainSpy.clear()
            amountSpy.clear()
            enterSpy.clear()
            buttonSpy.clear()
            circleSpy.clear()
            searchSpy.clear()
            termSpy.clear()
        }

        function test_currencyInputGroupsWhileTyping() {
            currencyInput.input.forceActiveFocus()
            typeText("1234567")
            compare(currencyInput.text, "1,234,567")
            compare(currencyInput.getText(), "1234567")
            // One signal per key, each carrying the grouped text.
            compare(currencySpy.count, 7)
            compare(currencySpy.signalArguments[3][0], "1,234")
            compare(currencySpy.signalArguments[6][0], "1,234,567")
            keyClick(Qt.Key_Backspace)
            compare(currencyInput.text, "123,456")
            compare(currencyInput.getText(), "123456")
            currencyInput.text = ""
        }

        // The Persian layout's digits and the Arabic-Indic ones, typed and pasted, reach the field's
        // validator, its grouping and its listeners as 0-9.
        function test_persianDigitsBecomeLatinAsTheyAreTyped() {
            amountInput.input.forceActiveFocus()
            testSupport.typeText("۱۲۳٤۵")
            compare(amountInput.text, "12,345")
            compare(amountInput.getText(), "12345")
            compare(amountSpy.signalArguments[amountSpy.count - 1][0], "12,345")
            for (var i = 0; i < amountSpy.count; ++i)
                verify(/^[0-9,]+$/.test(amountSpy.signalArguments[i][0]), amountSpy.signalArguments[i][0])
            testSupport.typeText("x")
            compare(amountInput.text, "12,345", "the field's own rules still hold")
            clipboard.copyToClipboard("٦۷")
            keyClick("v", Qt.ControlModifier)
            compare(amountInput.getText(), "1234567")
            compare(amountInput.text, "1,234,567")
            amountInput.text = "۹۰۰۰"
            compare(amountInput.text, "9,000", "text set by a page is converted too")
            amountInput.text = ""
            testSupport.typeText("۰")
            compare(amountInput.text, "", "a leading zero is refused as it is in 0-9")

            // A field without rules converts as well.
            plainInput.input.forceActiveFocus()
            testSupport.typeText("واحد ۱۲")
            compare(plainInput.text, "واحد 12")
            amountArea.input.forceActiveFocus()
            testSupport.typeText("۳۴۵۶")
            compare(amountArea.text, "3,456")
            compare(amountArea.getText(), "3456")
            areaInput.input.forceActiveFocus()
            testSupport.typeText("۱۲")
            compare(areaInput.text, "۱۲", "prose keeps its digits")
            for (var field of [plainInput, amountArea, areaInput])
                field.text = ""
        }

        function test_plainInputKeepsCommas() {
            plainInput.text = "1,5"
            compare(plainInput.getText(), "1,5")
            compare(plainSpy.count, 1)
            plainInput.text = ""
        }

        function test_handcodingValueSuppressesExactlyOneSignal() {
            plainInput.handcodingValue = true
            plainInput.text = "تهران"
            compare(plainSpy.count, 0)
            verify(!plainInput.handcodingValue)
            plainInput.text = "مشهد"
            compare(plainSpy.count, 1)
            compare(plainSpy.signalArguments[0][0], "مشهد")

            currencyInput.handcodingValue = true
            currencyInput.text = "25000"
            compare(currencyInput.text, "25,000")
            compare(currencySpy.count, 0)
            currencyInput.text = "250000"
            compare(currencySpy.count, 1)
            compare(currencySpy.signalArguments[0][0], "250,000")
            plainInput.text = ""
            currencyInput.text = ""
        }

        function test_hintSlidesAwayAndBack() {
            var hint = findChild(plainInput, "hintText")
            verify(hint)
            compare(hint.state, "default")
            plainInput.input.forceActiveFocus()
            keyClick("a")
            compare(hint.state, "faded")
            tryCompare(hint, "opacity", 0)
            keyClick(Qt.Key_Backspace)
            compare(hint.state, "default")
            tryCompare(hint, "opacity", 1)
            tryCompare(hint, "x", 0)
        }

        function test_tabChain() {
            plainInput.input.forceActiveFocus()
            keyClick(Qt.Key_Tab)
            verify(secondInput.input.activeFocus)
            keyClick(Qt.Key_Tab)
            verify(areaInput.input.activeFocus)
            keyClick(Qt.Key_Tab)
            verify(plainInput.input.activeFocus)
            compare(areaInput.text, "")
            // Without a target the Tab key keeps the focus where it is.
            lonelyInput.input.forceActiveFocus()
            keyClick(Qt.Key_Tab)
            verify(lonelyInput.input.activeFocus)
            compare(lonelyInput.text, "")
        }

        function test_enterAndReturnConfirm() {
            lonelyInput.input.forceActiveFocus()
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Enter)
            compare(enterSpy.count, 2)
        }

        function test_stepperNeverGoesBelowZero() {
            var minus = findChild(stepper, "minusButton")
            var plus = findChild(stepper, "plusButton")
            compare(stepper.value, "0")
            mouseClick(minus)
            compare(stepper.value, "0")
            mouseClick(plus)
            compare(stepper.value, "1")
            mouseClick(plus)
            mouseClick(plus)
            compare(stepper.value, "3")
            compare(findChild(stepper, "valueText").text, "3")
            mouseClick(minus)
            compare(stepper.value, "2")
            stepper.value = "0"
        }

        function test_switchStates() {
            var knob = findChild(offSwitch, "switchKnob")
            compare(knob.state, "unchecked")
            compare(knob.x, 2)
            mouseClick(offSwitch)
            verify(offSwitch.checked)
            compare(knob.state, "checked")
            tryCompare(knob, "x", knob.parent.width - knob.width - 2)
            tryVerify(function() { return Qt.colorEqual(knob.parent.color, offSwitch.checkedColor) })
            mouseClick(offSwitch)
            verify(!offSwitch.checked)
            tryCompare(knob, "x", 2)
            tryVerify(function() { return Qt.colorEqual(knob.parent.color, offSwitch.uncheckedColor) })
        }

        function test_switchDeclaredCheckedStartsChecked() {
            var knob = findChild(onSwitch, "switchKnob")
            compare(knob.state, "checked")
            tryCompare(knob, "x", knob.parent.width - knob.width - 2)
            verify(Qt.colorEqual(knob.parent.color, onSwitch.checkedColor))
        }

        function test_disabledButtonIgnoresClicks() {
            mouseClick(button)
            compare(buttonSpy.count, 1)
            button.enabled = false
            compare(button.opacity, 0.7)
            mouseClick(button)
            compare(buttonSpy.count, 1)
            button.enabled = true
            compare(button.opacity, 1)
        }

        function test_buttonDarkensWhilePressed() {
            compare(button.pressedColor, String(Qt.darker("#5260ff")))
            mousePress(button)
            compare(button.state, "pushed")
            tryVerify(function() { return Qt.colorEqual(button.color, button.pressedColor) })
            mouseRelease(button)
            compare(button.state, "")
            tryVerify(function() { return Qt.colorEqual(button.color, "#5260ff") })
            compare(buttonSpy.count, 1)
        }

        function test_circleIconClicksOnlyWhileEnabled() {
            mouseClick(circle)
            compare(circleSpy.count, 1)
            circle.enabled = false
            mouseClick(circle)
            compare(circleSpy.count, 1)
            circle.enabled = true
        }

        function test_fontAndRowFollowTheDirection() {
            compare(label.font.family, "Vazirmatn")
            compare(currencyInput.input.font.pixelSize, currencyInput.fontSize + 2)
            var caption = findChild(iconButton, "caption")
            var rtIcon = findChild(iconButton, "rtIcon")
            verify(rtIcon.mapToItem(iconButton, 0, 0).x > caption.mapToItem(iconButton, 0, 0).x)
            appWindow.rightToLeft = false
            compare(label.font.family, "Lato")
            tryVerify(function() { return rtIcon.mapToItem(iconButton, 0, 0).x < caption.mapToItem(iconButton, 0, 0).x })
            appWindow.rightToLeft = true
            iconButton.iconToRight = false
            var ltIcon = findChild(iconButton, "ltIcon")
            verify(!rtIcon.visible)
            verify(ltIcon.visible)
            tryVerify(function() { return ltIcon.mapToItem(iconButton, 0, 0).x < caption.mapToItem(iconButton, 0, 0).x })
            // The row stays centred in the button.
            var row = caption.parent
            fuzzyCompare(row.x, (iconButton.width - row.width) / 2, 1)
            compare(row.width, caption.width + ltIcon.width + iconButton.spacing)
            iconButton.iconToRight = true

            // A component's own direction wins over the window's for the texts inside it.
            compare(findChild(latinButton, "caption").font.family, "Lato")
            compare(findChild(iconButton, "caption").font.family, "Vazirmatn")

            // Right-to-left: the switch's track stands at the right of its label.
            var knob = findChild(offSwitch, "switchKnob")
            var track = knob.parent
            var labelX = track.parent.children[1].mapToItem(offSwitch, 0, 0).x
            verify(track.mapToItem(offSwitch, 0, 0).x > labelX)
        }

        function test_comboBoxSelection() {
            mouseClick(combo)
            tryCompare(combo.popup, "opened", true)
            var second = combo.popup.contentItem.itemAtIndex(1)
            verify(second)
            // The English title never shows.
            compare(second.rowText, "ویلا")
            mouseClick(second)
            compare(combo.currentIndex, 1)
            compare(combo.displayText, "ویلا")
            tryCompare(combo.popup, "visible", false)
        }

        function test_searchBarStatesAndSignals() {
            var pill = findChild(searchBar, "searchButton")
            var centred = (searchHost.width - searchBar.width) / 2
            compare(searchBar.x, centred)
            compare(searchBar.state, "default")
            compare(pill.state, "default")

            searchBar.input.input.forceActiveFocus()
            typeText("ab")
            compare(searchBar.state, "left")
            compare(pill.state, "right")
            compare(termSpy.count, 2)
            compare(termSpy.signalArguments[1][0], "ab")
            tryCompare(searchBar, "x", 10)
            tryCompare(pill, "x", searchBar.width + 10)
            tryVerify(function() { return Qt.colorEqual(pill.color, "#5260ff") })

            keyClick(Qt.Key_Return)
            compare(searchSpy.count, 1)
            compare(searchSpy.signalArguments[0][0], "ab")

            mousePress(pill)
            verify(Qt.colorEqual(pill.color, "#3e56f0"))
            mouseRelease(pill)
            verify(Qt.colorEqual(pill.color, "#5260ff"))
            compare(searchSpy.count, 2)
            compare(searchSpy.signalArguments[1][0], "ab")

            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Backspace)
            compare(searchBar.state, "default")
            compare(pill.state, "default")
            compare(termSpy.count, 4)
            compare(termSpy.signalArguments[3][0], "")
            tryCompare(searchBar, "x", centred)
            tryCompare(pill, "x", searchBar.width - (pill.width + 10))

            // In its resting place the label is no button.
            mouseClick(pill)
            compare(searchSpy.count, 2)
            verify(searchBar.input.input.activeFocus)
        }
    }
}
