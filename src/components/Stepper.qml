import QtQuick 2.15
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// A counter from 0 upwards: minus, the number, plus, and a caption at the far end.
Rectangle {
    id: stepper

    property string value: "0"
    property alias title: caption.text
    property alias valueTitle: valueText.text

    radius: height / 2
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Rectangle {
        id: minusButton

        objectName: "minusButton"
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: stepper.height
        height: width
        radius: width / 2
        color: Colors.primary

        MaterialIcon {
            anchors.centerIn: parent
            icon: MaterialIcons.minus
            iconColor: Colors.white
            iconSize: 18
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                var current = parseInt(stepper.value, 10)
                if (current > 0)
                    stepper.value = String(current - 1)
            }
        }
    }

    IranSansText {
        id: valueText

        objectName: "valueText"
        anchors.left: minusButton.right
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 40
        topPadding: 0
        text: stepper.value
        textSize: 14
        font.bold: true
        textColor: Colors.black
        horizontalAlignment: Text.AlignHCenter
    }

    Rectangle {
        id: plusButton

        objectName: "plusButton"
        anchors.left: valueText.right
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        width: stepper.height
        height: width
        radius: width / 2
        color: Colors.primary

        MaterialIcon {
            anchors.centerIn: parent
            icon: MaterialIcons.plus
            iconColor: Colors.white
            iconSize: 18
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                var current = parseInt(stepper.value, 10)
                stepper.value = String((isNaN(current) ? 0 : current) + 1)
            }
        }
    }

    IranSansText {
        id: caption

        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        topPadding: 0
        textSize: 14
        textColor: Colors.fieldIcon
    }
}
