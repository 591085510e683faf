import QtQuick 2.15
import QtAndroidUtility 1.0 as Platform

// Mobile builds only: the desktop program registers no QtAndroidUtility module and never creates
// this item (it is looked up by name when the platform is Android).
Item {
    id: permissions

    signal permissionResult(var granted)

    function checkPermission(permission) {
        return utility.checkPermission(permission)
    }

    function requestPersmission(permission) {
        utility.reuestPermission(permission)
    }

    function getExternalStoragePath() {
        return utility.getExternalStoragePath()
    }

    function getAndroidId() {
        return utility.getAndroidId()
    }

    function refreshGallery(path) {
        utility.refreshGallery(path)
    }

    Platform.AndroidUtility {
        id: utility

        onPermissionResult: permissions.permissionResult(granted)
    }
}
