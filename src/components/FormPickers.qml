import QtQuick 2.15
import "../dialogs"

// What the listing form's end section picks with: the zone from the service's list, the date of
// registration and the pictures from disk. The choices go into the form (`form`).
Item {
    id: root

    property Item form: null
    readonly property alias zoneDialog: zoneDialog
    readonly property alias datePicker: datePicker
    readonly property alias imageDialog: imageDialog

    function chooseZone(item) {
        form.selectedZone = { _id: item._id, title: item.title }
        zoneDialog.dismiss()
    }

    function openDate() {
        datePicker.selectedDate = form.selectedDate !== null ? form.selectedDate : new Date().getTime()
        datePicker.initial()
    }

    function imagesChosen(urls) {
        var present = form.modelUrls()
        for (var i = 0; i < urls.length; ++i) {
            var url = String(urls[i])
            if (present.indexOf(url) < 0) {
                form.imageModel.append({ url: url })
                present.push(url)
            }
        }
    }

    SearchDialog {
        id: zoneDialog

        objectName: "zoneDialog"
        dialogTitle: "انتخاب منطقه فایل"
        items: root.form ? root.form.zones : []
        onSelected: root.chooseZone(item)
    }

    DatePicker {
        id: datePicker

        objectName: "datePicker"
        dialogTitle: "تاریخ ثبت فایل"
        onPositiveClicked: {
            root.form.selectedDate = selectedDate
            root.form.dateString = getJalaliDateString(true)
            dismiss()
        }
        onNegativeClicked: dismiss()
    }

    SelectDialog {
        id: imageDialog

        objectName: "imageDialog"
        title: "لطفا تصاویر فایل را انتخاب کنید"
        nameFilters: ["Image files (*.jpg *.png *.jpeg)"]
        onAccepted: root.imagesChosen(dialog.files)
    }
}
