import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// A row of tabs of equal width, the first at the reading start; the current one is underlined.
// A click only reports the tab: the page decides and sets `currentIndex`.
Rectangle {
    id: root

    property var titles: []
    property int currentIndex: 0

    signal tabClicked(int index)

    // The delegate of one tab, for tests and for pages that place hints next to a tab.
    function tabAt(index) {
        return tabs.itemAt(index)
    }

    height: 46
    radius: 8
    color: "white"
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Row {
        anchors.fill: parent
        layoutDirection: appWindow.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

        Repeater {
            id: tabs

            model: root.titles

            Item {
                readonly property bool current: index === root.currentIndex

                objectName: "tab" + index
                width: root.width / Math.max(1, root.titles.length)
                height: root.height

                IranSansText {
                    anchors.centerIn: parent
                    topPadding: 0
                    text: modelData
                    textSize: Utility.TextSize.normal
                    textColor: parent.current ? Colors.primary : Colors.mediumGrey
                    font.bold: parent.current
                }

                Rectangle {
                    anchors.bottom: parent.bottom
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: parent.width * 0.6
                    height: 3
                    radius: 1.5
                    color: Colors.primary
                    visible: parent.current
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.tabClicked(index)
                }
            }
        }
    }
}
