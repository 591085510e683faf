import QtQuick 2.15
import QtQuick.Controls 2.15
import AppUtility 1.0
import "../components"
import "../dialogs"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/Utility.js" as Utility
import "../scripts/MainMenu.js" as MainMenu
import "../scripts/Colors.js" as Colors

// The dashboard the signed-in user works in: the side menu, the top bar, quick access and the
// account actions. Every section page runs inside `mainStack` and reaches this page's members
// by name.
Item {
    id: mainPage

    objectName: "mainPage"
    property string selectedMenu: ""
    property bool menuExpanded: true
    readonly property bool quickShowing: subMenuLt.quickShowing

    readonly property bool isManager: userData.systemRole === "officeMan"
    readonly property string dashboardTitle: "پیشخوان"
    readonly property string placeholderAvatar: "../../rss/images/man.png"
    property string pageTitle: dashboardTitle
    property string fullName: ""
    property string userNameText: ""
    property string officeTitle: ""
    property string balanceText: ""
    property string avatarSource: ""
    property bool hasAvatar: false
    // The dialogs that section pages open themselves or that are reached from outside the page.
    readonly property alias userBuy: dialogs.userBuy
    readonly property alias excelDialog: dialogs.excelDialog

    function initMenu() {
        menuModel.clear()
        var rows = MainMenu.sideMenu(isManager, menuActions())
        for (var i = 0; i < rows.length; ++i)
            menuModel.append(rows[i])
    }

    // What menu entries open besides pages.
    function menuActions() {
        return {
            chargeDialog: dialogs.chargeDialog,
            redeemDialog: dialogs.redeemDialog,
            contactUsDialog: dialogs.contactUsDialog,
            confirmDialog: dialogs.confirmDialog,
            quickSearchDialog: dialogs.quickSearchDialog,
            excelSelectDialog: dialogs.excelSelectDialog,
            funcTarget: mainPage
        }
    }

    function fillQuickAccess() {
        if (quickAccessMenu.count === 0)
            quickAccessMenu.append(MainMenu.quickAccess(isManager, findMenuByKey, menuActions()))
    }

    function findMenuByKey(key) {
        for (var i = 0; i < menuModel.count; ++i) {
            var row = menuModel.get(i)
            if (row.main_item.key === key)
                return row.main_item
            if (!row.has_child)
                continue
            for (var j = 0; j < row.child_items.count; ++j) {
                var child = row.child_items.get(j)
                if (child.key === key)
                    return child
            }
        }
        return null
    }

    function openSection(key) {
        var item = findMenuByKey(key)
        if (!item || !item.page)
            return
        pageTitle = item.title
        var component = Qt.createComponent(Qt.resolvedUrl(item.page))
        var options = item.options ? JSON.parse(JSON.stringify(item.options)) : {}
        if (mainStack.depth === 0)
            mainStack.push(component, options)
        else
            mainStack.replace(component, options)
    }

    function runFunc(key) {
        if (key === "get_today_files")
            getTodayFiles()
        else if (key === "terms")
            Utility.openLink(serviceConfig.siteUrl + "terms", "صفحه قوانین و مقررات")
    }

    function logout() {
        Session.signOut()
    }

    function userDataChanged() {
        var first = userData.fname ? userData.fname : ""
        var last = userData.lname ? userData.lname : ""
        fullName = (first + " " + last).trim()
        userNameText = (userData.username !== undefined ? String(userData.username) : "") + " | " + fullName
        officeTitle = userData.office && userData.office.title ? userData.office.title : ""
        hasAvatar = !!userData.avatar
        avatarSource = hasAvatar && appData.avatarImagesUrl ? appData.avatarImagesUrl + userData.avatar : ""
    }

    function charge(value) {
        Api.sendJsonRequest("POST", userData.systemRole + "/finance/chargeMyWallet", function (result, reply) {
            openGateway(result, reply)
        }, function () {}, { amount: parseInt(value) })
    }

    // A purchase the wallet cannot cover: the service's word that the user is on the way, then its
    // payment page (a page that cannot be opened says so after it).
    function openGateway(result, reply) {
        if (reply && reply.messages && reply.messages.length > 0)
            toast.show(reply.messages[0], toast.durationLong)
        Utility.openLink(result.url, "صفحه پرداخت")
    }

    function redeemCode(value) {
        Api.sendJsonRequest("POST", userData.systemRole + "/finance/redeemGiftCode", function (result) {
            toast.show("تبریک!\n مبلغ " + Utility.putComma(result.amount) + " به موجودی شما افزوده شد",
                       toast.durationLong)
            getMyWallet()
        }, function () {}, { code: value })
    }

    function getMyWallet() {
        Api.sendRequest("POST", userData.systemRole + "/finance/getMyWallet", function (result) {
            balanceText = "موجودی حساب: " + Utility.putComma(result.wallet.balance + result.wallet.giftBalance) + " تومان"
        }, function () {}, [])
    }

    // The count of unread notifications on the extras group's header and on its message entry.
    function setNotificationBadges(total) {
        for (var i = 0; i < menuModel.count; ++i) {
            var row = menuModel.get(i)
            if (row.main_item.key !== "options")
                continue
            var header = row.main_item
            header.alarm = total
            // set() rather than setProperty(): the latter mistakes an object for a nested list.
            menuModel.set(i, { main_item: header })
            for (var j = 0; j < row.child_items.count; ++j) {
                if (row.child_items.get(j).key === "message")
                    row.child_items.setProperty(j, "alarm", total)
            }
            return
        }
    }

    function getNotifications() {
        Api.sendJsonRequest("POST", "notifications/getMyNotifications", function (result) {
            setNotificationBadges(result.notifications.total)
        }, function () {}, {
            page: 1,
            count: 1000,
            condition: false,
            searchOperator: "and",
            sortBy: "created_at",
            sortDirection: -1,
            unreadOnly: true
        })
    }

    function resetNotifications() {
        setNotificationBadges(0)
    }

    function quickSearchFile(fileId, mobile) {
        var query
        if (fileId)
            query = { trackingId: fileId, page: 1, count: 100, condition: true }
        else if (mobile)
            query = { page: 1, count: 100, condition: true, attrs: { mobile: mobile }, stringAttrKeys: ["mobile"] }
        Api.sendJsonRequestV2("POST", userData.systemRole + "/propertyFiles/searchMyPropertyFiles", function (result) {
            var found = result.propertyFiles && result.propertyFiles.data ? result.propertyFiles.data : []
            if (found.length > 0)
                openFileDetail(found[0]._id)
            else
                toast.show("فایلی با این مشخصات پیدا نشد", toast.durationLong)
        }, function () {}, query)
    }

    function openFileDetail(fileId) {
        mainStack.push(Qt.createComponent(Qt.resolvedUrl("FileDetail.qml")), { fileId: fileId })
    }

    function buyExteraUser(value) {
        Api.sendJsonRequest("POST", userData.systemRole + "/plans/upgradePlan", function (result, reply) {
            if (result.requirePayment) {
                openGateway(result, reply)
            } else {
                toast.show("پلن مورد نظر برای شما فعال شد و مبلغ آن از موجودی کیف پول شما کم شد", toast.durationLong)
                getMyWallet()
                // The office's extra users (and the price of its renewal) have changed.
                getOffice()
            }
        }, function () {}, { features: { extraUser: Number(value) } })
    }

    function chooseAvatar(fileUrl) {
        var component = Qt.createComponent(Qt.resolvedUrl("CropView.qml"))
        var properties = { source: fileUrl, tempDir: utility.getTempDirectory() }
        var page = selectedMenu === "cropped_image" && mainStack.depth > 0 ? mainStack.replace(component, properties)
                                                                             : mainStack.push(component, properties)
        selectedMenu = "cropped_image"
        page.imageCropped.connect(function (image) {
            addAvatarImage(image)
            if (mainStack.depth > 1)
                mainStack.pop()
        })
    }

    function addAvatarImage(image) {
        dialogLoading.initial()
        utility.avatarPath = utility.localPathToUrl(String(image))
        utility.sendMultipartRequest("updateMyAvatar", apiToken, "newAvatarPic", image, [], [])
    }

    function avatarUploaded(text) {
        dialogLoading.dismiss()
        var reply
        try {
            reply = JSON.parse(text)
        } catch (error) {
            toast.show("خطایی در سیستم رخ داد لطفا لحظاتی بعد مجدد تلاش نمایید", toast.durationShort)
            return
        }
        if (reply && reply.ok && reply.result && reply.result.user) {
            var user = Session.adoptUser(reply.result.user)
            hasAvatar = !!user.avatar
            avatarSource = utility.avatarPath
            toast.show("تصویر پروفایل با موفقیت تغییر پیدا کرد", toast.durationLong)
        } else {
            var messages = reply && reply.messages ? reply.messages : []
            toast.show(messages.length > 0 ? messages[0] : "خطایی در سیستم رخ داد لطفا لحظاتی بعد مجدد تلاش نمایید",
                       toast.durationShort)
        }
    }

    function removeAvatarImage() {
        Api.sendJsonRequest("POST", "deleteMyAvatar", function () {
            toast.show("تصویر پروفایل با موفقیت حذف شد", toast.durationLong)
            userData.avatar = false
            hasAvatar = false
            avatarSource = ""
            saveUserData()
        }, function () {}, {})
    }

    function getTodayFiles() {
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/requestNewSystemPropertyFiles", function (result) {
            var text = ""
            if (result && result.messages && result.messages.length > 0)
                text = result.messages[0]
            else if (result && result.message)
                text = result.message
            if (text !== "")
                toast.show(text, toast.durationLong)
            selectedMenu = ""
            selectedMenu = "home"
            getOffice()
        }, function () {}, {})
    }

    function getOffice() {
        Session.refreshOffice(function (office) {
            officeTitle = office && office.title ? office.title : ""
        })
    }

    // The dialog closes once the service has the report: refused or unsent, the typed text stays.
    function addSuggestion(subject, title, content) {
        Api.sendJsonRequest("POST", "contactMessages/createContactMessage", function () {
            dialogs.contactUsDialog.dismiss()
            toast.show("گزارش شما با موفقیت ثبت شد", toast.durationLong)
        }, function () {}, { type: subject, description: content })
    }

    function toggleQuickAccess() {
        if (quickShowing)
            subMenuLt.dismiss()
        else
            subMenuLt.showQuick()
    }

    onSelectedMenuChanged: openSection(selectedMenu)
    onMenuExpandedChanged: {
        if (menuExpanded)
            subMenuLt.dismiss()
    }

    Component.onCompleted: {
        userDataChanged()
        initMenu()
        selectedMenu = "home"
        if (isManager)
            getMyWallet()
        getNotifications()
    }

    AppUtility {
        id: utility
        objectName: "utility"

        property string avatarPath: ""

        onRequestFinished: mainPage.avatarUploaded(result)
    }

    ListModel {
        id: menuModel
        objectName: "menuModel"
    }

    ListModel {
        id: quickAccessMenu
        objectName: "quickAccessMenu"
    }

    // Clicks that reach the page background close the floating panel.
    MouseArea {
        anchors.fill: parent
        onClicked: subMenuLt.dismiss()
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    TopBar {
        id: topBar

        objectName: "topBar"
        anchors.top: parent.top
        anchors.left: sideMenu.right
        anchors.right: parent.right
        title: mainPage.pageTitle
        fullName: mainPage.fullName
        avatarSource: mainPage.avatarSource
        placeholderAvatar: mainPage.placeholderAvatar
        quickShowing: mainPage.quickShowing
        onMenuClicked: mainPage.menuExpanded = !mainPage.menuExpanded
        onQuickClicked: mainPage.toggleQuickAccess()
        onBackgroundClicked: subMenuLt.dismiss()
    }

    StackView {
        id: mainStack

        objectName: "mainStack"
        anchors.top: topBar.bottom
        anchors.left: sideMenu.right
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
    }

    SideMenu {
        id: sideMenu

        objectName: "sideMenu"
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        width: mainPage.menuExpanded ? mainPage.width * 0.25 - 30 : 70
        expanded: mainPage.menuExpanded
        model: menuModel
        account.avatarSource: mainPage.avatarSource
        account.placeholderAvatar: mainPage.placeholderAvatar
        account.hasAvatar: mainPage.hasAvatar
        account.officeTitle: mainPage.officeTitle
        account.userNameText: mainPage.userNameText
        account.balanceText: mainPage.balanceText
        account.showsBalance: mainPage.isManager
        account.onAvatarClicked: dialogs.avatarDialog.open()
        account.onRemoveAvatarClicked: mainPage.removeAvatarImage()
        account.onRefreshBalanceClicked: mainPage.getMyWallet()
        onBackgroundClicked: subMenuLt.dismiss()
    }

    FloatingMenu {
        id: subMenuLt

        objectName: "subMenuLt"
        page: mainPage
        sideMenu: sideMenu
        topBar: topBar
        quickAccess: quickAccessMenu
        onQuickAccessNeeded: mainPage.fillQuickAccess()
    }

    Shortcut {
        sequence: StandardKey.Find
        onActivated: mainPage.selectedMenu = "search_files"
    }

    Shortcut {
        sequence: "Ctrl+G"
        onActivated: mainPage.selectedMenu = "search_request_files"
    }

    Shortcut {
        sequence: "Ctrl+Q"
        onActivated: mainPage.selectedMenu = "add_file"
    }

    Shortcut {
        sequence: "Ctrl+W"
        onActivated: mainPage.selectedMenu = "add_request_file"
    }

    Shortcut {
        sequence: "F1"
        enabled: mainPage.isManager
        onActivated: subMenuLt.showQuick()
    }

    Shortcut {
        sequence: "F3"
        enabled: mainPage.isManager
        onActivated: dialogs.quickSearchDialog.initial()
    }

    Shortcut {
        sequence: "F4"
        enabled: mainPage.isManager
        onActivated: dialogs.chargeDialog.initial()
    }

    Shortcut {
        sequences: [StandardKey.Back]
        onActivated: {
            if (mainStack.depth > 1)
                mainStack.pop()
        }
    }

    MainDialogs {
        id: dialogs

        page: mainPage
    }
}
