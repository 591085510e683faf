import QtQuick 2.15
import Qt.labs.platform 1.1 as Platform

// The system's file chooser, set up for picking a listing's pictures unless the page says otherwise.
Item {
    id: root

    property alias title: _dialog.title
    property alias nameFilters: _dialog.nameFilters
    property alias folder: _dialog.folder
    property alias dialog: _dialog

    signal accepted()
    signal rejected()

    function open() {
        _dialog.open()
    }

    function openForSave() {
        _dialog.fileMode = Platform.FileDialog.SaveFile
        _dialog.open()
    }

    function initial() {
        openForSave()
    }

    // The chosen file as a local path: the chooser speaks URLs, the native services paths.
    function chosenPath() {
        return appUtility.urlToLocalPath(String(_dialog.file))
    }

    Platform.FileDialog {
        id: _dialog

        title: "لطفا تصاویر فایل را انتخاب کیند"
        fileMode: Platform.FileDialog.OpenFiles
        nameFilters: ["Image files (*.jpg *.png *.jpeg *webp)"]
        folder: Platform.StandardPaths.writableLocation(Platform.StandardPaths.PicturesLocation)
        onAccepted: root.accepted()
        onRejected: root.rejected()
    }
}
