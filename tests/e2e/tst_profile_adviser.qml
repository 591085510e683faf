import QtQuick 2.15
import QtTest 1.15
import AppSettings 1.0

// An adviser saves his own details: the office is his manager's to keep, so he sees it without
// being able to change it, and saving asks nothing about it.
TestCase {
    id: testCase

    name: "ProfileAdviser"
    when: windowShown

    AccountDriver {
        id: driver

        test: testCase
    }

    Settings { id: store }

    function cleanupTestCase() {
        driver.quit()
    }

    function test_anAdviserSavesHisDetailsAndOnlySeesTheOffice() {
        driver.startAsAdviser("sara", "123456")
        var signIn = driver.token
        var window = driver.window
        var before = driver.me(signIn.token)
        var office = driver.office(signIn.token, "employee")
        var page = driver.openPage(null, "profile", "profilePage")
        verify(page.isEdit)
        verify(driver.test.findChild(page, "officeReadOnlyNote").visible)
        compare(page.mobile.text, before.mobile)
        compare(page.officeTitle.text, office.title)
        compare(page.area.text, office.area.title)
        var officeFields = [page.officeTitle, page.area, page.address, page.location, page.phone, page.officeMobile,
                            page.website]
        for (var i = 0; i < officeFields.length; ++i)
            verify(officeFields[i].input.readOnly, officeFields[i].objectName + " is read-only")
        // The choosers do not open for him.
        driver.clickInView(page.area)
        driver.clickInView(page.location)
        wait(300)
        verify(!page.zoneDialog.visible)
        compare(driver.mainStack.depth, 1)

        driver.enter(page.fname, "سارا")
        driver.enter(page.lname, "احمدی‌نژاد")
        driver.enter(page.email, "sara.ahmadi@example.ir")
        driver.click(page.saveButton)
        driver.expectToast("ثبت اطلاعات با موفقیت انجام شد")
        var me = driver.me(signIn.token)
        compare(me.lname, "احمدی‌نژاد")
        compare(me.email, "sara.ahmadi@example.ir")
        compare(me.phone, before.phone)
        compare(JSON.stringify(driver.office(signIn.token, "employee")), JSON.stringify(office))

        compare(driver.part("topBarName").text, "سارا احمدی‌نژاد")
        compare(window.userData.lname, "احمدی‌نژاد")
        compare(window.userData.office._id, office._id, "the office is kept in the record")
        compare(window.userData.username, "sara")
        verify(window.userData.password === undefined)
        verify(store.value("user_data", {}).password === undefined)
    }
}
