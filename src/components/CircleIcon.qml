import QtQuick 2.15

ShadowBorder {
    id: circleIcon

    property alias icon: glyph.icon
    property alias iconColor: glyph.iconColor
    property alias iconSize: glyph.iconSize
    property alias visibleCircle: disc.visible

    signal clicked()

    hasShadow: false
    color: "transparent"
    radius: height / 2

    Behavior on color { ColorAnimation { duration: 100 } }
    Behavior on width { NumberAnimation { duration: 100 } }
    Behavior on height { NumberAnimation { duration: 100 } }

    Rectangle {
        id: disc

        anchors.fill: parent
        radius: circleIcon.radius
        color: glyph.iconColor
        opacity: 0.15
        visible: false
    }

    MaterialIcon {
        id: glyph

        anchors.centerIn: parent

        Behavior on color { ColorAnimation { duration: 100 } }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: {
            if (circleIcon.enabled)
                circleIcon.clicked()
        }
    }
}
