import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/src/components"
import "qrc:/src/items"

// Images and list rows, each in the context its page gives it: the gallery's model and viewer,
// the zone list's delete function, the side menu's state and floating sub-menu.
Item {
    id: appWindow

    // A 40 × 20 picture.
    readonly property string picture: "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAACgAAAAUCAIAAABwJOjsAAAAJElEQVR4nGMISvg/IIhh1OJRi0ctHrV41OJRi0ctHrV45FgMAATJSWyfLk0UAAAAAElFTkSuQmCC"
    property bool rightToLeft: true
    readonly property Item overlay: Overlay.overlay
    // Names the gallery tile reaches on its page.
    property int imageIndex: -1
    // Names the menu rows reach on the main page.
    property bool menuExpanded: true
    property string selectedMenu: ""
    property var deletedAreas: []
    property var calls: []

    function deleteArea(index) {
        deletedAreas.push(index)
    }

    width: 800
    height: 900

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    Item { id: fileDetailPage; width: 640; height: 480 }
    Item { id: biggerImageLt; width: 0; height: 0 }

    Item {
        id: subMenuLt

        property var menuItem: null

        function show(index) { appWindow.calls.push("show " + index) }
        function dismiss() { appWindow.calls.push("dismiss") }
    }

    QtObject {
        id: aboutDialog

        function initial() { appWindow.calls.push("dialog") }
    }

    QtObject {
        id: logoutAction

        function runFunc(key) { appWindow.calls.push("func " + key) }
    }

    ListModel {
        id: imageModel

        ListElement { url: "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAACgAAAAUCAIAAABwJOjsAAAAJElEQVR4nGMISvg/IIhh1OJRi0ctHrV41OJRi0ctHrV45FgMAATJSWyfLk0UAAAAAElFTkSuQmCC" }
        ListElement { url: "" }
        ListElement { url: "" }
    }

    ListModel { id: menuModel }

    Row {
        AppImage { id: plainImage; source: appWindow.picture; topPadding: 1; bottomPadding: 2; leftPadding: 3; rightPadding: 4 }
        AppImage { id: paddedImage; source: appWindow.picture; padding: 8; topPadding: 1; isCircular: true }
        AppImage { id: pendingImage; placeHolder: appWindow.picture }
    }

    Row {
        y: 60

        Repeater {
            id: editTiles

            model: imageModel

            ImageItem { width: 100; height: 100; canDelete: true }
        }
    }

    Row {
        y: 170

        Repeater {
            id: detailTiles

            model: imageModel

            ImageItem { width: 100; height: 100; canGrow: true }
        }
    }

    Column {
        y: 280
        width: 400

        Repeater {
            id: zones

            model: ListModel {
                ListElement { itemIcon: "\uF34E"; title: "احمدآباد" }
                ListElement { itemIcon: "\uF34E"; title: "سجاد" }
            }

            SimpleItem { width: 400; height: 50 }
        }
    }

    ListView {
        id: menu

        y: 400
        width: 300
        height: 500
        model: menuModel
        delegate: MenuItem { width: menu.width }
    }

    Footer { id: footer }

    SignalSpy { id: loadedSpy; target: plainImage; signalName: "sourceLoaded" }
    SignalSpy { id: pendingSpy; target: pendingImage; signalName: "sourceLoaded" }
    SignalSpy { id: clickSpy; target: plainImage; signalName: "clicked" }

    TestCase {
        name: "Rows"
        when: windowShown

        function fillMenu() {
            menuModel.clear()
            menuModel.append({
                main_item: { icon: "\uF2DC", title: "فایل ها", key: "files", alarm: 0, page: true },
                has_child: false, expanded: false, child_items: []
            })
            menuModel.append({
                main_item: { icon: "\uF33E", title: "مدیریت", key: "manage", alarm: 3 },
                has_child: true, expanded: false,
                child_items: [
                    { icon: "\uF2FC", title: "درباره ما", key: "about", alarm: 0, dialog: aboutDialog },
                    { icon: "\uF343", title: "خروج", key: "logout", alarm: 0, func: logoutAction },
                    { icon: "\uF004", title: "کاربران", key: "users", alarm: 0, page: true }
                ]
            })
            appWindow.calls = []
            appWindow.menuExpanded = true
            appWindow.selectedMenu = ""
        }

        function test_imageReportsItsSourceSize() {
            tryCompare(plainImage.imageView, "status", Image.Ready)
            tryVerify(function() { return plainImage.imageView.visible })
            compare(plainImage.imageView.sourceSize.width, 40)
            compare(plainImage.imageView.sourceSize.height, 20)
            // Emitted before this function ran, so look at the one sent by a reload.
            plainImage.source = ""
            loadedSpy.clear()
            verify(!plainImage.imageView.visible)
            plainImage.source = appWindow.picture
            tryCompare(loadedSpy, "count", 1)
            compare(loadedSpy.signalArguments[0][0], 40)
            compare(loadedSpy.signalArguments[0][1], 20)
        }

        function test_placeholderUntilLoaded() {
            var holder = findChild(pendingImage, "placeHolder")
            tryCompare(holder, "status", Image.Ready)
            verify(holder.visible)
            verify(!pendingImage.imageView.visible)
            pendingImage.source = appWindow.picture
            tryVerify(function() { return pendingImage.imageView.visible })
            verify(!holder.visible)
            compare(pendingSpy.count, 1)
            pendingImage.source = ""
            verify(holder.visible)
            verify(!pendingImage.imageView.visible)
        }

        function test_imagePaddings() {
            var view = plainImage.imageView
            compare(view.x, 3)
            compare(view.y, 1)
            compare(view.width, 50 - 3 - 4)
            compare(view.height, 50 - 1 - 2)
            view = paddedImage.imageView
            compare(view.x, 8)
            compare(view.y, 8)
            compare(view.width, 34)
            compare(view.height, 34)
            compare(paddedImage.radius, 25)
            compare(plainImage.radius, 0)
            mouseClick(plainImage)
            compare(clickSpy.count, 1)
        }

        function test_galleryTileDeleteBadge() {
            var firstDetail = detailTiles.itemAt(0)
            verify(!findChild(firstDetail, "deleteBadge").visible)
            var tile = editTiles.itemAt(1)
            var badge = findChild(tile, "deleteBadge")
            verify(badge.visible)
            // Top-right corner.
            compare(badge.x + badge.width, tile.width - 5)
            compare(badge.y, 5)
            // An editing tile does not open the viewer.
            mouseClick(tile, 20, tile.height - 20)
            compare(biggerImageLt.width, 0)
            mouseClick(badge)
            compare(imageModel.count, 2)
            compare(imageModel.get(0).url, appWindow.picture)
            compare(imageModel.get(1).url, "")
            imageModel.insert(1, { url: "" })
        }

        function test_galleryTileOpensViewer() {
            var tile = detailTiles.itemAt(2)
            mouseClick(tile)
            compare(biggerImageLt.width, fileDetailPage.width)
            compare(biggerImageLt.height, fileDetailPage.height)
            compare(appWindow.imageIndex, 2)
            biggerImageLt.width = 0
            biggerImageLt.height = 0
        }

        function test_zoneRowDeletesItsZone() {
            appWindow.deletedAreas = []
            var row = zones.itemAt(1)
            var button = findChild(row, "deleteIc")
            // Right-to-left: icon at the right, the button at the left.
            verify(button.mapToItem(row, 0, 0).x < row.width / 2)
            mouseClick(button)
            compare(appWindow.deletedAreas, [1])
        }

        function rowAt(index) {
            menu.forceLayout()
            return menu.itemAtIndex(index)
        }

        function test_badgeShowsTheCount() {
            fillMenu()
            var first = findChild(rowAt(0), "mainRow")
            var second = findChild(rowAt(1), "mainRow")
            verify(!findChild(first, "badge").visible)
            verify(findChild(second, "badge").visible)
            compare(findChild(second, "badgeText").text, "3")
            verify(findChild(second, "chevron").visible)
            verify(!findChild(first, "chevron").visible)
        }

        function test_groupExpandsInTheFullMenu() {
            fillMenu()
            var group = rowAt(1)
            var list = findChild(group, "childList")
            compare(list.height, 0)
            verify(!list.visible)
            mouseClick(findChild(group, "mainRow"))
            compare(menuModel.get(1).expanded, true)
            tryCompare(list, "height", list.contentHeight)
            verify(list.height > 0)
            verify(list.visible)
            tryCompare(findChild(group, "chevron"), "rotation", 180)
            compare(appWindow.calls, [])
            mouseClick(findChild(group, "mainRow"))
            compare(menuModel.get(1).expanded, false)
            tryCompare(list, "height", 0)
            verify(!list.visible)
        }

        function test_groupOpensFloatingMenuWhenCollapsed() {
            fillMenu()
            appWindow.menuExpanded = false
            var group = rowAt(1)
            var main = findChild(group, "mainRow")
            verify(findChild(main, "compactIcon").visible)
            verify(!findChild(main, "fullRow").visible)
            mouseClick(main)
            compare(appWindow.calls, ["show 1"])
            compare(subMenuLt.menuItem.main_item.key, "manage")
            compare(menuModel.get(1).expanded, false)
            main.forceFullLength = true
            verify(findChild(main, "fullRow").visible)
            main.forceFullLength = false
        }

        function test_entryActions() {
            fillMenu()
            mouseClick(findChild(rowAt(0), "mainRow"))
            compare(appWindow.calls, ["dismiss"])
            compare(appWindow.selectedMenu, "files")

            var group = rowAt(1)
            mouseClick(findChild(group, "mainRow"))
            var list = findChild(group, "childList")
            tryCompare(list, "height", list.contentHeight)
            appWindow.calls = []
            mouseClick(list.itemAtIndex(0))
            compare(appWindow.calls, ["dismiss", "dialog"])
            appWindow.calls = []
            mouseClick(list.itemAtIndex(1))
            compare(appWindow.calls, ["dismiss", "func logout"])
            compare(appWindow.selectedMenu, "files")
            appWindow.calls = []
            mouseClick(list.itemAtIndex(2))
            compare(appWindow.calls, ["dismiss"])
            compare(appWindow.selectedMenu, "users")
        }

        function test_selectedEntryIsHighlighted() {
            fillMenu()
            var main = findChild(rowAt(0), "mainRow")
            verify(Qt.colorEqual(main.entryColor, "#000000"))
            appWindow.selectedMenu = "files"
            verify(Qt.colorEqual(main.entryColor, "#5260ff"))
        }

        function test_footerLinkOpensTheSite() {
            testSupport.captureOpenedUrls()
            compare(footer.y + footer.height, appWindow.height - 10)
            verify(footer.text.indexOf(Qt.application.version) > 0)
            var target = null
            for (var y = 2; y < footer.height && !target; y += 3) {
                for (var x = 2; x < footer.width; x += 3) {
                    if (footer.linkAt(x, y) !== "") {
                        target = Qt.point(x, y)
                        break
                    }
                }
            }
            verify(target)
            mouseClick(footer, target.x, target.y)
            compare(testSupport.openedUrls, [serviceConfig.siteUrl])
        }

        function test_androidWrapperIsNotLoadableOnTheDesktop() {
            var component = Qt.createComponent("qrc:/src/components/AndroidUtility.qml")
            compare(component.status, Component.Error)
            verify(component.errorString().indexOf("QtAndroidUtility") >= 0)
        }
    }
}
