import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors

// A picture tile of a listing's gallery: removable while the listing is edited, enlargeable on
// its detail page.
Item {
    id: imageItem

    property bool canGrow: false
    property bool canDelete: false

    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    AppImage {
        id: picture

        anchors.centerIn: parent
        width: parent.width - 10
        height: parent.height - 10
        isCircular: true
        radius: 10
        color: Colors.gray
        fillMode: Image.PreserveAspectCrop
        source: url
        onClicked: {
            if (imageItem.canGrow) {
                biggerImageLt.width = fileDetailPage.width
                biggerImageLt.height = fileDetailPage.height
                imageIndex = index
            }
        }
    }

    Rectangle {
        id: deleteBadge

        objectName: "deleteBadge"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 5
        width: 25
        height: 25
        radius: 10
        color: "white"
        visible: imageItem.canDelete

        Text {
            anchors.centerIn: parent
            text: "+"
            rotation: 45
            font.pixelSize: 22
            color: Colors.darkGrey
        }

        MouseArea {
            anchors.fill: parent
            onClicked: imageModel.remove(index)
        }
    }
}
