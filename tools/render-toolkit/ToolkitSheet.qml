import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/src/components"
import "qrc:/src/items"
import "qrc:/src/dialogs"
import "qrc:/src/scripts/Colors.js" as Colors
import "qrc:/src/scripts/MaterialIcons.js" as MaterialIcons

// A contact sheet of the UI toolkit: every control, bar, row and dialog with Persian sample
// content, laid out right-to-left like the program's window. Run by render.sh under Xvfb; each
// panel is saved as a PNG file in the working directory.
Item {
    id: appWindow

    readonly property var banners: [
        "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAEAAAAAgCAIAAAAt/+nTAAABDklEQVR42mMISvgfkPjHP/mXX+oPn7Rv3hlfvLI+eeR8cM9955b/xqXwlXPxC6eSZ45lT+wrHtlVPrCtvmdde8eq/pZlww3zpmtmLVdM2y6atJ836jxr2H3aoOekXt9x3QlHdSYd1pp8UHPqfo3pe9Vn7ladtVNlznbleVsVF2xWWLhRfvF62aVrZZatll6xUmrVMok1S8TXLhJbv0Bk4zzhzXOEtswS2DaDf8c0vp1TeHdP4t47gWt/H+eBHvZDXWxHOliPtTEfb2E62cR4uoHhbB3DqAdGPTDqgVEPjHpg1AOjHhj1wKgHRj0w6oFRD4x6YNQDox4Y9cCoB0Y9MOqBUQ+MemDUA6MeINUDAL1F5SZ4Kk/8AAAAAElFTkSuQmCC",
        "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAEAAAAAgCAIAAAAt/+nTAAAA5ElEQVR42u3P+y6CAQCH4W4tER2I6EA6ESl9ahrLMtNqWq3GrMYYY8xqGWOMmZaxjJlrel2D/3/PHTwmUhmMNOkVMgarBtkUa8usJ8kl2UiQX2Izzlac7UUKCxRjlGLszFOeoxKlGqUWoR5mN8ReiP0gjVmaAQ4CHM5wNM2xnxM/pz7OvJx7uPBwOcXVJC03bTedCa7HuXFx6+JujPtRHpw8Only8Gznxcarje4IvWHerLxb+RiiP8inhS8L3wP8mPk1mxRQQAEFFFBAAQUUUEABBRRQQAEFFFBAAQUUUECB/wb+AJydmSITNZ81AAAAAElFTkSuQmCC",
        "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAEAAAAAgCAIAAAAt/+nTAAABC0lEQVR42mOIVbwUrXQpSuVyhNqVcPUroZpXQ7SvBeleD9S77m9ww8/opo/xTW/TW57mtz0s77hZ3XG1uetsd8/J/p6D43175wd2rg9t3B5aezyy9Hps4f3YzPeJqf9T48BnRkHPDEKe64e90A1/oRP5Uiv6lWbsa/W412oJb1SS3ionv1VMfaeQ/l4+84Ns1geZnI9SeZ8k8z+JF34WK/4iUvpVuOyrYMU3garvfNXfeWt/cNf/5Gr8xdH0i73lN2vbH5b2P0ydfxm7/zH0/mcY9cCoB0Y9MOqBUQ+MemDUA6MeGPXAqAdGPTDqgVEPjHpg1AOjHhj1wKgHRj0w6oFRD4x6YNQDpHoAAD/EZiaIeE9UAAAAAElFTkSuQmCC"
    ]
    property string section: "controls"
    property bool rightToLeft: true
    readonly property Item overlay: Overlay.overlay
    property int sliderCount: 3
    property int imageIndex: -1
    property bool menuExpanded: true
    property string selectedMenu: "files"

    function deleteArea(index) {}

    width: 1400
    height: 1000
    LayoutMirroring.enabled: rightToLeft
    LayoutMirroring.childrenInherit: true

    FontLoader { id: iranSans; source: "qrc:/rss/fonts/Vazirmatn-Regular.ttf" }
    FontLoader { id: lato; source: "qrc:/rss/fonts/Lato-Regular.ttf" }
    FontLoader { id: materialDesign; source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf" }
    FontLoader { id: mjDalalText; source: "qrc:/rss/fonts/nazli.ttf" }

    Rectangle { anchors.fill: parent; color: "#e9ebf2" }

    StackView { id: appStack; width: 1; height: 1 }
    Item { id: fileDetailPage; width: 10; height: 10 }
    Item { id: biggerImageLt }
    Item {
        id: subMenuLt

        property var menuItem
        function show(index) {}
        function dismiss() {}
    }

    ListModel {
        id: imageModel

        Component.onCompleted: {
            for (var i = 0; i < appWindow.banners.length; ++i)
                append({ url: appWindow.banners[i] })
        }
    }

    ListModel {
        id: menuModel

        Component.onCompleted: {
            append({ main_item: { icon: MaterialIcons.home, title: "فایل های من", key: "files", alarm: 0, page: true },
                     has_child: false, expanded: false, child_items: [] })
            append({ main_item: { icon: MaterialIcons.message, title: "پیام ها", key: "messages", alarm: 3, page: true },
                     has_child: false, expanded: false, child_items: [] })
            append({ main_item: { icon: MaterialIcons.settings, title: "مدیریت دفتر", key: "office", alarm: 0 },
                     has_child: true, expanded: true,
                     child_items: [
                         { icon: MaterialIcons.accountMultiple, title: "کاربران", key: "users", alarm: 0, page: true },
                         { icon: MaterialIcons.wallet, title: "کیف پول", key: "wallet", alarm: 12, page: true }
                     ] })
        }
    }

    // ---- Controls ----
    Flow {
        id: controlsPanel

        anchors.fill: parent
        anchors.margins: 20
        spacing: 20
        visible: appWindow.section === "controls"

        Card {
            width: 420; height: 300; radius: 10; elevation: 6
            Column {
                anchors.fill: parent; anchors.margins: 15; spacing: 8
                IranSansText { text: "متن کوچک با اندازه پیش فرض"; width: parent.width }
                IranSansText { text: "متن بزرگ و پررنگ"; textSize: 18; font.bold: true; textColor: Colors.primary; width: parent.width }
                Row {
                    spacing: 12
                    MaterialIcon { icon: MaterialIcons.home; iconSize: 28 }
                    MaterialIcon { icon: MaterialIcons.arrowLeft; iconSize: 28; iconColor: Colors.coolRed }
                    MaterialIcon { icon: MaterialIcons.magnify; iconSize: 28; iconColor: Colors.darkGrey }
                    MaterialButton { icon.icon: MaterialIcons.pencil; icon.iconSize: 28 }
                    CircleIcon { width: 36; height: 36; icon: MaterialIcons.close; iconColor: Colors.coolRed; iconSize: 22; visibleCircle: true }
                    CircleIcon { width: 36; height: 36; icon: MaterialIcons.check; iconColor: Colors.accent; iconSize: 22 }
                }
                ShadowBorder { width: parent.width; height: 40; radius: 8; elevation: 8; shadowColor: "#c0c4d8"
                    IranSansText { anchors.centerIn: parent; text: "سطح با سایه (ShadowBorder)" } }
                Row {
                    spacing: 10
                    CurvedRectangle { width: 180; height: 70; color: Colors.primary
                        IranSansText { anchors.centerIn: parent; text: "لبه پایین منحنی"; textColor: "white" } }
                    CurvedRectangle { width: 180; height: 70; color: Colors.accent; curveFrom: curveFromTop
                        IranSansText { anchors.centerIn: parent; text: "لبه بالا منحنی"; textColor: "white" } }
                }
            }
        }

        Card {
            width: 420; height: 300; radius: 10
            Column {
                anchors.fill: parent; anchors.margins: 15; spacing: 10
                AppButton { width: 200; height: 36; radius: 6; color: Colors.primary; text: "ثبت فایل جدید"; icon: MaterialIcons.plus; iconSize: 18 }
                AppButton { width: 200; height: 36; radius: 6; color: Colors.coolRed; text: "حذف منطقه"; icon: MaterialIcons.deleteForever; iconToRight: false; iconSize: 18 }
                AppButton { width: 200; height: 36; radius: 18; color: Colors.accent; text: "بدون آیکون"; hasIcon: false }
                AppButton { width: 200; height: 36; radius: 6; color: Colors.primary; text: "غیرفعال"; enabled: false }
                Stepper { width: 300; height: 32; color: Colors.grey; title: "تعداد اتاق"; value: "3" }
                Row {
                    spacing: 20
                    Switch { text: "نمایش در گالری" }
                    Switch { text: "فعال"; checked: true }
                }
            }
        }

        Card {
            width: 460; height: 360; radius: 10
            Column {
                anchors.fill: parent; anchors.margins: 15; spacing: 10
                AppInput { width: parent.width; height: 40; radius: 5; color: Colors.field; hint: "نام و نام خانوادگی" }
                AppInput { width: parent.width; height: 40; radius: 5; color: Colors.field; hint: "شماره موبایل"; hasIcon: true; icon: MaterialIcons.cellphone; iconColor: Colors.darkGrey }
                AppInput { width: parent.width; height: 40; radius: 5; color: Colors.field; isCurrency: true; text: "125000000" }
                AppInput { width: parent.width; height: 40; radius: 5; color: Colors.field; isPassword: true; text: "secret"; hasIcon: true; icon: MaterialIcons.lock; iconToRight: false }
                AppTextArea { width: parent.width; height: 60; radius: 5; color: Colors.field; textColor: "black"; text: "آدرس: مشهد، بلوار سجاد، خیابان بهارستان، پلاک ۱۲" }
                Item { width: parent.width; height: 36
                    AppComboBox {
                        id: combo
                        model: ListModel {
                            ListElement { title: "آپارتمان"; english_title: "Apartment" }
                            ListElement { title: "ویلا"; english_title: "Villa" }
                        }
                    }
                }
            }
        }

        Card {
            width: 700; height: 150; radius: 10; z: 1
            Column {
                anchors.fill: parent; anchors.margins: 15; spacing: 20
                Item { width: parent.width; height: 40; SearchBar { width: 500; height: 40 } }
                Item { width: parent.width; height: 40; SearchBar { id: typedSearch; width: 500; height: 40
                    listModel: ListModel { ListElement { title: "احمدآباد" } ListElement { title: "احمدآباد شمالی" } } } }
            }
        }
    }

    // ---- Bars, images and rows ----
    Flow {
        id: barsPanel

        anchors.fill: parent
        anchors.margins: 20
        spacing: 20
        visible: appWindow.section === "bars"

        Column {
            width: 620
            spacing: 10
            ActionBar { width: parent.width; hasBack: true }
            ActionBar { width: parent.width; title: "جزئیات فایل"; showTitleIc: true }
            Rectangle {
                width: parent.width; height: 70; color: Colors.primary
                Row {
                    anchors.centerIn: parent; spacing: 30
                    MenuIndicator { alignment: alignRight }
                    MenuIndicator { }
                    MenuIndicator { alignment: alignLeft }
                    FishSpinner { radius: 25 }
                    FishSpinner { radius: 25; useDouble: true }
                }
            }
            Slider {
                width: parent.width; height: 180
                sliderModel: ListModel {
                    Component.onCompleted: {
                        for (var i = 0; i < appWindow.banners.length; ++i)
                            append({ banner: appWindow.banners[i] })
                    }
                }
            }
            Row {
                spacing: 10
                AppImage { width: 80; height: 80; source: appWindow.banners[0]; isCircular: true; fillMode: Image.PreserveAspectCrop }
                AppImage { width: 80; height: 80; source: appWindow.banners[1]; hasColorOvarlay: true; overlayColor: "#805260ff"; fillMode: Image.PreserveAspectCrop }
                Repeater { model: imageModel; ImageItem { width: 100; height: 100; canDelete: true } }
            }
        }

        Column {
            width: 680
            spacing: 10
            Rectangle {
                width: parent.width; height: 120; color: "white"
                Column {
                    anchors.fill: parent
                    Repeater {
                        model: ListModel {
                            ListElement { itemIcon: "\uF34E"; title: "احمدآباد" }
                            ListElement { itemIcon: "\uF34E"; title: "بلوار سجاد و بلوار جانباز" }
                        }
                        SimpleItem { width: parent.width; height: 55 }
                    }
                }
            }
            Row {
                spacing: 10
                Rectangle {
                    width: 300; height: 330; color: "white"
                    ListView { anchors.fill: parent; model: menuModel; interactive: false; delegate: MenuItem { width: 300 } }
                }
            }
            Rectangle {
                width: parent.width; height: 420; color: "white"
                Logo { y: 10; width: parent.width * 0.6; anchors.horizontalCenter: parent.horizontalCenter }
                Footer { }
            }
        }
    }

    // ---- Dialogs ----
    Toast { id: toast; backColor: Colors.gold; textColor: Colors.black }
    Loading { id: dialogLoading }
    Notification {
        id: notification

        dialogTitle: "پیام جدید"
        dialogContent: "فایل <b>آپارتمان ۱۲۰ متری</b> در منطقه احمدآباد با موفقیت ثبت شد و برای مشاوران دفتر قابل مشاهده است."
        interval: 600000
    }
    Status { id: status; dialogTitle: "پرداخت موفق"; dialogContent: "کیف پول شما با موفقیت شارژ شد."; dialogConfirm: "باشه" }
    ConfirmDialog {
        id: confirm

        dialogTitle: "حذف فایل"
        dialogContent: "آیا مطمئـــن هستید؟ این فایل برای همیشه حذف می شود و قابل بازگشت نیست."
        positiveText: "بله"
        negativeText: "خیر، منصرف شدم"
    }
    InfoDialog {
        id: info

        dialogTitle: "درباره سامانه"
        dialogContent: "این سامانه برای مدیریت فایل های املاک، مشتریان و یادداشت های دفاتر مشاور املاک طراحی شده است. با آن می توانید فایل ها را ثبت، جستجو و با همکاران خود به اشتراک بگذارید."
        dialogConfirm: "متوجه شدم"
    }
    InputDialog { id: input; dialogTitle: "نام پوشه جدید را وارد کنید"; dialogConfirm: "ثبت" }
    MultiLineInputDialog { id: multiInput; dialogTitle: "یادداشت جدید"; dialogConfirm: "ذخیره" }
    ListDialog {
        id: list

        dialogTitle: "عملیات فایل"
        items: ListModel {
            ListElement { title: "ویرایش فایل" }
            ListElement { title: "اشتراک گذاری" }
            ListElement { title: "افزودن به پوشه" }
            ListElement { title: "حذف فایل" }
        }
    }

    DatePicker { id: datePicker }
    TimePicker { id: timePicker; selectedHour: 10; selectedMinute: 30 }
    SearchDialog {
        id: searchDialog

        dialogTitle: "انتخاب منطقه"
        items: [
            { title: "احمدآباد", description: "منطقه ۱ - مشهد" },
            { title: "سجاد", description: "منطقه ۱ - مشهد" },
            { title: "وکیل آباد", description: "منطقه ۹ - مشهد" },
            { title: "هاشمیه", description: "منطقه ۹ - مشهد" }
        ]
    }

    Rectangle {
        visible: appWindow.section === "calendar"
        anchors.centerIn: parent
        width: 420
        height: 460
        color: Colors.white
        radius: 10

        PersianCalendar {
            anchors.fill: parent
            anchors.margins: 10
        }
    }

    TestCase {
        name: "ToolkitSheet"
        when: windowShown

        function save(name) {
            waitForRendering(appWindow)
            wait(150)
            var image = grabImage(appWindow)
            image.save(name + ".png")
        }

        function settle(dialog) {
            tryCompare(dialog, "opened", true)
            tryVerify(function() { return Math.abs(dialog.contentLayout.width - dialog.width * 0.95) < 0.5 })
            wait(300)
        }

        function close(dialog) {
            dialog.dismiss()
            tryCompare(dialog, "visible", false)
        }

        function test_render() {
            appWindow.section = "controls"
            typedSearch.input.text = "احمدآباد"
            wait(500)
            save("controls")

            typedSearch.list.initial()
            settle(typedSearch.list)
            save("search-suggestions")
            close(typedSearch.list)
            combo.popup.open()
            tryCompare(combo.popup, "opened", true)
            save("combo-open")
            combo.popup.close()

            appWindow.section = "bars"
            wait(500)
            save("bars")
            appWindow.menuExpanded = false
            wait(300)
            save("bars-menu-collapsed")
            appWindow.menuExpanded = true

            appWindow.section = "none"
            toast.show("فایل با موفقیت ذخیره شد", toast.durationLong)
            tryCompare(toast, "x", 50)
            dialogLoading.initial()
            tryCompare(dialogLoading, "opened", true)
            save("toast-loading")
            close(toast)
            dialogLoading.dismiss()

            var dialogs = [[notification, "notification"], [status, "status"], [confirm, "confirm"],
                           [info, "info"], [input, "input"], [multiInput, "multiline-input"], [list, "list"]]
            for (var i = 0; i < dialogs.length; ++i) {
                dialogs[i][0].initial()
                if (dialogs[i][0] === input)
                    input.dialogInput.text = "مشتریان ویژه"
                if (dialogs[i][0] === multiInput)
                    multiInput.dialogInput.text = "تماس با مالک برای هماهنگی بازدید\nروز شنبه ساعت ۱۰"
                settle(dialogs[i][0])
                save(dialogs[i][1])
                close(dialogs[i][0])
            }

            var pickers = [[datePicker, "date-picker"], [timePicker, "time-picker"], [searchDialog, "search-dialog"]]
            for (var j = 0; j < pickers.length; ++j) {
                pickers[j][0].initial()
                settle(pickers[j][0])
                save(pickers[j][1])
                close(pickers[j][0])
            }

            appWindow.section = "calendar"
            wait(500)
            save("persian-calendar")
        }
    }
}
