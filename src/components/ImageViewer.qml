import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/MaterialIcons.js" as MaterialIcons

// A listing's pictures one at a time over the page, on a dimmed ground: it grows from nothing to
// its full size (set width and height to show it, 0 to hide it) and then offers close, previous,
// next and save.
Rectangle {
    id: root

    // The size it grows to.
    property real fullWidth: 0
    property real fullHeight: 0
    property ListModel images: null
    // The picture shown.
    property int index: 0
    readonly property bool grown: width === fullWidth && height === fullHeight

    // The previous or next picture was asked for.
    signal stepped(int index)
    signal closeClicked()
    signal saveClicked()

    width: 0
    height: 0
    visible: width !== 0
    color: "transparent"
    clip: true
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    Behavior on width { NumberAnimation { duration: 250 } }
    Behavior on height { NumberAnimation { duration: 250 } }

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.2
    }

    // Nothing under the viewer takes clicks while it shows.
    MouseArea {
        anchors.fill: parent
    }

    Image {
        objectName: "biggerImage"
        anchors.fill: parent
        anchors.topMargin: 30
        anchors.bottomMargin: 90
        anchors.leftMargin: 90
        anchors.rightMargin: 90
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        source: root.visible && root.images && root.images.count > root.index ? root.images.get(root.index).url : ""
    }

    CircleIcon {
        objectName: "closeImage"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 20
        width: 48
        height: 48
        color: "#88000000"
        icon: MaterialIcons.close
        iconColor: "white"
        iconSize: Utility.IconSize.XXLarge
        visible: root.grown
        onClicked: root.closeClicked()
    }

    CircleIcon {
        objectName: "previousImage"
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        width: 48
        height: 48
        color: "#88000000"
        icon: MaterialIcons.chevronLeft
        iconColor: "white"
        iconSize: Utility.IconSize.XXLarge
        visible: root.grown && root.index > 0
        onClicked: root.stepped(root.index - 1)
    }

    CircleIcon {
        objectName: "nextImage"
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        width: 48
        height: 48
        color: "#88000000"
        icon: MaterialIcons.chevronRight
        iconColor: "white"
        iconSize: Utility.IconSize.XXLarge
        visible: root.grown && !!root.images && root.index < root.images.count - 1
        onClicked: root.stepped(root.index + 1)
    }

    Rectangle {
        objectName: "saveImage"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: saveRow.width + 40
        height: 44
        radius: height / 2
        color: "#88000000"
        visible: root.grown

        Row {
            id: saveRow

            anchors.centerIn: parent
            spacing: 8
            layoutDirection: Qt.RightToLeft

            MaterialIcon {
                anchors.verticalCenter: parent.verticalCenter
                icon: MaterialIcons.download
                iconSize: Utility.IconSize.XLarge
                iconColor: "white"
            }

            IranSansText {
                anchors.verticalCenter: parent.verticalCenter
                topPadding: 0
                text: "ذخیره تصویر"
                textColor: "white"
                textSize: Utility.TextSize.normal
            }
        }

        MouseArea {
            anchors.fill: parent
            onClicked: root.saveClicked()
        }
    }
}
