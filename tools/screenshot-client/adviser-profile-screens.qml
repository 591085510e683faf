import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0
import "../../tests/e2e"

// Saves a picture of an adviser's own profile, the office shown read-only. Run by run.sh under
// Xvfb with a stand-in service of its own.
TestCase {
    id: shooter

    name: "AdviserProfileScreens"
    when: windowShown

    AccountDriver {
        id: driver

        test: shooter
    }

    Settings { id: store }
    AppUtility { id: utility }

    function test_shootTheAdviserProfile() {
        var signIn = driver.adviserSignIn("sara", "123456", utility.deviceId())
        signIn.username = "sara"
        driver.startSignedIn(store, utility.deviceId(), signIn)
        driver.openPage(null, "profile", "profilePage")
        waitForRendering(driver.window.contentItem, 3000)
        wait(1200)
        grabImage(driver.window.contentItem.parent).save("profile-adviser.png")
        console.log("saved profile-adviser.png")
        driver.window.destroy()
    }
}
