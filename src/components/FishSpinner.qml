import QtQuick 2.15

// A busy indicator: a school of dots chasing one another round a circle.
Item {
    id: root

    property int radius: 25
    property bool useDouble: false
    property bool running: true
    property color color: "white"
    readonly property real _innerRadius: radius * 0.7
    readonly property real _circleRadius: (radius - _innerRadius) * 0.5
    property int _circleIndex: 0
    readonly property int _count: useDouble ? 10 : 4

    width: radius * 2
    height: radius * 2

    onRunningChanged: {
        for (var i = 0; i < dots.count; ++i) {
            var dot = dots.itemAt(i)
            if (!dot)
                continue
            if (running)
                dot.playAnimation()
            else
                dot.stopAnimation()
        }
    }

    Component.onCompleted: starter.start()

    // Starting the dots a little apart is what makes them trail one another.
    Timer {
        id: starter

        objectName: "starter"
        interval: 100
        repeat: true
        onTriggered: {
            var last = root.useDouble ? root._count / 2 : root._count
            if (root._circleIndex >= last) {
                stop()
                root._circleIndex = 0
                return
            }
            if (root.running) {
                dots.itemAt(root._circleIndex).playAnimation()
                if (root.useDouble)
                    dots.itemAt(root._count - root._circleIndex - 1).playAnimation()
            }
            root._circleIndex++
        }
    }

    Repeater {
        id: dots

        model: root._count

        Rectangle {
            id: dot

            readonly property real _startAngle: root.useDouble && index >= 5 ? 270 : 90
            property real _currentAngle: _startAngle
            readonly property real _diameter: root.useDouble
                                              ? root._circleRadius * 0.5 * (root._count / 2 - Math.abs(root._count / 2 - index))
                                              : root._circleRadius * 0.5 * (root._count - index)
            readonly property bool animating: motion.running && !motion.paused

            function playAnimation() {
                if (motion.paused)
                    motion.resume()
                else if (!motion.running)
                    motion.start()
            }

            function stopAnimation() {
                if (motion.running)
                    motion.pause()
            }

            width: _diameter
            height: _diameter
            radius: _diameter / 2
            color: root.color
            x: root.width / 2 + root._innerRadius * Math.cos(_currentAngle * 3.14159265 / 180) - width / 2
            y: root.height / 2 - root._innerRadius * Math.sin(_currentAngle * 3.14159265 / 180) - height / 2

            SequentialAnimation {
                id: motion

                loops: Animation.Infinite

                NumberAnimation {
                    target: dot
                    property: "_currentAngle"
                    from: dot._startAngle
                    to: dot._startAngle + 360
                    duration: root.useDouble ? 1800 : 1000
                    easing.type: Easing.OutQuad
                }
                PauseAnimation { duration: 500 }
            }
        }
    }
}
