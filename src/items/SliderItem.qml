import QtQuick 2.15
import "../components"

// One banner of the carousel; the current one stands a little taller than its neighbours.
Item {
    id: sliderItem

    signal clicked(var index)

    width: ListView.view ? ListView.view.width * 0.5 : 0
    height: ListView.view ? (ListView.isCurrentItem ? ListView.view.height : ListView.view.height * 0.9) : 0
    y: ListView.view ? (ListView.view.height - height) / 2 : 0

    Behavior on width { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
    Behavior on height { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }

    AppImage {
        anchors.centerIn: parent
        width: parent.width * 0.95
        height: parent.height
        isCircular: true
        radius: 15
        fillMode: Image.PreserveAspectCrop
        source: banner
        onClicked: sliderItem.clicked(index)
    }
}
