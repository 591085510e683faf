import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0

// First start of a manager whose new office has no folders yet, while the service is down: the
// sign-in by code with its input rules (digits typed with the Persian layout), the service coming
// back, then the session set-up that creates the eight system folders one after another
// and hands over to the main page.
TestCase {
    id: testCase

    readonly property string mobile: "9120000001"
    readonly property var dealTitles: ["فروش", "اجاره", "مشارکت", "پیش فروش", "متقاضی خرید", "متقاضی اجاره",
                                       "متقاضی مشارکت", "متقاضی پیش خرید"]
    property var login: null
    property var toastDialog: null

    name: "ManagerCodeSignIn"
    when: windowShown

    E2eDriver {
        id: driver

        test: testCase
    }

    AppUtility {
        id: utility
    }

    function toast() { return driver.toastText(toastDialog) }

    function initTestCase() {
        // The manager signed up and registered his office from this machine, through the web site;
        // his office has no folders. (A new office's trial plan allows one desktop.)
        var token = driver.managerSignIn("0" + mobile, utility.deviceId())
        driver.createOffice(token.token, "املاک آزمون")
        compare(driver.folders(token.token, "officeMan").length, 0)

        // The service is down when the program starts; it comes back before the code is asked
        // for a second time, and the program goes on without being started again.
        testService.stop()
        driver.launch()
        compare(driver.pageName(driver.currentPage()), "Splash")
        login = driver.waitForSignIn()
        toastDialog = findToast()
        verify(toastDialog !== null)
    }

    // The shared toast, reached through a page that sees it by name.
    function findToast() {
        var probe = driver.pushProbe()
        var found = probe.toastDialog
        driver.popProbe()
        return found
    }

    function cleanupTestCase() {
        driver.quit()
    }

    // One scenario, step after step: each step starts from what the one before left.
    function test_firstSignInByCode() {
        theManagersTabComesFirstAndWaitsForTheTerms()
        theNumberMustBeTenDigitsStartingWithNine()
        theCodeRequestLeadsToTheCodePage()
        digitInputsMoveTheFocus()
        resendAndCorrection()
        theFourthDigitSignsInAndTheFoldersAreCreatedInOrder()
    }

    function theManagersTabComesFirstAndWaitsForTheTerms() {
        compare(login.swipeView.currentIndex, 1)
        verify(Qt.colorEqual(login.managersTab.color, login.tabBar.color), "the current tab is marked")
        verify(!Qt.colorEqual(login.advisersTab.color, login.tabBar.color))
        verify(login.tabBar.x > login.tabBar.parent.width / 2, "the bar is over the managers' tab, on the right")
        var phonePage = login.phonePage
        verify(!phonePage.submitButton.enabled)
        driver.click(phonePage.phone)
        // Typed with the Persian keyboard layout: the field holds, and later sends, 0-9.
        testSupport.typeText("۹۱۲۰۰۰۰۰۰۱")
        compare(phonePage.phone.text, mobile)
        verify(phonePage.phone.activeFocus)
        // The Enter key does no more than the disabled button would.
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Enter)
        wait(200)
        compare(toast(), "", "no request before the terms are accepted")
        // A click beside the card takes the focus away from the input.
        mouseClick(driver.window.contentItem, 10, 10)
        verify(!phonePage.phone.activeFocus)
        driver.click(phonePage.submitButton)
        wait(100)
        compare(login.swipeView.currentIndex, 1, "nothing happens before the terms are accepted")
        compare(toast(), "")
        driver.click(login.phonePage.terms.checkBox)
        verify(phonePage.submitButton.enabled)
    }

    function theNumberMustBeTenDigitsStartingWithNine() {
        var phone = login.phonePage.phone
        phone.text = ""
        driver.click(phone)
        driver.type("8")
        compare(phone.text, "", "a number starts with 9")
        driver.type("91200000")
        driver.type("0")
        compare(phone.text, "912000000")
        driver.click(login.phonePage.submitButton)
        tryVerify(function () { return toast().indexOf("لطفا تلفن همراه را صحیح وارد نمایید") >= 0 })
        compare(login.swipeView.currentIndex, 1)
        driver.click(phone)
        phone.cursorPosition = phone.text.length
        driver.type("1")
        driver.type("5")
        compare(phone.text, mobile, "at most ten digits")
    }

    function theCodeRequestLeadsToTheCodePage() {
        toastDialog.close()
        driver.click(login.phonePage.submitButton)
        tryVerify(function () { return toast().indexOf("خطایی در سیستم رخ داد") >= 0 }, 10000)
        compare(login.swipeView.currentIndex, 1, "the service is still down")
        toastDialog.close()
        verify(testService.start())
        driver.click(login.phonePage.submitButton)
        tryCompare(login.swipeView, "currentIndex", 2)
        tryVerify(function () { return login.codePage.digitInputs()[0].activeFocus },
                  1000, "the keyboard starts in the first box of the code")
        compare(login.codePage.userPhone, mobile)
        // The service names the number it sent the code to: "0" and the ten digits.
        tryVerify(function () { return toast().indexOf("0" + mobile) >= 0 })
        verify(Qt.colorEqual(login.managersTab.color, login.tabBar.color))
        driver.click(login.advisersTab)
        wait(100)
        compare(login.swipeView.currentIndex, 2, "the tabs do nothing on the code page")
    }

    function digitInputsMoveTheFocus() {
        driver.settle(login.swipeView)
        var inputs = login.codePage.digitInputs()
        compare(inputs.length, 4)
        driver.click(inputs[0])
        driver.type("1")
        verify(inputs[1].activeFocus, "a digit moves on to the next input")
        driver.type("2")
        verify(inputs[2].activeFocus)
        driver.click(inputs[1])
        inputs[1].cursorPosition = 1
        keyClick(Qt.Key_Backspace)
        compare(inputs[1].text, "")
        verify(inputs[0].activeFocus, "deleting a digit moves one input back")
        inputs[0].cursorPosition = 1
        keyClick(Qt.Key_Backspace)
        compare(inputs[0].text, "")
        verify(inputs[0].activeFocus, "the first input keeps the focus")
        driver.type("12")
        driver.type("3")
        verify(inputs[3].activeFocus)
        toastDialog.close()
        driver.click(login.codePage.continueButton)
        tryVerify(function () { return toast().indexOf("لطفا کد تایید را کامل وارد نمایید") >= 0 })
        compare(login.codePage.getUserCode(), "123")
    }

    function resendAndCorrection() {
        toastDialog.close()
        driver.click(login.codePage.resendLink)
        tryVerify(function () { return toast().indexOf("کد تایید برای شما مجددا فرستاده شد") >= 0 })
        driver.click(login.codePage.correctLink)
        compare(login.swipeView.currentIndex, 1)
        driver.settle(login.swipeView)
        compare(login.phonePage.phone.text, mobile, "the typed number stays")
        driver.click(login.phonePage.submitButton)
        tryCompare(login.swipeView, "currentIndex", 2)
        driver.settle(login.swipeView)
    }

    function theFourthDigitSignsInAndTheFoldersAreCreatedInOrder() {
        var inputs = login.codePage.digitInputs()
        compare(login.codePage.getUserCode(), "123")
        inputs[3].forceActiveFocus()
        // The last digit in Arabic-Indic: the code the service checks is 1234.
        testSupport.typeText("٤")
        driver.waitForPage("Main", 20000)
        compare(driver.pagesSeen, ["Splash", "Login", "Main"])
        compare(driver.stack.depth, 1)

        var window = driver.window
        verify(window.isLogin)
        compare(window.userData.username, "0" + mobile)
        compare(window.userData.systemRole, "officeMan")
        verify(window.userData.password === undefined)
        verify(window.apiToken.length > 0)
        compare(window.userData.apiToken, window.apiToken)
        verify(window.userData.refreshToken.length > 0)
        compare(window.userData.office.title, "املاک آزمون")
        verify(window.appData.fileImagesUrl.length > 0)

        var folders = driver.folders(window.apiToken, "officeMan")
        compare(folders.length, 8)
        for (var i = 0; i < 8; ++i) {
            var dealType = i + 1
            compare(folders[i].title, dealTitles[i])
            compare(folders[i].systemFolder, true)
            compare(folders[i].options.order, dealType)
            compare(folders[i].options.color, dealType < 5 ? 1 : 2)
            verify(typeof folders[i].query === "string", "the query is kept as text")
            compare(JSON.parse(folders[i].query), { page: 1, count: 100, condition: true, searchOperator: "and",
                                                    sortBy: "created_at", sortDirection: -1, dealType: dealType })
            if (i > 0)
                verify(folders[i].created_at >= folders[i - 1].created_at, "created one after another")
        }
    }
}
