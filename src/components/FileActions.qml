import QtQuick 2.15
import "../dialogs"
import "../items"
import "../scripts/Request.js" as Api
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// What a row of the file list does to its file: bookmark, share, hide, archive, delete, restore,
// edit, set the deal status or report it; with the lists and questions that come first. The list
// (`list`) holds the rows and is told what changed. Laid over the list, whose size the dialogs
// take theirs from.
Item {
    id: root

    // The file list page.
    property Item list: null
    // The file whose row was acted on last, and the kind of report being written about it.
    property string actionFileId: ""
    property string reportFlag: ""

    function fillModels() {
        manageModel.clear()
        manageModel.append([
            { title: "حذف فایل", ic: MaterialIcons.deleteForever, icColor: Colors.coolRed },
            { title: "ویرایش فایل", ic: MaterialIcons.pencil, icColor: Colors.appGreen },
            { title: "بایگانی کردن فایل", ic: MaterialIcons.pencil, icColor: Colors.primary },
            { title: "تعیین وضعیت معامله", ic: MaterialIcons.shopping, icColor: Colors.appOrange },
            { title: "مخفی کردن فایل", ic: MaterialIcons.ghost, icColor: Colors.primary }
        ])
        dealStatusModel.clear()
        dealStatusModel.append([
            { title: "فایل موجود", ic: MaterialIcons.check, icColor: Colors.appGreen, status: "available" },
            { title: "معامله شده", ic: MaterialIcons.fileExport, icColor: Colors.primary, status: "done" },
            { title: "کنسل شده", ic: MaterialIcons.closedCaption, icColor: Colors.coolRed, status: "cancelled" }
        ])
        reportModel.clear()
        reportModel.append([
            { title: "فایل معامله شده", ic: MaterialIcons.coin, icColor: Colors.appGreen },
            { title: "تغییر قیمت", ic: MaterialIcons.wallet, icColor: Colors.appOrange },
            { title: "مغایرت اطلاعات", ic: MaterialIcons.pencil, icColor: Colors.coolRed },
            { title: "انصراف", ic: MaterialIcons.close, icColor: Colors.primary }
        ])
    }

    function shareClicked(index) {
        var row = list.rowAt(index)
        if (!row)
            return
        if (row.isFileShared) {
            removeShareFile(index)
            return
        }
        actionFileId = row._id
        shareConfirm.initial()
    }

    function bookmarkClicked(index) {
        var row = list.rowAt(index)
        if (!row)
            return
        if (row.bookmarked)
            removeBookmark(index)
        else
            bookmark(index)
    }

    function bookmark(index) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", "bookmarks/bookmark", function () {
            list.changeFile(id, { bookmarked: true })
            toast.show("فایل مورد نظر با موفقیت نشان شد", toast.durationLong)
        }, function () {}, { type: "PropertyFile", id: id })
    }

    function removeBookmark(index) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", "bookmarks/unBookmark", function () {
            if (list.bookmarkOnly)
                list.dropFile(id)
            else
                list.changeFile(id, { bookmarked: false })
            toast.show("فایل مورد نظر با موفقیت از نشان شده ها حذف شد", toast.durationLong)
        }, function () {}, { type: "PropertyFile", id: id })
    }

    function shareFile(index) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/requestShareMyPropertyFile", function () {
            list.changeFile(id, { isFileShared: true })
            toast.show("فایل مورد نظر با موفقیت به فایل های همکاری ارسال شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function removeShareFile(index) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/deletePropertyFileShareRequest", function () {
            list.changeFile(id, { isFileShared: false })
            toast.show("فایل مورد نظر با موفقیت از فایل های همکاری خارج شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function hideFile(index) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/hideMyPropertyFile", function () {
            list.changeFile(id, { justOwnerAccess: true })
            toast.show("فایل مورد نظر با موفقیت مخفی شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function unHideFile(index) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/unHideMyPropertyFile", function () {
            list.changeFile(id, { justOwnerAccess: false })
            toast.show("فایل مورد نظر با موفقیت از حالت مخفی خارج شد", toast.durationLong)
        }, function () {}, { propertyFileId: id })
    }

    function deleteFile(index) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/deletePropertyFiles", function () {
            list.dropFile(id)
            toast.show("فایل مورد نظر با موفقیت حذف شد", toast.durationLong)
        }, function () {}, { propertyFileIds: [id], logical: true })
    }

    function updateStatus(index, status) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/updatePropertyFileStatus", function () {
            list.changeFile(id, { status: status })
            list.restamp(id)
            toast.show("وضعیت فایل با موفقیت ویرایش شد")
        }, function () {}, { propertyFileId: id, status: status })
    }

    function updateDealStatus(index, status) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/updatePropertyFileDealStatus", function () {
            list.changeFile(id, { dealStatus: status })
            list.restamp(id)
            toast.show("وضعیت فایل با موفقیت ویرایش شد")
        }, function () {}, { propertyFileId: id, dealStatus: status })
    }

    function report(index, flag, desciption) {
        var id = list.fileIdAt(index)
        Api.sendJsonRequest("POST", "reportFlags/createReportFlag", function () {
            toast.show("گزارش شما با موفقیت ثبت شد", toast.durationLong)
        }, function () {}, { id: id, type: "PropertyFile", flagType: flag, description: desciption || "" })
    }

    function manageClicked(index) {
        var row = list.rowAt(index)
        if (!row)
            return
        actionFileId = row._id
        if (row.systemFile) {
            reportDialog.initial()
            return
        }
        if (row.status === -1)
            manageModel.set(2, { title: "از بایگانی درآوردن", ic: MaterialIcons.fileDocument })
        else
            manageModel.set(2, { title: "بایگانی کردن فایل", ic: MaterialIcons.archive })
        if (row.status === -2)
            manageModel.set(0, { title: "بازگردانی فایل", ic: MaterialIcons.refresh, icColor: Colors.primary })
        else
            manageModel.set(0, { title: "حذف فایل", ic: MaterialIcons.deleteForever, icColor: Colors.coolRed })
        if (row.justOwnerAccess)
            manageModel.set(4, { title: "از مخفی خارج کردن", ic: MaterialIcons.fileDocument, icColor: Colors.primary })
        else
            manageModel.set(4, { title: "مخفی کردن فایل", ic: MaterialIcons.ghost, icColor: Colors.darkGrey })
        manageDialog.initial()
    }

    function manageChosen(choice) {
        manageDialog.dismiss()
        var index = list.indexOfFile(actionFileId)
        if (index < 0)
            return
        var row = list.rowAt(index)
        switch (choice) {
        case 0:
            if (row.status === -2)
                updateStatus(index, 2)
            else
                deleteConfirm.initial()
            break
        case 1:
            list.editFile(row._id)
            break
        case 2:
            updateStatus(index, row.status === -1 ? 2 : -1)
            break
        case 3:
            dealStatusDialog.initial()
            break
        case 4:
            if (row.justOwnerAccess)
                unHideFile(index)
            else
                hideFile(index)
            break
        }
    }

    function reportChosen(choice) {
        reportDialog.dismiss()
        var index = list.indexOfFile(actionFileId)
        if (index < 0 || choice === 3)
            return
        if (choice === 0) {
            report(index, "fileDealt", "")
            return
        }
        reportFlag = choice === 1 ? "fileWrongPrice" : "fileWrongInfo"
        reportInput.initial()
    }

    function dealStatusChosen(index) {
        dealStatusDialog.dismiss()
        var at = list.indexOfFile(actionFileId)
        if (at >= 0)
            updateDealStatus(at, dealStatusModel.get(index).status)
    }

    ListModel { id: manageModel; objectName: "manageModel" }
    ListModel { id: dealStatusModel; objectName: "dealStatusModel" }
    ListModel { id: reportModel; objectName: "reportModel" }

    Component {
        id: manageRow

        ActionItem { onClicked: root.manageChosen(index) }
    }

    Component {
        id: dealStatusRow

        ActionItem { onClicked: root.dealStatusChosen(index) }
    }

    Component {
        id: reportRow

        ActionItem { onClicked: root.reportChosen(index) }
    }

    ListDialog {
        id: manageDialog

        objectName: "manageDialog"
        dialogTitle: "مدیریت فایل"
        dialogWidth: root.width * 0.4
        listDelegate: manageRow
        items: manageModel
        // Tall enough for every entry: a row out of sight could not be chosen.
        dialogHeight: manageModel.count * 40 + 110
    }

    ListDialog {
        id: dealStatusDialog

        objectName: "dealStatusDialog"
        dialogTitle: "تعیین وضعیت معامله"
        dialogWidth: root.width * 0.4
        listDelegate: dealStatusRow
        items: dealStatusModel
        // Tall enough for every entry: a row out of sight could not be chosen.
        dialogHeight: dealStatusModel.count * 40 + 110
    }

    ListDialog {
        id: reportDialog

        objectName: "reportDialog"
        dialogTitle: "ارسال گزارش فایل"
        dialogWidth: root.width * 0.4
        listDelegate: reportRow
        items: reportModel
        // Tall enough for every entry: a row out of sight could not be chosen.
        dialogHeight: reportModel.count * 40 + 110
    }

    MultiLineInputDialog {
        id: reportInput

        objectName: "reportInput"
        dialogTitle: "ارسال گزارش فایل"
        dialogConfirm: "ثبت گزارش"
        dialogWidth: root.width * 0.5
        dialogInput.hint: "لطفا توضیحات خود را برای گزارش وارد نمایید"
        onConfirmClicked: {
            reportInput.dismiss()
            var index = root.list.indexOfFile(root.actionFileId)
            if (index >= 0)
                root.report(index, root.reportFlag, value)
        }
    }

    ConfirmDialog {
        id: shareConfirm

        objectName: "shareConfirm"
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه فایل شما به فایل های همکاری ارسال خواهد شد"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        dialogWidth: root.width * 0.4
        onNegativeClicked: shareConfirm.dismiss()
        onPositiveClicked: {
            shareConfirm.dismiss()
            var index = root.list.indexOfFile(root.actionFileId)
            if (index >= 0)
                root.shareFile(index)
        }
    }

    ConfirmDialog {
        id: deleteConfirm

        objectName: "deleteConfirm"
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه فایل مورد نظر حذف خواهد گردید"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        dialogWidth: root.width * 0.4
        onNegativeClicked: deleteConfirm.dismiss()
        onPositiveClicked: {
            deleteConfirm.dismiss()
            var index = root.list.indexOfFile(root.actionFileId)
            if (index >= 0)
                root.deleteFile(index)
        }
    }
}
