import QtQuick 2.15
import AppUtility 1.0
import "../scripts/Request.js" as Api
import "../scripts/FileForm.js" as FileForm

// Stores what the listing form (`form`) holds: creates or updates the file on the service, takes
// off the pictures the user removed, then uploads the new pictures one after another. A failed
// upload leaves the file stored and says how many pictures went; storing again sends the rest to
// the same file instead of creating a second one.
Item {
    id: saver

    property Item form: null
    // A create, update or image deletion on its way, and the picture uploads that follow it.
    property bool requestRunning: false
    property bool uploading: false
    readonly property bool busy: requestRunning || uploading
    // The record this form has created whose pictures are not all stored yet: pressing
    // "ثبت اطلاعات" again updates it and sends the rest instead of creating a second file.
    property string createdFileId: ""
    // Local pictures already stored on the record, skipped when the uploads are taken up again.
    property var uploadedUrls: []
    property string uploadNotice: ""
    readonly property alias utility: utility

    // What is kept for picking up failed uploads, dropped once everything is stored.
    function reset() {
        createdFileId = ""
        uploadedUrls = []
        uploadNotice = ""
    }

    // The keys the chosen pair's form holds: its fields, its steppers' fields and the description.
    function formKeys() {
        var names = form.fieldTable.getFormFieldNames(form.dealType, form.propertyType) || []
        var keys = names.concat([FileForm.descriptionKey])
        var cards = form.cardTable.getCards(form.dealType, form.propertyType) || []
        for (var i = 0; i < cards.length; ++i) {
            var field = cards[i].stepper === 1 ? form.stepperField(cards[i].stepperId) : null
            if (field)
                keys.push(field.fieldName)
        }
        return keys
    }

    function submission() {
        var params = {
            dealType: form.dealType,
            propertyType: form.propertyType,
            fileDateUnix: form.selectedDate,
            areaId: form.selectedZone._id,
            attrs: FileForm.formAttrs(form.inputs, form.toggles, formKeys())
        }
        var located = form.selectedLocation && typeof form.selectedLocation.latitude === "number"
        if (form.editing)
            params.propertyFileId = form.fileItem._id
        if (located && (form.editing || !form.isApplicant())) {
            params.latitude = form.selectedLocation.latitude
            params.longitude = form.selectedLocation.longitude
        }
        if (form.archive)
            params.status = -1
        if (form.dealStatus !== "")
            params.dealStatus = form.dealStatus
        return params
    }

    function requestFailed() {
        requestRunning = false
    }

    function insert() {
        if (busy)
            return
        if (form.selectedDate === null) {
            toast.show("انتخاب تاریخ ثبت فایل ضروری است", toast.durationLong)
            return
        }
        if (!form.selectedZone) {
            toast.show("انتخاب منطقه فایل ضروری است", toast.durationLong)
            return
        }
        var params = submission()
        var route = userData.systemRole + "/propertyFiles/"
        requestRunning = true
        if (form.editing) {
            Api.sendJsonRequest("POST", route + "updatePropertyFile", form.whileAlive(updated), form.whileAlive(requestFailed),
                                params)
        } else if (createdFileId !== "") {
            var fileId = createdFileId
            params.propertyFileId = fileId
            Api.sendJsonRequest("POST", route + "updatePropertyFile", form.whileAlive(function () {
                requestRunning = false
                addImage(fileId, 0)
            }), form.whileAlive(requestFailed), params)
        } else {
            Api.sendJsonRequest("POST", route + "createPropertyFile", form.whileAlive(created), form.whileAlive(requestFailed),
                                params)
        }
    }

    function created(result) {
        requestRunning = false
        var fileId = result && result.propertyFile ? result.propertyFile._id : undefined
        if (!fileId) {
            toast.show(Api.systemErrorText, toast.durationLong)
            return
        }
        createdFileId = fileId
        if (form.imageModel.count > 0)
            addImage(fileId, 0)
        else
            form.finishAdd()
    }

    // The record is stored: the pictures taken off it go, then the new ones are sent.
    function updated() {
        requestRunning = false
        deleteImages()
    }

    function deleteImages() {
        var names = FileForm.imagesToDelete(form.fileItem.images, form.modelUrls(), appData.fileImagesUrl)
        var afterwards = function () {
            if (form.imageModel.count > 0)
                addImage(form.fileItem._id, 0)
            else
                form.finishEdit()
        }
        if (names.length === 0) {
            afterwards()
            return
        }
        requestRunning = true
        Api.sendJsonRequest("POST", userData.systemRole + "/propertyFiles/deletePropertyFileImages", form.whileAlive(function () {
            requestRunning = false
            // A second save must not ask for them again.
            form.fileItem.images = form.fileItem.images.filter(function (name) { return names.indexOf(name) < 0 })
            afterwards()
        }), form.whileAlive(requestFailed), { propertyFileId: form.fileItem._id, propertyImages: names })
    }

    // Uploads the local pictures from `index` on, one after another, onto the record `fileId`.
    function addImage(fileId, index) {
        if (!uploading) {
            uploading = true
            dialogLoading.initial()
        }
        while (index < form.imageModel.count) {
            var url = form.imageModel.get(index).url
            if (!FileForm.isWebUrl(url) && uploadedUrls.indexOf(url) < 0)
                break
            ++index
        }
        if (index >= form.imageModel.count) {
            uploading = false
            dialogLoading.dismiss()
            if (form.editing)
                form.finishEdit()
            else
                form.finishAdd()
            return
        }
        utility.currentIndex = index
        utility.fileId = fileId
        utility.currentUrl = url
        utility.sendMultipartRequest(userData.systemRole + "/propertyFiles/addPropertyFileImage", apiToken,
                                     "propertyPic", appUtility.urlToLocalPath(url), ["propertyFileId"], [fileId])
    }

    function imageUploaded(text) {
        if (!uploading)
            return
        var reply = null
        try {
            reply = JSON.parse(text)
        } catch (error) {
            // A network failure or an error status: Qt's description instead of the envelope.
            console.log("Picture upload failed: " + text)
        }
        if (reply && reply.ok === true) {
            uploadedUrls = uploadedUrls.concat([utility.currentUrl])
            addImage(utility.fileId, utility.currentIndex + 1)
            return
        }
        uploading = false
        dialogLoading.dismiss()
        var messages = reply && Array.isArray(reply.messages) ? reply.messages : []
        toast.show(messages.length > 0 && messages[0] ? messages[0] : form.uploadFailedText, toast.durationShort)
        var pictures = form.modelUrls().filter(function (url) { return !FileForm.isWebUrl(url) }).length
        uploadNotice = (form.editing ? "تغییرات فایل ثبت شد" : "فایل ثبت شد") + " و " + uploadedUrls.length + " تصویر از "
                + pictures + " تصویر جدید ذخیره شد؛ با «ثبت اطلاعات» تصاویر باقیمانده ارسال می‌شوند"
    }

    AppUtility {
        id: utility

        property int currentIndex: -1
        property string fileId: ""
        property string currentUrl: ""

        onRequestFinished: saver.imageUploaded(result)
    }
}
