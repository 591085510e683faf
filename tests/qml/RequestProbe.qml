import QtQuick 2.15
import "../../src/scripts/Request.js" as Api

// A page pushed onto the main window's page stack, so that the request layer runs exactly where
// the pages run it: inside the window's context, with its session, loading indicator and toast.
Item {
    id: probe

    readonly property var window: appWindow
    readonly property var loading: dialogLoading
    readonly property var toastDialog: toast
    readonly property var stack: appStack
    readonly property var settings: appSettings

    // The arguments are passed on as given, so that a missing last argument stays missing.
    function sendRequest() { Api.sendRequest.apply(null, arguments) }
    function sendJsonRequest() { Api.sendJsonRequest.apply(null, arguments) }
    function sendJsonRequestV2() { Api.sendJsonRequestV2.apply(null, arguments) }
    function refreshToken(request) { Api.refreshToken(request) }
    function formText(parameters) { return Api.formText(parameters) }
    function maskedFormText(parameters) { return Api.maskedFormText(parameters) }
    function maskJsonText(text) { return Api.maskJsonText(text) }
    function mask(value) { return Api.mask(value) }
    function systemErrorText() { return Api.systemErrorText }
    function refreshErrorText() { return Api.refreshErrorText }
}
