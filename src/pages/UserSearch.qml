import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../items"
import "../dialogs"
import "../scripts/Request.js" as Api
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The agency's staff, all or by status and narrowed by name, and what a manager does with each
// of them: delete, activate or deactivate, correct the details, and for advisers a new password
// and the folders they may see.
Item {
    id: userSearchPage

    objectName: "userSearchPage"

    property string searchValue: ""
    // -3: every status (not sent), 2: normal, 0: inactive.
    property int status: -3
    readonly property var statuses: [-3, 2, 0]
    property int count: 20
    // The row the manage list was opened for.
    property int selectedIndex: -1
    readonly property string limitCode: "USER_LIMIT_REACHED"
    readonly property string updatedText: "کاربر مورد نظر با موفقیت ویرایش شد"
    property alias pager: pager
    property alias userModel: userModel
    property alias tabs: tabs
    property alias searchBar: searchBar
    property alias list: list
    property alias manageDialog: manageDialog
    property alias deleteDialog: deleteDialog
    property alias userDialog: userDialog
    property alias passwordDialog: passwordDialog
    property alias folderDialog: folderDialog

    function textOf(value) {
        return value === undefined || value === null || value === false ? "" : String(value)
    }

    function toRow(user) {
        return {
            _id: textOf(user._id),
            fname: textOf(user.fname),
            lname: textOf(user.lname),
            email: textOf(user.email),
            systemRole: textOf(user.systemRole),
            status: Number(user.status),
            username: textOf(user.username),
            mobile: textOf(user.mobile),
            phone: textOf(user.phone),
            avatar: user.avatar ? textOf(appData.avatarImagesUrl) + user.avatar : ""
        }
    }

    function getUsers(reset) {
        var ticket = pager.next(reset)
        if (!ticket)
            return
        var parameters = []
        if (searchValue !== "") {
            parameters.push(Utility.getParameter("lname", searchValue))
            parameters.push(Utility.getParameter("fname", searchValue))
        }
        parameters.push(Utility.getParameter("page", ticket.page))
        parameters.push(Utility.getParameter("count", ticket.count))
        parameters.push(Utility.getParameter("condition", true))
        if (status !== -3)
            parameters.push(Utility.getParameter("status", status))
        Api.sendRequest("POST", userData.systemRole + "/users/searchUsers", function (result) {
            pager.receive(ticket, result.users ? result.users.data : [], undefined, toRow)
        }, function () { pager.fail(ticket) }, parameters)
    }

    function search(value) {
        searchValue = textOf(value).trim()
        getUsers(true)
    }

    // An emptied search bar shows everyone again.
    function termChanged(term) {
        if (textOf(term) === "" && searchValue !== "") {
            searchValue = ""
            getUsers(true)
        }
    }

    function action(title, icon, color, key) {
        return { title: title, ic: icon, icColor: color, key: key }
    }

    function manageClicked(index) {
        selectedIndex = index
        var user = userModel.get(index)
        manageModel.clear()
        manageModel.append(action("حذف کاربر", MaterialIcons.deleteForever, Colors.coolRed, "delete"))
        if (user.status > 0)
            manageModel.append(action("غیر فعال کردن کاربر", MaterialIcons.accountOff, Colors.appOrange, "status"))
        else
            manageModel.append(action("فعال کردن کاربر", MaterialIcons.accountCheck, Colors.green, "status"))
        manageModel.append(action("ویرایش کاربر", MaterialIcons.pencil, Colors.primary, "edit"))
        if (user.systemRole === "employee") {
            manageModel.append(action("تغییر گذرواژه", MaterialIcons.keyChange, Colors.primary, "password"))
            manageModel.append(action("تعیین دسترسی", MaterialIcons.folderAccount, Colors.primary, "access"))
        }
        manageModel.append(action("انصراف", MaterialIcons.close, Colors.mediumGrey, "cancel"))
        manageDialog.initial()
    }

    function runAction(key) {
        manageDialog.dismiss()
        var index = selectedIndex
        var user = userModel.get(index)
        if (!user)
            return
        if (key === "delete") {
            deleteDialog.index = index
            deleteDialog.initial()
        } else if (key === "status") {
            changeStatus(index)
        } else if (key === "edit") {
            userDialog.index = index
            userDialog.userType = user.systemRole
            userDialog.setData(user.fname, user.lname, user.systemRole === "employee" ? user.mobile : user.phone,
                               user.username, user.email)
            userDialog.initial()
        } else if (key === "password") {
            passwordDialog.index = index
            passwordDialog.initial()
        } else if (key === "access") {
            folderDialog.index = index
            folderDialog.userId = user._id
            folderDialog.initial()
        }
    }

    function route(path) {
        return userData.systemRole + "/users/" + path
    }

    function deleteUser(index) {
        var user = userModel.get(index)
        Api.sendJsonRequest("POST", route("deleteUsers"), function () {
            toast.show("کاربر مورد نظر با موفقیت حذف شد", toast.durationLong)
            pager.remove(pager.indexOf(user._id))
        }, function () {}, { userIds: [user._id], logical: true })
    }

    function changeStatus(index) {
        var user = userModel.get(index)
        Api.sendJsonRequest("POST", route("updateUsersStatus"), function () {
            toast.show(updatedText, toast.durationLong)
            getUsers(true)
        }, function (code, reply) {
            if (reply && reply.codeKey === limitCode) {
                var messages = reply.messages || []
                userBuy.dialogTitle = (messages.length > 0 ? messages[0] : "") + "\n\n"
                        + "لطفا تعداد کاربران مد نظر خود را وارد نمایید"
                userBuy.initial()
            }
        }, { userIds: [user._id], newStatus: user.status > 0 ? 0 : 2 })
    }

    function editUser(fname, lname, phone, username, email) {
        var user = userModel.get(userDialog.index)
        var parameters = { userId: user._id, fname: fname, lname: lname, email: email }
        if (user.systemRole === "employee") {
            parameters.username = username
            parameters.mobile = phone
        } else {
            parameters.phone = phone
        }
        Api.sendJsonRequest("POST", route("updateUser"), function () {
            userDialog.dismiss()
            toast.show(updatedText, toast.durationLong)
            getUsers(true)
        }, function () {}, parameters)
    }

    function changePassword(newPassword, repeated) {
        var user = userModel.get(passwordDialog.index)
        Api.sendJsonRequest("POST", route("resetUserPassword"), function () {
            passwordDialog.dismiss()
            toast.show("گذرواژه کاربر مورد نظر با موفقیت ویرایش شد", toast.durationLong)
            getUsers(true)
        }, function () {}, { userId: user._id, newPassword: newPassword, rePassword: repeated })
    }

    function folderIds(folders) {
        return folders.map(function (folder) { return folder.id })
    }

    // Only what changed goes to the service: folders untouched keep their access whatever
    // happens to the requests, and a save without changes sends nothing.
    function saveAccess(selectedFolders, userFolders) {
        var selected = folderIds(selectedFolders)
        var had = folderIds(userFolders)
        var removed = had.filter(function (id) { return selected.indexOf(id) < 0 })
        var added = selected.filter(function (id) { return had.indexOf(id) < 0 })
        if (removed.length === 0 && added.length === 0) {
            folderDialog.dismiss()
            toast.show("دسترسی کاربر تغییری نکرد", toast.durationLong)
            return
        }
        if (removed.length > 0)
            removeUserFolders(removed, added)
        else
            addUserFolders(added)
    }

    function accessSaved() {
        folderDialog.dismiss()
        toast.show("دسترسی کاربر مورد نظر با موفقیت ویرایش شد", toast.durationLong)
    }

    function removeUserFolders(removed, added) {
        Api.sendJsonRequest("POST", userData.systemRole + "/folders/removeFoldersUser", function () {
            folderDialog.markAccess(removed, false)
            if (added.length > 0)
                addUserFolders(added)
            else
                accessSaved()
        }, function () {}, { folderIds: removed, userId: folderDialog.userId })
    }

    function addUserFolders(added) {
        Api.sendJsonRequest("POST", userData.systemRole + "/folders/addFoldersUser", function () {
            folderDialog.markAccess(added, true)
            accessSaved()
        }, function () {}, { folderIds: added, userId: folderDialog.userId })
    }

    onStatusChanged: getUsers(true)
    Component.onCompleted: getUsers(true)

    LayoutMirroring.enabled: appWindow.rightToLeft
    LayoutMirroring.childrenInherit: true

    ListPager {
        id: pager

        model: userModel
        count: userSearchPage.count
    }

    ListModel {
        id: userModel

        objectName: "userModel"
    }

    ListModel {
        id: manageModel
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    Column {
        id: column

        anchors.fill: parent
        anchors.margins: 24
        spacing: 16

        Item {
            width: parent.width
            height: 46

            // The tabs lay themselves out; the holder follows the page's direction.
            Item {
                anchors.left: parent.left
                width: Math.min(parent.width * 0.55, 520)
                height: parent.height

                TabStrip {
                    id: tabs

                    objectName: "statusTabs"
                    anchors.fill: parent
                    titles: ["همه کاربران", "کاربران عادی", "کاربران غیر فعال"]
                    currentIndex: userSearchPage.statuses.indexOf(userSearchPage.status)
                    onTabClicked: userSearchPage.status = userSearchPage.statuses[index]
                }
            }

            Item {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(parent.width * 0.4, 420)
                height: 40

                SearchBar {
                    id: searchBar

                    objectName: "searchBar"
                    width: parent.width - 90
                    height: parent.height
                    color: "white"
                    onSearch: userSearchPage.search(value)
                    onTermChanged: userSearchPage.termChanged(term)
                }
            }
        }

        Item {
            width: parent.width
            height: parent.height - 46 - parent.spacing

            ListView {
                id: list

                objectName: "userList"
                anchors.fill: parent
                clip: true
                spacing: 4
                model: userModel
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                delegate: UserItem {
                    width: ListView.view.width
                    user: model
                    itemIndex: index
                    onManageClicked: userSearchPage.manageClicked(index)
                }
                onAtYEndChanged: {
                    if (atYEnd && pager.inited)
                        userSearchPage.getUsers(false)
                }
            }

            IranSansText {
                objectName: "emptyText"
                anchors.centerIn: parent
                topPadding: 0
                // Not while a page is on its way: the list is empty only until it arrives.
                visible: userModel.count === 0 && !pager.busy
                text: "هیچ کاربری در لیست موجود نمی باشد"
                textSize: Utility.TextSize.large
                textColor: Colors.mediumGrey
            }
        }
    }

    ListDialog {
        id: manageDialog

        objectName: "manageDialog"
        dialogTitle: "مدیریت کاربران"
        dialogWidth: Math.min(appWindow.width * 0.3, 400)
        dialogHeight: manageModel.count * 44 + 110
        items: manageModel
        listDelegate: Item {
            width: ListView.view.width
            height: 44

            Row {
                anchors.fill: parent
                anchors.rightMargin: 8
                anchors.leftMargin: 8
                spacing: 10
                layoutDirection: Qt.RightToLeft

                MaterialIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    icon: ic
                    iconColor: icColor
                    iconSize: Utility.IconSize.large
                }

                IranSansText {
                    anchors.verticalCenter: parent.verticalCenter
                    topPadding: 0
                    text: title
                    textSize: Utility.TextSize.normal
                    textColor: Colors.text
                }
            }

            Rectangle {
                anchors.bottom: parent.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width * 0.9
                height: 1
                color: Colors.gray
            }

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: manageDialog.selected(index)
            }
        }
        onSelected: userSearchPage.runAction(manageModel.get(index).key)
    }

    ConfirmDialog {
        id: deleteDialog

        property int index: -1

        objectName: "deleteDialog"
        dialogWidth: Math.min(appWindow.width * 0.35, 460)
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه کاربر مورد نظر حذف خواهد گردید"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            userSearchPage.deleteUser(index)
        }
        onNegativeClicked: dismiss()
    }

    UserDialog {
        id: userDialog

        objectName: "userDialog"
        onPositiveClicked: userSearchPage.editUser(fname, lname, phone, username, email)
        onNegativeClicked: dismiss()
    }

    ChangePasswordDialog {
        id: passwordDialog

        objectName: "passwordDialog"
        onPositiveClicked: userSearchPage.changePassword(newPass, newPassRepeat)
    }

    FolderDialog {
        id: folderDialog

        objectName: "folderDialog"
        onPositiveClicked: userSearchPage.saveAccess(selectedFolders, userFolders)
        onNegativeClicked: dismiss()
    }
}
