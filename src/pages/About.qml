import QtQuick 2.15
import "../components"

// About the program: its logo and slogan, who it belongs to and which version is running.
Item {
    id: aboutPage

    objectName: "aboutPage"

    Logo {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -40
        width: Math.min(parent.width * 0.6, 560)
    }

    Footer {
        objectName: "footer"
        anchors.bottomMargin: 30
    }
}
