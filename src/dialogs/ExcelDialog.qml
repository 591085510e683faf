import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// Shows an export of all of the user's own listings to a workbook (`ExcelExport`) while it runs:
// its progress, cancel while it runs, open the workbook when it is saved, or another place when
// it could not be saved there.
AppDialog {
    id: excelDialog

    // When set, opening the dialog goes on with the run it shows instead of starting afresh.
    property bool isEdit: false
    // A local path; a "file:" URL from a file chooser is accepted as well.
    property alias filePath: run.filePath
    property alias page: run.page
    property alias sheetAdded: run.sheetAdded
    property alias currentRow: run.currentRow
    readonly property alias isDone: run.isDone
    // The run's pauses between attempts and its patience with one page.
    property alias retryDelays: run.retryDelays
    property alias pageTimeout: run.pageTimeout
    readonly property alias saveFailed: run.saveFailed
    readonly property alias incomplete: run.incomplete
    readonly property alias filesWritten: run.filesWritten
    readonly property alias saveFailedText: run.saveFailedText
    readonly property alias serviceFailedText: run.serviceFailedText

    signal positiveClicked(var title, var content)
    signal negativeClicked()

    function initial() {
        run.start(!isEdit)
        openFrame()
    }

    // Another place for a workbook that could not be written where the user first said.
    function saveTo(path) {
        run.saveTo(path)
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: content.height + 100
    dialogPadding: 50
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    // Escape while the files are still coming in abandons the export, as the cancel button does.
    onClosed: {
        if (!isDone)
            run.abandon()
    }

    ExcelExport {
        id: run
    }

    SelectDialog {
        id: placeChooser

        title: "محل ذخیره فایل اکسل را انتخاب کنید"
        nameFilters: ["Excel files (*.xlsx)"]
        onAccepted: run.saveTo(chosenPath())
    }

    Column {
        id: content

        anchors.centerIn: parent
        width: parent.width - excelDialog.dialogPadding
        spacing: 10

        IranSansText {
            width: parent.width
            text: "در حال دریافت و آماده سازی فایل ها"
            textSize: 13
            font.bold: true
            textColor: Colors.black
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }

        ProgressBar {
            id: progressBar

            objectName: "progressBar"
            width: parent.width
            // Fills from the right in a right-to-left window.
            LayoutMirroring.enabled: appWindow.rightToLeft
            from: 0
            to: run.progressTo
            value: run.progress
        }

        IranSansText {
            id: indicator

            objectName: "indicator"
            text: run.progressText
            anchors.horizontalCenter: parent.horizontalCenter
            textSize: 11
            textColor: Colors.mediumGrey
        }

        IranSansText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "لطفا منتظر بمانید"
            textSize: 12
            font.bold: true
            textColor: Colors.black
        }

        AppButton {
            id: actionButton

            objectName: "actionButton"
            width: parent.width
            height: 35
            radius: 5
            hasIcon: false
            textColor: "white"
            color: excelDialog.isDone || excelDialog.saveFailed ? Colors.primary : Colors.coolRed
            text: excelDialog.isDone ? "باز کردن فایل"
                                     : (excelDialog.saveFailed ? "انتخاب محل دیگر" : "انصراف")
            onClicked: {
                if (excelDialog.isDone) {
                    Utility.openFile(run.localFilePath())
                    excelDialog.dismiss()
                } else if (excelDialog.saveFailed) {
                    placeChooser.initial()
                } else {
                    run.abandon()
                    excelDialog.dismiss()
                }
            }
        }
    }
}
