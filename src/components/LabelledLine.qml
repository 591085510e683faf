import QtQuick 2.15
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// One line of a card: the label at the right, its value at the left (with an optional glyph
// before it), a faint rule under both.
Item {
    id: labelledLine

    property string label: ""
    property string value: ""
    property string valueColor: Colors.night
    property string valueIcon: ""
    property string valueIconColor: Colors.night
    property int textSize: Utility.TextSize.medium
    property bool hasRule: true
    // Room kept free at the left edge, for a control of the line's own.
    property int valueMargin: 0

    implicitHeight: 30
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    IranSansText {
        id: labelText

        objectName: "label"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(implicitWidth, parent.width * 0.62)
        topPadding: 0
        text: labelledLine.label
        textSize: labelledLine.textSize
        textColor: Colors.mediumGrey
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideLeft
    }

    Row {
        anchors.left: parent.left
        anchors.leftMargin: labelledLine.valueMargin
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(implicitWidth, parent.width - labelText.width - labelledLine.valueMargin - 10)
        spacing: 5
        layoutDirection: Qt.RightToLeft

        MaterialIcon {
            anchors.verticalCenter: parent.verticalCenter
            visible: labelledLine.valueIcon !== ""
            icon: labelledLine.valueIcon
            iconSize: labelledLine.textSize + 4
            iconColor: labelledLine.valueIconColor
        }

        IranSansText {
            objectName: "value"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, labelledLine.width - labelText.width - labelledLine.valueMargin - 40)
            topPadding: 0
            text: labelledLine.value
            textSize: labelledLine.textSize
            textColor: labelledLine.valueColor
            font.bold: true
            elide: Text.ElideRight
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        visible: labelledLine.hasRule
        color: Colors.gray
    }
}
