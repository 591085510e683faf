import QtQuick 2.15

Rectangle {
    id: materialButton

    property alias icon: glyph

    signal clicked()

    width: glyph.width
    height: glyph.height
    color: "transparent"

    MaterialIcon {
        id: glyph

        anchors.centerIn: parent
    }

    MouseArea {
        anchors.fill: parent
        onClicked: materialButton.clicked()
    }
}
