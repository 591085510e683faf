import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/src/dialogs"

// The pop-ups: how they open, how long they stay, and that they close only when asked to.
Item {
    id: appWindow

    property bool rightToLeft: true
    readonly property Item overlay: Overlay.overlay

    width: 800
    height: 600

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }

    Toast { id: toast }
    Loading { id: dialogLoading }
    ConfirmDialog {
        id: confirm

        dialogTitle: "حذف فایل"
        dialogContent: "آیا مطمئـــن هستید؟"
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
    }
    InputDialog { id: input; dialogTitle: "نام پوشه"; dialogConfirm: "ثبت" }
    MultiLineInputDialog { id: multiInput; dialogTitle: "یادداشت"; dialogConfirm: "ثبت" }
    ListDialog {
        id: list

        dialogTitle: "عملیات"
        items: ListModel {
            ListElement { title: "ویرایش" }
            ListElement { title: "حذف" }
        }
    }
    Notification { id: notification; dialogTitle: "پیام جدید"; dialogContent: "فایل شما ثبت شد" }
    SelectDialog { id: select }
    Status { id: status; dialogTitle: "موفق"; dialogContent: "ثبت شد"; dialogConfirm: "باشه" }

    SignalSpy { id: positiveSpy; target: confirm; signalName: "positiveClicked" }
    SignalSpy { id: negativeSpy; target: confirm; signalName: "negativeClicked" }
    SignalSpy { id: inputSpy; target: input; signalName: "confirmClicked" }
    SignalSpy { id: multiSpy; target: multiInput; signalName: "confirmClicked" }
    SignalSpy { id: selectedSpy; target: list; signalName: "selected" }
    SignalSpy { id: statusSpy; target: status; signalName: "confirmClicked" }
    SignalSpy { id: notificationSpy; target: notification; signalName: "clicked" }

    TestCase {
        id: testCase

        name: "Dialogs"
        when: windowShown

        function openAndSettle(dialog) {
            dialog.initial()
            tryCompare(dialog, "opened", true)
            // The opening pulse (0.95, 0.9, 0.95) ends at 0.95 of the dialog's size.
            tryVerify(function() {
                return dialog.scaleLevel === 2
                       && Math.abs(dialog.contentLayout.width - dialog.width * 0.95) < 0.5
                       && Math.abs(dialog.contentLayout.height - dialog.height * 0.95) < 0.5
            })
        }

        function closeNow(dialog) {
            if (dialog.visible) {
                dialog.dismiss()
                tryCompare(dialog, "visible", false)
            }
        }

        function cleanup() {
            closeNow(toast)
            closeNow(confirm)
            closeNow(input)
            closeNow(multiInput)
            closeNow(list)
            closeNow(status)
            closeNow(notification)
            notificationSpy.clear()
            dialogLoading.dismiss()
            positiveSpy.clear()
            negativeSpy.clear()
            inputSpy.clear()
            multiSpy.clear()
            selectedSpy.clear()
            statusSpy.clear()
        }

        function test_toastShortDurationSticks() {
            compare(toast.duration, 8000)
            toast.show("ذخیره شد", toast.durationShort)
            tryCompare(toast, "opened", true)
            tryCompare(toast, "x", 50)
            var countDown = findChild(toast, "countDown")
            verify(countDown.running)
            compare(countDown.interval, 3500)
            tryCompare(toast, "visible", false, 6000)

            // A later call without a duration keeps the short one.
            toast.show("دوباره")
            tryCompare(toast, "opened", true)
            compare(toast.duration, 3500)
            compare(countDown.interval, 3500)
            tryCompare(toast, "visible", false, 6000)

            toast.show("طولانی", toast.durationLong)
            tryCompare(toast, "opened", true)
            compare(countDown.interval, 8000)
            toast.duration = toast.durationLong
        }

        function test_toastSizeFollowsText() {
            toast.show("کوتاه")
            tryCompare(toast, "opened", true)
            var shortWidth = toast.width
            toast.show("این یک پیام بسیار طولانی تر است که جای بیشتری می گیرد")
            verify(toast.width > shortWidth)
            verify(toast.width <= appWindow.width)
        }

        function test_toastPressOutsideStopsTimer() {
            toast.show("پیام", toast.durationShort)
            tryCompare(toast, "opened", true)
            var countDown = findChild(toast, "countDown")
            verify(countDown.running)
            mouseClick(appWindow, appWindow.width - 20, appWindow.height - 20)
            tryCompare(toast, "visible", false)
            verify(!countDown.running)
            toast.show("پیام دوم")
            tryCompare(toast, "opened", true)
            verify(countDown.running)
            toast.duration = toast.durationLong
        }

        function test_toastCloseButtonSlidesOut() {
            toast.show("پیام")
            tryCompare(toast, "x", 50)
            var closeButton = findChild(toast, "closeButton")
            mouseClick(closeButton)
            verify(toast.dialogExit)
            tryCompare(toast, "visible", false)
            compare(toast.x, appWindow.width)
            verify(!findChild(toast, "countDown").running)
        }

        function test_toastShownAgainWhileLeavingStays() {
            toast.show("پیام")
            tryCompare(toast, "x", 50)
            toast.dismiss()
            toast.show("پیام تازه")
            verify(!toast.dialogExit)
            tryCompare(toast, "x", 50)
            wait(300)
            verify(toast.visible)
            verify(findChild(toast, "countDown").running)
        }

        function test_loadingDismissedInTheFrameItOpened() {
            dialogLoading.initial()
            dialogLoading.dismiss()
            verify(!dialogLoading.visible)
            wait(100)
            verify(!dialogLoading.visible)
            verify(!dialogLoading.opened)

            dialogLoading.initial()
            tryCompare(dialogLoading, "opened", true)
            compare(dialogLoading.x, 30)
            compare(dialogLoading.y, appWindow.height - 60)
            dialogLoading.dismiss()
            verify(!dialogLoading.visible)
        }

        function test_dismissOnClosedDialog() {
            verify(!confirm.visible)
            confirm.dismiss()
            wait(400)
            verify(!confirm.visible)
            openAndSettle(confirm)
            verify(confirm.visible)
            verify(!confirm.dialogExit)

            toast.dismiss()
            wait(300)
            verify(!toast.visible)
            toast.show("پیام")
            tryCompare(toast, "x", 50)
            verify(toast.visible)
        }

        function test_confirmDialogNeverClosesItself() {
            openAndSettle(confirm)
            mouseClick(findChild(confirm, "positiveButton"))
            compare(positiveSpy.count, 1)
            mouseClick(findChild(confirm, "negativeButton"))
            compare(negativeSpy.count, 1)
            wait(300)
            verify(confirm.opened)
            verify(!confirm.dialogExit)
            // Negative first in reading order: at the right in right-to-left layout.
            var positive = findChild(confirm, "positiveButton")
            var negative = findChild(confirm, "negativeButton")
            verify(negative.mapToItem(null, 0, 0).x > positive.mapToItem(null, 0, 0).x)
            confirm.dismiss()
            tryCompare(confirm.contentLayout, "width", 0)
            tryCompare(confirm, "visible", false)
        }

        function test_inputDialogAlwaysOpensEmpty() {
            openAndSettle(input)
            input.dialogInput.input.forceActiveFocus()
            keyClick("a")
            keyClick("b")
            mouseClick(findChild(input, "confirmButton"))
            compare(inputSpy.count, 1)
            compare(inputSpy.signalArguments[0][0], "ab")
            verify(input.opened)
            input.dismiss()
            tryCompare(input, "visible", false)
            compare(input.dialogInput.text, "ab")
            input.initial()
            compare(input.dialogInput.text, "")
            tryCompare(input, "opened", true)
        }

        function test_inputDialogCurrencyValue() {
            input.dialogInput.isCurrency = true
            openAndSettle(input)
            input.dialogInput.input.forceActiveFocus()
            keyClick("1")
            keyClick("5")
            keyClick("0")
            keyClick("0")
            compare(input.dialogInput.text, "1,500")
            mouseClick(findChild(input, "confirmButton"))
            compare(inputSpy.signalArguments[0][0], "1500")
            input.btn.enabled = false
            mouseClick(findChild(input, "confirmButton"))
            compare(inputSpy.count, 1)
            input.btn.enabled = true
            input.dialogInput.isCurrency = false
        }

        function test_multiLineInputDialog() {
            multiInput.dialogInput.text = "متن قبلی"
            openAndSettle(multiInput)
            compare(multiInput.dialogInput.text, "")
            multiInput.dialogInput.text = "خط اول\nخط دوم"
            mouseClick(findChild(multiInput, "confirmButton"))
            compare(multiSpy.count, 1)
            compare(multiSpy.signalArguments[0][0], "خط اول\nخط دوم")
            verify(multiInput.opened)
        }

        function test_listDialogWithAndWithoutTitle() {
            openAndSettle(list)
            var view = list.listItem
            var column = view.parent
            var title = column.children[0]
            compare(view.height, column.height - (title.height + column.spacing))
            list.hasTitle = false
            compare(view.height, column.height)
            list.hasTitle = true
        }

        function test_listDialogRowsReportAndOtherClicksDismiss() {
            openAndSettle(list)
            var view = list.listItem
            var row = view.itemAtIndex(1)
            mouseClick(row)
            compare(selectedSpy.count, 1)
            compare(selectedSpy.signalArguments[0][0], 1)
            wait(300)
            verify(list.opened)

            // Empty list space below the rows is no row: the list closes.
            mouseClick(view, view.width / 2, view.height - 5)
            tryCompare(list, "visible", false)
            compare(selectedSpy.count, 1)
        }

        function test_notificationCountsDownOnlyAfterThePulse() {
            var countDown = findChild(notification, "countDown")
            notification.initial()
            compare(notification.y, 30)
            verify(!countDown.running)
            tryCompare(countDown, "running", true)
            compare(countDown.interval, 3000)
            compare(notification.x, notification.centerX)
            // Left alone it slides out to the right and closes.
            tryCompare(notification, "visible", false, 5000)
            compare(notification.x, appWindow.width)
            verify(!countDown.running)
            // Opened again it is back in the middle.
            notification.initial()
            compare(notification.x, notification.centerX)
            tryCompare(countDown, "running", true)
        }

        function test_notificationShownAgainWhileLeaving() {
            openAndSettle(notification)
            notification.dismiss()
            tryVerify(function() { return notification.x > notification.centerX })
            notification.initial()
            verify(!notification.dialogExit)
            compare(notification.x, notification.centerX)
            tryCompare(findChild(notification, "countDown"), "running", true)
            verify(notification.visible)
            wait(250)
            compare(notification.x, notification.centerX)
            verify(notification.visible)
        }

        function test_notificationClickAndClose() {
            openAndSettle(notification)
            mouseClick(notification.contentLayout)
            compare(notificationSpy.count, 1)
            var countDown = findChild(notification, "countDown")
            verify(countDown.running)
            mouseClick(appWindow, appWindow.width / 2, appWindow.height - 10)
            tryCompare(notification, "visible", false)
            verify(!countDown.running)
        }

        function test_selectDialogDefaults() {
            compare(select.dialog.fileMode, 1) // several files
            compare(select.nameFilters, ["Image files (*.jpg *.png *.jpeg *webp)"])
            verify(String(select.folder).indexOf(testHomePath) >= 0)
        }

        function test_statusConfirm() {
            openAndSettle(status)
            mouseClick(findChild(status, "confirmButton"))
            compare(statusSpy.count, 1)
            verify(status.opened)
        }
    }
}
