import QtQuick 2.15

// An input's icon on one side of its text (`onRight`), shown where the input puts it; a click
// tells the input.
MaterialButton {
    // The input it belongs to (hasIcon, iconToRight, icon, iconColor, iconSize, iconClicked).
    property Item owner
    property bool onRight: false

    anchors.verticalCenter: parent.verticalCenter
    visible: owner.hasIcon && owner.iconToRight === onRight
    icon.icon: owner.icon
    icon.iconColor: owner.iconColor
    icon.iconSize: owner.iconSize
    onClicked: owner.iconClicked()
}
