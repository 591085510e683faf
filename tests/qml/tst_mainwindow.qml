import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import AppUtility 1.0

// The main window: its fonts, native members and page stack, the way a start leads to the
// sign-in, the Android permission chain and the close rules.
TestCase {
    id: testCase

    property var window: null

    function fontLoaders() {
        var loaders = []
        for (var i = 0; i < window.contentData.length; ++i) {
            var child = window.contentData[i]
            if (child.hasOwnProperty("status") && child.hasOwnProperty("name") && child.hasOwnProperty("source"))
                loaders.push(child)
        }
        return loaders
    }

    function stack() {
        for (var i = 0; i < window.contentItem.children.length; ++i) {
            var child = window.contentItem.children[i]
            if (child.hasOwnProperty("depth") && child.hasOwnProperty("currentItem"))
                return child
        }
        return null
    }

    name: "MainWindow"
    when: windowShown

    function initTestCase() {
        var component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
        tryCompare(window, "visible", true)
    }

    function cleanupTestCase() {
        if (window)
            window.destroy()
    }

    function test_sixFontsAreLoaded() {
        var loaders = fontLoaders()
        compare(loaders.length, 6)
        var names = []
        for (var i = 0; i < loaders.length; ++i) {
            tryCompare(loaders[i], "status", FontLoader.Ready)
            names.push(loaders[i].name)
        }
        verify(names.indexOf("Vazirmatn") >= 0, names)
        verify(names.indexOf("Material Design Icons") >= 0, names)
        verify(names.indexOf("Lato") >= 0, names)
    }

    function test_windowIsFixedToTheAvailableDesktop() {
        compare(window.width, Screen.desktopAvailableWidth)
        compare(window.height, Math.floor(Screen.desktopAvailableHeight * 0.975))
        compare(window.minimumWidth, window.width)
        compare(window.maximumHeight, window.height)
        verify(window.rightToLeft)
        verify(window.showLog)
    }

    function test_sessionStartsSignedOut() {
        compare(window.isLogin, false)
        compare(window.apiToken, "")
        compare(window.appData.deviceId, utility.deviceId())
    }

    function signInPageShown(pages) {
        return pages.currentItem !== null && pages.currentItem.swipeView !== undefined
    }

    function test_aSignedOutStartGoesFromTheSplashToTheSignIn() {
        var pages = stack()
        verify(pages !== null)
        // The splash page waits a moment before it hands over.
        if (!signInPageShown(pages))
            verify(pages.currentItem.goToNextPage !== undefined, "the splash page comes first")
        tryVerify(function () { return signInPageShown(pages) }, 5000)
        compare(pages.depth, 1)
        compare(pages.currentItem.swipeView.currentIndex, 1)
    }

    function test_permissionChainAsksForWhatIsNotHeld() {
        var api = permissionApi.createObject(testCase, { held: ["storage"] })
        var destroyed = false
        api.Component.destruction.connect(function () { destroyed = true })
        window.getPermissions(api, ["storage", "phone", "camera"], 0)
        compare(api.asked, ["phone"])
        api.permissionResult(true)
        compare(api.asked, ["phone", "camera"])
        verify(!destroyed)
        api.permissionResult(true)
        compare(api.asked, ["phone", "camera"], "one answer per request")
        tryVerify(function () { return destroyed })
    }

    function test_closeDismissesNoticesThenPopsPagesThenCloses() {
        var pages = stack()
        tryVerify(function () { return signInPageShown(pages) }, 5000)
        var probe = pages.push(Qt.resolvedUrl("RequestProbe.qml"))
        pages.push(pageComponent)
        compare(pages.depth, 3)

        probe.loading.initial()
        probe.toastDialog.show("پیام آزمایشی", probe.toastDialog.durationLong)
        verify(probe.loading.visible)
        tryCompare(probe.toastDialog, "visible", true)

        window.close()
        compare(probe.loading.visible, false, "the busy notice goes first")
        verify(probe.toastDialog.visible)
        compare(pages.depth, 3)
        window.close()
        tryCompare(probe.toastDialog, "visible", false)
        compare(pages.depth, 3)
        verify(window.visible)

        window.close()
        compare(pages.depth, 2)
        verify(window.visible)
        window.close()
        compare(pages.depth, 1)
        verify(window.visible)
        window.close()
        tryCompare(window, "visible", false)
    }

    AppUtility {
        id: utility
    }

    Component {
        id: pageComponent

        Item {}
    }

    // Stands in for the Android platform wrapper, which desktop builds never have.
    Component {
        id: permissionApi

        QtObject {
            property var held: []
            property var asked: []

            signal permissionResult(var granted)

            function checkPermission(name) { return held.indexOf(name) >= 0 }
            function requestPersmission(name) { asked = asked.concat([name]) }
        }
    }
}
