import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0

// First start of an adviser whose password holds the characters a form body reserves: the
// sign-in tab, its checks, and the session set-up into the office's existing folders.
TestCase {
    id: testCase

    readonly property string userName: "reza.adviser"
    readonly property string password: "p&s=s+w%rd 1"
    property var login: null
    property var toastDialog: null

    name: "AdviserPasswordSignIn"
    when: windowShown

    E2eDriver {
        id: driver

        test: testCase
    }

    Settings {
        id: store
    }

    function toast() { return driver.toastText(toastDialog) }

    function initTestCase() {
        // The office manager creates the adviser's account.
        var manager = driver.managerSignIn("09151234567", "managers-desktop")
        driver.expectOk(driver.service("officeMan/users/createUser/employee", {
            fname: "رضا", lname: "مشاور", email: "", username: userName, password: password, mobile: "09350001122"
        }, { json: true, token: manager.token }), "adviser creation")

        driver.launch()
        login = driver.waitForSignIn()
        var probe = driver.pushProbe()
        toastDialog = probe.toastDialog
        driver.popProbe()
    }

    function cleanupTestCase() {
        driver.quit()
    }

    // One scenario, step after step: each step starts from what the one before left.
    function test_firstSignInByPassword() {
        theAdvisersTabSwitchesTheForm()
        theTermsLinkOpensTheSitesTermsPage()
        emptyFieldsAreRefusedLocally()
        aWrongPasswordShowsTheServicesMessageAndKeepsTheForm()
        theEnterKeySignsInWithTheTypedPassword()
    }

    function theAdvisersTabSwitchesTheForm() {
        compare(login.swipeView.currentIndex, 1)
        driver.click(login.advisersTab)
        compare(login.swipeView.currentIndex, 0)
        verify(Qt.colorEqual(login.advisersTab.color, login.tabBar.color))
        verify(!Qt.colorEqual(login.managersTab.color, login.tabBar.color))
        // The bar slides over to the left half, inset from the edge.
        tryCompare(login.tabBar, "x", login.tabBar.parent.width * 0.05)
        compare(login.tabBar.width, login.tabBar.parent.width * 0.4)
        driver.click(login.managersTab)
        compare(login.swipeView.currentIndex, 1)
        tryCompare(login.tabBar, "x", login.tabBar.parent.width * 0.55)
        driver.click(login.advisersTab)
        compare(login.swipeView.currentIndex, 0)
        driver.settle(login.swipeView)
    }

    function theTermsLinkOpensTheSitesTermsPage() {
        testSupport.captureOpenedUrls()
        var sentence = login.userPage.terms.sentence
        // Right to left: the link is the sentence's right end, the plain words its left end.
        mouseClick(sentence, 4, sentence.height / 2)
        wait(50)
        compare(testSupport.openedUrls.length, 0, "the words after the link open nothing")
        mouseClick(sentence, sentence.width - 6, sentence.height / 2)
        tryCompare(testSupport.openedUrls, "length", 1)
        compare(testSupport.openedUrls[0], serviceConfig.siteUrl + "terms")
        verify(!login.userPage.acceptTerms, "reading the terms does not accept them")
    }

    function emptyFieldsAreRefusedLocally() {
        var page = login.userPage
        verify(!page.submitButton.enabled)
        // The Enter key does no more than the disabled button would.
        page.password.input.forceActiveFocus()
        keyClick(Qt.Key_Return)
        wait(200)
        compare(toast(), "", "nothing is checked or sent before the terms are accepted")
        driver.click(page.terms.checkBox)
        verify(page.submitButton.enabled)
        driver.click(page.submitButton)
        tryVerify(function () { return toast().indexOf("لطفا نام کاربری را وارد نمایید") >= 0 })
        driver.click(page.userName)
        driver.type(userName)
        keyClick(Qt.Key_Tab)
        verify(page.password.input.activeFocus, "the Tab key moves on to the password")
        toastDialog.close()
        driver.click(page.submitButton)
        tryVerify(function () { return toast().indexOf("لطفا گذرواژه را وارد نمایید") >= 0 })
        compare(login.swipeView.currentIndex, 0)
    }

    function aWrongPasswordShowsTheServicesMessageAndKeepsTheForm() {
        var page = login.userPage
        toastDialog.close()
        page.password.input.forceActiveFocus()
        driver.type("wrong")
        keyClick(Qt.Key_Return)
        tryVerify(function () { return toast().length > 0 && toast().indexOf("لطفا") < 0 })
        compare(driver.window.isLogin, false)
        compare(page.userName.text, userName)
        compare(page.password.text, "wrong")
        compare(driver.pageName(driver.currentPage()), "Login")
    }

    function theEnterKeySignsInWithTheTypedPassword() {
        var page = login.userPage
        page.password.text = ""
        page.password.input.forceActiveFocus()
        // The password's last character, a digit, typed with the Persian layout.
        driver.type(password.substring(0, password.length - 1))
        testSupport.typeText("۱")
        compare(page.password.text, password)
        keyClick(Qt.Key_Return)
        driver.waitForPage("Main", 20000)
        compare(driver.pagesSeen, ["Splash", "Login", "Main"])

        var window = driver.window
        verify(window.isLogin)
        compare(window.userData.systemRole, "employee")
        compare(window.userData.username, userName)
        compare(window.userData.fname, "رضا")
        verify(window.userData.office.folders.length > 0)
        // The password serves the sign-in only: it is neither kept nor written anywhere.
        verify(window.userData.password === undefined)
        var saved = store.value("user_data", {})
        verify(saved.password === undefined)
        compare(saved.refreshToken, window.userData.refreshToken)
    }
}
