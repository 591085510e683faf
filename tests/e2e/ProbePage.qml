import QtQuick 2.15
import "../../src/scripts/Request.js" as Api

// A page pushed over the program's pages: it sees the window's members by name and sends
// requests through the request layer exactly as the program's pages do.
Item {
    readonly property var toastDialog: toast
    readonly property var loading: dialogLoading
    readonly property var settings: appSettings

    function sendRequest() { Api.sendRequest.apply(null, arguments) }
    function sendJsonRequest() { Api.sendJsonRequest.apply(null, arguments) }
}
