import QtQuick 2.15
import QtTest 1.15

// The demo manager's users' page against the stand-in service: the list, its tabs and search,
// every manage action, and folder access saved as differences. Each case reads what it expects
// from the service, so none relies on another having run.
TestCase {
    id: testCase

    readonly property string mobile: "09151234567"
    property var signIn: null

    name: "UsersManage"
    when: windowShown

    AccountDriver {
        id: driver

        test: testCase
    }

    function initTestCase() {
        driver.startAsManager(mobile)
        signIn = driver.token
    }

    function cleanupTestCase() {
        driver.quit()
    }

    // A case that failed half-way leaves no dialog over the next one.
    function cleanup() {
        if (driver.toast.visible)
            driver.closeToast()
        var page = driver.mainStack.currentItem
        var dialogs = page ? [page.manageDialog, page.deleteDialog, page.userDialog, page.passwordDialog,
                              page.folderDialog] : []
        for (var i = 0; i < dialogs.length; ++i) {
            if (dialogs[i] && dialogs[i].visible)
                dialogs[i].close()
        }
    }

    function openUsers() {
        var page = driver.openPage("users", "search_users", "userSearchPage")
        compare(driver.pageName(page), "UserSearch")
        driver.waitForList(page)
        return page
    }

    function shownNames(page) {
        var names = []
        for (var i = 0; i < page.userModel.count; ++i)
            names.push(page.userModel.get(i).fname + " " + page.userModel.get(i).lname)
        return names.sort()
    }

    function namesOf(users) {
        return users.map(function (user) { return user.fname + " " + user.lname }).sort()
    }

    function test_theListOpensOnAllUsersAndFollowsTabsAndSearch() {
        var staff = driver.staff(signIn.token)
        var page = openUsers()
        // Everyone is listed on opening, without choosing a tab first.
        compare(page.status, -3)
        compare(shownNames(page), namesOf(staff))
        verify(!driver.test.findChild(page, "emptyText").visible)

        var own = page.list.itemAtIndex(driver.userRow(page, mobile))
        compare(driver.test.findChild(own, "roleStatus").text, "مدیر دفتر/وضعیت عادی")
        compare(driver.test.findChild(own, "identifier").text, mobile)
        verify(!driver.test.findChild(own, "manageButton").visible, "no managing oneself")
        var sara = page.list.itemAtIndex(driver.userRow(page, "sara"))
        compare(driver.test.findChild(sara, "fullName").text, "سارا احمدی")
        compare(driver.test.findChild(sara, "identifier").text, "sara")
        verify(driver.test.findChild(sara, "manageButton").visible)

        mouseClick(page.tabs.tabAt(2))
        driver.waitForList(page)
        compare(page.status, 0)
        compare(shownNames(page), namesOf(staff.filter(function (user) { return user.status === 0 })))
        compare(driver.test.findChild(page, "emptyText").visible, page.userModel.count === 0)
        mouseClick(page.tabs.tabAt(1))
        driver.waitForList(page)
        compare(shownNames(page), namesOf(staff.filter(function (user) { return user.status === 2 })))
        mouseClick(page.tabs.tabAt(0))
        driver.waitForList(page)
        compare(shownNames(page), namesOf(staff))

        driver.enter(page.searchBar.input, "سارا")
        keyClick(Qt.Key_Return)
        driver.waitForList(page)
        compare(shownNames(page), ["سارا احمدی"])
        driver.enter(page.searchBar.input, "کسی نیست")
        keyClick(Qt.Key_Return)
        driver.waitForList(page)
        compare(page.userModel.count, 0)
        verify(driver.test.findChild(page, "emptyText").visible)
        // Emptying the bar clears the search.
        page.searchBar.input.input.selectAll()
        keyClick(Qt.Key_Backspace)
        driver.waitForList(page)
        compare(page.searchValue, "")
        compare(shownNames(page), namesOf(staff))
    }

    function test_eachManageActionChangesTheService() {
        // A second manager of the office, whose row offers fewer actions.
        driver.expectOk(driver.service("officeMan/users/createUser/officeMan", {
            fname: "علی", lname: "نوری", phone: "09150007777", email: ""
        }, { json: true, token: signIn.token }), "a second manager")
        var page = openUsers()
        compare(driver.openManage(page, "09150007777"),
                ["حذف کاربر", "غیر فعال کردن کاربر", "ویرایش کاربر", "انصراف"])
        page.manageDialog.dismiss()
        driver.waitClosed(page.manageDialog)
        compare(driver.openManage(page, "hamid"), ["حذف کاربر", "غیر فعال کردن کاربر", "ویرایش کاربر",
                                                   "تغییر گذرواژه", "تعیین دسترسی", "انصراف"])
        page.manageDialog.dismiss()
        driver.waitClosed(page.manageDialog)

        // Deactivating and activating again.
        driver.manage(page, "hamid", "غیر فعال کردن کاربر")
        driver.expectToast("کاربر مورد نظر با موفقیت ویرایش شد")
        driver.waitForList(page)
        compare(driver.staffMember(signIn.token, "hamid").status, 0)
        compare(page.userModel.get(driver.userRow(page, "hamid")).status, 0)
        driver.manage(page, "hamid", "فعال کردن کاربر")
        driver.expectToast("کاربر مورد نظر با موفقیت ویرایش شد")
        driver.waitForList(page)
        compare(driver.staffMember(signIn.token, "hamid").status, 2)

        // Editing an adviser: his mobile sits in the phone field and his user name is offered.
        var hamid = driver.staffMember(signIn.token, "hamid")
        driver.manage(page, "hamid", "ویرایش کاربر")
        var dialog = page.userDialog
        driver.waitOpened(dialog)
        compare(dialog.fnameField.text, hamid.fname)
        compare(dialog.phoneField.text, hamid.mobile)
        compare(dialog.usernameField.text, "hamid")
        verify(dialog.usernameField.visible)
        driver.enter(dialog.lnameField, "کریم‌زاده")
        driver.enter(dialog.phoneField, "۰۹۳۵۷۷۷۶۶۵۵")
        driver.press(dialog.contentItem, "positiveButton")
        driver.waitClosed(dialog)
        driver.expectToast("کاربر مورد نظر با موفقیت ویرایش شد")
        hamid = driver.staffMember(signIn.token, "hamid")
        compare(hamid.lname, "کریم‌زاده")
        compare(hamid.mobile, "09357776655")
        driver.waitForList(page)
        compare(page.userModel.get(driver.userRow(page, "hamid")).lname, "کریم‌زاده")

        // Editing a manager: his phone, no user name.
        driver.manage(page, "09150007777", "ویرایش کاربر")
        driver.waitOpened(dialog)
        verify(!dialog.usernameField.visible)
        compare(dialog.phoneField.text, "09150007777")
        driver.enter(dialog.fnameField, "علیرضا")
        driver.press(dialog.contentItem, "positiveButton")
        driver.waitClosed(dialog)
        driver.expectToast("کاربر مورد نظر با موفقیت ویرایش شد")
        compare(driver.staffMember(signIn.token, "09150007777").fname, "علیرضا")

        // A new password: the adviser signs in with it and no longer with the old one.
        driver.waitForList(page)
        driver.manage(page, "hamid", "تغییر گذرواژه")
        var passwords = page.passwordDialog
        driver.waitOpened(passwords)
        compare(passwords.newPassword.text, "")
        driver.enter(passwords.newPassword, "n3w&pass")
        driver.enter(passwords.repeatPassword, "n3w&pass")
        keyClick(Qt.Key_Return)
        driver.waitClosed(passwords)
        driver.expectToast("گذرواژه کاربر مورد نظر با موفقیت ویرایش شد")
        verify(driver.adviserSignIn("hamid", "n3w&pass", "password-check").token.length > 0)
        var old = driver.service("login/employee", driver.withDevice({ username: "hamid", password: "123456" },
                                                                     "password-check"))
        verify(old.ok === false, "the old password is refused")

        // Deleting asks first; the row goes and the service no longer lists him.
        driver.waitForList(page)
        var before = page.userModel.count
        driver.manage(page, "09150007777", "حذف کاربر")
        driver.waitOpened(page.deleteDialog)
        driver.press(page.deleteDialog.contentItem, "negativeButton")
        driver.waitClosed(page.deleteDialog)
        verify(driver.staffMember(signIn.token, "09150007777") !== null)
        driver.manage(page, "09150007777", "حذف کاربر")
        driver.waitOpened(page.deleteDialog)
        driver.press(page.deleteDialog.contentItem, "positiveButton")
        driver.expectToast("کاربر مورد نظر با موفقیت حذف شد")
        compare(page.userModel.count, before - 1)
        compare(driver.userRow(page, "09150007777"), -1)
        verify(driver.staffMember(signIn.token, "09150007777") === null)
    }

    // Folder ids holding the user, and each folder's users in the service's order.
    function access(userId) {
        var folders = driver.folders(signIn.token, "officeMan")
        var state = { ids: [], users: {}, titles: {} }
        for (var i = 0; i < folders.length; ++i) {
            state.users[folders[i].id] = JSON.stringify(folders[i].users)
            state.titles[folders[i].title] = folders[i].id
            if (folders[i].users.indexOf(userId) >= 0)
                state.ids.push(folders[i].id)
        }
        state.ids.sort()
        return state
    }

    function ticked(dialog) {
        return dialog.getSelectedFolders().map(function (folder) { return folder.id }).sort()
    }

    function clickFolder(dialog, title) {
        for (var i = 0; i < dialog.folderModel.count; ++i) {
            if (dialog.folderModel.get(i).title !== title)
                continue
            dialog.list.positionViewAtIndex(i, ListView.Contain)
            mouseClick(dialog.list.itemAtIndex(i))
            return
        }
        fail("no folder " + title)
    }

    function test_folderAccessChangesOnlyWhatWasChanged() {
        var sara = driver.staffMember(signIn.token, "sara")
        var start = access(sara._id)
        // She loses her last folder and keeps the others; in one of those a colleague is listed
        // after her, where granting her access again would have moved her to the end.
        var removed = start.ids[start.ids.length - 1]
        var kept = start.ids.filter(function (id) {
            var users = JSON.parse(start.users[id])
            return id !== removed && users.indexOf(sara._id) < users.length - 1
        })
        verify(kept.length > 0, "the demo data has a folder shared after her")
        var page = openUsers()

        driver.manage(page, "sara", "تعیین دسترسی")
        var dialog = page.folderDialog
        driver.waitOpened(dialog)
        compare(dialog.userId, sara._id)
        compare(dialog.folderModel.count, Object.keys(start.users).length)
        compare(ticked(dialog), start.ids)
        // Saving unchanged sends nothing and says so.
        driver.press(dialog.contentItem, "positiveButton")
        driver.waitClosed(dialog)
        driver.expectToast("دسترسی کاربر تغییری نکرد")
        compare(JSON.stringify(access(sara._id).users), JSON.stringify(start.users))

        // One folder taken away, one given: the others are not touched at all.
        driver.manage(page, "sara", "تعیین دسترسی")
        driver.waitOpened(dialog)
        var removedTitle = Object.keys(start.titles).filter(function (t) { return start.titles[t] === removed })[0]
        clickFolder(dialog, removedTitle)
        clickFolder(dialog, "مشارکت")
        var added = start.titles["مشارکت"]
        verify(start.ids.indexOf(added) < 0)
        driver.press(dialog.contentItem, "positiveButton")
        driver.waitClosed(dialog)
        driver.expectToast("دسترسی کاربر مورد نظر با موفقیت ویرایش شد")
        var after = access(sara._id)
        var expected = start.ids.filter(function (id) { return id !== removed }).concat([added]).sort()
        compare(after.ids, expected)
        for (var id in start.users) {
            if (id !== removed && id !== added)
                compare(after.users[id], start.users[id], "an untouched folder keeps its users as they were")
        }

        // Opening again shows the saved access.
        driver.manage(page, "sara", "تعیین دسترسی")
        driver.waitOpened(dialog)
        compare(ticked(dialog), expected)
        driver.press(dialog.contentItem, "negativeButton")
        driver.waitClosed(dialog)
    }
}
