import QtQuick 2.15
import QtTest 1.15

// Walks the real program through its first pages and saves a picture of each: the splash page,
// both sign-in tabs and the code page. Run by run.sh under Xvfb against a stand-in service on the
// program's default address.
TestCase {
    id: shooter

    property var window: null
    property var stack: null

    name: "SignInScreens"
    when: windowShown

    function shoot(file) {
        waitForRendering(window.contentItem, 2000)
        wait(400)
        var image = grabImage(window.contentItem)
        image.save(file)
        console.log("saved " + file)
    }

    // The form slides between its pages; pictures are taken once it rests.
    function settle(login) {
        tryVerify(function () {
            var view = login.swipeView
            return Math.abs(view.contentItem.contentX - view.currentItem.x) < 1
        }, 5000)
    }

    function signInPage() {
        return stack.currentItem && stack.currentItem.swipeView !== undefined ? stack.currentItem : null
    }

    function test_shootTheSignInPages() {
        var component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        for (var i = 0; i < window.contentItem.children.length; ++i) {
            if (window.contentItem.children[i].objectName === "appStack")
                stack = window.contentItem.children[i]
        }
        tryCompare(window, "visible", true)
        shoot("splash.png")

        tryVerify(function () { return signInPage() !== null }, 10000)
        var login = signInPage()
        // The page and its form slide in.
        tryCompare(stack, "busy", false)
        settle(login)
        shoot("sign-in-managers.png")

        login.phonePage.terms.accepted = true
        login.phonePage.phone.text = "9151234567"
        shoot("sign-in-managers-filled.png")

        mouseClick(login.advisersTab)
        settle(login)
        login.userPage.terms.accepted = true
        login.userPage.userName.text = "sara"
        login.userPage.password.text = "123456"
        shoot("sign-in-advisers.png")

        mouseClick(login.managersTab)
        settle(login)
        mouseClick(login.phonePage.submitButton)
        tryCompare(login.swipeView, "currentIndex", 2, 10000)
        settle(login)
        shoot("sign-in-code.png")
        var inputs = login.codePage.digitInputs()
        inputs[0].text = "1"
        inputs[1].text = "2"
        inputs[1].forceActiveFocus()
        shoot("sign-in-code-typing.png")
        window.destroy()
    }
}
