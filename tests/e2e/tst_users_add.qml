import QtQuick 2.15
import QtTest 1.15
import AppUtility 1.0

// A new agency on the trial plan (the manager and one more user) adds its first adviser, who
// then signs in; the next adviser or manager, and bringing a deactivated adviser back once the
// place is taken, meet the offer to buy extra users.
TestCase {
    id: testCase

    readonly property string mobile: "09121230002"
    readonly property string limitPrompt: "لطفا تعداد کاربران مد نظر خود را وارد نمایید"

    name: "UsersAdd"
    when: windowShown

    AccountDriver {
        id: driver

        test: testCase
    }

    AppUtility { id: utility }

    function cleanupTestCase() {
        driver.quit()
    }

    function fill(page, fields) {
        for (var name in fields)
            driver.enter(page[name], fields[name])
    }

    // The service's refusal heads the purchase dialog, above its own question.
    function expectPurchaseOffer() {
        var buy = driver.part("userBuy")
        driver.waitOpened(buy)
        var title = buy.dialogTitle.split("\n\n")
        compare(title.length, 2)
        verify(title[0].length > 0)
        compare(title[1], limitPrompt)
        driver.waitToast(title[0])
        driver.closeToast()
        buy.dismiss()
        driver.waitClosed(buy)
    }

    function test_addingAdvisersUpToThePlanLimitThenTheOffer() {
        var signIn = driver.managerSignIn(mobile, utility.deviceId())
        signIn.username = mobile
        driver.createOffice(signIn.token, "املاک آفتاب نو")
        driver.startSignedIn(signIn)

        var page = driver.openPage("users", "add_user", "userAddPage")
        compare(driver.pageName(page), "UserAdd")
        compare(page.userType, "employee")
        verify(page.username.visible && page.password.visible)
        fill(page, { fname: "رضا", lname: "کاظمی", mobile: "۰۹۱۵۱۱۱۲۲۳۳", email: "reza@example.ir",
                     username: "reza.k", password: "p&ss 12" })
        driver.click(page.saveButton)
        driver.expectToast("کاربر مورد نظر با موفقیت اضافه شد")
        var fields = [page.fname, page.lname, page.mobile, page.email, page.username, page.password]
        for (var i = 0; i < fields.length; ++i)
            compare(fields[i].text, "", fields[i].objectName + " is emptied")
        var reza = driver.staffMember(signIn.token, "reza.k")
        compare(reza.systemRole, "employee")
        compare(reza.fname + " " + reza.lname, "رضا کاظمی")
        compare(reza.mobile, "09151112233")
        compare(reza.email, "reza@example.ir")
        // The new adviser signs in with what the manager chose.
        verify(driver.adviserSignIn("reza.k", "p&ss 12", "reza-device").token.length > 0)

        // The plan holds no one more: the form keeps what was typed and the offer opens.
        fill(page, { fname: "مریم", lname: "توکلی", mobile: "09152223344", username: "maryam", password: "123456" })
        driver.click(page.saveButton)
        expectPurchaseOffer()
        compare(page.username.text, "maryam")
        verify(driver.staffMember(signIn.token, "maryam") === null)

        // A manager is added by his mobile number alone, and meets the same limit.
        mouseClick(page.tabs.tabAt(1))
        compare(page.userType, "officeMan")
        verify(!page.username.visible && !page.password.visible)
        fill(page, { fname: "حسن", lname: "امینی", mobile: "09153334455" })
        driver.click(page.saveButton)
        expectPurchaseOffer()

        // Deactivated, reza frees his place for maryam; bringing him back meets the limit again.
        var users = driver.openPage("users", "search_users", "userSearchPage")
        driver.waitForList(users)
        driver.manage(users, "reza.k", "غیر فعال کردن کاربر")
        driver.expectToast("کاربر مورد نظر با موفقیت ویرایش شد")
        compare(driver.staffMember(signIn.token, "reza.k").status, 0)
        page = driver.openPage("users", "add_user", "userAddPage")
        compare(page.userType, "employee")
        fill(page, { fname: "مریم", lname: "توکلی", mobile: "09152223344", username: "maryam", password: "123456" })
        driver.click(page.saveButton)
        driver.expectToast("کاربر مورد نظر با موفقیت اضافه شد")
        users = driver.openPage("users", "search_users", "userSearchPage")
        driver.waitForList(users)
        driver.manage(users, "reza.k", "فعال کردن کاربر")
        expectPurchaseOffer()
        compare(driver.staffMember(signIn.token, "reza.k").status, 0)
    }
}
