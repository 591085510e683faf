import QtQuick 2.15
import "../items"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// The main page's floating panel: a collapsed menu's group children beside the clicked row, or
// the quick-access entries under the top bar. Its rows reach the main page's members by name.
Rectangle {
    id: root

    // The page it floats over, the side menu it opens beside, and the top bar's account area it
    // opens under.
    property Item page: null
    property Item sideMenu: null
    property Item topBar: null
    // The group whose children it lists (a row of a menu model).
    property var menuItem: null
    property bool quickMode: false
    // The model holding the quick-access group; it is asked to be filled before each use.
    property var quickAccess: null
    readonly property bool quickShowing: visible && quickMode

    signal quickAccessNeeded()

    // The children of `menuItem`, the group at `index` of the side menu, beside its row.
    function show(index) {
        quickMode = false
        var menuList = sideMenu.menuList
        var row = menuList.itemAtIndex(index)
        var top = row ? row.mapToItem(page, 0, 0).y : menuList.y + index * 35
        panelList.model = menuItem ? menuItem.child_items : null
        width = page.width * 0.3 - 30
        // The list lays itself out later; its height is known from the rows already.
        var panelHeight = panelHeader.height + (menuItem ? menuItem.child_items.count : 0) * 50 + 20
        y = Math.max(10, Math.min(top, page.height - panelHeight - 10))
        x = sideMenu.x > page.width / 2 ? sideMenu.x - width : sideMenu.x + sideMenu.width
        visible = true
    }

    function showQuick() {
        quickAccessNeeded()
        quickMode = true
        menuItem = quickAccess.get(0)
        panelList.model = menuItem.child_items
        width = page.width * 0.25 - 30
        y = topBar.height + 10
        var area = topBar.accountArea
        var place = area.mapToItem(page, 0, 0)
        x = place.x < page.width / 2 ? place.x + 10 : place.x + area.width - width - 10
        visible = true
    }

    function dismiss() {
        visible = false
    }

    visible: false
    z: 10
    height: panelColumn.height + 20
    radius: 8
    color: "white"
    border.color: Colors.lightGrey
    border.width: 1

    // Presses on the panel itself do not reach the page background behind it.
    MouseArea {
        anchors.fill: parent
    }

    Column {
        id: panelColumn

        anchors.top: parent.top
        anchors.topMargin: 10
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 20

        IranSansText {
            id: panelHeader

            width: parent.width
            height: 36
            topPadding: 0
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignRight
            text: root.menuItem ? root.menuItem.main_item.title : ""
            textColor: Colors.primary
            textSize: Utility.TextSize.normal
            font.bold: true
            LayoutMirroring.enabled: false
        }

        ListView {
            id: panelList

            objectName: "panelList"
            width: parent.width
            height: contentHeight
            interactive: false

            delegate: SubMenuItem {
                width: panelList.width
                forceFullLength: true
            }
        }
    }
}
