import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors

// Cuts a rectangle out of a picture as the user sees it: two corner handles and a draggable frame
// that keep each other in step, never leave the painted picture and never come closer than one
// handle size. The result is saved as a PNG of the selection's on-screen size.
Item {
    id: root

    property string tempDir
    property alias source: img.source

    signal imageCropped(var image)

    function clamp(a, x, b) {
        if (x < a)
            return a
        if (x > b)
            return b
        return x
    }

    // The selection starts as the whole painted picture.
    function resetCursors() {
        var paintedLeft = (img.width - img.paintedWidth) / 2
        var paintedTop = (img.height - img.paintedHeight) / 2
        cursor1.minX = paintedLeft
        cursor1.minY = paintedTop
        cursor2.maxX = img.paintedWidth + paintedLeft
        cursor2.maxY = img.paintedHeight + paintedTop
        cursor1.x = cursor1.minX
        cursor1.y = cursor1.minY
        cursor2.x = cursor2.maxX
        cursor2.y = cursor2.maxY
    }

    function sendCrop() {
        resultRect.grabToImage(function (result) {
            var path = root.tempDir + new Date().getTime() + ".png"
            result.saveToFile(path)
            root.imageCropped(path)
        })
    }

    // The crop geometry is the picture's own; a mirrored page must not flip it.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    IranSansText {
        id: hint

        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: img.top
        anchors.bottomMargin: 10
        text: "لطفا تصویر را برای قراردادن در پروفایل خود برش دهید"
        textSize: 14
        textColor: Colors.text
    }

    AppButton {
        id: sendButton
        objectName: "sendButton"

        anchors.left: parent.left
        anchors.bottom: img.top
        anchors.bottomMargin: 10
        width: 100
        height: 35
        radius: 4
        color: Colors.primary
        hasIcon: false
        text: "ارسال تصویر"
        onClicked: root.sendCrop()
    }

    Image {
        id: img
        objectName: "img"

        readonly property real paintedLeft: (width - paintedWidth) / 2
        readonly property real paintedTop: (height - paintedHeight) / 2

        anchors.centerIn: parent
        width: parent.width * 0.8
        height: parent.height * 0.8
        fillMode: Image.PreserveAspectFit
        cache: false
        smooth: true
        antialiasing: true
        sourceSize.width: width
        sourceSize.height: height

        Component.onCompleted: root.resetCursors()
        onWidthChanged: root.resetCursors()
        onHeightChanged: root.resetCursors()
        // The painted size settles only once the picture has been (re)loaded at the new size.
        onPaintedWidthChanged: root.resetCursors()
        onPaintedHeightChanged: root.resetCursors()

        // Shading of the painted picture outside the selection.
        Rectangle {
            x: img.paintedLeft
            y: img.paintedTop
            width: img.paintedWidth
            height: Math.max(0, cursor1.y - img.paintedTop)
            color: "#88000000"
        }

        Rectangle {
            x: img.paintedLeft
            y: cursor2.y
            width: img.paintedWidth
            height: Math.max(0, img.paintedTop + img.paintedHeight - cursor2.y)
            color: "#88000000"
        }

        Rectangle {
            x: img.paintedLeft
            y: cursor1.y
            width: Math.max(0, cursor1.x - img.paintedLeft)
            height: Math.max(0, cursor2.y - cursor1.y)
            color: "#88000000"
        }

        Rectangle {
            x: cursor2.x
            y: cursor1.y
            width: Math.max(0, img.paintedLeft + img.paintedWidth - cursor2.x)
            height: Math.max(0, cursor2.y - cursor1.y)
            color: "#88000000"
        }

        Rectangle {
            id: cropBorder
            objectName: "cropBorder"

            property bool selfAssign: false

            x: cursor1.x
            y: cursor1.y
            width: cursor2.x - cursor1.x
            height: cursor2.y - cursor1.y
            color: "transparent"
            border.width: 3
            border.color: Colors.primary

            onXChanged: {
                if (cursor1.selfAssign)
                    return
                if (x < cursor1.minX) {
                    x = cursor1.minX
                    return
                }
                if (x + width > cursor2.maxX) {
                    x = cursor2.maxX - width
                    return
                }
                selfAssign = true
                cursor1.x = x
                cursor2.x = x + width
                selfAssign = false
            }

            onYChanged: {
                if (cursor1.selfAssign)
                    return
                if (y < cursor1.minY) {
                    y = cursor1.minY
                    return
                }
                if (y + height > cursor2.maxY) {
                    y = cursor2.maxY - height
                    return
                }
                selfAssign = true
                cursor1.y = y
                cursor2.y = y + height
                selfAssign = false
            }

            MouseArea {
                id: frameArea

                anchors.fill: parent
                drag.target: cropBorder
            }

            Rectangle {
                x: -width / 2
                y: -height / 2
                width: 16
                height: 16
                radius: 8
                color: Colors.primary
            }

            Rectangle {
                x: cropBorder.width - width / 2
                y: cropBorder.height - height / 2
                width: 16
                height: 16
                radius: 8
                color: Colors.primary
            }
        }

        CropCursor {
            id: cursor1
            objectName: "cursor1"

            property bool selfAssign: false

            maxX: cursor2.x - cursor1.size
            maxY: cursor2.y - cursor1.size
            visible: img.paintedHeight > 0

            onXChanged: {
                if (cropBorder.selfAssign)
                    return
                selfAssign = true
                cropBorder.x = x
                cropBorder.width = cursor2.x - x
                selfAssign = false
            }

            onYChanged: {
                if (cropBorder.selfAssign)
                    return
                selfAssign = true
                cropBorder.y = y
                cropBorder.height = cursor2.y - y
                selfAssign = false
            }
        }

        CropCursor {
            id: cursor2
            objectName: "cursor2"

            property bool selfAssign: false

            minX: cursor1.x + cursor1.size
            minY: cursor1.y + cursor1.size
            visible: img.paintedHeight > 0

            onXChanged: {
                if (!cropBorder.selfAssign)
                    cropBorder.width = x - cursor1.x
            }

            onYChanged: {
                if (!cropBorder.selfAssign)
                    cropBorder.height = y - cursor1.y
            }
        }

        // What the send button saves: the selection cut out of a second copy of the picture,
        // kept out of sight behind the page.
        Rectangle {
            id: resultRect
            objectName: "resultRect"

            z: -1
            width: cropBorder.width
            height: cropBorder.height
            color: "transparent"
            clip: true
            opacity: 0

            Image {
                x: -cropBorder.x
                y: -cropBorder.y
                width: img.width
                height: img.height
                source: img.source
                fillMode: img.fillMode
                cache: false
                smooth: true
                sourceSize.width: width
                sourceSize.height: height
            }
        }
    }
}
