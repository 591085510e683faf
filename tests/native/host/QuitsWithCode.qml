import QtQuick 2.15
import QtQuick.Window 2.15

// Created fine: the program runs until the document itself asks to quit.
Window {
    visible: true
    width: 100
    height: 100

    Timer {
        interval: 200
        running: true
        onTriggered: Qt.exit(3)
    }
}
