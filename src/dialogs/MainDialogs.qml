import QtQuick 2.15
import QtQuick.Controls 2.15
import "../scripts/Utility.js" as Utility

// The main page's dialogs: sign-out, the wallet's charge, the gift code, extra users, quick
// search, the pictures and places chosen from disk, the export and feedback. Each one, when
// confirmed, hands over to the main page (`page`), which makes the request.
Item {
    id: root

    // The main page.
    property Item page: null
    readonly property real dialogWidth: page ? page.width * 0.3 : 0

    readonly property alias confirmDialog: confirmDialog
    readonly property alias chargeDialog: chargeDialog
    readonly property alias redeemDialog: redeemDialog
    readonly property alias userBuy: userBuy
    readonly property alias userConfirmDialog: userConfirmDialog
    readonly property alias quickSearchDialog: quickSearchDialog
    readonly property alias avatarDialog: avatarDialog
    readonly property alias excelSelectDialog: excelSelectDialog
    readonly property alias excelDialog: excelDialog
    readonly property alias contactUsDialog: contactUsDialog

    ConfirmDialog {
        id: confirmDialog

        objectName: "confirmDialog"
        dialogWidth: root.dialogWidth
        dialogTitle: "آیا مطمئـــن هستید؟"
        dialogContent: "در صورت ادامه از سیستم خارج خواهید شد"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            root.page.logout()
        }
        onNegativeClicked: dismiss()
    }

    InputDialog {
        id: chargeDialog

        readonly property string chargeText: "شارژ حساب"

        // The gateway has been opened: the dialog's end refreshes the balance.
        function finish() {
            dialogInput.enabled = true
            dialogConfirm = chargeText
            root.page.getMyWallet()
        }

        objectName: "chargeDialog"
        dialogWidth: root.dialogWidth
        dialogTitle: "لطفا مبلغ شارژ را به تومان وارد نمایید"
        dialogConfirm: chargeText
        dialogInput.inputType: Qt.ImhDigitsOnly
        dialogInput.isCurrency: true
        dialogInput.opacity: dialogInput.enabled ? 1 : 0.6
        // The grouping commas are part of the text while it is typed.
        dialogInput.validator: RegExpValidator { regExp: /[1-9][0-9,]+/ }
        // Ready for typing as soon as it shows.
        onOpened: dialogInput.input.forceActiveFocus()
        onConfirmClicked: {
            if (dialogInput.enabled) {
                if (String(value) === "") {
                    toast.show(dialogTitle, toast.durationShort)
                    return
                }
                dialogInput.enabled = false
                dialogConfirm = "بستن"
                root.page.charge(value)
            } else {
                dismiss()
                finish()
            }
        }
        // Closed by a press outside after the gateway was opened: end the same way as "بستن".
        onClosed: {
            if (!dialogInput.enabled)
                finish()
        }
    }

    InputDialog {
        id: redeemDialog

        objectName: "redeemDialog"
        dialogWidth: root.dialogWidth
        dialogTitle: "لطفا کد هدیه خود را وارد نمایید"
        dialogConfirm: "ثبت کد هدیه"
        onOpened: dialogInput.input.forceActiveFocus()
        onConfirmClicked: {
            if (String(value).trim() === "") {
                toast.show(dialogTitle, toast.durationShort)
                return
            }
            dismiss()
            root.page.redeemCode(value)
        }
    }

    InputDialog {
        id: userBuy

        objectName: "userBuy"
        dialogWidth: root.dialogWidth
        dialogTitle: "لطفا تعداد کاربران مد نظر خود را وارد نمایید"
        dialogConfirm: "خرید کاربر اضافه"
        dialogInput.inputType: Qt.ImhDigitsOnly
        dialogInput.validator: RegExpValidator { regExp: /[1-9][0-9]+/ }
        onOpened: dialogInput.input.forceActiveFocus()
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

        property string userCount: ""

        objectName: "userConfirmDialog"
        dialogWidth: root.dialogWidth
        dialogTitle: "آیا مطمئـــن هستید؟"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
        onPositiveClicked: {
            dismiss()
            root.page.buyExteraUser(userCount)
        }
        onNegativeClicked: dismiss()
    }

    QuickSearchDialog {
        id: quickSearchDialog

        objectName: "quickSearchDialog"
        dialogWidth: root.dialogWidth
        dialogTitle: "لطفا شناسه سیستمی فایل را وارد نمایید"
        dialogConfirm: "جستجوی فایل"
        onConfirmClicked: {
            dismiss()
            root.page.quickSearchFile(trackingId, mobile)
        }
    }

    SelectDialog {
        id: avatarDialog

        objectName: "avatarDialog"
        title: "لطفا تصویر حساب خود را انتخاب کنید"
        nameFilters: ["Image files (*.jpg *.png *.jpeg *.webp)"]
        onAccepted: {
            var chosen = dialog.files.length > 0 ? dialog.files[0] : dialog.file
            root.page.chooseAvatar(String(chosen))
        }
    }

    SelectDialog {
        id: excelSelectDialog

        objectName: "excelSelectDialog"
        title: "لطفا محلی برای ذخیره فایل انتخاب کنید"
        nameFilters: ["Excel File (*.xlsx)"]
        onAccepted: {
            excelDialog.filePath = chosenPath()
            excelDialog.initial()
        }
    }

    ExcelDialog {
        id: excelDialog

        objectName: "excelDialog"
        dialogWidth: root.dialogWidth
    }

    ContactUsDialog {
        id: contactUsDialog

        objectName: "contactUsDialog"
        dialogWidth: root.dialogWidth
        onPositiveClicked: {
            if (!selectedSubject) {
                toast.show("انتخاب موضوع برای انتقاد یا پیشنهاداجباری است", toast.durationLong)
                return
            }
            if (String(content).trim() === "") {
                toast.show("ورود متن برای انتقاد یا پیشنهاد اجباری است", toast.durationLong)
                return
            }
            root.page.addSuggestion(selectedSubject, title, content)
        }
        onNegativeClicked: dismiss()
    }
}
