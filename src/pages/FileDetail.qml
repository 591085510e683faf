import QtQuick 2.15
import QtQuick.Controls 2.15
import QtLocation 5.15
import QtPositioning 5.15
import "../components"
import "../items"
import "../dialogs"
import "../database"
import "../scripts/Request.js" as Api
import "../scripts/Utility.js" as Utility
import "../scripts/DateUtility.js" as DateUtility
import "../scripts/FileForm.js" as FileForm
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// One file in full: its title and date, the general attributes, a line per group of options, the
// description, its place on the map and its pictures. The user shares it as text, saves the page
// as an image ("print") or opens it for editing.
Item {
    id: fileDetailPage

    objectName: "fileDetailPage"

    property var fileId
    property bool isShared: false
    property var fileItem: null
    property string fileDetail: ""
    property bool printing: false
    // The picture the enlarged viewer shows; the gallery tiles set it by name.
    property int imageIndex: 0
    property string dealText: ""
    property string dateText: ""
    // Another agency's file: its office stands in for the owner, and it is neither placed on the
    // map nor edited here.
    readonly property bool cooperation: isShared || (fileItem !== null && !!fileItem.officeId && !!userData.officeId
                                                     && fileItem.officeId !== userData.officeId)
    readonly property bool hasPosition: fileItem !== null && typeof fileItem.latitude === "number"
                                        && typeof fileItem.longitude === "number"
    readonly property bool canEdit: fileItem !== null && !cooperation && !fileItem.systemFile
    readonly property var contactKeys: ["address", "name_family", "mobile", "phone", "mobile1", "mobile2"]
    readonly property string notFoundText: "فایل مورد نظر یافت نشد"
    readonly property string copiedText: "فایل جهت اشتراک گذاری برای شما کپی شد"
    readonly property string grabFailedText: "تهیه تصویر پرینت با خطا مواجه شد"
    readonly property string saveFailedText: "ذخیره تصویر پرینت با خطا مواجه شد"
    property alias generalModel: generalModel
    property alias toggleModel: toggleModel
    property alias saveDialog: saveDialog
    property alias dlDialog: dlDialog
    property alias printable: printable

    function present(value) {
        return value !== undefined && value !== null && String(value).trim() !== ""
    }

    function firstOf(list) {
        return Array.isArray(list) && list.length > 0 && present(list[0]) ? list[0] : null
    }

    // The value shown for an attribute, null when there is none to show. Contact attributes are
    // never shared; for a cooperation file the owning office's title, address and first numbers
    // stand in for the owner's.
    function getAttrValue(key, notShowKeyAttrs) {
        if (!fileItem)
            return null
        if (contactKeys.indexOf(key) >= 0) {
            if (notShowKeyAttrs)
                return null
            if (cooperation) {
                var office = fileItem.office || {}
                if (key === "address")
                    return present(office.address) ? office.address : null
                if (key === "name_family")
                    return present(office.title) ? office.title : null
                if (key === "mobile")
                    return firstOf(office.mobileArray)
                if (key === "phone")
                    return firstOf(office.phoneArray)
                return null
            }
        }
        var attrs = fileItem.attrs || {}
        return present(attrs[key]) ? attrs[key] : null
    }

    function shownValue(field, value, withUnit) {
        if (!field.currency)
            return String(value)
        return Utility.putComma(String(value)) + (withUnit ? " تومان" : "")
    }

    function cards() {
        return cardTable.getCards(fileItem.dealType, fileItem.propertyType) || []
    }

    // The fields of a section in schema order, each titled as this deal type names it.
    function cardFields(card) {
        var found = []
        var rows = rowTable.getRows(card._id, fileItem.dealType, fileItem.propertyType) || []
        for (var i = 0; i < rows.length; ++i) {
            var fields = fieldTable.getFields(rows[i]._id, card._id, fileItem.dealType, fileItem.propertyType) || []
            found = found.concat(fields)
        }
        return found
    }

    function toggleTitles(card) {
        var attrs = fileItem.attrs || {}
        var fields = cardFields(card)
        var titles = []
        for (var i = 0; i < fields.length; ++i) {
            if (attrs[fields[i].fieldName] === true)
                titles.push(fields[i].title)
        }
        return titles
    }

    function escaped(text) {
        return String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
    }

    function toggleText(titles) {
        var parts = []
        for (var i = 0; i < titles.length; ++i)
            parts.push("<font color=\"" + Colors.darkGrey + "\">" + escaped(titles[i]) + "</font>")
        return parts.join("<font color=\"" + Colors.primary + "\"> | </font>")
    }

    function typeTitle(id) {
        var field = fieldTable.getById(id)
        return field ? field.title : ""
    }

    function registrationDate() {
        if (!fileItem || typeof fileItem.fileDateUnix !== "number")
            return ""
        return DateUtility.dateString(new Date(fileItem.fileDateUnix), true)
    }

    function getFile() {
        var params = { _id: fileId, page: 1, count: 100, condition: true }
        if (isShared)
            params.sharedOnly = true
        Api.sendJsonRequestV2("POST", userData.systemRole + "/propertyFiles/searchMyPropertyFiles", function (result) {
            var found = result && result.propertyFiles && Array.isArray(result.propertyFiles.data)
                    ? result.propertyFiles.data : []
            // Only the record asked for: a file deleted meanwhile or no longer offered is gone.
            for (var i = 0; i < found.length; ++i) {
                if (found[i] && found[i]._id === fileId) {
                    fileItem = found[i]
                    initFile()
                    return
                }
            }
            fileGone()
        }, function () {}, params)
    }

    function fileGone() {
        toast.show(notFoundText, toast.durationLong)
        closePage()
    }

    // Opened from the main page's quick search, the page may be the only one on its stack.
    function closePage() {
        var view = fileDetailPage.StackView.view
        if (!view || view.currentItem !== fileDetailPage)
            return
        if (view.depth > 1)
            view.pop()
        else
            view.clear()
    }

    function initFile() {
        var dealTitle = typeTitle(fileItem.dealType)
        var propertyTitle = typeTitle(fileItem.propertyType)
        dealText = dealTitle + " - " + propertyTitle + " - " + "شناسه سیستمی : " + fileItem.trackingId
        dateText = "تاریخ ثبت فایل : " + registrationDate()

        generalModel.clear()
        toggleModel.clear()
        var all = cards()
        if (all.length > 0) {
            var fields = fieldTable.getFields(3, 3, fileItem.dealType, fileItem.propertyType) || []
            for (var i = 0; i < fields.length; ++i) {
                var value = getAttrValue(fields[i].fieldName, false)
                if (value !== null)
                    generalModel.append({ title: fields[i].title, value: shownValue(fields[i], value, false) })
            }
        }
        for (var c = 1; c < all.length; ++c) {
            var titles = toggleTitles(all[c])
            if (titles.length > 0)
                toggleModel.append({ title: all[c].title, values: toggleText(titles) })
        }

        imageModel.clear()
        var images = FileForm.storedImages(fileItem.images)
        for (var j = 0; j < images.length; ++j)
            imageModel.append({ url: appData.fileImagesUrl + images[j] })
        imageIndex = 0
        var attrs = fileItem.attrs || {}
        fileDetail = present(attrs.fileDetail) ? String(attrs.fileDetail) : ""
    }

    function words(text) {
        return String(text).split(/\s+/).filter(function (word) { return word !== "" }).join("_")
    }

    // The file as a text to paste into a messenger. No contact of the owner is ever part of it.
    function shareText() {
        var lines = []
        lines.push("#شناسه_فایل_" + fileItem.trackingId)
        lines.push("تاریخ : " + registrationDate())
        lines.push("#" + words(typeTitle(fileItem.dealType)) + "_" + words(typeTitle(fileItem.propertyType)))
        var all = cards()
        if (all.length > 0) {
            var fields = cardFields(all[0])
            for (var i = 0; i < fields.length; ++i) {
                var value = getAttrValue(fields[i].fieldName, true)
                if (value !== null)
                    lines.push(fields[i].title + " : " + shownValue(fields[i], value, true))
            }
        }
        for (var c = 1; c < all.length; ++c) {
            var titles = toggleTitles(all[c])
            if (titles.length > 0)
                lines.push(all[c].title + " : " + titles.join(" | "))
        }
        if (fileDetail !== "")
            lines.push("توضیحات : " + fileDetail)
        lines.push("")
        if (userData.office && present(userData.office.title))
            lines.push(userData.office.title)
        var name = ((userData.fname || "") + " " + (userData.lname || "")).trim()
        if (name !== "")
            lines.push("مشاور شما : " + name)
        var number = userData.systemRole === "officeMan" ? userData.phone : userData.mobile
        if (present(number))
            lines.push(number)
        lines.push("")
        lines.push("سامانه Norvela \nجامع ترین سامانه ملکی شرق کشور\n" + serviceConfig.siteUrl)
        return lines.join("\n")
    }

    function setShareText() {
        if (!fileItem)
            return
        appUtility.copyToClipboard(shareText())
        toast.show(copiedText, toast.durationShort)
    }

    // The page without its map and gallery, as a PNG where the user chose, then opened.
    function printPage(path) {
        if (path === "")
            return
        if (!/\.png$/i.test(path))
            path += ".png"
        printing = true
        content.forceLayout()
        var asked = printable.grabToImage(function (result) {
            printing = false
            if (!result.saveToFile(path)) {
                toast.show(saveFailedText, toast.durationLong)
                return
            }
            Qt.openUrlExternally(appUtility.localPathToUrl(path))
        })
        if (!asked) {
            printing = false
            toast.show(grabFailedText, toast.durationLong)
        }
    }

    function openEdit() {
        var page = fileDetailPage.StackView.view.push(Qt.createComponent(Qt.resolvedUrl("FileEdit.qml")),
                                                      { fileItem: fileItem })
        if (page && page.edited)
            page.edited.connect(getFile)
    }

    function closeImage() {
        biggerImageLt.width = 0
        biggerImageLt.height = 0
    }

    function saveImage() {
        dlDialog.downloadUrl = imageModel.get(imageIndex).url
        dlDialog.initial()
    }

    // The map is made once the page has arrived and the file is known to have a place on it.
    function activateMap() {
        if (mapLoader.visible && (StackView.status === StackView.Active || !StackView.view))
            mapLoader.active = true
    }

    Component.onCompleted: getFile()
    StackView.onActivated: activateMap()

    CardTable { id: cardTable }
    RowTable { id: rowTable }
    FieldTable { id: fieldTable }

    ListModel { id: generalModel }
    ListModel { id: toggleModel }
    ListModel {
        id: imageModel

        objectName: "imageModel"
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.grey
    }

    BackHeader {
        id: header

        objectName: "detailHeader"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        title: "جزئیات فایل"
        onBackClicked: fileDetailPage.closePage()

        AppButton {
            objectName: "shareButton"
            width: 135
            height: 34
            radius: 17
            color: Colors.primary
            icon: MaterialIcons.shareVariant
            text: "اشتراک گذاری"
            enabled: fileDetailPage.fileItem !== null
            onClicked: fileDetailPage.setShareText()
        }

        AppButton {
            id: printBtn

            objectName: "printButton"
            width: 120
            height: 34
            radius: 17
            color: Colors.green
            icon: MaterialIcons.printer
            text: "پرینت فایل"
            enabled: fileDetailPage.fileItem !== null && !fileDetailPage.printing
            onClicked: saveDialog.openForSave()
        }

        AppButton {
            objectName: "editButton"
            width: 125
            height: 34
            radius: 17
            color: Colors.appOrange
            icon: MaterialIcons.pencil
            text: "ویرایش فایل"
            visible: fileDetailPage.canEdit
            onClicked: fileDetailPage.openEdit()
        }
    }

    Flickable {
        id: flickable

        objectName: "detailFlickable"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.topMargin: 12
        contentWidth: width
        contentHeight: printable.height + 24
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        // What the print saves: everything but the map and the pictures.
        Rectangle {
            id: printable

            objectName: "printable"
            anchors.horizontalCenter: parent.horizontalCenter
            width: flickable.width - 24
            height: content.height + 40
            radius: 8
            color: "white"

            Column {
                id: content

                objectName: "content"
                anchors.top: parent.top
                anchors.topMargin: 20
                anchors.horizontalCenter: parent.horizontalCenter
                width: printable.width * 0.95
                spacing: 14

                Rectangle {
                    objectName: "titleBox"
                    width: parent.width
                    height: titleColumn.height + 20
                    radius: 8
                    color: Colors.field

                    Column {
                        id: titleColumn

                        anchors.centerIn: parent
                        width: parent.width - 30
                        spacing: 4

                        IranSansText {
                            objectName: "dealText"
                            width: parent.width
                            text: fileDetailPage.dealText
                            textSize: Utility.TextSize.large
                            textColor: Colors.night
                            font.bold: true
                            wrapMode: Text.WordWrap
                            horizontalAlignment: Text.AlignLeft
                        }

                        IranSansText {
                            objectName: "dateText"
                            width: parent.width
                            text: fileDetailPage.dateText
                            textColor: Colors.mediumGrey
                            horizontalAlignment: Text.AlignLeft
                        }
                    }
                }

                IranSansText {
                    width: parent.width
                    visible: generalModel.count > 0
                    text: "مشخصات عمومی"
                    textColor: Colors.primary
                    textSize: Utility.TextSize.large
                    font.bold: true
                    horizontalAlignment: Text.AlignLeft
                }

                Flow {
                    objectName: "generalSection"
                    width: parent.width
                    spacing: 10
                    visible: generalModel.count > 0

                    Repeater {
                        model: generalModel

                        IranSansText {
                            width: content.width * 0.5 - 5
                            height: 30
                            verticalAlignment: Text.AlignVCenter
                            horizontalAlignment: Text.AlignLeft
                            textFormat: Text.StyledText
                            text: "<font color=\"" + Colors.mediumGrey + "\">" + fileDetailPage.escaped(title)
                                  + " : </font>" + fileDetailPage.escaped(value)
                            textColor: Colors.text
                            textSize: Utility.TextSize.normal
                            elide: Text.ElideLeft
                        }
                    }
                }

                Column {
                    objectName: "toggleSection"
                    width: parent.width
                    visible: toggleModel.count > 0

                    Repeater {
                        model: toggleModel

                        OptionLineItem {
                            width: content.width
                            shaded: index % 2 === 1
                        }
                    }
                }

                IranSansText {
                    width: parent.width
                    visible: fileDetailPage.fileItem !== null
                    text: "مشخصات تکمیلی"
                    textColor: Colors.primary
                    textSize: Utility.TextSize.large
                    font.bold: true
                    horizontalAlignment: Text.AlignLeft
                }

                IranSansText {
                    objectName: "descriptionText"
                    width: parent.width
                    visible: fileDetailPage.fileDetail !== ""
                    text: "توضیحات فایل :\n" + fileDetailPage.fileDetail
                    textFormat: Text.PlainText
                    textColor: Colors.text
                    textSize: Utility.TextSize.normal
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignLeft
                    lineHeight: 1.3
                }

                IranSansText {
                    width: parent.width
                    visible: mapLoader.visible
                    text: "موقعیت روی نقشه"
                    textColor: Colors.night
                    textSize: Utility.TextSize.normal
                    font.bold: true
                    horizontalAlignment: Text.AlignLeft
                }

                Loader {
                    id: mapLoader

                    objectName: "mapLoader"
                    width: parent.width
                    height: 300
                    visible: fileDetailPage.hasPosition && !fileDetailPage.cooperation && !fileDetailPage.printing
                    active: false
                    onVisibleChanged: fileDetailPage.activateMap()
                    sourceComponent: ServiceMap {
                        objectName: "fileMap"
                        zoomLevel: 16
                        center: QtPositioning.coordinate(fileDetailPage.fileItem.latitude,
                                                         fileDetailPage.fileItem.longitude)
                        // The page scrolls under the pointer; the map stays where the file is.
                        gesture.enabled: false

                        MapQuickItem {
                            objectName: "mapMarker"
                            coordinate: QtPositioning.coordinate(fileDetailPage.fileItem.latitude,
                                                                 fileDetailPage.fileItem.longitude)
                            anchorPoint.x: marker.width / 2
                            anchorPoint.y: marker.height
                            sourceItem: MaterialIcon {
                                id: marker

                                icon: MaterialIcons.mapMarker
                                iconSize: 35
                                iconColor: Colors.coolRed
                            }
                        }
                    }
                }

                IranSansText {
                    width: parent.width
                    visible: gallery.visible
                    text: "تصاویر فایل"
                    textColor: Colors.night
                    textSize: Utility.TextSize.normal
                    font.bold: true
                    horizontalAlignment: Text.AlignLeft
                }

                GridView {
                    id: gallery

                    objectName: "gallery"
                    width: parent.width
                    height: contentHeight
                    visible: imageModel.count > 0 && !fileDetailPage.printing
                    interactive: false
                    cellWidth: width / 5
                    cellHeight: cellWidth * 0.75
                    model: imageModel
                    delegate: ImageItem {
                        width: gallery.cellWidth
                        height: gallery.cellHeight
                        canGrow: true
                    }
                }
            }
        }
    }

    // The enlarged viewer: grows from the middle to the page's size.
    ImageViewer {
        id: biggerImageLt

        objectName: "biggerImageLt"
        anchors.centerIn: parent
        fullWidth: fileDetailPage.width
        fullHeight: fileDetailPage.height
        images: imageModel
        index: fileDetailPage.imageIndex
        onStepped: fileDetailPage.imageIndex = index
        onCloseClicked: fileDetailPage.closeImage()
        onSaveClicked: fileDetailPage.saveImage()
    }

    DownloadDialog {
        id: dlDialog

        objectName: "dlDialog"
    }

    SelectDialog {
        id: saveDialog

        objectName: "saveDialog"
        title: "لطفا محل ذخیره سازی تصویر پرینت را انتخاب کنید"
        nameFilters: ["image files(*.png)"]
        onAccepted: fileDetailPage.printPage(chosenPath())
    }
}
