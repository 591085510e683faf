import QtQuick 2.15
import QtQuick.Controls 2.15
import "../scripts/Colors.js" as Colors
import "../items"

// The banner carousel: the current banner in the middle at full height, its neighbours smaller.
Item {
    id: rootSlider

    property ListModel sliderModel: ListModel {}

    signal clicked(var index)

    function advance() {
        var count = sliderList.count
        if (count === 0)
            return
        // The last banner stays up longer before the carousel starts over.
        autoAdvance.interval = sliderList.currentIndex === count - 1 ? 15000 : 7000
        sliderList.currentIndex = sliderList.currentIndex + 1 < count ? sliderList.currentIndex + 1 : 0
    }

    Component.onCompleted: autoAdvance.start()

    ListView {
        id: sliderList

        objectName: "sliderList"
        anchors.top: parent.top
        anchors.bottom: indicator.top
        anchors.bottomMargin: 5
        width: parent.width
        orientation: ListView.Horizontal
        cacheBuffer: width * 2
        highlightRangeMode: ListView.StrictlyEnforceRange
        preferredHighlightBegin: width / 4
        preferredHighlightEnd: width * 3 / 4
        snapMode: ListView.SnapOneItem
        interactive: true
        clip: true
        model: rootSlider.sliderModel
        onCurrentIndexChanged: indicator.currentIndex = currentIndex

        delegate: SliderItem {
            onClicked: rootSlider.clicked(index)
        }
    }

    PageIndicator {
        id: indicator

        objectName: "indicator"
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        count: sliderCount
        interactive: true
        onCurrentIndexChanged: sliderList.currentIndex = currentIndex

        delegate: Rectangle {
            implicitWidth: 8
            implicitHeight: 8
            radius: width / 2
            color: Colors.primary
            opacity: index === indicator.currentIndex ? 1 : 0.3

            Behavior on opacity { OpacityAnimator { duration: 100 } }
        }
    }

    Timer {
        id: autoAdvance

        objectName: "autoAdvance"
        interval: 7000
        repeat: true
        onTriggered: rootSlider.advance()
    }
}
