import QtQuick 2.15
import QtGraphicalEffects 1.15

// A surface with an optional soft glow around it.
Rectangle {
    id: shadowBorder

    property bool hasShadow: true
    property string shadowColor: "#efefef"
    property int elevation: 0

    color: "white"

    RectangularGlow {
        anchors.fill: innerRect
        visible: shadowBorder.hasShadow
        color: shadowBorder.shadowColor
        glowRadius: shadowBorder.elevation
        spread: 0.2
        cornerRadius: shadowBorder.radius + glowRadius
    }

    Rectangle {
        id: innerRect

        anchors.fill: parent
        visible: shadowBorder.hasShadow
        radius: shadowBorder.radius
        color: shadowBorder.color
    }
}
