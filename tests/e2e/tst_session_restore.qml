import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// A start with a stored session: the splash page restores it (current user, options, office)
// and hands over to the main page without passing the sign-in.
TestCase {
    id: testCase

    property var token: null

    name: "SessionRestore"
    when: windowShown

    E2eDriver {
        id: driver

        test: testCase
    }

    // The same settings file the program reads at its start.
    Settings {
        id: store
    }

    function initTestCase() {
        // What an earlier run left behind after the manager signed in on this machine.
        token = driver.managerSignIn("09151234567", utility.deviceId())
        store.setValue("is_login", true)
        store.setValue("user_data", { username: "09151234567", apiToken: token.token, refreshToken: token.refreshToken })
        store.setValue("app_data", { db_inited: false })
        driver.launch()
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function test_theSplashPageRestoresTheSessionAndHandsOverToTheMainPage() {
        var window = driver.window
        compare(window.isLogin, true)
        compare(window.apiToken, token.token, "the stored token is taken at the start")
        var splash = driver.currentPage()
        compare(driver.pageName(splash), "Splash")

        driver.waitForPage("Main", 20000)
        compare(driver.pagesSeen, ["Splash", "Main"])
        compare(driver.stack.depth, 1)

        // The service's record, with the client's own keys carried over.
        compare(window.userData.fname, "محمد")
        compare(window.userData.systemRole, "officeMan")
        compare(window.userData.username, "09151234567")
        compare(window.userData.apiToken, token.token)
        compare(window.userData.refreshToken, token.refreshToken)
        verify(window.userData.officeId.length > 0)
        compare(window.userData.office.folders.length, 8, "an office with folders gets no new ones")
        verify(window.appData.avatarImagesUrl.length > 0)
        verify(window.appData.fileImagesUrl.length > 0)
        verify(window.appData.blogImagesUrl.length > 0)
        compare(window.appData.deviceId, utility.deviceId())
        compare(driver.folders(token.token, "officeMan").length, 8)

        // Saved at once: the next start finds the refreshed record.
        var saved = store.value("user_data", {})
        compare(saved.fname, "محمد")
        compare(saved.office.title, window.userData.office.title)
        compare(store.value("app_data", {}).fileImagesUrl, window.appData.fileImagesUrl)
    }

    AppUtility {
        id: utility
    }
}
