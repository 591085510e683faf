import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// The office moves to a plan that allows one desktop, which another desktop signed in earlier
// already holds: the next renewal of this machine's token is refused with the device limit, and
// the program signs out and returns through the splash page to the sign-in.
TestCase {
    id: testCase

    name: "DeviceLimit"
    when: windowShown

    E2eDriver {
        id: driver

        test: testCase
    }

    Settings {
        id: store
    }

    AppUtility {
        id: utility
    }

    function initTestCase() {
        verify(testService.restart(["--token-lifetime", "4"]))
        var earlier = driver.managerSignIn("09151234567", "the-office-desktop")
        var mine = driver.managerSignIn("09151234567", utility.deviceId())

        // The manager, at the office's desktop, moves to the bronze plan: one desktop.
        var plans = driver.expectOk(driver.service("officeMan/plans/searchPlans", {
            page: 1, count: 100, condition: true, searchOperator: "and", status: 1, sortBy: "price",
            sortDirection: -1, systemPlan: false
        }, { json: true, token: earlier.token }), "plans").plans.data
        var bronze = null
        for (var i = 0; i < plans.length; ++i) {
            if (plans[i].title === "پلن برنزی")
                bronze = plans[i]
        }
        verify(bronze !== null, JSON.stringify(plans))
        var bought = driver.expectOk(driver.service("officeMan/plans/buyPlan", { planId: bronze._id, currentPlanId: bronze._id },
                                                    { json: true, token: earlier.token }), "plan purchase")
        compare(bought.requirePayment, false, "paid from the wallet")

        store.setValue("is_login", true)
        store.setValue("user_data", { username: "09151234567", apiToken: mine.token, refreshToken: mine.refreshToken })
        driver.launch()
        driver.waitForPage("Main", 20000)
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function test_aDeviceLimitRefusalEndsOnTheSignInPage() {
        var window = driver.window
        var probe = driver.pushProbe()
        var toastDialog = probe.toastDialog
        compare(driver.stack.depth, 2)
        var issued = Date.now()
        tryVerify(function () { return Date.now() - issued > 4500 }, 10000)

        var calls = 0
        probe.sendRequest("POST", "getMe", function () { ++calls }, function () { ++calls }, [])
        tryVerify(function () { return driver.toastText(toastDialog).length > 0 }, 10000)
        compare(window.isLogin, false)
        compare(store.boolValue("is_login", true), false, "saved at once")
        var login = driver.waitForPage("Login", 10000)
        compare(driver.stack.depth, 1)
        var seen = driver.pagesSeen
        compare(seen.slice(seen.length - 2), ["Splash", "Login"])
        compare(calls, 0, "the refused request is not answered")
        compare(login.swipeView.currentIndex, 1)
    }
}
