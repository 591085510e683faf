import QtQuick 2.15
import "../scripts/Colors.js" as Colors

// A chooser with its title beside it, as the file list's header lays them out.
Item {
    id: root

    property alias title: titleText.text
    property alias model: combo.model
    property alias currentIndex: combo.currentIndex
    property alias displayText: combo.displayText
    // The chooser's own object name, by which tests find it.
    property alias comboName: combo.objectName

    signal activated(int index)

    height: 34

    IranSansText {
        id: titleText

        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: 100
        topPadding: 0
        textColor: Colors.darkGrey
    }

    Item {
        anchors.left: titleText.right
        anchors.right: parent.right
        height: parent.height

        AppComboBox {
            id: combo

            currentIndex: -1
            onActivated: root.activated(index)
        }
    }
}
