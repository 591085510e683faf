import QtQuick 2.15
import QtTest 1.15

// A new manager signs in by code: he has no office yet, so the session set-up hands him over to
// the profile page to register one. Then the close rules on the page he lands on.
TestCase {
    id: testCase

    property var login: null

    name: "UserWithoutOffice"
    when: windowShown

    E2eDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        driver.launch()
        login = driver.waitForSignIn()
    }

    function cleanupTestCase() {
        if (driver.window && driver.window.visible)
            driver.quit()
    }

    // One scenario, step after step: each step starts from what the one before left.
    function test_signInWithoutAnOffice() {
        aManagerWithoutOfficeLandsOnTheProfilePage()
        closingDismissesNoticesThenPopsThenEnds()
    }

    function aManagerWithoutOfficeLandsOnTheProfilePage() {
        var phonePage = login.phonePage
        driver.click(phonePage.terms.checkBox)
        driver.click(phonePage.phone)
        driver.type("9129876543")
        driver.click(phonePage.submitButton)
        tryCompare(login.swipeView, "currentIndex", 2)
        driver.settle(login.swipeView)
        login.codePage.digitInputs()[0].forceActiveFocus()
        driver.type("1234")
        driver.waitForPage("Profile", 20000)
        compare(driver.pagesSeen, ["Splash", "Login", "Profile"])

        var window = driver.window
        verify(window.isLogin)
        compare(window.userData.username, "09129876543")
        verify(!window.userData.officeId)
        verify(window.userData.office === undefined, "no office was asked for")
        verify(window.appData.fileImagesUrl.length > 0, "the options were loaded first")
    }

    function closingDismissesNoticesThenPopsThenEnds() {
        var window = driver.window
        var probe = driver.pushProbe()
        compare(driver.stack.depth, 2)
        var answered = false
        // A request in flight shows the busy notice; a close request only dismisses it.
        probe.sendRequest("POST", "getMe", function () { answered = true }, function () {}, [])
        verify(probe.loading.visible)
        window.close()
        compare(probe.loading.visible, false)
        compare(driver.stack.depth, 2)
        tryVerify(function () { return answered })

        probe.toastDialog.show("یک پیام", probe.toastDialog.durationLong)
        tryCompare(probe.toastDialog, "visible", true)
        window.close()
        tryCompare(probe.toastDialog, "visible", false)
        compare(driver.stack.depth, 2)
        verify(window.visible)

        window.close()
        compare(driver.stack.depth, 1)
        verify(window.visible)
        window.close()
        tryCompare(window, "visible", false)
    }
}
