import QtQuick 2.15
import "../scripts/Colors.js" as Colors

Rectangle {
    id: appSwitch

    property bool checked: false
    property string uncheckedColor: Colors.grey
    property string checkedColor: Colors.primary
    property int switchHeight: 20
    property string switchIndicatorColor: Colors.white
    property int spacing: 5
    property alias text: label.text
    property alias titleColor: label.textColor
    property alias textSize: label.textSize

    function applyState() {
        var name = checked ? "checked" : "unchecked"
        knob.state = name
        track.state = name
    }

    implicitWidth: row.width
    implicitHeight: Math.max(switchHeight, label.height)
    color: "transparent"
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    onCheckedChanged: applyState()
    // A switch declared as checked must also be drawn so from the start.
    Component.onCompleted: applyState()

    Row {
        id: row

        anchors.verticalCenter: parent.verticalCenter
        width: track.width + appSwitch.spacing + label.width
        spacing: appSwitch.spacing
        layoutDirection: rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

        Rectangle {
            id: track

            anchors.verticalCenter: parent.verticalCenter
            width: 2 * appSwitch.switchHeight
            height: appSwitch.switchHeight
            radius: height / 2
            color: appSwitch.uncheckedColor

            states: [
                State { name: "checked"; PropertyChanges { target: track; color: appSwitch.checkedColor } },
                State { name: "unchecked"; PropertyChanges { target: track; color: appSwitch.uncheckedColor } }
            ]
            transitions: Transition {
                ColorAnimation { duration: 200; easing.type: Easing.InOutQuad }
            }

            Rectangle {
                id: knob

                objectName: "switchKnob"
                width: track.height - 4
                height: width
                radius: width / 2
                x: 2
                anchors.verticalCenter: parent.verticalCenter
                color: appSwitch.switchIndicatorColor

                states: [
                    State { name: "unchecked"; PropertyChanges { target: knob; x: 2 } },
                    State { name: "checked"; PropertyChanges { target: knob; x: track.width - knob.width - 2 } }
                ]
                transitions: Transition {
                    NumberAnimation { property: "x"; duration: 200 }
                }
            }
        }

        IranSansText {
            id: label

            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            textColor: Qt.darker(Colors.grey)
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: appSwitch.checked = !appSwitch.checked
    }
}
