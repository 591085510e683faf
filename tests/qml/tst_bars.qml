import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/src/components"
import "qrc:/src/scripts/Strings.js" as Strings

// Bars and indicators: the action bar against a page stack, the menu glyph, the spinner and
// the banner carousel.
Item {
    id: appWindow

    property bool rightToLeft: true
    readonly property Item overlay: Overlay.overlay
    property int sliderCount: 3
    property var events: []

    width: 800
    height: 600

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }
    FontLoader { id: mjDalalText; source: "qrc:/rss/fonts/nazli.ttf" }

    StackView {
        id: appStack

        width: 10
        height: 10
        onDepthChanged: appWindow.events.push("depth " + depth)
    }

    Component { id: pageComponent; Item {} }

    Column {
        width: parent.width

        ActionBar {
            id: bar

            onBackClicked: appWindow.events.push("back at depth " + appStack.depth)
        }
        MenuIndicator { id: indicator }
        Row {
            FishSpinner { id: spinner; color: "black" }
            FishSpinner { id: doubleSpinner; useDouble: true; color: "black" }
        }
        Slider {
            id: slider

            width: 400
            height: 150
            sliderModel: ListModel {
                ListElement { banner: "" }
                ListElement { banner: "" }
                ListElement { banner: "" }
            }
        }
        Slider {
            id: singleSlider

            width: 400
            height: 100
            sliderModel: ListModel {
                ListElement { banner: "" }
            }
        }
        CurvedRectangle { id: curved; width: 200; height: 80; color: "#5260ff" }
    }

    SignalSpy { id: backSpy; target: bar; signalName: "backClicked" }
    SignalSpy { id: iconSpy; target: bar; signalName: "iconClicked" }
    SignalSpy { id: indicatorSpy; target: indicator; signalName: "clicked" }
    SignalSpy { id: slideSpy; target: slider; signalName: "clicked" }

    TestCase {
        name: "Bars"
        when: windowShown

        function fillStack(pages) {
            appStack.clear()
            for (var i = 0; i < pages; ++i)
                appStack.push(pageComponent, {}, StackView.Immediate)
            appWindow.events = []
        }

        function init() {
            backSpy.clear()
            iconSpy.clear()
        }

        function test_actionBarBackReportsThenPops() {
            fillStack(3)
            bar.hasBack = true
            var back = findChild(bar, "backIcon")
            verify(back.visible)
            verify(!findChild(bar, "accountIcon").visible)
            verify(back.mapToItem(bar, 0, 0).x < bar.width / 2)
            mouseClick(back)
            compare(backSpy.count, 1)
            tryCompare(appStack, "depth", 2)
            compare(appWindow.events, ["back at depth 3", "depth 2"])
            compare(iconSpy.count, 0)
        }

        function test_actionBarAccountGlyphDoesNothing() {
            fillStack(2)
            bar.hasBack = false
            var account = findChild(bar, "accountIcon")
            verify(account.visible)
            verify(!findChild(bar, "backIcon").visible)
            mouseClick(account)
            wait(50)
            compare(appStack.depth, 2)
            compare(backSpy.count, 0)
            compare(iconSpy.count, 0)
        }

        function test_actionBarTitleIcon() {
            fillStack(2)
            compare(bar.title, Strings.appTitle)
            var titleIcon = findChild(bar, "titleIcon")
            verify(!titleIcon.visible)
            // The title sits 15 from the right edge, or 10 beside the title icon when shown.
            var title = titleIcon.parent.children[0]
            compare(title.x + title.width, bar.width - 15)
            bar.showTitleIc = true
            compare(title.x + title.width, titleIcon.x - 10)
            compare(titleIcon.x + titleIcon.width, bar.width - 15)
            mouseClick(titleIcon)
            tryCompare(appStack, "depth", 1)
            compare(backSpy.count, 0)
            bar.showTitleIc = false
        }

        function test_menuIndicatorAlignment() {
            var bars = findChild(indicator, "bars").children
            compare(bars[1].width, indicator.width)
            compare(bars[0].width, indicator.width * 0.75)
            compare(bars[0].x, (indicator.width - bars[0].width) / 2)
            indicator.alignment = indicator.alignRight
            compare(bars[0].x + bars[0].width, indicator.width)
            compare(bars[2].x + bars[2].width, indicator.width)
            indicator.alignment = indicator.alignLeft
            compare(bars[0].x, 0)
            compare(bars[2].x, 0)
            mouseClick(indicator)
            compare(indicatorSpy.count, 1)
            indicator.alignment = indicator.alignCenter
        }

        function dotsOf(spinner) {
            var dots = []
            var children = spinner.children
            for (var i = 0; i < children.length; ++i) {
                if (children[i].hasOwnProperty("_currentAngle"))
                    dots.push(children[i])
            }
            return dots
        }

        function test_spinnerStartsDotsOneAfterAnother() {
            var starter = findChild(spinner, "starter")
            tryCompare(starter, "running", false)
            compare(spinner._circleIndex, 0)
            var dots = dotsOf(spinner)
            compare(dots.length, 4)
            for (var i = 0; i < dots.length; ++i) {
                verify(dots[i].animating)
                // The tail shrinks.
                if (i > 0)
                    verify(dots[i].width < dots[i - 1].width)
            }

            spinner.running = false
            for (i = 0; i < dots.length; ++i)
                verify(!dots[i].animating)
            var angle = dots[0]._currentAngle
            wait(100)
            compare(dots[0]._currentAngle, angle)
            spinner.running = true
            for (i = 0; i < dots.length; ++i)
                verify(dots[i].animating)
        }

        function test_doubleSpinner() {
            tryCompare(findChild(doubleSpinner, "starter"), "running", false)
            var dots = dotsOf(doubleSpinner)
            compare(dots.length, 10)
            for (var i = 0; i < dots.length; ++i)
                verify(dots[i].animating)
            compare(dots[0]._startAngle, 90)
            compare(dots[5]._startAngle, 270)
            // Largest in the middle of each half.
            verify(dots[5].width > dots[9].width)
            verify(dots[4].width > dots[0].width)
        }

        function test_sliderAdvancesAndWaitsLongerOnTheLast() {
            var timer = findChild(slider, "autoAdvance")
            var list = findChild(slider, "sliderList")
            verify(timer.running)
            compare(list.currentIndex, 0)
            timer.triggered()
            compare(list.currentIndex, 1)
            compare(timer.interval, 7000)
            timer.triggered()
            compare(list.currentIndex, 2)
            compare(timer.interval, 7000)
            timer.triggered()
            compare(list.currentIndex, 0)
            compare(timer.interval, 15000)
            timer.triggered()
            compare(timer.interval, 7000)
            compare(findChild(slider, "indicator").currentIndex, 1)
        }

        function test_sliderWithOneBanner() {
            var timer = findChild(singleSlider, "autoAdvance")
            var list = findChild(singleSlider, "sliderList")
            timer.triggered()
            compare(list.currentIndex, 0)
            compare(timer.interval, 15000)
            timer.triggered()
            compare(list.currentIndex, 0)
            compare(timer.interval, 15000)
        }

        function test_sliderCurrentSlideIsTaller() {
            var list = findChild(slider, "sliderList")
            list.currentIndex = 1
            tryVerify(function() { return list.currentItem.height === list.height })
            var other = list.itemAtIndex(0)
            tryCompare(other, "height", list.height * 0.9)
            compare(list.currentItem.width, list.width * 0.5)
            // The current slide stands in the middle.
            tryVerify(function() {
                var p = list.currentItem.mapToItem(list, 0, 0)
                return Math.abs(p.x + list.currentItem.width / 2 - list.width / 2) < 1
            })
        }

        function test_sliderClicksAndDots() {
            var list = findChild(slider, "sliderList")
            var dots = findChild(slider, "indicator")
            list.currentIndex = 0
            waitForRendering(slider)
            var dot = dots.contentItem.children[2]
            mouseClick(dot)
            tryCompare(list, "currentIndex", 2)
            tryCompare(dots.contentItem.children[2], "opacity", 1)
            tryCompare(dots.contentItem.children[0], "opacity", 0.3)
            tryVerify(function() { return list.currentItem.height === list.height })
            tryVerify(function() {
                var p = list.currentItem.mapToItem(list, 0, 0)
                return Math.abs(p.x + list.currentItem.width / 2 - list.width / 2) < 1
            })
            mouseClick(list.currentItem)
            compare(slideSpy.count, 1)
            compare(slideSpy.signalArguments[0][0], 2)
        }

        function test_curvedRectangleAngle() {
            compare(curved.angle(0, 0, 1, 1), 45)
            compare(curved.angle(0, 0, 1, 1, true), Math.PI / 4)
            compare(curved.angle(0, 0, -1, 0), 180)
            compare(curved.curveFrom, curved.curveFromBottom)
        }
    }
}
