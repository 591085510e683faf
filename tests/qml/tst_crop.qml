import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/src/pages"

// The crop page with a portrait picture on a landscape page: limits start at the painted edges,
// handles keep one handle size apart, the frame stays inside the painted picture, a resize starts
// over, and the saved PNG holds the selection at its on-screen size.
Item {
    id: window

    property bool rightToLeft: true

    width: 800
    height: 600

    Item {
        id: appWindow

        property bool rightToLeft: true
        property Item overlay: Overlay.overlay
    }

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    // A 300 x 600 picture: red above, blue below.
    Column {
        id: portrait

        Rectangle { width: 300; height: 300; color: "#ff0000" }
        Rectangle { width: 300; height: 300; color: "#0000ff" }
    }

    Component {
        id: cropComponent
        CropView {
            width: 800
            height: 600
        }
    }

    Canvas {
        id: probe

        width: 400
        height: 400
        visible: false
        renderTarget: Canvas.Image
    }

    Image {
        id: saved

        cache: false
        visible: false
    }

    TestCase {
        id: testCase

        name: "Crop"
        when: windowShown

        property string picturePath: testHomePath + "/portrait.png"

        function initTestCase() {
            var done = false
            portrait.grabToImage(function (result) {
                verify(result.saveToFile(testCase.picturePath))
                done = true
            })
            tryVerify(function () { return done })
            portrait.visible = false
        }

        function createCrop() {
            var crop = createTemporaryObject(cropComponent, window,
                                             { source: "file://" + picturePath, tempDir: testHomePath + "/" })
            var img = findChild(crop, "img")
            tryCompare(img, "status", Image.Ready)
            tryCompare(img, "paintedHeight", 480)
            waitForRendering(crop)
            return {
                view: crop, img: img,
                frame: findChild(crop, "cropBorder"),
                cursor1: findChild(crop, "cursor1"),
                cursor2: findChild(crop, "cursor2")
            }
        }

        // Moves a handle as a user does: press on it, move the pointer by (dx, dy) in a few steps.
        function dragHandle(handle, dx, dy) {
            var area = handle.mouseArea
            var half = handle.size / 2
            mousePress(area, half, half)
            var steps = 4
            for (var i = 1; i <= steps; ++i) {
                // The area moves with the handle, so each step is relative to where it is now.
                var target = area.mapFromItem(null, startX + dx * i / steps, startY + dy * i / steps)
                mouseMove(area, target.x, target.y)
            }
            mouseRelease(area, target.x, target.y)
        }

        property real startX
        property real startY

        function dragBy(handle, dx, dy) {
            var start = handle.mouseArea.mapToItem(null, handle.size / 2, handle.size / 2)
            startX = start.x
            startY = start.y
            dragHandle(handle, dx, dy)
        }

        function dragFrame(frame, dx, dy) {
            var area = frame.children[0]
            var start = area.mapToItem(null, area.width / 2, area.height / 2)
            mousePress(area, area.width / 2, area.height / 2)
            var steps = 6
            for (var i = 1; i <= steps; ++i) {
                var target = area.mapFromItem(null, start.x + dx * i / steps, start.y + dy * i / steps)
                mouseMove(area, target.x, target.y)
            }
            mouseRelease(area, target.x, target.y)
        }

        function test_limitsStartAtThePaintedEdges() {
            var c = createCrop()
            // 640 x 480 item, picture painted 240 x 480 in its middle.
            compare(c.img.width, 640)
            compare(c.img.paintedWidth, 240)
            compare(c.cursor1.minX, 200)
            compare(c.cursor1.minY, 0)
            compare(c.cursor2.maxX, 440)
            compare(c.cursor2.maxY, 480)
            compare([c.cursor1.x, c.cursor1.y, c.cursor2.x, c.cursor2.y], [200, 0, 440, 480])
            compare([c.frame.x, c.frame.y, c.frame.width, c.frame.height], [200, 0, 240, 480])
            verify(c.cursor1.visible && c.cursor2.visible)
        }

        function test_handlesStayOneHandleApart() {
            var c = createCrop()
            dragBy(c.cursor1, 1000, 1000)
            compare(c.cursor1.x, c.cursor2.x - 64)
            compare(c.cursor1.y, c.cursor2.y - 64)
            compare([c.frame.x, c.frame.y, c.frame.width, c.frame.height], [440 - 64, 480 - 64, 64, 64])

            dragBy(c.cursor2, -1000, -1000)
            compare(c.cursor2.x, c.cursor1.x + 64)
            compare(c.cursor2.y, c.cursor1.y + 64)

            // Handles never leave the painted picture either.
            dragBy(c.cursor1, -1000, -1000)
            compare([c.cursor1.x, c.cursor1.y], [200, 0])
            dragBy(c.cursor2, 1000, 1000)
            compare([c.cursor2.x, c.cursor2.y], [440, 480])
            compare([c.frame.x, c.frame.y, c.frame.width, c.frame.height], [200, 0, 240, 480])
        }

        function test_frameStopsAtThePaintedEdgesAndKeepsItsSize() {
            var c = createCrop()
            dragBy(c.cursor2, -100, -200)
            compare([c.frame.width, c.frame.height], [140, 280])

            dragFrame(c.frame, -500, -500)
            compare([c.frame.x, c.frame.y], [200, 0])
            compare([c.frame.width, c.frame.height], [140, 280])
            compare([c.cursor1.x, c.cursor1.y, c.cursor2.x, c.cursor2.y], [200, 0, 340, 280])

            dragFrame(c.frame, 500, 500)
            compare([c.frame.x + c.frame.width, c.frame.y + c.frame.height], [440, 480])
            compare([c.frame.width, c.frame.height], [140, 280])
            compare([c.cursor1.x, c.cursor1.y, c.cursor2.x, c.cursor2.y], [300, 200, 440, 480])

            // Away from the edges the handles follow the frame (the pointer's first few pixels
            // only start the drag).
            dragFrame(c.frame, -50, -20)
            verify(c.frame.x < 300 && c.frame.x > 240, c.frame.x)
            verify(c.frame.y < 200 && c.frame.y > 170, c.frame.y)
            compare([c.frame.width, c.frame.height], [140, 280])
            compare([c.cursor1.x, c.cursor1.y, c.cursor2.x, c.cursor2.y],
                    [c.frame.x, c.frame.y, c.frame.x + 140, c.frame.y + 280])
        }

        function test_resizingThePageSelectsTheWholePictureAgain() {
            var c = createCrop()
            dragBy(c.cursor1, 50, 50)
            verify(c.cursor1.x > 200)
            c.view.width = 700
            tryCompare(c.img, "width", 560)
            tryCompare(c.cursor1, "minX", 160)
            compare([c.cursor1.x, c.cursor1.y, c.cursor2.x, c.cursor2.y], [160, 0, 400, 480])
            compare([c.frame.x, c.frame.width], [160, 240])
            // The second handle's limit follows the first handle again.
            compare(c.cursor2.minX, 160 + 64)
        }

        function colourAt(path, x, y) {
            var result = null
            probe.loadImage("file://" + path)
            tryVerify(function () { return probe.isImageLoaded("file://" + path) })
            var ctx = probe.getContext("2d")
            ctx.clearRect(0, 0, probe.width, probe.height)
            ctx.drawImage("file://" + path, 0, 0)
            var data = ctx.getImageData(x, y, 1, 1).data
            return [data[0], data[1], data[2]]
        }

        function test_sendSavesTheSelectionAtItsScreenSize() {
            var c = createCrop()
            var spy = createTemporaryObject(spyComponent, testCase, { target: c.view, signalName: "imageCropped" })
            // Bottom half of the picture, less a margin: 100 x 150 of blue.
            dragBy(c.cursor1, 20, 300)
            dragBy(c.cursor2, -120, -30)
            compare([c.frame.x, c.frame.y, c.frame.width, c.frame.height], [220, 300, 100, 150])

            mouseClick(findChild(c.view, "sendButton"))
            tryCompare(spy, "count", 1)
            var path = spy.signalArguments[0][0]
            verify(path.indexOf(testHomePath + "/") === 0, path)
            verify(/\/\d+\.png$/.test(path), path)
            verify(testSupport.fileExists(path))

            saved.source = "file://" + path
            tryCompare(saved, "status", Image.Ready)
            compare([saved.implicitWidth, saved.implicitHeight], [100, 150])
            compare(colourAt(path, 50, 75), [0, 0, 255])
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }
    }
}
