import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

ShadowBorder {
    id: appButton

    property bool rightToLeft: appWindow.rightToLeft
    property bool iconToRight: true
    property bool hasIcon: true
    property string icon: MaterialIcons.account
    property int fontSize: Utility.TextSize.medium
    property int iconSize: Utility.TextSize.medium
    property string textColor: Colors.white
    property string pressedColor: color
    property int spacing: 10
    property alias text: caption.text
    property alias font: caption.font

    signal clicked()

    hasShadow: false
    color: "transparent"
    opacity: enabled ? 1 : 0.7
    // The row's direction is this button's own; a mirrored page must not flip it a second time.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    states: State {
        name: "pushed"
        when: mouseArea.pressed
        PropertyChanges { target: appButton; color: appButton.pressedColor }
    }

    transitions: Transition {
        ColorAnimation { duration: 200; easing.type: Easing.InOutQuad }
    }

    Component.onCompleted: {
        if (Qt.colorEqual(pressedColor, color))
            pressedColor = Qt.darker(pressedColor)
    }

    Row {
        id: content

        anchors.centerIn: parent
        width: caption.width + (appButton.hasIcon ? (appButton.iconToRight ? rtIcon.width : ltIcon.width) + spacing : 0)
        height: parent.height
        spacing: appButton.spacing
        layoutDirection: appButton.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight

        MaterialIcon {
            id: rtIcon

            objectName: "rtIcon"

            anchors.verticalCenter: parent.verticalCenter
            visible: appButton.iconToRight && appButton.hasIcon
            icon: appButton.icon
            iconSize: appButton.iconSize
            iconColor: appButton.textColor
        }

        IranSansText {
            id: caption

            objectName: "caption"

            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            textColor: appButton.textColor
            textSize: appButton.fontSize
        }

        MaterialIcon {
            id: ltIcon

            objectName: "ltIcon"

            anchors.verticalCenter: parent.verticalCenter
            visible: !appButton.iconToRight && appButton.hasIcon
            icon: appButton.icon
            iconSize: appButton.iconSize
            iconColor: appButton.textColor
        }
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        onClicked: {
            if (appButton.enabled)
                appButton.clicked()
        }
    }
}
