import QtQuick 2.15
import "../scripts/Colors.js" as Colors

// A draggable corner of a crop selection. Its position (x, y) is the corner itself; the grip
// area is centred on it, and the owner sets the limits the corner may move within.
Item {
    id: root

    property int minX: 0
    property int minY: 0
    property int maxX: 400
    property int maxY: 400
    property int size: 64
    property alias mouseArea: mouseArea

    function clamp(a, x, b) {
        if (x < a)
            return a
        if (x > b)
            return b
        return x
    }

    width: size
    height: size

    MouseArea {
        id: mouseArea

        x: -root.size / 2
        y: -root.size / 2
        width: root.size
        height: root.size
        drag.target: cursor

        onPositionChanged: {
            root.x = root.clamp(root.minX, root.x + mouse.x - root.size / 2, root.maxX)
            root.y = root.clamp(root.minY, root.y + mouse.y - root.size / 2, root.maxY)
        }

        // The drag proxy is what the mouse area drags, so the handle itself only moves within
        // its limits; the proxy is never seen.
        Rectangle {
            id: cursor

            width: root.size
            height: root.size
            radius: root.size / 2
            color: Colors.coolRed
            opacity: 0
            Drag.active: mouseArea.drag.active
            Drag.hotSpot.x: root.size / 2
            Drag.hotSpot.y: root.size / 2

            states: State {
                when: mouseArea.drag.active
                ParentChange {
                    target: cursor
                    parent: root
                }
            }
        }
    }
}
