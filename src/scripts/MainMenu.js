.import "MaterialIcons.js" as MaterialIcons

// The main page's side menu and quick-access panel as model rows: what each role is offered, in
// menu order. `actions` holds what entries open besides pages: the dialogs `chargeDialog`,
// `redeemDialog`, `contactUsDialog`, `confirmDialog`, `quickSearchDialog`, `excelSelectDialog`,
// and `funcTarget`, the object whose `runFunc(key)` runs a function entry.

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

// A file family's group (-1 property files, -2 applicant files); only a manager searches all of
// the office's files.
function fileGroup(dealType, manager) {
    var property = dealType === -1
    var children = [entry(property ? "ثبت فایل ملکی جدید" : "ثبت فایل متقاضی جدید",
                          property ? MaterialIcons.plusBox : MaterialIcons.accountPlus,
                          property ? "add_file" : "add_request_file",
                          { page: "FileAdd.qml", options: { initial: dealType } })]
    if (manager)
        children.push(entry(property ? "جستجوی فایل های ملکی" : "جستجوی فایل های متقاضی", MaterialIcons.magnify,
                            property ? "search_files" : "search_request_files",
                            { page: "FileList.qml", options: { query: listQuery(dealType) } }))
    children.push(entry(property ? "فایل های همکاری ملکی" : "فایل های همکاری متقاضی", MaterialIcons.shareVariant,
                        property ? "share_files" : "share_request_files",
                        { page: "FileList.qml", options: { query: listQuery(dealType), isShared: true } }))
    children.push(entry(property ? "فایل های نشان شده ملکی" : "فایل های نشان شده متقاضی", MaterialIcons.bookmark,
                        property ? "bookmarked_files" : "bookmarked_request_files",
                        { page: "FileList.qml", options: { query: listQuery(dealType), bookmarkOnly: true } }))
    return group(property ? entry("مدیریت فایل های ملکی", MaterialIcons.fileDocument, "files", {})
                          : entry("مدیریت فایل های متقاضی", MaterialIcons.accountCardDetails, "request_files", {}),
                 children)
}

// The side menu's rows for a manager (`manager` true) or an adviser.
function sideMenu(manager, actions) {
    var rows = [
        group(entry("صفحه اصلی", MaterialIcons.home, "home", { page: "FileList.qml", options: { query: listQuery(-1) } }), []),
        group(entry("مشخصات من", MaterialIcons.accountSettingsVariant, "profile",
                    { page: "Profile.qml", options: { isEdit: true } }), []),
        group(entry("پیشنهاد Norvela", MaterialIcons.gift, "blog", { page: "Blog.qml" }), [])
    ]
    if (manager) {
        rows.push(group(entry("مدیریت کاربران", MaterialIcons.accountMultiple, "users", {}), [
            entry("ثبت کاربر جدید", MaterialIcons.accountPlus, "add_user", { page: "UserAdd.qml" }),
            entry("جستجوی کاربران", MaterialIcons.accountSearch, "search_users", { page: "UserSearch.qml" })
        ]))
    }
    rows.push(fileGroup(-1, manager))
    rows.push(fileGroup(-2, manager))
    if (manager) {
        rows.push(group(entry("یادآور فایل ها", MaterialIcons.fileDocument, "reminder", {}), [
            entry("یادآور فایلهای اجاره ملکی", MaterialIcons.archive, "remind_rent_files",
                  { page: "FileList.qml", options: { query: listQuery(-1), reminder: true } })
        ]))
        rows.push(group(entry("مدیریت مالی", MaterialIcons.coin, "finance", {}), [
            entry("شارژ کیف پول", MaterialIcons.walletGiftcard, "charge_wallet", { dialog: actions.chargeDialog }),
            entry("اطلاعات پلن", MaterialIcons.wallet, "finance_overview", { page: "PlanInfo.qml" }),
            entry("خرید پلن", MaterialIcons.walletMembership, "buy_plan", { page: "PlanList.qml" }),
            entry("خرید آرشیو فایل", MaterialIcons.archive, "buy_archive", { page: "ArchiveList.qml" }),
            entry("ثبت کد هدیه", MaterialIcons.gift, "redeem", { dialog: actions.redeemDialog }),
            entry("لیست سفارشات", MaterialIcons.shopping, "order_list", { page: "OrderList.qml" }),
            entry("لیست تراکنش ها", MaterialIcons.fileDocument, "transaction_list", { page: "TransactionList.qml" })
        ]))
    }
    rows.push(group(entry("امکانات جانبی", MaterialIcons.pocket, "options", {}), [
        entry("صندوق پیام", MaterialIcons.message, "message", { page: "Message.qml" }),
        entry("یادداشت ها", MaterialIcons.clipboardText, "notes", { page: "Notes.qml" }),
        entry("دفترچه مخاطبین", MaterialIcons.accountMultiple, "contacts", { page: "Contacts.qml" })
    ]))
    rows.push(group(entry("تماس با ما", MaterialIcons.contactMail, "contact_us", {}), [
        entry("ارسال پیشنهاد و انتقاد", MaterialIcons.message, "suggestion", { dialog: actions.contactUsDialog }),
        entry("درباره ما", MaterialIcons.information, "about_us", { page: "About.qml" }),
        entry("قوانین و مقررات", MaterialIcons.gavel, "terms", { func: actions.funcTarget })
    ]))
    rows.push(group(entry("خروج از حساب کاربری", MaterialIcons.logout, "exit", { dialog: actions.confirmDialog }), []))
    return rows
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

// The quick-access panel's one group; `find(key)` gives a side-menu entry to copy.
function quickAccess(manager, find, actions) {
    var quickSearch = entry("جستجوی سریع", MaterialIcons.magnify, "quick_search", { dialog: actions.quickSearchDialog })
    var files = [plainEntry(find("add_file")), plainEntry(find("add_request_file")), plainEntry(find("share_files"))]
    var children
    if (manager) {
        children = [plainEntry(find("charge_wallet")), plainEntry(find("buy_plan")), quickSearch].concat(files)
        children.push(entry("دریافت اکسل فایل ها", MaterialIcons.fileExcel, "excel_export",
                            { dialog: actions.excelSelectDialog }))
    } else {
        children = [quickSearch].concat(files)
    }
    return {
        main_item: entry("دسترسی سریع", MaterialIcons.flash, "quick_access", {}),
        expanded: true,
        has_child: true,
        child_items: children
    }
}
