import QtQuick 2.15
import "../components"
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// One entry of the side menu: just its glyph while the menu is collapsed, glyph, badge, title
// and (for a group) a chevron while it is expanded.
Item {
    id: subMenuItem

    property bool hasChild: false
    property bool _expanded: false
    property bool forceFullLength: false
    property var item: model
    readonly property bool fullForm: menuExpanded || forceFullLength
    readonly property color entryColor: selectedMenu === item.key ? Colors.primary : Colors.black

    signal dropDown()

    function activate() {
        if (hasChild) {
            dropDown()
            return
        }
        subMenuLt.dismiss()
        if (item.dialog)
            item.dialog.initial()
        else if (item.page)
            selectedMenu = item.key
        else if (item.func)
            item.func.runFunc(item.key)
    }

    height: 50
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    MaterialIcon {
        objectName: "compactIcon"
        anchors.centerIn: parent
        visible: !subMenuItem.fullForm
        icon: subMenuItem.item.icon
        iconSize: 25
        iconColor: subMenuItem.entryColor
    }

    Row {
        id: row

        objectName: "fullRow"
        anchors.fill: parent
        visible: subMenuItem.fullForm
        spacing: 10
        layoutDirection: Qt.RightToLeft

        Item {
            id: glyphBox

            anchors.verticalCenter: parent.verticalCenter
            width: glyph.width + 10
            height: glyph.height + 10

            MaterialIcon {
                id: glyph

                anchors.centerIn: parent
                icon: subMenuItem.item.icon
                iconSize: 22
                iconColor: subMenuItem.entryColor
            }

            Rectangle {
                objectName: "badge"
                x: glyph.x + glyph.width - 8
                y: glyph.y + glyph.height - 8
                width: 15
                height: 15
                radius: width / 2
                color: Colors.coolRed
                visible: subMenuItem.item.alarm > 0

                Text {
                    objectName: "badgeText"
                    anchors.centerIn: parent
                    text: subMenuItem.item.alarm
                    color: "white"
                    font.family: lato.name
                    font.pixelSize: 7
                }
            }
        }

        IranSansText {
            anchors.verticalCenter: parent.verticalCenter
            width: row.width - (glyphBox.width + row.spacing)
                   - (subMenuItem.hasChild ? chevron.width + row.spacing : 0)
            topPadding: 0
            text: subMenuItem.item.title
            textSize: 16
            textColor: subMenuItem.entryColor
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideLeft
        }

        MaterialIcon {
            id: chevron

            objectName: "chevron"
            anchors.verticalCenter: parent.verticalCenter
            visible: subMenuItem.hasChild
            icon: MaterialIcons.chevronDown
            iconColor: Colors.black
            iconSize: 22
            rotation: subMenuItem._expanded ? 180 : 0

            Behavior on rotation { NumberAnimation { duration: 200 } }
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 0.75
        color: Colors.grey
    }

    MouseArea {
        anchors.fill: parent
        onClicked: subMenuItem.activate()
    }
}
