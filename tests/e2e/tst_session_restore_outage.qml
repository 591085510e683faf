import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// A start with a stored session while the service is down, then frozen, then back: the splash
// page says so, tries again on its own with growing pauses and at the press of its button, gives
// up on a service that never answers, and once the service answers the start goes on without the
// program being started again.
TestCase {
    id: testCase

    property var token: null
    property var toastDialog: null
    property var loadingDialog: null

    name: "SessionRestoreOutage"
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
        token = driver.managerSignIn("09151234567", utility.deviceId())
        store.setValue("is_login", true)
        store.setValue("user_data", { username: "09151234567", apiToken: token.token, refreshToken: token.refreshToken })
        store.setValue("app_data", { db_inited: false })
        // A silent service is given up on after 1.5 s here, after 30 s in the program.
        testSupport.setRequestTimeout(1500)
        testService.stop()
        driver.launch()
        var probe = driver.pushProbe()
        toastDialog = probe.toastDialog
        loadingDialog = probe.loading
        driver.popProbe()
    }

    function cleanupTestCase() {
        testService.thaw()
        driver.quit()
    }

    function test_theSplashPageWaitsForTheServiceAndThenRestoresTheSession() {
        var splash = driver.currentPage()
        compare(driver.pageName(splash), "Splash")
        var notice = findChild(splash, "stalledNotice")
        verify(!notice.visible, "nothing to say before the first try")

        // Nothing listens: the page says so and tries again by itself, waiting longer each time.
        tryVerify(function () { return notice.visible }, 5000)
        compare(splash.stalledBy, "unreachable")
        compare(findChild(splash, "stalledText").text, "ارتباط با سرور برقرار نشد")
        compare(splash.retryButton.text, "تلاش مجدد")
        verify(driver.toastText(toastDialog).indexOf("خطایی در سیستم رخ داد") >= 0)
        var pauses = [splash.retryTimer.interval]
        tryCompare(splash, "automaticTries", 2, 8000)
        tryVerify(function () { return splash.retryTimer.running })
        pauses.push(splash.retryTimer.interval)
        verify(pauses[1] > pauses[0], "the pause grows: " + pauses)
        verify(pauses[1] <= 5000, "a few seconds at most: " + pauses)
        compare(driver.pageName(driver.currentPage()), "Splash")

        // The service is back but frozen: it takes the connection and never answers. The button
        // tries at once; the try ends in the message, not in a spinner.
        verify(testService.start())
        testService.freeze()
        var tries = splash.automaticTries
        driver.click(splash.retryButton)
        verify(splash.retrying)
        verify(!splash.retryButton.enabled, "one try at a time")
        var busy = loadingDialog
        verify(busy.visible)
        tryVerify(function () { return !splash.retrying }, 5000)
        compare(splash.stalledBy, "unreachable")
        compare(busy.visible, false)
        verify(splash.retryButton.enabled)
        compare(splash.automaticTries, tries, "the button's try is not one of the automatic ones")

        // It answers again: the next try restores the session as a normal start does.
        testService.thaw()
        driver.waitForPage("Main", 20000)
        compare(driver.pagesSeen, ["Splash", "Main"])
        var window = driver.window
        compare(window.isLogin, true)
        compare(window.userData.fname, "محمد")
        compare(window.userData.apiToken, token.token)
        compare(window.userData.office.folders.length, 8)
        verify(window.appData.fileImagesUrl.length > 0)
        compare(store.value("user_data", {}).fname, "محمد")
    }
}
