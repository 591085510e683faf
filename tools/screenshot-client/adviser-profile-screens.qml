import QtQuick 2.15
import QtTest 1.15
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

    function test_shootTheAdviserProfile() {
        driver.startAsAdviser("sara", "123456")
        driver.openPage(null, "profile", "profilePage")
        waitForRendering(driver.window.contentItem, 3000)
        wait(1200)
        grabImage(driver.window.contentItem.parent).save("profile-adviser.png")
        console.log("saved profile-adviser.png")
        driver.window.destroy()
    }
}
