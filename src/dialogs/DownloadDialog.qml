import QtQuick 2.15
import QtQuick.Controls 2.15
import AppDownloader 1.0
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors
import "../scripts/MaterialIcons.js" as MaterialIcons

// Saves one remote file (a listing's picture) into the media folder, showing how much has arrived
// and how fast, and offers to open it once it is there.
AppDialog {
    id: downloadDialog

    property string downloadUrl: ""
    property bool finished: false

    signal confirmClicked()

    function initial(hasPermission) {
        if (Qt.platform.os !== "android" || hasPermission) {
            openFrame()
            startDownloading()
        } else {
            getAndroidPermissions()
        }
    }

    function getAndroidPermissions() {
        var platform = Utility.createView("../components/AndroidUtility.qml", appWindow, {})
        var permission = "android.permission.WRITE_EXTERNAL_STORAGE"
        if (platform.checkPermission(permission)) {
            platform.destroy()
            initial(true)
            return
        }
        var handler = function (granted) {
            platform.permissionResult.disconnect(handler)
            platform.destroy()
            if (granted)
                initial(true)
            else
                toast.show("برنامه برای ذخیره اطلاعات نیاز به این اجازه توسط شما دارد", toast.durationShort)
        }
        platform.permissionResult.connect(handler)
        platform.requestPersmission(permission)
    }

    function startDownloading() {
        openButton.visible = false
        sizeText.font.family = bebas.name
        sizeText.textColor = Colors.black
        sizeText.text = ""
        speedText.text = ""
        speedText.visible = true
        progressBar.indeterminate = false
        progressBar.value = 0
        finished = false
        downloader.downloadUrl(downloadUrl)
    }

    // A total of −1 means the server did not say how large the file is.
    function downloadProgress(downloaded_size, max_size) {
        if (finished)
            return
        if (max_size < 0) {
            progressBar.indeterminate = true
            sizeText.text = setTexts(downloaded_size)
            return
        }
        progressBar.indeterminate = false
        progressBar.to = max_size
        progressBar.value = downloaded_size
        sizeText.text = setTexts(downloaded_size) + " / " + setTexts(max_size)
    }

    function downloadSpeed(kb_s) {
        speedText.text = setTexts(kb_s * 1024) + "/s"
    }

    function downloadFinished() {
        finished = true
        progressBar.indeterminate = false
        openButton.visible = true
        if (Qt.platform.os === "android" && appData.showInGallery) {
            var platform = Utility.createView("../components/AndroidUtility.qml", appWindow, {})
            platform.refreshGallery(downloader.getDownloadPath())
            platform.destroy()
        }
    }

    // Every download ends with an error report of 0 after `downloaded`; only failures before
    // completion count.
    function downloadError(err) {
        if (finished)
            return
        sizeText.font.family = iranSans.name
        sizeText.textColor = Colors.coolRed
        sizeText.text = "دریافت اطلاعات با خطا مواجه شد"
        speedText.visible = false
        progressBar.indeterminate = false
        openButton.visible = true
    }

    // Sizes in bytes: a whole number below one kibibyte, otherwise Kb, Mb or Gb cut (never
    // rounded up) to one decimal. A value of exactly 1024, 1024² or 1024³ already takes the
    // larger unit ("1 Kb").
    function setTexts(digit) {
        if (digit < 1024)
            return String(Math.floor(digit))
        return getDigitWithLetter(digit, 1024)
    }

    function getDigitWithLetter(digit, min) {
        var gibibyte = 1024 * 1024 * 1024
        if (digit < min * 1024 || min >= gibibyte) {
            var letter = min === 1024 ? " Kb" : (min === 1024 * 1024 ? " Mb" : " Gb")
            return Utility.round(digit / min, 1) + letter
        }
        return getDigitWithLetter(digit, min * 1024)
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: content.height + 60
    dialogPadding: 20
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    Downloader {
        id: downloader

        objectName: "downloader"

        onProgress: downloadDialog.downloadProgress(downloadedSize, maxSize)
        onSpeed: downloadDialog.downloadSpeed(speed)
        onDownloadError: downloadDialog.downloadError(error)
        onDownloaded: downloadDialog.downloadFinished()
    }

    Column {
        id: content

        anchors.centerIn: parent
        width: parent.width - downloadDialog.dialogPadding
        spacing: 10

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 60
            height: 60
            radius: width / 2
            color: "transparent"
            border.width: 2
            border.color: Colors.green

            MaterialIcon {
                anchors.centerIn: parent
                icon: MaterialIcons.download
                iconSize: 35
                iconColor: Colors.green
            }
        }

        IranSansText {
            width: parent.width
            text: "در حال دریافت"
            textSize: 13
            font.bold: true
            textColor: Colors.black
            horizontalAlignment: Text.AlignHCenter
        }

        ProgressBar {
            id: progressBar

            objectName: "progressBar"
            width: parent.width
            // Fills from the right in a right-to-left window.
            LayoutMirroring.enabled: appWindow.rightToLeft
            from: 0
            to: 1
            value: 0
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 50

            IranSansText {
                id: sizeText

                objectName: "sizeText"
                textSize: 12
                font.family: bebas.name
                textColor: Colors.black
            }

            IranSansText {
                id: speedText

                objectName: "speedText"
                textSize: 12
                font.family: bebas.name
                textColor: Qt.darker(Colors.grey)
            }
        }

        AppButton {
            id: openButton

            objectName: "openButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.4
            height: 30
            radius: 5
            hasIcon: false
            color: Colors.blue
            text: "باز کردن"
            visible: false
            onClicked: {
                Utility.openFile(downloader.getDownloadPath())
                downloadDialog.dismiss()
            }
        }
    }
}
