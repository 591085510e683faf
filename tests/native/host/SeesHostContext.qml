import QtQuick 2.15
import QtQuick.Window 2.15
import AppSettings 1.0
import AppUtility 1.0

// Exits 0 only when the host gave it what every document relies on.
Window {
    visible: true
    width: 100
    height: 100

    Settings { id: settings }
    AppUtility { id: utility }

    Component.onCompleted: {
        var ok = offlineStoragePath.length > 0
                && Qt.application.version === "2.1.0.0"
                && Qt.application.name === "Norvela"
                && Qt.application.organization === "Norvela"
                && serviceConfig.apiBaseUrl.length > 0
                && utility.getTempDirectory().indexOf("/Norvela/Norvela/temp/") > 0
                // Qt's own dialogs in Persian and right to left; no request log unless the
                // program's build asks for it.
                && Qt.application.layoutDirection === Qt.RightToLeft
                && qsTranslate("QFileDialog", "Look in:") !== "Look in:"
                && requestLogging === false
        Qt.exit(ok ? 0 : 4)
    }
}
