import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../scripts/Colors.js" as Colors

// A picture with a placeholder shown until (and unless) the picture itself has loaded.
Rectangle {
    id: root

    property bool isCircular: false
    property bool hasColorOvarlay: false
    property string overlayColor: Colors.primary
    property string source: ""
    property var fillMode: Image.PreserveAspectFit
    property string placeHolder: ""
    property int topPadding: 0
    property int bottomPadding: 0
    property int leftPadding: 0
    property int rightPadding: 0
    property int padding: 0
    property alias imageView: image

    signal clicked()
    signal sourceLoaded(var sourceWidth, var sourceHeight)

    width: 50
    height: 50
    color: "transparent"
    radius: isCircular ? height / 2 : 0
    layer.enabled: isCircular
    layer.effect: OpacityMask {
        maskSource: mask
    }

    Rectangle {
        id: mask

        anchors.fill: parent
        anchors.topMargin: root.padding !== 0 ? root.padding : root.topPadding
        anchors.bottomMargin: root.padding !== 0 ? root.padding : root.bottomPadding
        anchors.leftMargin: root.padding !== 0 ? root.padding : root.leftPadding
        anchors.rightMargin: root.padding !== 0 ? root.padding : root.rightPadding
        radius: root.radius
        visible: false
    }

    Image {
        id: placeHolderImage

        objectName: "placeHolder"
        anchors.fill: mask
        visible: root.placeHolder !== ""
        source: root.placeHolder
        asynchronous: true
        smooth: true
        antialiasing: true
        fillMode: root.fillMode
    }

    Image {
        id: image

        objectName: "image"
        anchors.fill: mask
        visible: false
        source: root.source
        asynchronous: true
        smooth: true
        antialiasing: true
        fillMode: root.fillMode
        onStatusChanged: {
            if (status === Image.Ready && sourceSize.width > 0) {
                root.sourceLoaded(sourceSize.width, sourceSize.height)
                placeHolderImage.visible = false
                visible = true
            } else {
                placeHolderImage.visible = true
                visible = false
            }
        }
    }

    ColorOverlay {
        anchors.fill: image
        source: image
        visible: root.hasColorOvarlay
        color: root.hasColorOvarlay ? root.overlayColor : "transparent"
    }

    MouseArea {
        anchors.fill: parent
        onClicked: root.clicked()
    }
}
