import QtQuick 2.15

// The three-bar menu glyph.
Rectangle {
    id: menuIndicator

    property real firstWidth: 0.75 * width
    property real secondWidth: width
    property real thirdWidth: 0.75 * width
    readonly property int alignCenter: 0
    readonly property int alignRight: 1
    readonly property int alignLeft: 2
    property int alignment: alignCenter
    property color menuColor: "white"

    signal clicked()

    width: 40
    height: 36
    color: "transparent"
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Column {
        objectName: "bars"
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        height: 19
        spacing: 5

        Repeater {
            model: [menuIndicator.firstWidth, menuIndicator.secondWidth, menuIndicator.thirdWidth]

            Rectangle {
                width: modelData
                height: 3
                radius: height / 2
                color: menuIndicator.menuColor
                anchors.horizontalCenter: menuIndicator.alignment === menuIndicator.alignCenter ? parent.horizontalCenter : undefined
                anchors.right: menuIndicator.alignment === menuIndicator.alignRight ? parent.right : undefined
                anchors.left: menuIndicator.alignment === menuIndicator.alignLeft ? parent.left : undefined
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: menuIndicator.clicked()
    }
}
