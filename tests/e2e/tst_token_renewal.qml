import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0
import AppUtility 1.0

// Access tokens that live four seconds: a request made with an expired one is answered
// "expired", the request layer renews the token once with the stored refresh token and repeats
// the request, and the page gets its answer as if nothing had happened.
TestCase {
    id: testCase

    property var token: null

    name: "TokenRenewal"
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
        token = driver.adviserSignIn("sara", "123456", utility.deviceId())
        store.setValue("is_login", true)
        store.setValue("user_data", { username: "sara", apiToken: token.token, refreshToken: token.refreshToken })
        driver.launch()
        driver.waitForPage("Main", 20000)
    }

    function cleanupTestCase() {
        driver.quit()
    }

    function test_anExpiredTokenIsRenewedOnceAndTheRequestRepeated() {
        var window = driver.window
        var probe = driver.pushProbe()
        var before = window.apiToken
        verify(before.length > 0)
        var renewals = 0
        var countRenewal = function () { ++renewals }
        window.apiTokenChanged.connect(countRenewal)

        // Outlive the access token.
        var issued = Date.now()
        tryVerify(function () { return Date.now() - issued > 4500 }, 10000)

        var answers = []
        var failures = []
        probe.sendRequest("POST", "getMe", function (result) { answers.push(result) },
                          function (status, response) { failures.push(response) }, [])
        tryCompare(answers, "length", 1, 10000)
        window.apiTokenChanged.disconnect(countRenewal)

        compare(answers[0].user.username, "sara")
        compare(failures.length, 0)
        compare(renewals, 1)
        verify(window.apiToken !== before)
        compare(window.userData.apiToken, window.apiToken)
        compare(window.userData.refreshToken, token.refreshToken, "the refresh token is kept")
        compare(store.value("user_data", {}).apiToken, window.apiToken, "saved at once")
        compare(probe.toastDialog.visible, false, "the user is not told")
        verify(window.isLogin)
        compare(driver.pageName(driver.currentPage()), "ProbePage")
    }
}
