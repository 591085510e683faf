import QtQuick 2.15
import QtQuick.Controls 2.15
import AppUtility 1.0
import "../components"
import "../items"
import "../dialogs"
import "../scripts/Request.js" as Api
import "../scripts/Session.js" as Session
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// The dashboard the signed-in user works in: the side menu, the top bar, quick access and the
// account actions. Every section page runs inside `mainStack` and reaches this page's members
// by name.
Item {
    id: mainPage

    objectName: "mainPage"
    property string selectedMenu: ""
    property bool menuExpanded: true
    property bool quickShowing: false

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
    // The Excel export dialog, when this build has it.
    property var excelDialog: null

    // Page-file entries that were asked for but are not part of this build yet.
    signal sectionUnavailable(string key)

    // The list query the file entries open with (deal type -1: property files, -2: applicant files).
    function listQuery(dealType) {
        return {
            page: 1,
            count: 100,
            condition: true,
            searchOperator: "and",
            status: 1,
            sortBy: "created_at",
            sortDirection: -1,
            dealType: dealType
        }
    }

    function entry(title, icon, key, action) {
        var result = { title: title, icon: icon, alarm: 0, key: key, page: "" }
        for (var name in action)
            result[name] = action[name]
        return result
    }

    function group(mainItem, children) {
        return { main_item: mainItem, expanded: false, has_child: children.length > 0, child_items: children }
    }

    function initMenu() {
        menuModel.clear()
        var manager = isManager
        menuModel.append(group(entry("صفحه اصلی", MaterialIcons.home, "home",
                                     { page: "FileList.qml", options: { query: listQuery(-1) } }), []))
        menuModel.append(group(entry("مشخصات من", MaterialIcons.accountSettingsVariant, "profile",
                                     { page: "Profile.qml", options: { isEdit: true } }), []))
        menuModel.append(group(entry("پیشنهاد Norvela", MaterialIcons.gift, "blog", { page: "Blog.qml" }), []))
        if (manager) {
            menuModel.append(group(entry("مدیریت کاربران", MaterialIcons.accountMultiple, "users", {}), [
                entry("ثبت کاربر جدید", MaterialIcons.accountPlus, "add_user", { page: "UserAdd.qml" }),
                entry("جستجوی کاربران", MaterialIcons.accountSearch, "search_users", { page: "UserSearch.qml" })
            ]))
        }
        var files = [entry("ثبت فایل ملکی جدید", MaterialIcons.plusBox, "add_file",
                           { page: "FileAdd.qml", options: { initial: -1 } })]
        if (manager)
            files.push(entry("جستجوی فایل های ملکی", MaterialIcons.magnify, "search_files",
                             { page: "FileList.qml", options: { query: listQuery(-1) } }))
        files.push(entry("فایل های همکاری ملکی", MaterialIcons.shareVariant, "share_files",
                         { page: "FileList.qml", options: { query: listQuery(-1), isShared: true } }))
        files.push(entry("فایل های نشان شده ملکی", MaterialIcons.bookmark, "bookmarked_files",
                         { page: "FileList.qml", options: { query: listQuery(-1), bookmarkOnly: true } }))
        menuModel.append(group(entry("مدیریت فایل های ملکی", MaterialIcons.fileDocument, "files", {}), files))

        var requests = [entry("ثبت فایل متقاضی جدید", MaterialIcons.accountPlus, "add_request_file",
                              { page: "FileAdd.qml", options: { initial: -2 } })]
        if (manager)
            requests.push(entry("جستجوی فایل های متقاضی", MaterialIcons.magnify, "search_request_files",
                                { page: "FileList.qml", options: { query: listQuery(-2) } }))
        requests.push(entry("فایل های همکاری متقاضی", MaterialIcons.shareVariant, "share_request_files",
                            { page: "FileList.qml", options: { query: listQuery(-2), isShared: true } }))
        requests.push(entry("فایل های نشان شده متقاضی", MaterialIcons.bookmark, "bookmarked_request_files",
                            { page: "FileList.qml", options: { query: listQuery(-2), bookmarkOnly: true } }))
        menuModel.append(group(entry("مدیریت فایل های متقاضی", MaterialIcons.accountCardDetails, "request_files", {}),
                               requests))
        if (manager) {
            menuModel.append(group(entry("یادآور فایل ها", MaterialIcons.fileDocument, "reminder", {}), [
                entry("یادآور فایلهای اجاره ملکی", MaterialIcons.archive, "remind_rent_files",
                      { page: "FileList.qml", options: { query: listQuery(-1), reminder: true } })
            ]))
            menuModel.append(group(entry("مدیریت مالی", MaterialIcons.coin, "finance", {}), [
                entry("شارژ کیف پول", MaterialIcons.walletGiftcard, "charge_wallet", { dialog: chargeDialog }),
                entry("اطلاعات پلن", MaterialIcons.wallet, "finance_overview", { page: "PlanInfo.qml" }),
                entry("خرید پلن", MaterialIcons.walletMembership, "buy_plan", { page: "PlanList.qml" }),
                entry("خرید آرشیو فایل", MaterialIcons.archive, "buy_archive", { page: "ArchiveList.qml" }),
                entry("ثبت کد هدیه", MaterialIcons.gift, "redeem", { dialog: redeemDialog }),
                entry("لیست سفارشات", MaterialIcons.shopping, "order_list", { page: "OrderList.qml" }),
                entry("لیست تراکنش ها", MaterialIcons.fileDocument, "transaction_list", { page: "TransactionList.qml" })
            ]))
        }
        menuModel.append(group(entry("امکانات جانبی", MaterialIcons.pocket, "options", {}), [
            entry("صندوق پیام", MaterialIcons.message, "message", { page: "Message.qml" }),
            entry("یادداشت ها", MaterialIcons.clipboardText, "notes", { page: "Notes.qml" }),
            entry("دفترچه مخاطبین", MaterialIcons.accountMultiple, "contacts", { page: "Contacts.qml" })
        ]))
        menuModel.append(group(entry("تماس با ما", MaterialIcons.contactMail, "contact_us", {}), [
            entry("ارسال پیشنهاد و انتقاد", MaterialIcons.message, "suggestion", { dialog: contactUsDialog }),
            entry("درباره ما", MaterialIcons.information, "about_us", { page: "About.qml" }),
            entry("قوانین و مقررات", MaterialIcons.gavel, "terms", { func: mainPage })
        ]))
        menuModel.append(group(entry("خروج از حساب کاربری", MaterialIcons.logout, "exit", { dialog: confirmDialog }), []))
    }

    function fillQuickAccess() {
        if (quickAccessMenu.count > 0)
            return
        var quickSearch = entry("جستجوی سریع", MaterialIcons.magnify, "quick_search", { dialog: quickSearchDialog })
        var addFile = findMenuByKey("add_file")
        var addRequestFile = findMenuByKey("add_request_file")
        var sharedFiles = findMenuByKey("share_files")
        var children = []
        if (isManager) {
            children.push(plainEntry(findMenuByKey("charge_wallet")))
            children.push(plainEntry(findMenuByKey("buy_plan")))
            children.push(quickSearch)
            children.push(plainEntry(addFile))
            children.push(plainEntry(addRequestFile))
            children.push(plainEntry(sharedFiles))
            children.push(entry("دریافت اکسل فایل ها", MaterialIcons.fileExcel, "excel_export",
                                { dialog: excelSelectDialog }))
        } else {
            children.push(quickSearch)
            children.push(plainEntry(addFile))
            children.push(plainEntry(addRequestFile))
            children.push(plainEntry(sharedFiles))
        }
        quickAccessMenu.append({
            main_item: entry("دسترسی سریع", MaterialIcons.flash, "quick_access", {}),
            expanded: true,
            has_child: true,
            child_items: children
        })
    }

    // A detached copy of a menu entry, fit to be put into another model.
    function plainEntry(source) {
        var result = entry(source.title, source.icon, source.key, {})
        if (source.page)
            result.page = source.page
        if (source.options)
            result.options = JSON.parse(JSON.stringify(source.options))
        if (source.dialog)
            result.dialog = source.dialog
        if (source.func)
            result.func = source.func
        return result
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
        // A section whose page is not part of this build is not opened: the dashboard stays as it is.
        var component = Qt.createComponent(Qt.resolvedUrl(item.page))
        if (component.status !== Component.Ready) {
            sectionUnavailable(key)
            return
        }
        pageTitle = item.title
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
            showGatewayMessage(reply)
            Utility.openLink(result.url, "صفحه پرداخت")
        }, function () {}, { amount: parseInt(value) })
    }

    // The service's word that the user is on the way to the payment gateway; a page that cannot
    // be opened says so after it.
    function showGatewayMessage(reply) {
        if (reply && reply.messages && reply.messages.length > 0)
            toast.show(reply.messages[0], toast.durationLong)
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

    function setNotificationBadges(total) {
        var index = isManager ? 8 : 5
        var row = menuModel.get(index)
        if (!row)
            return
        var header = row.main_item
        header.alarm = total
        // set() rather than setProperty(): the latter mistakes an object for a nested list.
        menuModel.set(index, { main_item: header })
        for (var j = 0; j < row.child_items.count; ++j) {
            if (row.child_items.get(j).key === "message")
                row.child_items.setProperty(j, "alarm", total)
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
        var component = Qt.createComponent(Qt.resolvedUrl("FileDetail.qml"))
        if (component.status !== Component.Ready) {
            sectionUnavailable("file_detail")
            return
        }
        mainStack.push(component, { fileId: fileId })
    }

    function buyExteraUser(value) {
        Api.sendJsonRequest("POST", userData.systemRole + "/plans/upgradePlan", function (result, reply) {
            if (result.requirePayment) {
                showGatewayMessage(reply)
                Utility.openLink(result.url, "صفحه پرداخت")
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
        if (component.status !== Component.Ready) {
            sectionUnavailable("cropped_image")
            return
        }
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
        utility.avatarPath = localFileUrl(image)
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
            contactUsDialog.dismiss()
            toast.show("گزارش شما با موفقیت ثبت شد", toast.durationLong)
        }, function () {}, { type: subject, description: content })
    }

    // A chosen file's URL as a local path, and a local path as a URL: the file dialogs speak URLs,
    // the native services paths.
    function localPath(url) {
        return utility.urlToLocalPath(String(url))
    }

    function localFileUrl(path) {
        return utility.localPathToUrl(String(path))
    }

    function toggleQuickAccess() {
        if (quickShowing) {
            subMenuLt.dismiss()
        } else {
            subMenuLt.showQuick()
        }
    }

    onSelectedMenuChanged: openSection(selectedMenu)
    onMenuExpandedChanged: {
        if (menuExpanded)
            subMenuLt.dismiss()
    }

    function createExcelDialog() {
        var component = Qt.createComponent(Qt.resolvedUrl("../dialogs/ExcelDialog.qml"))
        if (component.status !== Component.Ready)
            return
        excelDialog = component.createObject(mainPage)
        excelDialog.dialogWidth = Qt.binding(function () { return mainPage.width * 0.3 })
    }

    Component.onCompleted: {
        createExcelDialog()
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

    Rectangle {
        id: topBar

        objectName: "topBar"
        anchors.top: parent.top
        anchors.left: sideMenu.right
        anchors.right: parent.right
        height: 56
        color: "white"

        MouseArea {
            anchors.fill: parent
            onClicked: subMenuLt.dismiss()
        }

        // The indicator keeps its own left-to-right layout, which would also pin it to the left
        // edge: the holder is what follows the page's direction.
        Item {
            id: menuButtonHolder

            anchors.left: parent.left
            anchors.leftMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            width: 30
            height: 30

            MenuIndicator {
                id: menuButton

                objectName: "menuButton"
                anchors.fill: parent
                menuColor: Colors.night
                alignment: alignRight
                onClicked: mainPage.menuExpanded = !mainPage.menuExpanded
            }
        }

        IranSansText {
            id: titleText

            objectName: "pageTitle"
            anchors.left: menuButtonHolder.right
            anchors.leftMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            topPadding: 0
            text: mainPage.pageTitle
            textSize: Utility.TextSize.XLarge
            textColor: Colors.night
            font.bold: true
        }

        Row {
            id: accountArea

            objectName: "accountArea"
            anchors.right: parent.right
            anchors.rightMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            height: 36
            spacing: 10

            AppButton {
                id: quickButton

                objectName: "quickButton"
                anchors.verticalCenter: parent.verticalCenter
                width: implicitWidth > 0 ? implicitWidth : 130
                height: 34
                radius: 17
                color: mainPage.quickShowing ? Colors.primaryDark : Colors.primary
                icon: MaterialIcons.flash
                text: "دسترسی سریع"
                onClicked: mainPage.toggleQuickAccess()
            }

            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: 1
                height: 26
                color: Colors.lightGrey
            }

            IranSansText {
                objectName: "topBarName"
                anchors.verticalCenter: parent.verticalCenter
                topPadding: 0
                text: mainPage.fullName
                textColor: Colors.night
                textSize: Utility.TextSize.normal
            }

            AppImage {
                id: miniAvatar

                objectName: "miniAvatar"
                anchors.verticalCenter: parent.verticalCenter
                width: 30
                height: 30
                isCircular: true
                fillMode: Image.PreserveAspectCrop
                placeHolder: mainPage.placeholderAvatar
                source: mainPage.avatarSource
            }
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Colors.gray
        }
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

    Rectangle {
        id: sideMenu

        objectName: "sideMenu"
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        width: mainPage.menuExpanded ? mainPage.width * 0.25 - 30 : 70
        color: "white"

        Behavior on width { NumberAnimation { duration: 150 } }

        MouseArea {
            anchors.fill: parent
            onClicked: subMenuLt.dismiss()
        }

        Column {
            id: account

            objectName: "accountPanel"
            anchors.top: parent.top
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 20
            spacing: 6
            visible: mainPage.menuExpanded
            height: visible ? implicitHeight : 0

            Item {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 90
                height: 90

                AppImage {
                    id: avatar

                    objectName: "avatar"
                    anchors.fill: parent
                    isCircular: true
                    fillMode: Image.PreserveAspectCrop
                    placeHolder: mainPage.placeholderAvatar
                    source: mainPage.avatarSource
                    onClicked: avatarDialog.open()
                }

                CircleIcon {
                    objectName: "avatarButton"
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    width: 26
                    height: 26
                    color: mainPage.hasAvatar ? Colors.coolRed : Colors.night
                    icon: mainPage.hasAvatar ? MaterialIcons.close : MaterialIcons.plus
                    iconColor: "white"
                    iconSize: 16
                    onClicked: {
                        if (mainPage.hasAvatar)
                            mainPage.removeAvatarImage()
                    }
                }
            }

            IranSansText {
                objectName: "officeTitle"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: mainPage.officeTitle
                textSize: Utility.TextSize.large
                textColor: Colors.night
                font.bold: true
                elide: Text.ElideRight
            }

            IranSansText {
                objectName: "userName"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: mainPage.userNameText
                textColor: Colors.mediumGrey
                elide: Text.ElideRight
            }

            Rectangle {
                objectName: "balanceRow"
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width
                height: 36
                radius: 6
                color: Colors.field
                visible: mainPage.isManager

                IranSansText {
                    objectName: "balanceText"
                    anchors.verticalCenter: parent.verticalCenter
                    anchors.left: parent.left
                    anchors.leftMargin: 10
                    anchors.right: refreshButton.left
                    topPadding: 0
                    text: mainPage.balanceText
                    textColor: Colors.night
                    font.bold: true
                    elide: Text.ElideRight
                }

                CircleIcon {
                    id: refreshButton

                    objectName: "refreshBalance"
                    anchors.verticalCenter: parent.verticalCenter
                    anchors.right: parent.right
                    anchors.rightMargin: 5
                    width: 28
                    height: 28
                    icon: MaterialIcons.refresh
                    iconColor: Colors.primary
                    iconSize: 18
                    visibleCircle: true
                    onClicked: mainPage.getMyWallet()
                }
            }
        }

        ListView {
            id: menuList

            objectName: "menuList"
            anchors.top: account.bottom
            anchors.topMargin: 12
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 10
            anchors.rightMargin: 10
            clip: true
            model: menuModel
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            delegate: MenuItem {
                width: menuList.width
            }
        }

        Rectangle {
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: 1
            color: Colors.gray
        }
    }

    // The floating panel: a collapsed menu's group children beside the clicked row, or the
    // quick-access entries under the top bar.
    Rectangle {
        id: subMenuLt

        property var menuItem: null
        property bool quickMode: false

        function show(index) {
            quickMode = false
            mainPage.quickShowing = false
            var row = menuList.itemAtIndex(index)
            var top = row ? row.mapToItem(mainPage, 0, 0).y : menuList.y + index * 35
            panelList.model = menuItem ? menuItem.child_items : null
            width = mainPage.width * 0.3 - 30
            // The list lays itself out later; its height is known from the rows already.
            var panelHeight = panelHeader.height + (menuItem ? menuItem.child_items.count : 0) * 50 + 20
            y = Math.max(10, Math.min(top, mainPage.height - panelHeight - 10))
            x = sideMenu.x > mainPage.width / 2 ? sideMenu.x - width : sideMenu.x + sideMenu.width
            visible = true
        }

        function showQuick() {
            mainPage.fillQuickAccess()
            quickMode = true
            menuItem = quickAccessMenu.get(0)
            panelList.model = menuItem.child_items
            width = mainPage.width * 0.25 - 30
            y = topBar.height + 10
            var area = accountArea.mapToItem(mainPage, 0, 0)
            x = area.x < mainPage.width / 2 ? area.x + 10 : area.x + accountArea.width - width - 10
            visible = true
            mainPage.quickShowing = true
        }

        function dismiss() {
            visible = false
            mainPage.quickShowing = false
        }

        objectName: "subMenuLt"
        visible: false
        z: 10
        height: panelColumn.height + 20
        radius: 8
        color: "white"
        border.color: Colors.lightGrey
        border.width: 1

        // Presses on the panel itself do not reach the page background behind it.
        MouseArea {
            anchors.fill: parent
        }

        Column {
            id: panelColumn

            anchors.top: parent.top
            anchors.topMargin: 10
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 20

            IranSansText {
                id: panelHeader

                width: parent.width
                height: 36
                topPadding: 0
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignRight
                text: subMenuLt.menuItem ? subMenuLt.menuItem.main_item.title : ""
                textColor: Colors.primary
                textSize: Utility.TextSize.normal
                font.bold: true
                LayoutMirroring.enabled: false
            }

            ListView {
                id: panelList

                objectName: "panelList"
                width: parent.width
                height: contentHeight
                interactive: false

                delegate: SubMenuItem {
                    width: panelList.width
                    forceFullLength: true
                }
            }
        }
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
        onActivated: quickSearchDialog.initial()
    }

    Shortcut {
        sequence: "F4"
        enabled: mainPage.isManager
        onActivated: chargeDialog.initial()
    }

    Shortcut {
        sequences: [StandardKey.Back]
        onActivated: {
            if (mainStack.depth > 1)
                mainStack.pop()
        }
    }

    ConfirmDialog {
        id: confirmDialog
        objectName: "confirmDialog"

        dialogWidth: mainPage.width * 0.3
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه از سیستم خارج خواهید شد"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            mainPage.logout()
        }
        onNegativeClicked: dismiss()
    }

    InputDialog {
        id: chargeDialog
        objectName: "chargeDialog"
        // Ready for typing as soon as it shows.
        onOpened: dialogInput.input.forceActiveFocus()

        readonly property string chargeText: "شارژ حساب"

        dialogWidth: mainPage.width * 0.3
        dialogTitle: "لطفا مبلغ شارژ را به تومان وارد نمایید"
        dialogConfirm: chargeText
        dialogInput.inputType: Qt.ImhDigitsOnly
        dialogInput.isCurrency: true
        dialogInput.opacity: dialogInput.enabled ? 1 : 0.6
        // The grouping commas are part of the text while it is typed.
        dialogInput.validator: RegExpValidator { regExp: /[1-9][0-9,]+/ }
        onConfirmClicked: {
            if (dialogInput.enabled) {
                if (String(value) === "") {
                    toast.show(dialogTitle, toast.durationShort)
                    return
                }
                dialogInput.enabled = false
                dialogConfirm = "بستن"
                mainPage.charge(value)
            } else {
                dismiss()
                dialogInput.enabled = true
                dialogConfirm = chargeText
                mainPage.getMyWallet()
            }
        }
        // Closed by a press outside after the gateway was opened: end the same way as "بستن".
        onClosed: {
            if (!dialogInput.enabled) {
                dialogInput.enabled = true
                dialogConfirm = chargeText
                mainPage.getMyWallet()
            }
        }
    }

    InputDialog {
        id: redeemDialog
        objectName: "redeemDialog"
        onOpened: dialogInput.input.forceActiveFocus()

        dialogWidth: mainPage.width * 0.3
        dialogTitle: "لطفا کد هدیه خود را وارد نمایید"
        dialogConfirm: "ثبت کد هدیه"
        onConfirmClicked: {
            if (String(value).trim() === "") {
                toast.show(dialogTitle, toast.durationShort)
                return
            }
            dismiss()
            mainPage.redeemCode(value)
        }
    }

    InputDialog {
        id: userBuy
        objectName: "userBuy"
        onOpened: dialogInput.input.forceActiveFocus()

        dialogWidth: mainPage.width * 0.3
        dialogTitle: "لطفا تعداد کاربران مد نظر خود را وارد نمایید"
        dialogConfirm: "خرید کاربر اضافه"
        dialogInput.inputType: Qt.ImhDigitsOnly
        dialogInput.validator: RegExpValidator { regExp: /[1-9][0-9]+/ }
        onConfirmClicked: {
            if (String(value) === "") {
                toast.show(dialogTitle, toast.durationShort)
                return
            }
            dismiss()
            var plan = userData.office && userData.office.originalPlan ? userData.office.originalPlan : {}
            userConfirmDialog.dialogContent = "جهت افزودن " + value + " کاربر جدید نیازمند پرداخت "
                    + Utility.putComma(Number(value) * Number(plan.pricePerExtraUser)) + " تومان می باشید"
            userConfirmDialog.userCount = value
            userConfirmDialog.initial()
        }
    }

    ConfirmDialog {
        id: userConfirmDialog
        objectName: "userConfirmDialog"

        property string userCount: ""

        dialogWidth: mainPage.width * 0.3
        dialogTitle: "آیا مطمئـــن هستید؟"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            mainPage.buyExteraUser(userCount)
        }
        onNegativeClicked: dismiss()
    }

    QuickSearchDialog {
        id: quickSearchDialog
        objectName: "quickSearchDialog"

        dialogWidth: mainPage.width * 0.3
        dialogTitle: "لطفا شناسه سیستمی فایل را وارد نمایید"
        dialogConfirm: "جستجوی فایل"
        onConfirmClicked: {
            dismiss()
            mainPage.quickSearchFile(trackingId, mobile)
        }
    }

    SelectDialog {
        id: avatarDialog
        objectName: "avatarDialog"

        title: "لطفا تصویر حساب خود را انتخاب کنید"
        nameFilters: ["Image files (*.jpg *.png *.jpeg *.webp)"]
        onAccepted: {
            var chosen = dialog.files.length > 0 ? dialog.files[0] : dialog.file
            mainPage.chooseAvatar(String(chosen))
        }
    }

    SelectDialog {
        id: excelSelectDialog
        objectName: "excelSelectDialog"

        title: "لطفا محلی برای ذخیره فایل انتخاب کنید"
        nameFilters: ["Excel File (*.xlsx)"]
        onAccepted: {
            if (!mainPage.excelDialog) {
                mainPage.sectionUnavailable("excel_export")
                return
            }
            mainPage.excelDialog.filePath = mainPage.localPath(dialog.file)
            mainPage.excelDialog.initial()
        }
    }

    ContactUsDialog {
        id: contactUsDialog
        objectName: "contactUsDialog"

        dialogWidth: mainPage.width * 0.3
        onPositiveClicked: {
            if (!selectedSubject) {
                toast.show("انتخاب موضوع برای انتقاد یا پیشنهاداجباری است", toast.durationLong)
                return
            }
            if (String(content).trim() === "") {
                toast.show("ورود متن برای انتقاد یا پیشنهاد اجباری است", toast.durationLong)
                return
            }
            mainPage.addSuggestion(selectedSubject, title, content)
        }
        onNegativeClicked: dismiss()
    }
}
