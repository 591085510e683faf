import QtQuick 2.15
import QtTest 1.15
import "../../tests/e2e"

// Saves pictures of the demo manager's profile, the users' list with its manage list and each
// of its dialogs, and both tabs of the new-user page. Run by run.sh under Xvfb with a stand-in
// service of its own.
TestCase {
    id: shooter

    name: "UsersScreens"
    when: windowShown

    MainPageDriver {
        id: driver

        test: shooter
    }

    function shoot(file) {
        waitForRendering(driver.window.contentItem, 3000)
        wait(1200)
        // The window's root item holds the pages and the pop-ups over them.
        grabImage(driver.window.contentItem.parent).save(file)
        console.log("saved " + file)
    }

    function open(groupKey, key) {
        if (groupKey)
            driver.clickChildEntry(groupKey, key)
        else
            driver.clickMenuRow(key)
        tryCompare(driver.mainStack, "busy", false)
        return driver.mainStack.currentItem
    }

    function manage(page, row) {
        page.manageClicked(row)
        driver.waitOpened(page.manageDialog)
    }

    function test_shootTheUserPages() {
        driver.startAsManager("09151234567")

        open(null, "profile")
        shoot("profile-manager.png")

        var users = open("users", "search_users")
        tryVerify(function () { return users.userModel.count >= 4 }, 10000)
        shoot("users-list.png")
        var sara = -1
        var manager = -1
        for (var i = 0; i < users.userModel.count; ++i) {
            if (users.userModel.get(i).username === "sara")
                sara = i
            if (users.userModel.get(i).systemRole === "officeMan")
                manager = i
        }
        manage(users, sara)
        shoot("users-manage-adviser.png")
        users.runAction("edit")
        driver.waitOpened(users.userDialog)
        shoot("users-edit-dialog.png")
        users.userDialog.dismiss()
        driver.waitClosed(users.userDialog)
        manage(users, sara)
        users.runAction("password")
        driver.waitOpened(users.passwordDialog)
        shoot("users-password-dialog.png")
        users.passwordDialog.dismiss()
        driver.waitClosed(users.passwordDialog)
        manage(users, sara)
        users.runAction("access")
        driver.waitOpened(users.folderDialog)
        shoot("users-folder-dialog.png")
        users.folderDialog.dismiss()
        driver.waitClosed(users.folderDialog)
        manage(users, sara)
        users.runAction("delete")
        driver.waitOpened(users.deleteDialog)
        shoot("users-delete-dialog.png")
        users.deleteDialog.dismiss()
        driver.waitClosed(users.deleteDialog)
        users.searchBar.input.text = "سارا"
        users.search("سارا")
        tryCompare(users.userModel, "count", 1, 10000)
        shoot("users-search.png")

        var add = open("users", "add_user")
        shoot("user-add-adviser.png")
        add.userType = "officeMan"
        shoot("user-add-manager.png")
        driver.window.destroy()
    }
}
