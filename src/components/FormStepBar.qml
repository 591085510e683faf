import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The listing form's five steps as markers in a row: a step shows once the one before it is done,
// a done step carries a check, the current one a frame; the first four take the user back.
Rectangle {
    id: root

    // Five of each, in step order.
    property var titles: ["", "", "", "", ""]
    property var done: [false, false, false, false, false]
    // The step being filled in, 0 to 4.
    property int current: -1

    signal stepClicked(int index)

    height: 60
    color: Colors.white

    Row {
        objectName: "stepMarkers"
        // The page is mirrored: "left" is where a right-to-left line begins.
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8

        Repeater {
            model: 5

            delegate: Row {
                readonly property bool done: root.done[index]

                objectName: "marker" + index
                spacing: 8
                visible: index === 0 || root.done[index - 1]

                MaterialIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: index > 0
                    icon: MaterialIcons.chevronLeft
                    iconColor: Colors.lightGrey
                    iconSize: Utility.IconSize.normal
                }

                Rectangle {
                    id: marker

                    objectName: "markerButton"
                    readonly property bool current: root.current === index

                    width: markerRow.width + 28
                    height: 34
                    radius: 17
                    color: parent.done ? Colors.primary : Colors.appGreen
                    border.width: current ? 2 : 0
                    border.color: Colors.night

                    Row {
                        id: markerRow

                        anchors.centerIn: parent
                        spacing: 6

                        MaterialIcon {
                            anchors.verticalCenter: parent.verticalCenter
                            visible: marker.parent.done
                            icon: MaterialIcons.check
                            iconColor: Colors.white
                            iconSize: Utility.IconSize.medium
                        }

                        IranSansText {
                            objectName: "markerText"
                            anchors.verticalCenter: parent.verticalCenter
                            topPadding: 0
                            text: root.titles[index]
                            textColor: Colors.white
                            textSize: Utility.TextSize.normal
                            font.bold: true
                        }
                    }

                    MouseArea {
                        anchors.fill: parent
                        enabled: index < 4
                        cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                        onClicked: root.stepClicked(index)
                    }
                }
            }
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Colors.gray
    }
}
