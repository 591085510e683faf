import QtQuick 2.15
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility

// An option that is on or off: filled while `selected`. A click only reports itself; the owner
// decides what `selected` becomes. A disabled option is drawn faded and takes no click.
Rectangle {
    id: toggleButton

    property bool selected: false
    property alias text: caption.text

    signal clicked()

    height: 34
    radius: 6
    color: selected ? Colors.primary : Colors.field
    opacity: enabled ? 1 : 0.5

    Behavior on color { ColorAnimation { duration: 120 } }

    IranSansText {
        id: caption

        anchors.centerIn: parent
        width: parent.width - 8
        topPadding: 0
        textSize: Utility.TextSize.medium
        textColor: toggleButton.selected ? Colors.white : Colors.fieldText
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
    }

    MouseArea {
        anchors.fill: parent
        enabled: toggleButton.enabled
        onClicked: toggleButton.clicked()
    }
}
