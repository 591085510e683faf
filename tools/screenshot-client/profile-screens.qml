import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0
import "../../tests/e2e"

// Saves pictures of the office registration of a manager who has just signed up (the empty
// form, the sign-out question, the area search, the filled form) and of an adviser's own profile. Run by run.sh under
// Xvfb with a stand-in service of its own.
TestCase {
    id: shooter

    name: "ProfileScreens"
    when: windowShown

    AccountDriver {
        id: driver

        test: shooter
    }

    Settings { id: store }
    AppUtility { id: utility }

    function shoot(file) {
        waitForRendering(driver.window.contentItem, 3000)
        wait(1200)
        // The window's root item holds the pages and the pop-ups over them.
        grabImage(driver.window.contentItem.parent).save(file)
        console.log("saved " + file)
    }

    function test_shootTheOfficeRegistration() {
        var mobile = "09121239999"
        var signIn = driver.managerSignIn(mobile, utility.deviceId())
        store.setValue("is_login", true)
        store.setValue("user_data", { username: mobile, apiToken: signIn.token, refreshToken: signIn.refreshToken })
        store.setValue("app_data", {})
        driver.launch()
        var page = driver.waitForPage("Profile", 30000)
        tryVerify(function () { return page.zones.length > 0 }, 10000)
        shoot("profile-create-empty.png")
        page.signOutDialog.initial()
        driver.waitOpened(page.signOutDialog)
        shoot("profile-create-sign-out.png")
        page.signOutDialog.dismiss()
        driver.waitClosed(page.signOutDialog)
        page.zoneDialog.initial()
        driver.waitOpened(page.zoneDialog)
        shoot("profile-create-areas.png")
        page.zoneDialog.selected(page.zones[2])
        driver.waitClosed(page.zoneDialog)
        page.fname.text = "نیما"
        page.lname.text = "صادقی"
        page.email.text = "nima@example.ir"
        page.officeTitle.text = "املاک نگین"
        page.address.text = "مشهد، بلوار احمدآباد، پلاک 7"
        page.selectedLocation = { latitude: 36.3021, longitude: 59.5874 }
        page.phone.text = "05138445566"
        page.officeMobile.text = "09153334455"
        page.website.text = "negin.example.ir"
        shoot("profile-create-filled.png")
        driver.window.destroy()
    }
}
