import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/FileForm.js" as FileForm
import "../scripts/Colors.js" as Colors
import "../scripts/Utility.js" as Utility
import "../scripts/MaterialIcons.js" as MaterialIcons

// The last section of the listing form: description, zone, map position, registration date, deal
// status, archive flag and pictures. Every value lives in `form` (a FileForm) and is shown again
// from there when the section is made anew.
Rectangle {
    id: root

    property var form: null
    readonly property bool propertyFile: !form.isApplicant()
    readonly property var dealStatuses: ["available", "done", "cancelled"]
    readonly property int lineHeight: 44
    readonly property int controlWidth: Math.min(320, width * 0.45)

    objectName: "endCard"
    height: column.height + 30
    radius: 10
    color: Colors.white

    Column {
        id: column

        anchors.horizontalCenter: parent.horizontalCenter
        y: 15
        width: parent.width - 30
        spacing: 12

        IranSansText {
            width: parent.width
            topPadding: 0
            text: "توضیحات"
            textSize: Utility.TextSize.medium
            textColor: Colors.mediumGrey
        }

        AppTextArea {
            objectName: "descriptionInput"
            width: parent.width
            height: 100
            radius: 8
            color: Colors.field
            textColor: Colors.text
            verticalAlignment: TextEdit.AlignTop
            Component.onCompleted: text = root.form.inputText(FileForm.descriptionKey)
            onValueChanged: {
                if (root.form.building)
                    return
                var field = { fieldName: FileForm.descriptionKey }
                if (getText() === "")
                    root.form.removeInput(field)
                else
                    root.form.addInput(field, getText())
            }
        }

        FormEndLine {
            caption: "منطقه فایل"

            AppButton {
                objectName: "zoneButton"
                width: root.controlWidth
                height: 38
                radius: 8
                color: Colors.fieldBack
                textColor: Colors.text
                icon: MaterialIcons.mapMarkerRadius
                text: root.form.selectedZone ? root.form.selectedZone.title : "انتخاب کنید"
                onClicked: root.form.zoneDialog.initial()
            }
        }

        FormEndLine {
            caption: "موقعیت روی نقشه"
            visible: root.propertyFile

            AppButton {
                objectName: "mapButton"
                width: root.controlWidth
                height: 38
                radius: 8
                color: Colors.fieldBack
                textColor: Colors.text
                icon: MaterialIcons.mapMarker
                text: root.form.locationText()
                onClicked: root.form.openMap()
            }
        }

        FormEndLine {
            caption: "تاریخ ثبت فایل"

            AppButton {
                objectName: "dateButton"
                width: root.controlWidth
                height: 38
                radius: 8
                color: Colors.fieldBack
                textColor: Colors.text
                icon: MaterialIcons.calendar
                text: root.form.dateString
                onClicked: root.form.openDate()
            }
        }

        FormEndLine {
            caption: "وضعیت معامله"

            AppComboBox {
                id: statusBox

                objectName: "dealStatusBox"
                width: root.controlWidth
                height: 38
                model: ListModel {
                    ListElement { title: "فایل موجود" }
                    ListElement { title: "معامله شده" }
                    ListElement { title: "کنسل شده" }
                }
                currentIndex: -1
                displayText: "انتخاب کنید"
                Component.onCompleted: {
                    var index = root.dealStatuses.indexOf(root.form.dealStatus)
                    if (index >= 0) {
                        currentIndex = index
                        displayText = model.get(index).title
                    }
                }
                onCurrentIndexChanged: {
                    if (currentIndex >= 0)
                        root.form.dealStatus = root.dealStatuses[currentIndex]
                }
            }
        }

        FormEndLine {
            objectName: "archiveLine"
            caption: "ثبت فایل در حالت بایگانی"
            clickable: true
            onClicked: root.form.archive = !root.form.archive

            Switch {
                objectName: "archiveSwitch"
                uncheckedColor: Colors.lightGrey
                checked: root.form.archive
            }
        }

        FormEndLine {
            caption: "تصاویر فایل"
            visible: root.propertyFile

            AppButton {
                objectName: "imagesButton"
                width: root.controlWidth
                height: 38
                radius: 8
                color: Colors.fieldBack
                textColor: Colors.text
                icon: MaterialIcons.imageMultiple
                text: "انتخاب تصاویر"
                onClicked: root.form.imageDialog.open()
            }
        }

        Grid {
            id: gallery

            objectName: "gallery"
            width: parent.width
            visible: root.propertyFile && root.form.imageModel.count > 0
            columns: 5

            Repeater {
                model: root.form.imageModel

                delegate: ImageItem {
                    width: gallery.width / 5
                    height: width * 0.7
                    canDelete: !root.form.busy
                }
            }
        }

        IranSansText {
            objectName: "uploadNotice"
            width: parent.width
            visible: text !== ""
            topPadding: 0
            text: root.form.uploadNotice
            textSize: Utility.TextSize.normal
            textColor: Colors.danger
            wrapMode: Text.WordWrap
        }
    }
}
