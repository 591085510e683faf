import QtQuick 2.15
import QtGraphicalEffects 1.15

// A panel whose top or bottom edge bulges outwards by `curveOffset`.
ShadowBorder {
    id: curvedRectangle

    property int curveFromTop: 0
    property int curveFromBottom: 1
    property int curveFrom: curveFromBottom
    property int curveOffset: 20

    function angle(x1, y1, x2, y2, radian) {
        var a = Math.atan2(y2 - y1, x2 - x1)
        return radian ? a : a * 180 / Math.PI
    }

    // The circle through both ends of the straight edge and the apex of the bulge.
    function curveRadius() {
        var half = width / 2
        var depth = Math.max(1, curveOffset)
        return (half * half + depth * depth) / (2 * depth)
    }

    hasShadow: false
    layer.enabled: true
    layer.effect: OpacityMask {
        maskSource: curvedRectangle.curveFrom === curvedRectangle.curveFromBottom ? bottomCurve : topCurve
    }

    onWidthChanged: { bottomCurve.requestPaint(); topCurve.requestPaint() }
    onHeightChanged: { bottomCurve.requestPaint(); topCurve.requestPaint() }
    onCurveOffsetChanged: { bottomCurve.requestPaint(); topCurve.requestPaint() }

    Canvas {
        id: bottomCurve

        anchors.fill: parent
        visible: false
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.fillStyle = "black"
            var edge = height - curvedRectangle.curveOffset
            ctx.fillRect(0, 0, width, edge)
            var r = curvedRectangle.curveRadius()
            var cx = width / 2
            var cy = height - r
            ctx.beginPath()
            ctx.arc(cx, cy, r, curvedRectangle.angle(cx, cy, width, edge, true),
                    curvedRectangle.angle(cx, cy, 0, edge, true), false)
            ctx.closePath()
            ctx.fill()
        }
    }

    Canvas {
        id: topCurve

        anchors.fill: parent
        visible: false
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.fillStyle = "black"
            var edge = curvedRectangle.curveOffset
            ctx.fillRect(0, edge, width, height - edge)
            var r = curvedRectangle.curveRadius()
            var cx = width / 2
            var cy = r
            ctx.beginPath()
            ctx.arc(cx, cy, r, curvedRectangle.angle(cx, cy, 0, edge, true),
                    curvedRectangle.angle(cx, cy, width, edge, true), false)
            ctx.closePath()
            ctx.fill()
        }
    }
}
