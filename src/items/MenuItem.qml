import QtQuick 2.15

// A top-level row of the side menu with its group of children folded beneath it.
Item {
    id: menuItem

    height: column.height + 20

    Column {
        id: column

        width: parent.width
        spacing: 10

        SubMenuItem {
            objectName: "mainRow"
            width: parent.width
            hasChild: has_child
            item: main_item
            _expanded: expanded
            onDropDown: {
                if (menuExpanded) {
                    menuModel.setProperty(index, "expanded", !expanded)
                } else {
                    subMenuLt.menuItem = menuModel.get(index)
                    subMenuLt.show(index)
                }
            }
        }

        ListView {
            id: childList

            objectName: "childList"
            width: parent.width
            interactive: false
            model: child_items
            height: expanded && menuExpanded ? contentHeight : 0
            visible: expanded && menuExpanded && height > 0

            Behavior on height { NumberAnimation { duration: 180 } }

            delegate: SubMenuItem {
                width: ListView.view.width
                hasChild: false
            }
        }
    }
}
